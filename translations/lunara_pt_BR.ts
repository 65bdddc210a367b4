<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Almanac</name>
    <message>
        <source>Ostara, the spring equinox</source>
        <translation>Ostara, o equinócio da primavera</translation>
    </message>
    <message>
        <source>Mabon, the autumn equinox</source>
        <translation>Mabon, o equinócio de outono</translation>
    </message>
    <message>
        <source>Litha, the summer solstice</source>
        <translation>Litha, o solstício de verão</translation>
    </message>
    <message>
        <source>Yule, the winter solstice</source>
        <translation>Yule, o solstício de inverno</translation>
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
        <translation>Início do eclipse penumbral</translation>
    </message>
    <message>
        <source>Partial eclipse begins</source>
        <translation>Início do eclipse parcial</translation>
    </message>
    <message>
        <source>Totality begins</source>
        <translation>Início da totalidade</translation>
    </message>
    <message>
        <source>Greatest eclipse</source>
        <translation>Máximo do eclipse</translation>
    </message>
    <message>
        <source>Totality ends</source>
        <translation>Fim da totalidade</translation>
    </message>
    <message>
        <source>Partial eclipse ends</source>
        <translation>Fim do eclipse parcial</translation>
    </message>
    <message>
        <source>Penumbral eclipse ends</source>
        <translation>Fim do eclipse penumbral</translation>
    </message>
    <message>
        <source>Eclipse begins</source>
        <translation>Início do eclipse</translation>
    </message>
    <message>
        <source>Annularity begins</source>
        <translation>Início da fase anular</translation>
    </message>
    <message>
        <source>Annularity ends</source>
        <translation>Fim da fase anular</translation>
    </message>
    <message>
        <source>Eclipse ends</source>
        <translation>Fim do eclipse</translation>
    </message>
    <message>
        <source>Wolf Moon</source>
        <translation>Lua do Lobo</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Lua da Neve</translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation>Lua da Minhoca</translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation>Lua Rosa</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Lua das Flores</translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation>Lua de Morango</translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation>Lua do Cervo</translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation>Lua do Esturjão</translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation>Lua do Milho</translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation>Lua do Caçador</translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation>Lua do Castor</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Lua Fria</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Lua da Colheita</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Lua azul</translation>
    </message>
    <message>
        <source>Black moon</source>
        <translation>Lua negra</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Superlua</translation>
    </message>
    <message>
        <source>Micromoon</source>
        <translation>Microlua</translation>
    </message>
    <message>
        <source>Super new moon</source>
        <translation>Superlua nova</translation>
    </message>
    <message>
        <source>Micro new moon</source>
        <translation>Microlua nova</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The Run key of the current user could not be written.</source>
        <translation>Não foi possível gravar a chave Run do usuário atual.</translation>
    </message>
    <message>
        <source>This system offers no way to start programs with the session.</source>
        <translation>Este sistema não oferece um modo de iniciar programas junto com a sessão.</translation>
    </message>
    <message>
        <source>%1 is a link, which Lunara leaves as it is.</source>
        <translation>%1 é um link simbólico, e o Lunara o deixa como está.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>Não foi possível remover %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Lunara&apos;s path %1 cannot be written in an autostart entry.</source>
        <translation>O caminho do Lunara, %1, não pode ser gravado em uma entrada de inicialização automática.</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>Until the moon enters %1 (modern planets)</source>
        <translation>Até a Lua entrar em %1 (planetas modernos)</translation>
    </message>
    <message>
        <source>Until the moon enters %1 (classic planets)</source>
        <translation>Até a Lua entrar em %1 (planetas clássicos)</translation>
    </message>
