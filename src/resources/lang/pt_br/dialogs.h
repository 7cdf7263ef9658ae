/* Brazilian Portuguese dialog texts (0x0416). Each macro is the text of one
 * control: D<template>_<control id>, or D<template>_CAPTION for the title.
 * A '&' marks the keyboard mnemonic; mnemonics stay unique within a dialog. */
#pragma once

#define DLG_FONT_SIZE       8
#define DLG_FONT_FACE       "MS Shell Dlg"
#define DLG_FONT_WEIGHT     400
#define DLG_FONT_ITALIC     0
#define DLG_FONT_CHARSET    1

/* Overlays: choose the overlay mode and the active overlays of the job */
#define D109_CAPTION        "Sobreposições"
#define D109_MODE_LABEL     "&Modo:"
#define D109_1051           "Sobreposições ati&vas:"
#define D109_1054           "&Adicionar"
#define D109_1055           "&Remover"
#define D109_1056           "Sobreposições de&finidas:"
#define D109_1059           "&Nova"
#define D109_1060           "&Editar"
#define D109_1061           "E&xcluir"
#define D109_1              "OK"
#define D109_2              "Cancelar"

/* Color property page */
#define D111_CAPTION        "Cor"
#define D111_1617           "&Modo de cor"
#define D111_1605           "Em cores"
#define D111_1606           "Escala de cinza (branco/preto)"
#define D111_1616           "&Detalhes..."
#define D111_4112           "&Cartucho de impressão"
#define D111_4113           "Branco"
#define D111_4114           "Preto"
#define D111_1666           "M&odo"
#define D111_4110           "&Tipo de preto"
#define D111_1618           "&Gama personalizada:"
#define D111_1215           "A&vançado..."
#define D111_10000          "&Padrão"

/* Watermarks: the list of watermarks and the job's choice */
#define D112_CAPTION        "Marcas d'água"
#define D112_1403           "&Nova..."
#define D112_1402           "E&xcluir"
#define D112_1404           "&Editar..."
#define D112_1437           "Somente na &primeira página"
#define D112_1448           "Imprimir como &fundo"
#define D112_1              "OK"
#define D112_2              "Cancelar"

/* Job Options property page */
#define D113_CAPTION        "Opções de trabalho"
#define D113_1500           "&Qualidade"
#define D113_1545           "Zenit/Alta qualidade"
#define D113_1546           "Fina / Detalhe (600x1200)"
#define D113_1547           "Normal (600x600)"
#define D113_1558           "&Suavização de imagem"
#define D113_1542           "&Cópias"
#define D113_1518           "&Agrupar"
#define D113_1530           "&Escala"
#define D113_1800           "Especia&l"
#define D113_1801           "&Impressão espelhada"
#define D113_1537           "A&vançado..."
#define D113_1559           "S&obre..."
#define D113_10000          "&Padrão"

/* Watermark editor: one watermark's text, size, angle, font, border, position */
#define D114_CAPTION        "Marca d'água"
#define D114_1400           "&Texto"
#define D114_1412           "Ta&manho"
#define D114_1415           "Ân&gulo"
#define D114_1445           "-180"
#define D114_1446           "0"
#define D114_1447           "+180"
#define D114_1418           "&Fonte..."
#define D114_1419           "&Cor..."
#define D114_1438           "&Borda"
#define D114_1439           "Nenhuma"
#define D114_1440           "Círculo"
#define D114_1441           "Moldura simples"
#define D114_1442           "Moldura dupla"
#define D114_1430           "&Posição"
#define D114_1444           "Ajuste da marca d'água"
#define D114_1431           "&X"
#define D114_1433           "&Y"
#define D114_1              "OK"
#define D114_2              "Cancelar"

/* Font of a watermark: printer font, style and size */
#define D115_CAPTION        "Fonte"
#define D115_1452           "&Fonte"
#define D115_1455           "&Estilo"
#define D115_1458           "&Tamanho"
#define D115_1              "OK"
#define D115_2              "Cancelar"

/* About: driver name and versions */
#define D117_CAPTION        "Sobre"
#define D117_1565           "Versão do driver"
#define D117_1566           "Versão do PPD"
#define D117_1              "OK"

/* Office Color Details: colour settings for office documents */
#define D118_CAPTION        "Detalhes de cor para escritório"
#define D118_1200           "Configurações de cor RGB"
#define D118_1282           "Ajustes de &cor"
#define D118_1267           "Ajustes do Color Tuner"
#define D118_1260           "&Simulação de tinta CMYK"
#define D118_1253           "&Tipo de preto"
#define D118_1254           "Automático"
#define D118_1255           "Composto (CMYK)"
#define D118_1256           "Puro (K)"
#define D118_1              "OK"
#define D118_2              "Cancelar"
#define D118_10000          "Padrão"

