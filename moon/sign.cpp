#include "moon/sign.h"

#include <array>

namespace lunara {
namespace {

// Each month ends one sign and starts the next; the earlier sign runs to lastDay.
struct MonthSigns {
    int lastDay;
    std::string_view earlier;
    std::string_view later;
};

constexpr std::array<MonthSigns, 12> kMonths{{
    {19, "Capricorn", "Aquarius"},
    {18, "Aquarius", "Pisces"},
    {20, "Pisces", "Aries"},
    {20, "Aries", "Taurus"},
    {20, "Taurus", "Gemini"},
    {20, "Gemini", "Cancer"},
    {20, "Cancer", "Leo"},
    {20, "Leo", "Virgo"},
    {20, "Virgo", "Libra"},
    {20, "Libra", "Scorpio"},
    {20, "Scorpio", "Sagittarius"},
    {20, "Sagittarius", "Capricorn"},
}};

struct SignElement {
    std::string_view sign;
    std::string_view element;
};

constexpr std::array<SignElement, 12> kElements{{
    {"Aries", "Fire"},
    {"Leo", "Fire"},
    {"Sagittarius", "Fire"},
    {"Taurus", "Earth"},
    {"Virgo", "Earth"},
    {"Capricorn", "Earth"},
    {"Gemini", "Air"},
    {"Libra", "Air"},
    {"Aquarius", "Air"},
    {"Cancer", "Water"},
    {"Scorpio", "Water"},
    {"Pisces", "Water"},
}};

} // namespace

std::optional<std::string_view> CalculateSunSign(int day, int month) {
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    const auto& m = kMonths[static_cast<std::size_t>(month - 1)];
    return day <= m.lastDay ? m.earlier : m.later;
}

std::optional<std::string_view> ElementForSign(std::string_view sign) {
    for (const auto& row : kElements) {
        if (row.sign == sign) {
            return row.element;
        }
    }
    return std::nullopt;
}

} // namespace lunara
