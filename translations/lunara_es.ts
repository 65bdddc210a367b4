<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Almanac</name>
    <message>
        <source>Ostara, the spring equinox</source>
        <translation>Ostara, el equinoccio de primavera</translation>
    </message>
    <message>
        <source>Mabon, the autumn equinox</source>
        <translation>Mabon, el equinoccio de otoño</translation>
    </message>
    <message>
        <source>Litha, the summer solstice</source>
        <translation>Litha, el solsticio de verano</translation>
    </message>
    <message>
        <source>Yule, the winter solstice</source>
        <translation>Yule, el solsticio de invierno</translation>
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
        <translation>Eclipse solar parcial</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Eclipse solar anular</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Eclipse solar total</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Eclipse solar híbrido</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Eclipse lunar penumbral</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Eclipse lunar parcial</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Eclipse lunar total</translation>
    </message>
    <message>
        <source>Penumbral eclipse begins</source>
        <translation>Comienza el eclipse penumbral</translation>
    </message>
    <message>
        <source>Partial eclipse begins</source>
        <translation>Comienza el eclipse parcial</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Comienza la totalidad</translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation>Máximo del eclipse</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Termina la totalidad</translation>
    </message>
    <message>
        <source>Partial eclipse ends</source>
        <translation>Termina el eclipse parcial</translation>
    </message>
    <message>
        <source>Penumbral eclipse ends</source>
        <translation>Termina el eclipse penumbral</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Comienza el eclipse</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Comienza la fase anular</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Termina la fase anular</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Termina el eclipse</translation>
    </message>
    <message>
        <source>Wolf Moon</source>
        <translation>Luna del Lobo</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Luna de Nieve</translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation>Luna de Gusano</translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation>Luna Rosa</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Luna de Flores</translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation>Luna de Fresa</translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation>Luna del Ciervo</translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation>Luna del Esturión</translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation>Luna del Maíz</translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation>Luna del Cazador</translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation>Luna del Castor</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Luna Fría</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Luna de la Cosecha</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Luna azul</translation>
    </message>
    <message>
        <source>Black moon</source>
        <translation>Luna negra</translation>
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
        <translation>Superluna nueva</translation>
    </message>
    <message>
        <source>Micro new moon</source>
        <translation>Microluna nueva</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The Run key of the current user could not be written.</source>
        <translation>No se pudo escribir la clave Run del usuario actual.</translation>
    </message>
    <message>
        <source>This system offers no way to start programs with the session.</source>
        <translation>Este sistema no ofrece ninguna forma de iniciar programas con la sesión.</translation>
    </message>
    <message>
        <source>%1 is a link, which Lunara leaves as it is.</source>
        <translation>%1 es un enlace, y Lunara lo deja como está.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>No se pudo eliminar %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Lunara&apos;s path %1 cannot be written in an autostart entry.</source>
        <translation>La ruta de Lunara, %1, no se puede escribir en una entrada de inicio automático.</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>Until the moon enters %1 (modern planets)</source>
        <translation>Hasta que la Luna entre en %1 (planetas modernos)</translation>
    </message>
    <message>
        <source>Until the moon enters %1 (classic planets)</source>
        <translation>Hasta que la Luna entre en %1 (planetas clásicos)</translation>
    </message>
