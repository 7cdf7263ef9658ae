// Spanish texts of the version information (UTF-8): the block of the language
// and its code page, the file description and the product name.
#define VERSION_BLOCK "000A04E4"
#define VERSION_FILE_DESCRIPTION "Complemento de interfaz de usuario del controlador de impresora SX Color PS"
#define VERSION_PRODUCT_NAME "Controlador SX Color PS"
