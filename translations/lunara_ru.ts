<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Almanac</name>
    <message>
        <source>Ostara, the spring equinox</source>
        <translation>Остара, весеннее равноденствие</translation>
    </message>
    <message>
        <source>Mabon, the autumn equinox</source>
        <translation>Мабон, осеннее равноденствие</translation>
    </message>
    <message>
        <source>Litha, the summer solstice</source>
        <translation>Лита, летнее солнцестояние</translation>
    </message>
    <message>
        <source>Yule, the winter solstice</source>
        <translation>Йоль, зимнее солнцестояние</translation>
    </message>
    <message>
        <source>Beltane</source>
        <translation>Белтейн</translation>
    </message>
    <message>
        <source>Samhain</source>
        <translation>Самайн</translation>
    </message>
    <message>
        <source>Lughnasadh</source>
        <translation>Лугнасад</translation>
    </message>
    <message>
        <source>Imbolc</source>
        <translation>Имболк</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Частное солнечное затмение</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Кольцеобразное солнечное затмение</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Полное солнечное затмение</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Гибридное солнечное затмение</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Полутеневое лунное затмение</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Частное лунное затмение</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Полное лунное затмение</translation>
    </message>
    <message>
        <source>Penumbral eclipse begins</source>
        <translation>Начало полутеневого затмения</translation>
    </message>
    <message>
        <source>Partial eclipse begins</source>
        <translation>Начало частной фазы</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Начало полной фазы</translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation>Максимальная фаза затмения</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Конец полной фазы</translation>
    </message>
    <message>
        <source>Partial eclipse ends</source>
        <translation>Конец частной фазы</translation>
    </message>
    <message>
        <source>Penumbral eclipse ends</source>
        <translation>Конец полутеневого затмения</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Начало затмения</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Начало кольцеобразной фазы</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Конец кольцеобразной фазы</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Конец затмения</translation>
    </message>
    <message>
        <source>Wolf Moon</source>
        <translation>Волчья луна</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Снежная луна</translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation>Червячная луна</translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation>Розовая луна</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Цветочная луна</translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation>Клубничная луна</translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation>Оленья луна</translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation>Осетровая луна</translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation>Кукурузная луна</translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation>Охотничья луна</translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation>Бобровая луна</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Холодная луна</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Урожайная луна</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Голубая луна</translation>
    </message>
    <message>
        <source>Black moon</source>
        <translation>Чёрная луна</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Суперлуние</translation>
    </message>
    <message>
        <source>Micromoon</source>
        <translation>Микролуние</translation>
    </message>
    <message>
        <source>Super new moon</source>
        <translation>Суперноволуние</translation>
    </message>
    <message>
        <source>Micro new moon</source>
        <translation>Микроноволуние</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The Run key of the current user could not be written.</source>
        <translation>Не удалось сделать в реестре запись о запуске программы для текущего пользователя.</translation>
    </message>
    <message>
        <source>This system offers no way to start programs with the session.</source>
        <translation>В этой системе нет способа запускать программы вместе с сеансом.</translation>
    </message>
    <message>
        <source>%1 is a link, which Lunara leaves as it is.</source>
        <translation>%1 — символическая ссылка, и Lunara оставляет её как есть.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>Не удалось удалить %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>Lunara&apos;s path %1 cannot be written in an autostart entry.</source>
        <translation>Путь к Lunara (%1) нельзя записать в элемент автозагрузки.</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>Until the moon enters %1 (modern planets)</source>
        <translation>До входа Луны в знак %1 (современные планеты)</translation>
    </message>
    <message>
        <source>Until the moon enters %1 (classic planets)</source>
        <translation>До входа Луны в знак %1 (классические планеты)</translation>
    </message>
