// Spanish texts of the string table (neutral Spanish, 0x000A; UTF-8; rc
// string literals: a double quote is written "", a backslash \\, \n is a
// line break). Placeholders (%d, %%) keep their order and count as in English.
#pragma once

// Advanced dialog (Job Options > Advanced...): entries of the Job
// Compression list.
#define S6001 "Ninguna"
#define S6002 "Rápida"
#define S6003 "Normal"
#define S6004 "Máxima compresión"

// Job Options page: allowed range shown beside the Copies and the Scale
// fields; the two numbers are the lower and upper limit, %% is a percent sign.
#define S7000 "( %d-%d )"
#define S7001 "( %d-%d %% )"

// Job Options page: the job type radio buttons (normal, secure, encrypted
// secure); the IC card text replaces the encrypted one when an IC card
// reader is installed.
#define S7007 "Impresión normal"
#define S7008 "Impresión segura"
#define S7009 "Impresión segura cifrada"
#define S7010 "Impresión segura con tarjeta IC"

// JOB PIN dialog: message boxes when OK is pressed with a PIN that is not
// four digits, or without a job name.
#define S8000 "Introduzca un PIN de 4 dígitos."
#define S8001 "Introduzca un nombre de trabajo."

// Overlays dialog: column headings of the two overlay lists, and the limit
// shown beside each list (%d is 4 or 32).
#define S8010 "Superposición"
#define S8011 "Página"
#define S8012 "(Máx. %d)"

// Define Overlays dialog (Print on Pages list) and the Page column of the
// Overlays dialog: the pages an overlay prints on; then the name a new
// overlay starts with.
#define S8030 "Todas las páginas"
#define S8031 "Primera página"
#define S8032 "Páginas impares"
#define S8033 "Páginas pares"
#define S8034 "Personalizado"
#define S8035 "Nueva superposición"

// Printer properties, Device Settings tree: the push button that reads the
// installed options from the printer (& marks the access key), and the
// progress and result messages of that reading.
#define S8040 "&Obtener opciones instaladas automáticamente"
#define S8041 "Leyendo las opciones instaladas en la impresora..."
#define S8042 "No se pudieron leer las opciones instaladas en la impresora.\nCompruebe que la impresora está encendida y conectada."
#define S8043 "Se han leído las opciones instaladas en la impresora."
#define S8044 "Las opciones instaladas no se pueden leer a través del puerto de esta impresora."

// Watermarks dialog: first entry of the watermark list (no watermark).
// The next three are not shown: the name of the watermark section in the
// driver's configuration file (kept as "Watermark" in every language), the
// printer font of a new watermark (a font name, never translated), and the
// section that keeps the colour chooser's custom colours (translated: each
// language keeps its own set).
#define S8050 "Ninguna"
#define S8051 "Watermark"
#define S8052 "HeiseiMin-W3-90ms-RKSJ-H"
#define S8053 "Color personalizado"

// Watermark dialog: the Position list.
#define S8054 "Superior izquierda"
#define S8055 "Superior centro"
#define S8056 "Superior derecha"
#define S8057 "Centro"
#define S8058 "Inferior izquierda"
#define S8059 "Inferior centro"
#define S8060 "Inferior derecha"

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
#define S8078 "Cursiva"
#define S8079 "Negrita"
#define S8080 "Negrita cursiva"

// ICC Profile Settings dialog: labels, the printer's own profile, the
// rendering intents, and the file type of the profile chooser.
#define S9000 "Configuración de perfiles ICC"
#define S9001 "Predeterminado de la impresora"
#define S9002 "Perfil de origen RGB"
#define S9003 "Perfil de salida de la impresora"
#define S9004 "Intento de representación"
#define S9005 "Perceptual"
#define S9006 "Saturación"
#define S9007 "Colorimétrico relativo"
#define S9008 "Colorimétrico absoluto"
#define S9009 "Perfiles ICC (*.icc, *.icm)"

