<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Almanac</name>
    <message>
        <source>Ostara, the spring equinox</source>
        <translation>Ostara, l&apos;equinozio di primavera</translation>
    </message>
    <message>
        <source>Mabon, the autumn equinox</source>
        <translation>Mabon, l&apos;equinozio d&apos;autunno</translation>
    </message>
    <message>
        <source>Litha, the summer solstice</source>
        <translation>Litha, il solstizio d&apos;estate</translation>
    </message>
    <message>
        <source>Yule, the winter solstice</source>
        <translation>Yule, il solstizio d&apos;inverno</translation>
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
        <translation>Eclissi solare parziale</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Eclissi solare anulare</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Eclissi solare totale</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Eclissi solare ibrida</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Eclissi lunare di penombra</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Eclissi lunare parziale</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Eclissi lunare totale</translation>
    </message>
    <message>
        <source>Penumbral eclipse begins</source>
        <translation>Inizio della fase di penombra</translation>
    </message>
    <message>
        <source>Partial eclipse begins</source>
        <translation>Inizio della fase parziale</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Inizio della totalità</translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation>Massimo dell&apos;eclissi</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Fine della totalità</translation>
    </message>
    <message>
        <source>Partial eclipse ends</source>
        <translation>Fine della fase parziale</translation>
    </message>
    <message>
        <source>Penumbral eclipse ends</source>
        <translation>Fine della fase di penombra</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Inizio dell&apos;eclissi</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Inizio della fase anulare</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Fine della fase anulare</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Fine dell&apos;eclissi</translation>
    </message>
    <message>
        <source>Wolf Moon</source>
        <translation>Luna del Lupo</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Luna della Neve</translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation>Luna del Verme</translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation>Luna Rosa</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Luna dei Fiori</translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation>Luna delle Fragole</translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation>Luna del Cervo</translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation>Luna dello Storione</translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation>Luna del Mais</translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation>Luna del Cacciatore</translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation>Luna del Castoro</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Luna Fredda</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Luna del Raccolto</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Luna blu</translation>
    </message>
    <message>
        <source>Black moon</source>
        <translation>Luna nera</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Superluna</translation>
    </message>
    <message>
        <source>Micromoon</source>
        <translation>Microluna</translation>
    </message>
    <message>
        <source>Super new moon</source>
        <translation>Superluna nuova</translation>
    </message>
    <message>
        <source>Micro new moon</source>
        <translation>Microluna nuova</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The Run key of the current user could not be written.</source>
        <translation>Non è stato possibile scrivere la voce di avvio automatico nel registro dell&apos;utente corrente.</translation>
    </message>
    <message>
        <source>This system offers no way to start programs with the session.</source>
        <translation>Questo sistema non permette di avviare programmi all&apos;apertura della sessione.</translation>
    </message>
    <message>
        <source>%1 is a link, which Lunara leaves as it is.</source>
        <translation>%1 è un collegamento: Lunara lo lascia invariato.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>Non è stato possibile rimuovere %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Non è stato possibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Lunara&apos;s path %1 cannot be written in an autostart entry.</source>
        <translation>Il percorso di Lunara, %1, non può essere scritto in una voce di avvio automatico.</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>Until the moon enters %1 (modern planets)</source>
        <translation>Finché la Luna non entra in %1 (pianeti moderni)</translation>
    </message>
    <message>
        <source>Until the moon enters %1 (classic planets)</source>
        <translation>Finché la Luna non entra in %1 (pianeti classici)</translation>
    </message>