</context>
<context>
    <name>Candle</name>
    <message>
        <source>Love, Warmth, Caring</source>
        <translation>Любовь, тепло, забота</translation>
    </message>
    <message>
        <source>Well known as the color of romance and tender love, pink candles can be used to evoke similar feelings in one&apos;s heart. This color symbolically represents affection, sweetness in words and acts, nurturing partnerships and soft emotions. Pink is also said to have healing effect on our senses. It stands for unconditional love, honor and commitment.</source>
        <translation>Розовый издавна известен как цвет романтики и нежной любви, и розовые свечи помогают пробудить такие же чувства в сердце. Он символизирует привязанность, ласку в словах и поступках, заботливое партнёрство и нежные эмоции. Считается также, что розовый целительно действует на наши чувства. Это цвет безусловной любви, чести и верности.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Passion, Lust, Power, Immediate Action, Promotion of Career</source>
        <translation>Страсть, вожделение, сила, немедленные действия, карьерный рост</translation>
    </message>
    <message>
        <source>Lighting a red candle can ignite passionate love, sensuality and lustfulness. This color also evokes enthusiasm, power of body and mind, boldness and determination. This color is also effective to enhance personal magnetism, dynamism, sexual attractions and competitiveness. The fire of red candle symbolizes your inner fire and favorable for increasing fertility.</source>
        <translation>Зажжённая красная свеча способна разжечь страстную любовь, чувственность и влечение. Этот цвет пробуждает воодушевление, силу тела и духа, смелость и решимость. Он помогает также усилить личный магнетизм, энергичность, сексуальную притягательность и дух соперничества. Пламя красной свечи символизирует ваш внутренний огонь и благоприятствует плодородию.</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Business, Justice, Success</source>
        <translation>Бизнес, справедливость, успех</translation>
    </message>
    <message>
        <source>If you want to broaden your social circle or want to enjoy a rocking time with friends, orange colored candles can help you a lot. The color signifies the fire of sun, vitality, good fortune, ambition and courage. If you want to invite prosperity, success in every sphere and get rid of negative thoughts, orange candles can do wonders for you.</source>
        <translation>Если вы хотите расширить круг общения или весело провести время с друзьями, оранжевые свечи вам очень помогут. Этот цвет означает огонь солнца, жизненную силу, удачу, честолюбие и смелость. Если вы хотите привлечь благополучие и успех во всех сферах жизни и избавиться от негативных мыслей, оранжевые свечи сотворят для вас чудеса.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Confidence, Intelligence, Remove Mental Stress, Better Learning</source>
        <translation>Уверенность, интеллект, снятие стресса, успехи в учёбе</translation>
    </message>
    <message>
        <source>Yellow has a positive effect on intellect, imagination and communication skills. If you want to learn new things and excel in academics, yellow candle can do the magic for you. Yellow increases the power of concentration, memory and self-confidence. Yellow also stands for a cheerful personality, optimism, wisdom, tolerance and perseverance.</source>
        <translation>Жёлтый цвет благотворно влияет на интеллект, воображение и умение общаться. Если вы хотите узнавать новое и преуспеть в учёбе, жёлтая свеча поможет вам в этом. Жёлтый усиливает способность сосредоточиться, память и уверенность в себе. Кроме того, жёлтый — это цвет жизнерадостности, оптимизма, мудрости, терпимости и упорства.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Healing, Growth, Magic, Success</source>
        <translation>Исцеление, рост, магия, успех</translation>
    </message>
    <message>
        <source>This color stands as the symbol of Mother Nature and induces growth, abundance and fertility. Whenever you feel that these aspect of your life needs to be emphasized, use a green candle for positive outcome. This color is also good for monetary gain, prosperity, finding a new job, reaping a rich harvest and acquiring wealth.</source>
        <translation>Этот цвет — символ Матери-Природы: он способствует росту, изобилию и плодородию. Когда вы чувствуете, что этим сторонам вашей жизни нужно больше внимания, зажгите зелёную свечу, и исход будет благоприятным. Этот цвет хорош также для денежной прибыли, процветания, поиска новой работы, богатого урожая и обретения достатка.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Wisdom, Spiritual Enlightenment, Calming Effect, Good Luck</source>
        <translation>Мудрость, духовное просветление, успокоение, удача</translation>
    </message>
    <message>
        <source>Blue is the color of tranquility and peace. If you want to sooth your frayed nerves to experience a calming effect, use blue candle. Being the color of sky and the ocean, Blue also emphasizes openness and depth. This color is said to exert healing power, protection, provides harmony and wisdom.</source>
        <translation>Синий — цвет спокойствия и умиротворения. Если вы хотите успокоить расшатанные нервы, зажгите синюю свечу. Как цвет неба и океана, синий подчёркивает также открытость и глубину. Считается, что этот цвет обладает целительной силой, защищает, приносит гармонию и мудрость.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Psychic Powers, Opening of Inner Self, Influence</source>
        <translation>Экстрасенсорные способности, раскрытие внутреннего «я», влияние</translation>
    </message>
    <message>
        <source>Considered as the color of royalty, purple is attached to spiritual awakening, meditative power, intuitive knowledge and healing effect. Using purple candle can enhance your psychic ability and bring you close to the world of spirits. Purple is also thought to have protective properties. The color is useful to subdue ego and improve dignity.</source>
        <translation>Фиолетовый, который считают царственным цветом, связан с духовным пробуждением, силой медитации, интуитивным знанием и исцелением. Фиолетовая свеча может усилить ваши экстрасенсорные способности и приблизить вас к миру духов. Считается также, что фиолетовый обладает защитными свойствами. Этот цвет помогает усмирить гордыню и обрести достоинство.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Harmony, Peace, Clarity</source>
        <translation>Гармония, умиротворение, ясность</translation>
    </message>
    <message>
        <source>The harmonious mixture of all colors, white candles can be used for any purpose. The major attributes associated with white color are purity, clarity of thought and mind, piousness, spiritual knowledge and enlightenment. White is also significant for being the symbol of truth and peace. White can cleanse all kinds of impurities and negative effects leaving a feeling of contentment and well-being.</source>
        <translation>Белый — гармоничное смешение всех цветов, поэтому белые свечи подходят для любых целей. Главные качества, связанные с белым цветом, — чистота, ясность мысли и ума, благочестие, духовное знание и просветление. Белый важен и как символ истины и мира. Он очищает от всякой скверны и негативных влияний, оставляя чувство удовлетворения и благополучия.</translation>
    </message>
    <message>
        <source>Dark Pink</source>
        <translation>Тёмно-розовый</translation>
    </message>
    <message>
        <source>Light Pink</source>
        <translation>Светло-розовый</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Remove Negativity, Unity, Defense</source>
        <translation>Избавление от негатива, единство, защита</translation>
    </message>
    <message>
        <source>This color is grossly misunderstood as the color of evil. But in reality, black color candle has the power to dissolve negative effects and heal several illnesses. This color can be used for protection or casting magic spell or banishing. Burning this candle is said to increase meditating power. This can give good results when used at the finishing point of some strained relationship or affair to overcome mental barriers.</source>
        <translation>Этот цвет часто ошибочно считают цветом зла. Но на самом деле чёрная свеча обладает силой растворять негативные влияния и исцелять многие недуги. Её можно использовать для защиты, для наведения чар или для изгнания. Считается, что горящая чёрная свеча усиливает способность к медитации. Она хорошо помогает, когда напряжённые отношения или роман подходят к концу: с ней легче преодолеть душевные преграды.</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золотой</translation>
    </message>
    <message>
        <source>The Supreme Power, Happiness, Accomplishments</source>
        <translation>Высшая сила, счастье, достижения</translation>
    </message>
    <message>
        <source>If you want to invite affluence, good fortune and material wealth, golden candles are suitable for you. Use this candle to emerge victorious in professional as well as personal life. Golden candles are also effective to enhance communication skills, reenergize your spirit and success. Gold is also associated with protection, cheerful mood and self assurance.</source>
        <translation>Если вы хотите привлечь достаток, удачу и материальное богатство, вам подойдут золотые свечи. Зажигайте такую свечу, чтобы одерживать победы и в работе, и в личной жизни. Золотые свечи помогают также развить умение общаться, наполнить дух новой энергией и добиться успеха. Кроме того, золотой цвет связан с защитой, хорошим настроением и уверенностью в себе.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Коричневый</translation>
    </message>
    <message>
        <source>Support, Kindness, Friendships</source>
        <translation>Поддержка, доброта, дружба</translation>
    </message>
    <message>
        <source>Brown colored candles are used to emphasize the earth element that bestows material gains, success in profession, wealth and prosperity in one&apos;s life. Brown is also attached to mental stability, great patience, firm determination, practical knowledge and tenacity. This color can be beneficial to increase concentration in studies, enhance learning power and telepathy.</source>
        <translation>Коричневые свечи используют, чтобы усилить стихию Земли, которая дарует материальные блага, успех в профессии, богатство и процветание. Коричневый связан также с душевной устойчивостью, большим терпением, твёрдой решимостью, практическими знаниями и упорством. Этот цвет помогает лучше сосредоточиться на учёбе, развить способность к обучению и телепатию.</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебряный</translation>
    </message>
    <message>
        <source>Intuition, Telepathy, Imagination</source>
        <translation>Интуиция, телепатия, воображение</translation>
    </message>
    <message>
        <source>This color is primarily associated with female deities and feminine energy. Therefore, silver colored candles are suitable for rituals that emphasizes on feminine power. This color can work wonders to ward off evil influence, improve meditation and increase stability of mind. Silver color is also thought to enhance psychic abilities.</source>
        <translation>Этот цвет прежде всего связан с женскими божествами и женской энергией. Поэтому серебряные свечи подходят для ритуалов, в которых важна женская сила. Этот цвет творит чудеса: он отводит злые влияния, углубляет медитацию и укрепляет душевное равновесие. Считается также, что серебряный усиливает экстрасенсорные способности.</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Лавандовый</translation>
    </message>
    <message>
        <source>Relaxation, Inner Strengths, Self Abilities</source>
        <translation>Расслабление, внутренняя сила, личные способности</translation>
    </message>
    <message>
        <source>This color symbolizes compassion and selflessness. You can use this candle to evoke a sense of unconditional love and affection that a mother bestows on her kids. Burning this candle can inspire your mind and help you to get close to higher spiritual realization.  This soothing color can have a very calming effect on your heart and soul.</source>
        <translation>Этот цвет символизирует сострадание и бескорыстие. Зажгите такую свечу, чтобы пробудить в себе безусловную любовь и нежность, какую мать дарит своим детям. Горящая лавандовая свеча вдохновляет ум и помогает приблизиться к высшему духовному постижению. Этот мягкий цвет очень успокаивающе действует на сердце и душу.</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Страсть</translation>
    </message>
    <message>
        <source>Lust</source>
        <translation>Вожделение</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Сила</translation>
    </message>
    <message>
        <source>Immediate Action</source>
        <translation>Немедленные действия</translation>
    </message>
    <message>
        <source>Promotion of Career</source>
        <translation>Карьерный рост</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Бизнес</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Справедливость</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Успех</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Уверенность</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Интеллект</translation>
    </message>
    <message>
        <source>Remove Mental Stress</source>
        <translation>Снятие стресса</translation>
    </message>
    <message>
        <source>Better Learning</source>
        <translation>Успехи в учёбе</translation>
    </message>
    <message>
        <source>Healing</source>
        <translation>Исцеление</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Рост</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Магия</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Мудрость</translation>
    </message>
    <message>
        <source>Spiritual Enlightenment</source>
        <translation>Духовное просветление</translation>
    </message>
    <message>
        <source>Calming Effect</source>
        <translation>Успокоение</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Удача</translation>
    </message>
    <message>
        <source>Psychic Powers</source>
        <translation>Экстрасенсорные способности</translation>
    </message>
    <message>
        <source>Opening of Inner Self</source>
        <translation>Раскрытие внутреннего «я»</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Влияние</translation>
    </message>
    <message>
        <source>Harmony</source>
        <translation>Гармония</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Умиротворение</translation>
    </message>
    <message>
        <source>Clarity</source>
        <translation>Ясность</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Любовь</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Тепло</translation>
    </message>
    <message>
        <source>Caring</source>
        <translation>Забота</translation>
    </message>
    <message>
        <source>Remove Negativity</source>
        <translation>Избавление от негатива</translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>Единство</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Защита</translation>
    </message>
    <message>
        <source>The Supreme Power</source>
        <translation>Высшая сила</translation>
    </message>
    <message>
        <source>Happiness</source>
        <translation>Счастье</translation>
    </message>
    <message>
        <source>Accomplishments</source>
        <translation>Достижения</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>Kindness</source>
        <translation>Доброта</translation>
    </message>
    <message>
        <source>Friendships</source>
        <translation>Дружба</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Интуиция</translation>
    </message>
    <message>
        <source>Telepathy</source>
        <translation>Телепатия</translation>
    </message>
    <message>
        <source>Imagination</source>
        <translation>Воображение</translation>
    </message>
    <message>
        <source>Relaxation</source>
        <translation>Расслабление</translation>
    </message>
    <message>
        <source>Inner Strengths</source>
        <translation>Внутренняя сила</translation>
    </message>
    <message>
        <source>Self Abilities</source>
        <translation>Личные способности</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Марс</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Меркурий</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Юпитер</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Венера</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Сатурн</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Воздух</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Земля</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Огонь</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Choose Candle By Purpose</source>
        <translation>Выбор свечи по назначению</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Choose Candle By Color</source>
        <translation>Выбор свечи по цвету</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Choose By Planet</source>
        <translation>Выбор по планете</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Планета</translation>
    </message>
    <message>
        <source>Choose By Element</source>
        <translation>Выбор по стихии</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Стихия</translation>
    </message>
    <message>
        <source>Choose By Direction</source>
        <translation>Выбор по стороне света</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Сторона света</translation>
    </message>
    <message>
        <source>Choose By Day</source>
        <translation>Выбор по дню недели</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День недели</translation>
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
        <translation>Использование: lunara [--background | --help | --version]
