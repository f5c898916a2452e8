// A Windows program for the harness: prints one page with a filled rectangle
// through GDI on a named printer and tells the device facts the checker needs
// to find it on the rendered page.
//
//   print_probe.exe PRINTER LEFT TOP RIGHT BOTTOM RRGGBB
//
// Prints "caps LOGPIXELSX LOGPIXELSY PHYSICALOFFSETX PHYSICALOFFSETY" and
// "job StartDoc StartPage EndPage EndDoc" (the spooler's results).
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace {

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using OwnedDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

struct PrinterCloser {
  void operator()(HANDLE printer) const { ClosePrinter(printer); }
};
using OwnedPrinter = std::unique_ptr<void, PrinterCloser>;

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using OwnedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

// Selects on construction, puts the old object back on destruction.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: print_probe PRINTER LEFT TOP RIGHT BOTTOM RRGGBB\n");
    return 2;
  }
  const int left = std::atoi(argv[2]), top = std::atoi(argv[3]);
  const int right = std::atoi(argv[4]), bottom = std::atoi(argv[5]);
  const unsigned long rgb = std::strtoul(argv[6], nullptr, 16);
  const COLORREF colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);

  // Asking the spooler first also loads it, and loading it is what brings
  // the scheduler's queues into the process's printer list.
  HANDLE printer = nullptr;
  if (!OpenPrinterA(argv[1], &printer, nullptr)) {
    std::fprintf(stderr, "OpenPrinterA(%s) failed: %lu\n", argv[1], GetLastError());
    return 3;
  }
  OwnedPrinter printerOwner(printer);

  OwnedDc dc(CreateDCA(nullptr, argv[1], nullptr, nullptr));
  if (!dc) {
    std::fprintf(stderr, "CreateDCA(%s) failed: %lu\n", argv[1], GetLastError());
    return 3;
  }
  std::printf("caps %d %d %d %d\n", GetDeviceCaps(dc.get(), LOGPIXELSX),
              GetDeviceCaps(dc.get(), LOGPIXELSY), GetDeviceCaps(dc.get(), PHYSICALOFFSETX),
              GetDeviceCaps(dc.get(), PHYSICALOFFSETY));

  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = "print probe";
  const int startDoc = StartDocA(dc.get(), &doc);
  const int startPage = startDoc > 0 ? StartPage(dc.get()) : 0;
  if (startPage > 0) {
    OwnedBrush brush(CreateSolidBrush(colour));
    Selection brushSelection(dc.get(), brush.get());
    Selection penSelection(dc.get(), GetStockObject(NULL_PEN));
    Rectangle(dc.get(), left, top, right, bottom);
  }
  const int endPage = startPage > 0 ? EndPage(dc.get()) : 0;
  const int endDoc = startDoc > 0 ? EndDoc(dc.get()) : 0;
  std::printf("job %d %d %d %d\n", startDoc, startPage, endPage, endDoc);
  return startDoc > 0 && startPage > 0 && endPage > 0 && endDoc > 0 ? 0 : 1;
}
