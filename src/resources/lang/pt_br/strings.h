// Brazilian Portuguese texts of the string table (0x0416; UTF-8; rc string
// literals: a double quote is written "", a backslash \\, \n is a line
// break). Placeholders (%d, %%) keep their order and count as in English.
#pragma once

// Advanced dialog (Job Options > Advanced...): entries of the Job
// Compression list.
#define S6001 "Nenhuma"
#define S6002 "Rápida"
#define S6003 "Normal"
#define S6004 "Compactação máxima"

// Job Options page: allowed range shown beside the Copies and the Scale
// fields; the two numbers are the lower and upper limit, %% is a percent sign.
#define S7000 "( %d-%d )"
#define S7001 "( %d-%d %% )"

// Job Options page: the job type radio buttons (normal, secure, encrypted
// secure); the IC card text replaces the encrypted one when an IC card
// reader is installed.
#define S7007 "Impressão normal"
#define S7008 "Impressão segura"
#define S7009 "Impressão segura criptografada"
#define S7010 "Impressão segura com cartão IC"

// JOB PIN dialog: message boxes when OK is pressed with a PIN that is not
// four digits, or without a job name.
#define S8000 "Digite um PIN de 4 dígitos."
#define S8001 "Digite um nome de trabalho."

// Overlays dialog: column headings of the two overlay lists, and the limit
// shown beside each list (%d is 4 or 32).
#define S8010 "Sobreposição"
#define S8011 "Página"
#define S8012 "(Máx. %d)"

// Define Overlays dialog (Print on Pages list) and the Page column of the
// Overlays dialog: the pages an overlay prints on; then the name a new
// overlay starts with.
#define S8030 "Todas as páginas"
#define S8031 "Primeira página"
#define S8032 "Páginas ímpares"
#define S8033 "Páginas pares"
#define S8034 "Personalizado"
#define S8035 "Nova sobreposição"

// Printer properties, Device Settings tree: the push button that reads the
// installed options from the printer (& marks the access key), and the
// progress and result messages of that reading.
#define S8040 "&Obter opções instaladas automaticamente"
#define S8041 "Lendo as opções instaladas na impressora..."
#define S8042 "Não foi possível ler as opções instaladas na impressora.\nVerifique se a impressora está ligada e conectada."
#define S8043 "As opções instaladas foram lidas da impressora."
#define S8044 "Não é possível ler as opções instaladas pela porta desta impressora."

// Watermarks dialog: first entry of the watermark list (no watermark).
// The next three are not shown: the name of the watermark section in the
// driver's configuration file (kept as "Watermark" in every language), the
// printer font of a new watermark (a font name, never translated), and the
// section that keeps the colour chooser's custom colours (translated: each
// language keeps its own set).
#define S8050 "Nenhuma"
#define S8051 "Watermark"
#define S8052 "HeiseiMin-W3-90ms-RKSJ-H"
#define S8053 "Cor personalizada"

// Watermark dialog: the Position list.
#define S8054 "Superior esquerdo"
#define S8055 "Superior central"
#define S8056 "Superior direito"
#define S8057 "Centro"
#define S8058 "Inferior esquerdo"
#define S8059 "Inferior central"
#define S8060 "Inferior direito"

// Font dialog (Watermark > Font...): the Size list, in points.
#define S8061 "8"
#define S8062 "9"
#define S8063 "10"
#define S8064 "11"
#define S8065 "12"
#define S8066 "14"
#define S8067 "16"
#define S8068 "18"
#define S8069 "20"
#define S8070 "22"
#define S8071 "24"
#define S8072 "26"
#define S8073 "28"
#define S8074 "36"
#define S8075 "48"
#define S8076 "72"

// Font dialog: the Style list.
#define S8077 "Normal"
#define S8078 "Itálico"
#define S8079 "Negrito"
#define S8080 "Negrito itálico"

// ICC Profile Settings dialog: labels, the printer's own profile, the
// rendering intents, and the file type of the profile chooser.
#define S9000 "Configurações de perfil ICC"
#define S9001 "Padrão da impressora"
#define S9002 "Perfil de origem RGB"
#define S9003 "Perfil de saída da impressora"
#define S9004 "Intenção de renderização"
#define S9005 "Perceptual"
#define S9006 "Saturação"
#define S9007 "Colorimétrico relativo"
#define S9008 "Colorimétrico absoluto"
#define S9009 "Perfis ICC (*.icc, *.icm)"