Справочник по лунной магии и магии свечей: Лунная магия, Лунный календарь и Магия свечей.
Без параметров открывает окно программы.
  --background  запуск без окна, только значок в области уведомлений и напоминания (так
                программу запускает сеанс, если выбрано «Запускать при входе в систему»)
См. lunara(1).
</translation>
    </message>
    <message>
        <source>lunara: unknown option &apos;%1&apos;
Try &apos;lunara --help&apos; for more information.
</source>
        <translation>lunara: неизвестный параметр «%1»
Подробности можно узнать по команде «lunara --help».
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
        <translation>Использование: lunara now [ПАРАМЕТР...]     Луна сейчас (также: lunara today)
               lunara events [ПАРАМЕТР...]  события альманаха за период
Отвечает в стандартный вывод, без графического окружения. См. lunara(1).

Для всех команд (иначе место, полушарие и планеты из настроек Lunara):
  --place ГОРОД         город из таблицы часовых поясов: Lisbon, &quot;New York&quot;, Europe/Lisbon
  --lat ГРАД --lon ГРАД координаты, север и восток положительны: 38.72 -9.13, 38°43&apos;N 9°08&apos;W
  --zone ПОЯС           часовой пояс дат и времени (с --place — пояс города, иначе
                        системный)
  --hemisphere northern|southern    --planets classic|modern
now, today:
  --format text|json|waybar
  --at YYYY-MM-DDTHH:MM[+HH:MM]      другой момент вместо текущего
  --watch               новая строка при каждом изменении показанного
events:
  --from YYYY-MM-DD --to YYYY-MM-DD  1901–2050, включительно (иначе сегодня и ещё 29 дней)
  --kinds ВИД,...       quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,
                        risings (по умолчанию quarters,ingresses; risings — до 10 лет)
  --format text|ics|json|csv
  --output ФАЙЛ         записать всё в ФАЙЛ вместо вывода; существующий — только с --force
Код возврата: 0 — выполнено, 1 — не выполнено (файл есть, ошибка записи), 2 — ошибка в команде.
</translation>
    </message>
    <message>
        <source>the clock says %1, outside the years %2 to %3</source>
        <translation>часы показывают %1, вне диапазона лет с %2 по %3</translation>
    </message>
    <message>
        <source>%1 exists; add --force to replace it</source>
        <translation>%1 уже существует; чтобы заменить файл, добавьте --force</translation>
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
        <translation>%1 %2 — не дата; укажите её в виде YYYY-MM-DD, например 2027-01-01</translation>
    </message>
    <message>
        <source>%1 %2 is outside the years %3 to %4</source>
        <translation>%1 %2 вне диапазона лет с %3 по %4</translation>
    </message>
    <message>
        <source>--at %1 is not a date and time; write it as 2026-12-24T02:28, or with its offset, as 2026-12-24T02:28+01:00</source>
        <translation>--at %1 — не дата и время; укажите их в виде 2026-12-24T02:28 или со смещением часового пояса: 2026-12-24T02:28+01:00</translation>
    </message>
    <message>
        <source>--at %1 is outside the years %2 to %3</source>
        <translation>--at %1 вне диапазона лет с %2 по %3</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are now, today and events</source>
        <translation>неизвестная команда %1; доступны команды now, today и events</translation>
    </message>
    <message>
        <source>unknown option %1 for %2; see &apos;lunara %2 --help&apos;</source>
        <translation>неизвестный параметр %1 для %2; см. «lunara %2 --help»</translation>
    </message>
    <message>
        <source>%1 needs a value; see &apos;lunara %2 --help&apos;</source>
        <translation>параметру %1 нужно значение; см. «lunara %2 --help»</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>параметр %1 не принимает значения</translation>
    </message>
    <message>
        <source>unknown format %1 for %2; the formats are %3</source>
        <translation>неизвестный формат %1 для %2; возможные форматы: %3</translation>
    </message>
    <message>
        <source>unknown time zone %1; give a zone of the time-zone database, as Europe/Lisbon</source>
        <translation>неизвестный часовой пояс %1; укажите пояс из базы часовых поясов, например Europe/Lisbon</translation>
    </message>
    <message>
        <source>%1 needs %2 too, as --lat 38.72 --lon -9.13</source>
        <translation>вместе с %1 нужен и %2, например --lat 38.72 --lon -9.13</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>укажите либо --place, либо --lat и --lon, но не то и другое сразу</translation>
    </message>
    <message>
        <source>--place needs a city&apos;s name, as --place Lisbon</source>
        <translation>для --place нужно название города, например --place Lisbon</translation>
    </message>
    <message>
        <source>--hemisphere takes northern or southern, not %1</source>
        <translation>--hemisphere принимает northern или southern, а не %1</translation>
    </message>
    <message>
        <source>--planets takes classic or modern, not %1</source>
        <translation>--planets принимает classic или modern, а не %1</translation>
    </message>
    <message>
        <source>today is outside the years %1 to %2: give --from and --to</source>
        <translation>сегодняшняя дата вне диапазона лет с %1 по %2: укажите --from и --to</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 позже, чем --to %2</translation>
    </message>
    <message>
        <source>unknown kind %1 in --kinds; the kinds are %2</source>
        <translation>неизвестный вид %1 в --kinds; возможные виды: %2</translation>
    </message>
    <message>
        <source>risings are given for at most %1 years at a time; --from %2 --to %3 is longer</source>
        <translation>восходы и заходы (risings) выдаются не более чем на %1 лет; период --from %2 --to %3 длиннее</translation>
    </message>
    <message>
        <source>--output needs a file&apos;s name, as --output moon.ics</source>
        <translation>для --output нужно имя файла, например --output moon.ics</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Сейчас — %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Далее — %1</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>the date, the time and the place</comment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3 days old</source>
        <translation>%1, освещено %2 %, возраст %3 дня</translation>
    </message>
    <message>
        <source>Moon in %1 until %2, then in %3</source>
        <translation>Луна в знаке %1; вход в знак %3: %2</translation>
    </message>
    <message>
        <source>Moon in %1</source>
        <translation>Луна в знаке %1</translation>
    </message>
    <message>
        <source>Next quarter: %1, %2</source>
        <translation>Следующая главная фаза: %1, %2</translation>
    </message>
    <message>
        <source>%1; hour of %2</source>
        <translation>%1; час планеты %2</translation>
    </message>
    <message>
        <source>no city of the time-zone table is called &apos;%1&apos;; give one (as --place Lisbon) or --lat and --lon</source>
        <translation>в таблице часовых поясов нет города «%1»; укажите город (например, --place Lisbon) или --lat и --lon</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2 cities (%3); give more of the name</source>
        <translation>названию «%1» соответствует несколько городов (%2): %3; уточните название</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Огонь</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Земля</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Воздух</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>total</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>полное</translation>
    </message>
    <message>
        <source>annular</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>кольцеобразное</translation>
    </message>
    <message>
        <source>hybrid</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>гибридное</translation>
    </message>
    <message>
        <source>partial</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>частное</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: not seen from %4</source>
        <translation>%1 в %2, фаза %3: не видно в пункте %4</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4, %5 there, magnitude %6</source>
        <translation>%1 в %2, фаза %3: видно в пункте %4 как %5, фаза %6</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4</source>
        <translation>%1 в %2, фаза %3: видно в пункте %4</translation>
    </message>
    <message>
        <source>%1 turns retrograde</source>
        <translation>%1 переходит в ретроградное движение</translation>
    </message>
    <message>
        <source>%1 turns direct</source>
        <translation>%1 переходит в прямое движение</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2 at %3</source>
        <translation>%1 переходит в ретроградное движение в знаке %2 в %3</translation>
    </message>
    <message>
        <source>%1 turns direct in %2 at %3</source>
        <translation>%1 переходит в прямое движение в знаке %2 в %3</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 км</translation>
    </message>
    <message>
        <source>New moon in %1</source>
        <translation>Новолуние в знаке %1</translation>
    </message>
    <message>
        <source>First quarter moon in %1</source>
        <translation>Первая четверть в знаке %1</translation>
    </message>
    <message>
        <source>Full moon in %1</source>
        <translation>Полнолуние в знаке %1</translation>
    </message>
    <message>
        <source>Last quarter moon in %1</source>
        <translation>Последняя четверть в знаке %1</translation>
    </message>
    <message>
        <source>Moon enters %1</source>
        <translation>Луна входит в знак %1</translation>
    </message>
    <message>
        <source>Moon void of course</source>
        <translation>Луна без курса</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Восход Солнца</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Восход Луны</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Заход Солнца</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Заход Луны</translation>
    </message>
    <message>
        <source>%1 retrograde</source>
        <translation>%1 в ретроградном движении</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a day and a time</comment>
        <translation>%1, в %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a short day and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>seen from %1</source>
        <translation>видно в пункте %1</translation>
    </message>
    <message>
        <source>not seen from %1</source>
        <translation>не видно в пункте %1</translation>
    </message>
    <message>
        <source>%1 %2, the sun %3° up</source>
        <translation>%1: %2, Солнце на высоте %3°</translation>
    </message>
    <message>
        <source>%1 %2, the sun below the horizon</source>
        <translation>%1: %2, Солнце под горизонтом</translation>
    </message>
    <message>
        <source>%1 %2, the moon %3° up</source>
        <translation>%1: %2, Луна на высоте %3°</translation>
    </message>
    <message>
        <source>%1 %2, the moon below the horizon</source>
        <translation>%1: %2, Луна под горизонтом</translation>
    </message>
    <message>
        <source>%1 (its point: %2, the sun at 15° %3)</source>
        <translation>%1 (астрономическая точка: %2, Солнце на 15° знака %3)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>an event and its time</comment>
        <translation>%1 в %2</translation>
    </message>
    <message>
        <source>%1 from %2 in %3 until %4 in %5</source>
        <translation>%1: начало в %2 в знаке %3, конец — %4, в знаке %5</translation>
    </message>
    <message>
        <source>%1 at %2, in %3</source>
        <translation>%1 в %2, в знаке %3</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second full moon, at %2</source>
        <translation>%1: второе полнолуние месяца, в %2</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second new moon, at %2</source>
        <translation>%1: второе новолуние месяца, в %2</translation>
    </message>
    <message>
        <source>%1 at %2, %3 away</source>
        <translation>%1 в %2, расстояние %3</translation>
    </message>
    <message>
        <source>Mercury is retrograde</source>
        <translation>Ретроградный Меркурий</translation>
    </message>
    <message>
        <source>The sun at 15° %1 at %2: astronomical %3</source>
        <translation>Солнце на 15° знака %1 в %2: астрономический %3</translation>
    </message>
    <message>
        <source>Astronomical %1</source>
        <translation>Астрономический %1</translation>
    </message>
    <message>
        <source>%1, seen from %2</source>
        <translation>%1, видно в пункте %2</translation>
    </message>
    <message>
        <source>%1, not seen from %2</source>
        <translation>%1, не видно в пункте %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить о&amp;бновления</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать онлайн</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Справка в Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Наш сайт</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
