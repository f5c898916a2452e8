// The rows: worked coordinates, each reasoned from the drawing itself. Boxes exclude their right and bottom edges, a
// line its end pixel; a one-unit outline lies on the box's first and last pixels.
#include "surface_conformance.hpp"

#include <array>
#include <cstdio>
#include <set>

#include "core/platform/scoped_object.hpp"
#include "test_bitmap.hpp"

namespace veltrim::conformance {
namespace {

constexpr ColorRef kBlack = Rgb(0, 0, 0), kWhite = Rgb(255, 255, 255), kRed = Rgb(255, 0, 0),
                   kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255), kYellow = Rgb(255, 255, 0);

void Line(Surface& s, int x0, int y0, int x1, int y1) {
  s.MoveToEx(x0, y0, nullptr);
  s.LineTo(x1, y1);
}

// A green field without outline, so "nothing drawn here" is told apart from "white drawn here".
void GreenField(Surface& s, int left, int top, int right, int bottom) {
  ScopedObject pen(s, s.CreatePen(PenStyle::Null, 1, 0));
  ScopedObject brush = ScopedBrush(s, kGreen);
  s.Rectangle(left, top, right + 1, bottom + 1);
}

// From the right to the top of a circle of radius 50 about pixel (60 + dx, 350); (90 + dx, 310) lies on it up and
// right, (90 + dx, 390) down and right.
void CircleArc(Surface& s, int dx) { s.Arc(10 + dx, 300, 111 + dx, 401, 200 + dx, 350, 60 + dx, 200); }

// GDI's cross hatch: in each 8 x 8 tile from the page's origin, column 4 and row 3 (x = 20, 28, ...; y = 19, 27, ...).
void Hatch(Surface& s) {
  ScopedObject pen(s, s.CreatePen(PenStyle::Null, 1, 0));
  ScopedObject hatch(s, s.CreateBrushIndirect(LogBrush{kBsHatched, kBlue, 4 /* cross */}));
  s.Rectangle(16, 16, 49, 49);
}

// For each kind: the replaced object comes back from the next selection, a selection of the selected object answers
// itself, a deselected object deletes once, and a deleted one no longer selects.
Answers SelectRoundTrips(Surface& s, const Context&) {
  LogFont font;
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "Arial");
  Answers out;
  for (const ObjectHandle created : {s.CreatePen(PenStyle::Dash, 3, kRed), s.CreateBrushIndirect({kBsSolid, kRed, 0}),
                                     s.CreateFontIndirectA(font)}) {
    const ObjectHandle old = s.SelectObject(created);
    out.insert(out.end(), {!!created, !!old, s.SelectObject(created) == created, s.SelectObject(old) == created,
                           s.DeleteObject(created), s.DeleteObject(created), !!s.SelectObject(created)});
  }
  return out;
}

Answers DeleteSelected(Surface& s, const Context&) {
  const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 1, kRed);
  const ObjectHandle old = s.SelectObject(pen);
  const bool whileSelected = s.DeleteObject(pen);
  const bool backAgain = s.SelectObject(old) == pen;
  return {whileSelected, backAgain, s.DeleteObject(pen)};
}

// Sixteen distinct stock objects, each deleted without effect; index 9 names none; unknown handles and impossible
// styles make nothing.
Answers StockAndRefused(Surface& s, const Context&) {
  using enum StockObject;
  std::set<std::uintptr_t> seen;
  long long kept = 0;
  for (const StockObject which : {WhiteBrush, LtGrayBrush, GrayBrush, DkGrayBrush, BlackBrush, NullBrush, WhitePen,
                                  BlackPen, NullPen, OemFixedFont, AnsiFixedFont, AnsiVarFont, SystemFont,
                                  DeviceDefaultFont, SystemFixedFont, DefaultGuiFont}) {
    const ObjectHandle handle = s.GetStockObject(which);
    seen.insert(handle.value);
    kept += handle && s.DeleteObject(handle) && s.GetStockObject(which) == handle;
  }
  return {static_cast<long long>(seen.size()), kept, !!s.GetStockObject(static_cast<StockObject>(9)),
          !!s.SelectObject(ObjectHandle{987654}), s.DeleteObject(ObjectHandle{}),
          !!s.CreatePen(static_cast<PenStyle>(42), 1, 0), !!s.CreateBrushIndirect({kBsHatched, 0, 99})};
}