</context>
<context>
    <name>Candle</name>
    <message>
        <source>Love, Warmth, Caring</source>
        <translation>Amor, Calidez, Ternura</translation>
    </message>
    <message>
        <source>Well known as the color of romance and tender love, pink candles can be used to evoke similar feelings in one&apos;s heart. This color symbolically represents affection, sweetness in words and acts, nurturing partnerships and soft emotions. Pink is also said to have healing effect on our senses. It stands for unconditional love, honor and commitment.</source>
        <translation>El rosa es, como bien se sabe, el color del romance y del amor tierno, y sus velas pueden despertar sentimientos parecidos en el corazón. Este color representa el afecto, la dulzura en las palabras y en los actos, las relaciones que se cuidan y las emociones suaves. También se dice que el rosa tiene un efecto sanador sobre los sentidos. Simboliza el amor incondicional, el honor y el compromiso.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Passion, Lust, Power, Immediate Action, Promotion of Career</source>
        <translation>Pasión, Deseo, Poder, Acción inmediata, Ascenso profesional</translation>
    </message>
    <message>
        <source>Lighting a red candle can ignite passionate love, sensuality and lustfulness. This color also evokes enthusiasm, power of body and mind, boldness and determination. This color is also effective to enhance personal magnetism, dynamism, sexual attractions and competitiveness. The fire of red candle symbolizes your inner fire and favorable for increasing fertility.</source>
        <translation>Encender una vela roja puede avivar el amor apasionado, la sensualidad y el deseo. Este color despierta también el entusiasmo, la fuerza del cuerpo y de la mente, la audacia y la determinación. Además, es eficaz para potenciar el magnetismo personal, el dinamismo, la atracción sexual y el espíritu competitivo. La llama de la vela roja simboliza tu fuego interior y favorece la fertilidad.</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Business, Justice, Success</source>
        <translation>Negocios, Justicia, Éxito</translation>
    </message>
    <message>
        <source>If you want to broaden your social circle or want to enjoy a rocking time with friends, orange colored candles can help you a lot. The color signifies the fire of sun, vitality, good fortune, ambition and courage. If you want to invite prosperity, success in every sphere and get rid of negative thoughts, orange candles can do wonders for you.</source>
        <translation>Si quieres ampliar tu círculo social o disfrutar de un rato estupendo con tus amigos, las velas de color naranja pueden ayudarte mucho. Este color simboliza el fuego del sol, la vitalidad, la buena fortuna, la ambición y el valor. Si quieres atraer la prosperidad y el éxito en todos los ámbitos y librarte de los pensamientos negativos, las velas de este color pueden obrar maravillas.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Confidence, Intelligence, Remove Mental Stress, Better Learning</source>
        <translation>Confianza, Inteligencia, Aliviar el estrés mental, Mejor aprendizaje</translation>
    </message>
    <message>
        <source>Yellow has a positive effect on intellect, imagination and communication skills. If you want to learn new things and excel in academics, yellow candle can do the magic for you. Yellow increases the power of concentration, memory and self-confidence. Yellow also stands for a cheerful personality, optimism, wisdom, tolerance and perseverance.</source>
        <translation>El amarillo tiene un efecto positivo sobre el intelecto, la imaginación y la capacidad de comunicación. Si quieres aprender cosas nuevas y destacar en los estudios, una vela amarilla puede hacer magia por ti. El amarillo aumenta la capacidad de concentración, la memoria y la confianza en uno mismo. También representa una personalidad alegre, el optimismo, la sabiduría, la tolerancia y la perseverancia.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Healing, Growth, Magic, Success</source>
        <translation>Sanación, Crecimiento, Magia, Éxito</translation>
    </message>
    <message>
        <source>This color stands as the symbol of Mother Nature and induces growth, abundance and fertility. Whenever you feel that these aspect of your life needs to be emphasized, use a green candle for positive outcome. This color is also good for monetary gain, prosperity, finding a new job, reaping a rich harvest and acquiring wealth.</source>
        <translation>Este color es el símbolo de la Madre Naturaleza y favorece el crecimiento, la abundancia y la fertilidad. Siempre que sientas que estos aspectos de tu vida necesitan un impulso, usa una vela verde para lograr un resultado positivo. Este color también es bueno para las ganancias económicas, la prosperidad, encontrar un nuevo trabajo, recoger una buena cosecha y adquirir riqueza.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Wisdom, Spiritual Enlightenment, Calming Effect, Good Luck</source>
        <translation>Sabiduría, Iluminación espiritual, Efecto calmante, Buena suerte</translation>
    </message>
    <message>
        <source>Blue is the color of tranquility and peace. If you want to sooth your frayed nerves to experience a calming effect, use blue candle. Being the color of sky and the ocean, Blue also emphasizes openness and depth. This color is said to exert healing power, protection, provides harmony and wisdom.</source>
        <translation>El azul es el color de la tranquilidad y la paz. Si quieres calmar los nervios alterados y sentir un efecto sosegador, usa una vela azul. Como color del cielo y del océano, el azul evoca también la apertura y la profundidad. Se dice que este color tiene poder sanador, protege y aporta armonía y sabiduría.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Psychic Powers, Opening of Inner Self, Influence</source>
        <translation>Poderes psíquicos, Apertura del yo interior, Influencia</translation>
    </message>
    <message>
        <source>Considered as the color of royalty, purple is attached to spiritual awakening, meditative power, intuitive knowledge and healing effect. Using purple candle can enhance your psychic ability and bring you close to the world of spirits. Purple is also thought to have protective properties. The color is useful to subdue ego and improve dignity.</source>
        <translation>Considerado el color de la realeza, el morado se asocia con el despertar espiritual, el poder meditativo, el conocimiento intuitivo y la sanación. Usar una vela morada puede potenciar tus capacidades psíquicas y acercarte al mundo de los espíritus. También se cree que el morado tiene propiedades protectoras. Este color ayuda a dominar el ego y a realzar la dignidad.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Harmony, Peace, Clarity</source>
        <translation>Armonía, Paz, Claridad</translation>
    </message>
    <message>
        <source>The harmonious mixture of all colors, white candles can be used for any purpose. The major attributes associated with white color are purity, clarity of thought and mind, piousness, spiritual knowledge and enlightenment. White is also significant for being the symbol of truth and peace. White can cleanse all kinds of impurities and negative effects leaving a feeling of contentment and well-being.</source>
        <translation>Como mezcla armoniosa de todos los colores, las velas blancas sirven para cualquier propósito. Los principales atributos del blanco son la pureza, la claridad de pensamiento y de mente, la devoción, el conocimiento espiritual y la iluminación. El blanco destaca también como símbolo de la verdad y de la paz. Puede limpiar toda clase de impurezas y de efectos negativos, y dejar una sensación de plenitud y bienestar.</translation>
    </message>
    <message>
        <source>Dark Pink</source>
        <translation>Rosa oscuro</translation>
    </message>
    <message>
        <source>Light Pink</source>
        <translation>Rosa claro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Remove Negativity, Unity, Defense</source>
        <translation>Alejar lo negativo, Unidad, Defensa</translation>
    </message>
    <message>
        <source>This color is grossly misunderstood as the color of evil. But in reality, black color candle has the power to dissolve negative effects and heal several illnesses. This color can be used for protection or casting magic spell or banishing. Burning this candle is said to increase meditating power. This can give good results when used at the finishing point of some strained relationship or affair to overcome mental barriers.</source>
        <translation>A menudo se confunde este color con el color del mal. Pero, en realidad, la vela negra tiene el poder de disolver los efectos negativos y de sanar diversas dolencias. Puede usarse para la protección, para lanzar hechizos o para desterrar. Se dice que encender esta vela aumenta el poder de meditación. Puede dar buenos resultados al poner fin a una relación tensa o a una aventura, para superar las barreras mentales.</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <source>The Supreme Power, Happiness, Accomplishments</source>
        <translation>El Poder Supremo, Felicidad, Logros</translation>
    </message>
    <message>
        <source>If you want to invite affluence, good fortune and material wealth, golden candles are suitable for you. Use this candle to emerge victorious in professional as well as personal life. Golden candles are also effective to enhance communication skills, reenergize your spirit and success. Gold is also associated with protection, cheerful mood and self assurance.</source>
        <translation>Si quieres atraer la abundancia, la buena fortuna y la riqueza material, las velas doradas son las adecuadas. Úsalas para triunfar tanto en la vida profesional como en la personal. Las velas doradas también son eficaces para mejorar la capacidad de comunicación, revitalizar tu espíritu y favorecer el éxito. El dorado se asocia además con la protección, el buen humor y la seguridad en uno mismo.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Support, Kindness, Friendships</source>
        <translation>Apoyo, Bondad, Amistades</translation>
    </message>
    <message>
        <source>Brown colored candles are used to emphasize the earth element that bestows material gains, success in profession, wealth and prosperity in one&apos;s life. Brown is also attached to mental stability, great patience, firm determination, practical knowledge and tenacity. This color can be beneficial to increase concentration in studies, enhance learning power and telepathy.</source>
        <translation>Las velas de color marrón se usan para potenciar el elemento tierra, que otorga ganancias materiales, éxito profesional, riqueza y prosperidad en la vida. El marrón se asocia también con la estabilidad mental, una gran paciencia, la firmeza de propósito, el conocimiento práctico y la tenacidad. Este color puede ayudar a concentrarse en los estudios y a mejorar la capacidad de aprendizaje y la telepatía.</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plateado</translation>
    </message>
    <message>
        <source>Intuition, Telepathy, Imagination</source>
        <translation>Intuición, Telepatía, Imaginación</translation>
    </message>
    <message>
        <source>This color is primarily associated with female deities and feminine energy. Therefore, silver colored candles are suitable for rituals that emphasizes on feminine power. This color can work wonders to ward off evil influence, improve meditation and increase stability of mind. Silver color is also thought to enhance psychic abilities.</source>
        <translation>Este color se asocia sobre todo con las deidades femeninas y la energía femenina. Por eso, las velas plateadas son adecuadas para los rituales que ponen el acento en el poder femenino. Este color puede obrar maravillas para alejar las malas influencias, mejorar la meditación y dar estabilidad a la mente. También se cree que el plateado potencia las capacidades psíquicas.</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Relaxation, Inner Strengths, Self Abilities</source>
        <translation>Relajación, Fuerza interior, Capacidades propias</translation>
    </message>
    <message>
        <source>This color symbolizes compassion and selflessness. You can use this candle to evoke a sense of unconditional love and affection that a mother bestows on her kids. Burning this candle can inspire your mind and help you to get close to higher spiritual realization.  This soothing color can have a very calming effect on your heart and soul.</source>
        <translation>Este color simboliza la compasión y el altruismo. Puedes usar esta vela para despertar el amor incondicional y el cariño que una madre da a sus hijos. Encender esta vela puede inspirar tu mente y ayudarte a alcanzar una realización espiritual más elevada.  Este color tan relajante puede calmar profundamente tu corazón y tu alma.</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Pasión</translation>
    </message>
    <message>
        <source>Lust</source>
        <translation>Deseo</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Poder</translation>
    </message>
    <message>
        <source>Immediate Action</source>
        <translation>Acción inmediata</translation>
    </message>
    <message>
        <source>Promotion of Career</source>
        <translation>Ascenso profesional</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Negocios</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Justicia</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confianza</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Inteligencia</translation>
    </message>
    <message>
        <source>Remove Mental Stress</source>
        <translation>Aliviar el estrés mental</translation>
    </message>
    <message>
        <source>Better Learning</source>
        <translation>Mejor aprendizaje</translation>
    </message>
    <message>
        <source>Healing</source>
        <translation>Sanación</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Crecimiento</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabiduría</translation>
    </message>
    <message>
        <source>Spiritual Enlightenment</source>
        <translation>Iluminación espiritual</translation>
    </message>
    <message>
        <source>Calming Effect</source>
        <translation>Efecto calmante</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Buena suerte</translation>
    </message>
    <message>
        <source>Psychic Powers</source>
        <translation>Poderes psíquicos</translation>
    </message>
    <message>
        <source>Opening of Inner Self</source>
        <translation>Apertura del yo interior</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influencia</translation>
    </message>
    <message>
        <source>Harmony</source>
        <translation>Armonía</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Paz</translation>
    </message>
    <message>
        <source>Clarity</source>
        <translation>Claridad</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amor</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Calidez</translation>
    </message>
    <message>
        <source>Caring</source>
        <translation>Ternura</translation>
    </message>
    <message>
        <source>Remove Negativity</source>
        <translation>Alejar lo negativo</translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Defensa</translation>
    </message>
    <message>
        <source>The Supreme Power</source>
        <translation>El Poder Supremo</translation>
    </message>
    <message>
        <source>Happiness</source>
        <translation>Felicidad</translation>
    </message>
    <message>
        <source>Accomplishments</source>
        <translation>Logros</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Apoyo</translation>
    </message>
    <message>
        <source>Kindness</source>
        <translation>Bondad</translation>
    </message>
    <message>
        <source>Friendships</source>
        <translation>Amistades</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Intuición</translation>
    </message>
    <message>
        <source>Telepathy</source>
        <translation>Telepatía</translation>
    </message>
    <message>
        <source>Imagination</source>
        <translation>Imaginación</translation>
    </message>
    <message>
        <source>Relaxation</source>
        <translation>Relajación</translation>
    </message>
    <message>
        <source>Inner Strengths</source>
        <translation>Fuerza interior</translation>
    </message>
    <message>
        <source>Self Abilities</source>
        <translation>Capacidades propias</translation>
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
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Choose Candle By Purpose</source>
        <translation>Elegir vela por propósito</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Propósito</translation>
    </message>
    <message>
        <source>Choose Candle By Color</source>
        <translation>Elegir vela por color</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Choose By Planet</source>
        <translation>Elegir por planeta</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Choose By Element</source>
        <translation>Elegir por elemento</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Choose By Direction</source>
        <translation>Elegir por dirección</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Choose By Day</source>
        <translation>Elegir por día</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
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
Obra de consulta sobre la magia de la luna y de las velas: Magia lunar, el Calendario lunar y Magia con velas.
Sin opciones, abre su ventana.
  --background  se inicia sin ventana, solo con la bandeja y los recordatorios (así lo
                inicia la sesión cuando se elige &quot;Iniciar con mi sesión&quot;)
