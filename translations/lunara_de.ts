<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>Almanac</name>
    <message>
        <source>Ostara, the spring equinox</source>
        <translation>Ostara, die Frühlings-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>Mabon, the autumn equinox</source>
        <translation>Mabon, die Herbst-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>Litha, the summer solstice</source>
        <translation>Litha, die Sommersonnenwende</translation>
    </message>
    <message>
        <source>Yule, the winter solstice</source>
        <translation>Jul, die Wintersonnenwende</translation>
    </message>
    <message>
        <source>Beltane</source>
        <translation>Beltane</translation>
    </message>
    <message>
        <source>Samhain</source>
        <translation>Samhain</translation>
    </message>
    <message>
        <source>Lughnasadh</source>
        <translation>Lughnasadh</translation>
    </message>
    <message>
        <source>Imbolc</source>
        <translation>Imbolc</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Partielle Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Ringförmige Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Totale Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Hybride Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Halbschatten-Mondfinsternis</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Partielle Mondfinsternis</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Totale Mondfinsternis</translation>
    </message>
    <message>
        <source>Penumbral eclipse begins</source>
        <translation>Beginn der Halbschattenfinsternis</translation>
    </message>
    <message>
        <source>Partial eclipse begins</source>
        <translation>Beginn der partiellen Finsternis</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Beginn der totalen Phase</translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation>Maximum der Finsternis</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Ende der totalen Phase</translation>
    </message>
    <message>
        <source>Partial eclipse ends</source>
        <translation>Ende der partiellen Finsternis</translation>
    </message>
    <message>
        <source>Penumbral eclipse ends</source>
        <translation>Ende der Halbschattenfinsternis</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Beginn der Finsternis</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Beginn der ringförmigen Phase</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Ende der ringförmigen Phase</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Ende der Finsternis</translation>
    </message>
    <message>
        <source>Wolf Moon</source>
        <translation>Wolfsmond</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Schneemond</translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation>Wurmmond</translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation>Rosa Mond</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Blumenmond</translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation>Erdbeermond</translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation>Hirschmond</translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation>Störmond</translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation>Kornmond</translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation>Jägermond</translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation>Bibermond</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Kalter Mond</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Erntemond</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Blauer Mond</translation>
    </message>
    <message>
        <source>Black moon</source>
        <translation>Schwarzer Mond</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Supermond</translation>
    </message>
    <message>
        <source>Micromoon</source>
        <translation>Mikromond</translation>
    </message>
    <message>
        <source>Super new moon</source>
        <translation>Super-Neumond</translation>
    </message>
    <message>
        <source>Micro new moon</source>
        <translation>Mikro-Neumond</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The Run key of the current user could not be written.</source>
        <translation>Der Run-Schlüssel des aktuellen Benutzers konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>This system offers no way to start programs with the session.</source>
        <translation>Dieses System bietet keine Möglichkeit, Programme bei der Anmeldung zu starten.</translation>
    </message>
    <message>
        <source>%1 is a link, which Lunara leaves as it is.</source>
        <translation>%1 ist eine Verknüpfung, die Lunara unverändert lässt.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Lunara&apos;s path %1 cannot be written in an autostart entry.</source>
        <translation>Der Pfad von Lunara, %1, lässt sich nicht in einen Autostart-Eintrag schreiben.</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>Until the moon enters %1 (modern planets)</source>
        <translation>Bis der Mond ins Zeichen %1 wechselt (moderne Planeten)</translation>
    </message>
    <message>
        <source>Until the moon enters %1 (classic planets)</source>
        <translation>Bis der Mond ins Zeichen %1 wechselt (klassische Planeten)</translation>
    </message>