</context>
<context>
    <name>Candle</name>
    <message>
        <source>Love, Warmth, Caring</source>
        <translation>Amor, Aconchego, Carinho</translation>
    </message>
    <message>
        <source>Well known as the color of romance and tender love, pink candles can be used to evoke similar feelings in one&apos;s heart. This color symbolically represents affection, sweetness in words and acts, nurturing partnerships and soft emotions. Pink is also said to have healing effect on our senses. It stands for unconditional love, honor and commitment.</source>
        <translation>O rosa é conhecido como a cor do romance e do amor terno, e as velas cor-de-rosa podem ser usadas para despertar sentimentos assim no coração. Essa cor representa o afeto, a doçura nas palavras e nos gestos, as parcerias que nutrem e as emoções suaves. Diz-se também que o rosa tem um efeito curativo sobre os sentidos. Ele simboliza o amor incondicional, a honra e o compromisso.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Passion, Lust, Power, Immediate Action, Promotion of Career</source>
        <translation>Paixão, Desejo, Poder, Ação imediata, Promoção na carreira</translation>
    </message>
    <message>
        <source>Lighting a red candle can ignite passionate love, sensuality and lustfulness. This color also evokes enthusiasm, power of body and mind, boldness and determination. This color is also effective to enhance personal magnetism, dynamism, sexual attractions and competitiveness. The fire of red candle symbolizes your inner fire and favorable for increasing fertility.</source>
        <translation>Acender uma vela vermelha pode inflamar o amor apaixonado, a sensualidade e o desejo. Essa cor também desperta o entusiasmo, a força do corpo e da mente, a ousadia e a determinação. É eficaz, ainda, para realçar o magnetismo pessoal, o dinamismo, a atração sexual e o espírito competitivo. A chama da vela vermelha simboliza o seu fogo interior e favorece a fertilidade.</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Business, Justice, Success</source>
        <translation>Negócios, Justiça, Sucesso</translation>
    </message>
    <message>
        <source>If you want to broaden your social circle or want to enjoy a rocking time with friends, orange colored candles can help you a lot. The color signifies the fire of sun, vitality, good fortune, ambition and courage. If you want to invite prosperity, success in every sphere and get rid of negative thoughts, orange candles can do wonders for you.</source>
        <translation>Se você quer ampliar o seu círculo social ou aproveitar momentos animados com os amigos, as velas laranja podem ajudar muito. Essa cor representa o fogo do Sol, a vitalidade, a boa sorte, a ambição e a coragem. Se você quer atrair a prosperidade e o sucesso em todas as áreas e se livrar dos pensamentos negativos, as velas laranja podem fazer maravilhas por você.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Confidence, Intelligence, Remove Mental Stress, Better Learning</source>
        <translation>Confiança, Inteligência, Aliviar a tensão mental, Aprender melhor</translation>
    </message>
    <message>
        <source>Yellow has a positive effect on intellect, imagination and communication skills. If you want to learn new things and excel in academics, yellow candle can do the magic for you. Yellow increases the power of concentration, memory and self-confidence. Yellow also stands for a cheerful personality, optimism, wisdom, tolerance and perseverance.</source>
        <translation>O amarelo tem um efeito positivo sobre o intelecto, a imaginação e a capacidade de comunicação. Se você quer aprender coisas novas e se destacar nos estudos, a vela amarela pode fazer essa magia por você. O amarelo aumenta o poder de concentração, a memória e a autoconfiança. Ele também representa a personalidade alegre, o otimismo, a sabedoria, a tolerância e a perseverança.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Healing, Growth, Magic, Success</source>
        <translation>Cura, Crescimento, Magia, Sucesso</translation>
    </message>
    <message>
        <source>This color stands as the symbol of Mother Nature and induces growth, abundance and fertility. Whenever you feel that these aspect of your life needs to be emphasized, use a green candle for positive outcome. This color is also good for monetary gain, prosperity, finding a new job, reaping a rich harvest and acquiring wealth.</source>
        <translation>Esta cor é o símbolo da Mãe Natureza e estimula o crescimento, a abundância e a fertilidade. Sempre que sentir que esses aspectos da sua vida precisam ganhar força, use uma vela verde para obter um bom resultado. Essa cor também é boa para ganhos financeiros, prosperidade, conseguir um novo emprego, ter uma colheita farta e adquirir riqueza.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Wisdom, Spiritual Enlightenment, Calming Effect, Good Luck</source>
        <translation>Sabedoria, Iluminação espiritual, Efeito calmante, Boa sorte</translation>
    </message>
    <message>
        <source>Blue is the color of tranquility and peace. If you want to sooth your frayed nerves to experience a calming effect, use blue candle. Being the color of sky and the ocean, Blue also emphasizes openness and depth. This color is said to exert healing power, protection, provides harmony and wisdom.</source>
        <translation>O azul é a cor da tranquilidade e da paz. Se você quer acalmar os nervos à flor da pele e sentir serenidade, use uma vela azul. Por ser a cor do céu e do oceano, o azul também realça a abertura e a profundidade. Diz-se que essa cor tem poder de cura e de proteção e que traz harmonia e sabedoria.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Psychic Powers, Opening of Inner Self, Influence</source>
        <translation>Poderes psíquicos, Abertura do eu interior, Influência</translation>
    </message>
    <message>
        <source>Considered as the color of royalty, purple is attached to spiritual awakening, meditative power, intuitive knowledge and healing effect. Using purple candle can enhance your psychic ability and bring you close to the world of spirits. Purple is also thought to have protective properties. The color is useful to subdue ego and improve dignity.</source>
        <translation>Considerado a cor da realeza, o roxo está ligado ao despertar espiritual, ao poder meditativo, ao conhecimento intuitivo e à cura. Usar uma vela roxa pode aumentar a sua capacidade psíquica e trazer o mundo dos espíritos para mais perto de você. Acredita-se também que o roxo tenha propriedades protetoras. Essa cor é útil para domar o ego e elevar a dignidade.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Harmony, Peace, Clarity</source>
        <translation>Harmonia, Paz, Clareza</translation>
    </message>
    <message>
        <source>The harmonious mixture of all colors, white candles can be used for any purpose. The major attributes associated with white color are purity, clarity of thought and mind, piousness, spiritual knowledge and enlightenment. White is also significant for being the symbol of truth and peace. White can cleanse all kinds of impurities and negative effects leaving a feeling of contentment and well-being.</source>
        <translation>O branco é a mistura harmoniosa de todas as cores, e as velas brancas podem ser usadas para qualquer propósito. Os principais atributos associados ao branco são a pureza, a clareza de pensamento e de mente, a devoção, o conhecimento espiritual e a iluminação. O branco também se destaca como símbolo da verdade e da paz. Ele pode purificar todo tipo de impureza e de influência negativa, deixando uma sensação de contentamento e bem-estar.</translation>
    </message>
    <message>
        <source>Dark Pink</source>
        <translation>Rosa-escuro</translation>
    </message>
    <message>
        <source>Light Pink</source>
        <translation>Rosa-claro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Remove Negativity, Unity, Defense</source>
        <translation>Afastar a negatividade, União, Defesa</translation>
    </message>
    <message>
        <source>This color is grossly misunderstood as the color of evil. But in reality, black color candle has the power to dissolve negative effects and heal several illnesses. This color can be used for protection or casting magic spell or banishing. Burning this candle is said to increase meditating power. This can give good results when used at the finishing point of some strained relationship or affair to overcome mental barriers.</source>
        <translation>Esta cor é muito mal compreendida, tida como a cor do mal. Na realidade, porém, a vela preta tem o poder de dissolver influências negativas e de curar diversas doenças. Ela pode ser usada para proteção, para lançar feitiços ou para banimentos. Diz-se que queimar esta vela aumenta o poder de meditação. Ela pode trazer bons resultados quando usada no fim de um relacionamento ou de um caso desgastado, para superar barreiras mentais.</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dourado</translation>
    </message>
    <message>
        <source>The Supreme Power, Happiness, Accomplishments</source>
        <translation>O Poder Supremo, Felicidade, Realizações</translation>
    </message>
    <message>
        <source>If you want to invite affluence, good fortune and material wealth, golden candles are suitable for you. Use this candle to emerge victorious in professional as well as personal life. Golden candles are also effective to enhance communication skills, reenergize your spirit and success. Gold is also associated with protection, cheerful mood and self assurance.</source>
        <translation>Se você quer atrair fartura, boa sorte e riqueza material, as velas douradas são indicadas para você. Use esta vela para vencer tanto na vida profissional quanto na pessoal. As velas douradas também são eficazes para aprimorar a comunicação, revigorar o espírito e favorecer o sucesso. O dourado também está associado à proteção, ao bom humor e à autoconfiança.</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message>
        <source>Support, Kindness, Friendships</source>
        <translation>Apoio, Bondade, Amizades</translation>
    </message>
    <message>
        <source>Brown colored candles are used to emphasize the earth element that bestows material gains, success in profession, wealth and prosperity in one&apos;s life. Brown is also attached to mental stability, great patience, firm determination, practical knowledge and tenacity. This color can be beneficial to increase concentration in studies, enhance learning power and telepathy.</source>
        <translation>As velas marrons são usadas para realçar o elemento Terra, que traz ganhos materiais, sucesso profissional, riqueza e prosperidade para a vida. O marrom também está ligado à estabilidade mental, à grande paciência, à firme determinação, ao conhecimento prático e à tenacidade. Essa cor pode ajudar a aumentar a concentração nos estudos, a capacidade de aprender e a telepatia.</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prateado</translation>
    </message>
    <message>
        <source>Intuition, Telepathy, Imagination</source>
        <translation>Intuição, Telepatia, Imaginação</translation>
    </message>
    <message>
        <source>This color is primarily associated with female deities and feminine energy. Therefore, silver colored candles are suitable for rituals that emphasizes on feminine power. This color can work wonders to ward off evil influence, improve meditation and increase stability of mind. Silver color is also thought to enhance psychic abilities.</source>
        <translation>Esta cor está associada principalmente às divindades femininas e à energia feminina. Por isso, as velas prateadas são indicadas para rituais que enfatizam o poder feminino. Essa cor pode fazer maravilhas para afastar más influências, aprimorar a meditação e aumentar a estabilidade mental. Acredita-se também que o prateado aumente as habilidades psíquicas.</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Relaxation, Inner Strengths, Self Abilities</source>
        <translation>Relaxamento, Forças interiores, Capacidades pessoais</translation>
    </message>
    <message>
        <source>This color symbolizes compassion and selflessness. You can use this candle to evoke a sense of unconditional love and affection that a mother bestows on her kids. Burning this candle can inspire your mind and help you to get close to higher spiritual realization.  This soothing color can have a very calming effect on your heart and soul.</source>
        <translation>Esta cor simboliza a compaixão e o altruísmo. Você pode usar esta vela para despertar o sentimento de amor e carinho incondicionais que uma mãe dedica aos filhos. Queimar esta vela pode inspirar a sua mente e ajudar você a se aproximar de uma realização espiritual mais elevada. Esta cor suave pode ter um efeito muito calmante sobre o coração e a alma.</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Paixão</translation>
    </message>
    <message>
        <source>Lust</source>
        <translation>Desejo</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Poder</translation>
    </message>
    <message>
        <source>Immediate Action</source>
        <translation>Ação imediata</translation>
    </message>
    <message>
        <source>Promotion of Career</source>
        <translation>Promoção na carreira</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Negócios</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Justiça</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Confiança</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Inteligência</translation>
    </message>
    <message>
        <source>Remove Mental Stress</source>
        <translation>Aliviar a tensão mental</translation>
    </message>
    <message>
        <source>Better Learning</source>
        <translation>Aprender melhor</translation>
    </message>
    <message>
        <source>Healing</source>
        <translation>Cura</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Crescimento</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabedoria</translation>
    </message>
    <message>
        <source>Spiritual Enlightenment</source>
        <translation>Iluminação espiritual</translation>
    </message>
    <message>
        <source>Calming Effect</source>
        <translation>Efeito calmante</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Boa sorte</translation>
    </message>
    <message>
        <source>Psychic Powers</source>
        <translation>Poderes psíquicos</translation>
    </message>
    <message>
        <source>Opening of Inner Self</source>
        <translation>Abertura do eu interior</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influência</translation>
    </message>
    <message>
        <source>Harmony</source>
        <translation>Harmonia</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Paz</translation>
    </message>
    <message>
        <source>Clarity</source>
        <translation>Clareza</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amor</translation>
    </message>
    <message>
        <source>Warmth</source>
        <translation>Aconchego</translation>
    </message>
    <message>
        <source>Caring</source>
        <translation>Carinho</translation>
    </message>
    <message>
        <source>Remove Negativity</source>
        <translation>Afastar a negatividade</translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>União</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Defesa</translation>
    </message>
    <message>
        <source>The Supreme Power</source>
        <translation>O Poder Supremo</translation>
    </message>
    <message>
        <source>Happiness</source>
        <translation>Felicidade</translation>
    </message>
    <message>
        <source>Accomplishments</source>
        <translation>Realizações</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Apoio</translation>
    </message>
    <message>
        <source>Kindness</source>
        <translation>Bondade</translation>
    </message>
    <message>
        <source>Friendships</source>
        <translation>Amizades</translation>
    </message>
    <message>
        <source>Intuition</source>
        <translation>Intuição</translation>
    </message>
    <message>
        <source>Telepathy</source>
        <translation>Telepatia</translation>
    </message>
    <message>
        <source>Imagination</source>
        <translation>Imaginação</translation>
    </message>
    <message>
        <source>Relaxation</source>
        <translation>Relaxamento</translation>
    </message>
    <message>
        <source>Inner Strengths</source>
        <translation>Forças interiores</translation>
    </message>
    <message>
        <source>Self Abilities</source>
        <translation>Capacidades pessoais</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
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
        <translation>Ar</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
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
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Choose Candle By Purpose</source>
        <translation>Escolher a vela pelo propósito</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Propósito</translation>
    </message>
    <message>
        <source>Choose Candle By Color</source>
        <translation>Escolher a vela pela cor</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Choose By Planet</source>
        <translation>Escolher pelo planeta</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Choose By Element</source>
        <translation>Escolher pelo elemento</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Choose By Direction</source>
        <translation>Escolher pela direção</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Choose By Day</source>
        <translation>Escolher pelo dia</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
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
Uma referência sobre magia lunar e magia com velas: Magia Lunar, o Calendário Lunar e Magia das Velas.
Inicie-o sem opções para abrir a sua janela.
  --background  inicia sem janela, apenas com a área de notificação e os lembretes (como a
                sessão o inicia quando &quot;Iniciar com a minha sessão&quot; está marcado)
