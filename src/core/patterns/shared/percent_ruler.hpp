#pragma once
// Percentage rulers: ticks every 1 %, 5 % and 10 % of a span along one edge
// of a page, the 10 % ticks labelled "0  ", "10  ", ... "100  ". Positions
// are float sums of the span's fraction, truncated where drawn, so a
// rounding excess can drop the last tick.

#include "core/platform/surface.hpp"

namespace veltrim {

struct RulerEdge {
  bool across = false;   // ticks run to the right from a left edge; else down from a top edge
  int base = 0;          // where the ticks start: y of a top edge, x of a left edge
  float from = 0;        // the position of 0 %
  float span = 0;        // the length of 0..100 %
  float labelAt = 0;     // the labels' distance from `base`, truncated with it
};

// Ticks every span / divisions while the position <= limit, each `length`
// units long, in the selected pen.
void DrawTicks(Surface& dc, const RulerEdge& edge, int divisions, float limit, int length);
// The 10 % ticks with their labels, each label span / 200 past its tick.
void DrawLabelledTicks(Surface& dc, const RulerEdge& edge, float limit, int length);

}  // namespace veltrim
