#include "candle/tables.h"

#include "translations/translatable.h"

#include <array>
#include <cstddef>

namespace lunara {
namespace {

enum Color : unsigned char {
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Purple,
    White,
    DarkPink,
    LightPink,
    Black,
    Gold,
    Brown,
    Silver,
    Lavender,
    ColorCount
};

constexpr std::string_view kPinkPurposes = LUNARA_TEXT("Candle", "Love, Warmth, Caring");
constexpr std::string_view kPinkSignificance = LUNARA_TEXT(
    "Candle", "Well known as the color of romance and tender love, pink candles can be used to evoke similar feelings "
              "in one's heart. This color symbolically represents affection, sweetness in words and acts, nurturing "
              "partnerships and soft emotions. Pink is also said to have healing effect on our senses. It stands for "
              "unconditional love, honor and commitment.");

constexpr std::array<CandleColor, ColorCount> kColors{{
    {LUNARA_TEXT("Candle", "Red"), LUNARA_TEXT("Candle", "Passion, Lust, Power, Immediate Action, Promotion of Career"),
     LUNARA_TEXT("Candle",
                 "Lighting a red candle can ignite passionate love, sensuality and lustfulness. This color also evokes "
                 "enthusiasm, power of body and mind, boldness and determination. This color is also effective to "
                 "enhance personal magnetism, dynamism, sexual attractions and competitiveness. The fire of red candle "
                 "symbolizes your inner fire and favorable for increasing fertility.")},
    {LUNARA_TEXT("Candle", "Orange"), LUNARA_TEXT("Candle", "Business, Justice, Success"),
     LUNARA_TEXT(
         "Candle",
         "If you want to broaden your social circle or want to enjoy a rocking time with friends, orange colored "
         "candles can help you a lot. The color signifies the fire of sun, vitality, good fortune, ambition and "
         "courage. If you want to invite prosperity, success in every sphere and get rid of negative thoughts, "
         "orange candles can do wonders for you.")},
    {LUNARA_TEXT("Candle", "Yellow"),
     LUNARA_TEXT("Candle", "Confidence, Intelligence, Remove Mental Stress, Better Learning"),
     LUNARA_TEXT(
         "Candle",
         "Yellow has a positive effect on intellect, imagination and communication skills. If you want to learn "
         "new things and excel in academics, yellow candle can do the magic for you. Yellow increases the power "
         "of concentration, memory and self-confidence. Yellow also stands for a cheerful personality, optimism, "
         "wisdom, tolerance and perseverance.")},
    {LUNARA_TEXT("Candle", "Green"), LUNARA_TEXT("Candle", "Healing, Growth, Magic, Success"),
     LUNARA_TEXT(
         "Candle",
         "This color stands as the symbol of Mother Nature and induces growth, abundance and fertility. Whenever "
         "you feel that these aspect of your life needs to be emphasized, use a green candle for positive "
         "outcome. This color is also good for monetary gain, prosperity, finding a new job, reaping a rich "
         "harvest and acquiring wealth.")},
    {LUNARA_TEXT("Candle", "Blue"), LUNARA_TEXT("Candle", "Wisdom, Spiritual Enlightenment, Calming Effect, Good Luck"),
     LUNARA_TEXT("Candle",
                 "Blue is the color of tranquility and peace. If you want to sooth your frayed nerves to experience a "
                 "calming effect, use blue candle. Being the color of sky and the ocean, Blue also emphasizes openness "
                 "and depth. This color is said to exert healing power, protection, provides harmony and wisdom.")},
    {LUNARA_TEXT("Candle", "Purple"), LUNARA_TEXT("Candle", "Psychic Powers, Opening of Inner Self, Influence"),
     LUNARA_TEXT(
         "Candle",
         "Considered as the color of royalty, purple is attached to spiritual awakening, meditative power, "
         "intuitive knowledge and healing effect. Using purple candle can enhance your psychic ability and bring "
         "you close to the world of spirits. Purple is also thought to have protective properties. The color is "
         "useful to subdue ego and improve dignity.")},
    {LUNARA_TEXT("Candle", "White"), LUNARA_TEXT("Candle", "Harmony, Peace, Clarity"),
     LUNARA_TEXT(
         "Candle",
         "The harmonious mixture of all colors, white candles can be used for any purpose. The major attributes "
         "associated with white color are purity, clarity of thought and mind, piousness, spiritual knowledge "
         "and enlightenment. White is also significant for being the symbol of truth and peace. White can "
         "cleanse all kinds of impurities and negative effects leaving a feeling of contentment and "
         "well-being.")},
    {LUNARA_TEXT("Candle", "Dark Pink"), kPinkPurposes, kPinkSignificance},
    {LUNARA_TEXT("Candle", "Light Pink"), kPinkPurposes, kPinkSignificance},
    {LUNARA_TEXT("Candle", "Black"), LUNARA_TEXT("Candle", "Remove Negativity, Unity, Defense"),
     LUNARA_TEXT("Candle",
                 "This color is grossly misunderstood as the color of evil. But in reality, black color candle has the "
                 "power to dissolve negative effects and heal several illnesses. This color can be used for protection "
                 "or casting magic spell or banishing. Burning this candle is said to increase meditating power. This "
                 "can give good results when used at the finishing point of some strained relationship or affair to "
                 "overcome mental barriers.")},
    {LUNARA_TEXT("Candle", "Gold"), LUNARA_TEXT("Candle", "The Supreme Power, Happiness, Accomplishments"),
     LUNARA_TEXT(
         "Candle",
         "If you want to invite affluence, good fortune and material wealth, golden candles are suitable for "
         "you. Use this candle to emerge victorious in professional as well as personal life. Golden candles are "
         "also effective to enhance communication skills, reenergize your spirit and success. Gold is also "
         "associated with protection, cheerful mood and self assurance.")},
    {LUNARA_TEXT("Candle", "Brown"), LUNARA_TEXT("Candle", "Support, Kindness, Friendships"),
     LUNARA_TEXT(
         "Candle",
         "Brown colored candles are used to emphasize the earth element that bestows material gains, success in "
         "profession, wealth and prosperity in one's life. Brown is also attached to mental stability, great "
         "patience, firm determination, practical knowledge and tenacity. This color can be beneficial to "
         "increase concentration in studies, enhance learning power and telepathy.")},
    {LUNARA_TEXT("Candle", "Silver"), LUNARA_TEXT("Candle", "Intuition, Telepathy, Imagination"),
     LUNARA_TEXT(
         "Candle",
         "This color is primarily associated with female deities and feminine energy. Therefore, silver colored "
         "candles are suitable for rituals that emphasizes on feminine power. This color can work wonders to "
         "ward off evil influence, improve meditation and increase stability of mind. Silver color is also "
         "thought to enhance psychic abilities.")},
    {LUNARA_TEXT("Candle", "Lavender"), LUNARA_TEXT("Candle", "Relaxation, Inner Strengths, Self Abilities"),
     LUNARA_TEXT("Candle",
                 "This color symbolizes compassion and selflessness. You can use this candle to evoke a sense of "
                 "unconditional love and affection that a mother bestows on her kids. Burning this candle can inspire "
                 "your mind and help you to get close to higher spiritual realization.  This soothing color can have a "
                 "very calming effect on your heart and soul.")},
}};

// Each mode's options with the colour each one leads to. Lookup tries the options in list order;
// in every mode but Purpose the last option is not compared: it is what an unknown text gets.
struct Mode {
    std::string_view caption;
    std::string_view word;
    std::span<const std::string_view> options;
    std::span<const Color> colors;
    bool lastIsFallback;
};

// Laid out as tables, four options a row.
// clang-format off
constexpr std::array<std::string_view, 44> kPurposeOptions{
    LUNARA_TEXT("Candle", "Passion"),        LUNARA_TEXT("Candle", "Lust"),          LUNARA_TEXT("Candle", "Power"),          LUNARA_TEXT("Candle", "Immediate Action"),
    LUNARA_TEXT("Candle", "Promotion of Career"), LUNARA_TEXT("Candle", "Business"), LUNARA_TEXT("Candle", "Justice"),        LUNARA_TEXT("Candle", "Success"),
    LUNARA_TEXT("Candle", "Confidence"),     LUNARA_TEXT("Candle", "Intelligence"),  LUNARA_TEXT("Candle", "Remove Mental Stress"), LUNARA_TEXT("Candle", "Better Learning"),
    LUNARA_TEXT("Candle", "Healing"),        LUNARA_TEXT("Candle", "Growth"),        LUNARA_TEXT("Candle", "Magic"),          LUNARA_TEXT("Candle", "Success"),
    LUNARA_TEXT("Candle", "Wisdom"),         LUNARA_TEXT("Candle", "Spiritual Enlightenment"), LUNARA_TEXT("Candle", "Calming Effect"), LUNARA_TEXT("Candle", "Good Luck"),
    LUNARA_TEXT("Candle", "Psychic Powers"), LUNARA_TEXT("Candle", "Opening of Inner Self"), LUNARA_TEXT("Candle", "Influence"), LUNARA_TEXT("Candle", "Harmony"),
    LUNARA_TEXT("Candle", "Peace"),          LUNARA_TEXT("Candle", "Clarity"),       LUNARA_TEXT("Candle", "Love"),           LUNARA_TEXT("Candle", "Warmth"),
    LUNARA_TEXT("Candle", "Caring"),         LUNARA_TEXT("Candle", "Remove Negativity"), LUNARA_TEXT("Candle", "Unity"),      LUNARA_TEXT("Candle", "Defense"),
    LUNARA_TEXT("Candle", "The Supreme Power"), LUNARA_TEXT("Candle", "Happiness"),  LUNARA_TEXT("Candle", "Accomplishments"), LUNARA_TEXT("Candle", "Support"),
    LUNARA_TEXT("Candle", "Kindness"),       LUNARA_TEXT("Candle", "Friendships"),   LUNARA_TEXT("Candle", "Intuition"),      LUNARA_TEXT("Candle", "Telepathy"),
    LUNARA_TEXT("Candle", "Imagination"),    LUNARA_TEXT("Candle", "Relaxation"),    LUNARA_TEXT("Candle", "Inner Strengths"), LUNARA_TEXT("Candle", "Self Abilities")};
constexpr std::array<Color, 44> kPurposeColors{
    Red,    Red,    Red,    Red,    Red,      Orange,   Orange,   Orange,   Yellow,   Yellow,   Yellow,
    Yellow, Green,  Green,  Green,  Green,    Blue,     Blue,     Blue,     Blue,     Purple,   Purple,
    Purple, White,  White,  White,  DarkPink, DarkPink, DarkPink, Black,    Black,    Black,    Gold,
    Gold,   Gold,   Brown,  Brown,  Brown,    Silver,   Silver,   Silver,   Lavender, Lavender, Lavender};

constexpr std::array<std::string_view, 14> kColorOptions{
    LUNARA_TEXT("Candle", "Red"),        LUNARA_TEXT("Candle", "Orange"), LUNARA_TEXT("Candle", "Yellow"), LUNARA_TEXT("Candle", "Green"), LUNARA_TEXT("Candle", "Blue"),   LUNARA_TEXT("Candle", "Purple"), LUNARA_TEXT("Candle", "White"),
    LUNARA_TEXT("Candle", "Dark Pink"), LUNARA_TEXT("Candle", "Light Pink"), LUNARA_TEXT("Candle", "Black"), LUNARA_TEXT("Candle", "Gold"), LUNARA_TEXT("Candle", "Brown"), LUNARA_TEXT("Candle", "Silver"), LUNARA_TEXT("Candle", "Lavender")};
constexpr std::array<Color, 14> kColorColors{Red,       Orange, Yellow, Green, Blue,  Purple, White,
                                             DarkPink, LightPink, Black, Gold, Brown, Silver, Lavender};

constexpr std::array<std::string_view, 7> kPlanetOptions{LUNARA_TEXT("Candle", "Moon"), LUNARA_TEXT("Candle", "Mars"), LUNARA_TEXT("Candle", "Mercury"), LUNARA_TEXT("Candle", "Jupiter"),
                                                         LUNARA_TEXT("Candle", "Venus"), LUNARA_TEXT("Candle", "Saturn"), LUNARA_TEXT("Candle", "sun")};
constexpr std::array<Color, 7> kPlanetColors{White, White, Red, Purple, Blue, Green, Yellow};

constexpr std::array<std::string_view, 4> kElementOptions{LUNARA_TEXT("Candle", "Air"), LUNARA_TEXT("Candle", "Earth"), LUNARA_TEXT("Candle", "Water"), LUNARA_TEXT("Candle", "Fire")};
constexpr std::array<Color, 4> kElementColors{Yellow, Green, Blue, Red};

constexpr std::array<std::string_view, 4> kDirectionOptions{LUNARA_TEXT("Candle", "North"), LUNARA_TEXT("Candle", "South"), LUNARA_TEXT("Candle", "East"), LUNARA_TEXT("Candle", "West")};
constexpr std::array<Color, 4> kDirectionColors{Green, Red, Yellow, Blue};

constexpr std::array<std::string_view, 7> kDayOptions{LUNARA_TEXT("Candle", "Sunday"),   LUNARA_TEXT("Candle", "Monday"), LUNARA_TEXT("Candle", "Tuesday"), LUNARA_TEXT("Candle", "Wednesday"),
                                                      LUNARA_TEXT("Candle", "Thursday"), LUNARA_TEXT("Candle", "Friday"), LUNARA_TEXT("Candle", "Saturday")};
constexpr std::array<Color, 7> kDayColors{Yellow, White, White, Red, Purple, Blue, Green};

// clang-format on

constexpr std::array<Mode, 6> kModes{{
    {LUNARA_TEXT("Candle", "Choose Candle By Purpose"), LUNARA_TEXT("Candle", "Purpose"), kPurposeOptions,
     kPurposeColors, false},
    {LUNARA_TEXT("Candle", "Choose Candle By Color"), LUNARA_TEXT("Candle", "Color"), kColorOptions, kColorColors,
     true},
    {LUNARA_TEXT("Candle", "Choose By Planet"), LUNARA_TEXT("Candle", "Planet"), kPlanetOptions, kPlanetColors, true},
    {LUNARA_TEXT("Candle", "Choose By Element"), LUNARA_TEXT("Candle", "Element"), kElementOptions, kElementColors,
     true},
    {LUNARA_TEXT("Candle", "Choose By Direction"), LUNARA_TEXT("Candle", "Direction"), kDirectionOptions,
     kDirectionColors, true},
    {LUNARA_TEXT("Candle", "Choose By Day"), LUNARA_TEXT("Candle", "Day"), kDayOptions, kDayColors, true},
}};

// The mode constants index this table.
static_assert(kModes[kChooseByPurpose].word == "Purpose" && kModes[kChooseByColor].word == "Color" &&
              kModes[kChooseByPlanet].word == "Planet" && kModes[kChooseByElement].word == "Element" &&
              kModes[kChooseByDirection].word == "Direction" && kModes[kChooseByDay].word == "Day");

constexpr std::array<std::string_view, 6> kCaptions{kModes[0].caption, kModes[1].caption, kModes[2].caption,
                                                    kModes[3].caption, kModes[4].caption, kModes[5].caption};

const Mode& modeFor(ChooseBy mode) {
    return (mode >= 0 && mode < kChooseByDay) ? kModes[static_cast<std::size_t>(mode)] : kModes[kChooseByDay];
}

} // namespace

std::span<const std::string_view> OptionsFor(ChooseBy mode) { return modeFor(mode).options; }

const CandleColor* LookupCandle(ChooseBy mode, std::string_view text) {
    const Mode& m = modeFor(mode);
    const std::size_t tested = m.lastIsFallback ? m.options.size() - 1 : m.options.size();
    for (std::size_t i = 0; i < tested; ++i) {
        if (m.options[i] == text) {
            return &kColors[m.colors[i]];
        }
    }
    return m.lastIsFallback ? &kColors[m.colors.back()] : nullptr;
}

std::string_view ModeWord(ChooseBy mode) { return modeFor(mode).word; }

std::span<const std::string_view> ModeCaptions() { return kCaptions; }

std::span<const CandleColor> CandleColors() { return kColors; }

} // namespace lunara