</context>
<context>
    <name>Candle</name>
    <message>
        <source>Love, Warmth, Caring</source>
        <translation>Amore, calore, premura</translation>
    </message>
    <message>
        <source>Well known as the color of romance and tender love, pink candles can be used to evoke similar feelings in one&apos;s heart. This color symbolically represents affection, sweetness in words and acts, nurturing partnerships and soft emotions. Pink is also said to have healing effect on our senses. It stands for unconditional love, honor and commitment.</source>
        <translation>Il rosa è noto come il colore del romanticismo e dell&apos;amore tenero, e le candele rosa servono a risvegliare sentimenti simili nel cuore. Questo colore simboleggia l&apos;affetto, la dolcezza nelle parole e nei gesti, i legami che si nutrono di cura reciproca e le emozioni delicate. Si dice anche che il rosa abbia un effetto benefico sui sensi. Rappresenta l&apos;amore incondizionato, l&apos;onore e l&apos;impegno.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Passion, Lust, Power, Immediate Action, Promotion of Career</source>
        <translation>Passione, desiderio, potere, azione immediata, avanzamento di carriera</translation>
    </message>
    <message>
        <source>Lighting a red candle can ignite passionate love, sensuality and lustfulness. This color also evokes enthusiasm, power of body and mind, boldness and determination. This color is also effective to enhance personal magnetism, dynamism, sexual attractions and competitiveness. The fire of red candle symbolizes your inner fire and favorable for increasing fertility.</source>
        <translation>Accendere una candela rossa può infiammare l&apos;amore passionale, la sensualità e il desiderio. Questo colore risveglia anche l&apos;entusiasmo, la forza del corpo e della mente, l&apos;audacia e la determinazione, ed è efficace per accrescere il magnetismo personale, il dinamismo, l&apos;attrazione sessuale e lo spirito competitivo. La fiamma della candela rossa simboleggia il tuo fuoco interiore ed è propizia alla fertilità.</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Business, Justice, Success</source>
        <translation>Affari, giustizia, successo</translation>
    </message>
    <message>
        <source>If you want to broaden your social circle or want to enjoy a rocking time with friends, orange colored candles can help you a lot. The color signifies the fire of sun, vitality, good fortune, ambition and courage. If you want to invite prosperity, success in every sphere and get rid of negative thoughts, orange candles can do wonders for you.</source>
        <translation>Se vuoi allargare la cerchia delle tue amicizie o passare momenti indimenticabili con gli amici, le candele arancioni possono aiutarti molto. Questo colore rappresenta il fuoco del sole, la vitalità, la buona sorte, l&apos;ambizione e il coraggio. Se desideri attirare prosperità e successo in ogni campo e liberarti dei pensieri negativi, le candele arancioni possono fare miracoli.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Confidence, Intelligence, Remove Mental Stress, Better Learning</source>
        <translation>Fiducia in sé, intelligenza, eliminare lo stress mentale, apprendere meglio</translation>
    </message>
    <message>
        <source>Yellow has a positive effect on intellect, imagination and communication skills. If you want to learn new things and excel in academics, yellow candle can do the magic for you. Yellow increases the power of concentration, memory and self-confidence. Yellow also stands for a cheerful personality, optimism, wisdom, tolerance and perseverance.</source>
        <translation>Il giallo ha un effetto positivo su intelletto, immaginazione e capacità di comunicare. Se vuoi imparare cose nuove e distinguerti negli studi, la candela gialla può fare la magia per te. Il giallo accresce la concentrazione, la memoria e la fiducia in sé stessi, e rappresenta anche un carattere allegro, l&apos;ottimismo, la saggezza, la tolleranza e la perseveranza.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Healing, Growth, Magic, Success</source>
        <translation>Guarigione, crescita, magia, successo</translation>
    </message>
    <message>
        <source>This color stands as the symbol of Mother Nature and induces growth, abundance and fertility. Whenever you feel that these aspect of your life needs to be emphasized, use a green candle for positive outcome. This color is also good for monetary gain, prosperity, finding a new job, reaping a rich harvest and acquiring wealth.</source>
        <translation>Il verde è il simbolo di Madre Natura e favorisce la crescita, l&apos;abbondanza e la fertilità. Quando senti che questi aspetti della tua vita hanno bisogno di essere rafforzati, usa una candela verde per un esito positivo. Questo colore è indicato anche per i guadagni, la prosperità, la ricerca di un nuovo lavoro, un raccolto abbondante e l&apos;arricchimento.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Wisdom, Spiritual Enlightenment, Calming Effect, Good Luck</source>
        <translation>Saggezza, illuminazione spirituale, effetto calmante, buona sorte</translation>
    </message>
    <message>
        <source>Blue is the color of tranquility and peace. If you want to sooth your frayed nerves to experience a calming effect, use blue candle. Being the color of sky and the ocean, Blue also emphasizes openness and depth. This color is said to exert healing power, protection, provides harmony and wisdom.</source>
        <translation>Il blu è il colore della tranquillità e della pace. Se hai i nervi a fior di pelle e cerchi un effetto calmante, usa una candela blu. Colore del cielo e dell&apos;oceano, il blu esprime anche apertura e profondità. Si dice che abbia un potere di guarigione e di protezione e che doni armonia e saggezza.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Psychic Powers, Opening of Inner Self, Influence</source>
        <translation>Poteri psichici, apertura dell&apos;io interiore, influenza</translation>
    </message>
    <message>
        <source>Considered as the color of royalty, purple is attached to spiritual awakening, meditative power, intuitive knowledge and healing effect. Using purple candle can enhance your psychic ability and bring you close to the world of spirits. Purple is also thought to have protective properties. The color is useful to subdue ego and improve dignity.</source>
        <translation>Considerato il colore della regalità, il viola è legato al risveglio spirituale, alla forza meditativa, alla conoscenza intuitiva e alla guarigione. Una candela viola può accrescere le tue facoltà psichiche e avvicinarti al mondo degli spiriti. Si ritiene inoltre che il viola abbia proprietà protettive. È un colore utile per domare l&apos;ego e accrescere la dignità.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Harmony, Peace, Clarity</source>
        <translation>Armonia, pace, chiarezza</translation>
    </message>
    <message>
        <source>The harmonious mixture of all colors, white candles can be used for any purpose. The major attributes associated with white color are purity, clarity of thought and mind, piousness, spiritual knowledge and enlightenment. White is also significant for being the symbol of truth and peace. White can cleanse all kinds of impurities and negative effects leaving a feeling of contentment and well-being.</source>
        <translation>Armoniosa fusione di tutti i colori, la candela bianca si può usare per qualunque scopo. Le qualità principali associate al bianco sono la purezza, la chiarezza di pensiero e di mente, la devozione, la conoscenza spirituale e l&apos;illuminazione. Il bianco è importante anche come simbolo di verità e di pace. Può purificare da ogni sorta di impurità e di influssi negativi, lasciando una sensazione di appagamento e di benessere.</translation>
    </message>
    <message>
        <source>Dark Pink</source>
        <translation>Rosa scuro</translation>
    </message>
    <message>
        <source>Light Pink</source>
        <translation>Rosa chiaro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Remove Negativity, Unity, Defense</source>
        <translation>Allontanare la negatività, unità, difesa</translation>
    </message>
    <message>
        <source>This color is grossly misunderstood as the color of evil. But in reality, black color candle has the power to dissolve negative effects and heal several illnesses. This color can be used for protection or casting magic spell or banishing. Burning this candle is said to increase meditating power. This can give good results when used at the finishing point of some strained relationship or affair to overcome mental barriers.</source>
        <translation>Questo colore viene spesso frainteso come il colore del male, ma in realtà la candela nera ha il potere di dissolvere gli influssi negativi e di guarire diversi mali. Si può usare per la protezione, per lanciare incantesimi o nei rituali di allontanamento. Si dice che accenderla accresca la capacità di meditazione. Può dare buoni risultati alla fine di una relazione o di una storia tormentata, per superare le barriere mentali.</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>The Supreme Power, Happiness, Accomplishments</source>
        <translation>Il Potere Supremo, felicità, realizzazione</translation>
    </message>
    <message>
        <source>If you want to invite affluence, good fortune and material wealth, golden candles are suitable for you. Use this candle to emerge victorious in professional as well as personal life. Golden candles are also effective to enhance communication skills, reenergize your spirit and success. Gold is also associated with protection, cheerful mood and self assurance.</source>
        <translation>Se vuoi attirare agiatezza, buona sorte e ricchezza materiale, le candele dorate fanno per te. Usa questa candela per vincere nella vita professionale come in quella privata. Le candele dorate aiutano anche a migliorare la capacità di comunicare, a ridare energia allo spirito e a favorire il successo. L&apos;oro è associato inoltre alla protezione, al buonumore e alla sicurezza di sé.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Support, Kindness, Friendships</source>
        <translation>Sostegno, gentilezza, amicizie</translation>
    </message>
    <message>
        <source>Brown colored candles are used to emphasize the earth element that bestows material gains, success in profession, wealth and prosperity in one&apos;s life. Brown is also attached to mental stability, great patience, firm determination, practical knowledge and tenacity. This color can be beneficial to increase concentration in studies, enhance learning power and telepathy.</source>
        <translation>Le candele marroni si usano per dare risalto all&apos;elemento Terra, che porta guadagni materiali, successo nel lavoro, ricchezza e prosperità nella vita. Il marrone è legato anche alla stabilità mentale, a una grande pazienza, alla ferma determinazione, al senso pratico e alla tenacia. Questo colore può aiutare la concentrazione nello studio, la capacità di apprendere e la telepatia.</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Intuition, Telepathy, Imagination</source>
        <translation>Intuizione, telepatia, immaginazione</translation>
    </message>
    <message>
        <source>This color is primarily associated with female deities and feminine energy. Therefore, silver colored candles are suitable for rituals that emphasizes on feminine power. This color can work wonders to ward off evil influence, improve meditation and increase stability of mind. Silver color is also thought to enhance psychic abilities.</source>
        <translation>Questo colore è associato soprattutto alle divinità femminili e all&apos;energia femminile: per questo le candele argentate sono adatte ai rituali che danno risalto al potere femminile. L&apos;argento può fare miracoli per tenere lontani gli influssi malefici, migliorare la meditazione e rendere la mente più stabile. Si ritiene anche che accresca le facoltà psichiche.</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Relaxation, Inner Strengths, Self Abilities</source>
        <translation>Rilassamento, forza interiore, capacità personali</translation>
    </message>
    <message>
        <source>This color symbolizes compassion and selflessness. You can use this candle to evoke a sense of unconditional love and affection that a mother bestows on her kids. Burning this candle can inspire your mind and help you to get close to higher spiritual realization.  This soothing color can have a very calming effect on your heart and soul.</source>
        <translation>Questo colore simboleggia la compassione e l&apos;altruismo. Puoi usare questa candela per risvegliare l&apos;amore incondizionato e l&apos;affetto che una madre dona ai suoi figli. Accenderla può ispirare la mente e aiutarti ad avvicinarti a una più alta realizzazione spirituale. Questo colore rasserenante può avere un effetto molto calmante sul cuore e sullo spirito.</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Passione</translation>
    </message>
    <message>
        <source>Lust</source>
        <translation>Desiderio</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potere</translation>
    </message>
    <message>
        <source>Immediate Action</source>
        <translation>Azione immediata</translation>
    </message>
    <message>
        <source>Promotion of Career</source>
        <translation>Avanzamento di carriera</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Affari</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Giustizia</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Successo</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Fiducia in sé</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Intelligenza</translation>
    </message>
    <message>
        <source>Remove Mental Stress</source>
        <translation>Eliminare lo stress mentale</translation>
    </message>
    <message>
        <source>Better Learning</source>
        <translation>Apprendere meglio</translation>
    </message>
    <message>
        <source>Healing</source>
        <translation>Guarigione</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Crescita</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Saggezza</translation>
    </message>
    <message>
        <source>Spiritual Enlightenment</source>
        <translation>Illuminazione spirituale</translation>
    </message>
    <message>
        <source>Calming Effect</source>
        <translation>Effetto calmante</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Buona sorte</translation>
    </message>
    <message>
        <source>Psychic Powers</source>
        <translation>Poteri psichici</translation>
    </message>
    <message>
        <source>Opening of Inner Self</source>
        <translation>Apertura dell&apos;io interiore</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influenza</translation>
    </message>
    <message>
        <source>Harmony</source>
        <translation>Armonia</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Pace</translation>
    </message>
    <message>
        <source>Clarity</source>
        <translation>Chiarezza</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amore</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Calore</translation>
    </message>
    <message>
        <source>Caring</source>
        <translation>Premura</translation>
    </message>
    <message>
        <source>Remove Negativity</source>
        <translation>Allontanare la negatività</translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Difesa</translation>
    </message>
    <message>
        <source>The Supreme Power</source>
        <translation>Il Potere Supremo</translation>
    </message>
    <message>
        <source>Happiness</source>
        <translation>Felicità</translation>
    </message>
    <message>
        <source>Accomplishments</source>
        <translation>Realizzazione</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Sostegno</translation>
    </message>
    <message>
        <source>Kindness</source>
        <translation>Gentilezza</translation>
    </message>
    <message>
        <source>Friendships</source>
        <translation>Amicizie</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Intuizione</translation>
    </message>
    <message>
        <source>Telepathy</source>
        <translation>Telepatia</translation>
    </message>
    <message>
        <source>Imagination</source>
        <translation>Immaginazione</translation>
    </message>
    <message>
        <source>Relaxation</source>
        <translation>Rilassamento</translation>
    </message>
    <message>
        <source>Inner Strengths</source>
        <translation>Forza interiore</translation>
    </message>
    <message>
        <source>Self Abilities</source>
        <translation>Capacità personali</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venere</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aria</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuoco</translation>
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
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Choose Candle By Purpose</source>
        <translation>Scegli la candela per scopo</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Scopo</translation>
    </message>
    <message>
        <source>Choose Candle By Color</source>
        <translation>Scegli la candela per colore</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Choose By Planet</source>
        <translation>Scegli per pianeta</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Pianeta</translation>
    </message>
    <message>
        <source>Choose By Element</source>
        <translation>Scegli per elemento</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Choose By Direction</source>
        <translation>Scegli per direzione</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Choose By Day</source>
        <translation>Scegli per giorno</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
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
        <translation>Uso: lunara [--background | --help | --version]