Veja lunara(1).
</translation>
    </message>
    <message>
        <source>lunara: unknown option &apos;%1&apos;
Try &apos;lunara --help&apos; for more information.
</source>
        <translation>lunara: opção desconhecida &apos;%1&apos;
Tente &apos;lunara --help&apos; para mais informações.
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
        <translation>Uso: lunara now [OPÇÃO...]               a Lua agora (também: lunara today)
     lunara events [OPÇÃO...]            os eventos do almanaque entre duas datas
Responde na saída padrão, sem interface gráfica. Veja lunara(1).

Para todos os comandos (senão, local, hemisfério e planetas salvos no Lunara):
  --place CIDADE        cidade da tabela de fusos horários: Lisbon, &quot;New York&quot;, Europe/Lisbon
  --lat DEG --lon DEG   coordenadas, norte e leste positivos: 38.72 -9.13, 38°43&apos;N 9°08&apos;W
  --zone FUSO           fuso horário das datas e horas (o da cidade com --place; senão,
                        o do sistema)
  --hemisphere northern|southern    --planets classic|modern
now, today:
  --format text|json|waybar
  --at YYYY-MM-DDTHH:MM[+HH:MM]      outro instante em vez de agora
  --watch               uma nova linha a cada mudança do que é mostrado
events:
  --from YYYY-MM-DD --to YYYY-MM-DD  de 1901 a 2050, ambas incluídas (senão, 30 dias desde hoje)
  --kinds TIPO,...      quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,
                        risings (padrão: quarters,ingresses; risings para no máximo 10 anos)
  --format text|ics|json|csv
  --output ARQUIVO      grava ARQUIVO inteiro em vez disso; se existir, só com --force
Código de saída: 0 feito, 1 não feito (arquivo existente, falha ao gravar), 2 comando errado.
</translation>
    </message>
    <message>
        <source>the clock says %1, outside the years %2 to %3</source>
        <translation>o relógio marca %1, fora dos anos %2 a %3</translation>
    </message>
    <message>
        <source>%1 exists; add --force to replace it</source>
        <translation>%1 já existe; adicione --force para substituí-lo</translation>
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
        <translation>%1 %2 não é uma data; escreva-a como YYYY-MM-DD, por exemplo 2027-01-01</translation>
    </message>
    <message>
        <source>%1 %2 is outside the years %3 to %4</source>
        <translation>%1 %2 está fora dos anos %3 a %4</translation>
    </message>
    <message>
        <source>--at %1 is not a date and time; write it as 2026-12-24T02:28, or with its offset, as 2026-12-24T02:28+01:00</source>
        <translation>--at %1 não é uma data com hora; escreva-a como 2026-12-24T02:28 ou, com a diferença de fuso horário, como 2026-12-24T02:28+01:00</translation>
    </message>
    <message>
        <source>--at %1 is outside the years %2 to %3</source>
        <translation>--at %1 está fora dos anos %2 a %3</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are now, today and events</source>
        <translation>comando desconhecido %1; os comandos são now, today e events</translation>
    </message>
    <message>
        <source>unknown option %1 for %2; see &apos;lunara %2 --help&apos;</source>
        <translation>opção desconhecida %1 para %2; veja &apos;lunara %2 --help&apos;</translation>
    </message>
    <message>
        <source>%1 needs a value; see &apos;lunara %2 --help&apos;</source>
        <translation>%1 precisa de um valor; veja &apos;lunara %2 --help&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>unknown format %1 for %2; the formats are %3</source>
        <translation>formato desconhecido %1 para %2; os formatos são %3</translation>
    </message>
    <message>
        <source>unknown time zone %1; give a zone of the time-zone database, as Europe/Lisbon</source>
        <translation>fuso horário desconhecido %1; informe um fuso do banco de dados de fusos horários, como Europe/Lisbon</translation>
    </message>
    <message>
        <source>%1 needs %2 too, as --lat 38.72 --lon -9.13</source>
        <translation>%1 também precisa de %2, como em --lat 38.72 --lon -9.13</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>informe --place ou então --lat e --lon, não ambos</translation>
    </message>
    <message>
        <source>--place needs a city&apos;s name, as --place Lisbon</source>
        <translation>--place precisa do nome de uma cidade, como em --place Lisbon</translation>
    </message>
    <message>
        <source>--hemisphere takes northern or southern, not %1</source>
        <translation>--hemisphere aceita northern ou southern, não %1</translation>
    </message>
    <message>
        <source>--planets takes classic or modern, not %1</source>
        <translation>--planets aceita classic ou modern, não %1</translation>
    </message>
    <message>
        <source>today is outside the years %1 to %2: give --from and --to</source>
        <translation>hoje está fora dos anos %1 a %2: informe --from e --to</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 é posterior a --to %2</translation>
    </message>
    <message>
        <source>unknown kind %1 in --kinds; the kinds are %2</source>
        <translation>tipo desconhecido %1 em --kinds; os tipos são %2</translation>
    </message>
    <message>
        <source>risings are given for at most %1 years at a time; --from %2 --to %3 is longer</source>
        <translation>o nascer e o pôr (risings) são dados para no máximo %1 anos de cada vez; --from %2 --to %3 é mais longo</translation>
    </message>
    <message>
        <source>--output needs a file&apos;s name, as --output moon.ics</source>
        <translation>--output precisa de um nome de arquivo, como em --output moon.ics</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Agora: %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>A seguir: %1</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>the date, the time and the place</comment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3 days old</source>
        <translation>%1, Lua %2% iluminada, idade: %3 dias</translation>
    </message>
    <message>
        <source>Moon in %1 until %2, then in %3</source>
        <translation>Lua em %1 até %2, depois em %3</translation>
    </message>
    <message>
        <source>Moon in %1</source>
        <translation>Lua em %1</translation>
    </message>
    <message>
        <source>Next quarter: %1, %2</source>
        <translation>Próxima fase principal: %1, %2</translation>
    </message>
    <message>
        <source>%1; hour of %2</source>
        <translation>%1; hora planetária: %2</translation>
    </message>
    <message>
        <source>no city of the time-zone table is called &apos;%1&apos;; give one (as --place Lisbon) or --lat and --lon</source>
        <translation>nenhuma cidade da tabela de fusos horários se chama &apos;%1&apos;; informe uma (como --place Lisbon) ou --lat e --lon</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2 cities (%3); give more of the name</source>
        <translation>&apos;%1&apos; corresponde a %2 cidades (%3); digite mais do nome</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Fire</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Ar</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
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
        <translation>%1 às %2, magnitude %3: não visível em %4</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4, %5 there, magnitude %6</source>
        <translation>%1 às %2, magnitude %3: visível em %4, onde é %5, com magnitude %6</translation>
    </message>
    <message>
        <source>%1 at %2, magnitude %3: seen from %4</source>
        <translation>%1 às %2, magnitude %3: visível em %4</translation>
    </message>
    <message>
        <source>%1 turns retrograde</source>
        <translation>%1 fica retrógrado</translation>
    </message>
    <message>
        <source>%1 turns direct</source>
        <translation>%1 fica direto</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2 at %3</source>
        <translation>%1 fica retrógrado em %2 às %3</translation>
    </message>
    <message>
        <source>%1 turns direct in %2 at %3</source>
        <translation>%1 fica direto em %2 às %3</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>New moon in %1</source>
        <translation>Lua nova em %1</translation>
    </message>
    <message>
        <source>First quarter moon in %1</source>
        <translation>Quarto crescente em %1</translation>
    </message>
    <message>
        <source>Full moon in %1</source>
        <translation>Lua cheia em %1</translation>
    </message>
    <message>
        <source>Last quarter moon in %1</source>
        <translation>Quarto minguante em %1</translation>
    </message>
    <message>
        <source>Moon enters %1</source>
        <translation>Lua entra em %1</translation>
    </message>
    <message>
        <source>Moon void of course</source>
        <translation>Lua fora de curso</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Nascer do sol</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Nascer da lua</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Pôr da lua</translation>
    </message>
    <message>
        <source>%1 retrograde</source>
        <translation>%1 retrógrado</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a day and a time</comment>
        <translation>%1, às %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a short day and a time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>seen from %1</source>
        <translation>visível em %1</translation>
    </message>
    <message>
        <source>not seen from %1</source>
        <translation>não visível em %1</translation>
    </message>
    <message>
        <source>%1 %2, the sun %3° up</source>
        <translation>%1: %2, com o Sol a %3° de altura</translation>
    </message>
    <message>
        <source>%1 %2, the sun below the horizon</source>
        <translation>%1: %2, com o Sol abaixo do horizonte</translation>
    </message>
    <message>
        <source>%1 %2, the moon %3° up</source>
        <translation>%1: %2, com a Lua a %3° de altura</translation>
    </message>
    <message>
        <source>%1 %2, the moon below the horizon</source>
        <translation>%1: %2, com a Lua abaixo do horizonte</translation>
    </message>
    <message>
        <source>%1 (its point: %2, the sun at 15° %3)</source>
        <translation>%1 (ponto astronômico: %2, com o Sol a 15° de %3)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>an event and its time</comment>
        <translation>%1 às %2</translation>
    </message>
    <message>
        <source>%1 from %2 in %3 until %4 in %5</source>
        <translation>%1 das %2 em %3 até %4 em %5</translation>
    </message>
    <message>
        <source>%1 at %2, in %3</source>
        <translation>%1 às %2, em %3</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second full moon, at %2</source>
        <translation>%1: a segunda lua cheia do mês, às %2</translation>
    </message>
    <message>
        <source>%1: the month&apos;s second new moon, at %2</source>
        <translation>%1: a segunda lua nova do mês, às %2</translation>
    </message>
    <message>
        <source>%1 at %2, %3 away</source>
        <translation>%1 às %2, a %3 de distância</translation>
    </message>
    <message>
        <source>Mercury is retrograde</source>
        <translation>Mercúrio está retrógrado</translation>
    </message>
    <message>
        <source>The sun at 15° %1 at %2: astronomical %3</source>
        <translation>O Sol a 15° de %1 às %2: %3 astronômico</translation>
    </message>
    <message>
        <source>Astronomical %1</source>
        <translation>%1 astronômico</translation>
    </message>
    <message>
        <source>%1, seen from %2</source>
        <translation>%1, visível em %2</translation>
    </message>
    <message>
        <source>%1, not seen from %2</source>
        <translation>%1, não visível em %2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verifi&amp;car atualizações</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar at&amp;ualizações</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhe dinheiro &amp;online</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
