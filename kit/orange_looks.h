#pragma once

#include "kit/looks.h"

// Colours and looks of the orange-and-black windows: Moon Magick, the Moon Calendar, Magick Hours.
namespace lunara::orangelook {

inline constexpr int kOrange = 0xFF8000;
inline constexpr int kGrey = 0xC0C0C0;

inline constexpr Look kStrip{.bg = kOrange};
inline constexpr Look kPanel{.bg = kBlack};
inline constexpr Look kOrangeText{.fg = kOrange, .bold = true};
inline constexpr Look kOrangeCentred{.fg = kOrange, .bold = true, .align = AlignCenter};
inline constexpr Look kOrangeUnderlined{.fg = kOrange, .bold = true, .underline = true};
inline constexpr Look kWhiteCentred{.fg = kWhite, .bold = true, .align = AlignCenter};
// Computed texts that may be longer than the drawn width stay on one line around their centre.
inline constexpr Look kWhiteFitted{.fg = kWhite, .bold = true, .align = AlignCenter, .autoSize = true};
inline constexpr Look kGreyButton{.bg = kGrey, .bold = true};

} // namespace lunara::orangelook
