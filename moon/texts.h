#pragma once

#include <string_view>

namespace lunara {

// The two places that show the texts; a few texts are worded differently on each.
enum class Screen { Reading, Today };

struct MoonPhaseText {
    std::string_view name;
    std::string_view description;
};

struct SunsignText {
    std::string_view name;
    std::string_view title;
    std::string_view keyword;
    std::string_view readingDescription;
    std::string_view todayDescription;

    std::string_view description(Screen screen) const {
        return screen == Screen::Today ? todayDescription : readingDescription;
    }
};

struct ElementText {
    std::string_view name;
    std::string_view readingDescription;
    std::string_view todayDescription;

    std::string_view description(Screen screen) const {
        return screen == Screen::Today ? todayDescription : readingDescription;
    }
};

// Exact, case-sensitive lookups; null when the name is not in the table.
const MoonPhaseText* FindPhaseText(std::string_view name);
const SunsignText* FindSunsignText(std::string_view name);
const ElementText* FindElementText(std::string_view name);

} // namespace lunara
