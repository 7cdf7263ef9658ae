// English texts of the version information (UTF-8): the block of the language
// and its code page, the file description and the product name.
#define VERSION_BLOCK "000004B0"
#define VERSION_FILE_DESCRIPTION "SX Color PS printer driver user interface plug-in"
#define VERSION_PRODUCT_NAME "SX Color PS driver"