Guida alla magia della Luna e delle candele: Magia lunare, Calendario lunare e Magia delle candele.
Avviato senza opzioni, apre la sua finestra.
  --background  si avvia senza finestra, solo con l&apos;icona nell&apos;area di notifica e i promemoria
                (così lo avvia la sessione quando è scelto «Avvia con la sessione»)
Vedi lunara(1).
</translation>
    </message>
    <message>
        <source>lunara: unknown option &apos;%1&apos;
Try &apos;lunara --help&apos; for more information.
</source>
        <translation>lunara: opzione sconosciuta «%1»
Prova «lunara --help» per maggiori informazioni.
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
        <translation>Uso: lunara now [OPZIONE...]             la Luna adesso (anche: lunara today)
     lunara events [OPZIONE...]          gli eventi dell&apos;almanacco tra due date
Risponde sullo standard output, senza interfaccia grafica. Vedi lunara(1).

Per ogni comando (altrimenti località, emisfero e pianeti scelti in Lunara):
  --place CITTÀ         città della tabella dei fusi orari: Lisbon, &quot;New York&quot;, Europe/Lisbon
  --lat DEG --lon DEG   coordinate, nord ed est positivi: 38.72 -9.13, 38°43&apos;N 9°08&apos;W
  --zone FUSO           fuso orario di date e orari (quello della città con --place,
                        altrimenti quello del sistema)
  --hemisphere northern|southern    --planets classic|modern
now, today:
  --format text|json|waybar
  --at YYYY-MM-DDTHH:MM[+HH:MM]      un istante diverso da adesso
  --watch               una nuova riga ogni volta che cambia ciò che è mostrato
events:
  --from YYYY-MM-DD --to YYYY-MM-DD  1901–2050, estremi inclusi (di norma 30 giorni da oggi)
  --kinds TIPO,...      quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,
                        risings (di norma quarters,ingresses; risings per al massimo 10 anni)
  --format text|ics|json|csv
  --output FILE         scrive invece FILE per intero; se c&apos;è già, solo con --force
Stato di uscita: 0 fatto, 1 non fatto (file esistente, scrittura fallita), 2 comando errato.
</translation>
    </message>
    <message>
        <source>the clock says %1, outside the years %2 to %3</source>
        <translation>l&apos;orologio segna %1, fuori dagli anni dal %2 al %3</translation>
    </message>
    <message>
        <source>%1 exists; add --force to replace it</source>
        <translation>%1 esiste già; aggiungi --force per sostituirlo</translation>
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
        <translation>%1 %2 non è una data; scrivila come YYYY-MM-DD, per esempio 2027-01-01</translation>
    </message>
    <message>
        <source>%1 %2 is outside the years %3 to %4</source>
        <translation>%1 %2 è fuori dagli anni dal %3 al %4</translation>
    </message>
    <message>
        <source>--at %1 is not a date and time; write it as 2026-12-24T02:28, or with its offset, as 2026-12-24T02:28+01:00</source>
        <translation>--at %1 non è una data con ora; scrivila come 2026-12-24T02:28 oppure, con la differenza di fuso orario, come 2026-12-24T02:28+01:00</translation>
    </message>
    <message>
        <source>--at %1 is outside the years %2 to %3</source>
        <translation>--at %1 è fuori dagli anni dal %2 al %3</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are now, today and events</source>
        <translation>comando sconosciuto %1; i comandi sono now, today ed events</translation>
    </message>
    <message>
        <source>unknown option %1 for %2; see &apos;lunara %2 --help&apos;</source>
        <translation>opzione sconosciuta %1 per %2; vedi «lunara %2 --help»</translation>
    </message>
    <message>
        <source>%1 needs a value; see &apos;lunara %2 --help&apos;</source>
        <translation>%1 richiede un valore; vedi «lunara %2 --help»</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <source>unknown format %1 for %2; the formats are %3</source>
        <translation>formato sconosciuto %1 per %2; i formati sono %3</translation>
    </message>
    <message>
        <source>unknown time zone %1; give a zone of the time-zone database, as Europe/Lisbon</source>
        <translation>fuso orario sconosciuto %1; indica un fuso del database dei fusi orari, come Europe/Lisbon</translation>
    </message>
    <message>
        <source>%1 needs %2 too, as --lat 38.72 --lon -9.13</source>
        <translation>%1 richiede anche %2, come in --lat 38.72 --lon -9.13</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>indica --place oppure --lat e --lon, non entrambi</translation>
    </message>
    <message>
        <source>--place needs a city&apos;s name, as --place Lisbon</source>
        <translation>--place richiede il nome di una città, come in --place Lisbon</translation>
    </message>
    <message>
        <source>--hemisphere takes northern or southern, not %1</source>
        <translation>--hemisphere accetta northern o southern, non %1</translation>
    </message>
    <message>
        <source>--planets takes classic or modern, not %1</source>
        <translation>--planets accetta classic o modern, non %1</translation>
    </message>
    <message>
        <source>today is outside the years %1 to %2: give --from and --to</source>
        <translation>oggi è fuori dagli anni dal %1 al %2: indica --from e --to</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 è successivo a --to %2</translation>
    </message>
    <message>
        <source>unknown kind %1 in --kinds; the kinds are %2</source>
        <translation>tipo sconosciuto %1 in --kinds; i tipi sono %2</translation>
    </message>
    <message>
        <source>risings are given for at most %1 years at a time; --from %2 --to %3 is longer</source>
        <translation>sorgere e tramonto (risings) si calcolano per al massimo %1 anni alla volta; --from %2 --to %3 è più lungo</translation>
    </message>
    <message>
        <source>--output needs a file&apos;s name, as --output moon.ics</source>
        <translation>--output richiede un nome di file, come in --output moon.ics</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Adesso: %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>In arrivo: %1</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>the date, the time and the place</comment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3 days old</source>
        <translation>%1, illuminata al %2%, età: %3 giorni</translation>
    </message>
    <message>
        <source>Moon in %1 until %2, then in %3</source>
        <translation>Luna in %1 fino a %2, poi in %3</translation>
    </message>
    <message>
        <source>Moon in %1</source>
        <translation>Luna in %1</translation>
    </message>
    <message>
        <source>Next quarter: %1, %2</source>
        <translation>Prossima fase principale: %1, %2</translation>
    </message>
    <message>
        <source>%1; hour of %2</source>
        <translation>%1; ora planetaria: %2</translation>
    </message>
    <message>
        <source>no city of the time-zone table is called &apos;%1&apos;; give one (as --place Lisbon) or --lat and --lon</source>
        <translation>nessuna città della tabella dei fusi orari si chiama «%1»; indicane una (come --place Lisbon) oppure --lat e --lon</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2 cities (%3); give more of the name</source>
        <translation>«%1» corrisponde a %2 città (%3); scrivi una parte più lunga del nome</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aria</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
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
        <translation>anulare</translation>
    </message>
    <message>
        <source>hybrid</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>ibrida</translation>
    </message>
    <message>
        <source>partial</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>parziale</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: not seen from %4</source>
        <translation>%1 alle %2, magnitudine %3: non visibile da %4</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4, %5 there, magnitude %6</source>
        <translation>%1 alle %2, magnitudine %3: visibile da %4, dove è %5 con magnitudine %6</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4</source>
        <translation>%1 alle %2, magnitudine %3: visibile da %4</translation>
    </message>
    <message>
        <source>%1 turns retrograde</source>
        <translation>%1 entra in moto retrogrado</translation>
    </message>
    <message>
        <source>%1 turns direct</source>
        <translation>%1 torna in moto diretto</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2 at %3</source>
        <translation>%1 entra in moto retrogrado in %2 alle %3</translation>
    </message>
    <message>
        <source>%1 turns direct in %2 at %3</source>
        <translation>%1 torna in moto diretto in %2 alle %3</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>New moon in %1</source>
        <translation>Luna nuova in %1</translation>
    </message>
    <message>
        <source>First quarter moon in %1</source>
        <translation>Primo quarto in %1</translation>
    </message>
    <message>
        <source>Full moon in %1</source>
        <translation>Luna piena in %1</translation>
    </message>
    <message>
        <source>Last quarter moon in %1</source>
        <translation>Ultimo quarto in %1</translation>
    </message>
    <message>
        <source>Moon enters %1</source>
        <translation>La Luna entra in %1</translation>
    </message>
    <message>
        <source>Moon void of course</source>
        <translation>Luna vuota di corso</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Alba</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Sorgere della Luna</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Tramonto della Luna</translation>
    </message>
    <message>
        <source>%1 retrograde</source>
        <translation>Moto retrogrado di %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a day and a time</comment>
        <translation>%1 alle %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a short day and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>seen from %1</source>
        <translation>visibile da %1</translation>
    </message>
    <message>
        <source>not seen from %1</source>
        <translation>non visibile da %1</translation>
    </message>
    <message>
        <source>%1 %2, the sun %3° up</source>
        <translation>%1: %2, il Sole a %3° di altezza</translation>
    </message>
    <message>
        <source>%1 %2, the sun below the horizon</source>
        <translation>%1: %2, il Sole sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>%1 %2, the moon %3° up</source>
        <translation>%1: %2, la Luna a %3° di altezza</translation>
    </message>
    <message>
        <source>%1 %2, the moon below the horizon</source>
        <translation>%1: %2, la Luna sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>%1 (its point: %2, the sun at 15° %3)</source>
        <translation>%1 (punto astronomico: %2, il Sole a 15° %3)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>an event and its time</comment>
        <translation>%1 alle %2</translation>
    </message>
    <message>
        <source>%1 from %2 in %3 until %4 in %5</source>
        <translation>%1: dalle %2 in %3 fino a %4 in %5</translation>
    </message>
    <message>
        <source>%1 at %2, in %3</source>
        <translation>%1 alle %2, in %3</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second full moon, at %2</source>
        <translation>%1: la seconda Luna piena del mese, alle %2</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second new moon, at %2</source>
        <translation>%1: la seconda Luna nuova del mese, alle %2</translation>
    </message>
    <message>
        <source>%1 at %2, %3 away</source>
        <translation>%1 alle %2, a %3 di distanza</translation>
    </message>
    <message>
        <source>Mercury is retrograde</source>
        <translation>Mercurio è retrogrado</translation>
    </message>
    <message>
        <source>The sun at 15° %1 at %2: astronomical %3</source>
        <translation>Il Sole a 15° %1 alle %2: punto astronomico di %3</translation>
    </message>
    <message>
        <source>Astronomical %1</source>
        <translation>%1 (punto astronomico)</translation>
    </message>
    <message>
        <source>%1, seen from %2</source>
        <translation>%1, visibile da %2</translation>
    </message>
    <message>
        <source>%1, not seen from %2</source>
        <translation>%1, non visibile da %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Cerca aggiornamenti del programma</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti del programma</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida in linea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
