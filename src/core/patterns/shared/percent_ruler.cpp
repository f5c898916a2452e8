#include "core/patterns/shared/percent_ruler.hpp"

#include <string>

#include "core/patterns/shared/float_steps.hpp"
#include "core/support/number_text.hpp"

namespace veltrim {
namespace {

void Tick(Surface& dc, const RulerEdge& edge, int at, int length) {
  if (edge.across) {
    dc.MoveToEx(edge.base, at, nullptr);
    dc.LineTo(edge.base + length, at);
  } else {
    dc.MoveToEx(at, edge.base, nullptr);
    dc.LineTo(at, edge.base + length);
  }
}

}  // namespace

void DrawTicks(Surface& dc, const RulerEdge& edge, int divisions, float limit, int length) {
  StepAlong(edge.from, edge.span / static_cast<float>(divisions), [limit](float at) { return at <= limit; },
            [&](float at) { Tick(dc, edge, static_cast<int>(at), length); });
}

void DrawLabelledTicks(Surface& dc, const RulerEdge& edge, float limit, int length) {
  const int labelAcross = static_cast<int>(static_cast<float>(edge.base) + edge.labelAt);
  int percent = 0;
  StepAlong(edge.from, edge.span / 10, [limit](float at) { return at <= limit; }, [&](float at) {
    const int tick = static_cast<int>(at);
    Tick(dc, edge, tick, length);
    const int labelAlong = static_cast<int>(static_cast<float>(tick) + edge.span / 200);
    const std::string label = IntToText(percent) + "  ";
    if (edge.across)
      dc.TextOutA(labelAcross, labelAlong, label);
    else
      dc.TextOutA(labelAlong, labelAcross, label);
    percent += 10;
  });
}

}  // namespace veltrim
