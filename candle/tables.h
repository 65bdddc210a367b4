#pragma once

#include <span>
#include <string_view>

namespace lunara {

struct CandleColor {
    std::string_view name;
    std::string_view purposes; // the purpose names joined by ", "
    std::string_view significance;
};

// The selection mode: its position in the window's mode list (0 Purpose, 1 Color, 2 Planet,
// 3 Element, 4 Direction, 5 Day). Any other value behaves as Day.
using ChooseBy = int;

inline constexpr ChooseBy kChooseByPurpose = 0;
inline constexpr ChooseBy kChooseByColor = 1;
inline constexpr ChooseBy kChooseByPlanet = 2;
inline constexpr ChooseBy kChooseByElement = 3;
inline constexpr ChooseBy kChooseByDirection = 4;
inline constexpr ChooseBy kChooseByDay = 5;

// The options of a mode, in the order shown to the user.
std::span<const std::string_view> OptionsFor(ChooseBy mode);

// The colour for an option text (exact, case-sensitive). Only the Purpose mode can find nothing
// (null); every other mode gives its last option's colour to any text it does not know.
const CandleColor* LookupCandle(ChooseBy mode, std::string_view text);

// The word the result page shows for a mode ("Purpose" ... "Day").
std::string_view ModeWord(ChooseBy mode);

// The six captions of the mode list, in index order.
std::span<const std::string_view> ModeCaptions();

// All fourteen colours in table order.
std::span<const CandleColor> CandleColors();

} // namespace lunara