</context>
<context>
    <name>MonthPrint</name>
    <message>
        <source>New moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Ultimo quarto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primo</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Piena</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultimo</translation>
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
        <translation>Fasi principali</translation>
    </message>
    <message>
        <source>The moon enters</source>
        <translation>La Luna entra in</translation>
    </message>
    <message>
        <source>Void of course (modern planets)</source>
        <translation>Luna vuota di corso (pianeti moderni)</translation>
    </message>
    <message>
        <source>Void of course (classic planets)</source>
        <translation>Luna vuota di corso (pianeti classici)</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Inoltre</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar for %1; times in %2</source>
        <translation>Lunara – Calendario lunare per %1; orari nel fuso %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a quarter&apos;s short name and its time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The year</source>
        <translation>L&apos;anno</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar, %1</source>
        <translation>Lunara – Calendario lunare, %1</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>New Moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Ultimo quarto</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Falce crescente</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibbosa crescente</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibbosa calante</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Falce calante</translation>
    </message>
    <message>
        <source>Dark Moon</source>
        <translation>Luna oscura</translation>
    </message>
    <message>
        <source>Waxing Moon</source>
        <translation>Luna crescente</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Luna calante</translation>
    </message>
    <message>
        <source>The dark moon is a good time for giving up bad habits and overcoming anger.</source>
        <translation>La Luna oscura è il momento giusto per abbandonare le cattive abitudini e vincere la rabbia.</translation>
    </message>
    <message>
        <source>The new moon is a good time for new ventures, initiating new projects, love and health.</source>
        <translation>La Luna nuova è il momento giusto per le nuove imprese, per avviare nuovi progetti, per l&apos;amore e la salute.</translation>
    </message>
    <message>
        <source>The waxing moon is a good time for developing work like power, success, health and partnerships.</source>
        <translation>La Luna crescente è il momento giusto per le opere di crescita, come il potere, il successo, la salute e le unioni.</translation>
    </message>
    <message>
        <source>The full moon is a good time for predictions and trying out Magick. Good for healing projects too. </source>
        <translation>La Luna piena è il momento giusto per le predizioni e per mettere alla prova la magia. È propizia anche alle opere di guarigione. </translation>
    </message>
    <message>
        <source>The waning moon is a good time for removing negativity from oneself.</source>
        <translation>La Luna calante è il momento giusto per liberarsi dalla negatività.</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience</source>
        <translation>È il momento giusto per cominciare cose nuove. Ideale per gli incantesimi legati alla forza, alla determinazione e ai nuovi inizi. Il tuo istinto sarà forte. Fai attenzione a non commettere errori e abbi pazienza</translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you.</source>
        <translation>Accresce i poteri psichici. Ideale per gli incantesimi legati allo sviluppo psichico e all&apos;autorità. Le emozioni potrebbero essere molto intense: non lasciarti sopraffare da quelle negative.</translation>
    </message>
    <message>
        <source>Moon In Aries</source>
        <translation>Luna in Ariete</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Passione</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. </source>
        <translation>È il momento giusto per cominciare cose nuove. Ideale per gli incantesimi legati alla forza, alla determinazione e ai nuovi inizi. Il tuo istinto sarà forte. Fai attenzione a non commettere errori e abbi pazienza. </translation>
    </message>
    <message>
        <source>Moon In Taurus</source>
        <translation>Luna in Toro</translation>
    </message>
    <message>
        <source>Physical </source>
        <translation>Fisicità </translation>
    </message>
    <message>
        <source>This is a good time for conjuring on personal matters. Good for spells which involve romance, property and finance. Try not to be stubborn. You are very conventional and not willing to change.</source>
        <translation>È il momento giusto per operare sulle questioni personali. Ideale per gli incantesimi legati all&apos;amore, alla proprietà e alle finanze. Cerca di non ostinarti. Ami le abitudini e fatichi ad accettare i cambiamenti.</translation>
    </message>
    <message>
        <source>Moon In Gemini</source>
        <translation>Luna in Gemelli</translation>
    </message>
    <message>
        <source>Inquisitiveness </source>
        <translation>Curiosità </translation>
    </message>
    <message>
        <source>You are influenced by outside changes. Good for spells which involve journey, negotiations and public involvement. You think of doing ten different things at the same time. Be more emotional than analytical.</source>
        <translation>Risenti dei cambiamenti esterni. Ideale per gli incantesimi legati ai viaggi, alle trattative e all&apos;impegno pubblico. Vorresti fare dieci cose diverse nello stesso momento. Lasciati guidare più dal cuore che dalla ragione.</translation>
    </message>
    <message>
        <source>Moon In Cancer</source>
        <translation>Luna in Cancro</translation>
    </message>
    <message>
        <source>Caring </source>
        <translation>Premura </translation>
    </message>
    <message>
        <source>Family and home is your priority. Good for spells which involve family and friends. You are good at Magick without trying to hard. Try not to be overly emotional. Try to relax.</source>
        <translation>La famiglia e la casa sono la tua priorità. Ideale per gli incantesimi legati alla famiglia e agli amici. La magia ti riesce bene senza troppi sforzi. Cerca di non farti travolgere dalle emozioni. Cerca di rilassarti.</translation>
    </message>
    <message>
        <source>Moon In Leo</source>
        <translation>Luna in Leone</translation>
    </message>
    <message>
        <source>Resolute</source>
        <translation>Risolutezza</translation>
    </message>
    <message>
        <source>Pleasure and hobbies take the forefront. Good for spells which involve children, power, love. Be sure to follow the right directions. You have the right frame of mind. Be sure to put it to good use.</source>
        <translation>I piaceri e gli svaghi passano in primo piano. Ideale per gli incantesimi legati ai figli, al potere, all&apos;amore. Assicurati di seguire la strada giusta. Hai lo stato d&apos;animo adatto: fai in modo di metterlo a frutto.</translation>
    </message>
    <message>
        <source>Moon In Virgo</source>
        <translation>Luna in Vergine</translation>
    </message>
    <message>
        <source>Serious</source>
        <translation>Serietà</translation>
    </message>
    <message>
        <source>Minute details are taken care of. Good for spells which involve illnesses, confidence and career. Do not be nervous and insecure. There doesn&apos;t always have to be a second plan ready in case the first one fails. Believe in yourself.</source>
        <translation>Ci si prende cura dei minimi dettagli. Ideale per gli incantesimi legati alle malattie, alla fiducia in sé e alla carriera. Non farti vincere da ansia e insicurezza. Non serve avere sempre un piano di riserva se il primo fallisce. Abbi fiducia in te.</translation>
    </message>
    <message>
        <source>Moon In Libra</source>
        <translation>Luna in Bilancia</translation>
    </message>
    <message>
        <source>Helpful </source>
        <translation>Disponibilità </translation>
    </message>
    <message>
        <source>This is the right time for alliances and partnerships. Good for spells which involve creativity, legal matters and business deals. You are good at what you do.</source>
        <translation>È il momento giusto per alleanze e collaborazioni. Ideale per gli incantesimi legati alla creatività, alle questioni legali e agli affari. Quello che fai ti riesce bene.</translation>
    </message>
    <message>
        <source>Moon In Scorpio</source>
        <translation>Luna in Scorpione</translation>
    </message>
    <message>
        <source>Idealistic </source>
        <translation>Idealismo </translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you. </source>
        <translation>Accresce i poteri psichici. Ideale per gli incantesimi legati allo sviluppo psichico e all&apos;autorità. Le emozioni potrebbero essere molto intense: non lasciarti sopraffare da quelle negative. </translation>
    </message>
    <message>
        <source>Moon In Sagittarius</source>
        <translation>Luna in Sagittario</translation>
    </message>
    <message>
        <source>Posetive</source>
        <translation>Positività</translation>
    </message>
    <message>
        <source>Time to dream and move on. Good for spells which involve education and sports. You think with a positive mind. Just don&apos;t be hasty and forget the minute details.</source>
        <translation>È tempo di sognare e di andare avanti. Ideale per gli incantesimi legati allo studio e allo sport. I tuoi pensieri sono positivi. Solo, non avere fretta e non trascurare i minimi dettagli.</translation>
    </message>
    <message>
        <source>Moon In Capricorn</source>
        <translation>Luna in Capricorno</translation>
    </message>
    <message>
        <source>Motivated</source>
        <translation>Motivazione</translation>
    </message>
    <message>
        <source>This is the right time to increase business sense and responsibility. Good for spells which involve power, work and dreams. Think calmly but don&apos;t do not become too logical.</source>
        <translation>È il momento giusto per affinare il senso degli affari e la responsabilità. Ideale per gli incantesimi legati al potere, al lavoro e ai sogni. Rifletti con calma, ma senza diventare troppo razionale.</translation>
    </message>
    <message>
        <source>Moon In Aquarius</source>
        <translation>Luna in Acquario</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Estroversione</translation>
    </message>
    <message>
        <source>Time to socialize and make merry. Good for spells which involve friends, analysis and personal development. You are a born natural. Try not to be too stubborn.</source>
        <translation>È tempo di stare in compagnia e di fare festa. Ideale per gli incantesimi legati agli amici, all&apos;analisi e alla crescita personale. Hai un talento innato. Cerca di non ostinarti troppo.</translation>
    </message>
    <message>
        <source>Moon In Pisces</source>
        <translation>Luna in Pesci</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Ottimismo</translation>
    </message>
    <message>
        <source>A lot of inner development will occur with new understanding and experience. Good for spells which involve psychic capabilities and intuition. Improve your self-confidence. Do not try to do bad Magick.</source>
        <translation>Nuove consapevolezze ed esperienze porteranno una grande crescita interiore. Ideale per gli incantesimi legati alle facoltà psichiche e all&apos;intuizione. Rafforza la fiducia in te. Non tentare di praticare magia malevola.</translation>
    </message>
    <message>
        <source>Magick related to the Fire element should be performed when the Moon is in any of the Fire Signs. This can include Magick related to strength, determination, new beginnings, children, power, love, education and sports.</source>
        <translation>La magia legata all&apos;elemento Fuoco va praticata quando la Luna si trova in uno dei segni di Fuoco. Comprende la magia legata alla forza, alla determinazione, ai nuovi inizi, ai figli, al potere, all&apos;amore, allo studio e allo sport.</translation>
    </message>
    <message>
        <source>Magick related to the Earth element should be performed when the Moon is in any of the Earth Signs. This can include Magick related to illnesses, confidence, career, education, sports, romance, property and finance. </source>
        <translation>La magia legata all&apos;elemento Terra va praticata quando la Luna si trova in uno dei segni di Terra. Comprende la magia legata alle malattie, alla fiducia in sé, alla carriera, allo studio, allo sport, all&apos;amore, alla proprietà e alle finanze. </translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development.</source>
        <translation>La magia legata all&apos;elemento Aria va praticata quando la Luna si trova in uno dei segni d&apos;Aria. Comprende la magia legata ai viaggi, alle trattative, all&apos;impegno pubblico, alla creatività, alle questioni legali, agli affari, agli amici, all&apos;analisi e alla crescita personale.</translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development</source>
        <translation>La magia legata all&apos;elemento Aria va praticata quando la Luna si trova in uno dei segni d&apos;Aria. Comprende la magia legata ai viaggi, alle trattative, all&apos;impegno pubblico, alla creatività, alle questioni legali, agli affari, agli amici, all&apos;analisi e alla crescita personale</translation>
    </message>
    <message>
        <source>Magick related to the Water element should be performed when the Moon is in any of the Water Signs. This can include Magick related to family, friends, psychic development, authority, psychic capabilities and intuition.</source>
        <translation>La magia legata all&apos;elemento Acqua va praticata quando la Luna si trova in uno dei segni d&apos;Acqua. Comprende la magia legata alla famiglia, agli amici, allo sviluppo psichico, all&apos;autorità, alle facoltà psichiche e all&apos;intuizione.</translation>
    </message>