</context>
<context>
    <name>Candle</name>
    <message>
        <source>Love, Warmth, Caring</source>
        <translation>Liebe, Wärme, Fürsorge</translation>
    </message>
    <message>
        <source>Well known as the color of romance and tender love, pink candles can be used to evoke similar feelings in one&apos;s heart. This color symbolically represents affection, sweetness in words and acts, nurturing partnerships and soft emotions. Pink is also said to have healing effect on our senses. It stands for unconditional love, honor and commitment.</source>
        <translation>Rosa ist als Farbe der Romantik und der zärtlichen Liebe bekannt, und rosa Kerzen können ebensolche Gefühle im Herzen wecken. Sinnbildlich steht diese Farbe für Zuneigung, Zärtlichkeit in Worten und Taten, fürsorgliche Partnerschaften und sanfte Gefühle. Rosa soll außerdem heilsam auf unsere Sinne wirken. Es steht für bedingungslose Liebe, Ehre und Verbundenheit.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Passion, Lust, Power, Immediate Action, Promotion of Career</source>
        <translation>Leidenschaft, Begierde, Kraft, sofortiges Handeln, beruflicher Aufstieg</translation>
    </message>
    <message>
        <source>Lighting a red candle can ignite passionate love, sensuality and lustfulness. This color also evokes enthusiasm, power of body and mind, boldness and determination. This color is also effective to enhance personal magnetism, dynamism, sexual attractions and competitiveness. The fire of red candle symbolizes your inner fire and favorable for increasing fertility.</source>
        <translation>Eine rote Kerze zu entzünden kann leidenschaftliche Liebe, Sinnlichkeit und Begehren entfachen. Diese Farbe weckt außerdem Begeisterung, Kraft von Körper und Geist, Kühnheit und Entschlossenheit. Sie eignet sich auch, um persönliche Ausstrahlung, Tatkraft, sexuelle Anziehung und Wettbewerbsgeist zu stärken. Die Flamme der roten Kerze versinnbildlicht dein inneres Feuer und begünstigt die Fruchtbarkeit.</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Business, Justice, Success</source>
        <translation>Geschäfte, Gerechtigkeit, Erfolg</translation>
    </message>
    <message>
        <source>If you want to broaden your social circle or want to enjoy a rocking time with friends, orange colored candles can help you a lot. The color signifies the fire of sun, vitality, good fortune, ambition and courage. If you want to invite prosperity, success in every sphere and get rid of negative thoughts, orange candles can do wonders for you.</source>
        <translation>Wenn du deinen Freundeskreis erweitern oder eine ausgelassene Zeit mit Freunden genießen möchtest, können dir orangefarbene Kerzen sehr helfen. Die Farbe steht für das Feuer der Sonne, für Lebenskraft, Glück, Ehrgeiz und Mut. Wenn du Wohlstand und Erfolg in allen Lebensbereichen anziehen und negative Gedanken loswerden möchtest, können orangefarbene Kerzen wahre Wunder für dich wirken.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Confidence, Intelligence, Remove Mental Stress, Better Learning</source>
        <translation>Selbstvertrauen, Intelligenz, Abbau von mentalem Stress, besseres Lernen</translation>
    </message>
    <message>
        <source>Yellow has a positive effect on intellect, imagination and communication skills. If you want to learn new things and excel in academics, yellow candle can do the magic for you. Yellow increases the power of concentration, memory and self-confidence. Yellow also stands for a cheerful personality, optimism, wisdom, tolerance and perseverance.</source>
        <translation>Gelb wirkt sich positiv auf Verstand, Vorstellungskraft und Ausdrucksfähigkeit aus. Wenn du Neues lernen und in Schule oder Studium glänzen möchtest, kann eine gelbe Kerze für dich zaubern. Gelb stärkt Konzentration, Gedächtnis und Selbstvertrauen. Außerdem steht Gelb für ein heiteres Wesen, für Optimismus, Weisheit, Toleranz und Ausdauer.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Healing, Growth, Magic, Success</source>
        <translation>Heilung, Wachstum, Magie, Erfolg</translation>
    </message>
    <message>
        <source>This color stands as the symbol of Mother Nature and induces growth, abundance and fertility. Whenever you feel that these aspect of your life needs to be emphasized, use a green candle for positive outcome. This color is also good for monetary gain, prosperity, finding a new job, reaping a rich harvest and acquiring wealth.</source>
        <translation>Diese Farbe ist das Sinnbild von Mutter Natur und fördert Wachstum, Fülle und Fruchtbarkeit. Wann immer du spürst, dass diese Seiten deines Lebens gestärkt werden sollten, verwende eine grüne Kerze, damit sich alles zum Guten wendet. Die Farbe ist außerdem gut für Geldsegen und Wohlstand, für die Suche nach einer neuen Arbeitsstelle, für eine reiche Ernte und um zu Vermögen zu kommen.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Wisdom, Spiritual Enlightenment, Calming Effect, Good Luck</source>
        <translation>Weisheit, spirituelle Erleuchtung, beruhigende Wirkung, Glück</translation>
    </message>
    <message>
        <source>Blue is the color of tranquility and peace. If you want to sooth your frayed nerves to experience a calming effect, use blue candle. Being the color of sky and the ocean, Blue also emphasizes openness and depth. This color is said to exert healing power, protection, provides harmony and wisdom.</source>
        <translation>Blau ist die Farbe der Ruhe und des Friedens. Wenn du deine strapazierten Nerven besänftigen und zur Ruhe kommen möchtest, verwende eine blaue Kerze. Als Farbe des Himmels und des Meeres betont Blau außerdem Offenheit und Tiefe. Man sagt dieser Farbe heilende Kraft nach; sie schützt und schenkt Harmonie und Weisheit.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Psychic Powers, Opening of Inner Self, Influence</source>
        <translation>Übersinnliche Kräfte, Öffnung des inneren Selbst, Einfluss</translation>
    </message>
    <message>
        <source>Considered as the color of royalty, purple is attached to spiritual awakening, meditative power, intuitive knowledge and healing effect. Using purple candle can enhance your psychic ability and bring you close to the world of spirits. Purple is also thought to have protective properties. The color is useful to subdue ego and improve dignity.</source>
        <translation>Violett gilt als Farbe des Königtums und wird mit spirituellem Erwachen, meditativer Kraft, intuitivem Wissen und heilender Wirkung verbunden. Eine violette Kerze kann deine übersinnlichen Fähigkeiten stärken und deine Verbindung zur Welt der Geister vertiefen. Auch schützende Eigenschaften werden Violett zugeschrieben. Die Farbe hilft, das Ego zu zügeln und die eigene Würde zu stärken.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Harmony, Peace, Clarity</source>
        <translation>Harmonie, Frieden, Klarheit</translation>
    </message>
    <message>
        <source>The harmonious mixture of all colors, white candles can be used for any purpose. The major attributes associated with white color are purity, clarity of thought and mind, piousness, spiritual knowledge and enlightenment. White is also significant for being the symbol of truth and peace. White can cleanse all kinds of impurities and negative effects leaving a feeling of contentment and well-being.</source>
        <translation>Weiß ist die harmonische Mischung aller Farben, deshalb lassen sich weiße Kerzen für jeden Zweck verwenden. Die wichtigsten Eigenschaften, die man mit Weiß verbindet, sind Reinheit, Klarheit von Gedanken und Geist, Frömmigkeit, spirituelles Wissen und Erleuchtung. Bedeutsam ist Weiß auch als Sinnbild für Wahrheit und Frieden. Weiß kann von Unreinheiten und negativen Einflüssen aller Art befreien und hinterlässt ein Gefühl von Zufriedenheit und Wohlbefinden.</translation>
    </message>
    <message>
        <source>Dark Pink</source>
        <translation>Dunkles Rosa</translation>
    </message>
    <message>
        <source>Light Pink</source>
        <translation>Helles Rosa</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Remove Negativity, Unity, Defense</source>
        <translation>Auflösen des Negativen, Einheit, Abwehr</translation>
    </message>
    <message>
        <source>This color is grossly misunderstood as the color of evil. But in reality, black color candle has the power to dissolve negative effects and heal several illnesses. This color can be used for protection or casting magic spell or banishing. Burning this candle is said to increase meditating power. This can give good results when used at the finishing point of some strained relationship or affair to overcome mental barriers.</source>
        <translation>Diese Farbe wird gründlich missverstanden, wenn man sie für die Farbe des Bösen hält. In Wahrheit hat eine schwarze Kerze die Kraft, negative Einflüsse aufzulösen und so manche Krankheit zu heilen. Man kann diese Farbe zum Schutz, zum Wirken von Zaubern oder zum Bannen verwenden. Eine schwarze Kerze brennen zu lassen soll die Kraft der Meditation steigern. Gute Dienste leistet sie auch am Ende einer belasteten Beziehung oder Affäre, um innere Blockaden zu überwinden.</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>The Supreme Power, Happiness, Accomplishments</source>
        <translation>Die höchste Macht, Glücklichsein, Errungenschaften</translation>
    </message>
    <message>
        <source>If you want to invite affluence, good fortune and material wealth, golden candles are suitable for you. Use this candle to emerge victorious in professional as well as personal life. Golden candles are also effective to enhance communication skills, reenergize your spirit and success. Gold is also associated with protection, cheerful mood and self assurance.</source>
        <translation>Wenn du Wohlstand, Glück und materiellen Reichtum anziehen möchtest, sind goldene Kerzen das Richtige für dich. Nutze diese Kerze, um im Beruf wie im Privatleben zu triumphieren. Goldene Kerzen helfen außerdem, deine Ausdrucksfähigkeit zu verbessern, deinem Geist neue Energie zu geben und den Erfolg zu fördern. Gold wird auch mit Schutz, heiterer Stimmung und Selbstsicherheit verbunden.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Support, Kindness, Friendships</source>
        <translation>Unterstützung, Freundlichkeit, Freundschaften</translation>
    </message>
    <message>
        <source>Brown colored candles are used to emphasize the earth element that bestows material gains, success in profession, wealth and prosperity in one&apos;s life. Brown is also attached to mental stability, great patience, firm determination, practical knowledge and tenacity. This color can be beneficial to increase concentration in studies, enhance learning power and telepathy.</source>
        <translation>Braune Kerzen betonen das Element Erde, das materiellen Gewinn, beruflichen Erfolg, Reichtum und Wohlstand im Leben schenkt. Braun wird außerdem mit seelischer Stabilität, großer Geduld, fester Entschlossenheit, praktischem Wissen und Beharrlichkeit verbunden. Die Farbe kann helfen, die Konzentration beim Lernen zu steigern sowie Lernfähigkeit und Telepathie zu stärken.</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Intuition, Telepathy, Imagination</source>
        <translation>Intuition, Telepathie, Vorstellungskraft</translation>
    </message>
    <message>
        <source>This color is primarily associated with female deities and feminine energy. Therefore, silver colored candles are suitable for rituals that emphasizes on feminine power. This color can work wonders to ward off evil influence, improve meditation and increase stability of mind. Silver color is also thought to enhance psychic abilities.</source>
        <translation>Diese Farbe wird vor allem mit weiblichen Gottheiten und weiblicher Energie verbunden. Silberne Kerzen eignen sich deshalb für Rituale, in denen die weibliche Kraft im Mittelpunkt steht. Silber kann Wunder wirken, um böse Einflüsse abzuwehren, die Meditation zu vertiefen und den Geist zu festigen. Außerdem soll Silber übersinnliche Fähigkeiten stärken.</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Relaxation, Inner Strengths, Self Abilities</source>
        <translation>Entspannung, innere Stärken, eigene Fähigkeiten</translation>
    </message>
    <message>
        <source>This color symbolizes compassion and selflessness. You can use this candle to evoke a sense of unconditional love and affection that a mother bestows on her kids. Burning this candle can inspire your mind and help you to get close to higher spiritual realization.  This soothing color can have a very calming effect on your heart and soul.</source>
        <translation>Diese Farbe symbolisiert Mitgefühl und Selbstlosigkeit. Mit dieser Kerze kannst du ein Gefühl bedingungsloser Liebe und Zuneigung wecken, wie eine Mutter sie ihren Kindern schenkt. Eine Kerze in dieser Farbe kann deinen Geist beflügeln und dir helfen, höherer spiritueller Erkenntnis näherzukommen. Diese sanfte Farbe kann sehr beruhigend auf Herz und Seele wirken.</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Leidenschaft</translation>
    </message>
    <message>
        <source>Lust</source>
        <translation>Begierde</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Immediate Action</source>
        <translation>Sofortiges Handeln</translation>
    </message>
    <message>
        <source>Promotion of Career</source>
        <translation>Beruflicher Aufstieg</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Geschäfte</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Gerechtigkeit</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Selbstvertrauen</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Intelligenz</translation>
    </message>
    <message>
        <source>Remove Mental Stress</source>
        <translation>Abbau von mentalem Stress</translation>
    </message>
    <message>
        <source>Better Learning</source>
        <translation>Besseres Lernen</translation>
    </message>
    <message>
        <source>Healing</source>
        <translation>Heilung</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Wachstum</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Weisheit</translation>
    </message>
    <message>
        <source>Spiritual Enlightenment</source>
        <translation>Spirituelle Erleuchtung</translation>
    </message>
    <message>
        <source>Calming Effect</source>
        <translation>Beruhigende Wirkung</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Glück</translation>
    </message>
    <message>
        <source>Psychic Powers</source>
        <translation>Übersinnliche Kräfte</translation>
    </message>
    <message>
        <source>Opening of Inner Self</source>
        <translation>Öffnung des inneren Selbst</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Einfluss</translation>
    </message>
    <message>
        <source>Harmony</source>
        <translation>Harmonie</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Frieden</translation>
    </message>
    <message>
        <source>Clarity</source>
        <translation>Klarheit</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Liebe</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Wärme</translation>
    </message>
    <message>
        <source>Caring</source>
        <translation>Fürsorge</translation>
    </message>
    <message>
        <source>Remove Negativity</source>
        <translation>Auflösen des Negativen</translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Abwehr</translation>
    </message>
    <message>
        <source>The Supreme Power</source>
        <translation>Die höchste Macht</translation>
    </message>
    <message>
        <source>Happiness</source>
        <translation>Glücklichsein</translation>
    </message>
    <message>
        <source>Accomplishments</source>
        <translation>Errungenschaften</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Unterstützung</translation>
    </message>
    <message>
        <source>Kindness</source>
        <translation>Freundlichkeit</translation>
    </message>
    <message>
        <source>Friendships</source>
        <translation>Freundschaften</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Intuition</translation>
    </message>
    <message>
        <source>Telepathy</source>
        <translation>Telepathie</translation>
    </message>
    <message>
        <source>Imagination</source>
        <translation>Vorstellungskraft</translation>
    </message>
    <message>
        <source>Relaxation</source>
        <translation>Entspannung</translation>
    </message>
    <message>
        <source>Inner Strengths</source>
        <translation>Innere Stärken</translation>
    </message>
    <message>
        <source>Self Abilities</source>
        <translation>Eigene Fähigkeiten</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Choose Candle By Purpose</source>
        <translation>Kerze nach Zweck wählen</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Zweck</translation>
    </message>
    <message>
        <source>Choose Candle By Color</source>
        <translation>Kerze nach Farbe wählen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Choose By Planet</source>
        <translation>Nach Planet wählen</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Choose By Element</source>
        <translation>Nach Element wählen</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Choose By Direction</source>
        <translation>Nach Richtung wählen</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Himmelsrichtung</translation>
    </message>
    <message>
        <source>Choose By Day</source>
        <translation>Nach Wochentag wählen</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Wochentag</translation>
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
        <translation>Aufruf: lunara [--background | --help | --version]