</context>
<context>
    <name>MonthPrint</name>
    <message>
        <source>New moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>Quarto crescente</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>Quarto minguante</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Crescente</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Cheia</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Minguante</translation>
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
        <translation>Fases principais</translation>
    </message>
    <message>
        <source>The moon enters</source>
        <translation>A Lua entra em</translation>
    </message>
    <message>
        <source>Void of course (modern planets)</source>
        <translation>Fora de curso (planetas modernos)</translation>
    </message>
    <message>
        <source>Void of course (classic planets)</source>
        <translation>Fora de curso (planetas clássicos)</translation>
    </message>
    <message>
        <source>Also</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar for %1; times in %2</source>
        <translation>Lunara – Calendário Lunar para %1; horários no fuso %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a quarter&apos;s short name and its time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The year</source>
        <translation>Eventos do ano</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar, %1</source>
        <translation>Lunara – Calendário Lunar, %1</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>New Moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Quarto crescente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Quarto minguante</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Crescente côncava</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Crescente gibosa</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Minguante gibosa</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Minguante côncava</translation>
    </message>
    <message>
        <source>Dark Moon</source>
        <translation>Lua escura</translation>
    </message>
    <message>
        <source>Waxing Moon</source>
        <translation>Lua crescente</translation>
    </message>
    <message>
        <source>Waning Moon</source>
        <translation>Lua minguante</translation>
    </message>
    <message>
        <source>The dark moon is a good time for giving up bad habits and overcoming anger.</source>
        <translation>A lua escura é um bom momento para abandonar maus hábitos e superar a raiva.</translation>
    </message>
    <message>
        <source>The new moon is a good time for new ventures, initiating new projects, love and health.</source>
        <translation>A lua nova é um bom momento para novos empreendimentos, para iniciar novos projetos e para o amor e a saúde.</translation>
    </message>
    <message>
        <source>The waxing moon is a good time for developing work like power, success, health and partnerships.</source>
        <translation>A lua crescente é um bom momento para desenvolver trabalhos de poder, sucesso, saúde e parcerias.</translation>
    </message>
    <message>
        <source>The full moon is a good time for predictions and trying out Magick. Good for healing projects too. </source>
        <translation>A lua cheia é um bom momento para previsões e para praticar magia. Também é boa para trabalhos de cura. </translation>
    </message>
    <message>
        <source>The waning moon is a good time for removing negativity from oneself.</source>
        <translation>A lua minguante é um bom momento para afastar de si a negatividade.</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience</source>
        <translation>Este é um bom momento para começar coisas novas. Bom para feitiços que envolvam força, determinação e novos começos. Seus instintos estarão aguçados. Cuide para não cometer erros e tenha paciência</translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you.</source>
        <translation>Aumenta os poderes psíquicos. Bom para feitiços que envolvam desenvolvimento psíquico e autoridade. Suas emoções podem ficar à flor da pele, mas não deixe que as negativas tomem conta de você.</translation>
    </message>
    <message>
        <source>Moon In Aries</source>
        <translation>Lua em Áries</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Paixão</translation>
    </message>
    <message>
        <source>This is a good time for beginning new things. Good for spells which involve strength, determination and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. </source>
        <translation>Este é um bom momento para começar coisas novas. Bom para feitiços que envolvam força, determinação e novos começos. Seus instintos estarão aguçados. Cuide para não cometer erros e tenha paciência. </translation>
    </message>
    <message>
        <source>Moon In Taurus</source>
        <translation>Lua em Touro</translation>
    </message>
    <message>
        <source>Physical </source>
        <translation>Materialidade </translation>
    </message>
    <message>
        <source>This is a good time for conjuring on personal matters. Good for spells which involve romance, property and finance. Try not to be stubborn. You are very conventional and not willing to change.</source>
        <translation>Este é um bom momento para a magia voltada a assuntos pessoais. Bom para feitiços que envolvam romance, bens e finanças. Evite a teimosia. Você tende a ser muito convencional e a resistir às mudanças.</translation>
    </message>
    <message>
        <source>Moon In Gemini</source>
        <translation>Lua em Gêmeos</translation>
    </message>
    <message>
        <source>Inquisitiveness </source>
        <translation>Curiosidade </translation>
    </message>
    <message>
        <source>You are influenced by outside changes. Good for spells which involve journey, negotiations and public involvement. You think of doing ten different things at the same time. Be more emotional than analytical.</source>
        <translation>As mudanças externas influenciam você. Bom para feitiços que envolvam viagens, negociações e participação pública. Você pensa em fazer dez coisas diferentes ao mesmo tempo. Deixe a emoção falar mais alto do que a análise.</translation>
    </message>
    <message>
        <source>Moon In Cancer</source>
        <translation>Lua em Câncer</translation>
    </message>
    <message>
        <source>Caring </source>
        <translation>Acolhimento </translation>
    </message>
    <message>
        <source>Family and home is your priority. Good for spells which involve family and friends. You are good at Magick without trying to hard. Try not to be overly emotional. Try to relax.</source>
        <translation>A família e o lar são a sua prioridade. Bom para feitiços que envolvam a família e os amigos. Você faz boa magia sem precisar se esforçar muito. Procure não se deixar levar demais pelas emoções. Procure relaxar.</translation>
    </message>
    <message>
        <source>Moon In Leo</source>
        <translation>Lua em Leão</translation>
    </message>
    <message>
        <source>Resolute</source>
        <translation>Firmeza</translation>
    </message>
    <message>
        <source>Pleasure and hobbies take the forefront. Good for spells which involve children, power, love. Be sure to follow the right directions. You have the right frame of mind. Be sure to put it to good use.</source>
        <translation>O prazer e os passatempos ficam em primeiro plano. Bom para feitiços que envolvam crianças, poder e amor. Procure seguir o rumo certo. Você está com a disposição de espírito certa: trate de aproveitá-la bem.</translation>
    </message>
    <message>
        <source>Moon In Virgo</source>
        <translation>Lua em Virgem</translation>
    </message>
    <message>
        <source>Serious</source>
        <translation>Seriedade</translation>
    </message>
    <message>
        <source>Minute details are taken care of. Good for spells which involve illnesses, confidence and career. Do not be nervous and insecure. There doesn&apos;t always have to be a second plan ready in case the first one fails. Believe in yourself.</source>
        <translation>Os mínimos detalhes recebem atenção. Bom para feitiços que envolvam doenças, confiança e carreira. Não se deixe levar pelo nervosismo nem pela insegurança. Nem sempre é preciso ter um segundo plano pronto caso o primeiro falhe. Confie em si.</translation>
    </message>
    <message>
        <source>Moon In Libra</source>
        <translation>Lua em Libra</translation>
    </message>
    <message>
        <source>Helpful </source>
        <translation>Solicitude </translation>
    </message>
    <message>
        <source>This is the right time for alliances and partnerships. Good for spells which involve creativity, legal matters and business deals. You are good at what you do.</source>
        <translation>Este é o momento certo para alianças e parcerias. Bom para feitiços que envolvam criatividade, questões jurídicas e negócios. Você se sai bem no que faz.</translation>
    </message>
    <message>
        <source>Moon In Scorpio</source>
        <translation>Lua em Escorpião</translation>
    </message>
    <message>
        <source>Idealistic </source>
        <translation>Idealismo </translation>
    </message>
    <message>
        <source>Increases psychic powers. Good for spells which involve psychic development and authority. You may be very emotional but don&apos;t let your negative emotions overcome you. </source>
        <translation>Aumenta os poderes psíquicos. Bom para feitiços que envolvam desenvolvimento psíquico e autoridade. Suas emoções podem ficar à flor da pele, mas não deixe que as negativas tomem conta de você. </translation>
    </message>
    <message>
        <source>Moon In Sagittarius</source>
        <translation>Lua em Sagitário</translation>
    </message>
    <message>
        <source>Posetive</source>
        <translation>Positividade</translation>
    </message>
    <message>
        <source>Time to dream and move on. Good for spells which involve education and sports. You think with a positive mind. Just don&apos;t be hasty and forget the minute details.</source>
        <translation>Hora de sonhar e seguir em frente. Bom para feitiços que envolvam estudos e esportes. Você pensa de forma positiva. Só não aja com pressa nem se esqueça dos mínimos detalhes.</translation>
    </message>
    <message>
        <source>Moon In Capricorn</source>
        <translation>Lua em Capricórnio</translation>
    </message>
    <message>
        <source>Motivated</source>
        <translation>Motivação</translation>
    </message>
    <message>
        <source>This is the right time to increase business sense and responsibility. Good for spells which involve power, work and dreams. Think calmly but don&apos;t do not become too logical.</source>
        <translation>Este é o momento certo para aguçar o tino para os negócios e o senso de responsabilidade. Bom para feitiços que envolvam poder, trabalho e sonhos. Pense com calma, mas sem se prender demais à lógica.</translation>
    </message>
    <message>
        <source>Moon In Aquarius</source>
        <translation>Lua em Aquário</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Sociabilidade</translation>
    </message>
    <message>
        <source>Time to socialize and make merry. Good for spells which involve friends, analysis and personal development. You are a born natural. Try not to be too stubborn.</source>
        <translation>Hora de socializar e se divertir. Bom para feitiços que envolvam amigos, análise e desenvolvimento pessoal. Você tem um talento nato. Evite a teimosia.</translation>
    </message>
    <message>
        <source>Moon In Pisces</source>
        <translation>Lua em Peixes</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Otimismo</translation>
    </message>
    <message>
        <source>A lot of inner development will occur with new understanding and experience. Good for spells which involve psychic capabilities and intuition. Improve your self-confidence. Do not try to do bad Magick.</source>
        <translation>Haverá muito desenvolvimento interior, com novas compreensões e experiências. Bom para feitiços que envolvam capacidades psíquicas e intuição. Fortaleça a sua autoconfiança. Não tente fazer magia maléfica.</translation>
    </message>
    <message>
        <source>Magick related to the Fire element should be performed when the Moon is in any of the Fire Signs. This can include Magick related to strength, determination, new beginnings, children, power, love, education and sports.</source>
        <translation>A magia ligada ao elemento Fogo deve ser feita quando a Lua estiver em qualquer um dos signos de Fogo. Isso pode incluir magia ligada a força, determinação, novos começos, crianças, poder, amor, estudos e esportes.</translation>
    </message>
    <message>
        <source>Magick related to the Earth element should be performed when the Moon is in any of the Earth Signs. This can include Magick related to illnesses, confidence, career, education, sports, romance, property and finance. </source>
        <translation>A magia ligada ao elemento Terra deve ser feita quando a Lua estiver em qualquer um dos signos de Terra. Isso pode incluir magia ligada a doenças, confiança, carreira, estudos, esportes, romance, bens e finanças. </translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development.</source>
        <translation>A magia ligada ao elemento Ar deve ser feita quando a Lua estiver em qualquer um dos signos de Ar. Isso pode incluir magia ligada a viagens, negociações, participação pública, criatividade, questões jurídicas, negócios, amigos, análise e desenvolvimento pessoal.</translation>
    </message>
    <message>
        <source>Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This can include Magick related to journey, negotiations public involvement, creativity, legal matters, business deals, friends, analysis and personal development</source>
        <translation>A magia ligada ao elemento Ar deve ser feita quando a Lua estiver em qualquer um dos signos de Ar. Isso pode incluir magia ligada a viagens, negociações, participação pública, criatividade, questões jurídicas, negócios, amigos, análise e desenvolvimento pessoal</translation>
    </message>
    <message>
        <source>Magick related to the Water element should be performed when the Moon is in any of the Water Signs. This can include Magick related to family, friends, psychic development, authority, psychic capabilities and intuition.</source>
        <translation>A magia ligada ao elemento Água deve ser feita quando a Lua estiver em qualquer um dos signos de Água. Isso pode incluir magia ligada a família, amigos, desenvolvimento psíquico, autoridade, capacidades psíquicas e intuição.</translation>
    </message>