Answers Setters(Surface& s, const Context&) {
  return {s.SetTextColor(kRed),           s.SetBkColor(kBlue), s.SetBkMode(kTransparent), s.SetBkMode(3),
          s.SetBkMode(0),                 s.SetArcDirection(kAdClockwise), s.SetArcDirection(3),
          s.SetArcDirection(0)};
}

// The position after each path call: LineTo moves it; Arc, PolyBezier, Rectangle and TextOutA leave it. (ArcTo's:
// its row.)
Answers Positions(Surface& s, const Context&) {
  Point before, last;
  s.MoveToEx(5, 6, &before);
  s.LineTo(40, 7);
  s.Arc(10, 10, 50, 50, 50, 30, 10, 30);
  const bool four = s.PolyBezier(std::array<Point, 4>{{{10, 10}, {20, 30}, {30, 30}, {40, 10}}});
  s.Rectangle(60, 60, 70, 70);
  s.TextOutA(100, 100, "x");
  s.MoveToEx(40, 7, &last);
  const bool five = s.PolyBezier(std::array<Point, 5>{{{10, 100}, {20, 100}, {30, 100}, {40, 100}, {50, 100}}});
  return {before.x, before.y, last.x, last.y, four, five, s.PolyBezier({})};
}

// HORZSIZE 600 / 600 in = 25.4 mm, VERTSIZE 500 / 300 in = 42.3 mm, to the nearest millimetre.
Answers Caps(Surface& s, const Context&) {
  Answers out;
  for (const DeviceCap cap : {DeviceCap::LogPixelsX, DeviceCap::LogPixelsY, DeviceCap::HorzRes, DeviceCap::VertRes,
                              DeviceCap::HorzSize, DeviceCap::VertSize})
    out.push_back(s.GetDeviceCaps(cap));
  return out;
}

// Pixels set and drawn read back; outside the page there is nothing to set or read.
Answers Pixels(Surface& s, const Context&) {
  {
    ScopedObject pen(s, s.CreatePen(PenStyle::Null, 1, 0));
    ScopedObject brush = ScopedBrush(s, Rgb(10, 20, 30));
    s.Rectangle(100, 100, 120, 120);
  }
  return {s.SetPixel(500, 400, kRed), s.SetPixelV(501, 400, kBlue), s.GetPixel(500, 400), s.GetPixel(502, 401),
          s.GetPixel(110, 110),       s.GetPixel(-1, 0),              s.GetPixel(600, 0),   s.GetPixel(0, 500),
          s.SetPixel(-1, 0, kBlack),  s.SetPixelV(600, 0, kBlack)};
}

Answers Bitmaps(Surface& s, const Context& c) {
  const ObjectHandle bitmap = s.LoadBitmapFile(c.picture.c_str());
  Size size;
  Answers out{!!bitmap, s.GetBitmapSize(bitmap, size), size.cx, size.cy,
              s.StretchBlt(10, 10, 40, 40, bitmap, 0, 0, 2, 2), s.BitBlt(100, 100, 2, 2, bitmap, 0, 0),
              s.BitBlt(200, 200, 1, 1, bitmap, 1, 1), s.StretchBlt(300, 10, -40, 20, bitmap, 0, 0, 2, 2),
              s.DeleteObject(bitmap)};
  out.insert(out.end(), {s.BitBlt(0, 0, 2, 2, bitmap, 0, 0), !!s.LoadBitmapFile((c.picture + ".missing").c_str())});
  return out;
}

// Two underlined blanks of a 100-unit Arial at (100, 100): no letter ink, so the cell is background but for the
// underline. Arial's metrics: ascent 0.905 em, descent 0.212 em (cell 91 + 21 = 112), a blank 0.278 em (28) wide,
// the underline just below the baseline (row 191), 0.073 em thick: row 196 is in it whether a renderer takes the
// underline's position as its top (GDI: rows 191-197) or its centre (cairo: rows 194-200).
Answers Text(Surface& s, int mode) {
  LogFont font;
  font.lfHeight = -100;
  font.lfUnderline = 1;
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "Arial");
  ScopedObject selected = ScopedFont(s, font);
  s.SetTextColor(kRed);
  s.SetBkColor(kBlue);
  s.SetBkMode(mode);
  return {s.TextOutA(100, 100, "  ")};
}

const State kDefault{};

State With(void (*change)(State&)) {
  State state;
  change(state);
  return state;
}

// Ghostscript, rendering the PDF page back, moves edges of outlines and fills by a pixel (its fill adjustment), so
// probes next to an edge are read on the PNG page and GDI only.
const Difference kPdfEdges{kCairoPdf, "the PDF renderer moves outline and fill edges by a pixel",
                           [](Expected& e) { e.probes.clear(); }};

