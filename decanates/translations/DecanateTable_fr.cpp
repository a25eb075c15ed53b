// SPDX-License-Identifier: GPL-3.0-or-later
// The decanate table in French: the English table's rows, in the same order, each field translated.
#include "decanates/translations/Translations.h"

namespace tessaline {

namespace {

// Tree texts belong to rows, not to tree names: several rows share one text, and a shared text may
// serve rows whose trees differ. Each text is written once here and referenced from the table.
// The texts address the reader as "tu" and are worded so that no adjective has to agree with the
// reader's gender.

// Aries 1
constexpr std::string_view kTreeTruthAndKnowledge
    = "Cet arbre symbolise la vérité et la connaissance, et tu portes l’une et l’autre comme un vieux chêne porte ses "
      "cernes. Tu parles franchement et attends la même franchise en retour. Les tempêtes font plier tes branches "
      "mais atteignent rarement tes racines. On vient chercher un abri auprès de toi, et l’on repart avec des "
      "conseils dont on ignorait avoir besoin.";

// Aries 2, Libra 2, Scorpio 1, Capricorn 2
constexpr std::string_view kTreeArtisticTemperament
    = "Tu auras un tempérament d’artiste et l’œil vif pour ce qui échappe aux autres. Tu pousses vite et tends "
      "toujours vers la lumière. La critique te pique plus que tu ne l’avoues. Avec un coin tranquille et un "
      "après-midi libre, tu sais faire quelque chose de ravissant avec presque rien.";

// Aries 3, Libra 3
constexpr std::string_view kTreeLogicalAndPractical
    = "Tu as l’esprit très logique et pratique, mais tu gardes un cœur tendre, comme une figue bien mûre. Les chichis "
      "t’ennuient et tu préfères ce qui fonctionne, tout simplement. Tu choisirais une grande tablée familiale plutôt "
      "qu’un titre prestigieux. Tu donnes rarement ta parole, mais tu la tiens toujours.";

// Taurus 1, Cancer 2
constexpr std::string_view kTreePracticalNature
    = "Tu as une nature très pratique et peu de patience pour les projets qui ne marchent que sur le papier. Tu "
      "prépares tes coups comme un joueur d’échecs, plusieurs tours à l’avance. Certains parlent d’entêtement, mais "
      "tes amis savent qu’ils peuvent compter sur toi. C’est dans la crise que tu gardes la tête la plus froide.";

// Taurus 2, Scorpio 2
constexpr std::string_view kTreeDrivenByMoods
    = "Tes humeurs te mènent très facilement, et tu ondoies comme un saule dans un vent changeant. La pluie et le "
      "clair de lune te vont mieux que le soleil cru de midi. Tu te souviens de chaque gentillesse et de chaque "
      "affront. Ton intuition est forte, et quand tu lui fais confiance, tu te trompes rarement.";

// Taurus 3, Scorpio 3
constexpr std::string_view kTreeCalmAndPatient
    = "Tu es d’un naturel calme et patient, comme l’orme qui met un siècle à atteindre sa pleine hauteur. Tu aimes "
      "diriger, mais jamais à grand bruit. Les erreurs te contrarient, les tiennes plus que toutes les autres. Tu "
      "tiens tes promesses et attends des autres qu’ils tiennent les leurs.";

// Gemini 1, Sagittarius 1
constexpr std::string_view kTreeAshLively
    = "Les natifs du Frêne sont très vifs, l’esprit toujours en éveil, et tiennent rarement en place bien longtemps. "
      "Tu regardes ce qui pourrait être plutôt que ce qui a été. Les règles ne sont pour toi que des suggestions "
      "amicales. Tu donnes sans compter, mais dans toute relation, il te faut de l’air pour respirer.";

// Gemini 2, Sagittarius 2
constexpr std::string_view kTreePowerfulThinking
    = "Tu as un esprit puissant qui repère aussitôt la faille d’un plan. Comme le sorbier, tu fleuris modestement et "
      "tu portes tes fruits sur le tard. Tu ne cours pas après l’attention. Chez toi, le devoir passe d’abord, et le "
      "plaisir attend poliment son tour.";

// Gemini 3, Sagittarius 3
constexpr std::string_view kTreeOptimist
    = "Tu auras l’optimisme de ceux qui voient l’oasis bien avant la fin du désert. Comme le dattier, tu t’épanouis "
      "là où d’autres se fanent. Tu aimes avoir un public et tu sais raconter une histoire. Tes amis font appel à toi "
      "quand ils ont besoin de retrouver le moral.";

// Cancer 1
constexpr std::string_view kTreeGoodOrganizers
    = "En général, tu as un vrai talent d’organisation, avec les lignes nettes du bouleau et la générosité du "
      "pommier. Une cuisine bien rangée et une table bien garnie suffisent à ton bonheur. Tu remarques qui n’a pas "
      "mangé et tu lui passes discrètement le pain. Tes humeurs changent avec les saisons, mais ta sollicitude ne "
      "varie pas.";

// Cancer 3, Capricorn 3
constexpr std::string_view kTreeCharmingAndDreamy
    = "Tu as peut-être un charme rêveur, et un doux parfum de fleur de tilleul flotte autour de toi. Tu détestes les "
      "conflits et tu ferais beaucoup pour éviter une scène. Ton confort compte pour toi. Sous tes manières douces se "
      "cache une loyauté obstinée qui surprend bien des gens.";

// Leo 1, Aquarius 1
constexpr std::string_view kTreeThinkALot
    = "Tu réfléchiras beaucoup. Tu sauras t’adapter à des milieux différents. Tu pourras céder à la paresse et rêver "
      "à longueur de journée.";

// Leo 2
constexpr std::string_view kTreeColdHearted
    = "Tu auras le cœur froid et difficile à émouvoir, du moins en apparence, comme le bois de charme, l’un des plus "
      "durs de la forêt. Tu tiens à l’ordre et aux bonnes manières. Au fond, tu es plus tendre que personne ne le "
      "devine. Quand quelqu’un gagne ta confiance, il la garde pour la vie.";

// Leo 3, Aquarius 3
constexpr std::string_view kTreeOwnWealth
    = "Tu gagneras ta propre fortune et tu en savoureras chaque pièce. Comme l’érable en automne, tu montres tes plus "
      "belles couleurs quand les autres pâlissent. Tu aimes la compagnie, avec une petite pointe de vanité. Les idées "
      "nouvelles t’enthousiasment, et l’ennui te trouve rarement.";

// Virgo 1, Virgo 2, Pisces 1
constexpr std::string_view kTreePolishedAndDignified
    = "Tu auras de l’élégance et de la dignité, aussi à l’aise dans un bureau paisible que sur une colline balayée "
      "par le vent. Comme le pin, tu gardes tes aiguilles quand tout, autour de toi, perd ses feuilles. Tu choisis "
      "tes amis lentement. Tes exigences sont élevées, et tu les revois rarement à la baisse par commodité.";

// Virgo 3, Pisces 3
constexpr std::string_view kTreePracticalAndFair
    = "Tu auras un grand sens pratique et un profond sens de la justice, et comme le châtaignier, tu abrites tout le "
      "monde sous ta large couronne. Tu prends la défense des plus faibles, et l’injustice te fait bouillir. Tu mets "
      "parfois du temps à démarrer. Mais une fois en marche, rares sont ceux qui peuvent t’arrêter.";

// Libra 1
constexpr std::string_view kTreeWiseAndIntelligent
    = "Tu auras de la sagesse et de l’intelligence, avec la patience de l’olivier et la floraison précoce de "
      "l’amandier. Tu détestes la violence et préfères régler un différend par un mot apaisant. Le soleil et les pays "
      "chauds te remontent le moral. Tu lis beaucoup et tu réfléchis avant de parler.";

// Capricorn 1
constexpr std::string_view kTreeLovingAndSentimental
    = "Sous des dehors posés, tu caches une nature aimante et sentimentale, comme l’écorce lisse et grise du hêtre "
      "recouvre un cœur tendre. Tu prévois et tu mets de côté pour les mauvais jours. Le pommier te donne une veine "
      "généreuse. Les vieilles lettres et les photos dorment des décennies dans tes tiroirs.";

// Aquarius 2
constexpr std::string_view kTreeAshLivelyAndFaithful
    = "Les natifs du Frêne sont très vifs, l’esprit toujours en éveil, et tiennent rarement en place bien longtemps. "
      "Tu regardes ce qui pourrait être plutôt que ce qui a été. Les règles ne sont pour toi que des suggestions "
      "amicales. Pourtant, tu restes fidèle au petit nombre de personnes qui ont gagné ta confiance.";

// Pisces 2
constexpr std::string_view kTreeAirOfMystery
    = "Il flotte autour de toi un air de mystère, comme une forêt de sapins au crépuscule. Tu aimes autant la beauté "
      "que le silence. Tu es parfois difficile à contenter, mais tu te dévoues aux quelques personnes que tu laisses "
      "approcher. L’hiver te convient, et c’est dans les temps difficiles que tu brilles le plus.";

// The first decanate of Gemini gives the same text as its character and as its karmic lesson.
constexpr std::string_view kGeminiFirstHappyAndEnthusiastic
    = "La joie et l’enthousiasme t’habiteront chaque fois que la vie t’offrira quelque chose de nouveau à apprendre. "
      "Fie-toi aux intuitions que tu rapportes d’une vie antérieure : elles te trompent rarement.";

// Each row lists, in the order the results window shows them: DecanateSign, RulingPlanet, RulingElement,
// ConstellationName, Keyword, TreeZodiac, then the texts KarmicInfluence, MoreAboutTreeZodiac and
// MoreAboutDecanateSign. Where the English short names are odd ("Canes Majo", "Pisces Australis", a stray
// comma after a tree), the French gives the intended name.
// clang-format off
constexpr DecanateTable kTable = {{
    // Aries
    {"Ari", {{
        {"Bélier",       "Mars",                  "Feu",    "Triangle",             "Activité", "Chêne",
         "Cette fois, tu apprendras à réussir par tes propres forces, sans la troupe d’alliés qui te portait dans une "
         "vie antérieure.",
         kTreeTruthAndKnowledge,
         "Tu as un tempérament impulsif et courageux, et tu te portes volontaire quand les autres restent en "
         "retrait. Tu lances dix projets avant le petit-déjeuner et tu mènes à bien les trois qui comptent. Une file "
         "d’attente qui n’avance pas met tes nerfs à plus rude épreuve qu’un vrai danger."},
        {"Lion",         "Soleil",                "Feu",    "Centaure",             "Réforme", "Peuplier",
         "Apprends le calme et la stabilité. Une ancienne vie passée à courir après chaque étincelle a éparpillé tes "
         "forces, et c’est la constance que tu reviens chercher cette fois-ci.",
         kTreeArtisticTemperament,
         "Tu as une présence charismatique et magnétique qui remplit une pièce avant même que tu dises un mot. Tu "
         "veux réformer les choses, et tu veux qu’on te voie le faire. Les applaudissements te nourrissent, mais un "
         "simple merci d’un ami compte bien davantage."},
        {"Sagittaire",   "Jupiter",               "Feu",    "Flèche",               "Illumination", "Figuier",
         "Tu trouveras le bonheur en partageant librement ton savoir, et tu rendras ainsi aux maîtres qui t’ont jadis "
         "transmis leur lumière.",
         kTreeLogicalAndPractical,
         "Tu auras l’âme libre et indomptée, et tu préféreras les grands chemins à toute adresse fixe. Les lieux, "
         "les langues et les visages nouveaux te réveillent. Tu apprends mieux quand tu commences par te perdre un "
         "peu."},
    }}},
    // Taurus
    {"Tau", {{
        {"Taureau",      "Vénus",                 "Terre",  "Lièvre",               "Détermination", "Noyer",
         "Tu croiras au travail acharné, et avec raison : le confort gaspillé il y a longtemps doit désormais se "
         "gagner à la force de tes mains.",
         kTreePracticalNature,
         "Tu as tendance à reprocher aux autres des retards que tu aurais pu éviter, puis à tout réparer toi-même "
         "sans rien dire. Une fois ton chemin choisi, seul un tremblement de terre pourrait t’en détourner. La bonne "
         "chère et les étoffes douces sont tes récompenses préférées."},
        {"Vierge",       "Mercure",               "Terre",  "Hercule",              "Expérience", "Saule",
         "Tu dépends des autres pour mesurer ta valeur, une habitude héritée d’une vie passée à servir. À présent, "
         "ton propre jugement mérite d’être entendu.",
         kTreeDrivenByMoods,
         "Tu te feras beaucoup de souci pour des détails que les autres balaient d’un haussement d’épaules, d’un "
         "cadre de travers à une virgule oubliée. Ce soin fait de toi la personne à qui l’on confie les comptes. "
         "Autorise-toi à cesser de vérifier une fois le travail terminé."},
        {"Capricorne",   "Saturne",               "Terre",  "Poisson austral",      "Idéalisme", "Orme",
         "Tu dois apprendre à être responsable des autres sans les porter sur ton dos, un devoir que ton âme a laissé "
         "à moitié accompli.",
         kTreeCalmAndPatient,
         "Tu as un tempérament calme et équilibré, et tu bâtis ta vie brique après brique, avec bon sens. Tu nourris "
         "de hauts idéaux, mais tu les planifies un livre de comptes à la main. Les années te sont favorables, et le "
         "bonheur se lit souvent mieux sur ton visage à cinquante ans qu’à vingt."},
    }}},
    // Gemini
    {"Gem", {{
        {"Gémeaux",      "Mercure",               "Air",    "Grande Ourse",         "Intuition", "Frêne",
         kGeminiFirstHappyAndEnthusiastic,
         kTreeAshLively,
         kGeminiFirstHappyAndEnthusiastic},
        {"Balance",      "Vénus",                 "Air",    "Dragon",               "Indépendance", "Sorbier",
         "Tu dois ta loyauté à ceux qui sont restés à tes côtés, pour solder une dette de confiance qui remonte bien "
         "au-delà de cette vie.",
         kTreePowerfulThinking,
         "Tu auras un cœur bon, sensible aux humeurs qui t’entourent, et tu sens souvent venir une dispute avant "
         "qu’elle n’éclate. Tu aimes les compagnies agréables et les beaux intérieurs. Pourtant, tu gardes une porte "
         "secrète que personne d’autre ne peut ouvrir."},
        {"Verseau",      "Uranus et Saturne",     "Air",    "Baleine",              "Refoulement", "Dattier",
         "Il te faudra apprendre à pardonner vite. Les rancunes portées de vie en vie sont un bagage plus lourd que "
         "tu ne le crois.",
         kTreeOptimist,
         "En public, tu affiches joie et optimisme, mais tu mets à l’écart les sentiments que tu juges désordonnés. "
         "Les idées insolites et les amis plus insolites encore te ravissent. Accueille tes émotions plus discrètes "
         "avec la même chaleur qu’une théorie farfelue."},
    }}},
    // Cancer
    {"Can", {{
        {"Cancer",       "Lune",                  "Eau",    "Petit Chien",          "Caprice", "Bouleau, Pommier",
         "Tu chercheras à améliorer ta vie de foyer et de famille, pour réparer un temps où tu t’en allais trop tôt.",
         kTreeGoodOrganizers,
         "Tu auras une nature sensible et aimante. Tu sauras peut-être en tirer parti. Tu n’as pas la moindre "
         "diplomatie."},
        {"Scorpion",     "Pluton et Mars",        "Eau",    "Autel",                "Responsabilité", "Peuplier",
         "Il te faudra perdre l’habitude de ruminer tes vieilles blessures, un schéma que ton âme a répété pendant "
         "plusieurs vies.",
         kTreePracticalNature,
         "Tu porteras un masque sur tes sentiments les plus profonds tant que tu n’auras pas la certitude qu’une "
         "personne est digne de confiance. Derrière ce masque se cache un dévouement farouche. Quand un être cher "
         "est menacé, tu deviens la personne la plus déterminée de la pièce."},
        {"Poissons",     "Neptune et Jupiter",    "Eau",    "Cassiopée",            "Épreuve", "Tilleul",
         "Il te faudra traverser quelques épreuves pour régler des dettes anciennes, et chaque dette soldée allège "
         "ton fardeau.",
         kTreeCharmingAndDreamy,
         "Tu feras preuve d’adresse et de verve pour défendre plus faible que toi. La musique et l’eau t’apaisent. "
         "Les années de vaches maigres t’ont appris la débrouillardise, et tu peux te faire un chez-toi avec une "
         "seule valise."},
    }}},
    // Leo
    {"Leo", {{
        {"Lion",         "Soleil",                "Feu",    "Coupe",                "Leadership", "Cyprès",
         "Tu chercheras à diriger la main ouverte, car une vie antérieure t’a montré ce que coûte le règne par la "
         "peur.",
         kTreeThinkALot,
         "Tu sens que tu dois achever tout ce que tu entreprends, même quand tous les autres sont rentrés chez eux. "
         "Ta chaleur rassemble autour de toi un cercle fidèle. L’orgueil est ton point faible : laisse de temps en "
         "temps les applaudissements aux autres."},
        {"Sagittaire",   "Jupiter",               "Feu",    "Aigle",                "Exploration", "Charme",
         "Tu cherches peut-être à dépasser un passé d’errance inquiète en bâtissant quelque chose qui te survivra.",
         kTreeColdHearted,
         "Les plaisirs simples te combleront : une longue marche, une nouvelle carte, l’histoire d’un inconnu. La "
         "curiosité te garde jeune. Tu échangerais une promotion contre une année à l’étranger sans hésiter une "
         "seconde."},
        {"Bélier",       "Mars",                  "Feu",    "Persée",               "Promotion", "Érable",
         "Tu ne te découvriras spirituellement qu’après avoir déposé les armes de combats qui ont pris fin il y a des "
         "siècles.",
         kTreeOwnWealth,
         "Tu auras du charme et le contact facile, et tu grimpes vite partout où il y a une échelle. Tu aimes les "
         "défis dont la ligne d’arrivée est bien visible. Attendre n’est pas ton fort, mais le courage, lui, l’est "
         "assurément."},
    }}},
    // Virgo
    {"Vir", {{
        {"Vierge",       "Mercure",               "Terre",  "Bouvier",              "Accomplissement", "Pin",
         "Tu chercheras à comprendre les personnes que tu as jugées trop durement dans une autre vie.",
         kTreePolishedAndDignified,
         "Tu seras d’une extrême modestie quant à tes compétences, même quand tout ton entourage en dépend. Tu "
         "repères la vis manquante et la date erronée. L’accomplissement te vient d’un travail utile fait avec soin."},
        {"Capricorne",   "Saturne",               "Terre",  "Dauphin",              "Martyre", "Pin",
         "Tu dois travailler plus dur que la plupart pour racheter une ancienne vie de facilité, et cet effort efface "
         "ton ardoise.",
         kTreePolishedAndDignified,
         "Tu garderas ton optimisme et ton aplomb quand les autres perdent leurs moyens. Tu te charges discrètement "
         "des tâches dont personne ne veut. Veille à ne pas donner au point d’oublier tes propres besoins."},
        {"Taureau",      "Vénus",                 "Terre",  "Cocher",               "Maîtrise", "Châtaignier",
         "Tu devras apprendre à te détacher des possessions qui t’enchaînaient dans tes vies antérieures.",
         kTreePracticalAndFair,
         "Tu prendras le temps de comprendre un nouveau savoir-faire, mais une fois acquis, tu le maîtrises "
         "entièrement. Tu aimes l’artisanat, les jardins et les bons outils. On admire ta patience plus que tu ne le "
         "crois."},
    }}},
    // Libra
    {"Lib", {{
        {"Balance",      "Vénus",                 "Air",    "Serpent",              "Politique", "Olivier, Amandier",
         "Tu apprendras à percevoir ce dont les autres ont besoin, pour équilibrer une vie antérieure vécue surtout "
         "pour toi-même.",
         kTreeWiseAndIntelligent,
         "Tu fais beaucoup d’efforts pour préserver la paix, et tu as un don inné pour la diplomatie. Tu pèses le "
         "pour et le contre de chaque débat avant de prendre parti. La beauté, l’art et les belles conversations "
         "nourrissent ton âme."},
        {"Verseau",      "Uranus et Saturne",     "Air",    "Pégase",               "Inspiration", "Peuplier",
         "Il te faudra apprendre la modestie.",
         kTreeArtisticTemperament,
         "Tu as une grande intelligence et une nature réservée, et ta meilleure inspiration arrive souvent au milieu "
         "de la nuit. Tu vois des possibilités qui échappent aux autres. Partage tes idées tôt, avant que les doutes "
         "ne s’installent."},
        {"Gémeaux",      "Mercure",               "Air",    "Grande Ourse",         "Discernement", "Figuier",
         "Tu chercheras à expliquer le monde aux autres, en transmettant une sagesse recueillie au fil de nombreuses "
         "vies.",
         kTreeLogicalAndPractical,
         "Tu auras l’esprit vif et intelligent, la langue déliée et la plume plus déliée encore. Mots croisés, "
         "débats et un brin de commérages te divertissent. Tu sais te sortir de presque n’importe quelle situation "
         "par la parole."},
    }}},
    // Scorpio
    {"Sco", {{
        {"Scorpion",     "Pluton et Mars",        "Eau",    "Ophiuchus",            "Ressources", "Noyer",
         "Il te faudra apprendre à user de ton pouvoir avec douceur, car jadis, il t’a servi à plier les autres à ta "
         "volonté.",
         kTreeArtisticTemperament,
         "Les bavardages te frustreront sans cesse, car tu veux aller au cœur des choses. Tu as de la ressource et "
         "on ne te trompe pas facilement. Quand tu t’engages, c’est sans réserve."},
        {"Poissons",     "Neptune et Jupiter",    "Eau",    "Andromède",            "Abnégation", "Saule",
         "Tu dois apprendre à être sensible sans te noyer dans le chagrin des autres, une leçon que ton âme a déjà "
         "rencontrée.",
         kTreeDrivenByMoods,
         "Tu feras preuve de compréhension et de compassion, et ta porte sera toujours ouverte à un ami en "
         "difficulté qui cherche un lit. Tu ressens la douleur d’autrui comme la tienne. Protège ton énergie avec "
         "autant de soin que tu protèges la leur."},
        {"Cancer",       "Lune",                  "Eau",    "Navire Argo",          "Recherche", "Orme",
         "Tu devras faire bien des voyages, intérieurs et extérieurs, pour retrouver le foyer que tu as perdu dans "
         "une vie antérieure.",
         kTreeCalmAndPatient,
         "Tu es sensible et facile à blesser, mais tu le caches derrière un humour mordant. Tu adores fouiller les "
         "vieilles archives, les histoires de famille et les mystères non résolus. Ton foyer est ta forteresse."},
    }}},
    // Sagittarius
    {"Sag", {{
        {"Sagittaire",   "Jupiter",               "Feu",    "Lyre",                 "Piété", "Frêne",
         "Tu dois apprendre à promettre avec discernement, car une vie antérieure a laissé derrière elle une traînée "
         "de serments que tu n’as pas pu tenir.",
         kTreeAshLively,
         "Ta vie sera faite de grandes questions et de longs voyages. La foi, sous une forme ou une autre, guide tes "
         "pas. Ton honnêteté frôle le défaut, et ta franchise fait parfois grimacer tes amis."},
        {"Bélier",       "Mars",                  "Feu",    "Éridan",               "Exaltation", "Sorbier",
         "Il te faudra apprendre le sens pratique. Des vies passées pleines de grands projets n’ont laissé que bien "
         "peu de choses réellement construites.",
         kTreePowerfulThinking,
         "Tu abordes la vie avec un grand enthousiasme et tu te lances à corps perdu dans le sport, les voyages et "
         "les débats. Finir deuxième t’agace. Ta bonne humeur te porte à travers des revers qui en abattraient plus "
         "d’un."},
        {"Lion",         "Soleil",                "Feu",    "Corbeau",              "Ambition", "Dattier",
         "L’agitation et la quête ne te quitteront pas tant que tu n’auras pas fait la paix avec un orgueil hérité "
         "d’une incarnation précédente.",
         kTreeOptimist,
         "Tu auras beaucoup d’énergie et l’ambition qui va avec. Tu aimes te faire remarquer, et en général tu y "
         "parviens. La générosité est ta plus belle qualité, et tu donnes sans tenir les comptes."},
    }}},
    // Capricorn
    {"Cap", {{
        {"Capricorne",   "Saturne",               "Terre",  "Cygne",                "Organisation", "Hêtre, Pommier",
         "Tu as peut-être blessé des gens par ta froideur dans une vie passée, et c’est en chaleur que tu rembourses "
         "aujourd’hui cette dette.",
         kTreeLovingAndSentimental,
         "En surface, tu as peut-être un caractère conciliant et facile à vivre, mais un plan solide se dessine en "
         "dessous. Tu organises les gens et le temps avec aisance. Le respect compte plus pour toi que la "
         "popularité."},
        {"Taureau",      "Vénus",                 "Terre",  "Orion",                "Effort", "Peuplier",
         "Tu souhaites le meilleur à ta famille et à tes amis, et chaque geste généreux solde un peu d’une vieille "
         "dette karmique.",
         kTreeArtisticTemperament,
         "Tu auras des habitudes très classiques et régulières, et les surprises te déstabilisent. Tu travailles dur "
         "pour ton confort et ta sécurité. Un bon repas partagé avec de vieux amis, voilà ton idée du luxe."},
        {"Vierge",       "Mercure",               "Terre",  "Couronne boréale",     "Renoncement", "Tilleul",
         "Tu sauras comprendre pourquoi tu dois lâcher prise, une leçon commencée il y a longtemps et achevée dans "
         "cette vie.",
         kTreeCharmingAndDreamy,
         "Tu auras toujours le souci de bien faire les choses, alors tu vérifies ton travail deux fois. Tu es "
         "modeste et serviable. Apprends à te reposer une fois la tâche terminée : la perfection peut attendre."},
    }}},
    // Aquarius
    {"Aqu", {{
        {"Verseau",      "Uranus et Saturne",     "Air",    "Petit Cheval",         "Originalité", "Cyprès",
         "Tu dois apprendre à faire les choses à ta manière, sans craindre le rejet que tu as connu dans tes vies "
         "passées.",
         kTreeThinkALot,
         "Tu auras un cœur bon et modeste, mais tes idées n’ont rien d’ordinaire. Tu aimes les gadgets, la science "
         "et les amis hors du commun. La liberté t’est essentielle, en amour comme au travail."},
        {"Gémeaux",      "Mercure",               "Air",    "Grand Chien",          "Fidélité", "Frêne",
         "Ta mission dans cette vie sera de rester fidèle aux personnes que tu as abandonnées dans une existence "
         "antérieure.",
         kTreeAshLivelyAndFaithful,
         "Tu auras un esprit idéaliste et des opinions bien arrêtées, et tu adores les discussions animées. Tu "
         "apprends vite et tu n’oublies rien. Tes amis apprécient ta loyauté autant que ton humour."},
        {"Balance",      "Vénus",                 "Air",    "Loup",                 "Expiation", "Érable",
         "Tu dois apprendre à être juste envers toi-même comme envers les autres, en réparant d’anciens torts sans te "
         "punir.",
         kTreeOwnWealth,
         "Tu auras de la bonté et le sens de la justice, et toute forme d’injustice te heurte. Tu as l’œil pour la "
         "beauté et le don de rassembler les gens. Les partenariats façonnent ta vie."},
    }}},
    // Pisces
    {"Pis", {{
        {"Poissons",     "Neptune et Jupiter",    "Eau",    "Céphée",               "Vérité", "Pin",
         "Tu garderas tes convictions à travers les épreuves, comme tu l’as fait dans les vies qui ont précédé "
         "celle-ci.",
         kTreePolishedAndDignified,
         "Tu auras une nature classique, mais un rêveur vit en toi. Tu perçois la vérité derrière les mots polis. "
         "L’art, la musique et l’eau calme te ressourcent après une journée chargée."},
        {"Cancer",       "Lune",                  "Eau",    "Hydre",                "Révélation", "Sapin",
         "Tu rêves d’une vie de bohème, avec peu de biens, écho d’une vie antérieure passée dans une dévotion toute "
         "simple.",
         kTreeAirOfMystery,
         "Tu as une nature sentimentale et sensuelle, et tu te souviens de l’odeur de chaque pièce que tu as aimée. "
         "Les liens familiaux sont profondément ancrés en toi. Tes rêves t’annoncent parfois les choses avant "
         "qu’elles n’arrivent."},
        {"Scorpion",     "Pluton et Mars",        "Eau",    "Couronne australe",    "Talent", "Châtaignier",
         "Tu as peut-être gardé l’habitude de la solitude et du repli sur toi, héritée de vies passées à l’écart, "
         "mais cette fois, tes dons sont faits pour être partagés.",
         kTreePracticalAndFair,
         "Tu as peut-être un caractère réservé et discret, mais tes talents parlent haut et fort dès que tu les "
         "laisses s’exprimer. Tu lis dans les gens avec une justesse troublante. Fie-toi à ton instinct, surtout "
         "pour savoir qui mérite ton temps."},
    }}},
}};
// clang-format on

static_assert(IsComplete(kTable), "every sign has its key and every row all nine fields");

} // namespace

const DecanateTable& FrenchDecanateTable() noexcept
{
    return kTable;
}

} // namespace tessaline
