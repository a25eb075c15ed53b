// SPDX-License-Identifier: GPL-3.0-or-later
// The decanate table in Spanish: the English table's rows, in the same order, each field translated.
#include "decanates/translations/Translations.h"

namespace tessaline {

namespace {

// Tree texts belong to rows, not to tree names: several rows share one text, and a shared text may
// serve rows whose trees differ. Each text is written once here and referenced from the table.

// Aries 1
constexpr std::string_view kTreeTruthAndKnowledge
    = "Este árbol simboliza la verdad y el conocimiento, y tú llevas ambos como un viejo roble lleva sus anillos. "
      "Hablas con franqueza y esperas lo mismo de los demás. Las tormentas doblan tus ramas, pero rara vez "
      "alcanzan tus raíces. La gente acude a ti en busca de refugio y se marcha con consejos que no sabía que "
      "necesitaba.";

// Aries 2, Libra 2, Scorpio 1, Capricorn 2
constexpr std::string_view kTreeArtisticTemperament
    = "Tendrás un temperamento artístico y una mirada aguda para lo que otros pasan por alto. Creces deprisa y "
      "siempre buscas la luz. Las críticas te duelen más de lo que admites. Con un rincón tranquilo y una tarde "
      "libre, puedes crear algo precioso con muy poco.";

// Aries 3, Libra 3
constexpr std::string_view kTreeLogicalAndPractical
    = "Tienes una mente muy lógica y práctica, pero guardas un corazón tierno, como un higo maduro. Los "
      "aspavientos te aburren y prefieres las cosas que simplemente funcionan. Antes elegirías una mesa familiar "
      "llena que un título impresionante. Das tu palabra pocas veces y siempre la cumples.";

// Taurus 1, Cancer 2
constexpr std::string_view kTreePracticalNature
    = "Tienes una naturaleza muy práctica y poca paciencia para los planes que solo funcionan sobre el papel. "
      "Planeas tus movimientos como en el ajedrez, con varias jugadas de antelación. Hay quien habla de tu "
      "terquedad, pero tus amistades saben que pueden apoyarse en ti. En plena crisis es cuando mejor conservas la "
      "cabeza fría.";

// Taurus 2, Scorpio 2
constexpr std::string_view kTreeDrivenByMoods
    = "Te dejas llevar con mucha facilidad por tus estados de ánimo y te meces como un sauce cuando cambia el "
      "viento. La lluvia y la luz de la luna te sientan mejor que el duro sol del mediodía. Recuerdas cada gesto "
      "amable y cada desaire. Tu intuición es fuerte, y cuando confías en ella rara vez te equivocas.";

// Taurus 3, Scorpio 3
constexpr std::string_view kTreeCalmAndPatient
    = "Tienes un carácter tranquilo y paciente, como el olmo, que tarda un siglo en alcanzar toda su altura. Te "
      "gusta dirigir, aunque nunca alzas la voz. Los errores te molestan, sobre todo los tuyos. Cumples tus "
      "promesas y esperas que los demás cumplan las suyas.";

// Gemini 1, Sagittarius 1
constexpr std::string_view kTreeAshLively
    = "Las personas del Fresno son muy vivaces y de ingenio rápido, y rara vez se quedan quietas mucho tiempo. "
      "Miras hacia lo que podría ser en lugar de mirar atrás, a lo que fue. Las normas te parecen sugerencias "
      "amistosas. Das con generosidad, pero en cualquier relación necesitas espacio para respirar.";

// Gemini 2, Sagittarius 2
constexpr std::string_view kTreePowerfulThinking
    = "Tienes una mente poderosa que detecta al instante el fallo de un plan. Como el serbal, floreces con modestia "
      "y das tu fruto tarde. No persigues la atención. Para ti el deber va primero, y el placer espera su turno "
      "con educación.";

// Gemini 3, Sagittarius 3
constexpr std::string_view kTreeOptimist
    = "Serás optimista y verás el oasis mucho antes de que termine el desierto. Como la palmera datilera, "
      "prosperas donde otros se marchitan. Disfrutas de tener público y cuentas muy bien una historia. Tus "
      "amistades te buscan cuando necesitan levantar el ánimo.";

// Cancer 1
constexpr std::string_view kTreeGoodOrganizers
    = "Por lo general tienes un gran talento para organizar, con las líneas limpias del abedul y la generosidad "
      "del manzano. Una cocina ordenada y una mesa llena te dan la felicidad. Te das cuenta de quién no ha comido "
      "y le pasas el pan sin decir nada. Tu humor cambia con las estaciones, pero tus cuidados no cambian nunca.";

// Cancer 3, Capricorn 3
constexpr std::string_view kTreeCharmingAndDreamy
    = "Puedes tener mucho encanto y un aire soñador, con un dulce aroma a flor de tilo flotando a tu alrededor. No "
      "te gustan los conflictos y harías casi cualquier cosa por evitar una escena. La comodidad es importante "
      "para ti. Bajo esos modales suaves se esconde una lealtad obstinada que sorprende a la gente.";

// Leo 1, Aquarius 1
constexpr std::string_view kTreeThinkALot
    = "Pensarás mucho. Sabrás adaptarte a entornos distintos. Puede que te dé pereza y te pases el día entero "
      "soñando con los ojos abiertos.";

// Leo 2
constexpr std::string_view kTreeColdHearted
    = "Tendrás un corazón frío y no te conmoverás con facilidad, al menos en apariencia, como la madera del "
      "carpe, una de las más duras del bosque. Valoras el orden y los buenos modales. Por dentro guardas más "
      "ternura de la que nadie imagina. Cuando alguien se gana tu confianza, la conserva para toda la vida.";

// Leo 3, Aquarius 3
constexpr std::string_view kTreeOwnWealth
    = "Ganarás tu propia fortuna y disfrutarás de cada moneda. Como el arce en otoño, muestras tus colores más "
      "vivos cuando otros se apagan. Te gusta la vida social y tienes un punto de vanidad. Las ideas nuevas te "
      "entusiasman y el aburrimiento rara vez te encuentra.";

// Virgo 1, Virgo 2, Pisces 1
constexpr std::string_view kTreePolishedAndDignified
    = "Tendrás refinamiento y dignidad, y te sentirás tan a gusto en un estudio silencioso como en una ladera "
      "azotada por el viento. Como el pino, sigues verde cuando todo a tu alrededor pierde las hojas. Eliges a tus "
      "amistades despacio. Te exiges mucho y rara vez rebajas el listón por comodidad.";

// Virgo 3, Pisces 3
constexpr std::string_view kTreePracticalAndFair
    = "Tendrás un gran sentido práctico y de la justicia, y como el castaño sueles cobijar a todo el mundo bajo "
      "tu amplia copa. Defiendes a quien lleva las de perder, y la injusticia hace que te hierva la sangre. Puede "
      "costarte arrancar. Pero, una vez en marcha, pocos pueden detenerte.";

// Libra 1
constexpr std::string_view kTreeWiseAndIntelligent
    = "Tendrás sabiduría e inteligencia, con la paciencia del olivo y la floración temprana del almendro. Te "
      "desagrada la violencia y prefieres resolver una disputa con una palabra serena. El sol y los lugares "
      "cálidos te levantan el ánimo. Lees mucho y piensas antes de hablar.";

// Capricorn 1
constexpr std::string_view kTreeLovingAndSentimental
    = "Bajo una apariencia serena tendrás un carácter cariñoso y sentimental, como la corteza lisa y gris del "
      "haya sobre un corazón blando. Planificas con antelación y ahorras para las vacas flacas. El manzano te "
      "presta una vena generosa. Las cartas y las fotografías antiguas pasan décadas en tus cajones.";

// Aquarius 2
constexpr std::string_view kTreeAshLivelyAndFaithful
    = "Las personas del Fresno son muy vivaces y de ingenio rápido, y rara vez se quedan quietas mucho tiempo. "
      "Miras hacia lo que podría ser en lugar de mirar atrás, a lo que fue. Las normas te parecen sugerencias "
      "amistosas. Aun así, te mantienes fiel a las pocas personas que se han ganado tu confianza.";

// Pisces 2
constexpr std::string_view kTreeAirOfMystery
    = "Hay un aire de misterio a tu alrededor, como un bosque de abetos al anochecer. Amas la belleza y el silencio "
      "a partes iguales. Puede costar complacerte, pero te entregas por completo a las pocas personas que dejas "
      "acercarse. El invierno te sienta bien, y brillas más que nunca en los tiempos difíciles.";

// The first decanate of Gemini gives the same text as its character and as its karmic lesson.
constexpr std::string_view kGeminiFirstHappyAndEnthusiastic
    = "Vivirás con alegría y entusiasmo cada vez que la vida te ofrezca algo nuevo que aprender. Confía en las "
      "corazonadas que traes de antes: rara vez fallan.";

// Each row lists, in the order the results window shows them: DecanateSign, RulingPlanet, RulingElement,
// ConstellationName, Keyword, TreeZodiac, then the texts KarmicInfluence, MoreAboutTreeZodiac and
// MoreAboutDecanateSign, each short name by its usual Spanish form.
// clang-format off
constexpr DecanateTable kTable = {{
    // Aries
    {"Ari", {{
        {"Aries",       "Marte",             "Fuego",  "Triángulo",      "Actividad",       "Roble",
         "Esta vez aprenderás a triunfar por tus propias fuerzas, sin el grupo de ayudantes que te sostuvo en una "
         "vida anterior.",
         kTreeTruthAndKnowledge,
         "Tendrás un carácter impulsivo y valiente, y te ofrecerás enseguida cuando otros se echen atrás. "
         "Empiezas diez proyectos antes del desayuno y terminas los tres que importan. Una cola lenta pone a prueba "
         "tus nervios más que cualquier peligro real."},
        {"Leo",         "Sol",               "Fuego",  "Centauro",       "Reforma",         "Álamo",
         "Aprende a vivir con calma y estabilidad. Una vida pasada persiguiendo cada chispa te dejó disperso el "
         "ánimo, y la constancia es el regalo que has vuelto a buscar.",
         kTreeArtisticTemperament,
         "Tienes una presencia carismática y magnética que llena una sala antes de que digas una palabra. Quieres "
         "reformar las cosas, y quieres que te vean haciéndolo. Los aplausos te alimentan, pero un simple "
         "«gracias» en voz baja de alguien querido vale mucho más."},
        {"Sagitario",   "Júpiter",           "Fuego",  "Flecha",         "Iluminación",     "Higuera",
         "Serás feliz cuando compartas libremente lo que sabes, como gesto de gratitud hacia los maestros que un "
         "día compartieron su luz contigo.",
         kTreeLogicalAndPractical,
         "Tendrás un espíritu salvaje y disfrutarás más de la carretera abierta que de cualquier domicilio "
         "fijo. Los lugares nuevos, los idiomas nuevos y la gente nueva te despiertan. Aprendes mejor cuando antes "
         "te pierdes un poco."},
    }}},
    // Taurus
    {"Tau", {{
        {"Tauro",       "Venus",             "Tierra", "Liebre",         "Determinación",   "Nogal",
         "Creerás en el trabajo duro, y con razón: la comodidad que desperdiciaste hace mucho debes ganarla ahora "
         "con tus propias manos.",
         kTreePracticalNature,
         "Tiendes a culpar a otros de retrasos que podrías haber evitado, y luego los arreglas tú sin hacer "
         "ruido. Una vez que eliges un camino, solo un terremoto podría apartarte de él. La buena comida y las "
         "telas suaves son tus recompensas favoritas."},
        {"Virgo",       "Mercurio",          "Tierra", "Hércules",       "Experiencia",     "Sauce",
         "Dependes de los demás para sentir tu propio valor, un hábito que te queda de una vida dedicada al "
         "servicio. Ahora tu propio criterio merece ser escuchado.",
         kTreeDrivenByMoods,
         "Te preocuparán mucho los detalles que a otros les dan igual, desde un cuadro torcido hasta una coma que "
         "falta. Ese cuidado hace que la gente te confíe las cuentas. Permítete dejar de revisar una vez "
         "terminado el trabajo."},
        {"Capricornio", "Saturno",           "Tierra", "Pez Austral",    "Idealista",       "Olmo",
         "Tienes que aprender a responsabilizarte de los demás sin cargarlos a tus espaldas, un deber que tu alma "
         "dejó a medias.",
         kTreeCalmAndPatient,
         "Tienes un temperamento tranquilo y equilibrado, y construyes tu vida ladrillo a ladrillo, con sensatez. "
         "Tienes ideales elevados, pero los planificas con un libro de cuentas en la mano. Los años te tratan "
         "bien, y a menudo pareces más feliz a los cincuenta que a los veinte."},
    }}},
    // Gemini
    {"Gem", {{
        {"Géminis",     "Mercurio",          "Aire",   "Osa Mayor",      "Intuición",       "Fresno",
         kGeminiFirstHappyAndEnthusiastic,
         kTreeAshLively,
         kGeminiFirstHappyAndEnthusiastic},
        {"Libra",       "Venus",             "Aire",   "Dragón",         "Independencia",   "Serbal",
         "Tienes que ser leal a quienes te apoyaron, saldando una deuda de confianza que se remonta más allá de "
         "esta vida.",
         kTreePowerfulThinking,
         "Tendrás un carácter amable y sensible a los estados de ánimo que te rodean, y a menudo intuyes una "
         "discusión antes de que empiece. Te gustan la buena compañía y las estancias bonitas. Aun así, guardas "
         "una puerta privada que nadie más puede abrir."},
        {"Acuario",     "Urano y Saturno",   "Aire",   "Ballena",        "Represión",       "Palmera datilera",
         "Tendrás que aprender a perdonar pronto. Los rencores arrastrados desde vidas pasadas son un equipaje "
         "más pesado de lo que crees.",
         kTreeOptimist,
         "En público muestras alegría y optimismo, pero escondes los sentimientos que te parecen desordenados. "
         "Las ideas raras y las amistades aún más raras te encantan. Da a tus emociones más calladas la misma "
         "bienvenida que das a una teoría descabellada."},
    }}},
    // Cancer
    {"Can", {{
        {"Cáncer",      "Luna",              "Agua",   "Can Menor",      "Capricho",        "Abedul, manzano",
         "Intentarás mejorar tu hogar y tu vida familiar, para compensar una época en la que te marchaste "
         "demasiado pronto.",
         kTreeGoodOrganizers,
         "Tendrás un carácter sensible y cariñoso. Puede que lo uses en tu propio beneficio. No tienes ni pizca "
         "de diplomacia."},
        {"Escorpio",    "Plutón y Marte",    "Agua",   "Altar",          "Responsabilidad", "Álamo",
         "Tendrás que cambiar tu costumbre de alimentar viejas heridas, un patrón que tu alma ha repetido durante "
         "varias vidas.",
         kTreePracticalNature,
         "Llevarás una máscara sobre tus sentimientos más profundos hasta tener la certeza de que una persona es "
         "de fiar. Detrás de ella late una devoción feroz. Cuando alguien a quien quieres se ve amenazado, te "
         "conviertes en la persona más decidida de la sala."},
        {"Piscis",      "Neptuno y Júpiter", "Agua",   "Casiopea",       "Adversidad",      "Tilo",
         "Tendrás que atravesar algunas adversidades para saldar deudas de hace mucho tiempo, y cada deuda saldada "
         "te quita un peso de encima.",
         kTreeCharmingAndDreamy,
         "Tendrás habilidad y voz firme cuando defiendas a alguien más débil que tú. La música y el agua te "
         "calman. Los años de escasez te han enseñado a arreglártelas, y puedes hacer un hogar con una sola "
         "maleta."},
    }}},
    // Leo
    {"Leo", {{
        {"Leo",         "Sol",               "Fuego",  "Copa",           "Liderazgo",       "Ciprés",
         "Buscarás maneras de liderar con la mano abierta, porque una vida anterior te mostró lo que cuesta "
         "gobernar mediante el miedo.",
         kTreeThinkALot,
         "Sientes que tienes que terminar todo lo que empiezas, aunque todos los demás ya se hayan ido a casa. Tu "
         "calidez reúne a tu alrededor un círculo leal. El orgullo es tu punto débil, así que deja que otros "
         "reciban los aplausos de vez en cuando."},
        {"Sagitario",   "Júpiter",           "Fuego",  "Águila",         "Exploración",     "Carpe",
         "Puede que intentes superar un pasado de vagabundeo inquieto construyendo algo que te sobreviva.",
         kTreeColdHearted,
         "Te entusiasmarán los placeres sencillos: un largo paseo, un mapa nuevo, la historia de un desconocido. "
         "La curiosidad te mantiene joven. Cambiarías un ascenso por un año en el extranjero sin pensarlo dos "
         "veces."},
        {"Aries",       "Marte",             "Fuego",  "Perseo",         "Ascenso",         "Arce",
         "Solo te descubrirás espiritualmente cuando depongas las armas de batallas que terminaron hace siglos.",
         kTreeOwnWealth,
         "Tendrás encanto y simpatía, y subirás deprisa allí donde haya una escalera. Te encantan los retos con "
         "una meta clara. Esperar no es lo tuyo, pero el valor sin duda sí."},
    }}},
    // Virgo
    {"Vir", {{
        {"Virgo",       "Mercurio",          "Tierra", "Boyero",         "Realización",     "Pino",
         "Intentarás comprender a las personas a las que en otra vida juzgaste con demasiada dureza.",
         kTreePolishedAndDignified,
         "Tendrás una modestia extrema respecto a tus habilidades, incluso cuando todos a tu alrededor dependen de "
         "ellas. Detectas el tornillo que falta y la fecha equivocada. La realización te llega a través de un "
         "trabajo útil hecho con esmero."},
        {"Capricornio", "Saturno",           "Tierra", "Delfín",         "Martirio",        "Pino",
         "Tienes que trabajar más que la mayoría para saldar una antigua vida de comodidades, y ese esfuerzo te "
         "permite hacer borrón y cuenta nueva.",
         kTreePolishedAndDignified,
         "Mantendrás una actitud muy positiva y firme cuando otros pierdan los nervios. Asumes sin quejarte las "
         "tareas que nadie más quiere. Ten cuidado de no dar tanto que olvides tus propias necesidades."},
        {"Tauro",       "Venus",             "Tierra", "Auriga",         "Maestría",        "Castaño",
         "Tendrás que aprender a desprenderte de las posesiones que te tuvieron atrapado el corazón en vidas "
         "anteriores.",
         kTreePracticalAndFair,
         "Te tomarás tu tiempo para entender una nueva habilidad, pero cuando la adquieres, la dominas por "
         "completo. Disfrutas de las manualidades, los jardines y las buenas herramientas. La gente admira tu "
         "paciencia más de lo que crees."},
    }}},
    // Libra
    {"Lib", {{
        {"Libra",       "Venus",             "Aire",   "Serpiente",      "Política",        "Olivo, almendro",
         "Aprenderás a ser sensible a lo que necesitan los demás, para equilibrar una vida anterior vivida sobre "
         "todo para ti.",
         kTreeWiseAndIntelligent,
         "Pones mucho empeño en mantener la paz, y la diplomacia te viene de nacimiento. Sopesas los dos lados de "
         "cada discusión antes de tomar partido. La belleza, el arte y una buena conversación alimentan tu alma."},
        {"Acuario",     "Urano y Saturno",   "Aire",   "Pegaso",         "Inspiración",     "Álamo",
         "Tendrás que aprender la modestia.",
         kTreeArtisticTemperament,
         "Tienes una gran inteligencia y un carácter reservado, y tu mejor inspiración suele llegar en mitad de "
         "la noche. Ves posibilidades que otros pasan por alto. Comparte tus ideas pronto, antes de que lleguen las "
         "dudas."},
        {"Géminis",     "Mercurio",          "Aire",   "Osa Mayor",      "Sensatez",        "Higuera",
         "Buscarás explicar el mundo a los demás, transmitiendo la sabiduría reunida a lo largo de muchas vidas.",
         kTreeLogicalAndPractical,
         "Tendrás astucia e inteligencia, con una lengua rápida y una pluma aún más rápida. Los crucigramas, "
         "los debates y algún que otro chisme te entretienen. Con palabras puedes salir de casi cualquier apuro."},
    }}},
    // Scorpio
    {"Sco", {{
        {"Escorpio",    "Plutón y Marte",    "Agua",   "Ofiuco",         "Recursos",        "Nogal",
         "Tendrás que aprender a usar tu poder con suavidad, ya que una vez lo usaste para doblegar a otros a tu "
         "voluntad.",
         kTreeArtisticTemperament,
         "La charla trivial te frustrará una y otra vez, porque quieres ir al fondo de las cosas. Tienes muchos "
         "recursos y es difícil engañarte. Cuando te comprometes, lo haces por completo."},
        {"Piscis",      "Neptuno y Júpiter", "Agua",   "Andrómeda",      "Abnegación",      "Sauce",
         "Tienes que aprender a ser sensible sin ahogarte en la tristeza ajena, una lección que tu alma ya ha "
         "encontrado antes.",
         kTreeDrivenByMoods,
         "Tendrás comprensión y compasión, y serás la primera persona en ofrecer una cama libre a una amistad "
         "en apuros. Sientes el dolor de los demás como propio. Protege tu energía con el mismo cuidado con que "
         "proteges la suya."},
        {"Cáncer",      "Luna",              "Agua",   "Navío Argo",     "Investigación",   "Olmo",
         "Tendrás que hacer muchos viajes, hacia dentro y hacia fuera, para encontrar el hogar que perdiste en una "
         "vida anterior.",
         kTreeCalmAndPatient,
         "Tienes sensibilidad y te hieren con facilidad, pero lo ocultas tras un ingenio afilado. Te encanta "
         "indagar en archivos antiguos, historias familiares y misterios sin resolver. Tu hogar es tu fortaleza."},
    }}},
    // Sagittarius
    {"Sag", {{
        {"Sagitario",   "Júpiter",           "Fuego",  "Lira",           "Piedad",          "Fresno",
         "Tienes que aprender a ser prudente con tus promesas, porque una vida anterior dejó un rastro de "
         "juramentos que no pudiste cumplir.",
         kTreeAshLively,
         "Vivirás una vida de grandes preguntas y largos viajes. La fe, de una forma u otra, guía tus pasos. Tu "
         "honradez llega al extremo, y a veces hablas con tanta franqueza que tus amistades hacen una mueca."},
        {"Aries",       "Marte",             "Fuego",  "Erídano",        "Exaltación",      "Serbal",
         "Tendrás que aprender a tener sentido práctico. Las vidas pasadas llenas de grandes planes dejaron muy "
         "poco construido de verdad.",
         kTreePowerfulThinking,
         "Vives con mucho entusiasmo y te lanzas de lleno al deporte, los viajes y el debate. Quedar en segundo "
         "lugar te molesta. Tu buen humor te ayuda a superar reveses que hundirían a casi cualquiera."},
        {"Leo",         "Sol",               "Fuego",  "Cuervo",         "Ambición",        "Palmera datilera",
         "Vivirás con inquietud, siempre en busca de algo, hasta que hagas las paces con un orgullo traído de una "
         "encarnación anterior.",
         kTreeOptimist,
         "Tendrás mucha energía y una ambición a su altura. Te gusta llamar la atención, y normalmente lo "
         "consigues. La generosidad es tu mejor cualidad, y das sin llevar la cuenta."},
    }}},
    // Capricorn
    {"Cap", {{
        {"Capricornio", "Saturno",           "Tierra", "Cisne",          "Organización",    "Haya, manzano",
         "Puede que en una vida pasada hirieras a otros con tu frialdad, y ahora la calidez es la deuda que saldas.",
         kTreeLovingAndSentimental,
         "En apariencia puedes mostrarte muy complaciente y de trato fácil, pero por debajo corre un plan firme. "
         "Organizas a las personas y el tiempo con facilidad. El respeto te importa más que la popularidad."},
        {"Tauro",       "Venus",             "Tierra", "Orión",          "Esfuerzo",        "Álamo",
         "Deseas lo mejor para tu familia y tus amistades, y cada acto generoso salda una vieja cuenta kármica.",
         kTreeArtisticTemperament,
         "Tendrás costumbres muy convencionales y estables, y las sorpresas te inquietan. Trabajas duro por la "
         "comodidad y la seguridad. Una buena comida compartida con las amistades de siempre es tu idea del lujo."},
        {"Virgo",       "Mercurio",          "Tierra", "Corona Boreal",  "Renuncia",        "Tilo",
         "Serás capaz de comprender por qué debes renunciar al control, una lección que empezó hace mucho y que "
         "se completa en esta vida.",
         kTreeCharmingAndDreamy,
         "Siempre te preocupará hacer las cosas correctamente, así que revisas tu trabajo dos veces. Eres una "
         "persona modesta y servicial. Aprende a descansar una vez terminada la tarea: la perfección puede "
         "esperar."},
    }}},
    // Aquarius
    {"Aqu", {{
        {"Acuario",     "Urano y Saturno",   "Aire",   "Caballito",      "Originalidad",    "Ciprés",
         "Necesitas aprender a hacer las cosas a tu manera, sin temer el rechazo que encontraste en vidas pasadas.",
         kTreeThinkALot,
         "Tendrás un carácter amable y modesto, pero tus ideas son cualquier cosa menos corrientes. Disfrutas de "
         "los aparatos, la ciencia y las amistades poco comunes. La libertad es esencial para ti, tanto en el amor "
         "como en el trabajo."},
        {"Géminis",     "Mercurio",          "Aire",   "Can Mayor",      "Fidelidad",       "Fresno",
         "Tu tarea en la vida será mantenerte fiel a las personas que abandonaste en una existencia anterior.",
         kTreeAshLivelyAndFaithful,
         "Tendrás ideales elevados y opiniones firmes, y te encanta una buena discusión animada. Aprendes rápido "
         "y no olvidas nada. Tus amistades valoran tu lealtad tanto como tu ingenio."},
        {"Libra",       "Venus",             "Aire",   "Lobo",           "Expiación",       "Arce",
         "Tienes que aprender a tratarte con la misma justicia que a los demás, reparando viejos agravios sin "
         "castigarte.",
         kTreeOwnWealth,
         "Tendrás bondad y sentido de la justicia, y cualquier tipo de injusticia te ofende. Tienes buen ojo para "
         "la belleza y un don para unir a las personas. Las relaciones de pareja y las alianzas marcan tu vida."},
    }}},
    // Pisces
    {"Pis", {{
        {"Piscis",      "Neptuno y Júpiter", "Agua",   "Cefeo",          "Verdad",          "Pino",
         "Te aferrarás a tus creencias en los tiempos difíciles, igual que hiciste en las vidas anteriores a "
         "esta.",
         kTreePolishedAndDignified,
         "Tendrás una naturaleza convencional, pero dentro de ti vive un alma soñadora. Percibes la verdad que se "
         "esconde tras las palabras corteses. El arte, la música y el agua en calma te reponen después de un día "
         "ajetreado."},
        {"Cáncer",      "Luna",              "Agua",   "Hidra",          "Revelación",      "Abeto",
         "Deseas vivir una vida hippie con pocas posesiones, eco de una vida anterior dedicada a una devoción "
         "sencilla.",
         kTreeAirOfMystery,
         "Eres sentimental y sensual por naturaleza, y recuerdas el olor de cada habitación que has amado. Los "
         "lazos familiares son muy profundos en ti. A veces tus sueños te anuncian cosas antes de que ocurran."},
        {"Escorpio",    "Plutón y Marte",    "Agua",   "Corona Austral", "Talento",         "Castaño",
         "Puede que por costumbre tiendas a la soledad y la introversión, herencia de vidas pasadas en "
         "aislamiento, pero esta vez tus dones están para compartirlos.",
         kTreePracticalAndFair,
         "Puede que tengas un carácter reservado y callado, pero tus talentos hablan alto en cuanto los dejas "
         "salir. Lees a las personas con una precisión inquietante. Confía en tu instinto, sobre todo a la hora "
         "de decidir quién merece tu tiempo."},
    }}},
}};
// clang-format on

static_assert(IsComplete(kTable), "every sign has its key and every row all nine fields");

} // namespace

const DecanateTable& SpanishDecanateTable() noexcept
{
    return kTable;
}

} // namespace tessaline
