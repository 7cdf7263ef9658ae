// Italian texts of the version information (UTF-8): the block of the language
// and its code page, the file description and the product name.
#define VERSION_BLOCK "041004E4"
#define VERSION_FILE_DESCRIPTION "Plug-in dell'interfaccia utente del driver di stampa SX Color PS"
#define VERSION_PRODUCT_NAME "Driver SX Color PS"