Ein Nachschlagewerk zur Mond- und Kerzenmagie: Mondmagie, Mondkalender und Kerzenmagie.
Ohne Optionen gestartet, öffnet es sein Fenster.
  --background  ohne Fenster starten, nur mit Infobereich und Erinnerungen (so startet
                es die Sitzung, wenn „Bei der Anmeldung starten“ gewählt ist)
Siehe lunara(1).
</translation>
    </message>
    <message>
        <source>lunara: unknown option &apos;%1&apos;
Try &apos;lunara --help&apos; for more information.
</source>
        <translation>lunara: unbekannte Option „%1“
„lunara --help“ zeigt weitere Informationen.
</translation>
    </message>
    <message>
        <source>Usage: lunara now [OPTION...]            the moon now (also: lunara today)
       lunara events [OPTION...]         the almanac&apos;s events of a range of dates
Answers on standard output, without a display. See lunara(1).

Where, for every command (else the place, hemisphere and planets Lunara keeps):
  --place CITY          a city of the time-zone table: Lisbon, &quot;New York&quot;, Europe/Lisbon
  --lat DEG --lon DEG   coordinates, north and east positive: 38.72 -9.13, 38°43&apos;N 9°08&apos;W
  --zone ZONE           the time zone of the dates and times (the city&apos;s with --place, else
                        the system&apos;s)
  --hemisphere northern|southern    --planets classic|modern
now, today:
  --format text|json|waybar
  --at YYYY-MM-DDTHH:MM[+HH:MM]      another instant than now
  --watch               a new line each time what is shown changes
events:
  --from YYYY-MM-DD --to YYYY-MM-DD  dates from 1901 to 2050, both included (today and 30 days)
  --kinds KIND,...      quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,
                        risings (quarters,ingresses by default; risings for 10 years at most)
  --format text|ics|json|csv
  --output FILE         write FILE whole instead; a file there is replaced only with --force
Exit status: 0 done, 1 not done (a file there, a write that failed), 2 a wrong command line.
</source>
        <translation>Aufruf: lunara now [OPTION...]           der Mond jetzt (auch: lunara today)
        lunara events [OPTION...]        Almanach-Ereignisse eines Zeitraums
Antwortet auf der Standardausgabe, ohne grafische Oberfläche. Siehe lunara(1).

Für alle Befehle (sonst Standort, Halbkugel, Planeten wie in Lunara gewählt):
  --place STADT         Stadt der Zeitzonentabelle: Lisbon, &quot;New York&quot;, Europe/Lisbon
  --lat GRAD --lon GRAD Koordinaten, Nord und Ost positiv: 38.72 -9.13, 38°43&apos;N 9°08&apos;W
  --zone ZONE           Zeitzone der Daten und Uhrzeiten (mit --place die der Stadt,
                        sonst die des Systems)
  --hemisphere northern|southern    --planets classic|modern
now, today:
  --format text|json|waybar
  --at YYYY-MM-DDTHH:MM[+HH:MM]      ein anderer Zeitpunkt als jetzt
  --watch               eine neue Zeile, sobald sich das Angezeigte ändert
events:
  --from YYYY-MM-DD --to YYYY-MM-DD  1901 bis 2050, beide Tage inklusive (sonst 30 Tage ab heute)
  --kinds ART,...       quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,
                        risings (Vorgabe: quarters,ingresses; risings für höchstens 10 Jahre)
  --format text|ics|json|csv
  --output DATEI        stattdessen DATEI am Stück schreiben; vorhandene nur mit --force ersetzen
Rückgabewert: 0 erledigt, 1 nicht erledigt (Datei vorhanden, Schreibfehler), 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>the clock says %1, outside the years %2 to %3</source>
        <translation>die Uhr zeigt %1, außerhalb der Jahre %2 bis %3</translation>
    </message>
    <message>
        <source>%1 exists; add --force to replace it</source>
        <translation>%1 existiert bereits; zum Ersetzen --force angeben</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a date and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the start and end of an event</comment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a date; write it as YYYY-MM-DD, as 2027-01-01</source>
        <translation>%1 %2 ist kein Datum; gib es als YYYY-MM-DD an, wie 2027-01-01</translation>
    </message>
    <message>
        <source>%1 %2 is outside the years %3 to %4</source>
        <translation>%1 %2 liegt außerhalb der Jahre %3 bis %4</translation>
    </message>
    <message>
        <source>--at %1 is not a date and time; write it as 2026-12-24T02:28, or with its offset, as 2026-12-24T02:28+01:00</source>
        <translation>--at %1 ist kein Datum mit Uhrzeit; gib es an wie 2026-12-24T02:28 oder mit Zeitverschiebung wie 2026-12-24T02:28+01:00</translation>
    </message>
    <message>
        <source>--at %1 is outside the years %2 to %3</source>
        <translation>--at %1 liegt außerhalb der Jahre %2 bis %3</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are now, today and events</source>
        <translation>unbekannter Befehl %1; die Befehle sind now, today und events</translation>
    </message>
    <message>
        <source>unknown option %1 for %2; see &apos;lunara %2 --help&apos;</source>
        <translation>unbekannte Option %1 für %2; siehe „lunara %2 --help“</translation>
    </message>
    <message>
        <source>%1 needs a value; see &apos;lunara %2 --help&apos;</source>
        <translation>%1 braucht einen Wert; siehe „lunara %2 --help“</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 erwartet keinen Wert</translation>
    </message>
    <message>
        <source>unknown format %1 for %2; the formats are %3</source>
        <translation>unbekanntes Format %1 für %2; die Formate sind %3</translation>
    </message>
    <message>
        <source>unknown time zone %1; give a zone of the time-zone database, as Europe/Lisbon</source>
        <translation>unbekannte Zeitzone %1; gib eine Zone der Zeitzonendatenbank an, wie Europe/Lisbon</translation>
    </message>
    <message>
        <source>%1 needs %2 too, as --lat 38.72 --lon -9.13</source>
        <translation>%1 braucht auch %2, wie --lat 38.72 --lon -9.13</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>gib entweder --place oder --lat und --lon an, nicht beides</translation>
    </message>
    <message>
        <source>--place needs a city&apos;s name, as --place Lisbon</source>
        <translation>--place braucht den Namen einer Stadt, wie --place Lisbon</translation>
    </message>
    <message>
        <source>--hemisphere takes northern or southern, not %1</source>
        <translation>--hemisphere erwartet northern oder southern, nicht %1</translation>
    </message>
    <message>
        <source>--planets takes classic or modern, not %1</source>
        <translation>--planets erwartet classic oder modern, nicht %1</translation>
    </message>
    <message>
        <source>today is outside the years %1 to %2: give --from and --to</source>
        <translation>heute liegt außerhalb der Jahre %1 bis %2: gib --from und --to an</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 liegt nach --to %2</translation>
    </message>
    <message>
        <source>unknown kind %1 in --kinds; the kinds are %2</source>
        <translation>unbekannte Art %1 in --kinds; die Arten sind %2</translation>
    </message>
    <message>
        <source>risings are given for at most %1 years at a time; --from %2 --to %3 is longer</source>
        <translation>die Aufgänge und Untergänge (risings) gibt es für höchstens %1 Jahre auf einmal; --from %2 --to %3 ist länger</translation>
    </message>
    <message>
        <source>--output needs a file&apos;s name, as --output moon.ics</source>
        <translation>--output braucht einen Dateinamen, wie --output moon.ics</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Jetzt: %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Als Nächstes: %1</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>the date, the time and the place</comment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3 days old</source>
        <translation>%1, zu %2 % beleuchtet, %3 Tage alt</translation>
    </message>
    <message>
        <source>Moon in %1 until %2, then in %3</source>
        <translation>Mond im Zeichen %1 bis %2, dann im Zeichen %3</translation>
    </message>
    <message>
        <source>Moon in %1</source>
        <translation>Mond im Zeichen %1</translation>
    </message>
    <message>
        <source>Next quarter: %1, %2</source>
        <translation>Nächstes Mondviertel: %1, %2</translation>
    </message>
    <message>
        <source>%1; hour of %2</source>
        <translation>%1; Planetenstunde: %2</translation>
    </message>
    <message>
        <source>no city of the time-zone table is called &apos;%1&apos;; give one (as --place Lisbon) or --lat and --lon</source>
        <translation>keine Stadt der Zeitzonentabelle heißt „%1“; gib eine an (wie --place Lisbon) oder --lat und --lon</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2 cities (%3); give more of the name</source>
        <translation>„%1“ passt auf %2 Städte (%3); gib mehr vom Namen an</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>total</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>total</translation>
    </message>
    <message>
        <source>annular</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>ringförmig</translation>
    </message>
    <message>
        <source>hybrid</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>hybrid</translation>
    </message>
    <message>
        <source>partial</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>partiell</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: not seen from %4</source>
        <translation>%1 um %2, Größe %3: von %4 aus nicht sichtbar</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4, %5 there, magnitude %6</source>
        <translation>%1 um %2, Größe %3: von %4 aus sichtbar, dort %5, Größe %6</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4</source>
        <translation>%1 um %2, Größe %3: von %4 aus sichtbar</translation>
    </message>
    <message>
        <source>%1 turns retrograde</source>
        <translation>%1 wird rückläufig</translation>
    </message>
    <message>
        <source>%1 turns direct</source>
        <translation>%1 wird rechtläufig</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2 at %3</source>
        <translation>%1 wird um %3 im Zeichen %2 rückläufig</translation>
    </message>
    <message>
        <source>%1 turns direct in %2 at %3</source>
        <translation>%1 wird um %3 im Zeichen %2 rechtläufig</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>New moon in %1</source>
        <translation>Neumond im Zeichen %1</translation>
    </message>
    <message>
        <source>First quarter moon in %1</source>
        <translation>Erstes Viertel im Zeichen %1</translation>
    </message>
    <message>
        <source>Full moon in %1</source>
        <translation>Vollmond im Zeichen %1</translation>
    </message>
    <message>
        <source>Last quarter moon in %1</source>
        <translation>Letztes Viertel im Zeichen %1</translation>
    </message>
    <message>
        <source>Moon enters %1</source>
        <translation>Mond wechselt ins Zeichen %1</translation>
    </message>
    <message>
        <source>Moon void of course</source>
        <translation>Mond im Leerlauf</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>%1 retrograde</source>
        <translation>%1 rückläufig</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a day and a time</comment>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a short day and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>seen from %1</source>
        <translation>von %1 aus sichtbar</translation>
    </message>
    <message>
        <source>not seen from %1</source>
        <translation>von %1 aus nicht sichtbar</translation>
    </message>
    <message>
        <source>%1 %2, the sun %3° up</source>
        <translation>%1 am %2, Sonne %3° über dem Horizont</translation>
    </message>
    <message>
        <source>%1 %2, the sun below the horizon</source>
        <translation>%1 am %2, Sonne unter dem Horizont</translation>
    </message>
    <message>
        <source>%1 %2, the moon %3° up</source>
        <translation>%1 am %2, Mond %3° über dem Horizont</translation>
    </message>
    <message>
        <source>%1 %2, the moon below the horizon</source>
        <translation>%1 am %2, Mond unter dem Horizont</translation>
    </message>
    <message>
        <source>%1 (its point: %2, the sun at 15° %3)</source>
        <translation>%1 (astronomischer Zeitpunkt: %2, Sonne auf 15° %3)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>an event and its time</comment>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>%1 from %2 in %3 until %4 in %5</source>
        <translation>%1 von %2 im Zeichen %3 bis %4 im Zeichen %5</translation>
    </message>
    <message>
        <source>%1 at %2, in %3</source>
        <translation>%1 um %2, im Zeichen %3</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second full moon, at %2</source>
        <translation>%1: der zweite Vollmond des Monats, um %2</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second new moon, at %2</source>
        <translation>%1: der zweite Neumond des Monats, um %2</translation>
    </message>
    <message>
        <source>%1 at %2, %3 away</source>
        <translation>%1 um %2, %3 entfernt</translation>
    </message>
    <message>
        <source>Mercury is retrograde</source>
        <translation>Merkur ist rückläufig</translation>
    </message>
    <message>
        <source>The sun at 15° %1 at %2: astronomical %3</source>
        <translation>Sonne um %2 auf 15° %1: %3 (astronomisch)</translation>
    </message>
    <message>
        <source>Astronomical %1</source>
        <translation>%1 (astronomisch)</translation>
    </message>
    <message>
        <source>%1, seen from %2</source>
        <translation>%1, von %2 aus sichtbar</translation>
    </message>
    <message>
        <source>%1, not seen from %2</source>
        <translation>%1, von %2 aus nicht sichtbar</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Nach Software-Updates suchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber die Software</translation>
    </message>