</context>
<context>
    <name>Offers</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Il forum più seguito sul mondo del mistero. La miglior risorsa per tutto ciò che è mistico. Visita subito %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunità di lavoro da casa: avvia la tua attività su Internet e guadagna online. Ottieni questo programma con il marchio del tuo sito. Fai clic qui per i dettagli.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personalizza questo programma con il marchio del tuo sito: aumenta fedeltà e traffico. Inserisci qui nome e link del tuo sito (vedi «Aiuto»). Fai clic qui per saperne di più.</translation>
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
        <translation>%1° %2</translation>
    </message>
    <message>
        <source>Type a latitude.</source>
        <translation>Inserisci una latitudine.</translation>
    </message>
    <message>
        <source>Type a longitude.</source>
        <translation>Inserisci una longitudine.</translation>
    </message>
    <message>
        <source>Type a latitude like 52.52 or 52°31′N.</source>
        <translation>Inserisci una latitudine come 52,52 o 52°31′N.</translation>
    </message>
    <message>
        <source>Type a longitude like 13.41 or 13°24′E.</source>
        <translation>Inserisci una longitudine come 13,41 o 13°24′E.</translation>
    </message>
    <message>
        <source>Use N or S after a latitude.</source>
        <translation>Dopo una latitudine usa N o S.</translation>
    </message>
    <message>
        <source>Use E or W after a longitude.</source>
        <translation>Dopo una longitudine usa E oppure O.</translation>
    </message>
    <message>
        <source>Give either a sign or a letter, not both.</source>
        <translation>Indica un segno o una lettera, non entrambi.</translation>
    </message>
    <message>
        <source>A latitude lies between 90° S and 90° N.</source>
        <translation>La latitudine è compresa tra 90° S e 90° N.</translation>
    </message>
    <message>
        <source>A longitude lies between 180° W and 180° E.</source>
        <translation>La longitudine è compresa tra 180° O e 180° E.</translation>
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
        <translation>Il giorno del Sole</translation>
    </message>
    <message>
        <source>The day of the Moon</source>
        <translation>Il giorno della Luna</translation>
    </message>
    <message>
        <source>The day of Mars</source>
        <translation>Il giorno di Marte</translation>
    </message>
    <message>
        <source>The day of Mercury</source>
        <translation>Il giorno di Mercurio</translation>
    </message>
    <message>
        <source>The day of Jupiter</source>
        <translation>Il giorno di Giove</translation>
    </message>
    <message>
        <source>The day of Venus</source>
        <translation>Il giorno di Venere</translation>
    </message>
    <message>
        <source>The day of Saturn</source>
        <translation>Il giorno di Saturno</translation>
    </message>
    <message>
        <source>%1: sunrise %2, sunset %3, next sunrise %4</source>
        <translation>%1: alba alle %2, tramonto alle %3, alba successiva alle %4</translation>
    </message>
    <message>
        <source>%1: the sun sets at %2 and does not rise again this day.</source>
        <translation>%1: il Sole tramonta alle %2 e non sorge più per il resto del giorno.</translation>
    </message>
    <message>
        <source>%1: the sun does not set.</source>
        <translation>%1: il Sole non tramonta.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise.</source>
        <translation>%1: il Sole non sorge.</translation>
    </message>
    <message>
        <source>%1: the sun does not set within a day after it rises at %2.</source>
        <translation>%1: il Sole sorge alle %2 e non tramonta nelle ventiquattro ore successive.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise again within a day after it sets at %2.</source>
        <translation>%1: il Sole tramonta alle %2 e non sorge di nuovo nelle ventiquattro ore successive.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun sets at %1 and does not rise again this day, so there is no daylight and night to divide.</source>
        <translation>Nessuna ora planetaria in questo giorno: il Sole tramonta alle %1 e non sorge più per il resto del giorno, quindi non ci sono ore di luce e di buio da suddividere.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set, so there is no daylight and night to divide.</source>
        <translation>Nessuna ora planetaria in questo giorno: il Sole non tramonta, quindi non ci sono ore di luce e di buio da suddividere.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise, so there is no daylight and night to divide.</source>
        <translation>Nessuna ora planetaria in questo giorno: il Sole non sorge, quindi non ci sono ore di luce e di buio da suddividere.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set within a day after it rises at %1, so there is no daylight and night to divide.</source>
        <translation>Nessuna ora planetaria in questo giorno: il Sole sorge alle %1 e non tramonta nelle ventiquattro ore successive, quindi non ci sono ore di luce e di buio da suddividere.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise again within a day after it sets at %1, so there is no daylight and night to divide.</source>
        <translation>Nessuna ora planetaria in questo giorno: il Sole tramonta alle %1 e non sorge di nuovo nelle ventiquattro ore successive, quindi non ci sono ore di luce e di buio da suddividere.</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venere</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Nettuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutone</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>New moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>First and last quarters</source>
        <translation>Primo e ultimo quarto</translation>
    </message>
    <message>
        <source>The moon entering a sign</source>
        <translation>L&apos;ingresso della Luna in un segno</translation>
    </message>
    <message>
        <source>The void-of-course moon starting</source>
        <translation>L&apos;inizio della Luna vuota di corso</translation>
    </message>
    <message>
        <source>Sabbats</source>
        <translation>Sabbat</translation>
    </message>
    <message>
        <source>Eclipses seen from here</source>
        <translation>Eclissi visibili da qui</translation>
    </message>
    <message>
        <source>A planet turning retrograde or direct</source>
        <translation>Un pianeta che entra in moto retrogrado o diretto</translation>
    </message>
    <message>
        <source>A planetary hour starting</source>
        <translation>L&apos;inizio di un&apos;ora planetaria</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>Al momento dell&apos;evento</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 minuti prima</translation>
    </message>
    <message>
        <source>In 15 minutes</source>
        <translation>Tra 15 minuti</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 ora prima</translation>
    </message>
    <message>
        <source>In 1 hour</source>
        <translation>Tra 1 ora</translation>
    </message>
    <message>
        <source>3 hours before</source>
        <translation>3 ore prima</translation>
    </message>
    <message>
        <source>In 3 hours</source>
        <translation>Tra 3 ore</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 giorno prima</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 giorni prima</translation>
    </message>
    <message>
        <source>In 3 days</source>
        <translation>Tra 3 giorni</translation>
    </message>
    <message>
        <source>The hour of %1 begins</source>
        <translation>Inizia l&apos;ora planetaria: %1</translation>
    </message>
    <message>
        <source>The moon is void of course</source>
        <translation>La Luna è vuota di corso</translation>
    </message>
    <message>
        <source>%1 turns direct in %2</source>
        <translation>%1 torna in moto diretto in %2</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2</source>
        <translation>%1 entra in moto retrogrado in %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>the calendar file could not be made</source>
        <translation>non è stato possibile creare il file del calendario</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>non è stato possibile creare il PDF</translation>
    </message>
    <message>
        <source>the autostart entry could not be made</source>
        <translation>non è stato possibile creare la voce di avvio automatico</translation>
    </message>
    <message>
        <source>The calendar file could not be saved as %1: %2. Nothing was written.</source>
        <translation>Impossibile salvare il file del calendario come %1: %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: %2. Nothing was written.</source>
        <translation>Impossibile salvare il PDF come %1: %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The autostart entry could not be saved as %1: %2. Nothing was written.</source>
        <translation>Impossibile salvare la voce di avvio automatico come %1: %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>the list of events could not be made</source>
        <translation>non è stato possibile creare l&apos;elenco degli eventi</translation>
    </message>
    <message>
        <source>The list of events could not be saved as %1: %2. Nothing was written.</source>
        <translation>Impossibile salvare l&apos;elenco degli eventi come %1: %2. Non è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorno</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