Consulta lunara(1).
</translation>
    </message>
    <message>
        <source>lunara: unknown option &apos;%1&apos;
Try &apos;lunara --help&apos; for more information.
</source>
        <translation>lunara: opción desconocida &apos;%1&apos;
Prueba &apos;lunara --help&apos; para más información.
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
        <translation>Uso: lunara now [OPCIÓN...]              la Luna ahora (también: lunara today)
     lunara events [OPCIÓN...]           los eventos del almanaque entre dos fechas
Responde por la salida estándar, sin entorno gráfico. Consulta lunara(1).

Para todos los comandos (si no, ubicación, hemisferio y planetas de Lunara):
  --place CIUDAD        ciudad de la tabla de zonas horarias: Lisbon, &quot;New York&quot;, Europe/Lisbon
  --lat DEG --lon DEG   coordenadas, norte y este positivos: 38.72 -9.13, 38°43&apos;N 9°08&apos;W
  --zone ZONA           zona horaria de fechas y horas (la de la ciudad con --place; si no,
                        la del sistema)
  --hemisphere northern|southern    --planets classic|modern
now, today:
  --format text|json|waybar
  --at YYYY-MM-DDTHH:MM[+HH:MM]      otro instante en lugar de ahora
  --watch               una línea nueva cada vez que cambia lo mostrado
events:
  --from YYYY-MM-DD --to YYYY-MM-DD  de 1901 a 2050, ambas incluidas (si no, 30 días desde hoy)
  --kinds TIPO,...      quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,
                        risings (por defecto quarters,ingresses; risings hasta 10 años)
  --format text|ics|json|csv
  --output ARCHIVO      escribe ARCHIVO completo en su lugar; si existe, solo con --force
Estado de salida: 0 hecho, 1 no hecho (el archivo existe, fallo al escribir), 2 comando erróneo.
</translation>
    </message>
    <message>
        <source>the clock says %1, outside the years %2 to %3</source>
        <translation>el reloj marca %1, fuera de los años %2 a %3</translation>
    </message>
    <message>
        <source>%1 exists; add --force to replace it</source>
        <translation>%1 ya existe; añade --force para reemplazarlo</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a date and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the start and end of an event</comment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a date; write it as YYYY-MM-DD, as 2027-01-01</source>
        <translation>%1 %2 no es una fecha; usa la forma YYYY-MM-DD, por ejemplo 2027-01-01</translation>
    </message>
    <message>
        <source>%1 %2 is outside the years %3 to %4</source>
        <translation>%1 %2 está fuera de los años %3 a %4</translation>
    </message>
    <message>
        <source>--at %1 is not a date and time; write it as 2026-12-24T02:28, or with its offset, as 2026-12-24T02:28+01:00</source>
        <translation>--at %1 no es una fecha con hora; usa la forma 2026-12-24T02:28 o, con su desfase horario, 2026-12-24T02:28+01:00</translation>
    </message>
    <message>
        <source>--at %1 is outside the years %2 to %3</source>
        <translation>--at %1 está fuera de los años %2 a %3</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are now, today and events</source>
        <translation>comando desconocido %1; los comandos son now, today y events</translation>
    </message>
    <message>
        <source>unknown option %1 for %2; see &apos;lunara %2 --help&apos;</source>
        <translation>opción desconocida %1 para %2; consulta &apos;lunara %2 --help&apos;</translation>
    </message>
    <message>
        <source>%1 needs a value; see &apos;lunara %2 --help&apos;</source>
        <translation>%1 necesita un valor; consulta &apos;lunara %2 --help&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>unknown format %1 for %2; the formats are %3</source>
        <translation>formato desconocido %1 para %2; los formatos son %3</translation>
    </message>
    <message>
        <source>unknown time zone %1; give a zone of the time-zone database, as Europe/Lisbon</source>
        <translation>zona horaria desconocida %1; indica una zona de la base de datos de zonas horarias, como Europe/Lisbon</translation>
    </message>
    <message>
        <source>%1 needs %2 too, as --lat 38.72 --lon -9.13</source>
        <translation>%1 necesita también %2, como en --lat 38.72 --lon -9.13</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>indica --place o bien --lat y --lon, no ambos</translation>
    </message>
    <message>
        <source>--place needs a city&apos;s name, as --place Lisbon</source>
        <translation>--place necesita el nombre de una ciudad, como en --place Lisbon</translation>
    </message>
    <message>
        <source>--hemisphere takes northern or southern, not %1</source>
        <translation>--hemisphere admite northern o southern, no %1</translation>
    </message>
    <message>
        <source>--planets takes classic or modern, not %1</source>
        <translation>--planets admite classic o modern, no %1</translation>
    </message>
    <message>
        <source>today is outside the years %1 to %2: give --from and --to</source>
        <translation>hoy está fuera de los años %1 a %2: indica --from y --to</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 es posterior a --to %2</translation>
    </message>
    <message>
        <source>unknown kind %1 in --kinds; the kinds are %2</source>
        <translation>tipo desconocido %1 en --kinds; los tipos son %2</translation>
    </message>
    <message>
        <source>risings are given for at most %1 years at a time; --from %2 --to %3 is longer</source>
        <translation>las salidas y puestas (risings) se dan para %1 años como máximo a la vez; --from %2 --to %3 es más largo</translation>
    </message>
    <message>
        <source>--output needs a file&apos;s name, as --output moon.ics</source>
        <translation>--output necesita un nombre de archivo, como en --output moon.ics</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Ahora: %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Siguiente: %1</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>the date, the time and the place</comment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3 days old</source>
        <translation>%1, Luna iluminada al %2 %, edad: %3 días</translation>
    </message>
    <message>
        <source>Moon in %1 until %2, then in %3</source>
        <translation>Luna en %1 hasta el %2, después en %3</translation>
    </message>
    <message>
        <source>Moon in %1</source>
        <translation>Luna en %1</translation>
    </message>
    <message>
        <source>Next quarter: %1, %2</source>
        <translation>Próxima fase principal: %1, %2</translation>
    </message>
    <message>
        <source>%1; hour of %2</source>
        <translation>%1; hora planetaria: %2</translation>
    </message>
    <message>
        <source>no city of the time-zone table is called &apos;%1&apos;; give one (as --place Lisbon) or --lat and --lon</source>
        <translation>ninguna ciudad de la tabla de zonas horarias se llama &apos;%1&apos;; indica una (como --place Lisbon) o --lat y --lon</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2 cities (%3); give more of the name</source>
        <translation>&apos;%1&apos; corresponde a %2 ciudades (%3); escribe más del nombre</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
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
        <translation>anular</translation>
    </message>
    <message>
        <source>hybrid</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>híbrido</translation>
    </message>
    <message>
        <source>partial</source>
        <comment>a solar eclipse as seen from the place</comment>
        <translation>parcial</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: not seen from %4</source>
        <translation>%1 a las %2, magnitud %3: no visible desde %4</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4, %5 there, magnitude %6</source>
        <translation>%1 a las %2, magnitud %3: visible desde %4 como eclipse %5, magnitud %6</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4</source>
        <translation>%1 a las %2, magnitud %3: visible desde %4</translation>
    </message>
    <message>
        <source>%1 turns retrograde</source>
        <translation>%1 pasa a retrógrado</translation>
    </message>
    <message>
        <source>%1 turns direct</source>
        <translation>%1 pasa a directo</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2 at %3</source>
        <translation>%1 pasa a retrógrado en %2 a las %3</translation>
    </message>
    <message>
        <source>%1 turns direct in %2 at %3</source>
        <translation>%1 pasa a directo en %2 a las %3</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>New moon in %1</source>
        <translation>Luna nueva en %1</translation>
    </message>
    <message>
        <source>First quarter moon in %1</source>
        <translation>Cuarto creciente en %1</translation>
    </message>
    <message>
        <source>Full moon in %1</source>
        <translation>Luna llena en %1</translation>
    </message>
    <message>
        <source>Last quarter moon in %1</source>
        <translation>Cuarto menguante en %1</translation>
    </message>
    <message>
        <source>Moon enters %1</source>
        <translation>La Luna entra en %1</translation>
    </message>
    <message>
        <source>Moon void of course</source>
        <translation>Luna vacía de curso</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del sol</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la luna</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del sol</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la luna</translation>
    </message>
    <message>
        <source>%1 retrograde</source>
        <translation>%1 retrógrado</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a day and a time</comment>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a short day and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>seen from %1</source>
        <translation>visible desde %1</translation>
    </message>
    <message>
        <source>not seen from %1</source>
        <translation>no visible desde %1</translation>
    </message>
    <message>
        <source>%1 %2, the sun %3° up</source>
        <translation>%1 el %2, con el Sol a %3° de altura</translation>
    </message>
    <message>
        <source>%1 %2, the sun below the horizon</source>
        <translation>%1 el %2, con el Sol bajo el horizonte</translation>
    </message>
    <message>
        <source>%1 %2, the moon %3° up</source>
        <translation>%1 el %2, con la Luna a %3° de altura</translation>
    </message>
    <message>
        <source>%1 %2, the moon below the horizon</source>
        <translation>%1 el %2, con la Luna bajo el horizonte</translation>
    </message>
    <message>
        <source>%1 (its point: %2, the sun at 15° %3)</source>
        <translation>%1 (punto astronómico: %2, con el Sol a 15° de %3)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>an event and its time</comment>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>%1 from %2 in %3 until %4 in %5</source>
        <translation>%1 desde las %2 en %3 hasta el %4 en %5</translation>
    </message>
    <message>
        <source>%1 at %2, in %3</source>
        <translation>%1 a las %2, en %3</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second full moon, at %2</source>
        <translation>%1: la segunda luna llena del mes, a las %2</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second new moon, at %2</source>
        <translation>%1: la segunda luna nueva del mes, a las %2</translation>
    </message>
    <message>
        <source>%1 at %2, %3 away</source>
        <translation>%1 a las %2, a %3 de distancia</translation>
    </message>
    <message>
        <source>Mercury is retrograde</source>
        <translation>Mercurio está retrógrado</translation>
    </message>
    <message>
        <source>The sun at 15° %1 at %2: astronomical %3</source>
        <translation>El Sol a 15° de %1 a las %2: %3 astronómico</translation>
    </message>
    <message>
        <source>Astronomical %1</source>
        <translation>%1 astronómico</translation>
    </message>
    <message>
        <source>%1, seen from %2</source>
        <translation>%1, visible desde %2</translation>
    </message>
    <message>
        <source>%1, not seen from %2</source>
        <translation>%1, no visible desde %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita nuestra web</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