</context>
<context>
    <name>Offers</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>O fórum místico online mais popular. O melhor recurso para tudo o que é místico. Visite %1 agora</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra o seu próprio negócio na internet e ganhe dinheiro online. Tenha este programa inteiramente com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa. Aumente a fidelidade e o tráfego do seu site. Ponha aqui o nome &amp;&amp; o link do seu site. Consulte a &quot;Ajuda&quot; para saber mais. Clique aqui para mais informações sobre a parceria de marca.</translation>
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
        <translation>L</translation>
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
        <translation>Digite uma latitude.</translation>
    </message>
    <message>
        <source>Type a longitude.</source>
        <translation>Digite uma longitude.</translation>
    </message>
    <message>
        <source>Type a latitude like 52.52 or 52°31′N.</source>
        <translation>Digite uma latitude como 52,52 ou 52°31′N.</translation>
    </message>
    <message>
        <source>Type a longitude like 13.41 or 13°24′E.</source>
        <translation>Digite uma longitude como 13,41 ou 13°24′L.</translation>
    </message>
    <message>
        <source>Use N or S after a latitude.</source>
        <translation>Use N ou S depois da latitude.</translation>
    </message>
    <message>
        <source>Use E or W after a longitude.</source>
        <translation>Use L ou O depois da longitude.</translation>
    </message>
    <message>
        <source>Give either a sign or a letter, not both.</source>
        <translation>Use um sinal ou uma letra, não os dois.</translation>
    </message>
    <message>
        <source>A latitude lies between 90° S and 90° N.</source>
        <translation>A latitude fica entre 90° S e 90° N.</translation>
    </message>
    <message>
        <source>A longitude lies between 180° W and 180° E.</source>
        <translation>A longitude fica entre 180° O e 180° L.</translation>
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
        <translation>O dia do Sol</translation>
    </message>
    <message>
        <source>The day of the Moon</source>
        <translation>O dia da Lua</translation>
    </message>
    <message>
        <source>The day of Mars</source>
        <translation>O dia de Marte</translation>
    </message>
    <message>
        <source>The day of Mercury</source>
        <translation>O dia de Mercúrio</translation>
    </message>
    <message>
        <source>The day of Jupiter</source>
        <translation>O dia de Júpiter</translation>
    </message>
    <message>
        <source>The day of Venus</source>
        <translation>O dia de Vênus</translation>
    </message>
    <message>
        <source>The day of Saturn</source>
        <translation>O dia de Saturno</translation>
    </message>
    <message>
        <source>%1: sunrise %2, sunset %3, next sunrise %4</source>
        <translation>%1: nascer do sol às %2, pôr do sol às %3, próximo nascer do sol às %4</translation>
    </message>
    <message>
        <source>%1: the sun sets at %2 and does not rise again this day.</source>
        <translation>%1: o Sol se põe às %2 e não volta a nascer neste dia.</translation>
    </message>
    <message>
        <source>%1: the sun does not set.</source>
        <translation>%1: o Sol não se põe.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise.</source>
        <translation>%1: o Sol não nasce.</translation>
    </message>
    <message>
        <source>%1: the sun does not set within a day after it rises at %2.</source>
        <translation>%1: o Sol nasce às %2 e não se põe nas 24 horas seguintes.</translation>
    </message>
    <message>
        <source>%1: the sun does not rise again within a day after it sets at %2.</source>
        <translation>%1: o Sol se põe às %2 e não volta a nascer nas 24 horas seguintes.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun sets at %1 and does not rise again this day, so there is no daylight and night to divide.</source>
        <translation>Não há horas planetárias neste dia: o Sol se põe às %1 e não volta a nascer neste dia, portanto não há um dia e uma noite para dividir em horas.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set, so there is no daylight and night to divide.</source>
        <translation>Não há horas planetárias neste dia: o Sol não se põe, portanto não há um dia e uma noite para dividir em horas.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise, so there is no daylight and night to divide.</source>
        <translation>Não há horas planetárias neste dia: o Sol não nasce, portanto não há um dia e uma noite para dividir em horas.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not set within a day after it rises at %1, so there is no daylight and night to divide.</source>
        <translation>Não há horas planetárias neste dia: o Sol nasce às %1 e não se põe nas 24 horas seguintes, portanto não há um dia e uma noite para dividir em horas.</translation>
    </message>
    <message>
        <source>No planetary hours this day: the sun does not rise again within a day after it sets at %1, so there is no daylight and night to divide.</source>
        <translation>Não há horas planetárias neste dia: o Sol se põe às %1 e não volta a nascer nas 24 horas seguintes, portanto não há um dia e uma noite para dividir em horas.</translation>
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
        <translation>Lua</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
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
        <translation>Netuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutão</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>New moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>First and last quarters</source>
        <translation>Quartos crescente e minguante</translation>
    </message>
    <message>
        <source>The moon entering a sign</source>
        <translation>Entrada da Lua em um signo</translation>
    </message>
    <message>
        <source>The void-of-course moon starting</source>
        <translation>Início da Lua fora de curso</translation>
    </message>
    <message>
        <source>Sabbats</source>
        <translation>Sabás</translation>
    </message>
    <message>
        <source>Eclipses seen from here</source>
        <translation>Eclipses visíveis daqui</translation>
    </message>
    <message>
        <source>A planet turning retrograde or direct</source>
        <translation>Estação de um planeta (retrógrado ou direto)</translation>
    </message>
    <message>
        <source>A planetary hour starting</source>
        <translation>Início de uma hora planetária</translation>
    </message>
    <message>
        <source>At the moment</source>
        <translation>Na hora</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 minutos antes</translation>
    </message>
    <message>
        <source>In 15 minutes</source>
        <translation>Em 15 minutos</translation>
    </message>
    <message>
        <source>1 hour before</source>
        <translation>1 hora antes</translation>
    </message>
    <message>
        <source>In 1 hour</source>
        <translation>Em 1 hora</translation>
    </message>
    <message>
        <source>3 hours before</source>
        <translation>3 horas antes</translation>
    </message>
    <message>
        <source>In 3 hours</source>
        <translation>Em 3 horas</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 dia antes</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Amanhã</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 dias antes</translation>
    </message>
    <message>
        <source>In 3 days</source>
        <translation>Em 3 dias</translation>
    </message>
    <message>
        <source>The hour of %1 begins</source>
        <translation>%1: começa a sua hora planetária</translation>
    </message>
    <message>
        <source>The moon is void of course</source>
        <translation>A Lua está fora de curso</translation>
    </message>
    <message>
        <source>%1 turns direct in %2</source>
        <translation>%1 fica direto em %2</translation>
    </message>
    <message>
        <source>%1 turns retrograde in %2</source>
        <translation>%1 fica retrógrado em %2</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>the calendar file could not be made</source>
        <translation>não foi possível criar o arquivo de calendário</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>não foi possível criar o PDF</translation>
    </message>
    <message>
        <source>the autostart entry could not be made</source>
        <translation>não foi possível criar a entrada de inicialização automática</translation>
    </message>
    <message>
        <source>The calendar file could not be saved as %1: %2. Nothing was written.</source>
        <translation>Não foi possível salvar o arquivo de calendário como %1: %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: %2. Nothing was written.</source>
        <translation>Não foi possível salvar o PDF como %1: %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>The autostart entry could not be saved as %1: %2. Nothing was written.</source>
        <translation>Não foi possível salvar a entrada de inicialização automática como %1: %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>the list of events could not be made</source>
        <translation>não foi possível criar a lista de eventos</translation>
    </message>
    <message>
        <source>The list of events could not be saved as %1: %2. Nothing was written.</source>
        <translation>Não foi possível salvar a lista de eventos como %1: %2. Nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
