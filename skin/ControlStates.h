#pragma once
// What the control painters work out before they draw: the frame of a strip that shows a
// control's state, and the rectangles and lengths of their pictures. Plain numbers only; the
// skinners read the state off the control and the painters draw what these give.

#include "skin/PaintGeometry.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// The mouse state bits a skinner keeps.
inline constexpr int kMouseHot = 0x01;
inline constexpr int kMousePressed = 0x02;

// The frame of the Buttons strip (normal, pressed, disabled, hot, focused): a disabled button
// always shows 3, else pressed 2, hot 4, focused 5, otherwise 1.
int PushButtonFrame(bool enabled, int mouseState, bool focused);

// A check box or radio button state as the painters count it.
enum class CheckMark { Unchecked = 1, Checked = 2, Indeterminate = 4 };

// The mark a published State property names ("cbUnchecked", "cbChecked", "cbGrayed"...): a text
// holding "uncheck" is unchecked, else one holding "check" checked, else one holding "gray"
// indeterminate. Compared without regard to case; false when it names none.
bool CheckMarkFromStateText(std::wstring_view text, CheckMark& mark);

// The frame of a check or radio strip of `frames` frames. A strip of exactly 12 frames holds
// three groups of four (unchecked, checked, indeterminate; each normal, hot, pressed, disabled).
// Any other strip shows the mark's number, 2 more when disabled, an indeterminate box 4; the
// result stays within the strip.
int CheckBoxFrame(int frames, CheckMark mark, bool enabled, int mouseState);

// The caption of a push button with its first "||" turned into a line break.
std::wstring ButtonCaptionLines(std::wstring_view caption);

// Where the focus rectangle goes around a text block of the given size measured in `area`:
// centred (horizontally, and vertically by half the free height) or right-aligned as the text
// was drawn, inflated by 2 across and 1 down, kept within the area.
PaintRect FocusRectAround(const PaintRect& area, int textWidth, int textHeight, bool centred,
                          bool rightAligned);

// The filled length of a bar `length` long whose position lies between `low` and `high`. Zero
// for an empty range; the position is kept within the range, so the result is never negative
// and never longer than the bar.
int ProgressFill(int length, int position, int low, int high);

// How many chunk images side by side cover a filled length (one more than fit, so the last one
// runs under the end); none for a chunk without width.
int ChunkCopies(int fill, int chunkWidth);

// Which side a tab control shows its tabs on, from its style.
enum class TabSide { Top, Bottom, Left, Right };
TabSide TabSideOf(std::uint32_t style);

// Where a tab of the control (rectangle in control coordinates) lies in the band of tabs, which
// is composed lying as top tabs do: the same for top and bottom tabs, turned a quarter for side
// tabs (the band is turned left for left tabs and right for right tabs when it is placed).
PaintRect TabRectInBand(const PaintRect& tab, const PaintRect& band, TabSide side);

// The margins of a picture made for top tabs once it has been flipped (bottom) or turned a
// quarter (left: turned left, right: turned right).
ImageMargins TurnMargins(const ImageMargins& margins, TabSide side);

// The frame of an up-down half: state 1 normal, 2 pressed, 3 hot, 4 disabled; arrow 0 up,
// 1 down (the vertical strip), 2 left, 3 right (the horizontal strip, counted from its start).
int UpDownFrame(int state, int arrow);

// Status bar panels: each panel's right edge moves 2 pixels right and the last one reaches the
// bar's right edge.
std::vector<PaintRect> StatusPanelRects(std::vector<PaintRect> panels, int barWidth);

// The button of a combo box of `width` x `height` at the right (or, right to left, the left):
// the scroll-arrow width and 2 more.
PaintRect ComboButtonRect(int width, int height, int arrowWidth, bool leftSide);

// The arrow button a date picker gets: arrowWidth wide, one more high, at the top, 4 pixels in
// from the right of the picker's width (or 2 from the left, right to left).
PaintRect DateArrowRect(int pickerWidth, int arrowWidth, bool leftSide);

// The corners of a menu button's drop-down triangle.
std::array<std::array<int, 2>, 3> MenuButtonTriangle(int width, int height);

} // namespace skin
