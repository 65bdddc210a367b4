#include "moon/sign.h"

#include "translations/translatable.h"

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
    {19, LUNARA_TEXT("Signs", "Capricorn"), "Aquarius"},
    {18, LUNARA_TEXT("Signs", "Aquarius"), "Pisces"},
    {20, LUNARA_TEXT("Signs", "Pisces"), "Aries"},
    {20, LUNARA_TEXT("Signs", "Aries"), "Taurus"},
    {20, LUNARA_TEXT("Signs", "Taurus"), "Gemini"},
    {20, LUNARA_TEXT("Signs", "Gemini"), "Cancer"},
    {20, LUNARA_TEXT("Signs", "Cancer"), "Leo"},
    {20, LUNARA_TEXT("Signs", "Leo"), "Virgo"},
    {20, LUNARA_TEXT("Signs", "Virgo"), "Libra"},
    {20, LUNARA_TEXT("Signs", "Libra"), "Scorpio"},
    {20, LUNARA_TEXT("Signs", "Scorpio"), "Sagittarius"},
    {20, LUNARA_TEXT("Signs", "Sagittarius"), "Capricorn"},
}};

struct SignElement {
    std::string_view sign;
    std::string_view element;
};

constexpr std::array<SignElement, 12> kElements{{
    {"Aries", LUNARA_TEXT("Elements", "Fire")},
    {"Leo", LUNARA_TEXT("Elements", "Fire")},
    {"Sagittarius", LUNARA_TEXT("Elements", "Fire")},
    {"Taurus", LUNARA_TEXT("Elements", "Earth")},
    {"Virgo", LUNARA_TEXT("Elements", "Earth")},
    {"Capricorn", LUNARA_TEXT("Elements", "Earth")},
    {"Gemini", LUNARA_TEXT("Elements", "Air")},
    {"Libra", LUNARA_TEXT("Elements", "Air")},
    {"Aquarius", LUNARA_TEXT("Elements", "Air")},
    {"Cancer", LUNARA_TEXT("Elements", "Water")},
    {"Scorpio", LUNARA_TEXT("Elements", "Water")},
    {"Pisces", LUNARA_TEXT("Elements", "Water")},
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