</context>
<context>
    <name>SkyWords</name>
    <message>
        <source>%1 %2</source>
        <comment>a weekday and a time</comment>
        <translation>%1 às %2</translation>
    </message>
    <message>
        <source>Void of course from %1 until the moon enters %2 at %3</source>
        <translation>Fora de curso de %1 até %3, quando a Lua entra em %2</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está em execução</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Pode haver uma atualização disponível para este programa<byte value="xd"/>Deseja procurar uma atualização?</translation>
    </message>
</context>
<context>
    <name>lunara::MoonMonthModel</name>
    <message>
        <source>%1, new moon at %2</source>
        <translation>%1, lua nova às %2</translation>
    </message>
    <message>
        <source>%1, first quarter at %2</source>
        <translation>%1, quarto crescente às %2</translation>
    </message>
    <message>
        <source>%1, full moon at %2</source>
        <translation>%1, lua cheia às %2</translation>
    </message>
    <message>
        <source>%1, last quarter at %2</source>
        <translation>%1, quarto minguante às %2</translation>
    </message>
    <message>
        <source>%1: no such day here, the clocks skipped it</source>
        <translation>%1: este dia não existe aqui, os relógios o pularam</translation>
    </message>
    <message>
        <source>%1, %2 % lit, moon in %3</source>
        <translation>%1, %2% iluminada, Lua em %3</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a day&apos;s words and one of its events</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>today, chosen</source>
        <translation>hoje, selecionado</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>selecionado</translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation>Semana de %1</translation>
    </message>
</context>
<context>
    <name>lunara::Notifier</name>
    <message>
        <source>Show in calendar</source>
        <translation>Mostrar no calendário</translation>
    </message>
</context>
<context>
    <name>lunara::Reminders</name>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>Late reminder</source>
        <translation>Lembrete atrasado</translation>
    </message>
    <message>
        <source>%1: %2 at %3 (%4)</source>
        <translation>%1: %2 às %3 (%4)</translation>
    </message>
    <message>
        <source>Today, all day (%1)</source>
        <translation>Hoje, o dia todo (%1)</translation>
    </message>
    <message>
        <source>%1: %2, all day (%3)</source>
        <translation>%1: %2, o dia todo (%3)</translation>
    </message>
    <message>
        <source>%1 in %2, void of course until %3</source>
        <translation>%1 em %2, fora de curso até %3</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <comment>the moon&apos;s phase and sign</comment>
        <translation>%1 em %2</translation>
    </message>
</context>
<context>
    <name>lunara::Services</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>%1: its lock %2 is held and cannot be cleared</source>
        <translation>%1: o seu bloqueio %2 está ocupado e não pode ser liberado</translation>
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
        <translation>A magia é um caminho muito praticado no mundo da adivinhação. O Lunara reúne a Velmora Magia das Velas e a Velmora Magia Lunar e mostra a correspondência entre os diferentes rituais de magia e as cores de vela que devem ser usadas, bem como a influência das fases da Lua nos rituais de magia.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Oportunidade de negócio em casa. Abra o seu próprio negócio na internet e ganhe dinheiro online. Tenha este programa inteiramente com a marca do seu site. </translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
</context>
<context>
    <name>lunara::frmCandleMagickMain</name>
    <message>
        <source>Velmora Candle Magick displays the correspondence between different magick rituals and the colors of candles that should be used. Candle magick is very effective when the right candles are used for the right purposes. This needs to be repeated many times before your purpose is solved. Note that you do not harm to anyone.</source>
        <translation>A Velmora Magia das Velas mostra a correspondência entre os rituais de magia e as cores de vela a usar. A magia com velas é muito eficaz quando se usam as velas certas para os propósitos certos. Pode ser preciso repetir o ritual muitas vezes até o seu propósito se cumprir. Lembre-se: não faça mal a ninguém.</translation>
    </message>
    <message>
        <source>Select one of the following purposes and know which candle to use.</source>
        <translation>Escolha um dos propósitos abaixo e descubra qual vela usar.</translation>
    </message>
    <message>
        <source>Candle Selection</source>
        <translation>Escolha da vela</translation>
    </message>
    <message>
        <source>Available Options</source>
        <translation>Opções disponíveis</translation>
    </message>
    <message>
        <source>&amp;Get Candle Magick Reading</source>
        <translation>Ver a &amp;leitura da vela</translation>
    </message>
    <message>
        <source>Candle Color</source>
        <translation>Cor da vela</translation>
    </message>
    <message>
        <source>Option Selection</source>
        <translation>Opção escolhida</translation>
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
        <translation>Vol&amp;tar</translation>
    </message>
    <message>
        <source>Velmora Candle Magick</source>
        <translation>Velmora Magia das Velas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Horas de Magia</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>To be given</source>
        <translation>A definir</translation>
    </message>
</context>
<context>
    <name>lunara::frmExportCalendar</name>
    <message>
        <source>Range</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>A c&amp;hosen year:</source>
        <translation>Um ano escol&amp;hido:</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>The four &amp;quarters</source>
        <translation>As &amp;quatro fases principais</translation>
    </message>
    <message>
        <source>The moon entering each &amp;sign</source>
        <translation>A entrada da Lua em cada &amp;signo</translation>
    </message>
    <message>
        <source>&amp;Void-of-course periods, counting</source>
        <translation>Períodos de Lua &amp;fora de curso, considerando</translation>
    </message>
    <message>
        <source>C&amp;lassic planets (Sun to Saturn)</source>
        <translation>Planetas &amp;clássicos (do Sol a Saturno)</translation>
    </message>
    <message>
        <source>M&amp;odern planets (to Pluto)</source>
        <translation>Planetas m&amp;odernos (até Plutão)</translation>
    </message>
    <message>
        <source>The &amp;Wheel of the Year&apos;s sabbats</source>
        <translation>Os sa&amp;bás da Roda do Ano</translation>
    </message>
    <message>
        <source>Ecli&amp;pses, as seen from here</source>
        <translation>Ecli&amp;pses, como vistos daqui</translation>
    </message>
    <message>
        <source>&amp;Retrograde periods, as whole days</source>
        <translation>Períodos &amp;retrógrados, em dias inteiros</translation>
    </message>
    <message>
        <source>Full moon &amp;names, blue and black moons</source>
        <translation>&amp;Nomes das luas cheias, luas azuis e negras</translation>
    </message>
    <message>
        <source>S&amp;upermoons and micromoons</source>
        <translation>S&amp;uperluas e microluas</translation>
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
        <translation>Exportar para calendário</translation>
    </message>
    <message>
        <source>This &amp;month (%1)</source>
        <translation>Este &amp;mês (%1)</translation>
    </message>
    <message>
        <source>This &amp;year (%1)</source>
        <translation>Este &amp;ano (%1)</translation>
    </message>
    <message>
        <source>Year to export</source>
        <translation>Ano a exportar</translation>
    </message>
    <message>
        <source>Choose at least one kind of event.</source>
        <translation>Escolha pelo menos um tipo de evento.</translation>
    </message>