</context>
<context>
    <name>MonthPrint</name>
    <message>
        <source>New moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>NM</translation>
    </message>
    <message>
        <source>First</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>VM</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>LV</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <comment>a day and time, then what happens</comment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the start and end of a void of course</comment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Quarters</source>
        <translation>Mondviertel</translation>
    </message>
    <message>
        <source>The moon enters</source>
        <translation>Zeichenwechsel des Mondes</translation>
    </message>
    <message>
        <source>Void of course (modern planets)</source>
        <translation>Leerlauf des Mondes (moderne Planeten)</translation>
    </message>
    <message>
        <source>Void of course (classic planets)</source>
        <translation>Leerlauf des Mondes (klassische Planeten)</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Außerdem</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar for %1; times in %2</source>
        <translation>Lunara Mondkalender für %1; Zeiten in %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a quarter&apos;s short name and its time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The year</source>
        <translation>Das Jahr</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar, %1</source>
        <translation>Lunara Mondkalender, %1</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Zunehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Abnehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Dark Moon</source>
        <translation>Dunkelmond</translation>
    </message>
    <message>
        <source>Waxing Moon</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>The dark moon is a good time for giving up bad habits and overcoming anger.</source>
        <translation>Der Dunkelmond ist eine gute Zeit, um schlechte Gewohnheiten aufzugeben und Zorn zu überwinden.</translation>
    </message>
    <message>
        <source>The new moon is a good time for new ventures, initiating new projects, love and health.</source>
        <translation>Der Neumond ist eine gute Zeit für neue Vorhaben, für den Beginn neuer Projekte, für Liebe und Gesundheit.</translation>
    </message>
    <message>
        <source>The waxing moon is a good time for developing work like power, success, health and partnerships.</source>
        <translation>Der zunehmende Mond ist eine gute Zeit für aufbauende Arbeit, etwa für Kraft, Erfolg, Gesundheit und Partnerschaften.</translation>
    </message>
    <message>
        <source>The full moon is a good time for predictions and trying out Magick. Good for healing projects too. </source>
        <translation>Der Vollmond ist eine gute Zeit für Weissagungen und um Magie auszuprobieren. Auch gut für Heilungsvorhaben. </translation>
    </message>
    <message>
        <source>The waning moon is a good time for removing negativity from oneself.</source>
        <translation>Der abnehmende Mond ist eine gute Zeit, um sich von Negativem zu befreien.</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience</source>
        <translation>Dies ist eine gute Zeit, um Neues zu beginnen. Gut für Zauber, bei denen es um Kraft, Entschlossenheit und Neuanfänge geht. Deine Instinkte werden stark sein. Achte darauf, keine Fehler zu machen, und hab Geduld</translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you.</source>
        <translation>Stärkt die übersinnlichen Kräfte. Gut für Zauber, bei denen es um die Entwicklung übersinnlicher Fähigkeiten und um Autorität geht. Vielleicht bist du sehr emotional, doch lass dich nicht von deinen negativen Gefühlen überwältigen.</translation>
    </message>
    <message>
        <source>Moon In Aries</source>
        <translation>Mond im Widder</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Leidenschaft</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. </source>
        <translation>Dies ist eine gute Zeit, um Neues zu beginnen. Gut für Zauber, bei denen es um Kraft, Entschlossenheit und Neuanfänge geht. Deine Instinkte werden stark sein. Achte darauf, keine Fehler zu machen, und hab Geduld. </translation>
    </message>
    <message>
        <source>Moon In Taurus</source>
        <translation>Mond im Stier</translation>
    </message>
    <message>
        <source>Physical </source>
        <translation>Körperlich </translation>
    </message>
    <message>
        <source>This is a good time for conjuring on personal matters. Good for spells which involve romance, property and finance. Try not to be stubborn. You are very conventional and not willing to change.</source>
        <translation>Dies ist eine gute Zeit, in persönlichen Angelegenheiten zu zaubern. Gut für Zauber, bei denen es um Romantik, Besitz und Finanzen geht. Versuche, nicht stur zu sein. Du bist sehr konventionell und wenig bereit, dich zu ändern.</translation>
    </message>
    <message>
        <source>Moon In Gemini</source>
        <translation>Mond in den Zwillingen</translation>
    </message>
    <message>
        <source>Inquisitiveness </source>
        <translation>Wissbegierde </translation>
    </message>
    <message>
        <source>You are influenced by outside changes. Good for spells which involve journey, negotiations and public involvement. You think of doing ten different things at the same time. Be more emotional than analytical.</source>
        <translation>Veränderungen von außen beeinflussen dich. Gut für Zauber, bei denen es um Reisen, Verhandlungen und öffentliches Engagement geht. Am liebsten würdest du zehn verschiedene Dinge auf einmal tun. Sei eher gefühlvoll als analytisch.</translation>
    </message>
    <message>
        <source>Moon In Cancer</source>
        <translation>Mond im Krebs</translation>
    </message>
    <message>
        <source>Caring </source>
        <translation>Fürsorglich </translation>
    </message>
    <message>
        <source>Family and home is your priority. Good for spells which involve family and friends. You are good at Magick without trying to hard. Try not to be overly emotional. Try to relax.</source>
        <translation>Familie und Zuhause stehen für dich an erster Stelle. Gut für Zauber, bei denen es um Familie und Freunde geht. Magie gelingt dir, ohne dass du dich sehr anstrengen musst. Versuche, nicht übermäßig emotional zu sein, und entspanne dich.</translation>
    </message>
    <message>
        <source>Moon In Leo</source>
        <translation>Mond im Löwen</translation>
    </message>
    <message>
        <source>Resolute</source>
        <translation>Entschlossen</translation>
    </message>
    <message>
        <source>Pleasure and hobbies take the forefront. Good for spells which involve children, power, love. Be sure to follow the right directions. You have the right frame of mind. Be sure to put it to good use.</source>
        <translation>Vergnügen und Hobbys stehen im Vordergrund. Gut für Zauber, bei denen es um Kinder, Macht und Liebe geht. Achte darauf, den richtigen Weg einzuschlagen. Du bist in der richtigen Verfassung; nutze sie gut.</translation>
    </message>
    <message>
        <source>Moon In Virgo</source>
        <translation>Mond in der Jungfrau</translation>
    </message>
    <message>
        <source>Serious</source>
        <translation>Ernsthaft</translation>
    </message>
    <message>
        <source>Minute details are taken care of. Good for spells which involve illnesses, confidence and career. Do not be nervous and insecure. There doesn&apos;t always have to be a second plan ready in case the first one fails. Believe in yourself.</source>
        <translation>Jetzt wird auch auf die kleinsten Einzelheiten geachtet. Gut für Zauber, bei denen es um Krankheiten, Selbstvertrauen und Beruf geht. Sei nicht nervös und unsicher. Es muss nicht immer ein zweiter Plan bereitliegen, falls der erste scheitert. Glaube an dich.</translation>
    </message>
    <message>
        <source>Moon In Libra</source>
        <translation>Mond in der Waage</translation>
    </message>
    <message>
        <source>Helpful </source>
        <translation>Hilfsbereit </translation>
    </message>
    <message>
        <source>This is the right time for alliances and partnerships. Good for spells which involve creativity, legal matters and business deals. You are good at what you do.</source>
        <translation>Dies ist die richtige Zeit für Bündnisse und Partnerschaften. Gut für Zauber, bei denen es um Kreativität, Rechtsangelegenheiten und Geschäftsabschlüsse geht. Du bist gut in dem, was du tust.</translation>
    </message>
    <message>
        <source>Moon In Scorpio</source>
        <translation>Mond im Skorpion</translation>
    </message>
    <message>
        <source>Idealistic </source>
        <translation>Idealistisch </translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you. </source>
        <translation>Stärkt die übersinnlichen Kräfte. Gut für Zauber, bei denen es um die Entwicklung übersinnlicher Fähigkeiten und um Autorität geht. Vielleicht bist du sehr emotional, doch lass dich nicht von deinen negativen Gefühlen überwältigen. </translation>
    </message>
    <message>
        <source>Moon In Sagittarius</source>
        <translation>Mond im Schützen</translation>
    </message>
    <message>
        <source>Posetive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Time to dream and move on. Good for spells which involve education and sports. You think with a positive mind. Just don&apos;t be hasty and forget the minute details.</source>
        <translation>Zeit, zu träumen und nach vorn zu blicken. Gut für Zauber, bei denen es um Bildung und Sport geht. Du denkst positiv. Sei nur nicht vorschnell und vergiss die kleinen Einzelheiten nicht.</translation>
    </message>
    <message>
        <source>Moon In Capricorn</source>
        <translation>Mond im Steinbock</translation>
    </message>
    <message>
        <source>Motivated</source>
        <translation>Motiviert</translation>
    </message>
    <message>
        <source>This is the right time to increase business sense and responsibility. Good for spells which involve power, work and dreams. Think calmly but don&apos;t do not become too logical.</source>
        <translation>Dies ist die richtige Zeit, Geschäftssinn und Verantwortungsbewusstsein zu stärken. Gut für Zauber, bei denen es um Macht, Arbeit und Träume geht. Denke in Ruhe nach, aber werde nicht zu nüchtern und rational.</translation>
    </message>
    <message>
        <source>Moon In Aquarius</source>
        <translation>Mond im Wassermann</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Kontaktfreudig</translation>
    </message>
    <message>
        <source>Time to socialize and make merry. Good for spells which involve friends, analysis and personal development. You are a born natural. Try not to be too stubborn.</source>
        <translation>Zeit für Geselligkeit und Fröhlichkeit. Gut für Zauber, bei denen es um Freunde, Analyse und persönliche Entwicklung geht. Du bist ein Naturtalent. Versuche, nicht zu stur zu sein.</translation>
    </message>
    <message>
        <source>Moon In Pisces</source>
        <translation>Mond in den Fischen</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Optimistisch</translation>
    </message>
    <message>
        <source>A lot of inner development will occur with new understanding and experience. Good for spells which involve psychic capabilities and intuition. Improve your self-confidence. Do not try to do bad Magick.</source>
        <translation>Neue Einsichten und Erfahrungen bringen viel innere Entwicklung. Gut für Zauber, bei denen es um übersinnliche Fähigkeiten und Intuition geht. Stärke dein Selbstvertrauen. Versuche dich nicht an schädlicher Magie.</translation>
    </message>
    <message>
        <source>Magick related to the Fire element should be performed when the Moon is in any of the Fire Signs. This can include Magick related to strength, determination, new beginnings, children, power, love, education and sports.</source>
        <translation>Magie, die mit dem Element Feuer verbunden ist, sollte gewirkt werden, wenn der Mond in einem der Feuerzeichen steht. Dazu kann Magie rund um Kraft, Entschlossenheit, Neuanfänge, Kinder, Macht, Liebe, Bildung und Sport gehören.</translation>
    </message>
    <message>
        <source>Magick related to the Earth element should be performed when the Moon is in any of the Earth Signs. This can include Magick related to illnesses, confidence, career, education, sports, romance, property and finance. </source>
        <translation>Magie, die mit dem Element Erde verbunden ist, sollte gewirkt werden, wenn der Mond in einem der Erdzeichen steht. Dazu kann Magie rund um Krankheit, Selbstvertrauen, Beruf, Bildung, Sport, Romantik, Besitz und Finanzen gehören. </translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development.</source>
        <translation>Magie, die mit dem Element Luft verbunden ist, sollte gewirkt werden, wenn der Mond in einem der Luftzeichen steht. Dazu kann Magie rund um Reisen, Verhandlungen, öffentliches Engagement, Kreativität, Rechtsangelegenheiten, Geschäftsabschlüsse, Freunde, Analyse und persönliche Entwicklung gehören.</translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development</source>
        <translation>Magie, die mit dem Element Luft verbunden ist, sollte gewirkt werden, wenn der Mond in einem der Luftzeichen steht. Dazu kann Magie rund um Reisen, Verhandlungen, öffentliches Engagement, Kreativität, Rechtsangelegenheiten, Geschäftsabschlüsse, Freunde, Analyse und persönliche Entwicklung gehören</translation>
    </message>
    <message>
        <source>Magick related to the Water element should be performed when the Moon is in any of the Water Signs. This can include Magick related to family, friends, psychic development, authority, psychic capabilities and intuition.</source>
        <translation>Magie, die mit dem Element Wasser verbunden ist, sollte gewirkt werden, wenn der Mond in einem der Wasserzeichen steht. Dazu kann Magie rund um Familie, Freunde, die Entwicklung übersinnlicher Fähigkeiten, Autorität, Hellsichtigkeit und Intuition gehören.</translation>
    </message>
