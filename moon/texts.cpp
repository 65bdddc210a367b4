#include "moon/texts.h"

#include "translations/translatable.h"

#include <array>

namespace lunara {
namespace {

// The texts are shown character for character: trailing spaces and the wording are deliberate.
constexpr std::array<MoonPhaseText, 5> kPhaseTexts{{
    {LUNARA_TEXT("Moon", "Dark Moon"),
     LUNARA_TEXT("Moon", "The dark moon is a good time for giving up bad habits and overcoming anger.")},
    {LUNARA_TEXT("Moon", "New Moon"),
     LUNARA_TEXT("Moon", "The new moon is a good time for new ventures, initiating new projects, love and health.")},
    {LUNARA_TEXT("Moon", "Waxing Moon"),
     LUNARA_TEXT("Moon",
                 "The waxing moon is a good time for developing work like power, success, health and partnerships.")},
    {LUNARA_TEXT("Moon", "Full Moon"),
     LUNARA_TEXT(
         "Moon",
         "The full moon is a good time for predictions and trying out Magick. Good for healing projects too. ")},
    {LUNARA_TEXT("Moon", "Waning Moon"),
     LUNARA_TEXT("Moon", "The waning moon is a good time for removing negativity from oneself.")},
}};

constexpr std::string_view kAriesToday = LUNARA_TEXT(
    "Moon", "This is a good time for beginning new things. Good for spells which involve strength, determination and "
            "new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience");
constexpr std::string_view kScorpioReading = LUNARA_TEXT(
    "Moon", "Increases psychic powers. Good for spells which involve psychic development and authority. You may be "
            "very emotional but don't let your negative emotions overcome you.");

// Same text on both screens.
constexpr SunsignText sign(std::string_view name, std::string_view title, std::string_view keyword,
                           std::string_view description) {
    return {name, title, keyword, description, description};
}

constexpr std::array<SunsignText, 12> kSunsignTexts{{
    {"Aries", LUNARA_TEXT("Moon", "Moon In Aries"), LUNARA_TEXT("Moon", "Passion"),
     LUNARA_TEXT("Moon",
                 "This is a good time for beginning new things. Good for spells which involve strength, determination "
                 "and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. "),
     kAriesToday},
    sign("Taurus", LUNARA_TEXT("Moon", "Moon In Taurus"), LUNARA_TEXT("Moon", "Physical "),
         LUNARA_TEXT(
             "Moon",
             "This is a good time for conjuring on personal matters. Good for spells which involve romance, "
             "property and finance. Try not to be stubborn. You are very conventional and not willing to change.")),
    sign("Gemini", LUNARA_TEXT("Moon", "Moon In Gemini"), LUNARA_TEXT("Moon", "Inquisitiveness "),
         LUNARA_TEXT("Moon",
                     "You are influenced by outside changes. Good for spells which involve journey, negotiations and "
                     "public involvement. You think of doing ten different things at the same time. Be more emotional "
                     "than analytical.")),
    sign("Cancer", LUNARA_TEXT("Moon", "Moon In Cancer"), LUNARA_TEXT("Moon", "Caring "),
         LUNARA_TEXT("Moon",
                     "Family and home is your priority. Good for spells which involve family and friends. You are good "
                     "at Magick without trying to hard. Try not to be overly emotional. Try to relax.")),
    sign("Leo", LUNARA_TEXT("Moon", "Moon In Leo"), LUNARA_TEXT("Moon", "Resolute"),
         LUNARA_TEXT("Moon",
                     "Pleasure and hobbies take the forefront. Good for spells which involve children, power, love. Be "
                     "sure to follow the right directions. You have the right frame of mind. Be sure to put it to good "
                     "use.")),
    sign(
        "Virgo", LUNARA_TEXT("Moon", "Moon In Virgo"), LUNARA_TEXT("Moon", "Serious"),
        LUNARA_TEXT("Moon",
                    "Minute details are taken care of. Good for spells which involve illnesses, confidence and career. "
                    "Do not be nervous and insecure. There doesn't always have to be a second plan ready in case the "
                    "first one fails. Believe in yourself.")),
    sign("Libra", LUNARA_TEXT("Moon", "Moon In Libra"), LUNARA_TEXT("Moon", "Helpful "),
         LUNARA_TEXT("Moon",
                     "This is the right time for alliances and partnerships. Good for spells which involve creativity, "
                     "legal matters and business deals. You are good at what you do.")),
    {"Scorpio", LUNARA_TEXT("Moon", "Moon In Scorpio"), LUNARA_TEXT("Moon", "Idealistic "), kScorpioReading,
     LUNARA_TEXT("Moon",
                 "Increases psychic powers. Good for spells which involve psychic development and authority. You may "
                 "be very emotional but don't let your negative emotions overcome you. ")},
    sign("Sagittarius", LUNARA_TEXT("Moon", "Moon In Sagittarius"), LUNARA_TEXT("Moon", "Posetive"),
         LUNARA_TEXT("Moon",
                     "Time to dream and move on. Good for spells which involve education and sports. You think with a "
                     "positive mind. Just don't be hasty and forget the minute details.")),
    sign("Capricorn", LUNARA_TEXT("Moon", "Moon In Capricorn"), LUNARA_TEXT("Moon", "Motivated"),
         LUNARA_TEXT("Moon",
                     "This is the right time to increase business sense and responsibility. Good for spells which "
                     "involve power, work and dreams. Think calmly but don't do not become too logical.")),
    sign("Aquarius", LUNARA_TEXT("Moon", "Moon In Aquarius"), LUNARA_TEXT("Moon", "Outgoing"),
         LUNARA_TEXT("Moon",
                     "Time to socialize and make merry. Good for spells which involve friends, analysis and personal "
                     "development. You are a born natural. Try not to be too stubborn.")),
    sign("Pisces", LUNARA_TEXT("Moon", "Moon In Pisces"), LUNARA_TEXT("Moon", "Optimistic"),
         LUNARA_TEXT("Moon",
                     "A lot of inner development will occur with new understanding and experience. Good for spells "
                     "which involve psychic capabilities and intuition. Improve your self-confidence. Do not try to do "
                     "bad Magick.")),
}};

constexpr ElementText element(std::string_view name, std::string_view description) {
    return {name, description, description};
}

constexpr std::array<ElementText, 4> kElementTexts{{
    element("Fire",
            LUNARA_TEXT("Moon",
                        "Magick related to the Fire element should be performed when the Moon is in any of the "
                        "Fire Signs. This can include Magick related to strength, determination, new beginnings, "
                        "children, power, love, education and sports.")),
    element("Earth",
            LUNARA_TEXT("Moon", "Magick related to the Earth element should be performed when the Moon is in any of "
                                "the Earth Signs. This can include Magick related to illnesses, confidence, career, "
                                "education, sports, romance, property and finance. ")),
    {"Air",
     LUNARA_TEXT("Moon",
                 "Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This "
                 "can include Magick related to journey, negotiations public involvement, creativity, legal matters, "
                 "business deals, friends, analysis and personal development."),
     LUNARA_TEXT("Moon",
                 "Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This "
                 "can include Magick related to journey, negotiations public involvement, creativity, legal matters, "
                 "business deals, friends, analysis and personal development")},
    element("Water",
            LUNARA_TEXT("Moon", "Magick related to the Water element should be performed when the Moon is in any of "
                                "the Water Signs. This can include Magick related to family, friends, psychic "
                                "development, authority, psychic capabilities and intuition.")),
}};

template <typename Table> auto findByName(const Table& table, std::string_view name) -> decltype(&table[0]) {
    for (const auto& row : table) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

const MoonPhaseText* FindPhaseText(std::string_view name) { return findByName(kPhaseTexts, name); }
const SunsignText* FindSunsignText(std::string_view name) { return findByName(kSunsignTexts, name); }
const ElementText* FindElementText(std::string_view name) { return findByName(kElementTexts, name); }

} // namespace lunara