const Difference kWineBezierMoves{kGdi, "Wine's PolyBezier leaves the position at its last point; Windows "
                                         "documents it unchanged, and the program moves to every start itself",
                                   [](Expected& e) { e.answers[3] = 10; }};

// Differences every row has.
const std::vector<Difference> kEveryRow{
    {kCairo, "a cairo page is a printer page, which starts with the device's default font; GDI's memory DC and the "
             "recording start with the system font",
     [](Expected& e) {
       if (e.state.font == StockObject::SystemFont) e.state.font = StockObject::DeviceDefaultFont;
     }},
};

const Row kRows[] = {
    {"SelectAnswersTheObjectReplaced", SelectRoundTrips,
     {1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 0, 0},
     kDefault},
    {"DeleteOfASelectedObjectIsRefused", DeleteSelected, {0, 1, 1}, kDefault,
     {}, {{kGdi, "Wine answers TRUE and deletes the object when it is deselected; Windows documents a refusal, "
                 "which the recording and cairo follow",
           [](Expected& e) { e.answers = {1, 1, 0}; }}}},
    {"StockObjectsAndRefusedObjects", StockAndRefused, {16, 16, 0, 0, 0, 0, 0}, kDefault,
     {}, {{kGdi, "Wine's CreatePen makes a pen of any style number", [](Expected& e) { e.answers[5] = 1; }}}},
    {"SettersAnswerThePreviousValue", Setters, {kBlack, kWhite, kOpaque, 0, 0, kAdCounterClockwise, 0, 0},
     With([](State& s) {
       s.text = kRed, s.background = kBlue, s.bkMode = kTransparent, s.arcDirection = kAdClockwise;
     })},
    {"CurrentPositionMovesOnlyWithPaths", Positions, {0, 0, 40, 7, 1, 0, 0},
     With([](State& s) { s.position = {40, 7}; }), {{20, 100, kWhite}} /* the refused Bezier */, {kWineBezierMoves}},
    {"DeviceCapsAnswerEachAxis", Caps, {600, 300, 600, 500, 25, 42}, kDefault},
    {"SetPixelAndGetPixelOnThePageOnly", Pixels,
     {kRed, 1, kRed, kWhite, Rgb(10, 20, 30), kInvalidColour, kInvalidColour, kInvalidColour, kInvalidColour, 0},
     kDefault, {{500, 400, kRed}, {501, 400, kBlue}, {502, 400, kWhite}, {499, 400, kWhite}, {500, 401, kWhite}},
     {{kRecording, "the recording paints no shapes: a pixel only set is read back",
       [](Expected& e) { e.answers[4] = kWhite; }},
      {kGdi, "Wine reads and sets the sheet's margin through the clip region (Windows answers CLR_INVALID there)",
       [](Expected& e) {
         e.answers[5] = e.answers[6] = e.answers[7] = kWhite;
         e.answers[8] = kBlack, e.answers[9] = 1;
       }},
      {kCairoPdf, "a PDF page is no image: GetPixel reads nothing back, and the renderer's edges move the pixels",
       [](Expected& e) {
         e.answers[2] = e.answers[3] = e.answers[4] = kInvalidColour;
         e.probes.clear();
       }}}},
    {"BitmapsCopiedWholeStretchedMirroredAndInPart", Bitmaps, {1, 1, 2, 2, 1, 1, 1, 1, 1, 0, 0}, kDefault,
     {{10, 10, kRed},    {29, 29, kRed},     {30, 10, kGreen},  {49, 29, kGreen},   {10, 30, kBlue},
      {49, 49, kYellow}, {9, 20, kWhite},    {50, 20, kWhite},  {20, 50, kWhite},   {20, 9, kWhite},
      {100, 100, kRed},  {101, 100, kGreen}, {100, 101, kBlue}, {101, 101, kYellow}, {102, 100, kWhite},
      {200, 200, kYellow}, {201, 200, kWhite}, {200, 201, kWhite}, {260, 10, kGreen}, {299, 10, kRed},
      {300, 10, kWhite}, {259, 10, kWhite}},
     {{kGdi, "GDI mirrors a negative width about pixel x (columns 261-300), cairo over [x - 40, x); the program "
             "mirrors nothing",
       [](Expected& e) {
         std::erase_if(e.probes, [](const Probe& p) { return p.x >= 259 && p.x <= 300; });
         e.probes.insert(e.probes.end(), {{260, 10, kWhite}, {261, 10, kGreen}, {300, 10, kRed}});
       }}}},
    {"RectangleNullPenFillsOneLessAndLinesVanish",
     [](Surface& s, const Context&) {
       ScopedObject pen(s, s.CreatePen(PenStyle::Null, 1, 0));
       ScopedObject brush = ScopedBrush(s, kBlue);
       s.Rectangle(10, 10, 50, 30);
       Line(s, 10, 40, 60, 40);
       return Answers{};
     },
     {}, With([](State& s) { s.position = {60, 40}; }),
     {{10, 10, kBlue}, {48, 28, kBlue}, {49, 20, kWhite}, {30, 29, kWhite}, {9, 20, kWhite}, {30, 40, kWhite}},
     {kPdfEdges}},
    {"RectangleNullBrushKeepsWhatIsUnder",
     [](Surface& s, const Context&) {
       GreenField(s, 0, 0, 100, 100);
       ScopedSelection brush(s, s.GetStockObject(StockObject::NullBrush));
       s.Rectangle(10, 10, 50, 30);
       return Answers{};
     },
     {}, kDefault,
     {{30, 20, kGreen}, {10, 20, kBlack}, {49, 20, kBlack}, {30, 10, kBlack}, {30, 29, kBlack}, {50, 20, kGreen}}},
    {"RectangleWidePenCentredOnOutline",
     [](Surface& s, const Context&) {
       ScopedObject pen = ScopedPen(s, PenStyle::Solid, 5, kBlack);
       ScopedObject brush = ScopedBrush(s, kGreen);
       return Answers{s.Rectangle(100, 100, 200, 150)};
     },
     {1}, kDefault,
     {{98, 125, kBlack}, {97, 125, kWhite}, {102, 125, kBlack}, {103, 125, kGreen}, {201, 125, kBlack},
      {202, 125, kWhite}, {197, 125, kBlack}, {196, 125, kGreen}, {150, 98, kBlack}, {150, 97, kWhite},
      {150, 151, kBlack}, {150, 152, kWhite}}, {kPdfEdges}},
    {"LineToLeavesOutTheEndPixel",
     [](Surface& s, const Context&) {
       Line(s, 10, 200, 60, 200);
       Line(s, 60, 210, 10, 210);
       Line(s, 80, 200, 80, 240);
       return Answers{};
     },
     {}, With([](State& s) { s.position = {80, 240}; }),
     {{10, 200, kBlack}, {59, 200, kBlack}, {60, 200, kWhite}, {9, 200, kWhite}, {30, 201, kWhite}, {60, 210, kBlack},
      {11, 210, kBlack}, {10, 210, kWhite}, {80, 200, kBlack}, {80, 239, kBlack}, {80, 240, kWhite}}, {kPdfEdges}},
    {"LineToWidePenHasRoundEnds",
     [](Surface& s, const Context&) {
       ScopedObject pen = ScopedPen(s, PenStyle::Solid, 5, kRed);
       Line(s, 10, 260, 60, 260);
       return Answers{};
     },
     {}, With([](State& s) { s.position = {60, 260}; }),
     {{30, 258, kRed}, {30, 262, kRed}, {30, 257, kWhite}, {30, 263, kWhite}, {62, 260, kRed}, {63, 260, kWhite},
      {8, 260, kRed}, {7, 260, kWhite}}, {kPdfEdges}},
    {"EllipseInItsBox",
     [](Surface& s, const Context&) {
       ScopedObject brush = ScopedBrush(s, kRed);
       return Answers{s.Ellipse(300, 10, 401, 71)};
     },
     {1}, kDefault,
     {{300, 40, kBlack}, {299, 40, kWhite}, {400, 40, kBlack}, {401, 40, kWhite}, {350, 10, kBlack}, {350, 9, kWhite},
      {350, 70, kBlack}, {350, 71, kWhite}, {350, 40, kRed}, {302, 12, kWhite}}},
    {"ArcCounterClockwiseByDefaultThenClockwise",
     [](Surface& s, const Context&) {
       CircleArc(s, 0);
       s.SetArcDirection(kAdClockwise);
       CircleArc(s, 150);
       return Answers{};
     },
     {}, With([](State& s) { s.arcDirection = kAdClockwise; }),
     {{90, 310, kBlack}, {90, 390, kWhite}, {30, 310, kWhite}, {30, 390, kWhite}, {60, 350, kWhite},
      {240, 310, kWhite}, {240, 390, kBlack}, {180, 310, kBlack}, {180, 390, kBlack}}},
    // Equal radial points: the whole outline, also from the centre itself, where there is no direction.
    {"ArcWithEqualRadialPointsIsWhole",
     [](Surface& s, const Context&) {
       const bool outside = s.Arc(10, 300, 111, 401, 200, 350, 200, 350);
       ScopedObject pen = ScopedPen(s, PenStyle::Solid, 3, kBlack);  // wide enough to reach the box's last pixels
       return Answers{outside, s.Arc(200, 300, 300, 400, 250, 350, 250, 350)};
     },
     {1, 1}, kDefault,
     {{90, 310, kBlack}, {90, 390, kBlack}, {30, 310, kBlack}, {30, 390, kBlack}, {60, 350, kWhite}, {60, 299, kWhite},
      {299, 350, kBlack}, {250, 300, kBlack}, {200, 350, kBlack}, {250, 399, kBlack}, {250, 350, kWhite}}},
    {"ArcToDrawsTheLineToItsStart",
     [](Surface& s, const Context&) {
       s.MoveToEx(130, 350, nullptr);
       return Answers{s.ArcTo(200, 300, 301, 401, 400, 350, 250, 200)};
     },
     {1}, With([](State& s) { s.position = {250, 300}; }),
     {{150, 350, kBlack}, {250, 350, kBlack}, {150, 348, kWhite}, {150, 352, kWhite}, {129, 350, kWhite},
      {280, 310, kBlack}, {280, 390, kWhite}}},
    {"ChordFillsTheSegment",
     [](Surface& s, const Context&) {
       ScopedObject brush = ScopedBrush(s, kRed);
       return Answers{s.Chord(350, 300, 451, 401, 500, 350, 400, 200)};
     },
     {1}, kDefault, {{430, 310, kBlack}, {435, 325, kRed}, {425, 325, kBlack}, {415, 340, kWhite}, {430, 390, kWhite}}},
    {"PolyBezierFollowsItsCurve",
     [](Surface& s, const Context&) {
       s.PolyBezier(std::array<Point, 4>{{{10, 450}, {30, 450}, {50, 450}, {70, 450}}});
       s.PolyBezier(std::array<Point, 4>{{{100, 430}, {100, 478}, {200, 478}, {200, 430}}});
       return Answers{};
     },
     {}, kDefault,
     {{40, 450, kBlack}, {40, 449, kWhite}, {40, 451, kWhite}, {150, 466, kBlack}, {150, 463, kWhite},
      {150, 469, kWhite}},
     {{kWineBezierMoves.backends, kWineBezierMoves.reason, [](Expected& e) { e.state.position = {200, 430}; }}}},
    {"HatchOnOpaqueBackground", [](Surface& s, const Context&) { s.SetBkColor(kYellow); Hatch(s); return Answers{}; },
     {}, With([](State& s) { s.background = kYellow; }),
     {{20, 16, kBlue}, {17, 17, kYellow}, {16, 19, kBlue}, {28, 30, kBlue}, {24, 24, kYellow}, {48, 20, kWhite}},
     {kPdfEdges}},
    // Dashes of 18 with gaps of 6 from the start of the line.
    {"DashedPenGapsTakeTheBackground",
     [](Surface& s, const Context&) {
       ScopedObject pen = ScopedPen(s, PenStyle::Dash, 1, kRed);
       s.SetBkColor(kBlue);
       Line(s, 100, 470, 200, 470);
       return Answers{};
     },
     {}, With([](State& s) { s.background = kBlue, s.position = {200, 470}; }),
     {{100, 470, kRed}, {117, 470, kRed}, {118, 470, kBlue}, {123, 470, kBlue}, {124, 470, kRed}, {200, 470, kWhite}},
     {kPdfEdges}},
    {"DrawingIsClippedToThePrintableArea",
     [](Surface& s, const Context&) {
       ScopedSelection brush(s, s.GetStockObject(StockObject::BlackBrush));
       s.Rectangle(-20, -20, 20, 20);
       s.Rectangle(590, 490, 620, 520);
       return Answers{};
     },
     {}, kDefault,
     {{-5, -5, kWhite}, {0, 0, kBlack}, {5, 5, kBlack}, {599, 499, kBlack}, {600, 499, kWhite}, {599, 500, kWhite}}},
    // Cells as the dense pages draw them: a one-unit pen of the brush's colour covers exactly its box, however thin.
    {"ThinCellsCoverExactlyTheirBoxes",
     [](Surface& s, const Context&) {
       const ScopedObject pen = ScopedPen(s, PenStyle::Solid, 1, kRed);
       const ScopedObject brush = ScopedBrush(s, kRed);
       s.Rectangle(10, 10, 11, 13);
       s.Rectangle(20, 10, 23, 11);
       s.Rectangle(30, 10, 32, 12);
       s.Rectangle(40, 10, 45, 14);
       ScopedObject green = ScopedBrush(s, kGreen);
       s.Rectangle(100, 100, 110, 110);  // a red pen round a green brush: not a cell, a one-unit outline
       return Answers{};
     },
     {}, kDefault,
     {{10, 10, kRed}, {10, 12, kRed}, {10, 13, kWhite}, {11, 11, kWhite}, {20, 10, kRed}, {22, 10, kRed},
      {23, 10, kWhite}, {20, 11, kWhite}, {31, 11, kRed}, {32, 11, kWhite}, {31, 12, kWhite}, {44, 13, kRed},
      {45, 13, kWhite}, {44, 14, kWhite}, {39, 10, kWhite}, {40, 9, kWhite}, {100, 100, kRed}, {109, 109, kRed},
      {105, 105, kGreen}, {108, 108, kGreen}, {110, 105, kWhite}, {105, 110, kWhite}, {99, 105, kWhite}}, {kPdfEdges}},
    {"TextCellOpaqueWithUnderline", [](Surface& s, const Context&) { return Text(s, kOpaque); }, {1},
     With([](State& s) { s.text = kRed, s.background = kBlue; }),
     {{101, 101, kBlue}, {150, 150, kBlue}, {127, 196, kRed}, {127, 208, kBlue}, {127, 214, kWhite}, {99, 150, kWhite},
      {160, 150, kWhite}}, {kPdfEdges}},
    {"TextCellTransparentWithUnderline", [](Surface& s, const Context&) { return Text(s, kTransparent); }, {1},
     With([](State& s) { s.text = kRed, s.background = kBlue, s.bkMode = kTransparent; }),
     {{101, 101, kWhite}, {150, 150, kWhite}, {127, 196, kRed}, {127, 208, kWhite}}},
};

}  // namespace