</context>
<context>
    <name>Offers</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Das beliebteste Online-Diskussionsforum für Mystik. Die beste Quelle für alles Mystische. Besuche jetzt %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internetgeschäft und verdiene online Geld. Erhalte diese Software komplett unter dem Namen deiner Website. Klicke hier für weitere Einzelheiten.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Biete diese Software unter dem Namen deiner Website an.  Stärke die Treue deiner Besucher und steigere die Besucherzahlen. Setze hier Namen &amp;&amp;  Link deiner Website ein. Einzelheiten unter „Hilfe“.    Klicke hier für mehr über die Software unter deinem Namen.</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>N</source>
        <comment>north, after a latitude</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south, after a latitude</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east, after a longitude</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west, after a longitude</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>%1° %2</source>
        <comment>degrees and a hemisphere&apos;s letter</comment>
        <translation>%1° %2</translation>
    </message>
    <message>
        <source>Type a latitude.</source>
        <translation>Gib eine Breite ein.</translation>
    </message>
    <message>
        <source>Type a longitude.</source>
        <translation>Gib eine Länge ein.</translation>
    </message>
    <message>
        <source>Type a latitude like 52.52 or 52°31′N.</source>
        <translation>Gib eine Breite wie 52,52 oder 52°31′N ein.</translation>
    </message>
    <message>
        <source>Type a longitude like 13.41 or 13°24′E.</source>
        <translation>Gib eine Länge wie 13,41 oder 13°24′O ein.</translation>
    </message>
    <message>
        <source>Use N or S after a latitude.</source>
        <translation>Setze N oder S hinter die Breite.</translation>
    </message>
    <message>
        <source>Use E or W after a longitude.</source>
        <translation>Setze O oder W hinter die Länge.</translation>
    </message>
    <message>
        <source>Give either a sign or a letter, not both.</source>
        <translation>Gib entweder ein Vorzeichen oder einen Buchstaben an, nicht beides.</translation>
    </message>
    <message>
        <source>A latitude lies between 90° S and 90° N.</source>
        <translation>Die Breite liegt zwischen 90° S und 90° N.</translation>
    </message>
    <message>
        <source>A longitude lies between 180° W and 180° E.</source>
        <translation>Die Länge liegt zwischen 180° W und 180° O.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>latitude, longitude</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>PlanetaryDays</name>
    <message>
        <source>The day of the Sun</source>
        <translation>Der Tag der Sonne</translation>
    </message>
    <message>
        <source>The day of the Moon</source>
        <translation>Der Tag des Mondes</translation>
    </message>
    <message>
        <source>The day of Mars</source>
        <translation>Der Tag des Mars</translation>
    </message>
    <message>
        <source>The day of Mercury</source>
        <translation>Der Tag des Merkur</translation>
    </message>
    <message>
        <source>The day of Jupiter</source>
        <translation>Der Tag des Jupiter</translation>
    </message>
    <message>
        <source>The day of Venus</source>
        <translation>Der Tag der Venus</translation>
    </message>
    <message>
        <source>The day of Saturn</source>
        <translation>Der Tag des Saturn</translation>
    </message>
    <message>
        <source>%1: sunrise %2, sunset %3, next sunrise %4</source>
        <translation>%1: Sonnenaufgang %2, Sonnenuntergang %3, nächster Sonnenaufgang %4</translation>
    </message>
    <message>
        <source>%1: the sun sets at %2 and does not rise again this day.</source>
        <translation>%1: Die Sonne geht um %2 unter und an diesem Tag nicht wieder auf.</translation>
    </message>
    <message>
        <source>%1: the sun does not set.</source>
        <translation>%1: Die Sonne geht nicht unter.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise.</source>
        <translation>%1: Die Sonne geht nicht auf.</translation>
    </message>
    <message>
        <source>%1: the sun does not set within a day after it rises at %2.</source>
        <translation>%1: Die Sonne geht um %2 auf und innerhalb eines Tages danach nicht unter.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise again within a day after it sets at %2.</source>
        <translation>%1: Die Sonne geht um %2 unter und innerhalb eines Tages danach nicht wieder auf.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun sets at %1 and does not rise again this day, so there is no daylight and night to divide.</source>
        <translation>Keine Planetenstunden an diesem Tag: Die Sonne geht um %1 unter und an diesem Tag nicht wieder auf, daher lassen sich Tag und Nacht nicht einteilen.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set, so there is no daylight and night to divide.</source>
        <translation>Keine Planetenstunden an diesem Tag: Die Sonne geht nicht unter, daher lassen sich Tag und Nacht nicht einteilen.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise, so there is no daylight and night to divide.</source>
        <translation>Keine Planetenstunden an diesem Tag: Die Sonne geht nicht auf, daher lassen sich Tag und Nacht nicht einteilen.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set within a day after it rises at %1, so there is no daylight and night to divide.</source>
        <translation>Keine Planetenstunden an diesem Tag: Die Sonne geht um %1 auf und innerhalb eines Tages danach nicht unter, daher lassen sich Tag und Nacht nicht einteilen.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise again within a day after it sets at %1, so there is no daylight and night to divide.</source>
        <translation>Keine Planetenstunden an diesem Tag: Die Sonne geht um %1 unter und innerhalb eines Tages danach nicht wieder auf, daher lassen sich Tag und Nacht nicht einteilen.</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>New moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>First and last quarters</source>
        <translation>Erstes und letztes Viertel</translation>
    </message>
    <message>
        <source>The moon entering a sign</source>
        <translation>Zeichenwechsel des Mondes</translation>
    </message>
    <message>
        <source>The void-of-course moon starting</source>
        <translation>Beginn eines Leerlaufs des Mondes</translation>
    </message>
    <message>
        <source>Sabbats</source>
        <translation>Sabbate</translation>
    </message>
    <message>
        <source>Eclipses seen from here</source>
        <translation>Hier sichtbare Finsternisse</translation>
    </message>
    <message>
        <source>A planet turning retrograde or direct</source>
        <translation>Planeten, die rückläufig oder rechtläufig werden</translation>
    </message>
    <message>
        <source>A planetary hour starting</source>
        <translation>Beginn einer Planetenstunde</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>Zum Zeitpunkt</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 Minuten vorher</translation>
    </message>
    <message>
        <source>In 15 minutes</source>
        <translation>In 15 Minuten</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 Stunde vorher</translation>
    </message>
    <message>
        <source>In 1 hour</source>
        <translation>In 1 Stunde</translation>
    </message>
    <message>
        <source>3 hours before</source>
        <translation>3 Stunden vorher</translation>
    </message>
    <message>
        <source>In 3 hours</source>
        <translation>In 3 Stunden</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 Tag vorher</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 Tage vorher</translation>
    </message>
    <message>
        <source>In 3 days</source>
        <translation>In 3 Tagen</translation>
    </message>
    <message>
        <source>The hour of %1 begins</source>
        <translation>Die Stunde des Planeten %1 beginnt</translation>
    </message>
    <message>
        <source>The moon is void of course</source>
        <translation>Der Mond ist im Leerlauf</translation>
    </message>
    <message>
        <source>%1 turns direct in %2</source>
        <translation>%1 wird im Zeichen %2 rechtläufig</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2</source>
        <translation>%1 wird im Zeichen %2 rückläufig</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>the calendar file could not be made</source>
        <translation>die Kalenderdatei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>die PDF-Datei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>the autostart entry could not be made</source>
        <translation>der Autostart-Eintrag konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>The calendar file could not be saved as %1: %2. Nothing was written.</source>
        <translation>Die Kalenderdatei konnte nicht als %1 gespeichert werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: %2. Nothing was written.</source>
        <translation>Die PDF-Datei konnte nicht als %1 gespeichert werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The autostart entry could not be saved as %1: %2. Nothing was written.</source>
        <translation>Der Autostart-Eintrag konnte nicht als %1 gespeichert werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>the list of events could not be made</source>
        <translation>die Ereignisliste konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>The list of events could not be saved as %1: %2. Nothing was written.</source>
        <translation>Die Ereignisliste konnte nicht als %1 gespeichert werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