// ICC Profile Settings dialog: message boxes.
#define S9101 "No se encuentra el perfil seleccionado."
#define S9102 "El archivo seleccionado no es un perfil ICC válido."
#define S9103 "No se pudo instalar el perfil.\nEs posible que necesite derechos de administrador para instalar perfiles de color."
#define S9104 "Este perfil ya está instalado."
#define S9105 "¿Desea quitar el perfil seleccionado de la lista?"

// Overlays and Define Overlays dialogs: message boxes. The quoted names
// match the Form label of Define Overlays, the overlay mode option
// and the PostScript driver's Advanced Options as Spanish shows them.
#define S10020 "Ya existe una superposición definida con ese nombre.\nElija otro nombre."
#define S10021 "Introduzca en ""Formulario"" el nombre del formulario PostScript que desea utilizar y haga clic en Agregar.\nDebe ser exactamente el mismo nombre que el del formulario almacenado en la impresora."
#define S10022 "Al elegir ""Crear formulario"", la ""Opción de salida PostScript"" de Opciones avanzadas se establece automáticamente en ""EPS"".\nRecuerde volver a cambiarla a ""Optimizar para velocidad"" si decide cancelar la impresión de superposiciones."
#define S10023 "Introduzca un nombre para la superposición."
#define S10024 "Carácter no válido '.'"
#define S10025 "Una superposición puede contener hasta 3 formularios."
#define S10026 "Se pueden definir como máximo 32 superposiciones.\nElimine una de las superposiciones existentes\nantes de crear una nueva."
#define S10027 "Se pueden activar hasta 4 superposiciones por trabajo."

// Watermarks dialog: message boxes; "Advertencia" is the title bar of every
// warning message of the plug-in.
#define S10040 "Se pueden guardar como máximo 16 marcas de agua.\nElimine o edite una de las marcas de agua existentes\nantes de crear una nueva."
#define S10041 "Advertencia"
#define S10042 "No se encuentra la lista de fuentes para marcas de agua.\nLa marca de agua se imprime con la fuente predeterminada de la impresora."

// Message boxes when a page or dialog is left with wrong values (%d: lower
// and upper limit), when a secure job asks for one copy, and for the Color
// Tuner Utility.
#define S10050 "Uno o varios valores de configuración no son válidos."
#define S10051 "Introduzca un valor entre %d y %d."
#define S10052 "Introduzca un número."
#define S10054 "Esta función solo se puede utilizar si Copias es 1.\nPara Impresión segura y Almacenar en SD, se pueden seleccionar varias copias en el panel de control de la impresora."
#define S10055 "Para utilizar esta función, instale Color Tuner Utility."
#define S10056 "No se pudo leer la configuración de Color Tuner Utility."

// Color page: message box when the colour-sample utility is missing;
// "Error" is the title bar of error messages.
#define S10060 "Para utilizar esta función, instale Color Hueboard Utility."
#define S10061 "Error"

// Job Options page: secure-print notices.
#define S20002 "Impresión segura necesita el disco duro de la impresora.\nEl trabajo se imprime como un trabajo normal."
#define S20003 "La limitación de trabajos está activada: a esta impresora solo se pueden enviar trabajos de impresión segura cifrada."
#define S20004 "No se pudo cargar el módulo de cifrado.\nImpresión segura cifrada no está disponible."
#define S20005 "El controlador de la tarjeta IC no está instalado.\nImpresión segura con tarjeta IC no está disponible."
#define S20006 "No se pudo descifrar la contraseña almacenada.\nIntroduzca de nuevo la contraseña."

// Title bar of information messages.
#define S30010 "Información"

// Special toner details: the line above the dialog, naming the special
// toner installed (none, White, Clear).
#define S8082 "No hay ningún tóner especial instalado."
#define S8083 "Tóner especial instalado: blanco"
#define S8084 "Tóner especial instalado: transparente"

// Print position adjustment: the tabs of the front and back of a sheet.
#define S8100 "Anverso"
#define S8101 "Reverso"