</context>
<context>
    <name>MonthPrint</name>
    <message>
        <source>New moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Первая четверть</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Последняя четверть</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нов.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Перв.</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Полн.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Посл.</translation>
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
        <translation>Фазы</translation>
    </message>
    <message>
        <source>The moon enters</source>
        <translation>Луна входит в знак</translation>
    </message>
    <message>
        <source>Void of course (modern planets)</source>
        <translation>Луна без курса (современные планеты)</translation>
    </message>
    <message>
        <source>Void of course (classic planets)</source>
        <translation>Луна без курса (классические планеты)</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Также</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar for %1; times in %2</source>
        <translation>Лунный календарь Lunara. Место: %1; часовой пояс %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a quarter&apos;s short name and its time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The year</source>
        <translation>События года</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar, %1</source>
        <translation>Лунный календарь Lunara, %1</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>New Moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Первая четверть</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Последняя четверть</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Растущий серп</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Растущая луна</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Убывающая луна</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Убывающий серп</translation>
    </message>
    <message>
        <source>Dark Moon</source>
        <translation>Тёмная луна</translation>
    </message>
    <message>
        <source>Waxing Moon</source>
        <translation>Растущая луна</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Убывающая луна</translation>
    </message>
    <message>
        <source>The dark moon is a good time for giving up bad habits and overcoming anger.</source>
        <translation>Тёмная луна — хорошее время, чтобы избавляться от вредных привычек и усмирять гнев.</translation>
    </message>
    <message>
        <source>The new moon is a good time for new ventures, initiating new projects, love and health.</source>
        <translation>Новолуние — хорошее время для новых начинаний и проектов, для магии любви и здоровья.</translation>
    </message>
    <message>
        <source>The waxing moon is a good time for developing work like power, success, health and partnerships.</source>
        <translation>Растущая луна — хорошее время для магии развития и роста: силы, успеха, здоровья и партнёрства.</translation>
    </message>
    <message>
        <source>The full moon is a good time for predictions and trying out Magick. Good for healing projects too. </source>
        <translation>Полнолуние — хорошее время для предсказаний и магических опытов. Подходит оно и для магии исцеления.</translation>
    </message>
    <message>
        <source>The waning moon is a good time for removing negativity from oneself.</source>
        <translation>Убывающая луна — хорошее время, чтобы очиститься от негатива.</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience</source>
        <translation>Хорошее время, чтобы начинать новое. Подходит для заклинаний, связанных с силой, решимостью и новыми начинаниями. Инстинкты у вас сейчас сильны. Старайтесь не допускать ошибок и запаситесь терпением.</translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you.</source>
        <translation>Усиливает экстрасенсорные способности. Подходит для заклинаний, связанных с развитием экстрасенсорных способностей и с властью. Вы можете быть очень эмоциональны, но не позволяйте негативным чувствам взять над вами верх.</translation>
    </message>
    <message>
        <source>Moon In Aries</source>
        <translation>Луна в Овне</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Страсть</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. </source>
        <translation>Хорошее время, чтобы начинать новое. Подходит для заклинаний, связанных с силой, решимостью и новыми начинаниями. Инстинкты у вас сейчас сильны. Старайтесь не допускать ошибок и запаситесь терпением.</translation>
    </message>
    <message>
        <source>Moon In Taurus</source>
        <translation>Луна в Тельце</translation>
    </message>
    <message>
        <source>Physical </source>
        <translation>Телесность</translation>
    </message>
    <message>
        <source>This is a good time for conjuring on personal matters. Good for spells which involve romance, property and finance. Try not to be stubborn. You are very conventional and not willing to change.</source>
        <translation>Хорошее время для магии в личных делах. Подходит для заклинаний, связанных с любовными отношениями, имуществом и финансами. Постарайтесь не упрямиться. Сейчас вы очень консервативны и не расположены к переменам.</translation>
    </message>
    <message>
        <source>Moon In Gemini</source>
        <translation>Луна в Близнецах</translation>
    </message>
    <message>
        <source>Inquisitiveness </source>
        <translation>Любознательность</translation>
    </message>
    <message>
        <source>You are influenced by outside changes. Good for spells which involve journey, negotiations and public involvement. You think of doing ten different things at the same time. Be more emotional than analytical.</source>
        <translation>На вас влияют внешние перемены. Подходит для заклинаний, связанных с путешествиями, переговорами и общественной деятельностью. Вам хочется делать десять дел одновременно. Доверяйте больше чувствам, чем рассудку.</translation>
    </message>
    <message>
        <source>Moon In Cancer</source>
        <translation>Луна в Раке</translation>
    </message>
    <message>
        <source>Caring </source>
        <translation>Заботливость</translation>
    </message>
    <message>
        <source>Family and home is your priority. Good for spells which involve family and friends. You are good at Magick without trying to hard. Try not to be overly emotional. Try to relax.</source>
        <translation>На первом месте — семья и дом. Подходит для заклинаний, связанных с семьёй и друзьями. Магия даётся вам легко, без особых усилий. Старайтесь не поддаваться излишней эмоциональности. Постарайтесь расслабиться.</translation>
    </message>
    <message>
        <source>Moon In Leo</source>
        <translation>Луна во Льве</translation>
    </message>
    <message>
        <source>Resolute</source>
        <translation>Решительность</translation>
    </message>
    <message>
        <source>Pleasure and hobbies take the forefront. Good for spells which involve children, power, love. Be sure to follow the right directions. You have the right frame of mind. Be sure to put it to good use.</source>
        <translation>На первый план выходят удовольствия и увлечения. Подходит для заклинаний, связанных с детьми, властью и любовью. Следите за тем, чтобы идти верным путём. Настрой у вас правильный — используйте его во благо.</translation>
    </message>
    <message>
        <source>Moon In Virgo</source>
        <translation>Луна в Деве</translation>
    </message>
    <message>
        <source>Serious</source>
        <translation>Серьёзность</translation>
    </message>
    <message>
        <source>Minute details are taken care of. Good for spells which involve illnesses, confidence and career. Do not be nervous and insecure. There doesn&apos;t always have to be a second plan ready in case the first one fails. Believe in yourself.</source>
        <translation>Время позаботиться о мелочах. Подходит для заклинаний, связанных с болезнями, уверенностью в себе и карьерой. Не нервничайте и не сомневайтесь в себе. Вовсе не обязательно всегда держать наготове запасной план на случай, если первый не удастся. Верьте в себя.</translation>
    </message>
    <message>
        <source>Moon In Libra</source>
        <translation>Луна в Весах</translation>
    </message>
    <message>
        <source>Helpful </source>
        <translation>Отзывчивость</translation>
    </message>
    <message>
        <source>This is the right time for alliances and partnerships. Good for spells which involve creativity, legal matters and business deals. You are good at what you do.</source>
        <translation>Самое время для союзов и партнёрства. Подходит для заклинаний, связанных с творчеством, юридическими вопросами и деловыми сделками. Вы хорошо делаете своё дело.</translation>
    </message>
    <message>
        <source>Moon In Scorpio</source>
        <translation>Луна в Скорпионе</translation>
    </message>
    <message>
        <source>Idealistic </source>
        <translation>Идеализм</translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you. </source>
        <translation>Усиливает экстрасенсорные способности. Подходит для заклинаний, связанных с развитием экстрасенсорных способностей и с властью. Вы можете быть очень эмоциональны, но не позволяйте негативным чувствам взять над вами верх.</translation>
    </message>
    <message>
        <source>Moon In Sagittarius</source>
        <translation>Луна в Стрельце</translation>
    </message>
    <message>
        <source>Posetive</source>
        <translation>Позитивность</translation>
    </message>
    <message>
        <source>Time to dream and move on. Good for spells which involve education and sports. You think with a positive mind. Just don&apos;t be hasty and forget the minute details.</source>
        <translation>Время мечтать и двигаться вперёд. Подходит для заклинаний, связанных с учёбой и спортом. Вы мыслите позитивно. Только не спешите и не забывайте о мелочах.</translation>
    </message>
    <message>
        <source>Moon In Capricorn</source>
        <translation>Луна в Козероге</translation>
    </message>
    <message>
        <source>Motivated</source>
        <translation>Целеустремлённость</translation>
    </message>
    <message>
        <source>This is the right time to increase business sense and responsibility. Good for spells which involve power, work and dreams. Think calmly but don&apos;t do not become too logical.</source>
        <translation>Самое время развивать деловую хватку и чувство ответственности. Подходит для заклинаний, связанных с властью, работой и мечтами. Размышляйте спокойно, но не становитесь слишком рассудочными.</translation>
    </message>
    <message>
        <source>Moon In Aquarius</source>
        <translation>Луна в Водолее</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Общительность</translation>
    </message>
    <message>
        <source>Time to socialize and make merry. Good for spells which involve friends, analysis and personal development. You are a born natural. Try not to be too stubborn.</source>
        <translation>Время общаться и веселиться. Подходит для заклинаний, связанных с друзьями, анализом и личностным ростом. У вас природный дар. Старайтесь не быть слишком упрямыми.</translation>
    </message>
    <message>
        <source>Moon In Pisces</source>
        <translation>Луна в Рыбах</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Оптимизм</translation>
    </message>
    <message>
        <source>A lot of inner development will occur with new understanding and experience. Good for spells which involve psychic capabilities and intuition. Improve your self-confidence. Do not try to do bad Magick.</source>
        <translation>Вас ждёт большой внутренний рост, новое понимание и новый опыт. Подходит для заклинаний, связанных с экстрасенсорными способностями и интуицией. Укрепляйте уверенность в себе. Не пытайтесь творить тёмную магию.</translation>
    </message>
    <message>
        <source>Magick related to the Fire element should be performed when the Moon is in any of the Fire Signs. This can include Magick related to strength, determination, new beginnings, children, power, love, education and sports.</source>
        <translation>Магию, связанную со стихией Огня, следует творить, когда Луна находится в одном из огненных знаков. Это может быть магия, связанная с силой, решимостью, новыми начинаниями, детьми, властью, любовью, учёбой и спортом.</translation>
    </message>
    <message>
        <source>Magick related to the Earth element should be performed when the Moon is in any of the Earth Signs. This can include Magick related to illnesses, confidence, career, education, sports, romance, property and finance. </source>
        <translation>Магию, связанную со стихией Земли, следует творить, когда Луна находится в одном из земных знаков. Это может быть магия, связанная с болезнями, уверенностью в себе, карьерой, учёбой, спортом, любовными отношениями, имуществом и финансами.</translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development.</source>
        <translation>Магию, связанную со стихией Воздуха, следует творить, когда Луна находится в одном из воздушных знаков. Это может быть магия, связанная с путешествиями, переговорами, общественной деятельностью, творчеством, юридическими вопросами, деловыми сделками, друзьями, анализом и личностным ростом.</translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development</source>
        <translation>Магию, связанную со стихией Воздуха, следует творить, когда Луна находится в одном из воздушных знаков. Это может быть магия, связанная с путешествиями, переговорами, общественной деятельностью, творчеством, юридическими вопросами, деловыми сделками, друзьями, анализом и личностным ростом.</translation>
    </message>
    <message>
        <source>Magick related to the Water element should be performed when the Moon is in any of the Water Signs. This can include Magick related to family, friends, psychic development, authority, psychic capabilities and intuition.</source>
        <translation>Магию, связанную со стихией Воды, следует творить, когда Луна находится в одном из водных знаков. Это может быть магия, связанная с семьёй, друзьями, развитием и проявлением экстрасенсорных способностей, властью и интуицией.</translation>
    </message>