</context>
<context>
    <name>SkyWords</name>
    <message>
        <source>%1 %2</source>
        <comment>a weekday and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Void of course from %1 until the moon enters %2 at %3</source>
        <translation>Leerlauf von %1 bis %3, dann wechselt der Mond ins Zeichen %2</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar</translation>
    </message>
</context>
<context>
    <name>lunara::MoonMonthModel</name>
    <message>
        <source>%1, new moon at %2</source>
        <translation>%1, Neumond um %2</translation>
    </message>
    <message>
        <source>%1, first quarter at %2</source>
        <translation>%1, Erstes Viertel um %2</translation>
    </message>
    <message>
        <source>%1, full moon at %2</source>
        <translation>%1, Vollmond um %2</translation>
    </message>
    <message>
        <source>%1, last quarter at %2</source>
        <translation>%1, Letztes Viertel um %2</translation>
    </message>
    <message>
        <source>%1: no such day here, the clocks skipped it</source>
        <translation>%1: Diesen Tag gibt es hier nicht, die Uhren haben ihn übersprungen</translation>
    </message>
    <message>
        <source>%1, %2 % lit, moon in %3</source>
        <translation>%1, zu %2 % beleuchtet, Mond im Zeichen %3</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a day&apos;s words and one of its events</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>today, chosen</source>
        <translation>heute, ausgewählt</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation>Woche vom %1</translation>
    </message>
</context>
<context>
    <name>lunara::Notifier</name>
    <message>
        <source>Show in calendar</source>
        <translation>Im Kalender zeigen</translation>
    </message>
</context>
<context>
    <name>lunara::Reminders</name>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>Late reminder</source>
        <translation>Verspätete Erinnerung</translation>
    </message>
    <message>
        <source>%1: %2 at %3 (%4)</source>
        <translation>%1: %2 um %3 (%4)</translation>
    </message>
    <message>
        <source>Today, all day (%1)</source>
        <translation>Heute, ganztägig (%1)</translation>
    </message>
    <message>
        <source>%1: %2, all day (%3)</source>
        <translation>%1: %2, ganztägig (%3)</translation>
    </message>
    <message>
        <source>%1 in %2, void of course until %3</source>
        <translation>%1 im Zeichen %2, Leerlauf bis %3</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <comment>the moon&apos;s phase and sign</comment>
        <translation>%1 im Zeichen %2</translation>
    </message>
</context>
<context>
    <name>lunara::Services</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchtest du die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1: its lock %2 is held and cannot be cleared</source>
        <translation>%1: Die Sperre %2 ist belegt und lässt sich nicht aufheben</translation>
    </message>
</context>
<context>
    <name>lunara::frmAbout</name>
    <message>
        <source>Lunara v1.20</source>
        <translation>Lunara v1.20</translation>
    </message>
    <message>
        <source>Magick is a very widely practiced path in the divination world. Lunara comprises of Velmora Candle Magick &amp; Velmora Moon Magick and displays the correspondence between different magick rituals and the colors of candles that should be used &amp; the influence of the phases of the moon on magick rituals.</source>
        <translation>Magie ist ein weit verbreiteter Weg in der Welt der Weissagung. Lunara umfasst Velmora Kerzenmagie und Velmora Mondmagie und zeigt, welche Kerzenfarben zu welchen magischen Ritualen gehören und wie die Mondphasen magische Rituale beeinflussen.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internetgeschäft und verdiene online Geld. Erhalte diese Software komplett unter dem Namen deiner Website. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klicke hier für weitere Einzelheiten.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Klicke hier, um %1 zu besuchen</translation>
    </message>
</context>
<context>
    <name>lunara::frmCandleMagickMain</name>
    <message>
        <source>Velmora Candle Magick displays the correspondence between different magick rituals and the colors of candles that should be used. Candle magick is very effective when the right candles are used for the right purposes. This needs to be repeated many times before your purpose is solved. Note that you do not harm to anyone.</source>
        <translation>Velmora Kerzenmagie zeigt, welche Kerzenfarben zu welchen magischen Ritualen gehören. Kerzenmagie ist sehr wirkungsvoll, wenn die richtigen Kerzen für die richtigen Zwecke verwendet werden. Oft muss ein Ritual viele Male wiederholt werden, bis dein Anliegen erfüllt ist. Achte darauf, niemandem zu schaden.</translation>
    </message>
    <message>
        <source>Select one of the following purposes and know which candle to use.</source>
        <translation>Wähle einen der folgenden Zwecke und erfahre, welche Kerze du verwenden solltest.</translation>
    </message>
    <message>
        <source>Candle Selection</source>
        <translation>Kerzenwahl</translation>
    </message>
    <message>
        <source>Available Options</source>
        <translation>Mögliche Optionen</translation>
    </message>
    <message>
        <source>&amp;Get Candle Magick Reading</source>
        <translation>Kerzenmagie-Deutung an&amp;zeigen</translation>
    </message>
    <message>
        <source>Candle Color</source>
        <translation>Kerzenfarbe</translation>
    </message>
    <message>
        <source>Option Selection</source>
        <translation>Gewählte Option</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Zweck</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Velmora Candle Magick</source>
        <translation>Velmora Kerzenmagie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Magische Stunden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>To be given</source>
        <translation>Noch offen</translation>
    </message>
