// SPDX-License-Identifier: GPL-3.0-or-later
// The decanate table in Spanish: the English table's rows, in the same order, each field translated.
#include "decanates/translations/Translations.h"

namespace tessaline {

namespace {

// Tree texts belong to rows, not to tree names: several rows share one text, and a shared text may
// serve rows whose trees differ. Each text is written once here and referenced from the table.

// Aries 1
constexpr std::string_view kTreeTruthAndKnowledge
    = "This tree symbolizes truth and knowledge, and you carry both the way an old oak carries its rings. You speak "
      "plainly and expect the same in return. Storms bend your branches but rarely reach your roots. People come to "
      "you for shelter and leave with advice they did not know they needed.";

// Aries 2, Libra 2, Scorpio 1, Capricorn 2
constexpr std::string_view kTreeArtisticTemperament
    = "You will have an artistic temperament and a keen eye for what others overlook. You grow quickly and always "
      "reach for the light. Criticism stings you more than you admit. Given a quiet corner and a free afternoon, you "
      "can make something lovely out of very little.";

// Aries 3, Libra 3
constexpr std::string_view kTreeLogicalAndPractical
    = "You are very logical and practical, yet you keep a soft centre, like a ripe fig. Fuss bores you and you prefer "
      "things that simply work. You would choose a full family table over an impressive title. You give your word "
      "rarely and keep it always.";

// Taurus 1, Cancer 2
constexpr std::string_view kTreePracticalNature
    = "You have a very practical nature and little patience for schemes that only work on paper. You plan your moves "
      "like a chess player, several turns ahead. Some call you stubborn, but friends know they can lean on you. A "
      "crisis brings out your coolest head.";

// Taurus 2, Scorpio 2
constexpr std::string_view kTreeDrivenByMoods
    = "You are very easily driven by your moods, swaying like a willow in a changing wind. Rain and moonlight suit "
      "you better than the harsh noon sun. You remember every kindness and every slight. Your intuition is strong, "
      "and when you trust it you are seldom wrong.";

// Taurus 3, Scorpio 3
constexpr std::string_view kTreeCalmAndPatient
    = "You are calm and patient by nature, like an elm that takes a century to reach its full height. You like to "
      "lead, though never loudly. Mistakes bother you, your own most of all. You keep your promises and expect others "
      "to keep theirs.";

// Gemini 1, Sagittarius 1
constexpr std::string_view kTreeAshLively
    = "People belonging to Ash are very lively and quick-witted, and they rarely sit still for long. You look ahead "
      "to what could be rather than back at what was. Rules feel like friendly suggestions to you. You give "
      "generously, but you need room to breathe in any partnership.";

// Gemini 2, Sagittarius 2
constexpr std::string_view kTreePowerfulThinking
    = "You have a powerful thinking mind that spots the flaw in a plan at once. Like the service tree, you flower "
      "modestly and bear your fruit late. You do not chase attention. Duty comes first for you, and pleasure waits "
      "politely in line.";

// Gemini 3, Sagittarius 3
constexpr std::string_view kTreeOptimist
    = "You will be an optimist who sees the oasis long before the desert ends. Like the date palm, you thrive where "
      "others wilt. You enjoy an audience and tell a story well. Friends call on you when their spirits need lifting.";

// Cancer 1
constexpr std::string_view kTreeGoodOrganizers
    = "You generally make very good organizers, with the birch's clean lines and the apple tree's generosity. A tidy "
      "kitchen and a full table make you content. You notice who has not eaten and quietly pass the bread. Your moods "
      "turn with the seasons, but your care stays constant.";

// Cancer 3, Capricorn 3
constexpr std::string_view kTreeCharmingAndDreamy
    = "You may be charming and dreamy, with a sweet scent of linden blossom drifting around you. You dislike conflict "
      "and will go a long way to avoid a scene. Comfort matters to you. Under the soft manner lies a stubborn loyalty "
      "that surprises people.";

// Leo 1, Aquarius 1
constexpr std::string_view kTreeThinkALot
    = "You will think a lot. You will be flexible in different environments. You may be lazy and dream all day long.";

// Leo 2
constexpr std::string_view kTreeColdHearted
    = "You will be cold-hearted and not easily moved, at least on the surface, like hornbeam wood, one of the hardest "
      "in the forest. You value order and good manners. Inside, you are more tender than anyone guesses. Once someone "
      "earns your trust, they keep it for life.";

// Leo 3, Aquarius 3
constexpr std::string_view kTreeOwnWealth
    = "You will earn your own wealth and enjoy every coin of it. Like the maple in autumn, you show your brightest "
      "colours when others fade. You are sociable and just a little vain. New ideas excite you, and boredom rarely "
      "finds you.";

// Virgo 1, Virgo 2, Pisces 1
constexpr std::string_view kTreePolishedAndDignified
    = "You will be polished and dignified, as much at ease in a quiet study as on a windy hillside. Like the pine, "
      "you stay green when everything around you loses its leaves. You choose your friends slowly. Your standards are "
      "high, and you seldom lower them for convenience.";

// Virgo 3, Pisces 3
constexpr std::string_view kTreePracticalAndFair
    = "You will be very practical and fair, with the chestnut's habit of sheltering everyone under its wide crown. "
      "You stand up for the underdog, and injustice makes your blood boil. You can be slow to start. Once you move, "
      "though, few can stop you.";

// Libra 1
constexpr std::string_view kTreeWiseAndIntelligent
    = "You will be wise and intelligent, with the olive's patience and the almond's early blossom. You dislike "
      "violence and prefer to settle a dispute with a calm word. Sunshine and warm places lift your spirit. You read "
      "widely and think before you speak.";

// Capricorn 1
constexpr std::string_view kTreeLovingAndSentimental
    = "You will be loving and sentimental beneath a composed exterior, like smooth grey beech bark over a soft heart. "
      "You plan ahead and save for rainy days. The apple tree lends you a generous streak. Old letters and "
      "photographs stay in your drawers for decades.";

// Aquarius 2
constexpr std::string_view kTreeAshLivelyAndFaithful
    = "People belonging to Ash are very lively and quick-witted, and they rarely sit still for long. You look ahead "
      "to what could be rather than back at what was. Rules feel like friendly suggestions to you. Yet you stay "
      "faithful to the few people who have earned your trust.";

// Pisces 2
constexpr std::string_view kTreeAirOfMystery
    = "There is an air of mystery about you, like a fir forest at dusk. You love beauty and silence in equal measure. "
      "You can be hard to please, yet you are devoted to the few you let close. Winter suits you, and you shine "
      "brightest in difficult times.";

// The first decanate of Gemini gives the same text as its character and as its karmic lesson.
constexpr std::string_view kGeminiFirstHappyAndEnthusiastic
    = "You will be happy and enthusiastic whenever life hands you something new to learn. Trust the hunches you bring "
      "from before; they rarely fail.";

// Each row lists, in the order the results window shows them: DecanateSign, RulingPlanet, RulingElement,
// ConstellationName, Keyword, TreeZodiac, then the texts KarmicInfluence, MoreAboutTreeZodiac and
// MoreAboutDecanateSign. The short names are kept exactly as they were handed down, odd spellings and
// punctuation included.
// clang-format off
constexpr DecanateTable kTable = {{
    // Aries
    {"Ari", {{
        {"Aries",       "Mars",                "Fire",  "Triangulum",          "Activity", "The Oak tree",
         "You will learn to succeed on your own strength this time, without the band of helpers that carried you in "
         "an earlier life.",
         kTreeTruthAndKnowledge,
         "You will be impulsive, brave and quick to volunteer when others hang back. You start ten projects before "
         "breakfast and finish the three that matter. A slow queue tests your nerves more than any real danger does."},
        {"Leo",         "The Sun",             "Fire",  "Centaurus",           "Reform", "Poplar-tree",
         "Learn to be calm and stable. An old life spent chasing every spark left you scattered, and steadiness is "
         "the gift you came back for.",
         kTreeArtisticTemperament,
         "You have a charismatic and magnetic presence that fills a room before you say a word. You want to reform "
         "things, and you want to be seen doing it. Applause feeds you, but a quiet thank-you from one friend means "
         "more."},
        {"Sagittarius", "Jupiter",             "Fire",  "Sagitta",             "Illumination", "Fig tree",
         "You will be happy when you share what you know freely, repaying the teachers who once shared their light "
         "with you.",
         kTreeLogicalAndPractical,
         "You will be wild and enjoy the open road more than any fixed address. New places, new languages and new "
         "people wake you up. You learn best by getting a little lost first."},
    }}},
    // Taurus
    {"Tau", {{
        {"Taurus",      "Venus",               "Earth", "Lepus",               "Determination", "The Nut tree",
         "You will believe in hard work, and rightly so: comfort wasted long ago must now be earned with your own "
         "hands.",
         kTreePracticalNature,
         "You tend to blame others for delays you could have prevented, then quietly fix them yourself. Once you "
         "choose a path, nothing short of an earthquake will shift you. Good food and soft fabrics are your favourite "
         "rewards."},
        {"Virgo",       "Mercury",             "Earth", "Hercules",            "Experience", "Willow",
         "You depend on others for your sense of worth, a habit left from a life of service. Now your own judgement "
         "deserves a hearing.",
         kTreeDrivenByMoods,
         "You will be a lot worried about details others shrug off, from a crooked picture frame to a missing comma. "
         "That care makes you the one people trust with the accounts. Let yourself stop checking once the job is "
         "done."},
        {"Capricorn",   "Saturn",              "Earth", "Pisces Australis",    "Idealistic", "Elm-tree",
         "You have to learn to be responsible for others without carrying them on your back, a duty your soul left "
         "half done.",
         kTreeCalmAndPatient,
         "You are calm and balanced by temperament, and you build your life one sensible brick at a time. You hold "
         "lofty ideals but plan for them with a ledger. The years are kind to you, and you often look happier at "
         "fifty than at twenty."},
    }}},
    // Gemini
    {"Gem", {{
        {"Gemini",      "Mercury",             "Air",   "The Great Bear",      "Intuition", "Ash tree",
         kGeminiFirstHappyAndEnthusiastic,
         kTreeAshLively,
         kGeminiFirstHappyAndEnthusiastic},
        {"Libra",       "Venus",               "Air",   "Draco",               "Independence", "Service-tree",
         "You have to be loyal to those who stood by you, settling a debt of trust that runs back further than this "
         "lifetime.",
         kTreePowerfulThinking,
         "You will be kind and sensitive to the moods around you, often sensing a quarrel before it starts. You like "
         "pleasant company and beautiful rooms. Still, you keep one private door that nobody else may open."},
        {"Aquarius",    "Uranus and Saturn",   "Air",   "Cetus",               "Repressive", "Date-tree",
         "You will need to be fast to forgive. Grudges carried through past lives are heavier luggage than you know.",
         kTreeOptimist,
         "You are happy and optimistic in public, yet you tuck away feelings you consider untidy. Odd ideas and odder "
         "friends delight you. Give your quieter emotions the same welcome you give a wild theory."},
    }}},
    // Cancer
    {"Can", {{
        {"Cancer",      "The Moon",            "Water", "Canes Minor",         "Whim", "Birch tree, Apple tree",
         "You will try to improve your home and family life, making up for a time when you walked away too soon.",
         kTreeGoodOrganizers,
         "You will be sensitive and loving. You may use this to your advantage. You have zero diplomacy."},
        {"Scorpio",     "Pluto and Mars",      "Water", "Ara",                 "Responsibility", "Poplar-tree",
         "You will need to change your habit of nursing old hurts, a pattern your soul has repeated for several "
         "lifetimes.",
         kTreePracticalNature,
         "You will wear a mask over your deepest feelings until you are certain a person is safe. Behind it lies "
         "fierce devotion. When someone you love is threatened, you become the most determined person in the room."},
        {"Pisces",      "Neptune and Jupiter", "Water", "Cassiopeia",          "Hardship", "Lime-tree",
         "You will need to go through some hardship to clear debts from long ago, and each one you settle leaves you "
         "lighter.",
         kTreeCharmingAndDreamy,
         "You will be skilled and vocal when defending someone weaker than you. Music and water calm you. Lean years "
         "have made you resourceful, and you can make a home out of a single suitcase."},
    }}},
    // Leo
    {"Leo", {{
        {"Leo",         "The Sun",             "Fire",  "Crater",              "Leadership", "Cypress tree",
         "You will look for ways to lead with an open hand, because a former life showed you what ruling by fear "
         "costs.",
         kTreeThinkALot,
         "You feel that have to complete whatever you start, even when everyone else has gone home. Your warmth draws "
         "a loyal circle around you. Pride is your weak spot, so let others take a bow now and then."},
        {"Sagittarius", "Jupiter",             "Fire",  "Aquila",              "Exploring", "Hornbeam-tree",
         "You may be trying to overcome a past of restless wandering by building something that outlasts you.",
         kTreeColdHearted,
         "You will be thrilled with simple pleasures: a long walk, a new map, a stranger's story. Curiosity keeps you "
         "young. You would trade a promotion for a year abroad without a second thought."},
        {"Aries",       "Mars",                "Fire",  "Perseus",             "Promotion", "Maple-tree",
         "You will discover yourself spiritually only after you lay down the weapons of battles that ended centuries "
         "ago.",
         kTreeOwnWealth,
         "You will be charming and friendly, and you climb quickly wherever there is a ladder. You love a challenge "
         "with a clear finish line. Waiting is not your talent, but courage certainly is."},
    }}},
    // Virgo
    {"Vir", {{
        {"Virgo",       "Mercury",             "Earth", "Bootes",              "Fulfilment", "Pine tree",
         "You will try to understand the people you once judged too harshly in another life.",
         kTreePolishedAndDignified,
         "You will be extremely modest about your skills, even when everyone around you relies on them. You spot the "
         "missing screw and the wrong date. Fulfilment comes to you through useful work done with care."},
        {"Capricorn",   "Saturn",              "Earth", "Delphinus (Dolphin)", "Martyrdom", "Pine-tree",
         "You have to work harder than most to repay an old life of ease, and the effort leaves your slate clean.",
         kTreePolishedAndDignified,
         "You will be very positive and steady when others lose their nerve. You quietly take on the jobs nobody else "
         "wants. Be careful not to give so much that you forget your own needs."},
        {"Taurus",      "Venus",               "Earth", "Auriga",              "Masterliness", "Chestnut-tree",
         "You will have to learn about letting go of the possessions that held you captive in earlier lives.",
         kTreePracticalAndFair,
         "You will take time in understanding a new skill, but once you have it, you master it completely. You enjoy "
         "crafts, gardens and good tools. People admire your patience more than you realise."},
    }}},
    // Libra
    {"Lib", {{
        {"Libra",       "Venus",               "Air",   "Serpens",             "Politics", "Olive tree, Almond tree",
         "You will learn to be sensitive to what others need, balancing a previous life lived mainly for yourself.",
         kTreeWiseAndIntelligent,
         "You put in a lot of effort to keep the peace, and you are a born diplomat. You weigh both sides of every "
         "argument before you take one. Beauty, art and good conversation feed your soul."},
        {"Aquarius",    "Uranus and Saturn",   "Air",   "Pegasus",             "Inspiration", "Poplar-tree",
         "You will need to learn to be modest.",
         kTreeArtisticTemperament,
         "You are very intelligent and reserved, and your best inspiration tends to arrive in the middle of the "
         "night. You see possibilities others miss. Share your ideas early, before the doubts set in."},
        {"Gemini",      "Mercury",             "Air",   "The Great Bear",      "Sense", "Fig tree",
         "You will seek to explain the world to others, passing on wisdom gathered over many lifetimes.",
         kTreeLogicalAndPractical,
         "You will be clever and intelligent, with a quick tongue and a quicker pen. Crosswords, debates and a little "
         "gossip all entertain you. You can talk your way out of almost anything."},
    }}},
    // Scorpio
    {"Sco", {{
        {"Scorpio",     "Pluto and Mars",      "Water", "Ophiuchus",           "Resources", "Nut tree",
         "You will need to learn to use your power gently, since you once used it to bend others to your will.",
         kTreeArtisticTemperament,
         "You will be frustrated all the time by small talk, because you want to get to the heart of things. You are "
         "resourceful and hard to fool. When you commit, you commit completely."},
        {"Pisces",      "Neptune and Jupiter", "Water", "Andromeda",           "Self sacrifice", "Willow",
         "You have to learn to be sensitive without drowning in other people's sorrow, a lesson your soul has met "
         "before.",
         kTreeDrivenByMoods,
         "You will be understanding and compassionate, the first to offer a spare bed to a friend in trouble. You "
         "feel other people's pain as your own. Guard your energy as carefully as you guard theirs."},
        {"Cancer",      "The Moon",            "Water", "Argo",                "Research", "Elm-tree",
         "You will have to make many journeys, inward and outward, to find the home you lost in a former life.",
         kTreeCalmAndPatient,
         "You are sensitive and easy to hurt, yet you hide it behind a sharp wit. You love digging into old records, "
         "family histories and unsolved mysteries. Home is your fortress."},
    }}},
    // Sagittarius
    {"Sag", {{
        {"Sagittarius", "Jupiter",             "Fire",  "Lyra",                "Piety", "Ash tree",
         "You have to learn to be clever with your promises, because an earlier life left a trail of vows you could "
         "not keep.",
         kTreeAshLively,
         "You will live a life of big questions and long journeys. Faith, in one form or another, guides your steps. "
         "You are honest to a fault and sometimes blunt enough to make friends wince."},
        {"Aries",       "Mars",                "Fire",  "Eridanus",            "Exaltation", "Service tree",
         "You will need to learn to be practical. Past lives full of grand plans left very little actually built.",
         kTreePowerfulThinking,
         "You are very enthusiastic in life and throw yourself into sport, travel and debate. Coming second annoys "
         "you. Your good humour carries you through setbacks that would flatten most people."},
        {"Leo",         "The Sun",             "Fire",  "Corvus",              "Ambition", "Date-tree",
         "You will be restless and always searching until you make peace with a pride brought from a previous "
         "incarnation.",
         kTreeOptimist,
         "You will have lots of energy and the ambition to match it. You like to be noticed, and you usually are. "
         "Generosity is your finest quality, and you give without keeping score."},
    }}},
    // Capricorn
    {"Cap", {{
        {"Capricorn",   "Saturn",              "Earth", "Cygnus (Swan)",       "Organizing", "Beech tree, Apple tree,",
         "You may have hurt people in a past life through coldness, and warmth is now the debt you repay.",
         kTreeLovingAndSentimental,
         "You may be very accommodating and easygoing on the surface, but a firm plan runs underneath. You organize "
         "people and time with ease. Respect matters more to you than popularity."},
        {"Taurus",      "Venus",               "Earth", "Orion",               "Effort", "Poplar-tree",
         "You wish the best for your family and friends, and every generous act pays down an old karmic account.",
         kTreeArtisticTemperament,
         "You will be very conventional and steady in your habits, and surprises unsettle you. You work hard for "
         "comfort and security. A good meal shared with old friends is your idea of luxury."},
        {"Virgo",       "Mercury",             "Earth", "Corona Borealis",     "Giving-up", "Lime-tree",
         "You will be able to understand why you must give up control, a lesson begun long ago and completed in this "
         "life.",
         kTreeCharmingAndDreamy,
         "You will be always worried about doing things correctly, so you check your work twice. You are modest and "
         "helpful. Learn to rest once the task is finished, since perfection can wait."},
    }}},
    // Aquarius
    {"Aqu", {{
        {"Aquarius",    "Uranus and Saturn",   "Air",   "Equuleus",            "Originality", "Cypress tree",
         "You need to learn to do things your own way, without fearing the rejection you met in past lives.",
         kTreeThinkALot,
         "You will be kind and modest, yet your ideas are anything but ordinary. You enjoy gadgets, science and "
         "unusual friends. Freedom is essential to you, in love as much as in work."},
        {"Gemini",      "Mercury",             "Air",   "Canes Majo",          "Fidelity", "Ash-tree",
         "Your task in life will be to keep faith with the people you abandoned in a previous existence.",
         kTreeAshLivelyAndFaithful,
         "You will be idealistic and opinionated, and you love a lively argument. You learn fast and forget nothing. "
         "Your friends value your loyalty as much as your wit."},
        {"Libra",       "Venus",               "Air",   "Lupus",               "Expiation", "Maple-tree",
         "You have to learn to be fair to yourself as well as to others, making amends for old wrongs without "
         "punishing yourself.",
         kTreeOwnWealth,
         "You will be kind and just, and unfairness of any kind offends you. You have an eye for beauty and a gift "
         "for bringing people together. Partnerships shape your life."},
    }}},
    // Pisces
    {"Pis", {{
        {"Pisces",      "Neptune and Jupiter", "Water", "Cepheus",             "Truth", "Pine tree",
         "You will hold on to your beliefs through hard times, just as you did in the lives before this one.",
         kTreePolishedAndDignified,
         "You will be conventional by nature, yet a dreamer lives inside you. You sense the truth behind polite "
         "words. Art, music and still water restore you after a busy day."},
        {"Cancer",      "The Moon",            "Water", "Hydra",               "Revelation", "Fir-tree",
         "You wish to live a hippie life of few possessions, an echo of a former life spent in simple devotion.",
         kTreeAirOfMystery,
         "You are sentimental and sensual by nature, and you remember how every room you ever loved smelled. Family "
         "bonds run deep in you. Your dreams sometimes tell you things before they happen."},
        {"Scorpio",     "Pluto and Mars",      "Water", "Corona Australis",    "Talent", "Chestnut-tree",
         "You may be loners and introverts by habit from lives spent in solitude, but this time your gifts are meant "
         "to be shared.",
         kTreePracticalAndFair,
         "You may be reserved and quiet, but your talents speak loudly once you let them out. You read people with "
         "unsettling accuracy. Trust your instincts, especially about who deserves your time."},
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