</context>
<context>
    <name>Offers</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Самый популярный мистический форум в Интернете. Лучший ресурс обо всём мистическом. Посетите %1 прямо сейчас</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте своё интернет-дело и зарабатывайте онлайн. Получите эту программу полностью под маркой вашего сайта. Подробности — щёлкните здесь.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Разместите в этой программе марку своего сайта.  Повысьте лояльность и посещаемость своего сайта. Поместите здесь название и ссылку на свой сайт. Подробности — в «Справке».    Щёлкните здесь, чтобы узнать больше о совместной марке.</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>N</source>
        <comment>north, after a latitude</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south, after a latitude</comment>
        <translation>Ю</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east, after a longitude</comment>
        <translation>В</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west, after a longitude</comment>
        <translation>З</translation>
    </message>
    <message>
        <source>%1° %2</source>
        <comment>degrees and a hemisphere&apos;s letter</comment>
        <translation>%1° %2</translation>
    </message>
    <message>
        <source>Type a latitude.</source>
        <translation>Введите широту.</translation>
    </message>
    <message>
        <source>Type a longitude.</source>
        <translation>Введите долготу.</translation>
    </message>
    <message>
        <source>Type a latitude like 52.52 or 52°31′N.</source>
        <translation>Введите широту, например 52,52 или 52°31′С.</translation>
    </message>
    <message>
        <source>Type a longitude like 13.41 or 13°24′E.</source>
        <translation>Введите долготу, например 13,41 или 13°24′В.</translation>
    </message>
    <message>
        <source>Use N or S after a latitude.</source>
        <translation>После широты укажите С или Ю.</translation>
    </message>
    <message>
        <source>Use E or W after a longitude.</source>
        <translation>После долготы укажите В или З.</translation>
    </message>
    <message>
        <source>Give either a sign or a letter, not both.</source>
        <translation>Укажите либо знак (+ или −), либо букву, но не то и другое сразу.</translation>
    </message>
    <message>
        <source>A latitude lies between 90° S and 90° N.</source>
        <translation>Широта должна быть от 90° Ю до 90° С.</translation>
    </message>
    <message>
        <source>A longitude lies between 180° W and 180° E.</source>
        <translation>Долгота должна быть от 180° З до 180° В.</translation>
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
        <translation>День Солнца</translation>
    </message>
    <message>
        <source>The day of the Moon</source>
        <translation>День Луны</translation>
    </message>
    <message>
        <source>The day of Mars</source>
        <translation>День Марса</translation>
    </message>
    <message>
        <source>The day of Mercury</source>
        <translation>День Меркурия</translation>
    </message>
    <message>
        <source>The day of Jupiter</source>
        <translation>День Юпитера</translation>
    </message>
    <message>
        <source>The day of Venus</source>
        <translation>День Венеры</translation>
    </message>
    <message>
        <source>The day of Saturn</source>
        <translation>День Сатурна</translation>
    </message>
    <message>
        <source>%1: sunrise %2, sunset %3, next sunrise %4</source>
        <translation>%1: восход в %2, заход в %3, следующий восход в %4</translation>
    </message>
    <message>
        <source>%1: the sun sets at %2 and does not rise again this day.</source>
        <translation>%1: Солнце заходит в %2 и в этот день больше не восходит.</translation>
    </message>
    <message>
        <source>%1: the sun does not set.</source>
        <translation>%1: Солнце не заходит.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise.</source>
        <translation>%1: Солнце не восходит.</translation>
    </message>
    <message>
        <source>%1: the sun does not set within a day after it rises at %2.</source>
        <translation>%1: Солнце восходит в %2 и потом не заходит целые сутки.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise again within a day after it sets at %2.</source>
        <translation>%1: Солнце заходит в %2 и потом не восходит целые сутки.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun sets at %1 and does not rise again this day, so there is no daylight and night to divide.</source>
        <translation>В этот день нет планетарных часов: Солнце заходит в %1 и больше в этот день не восходит, поэтому нет светлого времени и ночи, которые можно было бы разделить на часы.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set, so there is no daylight and night to divide.</source>
        <translation>В этот день нет планетарных часов: Солнце не заходит, поэтому нет светлого времени и ночи, которые можно было бы разделить на часы.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise, so there is no daylight and night to divide.</source>
        <translation>В этот день нет планетарных часов: Солнце не восходит, поэтому нет светлого времени и ночи, которые можно было бы разделить на часы.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set within a day after it rises at %1, so there is no daylight and night to divide.</source>
        <translation>В этот день нет планетарных часов: Солнце восходит в %1 и потом не заходит целые сутки, поэтому нет светлого времени и ночи, которые можно было бы разделить на часы.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise again within a day after it sets at %1, so there is no daylight and night to divide.</source>
        <translation>В этот день нет планетарных часов: Солнце заходит в %1 и потом не восходит целые сутки, поэтому нет светлого времени и ночи, которые можно было бы разделить на часы.</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Меркурий</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Венера</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Марс</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Юпитер</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Сатурн</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Уран</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Нептун</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Плутон</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>New moon</source>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>First and last quarters</source>
        <translation>Первая и последняя четверти</translation>
    </message>
    <message>
        <source>The moon entering a sign</source>
        <translation>Вход Луны в знак</translation>
    </message>
    <message>
        <source>The void-of-course moon starting</source>
        <translation>Начало периода Луны без курса</translation>
    </message>
    <message>
        <source>Sabbats</source>
        <translation>Саббаты</translation>
    </message>
    <message>
        <source>Eclipses seen from here</source>
        <translation>Затмения, видимые здесь</translation>
    </message>
    <message>
        <source>A planet turning retrograde or direct</source>
        <translation>Переход планеты в ретроградное или прямое движение</translation>
    </message>
    <message>
        <source>A planetary hour starting</source>
        <translation>Начало планетарного часа</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>В момент события</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>За 15 минут</translation>
    </message>
    <message>
        <source>In 15 minutes</source>
        <translation>Через 15 минут</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>За 1 час</translation>
    </message>
    <message>
        <source>In 1 hour</source>
        <translation>Через 1 час</translation>
    </message>
    <message>
        <source>3 hours before</source>
        <translation>За 3 часа</translation>
    </message>
    <message>
        <source>In 3 hours</source>
        <translation>Через 3 часа</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>За 1 день</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>За 3 дня</translation>
    </message>
    <message>
        <source>In 3 days</source>
        <translation>Через 3 дня</translation>
    </message>
    <message>
        <source>The hour of %1 begins</source>
        <translation>Начинается час планеты %1</translation>
    </message>
    <message>
        <source>The moon is void of course</source>
        <translation>Луна без курса</translation>
    </message>
    <message>
        <source>%1 turns direct in %2</source>
        <translation>%1 переходит в прямое движение в знаке %2</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2</source>
        <translation>%1 переходит в ретроградное движение в знаке %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>the calendar file could not be made</source>
        <translation>не удалось создать файл календаря</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>не удалось создать PDF</translation>
    </message>
    <message>
        <source>the autostart entry could not be made</source>
        <translation>не удалось создать элемент автозагрузки</translation>
    </message>
    <message>
        <source>The calendar file could not be saved as %1: %2. Nothing was written.</source>
        <translation>Не удалось сохранить файл календаря под именем %1: %2. Ничего не записано.</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: %2. Nothing was written.</source>
        <translation>Не удалось сохранить PDF под именем %1: %2. Ничего не записано.</translation>
    </message>
    <message>
        <source>The autostart entry could not be saved as %1: %2. Nothing was written.</source>
        <translation>Не удалось сохранить элемент автозагрузки под именем %1: %2. Ничего не записано.</translation>
    </message>
    <message>
        <source>the list of events could not be made</source>
        <translation>не удалось создать список событий</translation>
    </message>
    <message>
        <source>The list of events could not be saved as %1: %2. Nothing was written.</source>
        <translation>Не удалось сохранить список событий под именем %1: %2. Ничего не записано.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