</context>
<context>
    <name>SkyWords</name>
    <message>
        <source>%1 %2</source>
        <comment>a weekday and a time</comment>
        <translation>%2 di %1</translation>
    </message>
    <message>
        <source>Void of course from %1 until the moon enters %2 at %3</source>
        <translation>Luna vuota di corso dalle %1 fino all&apos;ingresso in %2 alle %3</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;applicazione è già in esecuzione</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo programma.<byte value="xd"/>Vuoi verificare se c&apos;è un aggiornamento?</translation>
    </message>
</context>
<context>
    <name>lunara::MoonMonthModel</name>
    <message>
        <source>%1, new moon at %2</source>
        <translation>%1, Luna nuova alle %2</translation>
    </message>
    <message>
        <source>%1, first quarter at %2</source>
        <translation>%1, primo quarto alle %2</translation>
    </message>
    <message>
        <source>%1, full moon at %2</source>
        <translation>%1, Luna piena alle %2</translation>
    </message>
    <message>
        <source>%1, last quarter at %2</source>
        <translation>%1, ultimo quarto alle %2</translation>
    </message>
    <message>
        <source>%1: no such day here, the clocks skipped it</source>
        <translation>%1: questo giorno qui non esiste, gli orologi lo hanno saltato</translation>
    </message>
    <message>
        <source>%1, %2 % lit, moon in %3</source>
        <translation>%1, illuminata al %2%, Luna in %3</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a day&apos;s words and one of its events</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>today, chosen</source>
        <translation>oggi, selezionato</translation>
    </message>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>selezionato</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation>Settimana dal giorno %1</translation>
    </message>
</context>
<context>
    <name>lunara::Notifier</name>
    <message>
        <source>Show in calendar</source>
        <translation>Mostra nel calendario</translation>
    </message>
</context>
<context>
    <name>lunara::Reminders</name>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>Late reminder</source>
        <translation>Promemoria in ritardo</translation>
    </message>
    <message>
        <source>%1: %2 at %3 (%4)</source>
        <translation>%1: %2 alle %3 (%4)</translation>
    </message>
    <message>
        <source>Today, all day (%1)</source>
        <translation>Oggi, tutto il giorno (%1)</translation>
    </message>
    <message>
        <source>%1: %2, all day (%3)</source>
        <translation>%1: %2, tutto il giorno (%3)</translation>
    </message>
    <message>
        <source>%1 in %2, void of course until %3</source>
        <translation>%1 in %2, Luna vuota di corso fino alle %3</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <comment>the moon&apos;s phase and sign</comment>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>lunara::Services</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>%1: its lock %2 is held and cannot be cleared</source>
        <translation>%1: il suo file di blocco %2 è in uso e non può essere rimosso</translation>
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
        <translation>La magia è un sentiero molto praticato nel mondo della divinazione. Lunara riunisce Magia delle candele e Magia lunare di Velmora: mostra quali colori di candela usare nei diversi rituali magici e come le fasi lunari influiscono sui rituali.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Opportunità di lavoro da casa: avvia la tua attività su Internet e guadagna online. Ottieni questo programma con il marchio del tuo sito. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Fai clic qui per i dettagli.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Fai clic per visitare %1</translation>
    </message>
</context>
<context>
    <name>lunara::frmCandleMagickMain</name>
    <message>
        <source>Velmora Candle Magick displays the correspondence between different magick rituals and the colors of candles that should be used. Candle magick is very effective when the right candles are used for the right purposes. This needs to be repeated many times before your purpose is solved. Note that you do not harm to anyone.</source>
        <translation>Magia delle candele di Velmora mostra quali colori di candela usare nei diversi rituali magici. Questa magia è molto efficace quando si usano le candele giuste per gli scopi giusti, ma va ripetuta molte volte prima che il tuo scopo si realizzi. E ricorda: non fare del male a nessuno.</translation>
    </message>
    <message>
        <source>Select one of the following purposes and know which candle to use.</source>
        <translation>Scegli uno degli scopi seguenti e scopri quale candela usare.</translation>
    </message>
    <message>
        <source>Candle Selection</source>
        <translation>Criterio</translation>
    </message>
    <message>
        <source>Available Options</source>
        <translation>Opzioni disponibili</translation>
    </message>
    <message>
        <source>&amp;Get Candle Magick Reading</source>
        <translation>Co&amp;nsulta la magia delle candele</translation>
    </message>
    <message>
        <source>Candle Color</source>
        <translation>Colore candela</translation>
    </message>
    <message>
        <source>Option Selection</source>
        <translation>Opzione scelta</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Scopo</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Velmora Candle Magick</source>
        <translation>Magia delle candele di Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Ore magiche</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>To be given</source>
        <translation>Da scegliere</translation>
    </message>
