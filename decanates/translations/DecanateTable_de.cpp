// SPDX-License-Identifier: GPL-3.0-or-later
// The decanate table in German: the English table's rows, in the same order, each field translated.
// The reader is addressed as "du", as German astrology books do.
#include "decanates/translations/Translations.h"

namespace tessaline {

namespace {

// Tree texts belong to rows, not to tree names: several rows share one text, and a shared text may
// serve rows whose trees differ. Each text is written once here and referenced from the table.

// Aries 1
constexpr std::string_view kTreeTruthAndKnowledge
    = "Dieser Baum steht für Wahrheit und Wissen, und du trägst beides, wie eine alte Eiche ihre Jahresringe trägt. Du "
      "sprichst offen und erwartest von anderen dasselbe. Stürme biegen deine Äste, erreichen aber selten deine "
      "Wurzeln. Die Menschen suchen bei dir Schutz und gehen mit einem Rat, von dem sie nicht wussten, dass sie ihn "
      "brauchten.";

// Aries 2, Libra 2, Scorpio 1, Capricorn 2
constexpr std::string_view kTreeArtisticTemperament
    = "Du hast ein künstlerisches Temperament und einen wachen Blick für das, was andere übersehen. Du wächst schnell "
      "und streckst dich immer dem Licht entgegen. Kritik trifft dich härter, als du zugibst. Gib dir eine stille Ecke "
      "und einen freien Nachmittag, und du machst aus sehr wenig etwas Wunderschönes.";

// Aries 3, Libra 3
constexpr std::string_view kTreeLogicalAndPractical
    = "Du bist sehr logisch und praktisch veranlagt und hast doch einen weichen Kern, wie eine reife Feige. Getue "
      "langweilt dich, du magst Dinge, die einfach funktionieren. Ein voller Familientisch ist dir lieber als ein "
      "eindrucksvoller Titel. Du gibst dein Wort selten, aber du hältst es immer.";

// Taurus 1, Cancer 2
constexpr std::string_view kTreePracticalNature
    = "Du bist von Natur aus sehr praktisch und hast wenig Geduld mit Plänen, die nur auf dem Papier funktionieren. Du "
      "planst deine Züge wie ein Schachspieler, mehrere Schritte im Voraus. Manche nennen dich stur, doch deine "
      "Freunde wissen, dass sie sich auf dich stützen können. In einer Krise behältst du den kühlsten Kopf.";

// Taurus 2, Scorpio 2
constexpr std::string_view kTreeDrivenByMoods
    = "Du lässt dich sehr leicht von deinen Stimmungen treiben und wiegst dich wie eine Weide im wechselnden Wind. "
      "Regen und Mondlicht stehen dir besser als die grelle Mittagssonne. Du erinnerst dich an jede Freundlichkeit und "
      "an jede Kränkung. Deine Intuition ist stark, und wenn du ihr vertraust, irrst du dich selten.";

// Taurus 3, Scorpio 3
constexpr std::string_view kTreeCalmAndPatient
    = "Du bist von Natur aus ruhig und geduldig, wie eine Ulme, die ein Jahrhundert braucht, um ihre volle Höhe zu "
      "erreichen. Du führst gern, aber nie lautstark. Fehler ärgern dich, deine eigenen am meisten. Du hältst deine "
      "Versprechen und erwartest, dass andere ihre halten.";

// Gemini 1, Sagittarius 1
constexpr std::string_view kTreeAshLively
    = "Menschen der Esche sind sehr lebhaft und schlagfertig, und sie sitzen selten lange still. Du blickst lieber "
      "nach vorn auf das, was sein könnte, als zurück auf das, was war. Regeln sind für dich eher freundliche "
      "Vorschläge. Du gibst großzügig, aber in jeder Partnerschaft brauchst du Luft zum Atmen.";

// Gemini 2, Sagittarius 2
constexpr std::string_view kTreePowerfulThinking
    = "Du hast einen kraftvollen, scharfen Verstand, der die Schwachstelle eines Plans sofort erkennt. Wie die "
      "Eberesche blühst du bescheiden und trägst deine Früchte spät. Du jagst nicht nach Aufmerksamkeit. Die Pflicht "
      "kommt für dich zuerst, und das Vergnügen wartet höflich, bis es an der Reihe ist.";

// Gemini 3, Sagittarius 3
constexpr std::string_view kTreeOptimist
    = "Du bist optimistisch und siehst die Oase, lange bevor die Wüste endet. Wie die Dattelpalme gedeihst du dort, wo "
      "andere welken. Du hast gern Publikum und erzählst gut. Deine Freunde rufen dich, wenn jemand ihre Stimmung "
      "heben soll.";

// Cancer 1
constexpr std::string_view kTreeGoodOrganizers
    = "Du kannst in der Regel sehr gut organisieren, mit den klaren Linien der Birke und der Großzügigkeit des "
      "Apfelbaums. Eine aufgeräumte Küche und ein voller Tisch machen dich zufrieden. Du merkst, wer noch nichts "
      "gegessen hat, und reichst still das Brot hinüber. Deine Stimmungen wechseln mit den Jahreszeiten, doch deine "
      "Fürsorge bleibt beständig.";

// Cancer 3, Capricorn 3
constexpr std::string_view kTreeCharmingAndDreamy
    = "Du bist vielleicht charmant und verträumt, umweht vom süßen Duft der Lindenblüten. Streit ist dir zuwider, und "
      "du tust viel, um einer Szene aus dem Weg zu gehen. Behaglichkeit ist dir wichtig. Unter deiner sanften Art "
      "steckt eine hartnäckige Treue, die andere überrascht.";

// Leo 1, Aquarius 1
constexpr std::string_view kTreeThinkALot
    = "Du denkst viel nach. Du findest dich in ganz unterschiedlichen Umgebungen zurecht. Vielleicht bist du manchmal "
      "träge und träumst den ganzen Tag.";

// Leo 2
constexpr std::string_view kTreeColdHearted
    = "Du wirkst kaltherzig und lässt dich nicht leicht rühren, zumindest nach außen hin, wie das Holz der Hainbuche, "
      "eines der härtesten im Wald. Du schätzt Ordnung und gute Umgangsformen. Innen bist du zärtlicher, als irgendwer "
      "ahnt. Wer sich einmal dein Vertrauen verdient hat, behält es ein Leben lang.";

// Leo 3, Aquarius 3
constexpr std::string_view kTreeOwnWealth
    = "Du erarbeitest dir deinen eigenen Wohlstand und genießt jede Münze davon. Wie der Ahorn im Herbst zeigst du "
      "deine leuchtendsten Farben, wenn andere verblassen. Du bist gesellig und ein klein wenig eitel. Neue Ideen "
      "begeistern dich, und Langeweile findet dich selten.";

// Virgo 1, Virgo 2, Pisces 1
constexpr std::string_view kTreePolishedAndDignified
    = "Du bist kultiviert und würdevoll, in einem stillen Arbeitszimmer ebenso zu Hause wie auf einem windigen Hügel. "
      "Wie die Kiefer bleibst du grün, wenn ringsum alles sein Laub verliert. Du wählst deine Freunde langsam und mit "
      "Bedacht. Deine Ansprüche sind hoch, und aus Bequemlichkeit senkst du sie selten.";

// Virgo 3, Pisces 3
constexpr std::string_view kTreePracticalAndFair
    = "Du bist sehr praktisch und gerecht und hast die Art der Kastanie, alle unter ihrer weiten Krone zu beschirmen. "
      "Du setzt dich für die Schwächeren ein, und Ungerechtigkeit bringt dein Blut zum Kochen. Manchmal kommst du nur "
      "langsam in Gang. Bist du aber einmal in Bewegung, können dich nur wenige aufhalten.";

// Libra 1
constexpr std::string_view kTreeWiseAndIntelligent
    = "Du bist weise und intelligent, mit der Geduld des Olivenbaums und der frühen Blüte des Mandelbaums. Gewalt ist "
      "dir zuwider, und einen Streit schlichtest du lieber mit einem ruhigen Wort. Sonnenschein und warme Orte heben "
      "deine Stimmung. Du liest viel und denkst nach, bevor du sprichst.";

// Capricorn 1
constexpr std::string_view kTreeLovingAndSentimental
    = "Hinter deinem beherrschten Äußeren bist du liebevoll und sentimental, wie glatte graue Buchenrinde über einem "
      "weichen Herzen. Du planst voraus und legst etwas für schlechte Zeiten zurück. Der Apfelbaum schenkt dir einen "
      "großzügigen Zug. Alte Briefe und Fotos bleiben jahrzehntelang in deinen Schubladen.";

// Aquarius 2
constexpr std::string_view kTreeAshLivelyAndFaithful
    = "Menschen der Esche sind sehr lebhaft und schlagfertig, und sie sitzen selten lange still. Du blickst lieber "
      "nach vorn auf das, was sein könnte, als zurück auf das, was war. Regeln sind für dich eher freundliche "
      "Vorschläge. Doch den wenigen Menschen, die sich dein Vertrauen verdient haben, bleibst du treu.";

// Pisces 2
constexpr std::string_view kTreeAirOfMystery
    = "Dich umgibt etwas Geheimnisvolles, wie ein Tannenwald in der Abenddämmerung. Du liebst Schönheit und Stille "
      "gleichermaßen. Man kann es dir nur schwer recht machen, doch den wenigen, die du nah an dich heranlässt, bist "
      "du treu ergeben. Der Winter passt zu dir, und in schweren Zeiten strahlst du am hellsten.";

// The first decanate of Gemini gives the same text as its character and as its karmic lesson.
constexpr std::string_view kGeminiFirstHappyAndEnthusiastic
    = "Du bist glücklich und begeistert, wann immer dir das Leben etwas Neues zum Lernen schenkt. Vertrau den "
      "Ahnungen, die du aus früheren Leben mitbringst; sie täuschen dich selten.";

// Each row lists, in the order the results window shows them: DecanateSign, RulingPlanet, RulingElement,
// ConstellationName, Keyword, TreeZodiac, then the texts KarmicInfluence, MoreAboutTreeZodiac and
// MoreAboutDecanateSign. Signs, planets, constellations and trees carry their usual German names; where
// the English short names have an odd spelling ("Canes Majo", "Pisces Australis"), the intended one is given.
// clang-format off
constexpr DecanateTable kTable = {{
    // Aries
    {"Ari", {{
        {"Widder",     "Mars",               "Feuer",  "Dreieck",         "Aktivität", "Eiche",
         "Diesmal lernst du, aus eigener Kraft erfolgreich zu sein, ohne die Schar von Helfern, die dich in einem "
         "früheren Leben getragen hat.",
         kTreeTruthAndKnowledge,
         "Du bist impulsiv und mutig und meldest dich schnell freiwillig, wenn andere zögern. Du beginnst zehn "
         "Projekte vor dem Frühstück und bringst die drei zu Ende, auf die es ankommt. Eine langsame Warteschlange "
         "strapaziert deine Nerven mehr als jede echte Gefahr."},
        {"Löwe",       "Sonne",              "Feuer",  "Zentaur",         "Reform", "Pappel",
         "Lerne, ruhig und beständig zu sein. Ein früheres Leben, in dem du jedem Funken nachgejagt bist, hat dich "
         "zerstreut zurückgelassen, und Beständigkeit ist das Geschenk, für das du zurückgekehrt bist.",
         kTreeArtisticTemperament,
         "Du hast eine charismatische, anziehende Ausstrahlung, die einen Raum füllt, bevor du ein Wort sagst. Du "
         "willst Dinge reformieren, und du willst dabei gesehen werden. Applaus nährt dich, doch ein leises Dankeschön "
         "von einem einzigen Freund bedeutet dir mehr."},
        {"Schütze",    "Jupiter",            "Feuer",  "Pfeil",           "Erleuchtung", "Feigenbaum",
         "Du findest dein Glück, wenn du dein Wissen freigebig teilst; so dankst du den Lehrern, die einst ihr Licht "
         "mit dir geteilt haben.",
         kTreeLogicalAndPractical,
         "Du bist wild und liebst die offene Straße mehr als jede feste Adresse. Neue Orte, neue Sprachen und neue "
         "Menschen wecken dich auf. Am besten lernst du, wenn du dich zuerst ein wenig verirrst."},
    }}},
    // Taurus
    {"Tau", {{
        {"Stier",      "Venus",              "Erde",   "Hase",            "Entschlossenheit", "Nussbaum",
         "Du glaubst an harte Arbeit, und das zu Recht: Den Wohlstand, den du vor langer Zeit vergeudet hast, musst du "
         "dir nun mit deinen eigenen Händen verdienen.",
         kTreePracticalNature,
         "Du neigst dazu, anderen die Schuld an Verzögerungen zu geben, die du hättest verhindern können, und behebst "
         "sie dann still selbst. Hast du einmal einen Weg gewählt, bringt dich nur ein Erdbeben davon ab. Gutes Essen "
         "und weiche Stoffe sind deine liebsten Belohnungen."},
        {"Jungfrau",   "Merkur",             "Erde",   "Herkules",        "Erfahrung", "Weide",
         "Du machst deinen Wert vom Urteil anderer abhängig, eine Gewohnheit aus einem Leben im Dienst anderer. Jetzt "
         "verdient dein eigenes Urteil Gehör.",
         kTreeDrivenByMoods,
         "Du machst dir viele Sorgen um Einzelheiten, über die andere nur mit den Schultern zucken, vom schiefen "
         "Bilderrahmen bis zum fehlenden Komma. Diese Sorgfalt macht dich zu dem Menschen, dem man die Kasse "
         "anvertraut. Erlaube dir, mit dem Nachprüfen aufzuhören, wenn die Arbeit getan ist."},
        {"Steinbock",  "Saturn",             "Erde",   "Südlicher Fisch", "Idealistisch", "Ulme",
         "Du musst lernen, Verantwortung für andere zu übernehmen, ohne sie auf deinem Rücken zu tragen, eine Pflicht, "
         "die deine Seele einst nur zur Hälfte erfüllt hat.",
         kTreeCalmAndPatient,
         "Du bist von Temperament ruhig und ausgeglichen und baust dein Leben vernünftig Stein für Stein auf. Du hast "
         "hohe Ideale, planst sie aber mit dem Rechenbuch in der Hand. Die Jahre meinen es gut mit dir, und mit "
         "fünfzig wirkst du oft glücklicher als mit zwanzig."},
    }}},
    // Gemini
    {"Gem", {{
        {"Zwillinge",  "Merkur",             "Luft",   "Großer Bär",      "Intuition", "Esche",
         kGeminiFirstHappyAndEnthusiastic,
         kTreeAshLively,
         kGeminiFirstHappyAndEnthusiastic},
        {"Waage",      "Venus",              "Luft",   "Drache",          "Unabhängigkeit", "Eberesche",
         "Du musst denen treu sein, die zu dir gestanden haben, und so eine Vertrauensschuld begleichen, die weiter "
         "zurückreicht als dieses Leben.",
         kTreePowerfulThinking,
         "Du bist freundlich und feinfühlig für die Stimmungen um dich herum und ahnst einen Streit oft, bevor er "
         "beginnt. Du magst angenehme Gesellschaft und schöne Räume. Dennoch hast du eine private Tür, die niemand "
         "sonst öffnen darf."},
        {"Wassermann", "Uranus und Saturn",  "Luft",   "Walfisch",        "Verdrängung", "Dattelpalme",
         "Du musst lernen, schnell zu vergeben. Groll, den du durch frühere Leben getragen hast, ist schwereres "
         "Gepäck, als du ahnst.",
         kTreeOptimist,
         "Vor anderen bist du fröhlich und optimistisch, doch Gefühle, die dir unordentlich erscheinen, räumst du weg. "
         "Seltsame Ideen und noch seltsamere Freunde begeistern dich. Heiße deine leiseren Gefühle ebenso willkommen "
         "wie eine wilde Theorie."},
    }}},
    // Cancer
    {"Can", {{
        {"Krebs",      "Mond",               "Wasser", "Kleiner Hund",    "Laune", "Birke, Apfelbaum",
         "Du versuchst, dein Zuhause und dein Familienleben zu verbessern, und machst damit eine Zeit wieder gut, in "
         "der du zu früh gegangen bist.",
         kTreeGoodOrganizers,
         "Du bist empfindsam und liebevoll. Das kannst du zu deinem Vorteil nutzen. Diplomatie geht dir völlig ab."},
        {"Skorpion",   "Pluto und Mars",     "Wasser", "Altar",           "Verantwortung", "Pappel",
         "Du musst die Gewohnheit ablegen, alte Kränkungen zu pflegen, ein Muster, das deine Seele über mehrere Leben "
         "wiederholt hat.",
         kTreePracticalNature,
         "Du trägst eine Maske über deinen tiefsten Gefühlen, bis du sicher bist, dass ein Mensch vertrauenswürdig "
         "ist. Dahinter liegt leidenschaftliche Hingabe. Wird jemand bedroht, den du liebst, wirst du zum "
         "entschlossensten Menschen im Raum."},
        {"Fische",     "Neptun und Jupiter", "Wasser", "Kassiopeia",      "Entbehrung", "Linde",
         "Du musst durch manche Entbehrung gehen, um Schulden aus lang vergangener Zeit zu begleichen, und jede "
         "beglichene Schuld macht dich leichter.",
         kTreeCharmingAndDreamy,
         "Du bist geschickt und wortgewandt, wenn du jemanden verteidigst, der schwächer ist als du. Musik und Wasser "
         "beruhigen dich. Magere Jahre haben dich erfinderisch gemacht, und du kannst dir aus einem einzigen Koffer "
         "ein Zuhause schaffen."},
    }}},
    // Leo
    {"Leo", {{
        {"Löwe",       "Sonne",              "Feuer",  "Becher",          "Führung", "Zypresse",
         "Du suchst nach Wegen, mit offener Hand zu führen, denn ein früheres Leben hat dir gezeigt, was eine "
         "Herrschaft durch Angst kostet.",
         kTreeThinkALot,
         "Du hast das Gefühl, alles vollenden zu müssen, was du beginnst, selbst wenn alle anderen längst nach Hause "
         "gegangen sind. Deine Wärme zieht einen treuen Kreis um dich. Stolz ist dein wunder Punkt, also lass ab und "
         "zu auch andere den Applaus genießen."},
        {"Schütze",    "Jupiter",            "Feuer",  "Adler",           "Erkunden", "Hainbuche",
         "Vielleicht versuchst du, eine Vergangenheit rastlosen Umherziehens zu überwinden, indem du etwas aufbaust, "
         "das dich überdauert.",
         kTreeColdHearted,
         "Einfache Freuden begeistern dich: ein langer Spaziergang, eine neue Landkarte, die Geschichte eines Fremden. "
         "Neugier hält dich jung. Eine Beförderung würdest du ohne zu zögern gegen ein Jahr im Ausland tauschen."},
        {"Widder",     "Mars",               "Feuer",  "Perseus",         "Aufstieg", "Ahorn",
         "Spirituell findest du erst zu dir selbst, wenn du die Waffen aus Kämpfen niederlegst, die vor Jahrhunderten "
         "geendet haben.",
         kTreeOwnWealth,
         "Du bist charmant und freundlich und steigst schnell auf, wo immer es eine Leiter gibt. Du liebst "
         "Herausforderungen mit einer klaren Ziellinie. Warten ist nicht deine Stärke, Mut dafür umso mehr."},
    }}},
    // Virgo
    {"Vir", {{
        {"Jungfrau",   "Merkur",             "Erde",   "Bärenhüter",      "Erfüllung", "Kiefer",
         "Du versuchst, die Menschen zu verstehen, die du in einem anderen Leben zu hart beurteilt hast.",
         kTreePolishedAndDignified,
         "Du bist äußerst bescheiden, was deine Fähigkeiten angeht, selbst wenn sich alle um dich herum auf sie "
         "verlassen. Du entdeckst die fehlende Schraube und das falsche Datum. Erfüllung findest du in nützlicher "
         "Arbeit, die mit Sorgfalt getan ist."},
        {"Steinbock",  "Saturn",             "Erde",   "Delphin",         "Martyrium", "Kiefer",
         "Du musst härter arbeiten als die meisten, um ein früheres Leben in Bequemlichkeit auszugleichen, und die "
         "Mühe gibt dir wieder eine weiße Weste.",
         kTreePolishedAndDignified,
         "Du bleibst sehr zuversichtlich und standhaft, wenn andere die Nerven verlieren. Still übernimmst du die "
         "Aufgaben, die sonst niemand will. Pass auf, dass du nicht so viel gibst, dass du deine eigenen Bedürfnisse "
         "vergisst."},
        {"Stier",      "Venus",              "Erde",   "Fuhrmann",        "Meisterschaft", "Kastanie",
         "Du musst lernen, den Besitz loszulassen, der dich in früheren Leben gefangen hielt.",
         kTreePracticalAndFair,
         "Du brauchst Zeit, um eine neue Fertigkeit zu begreifen, doch hast du sie einmal, beherrschst du sie "
         "vollkommen. Du magst Handwerk, Gärten und gutes Werkzeug. Die Menschen bewundern deine Geduld mehr, als dir "
         "bewusst ist."},
    }}},
    // Libra
    {"Lib", {{
        {"Waage",      "Venus",              "Luft",   "Schlange",        "Politik", "Olivenbaum, Mandelbaum",
         "Du lernst, feinfühlig für die Bedürfnisse anderer zu sein, als Ausgleich für ein früheres Leben, das du vor "
         "allem für dich selbst gelebt hast.",
         kTreeWiseAndIntelligent,
         "Du gibst dir viel Mühe, den Frieden zu wahren, und Diplomatie liegt dir im Blut. Du wägst beide Seiten jedes "
         "Streits ab, bevor du Partei ergreifst. Schönheit, Kunst und gute Gespräche nähren deine Seele."},
        {"Wassermann", "Uranus und Saturn",  "Luft",   "Pegasus",         "Inspiration", "Pappel",
         "Du musst lernen, bescheiden zu sein.",
         kTreeArtisticTemperament,
         "Du bist sehr intelligent und zurückhaltend, und deine beste Inspiration kommt meist mitten in der Nacht. Du "
         "siehst Möglichkeiten, die anderen entgehen. Teile deine Ideen früh, bevor sich die Zweifel einstellen."},
        {"Zwillinge",  "Merkur",             "Luft",   "Großer Bär",      "Verstand", "Feigenbaum",
         "Du möchtest anderen die Welt erklären und gibst Weisheit weiter, die du in vielen Leben gesammelt hast.",
         kTreeLogicalAndPractical,
         "Du bist klug und intelligent, mit einer flinken Zunge und einer noch flinkeren Feder. Kreuzworträtsel, "
         "Debatten und ein wenig Klatsch unterhalten dich. Du kannst dich aus fast allem herausreden."},
    }}},
    // Scorpio
    {"Sco", {{
        {"Skorpion",   "Pluto und Mars",     "Wasser", "Schlangenträger", "Ressourcen", "Nussbaum",
         "Du musst lernen, deine Macht sanft zu gebrauchen, denn einst hast du sie benutzt, um andere deinem Willen zu "
         "beugen.",
         kTreeArtisticTemperament,
         "Smalltalk frustriert dich ständig, weil du den Dingen auf den Grund gehen willst. Du bist einfallsreich und "
         "schwer zu täuschen. Wenn du dich bindest, dann mit ganzem Herzen."},
        {"Fische",     "Neptun und Jupiter", "Wasser", "Andromeda",       "Selbstaufopferung", "Weide",
         "Du musst lernen, mitfühlend zu sein, ohne im Kummer anderer zu ertrinken, eine Lektion, der deine Seele "
         "schon einmal begegnet ist.",
         kTreeDrivenByMoods,
         "Du bist verständnisvoll und mitfühlend und bietest als Erstes ein freies Bett an, wenn Freunde in Not sind. "
         "Du spürst den Schmerz anderer wie deinen eigenen. Hüte deine Kraft so sorgsam, wie du die ihre hütest."},
        {"Krebs",      "Mond",               "Wasser", "Schiff Argo",     "Forschung", "Ulme",
         "Du wirst viele Reisen machen müssen, nach innen und nach außen, um das Zuhause zu finden, das du in einem "
         "früheren Leben verloren hast.",
         kTreeCalmAndPatient,
         "Du bist empfindsam und leicht zu verletzen, versteckst es aber hinter scharfem Witz. Du gräbst gern in alten "
         "Akten, Familiengeschichten und ungelösten Rätseln. Dein Zuhause ist deine Festung."},
    }}},
    // Sagittarius
    {"Sag", {{
        {"Schütze",    "Jupiter",            "Feuer",  "Leier",           "Frömmigkeit", "Esche",
         "Du musst lernen, klug mit deinen Versprechen umzugehen, denn ein früheres Leben hat eine Spur von Gelübden "
         "hinterlassen, die du nicht halten konntest.",
         kTreeAshLively,
         "Du lebst ein Leben der großen Fragen und der weiten Reisen. Der Glaube, in welcher Form auch immer, lenkt "
         "deine Schritte. Du bist ehrlich bis zur Schmerzgrenze und manchmal so unverblümt, dass deine Freunde "
         "zusammenzucken."},
        {"Widder",     "Mars",               "Feuer",  "Eridanus",        "Überschwang", "Eberesche",
         "Du musst lernen, praktisch zu denken. Frühere Leben voller großer Pläne haben kaum etwas hinterlassen, das "
         "wirklich gebaut wurde.",
         kTreePowerfulThinking,
         "Du gehst mit großer Begeisterung durchs Leben und stürzt dich in Sport, Reisen und Debatten. Zweiter zu "
         "werden ärgert dich. Deine gute Laune trägt dich durch Rückschläge, die die meisten Menschen umwerfen "
         "würden."},
        {"Löwe",       "Sonne",              "Feuer",  "Rabe",            "Ehrgeiz", "Dattelpalme",
         "Du bleibst rastlos und immer auf der Suche, bis du Frieden mit einem Stolz schließt, den du aus einer "
         "früheren Inkarnation mitgebracht hast.",
         kTreeOptimist,
         "Du hast viel Energie und den Ehrgeiz, der dazu passt. Du möchtest bemerkt werden, und meistens wirst du es "
         "auch. Großzügigkeit ist deine schönste Eigenschaft, und du gibst, ohne Buch darüber zu führen."},
    }}},
    // Capricorn
    {"Cap", {{
        {"Steinbock",  "Saturn",             "Erde",   "Schwan",          "Organisieren", "Buche, Apfelbaum",
         "Vielleicht hast du in einem früheren Leben Menschen durch Kälte verletzt, und Wärme ist nun die Schuld, die "
         "du zurückzahlst.",
         kTreeLovingAndSentimental,
         "Nach außen bist du vielleicht sehr entgegenkommend und umgänglich, doch darunter liegt ein fester Plan. Du "
         "organisierst Menschen und Zeit mit Leichtigkeit. Respekt ist dir wichtiger als Beliebtheit."},
        {"Stier",      "Venus",              "Erde",   "Orion",           "Anstrengung", "Pappel",
         "Du wünschst deiner Familie und deinen Freunden nur das Beste, und jede großzügige Tat begleicht ein Stück "
         "eines alten karmischen Kontos.",
         kTreeArtisticTemperament,
         "Du bist sehr konventionell und beständig in deinen Gewohnheiten, und Überraschungen bringen dich aus dem "
         "Gleichgewicht. Du arbeitest hart für Komfort und Sicherheit. Ein gutes Essen mit alten Freunden ist für dich "
         "der wahre Luxus."},
        {"Jungfrau",   "Merkur",             "Erde",   "Nördliche Krone", "Loslassen", "Linde",
         "Du wirst verstehen, warum du die Kontrolle abgeben musst, eine Lektion, die vor langer Zeit begann und sich "
         "in diesem Leben vollendet.",
         kTreeCharmingAndDreamy,
         "Du sorgst dich ständig darum, alles richtig zu machen, deshalb prüfst du deine Arbeit zweimal. Du bist "
         "bescheiden und hilfsbereit. Lerne, dich auszuruhen, sobald die Aufgabe erledigt ist, denn Perfektion kann "
         "warten."},
    }}},
    // Aquarius
    {"Aqu", {{
        {"Wassermann", "Uranus und Saturn",  "Luft",   "Füllen",          "Originalität", "Zypresse",
         "Du musst lernen, die Dinge auf deine eigene Art zu tun, ohne die Ablehnung zu fürchten, die dir in früheren "
         "Leben begegnet ist.",
         kTreeThinkALot,
         "Du bist freundlich und bescheiden, doch deine Ideen sind alles andere als gewöhnlich. Du magst technische "
         "Spielereien, Wissenschaft und ungewöhnliche Freunde. Freiheit ist für dich unverzichtbar, in der Liebe "
         "ebenso wie im Beruf."},
        {"Zwillinge",  "Merkur",             "Luft",   "Großer Hund",     "Treue", "Esche",
         "Deine Lebensaufgabe ist es, den Menschen die Treue zu halten, die du in einem früheren Dasein im Stich "
         "gelassen hast.",
         kTreeAshLivelyAndFaithful,
         "Du bist idealistisch und meinungsstark und liebst eine lebhafte Diskussion. Du lernst schnell und vergisst "
         "nichts. Deine Freunde schätzen deine Treue ebenso sehr wie deinen Witz."},
        {"Waage",      "Venus",              "Luft",   "Wolf",            "Sühne", "Ahorn",
         "Du musst lernen, gerecht zu dir selbst zu sein wie zu anderen, und altes Unrecht wiedergutzumachen, ohne "
         "dich selbst zu bestrafen.",
         kTreeOwnWealth,
         "Du bist freundlich und gerecht, und Ungerechtigkeit jeder Art empört dich. Du hast ein Auge für Schönheit "
         "und eine Gabe, Menschen zusammenzubringen. Partnerschaften prägen dein Leben."},
    }}},
    // Pisces
    {"Pis", {{
        {"Fische",     "Neptun und Jupiter", "Wasser", "Kepheus",         "Wahrheit", "Kiefer",
         "Du hältst in schweren Zeiten an deinen Überzeugungen fest, so wie du es in den Leben vor diesem getan hast.",
         kTreePolishedAndDignified,
         "Du bist von Natur aus konventionell, und doch wohnt in dir eine träumerische Seele. Du spürst die Wahrheit "
         "hinter höflichen Worten. Kunst, Musik und stilles Wasser geben dir nach einem vollen Tag neue Kraft."},
        {"Krebs",      "Mond",               "Wasser", "Wasserschlange",  "Offenbarung", "Tanne",
         "Du möchtest ein Hippie-Leben mit wenig Besitz führen, ein Nachklang eines früheren Lebens in schlichter "
         "Hingabe.",
         kTreeAirOfMystery,
         "Du bist von Natur aus sentimental und sinnlich, und du weißt noch, wie jeder Raum roch, den du je geliebt "
         "hast. Familienbande reichen bei dir tief. Deine Träume verraten dir manchmal Dinge, bevor sie geschehen."},
        {"Skorpion",   "Pluto und Mars",     "Wasser", "Südliche Krone",  "Talent", "Kastanie",
         "Aus Leben in Einsamkeit hast du dir vielleicht angewöhnt, für dich zu bleiben und dich in dich "
         "zurückzuziehen, doch diesmal sind deine Gaben dazu bestimmt, geteilt zu werden.",
         kTreePracticalAndFair,
         "Du bist vielleicht zurückhaltend und still, doch deine Talente sprechen laut, sobald du sie herauslässt. Du "
         "durchschaust Menschen mit beunruhigender Genauigkeit. Vertrau deinem Instinkt, besonders bei der Frage, wer "
         "deine Zeit verdient."},
    }}},
}};
// clang-format on

static_assert(IsComplete(kTable), "every sign has its key and every row all nine fields");

} // namespace

const DecanateTable& GermanDecanateTable() noexcept
{
    return kTable;
}

} // namespace tessaline