</context>
<context>
    <name>SkyWords</name>
    <message>
        <source>%1 %2</source>
        <comment>a weekday and a time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Void of course from %1 until the moon enters %2 at %3</source>
        <translation>Луна без курса: %1 – %3 (до входа в знак %2)</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Возможно, для этой программы вышло обновление<byte value="xd"/>Проверить, есть ли обновление?</translation>
    </message>
</context>
<context>
    <name>lunara::MoonMonthModel</name>
    <message>
        <source>%1, new moon at %2</source>
        <translation>%1, новолуние в %2</translation>
    </message>
    <message>
        <source>%1, first quarter at %2</source>
        <translation>%1, первая четверть в %2</translation>
    </message>
    <message>
        <source>%1, full moon at %2</source>
        <translation>%1, полнолуние в %2</translation>
    </message>
    <message>
        <source>%1, last quarter at %2</source>
        <translation>%1, последняя четверть в %2</translation>
    </message>
    <message>
        <source>%1: no such day here, the clocks skipped it</source>
        <translation>%1: этого дня здесь нет, часы перевели сразу на следующий</translation>
    </message>
    <message>
        <source>%1, %2 % lit, moon in %3</source>
        <translation>%1, освещено %2 %, Луна в знаке %3</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a day&apos;s words and one of its events</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>today, chosen</source>
        <translation>сегодня, выбран</translation>
    </message>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>выбран</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation>Неделя с %1</translation>
    </message>
</context>
<context>
    <name>lunara::Notifier</name>
    <message>
        <source>Show in calendar</source>
        <translation>Показать в календаре</translation>
    </message>
</context>
<context>
    <name>lunara::Reminders</name>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>Late reminder</source>
        <translation>Запоздалое напоминание</translation>
    </message>
    <message>
        <source>%1: %2 at %3 (%4)</source>
        <translation>%1: %2, в %3 (%4)</translation>
    </message>
    <message>
        <source>Today, all day (%1)</source>
        <translation>Сегодня, весь день (%1)</translation>
    </message>
    <message>
        <source>%1: %2, all day (%3)</source>
        <translation>%1: %2, весь день (%3)</translation>
    </message>
    <message>
        <source>%1 in %2, void of course until %3</source>
        <translation>%1 в знаке %2, без курса до %3</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <comment>the moon&apos;s phase and sign</comment>
        <translation>%1 в знаке %2</translation>
    </message>
</context>
<context>
    <name>lunara::Services</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить?</translation>
    </message>
    <message>
        <source>%1: its lock %2 is held and cannot be cleared</source>
        <translation>%1: файл блокировки %2 занят, и освободить его нельзя</translation>
    </message>
</context>
<context>
    <name>lunara::frmAbout</name>
    <message>
        <source>Lunara v1.20</source>
        <translation>Lunara 1.20</translation>
    </message>
    <message>
        <source>Magick is a very widely practiced path in the divination world. Lunara comprises of Velmora Candle Magick &amp; Velmora Moon Magick and displays the correspondence between different magick rituals and the colors of candles that should be used &amp; the influence of the phases of the moon on magick rituals.</source>
        <translation>Магия — очень распространённый путь в мире прорицания. Lunara объединяет «Магию свечей Velmora» и «Лунную магию Velmora» и показывает соответствия между магическими ритуалами и цветами свечей, которые для них следует использовать, а также влияние фаз Луны на магические ритуалы.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Бизнес на дому. Откройте своё интернет-дело и зарабатывайте онлайн. Получите эту программу полностью под маркой вашего сайта. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Подробнее...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Щёлкните здесь, чтобы посетить %1</translation>
    </message>
</context>
<context>
    <name>lunara::frmCandleMagickMain</name>
    <message>
        <source>Velmora Candle Magick displays the correspondence between different magick rituals and the colors of candles that should be used. Candle magick is very effective when the right candles are used for the right purposes. This needs to be repeated many times before your purpose is solved. Note that you do not harm to anyone.</source>
        <translation>«Магия свечей Velmora» показывает соответствия между различными магическими ритуалами и цветами свечей, которые для них следует использовать. Магия свечей очень действенна, когда нужные свечи служат нужным целям. Ритуал повторяют много раз, пока цель не будет достигнута. И помните: никому не причиняйте вреда.</translation>
    </message>
    <message>
        <source>Select one of the following purposes and know which candle to use.</source>
        <translation>Выберите одну из целей ниже и узнайте, какую свечу использовать.</translation>
    </message>
    <message>
        <source>Candle Selection</source>
        <translation>Выбор свечи</translation>
    </message>
    <message>
        <source>Available Options</source>
        <translation>Варианты</translation>
    </message>
    <message>
        <source>&amp;Get Candle Magick Reading</source>
        <translation>&amp;Подобрать свечу</translation>
    </message>
    <message>
        <source>Candle Color</source>
        <translation>Цвет свечи</translation>
    </message>
    <message>
        <source>Option Selection</source>
        <translation>Вариант</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Velmora Candle Magick</source>
        <translation>Магия свечей Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>Магические &amp;часы</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>To be given</source>
        <translation>Не выбрано</translation>
    </message>