</context>
<context>
    <name>lunara::frmExportCalendar</name>
    <message>
        <source>Range</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>A c&amp;hosen year:</source>
        <translation>Un anno a &amp;scelta:</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Includi</translation>
    </message>
    <message>
        <source>The four &amp;quarters</source>
        <translation>Le quattro &amp;fasi principali</translation>
    </message>
    <message>
        <source>The moon entering each &amp;sign</source>
        <translation>L&apos;ingresso della Luna in ogni se&amp;gno</translation>
    </message>
    <message>
        <source>&amp;Void-of-course periods, counting</source>
        <translation>Periodi di Luna &amp;vuota di corso, calcolati con:</translation>
    </message>
    <message>
        <source>C&amp;lassic planets (Sun to Saturn)</source>
        <translation>Pianeti c&amp;lassici (dal Sole a Saturno)</translation>
    </message>
    <message>
        <source>M&amp;odern planets (to Pluto)</source>
        <translation>Pianeti m&amp;oderni (fino a Plutone)</translation>
    </message>
    <message>
        <source>The &amp;Wheel of the Year&apos;s sabbats</source>
        <translation>I Sabbat della &amp;Ruota dell&apos;anno</translation>
    </message>
    <message>
        <source>Ecli&amp;pses, as seen from here</source>
        <translation>Ecl&amp;issi, come si vedono da qui</translation>
    </message>
    <message>
        <source>&amp;Retrograde periods, as whole days</source>
        <translation>Periodi di moto re&amp;trogrado, a giorni interi</translation>
    </message>
    <message>
        <source>Full moon &amp;names, blue and black moons</source>
        <translation>&amp;Nomi delle lune piene, lune blu e lune nere</translation>
    </message>
    <message>
        <source>S&amp;upermoons and micromoons</source>
        <translation>S&amp;uperlune e microlune</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Esporta nel calendario</translation>
    </message>
    <message>
        <source>This &amp;month (%1)</source>
        <translation>Questo &amp;mese (%1)</translation>
    </message>
    <message>
        <source>This &amp;year (%1)</source>
        <translation>Questo &amp;anno (%1)</translation>
    </message>
    <message>
        <source>Year to export</source>
        <translation>Anno da esportare</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Scegli almeno un tipo di evento.</translation>
    </message>
</context>
<context>
    <name>lunara::frmLocation</name>
    <message>
        <source>Degrees north and east are positive; 51°28′N or 0°07′W work too.</source>
        <translation>I gradi a nord e a est sono positivi; si può scrivere anche 51°28′N o 0°07′O.</translation>
    </message>
    <message>
        <source>Use &amp;Default</source>
        <translation>Usa &amp;predefinita</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>&amp;Find a city:</source>
        <translation>&amp;Cerca una città:</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>L&amp;atitudine:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>L&amp;ongitudine:</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Cancella la ricerca</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, as your time zone names no city.</source>
        <translation>Se non scegli nulla, Lunara usa %1, perché il tuo fuso orario non indica alcuna città.</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, the city of your time zone.</source>
        <translation>Se non scegli nulla, Lunara usa %1, la città del tuo fuso orario.</translation>
    </message>
    <message>
        <source>The location is used now but could not be saved for next time.</source>
        <translation>La località viene usata ora, ma non è stato possibile salvarla per la prossima volta.</translation>
    </message>