/* Color Print Details: colour matching profiles and precision */
#define D119_CAPTION        "Detalhes de impressão em cores"
#define D119_1656           "Entrada"
#define D119_1657           "Perfil &RGB"
#define D119_1681           "Perfil de entrada &CMYK"
#define D119_1682           "Perfil de &vínculo CMYK"
#define D119_1690           "Perfil de &simulação"
#define D119_1659           "Saída da impressora"
#define D119_1661           "Perfil de saí&da"
#define D119_1663           "&Intenção de renderização"
#define D119_1665           "&Precisão de correspondência"
#define D119_1669           "Rápido"
#define D119_1668           "Preciso"
#define D119_1              "OK"
#define D119_2              "Cancelar"
#define D119_10000          "Padrão"

/* Advanced colour options: halftones */
#define D200_CAPTION        "Avançado"
#define D200_1300           "Opções avançadas de cor"
#define D200_1301           "&Sempre usar os meios-tons da impressora"
#define D200_1305           "Usar meios-tons de &cinza otimizados"
#define D200_1              "OK"
#define D200_2              "Cancelar"
#define D200_10000          "&Padrão"

/* ICC profile settings */
#define D201_CAPTION        "Configurações de perfil ICC"
#define D201_1700           "Perfis ICC"
#define D201_1701           "Perfil de &origem"
#define D201_1703           "&Perfil da impressora"
#define D201_1705           "&Renderização"
#define D201_1              "OK"
#define D201_2              "Cancelar"

/* JOB PIN: job name and PIN of a secure job */
#define D202_CAPTION        "PIN do trabalho"
#define D202_1004           "Um trabalho seguro fica retido na impressora até que você digite o PIN dele no painel de controle da impressora."
#define D202_1005           "&Nome do trabalho:"
#define D202_1007           "Solicitar o nome do trabalho a cada impressão"
#define D202_1009           "&PIN:"
#define D202_1010           "(4 dígitos)"
#define D202_1              "OK"
#define D202_2              "Cancelar"

/* Define Overlays: one overlay's name, pages and forms */
#define D203_CAPTION        "Definir sobreposições"
#define D203_1100           "&Nome:"
#define D203_1102           "&Imprimir nas páginas:"
#define D203_1104           "&Personalizadas:"
#define D203_1106           "Digite números de página e/ou intervalos separados por vírgulas. Por exemplo, 1,3,5-12"
#define D203_1107           "Configurações de formulário"
#define D203_1108           "&Formulário:"
#define D203_1110           "&Adicionar"
#define D203_1111           "&Renomear"
#define D203_1112           "&Definidos:"
#define D203_1114           "E&xcluir"
#define D203_1              "OK"
#define D203_2              "Cancelar"

/* Advanced job options */
#define D204_CAPTION        "Avançado"
#define D204_1806           "&Spool de trabalhos"
#define D204_1804           "&Compactação de trabalhos"
#define D204_1807           "Executar ciclo de &manutenção antes de imprimir"
#define D204_1808           "&Ajustar linhas ultrafinas"
#define D204_10000          "&Padrão"
#define D204_1              "OK"
#define D204_2              "Cancelar"

/* One-time notices; the check box text is shared by all four */
#define D300_6005           "&Mostrar esta mensagem na próxima vez"
#define D300_CAPTION        "Impressão segura"
#define D300_6004           "Os trabalhos seguros aguardam no disco rígido da impressora até que você os libere com o PIN no painel de controle da impressora."
#define D300_1              "OK"
#define D301_CAPTION        "Aviso:"
#define D301_6004           "Esta impressora está compartilhada. O nome do trabalho não pode ser solicitado quando o trabalho é impresso de outro computador; digite-o aqui."
#define D301_6005           D300_6005
#define D301_1              "OK"
#define D301_2              "Cancelar"
#define D302_CAPTION        "Sobreposições"
#define D302_6004           "As sobreposições são impressas a partir de formulários armazenados na impressora. Verifique se todos os formulários indicados aqui existem na impressora."
#define D302_6005           D300_6005
#define D302_1              "OK"
#define D303_CAPTION        "Marcas d'água"
#define D303_6004           "As marcas d'água são impressas com fontes da impressora. O resultado impresso pode ser um pouco diferente da visualização."
#define D303_6005           D300_6005
#define D303_1              "OK"
