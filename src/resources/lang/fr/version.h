// French texts of the version information (UTF-8): the block of the language
// and its code page, the file description and the product name.
#define VERSION_BLOCK "040C04E4"
#define VERSION_FILE_DESCRIPTION "Module d'interface utilisateur du pilote d'imprimante SX Color PS"
#define VERSION_PRODUCT_NAME "Pilote SX Color PS"
