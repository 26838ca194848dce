// The catalogue's table of the program's entry: the command line, its help, the batch
// commands' usage and reasons, and the settings of option C. The batch reasons follow
// "pontelix COMMAND: " and so start in lower case.
#include "messages/catalogue_tables.h"

namespace {

constexpr CatalogueRow kShell[] = {
    // The command line of the talking program.
    {"PXUIINV", "--ui deve ser window, terminal ou headless: %1", "--ui must be window, terminal or headless: %1"},
    {"PXSPKINV", "--speech deve ser espeak, speechd ou none: %1", "--speech must be espeak, speechd or none: %1"},
    {"PXSPKINVW", "--speech deve ser sapi (as vozes do Windows) ou none; o espeak-ng existe só no Linux: %1",
     "--speech must be sapi (Windows's voices) or none; espeak-ng exists only on Linux: %1"},
    {"PXOPDESC", "opção desconhecida: %1", "unknown option: %1"},
    {"PXSOHDLS", "%1 só vale com --ui=headless", "%1 works only with --ui=headless"},
    {"PXMAISPRJ", "mais de um projeto: %1", "more than one project: %1"},
    {"PXVEJAHLP", "(veja pontelix --help)", "(see pontelix --help)"},
    {"PXSEMUI", "sem tela gráfica e sem terminal; use --ui=headless --keys=ARQUIVO\n(ou --ui=window, --ui=terminal; veja pontelix --help)",
     "no graphical display and no terminal; use --ui=headless --keys=FILE\n(or --ui=window, --ui=terminal; see pontelix --help)"},
    {"PXNAOGRVF", "não foi possível gravar %1", "could not write %1"},
    {"PXNAOCRIA", "não foi possível criar %1", "could not create %1"},
    {"PXNAOLERF", "não foi possível ler %1", "could not read %1"},
    {"PXNAOLERP", "não foi possível ler %1: %2", "could not read %1: %2"},
    {"PXNAOINI", "não foi possível iniciar o programa interativo %1: %2", "could not start the interactive program %1: %2"},
    {"PXNAOINT", "o programa interativo não foi encontrado: %1\n(ele é instalado com pontelix; os comandos render e braille funcionam sem ele)",
     "the interactive program was not found: %1\n(it is installed with pontelix; the render and braille commands work without it)"},
    {"PXHLPREF", "doc/comandos.md (no código-fonte)", "doc/commands.md (in the source code)"},
    // %1 the version, %2 where the reference is.
    {"PXVERSAO", "%1 alfa", "%1 alpha"},
    {"PXHELP",
     "Pontelix %1 - gráficos táteis falados\n"
     "\n"
     "Uso:\n"
     "  pontelix [OPÇÕES] [PROJETO]   programa interativo (PROJETO: arquivo .pxg)\n"
     "  pontelix render [OPÇÕES] ROTEIRO -o SAIDA\n"
     "                                 desenha o roteiro em .bmp, .png, .jpg, .brf, .txt,\n"
     "                                 .pef, .pdf ou .svg,\n"
     "                                 sem falar (opções: pontelix render --help)\n"
     "  pontelix print [--printer=NOME] [OPÇÕES] [ROTEIRO]\n"
     "                                 imprime o roteiro no impressor braille ou na\n"
     "                                 impressora a tinta (pontelix print --help; --list)\n"
     "  pontelix check [OPÇÕES] ROTEIRO\n"
     "                                 confere a página do impressor braille e escreve\n"
     "                                 os avisos (pontelix check --help)\n"
     "  pontelix braille [--format=unicode|ascii|dots] [TEXTO...]\n"
     "                                 o texto (ou cada linha da entrada) em celas Braille\n"
     "  pontelix --version             versão\n"
     "  pontelix --help                esta ajuda\n"
     "\n"
     "Opções:\n"
     "  --language=pt|en               idioma: português ou inglês (padrão: PONTELIX/IDIOMA\n"
     "                                 em Tramel.ini, senão LANGUAGE, LC_ALL, LC_MESSAGES, LANG)\n"
     "  --ui=window|terminal|headless  interface: janela gráfica, terminal, ou sem tela\n"
     "                                 (padrão: janela quando há tela, senão terminal)\n"
     "  --speech=espeak|speechd|none   fala: espeak-ng, speech-dispatcher ou silêncio\n"
     "                                 (padrão: conforme TRADUTOR/SAPI em Tramel.ini)\n"
     "  --keys=ARQUIVO                 com --ui=headless: as teclas, em texto UTF-8; cada\n"
     "                                 caractere é a tecla que o digita; <Enter> <Esc> <Tab>\n"
     "                                 <BS> <Up> <Down> <Left> <Right> <Home> <End> <PgUp>\n"
     "                                 <PgDn> <Ins> <Del> <F1>..<F12>, com Ctrl+ Shift+ Alt+\n"
     "                                 (<Ctrl+V>, <Shift+Ins>, <Alt+F4>); <lt> é \"<\".\n"
     "                                 Sem mais teclas, o programa termina (status 0).\n"
     "  --transcript=ARQUIVO           grava, uma por linha, cada coisa falada ou tocada\n"
     "                                 (say:, play:, spell:, click, tick, tone:, beep)\n"
     "  --screen=ARQUIVO               grava as 25 linhas da tela ao terminar\n"
     "  --picture=ARQUIVO              com --ui=headless: grava em PNG, ao terminar, a\n"
     "                                 última imagem mostrada sobre a tela (opção V);\n"
     "                                 sem imagem mostrada, nenhum arquivo\n"
     "  --braille-display=ARQUIVO      com --ui=headless: simula uma linha braille de 40\n"
     "                                 celas e grava, ao terminar, cada escrita nela como\n"
     "                                 uma linha de padrões Braille Unicode\n"
     "\n"
     "Configuração: $XDG_CONFIG_HOME/tramel/Tramel.ini (sem a variável,\n"
     "~/.config/tramel/Tramel.ini; se ele não existe, /etc/tramel/Tramel.ini): fala\n"
     "(TRADUTOR, SERVFALA, SINTETIZADOR), gravações (PONTELIX, TRAMEL), janela\n"
     "(VIDEO) e teclado braille (BRAILLE). Cada chave, seu padrão e seu efeito: man\n"
     "pontelix, seção CONFIGURAÇÃO, e %2,\n"
     "que também descreve todos os comandos de desenho. A opção C do programa\n"
     "grava, falando: TRADUTOR/VELOCIDADE (1 a 5), TRADUTOR/SAPI (Sim ou Não),\n"
     "SERVFALA/VOZ (0: a padrão; n: a n-ésima voz do idioma), SERVFALA/VELOCIDADE e\n"
     "TOM (-10 a 10), PONTELIX/IMPBRAILLE e IMPTINTA (as impressoras oferecidas primeiro\n"
     "por B e por I), PONTELIX/PAGBRAILLE, CELAS, LINHAS e MODOBRAILLE (a página do\n"
     "impressor braille), PONTELIX/PAPELTINTA e ESPESSURATATIL (o papel de I quando Enter\n"
     "responde, comum ou microcapsulado, e a largura das linhas táteis em milímetros),\n"
     "TRADUTOR/DIRLETRAS (a pasta das letras gravadas) e PONTELIX/IDIOMA (pt ou en, a\n"
     "partir do próximo início).\n",
     "Pontelix %1 - spoken tactile graphics\n"
     "\n"
     "Usage:\n"
     "  pontelix [OPTIONS] [PROJECT]   interactive program (PROJECT: a .pxg file)\n"
     "  pontelix render [OPTIONS] SCRIPT -o OUTPUT\n"
     "                                 draws the script as .bmp, .png, .jpg, .brf, .txt,\n"
     "                                 .pef, .pdf or .svg,\n"
     "                                 without speaking (options: pontelix render --help)\n"
     "  pontelix print [--printer=NAME] [OPTIONS] [SCRIPT]\n"
     "                                 prints the script on the embosser or on the\n"
     "                                 ink printer (pontelix print --help; --list)\n"
     "  pontelix check [OPTIONS] SCRIPT\n"
     "                                 checks the embosser page and writes the\n"
     "                                 warnings (pontelix check --help)\n"
     "  pontelix braille [--format=unicode|ascii|dots] [TEXT...]\n"
     "                                 the text (or each line of the input) in Braille cells\n"
     "  pontelix --version             version\n"
     "  pontelix --help                this help\n"
     "\n"
     "Options:\n"
     "  --language=pt|en               language: Portuguese or English (default: PONTELIX/\n"
     "                                 IDIOMA in Tramel.ini, else LANGUAGE, LC_ALL,\n"
     "                                 LC_MESSAGES, LANG)\n"
     "  --ui=window|terminal|headless  interface: graphical window, terminal, or no screen\n"
     "                                 (default: a window when there is a display, else the\n"
     "                                 terminal)\n"
     "  --speech=espeak|speechd|none   speech: espeak-ng, speech-dispatcher or silence\n"
     "                                 (default: as TRADUTOR/SAPI in Tramel.ini says)\n"
     "  --keys=FILE                    with --ui=headless: the keys, as UTF-8 text; each\n"
     "                                 character is the key that types it; <Enter> <Esc> <Tab>\n"
     "                                 <BS> <Up> <Down> <Left> <Right> <Home> <End> <PgUp>\n"
     "                                 <PgDn> <Ins> <Del> <F1>..<F12>, with Ctrl+ Shift+ Alt+\n"
     "                                 (<Ctrl+V>, <Shift+Ins>, <Alt+F4>); <lt> is \"<\".\n"
     "                                 When the keys run out, the program ends (status 0).\n"
     "  --transcript=FILE              writes, one a line, everything spoken or played\n"
     "                                 (say:, play:, spell:, click, tick, tone:, beep)\n"
     "  --screen=FILE                  writes the 25 lines of the screen at the end\n"
     "  --picture=FILE                 with --ui=headless: writes as PNG, at the end, the\n"
     "                                 last picture shown over the screen (option V);\n"
     "                                 no picture shown, no file\n"
     "  --braille-display=FILE         with --ui=headless: stands in for a braille display\n"
     "                                 of 40 cells and writes, at the end, each thing\n"
     "                                 written on it as a line of Unicode Braille patterns\n"
     "\n"
     "Settings: $XDG_CONFIG_HOME/tramel/Tramel.ini (without the variable,\n"
     "~/.config/tramel/Tramel.ini; when it does not exist, /etc/tramel/Tramel.ini): speech\n"
     "(TRADUTOR, SERVFALA, SINTETIZADOR), recordings (PONTELIX, TRAMEL), window\n"
     "(VIDEO) and braille keyboard (BRAILLE). Each key, its default and its effect: man\n"
     "pontelix, section CONFIGURATION, and %2,\n"
     "which also describes every drawing command. Option C of the program\n"
     "writes, speaking: TRADUTOR/VELOCIDADE (1 to 5), TRADUTOR/SAPI (Sim or Não),\n"
     "SERVFALA/VOZ (0: the default; n: the n-th voice of the language), SERVFALA/\n"
     "VELOCIDADE and TOM (-10 to 10), PONTELIX/IMPBRAILLE and IMPTINTA (the printers B\n"
     "and I offer first), PONTELIX/PAGBRAILLE, CELAS, LINHAS and MODOBRAILLE (the\n"
     "embosser page), PONTELIX/PAPELTINTA and ESPESSURATATIL (the paper of I when Enter\n"
     "answers, plain or swell paper, and the width of tactile lines in millimeters),\n"
     "TRADUTOR/DIRLETRAS (the folder of the recorded letters) and PONTELIX/IDIOMA (pt or\n"
     "en, from the next start).\n"},

    // What the batch commands share.
    {"PXFALTAVAL", "falta o valor de %1", "the value of %1 is missing"},
    {"PXPAGDESC", "página desconhecida: %1 (%2)", "unknown page: %1 (%2)"},
    {"PXQUERNUM", "%1 quer um número: %2", "%1 needs a number: %2"},
    {"PXBRMODINV", "--braille-mode deve ser grafico ou texto: %1", "--braille-mode must be grafico or texto: %1"},
    {"PXESPINV", "--line-width quer milímetros de 0,5 a 2: %1", "--line-width needs millimeters from 0.5 to 2: %1"},
    {"PXMAISROT", "mais de um roteiro: %1 e %2", "more than one script: %1 and %2"},
    {"PXFALTAROT", "falta o roteiro", "the script is missing"},
    {"PXNAOLEENT", "não foi possível ler a entrada padrão: %1", "could not read standard input: %1"},
    {"PXROTNUL", "o roteiro tem um caractere nulo; o que vem depois dele não foi lido.",
     "the script has a null character; what follows it was not read."},
    {"PXUSOPAG",
     "  --embosser-page=NOME  página do impressor braille: Padrão (66 x 44, gráfico), A4, Carta,\n"
     "            Ofício, A3, A5, 11x11,5, 11x12, 11x17, 11,5x11, 12x12 (modo texto) ou\n"
     "            Personalizada (padrão: a de Tramel.ini, PONTELIX/PAGBRAILLE)\n"
     "  --cells=N --lines=N  celas por linha (10 a 100) e linhas (5 a 100) da página\n"
     "  --braille-mode=grafico|texto  pontos em grade (códigos gráficos) ou celas\n"
     "            comuns (BRF), com os rótulos em celas inteiras\n",
     "  --embosser-page=NAME  embosser page: Padrão (66 x 44, graphic), A4, Carta,\n"
     "            Ofício, A3, A5, 11x11,5, 11x12, 11x17, 11,5x11, 12x12 (text mode) or\n"
     "            Personalizada, the custom page (default: Tramel.ini's, PONTELIX/PAGBRAILLE)\n"
     "  --cells=N --lines=N  cells per line (10 to 100) and lines (5 to 100) of the page\n"
     "  --braille-mode=grafico|texto  dots on a grid (graphic codes) or plain cells\n"
     "            (BRF), with the labels in whole cells\n"},
    {"PXUSOESP",
     "  --line-width=MM  papel microcapsulado: espessura das linhas em milímetros, de 0,5 a 2\n"
     "            (padrão: a de Tramel.ini, PONTELIX/ESPESSURATATIL, ou 1)\n",
     "  --line-width=MM  swell paper: width of the lines in millimeters, from 0.5 to 2\n"
     "            (default: Tramel.ini's, PONTELIX/ESPESSURATATIL, or 1)\n"},

    // pontelix check.
    {"PXUSOCHK",
     "Uso: pontelix check [OPÇÕES] ROTEIRO\n"
     "  Confere a página do impressor braille antes de imprimir: erros de linha e de dados,\n"
     "  figuras que saem da página, rótulos que encostam em outro desenho, linhas que\n"
     "  se encostam sem cruzar, página vazia; e diz que parte da página o desenho ocupa.\n"
     "  ROTEIRO   arquivo de comandos (.pxg); \"-\" lê a entrada padrão\n",
     "Usage: pontelix check [OPTIONS] SCRIPT\n"
     "  Checks the embosser page before printing: line and data errors, figures that\n"
     "  leave the page, labels that touch another drawing, lines that touch without\n"
     "  crossing, an empty page; and says which part of the page the drawing takes.\n"
     "  SCRIPT    command file (.pxg); \"-\" reads standard input\n"},
    {"PXSTACHK", "Status: 0 nenhum aviso; 1 avisos (na saída padrão); 2 uso errado ou roteiro ilegível.\n",
     "Status: 0 no warnings; 1 warnings (on standard output); 2 wrong usage or unreadable script.\n"},
    {"PXCHKOPC", "check confere um roteiro: --test-drawing e --landscape não valem aqui",
     "check checks a script: --test-drawing and --landscape do not apply here"},
    {"PXNAOFOLHA", "não foi possível criar a folha do impressor", "could not make the embosser's sheet"},

    // pontelix render.
    {"PXUSOREN",
     "Uso: pontelix render [--mode=screen|embosser|ink|tactile] [--size=LxA] [--landscape] [--test-drawing] ROTEIRO -o SAIDA\n"
     "  ROTEIRO   arquivo de comandos (.pxg); \"-\" lê a entrada padrão\n"
     "  SAIDA     .bmp, .png, .jpg/.jpeg (imagem), .brf (fluxo do impressor braille),\n"
     "            .txt (a página do impressor em padrões Braille Unicode, UTF-8),\n"
     "            .pef (a mesma página em Portable Embosser Format)\n"
     "            .pdf (a página A4 que a impressora a tinta recebe) ou .svg (o desenho\n"
     "            tátil, com cada linha do roteiro num grupo com título e descrição)\n"
     "  --mode    superfície: tela (padrão), impressor braille (padrão para .brf,\n"
     "            .txt e .pef), tinta (padrão para .pdf) ou tátil: papel microcapsulado,\n"
     "            em tamanho real (.pdf ou .svg; padrão para .svg)\n"
     "  --size    tela: largura x altura (padrão 1040x658); tinta: lado do desenho em pontos\n"
     "            (padrão 2480, a largura da A4 a 300 dpi; no .pdf o desenho ocupa essa largura);\n"
     "            tátil: o papel em milímetros (padrão 210x297, A4)\n"
     "  --landscape  o .pdf ou o .svg com o papel deitado\n"
     "  --test-drawing  desenha o desenho de teste (ROTEIRO pode faltar)\n",
     "Usage: pontelix render [--mode=screen|embosser|ink|tactile] [--size=WxH] [--landscape] [--test-drawing] SCRIPT -o OUTPUT\n"
     "  SCRIPT    command file (.pxg); \"-\" reads standard input\n"
     "  OUTPUT    .bmp, .png, .jpg/.jpeg (picture), .brf (embosser stream),\n"
     "            .txt (the embosser page in Unicode Braille patterns, UTF-8),\n"
     "            .pef (the same page in Portable Embosser Format)\n"
     "            .pdf (the A4 page the ink printer gets) or .svg (the tactile\n"
     "            drawing, each script line in a group with a title and a description)\n"
     "  --mode    surface: screen (default), embosser (default for .brf, .txt and\n"
     "            .pef), ink (default for .pdf) or tactile: swell paper, at its real\n"
     "            size (.pdf or .svg; default for .svg)\n"
     "  --size    screen: width x height (default 1040x658); ink: side of the drawing in dots\n"
     "            (default 2480, the width of A4 at 300 dpi; in the .pdf the drawing takes that width);\n"
     "            tactile: the paper in millimeters (default 210x297, A4)\n"
     "  --landscape  the .pdf or the .svg with the paper turned sideways\n"
     "  --test-drawing  draws the test drawing (SCRIPT may be left out)\n"},
    {"PXSTAREN",
     "Status: 0 tudo desenhado; 1 algum problema foi escrito na saída de erros (erro de linha,\n"
     "  como uma expressão de EQ malformada, figura impossível, arquivo de dados ausente ou ilegível, dados com erro), mas a saída\n"
     "  foi gravada com o que foi desenhado, ou o arquivo trocado não voltou ao seu dono; 2 nada\n"
     "  foi gravado (uso, roteiro ilegível, saída que não pode ser gravada ou que é o\n"
     "  roteiro ou um arquivo de dados do LD).\n",
     "Status: 0 everything drawn; 1 a problem was written on standard error (a line error,\n"
     "  such as a malformed EQ expression, an impossible figure, a data file missing or unreadable, data with errors), but the output\n"
     "  was written with what was drawn, or the replaced file did not go back to its owner; 2 nothing\n"
     "  was written (usage, unreadable script, an output that cannot be written or that is the\n"
     "  script or a data file of LD).\n"},
    {"PXNAOSUP", "não foi possível criar a superfície de desenho", "could not make the drawing surface"},
    {"PXNAOGRVA", "não foi possível gravar o arquivo: %1", "could not write the file: %1"},
    {"PXMODREN", "modo desconhecido: %1 (use screen, embosser, ink ou tactile)", "unknown mode: %1 (use screen, embosser, ink or tactile)"},
    {"PXFALTAO", "falta o nome da saída depois de -o", "the output's name is missing after -o"},
    {"PXFALTASAI", "falta a saída (-o ARQUIVO)", "the output is missing (-o FILE)"},
    {"PXEXTDESC", "extensão de saída desconhecida: %1 (use .bmp, .png, .jpg, .jpeg, .brf, .txt, .pef, .pdf ou .svg)",
     "unknown output extension: %1 (use .bmp, .png, .jpg, .jpeg, .brf, .txt, .pef, .pdf or .svg)"},
    {"PXPDFMODO", "o .pdf é a página da impressora a tinta: use --mode=ink ou --mode=tactile",
     "the .pdf is the ink printer's page: use --mode=ink or --mode=tactile"},
    {"PXSVGMODO", "o .svg é o desenho tátil: use --mode=tactile", "the .svg is the tactile drawing: use --mode=tactile"},
    {"PXTATSAI", "o desenho tátil é gravado em .pdf ou .svg", "the tactile drawing is written as .pdf or .svg"},
    {"PXLANDREN", "--landscape vale só para a página .pdf ou .svg", "--landscape applies only to the .pdf or .svg page"},
    {"PXSIZECEL", "--size não vale para .brf, .txt e .pef, a página do impressor braille: use --cells e --lines, ou --embosser-page",
     "--size does not apply to .brf, .txt and .pef, the embosser page: use --cells and --lines, or --embosser-page"},
    {"PXSIZEINV", "tamanho inválido: %1 (use LxA, de 1 a %2)", "invalid size: %1 (use WxH, from 1 to %2)"},
    {"PXINKQUAD", "a página de tinta é quadrada: %1", "the ink page is square: %1"},

    // pontelix print.
    {"PXUSOPRN",
     "Uso: pontelix print [--printer=NOME] [--mode=embosser|ink|tactile] [--landscape] [--no-check] [--test-drawing]\n"
     "                    [ROTEIRO]\n"
     "     pontelix print --list\n"
     "  ROTEIRO     arquivo de comandos (.pxg); \"-\" lê a entrada padrão\n"
     "  --printer   a impressora, como --list a escreve; sem ela, a que a opção C do programa\n"
     "              gravou para o modo (PONTELIX/IMPBRAILLE ou IMPTINTA em Tramel.ini)\n"
     "  --mode      impressor braille (padrão) ou impressora a tinta, na resolução dela\n"
     "              (uma fila de driver braille do CUPS recebe BRF, na página dela), ou a\n"
     "              impressora a tinta com papel microcapsulado: o desenho tátil em tamanho real\n"
     "  --landscape tinta ou tátil: papel deitado\n"
     "  --no-check  imprime sem conferir a página antes (sem ela, os avisos da conferência\n"
     "              vão para a saída de erros, como em pontelix check, e o status é 1)\n"
     "  --test-drawing  imprime o desenho de teste (ROTEIRO pode faltar)\n"
     "  --list      escreve as impressoras, uma por linha\n",
     "Usage: pontelix print [--printer=NAME] [--mode=embosser|ink|tactile] [--landscape] [--no-check] [--test-drawing]\n"
     "                      [SCRIPT]\n"
     "       pontelix print --list\n"
     "  SCRIPT      command file (.pxg); \"-\" reads standard input\n"
     "  --printer   the printer, as --list writes it; without it, the one option C of the\n"
     "              program saved for the mode (PONTELIX/IMPBRAILLE or IMPTINTA in Tramel.ini)\n"
     "  --mode      embosser (default) or ink printer, at its resolution (a CUPS braille\n"
     "              driver's queue gets BRF, on its own page), or the ink printer with\n"
     "              swell paper: the tactile drawing at its real size\n"
     "  --landscape ink or tactile: paper turned sideways\n"
     "  --no-check  prints without checking the page first (without it, the check's\n"
     "              warnings go to standard error, as in pontelix check, and the status is 1)\n"
     "  --test-drawing  prints the test drawing (SCRIPT may be left out)\n"
     "  --list      writes the printers, one a line\n"},
    {"PXSTAPRN",
     "Status: 0 trabalho aceito, nada na saída de erros; 1 algum problema do desenho foi escrito\n"
     "        nela (aviso da conferência, erro de linha, figura, arquivo de dados) e o\n"
     "        trabalho foi enviado;\n"
     "        2 uso errado, impressora desconhecida ou que recusa o trabalho\n",
     "Status: 0 job accepted, nothing on standard error; 1 a problem of the drawing was written\n"
     "        there (a warning of the check, a line error, a figure, a data file) and the\n"
     "        job was sent;\n"
     "        2 wrong usage, or a printer that is unknown or refuses the job\n"},
    {"PXMODPRN", "modo desconhecido: %1 (use embosser, ink ou tactile)", "unknown mode: %1 (use embosser, ink or tactile)"},
    {"PXSPLNR", "o serviço de impressão não responde", "the print service does not answer"},
    {"PXLISTCMB", "--list não se combina com outras opções", "--list does not go with other options"},
    {"PXFALTAIMP", "falta a impressora (--printer=NOME, ou a configurada na opção C; veja --list)",
     "the printer is missing (--printer=NAME, or the one set in option C; see --list)"},
    {"PXLANDPRN", "--landscape vale só para --mode=ink ou --mode=tactile", "--landscape applies only to --mode=ink or --mode=tactile"},
    {"PXIMPDESC", "impressora desconhecida: %1 (veja pontelix print --list)", "unknown printer: %1 (see pontelix print --list)"},

    // The main menu and option C.
    {"PXSEMMEMO", "Memória insuficiente; parou: %1.", "Not enough memory; stopped: %1."},
    {"PXCFGNGVM", "Configuração não gravada: %1.", "Settings not saved: %1."},
    {"PXCFGPRB", "%1: %2", "%1: %2"},
    {"PXCFGFXN", "use um número de %1 a %2.", "use a number from %1 to %2."},
    {"PXCFGSIM", "Sim", "Yes"},
    {"PXCFGNAO", "Não", "No"},
    // The same in both languages, so that a user who hears the other one finds it.
    {"PXCFG_IDI", "Idioma / Language", "Idioma / Language"},
    {"PXCFGIDI", "O idioma novo vale a partir do próximo início do Pontelix.",
     "The new language takes effect the next time Pontelix starts."},
};

}  // namespace

std::span<const CatalogueRow> shellCatalogue() { return kShell; }
