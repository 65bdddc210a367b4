<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Almanac</name>
    <message>
        <source>Ostara, the spring equinox</source>
        <translation>Ostara, l’équinoxe de printemps</translation>
    </message>
    <message>
        <source>Mabon, the autumn equinox</source>
        <translation>Mabon, l’équinoxe d’automne</translation>
    </message>
    <message>
        <source>Litha, the summer solstice</source>
        <translation>Litha, le solstice d’été</translation>
    </message>
    <message>
        <source>Yule, the winter solstice</source>
        <translation>Yule, le solstice d’hiver</translation>
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
        <translation>Éclipse solaire partielle</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Éclipse solaire annulaire</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Éclipse solaire totale</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Éclipse solaire hybride</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Éclipse lunaire par la pénombre</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Éclipse lunaire partielle</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Éclipse lunaire totale</translation>
    </message>
    <message>
        <source>Penumbral eclipse begins</source>
        <translation>Début de l’éclipse par la pénombre</translation>
    </message>
    <message>
        <source>Partial eclipse begins</source>
        <translation>Début de l’éclipse partielle</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Début de la totalité</translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation>Maximum de l’éclipse</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Fin de la totalité</translation>
    </message>
    <message>
        <source>Partial eclipse ends</source>
        <translation>Fin de l’éclipse partielle</translation>
    </message>
    <message>
        <source>Penumbral eclipse ends</source>
        <translation>Fin de l’éclipse par la pénombre</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Début de l’éclipse</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Début de la phase annulaire</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Fin de la phase annulaire</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Fin de l’éclipse</translation>
    </message>
    <message>
        <source>Wolf Moon</source>
        <translation>Lune du loup</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Lune des neiges</translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation>Lune du ver</translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation>Lune rose</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Lune des fleurs</translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation>Lune des fraises</translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation>Lune du cerf</translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation>Lune de l’esturgeon</translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation>Lune du maïs</translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation>Lune du chasseur</translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation>Lune du castor</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Lune froide</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Lune des moissons</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Lune bleue</translation>
    </message>
    <message>
        <source>Black moon</source>
        <translation>Lune noire</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Super-lune</translation>
    </message>
    <message>
        <source>Micromoon</source>
        <translation>Micro-lune</translation>
    </message>
    <message>
        <source>Super new moon</source>
        <translation>Super nouvelle lune</translation>
    </message>
    <message>
        <source>Micro new moon</source>
        <translation>Micro nouvelle lune</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The Run key of the current user could not be written.</source>
        <translation>La clé de registre Run de l’utilisateur actuel n’a pas pu être écrite.</translation>
    </message>
    <message>
        <source>This system offers no way to start programs with the session.</source>
        <translation>Ce système ne permet pas de lancer des programmes à l’ouverture de la session.</translation>
    </message>
    <message>
        <source>%1 is a link, which Lunara leaves as it is.</source>
        <translation>%1 est un lien, que Lunara laisse tel quel.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>%1 n’a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>Lunara&apos;s path %1 cannot be written in an autostart entry.</source>
        <translation>Le chemin de Lunara, %1, ne peut pas figurer dans une entrée de démarrage automatique.</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>Until the moon enters %1 (modern planets)</source>
        <translation>Jusqu’à l’entrée de la Lune en %1 (planètes modernes)</translation>
    </message>
    <message>
        <source>Until the moon enters %1 (classic planets)</source>
        <translation>Jusqu’à l’entrée de la Lune en %1 (planètes classiques)</translation>
    </message>