</context>
<context>
    <name>MonthPrint</name>
    <message>
        <source>New moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Crec.</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Llena</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Meng.</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <comment>a day and time, then what happens</comment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the start and end of a void of course</comment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Quarters</source>
        <translation>Fases lunares</translation>
    </message>
    <message>
        <source>The moon enters</source>
        <translation>La Luna entra en</translation>
    </message>
    <message>
        <source>Void of course (modern planets)</source>
        <translation>Vacía de curso (hasta Plutón)</translation>
    </message>
    <message>
        <source>Void of course (classic planets)</source>
        <translation>Vacía de curso (hasta Saturno)</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar for %1; times in %2</source>
        <translation>Calendario lunar de Lunara para %1; horario de %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a quarter&apos;s short name and its time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The year</source>
        <translation>El año</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar, %1</source>
        <translation>Calendario lunar de Lunara, %1</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Luna gibosa creciente</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Luna gibosa menguante</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Dark Moon</source>
        <translation>Luna oscura</translation>
    </message>
    <message>
        <source>Waxing Moon</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>The dark moon is a good time for giving up bad habits and overcoming anger.</source>
        <translation>La luna oscura es un buen momento para abandonar los malos hábitos y superar la ira.</translation>
    </message>
    <message>
        <source>The new moon is a good time for new ventures, initiating new projects, love and health.</source>
        <translation>La luna nueva es un buen momento para nuevas empresas, para iniciar proyectos y para el amor y la salud.</translation>
    </message>
    <message>
        <source>The waxing moon is a good time for developing work like power, success, health and partnerships.</source>
        <translation>La luna creciente es un buen momento para hacer crecer el poder, el éxito, la salud y las relaciones.</translation>
    </message>
    <message>
        <source>The full moon is a good time for predictions and trying out Magick. Good for healing projects too. </source>
        <translation>La luna llena es un buen momento para las predicciones y para poner en práctica la magia. También es buena para los proyectos de sanación. </translation>
    </message>
    <message>
        <source>The waning moon is a good time for removing negativity from oneself.</source>
        <translation>La luna menguante es un buen momento para librarse de lo negativo.</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience</source>
        <translation>Es un buen momento para empezar cosas nuevas. Favorece los hechizos de fuerza, determinación y nuevos comienzos. Tus instintos serán fuertes. Procura no cometer errores y ten paciencia</translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you.</source>
        <translation>Aumenta los poderes psíquicos. Favorece los hechizos de desarrollo psíquico y de autoridad. Puede que tus emociones estén a flor de piel, pero no dejes que las negativas te dominen.</translation>
    </message>
    <message>
        <source>Moon In Aries</source>
        <translation>Luna en Aries</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Pasión</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. </source>
        <translation>Es un buen momento para empezar cosas nuevas. Favorece los hechizos de fuerza, determinación y nuevos comienzos. Tus instintos serán fuertes. Procura no cometer errores y ten paciencia. </translation>
    </message>
    <message>
        <source>Moon In Taurus</source>
        <translation>Luna en Tauro</translation>
    </message>
    <message>
        <source>Physical </source>
        <translation>Lo físico </translation>
    </message>
    <message>
        <source>This is a good time for conjuring on personal matters. Good for spells which involve romance, property and finance. Try not to be stubborn. You are very conventional and not willing to change.</source>
        <translation>Es un buen momento para conjuros sobre asuntos personales. Favorece los hechizos de amor, propiedades y finanzas. Evita la terquedad. Eres muy convencional y te cuesta cambiar.</translation>
    </message>
    <message>
        <source>Moon In Gemini</source>
        <translation>Luna en Géminis</translation>
    </message>
    <message>
        <source>Inquisitiveness </source>
        <translation>Curiosidad </translation>
    </message>
    <message>
        <source>You are influenced by outside changes. Good for spells which involve journey, negotiations and public involvement. You think of doing ten different things at the same time. Be more emotional than analytical.</source>
        <translation>Te influyen los cambios del exterior. Favorece los hechizos de viajes, negociaciones y vida pública. Piensas en hacer diez cosas distintas a la vez. Deja que mande más la emoción que el análisis.</translation>
    </message>
    <message>
        <source>Moon In Cancer</source>
        <translation>Luna en Cáncer</translation>
    </message>
    <message>
        <source>Caring </source>
        <translation>Ternura </translation>
    </message>
    <message>
        <source>Family and home is your priority. Good for spells which involve family and friends. You are good at Magick without trying to hard. Try not to be overly emotional. Try to relax.</source>
        <translation>La familia y el hogar son tu prioridad. Favorece los hechizos para la familia y los amigos. La magia se te da bien sin esforzarte demasiado. Intenta no dejarte llevar por las emociones. Procura relajarte.</translation>
    </message>
    <message>
        <source>Moon In Leo</source>
        <translation>Luna en Leo</translation>
    </message>
    <message>
        <source>Resolute</source>
        <translation>Firmeza</translation>
    </message>
    <message>
        <source>Pleasure and hobbies take the forefront. Good for spells which involve children, power, love. Be sure to follow the right directions. You have the right frame of mind. Be sure to put it to good use.</source>
        <translation>El placer y las aficiones pasan a primer plano. Favorece los hechizos para los niños, el poder y el amor. Asegúrate de seguir bien las indicaciones. Tienes la disposición adecuada: procura aprovecharla bien.</translation>
    </message>
    <message>
        <source>Moon In Virgo</source>
        <translation>Luna en Virgo</translation>
    </message>
    <message>
        <source>Serious</source>
        <translation>Seriedad</translation>
    </message>
    <message>
        <source>Minute details are taken care of. Good for spells which involve illnesses, confidence and career. Do not be nervous and insecure. There doesn&apos;t always have to be a second plan ready in case the first one fails. Believe in yourself.</source>
        <translation>Es momento de cuidar los pequeños detalles. Favorece los hechizos para las enfermedades, la confianza y la carrera. No te dejes llevar por los nervios ni por la inseguridad. No siempre hace falta un segundo plan por si falla el primero. Cree en ti.</translation>
    </message>
    <message>
        <source>Moon In Libra</source>
        <translation>Luna en Libra</translation>
    </message>
    <message>
        <source>Helpful </source>
        <translation>Amabilidad </translation>
    </message>
    <message>
        <source>This is the right time for alliances and partnerships. Good for spells which involve creativity, legal matters and business deals. You are good at what you do.</source>
        <translation>Es el momento adecuado para alianzas y asociaciones. Favorece los hechizos de creatividad, asuntos legales y negocios. Lo que haces, lo haces bien.</translation>
    </message>
    <message>
        <source>Moon In Scorpio</source>
        <translation>Luna en Escorpio</translation>
    </message>
    <message>
        <source>Idealistic </source>
        <translation>Idealismo </translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you. </source>
        <translation>Aumenta los poderes psíquicos. Favorece los hechizos de desarrollo psíquico y de autoridad. Puede que tus emociones estén a flor de piel, pero no dejes que las negativas te dominen. </translation>
    </message>
    <message>
        <source>Moon In Sagittarius</source>
        <translation>Luna en Sagitario</translation>
    </message>
    <message>
        <source>Posetive</source>
        <translation>Positividad</translation>
    </message>
    <message>
        <source>Time to dream and move on. Good for spells which involve education and sports. You think with a positive mind. Just don&apos;t be hasty and forget the minute details.</source>
        <translation>Es hora de soñar y de seguir adelante. Favorece los hechizos para la educación y el deporte. Piensas con una mentalidad positiva. Solo evita las prisas y no olvides los pequeños detalles.</translation>
    </message>
    <message>
        <source>Moon In Capricorn</source>
        <translation>Luna en Capricornio</translation>
    </message>
    <message>
        <source>Motivated</source>
        <translation>Motivación</translation>
    </message>
    <message>
        <source>This is the right time to increase business sense and responsibility. Good for spells which involve power, work and dreams. Think calmly but don&apos;t do not become too logical.</source>
        <translation>Es el momento adecuado para desarrollar el sentido de los negocios y la responsabilidad. Favorece los hechizos de poder, trabajo y sueños. Piensa con calma, pero sin caer en un exceso de lógica.</translation>
    </message>
    <message>
        <source>Moon In Aquarius</source>
        <translation>Luna en Acuario</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Sociabilidad</translation>
    </message>
    <message>
        <source>Time to socialize and make merry. Good for spells which involve friends, analysis and personal development. You are a born natural. Try not to be too stubborn.</source>
        <translation>Es hora de socializar y divertirse. Favorece los hechizos para los amigos, el análisis y el desarrollo personal. Tienes un talento innato. Intenta que la terquedad no te domine.</translation>
    </message>
    <message>
        <source>Moon In Pisces</source>
        <translation>Luna en Piscis</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Optimismo</translation>
    </message>
    <message>
        <source>A lot of inner development will occur with new understanding and experience. Good for spells which involve psychic capabilities and intuition. Improve your self-confidence. Do not try to do bad Magick.</source>
        <translation>Habrá un gran desarrollo interior, con nuevas formas de comprender y nuevas experiencias. Favorece los hechizos de capacidades psíquicas e intuición. Refuerza la confianza en ti. No intentes hacer magia dañina.</translation>
    </message>
    <message>
        <source>Magick related to the Fire element should be performed when the Moon is in any of the Fire Signs. This can include Magick related to strength, determination, new beginnings, children, power, love, education and sports.</source>
        <translation>La magia relacionada con el elemento Fuego debe hacerse cuando la Luna esté en cualquiera de los signos de Fuego. Puede incluir magia relacionada con la fuerza, la determinación, los nuevos comienzos, los niños, el poder, el amor, la educación y el deporte.</translation>
    </message>
    <message>
        <source>Magick related to the Earth element should be performed when the Moon is in any of the Earth Signs. This can include Magick related to illnesses, confidence, career, education, sports, romance, property and finance. </source>
        <translation>La magia relacionada con el elemento Tierra debe hacerse cuando la Luna esté en cualquiera de los signos de Tierra. Puede incluir magia relacionada con las enfermedades, la confianza, la carrera profesional, la educación, el deporte, el amor, las propiedades y las finanzas. </translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development.</source>
        <translation>La magia relacionada con el elemento Aire debe hacerse cuando la Luna esté en cualquiera de los signos de Aire. Puede incluir magia relacionada con los viajes, las negociaciones, la vida pública, la creatividad, los asuntos legales, los negocios, los amigos, el análisis y el desarrollo personal.</translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development</source>
        <translation>La magia relacionada con el elemento Aire debe hacerse cuando la Luna esté en cualquiera de los signos de Aire. Puede incluir magia relacionada con los viajes, las negociaciones, la vida pública, la creatividad, los asuntos legales, los negocios, los amigos, el análisis y el desarrollo personal</translation>
    </message>
    <message>
        <source>Magick related to the Water element should be performed when the Moon is in any of the Water Signs. This can include Magick related to family, friends, psychic development, authority, psychic capabilities and intuition.</source>
        <translation>La magia relacionada con el elemento Agua debe hacerse cuando la Luna esté en cualquiera de los signos de Agua. Puede incluir magia relacionada con la familia, los amigos, el desarrollo psíquico, la autoridad, las capacidades psíquicas y la intuición.</translation>
    </message>