</context>
<context>
    <name>lunara::frmExportCalendar</name>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>A c&amp;hosen year:</source>
        <translation>&amp;Gewähltes Jahr:</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Einbeziehen</translation>
    </message>
    <message>
        <source>The four &amp;quarters</source>
        <translation>Die vier Mond&amp;viertel</translation>
    </message>
    <message>
        <source>The moon entering each &amp;sign</source>
        <translation>&amp;Zeichenwechsel des Mondes</translation>
    </message>
    <message>
        <source>&amp;Void-of-course periods, counting</source>
        <translation>&amp;Leerlaufphasen des Mondes, berechnet für:</translation>
    </message>
    <message>
        <source>C&amp;lassic planets (Sun to Saturn)</source>
        <translation>&amp;Klassische Planeten (Sonne bis Saturn)</translation>
    </message>
    <message>
        <source>M&amp;odern planets (to Pluto)</source>
        <translation>M&amp;oderne Planeten (bis Pluto)</translation>
    </message>
    <message>
        <source>The &amp;Wheel of the Year&apos;s sabbats</source>
        <translation>Die Sa&amp;bbate des Jahreskreises</translation>
    </message>
    <message>
        <source>Ecli&amp;pses, as seen from here</source>
        <translation>&amp;Finsternisse, wie von hier aus zu sehen</translation>
    </message>
    <message>
        <source>&amp;Retrograde periods, as whole days</source>
        <translation>&amp;Rückläufige Phasen, als ganze Tage</translation>
    </message>
    <message>
        <source>Full moon &amp;names, blue and black moons</source>
        <translation>Vollmond&amp;namen, blaue und schwarze Monde</translation>
    </message>
    <message>
        <source>S&amp;upermoons and micromoons</source>
        <translation>S&amp;upermonde und Mikromonde</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>In Kalender exportieren</translation>
    </message>
    <message>
        <source>This &amp;month (%1)</source>
        <translation>Dieser &amp;Monat (%1)</translation>
    </message>
    <message>
        <source>This &amp;year (%1)</source>
        <translation>Dieses &amp;Jahr (%1)</translation>
    </message>
    <message>
        <source>Year to export</source>
        <translation>Zu exportierendes Jahr</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Wähle mindestens eine Art von Ereignis.</translation>
    </message>
</context>
<context>
    <name>lunara::frmLocation</name>
    <message>
        <source>Degrees north and east are positive; 51°28′N or 0°07′W work too.</source>
        <translation>Grad Nord und Ost sind positiv; auch 51°28′N oder 0°07′W sind möglich.</translation>
    </message>
    <message>
        <source>Use &amp;Default</source>
        <translation>Stan&amp;dard verwenden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>&amp;Find a city:</source>
        <translation>&amp;Stadt suchen:</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, as your time zone names no city.</source>
        <translation>Ohne Auswahl verwendet Lunara %1, da deine Zeitzone keine Stadt nennt.</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, the city of your time zone.</source>
        <translation>Ohne Auswahl verwendet Lunara %1, die Stadt deiner Zeitzone.</translation>
    </message>
    <message>
        <source>The location is used now but could not be saved for next time.</source>
        <translation>Der Standort wird jetzt verwendet, konnte aber nicht für das nächste Mal gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>lunara::frmMDI</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Lunara speaks the language chosen from its next start.</source>
        <translation>Lunara verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written.</source>
        <translation>Die Sprache konnte nicht gespeichert werden: Die Einstellungen lassen sich nicht schreiben.</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>&amp;Systemstandard</translation>
    </message>
    <message>
        <source>&amp;Moon Magick</source>
        <translation>&amp;Mondmagie</translation>
    </message>
    <message>
        <source>&amp;Candle Magick</source>
        <translation>&amp;Kerzenmagie</translation>
    </message>
    <message>
        <source>Welcome to Lunara</source>
        <translation>Willkommen bei Lunara</translation>
    </message>
    <message>
        <source>Welcome to the Magickal world of occult and spirituality. Lunara will open new doors in Candle and Moon magick. Use the different resources to gain more understanding of the subject.</source>
        <translation>Willkommen in der magischen Welt des Okkulten und der Spiritualität. Lunara öffnet dir neue Türen zur Kerzen- und Mondmagie. Nutze die verschiedenen Bereiche, um das Thema besser zu verstehen.</translation>
    </message>
    <message>
        <source>Lunara includes the following programs</source>
        <translation>Lunara enthält die folgenden Programme</translation>
    </message>
    <message>
        <source>Candle Magick</source>
        <translation>Kerzenmagie</translation>
    </message>
    <message>
        <source>Moon Magick</source>
        <translation>Mondmagie</translation>
    </message>
    <message>
        <source>Moon Calendar</source>
        <translation>Mondkalender</translation>
    </message>
    <message>
        <source>Magick Hours</source>
        <translation>Magische Stunden</translation>
    </message>
    <message>
        <source>The Year</source>
        <translation>Das Jahr</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Lunara v1.20</source>
        <translation>Lunara v1.20</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Das beliebteste Mystik-Forum im Netz. Die beste Quelle für alles Mystische. Besuche jetzt %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Lit candles</source>
        <translation>Brennende Kerzen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>Mond&amp;kalender</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Magische Stunden</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>Das &amp;Jahr</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Erinnerungen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Stop Reminders and Quit</source>
        <translation>Erinnerungen s&amp;toppen und beenden</translation>
    </message>
    <message>
        <source>Reminders cannot be remembered</source>
        <translation>Erinnerungen können nicht gemerkt werden</translation>
    </message>
    <message>
        <source>Lunara cannot write its settings (%1). Until it can, it does not remember across restarts which reminders it has shown, so one may come again after Lunara starts anew.</source>
        <translation>Lunara kann seine Einstellungen nicht speichern (%1). Solange das so ist, merkt es sich über einen Neustart hinweg nicht, welche Erinnerungen es schon gezeigt hat; nach einem Neustart von Lunara kann eine Erinnerung daher noch einmal erscheinen.</translation>
    </message>
    <message>
        <source>&amp;Open Lunara</source>
        <translation>&amp;Lunara öffnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Lunara
%1</source>
        <comment>the tray icon&apos;s tooltip</comment>
        <translation>Lunara
%1</translation>
    </message>
