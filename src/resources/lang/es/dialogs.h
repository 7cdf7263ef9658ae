/* Spanish dialog texts (neutral Spanish, 0x000A). Each macro is the text of
 * one control: D<template>_<control id>, or D<template>_CAPTION for the title.
 * A '&' marks the keyboard mnemonic; mnemonics stay unique within a dialog. */
#pragma once

#define DLG_FONT_SIZE       8
#define DLG_FONT_FACE       "MS Shell Dlg"
#define DLG_FONT_WEIGHT     400
#define DLG_FONT_ITALIC     0
#define DLG_FONT_CHARSET    1

/* Overlays: choose the overlay mode and the active overlays of the job */
#define D109_CAPTION        "Superposiciones"
#define D109_MODE_LABEL     "&Modo:"
#define D109_1051           "Superposiciones acti&vas:"
#define D109_1054           "&Agregar"
#define D109_1055           "&Quitar"
#define D109_1056           "Superposiciones de&finidas:"
#define D109_1059           "&Nueva"
#define D109_1060           "&Editar"
#define D109_1061           "E&liminar"
#define D109_1              "Aceptar"
#define D109_2              "Cancelar"

/* Color property page */
#define D111_CAPTION        "Color"
#define D111_1617           "&Modo de color"
#define D111_1605           "En color"
#define D111_1606           "Escala de grises (blanco/negro)"
#define D111_1616           "&Detalles..."
#define D111_4112           "&Cartucho de impresión"
#define D111_4113           "Blanco"
#define D111_4114           "Negro"
#define D111_1666           "M&odo"
#define D111_4110           "&Tipo de negro"
#define D111_1618           "&Gamma personalizada:"
#define D111_1215           "A&vanzado..."
#define D111_10000          "&Restaurar"

/* Watermarks: the list of watermarks and the job's choice */
#define D112_CAPTION        "Marcas de agua"
#define D112_1403           "&Nueva..."
#define D112_1402           "E&liminar"
#define D112_1404           "&Editar..."
#define D112_1437           "Solo en la &primera página"
#define D112_1448           "Imprimir como &fondo"
#define D112_1              "Aceptar"
#define D112_2              "Cancelar"

/* Job Options property page */
#define D113_CAPTION        "Opciones de trabajo"
#define D113_1500           "&Calidad"
#define D113_1545           "Zenit/Alta calidad"
#define D113_1546           "Fina / Detalle (600x1200)"
#define D113_1547           "Normal (600x600)"
#define D113_1558           "&Suavizado de imagen"
#define D113_1542           "C&opias"
#define D113_1518           "&Intercalar"
#define D113_1530           "&Escala"
#define D113_1800           "Especia&l"
#define D113_1801           "I&mpresión en espejo"
#define D113_1537           "A&vanzado..."
#define D113_1559           "&Acerca de..."
#define D113_10000          "&Restaurar"

/* Watermark editor: one watermark's text, size, angle, font, border, position */
#define D114_CAPTION        "Marca de agua"
#define D114_1400           "&Texto"
#define D114_1412           "Ta&maño"
#define D114_1415           "Án&gulo"
#define D114_1445           "-180"
#define D114_1446           "0"
#define D114_1447           "+180"
#define D114_1418           "&Fuente..."
#define D114_1419           "&Color..."
#define D114_1438           "&Borde"
#define D114_1439           "Ninguno"
#define D114_1440           "Círculo"
#define D114_1441           "Marco simple"
#define D114_1442           "Marco doble"
#define D114_1430           "&Posición"
#define D114_1444           "Ajuste de posición"
#define D114_1431           "&X"
#define D114_1433           "&Y"
#define D114_1              "Aceptar"
#define D114_2              "Cancelar"

/* Font of a watermark: printer font, style and size */
#define D115_CAPTION        "Fuente"
#define D115_1452           "&Fuente"
#define D115_1455           "&Estilo"
#define D115_1458           "&Tamaño"
#define D115_1              "Aceptar"
#define D115_2              "Cancelar"

/* About: driver name and versions */
#define D117_CAPTION        "Acerca de"
#define D117_1565           "Versión del driver"
#define D117_1566           "Versión del PPD"
#define D117_1              "Aceptar"

/* Office Color Details: colour settings for office documents */
#define D118_CAPTION        "Detalles de color para oficina"
#define D118_1200           "Configuración de color RGB"
#define D118_1282           "Ajustes de &color"
#define D118_1267           "Ajustes de Color Tuner"
#define D118_1260           "&Simulación de tinta CMYK"
#define D118_1253           "&Tipo de negro"
#define D118_1254           "Automático"
#define D118_1255           "Compuesto (CMYK)"
#define D118_1256           "Puro (K)"
#define D118_1              "Aceptar"
#define D118_2              "Cancelar"
#define D118_10000          "Restaurar"

