// TIFF scans through the Windows Imaging Component, decoded from the bytes
// already read and converted to 32-bit BGRA, then to grey as on Linux.
#include <wincodec.h>
#include <windows.h>
#include <wrl/client.h>

#include "cli/scan_tiff.hpp"

namespace veltrim::cli {
namespace {

using Microsoft::WRL::ComPtr;

// COM for this thread while the scan is decoded.
class ComScope {
 public:
  ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

constexpr UINT kLargestSide = 20000;

}  // namespace

bool DecodeTiff(const std::string& path, const std::vector<std::uint8_t>& bytes, ScanFile& scan, std::string& error) {
  error = path + " is not a TIFF image this program can read.";
  const ComScope com;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  UINT w = 0, h = 0;
  if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&w, &h)) || w == 0 || h == 0 ||
      w > kLargestSide || h > kLargestSide || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)))
    return false;
  std::vector<BYTE> bgra(static_cast<std::size_t>(w) * h * 4);
  if (FAILED(converter->CopyPixels(nullptr, w * 4, static_cast<UINT>(bgra.size()), bgra.data()))) return false;
  scan.width = static_cast<int>(w);
  scan.height = static_cast<int>(h);
  scan.grey.resize(static_cast<std::size_t>(w) * h);
  for (std::size_t k = 0; k < scan.grey.size(); ++k)
    scan.grey[k] = GreyOf(bgra[4 * k + 2], bgra[4 * k + 1], bgra[4 * k]);
  error.clear();
  return true;
}

}  // namespace veltrim::cli