</context>
<context>
    <name>Candle</name>
    <message>
        <source>Love, Warmth, Caring</source>
        <translation>Amour, chaleur, sollicitude</translation>
    </message>
    <message>
        <source>Well known as the color of romance and tender love, pink candles can be used to evoke similar feelings in one&apos;s heart. This color symbolically represents affection, sweetness in words and acts, nurturing partnerships and soft emotions. Pink is also said to have healing effect on our senses. It stands for unconditional love, honor and commitment.</source>
        <translation>Le rose est bien connu comme la couleur de la romance et de l’amour tendre&#xa0;: une bougie rose aide à éveiller des sentiments semblables dans le cœur. Cette couleur symbolise l’affection, la douceur des paroles et des gestes, les liens qui font grandir et les émotions délicates. On dit aussi que le rose a un effet apaisant et guérisseur sur nos sens. Il représente l’amour inconditionnel, l’honneur et l’engagement.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Passion, Lust, Power, Immediate Action, Promotion of Career</source>
        <translation>Passion, désir, puissance, action immédiate, avancement professionnel</translation>
    </message>
    <message>
        <source>Lighting a red candle can ignite passionate love, sensuality and lustfulness. This color also evokes enthusiasm, power of body and mind, boldness and determination. This color is also effective to enhance personal magnetism, dynamism, sexual attractions and competitiveness. The fire of red candle symbolizes your inner fire and favorable for increasing fertility.</source>
        <translation>Allumer une bougie rouge peut attiser un amour passionné, la sensualité et le désir. Cette couleur éveille aussi l’enthousiasme, la vigueur du corps et de l’esprit, l’audace et la détermination. Elle aide également à renforcer le magnétisme personnel, le dynamisme, l’attirance sexuelle et l’esprit de compétition. La flamme d’une bougie rouge symbolise votre feu intérieur et favorise la fertilité.</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Business, Justice, Success</source>
        <translation>Affaires, justice, réussite</translation>
    </message>
    <message>
        <source>If you want to broaden your social circle or want to enjoy a rocking time with friends, orange colored candles can help you a lot. The color signifies the fire of sun, vitality, good fortune, ambition and courage. If you want to invite prosperity, success in every sphere and get rid of negative thoughts, orange candles can do wonders for you.</source>
        <translation>Si vous voulez élargir votre cercle de relations ou passer des moments endiablés avec vos amis, les bougies orange vous seront d’une grande aide. Cette couleur évoque le feu du soleil, la vitalité, la chance, l’ambition et le courage. Pour attirer la prospérité, réussir dans tous les domaines et vous libérer des pensées négatives, les bougies orange font des merveilles.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Confidence, Intelligence, Remove Mental Stress, Better Learning</source>
        <translation>Confiance, intelligence, soulager le stress mental, mieux apprendre</translation>
    </message>
    <message>
        <source>Yellow has a positive effect on intellect, imagination and communication skills. If you want to learn new things and excel in academics, yellow candle can do the magic for you. Yellow increases the power of concentration, memory and self-confidence. Yellow also stands for a cheerful personality, optimism, wisdom, tolerance and perseverance.</source>
        <translation>Le jaune agit favorablement sur l’intellect, l’imagination et l’aisance à communiquer. Si vous souhaitez apprendre de nouvelles choses et briller dans vos études, la bougie jaune peut opérer sa magie pour vous. Le jaune accroît la capacité de concentration, la mémoire et la confiance en soi. Il représente aussi une personnalité joyeuse, l’optimisme, la sagesse, la tolérance et la persévérance.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Healing, Growth, Magic, Success</source>
        <translation>Guérison, croissance, magie, réussite</translation>
    </message>
    <message>
        <source>This color stands as the symbol of Mother Nature and induces growth, abundance and fertility. Whenever you feel that these aspect of your life needs to be emphasized, use a green candle for positive outcome. This color is also good for monetary gain, prosperity, finding a new job, reaping a rich harvest and acquiring wealth.</source>
        <translation>Cette couleur est le symbole de Mère Nature&#xa0;: elle favorise la croissance, l’abondance et la fertilité. Chaque fois que vous sentez que ces aspects de votre vie demandent à être renforcés, utilisez une bougie verte pour obtenir un résultat favorable. Le vert est également propice aux gains d’argent, à la prospérité, à la recherche d’un nouvel emploi, aux récoltes abondantes et à l’acquisition de richesses.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Wisdom, Spiritual Enlightenment, Calming Effect, Good Luck</source>
        <translation>Sagesse, éveil spirituel, effet apaisant, chance</translation>
    </message>
    <message>
        <source>Blue is the color of tranquility and peace. If you want to sooth your frayed nerves to experience a calming effect, use blue candle. Being the color of sky and the ocean, Blue also emphasizes openness and depth. This color is said to exert healing power, protection, provides harmony and wisdom.</source>
        <translation>Le bleu est la couleur de la tranquillité et de la paix. Si vous voulez apaiser vos nerfs à vif et retrouver le calme, utilisez une bougie bleue. Couleur du ciel et de l’océan, le bleu évoque aussi l’ouverture et la profondeur. On dit que cette couleur possède un pouvoir de guérison et de protection, et qu’elle apporte l’harmonie et la sagesse.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Psychic Powers, Opening of Inner Self, Influence</source>
        <translation>Pouvoirs psychiques, ouverture du moi intérieur, influence</translation>
    </message>
    <message>
        <source>Considered as the color of royalty, purple is attached to spiritual awakening, meditative power, intuitive knowledge and healing effect. Using purple candle can enhance your psychic ability and bring you close to the world of spirits. Purple is also thought to have protective properties. The color is useful to subdue ego and improve dignity.</source>
        <translation>Considéré comme la couleur de la royauté, le violet est lié à l’éveil spirituel, au pouvoir méditatif, à la connaissance intuitive et à la guérison. Une bougie violette peut renforcer vos capacités psychiques et vous rapprocher du monde des esprits. On prête aussi au violet des vertus protectrices. Cette couleur aide à dompter l’ego et à gagner en dignité.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Harmony, Peace, Clarity</source>
        <translation>Harmonie, paix, clarté</translation>
    </message>
    <message>
        <source>The harmonious mixture of all colors, white candles can be used for any purpose. The major attributes associated with white color are purity, clarity of thought and mind, piousness, spiritual knowledge and enlightenment. White is also significant for being the symbol of truth and peace. White can cleanse all kinds of impurities and negative effects leaving a feeling of contentment and well-being.</source>
        <translation>Le blanc réunit harmonieusement toutes les couleurs&#xa0;: les bougies blanches conviennent donc à tous les usages. Les principales qualités associées au blanc sont la pureté, la clarté de la pensée et de l’esprit, la piété, la connaissance spirituelle et l’illumination. Le blanc se distingue aussi comme symbole de la vérité et de la paix. Il purifie de toutes sortes d’impuretés et d’influences négatives, et laisse un sentiment de contentement et de bien-être.</translation>
    </message>
    <message>
        <source>Dark Pink</source>
        <translation>Rose foncé</translation>
    </message>
    <message>
        <source>Light Pink</source>
        <translation>Rose clair</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Remove Negativity, Unity, Defense</source>
        <translation>Chasser la négativité, unité, défense</translation>
    </message>
    <message>
        <source>This color is grossly misunderstood as the color of evil. But in reality, black color candle has the power to dissolve negative effects and heal several illnesses. This color can be used for protection or casting magic spell or banishing. Burning this candle is said to increase meditating power. This can give good results when used at the finishing point of some strained relationship or affair to overcome mental barriers.</source>
        <translation>On se méprend lourdement sur cette couleur, que l’on croit être celle du mal. En réalité, la bougie noire a le pouvoir de dissiper les influences négatives et de guérir bien des maux. On l’utilise pour la protection, pour jeter un sort ou pour bannir. On dit que la brûler accroît le pouvoir de méditation. Elle donne de bons résultats pour clore une relation ou une liaison devenue pesante, et pour surmonter les blocages mentaux.</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>The Supreme Power, Happiness, Accomplishments</source>
        <translation>La Puissance suprême, bonheur, accomplissements</translation>
    </message>
    <message>
        <source>If you want to invite affluence, good fortune and material wealth, golden candles are suitable for you. Use this candle to emerge victorious in professional as well as personal life. Golden candles are also effective to enhance communication skills, reenergize your spirit and success. Gold is also associated with protection, cheerful mood and self assurance.</source>
        <translation>Si vous voulez attirer l’abondance, la chance et la richesse matérielle, les bougies dorées sont faites pour vous. Utilisez cette bougie pour sortir victorieux de votre vie professionnelle comme de votre vie personnelle. Les bougies dorées aident aussi à mieux communiquer, à redonner de l’énergie à votre esprit et à réussir. L’or est également associé à la protection, à la bonne humeur et à l’assurance.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Support, Kindness, Friendships</source>
        <translation>Soutien, bonté, amitiés</translation>
    </message>
    <message>
        <source>Brown colored candles are used to emphasize the earth element that bestows material gains, success in profession, wealth and prosperity in one&apos;s life. Brown is also attached to mental stability, great patience, firm determination, practical knowledge and tenacity. This color can be beneficial to increase concentration in studies, enhance learning power and telepathy.</source>
        <translation>Les bougies marron servent à renforcer l’élément Terre, qui apporte gains matériels, réussite professionnelle, richesse et prospérité. Le marron est aussi lié à la stabilité mentale, à une grande patience, à une détermination ferme, au savoir pratique et à la ténacité. Cette couleur peut aider à mieux se concentrer dans les études, à apprendre plus facilement et à développer la télépathie.</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Intuition, Telepathy, Imagination</source>
        <translation>Intuition, télépathie, imagination</translation>
    </message>
    <message>
        <source>This color is primarily associated with female deities and feminine energy. Therefore, silver colored candles are suitable for rituals that emphasizes on feminine power. This color can work wonders to ward off evil influence, improve meditation and increase stability of mind. Silver color is also thought to enhance psychic abilities.</source>
        <translation>Cette couleur est avant tout associée aux divinités féminines et à l’énergie féminine. Les bougies argentées conviennent donc aux rituels qui mettent l’accent sur le pouvoir féminin. Cette couleur fait merveille pour écarter les mauvaises influences, approfondir la méditation et affermir la stabilité de l’esprit. On pense aussi que la couleur argent renforce les capacités psychiques.</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Relaxation, Inner Strengths, Self Abilities</source>
        <translation>Détente, forces intérieures, capacités personnelles</translation>
    </message>
    <message>
        <source>This color symbolizes compassion and selflessness. You can use this candle to evoke a sense of unconditional love and affection that a mother bestows on her kids. Burning this candle can inspire your mind and help you to get close to higher spiritual realization.  This soothing color can have a very calming effect on your heart and soul.</source>
        <translation>Cette couleur symbolise la compassion et l’altruisme. Cette bougie vous aide à éveiller en vous un amour inconditionnel, la tendresse qu’une mère porte à ses enfants. La brûler peut inspirer votre esprit et vous rapprocher d’une réalisation spirituelle plus haute. Cette couleur douce peut avoir un effet très apaisant sur votre cœur et votre âme.</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Passion</translation>
    </message>
    <message>
        <source>Lust</source>
        <translation>Désir</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Immediate Action</source>
        <translation>Action immédiate</translation>
    </message>
    <message>
        <source>Promotion of Career</source>
        <translation>Avancement professionnel</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Affaires</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Justice</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confiance</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Intelligence</translation>
    </message>
    <message>
        <source>Remove Mental Stress</source>
        <translation>Soulager le stress mental</translation>
    </message>
    <message>
        <source>Better Learning</source>
        <translation>Mieux apprendre</translation>
    </message>
    <message>
        <source>Healing</source>
        <translation>Guérison</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Croissance</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sagesse</translation>
    </message>
    <message>
        <source>Spiritual Enlightenment</source>
        <translation>Éveil spirituel</translation>
    </message>
    <message>
        <source>Calming Effect</source>
        <translation>Effet apaisant</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Psychic Powers</source>
        <translation>Pouvoirs psychiques</translation>
    </message>
    <message>
        <source>Opening of Inner Self</source>
        <translation>Ouverture du moi intérieur</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influence</translation>
    </message>
    <message>
        <source>Harmony</source>
        <translation>Harmonie</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Paix</translation>
    </message>
    <message>
        <source>Clarity</source>
        <translation>Clarté</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amour</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Chaleur</translation>
    </message>
    <message>
        <source>Caring</source>
        <translation>Sollicitude</translation>
    </message>
    <message>
        <source>Remove Negativity</source>
        <translation>Chasser la négativité</translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Défense</translation>
    </message>
    <message>
        <source>The Supreme Power</source>
        <translation>La Puissance suprême</translation>
    </message>
    <message>
        <source>Happiness</source>
        <translation>Bonheur</translation>
    </message>
    <message>
        <source>Accomplishments</source>
        <translation>Accomplissements</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soutien</translation>
    </message>
    <message>
        <source>Kindness</source>
        <translation>Bonté</translation>
    </message>
    <message>
        <source>Friendships</source>
        <translation>Amitiés</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Intuition</translation>
    </message>
    <message>
        <source>Telepathy</source>
        <translation>Télépathie</translation>
    </message>
    <message>
        <source>Imagination</source>
        <translation>Imagination</translation>
    </message>
    <message>
        <source>Relaxation</source>
        <translation>Détente</translation>
    </message>
    <message>
        <source>Inner Strengths</source>
        <translation>Forces intérieures</translation>
    </message>
    <message>
        <source>Self Abilities</source>
        <translation>Capacités personnelles</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturne</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Choose Candle By Purpose</source>
        <translation>Choisir la bougie par intention</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Intention</translation>
    </message>
    <message>
        <source>Choose Candle By Color</source>
        <translation>Choisir la bougie par couleur</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Choose By Planet</source>
        <translation>Choisir par planète</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>Choose By Element</source>
        <translation>Choisir par élément</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Choose By Direction</source>
        <translation>Choisir par direction</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Choose By Day</source>
        <translation>Choisir par jour</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
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
        <translation>Utilisation&#xa0;: lunara [--background | --help | --version]