</context>
<context>
    <name>lunara::frmMDI</name>
    <message>
        <source>&amp;Moon Magick</source>
        <translation>&amp;Magia lunare</translation>
    </message>
    <message>
        <source>&amp;Candle Magick</source>
        <translation>Magia delle &amp;candele</translation>
    </message>
    <message>
        <source>Welcome to Lunara</source>
        <translation>Ti diamo il benvenuto in Lunara</translation>
    </message>
    <message>
        <source>Welcome to the Magickal world of occult and spirituality. Lunara will open new doors in Candle and Moon magick. Use the different resources to gain more understanding of the subject.</source>
        <translation>Entra nel mondo magico dell&apos;occulto e della spiritualità. Lunara ti aprirà nuove porte nella magia delle candele e della Luna. Usa le sue diverse risorse per conoscere più a fondo questi temi.</translation>
    </message>
    <message>
        <source>Lunara includes the following programs</source>
        <translation>Lunara comprende i seguenti programmi</translation>
    </message>
    <message>
        <source>Candle Magick</source>
        <translation>Magia delle candele</translation>
    </message>
    <message>
        <source>Moon Magick</source>
        <translation>Magia lunare</translation>
    </message>
    <message>
        <source>Moon Calendar</source>
        <translation>Calendario lunare</translation>
    </message>
    <message>
        <source>Magick Hours</source>
        <translation>Ore magiche</translation>
    </message>
    <message>
        <source>The Year</source>
        <translation>L&apos;anno</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Lunara v1.20</source>
        <translation>Lunara v1.20</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Il forum più seguito sul mondo del mistero. La miglior risorsa per tutto ciò che è mistico. Visita subito %1</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Lit candles</source>
        <translation>Candele accese</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Calendario lunare</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Ore magiche</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>L&apos;a&amp;nno</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Promemoria...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Stop Reminders and Quit</source>
        <translation>&amp;Interrompi i promemoria ed esci</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Lunara speaks the language chosen from its next start.</source>
        <translation>Lunara userà la lingua scelta dal prossimo avvio.</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written.</source>
        <translation>Impossibile conservare la lingua: non è possibile scrivere le impostazioni.</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>&amp;Predefinita di sistema</translation>
    </message>
    <message>
        <source>Reminders cannot be remembered</source>
        <translation>Impossibile memorizzare i promemoria</translation>
    </message>
    <message>
        <source>Lunara cannot write its settings (%1). Until it can, it does not remember across restarts which reminders it has shown, so one may come again after Lunara starts anew.</source>
        <translation>Lunara non riesce a scrivere le sue impostazioni (%1). Finché non potrà farlo, non ricorderà tra un avvio e l&apos;altro quali promemoria ha già mostrato: uno stesso promemoria potrebbe quindi ripresentarsi quando Lunara viene riavviato.</translation>
    </message>
    <message>
        <source>&amp;Open Lunara</source>
        <translation>&amp;Apri Lunara</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
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
        <translation>&amp;Oggi</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>&amp;Località...</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>La Luna</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Luna vuota di corso</translation>
    </message>
    <message>
        <source>Aspects to</source>
        <translation>Aspetti con</translation>
    </message>
    <message>
        <source>&amp;Classic planets (Sun to Saturn)</source>
        <translation>Pianeti &amp;classici (dal Sole a Saturno)</translation>
    </message>
    <message>
        <source>&amp;Modern planets (to Pluto)</source>
        <translation>Pianeti &amp;moderni (fino a Plutone)</translation>
    </message>
    <message>
        <source>Enter or a double click on an hour shows its planet&apos;s candle in Candle Magick.</source>
        <translation>Invio o un doppio clic su un&apos;ora mostra la candela del suo pianeta in Magia delle candele.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Lunara Magick Hours</source>
        <translation>Lunara – Ore magiche</translation>
    </message>
    <message>
        <source>Planetary hours</source>
        <translation>Ore planetarie</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dalle</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Pianeta</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Candela</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Giorno precedente</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Giorno successivo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Vai</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>Giorno &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Giorno &amp;successivo</translation>
    </message>
    <message>
        <source>Planetary hours for %1; times in %2 (%3)</source>
        <translation>Ore planetarie per %1; orari nel fuso %2 (%3)</translation>
    </message>
    <message>
        <source>Planetary hours for %1</source>
        <translation>Ore planetarie per %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>Notturna %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Diurna %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <comment>an hour&apos;s name</comment>
        <translation>%1 (adesso)</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Ora notturna %1, dalle %2 alle %3, %4, candela di colore %5, in corso</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Ora notturna %1, dalle %2 alle %3, %4, candela di colore %5</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Ora diurna %1, dalle %2 alle %3, %4, candela di colore %5, in corso</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Ora diurna %1, dalle %2 alle %3, %4, candela di colore %5</translation>
    </message>
    <message>
        <source>%1, in %2 (now)</source>
        <translation>%1, in %2 (adesso)</translation>
    </message>
    <message>
        <source>%1, in %2 (at noon)</source>
        <translation>%1, in %2 (a mezzogiorno)</translation>
    </message>
    <message>
        <source>The moon is not void of course this day.</source>
        <translation>In questo giorno la Luna non è vuota di corso.</translation>
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
        <translation>&amp;Oggi</translation>
    </message>
    <message>
        <source>Hemisphere:</source>
        <translation>Emisfero:</translation>
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
        <translation>&amp;Località...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar</source>
        <translation>Lunara – Calendario lunare</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Giorni del mese</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Salva in P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar...</source>
        <translation>Esporta nel &amp;calendario...</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>L&apos;a&amp;nno</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Promemoria...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Vai</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>Mese &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>Mese &amp;successivo</translation>
    </message>
    <message>
        <source>Sunrise and sunset for %1</source>
        <translation>Alba e tramonto per %1</translation>
    </message>
    <message>
        <source>Your time zone names no city.</source>
        <translation>Il tuo fuso orario non indica alcuna città.</translation>
    </message>
    <message>
        <source>%1 is your time zone&apos;s city.</source>
        <translation>%1 è la città del tuo fuso orario.</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>Impossibile usare la stampante. Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva in PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Esporta nel calendario</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>File di calendario (*.ics)</translation>
    </message>
    <message>
        <source>The sun does not set</source>
        <translation>Il Sole non tramonta</translation>
    </message>
    <message>
        <source>The sun does not rise</source>
        <translation>Il Sole non sorge</translation>
    </message>
    <message>
        <source>The moon does not set</source>
        <translation>La Luna non tramonta</translation>
    </message>
    <message>
        <source>The moon does not rise</source>
        <translation>La Luna non sorge</translation>
    </message>
    <message>
        <source>sunrise %1</source>
        <translation>alba alle %1</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>tramonto alle %1</translation>
    </message>
    <message>
        <source>moonrise %1</source>
        <translation>sorgere della Luna alle %1</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>tramonto della Luna alle %1</translation>
    </message>
    <message>
        <source>no sunrise this day</source>
        <translation>nessuna alba in questo giorno</translation>
    </message>
    <message>
        <source>no moonrise this day</source>
        <translation>in questo giorno la Luna non sorge</translation>
    </message>
    <message>
        <source>no sunset this day</source>
        <translation>nessun tramonto in questo giorno</translation>
    </message>
    <message>
        <source>no moonset this day</source>
        <translation>in questo giorno la Luna non tramonta</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the phrases of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>The moon is not void of course this day</source>
        <translation>In questo giorno la Luna non è vuota di corso</translation>
    </message>
    <message>
        <source>No such day here: the clocks skipped it</source>
        <translation>Questo giorno qui non esiste: gli orologi lo hanno saltato</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a phase and the time of its quarter</comment>
        <translation>%1 alle %2</translation>
    </message>
    <message>
        <source>Moon picture: %1</source>
        <translation>Immagine della Luna: %1</translation>
    </message>
    <message>
        <source>Age: %1 days</source>
        <translation>Età: %1 giorni</translation>
    </message>
    <message>
        <source>Lit: %1 %</source>
        <translation>Parte illuminata: %1%</translation>
    </message>
    <message>
        <source>The moon enters %1 at %2</source>
        <translation>La Luna entra in %1 alle %2</translation>
    </message>
    <message>
        <source>enters %1 at %2</source>
        <translation>entra in %1 alle %2</translation>
    </message>
    <message>
        <source>Keyword: %1</source>
        <translation>Parola chiave: %1</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Elemento: %1</translation>
    </message>
    <message numerus="yes">
        <source>The traditional rule says %n days, %1</source>
        <translation>
            <numerusform>Secondo la regola tradizionale: %n giorno, %1</numerusform>
            <numerusform>Secondo la regola tradizionale: %n giorni, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, today</source>
        <translation>Prossima Luna nuova: %1 alle %2, oggi</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, today</source>
        <translation>Prossima Luna piena: %1 alle %2, oggi</translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, in 1 day</source>
        <translation>Prossima Luna nuova: %1 alle %2, domani</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, in 1 day</source>
        <translation>Prossima Luna piena: %1 alle %2, domani</translation>
    </message>
    <message numerus="yes">
        <source>Next new moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Prossima Luna nuova: %1 alle %2, tra %n giorno</numerusform>
            <numerusform>Prossima Luna nuova: %1 alle %2, tra %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Next full moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Prossima Luna piena: %1 alle %2, tra %n giorno</numerusform>
            <numerusform>Prossima Luna piena: %1 alle %2, tra %n giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickDisplay</name>
    <message>
        <source>Keywords</source>
        <translation>Parole chiave</translation>
    </message>
    <message>
        <source>Moon Phase on</source>
        <translation>Fase lunare del</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Oggi è</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message numerus="yes">
        <source>Moon picture: %n days, %1</source>
        <translation>
            <numerusform>Immagine della Luna: %n giorno, %1</numerusform>
            <numerusform>Immagine della Luna: %n giorni, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Magia lunare di Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickMain</name>
    <message>
        <source>The Moon has a strong influence on magick rituals. Know more about the moon phases and the corresponding effects on magick.</source>
        <translation>La Luna ha una forte influenza sui rituali magici. Scopri di più sulle fasi lunari e sui loro effetti sulla magia.</translation>
    </message>
    <message>
        <source>Enter Date for Moon Magick</source>
        <translation>Inserisci la data per la magia lunare</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Moon Phase - Magick Correspondence</source>
        <translation>Corrispondenze delle fasi lunari</translation>
    </message>
    <message>
        <source>Zodiacal Moon Magick</source>
        <translation>Magia lunare zodiacale</translation>
    </message>
    <message>
        <source>Elemental Moon Magick</source>
        <translation>Magia lunare degli elementi</translation>
    </message>
    <message>
        <source>Moon &amp;Magick Reading</source>
        <translation>Consulta la &amp;magia lunare</translation>
    </message>
    <message>
        <source>Today&apos;s Moon Phase</source>
        <translation>Fase lunare di oggi</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Oggi è</translation>
    </message>
    <message>
        <source>Today&apos;s Zodiacal Elemental Moon Magick</source>
        <translation>Magia lunare zodiacale di oggi</translation>
    </message>
    <message>
        <source>Keywords:-</source>
        <translation>Parole chiave:</translation>
    </message>
    <message>
        <source>Today&apos;s Elemental Moon Magick</source>
        <translation>Magia lunare degli elementi di oggi</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Magia lunare di Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Calendario lunare</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation>Inserisci una data corretta!</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminder</name>
    <message>
        <source>Lunara Reminders</source>
        <translation>Lunara – Promemoria</translation>
    </message>
    <message>
        <source>&amp;Reminders:</source>
        <translation>&amp;Promemoria:</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Show in &amp;Calendar</source>
        <translation>Mostra nel &amp;calendario</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Remind me of:</source>
        <translation>Ricordami:</translation>
    </message>
    <message>
        <source>When: %1</source>
        <translation>Quando: %1</translation>
    </message>
    <message>
        <source>Whose planetary hour</source>
        <translation>Pianeta dell&apos;ora planetaria</translation>
    </message>
    <message>
        <source>&amp;Start with my session (in the background)</source>
        <translation>&amp;Avvia con la sessione (in secondo piano)</translation>
    </message>
    <message>
        <source>While any reminder is on, closing Lunara keeps it running in the tray to remind you; choose Quit in the tray icon&apos;s menu to end it.</source>
        <translation>Finché è attivo almeno un promemoria, chiudendo Lunara il programma resta in esecuzione nell&apos;area di notifica per avvisarti; per terminarlo scegli «Esci» nel menu della sua icona.</translation>
    </message>
    <message>
        <source>This desktop has no tray: Lunara reminds you while it runs. Started with your session it runs in the background; its File menu then offers &quot;Stop Reminders and Quit&quot;.</source>
        <translation>Questo desktop non ha un&apos;area di notifica: Lunara ti avvisa finché è in esecuzione. Se viene avviato con la sessione, resta in secondo piano; il suo menu File offre allora «Interrompi i promemoria ed esci».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The reminders could not be kept: the settings cannot be written.</source>
        <translation>Impossibile conservare i promemoria: non è possibile scrivere le impostazioni.</translation>
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
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Salva in P&amp;DF...</translation>
    </message>
    <message>
        <source>Enter or a double click on an entry opens the Moon Calendar at its day.</source>
        <translation>Invio o un doppio clic su una voce apre il Calendario lunare a quel giorno.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the first and last day of a period</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The Wheel of the Year</source>
        <translation>La Ruota dell&apos;anno</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclissi</translation>
    </message>
    <message>
        <source>Retrogrades</source>
        <translation>Moti retrogradi</translation>
    </message>
    <message>
        <source>Full moons</source>
        <translation>Lune piene</translation>
    </message>
    <message>
        <source>Blue and black moons</source>
        <translation>Lune blu e lune nere</translation>
    </message>
    <message>
        <source>Supermoons and micromoons</source>
        <translation>Superlune e microlune</translation>
    </message>
    <message>
        <source>None this year</source>
        <translation>Nessun evento in questo anno</translation>
    </message>
    <message>
        <source>Lunara: The Year %1 (continued)</source>
        <translation>Lunara: L&apos;anno %1 (segue)</translation>
    </message>
    <message>
        <source>Lunara: The Year %1</source>
        <translation>Lunara: L&apos;anno %1</translation>
    </message>
    <message>
        <source>Lunara: The Year</source>
        <translation>Lunara: L&apos;anno</translation>
    </message>
    <message>
        <source>The year&apos;s events</source>
        <translation>Gli eventi dell&apos;anno</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Anno precedente</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Anno successivo</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Show in Moon &amp;Calendar</source>
        <translation>Mostra nel &amp;Calendario lunare</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>For %1; southern hemisphere; times in %2</source>
        <translation>Per %1; emisfero sud; orari nel fuso %2</translation>
    </message>
    <message>
        <source>For %1; northern hemisphere; times in %2</source>
        <translation>Per %1; emisfero nord; orari nel fuso %2</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>Impossibile usare la stampante. Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva in PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
</context>
</TS>
