#pragma once

#include <optional>
#include <string_view>

namespace lunara {

// The zodiac sign of a day and month by fixed calendar boundaries; empty for a day outside
// 1-31 or a month outside 1-12. The year never matters.
std::optional<std::string_view> CalculateSunSign(int day, int month);

// "Fire", "Earth", "Air" or "Water"; empty for a name that is not one of the twelve signs.
std::optional<std::string_view> ElementForSign(std::string_view sign);

} // namespace lunara
