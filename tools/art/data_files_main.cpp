// veltrim_data_files OUTDIR TEXT: writes the data files that lie beside the
// programs into OUTDIR: myimg.qrv, the test picture as a 24-bit Windows
// bitmap, fperc.qrv, the text TEXT with CR LF line ends, and the preview
// pictures preview-20.bmp ... preview-37.bmp for the command line's preview. Each file is
// written under a temporary name and renamed when complete, so a failed
// run never leaves a half file that looks finished.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "art.hpp"
#include "test_picture.hpp"

namespace {

namespace fs = std::filesystem;

// What the Simple Text page's buffer holds.
constexpr std::size_t kTextLimit = 24576;

int Fail(const char* what, const fs::path& where) {
  std::fprintf(stderr, "veltrim_data_files: %s: %s\n", what, where.string().c_str());
  return 1;
}

bool Publish(const fs::path& temporary, const fs::path& final) {
  std::error_code error;
  fs::rename(temporary, final, error);
  return !error;
}

// Every line end becomes CR LF, the line end of a Windows text file.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 40);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    if (text[i] == '\n') out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace veltrim::art;
  if (argc != 3) {
    std::fprintf(stderr, "usage: veltrim_data_files OUTDIR TEXT\n");
    return 2;
  }
  const fs::path out = fs::absolute(argv[1]);
  std::error_code error;
  fs::create_directories(out, error);
  if (error) return Fail("cannot create the folder", out);

  std::ifstream source(argv[2], std::ios::binary);
  if (!source) return Fail("cannot read", argv[2]);
  const std::string text = WithCrLf(std::string(std::istreambuf_iterator<char>(source), {}));
  if (text.empty() || text.size() > kTextLimit) return Fail("the text must hold 1 to 24576 bytes", argv[2]);
  const fs::path textFile = out / "fperc.qrv", textTemporary = out / "fperc.qrv.tmp";
  {
    std::ofstream stream(textTemporary, std::ios::binary | std::ios::trunc);
    stream << text;
    stream.close();
    if (!stream) return Fail("cannot write", textTemporary);
  }
  if (!Publish(textTemporary, textFile)) return Fail("cannot write", textFile);

  const Picture picture = RenderTestPicture();
  const fs::path imageFile = out / "myimg.qrv", imageTemporary = out / "myimg.qrv.tmp";
  if (picture.width != kTestPictureWidth || picture.height != kTestPictureHeight ||
      !WriteBmp(imageTemporary, picture) || !Publish(imageTemporary, imageFile))
    return Fail("cannot write", imageFile);
  for (const PreviewPicture& preview : DrawPreviewPictures()) {
    const std::string name = "preview-" + std::to_string(preview.id) + ".bmp";
    const fs::path file = out / name, temporary = out / (name + ".tmp");
    if (!WriteBmp(temporary, preview.picture) || !Publish(temporary, file)) return Fail("cannot write", file);
  }
  return 0;
}