</context>
<context>
    <name>Offers</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>El foro de debate místico más popular de internet. El mejor recurso para todo lo místico. Visita %1 ahora</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en internet y gana dinero en línea. Consigue este programa con la marca de tu web. Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Tu marca en este programa.  Más fidelidad y tráfico para tu sitio. Pon aquí su nombre &amp;&amp;  enlace. Detalles en &quot;Ayuda&quot;.    Haz clic aquí para saber más sobre la marca compartida.</translation>
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
        <translation>Escribe una latitud.</translation>
    </message>
    <message>
        <source>Type a longitude.</source>
        <translation>Escribe una longitud.</translation>
    </message>
    <message>
        <source>Type a latitude like 52.52 or 52°31′N.</source>
        <translation>Escribe una latitud como 52.52 o 52°31′N.</translation>
    </message>
    <message>
        <source>Type a longitude like 13.41 or 13°24′E.</source>
        <translation>Escribe una longitud como 13.41 o 13°24′E.</translation>
    </message>
    <message>
        <source>Use N or S after a latitude.</source>
        <translation>Usa N o S después de una latitud.</translation>
    </message>
    <message>
        <source>Use E or W after a longitude.</source>
        <translation>Usa E u O después de una longitud.</translation>
    </message>
    <message>
        <source>Give either a sign or a letter, not both.</source>
        <translation>Usa un signo (+ o −) o una letra, no ambos.</translation>
    </message>
    <message>
        <source>A latitude lies between 90° S and 90° N.</source>
        <translation>La latitud va de 90° S a 90° N.</translation>
    </message>
    <message>
        <source>A longitude lies between 180° W and 180° E.</source>
        <translation>La longitud va de 180° O a 180° E.</translation>
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
        <translation>El día del Sol</translation>
    </message>
    <message>
        <source>The day of the Moon</source>
        <translation>El día de la Luna</translation>
    </message>
    <message>
        <source>The day of Mars</source>
        <translation>El día de Marte</translation>
    </message>
    <message>
        <source>The day of Mercury</source>
        <translation>El día de Mercurio</translation>
    </message>
    <message>
        <source>The day of Jupiter</source>
        <translation>El día de Júpiter</translation>
    </message>
    <message>
        <source>The day of Venus</source>
        <translation>El día de Venus</translation>
    </message>
    <message>
        <source>The day of Saturn</source>
        <translation>El día de Saturno</translation>
    </message>
    <message>
        <source>%1: sunrise %2, sunset %3, next sunrise %4</source>
        <translation>%1: salida del sol %2, puesta %3, siguiente salida %4</translation>
    </message>
    <message>
        <source>%1: the sun sets at %2 and does not rise again this day.</source>
        <translation>%1: el Sol se pone a las %2 y no vuelve a salir este día.</translation>
    </message>
    <message>
        <source>%1: the sun does not set.</source>
        <translation>%1: el Sol no se pone.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise.</source>
        <translation>%1: el Sol no sale.</translation>
    </message>
    <message>
        <source>%1: the sun does not set within a day after it rises at %2.</source>
        <translation>%1: el Sol sale a las %2 y no se pone en las 24 horas siguientes.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise again within a day after it sets at %2.</source>
        <translation>%1: el Sol se pone a las %2 y no vuelve a salir en las 24 horas siguientes.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun sets at %1 and does not rise again this day, so there is no daylight and night to divide.</source>
        <translation>No hay horas planetarias este día: el Sol se pone a las %1 y no vuelve a salir este día, así que no hay horas de luz y de noche que dividir.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set, so there is no daylight and night to divide.</source>
        <translation>No hay horas planetarias este día: el Sol no se pone, así que no hay horas de luz y de noche que dividir.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise, so there is no daylight and night to divide.</source>
        <translation>No hay horas planetarias este día: el Sol no sale, así que no hay horas de luz y de noche que dividir.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set within a day after it rises at %1, so there is no daylight and night to divide.</source>
        <translation>No hay horas planetarias este día: el Sol sale a las %1 y no se pone en las 24 horas siguientes, así que no hay horas de luz y de noche que dividir.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise again within a day after it sets at %1, so there is no daylight and night to divide.</source>
        <translation>No hay horas planetarias este día: el Sol se pone a las %1 y no vuelve a salir en las 24 horas siguientes, así que no hay horas de luz y de noche que dividir.</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
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
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
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
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutón</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>New moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>First and last quarters</source>
        <translation>Cuartos creciente y menguante</translation>
    </message>
    <message>
        <source>The moon entering a sign</source>
        <translation>La entrada de la Luna en un signo</translation>
    </message>
    <message>
        <source>The void-of-course moon starting</source>
        <translation>El inicio de la Luna vacía de curso</translation>
    </message>
    <message>
        <source>Sabbats</source>
        <translation>Sabbats</translation>
    </message>
    <message>
        <source>Eclipses seen from here</source>
        <translation>Eclipses visibles desde aquí</translation>
    </message>
    <message>
        <source>A planet turning retrograde or direct</source>
        <translation>Un planeta que pasa a retrógrado o a directo</translation>
    </message>
    <message>
        <source>A planetary hour starting</source>
        <translation>El inicio de una hora planetaria</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>En el momento</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 minutos antes</translation>
    </message>
    <message>
        <source>In 15 minutes</source>
        <translation>Dentro de 15 minutos</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 hora antes</translation>
    </message>
    <message>
        <source>In 1 hour</source>
        <translation>Dentro de 1 hora</translation>
    </message>
    <message>
        <source>3 hours before</source>
        <translation>3 horas antes</translation>
    </message>
    <message>
        <source>In 3 hours</source>
        <translation>Dentro de 3 horas</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 día antes</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 días antes</translation>
    </message>
    <message>
        <source>In 3 days</source>
        <translation>Dentro de 3 días</translation>
    </message>
    <message>
        <source>The hour of %1 begins</source>
        <translation>Comienza la hora planetaria: %1</translation>
    </message>
    <message>
        <source>The moon is void of course</source>
        <translation>La Luna está vacía de curso</translation>
    </message>
    <message>
        <source>%1 turns direct in %2</source>
        <translation>%1 pasa a directo en %2</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2</source>
        <translation>%1 pasa a retrógrado en %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>the calendar file could not be made</source>
        <translation>no se pudo crear el archivo de calendario</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>no se pudo crear el PDF</translation>
    </message>
    <message>
        <source>the autostart entry could not be made</source>
        <translation>no se pudo crear la entrada de inicio automático</translation>
    </message>
    <message>
        <source>The calendar file could not be saved as %1: %2. Nothing was written.</source>
        <translation>No se pudo guardar el archivo de calendario como %1: %2. No se escribió nada.</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: %2. Nothing was written.</source>
        <translation>No se pudo guardar el PDF como %1: %2. No se escribió nada.</translation>
    </message>
    <message>
        <source>The autostart entry could not be saved as %1: %2. Nothing was written.</source>
        <translation>No se pudo guardar la entrada de inicio automático como %1: %2. No se escribió nada.</translation>
    </message>
    <message>
        <source>the list of events could not be made</source>
        <translation>no se pudo crear la lista de eventos</translation>
    </message>
    <message>
        <source>The list of events could not be saved as %1: %2. Nothing was written.</source>
        <translation>No se pudo guardar la lista de eventos como %1: %2. No se escribió nada.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
