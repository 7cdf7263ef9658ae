// Simplified Chinese texts of the version information (UTF-8): the block of the language
// and its code page, the file description and the product name.
#define VERSION_BLOCK "080403A8"
#define VERSION_FILE_DESCRIPTION "SX Color PS 打印机驱动程序用户界面插件"
#define VERSION_PRODUCT_NAME "SX Color PS 驱动程序"
