#pragma once

// Where the cover controls sit, in twips of the main window's inner area.
namespace klangtruhe::places {

// The strip: 22 square slots down the left edge, beside the text pages.
inline constexpr double kStripLeft = 30;
inline constexpr double kStripTop = 675;
inline constexpr double kSlotSize = 1005;
inline constexpr double kStripPitch = 1050;
// "Cover up" and "Cover down" side by side at the foot of the strip's column.
inline constexpr double kPagingHeight = 270;

} // namespace klangtruhe::places