/* Color Print Details: colour matching profiles and precision */
#define D119_CAPTION        "Detalles de impresión en color"
#define D119_1656           "Entrada"
#define D119_1657           "Perfil &RGB"
#define D119_1681           "Perfil de entrada &CMYK"
#define D119_1682           "Perfil de en&lace CMYK"
#define D119_1690           "Perfil de &simulación"
#define D119_1659           "Salida de la impresora"
#define D119_1661           "&Perfil de salida"
#define D119_1663           "&Intento de representación"
#define D119_1665           "Precisión de &ajuste del color"
#define D119_1669           "Rapidez"
#define D119_1668           "Calidad"
#define D119_1              "Aceptar"
#define D119_2              "Cancelar"
#define D119_10000          "Restaurar"

/* Advanced colour options: halftones */
#define D200_CAPTION        "Avanzado"
#define D200_1300           "Opciones avanzadas de color"
#define D200_1301           "Usar &siempre los semitonos de la impresora"
#define D200_1305           "Usar semitonos de &grises optimizados"
#define D200_1              "Aceptar"
#define D200_2              "Cancelar"
#define D200_10000          "&Restaurar"

/* ICC profile settings */
#define D201_CAPTION        "Configuración de perfiles ICC"
#define D201_1700           "Perfiles ICC"
#define D201_1701           "Perfil de &origen"
#define D201_1703           "&Perfil de impresora"
#define D201_1705           "&Representación"
#define D201_1              "Aceptar"
#define D201_2              "Cancelar"

/* JOB PIN: job name and PIN of a secure job */
#define D202_CAPTION        "PIN del trabajo"
#define D202_1004           "Un trabajo seguro se retiene en la impresora hasta que introduzca su PIN en el panel de control de la impresora."
#define D202_1005           "&Nombre de trabajo:"
#define D202_1007           "Pedir el nombre de trabajo en cada impresión"
#define D202_1009           "&PIN:"
#define D202_1010           "(4 dígitos)"
#define D202_1              "Aceptar"
#define D202_2              "Cancelar"

/* Define Overlays: one overlay's name, pages and forms */
#define D203_CAPTION        "Definir superposiciones"
#define D203_1100           "&Nombre:"
#define D203_1102           "&Imprimir en páginas:"
#define D203_1104           "&Personalizadas:"
#define D203_1106           "Escriba números de página o intervalos de páginas separados por comas; por ejemplo, 1,3,5-12"
#define D203_1107           "Configuración de formularios"
#define D203_1108           "&Formulario:"
#define D203_1110           "&Agregar"
#define D203_1111           "&Renombrar"
#define D203_1112           "&Definidos:"
#define D203_1114           "E&liminar"
#define D203_1              "Aceptar"
#define D203_2              "Cancelar"

/* Advanced job options */
#define D204_CAPTION        "Avanzado"
#define D204_1806           "&Spool de trabajos"
#define D204_1804           "&Compresión de trabajos"
#define D204_1807           "Ejecutar ciclo de &mantenimiento antes de imprimir"
#define D204_1808           "&Ajustar líneas ultrafinas"
#define D204_10000          "&Restaurar"
#define D204_1              "Aceptar"
#define D204_2              "Cancelar"

/* One-time notices; the check box text is shared by all four */
#define D300_6005           "&Mostrar este mensaje la próxima vez"
#define D300_CAPTION        "Impresión segura"
#define D300_6004           "Los trabajos seguros esperan en el disco duro de la impresora hasta que los libere con su PIN en el panel de control de la impresora."
#define D300_1              "Aceptar"
#define D301_CAPTION        "Advertencia:"
#define D301_6004           "Esta impresora está compartida. El nombre del trabajo no se puede preguntar cuando el trabajo se imprime desde otro equipo; introdúzcalo aquí."
#define D301_6005           D300_6005
#define D301_1              "Aceptar"
#define D301_2              "Cancelar"
#define D302_CAPTION        "Superposiciones"
#define D302_6004           "Las superposiciones se imprimen a partir de formularios almacenados en la impresora. Asegúrese de que todos los formularios indicados aquí existen en la impresora."
#define D302_6005           D300_6005
#define D302_1              "Aceptar"
#define D303_CAPTION        "Marcas de agua"
#define D303_6004           "Las marcas de agua se imprimen con fuentes de la impresora. El resultado impreso puede diferir ligeramente de la vista previa."
#define D303_6005           D300_6005
#define D303_1              "Aceptar"
