#include "core/platform/raster_files.hpp"

#include <cerrno>
#include <cstdarg>
#include <string>

// stb_image_write from Debian's libstb-dev: PNG files, and the deflate
// coder the PDF images are compressed with.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace veltrim {
namespace {

// The page as tightly packed red-green-blue rows.
std::vector<std::uint8_t> PackedRgb(const RasterPage& page) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(page.width) * page.height * 3);
  std::uint8_t* out = rgb.data();
  for (int y = 0; y < page.height; ++y) {
    const std::uint8_t* in = page.pixels + static_cast<std::ptrdiff_t>(y) * page.stride;
    for (int x = 0; x < page.width; ++x, in += 3, out += 3) {
      out[0] = page.bgr ? in[2] : in[0];
      out[1] = in[1];
      out[2] = page.bgr ? in[0] : in[2];
    }
  }
  return rgb;
}

bool Valid(const RasterPage& page) {
  return page.pixels != nullptr && page.width > 0 && page.height > 0 && page.stride >= page.width * 3;
}

struct StbFree {
  void operator()(unsigned char* data) const { STBIW_FREE(data); }
};

}  // namespace

bool WritePngFile(const std::string& file, const RasterPage& page) {
  if (!Valid(page)) return false;
  const std::vector<std::uint8_t> rgb = PackedRgb(page);
  return stbi_write_png(file.c_str(), page.width, page.height, 3, rgb.data(), page.width * 3) != 0;
}

namespace {

// The page's pixels compressed for a FlateDecode filter; null on failure.
std::unique_ptr<unsigned char, StbFree> Compressed(const RasterPage& page, int& length) {
  std::vector<std::uint8_t> rgb = PackedRgb(page);
  return std::unique_ptr<unsigned char, StbFree>(
      stbi_zlib_compress(rgb.data(), static_cast<int>(rgb.size()), &length, 6));
}

}  // namespace

RasterDocumentWriter::RasterDocumentWriter(const std::string& file, double widthPoints,
                                           double heightPoints)
    : widthPoints_(widthPoints), heightPoints_(heightPoints) {
  errno = 0;
  file_.reset(std::fopen(file.c_str(), "wb"));
  if (!file_) error_ = errno;
}

void RasterDocumentWriter::Failed(int error) {
  if (!failed_ && error_ == 0) error_ = error;
  failed_ = true;
}

void RasterDocumentWriter::Write(const void* data, std::size_t size) {
  errno = 0;
  if (file_ && std::fwrite(data, 1, size, file_.get()) != size) Failed(errno);
}

void RasterDocumentWriter::Print(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  if (length < 0 || length >= static_cast<int>(sizeof text)) {
    failed_ = true;
    return;
  }
  Write(text, static_cast<std::size_t>(length));
}

long RasterDocumentWriter::Offset() const { return file_ ? std::ftell(file_.get()) : 0; }

bool RasterDocumentWriter::Close() {
  errno = 0;
  if (file_ && std::fclose(file_.release()) != 0) Failed(errno);
  return !failed_;
}

RasterPdfWriter::RasterPdfWriter(const std::string& file, double widthPoints, double heightPoints)
    : RasterDocumentWriter(file, widthPoints, heightPoints) {
  if (!Ok()) return;
  Print("%%PDF-1.4\n%%\xE2\xE3\xCF\xD3\n");
  // Objects 1 and 2, the catalogue and the page tree, are written last,
  // when the pages are known.
  offsets_.assign(2, 0);
}

RasterPdfWriter::~RasterPdfWriter() { Finish(); }

int RasterPdfWriter::BeginObject() {
  offsets_.push_back(Offset());
  const int number = static_cast<int>(offsets_.size());
  Print("%d 0 obj\n", number);
  return number;
}