</context>
<context>
    <name>SkyWords</name>
    <message>
        <source>%1 %2</source>
        <comment>a weekday and a time</comment>
        <translation>el %1 a las %2</translation>
    </message>
    <message>
        <source>Void of course from %1 until the moon enters %2 at %3</source>
        <translation>Luna vacía de curso desde %1 hasta %3, cuando entra en %2</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización disponible para este programa<byte value="xd"/>¿Quieres buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>lunara::MoonMonthModel</name>
    <message>
        <source>%1, new moon at %2</source>
        <translation>%1, luna nueva a las %2</translation>
    </message>
    <message>
        <source>%1, first quarter at %2</source>
        <translation>%1, cuarto creciente a las %2</translation>
    </message>
    <message>
        <source>%1, full moon at %2</source>
        <translation>%1, luna llena a las %2</translation>
    </message>
    <message>
        <source>%1, last quarter at %2</source>
        <translation>%1, cuarto menguante a las %2</translation>
    </message>
    <message>
        <source>%1: no such day here, the clocks skipped it</source>
        <translation>%1: este día no existe aquí, los relojes se lo saltaron</translation>
    </message>
    <message>
        <source>%1, %2 % lit, moon in %3</source>
        <translation>%1, Luna iluminada al %2 %, en %3</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a day&apos;s words and one of its events</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>today, chosen</source>
        <translation>hoy, seleccionado</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>seleccionado</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation>Semana del %1</translation>
    </message>
</context>
<context>
    <name>lunara::Notifier</name>
    <message>
        <source>Show in calendar</source>
        <translation>Mostrar en el calendario</translation>
    </message>
</context>
<context>
    <name>lunara::Reminders</name>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>Late reminder</source>
        <translation>Recordatorio con retraso</translation>
    </message>
    <message>
        <source>%1: %2 at %3 (%4)</source>
        <translation>%1: %2 a las %3 (%4)</translation>
    </message>
    <message>
        <source>Today, all day (%1)</source>
        <translation>Hoy, todo el día (%1)</translation>
    </message>
    <message>
        <source>%1: %2, all day (%3)</source>
        <translation>%1: %2, todo el día (%3)</translation>
    </message>
    <message>
        <source>%1 in %2, void of course until %3</source>
        <translation>%1 en %2, Luna vacía de curso hasta las %3</translation>
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
        <translation>%1 ya existe.
¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>%1: its lock %2 is held and cannot be cleared</source>
        <translation>%1: su archivo de bloqueo %2 está ocupado y no se puede liberar</translation>
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
        <translation>La magia es un camino muy practicado en el mundo de la adivinación. Lunara reúne la Magia con velas y la Magia lunar de Velmora, y muestra la correspondencia entre los distintos rituales mágicos y los colores de las velas que deben usarse, así como la influencia de las fases de la Luna en los rituales mágicos.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en internet y gana dinero en línea. Consigue este programa con la marca de tu web. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