</context>
<context>
    <name>lunara::frmExportCalendar</name>
    <message>
        <source>Range</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>A c&amp;hosen year:</source>
        <translation>&amp;Другой год:</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>The four &amp;quarters</source>
        <translation>&amp;Четыре главные фазы</translation>
    </message>
    <message>
        <source>The moon entering each &amp;sign</source>
        <translation>Вход Луны в каждый &amp;знак</translation>
    </message>
    <message>
        <source>&amp;Void-of-course periods, counting</source>
        <translation>Периоды Луны без &amp;курса, учитывая</translation>
    </message>
    <message>
        <source>C&amp;lassic planets (Sun to Saturn)</source>
        <translation>К&amp;лассические планеты (от Солнца до Сатурна)</translation>
    </message>
    <message>
        <source>M&amp;odern planets (to Pluto)</source>
        <translation>Со&amp;временные планеты (до Плутона)</translation>
    </message>
    <message>
        <source>The &amp;Wheel of the Year&apos;s sabbats</source>
        <translation>&amp;Саббаты Колеса года</translation>
    </message>
    <message>
        <source>Ecli&amp;pses, as seen from here</source>
        <translation>З&amp;атмения, видимые отсюда</translation>
    </message>
    <message>
        <source>&amp;Retrograde periods, as whole days</source>
        <translation>&amp;Ретроградные периоды, целыми днями</translation>
    </message>
    <message>
        <source>Full moon &amp;names, blue and black moons</source>
        <translation>&amp;Названия полнолуний, голубые и чёрные луны</translation>
    </message>
    <message>
        <source>S&amp;upermoons and micromoons</source>
        <translation>Су&amp;перлуния и микролуния</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Экспорт в календарь</translation>
    </message>
    <message>
        <source>This &amp;month (%1)</source>
        <translation>Этот &amp;месяц (%1)</translation>
    </message>
    <message>
        <source>This &amp;year (%1)</source>
        <translation>Этот &amp;год (%1)</translation>
    </message>
    <message>
        <source>Year to export</source>
        <translation>Год для экспорта</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Выберите хотя бы один вид событий.</translation>
    </message>
</context>
<context>
    <name>lunara::frmLocation</name>
    <message>
        <source>Degrees north and east are positive; 51°28′N or 0°07′W work too.</source>
        <translation>Северная широта и восточная долгота положительны; можно и так: 51°28′С или 0°07′З.</translation>
    </message>
    <message>
        <source>Use &amp;Default</source>
        <translation>По &amp;умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>&amp;Find a city:</source>
        <translation>&amp;Найти город:</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Города</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>&amp;Широта:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>&amp;Долгота:</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Очистить поиск</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, as your time zone names no city.</source>
        <translation>Пока место не выбрано, Lunara использует %1: ваш часовой пояс не указывает на город.</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, the city of your time zone.</source>
        <translation>Пока место не выбрано, Lunara использует %1 — город вашего часового пояса.</translation>
    </message>
    <message>
        <source>The location is used now but could not be saved for next time.</source>
        <translation>Местоположение применено, но сохранить его на следующий раз не удалось.</translation>
    </message>