bool RasterPdfWriter::AddPage(const RasterPage& page) {
  if (!Ok() || finished_ || !Valid(page)) return false;
  int compressedLength = 0;
  const auto compressed = Compressed(page, compressedLength);
  if (!compressed) return failed_ = true, false;

  const int image = BeginObject();
  Print("<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace /DeviceRGB /BitsPerComponent 8 "
        "/Filter /FlateDecode /Length %d >>\nstream\n",
        page.width, page.height, compressedLength);
  Write(compressed.get(), static_cast<std::size_t>(compressedLength));
  Print("\nendstream\nendobj\n");

  char content[128];
  const int contentLength =
      std::snprintf(content, sizeof content, "q %.2f 0 0 %.2f 0 0 cm /Im0 Do Q\n", widthPoints_, heightPoints_);
  const int contents = BeginObject();
  Print("<< /Length %d >>\nstream\n", contentLength);
  Write(content, static_cast<std::size_t>(contentLength));
  Print("endstream\nendobj\n");

  const int pageObject = BeginObject();
  Print("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %.2f %.2f] /Resources << /XObject << /Im0 %d 0 R >> >> "
        "/Contents %d 0 R >>\nendobj\n",
        widthPoints_, heightPoints_, image, contents);
  pages_.push_back(pageObject);
  return Ok();
}

bool RasterPdfWriter::Finish() {
  if (finished_) return !failed_;
  if (!Ok()) return false;
  finished_ = true;
  offsets_[0] = Offset();
  Print("1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
  offsets_[1] = Offset();
  Print("2 0 obj\n<< /Type /Pages /Count %d /Kids [", static_cast<int>(pages_.size()));
  for (const int page : pages_) Print(" %d 0 R", page);
  Print(" ] >>\nendobj\n");
  const long xref = Offset();
  Print("xref\n0 %d\n0000000000 65535 f \n", static_cast<int>(offsets_.size()) + 1);
  for (const long offset : offsets_) Print("%010ld 00000 n \n", offset);
  Print("trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%ld\n%%%%EOF\n", static_cast<int>(offsets_.size()) + 1,
        xref);
  return Close();
}

RasterPostScriptWriter::RasterPostScriptWriter(const std::string& file, double widthPoints,
                                               double heightPoints)
    : RasterDocumentWriter(file, widthPoints, heightPoints) {
  if (!Ok()) return;
  Print("%%!PS-Adobe-3.0\n%%%%LanguageLevel: 3\n%%%%BoundingBox: 0 0 %d %d\n%%%%Pages: (atend)\n%%%%EndComments\n",
        static_cast<int>(widthPoints + 0.5), static_cast<int>(heightPoints + 0.5));
}

RasterPostScriptWriter::~RasterPostScriptWriter() { Finish(); }

bool RasterPostScriptWriter::AddPage(const RasterPage& page) {
  if (!Ok() || finished_ || !Valid(page)) return false;
  int compressedLength = 0;
  const auto compressed = Compressed(page, compressedLength);
  if (!compressed) return failed_ = true, false;
  ++pages_;
  // The image reads its samples straight after the operator, through a
  // FlateDecode filter that stops at the end of the compressed data.
  Print("%%%%Page: %d %d\n<< /PageSize [%.2f %.2f] >> setpagedevice\ngsave\n%.2f %.2f scale\n"
        "/DeviceRGB setcolorspace\n<< /ImageType 1 /Width %d /Height %d /BitsPerComponent 8 "
        "/Decode [0 1 0 1 0 1] /ImageMatrix [%d 0 0 -%d 0 %d] /DataSource currentfile /FlateDecode filter >> "
        "image\n",
        pages_, pages_, widthPoints_, heightPoints_, widthPoints_, heightPoints_, page.width, page.height,
        page.width, page.height, page.height);
  Write(compressed.get(), static_cast<std::size_t>(compressedLength));
  Print("\ngrestore\nshowpage\n");
  return Ok();
}

bool RasterPostScriptWriter::Finish() {
  if (finished_) return !failed_;
  if (!Ok()) return false;
  finished_ = true;
  Print("%%%%Trailer\n%%%%Pages: %d\n%%%%EOF\n", pages_);
  return Close();
}

std::unique_ptr<RasterDocumentWriter> MakeRasterDocumentWriter(FileFormat format, const std::string& file,
                                                               double widthPoints, double heightPoints) {
  switch (format) {
    case FileFormat::Pdf: return std::make_unique<RasterPdfWriter>(file, widthPoints, heightPoints);
    case FileFormat::PostScript: return std::make_unique<RasterPostScriptWriter>(file, widthPoints, heightPoints);
    case FileFormat::Png: break;
  }
  return nullptr;
}

}  // namespace veltrim
