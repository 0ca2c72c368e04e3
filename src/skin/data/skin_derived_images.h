// Images a skin data component derives from the loaded records: the combo box's
// composite strips, the combo arrow, the tool bar's gradient background and the
// sample colour taken from the top border.
#pragma once

#include <windows.h>

#include "skin/data/skin_colors.h"
#include "skin/data/skin_records_set.h"

namespace velmora {

// The combo box cell is this wide and high, one cell a frame of the sunken edge.
inline constexpr int ComboCellWidth = 50;
inline constexpr int ComboCellHeight = 21;
inline constexpr int ComboArrowSize = 17;

// The pixel a third of the way into the top border's first frame; the button face
// without a top border bitmap.
COLORREF SampleColor(const TSkinRecords& records, COLORREF buttonFace);

// With both a sunken edge and a combo button: the sunken edge with the button at its
// right, one 50 x 21 cell a frame, becomes the combo button's bitmap (style 2), and its
// mirror image the sunken edge's. `buttonWidth` is the system's scroll bar width + 2.
void BuildComboImages(TSkinRecords& records, int buttonWidth);
// The combo arrow: cut from the composite strip, or the combo button's bitmap on the
// button face when there is no sunken edge.
void BuildComboArrow(TSkinRecords& records, COLORREF buttonFace);
// A 10 x 40 vertical gradient from the button face toward the sample colour.
void BuildToolbarBackground(TSkinRecords& records, COLORREF buttonFace, COLORREF sample);

}  // namespace velmora