</context>
<context>
    <name>lunara::frmMDI</name>
    <message>
        <source>&amp;Moon Magick</source>
        <translation>&amp;Лунная магия</translation>
    </message>
    <message>
        <source>&amp;Candle Magick</source>
        <translation>&amp;Магия свечей</translation>
    </message>
    <message>
        <source>Welcome to Lunara</source>
        <translation>Добро пожаловать в Lunara</translation>
    </message>
    <message>
        <source>Welcome to the Magickal world of occult and spirituality. Lunara will open new doors in Candle and Moon magick. Use the different resources to gain more understanding of the subject.</source>
        <translation>Добро пожаловать в магический мир оккультизма и духовности. Lunara откроет вам новые двери в магии свечей и лунной магии. Пользуйтесь её разделами, чтобы глубже понять предмет.</translation>
    </message>
    <message>
        <source>Lunara includes the following programs</source>
        <translation>В Lunara входят следующие программы</translation>
    </message>
    <message>
        <source>Candle Magick</source>
        <translation>Магия свечей</translation>
    </message>
    <message>
        <source>Moon Magick</source>
        <translation>Лунная магия</translation>
    </message>
    <message>
        <source>Moon Calendar</source>
        <translation>Лунный календарь</translation>
    </message>
    <message>
        <source>Magick Hours</source>
        <translation>Магические часы</translation>
    </message>
    <message>
        <source>The Year</source>
        <translation>Обзор года</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Lunara v1.20</source>
        <translation>Lunara 1.20</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Самый популярный мистический форум в Интернете. Лучший ресурс обо всём мистическом. Посетите %1 прямо сейчас</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>Lit candles</source>
        <translation>Зажжённые свечи</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Лунный календарь</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>Магические &amp;часы</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>Обзор &amp;года</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Напоминания...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Stop Reminders and Quit</source>
        <translation>&amp;Отключить напоминания и выйти</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>Lunara speaks the language chosen from its next start.</source>
        <translation>Lunara заговорит на выбранном языке при следующем запуске.</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written.</source>
        <translation>Не удалось сохранить выбор языка: настройки нельзя записать.</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>&amp;Как в системе</translation>
    </message>
    <message>
        <source>Reminders cannot be remembered</source>
        <translation>Напоминания не запоминаются</translation>
    </message>
    <message>
        <source>Lunara cannot write its settings (%1). Until it can, it does not remember across restarts which reminders it has shown, so one may come again after Lunara starts anew.</source>
        <translation>Lunara не может записать свои настройки (%1). Пока это так, программа не помнит между запусками, какие напоминания уже показала, поэтому после нового запуска Lunara напоминание может прийти ещё раз.</translation>
    </message>
    <message>
        <source>&amp;Open Lunara</source>
        <translation>&amp;Открыть Lunara</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выйти</translation>
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
        <translation>Се&amp;годня</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>М&amp;есто...</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Луна без курса</translation>
    </message>
    <message>
        <source>Aspects to</source>
        <translation>Аспекты к планетам</translation>
    </message>
    <message>
        <source>&amp;Classic planets (Sun to Saturn)</source>
        <translation>&amp;Классическим (Солнце – Сатурн)</translation>
    </message>
    <message>
        <source>&amp;Modern planets (to Pluto)</source>
        <translation>Со&amp;временным (до Плутона)</translation>
    </message>
    <message>
        <source>Enter or a double click on an hour shows its planet&apos;s candle in Candle Magick.</source>
        <translation>Enter или двойной щелчок по часу показывает свечу его планеты в «Магии свечей».</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Lunara Magick Hours</source>
        <translation>Магические часы Lunara</translation>
    </message>
    <message>
        <source>Planetary hours</source>
        <translation>Планетарные часы</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Планета</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Свеча</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Предыдущий день</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Следующий день</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Переход</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>&amp;Предыдущий день</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>&amp;Следующий день</translation>
    </message>
    <message>
        <source>Planetary hours for %1; times in %2 (%3)</source>
        <translation>Планетарные часы: %1; часовой пояс %2 (%3)</translation>
    </message>
    <message>
        <source>Planetary hours for %1</source>
        <translation>Планетарные часы: %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>Ночь %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>День %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <comment>an hour&apos;s name</comment>
        <translation>%1 (сейчас)</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Ночной час %1, с %2 до %3, планета %4, цвет свечи: %5, сейчас</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Ночной час %1, с %2 до %3, планета %4, цвет свечи: %5</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Дневной час %1, с %2 до %3, планета %4, цвет свечи: %5, сейчас</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Дневной час %1, с %2 до %3, планета %4, цвет свечи: %5</translation>
    </message>
    <message>
        <source>%1, in %2 (now)</source>
        <translation>%1, в знаке %2 (сейчас)</translation>
    </message>
    <message>
        <source>%1, in %2 (at noon)</source>
        <translation>%1, в знаке %2 (в полдень)</translation>
    </message>
    <message>
        <source>The moon is not void of course this day.</source>
        <translation>В этот день Луна не бывает без курса.</translation>
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
        <translation>Се&amp;годня</translation>
    </message>
    <message>
        <source>Hemisphere:</source>
        <translation>Полушарие:</translation>
    </message>
    <message>
        <source>&amp;Northern</source>
        <translation>Се&amp;верное</translation>
    </message>
    <message>
        <source>&amp;Southern</source>
        <translation>&amp;Южное</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>М&amp;есто...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar</source>
        <translation>Лунный календарь Lunara</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Дни месяца</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>&amp;В PDF...</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar...</source>
        <translation>&amp;Экспорт в календарь...</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>Обзор &amp;года</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Напоминания...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Переход</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>&amp;Предыдущий месяц</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>&amp;Следующий месяц</translation>
    </message>
    <message>
        <source>Sunrise and sunset for %1</source>
        <translation>Восход и заход: %1</translation>
    </message>
    <message>
        <source>Your time zone names no city.</source>
        <translation>Ваш часовой пояс не указывает на город.</translation>
    </message>
    <message>
        <source>%1 is your time zone&apos;s city.</source>
        <translation>%1 — город вашего часового пояса.</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>Не удалось воспользоваться принтером. Ничего не напечатано.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Экспорт в календарь</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Файлы календаря (*.ics)</translation>
    </message>
    <message>
        <source>The sun does not set</source>
        <translation>Солнце не заходит</translation>
    </message>
    <message>
        <source>The sun does not rise</source>
        <translation>Солнце не восходит</translation>
    </message>
    <message>
        <source>The moon does not set</source>
        <translation>Луна не заходит</translation>
    </message>
    <message>
        <source>The moon does not rise</source>
        <translation>Луна не восходит</translation>
    </message>
    <message>
        <source>sunrise %1</source>
        <translation>восход Солнца в %1</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>заход Солнца в %1</translation>
    </message>
    <message>
        <source>moonrise %1</source>
        <translation>восход Луны в %1</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>заход Луны в %1</translation>
    </message>
    <message>
        <source>no sunrise this day</source>
        <translation>восхода Солнца в этот день нет</translation>
    </message>
    <message>
        <source>no moonrise this day</source>
        <translation>восхода Луны в этот день нет</translation>
    </message>
    <message>
        <source>no sunset this day</source>
        <translation>захода Солнца в этот день нет</translation>
    </message>
    <message>
        <source>no moonset this day</source>
        <translation>захода Луны в этот день нет</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the phrases of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>The moon is not void of course this day</source>
        <translation>В этот день Луна не бывает без курса</translation>
    </message>
    <message>
        <source>No such day here: the clocks skipped it</source>
        <translation>Этого дня здесь нет: часы перевели сразу на следующий</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a phase and the time of its quarter</comment>
        <translation>%1 в %2</translation>
    </message>
    <message>
        <source>Moon picture: %1</source>
        <translation>Изображение Луны: %1</translation>
    </message>
    <message>
        <source>Age: %1 days</source>
        <translation>Возраст: %1 дня</translation>
    </message>
    <message>
        <source>Lit: %1 %</source>
        <translation>Освещённость: %1 %</translation>
    </message>
    <message>
        <source>The moon enters %1 at %2</source>
        <translation>Луна входит в знак %1 в %2</translation>
    </message>
    <message>
        <source>enters %1 at %2</source>
        <translation>входит в знак %1 в %2</translation>
    </message>
    <message>
        <source>Keyword: %1</source>
        <translation>Ключевое слово: %1</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Стихия: %1</translation>
    </message>
    <message numerus="yes">
        <source>The traditional rule says %n days, %1</source>
        <translation>
            <numerusform>По традиционному правилу: %n день, %1</numerusform>
            <numerusform>По традиционному правилу: %n дня, %1</numerusform>
            <numerusform>По традиционному правилу: %n дней, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, today</source>
        <translation>Следующее новолуние: %1, в %2, сегодня</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, today</source>
        <translation>Следующее полнолуние: %1, в %2, сегодня</translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, in 1 day</source>
        <translation>Следующее новолуние: %1, в %2, завтра</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, in 1 day</source>
        <translation>Следующее полнолуние: %1, в %2, завтра</translation>
    </message>
    <message numerus="yes">
        <source>Next new moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Следующее новолуние: %1, в %2, через %n день</numerusform>
            <numerusform>Следующее новолуние: %1, в %2, через %n дня</numerusform>
            <numerusform>Следующее новолуние: %1, в %2, через %n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Next full moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Следующее полнолуние: %1, в %2, через %n день</numerusform>
            <numerusform>Следующее полнолуние: %1, в %2, через %n дня</numerusform>
            <numerusform>Следующее полнолуние: %1, в %2, через %n дней</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickDisplay</name>
    <message>
        <source>Keywords</source>
        <translation>Ключевые слова</translation>
    </message>
    <message>
        <source>Moon Phase on</source>
        <translation>Фаза Луны на дату</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message numerus="yes">
        <source>Moon picture: %n days, %1</source>
        <translation>
            <numerusform>Изображение Луны: %n день, %1</numerusform>
            <numerusform>Изображение Луны: %n дня, %1</numerusform>
            <numerusform>Изображение Луны: %n дней, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Лунная магия Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickMain</name>
    <message>
        <source>The Moon has a strong influence on magick rituals. Know more about the moon phases and the corresponding effects on magick.</source>
        <translation>Луна сильно влияет на магические ритуалы. Узнайте больше о фазах Луны и о том, как они сказываются на магии.</translation>
    </message>
    <message>
        <source>Enter Date for Moon Magick</source>
        <translation>Укажите дату для лунной магии</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Число</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Moon Phase - Magick Correspondence</source>
        <translation>Фаза Луны и магические соответствия</translation>
    </message>
    <message>
        <source>Zodiacal Moon Magick</source>
        <translation>Зодиакальная лунная магия</translation>
    </message>
    <message>
        <source>Elemental Moon Magick</source>
        <translation>Стихийная лунная магия</translation>
    </message>
    <message>
        <source>Moon &amp;Magick Reading</source>
        <translation>&amp;Толкование лунной магии</translation>
    </message>
    <message>
        <source>Today&apos;s Moon Phase</source>
        <translation>Фаза Луны сегодня</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Today&apos;s Zodiacal Elemental Moon Magick</source>
        <translation>Зодиакальная лунная магия на сегодня</translation>
    </message>
    <message>
        <source>Keywords:-</source>
        <translation>Ключ. слова:</translation>
    </message>
    <message>
        <source>Today&apos;s Elemental Moon Magick</source>
        <translation>Стихийная лунная магия на сегодня</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Лунная магия Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Лунный календарь</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation>Введите правильную дату!</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminder</name>
    <message>
        <source>Lunara Reminders</source>
        <translation>Напоминания Lunara</translation>
    </message>
    <message>
        <source>&amp;Reminders:</source>
        <translation>&amp;Напоминания:</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Show in &amp;Calendar</source>
        <translation>Показать в &amp;календаре</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Remind me of:</source>
        <translation>Напоминать о событиях:</translation>
    </message>
    <message>
        <source>When: %1</source>
        <translation>Когда: %1</translation>
    </message>
    <message>
        <source>Whose planetary hour</source>
        <translation>Час какой планеты</translation>
    </message>
    <message>
        <source>&amp;Start with my session (in the background)</source>
        <translation>&amp;Запускать при входе в систему (в фоне)</translation>
    </message>
    <message>
        <source>While any reminder is on, closing Lunara keeps it running in the tray to remind you; choose Quit in the tray icon&apos;s menu to end it.</source>
        <translation>Пока включено хотя бы одно напоминание, Lunara после закрытия продолжает работать в области уведомлений и напоминать вам; завершить её работу можно командой «Выйти» в меню её значка.</translation>
    </message>
    <message>
        <source>This desktop has no tray: Lunara reminds you while it runs. Started with your session it runs in the background; its File menu then offers &quot;Stop Reminders and Quit&quot;.</source>
        <translation>На этом рабочем столе нет области уведомлений: Lunara напоминает, только пока работает. Запущенная вместе с сеансом, она работает в фоне; тогда в её меню «Файл» есть команда «Отключить напоминания и выйти».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The reminders could not be kept: the settings cannot be written.</source>
        <translation>Не удалось сохранить напоминания: настройки нельзя записать.</translation>
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
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>&amp;В PDF...</translation>
    </message>
    <message>
        <source>Enter or a double click on an entry opens the Moon Calendar at its day.</source>
        <translation>Enter или двойной щелчок по записи открывает «Лунный календарь» на её дне.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the first and last day of a period</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>The Wheel of the Year</source>
        <translation>Колесо года</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Затмения</translation>
    </message>
    <message>
        <source>Retrogrades</source>
        <translation>Ретроградные периоды</translation>
    </message>
    <message>
        <source>Full moons</source>
        <translation>Полнолуния</translation>
    </message>
    <message>
        <source>Blue and black moons</source>
        <translation>Голубые и чёрные луны</translation>
    </message>
    <message>
        <source>Supermoons and micromoons</source>
        <translation>Суперлуния и микролуния</translation>
    </message>
    <message>
        <source>None this year</source>
        <translation>В этом году нет</translation>
    </message>
    <message>
        <source>Lunara: The Year %1 (continued)</source>
        <translation>Lunara: обзор %1 года (продолжение)</translation>
    </message>
    <message>
        <source>Lunara: The Year %1</source>
        <translation>Lunara: обзор %1 года</translation>
    </message>
    <message>
        <source>Lunara: The Year</source>
        <translation>Lunara: обзор года</translation>
    </message>
    <message>
        <source>The year&apos;s events</source>
        <translation>События года</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Предыдущий год</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Следующий год</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Show in Moon &amp;Calendar</source>
        <translation>Показать в &amp;лунном календаре</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>For %1; southern hemisphere; times in %2</source>
        <translation>Место: %1; южное полушарие; часовой пояс %2</translation>
    </message>
    <message>
        <source>For %1; northern hemisphere; times in %2</source>
        <translation>Место: %1; северное полушарие; часовой пояс %2</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>Не удалось воспользоваться принтером. Ничего не напечатано.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
</context>
</TS>
