// veltrim_guide SOURCE OUTPUT: the user guide qprintdoc.pdf, laid out from
// the plain text SOURCE on A4 pages through the cairo backend, with pictures
// of the pages the real patterns print. The source's lines:
//   # Title        a section (a new page when the current one is past half)
//   ## Title       a subsection
//   @page TAB ITEMS OPTION CAPTION
//                  a picture of the page of tab TAB with ITEMS ticked
//                  (0,1,2 or -) and Advanced option OPTION, with its caption
//       text       (four blanks) a line in a fixed-pitch face, as it stands
//   anything else  a paragraph, wrapped to the page
// The PDF is written under a temporary name and renamed when complete.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "art.hpp"
#include "backends/cairo/cairo_print_device.hpp"
#include "core/platform/draw_text.hpp"
#include "core/platform/scoped_object.hpp"

namespace {

namespace fs = std::filesystem;
using namespace veltrim;

constexpr int kDpi = 150;
constexpr int kPictureWidth = 248, kPictureHeight = 351;  // an A4 page at 30 dpi

LogFont Face(const char* name, int pixels, bool bold) {
  LogFont font;
  font.lfHeight = -pixels;
  font.lfWeight = bold ? 700 : 400;
  std::strncpy(font.lfFaceName, name, sizeof font.lfFaceName - 1);
  return font;
}

class Guide {
 public:
  Guide(const fs::path& output, const DeviceCaps& caps) : caps_(caps), device_(FileFormat::Pdf, output, caps) {}

  bool Start() { return device_.StartDocA("QORVEL Veltrim v2 - User Guide") > 0 && NewPage(); }
  bool Finish() { return device_.EndPage() > 0 && device_.EndDoc() > 0 && device_.FinishJob() > 0; }

  void Section(const std::string& title) {
    if (y_ > caps_.vertRes / 2) NewPage();
    Block(title, Face("Arial", 34, true), 24);
  }
  void Subsection(const std::string& title) { Block(title, Face("Arial", 24, true), 14); }
  void Paragraph(const std::string& text) { Block(text, Face("Arial", 19, false), 10); }
  void Fixed(const std::string& text) { Block(text, Face("Courier New", 18, false), 0); }

  bool Picture(const fs::path& folder, Tab tab, const std::vector<int>& items, int option,
               const std::string& caption) {
    const fs::path file = folder / ("page-" + std::to_string(pictures_++) + ".bmp");
    if (!art::WriteBmp(file, art::DrawnPagePicture(tab, items, option, kPictureWidth, kPictureHeight))) return false;
    Surface& s = device_.Page();
    if (y_ + kPictureHeight + 60 > caps_.vertRes) NewPage();
    const ObjectHandle bitmap = s.LoadBitmapFile(file.string().c_str());
    fs::remove(file);
    if (!bitmap) return false;
    const int x = (caps_.horzRes - kPictureWidth) / 2;
    s.BitBlt(x, y_, kPictureWidth, kPictureHeight, bitmap, 0, 0);
    s.DeleteObject(bitmap);
    {  // a thin frame: the paper's edge
      const ScopedObject pen = ScopedPen(s, PenStyle::Solid, 1, Rgb(150, 150, 150));
      const ScopedSelection brush(s, s.GetStockObject(StockObject::NullBrush));
      s.Rectangle(x - 1, y_ - 1, x + kPictureWidth + 1, y_ + kPictureHeight + 1);
    }
    y_ += kPictureHeight + 8;
    Block(caption, Face("Arial", 16, false), 14, kDtCenter);
    return true;
  }

 private:
  bool NewPage() {
    if (pages_ > 0 && device_.EndPage() <= 0) return false;
    ++pages_;
    y_ = 0;
    return device_.StartPage() > 0;
  }

  // `text` wrapped to the page's width, a new page first when it would not fit.
  void Block(const std::string& text, const LogFont& font, int spaceAfter, std::uint32_t align = kDtLeft) {
    Surface& s = device_.Page();
    const ScopedObject selected = ScopedFont(s, font);
    const std::uint32_t format = kDtWordBreak | kDtNoPrefix | align;
    Rect measure{0, 0, caps_.horzRes, 0};
    const int height = s.DrawTextA(text, measure, format | kDtCalcRect);
    if (y_ + height > caps_.vertRes) NewPage();
    s.SetBkMode(kTransparent);
    Rect place{0, y_, caps_.horzRes, y_ + height};
    s.DrawTextA(text, place, format);
    y_ += height + spaceAfter;
  }

  DeviceCaps caps_;
  CairoPrintDevice device_;
  int pages_ = 0;
  int pictures_ = 0;
  int y_ = 0;
};

std::vector<int> Items(const std::string& list) {
  std::vector<int> items;
  if (list == "-") return items;
  std::istringstream in(list);
  for (std::string item; std::getline(in, item, ',');) items.push_back(std::stoi(item));
  return items;
}

int Fail(const std::string& what) {
  std::fprintf(stderr, "veltrim_guide: %s\n", what.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: veltrim_guide SOURCE OUTPUT\n");
    return 2;
  }
  std::ifstream source(argv[1]);
  if (!source) return Fail(std::string("cannot read ") + argv[1]);
  const fs::path output = fs::absolute(argv[2]);
  const fs::path partial = output.string() + ".partial";
  const auto caps = MakeDeviceCaps(SimulatedDevice{{210, 297}, kDpi, {18, 18, 18, 18}});
  if (!caps) return Fail("no A4 device");
  {
    Guide guide(partial, *caps);
    if (!guide.Start()) return Fail("cannot start " + partial.string());
    int number = 0;
    for (std::string line; std::getline(source, line);) {
      ++number;
      if (line.empty()) continue;
      if (line.starts_with("## ")) {
        guide.Subsection(line.substr(3));
      } else if (line.starts_with("# ")) {
        guide.Section(line.substr(2));
      } else if (line.starts_with("    ")) {
        guide.Fixed(line.substr(4));
      } else if (line.starts_with("@page ")) {
        std::istringstream in(line.substr(6));
        int tab = -1, option = 0;
        std::string items, caption;
        in >> tab >> items >> option;
        std::getline(in >> std::ws, caption);
        if (!in.eof() || tab < 0 || tab > 4 || caption.empty())
          return Fail(std::string(argv[1]) + ":" + std::to_string(number) + ": @page TAB ITEMS OPTION CAPTION");
        if (!guide.Picture(output.parent_path(), static_cast<Tab>(tab), Items(items), option, caption))
          return Fail("cannot draw the page picture of line " + std::to_string(number));
      } else {
        guide.Paragraph(line);
      }
    }
    if (!guide.Finish()) return Fail("cannot write " + partial.string());
  }
  std::error_code error;
  fs::rename(partial, output, error);
  return error ? Fail("cannot rename to " + output.string()) : 0;
}
