#pragma once
// Positions that run as single-precision sums and are truncated where they
// are drawn, as the pages lay out their ticks, cells and slices.

namespace veltrim {

// Calls draw(position) for position = from, from + step, from + 2 step, ...
// (each a float sum of the previous one) while more(position) holds. A step
// that does not move the position (zero, as on a device that reports no
// millimetre size, or NaN) stops after the first position instead of
// looping for ever.
template <typename More, typename Draw>
void StepAlong(float from, float step, More more, Draw draw) {
  const bool moves = step > 0 || step < 0;
  for (float position = from; more(position); position += step) {
    draw(position);
    if (!moves) return;
  }
}

}  // namespace veltrim