// ICC Profile Settings dialog: message boxes.
#define S9101 "O perfil selecionado não foi encontrado."
#define S9102 "O arquivo selecionado não é um perfil ICC válido."
#define S9103 "Não foi possível instalar o perfil.\nTalvez você precise de direitos de administrador para instalar perfis de cor."
#define S9104 "Este perfil já está instalado."
#define S9105 "Remover o perfil selecionado da lista?"

// Overlays and Define Overlays dialogs: message boxes. The quoted names
// match the Form label of Define Overlays, the overlay mode option
// and the PostScript driver's Advanced Options as Portuguese shows them.
#define S10020 "Já existe uma sobreposição definida com esse nome.\nEscolha outro nome."
#define S10021 "Digite em ""Formulário"" o nome do formulário PostScript que deseja usar e clique em Adicionar.\nEle deve ser exatamente igual ao nome do formulário armazenado na impressora."
#define S10022 "Quando ""Criar formulário"" é escolhido, a ""Opção de saída PostScript"" em Opções avançadas é definida automaticamente como ""EPS"".\nLembre-se de voltar para ""Otimizar para velocidade"" se decidir cancelar a impressão de sobreposições."
#define S10023 "Digite um nome para a sobreposição."
#define S10024 "Caractere inválido '.'"
#define S10025 "Uma sobreposição pode conter até 3 formulários."
#define S10026 "É possível definir no máximo 32 sobreposições.\nExclua uma das sobreposições existentes\nantes de criar uma nova."
#define S10027 "Até 4 sobreposições podem estar ativas em um trabalho."

// Watermarks dialog: message boxes; "Aviso" is the title bar of every
// warning message of the plug-in.
#define S10040 "É possível salvar no máximo 16 marcas d'água.\nExclua ou edite uma das marcas d'água existentes\nantes de criar uma nova."
#define S10041 "Aviso"
#define S10042 "A lista de fontes de marca d'água não foi encontrada.\nA marca d'água é impressa com a fonte padrão da impressora."

// Message boxes when a page or dialog is left with wrong values (%d: lower
// and upper limit), when a secure job asks for one copy, and for the Color
// Tuner Utility.
#define S10050 "Uma ou mais configurações são inválidas."
#define S10051 "Digite um valor entre %d e %d."
#define S10052 "Digite um número."
#define S10054 "Este recurso só pode ser usado se Cópias estiver definido como 1.\nPara Impressão segura e Armazenar no SD, é possível selecionar várias cópias no painel de operação da impressora."
#define S10055 "Para usar este recurso, instale o Color Tuner Utility."
#define S10056 "Não foi possível ler as configurações do Color Tuner Utility."

// Color page: message box when the colour-sample utility is missing;
// "Erro" is the title bar of error messages.
#define S10060 "Para usar este recurso, instale o Color Hueboard Utility."
#define S10061 "Erro"

// Job Options page: secure-print notices.
#define S20002 "A Impressão segura requer o disco rígido da impressora.\nO trabalho é impresso como um trabalho normal."
#define S20003 "A limitação de trabalhos está ativada: somente trabalhos de impressão segura criptografada podem ser enviados a esta impressora."
#define S20004 "Não foi possível carregar o módulo de criptografia.\nA Impressão segura criptografada não está disponível."
#define S20005 "O driver do cartão IC não está instalado.\nA Impressão segura com cartão IC não está disponível."
#define S20006 "Não foi possível descriptografar a senha armazenada.\nDigite a senha novamente."

// Title bar of information messages.
#define S30010 "Informações"

// Special toner details: the line above the dialog, naming the special
// toner installed (none, White, Clear).
#define S8082 "Nenhum toner especial está instalado."
#define S8083 "Toner especial instalado: branco"
#define S8084 "Toner especial instalado: transparente"

// Print position adjustment: the tabs of the front and back of a sheet.
#define S8100 "Frente"
#define S8101 "Verso"
