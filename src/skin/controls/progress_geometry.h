// Where a progress bar's fill ends: portable, so both builds test it.
#pragma once

namespace velmora {

// The filled length of a bar `length` pixels long showing `position` between `low` and
// `high`. Nothing is filled for an empty range, a position at or below the low limit, a
// high limit below 1 or a bar of no length; the fill never passes the bar's end.
int ProgressFillLength(int length, int position, int low, int high);

}  // namespace velmora
