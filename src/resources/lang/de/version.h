// German texts of the version information (UTF-8): the block of the language
// and its code page, the file description and the product name.
#define VERSION_BLOCK "040704E4"
#define VERSION_FILE_DESCRIPTION "Benutzeroberflächen-Plug-in des Druckertreibers SX Color PS"
#define VERSION_PRODUCT_NAME "SX Color PS-Treiber"