</context>
<context>
    <name>lunara::frmMagickHours</name>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>H&amp;eute</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>S&amp;tandort...</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>Der Mond</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Leerlauf des Mondes</translation>
    </message>
    <message>
        <source>Aspects to</source>
        <translation>Aspekte zu</translation>
    </message>
    <message>
        <source>&amp;Classic planets (Sun to Saturn)</source>
        <translation>&amp;Klassische Planeten (Sonne bis Saturn)</translation>
    </message>
    <message>
        <source>&amp;Modern planets (to Pluto)</source>
        <translation>&amp;Moderne Planeten (bis Pluto)</translation>
    </message>
    <message>
        <source>Enter or a double click on an hour shows its planet&apos;s candle in Candle Magick.</source>
        <translation>Mit der Eingabetaste oder einem Doppelklick auf eine Stunde erscheint die Kerze ihres Planeten in der Kerzenmagie.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Lunara Magick Hours</source>
        <translation>Lunara Magische Stunden</translation>
    </message>
    <message>
        <source>Planetary hours</source>
        <translation>Planetenstunden</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Kerze</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Vorheriger Tag</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>&amp;Vorheriger Tag</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>&amp;Nächster Tag</translation>
    </message>
    <message>
        <source>Planetary hours for %1; times in %2 (%3)</source>
        <translation>Planetenstunden für %1; Zeiten in %2 (%3)</translation>
    </message>
    <message>
        <source>Planetary hours for %1</source>
        <translation>Planetenstunden für %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>Nacht %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <comment>an hour&apos;s name</comment>
        <translation>%1 (jetzt)</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Nachtstunde %1, %2 bis %3, %4, Kerzenfarbe %5, jetzt</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Nachtstunde %1, %2 bis %3, %4, Kerzenfarbe %5</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Tagesstunde %1, %2 bis %3, %4, Kerzenfarbe %5, jetzt</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Tagesstunde %1, %2 bis %3, %4, Kerzenfarbe %5</translation>
    </message>
    <message>
        <source>%1, in %2 (now)</source>
        <translation>%1, im Zeichen %2 (jetzt)</translation>
    </message>
    <message>
        <source>%1, in %2 (at noon)</source>
        <translation>%1, im Zeichen %2 (mittags)</translation>
    </message>
    <message>
        <source>The moon is not void of course this day.</source>
        <translation>Der Mond ist an diesem Tag nicht im Leerlauf.</translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonCalendar</name>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>H&amp;eute</translation>
    </message>
    <message>
        <source>Hemisphere:</source>
        <translation>Halbkugel:</translation>
    </message>
    <message>
        <source>&amp;Northern</source>
        <translation>&amp;Nördliche</translation>
    </message>
    <message>
        <source>&amp;Southern</source>
        <translation>&amp;Südliche</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>S&amp;tandort...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar</source>
        <translation>Lunara Mondkalender</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar...</source>
        <translation>In &amp;Kalender exportieren...</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>Das &amp;Jahr</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Erinnerungen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>&amp;Vorheriger Monat</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>&amp;Nächster Monat</translation>
    </message>
    <message>
        <source>Sunrise and sunset for %1</source>
        <translation>Sonnenaufgang und -untergang für %1</translation>
    </message>
    <message>
        <source>Your time zone names no city.</source>
        <translation>Deine Zeitzone nennt keine Stadt.</translation>
    </message>
    <message>
        <source>%1 is your time zone&apos;s city.</source>
        <translation>%1 ist die Stadt deiner Zeitzone.</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>Der Drucker konnte nicht verwendet werden. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>In Kalender exportieren</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Kalenderdateien (*.ics)</translation>
    </message>
    <message>
        <source>The sun does not set</source>
        <translation>Die Sonne geht nicht unter</translation>
    </message>
    <message>
        <source>The sun does not rise</source>
        <translation>Die Sonne geht nicht auf</translation>
    </message>
    <message>
        <source>The moon does not set</source>
        <translation>Der Mond geht nicht unter</translation>
    </message>
    <message>
        <source>The moon does not rise</source>
        <translation>Der Mond geht nicht auf</translation>
    </message>
    <message>
        <source>sunrise %1</source>
        <translation>Sonnenaufgang %1</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>Sonnenuntergang %1</translation>
    </message>
    <message>
        <source>moonrise %1</source>
        <translation>Mondaufgang %1</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>Monduntergang %1</translation>
    </message>
    <message>
        <source>no sunrise this day</source>
        <translation>kein Sonnenaufgang an diesem Tag</translation>
    </message>
    <message>
        <source>no moonrise this day</source>
        <translation>kein Mondaufgang an diesem Tag</translation>
    </message>
    <message>
        <source>no sunset this day</source>
        <translation>kein Sonnenuntergang an diesem Tag</translation>
    </message>
    <message>
        <source>no moonset this day</source>
        <translation>kein Monduntergang an diesem Tag</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the phrases of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>The moon is not void of course this day</source>
        <translation>Der Mond ist an diesem Tag nicht im Leerlauf</translation>
    </message>
    <message>
        <source>No such day here: the clocks skipped it</source>
        <translation>Diesen Tag gibt es hier nicht: Die Uhren haben ihn übersprungen</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a phase and the time of its quarter</comment>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>Moon picture: %1</source>
        <translation>Mondbild: %1</translation>
    </message>
    <message>
        <source>Age: %1 days</source>
        <translation>Alter: %1 Tage</translation>
    </message>
    <message>
        <source>Lit: %1 %</source>
        <translation>Beleuchtet: %1 %</translation>
    </message>
    <message>
        <source>The moon enters %1 at %2</source>
        <translation>Der Mond wechselt um %2 ins Zeichen %1</translation>
    </message>
    <message>
        <source>enters %1 at %2</source>
        <translation>um %2 ins Zeichen %1</translation>
    </message>
    <message>
        <source>Keyword: %1</source>
        <translation>Stichwort: %1</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Element: %1</translation>
    </message>
    <message numerus="yes">
        <source>The traditional rule says %n days, %1</source>
        <translation>
            <numerusform>Nach alter Regel: %n Tag, %1</numerusform>
            <numerusform>Nach alter Regel: %n Tage, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, today</source>
        <translation>Nächster Neumond: %1 um %2, heute</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, today</source>
        <translation>Nächster Vollmond: %1 um %2, heute</translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, in 1 day</source>
        <translation>Nächster Neumond: %1 um %2, in einem Tag</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, in 1 day</source>
        <translation>Nächster Vollmond: %1 um %2, in einem Tag</translation>
    </message>
    <message numerus="yes">
        <source>Next new moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Nächster Neumond: %1 um %2, in %n Tag</numerusform>
            <numerusform>Nächster Neumond: %1 um %2, in %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Next full moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Nächster Vollmond: %1 um %2, in %n Tag</numerusform>
            <numerusform>Nächster Vollmond: %1 um %2, in %n Tagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickDisplay</name>
    <message>
        <source>Keywords</source>
        <translation>Stichworte</translation>
    </message>
    <message>
        <source>Moon Phase on</source>
        <translation>Mondphase am</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Heute ist</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message numerus="yes">
        <source>Moon picture: %n days, %1</source>
        <translation>
            <numerusform>Mondbild: %n Tag alt, %1</numerusform>
            <numerusform>Mondbild: %n Tage alt, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Velmora Mondmagie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickMain</name>
    <message>
        <source>The Moon has a strong influence on magick rituals. Know more about the moon phases and the corresponding effects on magick.</source>
        <translation>Der Mond hat großen Einfluss auf magische Rituale. Erfahre mehr über die Mondphasen und ihre Wirkung auf die Magie.</translation>
    </message>
    <message>
        <source>Enter Date for Moon Magick</source>
        <translation>Datum für die Mondmagie wählen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Moon Phase - Magick Correspondence</source>
        <translation>Mondphase – magische Entsprechung</translation>
    </message>
    <message>
        <source>Zodiacal Moon Magick</source>
        <translation>Mondmagie nach Tierkreiszeichen</translation>
    </message>
    <message>
        <source>Elemental Moon Magick</source>
        <translation>Mondmagie nach Element</translation>
    </message>
    <message>
        <source>Moon &amp;Magick Reading</source>
        <translation>&amp;Mondmagie-Deutung</translation>
    </message>
    <message>
        <source>Today&apos;s Moon Phase</source>
        <translation>Heutige Mondphase</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Heute ist</translation>
    </message>
    <message>
        <source>Today&apos;s Zodiacal Elemental Moon Magick</source>
        <translation>Heutige Mondmagie nach Tierkreiszeichen</translation>
    </message>
    <message>
        <source>Keywords:-</source>
        <translation>Stichworte:</translation>
    </message>
    <message>
        <source>Today&apos;s Elemental Moon Magick</source>
        <translation>Heutige Mondmagie nach Element</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Velmora Mondmagie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>Mond&amp;kalender</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation>Bitte wähle ein gültiges Datum!</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminder</name>
    <message>
        <source>Lunara Reminders</source>
        <translation>Lunara Erinnerungen</translation>
    </message>
    <message>
        <source>&amp;Reminders:</source>
        <translation>&amp;Erinnerungen:</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Show in &amp;Calendar</source>
        <translation>Im &amp;Kalender zeigen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Remind me of:</source>
        <translation>Erinnere mich an:</translation>
    </message>
    <message>
        <source>When: %1</source>
        <translation>Wann: %1</translation>
    </message>
    <message>
        <source>Whose planetary hour</source>
        <translation>Welche Planetenstunde</translation>
    </message>
    <message>
        <source>&amp;Start with my session (in the background)</source>
        <translation>Bei der &amp;Anmeldung starten (im Hintergrund)</translation>
    </message>
    <message>
        <source>While any reminder is on, closing Lunara keeps it running in the tray to remind you; choose Quit in the tray icon&apos;s menu to end it.</source>
        <translation>Solange eine Erinnerung eingeschaltet ist, läuft Lunara nach dem Schließen im Infobereich weiter, um dich zu erinnern; wähle „Beenden“ im Menü seines Symbols im Infobereich, um es ganz zu beenden.</translation>
    </message>
    <message>
        <source>This desktop has no tray: Lunara reminds you while it runs. Started with your session it runs in the background; its File menu then offers &quot;Stop Reminders and Quit&quot;.</source>
        <translation>Diese Arbeitsumgebung hat keinen Infobereich: Lunara erinnert dich, solange es läuft. Beim Anmelden gestartet, läuft es im Hintergrund; sein Menü „Datei“ bietet dann „Erinnerungen stoppen und beenden“.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The reminders could not be kept: the settings cannot be written.</source>
        <translation>Die Erinnerungen konnten nicht gespeichert werden: Die Einstellungen lassen sich nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>lunara::frmYear</name>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>&amp;PDF-Export...</translation>
    </message>
    <message>
        <source>Enter or a double click on an entry opens the Moon Calendar at its day.</source>
        <translation>Mit der Eingabetaste oder einem Doppelklick auf einen Eintrag öffnet sich der Mondkalender an seinem Tag.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the first and last day of a period</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>The Wheel of the Year</source>
        <translation>Der Jahreskreis</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Finsternisse</translation>
    </message>
    <message>
        <source>Retrogrades</source>
        <translation>Rückläufige Phasen</translation>
    </message>
    <message>
        <source>Full moons</source>
        <translation>Vollmonde</translation>
    </message>
    <message>
        <source>Blue and black moons</source>
        <translation>Blaue und schwarze Monde</translation>
    </message>
    <message>
        <source>Supermoons and micromoons</source>
        <translation>Supermonde und Mikromonde</translation>
    </message>
    <message>
        <source>None this year</source>
        <translation>Keine in diesem Jahr</translation>
    </message>
    <message>
        <source>Lunara: The Year %1 (continued)</source>
        <translation>Lunara: Das Jahr %1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Lunara: The Year %1</source>
        <translation>Lunara: Das Jahr %1</translation>
    </message>
    <message>
        <source>Lunara: The Year</source>
        <translation>Lunara: Das Jahr</translation>
    </message>
    <message>
        <source>The year&apos;s events</source>
        <translation>Ereignisse des Jahres</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Vorheriges Jahr</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Show in Moon &amp;Calendar</source>
        <translation>Im Mond&amp;kalender zeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>For %1; southern hemisphere; times in %2</source>
        <translation>Für %1; Südhalbkugel; Zeiten in %2</translation>
    </message>
    <message>
        <source>For %1; northern hemisphere; times in %2</source>
        <translation>Für %1; Nordhalbkugel; Zeiten in %2</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>Der Drucker konnte nicht verwendet werden. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
</TS>
