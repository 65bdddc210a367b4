<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Almanac</name>
    <message>
        <source>Ostara, the spring equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mabon, the autumn equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Litha, the summer solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yule, the winter solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beltane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samhain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lughnasadh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imbolc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penumbral eclipse begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial eclipse begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial eclipse ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penumbral eclipse ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wolf Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Micromoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super new moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Micro new moon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The Run key of the current user could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This system offers no way to start programs with the session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link, which Lunara leaves as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara&apos;s path %1 cannot be written in an autostart entry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>Until the moon enters %1 (modern planets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until the moon enters %1 (classic planets)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Candle</name>
    <message>
        <source>Love, Warmth, Caring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well known as the color of romance and tender love, pink candles can be used to evoke similar feelings in one&apos;s heart. This color symbolically represents affection, sweetness in words and acts, nurturing partnerships and soft emotions. Pink is also said to have healing effect on our senses. It stands for unconditional love, honor and commitment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passion, Lust, Power, Immediate Action, Promotion of Career</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighting a red candle can ignite passionate love, sensuality and lustfulness. This color also evokes enthusiasm, power of body and mind, boldness and determination. This color is also effective to enhance personal magnetism, dynamism, sexual attractions and competitiveness. The fire of red candle symbolizes your inner fire and favorable for increasing fertility.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business, Justice, Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to broaden your social circle or want to enjoy a rocking time with friends, orange colored candles can help you a lot. The color signifies the fire of sun, vitality, good fortune, ambition and courage. If you want to invite prosperity, success in every sphere and get rid of negative thoughts, orange candles can do wonders for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confidence, Intelligence, Remove Mental Stress, Better Learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow has a positive effect on intellect, imagination and communication skills. If you want to learn new things and excel in academics, yellow candle can do the magic for you. Yellow increases the power of concentration, memory and self-confidence. Yellow also stands for a cheerful personality, optimism, wisdom, tolerance and perseverance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Healing, Growth, Magic, Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This color stands as the symbol of Mother Nature and induces growth, abundance and fertility. Whenever you feel that these aspect of your life needs to be emphasized, use a green candle for positive outcome. This color is also good for monetary gain, prosperity, finding a new job, reaping a rich harvest and acquiring wealth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom, Spiritual Enlightenment, Calming Effect, Good Luck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue is the color of tranquility and peace. If you want to sooth your frayed nerves to experience a calming effect, use blue candle. Being the color of sky and the ocean, Blue also emphasizes openness and depth. This color is said to exert healing power, protection, provides harmony and wisdom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Psychic Powers, Opening of Inner Self, Influence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Considered as the color of royalty, purple is attached to spiritual awakening, meditative power, intuitive knowledge and healing effect. Using purple candle can enhance your psychic ability and bring you close to the world of spirits. Purple is also thought to have protective properties. The color is useful to subdue ego and improve dignity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmony, Peace, Clarity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The harmonious mixture of all colors, white candles can be used for any purpose. The major attributes associated with white color are purity, clarity of thought and mind, piousness, spiritual knowledge and enlightenment. White is also significant for being the symbol of truth and peace. White can cleanse all kinds of impurities and negative effects leaving a feeling of contentment and well-being.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Negativity, Unity, Defense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This color is grossly misunderstood as the color of evil. But in reality, black color candle has the power to dissolve negative effects and heal several illnesses. This color can be used for protection or casting magic spell or banishing. Burning this candle is said to increase meditating power. This can give good results when used at the finishing point of some strained relationship or affair to overcome mental barriers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Supreme Power, Happiness, Accomplishments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to invite affluence, good fortune and material wealth, golden candles are suitable for you. Use this candle to emerge victorious in professional as well as personal life. Golden candles are also effective to enhance communication skills, reenergize your spirit and success. Gold is also associated with protection, cheerful mood and self assurance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support, Kindness, Friendships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown colored candles are used to emphasize the earth element that bestows material gains, success in profession, wealth and prosperity in one&apos;s life. Brown is also attached to mental stability, great patience, firm determination, practical knowledge and tenacity. This color can be beneficial to increase concentration in studies, enhance learning power and telepathy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intuition, Telepathy, Imagination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This color is primarily associated with female deities and feminine energy. Therefore, silver colored candles are suitable for rituals that emphasizes on feminine power. This color can work wonders to ward off evil influence, improve meditation and increase stability of mind. Silver color is also thought to enhance psychic abilities.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relaxation, Inner Strengths, Self Abilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This color symbolizes compassion and selflessness. You can use this candle to evoke a sense of unconditional love and affection that a mother bestows on her kids. Burning this candle can inspire your mind and help you to get close to higher spiritual realization.  This soothing color can have a very calming effect on your heart and soul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediate Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Promotion of Career</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Justice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Mental Stress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Better Learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Healing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiritual Enlightenment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calming Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Psychic Powers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening of Inner Self</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Influence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clarity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Negativity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Supreme Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Happiness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accomplishments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kindness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friendships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telepathy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imagination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relaxation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inner Strengths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self Abilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Candle By Purpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Candle By Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose By Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose By Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose By Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose By Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: lunara [--background | --help | --version]
A reference on moon and candle magick: Moon Magick, the Moon Calendar and Candle Magick.
Start it without options to open its window.
  --background  start with no window, only the tray and the reminders (as the session
                starts it when &quot;Start with my session&quot; is chosen)
See lunara(1).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lunara: unknown option &apos;%1&apos;
Try &apos;lunara --help&apos; for more information.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>total</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>annular</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hybrid</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partial</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: not seen from %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4, %5 there, magnitude %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 turns retrograde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 turns direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2 at %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 turns direct in %2 at %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New moon in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First quarter moon in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last quarter moon in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon enters %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon void of course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 retrograde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a day and a time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a short day and a time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seen from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not seen from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, the sun %3° up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, the sun below the horizon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, the moon %3° up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, the moon below the horizon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (its point: %2, the sun at 15° %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>an event and its time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2 in %3 until %4 in %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the month&apos;s second full moon, at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the month&apos;s second new moon, at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, %3 away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury is retrograde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sun at 15° %1 at %2: astronomical %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, seen from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, not seen from %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonthPrint</name>
    <message>
        <source>New moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2</source>
        <comment>a day and time, then what happens</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the start and end of a void of course</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon enters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void of course (modern planets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void of course (classic planets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara Moon Calendar for %1; times in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a quarter&apos;s short name and its time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara Moon Calendar, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>New Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dark moon is a good time for giving up bad habits and overcoming anger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new moon is a good time for new ventures, initiating new projects, love and health.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The waxing moon is a good time for developing work like power, success, health and partnerships.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The full moon is a good time for predictions and trying out Magick. Good for healing projects too. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The waning moon is a good time for removing negativity from oneself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a good time for conjuring on personal matters. Good for spells which involve romance, property and finance. Try not to be stubborn. You are very conventional and not willing to change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inquisitiveness </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are influenced by outside changes. Good for spells which involve journey, negotiations and public involvement. You think of doing ten different things at the same time. Be more emotional than analytical.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caring </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family and home is your priority. Good for spells which involve family and friends. You are good at Magick without trying to hard. Try not to be overly emotional. Try to relax.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pleasure and hobbies take the forefront. Good for spells which involve children, power, love. Be sure to follow the right directions. You have the right frame of mind. Be sure to put it to good use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute details are taken care of. Good for spells which involve illnesses, confidence and career. Do not be nervous and insecure. There doesn&apos;t always have to be a second plan ready in case the first one fails. Believe in yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helpful </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the right time for alliances and partnerships. Good for spells which involve creativity, legal matters and business deals. You are good at what you do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idealistic </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posetive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to dream and move on. Good for spells which involve education and sports. You think with a positive mind. Just don&apos;t be hasty and forget the minute details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motivated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the right time to increase business sense and responsibility. Good for spells which involve power, work and dreams. Think calmly but don&apos;t do not become too logical.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to socialize and make merry. Good for spells which involve friends, analysis and personal development. You are a born natural. Try not to be too stubborn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon In Pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lot of inner development will occur with new understanding and experience. Good for spells which involve psychic capabilities and intuition. Improve your self-confidence. Do not try to do bad Magick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magick related to the Fire element should be performed when the Moon is in any of the Fire Signs. This can include Magick related to strength, determination, new beginnings, children, power, love, education and sports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magick related to the Earth element should be performed when the Moon is in any of the Earth Signs. This can include Magick related to illnesses, confidence, career, education, sports, romance, property and finance. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magick related to the Water element should be performed when the Moon is in any of the Water Signs. This can include Magick related to family, friends, psychic development, authority, psychic capabilities and intuition.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Offers</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>N</source>
        <comment>north, after a latitude</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>south, after a latitude</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <comment>east, after a longitude</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <comment>west, after a longitude</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° %2</source>
        <comment>degrees and a hemisphere&apos;s letter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a latitude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a longitude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a latitude like 52.52 or 52°31′N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a longitude like 13.41 or 13°24′E.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use N or S after a latitude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use E or W after a longitude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give either a sign or a letter, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A latitude lies between 90° S and 90° N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A longitude lies between 180° W and 180° E.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>latitude, longitude</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanetaryDays</name>
    <message>
        <source>The day of the Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of the Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: sunrise %2, sunset %3, next sunrise %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sun sets at %2 and does not rise again this day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sun does not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sun does not rise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sun does not set within a day after it rises at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the sun does not rise again within a day after it sets at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun sets at %1 and does not rise again this day, so there is no daylight and night to divide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set, so there is no daylight and night to divide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise, so there is no daylight and night to divide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set within a day after it rises at %1, so there is no daylight and night to divide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise again within a day after it sets at %1, so there is no daylight and night to divide.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>New moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First and last quarters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon entering a sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The void-of-course moon starting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sabbats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipses seen from here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A planet turning retrograde or direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A planetary hour starting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 hours before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 3 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 3 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hour of %1 begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon is void of course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 turns direct in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>the calendar file could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the autostart entry could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar file could not be saved as %1: %2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: %2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The autostart entry could not be saved as %1: %2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkyWords</name>
    <message>
        <source>%1 %2</source>
        <comment>a weekday and a time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void of course from %1 until the moon enters %2 at %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::MoonMonthModel</name>
    <message>
        <source>%1, new moon at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, first quarter at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, full moon at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, last quarter at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such day here, the clocks skipped it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 % lit, moon in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a day&apos;s words and one of its events</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today, chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::Notifier</name>
    <message>
        <source>Show in calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::Reminders</name>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Late reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 at %3 (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today, all day (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, all day (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2, void of course until %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <comment>the moon&apos;s phase and sign</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::Services</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: its lock %2 is held and cannot be cleared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmAbout</name>
    <message>
        <source>Lunara v1.20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magick is a very widely practiced path in the divination world. Lunara comprises of Velmora Candle Magick &amp; Velmora Moon Magick and displays the correspondence between different magick rituals and the colors of candles that should be used &amp; the influence of the phases of the moon on magick rituals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmCandleMagickMain</name>
    <message>
        <source>Velmora Candle Magick displays the correspondence between different magick rituals and the colors of candles that should be used. Candle magick is very effective when the right candles are used for the right purposes. This needs to be repeated many times before your purpose is solved. Note that you do not harm to anyone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one of the following purposes and know which candle to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candle Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get Candle Magick Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candle Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora Candle Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To be given</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmExportCalendar</name>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A c&amp;hosen year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The four &amp;quarters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon entering each &amp;sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Void-of-course periods, counting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lassic planets (Sun to Saturn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;odern planets (to Pluto)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;Wheel of the Year&apos;s sabbats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecli&amp;pses, as seen from here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retrograde periods, as whole days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon &amp;names, blue and black moons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;upermoons and micromoons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This &amp;month (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This &amp;year (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmLocation</name>
    <message>
        <source>Degrees north and east are positive; 51뀨′N or 0뀇′W work too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find a city:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, as your time zone names no city.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, the city of your time zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location is used now but could not be saved for next time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmMDI</name>
    <message>
        <source>&amp;Moon Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Candle Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Lunara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the Magickal world of occult and spirituality. Lunara will open new doors in Candle and Moon magick. Use the different resources to gain more understanding of the subject.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara includes the following programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candle Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magick Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara v1.20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lit candles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop Reminders and Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara speaks the language chosen from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders cannot be remembered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara cannot write its settings (%1). Until it can, it does not remember across restarts which reminders it has shown, so one may come again after Lunara starts anew.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Lunara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara
%1</source>
        <comment>the tray icon&apos;s tooltip</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmMagickHours</name>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Classic planets (Sun to Saturn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modern planets (to Pluto)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or a double click on an hour shows its planet&apos;s candle in Candle Magick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara Magick Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary hours for %1; times in %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary hours for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <comment>an hour&apos;s name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, in %2 (now)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, in %2 (at noon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon is not void of course this day.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonCalendar</name>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hemisphere:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Northern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Southern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara Moon Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise and sunset for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time zone names no city.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is your time zone&apos;s city.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sun does not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sun does not rise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon does not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon does not rise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sunrise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moonrise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sunrise this day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no moonrise this day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sunset this day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no moonset this day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the phrases of a list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon is not void of course this day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such day here: the clocks skipped it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a phase and the time of its quarter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon picture: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age: %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lit: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The moon enters %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enters %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The traditional rule says %n days, %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, in 1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, in 1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Next new moon: %1 at %2, in %n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Next full moon: %1 at %2, in %n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickDisplay</name>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Phase on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Moon picture: %n days, %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickMain</name>
    <message>
        <source>The Moon has a strong influence on magick rituals. Know more about the moon phases and the corresponding effects on magick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Date for Moon Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Phase - Magick Correspondence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zodiacal Moon Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elemental Moon Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon &amp;Magick Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s Moon Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s Zodiacal Elemental Moon Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords:-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s Elemental Moon Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmReminder</name>
    <message>
        <source>Lunara Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reminders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in &amp;Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whose planetary hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start with my session (in the background)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While any reminder is on, closing Lunara keeps it running in the tray to remind you; choose Quit in the tray icon&apos;s menu to end it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop has no tray: Lunara reminds you while it runs. Started with your session it runs in the background; its File menu then offers &quot;Stop Reminders and Quit&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reminders could not be kept: the settings cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lunara::frmYear</name>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or a double click on an entry opens the Moon Calendar at its day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the first and last day of a period</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wheel of the Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrogrades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full moons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue and black moons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supermoons and micromoons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None this year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara: The Year %1 (continued)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara: The Year %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunara: The Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year&apos;s events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Moon &amp;Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For %1; southern hemisphere; times in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For %1; northern hemisphere; times in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
