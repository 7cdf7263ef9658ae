// Brazilian Portuguese texts of the version information (UTF-8): the block of the language
// and its code page, the file description and the product name.
#define VERSION_BLOCK "041604E4"
#define VERSION_FILE_DESCRIPTION "Plug-in de interface do usuário do driver de impressora SX Color PS"
#define VERSION_PRODUCT_NAME "Driver SX Color PS"