</context>
<context>
    <name>lunara::frmLocation</name>
    <message>
        <source>Degrees north and east are positive; 51°28′N or 0°07′W work too.</source>
        <translation>Graus norte e leste são positivos; 51°28′N ou 0°07′O também valem.</translation>
    </message>
    <message>
        <source>Use &amp;Default</source>
        <translation>&amp;Usar o padrão</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>&amp;Find a city:</source>
        <translation>&amp;Procurar cidade:</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Cidades</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>L&amp;atitude:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>L&amp;ongitude:</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Limpar a pesquisa</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, as your time zone names no city.</source>
        <translation>Sem uma escolha, o Lunara usa %1, pois o seu fuso horário não indica nenhuma cidade.</translation>
    </message>
    <message>
        <source>Without a choice, Lunara uses %1, the city of your time zone.</source>
        <translation>Sem uma escolha, o Lunara usa %1, a cidade do seu fuso horário.</translation>
    </message>
    <message>
        <source>The location is used now but could not be saved for next time.</source>
        <translation>A localização já está em uso, mas não pôde ser salva para a próxima vez.</translation>
    </message>
</context>
<context>
    <name>lunara::frmMDI</name>
    <message>
        <source>&amp;Moon Magick</source>
        <translation>&amp;Magia Lunar</translation>
    </message>
    <message>
        <source>&amp;Candle Magick</source>
        <translation>Magia das &amp;Velas</translation>
    </message>
    <message>
        <source>Welcome to Lunara</source>
        <translation>Boas-vindas ao Lunara</translation>
    </message>
    <message>
        <source>Welcome to the Magickal world of occult and spirituality. Lunara will open new doors in Candle and Moon magick. Use the different resources to gain more understanding of the subject.</source>
        <translation>Entre no mundo mágico do oculto e da espiritualidade. O Lunara vai abrir novas portas na magia das velas e na magia lunar. Use os diferentes recursos para compreender melhor o assunto.</translation>
    </message>
    <message>
        <source>Lunara includes the following programs</source>
        <translation>O Lunara inclui os seguintes programas</translation>
    </message>
    <message>
        <source>Candle Magick</source>
        <translation>Magia das Velas</translation>
    </message>
    <message>
        <source>Moon Magick</source>
        <translation>Magia Lunar</translation>
    </message>
    <message>
        <source>Moon Calendar</source>
        <translation>Calendário Lunar</translation>
    </message>
    <message>
        <source>Magick Hours</source>
        <translation>Horas de Magia</translation>
    </message>
    <message>
        <source>The Year</source>
        <translation>O Ano</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Lunara v1.20</source>
        <translation>Lunara v1.20</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>O fórum místico online mais popular. O melhor recurso para tudo o que é místico. Visite %1 agora</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Lit candles</source>
        <translation>Velas acesas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Calendário Lunar</translation>
    </message>
    <message>
        <source>Magick &amp;Hours</source>
        <translation>&amp;Horas de Magia</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>&amp;O Ano</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>&amp;Lembretes...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Stop Reminders and Quit</source>
        <translation>&amp;Parar lembretes e encerrar</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Lunara speaks the language chosen from its next start.</source>
        <translation>O Lunara usará o idioma escolhido a partir da próxima vez que for iniciado.</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings cannot be written.</source>
        <translation>Não foi possível guardar o idioma: as configurações não podem ser gravadas.</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>Padrão do &amp;sistema</translation>
    </message>
    <message>
        <source>Reminders cannot be remembered</source>
        <translation>Não é possível memorizar os lembretes</translation>
    </message>
    <message>
        <source>Lunara cannot write its settings (%1). Until it can, it does not remember across restarts which reminders it has shown, so one may come again after Lunara starts anew.</source>
        <translation>O Lunara não consegue gravar as suas configurações (%1). Enquanto não conseguir, ele não se lembrará, de uma execução para outra, de quais lembretes já mostrou; assim, um lembrete pode aparecer de novo quando o Lunara for reiniciado.</translation>
    </message>
    <message>
        <source>&amp;Open Lunara</source>
        <translation>&amp;Abrir o Lunara</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Encerrar</translation>
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
        <translation>&amp;Hoje</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>Loca&amp;l...</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>A Lua</translation>
    </message>
    <message>
        <source>Void of course</source>
        <translation>Fora de curso</translation>
    </message>
    <message>
        <source>Aspects to</source>
        <translation>Aspectos com</translation>
    </message>
    <message>
        <source>&amp;Classic planets (Sun to Saturn)</source>
        <translation>Planetas &amp;clássicos (do Sol a Saturno)</translation>
    </message>
    <message>
        <source>&amp;Modern planets (to Pluto)</source>
        <translation>Planetas &amp;modernos (até Plutão)</translation>
    </message>
    <message>
        <source>Enter or a double click on an hour shows its planet&apos;s candle in Candle Magick.</source>
        <translation>Pressione Enter ou dê um clique duplo em uma hora para ver a vela do planeta dessa hora na Magia das Velas.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Lunara Magick Hours</source>
        <translation>Lunara – Horas de Magia</translation>
    </message>
    <message>
        <source>Planetary hours</source>
        <translation>Horas planetárias</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
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
        <translation>Dia anterior</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Próximo dia</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>&amp;Previous Day</source>
        <translation>Dia &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>&amp;Próximo dia</translation>
    </message>
    <message>
        <source>Planetary hours for %1; times in %2 (%3)</source>
        <translation>Horas planetárias para %1; horários no fuso %2 (%3)</translation>
    </message>
    <message>
        <source>Planetary hours for %1</source>
        <translation>Horas planetárias para %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>Noturna %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Diurna %1</translation>
    </message>
    <message>
        <source>%1 (now)</source>
        <comment>an hour&apos;s name</comment>
        <translation>%1 (agora)</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Hora noturna %1, das %2 às %3, %4, cor da vela: %5, agora</translation>
    </message>
    <message>
        <source>Night hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Hora noturna %1, das %2 às %3, %4, cor da vela: %5</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle, now</source>
        <translation>Hora diurna %1, das %2 às %3, %4, cor da vela: %5, agora</translation>
    </message>
    <message>
        <source>Day hour %1, %2 to %3, %4, %5 candle</source>
        <translation>Hora diurna %1, das %2 às %3, %4, cor da vela: %5</translation>
    </message>
    <message>
        <source>%1, in %2 (now)</source>
        <translation>%1, em %2 (agora)</translation>
    </message>
    <message>
        <source>%1, in %2 (at noon)</source>
        <translation>%1, em %2 (ao meio-dia)</translation>
    </message>
    <message>
        <source>The moon is not void of course this day.</source>
        <translation>A Lua não fica fora de curso neste dia.</translation>
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
        <translation>&amp;Hoje</translation>
    </message>
    <message>
        <source>Hemisphere:</source>
        <translation>Hemisfério:</translation>
    </message>
    <message>
        <source>&amp;Northern</source>
        <translation>&amp;Norte</translation>
    </message>
    <message>
        <source>&amp;Southern</source>
        <translation>Su&amp;l</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>Lo&amp;cal...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Lunara Moon Calendar</source>
        <translation>Lunara – Calendário Lunar</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Dias do mês</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Gerar P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar...</source>
        <translation>&amp;Exportar para calendário...</translation>
    </message>
    <message>
        <source>The &amp;Year</source>
        <translation>O &amp;Ano</translation>
    </message>
    <message>
        <source>&amp;Reminders...</source>
        <translation>Le&amp;mbretes...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>Mês &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>&amp;Próximo mês</translation>
    </message>
    <message>
        <source>Sunrise and sunset for %1</source>
        <translation>Nascer e pôr do sol em %1</translation>
    </message>
    <message>
        <source>Your time zone names no city.</source>
        <translation>O seu fuso horário não indica nenhuma cidade.</translation>
    </message>
    <message>
        <source>%1 is your time zone&apos;s city.</source>
        <translation>%1 é a cidade do seu fuso horário.</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>Não foi possível usar a impressora. Nada foi impresso.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exportar para calendário</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Arquivos de calendário (*.ics)</translation>
    </message>
    <message>
        <source>The sun does not set</source>
        <translation>O Sol não se põe</translation>
    </message>
    <message>
        <source>The sun does not rise</source>
        <translation>O Sol não nasce</translation>
    </message>
    <message>
        <source>The moon does not set</source>
        <translation>A Lua não se põe</translation>
    </message>
    <message>
        <source>The moon does not rise</source>
        <translation>A Lua não nasce</translation>
    </message>
    <message>
        <source>sunrise %1</source>
        <translation>nascer do sol às %1</translation>
    </message>
    <message>
        <source>sunset %1</source>
        <translation>pôr do sol às %1</translation>
    </message>
    <message>
        <source>moonrise %1</source>
        <translation>nascer da lua às %1</translation>
    </message>
    <message>
        <source>moonset %1</source>
        <translation>pôr da lua às %1</translation>
    </message>
    <message>
        <source>no sunrise this day</source>
        <translation>sem nascer do sol neste dia</translation>
    </message>
    <message>
        <source>no moonrise this day</source>
        <translation>sem nascer da lua neste dia</translation>
    </message>
    <message>
        <source>no sunset this day</source>
        <translation>sem pôr do sol neste dia</translation>
    </message>
    <message>
        <source>no moonset this day</source>
        <translation>sem pôr da lua neste dia</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the phrases of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>The moon is not void of course this day</source>
        <translation>A Lua não fica fora de curso neste dia</translation>
    </message>
    <message>
        <source>No such day here: the clocks skipped it</source>
        <translation>Este dia não existe aqui: os relógios o pularam</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <comment>a phase and the time of its quarter</comment>
        <translation>%1 às %2</translation>
    </message>
    <message>
        <source>Moon picture: %1</source>
        <translation>Imagem da Lua: %1</translation>
    </message>
    <message>
        <source>Age: %1 days</source>
        <translation>Idade: %1 dias</translation>
    </message>
    <message>
        <source>Lit: %1 %</source>
        <translation>Iluminada: %1%</translation>
    </message>
    <message>
        <source>The moon enters %1 at %2</source>
        <translation>A Lua entra em %1 às %2</translation>
    </message>
    <message>
        <source>enters %1 at %2</source>
        <translation>entra em %1 às %2</translation>
    </message>
    <message>
        <source>Keyword: %1</source>
        <translation>Palavra-chave: %1</translation>
    </message>
    <message>
        <source>Element: %1</source>
        <translation>Elemento: %1</translation>
    </message>
    <message numerus="yes">
        <source>The traditional rule says %n days, %1</source>
        <translation>
            <numerusform>Pela regra tradicional, %n dia: %1</numerusform>
            <numerusform>Pela regra tradicional, %n dias: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, today</source>
        <translation>Próxima lua nova: %1 às %2, hoje</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, today</source>
        <translation>Próxima lua cheia: %1 às %2, hoje</translation>
    </message>
    <message>
        <source>Next new moon: %1 at %2, in 1 day</source>
        <translation>Próxima lua nova: %1 às %2, daqui a 1 dia</translation>
    </message>
    <message>
        <source>Next full moon: %1 at %2, in 1 day</source>
        <translation>Próxima lua cheia: %1 às %2, daqui a 1 dia</translation>
    </message>
    <message numerus="yes">
        <source>Next new moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Próxima lua nova: %1 às %2, daqui a %n dia</numerusform>
            <numerusform>Próxima lua nova: %1 às %2, daqui a %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Next full moon: %1 at %2, in %n days</source>
        <translation>
            <numerusform>Próxima lua cheia: %1 às %2, daqui a %n dia</numerusform>
            <numerusform>Próxima lua cheia: %1 às %2, daqui a %n dias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickDisplay</name>
    <message>
        <source>Keywords</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>Moon Phase on</source>
        <translation>Fase da Lua em</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Hoje é</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Vol&amp;tar</translation>
    </message>
    <message numerus="yes">
        <source>Moon picture: %n days, %1</source>
        <translation>
            <numerusform>Imagem da Lua: %n dia, %1</numerusform>
            <numerusform>Imagem da Lua: %n dias, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Velmora Magia Lunar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
