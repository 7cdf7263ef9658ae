// Traditional Chinese texts of the version information (UTF-8): the block of the language
// and its code page, the file description and the product name.
#define VERSION_BLOCK "040403B6"
#define VERSION_FILE_DESCRIPTION "SX Color PS 印表機驅動程式使用者介面外掛程式"
#define VERSION_PRODUCT_NAME "SX Color PS 驅動程式"