DeviceCaps Device() { return DeviceCaps{600, 300, 620, 520, 10, 10, 600, 500, true}; }

bool WritePicture(const std::string& path) {
  const std::uint32_t rgb[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
  return test::WriteBmp24(path, 2, 2, rgb);
}

std::string StateMismatch(Surface& s, const State& e) {
  std::string out;
  const auto check = [&](const char* what, long long actual, long long expected) {
    if (actual != expected) out += std::string(what) + " " + std::to_string(actual) + ", expected " +
                                   std::to_string(expected) + "; ";
  };
  const auto selected = [&](const char* what, StockObject probe, StockObject expected) {
    const ObjectHandle current = s.SelectObject(s.GetStockObject(probe));
    s.SelectObject(current);
    int stock = -1;  // the stock index selected, -1 for a created object
    for (int i = 0; i <= static_cast<int>(StockObject::DefaultGuiFont); ++i)
      if (current && s.GetStockObject(static_cast<StockObject>(i)) == current) stock = i;
    check(what, stock, static_cast<int>(expected));
  };
  selected("stock pen", StockObject::NullPen, e.pen);
  selected("stock brush", StockObject::NullBrush, e.brush);
  selected("stock font", StockObject::AnsiVarFont, e.font);
  const ColorRef text = s.SetTextColor(0), background = s.SetBkColor(0);
  const int mode = s.SetBkMode(kTransparent), direction = s.SetArcDirection(kAdClockwise);
  s.SetTextColor(text), s.SetBkColor(background), s.SetBkMode(mode), s.SetArcDirection(direction);
  Point at;
  s.MoveToEx(0, 0, &at);
  s.MoveToEx(at.x, at.y, nullptr);
  check("text colour", text, e.text);
  check("background colour", background, e.background);
  check("background mode", mode, e.bkMode);
  check("arc direction", direction, e.arcDirection);
  check("x", at.x, e.position.x);
  check("y", at.y, e.position.y);
  return out;
}

std::span<const Row> Rows() { return kRows; }

Expected ExpectedOn(const Row& row, Backend backend) {
  Expected e{row.answers, row.state, row.probes};
  for (const auto* list : {&kEveryRow, &row.differences})
    for (const Difference& d : *list)
      if ((d.backends & backend) != 0) d.change(e);
  return e;
}

}  // namespace veltrim::conformance