</context>
<context>
    <name>lunara::frmMoonMagickMain</name>
    <message>
        <source>The Moon has a strong influence on magick rituals. Know more about the moon phases and the corresponding effects on magick.</source>
        <translation>A Lua tem forte influência sobre os rituais de magia. Conheça melhor as fases da Lua e os seus efeitos na magia.</translation>
    </message>
    <message>
        <source>Enter Date for Moon Magick</source>
        <translation>Informe a data para a Magia Lunar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Moon Phase - Magick Correspondence</source>
        <translation>Fase da Lua - Correspondência na magia</translation>
    </message>
    <message>
        <source>Zodiacal Moon Magick</source>
        <translation>Magia Lunar Zodiacal</translation>
    </message>
    <message>
        <source>Elemental Moon Magick</source>
        <translation>Magia Lunar Elemental</translation>
    </message>
    <message>
        <source>Moon &amp;Magick Reading</source>
        <translation>&amp;Leitura da Magia Lunar</translation>
    </message>
    <message>
        <source>Today&apos;s Moon Phase</source>
        <translation>Fase da Lua hoje</translation>
    </message>
    <message>
        <source>Today Is</source>
        <translation>Hoje é</translation>
    </message>
    <message>
        <source>Today&apos;s Zodiacal Elemental Moon Magick</source>
        <translation>Magia Lunar zodiacal e elemental de hoje</translation>
    </message>
    <message>
        <source>Keywords:-</source>
        <translation>Palavras-chave:</translation>
    </message>
    <message>
        <source>Today&apos;s Elemental Moon Magick</source>
        <translation>Magia Lunar elemental de hoje</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>Velmora Moon Magick</source>
        <translation>Velmora Magia Lunar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Moon &amp;Calendar</source>
        <translation>&amp;Calendário Lunar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation>Informe uma data válida!</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminder</name>
    <message>
        <source>Lunara Reminders</source>
        <translation>Lunara – Lembretes</translation>
    </message>
    <message>
        <source>&amp;Reminders:</source>
        <translation>&amp;Lembretes:</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Show in &amp;Calendar</source>
        <translation>Mostrar no &amp;calendário</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>lunara::frmReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Remind me of:</source>
        <translation>Lembrar-me de:</translation>
    </message>
    <message>
        <source>When: %1</source>
        <translation>Quando: %1</translation>
    </message>
    <message>
        <source>Whose planetary hour</source>
        <translation>Planeta da hora planetária</translation>
    </message>
    <message>
        <source>&amp;Start with my session (in the background)</source>
        <translation>&amp;Iniciar com a minha sessão (em segundo plano)</translation>
    </message>
    <message>
        <source>While any reminder is on, closing Lunara keeps it running in the tray to remind you; choose Quit in the tray icon&apos;s menu to end it.</source>
        <translation>Enquanto houver algum lembrete ativo, fechar o Lunara o mantém em execução na área de notificação para lembrar você; para encerrá-lo, escolha Encerrar no menu do ícone.</translation>
    </message>
    <message>
        <source>This desktop has no tray: Lunara reminds you while it runs. Started with your session it runs in the background; its File menu then offers &quot;Stop Reminders and Quit&quot;.</source>
        <translation>Este ambiente gráfico não tem área de notificação: o Lunara lembra você enquanto estiver em execução. Iniciado com a sua sessão, ele roda em segundo plano; o menu Arquivo passa então a oferecer &quot;Parar lembretes e encerrar&quot;.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The reminders could not be kept: the settings cannot be written.</source>
        <translation>Não foi possível guardar os lembretes: as configurações não podem ser gravadas.</translation>
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
        <translation>Gerar P&amp;DF...</translation>
    </message>
    <message>
        <source>Enter or a double click on an entry opens the Moon Calendar at its day.</source>
        <translation>Pressione Enter ou dê um clique duplo em um item para abrir o Calendário Lunar nesse dia.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the first and last day of a period</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The Wheel of the Year</source>
        <translation>A Roda do Ano</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclipses</translation>
    </message>
    <message>
        <source>Retrogrades</source>
        <translation>Retrogradações</translation>
    </message>
    <message>
        <source>Full moons</source>
        <translation>Luas cheias</translation>
    </message>
    <message>
        <source>Blue and black moons</source>
        <translation>Luas azuis e negras</translation>
    </message>
    <message>
        <source>Supermoons and micromoons</source>
        <translation>Superluas e microluas</translation>
    </message>
    <message>
        <source>None this year</source>
        <translation>Nenhum evento neste ano</translation>
    </message>
    <message>
        <source>Lunara: The Year %1 (continued)</source>
        <translation>Lunara: O Ano de %1 (continuação)</translation>
    </message>
    <message>
        <source>Lunara: The Year %1</source>
        <translation>Lunara: O Ano de %1</translation>
    </message>
    <message>
        <source>Lunara: The Year</source>
        <translation>Lunara: O Ano</translation>
    </message>
    <message>
        <source>The year&apos;s events</source>
        <translation>Eventos do ano</translation>
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
        <translation>Ano anterior</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Próximo ano</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Show in Moon &amp;Calendar</source>
        <translation>Mostrar no &amp;Calendário Lunar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>For %1; southern hemisphere; times in %2</source>
        <translation>Para %1; hemisfério sul; horários no fuso %2</translation>
    </message>
    <message>
        <source>For %1; northern hemisphere; times in %2</source>
        <translation>Para %1; hemisfério norte; horários no fuso %2</translation>
    </message>
    <message>
        <source>The printer could not be used. Nothing was printed.</source>
        <translation>Não foi possível usar a impressora. Nada foi impresso.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
</context>
</TS>