</context>
<context>
    <name>lunara::frmCandleMagickMain</name>
    <message>
        <source>Velmora Candle Magick displays the correspondence between different magick rituals and the colors of candles that should be used. Candle magick is very effective when the right candles are used for the right purposes. This needs to be repeated many times before your purpose is solved. Note that you do not harm to anyone.</source>
        <translation>Magia con velas de Velmora muestra la correspondencia entre los rituales mágicos y los colores de vela que conviene usar. La magia con velas es muy eficaz cuando se usa la vela adecuada para cada propósito. Hay que repetirla muchas veces hasta conseguir lo que buscas. Y recuerda: no hagas daño a nadie.</translation>
    </message>
    <message>
        <source>Select one of the following purposes and know which candle to use.</source>
        <translation>Elige uno de los siguientes propósitos y descubre qué vela usar.</translation>
    </message>
    <message>
        <source>Candle Selection</source>
        <translation>Selección de vela</translation>
    </message>
    <message>
        <source>Available Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Get Candle Magick Reading</source>
        <translation>Ver la &amp;lectura de la vela</translation>
    </message>
    <message>
        <source>Candle Color</source>
        <translation>Color de la vela</translation>
    </message>
    <message>
        <source>Option Selection</source>
        <translation>Opción elegida</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Propósito</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>V&amp;olver</translation>
    </message>
    <message>
        <source>Velmora Candle Magick</source>
        <translation>Magia con velas de Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Horas mágicas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>To be given</source>
        <translation>Por determinar</translation>
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
        <translation>&amp;Otro año:</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>The four &amp;quarters</source>
        <translation>Las cuatro &amp;fases lunares</translation>
    </message>
    <message>
        <source>The moon entering each &amp;sign</source>
        <translation>La entrada de la Luna en cada si&amp;gno</translation>
    </message>
    <message>
        <source>&amp;Void-of-course periods, counting</source>
        <translation>Periodos de Luna &amp;vacía de curso, contando</translation>
    </message>
    <message>
        <source>C&amp;lassic planets (Sun to Saturn)</source>
        <translation>Planetas &amp;clásicos (del Sol a Saturno)</translation>
    </message>
    <message>
        <source>M&amp;odern planets (to Pluto)</source>
        <translation>Planetas mo&amp;dernos (hasta Plutón)</translation>
    </message>
    <message>
        <source>The &amp;Wheel of the Year&apos;s sabbats</source>
        <translation>Los &amp;sabbats de la Rueda del Año</translation>
    </message>
    <message>
        <source>Ecli&amp;pses, as seen from here</source>
        <translation>Ecli&amp;pses, vistos desde aquí</translation>
    </message>
    <message>
        <source>&amp;Retrograde periods, as whole days</source>
        <translation>Periodos &amp;retrógrados, en días completos</translation>
    </message>
    <message>
        <source>Full moon &amp;names, blue and black moons</source>
        <translation>&amp;Nombres de las lunas llenas, lunas azules y negras</translation>
    </message>
    <message>
        <source>S&amp;upermoons and micromoons</source>
        <translation>S&amp;uperlunas y microlunas</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exportar a calendario</translation>
    </message>
    <message>
        <source>This &amp;month (%1)</source>
        <translation>Este &amp;mes (%1)</translation>
    </message>
    <message>
        <source>This &amp;year (%1)</source>
        <translation>Este &amp;año (%1)</translation>
    </message>
    <message>
        <source>Year to export</source>
        <translation>Año que exportar</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Elige al menos un tipo de evento.</translation>
    </message>
</context>
<context>
    <name>lunara::frmLocation</name>
    <message>
        <source>Degrees north and east are positive; 51°28′N or 0°07′W work too.</source>
        <translation>Los grados norte y este son positivos; también sirven 51°28′N o 0°07′O.</translation>
    </message>
    <message>
        <source>Use &amp;Default</source>
        <translation>Usar la &amp;predeterminada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>&amp;Find a city:</source>
        <translation>&amp;Buscar una ciudad:</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Ciudades</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>L&amp;atitud:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>L&amp;ongitud:</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Borrar la búsqueda</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, as your time zone names no city.</source>
        <translation>Si no eliges ninguna, Lunara usa %1, ya que tu zona horaria no indica ninguna ciudad.</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, the city of your time zone.</source>
        <translation>Si no eliges ninguna, Lunara usa %1, la ciudad de tu zona horaria.</translation>
    </message>
    <message>
        <source>The location is used now but could not be saved for next time.</source>
        <translation>La ubicación se usa ahora, pero no se pudo guardar para la próxima vez.</translation>
    </message>
