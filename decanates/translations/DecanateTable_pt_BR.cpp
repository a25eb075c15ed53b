// SPDX-License-Identifier: GPL-3.0-or-later
// The decanate table in Brazilian Portuguese: the English table's rows, in the same order, each field translated.
#include "decanates/translations/Translations.h"

namespace tessaline {

namespace {

// Tree texts belong to rows, not to tree names: several rows share one text, and a shared text may
// serve rows whose trees differ. Each text is written once here and referenced from the table.

// Aries 1
constexpr std::string_view kTreeTruthAndKnowledge
    = "Esta árvore simboliza a verdade e o conhecimento, e você carrega os dois como um velho carvalho carrega seus "
      "anéis. Você fala com franqueza e espera o mesmo em troca. As tempestades dobram seus galhos, mas raramente "
      "alcançam suas raízes. As pessoas procuram você em busca de abrigo e saem com conselhos que nem sabiam que "
      "precisavam.";

// Aries 2, Libra 2, Scorpio 1, Capricorn 2
constexpr std::string_view kTreeArtisticTemperament
    = "Você terá um temperamento artístico e um olhar atento para o que os outros deixam passar. Você cresce depressa "
      "e sempre busca a luz. As críticas ferem você mais do que você admite. Com um cantinho tranquilo e uma tarde "
      "livre, você consegue criar algo encantador a partir de quase nada.";

// Aries 3, Libra 3
constexpr std::string_view kTreeLogicalAndPractical
    = "Você tem uma mente muito lógica e prática, mas guarda um coração macio, como um figo maduro. Frescura entedia "
      "você, e você prefere as coisas que simplesmente funcionam. Entre um título imponente e uma mesa cheia de "
      "família, você fica com a mesa. Você raramente dá sua palavra, mas sempre a cumpre.";

// Taurus 1, Cancer 2
constexpr std::string_view kTreePracticalNature
    = "Você tem uma natureza muito prática e pouca paciência para planos que só funcionam no papel. Você planeja seus "
      "passos como um enxadrista, várias jogadas à frente. Há quem chame você de cabeça-dura, mas os amigos sabem que "
      "podem contar com você. Numa crise, é você quem mantém a cabeça mais fria.";

// Taurus 2, Scorpio 2
constexpr std::string_view kTreeDrivenByMoods
    = "Você se deixa levar muito facilmente pelo seu humor, balançando como um salgueiro ao sabor do vento. A chuva e "
      "o luar combinam mais com você do que o sol forte do meio-dia. Você se lembra de cada gentileza e de cada "
      "desfeita. Sua intuição é forte, e quando você confia nela raramente se engana.";

// Taurus 3, Scorpio 3
constexpr std::string_view kTreeCalmAndPatient
    = "Você tem um jeito calmo e paciente, como o olmo, que leva um século para atingir sua altura máxima. Você gosta "
      "de liderar, mas nunca aos gritos. Os erros incomodam você, sobretudo os seus. Você cumpre suas promessas e "
      "espera que os outros cumpram as deles.";

// Gemini 1, Sagittarius 1
constexpr std::string_view kTreeAshLively
    = "Quem pertence ao Freixo é muito vivaz e tem raciocínio rápido, e raramente fica parado por muito tempo. Você "
      "olha para o que pode vir a ser, e não para o que já foi. Para você, regras são apenas sugestões amigáveis. "
      "Você dá com generosidade, mas precisa de espaço para respirar em qualquer relacionamento.";

// Gemini 2, Sagittarius 2
constexpr std::string_view kTreePowerfulThinking
    = "Você tem uma mente poderosa, que enxerga na hora a falha de um plano. Como a sorveira, você floresce com "
      "modéstia e dá seus frutos tarde. Você não corre atrás de atenção. Para você, o dever vem primeiro, e o prazer "
      "espera educadamente na fila.";

// Gemini 3, Sagittarius 3
constexpr std::string_view kTreeOptimist
    = "Você será uma pessoa otimista, que enxerga o oásis muito antes de o deserto acabar. Como a tamareira, você "
      "prospera onde os outros murcham. Você gosta de ter plateia e sabe contar uma boa história. Os amigos procuram "
      "você quando precisam levantar o astral.";

// Cancer 1
constexpr std::string_view kTreeGoodOrganizers
    = "Em geral, você sabe organizar muito bem, com as linhas limpas da bétula e a generosidade da macieira. Uma "
      "cozinha arrumada e uma mesa farta deixam você feliz. Você percebe quem ainda não comeu e, discretamente, passa "
      "o pão. Seu humor muda com as estações, mas o seu cuidado continua o mesmo.";

// Cancer 3, Capricorn 3
constexpr std::string_view kTreeCharmingAndDreamy
    = "Você pode ser uma pessoa encantadora e sonhadora, envolta no perfume suave da flor de tília. Você detesta "
      "conflitos e faz de tudo para evitar uma cena. O conforto é importante para você. Por trás desse jeito suave "
      "existe uma lealdade teimosa que surpreende as pessoas.";

// Leo 1, Aquarius 1
constexpr std::string_view kTreeThinkALot
    = "Você vai pensar muito. Você vai se adaptar bem a ambientes diferentes. Pode ter preguiça e passar o dia "
      "inteiro sonhando.";

// Leo 2
constexpr std::string_view kTreeColdHearted
    = "Você terá o coração frio e difícil de comover, pelo menos na superfície, como a madeira do carpino, uma das "
      "mais duras da floresta. Você valoriza a ordem e as boas maneiras. Por dentro, você tem mais ternura do que "
      "qualquer um imagina. Quando alguém conquista a sua confiança, ela é dessa pessoa para a vida toda.";

// Leo 3, Aquarius 3
constexpr std::string_view kTreeOwnWealth
    = "Você vai conquistar sua própria riqueza e aproveitar cada centavo dela. Como o bordo no outono, você mostra "
      "suas cores mais vivas quando os outros desbotam. Você gosta de gente e tem uma pontinha de vaidade. Ideias "
      "novas empolgam você, e o tédio quase nunca bate à sua porta.";

// Virgo 1, Virgo 2, Pisces 1
constexpr std::string_view kTreePolishedAndDignified
    = "Você terá classe e dignidade, tão à vontade numa biblioteca silenciosa quanto numa colina varrida pelo vento. "
      "Como o pinheiro, você continua verde quando tudo ao seu redor perde as folhas. Você escolhe seus amigos "
      "devagar. Seus padrões são altos, e você raramente os rebaixa por conveniência.";

// Virgo 3, Pisces 3
constexpr std::string_view kTreePracticalAndFair
    = "Você terá um jeito muito prático e justo, com o hábito da castanheira de abrigar todo mundo sob sua copa "
      "larga. Você defende os mais fracos, e a injustiça faz seu sangue ferver. Você pode demorar a começar. Mas, "
      "quando se põe em movimento, poucos conseguem parar você.";

// Libra 1
constexpr std::string_view kTreeWiseAndIntelligent
    = "Você terá sabedoria e inteligência, com a paciência da oliveira e a floração precoce da amendoeira. Você "
      "detesta a violência e prefere resolver uma briga com uma palavra calma. O sol e os lugares quentes levantam o "
      "seu ânimo. Você lê de tudo e pensa antes de falar.";

// Capricorn 1
constexpr std::string_view kTreeLovingAndSentimental
    = "Você terá um lado amoroso e sentimental por trás de uma aparência serena, como a casca lisa e cinzenta da faia "
      "sobre um coração macio. Você planeja com antecedência e economiza para os tempos de vacas magras. A macieira "
      "lhe empresta um traço generoso. Cartas e fotografias antigas ficam décadas nas suas gavetas.";

// Aquarius 2
constexpr std::string_view kTreeAshLivelyAndFaithful
    = "Quem pertence ao Freixo é muito vivaz e tem raciocínio rápido, e raramente fica parado por muito tempo. Você "
      "olha para o que pode vir a ser, e não para o que já foi. Para você, regras são apenas sugestões amigáveis. "
      "Ainda assim, você continua fiel às poucas pessoas que conquistaram a sua confiança.";

// Pisces 2
constexpr std::string_view kTreeAirOfMystery
    = "Há um ar de mistério em você, como uma floresta de abetos ao anoitecer. Você ama a beleza e o silêncio na "
      "mesma medida. Pode ser difícil agradar você, mas você se dedica de corpo e alma aos poucos que deixa chegar "
      "perto. O inverno combina com você, e é nos tempos difíceis que você mais brilha.";

// The first decanate of Gemini gives the same text as its character and as its karmic lesson.
constexpr std::string_view kGeminiFirstHappyAndEnthusiastic
    = "Você vai sentir alegria e entusiasmo sempre que a vida lhe trouxer algo novo para aprender. Confie nos "
      "pressentimentos que você traz de outras vidas; eles raramente falham.";

// Each row lists, in the order the results window shows them: DecanateSign, RulingPlanet, RulingElement,
// ConstellationName, Keyword, TreeZodiac, then the texts KarmicInfluence, MoreAboutTreeZodiac and
// MoreAboutDecanateSign. Signs, rulers and constellations go by their usual Brazilian names (Cão Maior and
// Cão Menor for the two dogs, Peixe Austral for the southern fish), trees by their common names.
// clang-format off
constexpr DecanateTable kTable = {{
    // Aries
    {"Ari", {{
        {"Áries",      "Marte",            "Fogo","Triângulo",    "Atividade",       "Carvalho",
         "Desta vez, você vai aprender a vencer com as próprias forças, sem o bando de ajudantes que carregou você "
         "numa vida anterior.",
         kTreeTruthAndKnowledge,
         "Você age por impulso, tem coragem de sobra e se oferece logo quando os outros ficam para trás. Você começa "
         "dez projetos antes do café da manhã e termina os três que importam. Uma fila lenta testa mais os seus "
         "nervos do que qualquer perigo de verdade."},
        {"Leão",       "Sol",              "Fogo","Centauro",     "Reforma",         "Álamo",
         "Aprenda a ter calma e estabilidade. Uma vida antiga passada correndo atrás de cada faísca deixou sua "
         "energia dispersa, e a constância é o presente que você voltou para buscar.",
         kTreeArtisticTemperament,
         "Você tem uma presença carismática e magnética, que enche o ambiente antes mesmo de você dizer uma palavra. "
         "Você quer reformar as coisas, e quer que todos vejam você fazendo isso. O aplauso alimenta você, mas um "
         "obrigado discreto de um único amigo vale mais."},
        {"Sagitário",  "Júpiter",          "Fogo","Flecha",       "Iluminação",      "Figueira",
         "Você será feliz ao compartilhar livremente o que sabe, retribuindo aos mestres que um dia compartilharam "
         "sua luz com você.",
         kTreeLogicalAndPractical,
         "Você terá um lado selvagem e vai preferir a estrada aberta a qualquer endereço fixo. Lugares novos, "
         "línguas novas e gente nova despertam você. Você aprende melhor quando se perde um pouco primeiro."},
    }}},
    // Taurus
    {"Tau", {{
        {"Touro",      "Vênus",            "Terra","Lebre",        "Determinação",    "Nogueira",
         "Você vai acreditar no trabalho duro, e com razão: o conforto desperdiçado há muito tempo agora precisa ser "
         "conquistado com as suas próprias mãos.",
         kTreePracticalNature,
         "Você tende a culpar os outros por atrasos que poderia ter evitado e depois, em silêncio, resolve tudo por "
         "conta própria. Depois de escolher um caminho, só um terremoto tira você dele. Boa comida e tecidos macios "
         "são as suas recompensas favoritas."},
        {"Virgem",     "Mercúrio",         "Terra","Hércules",     "Experiência",     "Salgueiro",
         "Você depende dos outros para sentir o seu próprio valor, um hábito que ficou de uma vida dedicada a servir. "
         "Agora, o seu próprio julgamento merece ser ouvido.",
         kTreeDrivenByMoods,
         "Você vai se preocupar muito com detalhes que os outros ignoram, de um quadro torto a uma vírgula "
         "esquecida. Esse cuidado faz de você a pessoa a quem todos confiam as contas. Permita-se parar de conferir "
         "quando o trabalho estiver pronto."},
        {"Capricórnio","Saturno",          "Terra","Peixe Austral","Idealista",       "Olmo",
         "Você precisa aprender a ser responsável pelos outros sem carregá-los nas costas, um dever que a sua alma "
         "deixou pela metade.",
         kTreeCalmAndPatient,
         "Você tem um temperamento calmo e equilibrado e constrói a sua vida um tijolo sensato de cada vez. Você tem "
         "ideais elevados, mas planeja cada um deles com o livro-caixa na mão. Os anos são generosos com você, e "
         "muitas vezes você parece mais feliz aos cinquenta do que aos vinte."},
    }}},
    // Gemini
    {"Gem", {{
        {"Gêmeos",     "Mercúrio",         "Ar",  "Ursa Maior",   "Intuição",        "Freixo",
         kGeminiFirstHappyAndEnthusiastic,
         kTreeAshLively,
         kGeminiFirstHappyAndEnthusiastic},
        {"Libra",      "Vênus",            "Ar",  "Dragão",       "Independência",   "Sorveira",
         "Você precisa ser leal a quem ficou ao seu lado, quitando uma dívida de confiança que vem de antes desta "
         "vida.",
         kTreePowerfulThinking,
         "Você será gentil e sensível ao humor das pessoas ao seu redor, e muitas vezes pressente uma briga antes "
         "que ela comece. Você gosta de companhias agradáveis e de ambientes bonitos. Ainda assim, guarda uma porta "
         "secreta que ninguém mais pode abrir."},
        {"Aquário",    "Urano e Saturno",  "Ar",  "Baleia",       "Repressão",       "Tamareira",
         "Você vai precisar perdoar depressa. Mágoas carregadas através de vidas passadas são uma bagagem mais pesada "
         "do que você imagina.",
         kTreeOptimist,
         "Em público você é alegre e otimista, mas esconde os sentimentos que considera bagunçados. Ideias "
         "excêntricas e amigos mais excêntricos ainda encantam você. Receba as suas emoções mais quietas com a mesma "
         "alegria com que recebe uma teoria maluca."},
    }}},
    // Cancer
    {"Can", {{
        {"Câncer",     "Lua",              "Água","Cão Menor",    "Capricho",        "Bétula, Macieira",
         "Você vai tentar melhorar a sua casa e a sua vida em família, compensando uma época em que foi embora cedo "
         "demais.",
         kTreeGoodOrganizers,
         "Você terá sensibilidade e muito amor para dar. Você pode usar isso a seu favor. Sua diplomacia é zero."},
        {"Escorpião",  "Plutão e Marte",   "Água","Altar",        "Responsabilidade","Álamo",
         "Você vai precisar mudar o hábito de remoer velhas feridas, um padrão que a sua alma repetiu por várias "
         "vidas.",
         kTreePracticalNature,
         "Você vai usar uma máscara sobre os seus sentimentos mais profundos até ter certeza de que uma pessoa é de "
         "confiança. Por trás dela existe uma devoção feroz. Quando alguém que você ama é ameaçado, você se torna a "
         "pessoa mais determinada do ambiente."},
        {"Peixes",     "Netuno e Júpiter", "Água","Cassiopeia",   "Provação",        "Tília",
         "Você vai precisar passar por algumas provações para quitar dívidas de muito tempo atrás, e cada uma que "
         "você salda deixa você mais leve.",
         kTreeCharmingAndDreamy,
         "Você terá habilidade e voz firme para defender alguém mais fraco que você. A música e a água acalmam você. "
         "Os anos de escassez ensinaram você a se virar com pouco, e você consegue fazer de uma única mala um lar."},
    }}},
    // Leo
    {"Leo", {{
        {"Leão",       "Sol",              "Fogo","Taça",         "Liderança",       "Cipreste",
         "Você vai buscar formas de liderar com a mão aberta, porque uma vida anterior mostrou a você o preço de "
         "governar pelo medo.",
         kTreeThinkALot,
         "Você sente que precisa terminar tudo o que começa, mesmo quando todos os outros já foram para casa. O seu "
         "calor humano reúne um círculo fiel à sua volta. O orgulho é o seu ponto fraco, então deixe que os outros "
         "recebam os aplausos de vez em quando."},
        {"Sagitário",  "Júpiter",          "Fogo","Águia",        "Exploração",      "Carpino",
         "Talvez você esteja tentando superar um passado de andanças sem rumo construindo algo que dure mais do que "
         "você.",
         kTreeColdHearted,
         "Você vai se encantar com prazeres simples: uma longa caminhada, um mapa novo, a história de um "
         "desconhecido. A curiosidade mantém você jovem. Você trocaria uma promoção por um ano no exterior sem "
         "pensar duas vezes."},
        {"Áries",      "Marte",            "Fogo","Perseu",       "Promoção",        "Bordo",
         "Você só vai se descobrir espiritualmente depois de depor as armas de batalhas que terminaram há séculos.",
         kTreeOwnWealth,
         "Você terá charme e simpatia, e sobe depressa onde quer que haja uma escada. Você adora um desafio com uma "
         "linha de chegada clara. Esperar não é o seu talento, mas coragem com certeza é."},
    }}},
    // Virgo
    {"Vir", {{
        {"Virgem",     "Mercúrio",         "Terra","Boieiro",      "Realização",      "Pinheiro",
         "Você vai tentar compreender as pessoas que, em outra vida, julgou com dureza demais.",
         kTreePolishedAndDignified,
         "Você terá uma modéstia extrema quanto às suas habilidades, mesmo quando todos ao seu redor dependem delas. "
         "Você nota o parafuso que falta e a data errada. A realização chega até você pelo trabalho útil feito com "
         "cuidado."},
        {"Capricórnio","Saturno",          "Terra","Golfinho",     "Martírio",        "Pinheiro",
         "Você precisa trabalhar mais do que a maioria para compensar uma antiga vida de facilidades, e esse esforço "
         "deixa a sua ficha limpa.",
         kTreePolishedAndDignified,
         "Você terá uma atitude muito positiva e firme quando os outros perdem o controle. Em silêncio, você assume "
         "as tarefas que ninguém mais quer. Cuidado para não se doar tanto a ponto de esquecer as suas próprias "
         "necessidades."},
        {"Touro",      "Vênus",            "Terra","Cocheiro",     "Maestria",        "Castanheira",
         "Você vai precisar aprender a se desapegar dos bens que aprisionaram você em vidas anteriores.",
         kTreePracticalAndFair,
         "Você leva tempo para entender uma habilidade nova, mas, depois que aprende, domina por completo. Você "
         "gosta de artesanato, de jardins e de boas ferramentas. As pessoas admiram a sua paciência mais do que você "
         "imagina."},
    }}},
    // Libra
    {"Lib", {{
        {"Libra",      "Vênus",            "Ar",  "Serpente",     "Política",        "Oliveira, Amendoeira",
         "Você vai aprender a ser sensível ao que os outros precisam, equilibrando uma vida anterior vivida "
         "principalmente para si.",
         kTreeWiseAndIntelligent,
         "Você se esforça muito para manter a paz e tem a diplomacia no sangue. Você pesa os dois lados de cada "
         "discussão antes de escolher um. A beleza, a arte e uma boa conversa alimentam a sua alma."},
        {"Aquário",    "Urano e Saturno",  "Ar",  "Pégaso",       "Inspiração",      "Álamo",
         "Você vai precisar aprender a ter modéstia.",
         kTreeArtisticTemperament,
         "Você tem muita inteligência e um jeito reservado, e a sua melhor inspiração costuma chegar no meio da "
         "noite. Você enxerga possibilidades que os outros não veem. Compartilhe as suas ideias cedo, antes que as "
         "dúvidas apareçam."},
        {"Gêmeos",     "Mercúrio",         "Ar",  "Ursa Maior",   "Bom senso",       "Figueira",
         "Você vai procurar explicar o mundo aos outros, transmitindo a sabedoria reunida ao longo de muitas vidas.",
         kTreeLogicalAndPractical,
         "Você terá esperteza e inteligência, com a língua afiada e a caneta mais afiada ainda. Palavras cruzadas, "
         "debates e uma fofoquinha divertem você. Você consegue sair de quase qualquer situação na base da conversa."},
    }}},
    // Scorpio
    {"Sco", {{
        {"Escorpião",  "Plutão e Marte",   "Água","Serpentário",  "Recursos",        "Nogueira",
         "Você vai precisar aprender a usar o seu poder com delicadeza, já que um dia o usou para dobrar os outros à "
         "sua vontade.",
         kTreeArtisticTemperament,
         "Você vai se frustrar o tempo todo com conversa fiada, porque quer ir direto ao cerne das coisas. Você sabe "
         "se virar e não se deixa enganar facilmente. Quando se compromete, é por inteiro."},
        {"Peixes",     "Netuno e Júpiter", "Água","Andrômeda",    "Autossacrifício", "Salgueiro",
         "Você precisa aprender a ser sensível sem se afogar na tristeza alheia, uma lição que a sua alma já "
         "encontrou antes.",
         kTreeDrivenByMoods,
         "Você terá compreensão e compaixão, e será a primeira pessoa a oferecer uma cama extra a um amigo em "
         "apuros. Você sente a dor dos outros como se fosse sua. Proteja a sua energia com o mesmo cuidado com que "
         "protege a deles."},
        {"Câncer",     "Lua",              "Água","Nau Argo",     "Pesquisa",        "Olmo",
         "Você vai precisar fazer muitas viagens, para dentro e para fora, até encontrar o lar que perdeu numa vida "
         "anterior.",
         kTreeCalmAndPatient,
         "Você é sensível e se magoa com facilidade, mas esconde isso atrás de um humor afiado. Você adora vasculhar "
         "registros antigos, histórias de família e mistérios não resolvidos. O seu lar é a sua fortaleza."},
    }}},
    // Sagittarius
    {"Sag", {{
        {"Sagitário",  "Júpiter",          "Fogo","Lira",         "Piedade",         "Freixo",
         "Você precisa aprender a prometer com sabedoria, porque uma vida anterior deixou um rastro de juras que você "
         "não conseguiu cumprir.",
         kTreeAshLively,
         "Você vai viver uma vida de grandes perguntas e longas viagens. A fé, de uma forma ou de outra, guia os "
         "seus passos. A sua honestidade beira o exagero, e às vezes a sua franqueza faz os amigos torcerem o nariz."},
        {"Áries",      "Marte",            "Fogo","Erídano",      "Exaltação",       "Sorveira",
         "Você vai precisar aprender a ter senso prático. Vidas passadas cheias de grandes planos deixaram muito "
         "pouca coisa realmente construída.",
         kTreePowerfulThinking,
         "Você tem muito entusiasmo pela vida e se joga no esporte, nas viagens e nos debates. Ficar em segundo "
         "lugar irrita você. O seu bom humor leva você a atravessar reveses que derrubariam a maioria das pessoas."},
        {"Leão",       "Sol",              "Fogo","Corvo",        "Ambição",         "Tamareira",
         "Você vai sentir inquietação e buscar sem parar até fazer as pazes com um orgulho trazido de uma encarnação "
         "anterior.",
         kTreeOptimist,
         "Você terá muita energia e uma ambição à altura. Você gosta de chamar a atenção, e geralmente consegue. A "
         "generosidade é a sua melhor qualidade, e você dá sem fazer contas."},
    }}},
    // Capricorn
    {"Cap", {{
        {"Capricórnio","Saturno",          "Terra","Cisne",        "Organização",     "Faia, Macieira",
         "Talvez você tenha magoado pessoas numa vida passada com a sua frieza, e agora o calor humano é a dívida que "
         "você paga.",
         kTreeLovingAndSentimental,
         "Na superfície, você pode ter um jeito muito acessível e descontraído, mas por baixo corre um plano firme. "
         "Você organiza pessoas e horários com facilidade. Respeito importa mais para você do que popularidade."},
        {"Touro",      "Vênus",            "Terra","Órion",        "Esforço",         "Álamo",
         "Você deseja o melhor para a sua família e os seus amigos, e cada gesto generoso ajuda a quitar uma antiga "
         "conta cármica.",
         kTreeArtisticTemperament,
         "Você terá hábitos muito convencionais e constantes, e as surpresas tiram você do prumo. Você trabalha duro "
         "pelo conforto e pela segurança. Uma boa refeição dividida com velhos amigos é a sua ideia de luxo."},
        {"Virgem",     "Mercúrio",         "Terra","Coroa Boreal", "Renúncia",        "Tília",
         "Você vai conseguir entender por que precisa abrir mão do controle, uma lição começada há muito tempo e "
         "concluída nesta vida.",
         kTreeCharmingAndDreamy,
         "Você vai sempre se preocupar em fazer as coisas do jeito certo, por isso confere o seu trabalho duas "
         "vezes. Você tem modéstia e gosta de ajudar. Aprenda a descansar quando a tarefa terminar, porque a "
         "perfeição pode esperar."},
    }}},
    // Aquarius
    {"Aqu", {{
        {"Aquário",    "Urano e Saturno",  "Ar",  "Cavalo Menor", "Originalidade",   "Cipreste",
         "Você precisa aprender a fazer as coisas do seu jeito, sem medo da rejeição que encontrou em vidas passadas.",
         kTreeThinkALot,
         "Você será gentil e humilde, mas as suas ideias não têm nada de comum. Você gosta de engenhocas, de ciência "
         "e de amigos nada convencionais. A liberdade é essencial para você, tanto no amor quanto no trabalho."},
        {"Gêmeos",     "Mercúrio",         "Ar",  "Cão Maior",    "Fidelidade",      "Freixo",
         "A sua tarefa nesta vida será manter a fidelidade às pessoas que você abandonou numa existência anterior.",
         kTreeAshLivelyAndFaithful,
         "Você terá ideais e opiniões fortes, e adora uma discussão animada. Você aprende rápido e não esquece nada. "
         "Os seus amigos valorizam a sua lealdade tanto quanto a sua inteligência afiada."},
        {"Libra",      "Vênus",            "Ar",  "Lobo",         "Expiação",        "Bordo",
         "Você precisa aprender a ser justo consigo mesmo e com os outros, reparando erros antigos sem se castigar.",
         kTreeOwnWealth,
         "Você terá bondade e senso de justiça, e qualquer tipo de injustiça ofende você. Você tem olho para a "
         "beleza e o dom de aproximar as pessoas. As parcerias dão forma à sua vida."},
    }}},
    // Pisces
    {"Pis", {{
        {"Peixes",     "Netuno e Júpiter", "Água","Cefeu",        "Verdade",         "Pinheiro",
         "Você vai se apegar às suas crenças nos tempos difíceis, assim como fez nas vidas anteriores a esta.",
         kTreePolishedAndDignified,
         "Você tem uma natureza convencional, mas dentro de você mora uma alma sonhadora. Você percebe a verdade por "
         "trás das palavras educadas. A arte, a música e as águas calmas restauram você depois de um dia agitado."},
        {"Câncer",     "Lua",              "Água","Hidra",        "Revelação",       "Abeto",
         "Você deseja viver uma vida hippie, com poucos bens, um eco de uma vida anterior passada em devoção simples.",
         kTreeAirOfMystery,
         "Você é sentimental e sensual por natureza, e se lembra do cheiro de cada lugar que já amou. Os laços de "
         "família são profundos em você. Às vezes, os seus sonhos contam coisas antes que elas aconteçam."},
        {"Escorpião",  "Plutão e Marte",   "Água","Coroa Austral","Talento",         "Castanheira",
         "Talvez você tenha o hábito de se isolar e se fechar, herdado de vidas passadas em solidão, mas desta vez os "
         "seus dons foram feitos para serem compartilhados.",
         kTreePracticalAndFair,
         "Você pode ter um jeito reservado e quieto, mas os seus talentos falam alto quando você os deixa sair. Você "
         "lê as pessoas com uma precisão desconcertante. Confie nos seus instintos, principalmente sobre quem merece "
         "o seu tempo."},
    }}},
}};
// clang-format on

static_assert(IsComplete(kTable), "every sign has its key and every row all nine fields");

} // namespace

const DecanateTable& PortugueseDecanateTable() noexcept
{
    return kTable;
}

} // namespace tessaline