Un ouvrage de référence sur la magie de la Lune et des bougies&#xa0;: Magie lunaire, le Calendrier lunaire et Magie des bougies.
Lancez-le sans option pour ouvrir sa fenêtre.
  --background  démarrer sans fenêtre, avec seulement l’icône de notification et les rappels
                (ainsi le lance la session quand «&#xa0;Démarrer avec ma session&#xa0;» est coché)
Voir lunara(1).
</translation>
    </message>
    <message>
        <source>lunara: unknown option &apos;%1&apos;
Try &apos;lunara --help&apos; for more information.
</source>
        <translation>lunara&#xa0;: option inconnue «&#xa0;%1&#xa0;»
Essayez «&#xa0;lunara --help&#xa0;» pour plus d’informations.
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
        <translation>Utilisation&#xa0;: lunara now [OPTION...]     la Lune maintenant (ou lunara today)
              lunara events [OPTION...]  les événements de l’almanach d’une période
Répond sur la sortie standard, sans affichage graphique. Voir lunara(1).

Pour toute commande (sinon le lieu, l’hémisphère et les planètes de Lunara)&#xa0;:
  --place VILLE         ville de la table des fuseaux&#xa0;: Lisbon, &quot;New York&quot;, Europe/Lisbon
  --lat DEG --lon DEG   coordonnées, nord et est positifs&#xa0;: 38.72 -9.13, 38°43&apos;N 9°08&apos;W
  --zone ZONE           fuseau horaire des dates et heures (celui de la ville avec --place,
                        sinon celui du système)
  --hemisphere northern|southern    --planets classic|modern
now, today&#xa0;:
  --format text|json|waybar
  --at YYYY-MM-DDTHH:MM[+HH:MM]      un autre instant que maintenant
  --watch               une nouvelle ligne à chaque changement de l’affichage
events&#xa0;:
  --from YYYY-MM-DD --to YYYY-MM-DD  1901–2050, bornes incluses (sinon 30 jours dès aujourd’hui)
  --kinds TYPE,...      quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,
                        risings (par défaut quarters,ingresses&#xa0;; risings sur 10 ans au plus)
  --format text|ics|json|csv
  --output FICHIER      écrire plutôt FICHIER, en entier&#xa0;; s’il existe, seulement avec --force
Code de sortie&#xa0;: 0 fait, 1 non fait (fichier existant, écriture échouée), 2 commande erronée.
</translation>
    </message>
    <message>
        <source>the clock says %1, outside the years %2 to %3</source>
        <translation>l’horloge indique %1, hors des années %2 à %3</translation>
    </message>
    <message>
        <source>%1 exists; add --force to replace it</source>
        <translation>%1 existe déjà&#xa0;; ajoutez --force pour le remplacer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a date and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the start and end of an event</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a date; write it as YYYY-MM-DD, as 2027-01-01</source>
        <translation>%1 %2 n’est pas une date&#xa0;; écrivez-la sous la forme YYYY-MM-DD, par exemple 2027-01-01</translation>
    </message>
    <message>
        <source>%1 %2 is outside the years %3 to %4</source>
        <translation>%1 %2 est hors des années %3 à %4</translation>
    </message>
    <message>
        <source>--at %1 is not a date and time; write it as 2026-12-24T02:28, or with its offset, as 2026-12-24T02:28+01:00</source>
        <translation>--at %1 n’est pas une date avec une heure&#xa0;; écrivez par exemple 2026-12-24T02:28 ou, avec son décalage horaire, 2026-12-24T02:28+01:00</translation>
    </message>
    <message>
        <source>--at %1 is outside the years %2 to %3</source>
        <translation>--at %1 est hors des années %2 à %3</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are now, today and events</source>
        <translation>commande inconnue %1&#xa0;; les commandes sont now, today et events</translation>
    </message>
    <message>
        <source>unknown option %1 for %2; see &apos;lunara %2 --help&apos;</source>
        <translation>option inconnue %1 pour %2&#xa0;; voir «&#xa0;lunara %2 --help&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a value; see &apos;lunara %2 --help&apos;</source>
        <translation>%1 attend une valeur&#xa0;; voir «&#xa0;lunara %2 --help&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>unknown format %1 for %2; the formats are %3</source>
        <translation>format inconnu %1 pour %2&#xa0;; les formats sont %3</translation>
    </message>
    <message>
        <source>unknown time zone %1; give a zone of the time-zone database, as Europe/Lisbon</source>
        <translation>fuseau horaire inconnu %1&#xa0;; indiquez un fuseau de la base des fuseaux horaires, par exemple Europe/Lisbon</translation>
    </message>
    <message>
        <source>%1 needs %2 too, as --lat 38.72 --lon -9.13</source>
        <translation>%1 demande aussi %2, par exemple --lat 38.72 --lon -9.13</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>indiquez soit --place, soit --lat et --lon, pas les deux</translation>
    </message>
    <message>
        <source>--place needs a city&apos;s name, as --place Lisbon</source>
        <translation>--place attend un nom de ville, par exemple --place Lisbon</translation>
    </message>
    <message>
        <source>--hemisphere takes northern or southern, not %1</source>
        <translation>--hemisphere accepte northern ou southern, pas %1</translation>
    </message>
    <message>
        <source>--planets takes classic or modern, not %1</source>
        <translation>--planets accepte classic ou modern, pas %1</translation>
    </message>
    <message>
        <source>today is outside the years %1 to %2: give --from and --to</source>
        <translation>aujourd’hui est hors des années %1 à %2&#xa0;: indiquez --from et --to</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 est postérieur à --to %2</translation>
    </message>
    <message>
        <source>unknown kind %1 in --kinds; the kinds are %2</source>
        <translation>type inconnu %1 dans --kinds&#xa0;; les types sont %2</translation>
    </message>
    <message>
        <source>risings are given for at most %1 years at a time; --from %2 --to %3 is longer</source>
        <translation>les levers et couchers (risings) portent sur %1&#xa0;ans au plus à la fois&#xa0;; --from %2 --to %3 est plus long</translation>
    </message>
    <message>
        <source>--output needs a file&apos;s name, as --output moon.ics</source>
        <translation>--output attend un nom de fichier, par exemple --output moon.ics</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>En cours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>À venir&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>the date, the time and the place</comment>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3 days old</source>
        <translation>%1, Lune éclairée à %2&#xa0;%, âgée de %3&#xa0;jours</translation>
    </message>
    <message>
        <source>Moon in %1 until %2, then in %3</source>
        <translation>Lune en %1 jusqu’à %2, puis en %3</translation>
    </message>
    <message>
        <source>Moon in %1</source>
        <translation>Lune en %1</translation>
    </message>
    <message>
        <source>Next quarter: %1, %2</source>
        <translation>Prochaine phase principale&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>%1; hour of %2</source>
        <translation>%1&#xa0;; heure planétaire&#xa0;: %2</translation>
    </message>
    <message>
        <source>no city of the time-zone table is called &apos;%1&apos;; give one (as --place Lisbon) or --lat and --lon</source>
        <translation>aucune ville de la table des fuseaux horaires ne s’appelle «&#xa0;%1&#xa0;»&#xa0;; indiquez-en une (par exemple --place Lisbon) ou --lat et --lon</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2 cities (%3); give more of the name</source>
        <translation>«&#xa0;%1&#xa0;» désigne %2&#xa0;villes (%3)&#xa0;; précisez le nom</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>total</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>totale</translation>
    </message>
    <message>
        <source>annular</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>annulaire</translation>
    </message>
    <message>
        <source>hybrid</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>hybride</translation>
    </message>
    <message>
        <source>partial</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>partielle</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: not seen from %4</source>
        <translation>%1 à %2, magnitude %3&#xa0;: invisible depuis %4</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4, %5 there, magnitude %6</source>
        <translation>%1 à %2, magnitude %3&#xa0;: visible depuis %4, où elle est %5 (magnitude %6)</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4</source>
        <translation>%1 à %2, magnitude %3&#xa0;: visible depuis %4</translation>
    </message>
    <message>
        <source>%1 turns retrograde</source>
        <translation>%1 devient rétrograde</translation>
    </message>
    <message>
        <source>%1 turns direct</source>
        <translation>%1 reprend sa marche directe</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2 at %3</source>
        <translation>%1 devient rétrograde en %2 à %3</translation>
    </message>
    <message>
        <source>%1 turns direct in %2 at %3</source>
        <translation>%1 reprend sa marche directe en %2 à %3</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1&#xa0;km</translation>
    </message>
    <message>
        <source>New moon in %1</source>
        <translation>Nouvelle lune en %1</translation>
    </message>
    <message>
        <source>First quarter moon in %1</source>
        <translation>Premier quartier en %1</translation>
    </message>
    <message>
        <source>Full moon in %1</source>
        <translation>Pleine lune en %1</translation>
    </message>
    <message>
        <source>Last quarter moon in %1</source>
        <translation>Dernier quartier en %1</translation>
    </message>
    <message>
        <source>Moon enters %1</source>
        <translation>La Lune entre en %1</translation>
    </message>
    <message>
        <source>Moon void of course</source>
        <translation>Lune vide de course</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>%1 retrograde</source>
        <translation>%1 rétrograde</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a day and a time</comment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a short day and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>seen from %1</source>
        <translation>visible depuis %1</translation>
    </message>
    <message>
        <source>not seen from %1</source>
        <translation>invisible depuis %1</translation>
    </message>
    <message>
        <source>%1 %2, the sun %3° up</source>
        <translation>%1&#xa0;: %2, Soleil à %3° au-dessus de l’horizon</translation>
    </message>
    <message>
        <source>%1 %2, the sun below the horizon</source>
        <translation>%1&#xa0;: %2, Soleil sous l’horizon</translation>
    </message>
    <message>
        <source>%1 %2, the moon %3° up</source>
        <translation>%1&#xa0;: %2, Lune à %3° au-dessus de l’horizon</translation>
    </message>
    <message>
        <source>%1 %2, the moon below the horizon</source>
        <translation>%1&#xa0;: %2, Lune sous l’horizon</translation>
    </message>
    <message>
        <source>%1 (its point: %2, the sun at 15° %3)</source>
        <translation>%1 (point astronomique&#xa0;: %2, Soleil à 15° %3)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>an event and its time</comment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 from %2 in %3 until %4 in %5</source>
        <translation>%1 à partir de %2 en %3, jusqu’au %4 en %5</translation>
    </message>
    <message>
        <source>%1 at %2, in %3</source>
        <translation>%1 à %2, en %3</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second full moon, at %2</source>
        <translation>%1&#xa0;: deuxième pleine lune du mois, à %2</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second new moon, at %2</source>
        <translation>%1&#xa0;: deuxième nouvelle lune du mois, à %2</translation>
    </message>
    <message>
        <source>%1 at %2, %3 away</source>
        <translation>%1 à %2, à %3 de la Terre</translation>
    </message>
    <message>
        <source>Mercury is retrograde</source>
        <translation>Mercure est rétrograde</translation>
    </message>
    <message>
        <source>The sun at 15° %1 at %2: astronomical %3</source>
        <translation>Soleil à 15° %1 à %2&#xa0;: %3 astronomique</translation>
    </message>
    <message>
        <source>Astronomical %1</source>
        <translation>%1 astronomique</translation>
    </message>
    <message>
        <source>%1, seen from %2</source>
        <translation>%1, visible depuis %2</translation>
    </message>
    <message>
        <source>%1, not seen from %2</source>
        <translation>%1, invisible depuis %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
</context>
<context>
    <name>MonthPrint</name>
    <message>
        <source>New moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>N.L.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>P.Q.</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>P.L.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>D.Q.</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <comment>a day and time, then what happens</comment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the start and end of a void of course</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Quarters</source>
        <translation>Phases</translation>
    </message>
    <message>
        <source>The moon enters</source>
        <translation>La Lune entre en</translation>
    </message>
    <message>
        <source>Void of course (modern planets)</source>
        <translation>Vide de course (planètes modernes)</translation>
    </message>
    <message>
        <source>Void of course (classic planets)</source>
        <translation>Vide de course (planètes classiques)</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Également</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar for %1; times in %2</source>
        <translation>Calendrier lunaire Lunara pour %1&#xa0;; horaires du fuseau %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a quarter&apos;s short name and its time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The year</source>
        <translation>L’année</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar, %1</source>
        <translation>Calendrier lunaire Lunara, %1</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Dark Moon</source>
        <translation>Lune sombre</translation>
    </message>
    <message>
        <source>Waxing Moon</source>
        <translation>Lune croissante</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Lune décroissante</translation>
    </message>
    <message>
        <source>The dark moon is a good time for giving up bad habits and overcoming anger.</source>
        <translation>La lune sombre est un bon moment pour abandonner les mauvaises habitudes et vaincre la colère.</translation>
    </message>
    <message>
        <source>The new moon is a good time for new ventures, initiating new projects, love and health.</source>
        <translation>La nouvelle lune est un bon moment pour les nouvelles entreprises, le lancement de nouveaux projets, l’amour et la santé.</translation>
    </message>
    <message>
        <source>The waxing moon is a good time for developing work like power, success, health and partnerships.</source>
        <translation>La lune croissante est un bon moment pour faire grandir ce qui touche à la puissance, à la réussite, à la santé et aux partenariats.</translation>
    </message>
    <message>
        <source>The full moon is a good time for predictions and trying out Magick. Good for healing projects too. </source>
        <translation>La pleine lune est un bon moment pour les prédictions et pour s’essayer à la magie. Elle convient aussi aux travaux de guérison. </translation>
    </message>
    <message>
        <source>The waning moon is a good time for removing negativity from oneself.</source>
        <translation>La lune décroissante est un bon moment pour se défaire de la négativité.</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience</source>
        <translation>C’est un bon moment pour commencer de nouvelles choses. Propice aux sorts liés à la force, à la détermination et aux nouveaux départs. Votre instinct sera puissant. Veillez à ne pas commettre d’erreurs et armez-vous de patience.</translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you.</source>
        <translation>Accroît les pouvoirs psychiques. Propice aux sorts liés au développement psychique et à l’autorité. Vos émotions seront peut-être très vives, mais ne laissez pas les plus négatives vous submerger.</translation>
    </message>
    <message>
        <source>Moon In Aries</source>
        <translation>Lune en Bélier</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Passion</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. </source>
        <translation>C’est un bon moment pour commencer de nouvelles choses. Propice aux sorts liés à la force, à la détermination et aux nouveaux départs. Votre instinct sera puissant. Veillez à ne pas commettre d’erreurs et armez-vous de patience. </translation>
    </message>
    <message>
        <source>Moon In Taurus</source>
        <translation>Lune en Taureau</translation>
    </message>
    <message>
        <source>Physical </source>
        <translation>Physique </translation>
    </message>
    <message>
        <source>This is a good time for conjuring on personal matters. Good for spells which involve romance, property and finance. Try not to be stubborn. You are very conventional and not willing to change.</source>
        <translation>C’est un bon moment pour les opérations magiques touchant aux affaires personnelles. Propice aux sorts liés à la romance, aux biens et aux finances. Essayez de ne pas vous entêter. Vous tenez beaucoup aux conventions et le changement vous rebute.</translation>
    </message>
    <message>
        <source>Moon In Gemini</source>
        <translation>Lune en Gémeaux</translation>
    </message>
    <message>
        <source>Inquisitiveness </source>
        <translation>Curiosité </translation>
    </message>
    <message>
        <source>You are influenced by outside changes. Good for spells which involve journey, negotiations and public involvement. You think of doing ten different things at the same time. Be more emotional than analytical.</source>
        <translation>Vous êtes sensible aux changements extérieurs. Propice aux sorts liés aux voyages, aux négociations et à l’engagement public. Vous songez à faire dix choses différentes en même temps. Écoutez davantage vos émotions que votre esprit d’analyse.</translation>
    </message>
    <message>
        <source>Moon In Cancer</source>
        <translation>Lune en Cancer</translation>
    </message>
    <message>
        <source>Caring </source>
        <translation>Attentionné </translation>
    </message>
    <message>
        <source>Family and home is your priority. Good for spells which involve family and friends. You are good at Magick without trying to hard. Try not to be overly emotional. Try to relax.</source>
        <translation>La famille et le foyer passent avant tout. Propice aux sorts liés à la famille et aux amis. La magie vous réussit sans que vous ayez à forcer. Évitez de vous laisser déborder par vos émotions. Essayez de vous détendre.</translation>
    </message>
    <message>
        <source>Moon In Leo</source>
        <translation>Lune en Lion</translation>
    </message>
    <message>
        <source>Resolute</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>Pleasure and hobbies take the forefront. Good for spells which involve children, power, love. Be sure to follow the right directions. You have the right frame of mind. Be sure to put it to good use.</source>
        <translation>Les plaisirs et les loisirs passent au premier plan. Propice aux sorts liés aux enfants, au pouvoir et à l’amour. Veillez à suivre la bonne voie. Vous êtes dans de bonnes dispositions. Veillez à en faire bon usage.</translation>
    </message>
    <message>
        <source>Moon In Virgo</source>
        <translation>Lune en Vierge</translation>
    </message>
    <message>
        <source>Serious</source>
        <translation>Sérieux</translation>
    </message>
    <message>
        <source>Minute details are taken care of. Good for spells which involve illnesses, confidence and career. Do not be nervous and insecure. There doesn&apos;t always have to be a second plan ready in case the first one fails. Believe in yourself.</source>
        <translation>Les moindres détails sont pris en compte. Propice aux sorts liés aux maladies, à la confiance et à la carrière. Ne cédez ni à la nervosité ni à l’insécurité. Il n’est pas toujours nécessaire d’avoir un second plan prêt au cas où le premier échouerait. Croyez en vous.</translation>
    </message>
    <message>
        <source>Moon In Libra</source>
        <translation>Lune en Balance</translation>
    </message>
    <message>
        <source>Helpful </source>
        <translation>Serviable </translation>
    </message>
    <message>
        <source>This is the right time for alliances and partnerships. Good for spells which involve creativity, legal matters and business deals. You are good at what you do.</source>
        <translation>C’est le bon moment pour les alliances et les partenariats. Propice aux sorts liés à la créativité, aux questions juridiques et aux affaires commerciales. Vous excellez dans ce que vous faites.</translation>
    </message>
    <message>
        <source>Moon In Scorpio</source>
        <translation>Lune en Scorpion</translation>
    </message>
    <message>
        <source>Idealistic </source>
        <translation>Idéaliste </translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you. </source>
        <translation>Accroît les pouvoirs psychiques. Propice aux sorts liés au développement psychique et à l’autorité. Vos émotions seront peut-être très vives, mais ne laissez pas les plus négatives vous submerger. </translation>
    </message>
    <message>
        <source>Moon In Sagittarius</source>
        <translation>Lune en Sagittaire</translation>
    </message>
    <message>
        <source>Posetive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Time to dream and move on. Good for spells which involve education and sports. You think with a positive mind. Just don&apos;t be hasty and forget the minute details.</source>
        <translation>Le moment de rêver et d’aller de l’avant. Propice aux sorts liés aux études et au sport. Vous pensez de façon positive. Simplement, ne vous précipitez pas au point d’oublier les petits détails.</translation>
    </message>
    <message>
        <source>Moon In Capricorn</source>
        <translation>Lune en Capricorne</translation>
    </message>
    <message>
        <source>Motivated</source>
        <translation>Motivé</translation>
    </message>
    <message>
        <source>This is the right time to increase business sense and responsibility. Good for spells which involve power, work and dreams. Think calmly but don&apos;t do not become too logical.</source>
        <translation>C’est le bon moment pour développer votre sens des affaires et des responsabilités. Propice aux sorts liés au pouvoir, au travail et aux rêves. Réfléchissez calmement, sans pour autant devenir trop logique.</translation>
    </message>
    <message>
        <source>Moon In Aquarius</source>
        <translation>Lune en Verseau</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Sociable</translation>
    </message>
    <message>
        <source>Time to socialize and make merry. Good for spells which involve friends, analysis and personal development. You are a born natural. Try not to be too stubborn.</source>
        <translation>Le moment de sortir et de faire la fête. Propice aux sorts liés aux amis, à l’analyse et au développement personnel. Vous avez un don naturel. Gardez-vous d’un excès d’entêtement.</translation>
    </message>
    <message>
        <source>Moon In Pisces</source>
        <translation>Lune en Poissons</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Optimiste</translation>
    </message>
    <message>
        <source>A lot of inner development will occur with new understanding and experience. Good for spells which involve psychic capabilities and intuition. Improve your self-confidence. Do not try to do bad Magick.</source>
        <translation>Une grande évolution intérieure se produira, portée par une compréhension et une expérience nouvelles. Propice aux sorts liés aux capacités psychiques et à l’intuition. Renforcez votre confiance en vous. Ne cherchez pas à pratiquer une magie malveillante.</translation>
    </message>
    <message>
        <source>Magick related to the Fire element should be performed when the Moon is in any of the Fire Signs. This can include Magick related to strength, determination, new beginnings, children, power, love, education and sports.</source>
        <translation>La magie liée à l’élément Feu doit se pratiquer lorsque la Lune se trouve dans l’un des signes de Feu. Elle peut concerner la force, la détermination, les nouveaux départs, les enfants, le pouvoir, l’amour, les études et le sport.</translation>
    </message>
    <message>
        <source>Magick related to the Earth element should be performed when the Moon is in any of the Earth Signs. This can include Magick related to illnesses, confidence, career, education, sports, romance, property and finance. </source>
        <translation>La magie liée à l’élément Terre doit se pratiquer lorsque la Lune se trouve dans l’un des signes de Terre. Elle peut concerner les maladies, la confiance, la carrière, les études, le sport, la romance, les biens et les finances. </translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development.</source>
        <translation>La magie liée à l’élément Air doit se pratiquer lorsque la Lune se trouve dans l’un des signes d’Air. Elle peut concerner les voyages, les négociations, l’engagement public, la créativité, les questions juridiques, les affaires commerciales, les amis, l’analyse et le développement personnel.</translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development</source>
        <translation>La magie liée à l’élément Air doit se pratiquer lorsque la Lune se trouve dans l’un des signes d’Air. Elle peut concerner les voyages, les négociations, l’engagement public, la créativité, les questions juridiques, les affaires commerciales, les amis, l’analyse et le développement personnel.</translation>
    </message>
    <message>
        <source>Magick related to the Water element should be performed when the Moon is in any of the Water Signs. This can include Magick related to family, friends, psychic development, authority, psychic capabilities and intuition.</source>
        <translation>La magie liée à l’élément Eau doit se pratiquer lorsque la Lune se trouve dans l’un des signes d’Eau. Elle peut concerner la famille, les amis, le développement psychique, l’autorité, les capacités psychiques et l’intuition.</translation>
    </message>
</context>
<context>
    <name>Offers</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Le forum ésotérique en ligne le plus populaire. La meilleure ressource pour tout ce qui touche au mystique. Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travaillez depuis chez vous. Lancez votre propre activité sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site web. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personnalisez ce logiciel aux couleurs de votre site. Fidélisez vos visiteurs et augmentez la fréquentation de votre site. Placez ici le nom &amp;&amp; le lien de votre site. Voir «&#xa0;Aide&#xa0;» pour les détails. Cliquez ici pour en savoir plus sur la personnalisation à votre marque.</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west, after a longitude</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>%1° %2</source>
        <comment>degrees and a hemisphere&apos;s letter</comment>
        <translation>%1°&#xa0;%2</translation>
    </message>
    <message>
        <source>Type a latitude.</source>
        <translation>Saisissez une latitude.</translation>
    </message>
    <message>
        <source>Type a longitude.</source>
        <translation>Saisissez une longitude.</translation>
    </message>
    <message>
        <source>Type a latitude like 52.52 or 52°31′N.</source>
        <translation>Saisissez une latitude comme 52,52 ou 52°31′N.</translation>
    </message>
    <message>
        <source>Type a longitude like 13.41 or 13°24′E.</source>
        <translation>Saisissez une longitude comme 13,41 ou 13°24′E.</translation>
    </message>
    <message>
        <source>Use N or S after a latitude.</source>
        <translation>Mettez N ou S après une latitude.</translation>
    </message>
    <message>
        <source>Use E or W after a longitude.</source>
        <translation>Mettez E ou O après une longitude.</translation>
    </message>
    <message>
        <source>Give either a sign or a letter, not both.</source>
        <translation>Indiquez soit un signe, soit une lettre, mais pas les deux.</translation>
    </message>
    <message>
        <source>A latitude lies between 90° S and 90° N.</source>
        <translation>Une latitude est comprise entre 90°&#xa0;S et 90°&#xa0;N.</translation>
    </message>
    <message>
        <source>A longitude lies between 180° W and 180° E.</source>
        <translation>Une longitude est comprise entre 180°&#xa0;O et 180°&#xa0;E.</translation>
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
        <translation>Le jour du Soleil</translation>
    </message>
    <message>
        <source>The day of the Moon</source>
        <translation>Le jour de la Lune</translation>
    </message>
    <message>
        <source>The day of Mars</source>
        <translation>Le jour de Mars</translation>
    </message>
    <message>
        <source>The day of Mercury</source>
        <translation>Le jour de Mercure</translation>
    </message>
    <message>
        <source>The day of Jupiter</source>
        <translation>Le jour de Jupiter</translation>
    </message>
    <message>
        <source>The day of Venus</source>
        <translation>Le jour de Vénus</translation>
    </message>
    <message>
        <source>The day of Saturn</source>
        <translation>Le jour de Saturne</translation>
    </message>
    <message>
        <source>%1: sunrise %2, sunset %3, next sunrise %4</source>
        <translation>%1&#xa0;: lever du Soleil à %2, coucher à %3, lever suivant à %4</translation>
    </message>
    <message>
        <source>%1: the sun sets at %2 and does not rise again this day.</source>
        <translation>%1&#xa0;: le Soleil se couche à %2 et ne se lève plus ce jour-là.</translation>
    </message>
    <message>
        <source>%1: the sun does not set.</source>
        <translation>%1&#xa0;: le Soleil ne se couche pas.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise.</source>
        <translation>%1&#xa0;: le Soleil ne se lève pas.</translation>
    </message>
    <message>
        <source>%1: the sun does not set within a day after it rises at %2.</source>
        <translation>%1&#xa0;: le Soleil ne se couche pas dans les vingt-quatre heures qui suivent son lever à %2.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise again within a day after it sets at %2.</source>
        <translation>%1&#xa0;: le Soleil ne se lève plus dans les vingt-quatre heures qui suivent son coucher à %2.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun sets at %1 and does not rise again this day, so there is no daylight and night to divide.</source>
        <translation>Pas d’heures planétaires ce jour-là&#xa0;: le Soleil se couche à %1 et ne se lève plus ce jour-là&#xa0;; il n’y a donc pas de jour et de nuit à diviser.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set, so there is no daylight and night to divide.</source>
        <translation>Pas d’heures planétaires ce jour-là&#xa0;: le Soleil ne se couche pas&#xa0;; il n’y a donc pas de jour et de nuit à diviser.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise, so there is no daylight and night to divide.</source>
        <translation>Pas d’heures planétaires ce jour-là&#xa0;: le Soleil ne se lève pas&#xa0;; il n’y a donc pas de jour et de nuit à diviser.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set within a day after it rises at %1, so there is no daylight and night to divide.</source>
        <translation>Pas d’heures planétaires ce jour-là&#xa0;: le Soleil ne se couche pas dans les vingt-quatre heures qui suivent son lever à %1&#xa0;; il n’y a donc pas de jour et de nuit à diviser.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise again within a day after it sets at %1, so there is no daylight and night to divide.</source>
        <translation>Pas d’heures planétaires ce jour-là&#xa0;: le Soleil ne se lève plus dans les vingt-quatre heures qui suivent son coucher à %1&#xa0;; il n’y a donc pas de jour et de nuit à diviser.</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
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
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluton</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>New moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>First and last quarters</source>
        <translation>Premier et dernier quartiers</translation>
    </message>
    <message>
        <source>The moon entering a sign</source>
        <translation>L’entrée de la Lune dans un signe</translation>
    </message>
    <message>
        <source>The void-of-course moon starting</source>
        <translation>Le début d’une Lune vide de course</translation>
    </message>
    <message>
        <source>Sabbats</source>
        <translation>Sabbats</translation>
    </message>
    <message>
        <source>Eclipses seen from here</source>
        <translation>Éclipses visibles d’ici</translation>
    </message>
    <message>
        <source>A planet turning retrograde or direct</source>
        <translation>Une planète qui devient rétrograde ou directe</translation>
    </message>
    <message>
        <source>A planetary hour starting</source>
        <translation>Le début d’une heure planétaire</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>Au moment même</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 minutes avant</translation>
    </message>
    <message>
        <source>In 15 minutes</source>
        <translation>Dans 15 minutes</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 heure avant</translation>
    </message>
    <message>
        <source>In 1 hour</source>
        <translation>Dans 1 heure</translation>
    </message>
    <message>
        <source>3 hours before</source>
        <translation>3 heures avant</translation>
    </message>
    <message>
        <source>In 3 hours</source>
        <translation>Dans 3 heures</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 jour avant</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 jours avant</translation>
    </message>
    <message>
        <source>In 3 days</source>
        <translation>Dans 3 jours</translation>
    </message>
    <message>
        <source>The hour of %1 begins</source>
        <translation>Début de l’heure planétaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>The moon is void of course</source>
        <translation>La Lune est vide de course</translation>
    </message>
    <message>
        <source>%1 turns direct in %2</source>
        <translation>%1 reprend sa marche directe en %2</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2</source>
        <translation>%1 devient rétrograde en %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>the calendar file could not be made</source>
        <translation>le fichier d’agenda n’a pas pu être créé</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>le PDF n’a pas pu être créé</translation>
    </message>
    <message>
        <source>the autostart entry could not be made</source>
        <translation>l’entrée de démarrage automatique n’a pas pu être créée</translation>
    </message>
    <message>
        <source>The calendar file could not be saved as %1: %2. Nothing was written.</source>
        <translation>Le fichier d’agenda n’a pas pu être enregistré sous %1&#xa0;: %2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: %2. Nothing was written.</source>
        <translation>Le PDF n’a pas pu être enregistré sous %1&#xa0;: %2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>The autostart entry could not be saved as %1: %2. Nothing was written.</source>
        <translation>L’entrée de démarrage automatique n’a pas pu être enregistrée sous %1&#xa0;: %2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>the list of events could not be made</source>
        <translation>la liste des événements n’a pas pu être créée</translation>
    </message>
    <message>
        <source>The list of events could not be saved as %1: %2. Nothing was written.</source>
        <translation>La liste des événements n’a pas pu être enregistrée sous %1&#xa0;: %2. Rien n’a été écrit.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
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
        <translation>Vide de course de %1 à %3, jusqu’à l’entrée de la Lune en %2</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible</translation>
    </message>
</context>
<context>
    <name>lunara::MoonMonthModel</name>
    <message>
        <source>%1, new moon at %2</source>
        <translation>%1, nouvelle lune à %2</translation>
    </message>
    <message>
        <source>%1, first quarter at %2</source>
        <translation>%1, premier quartier à %2</translation>
    </message>
    <message>
        <source>%1, full moon at %2</source>
        <translation>%1, pleine lune à %2</translation>
    </message>
    <message>
        <source>%1, last quarter at %2</source>
        <translation>%1, dernier quartier à %2</translation>
    </message>
    <message>
        <source>%1: no such day here, the clocks skipped it</source>
        <translation>%1&#xa0;: ce jour n’existe pas ici, les horloges l’ont sauté</translation>
    </message>
    <message>
        <source>%1, %2 % lit, moon in %3</source>
        <translation>%1, Lune éclairée à %2&#xa0;%, en %3</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a day&apos;s words and one of its events</comment>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>today, chosen</source>
        <translation>aujourd’hui, sélectionné</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd’hui</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>sélectionné</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation>Semaine du %1</translation>
    </message>
</context>
<context>
    <name>lunara::Notifier</name>
    <message>
        <source>Show in calendar</source>
        <translation>Afficher dans le calendrier</translation>
    </message>
</context>
<context>
    <name>lunara::Reminders</name>
    <message>
        <source>today</source>
        <translation>aujourd’hui</translation>
    </message>
    <message>
        <source>Late reminder</source>
        <translation>Rappel en retard</translation>
    </message>
    <message>
        <source>%1: %2 at %3 (%4)</source>
        <translation>%1&#xa0;: %2 à %3 (%4)</translation>
    </message>
    <message>
        <source>Today, all day (%1)</source>
        <translation>Aujourd’hui, toute la journée (%1)</translation>
    </message>
    <message>
        <source>%1: %2, all day (%3)</source>
        <translation>%1&#xa0;: %2, toute la journée (%3)</translation>
    </message>
    <message>
        <source>%1 in %2, void of course until %3</source>
        <translation>%1 en %2, vide de course jusqu’à %3</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <comment>the moon&apos;s phase and sign</comment>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>lunara::Services</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1: its lock %2 is held and cannot be cleared</source>
        <translation>%1&#xa0;: son verrou %2 est détenu et ne peut pas être libéré</translation>
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
        <translation>La magie est une voie très largement pratiquée dans le monde de la divination. Lunara réunit Magie des bougies Velmora et Magie lunaire Velmora&#xa0;: il présente les correspondances entre les différents rituels magiques et les couleurs des bougies à employer, ainsi que l’influence des phases de la Lune sur les rituels magiques.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Travaillez depuis chez vous. Lancez votre propre activité sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site web. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
</context>
<context>
    <name>lunara::frmCandleMagickMain</name>
    <message>
        <source>Velmora Candle Magick displays the correspondence between different magick rituals and the colors of candles that should be used. Candle magick is very effective when the right candles are used for the right purposes. This needs to be repeated many times before your purpose is solved. Note that you do not harm to anyone.</source>
        <translation>Magie des bougies Velmora présente les correspondances entre les différents rituels magiques et les couleurs des bougies à employer. La magie des bougies est très efficace lorsque l’on choisit la bonne bougie pour la bonne intention. Il faut répéter le rituel de nombreuses fois avant que votre intention se réalise. Veillez à ne nuire à personne.</translation>
    </message>
    <message>
        <source>Select one of the following purposes and know which candle to use.</source>
        <translation>Choisissez l’une des intentions suivantes pour savoir quelle bougie utiliser.</translation>
    </message>
    <message>
        <source>Candle Selection</source>
        <translation>Mode de choix</translation>
    </message>
    <message>
        <source>Available Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Get Candle Magick Reading</source>
        <translation>&amp;Consulter la magie des bougies</translation>
    </message>
    <message>
        <source>Candle Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Option Selection</source>
        <translation>Option choisie</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Intentions</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Velmora Candle Magick</source>
        <translation>Magie des bougies Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Heures magiques</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>To be given</source>
        <translation>À préciser</translation>
    </message>
</context>
<context>
    <name>lunara::frmExportCalendar</name>
    <message>
        <source>Range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>A c&amp;hosen year:</source>
        <translation>Une année &amp;choisie&#xa0;:</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Inclure</translation>
    </message>
    <message>
        <source>The four &amp;quarters</source>
        <translation>Les &amp;quatre phases principales</translation>
    </message>
    <message>
        <source>The moon entering each &amp;sign</source>
        <translation>L’entrée de la Lune dans chaque &amp;signe</translation>
    </message>
    <message>
        <source>&amp;Void-of-course periods, counting</source>
        <translation>Les périodes de Lune &amp;vide de course, selon&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;lassic planets (Sun to Saturn)</source>
        <translation>Planètes c&amp;lassiques (Soleil à Saturne)</translation>
    </message>
    <message>
        <source>M&amp;odern planets (to Pluto)</source>
        <translation>Planètes m&amp;odernes (jusqu’à Pluton)</translation>
    </message>
    <message>
        <source>The &amp;Wheel of the Year&apos;s sabbats</source>
        <translation>Les sa&amp;bbats de la Roue de l’Année</translation>
    </message>
    <message>
        <source>Ecli&amp;pses, as seen from here</source>
        <translation>Les écli&amp;pses visibles d’ici</translation>
    </message>
    <message>
        <source>&amp;Retrograde periods, as whole days</source>
        <translation>Les périodes &amp;rétrogrades, en jours entiers</translation>
    </message>
    <message>
        <source>Full moon &amp;names, blue and black moons</source>
        <translation>Les &amp;noms des pleines lunes, les lunes bleues et noires</translation>
    </message>
    <message>
        <source>S&amp;upermoons and micromoons</source>
        <translation>Les s&amp;uper-lunes et micro-lunes</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exporter vers un agenda</translation>
    </message>
    <message>
        <source>This &amp;month (%1)</source>
        <translation>Ce &amp;mois (%1)</translation>
    </message>
    <message>
        <source>This &amp;year (%1)</source>
        <translation>Cette &amp;année (%1)</translation>
    </message>
    <message>
        <source>Year to export</source>
        <translation>Année à exporter</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Choisissez au moins un type d’événement.</translation>
    </message>
</context>
<context>
    <name>lunara::frmLocation</name>
    <message>
        <source>Degrees north and east are positive; 51°28′N or 0°07′W work too.</source>
        <translation>Les degrés nord et est sont positifs&#xa0;; 51°28′N ou 0°07′O conviennent aussi.</translation>
    </message>
    <message>
        <source>Use &amp;Default</source>
        <translation>Lieu par &amp;défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>&amp;Find a city:</source>
        <translation>&amp;Rechercher une ville&#xa0;:</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Villes</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>L&amp;atitude&#xa0;:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>L&amp;ongitude&#xa0;:</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, as your time zone names no city.</source>
        <translation>Sans choix de votre part, Lunara utilise %1, car votre fuseau horaire ne désigne aucune ville.</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, the city of your time zone.</source>
        <translation>Sans choix de votre part, Lunara utilise %1, la ville de votre fuseau horaire.</translation>
    </message>
    <message>
        <source>The location is used now but could not be saved for next time.</source>
        <translation>Le lieu est utilisé dès maintenant, mais n’a pas pu être enregistré pour la prochaine fois.</translation>
    </message>
</context>
<context>
    <name>lunara::frmMDI</name>
    <message>
        <source>&amp;Moon Magick</source>
        <translation>Magie &amp;lunaire</translation>
    </message>
    <message>
        <source>&amp;Candle Magick</source>
        <translation>Magie des &amp;bougies</translation>
    </message>
    <message>
        <source>Welcome to Lunara</source>
        <translation>Bienvenue dans Lunara</translation>
    </message>
    <message>
        <source>Welcome to the Magickal world of occult and spirituality. Lunara will open new doors in Candle and Moon magick. Use the different resources to gain more understanding of the subject.</source>
        <translation>Bienvenue dans le monde magique de l’occulte et de la spiritualité. Lunara vous ouvrira de nouvelles portes sur la magie des bougies et la magie lunaire. Servez-vous de ses différentes ressources pour mieux comprendre le sujet.</translation>
    </message>
    <message>
        <source>Lunara includes the following programs</source>
        <translation>Lunara comprend les programmes suivants</translation>
    </message>
    <message>
        <source>Candle Magick</source>
        <translation>Magie des bougies</translation>
    </message>
    <message>
        <source>Moon Magick</source>
        <translation>Magie lunaire</translation>
    </message>
    <message>
        <source>Moon Calendar</source>
        <translation>Calendrier lunaire</translation>
    </message>
    <message>
        <source>Magick Hours</source>
        <translation>Heures magiques</translation>
    </message>
    <message>
        <source>The Year</source>
        <translation>L’Année</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Lunara v1.20</source>
        <translation>Lunara v1.20</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Le forum ésotérique en ligne le plus populaire. La meilleure ressource pour tout ce qui touche au mystique. Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Lit candles</source>
        <translation>Bougies allumées</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Calendrier lunaire</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Heures magiques</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>L’&amp;Année</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Rappels...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Stop Reminders and Quit</source>
        <translation>Arrê&amp;ter les rappels et quitter</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Lunara speaks the language chosen from its next start.</source>
        <translation>Lunara parlera la langue choisie à partir de son prochain démarrage.</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written.</source>
        <translation>La langue n’a pas pu être conservée&#xa0;: les paramètres ne peuvent pas être écrits.</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Reminders cannot be remembered</source>
        <translation>Les rappels ne peuvent pas être mémorisés</translation>
    </message>
    <message>
        <source>Lunara cannot write its settings (%1). Until it can, it does not remember across restarts which reminders it has shown, so one may come again after Lunara starts anew.</source>
        <translation>Lunara ne peut pas écrire ses paramètres (%1). Tant qu’il n’y parvient pas, il ne retient pas d’un démarrage à l’autre les rappels déjà affichés&#xa0;: un même rappel peut donc revenir quand Lunara redémarre.</translation>
    </message>
    <message>
        <source>&amp;Open Lunara</source>
        <translation>&amp;Ouvrir Lunara</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
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
        <translation>Au&amp;jourd’hui</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>Lie&amp;u...</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>La Lune</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Vide de course</translation>
    </message>
    <message>
        <source>Aspects to</source>
        <translation>Aspects avec</translation>
    </message>
    <message>
        <source>&amp;Classic planets (Sun to Saturn)</source>
        <translation>Planètes &amp;classiques (Soleil à Saturne)</translation>
    </message>
    <message>
        <source>&amp;Modern planets (to Pluto)</source>
        <translation>Planètes &amp;modernes (jusqu’à Pluton)</translation>
    </message>
    <message>
        <source>Enter or a double click on an hour shows its planet&apos;s candle in Candle Magick.</source>
        <translation>Entrée ou un double-clic sur une heure affiche la bougie de sa planète dans Magie des bougies.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Lunara Magick Hours</source>
        <translation>Heures magiques Lunara</translation>
    </message>
    <message>
        <source>Planetary hours</source>
        <translation>Heures planétaires</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Bougie</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>Jour &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Jour &amp;suivant</translation>
    </message>
    <message>
        <source>Planetary hours for %1; times in %2 (%3)</source>
        <translation>Heures planétaires pour %1&#xa0;; horaires du fuseau %2 (%3)</translation>
    </message>
    <message>
        <source>Planetary hours for %1</source>
        <translation>Heures planétaires pour %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>Nuit %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Jour %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <comment>an hour&apos;s name</comment>
        <translation>%1 (en cours)</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Heure de nuit %1, de %2 à %3, %4, bougie&#xa0;: %5, en cours</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Heure de nuit %1, de %2 à %3, %4, bougie&#xa0;: %5</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Heure de jour %1, de %2 à %3, %4, bougie&#xa0;: %5, en cours</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Heure de jour %1, de %2 à %3, %4, bougie&#xa0;: %5</translation>
    </message>
    <message>
        <source>%1, in %2 (now)</source>
        <translation>%1, en %2 (maintenant)</translation>
    </message>
    <message>
        <source>%1, in %2 (at noon)</source>
        <translation>%1, en %2 (à midi)</translation>
    </message>
    <message>
        <source>The moon is not void of course this day.</source>
        <translation>La Lune n’est pas vide de course ce jour-là.</translation>
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
        <translation>Au&amp;jourd’hui</translation>
    </message>
    <message>
        <source>Hemisphere:</source>
        <translation>Hémisphère&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Northern</source>
        <translation>&amp;Nord</translation>
    </message>
    <message>
        <source>&amp;Southern</source>
        <translation>&amp;Sud</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>Lie&amp;u...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar</source>
        <translation>Calendrier lunaire Lunara</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Créer un P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar...</source>
        <translation>&amp;Exporter vers un agenda...</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>L’&amp;Année</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Rappels...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>Mois &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>Mois &amp;suivant</translation>
    </message>
    <message>
        <source>Sunrise and sunset for %1</source>
        <translation>Lever et coucher du Soleil pour %1</translation>
    </message>
    <message>
        <source>Your time zone names no city.</source>
        <translation>Votre fuseau horaire ne désigne aucune ville.</translation>
    </message>
    <message>
        <source>%1 is your time zone&apos;s city.</source>
        <translation>%1 est la ville de votre fuseau horaire.</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>L’imprimante n’a pas pu être utilisée. Rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exporter vers un agenda</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Fichiers d’agenda (*.ics)</translation>
    </message>
    <message>
        <source>The sun does not set</source>
        <translation>Le Soleil ne se couche pas</translation>
    </message>
    <message>
        <source>The sun does not rise</source>
        <translation>Le Soleil ne se lève pas</translation>
    </message>
    <message>
        <source>The moon does not set</source>
        <translation>La Lune ne se couche pas</translation>
    </message>
    <message>
        <source>The moon does not rise</source>
        <translation>La Lune ne se lève pas</translation>
    </message>
    <message>
        <source>sunrise %1</source>
        <translation>lever du Soleil à %1</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>coucher du Soleil à %1</translation>
    </message>
    <message>
        <source>moonrise %1</source>
        <translation>lever de la Lune à %1</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>coucher de la Lune à %1</translation>
    </message>
    <message>
        <source>no sunrise this day</source>
        <translation>pas de lever du Soleil ce jour-là</translation>
    </message>
    <message>
        <source>no moonrise this day</source>
        <translation>pas de lever de la Lune ce jour-là</translation>
    </message>
    <message>
        <source>no sunset this day</source>
        <translation>pas de coucher du Soleil ce jour-là</translation>
    </message>
    <message>
        <source>no moonset this day</source>
        <translation>pas de coucher de la Lune ce jour-là</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the phrases of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>The moon is not void of course this day</source>
        <translation>La Lune n’est pas vide de course ce jour-là</translation>
    </message>
    <message>
        <source>No such day here: the clocks skipped it</source>
        <translation>Ce jour n’existe pas ici&#xa0;: les horloges l’ont sauté</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a phase and the time of its quarter</comment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Moon picture: %1</source>
        <translation>Image de la Lune&#xa0;: %1</translation>
    </message>
    <message>
        <source>Age: %1 days</source>
        <translation>Âge&#xa0;: %1 jours</translation>
    </message>
    <message>
        <source>Lit: %1 %</source>
        <translation>Éclairée&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>The moon enters %1 at %2</source>
        <translation>La Lune entre en %1 à %2</translation>
    </message>
    <message>
        <source>enters %1 at %2</source>
        <translation>entre en %1 à %2</translation>
    </message>
    <message>
        <source>Keyword: %1</source>
        <translation>Mot-clé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Élément&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>The traditional rule says %n days, %1</source>
        <translation>
            <numerusform>Règle traditionnelle&#xa0;: %n jour, %1</numerusform>
            <numerusform>Règle traditionnelle&#xa0;: %n jours, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, today</source>
        <translation>Prochaine nouvelle lune&#xa0;: %1 à %2, aujourd’hui</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, today</source>
        <translation>Prochaine pleine lune&#xa0;: %1 à %2, aujourd’hui</translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, in 1 day</source>
        <translation>Prochaine nouvelle lune&#xa0;: %1 à %2, demain</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, in 1 day</source>
        <translation>Prochaine pleine lune&#xa0;: %1 à %2, demain</translation>
    </message>
    <message numerus="yes">
        <source>Next new moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Prochaine nouvelle lune&#xa0;: %1 à %2, dans %n jour</numerusform>
            <numerusform>Prochaine nouvelle lune&#xa0;: %1 à %2, dans %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Next full moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Prochaine pleine lune&#xa0;: %1 à %2, dans %n jour</numerusform>
            <numerusform>Prochaine pleine lune&#xa0;: %1 à %2, dans %n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickDisplay</name>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Moon Phase on</source>
        <translation>Phase lunaire du</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message numerus="yes">
        <source>Moon picture: %n days, %1</source>
        <translation>
            <numerusform>Image de la Lune&#xa0;: %n jour, %1</numerusform>
            <numerusform>Image de la Lune&#xa0;: %n jours, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Magie lunaire Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickMain</name>
    <message>
        <source>The Moon has a strong influence on magick rituals. Know more about the moon phases and the corresponding effects on magick.</source>
        <translation>La Lune exerce une forte influence sur les rituels magiques. Découvrez les phases de la Lune et leurs effets sur la magie.</translation>
    </message>
    <message>
        <source>Enter Date for Moon Magick</source>
        <translation>Saisissez une date pour la magie lunaire</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Moon Phase - Magick Correspondence</source>
        <translation>Phases lunaires – correspondances</translation>
    </message>
    <message>
        <source>Zodiacal Moon Magick</source>
        <translation>Magie lunaire zodiacale</translation>
    </message>
    <message>
        <source>Elemental Moon Magick</source>
        <translation>Magie lunaire élémentaire</translation>
    </message>
    <message>
        <source>Moon &amp;Magick Reading</source>
        <translation>Consulter la &amp;magie lunaire</translation>
    </message>
    <message>
        <source>Today&apos;s Moon Phase</source>
        <translation>Phase lunaire du jour</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Ce jour</translation>
    </message>
    <message>
        <source>Today&apos;s Zodiacal Elemental Moon Magick</source>
        <translation>Magie lunaire zodiacale et élémentaire du jour</translation>
    </message>
    <message>
        <source>Keywords:-</source>
        <translation>Mots-clés&#xa0;:</translation>
    </message>
    <message>
        <source>Today&apos;s Elemental Moon Magick</source>
        <translation>Magie lunaire élémentaire du jour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Magie lunaire Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Calendrier lunaire</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation>Veuillez saisir une date valide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminder</name>
    <message>
        <source>Lunara Reminders</source>
        <translation>Rappels Lunara</translation>
    </message>
    <message>
        <source>&amp;Reminders:</source>
        <translation>&amp;Rappels&#xa0;:</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Show in &amp;Calendar</source>
        <translation>Afficher dans le &amp;calendrier</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Remind me of:</source>
        <translation>Me rappeler&#xa0;:</translation>
    </message>
    <message>
        <source>When: %1</source>
        <translation>Quand&#xa0;: %1</translation>
    </message>
    <message>
        <source>Whose planetary hour</source>
        <translation>Planète de l’heure planétaire</translation>
    </message>
    <message>
        <source>&amp;Start with my session (in the background)</source>
        <translation>&amp;Démarrer avec ma session (en arrière-plan)</translation>
    </message>
    <message>
        <source>While any reminder is on, closing Lunara keeps it running in the tray to remind you; choose Quit in the tray icon&apos;s menu to end it.</source>
        <translation>Tant qu’un rappel est activé, fermer Lunara le laisse fonctionner dans la zone de notification pour vous prévenir&#xa0;; choisissez Quitter dans le menu de son icône pour l’arrêter.</translation>
    </message>
    <message>
        <source>This desktop has no tray: Lunara reminds you while it runs. Started with your session it runs in the background; its File menu then offers &quot;Stop Reminders and Quit&quot;.</source>
        <translation>Ce bureau n’a pas de zone de notification&#xa0;: Lunara vous prévient tant qu’il fonctionne. Lancé avec votre session, il tourne en arrière-plan&#xa0;; son menu Fichier propose alors «&#xa0;Arrêter les rappels et quitter&#xa0;».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The reminders could not be kept: the settings cannot be written.</source>
        <translation>Les rappels n’ont pas pu être conservés&#xa0;: les paramètres ne peuvent pas être écrits.</translation>
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
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Créer un P&amp;DF...</translation>
    </message>
    <message>
        <source>Enter or a double click on an entry opens the Moon Calendar at its day.</source>
        <translation>Entrée ou un double-clic sur une ligne ouvre le Calendrier lunaire à ce jour.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the first and last day of a period</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>The Wheel of the Year</source>
        <translation>La Roue de l’Année</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Éclipses</translation>
    </message>
    <message>
        <source>Retrogrades</source>
        <translation>Rétrogradations</translation>
    </message>
    <message>
        <source>Full moons</source>
        <translation>Pleines lunes</translation>
    </message>
    <message>
        <source>Blue and black moons</source>
        <translation>Lunes bleues et lunes noires</translation>
    </message>
    <message>
        <source>Supermoons and micromoons</source>
        <translation>Super-lunes et micro-lunes</translation>
    </message>
    <message>
        <source>None this year</source>
        <translation>Rien cette année</translation>
    </message>
    <message>
        <source>Lunara: The Year %1 (continued)</source>
        <translation>Lunara&#xa0;: L’Année %1 (suite)</translation>
    </message>
    <message>
        <source>Lunara: The Year %1</source>
        <translation>Lunara&#xa0;: L’Année %1</translation>
    </message>
    <message>
        <source>Lunara: The Year</source>
        <translation>Lunara&#xa0;: L’Année</translation>
    </message>
    <message>
        <source>The year&apos;s events</source>
        <translation>Les événements de l’année</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Show in Moon &amp;Calendar</source>
        <translation>Afficher dans le &amp;Calendrier lunaire</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>For %1; southern hemisphere; times in %2</source>
        <translation>Pour %1&#xa0;; hémisphère Sud&#xa0;; horaires du fuseau %2</translation>
    </message>
    <message>
        <source>For %1; northern hemisphere; times in %2</source>
        <translation>Pour %1&#xa0;; hémisphère Nord&#xa0;; horaires du fuseau %2</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>L’imprimante n’a pas pu être utilisée. Rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
</TS>