</context>
<context>
    <name>lunara::frmMDI</name>
    <message>
        <source>&amp;Moon Magick</source>
        <translation>&amp;Magia lunar</translation>
    </message>
    <message>
        <source>&amp;Candle Magick</source>
        <translation>Magia con &amp;velas</translation>
    </message>
    <message>
        <source>Welcome to Lunara</source>
        <translation>Bienvenido a Lunara</translation>
    </message>
    <message>
        <source>Welcome to the Magickal world of occult and spirituality. Lunara will open new doors in Candle and Moon magick. Use the different resources to gain more understanding of the subject.</source>
        <translation>Te damos la bienvenida al mundo mágico del ocultismo y la espiritualidad. Lunara te abrirá nuevas puertas en la magia con velas y la magia lunar. Usa sus distintos recursos para comprender mejor esta materia.</translation>
    </message>
    <message>
        <source>Lunara includes the following programs</source>
        <translation>Lunara incluye los siguientes programas</translation>
    </message>
    <message>
        <source>Candle Magick</source>
        <translation>Magia con velas</translation>
    </message>
    <message>
        <source>Moon Magick</source>
        <translation>Magia lunar</translation>
    </message>
    <message>
        <source>Moon Calendar</source>
        <translation>Calendario lunar</translation>
    </message>
    <message>
        <source>Magick Hours</source>
        <translation>Horas mágicas</translation>
    </message>
    <message>
        <source>The Year</source>
        <translation>El año</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Lunara v1.20</source>
        <translation>Lunara v1.20</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>El foro místico más popular de internet. El mejor recurso para todo lo místico. Visita %1 ahora</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Lit candles</source>
        <translation>Velas encendidas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Calendario lunar</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Horas mágicas</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>&amp;El año</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Recordatorios...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Stop Reminders and Quit</source>
        <translation>&amp;Detener recordatorios y salir</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Lunara speaks the language chosen from its next start.</source>
        <translation>Lunara usará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written.</source>
        <translation>No se pudo guardar el idioma: no se puede escribir la configuración.</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Reminders cannot be remembered</source>
        <translation>No se puede llevar la cuenta de los recordatorios</translation>
    </message>
    <message>
        <source>Lunara cannot write its settings (%1). Until it can, it does not remember across restarts which reminders it has shown, so one may come again after Lunara starts anew.</source>
        <translation>Lunara no puede escribir su configuración (%1). Mientras no pueda, no recordará de un inicio a otro qué recordatorios ha mostrado, así que alguno podría repetirse cuando Lunara vuelva a iniciarse.</translation>
    </message>
    <message>
        <source>&amp;Open Lunara</source>
        <translation>&amp;Abrir Lunara</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
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
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>U&amp;bicación...</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>La Luna</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Luna vacía de curso</translation>
    </message>
    <message>
        <source>Aspects to</source>
        <translation>Aspectos con</translation>
    </message>
    <message>
        <source>&amp;Classic planets (Sun to Saturn)</source>
        <translation>Planetas &amp;clásicos (del Sol a Saturno)</translation>
    </message>
    <message>
        <source>&amp;Modern planets (to Pluto)</source>
        <translation>Planetas &amp;modernos (hasta Plutón)</translation>
    </message>
    <message>
        <source>Enter or a double click on an hour shows its planet&apos;s candle in Candle Magick.</source>
        <translation>Intro o un doble clic en una hora muestra la vela de su planeta en Magia con velas.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Lunara Magick Hours</source>
        <translation>Horas mágicas de Lunara</translation>
    </message>
    <message>
        <source>Planetary hours</source>
        <translation>Horas planetarias</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Vela</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>Día &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Día &amp;siguiente</translation>
    </message>
    <message>
        <source>Planetary hours for %1; times in %2 (%3)</source>
        <translation>Horas planetarias en %1; horario de %2 (%3)</translation>
    </message>
    <message>
        <source>Planetary hours for %1</source>
        <translation>Horas planetarias en %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>Noche %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Día %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <comment>an hour&apos;s name</comment>
        <translation>%1 (ahora)</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Hora nocturna %1, de %2 a %3, %4, vela de color %5, ahora</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Hora nocturna %1, de %2 a %3, %4, vela de color %5</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Hora diurna %1, de %2 a %3, %4, vela de color %5, ahora</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Hora diurna %1, de %2 a %3, %4, vela de color %5</translation>
    </message>
    <message>
        <source>%1, in %2 (now)</source>
        <translation>%1, en %2 (ahora)</translation>
    </message>
    <message>
        <source>%1, in %2 (at noon)</source>
        <translation>%1, en %2 (al mediodía)</translation>
    </message>
    <message>
        <source>The moon is not void of course this day.</source>
        <translation>La Luna no está vacía de curso este día.</translation>
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
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Hemisphere:</source>
        <translation>Hemisferio:</translation>
    </message>
    <message>
        <source>&amp;Northern</source>
        <translation>&amp;Norte</translation>
    </message>
    <message>
        <source>&amp;Southern</source>
        <translation>Su&amp;r</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>U&amp;bicación...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar</source>
        <translation>Calendario lunar de Lunara</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar...</source>
        <translation>&amp;Exportar a calendario...</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>El &amp;año</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Recordatorios...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>Mes &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>Mes &amp;siguiente</translation>
    </message>
    <message>
        <source>Sunrise and sunset for %1</source>
        <translation>Salida y puesta del sol en %1</translation>
    </message>
    <message>
        <source>Your time zone names no city.</source>
        <translation>Tu zona horaria no indica ninguna ciudad.</translation>
    </message>
    <message>
        <source>%1 is your time zone&apos;s city.</source>
        <translation>%1 es la ciudad de tu zona horaria.</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>No se pudo usar la impresora. No se imprimió nada.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exportar a calendario</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Archivos de calendario (*.ics)</translation>
    </message>
    <message>
        <source>The sun does not set</source>
        <translation>El Sol no se pone</translation>
    </message>
    <message>
        <source>The sun does not rise</source>
        <translation>El Sol no sale</translation>
    </message>
    <message>
        <source>The moon does not set</source>
        <translation>La Luna no se pone</translation>
    </message>
    <message>
        <source>The moon does not rise</source>
        <translation>La Luna no sale</translation>
    </message>
    <message>
        <source>sunrise %1</source>
        <translation>salida del sol %1</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>puesta del sol %1</translation>
    </message>
    <message>
        <source>moonrise %1</source>
        <translation>salida de la luna %1</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>puesta de la luna %1</translation>
    </message>
    <message>
        <source>no sunrise this day</source>
        <translation>sin salida del sol este día</translation>
    </message>
    <message>
        <source>no moonrise this day</source>
        <translation>sin salida de la luna este día</translation>
    </message>
    <message>
        <source>no sunset this day</source>
        <translation>sin puesta del sol este día</translation>
    </message>
    <message>
        <source>no moonset this day</source>
        <translation>sin puesta de la luna este día</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the phrases of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>The moon is not void of course this day</source>
        <translation>La Luna no está vacía de curso este día</translation>
    </message>
    <message>
        <source>No such day here: the clocks skipped it</source>
        <translation>Este día no existe aquí: los relojes se lo saltaron</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a phase and the time of its quarter</comment>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>Moon picture: %1</source>
        <translation>Imagen de la Luna: %1</translation>
    </message>
    <message>
        <source>Age: %1 days</source>
        <translation>Edad: %1 días</translation>
    </message>
    <message>
        <source>Lit: %1 %</source>
        <translation>Iluminada: %1 %</translation>
    </message>
    <message>
        <source>The moon enters %1 at %2</source>
        <translation>La Luna entra en %1 a las %2</translation>
    </message>
    <message>
        <source>enters %1 at %2</source>
        <translation>entra en %1 a las %2</translation>
    </message>
    <message>
        <source>Keyword: %1</source>
        <translation>Palabra clave: %1</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Elemento: %1</translation>
    </message>
    <message numerus="yes">
        <source>The traditional rule says %n days, %1</source>
        <translation>
            <numerusform>Según la regla tradicional: %n día, %1</numerusform>
            <numerusform>Según la regla tradicional: %n días, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, today</source>
        <translation>Próxima luna nueva: %1 a las %2, hoy</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, today</source>
        <translation>Próxima luna llena: %1 a las %2, hoy</translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, in 1 day</source>
        <translation>Próxima luna nueva: %1 a las %2, dentro de 1 día</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, in 1 day</source>
        <translation>Próxima luna llena: %1 a las %2, dentro de 1 día</translation>
    </message>
    <message numerus="yes">
        <source>Next new moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Próxima luna nueva: %1 a las %2, dentro de %n día</numerusform>
            <numerusform>Próxima luna nueva: %1 a las %2, dentro de %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Next full moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Próxima luna llena: %1 a las %2, dentro de %n día</numerusform>
            <numerusform>Próxima luna llena: %1 a las %2, dentro de %n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickDisplay</name>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Moon Phase on</source>
        <translation>Fase lunar del día</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Hoy es</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>V&amp;olver</translation>
    </message>
    <message numerus="yes">
        <source>Moon picture: %n days, %1</source>
        <translation>
            <numerusform>Imagen de la Luna: %n día, %1</numerusform>
            <numerusform>Imagen de la Luna: %n días, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Magia lunar de Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickMain</name>
    <message>
        <source>The Moon has a strong influence on magick rituals. Know more about the moon phases and the corresponding effects on magick.</source>
        <translation>La Luna tiene una gran influencia en los rituales mágicos. Descubre más sobre las fases lunares y sus efectos en la magia.</translation>
    </message>
    <message>
        <source>Enter Date for Moon Magick</source>
        <translation>Fecha para la magia lunar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Moon Phase - Magick Correspondence</source>
        <translation>Fase lunar - Correspondencia mágica</translation>
    </message>
    <message>
        <source>Zodiacal Moon Magick</source>
        <translation>Magia lunar zodiacal</translation>
    </message>
    <message>
        <source>Elemental Moon Magick</source>
        <translation>Magia lunar elemental</translation>
    </message>
    <message>
        <source>Moon &amp;Magick Reading</source>
        <translation>Lectura de &amp;magia lunar</translation>
    </message>
    <message>
        <source>Today&apos;s Moon Phase</source>
        <translation>Fase lunar de hoy</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Hoy es</translation>
    </message>
    <message>
        <source>Today&apos;s Zodiacal Elemental Moon Magick</source>
        <translation>Magia lunar zodiacal y elemental de hoy</translation>
    </message>
    <message>
        <source>Keywords:-</source>
        <translation>Palabras clave:</translation>
    </message>
    <message>
        <source>Today&apos;s Elemental Moon Magick</source>
        <translation>Magia lunar elemental de hoy</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Magia lunar de Velmora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Calendario lunar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation>¡Indica una fecha correcta!</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminder</name>
    <message>
        <source>Lunara Reminders</source>
        <translation>Recordatorios de Lunara</translation>
    </message>
    <message>
        <source>&amp;Reminders:</source>
        <translation>&amp;Recordatorios:</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Show in &amp;Calendar</source>
        <translation>&amp;Mostrar en el calendario</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Remind me of:</source>
        <translation>Recordarme:</translation>
    </message>
    <message>
        <source>When: %1</source>
        <translation>Cuándo: %1</translation>
    </message>
    <message>
        <source>Whose planetary hour</source>
        <translation>De qué planeta es la hora planetaria</translation>
    </message>
    <message>
        <source>&amp;Start with my session (in the background)</source>
        <translation>&amp;Iniciar con mi sesión (en segundo plano)</translation>
    </message>
    <message>
        <source>While any reminder is on, closing Lunara keeps it running in the tray to remind you; choose Quit in the tray icon&apos;s menu to end it.</source>
        <translation>Mientras haya algún recordatorio activo, Lunara sigue funcionando en la bandeja del sistema aunque lo cierres, para avisarte; para cerrarlo del todo, elige Salir en el menú de su icono.</translation>
    </message>
    <message>
        <source>This desktop has no tray: Lunara reminds you while it runs. Started with your session it runs in the background; its File menu then offers &quot;Stop Reminders and Quit&quot;.</source>
        <translation>Este escritorio no tiene bandeja del sistema: Lunara te avisa mientras está abierto. Si se inicia con tu sesión, funciona en segundo plano; su menú Archivo ofrece entonces &quot;Detener recordatorios y salir&quot;.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The reminders could not be kept: the settings cannot be written.</source>
        <translation>No se pudieron guardar los recordatorios: no se puede escribir la configuración.</translation>
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
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar P&amp;DF...</translation>
    </message>
    <message>
        <source>Enter or a double click on an entry opens the Moon Calendar at its day.</source>
        <translation>Intro o un doble clic en una entrada abre el Calendario lunar en su día.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the first and last day of a period</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The Wheel of the Year</source>
        <translation>La Rueda del Año</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclipses</translation>
    </message>
    <message>
        <source>Retrogrades</source>
        <translation>Retrógrados</translation>
    </message>
    <message>
        <source>Full moons</source>
        <translation>Lunas llenas</translation>
    </message>
    <message>
        <source>Blue and black moons</source>
        <translation>Lunas azules y negras</translation>
    </message>
    <message>
        <source>Supermoons and micromoons</source>
        <translation>Superlunas y microlunas</translation>
    </message>
    <message>
        <source>None this year</source>
        <translation>Nada este año</translation>
    </message>
    <message>
        <source>Lunara: The Year %1 (continued)</source>
        <translation>Lunara: El año %1 (continuación)</translation>
    </message>
    <message>
        <source>Lunara: The Year %1</source>
        <translation>Lunara: El año %1</translation>
    </message>
    <message>
        <source>Lunara: The Year</source>
        <translation>Lunara: El año</translation>
    </message>
    <message>
        <source>The year&apos;s events</source>
        <translation>Eventos del año</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Año siguiente</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Show in Moon &amp;Calendar</source>
        <translation>Mostrar en el &amp;calendario lunar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>For %1; southern hemisphere; times in %2</source>
        <translation>Para %1; hemisferio sur; horario de %2</translation>
    </message>
    <message>
        <source>For %1; northern hemisphere; times in %2</source>
        <translation>Para %1; hemisferio norte; horario de %2</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>No se pudo usar la impresora. No se imprimió nada.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
</TS>
