// Korean texts of the version information (UTF-8): the block of the language
// and its code page, the file description and the product name.
#define VERSION_BLOCK "041203B5"
#define VERSION_FILE_DESCRIPTION "SX Color PS 프린터 드라이버 사용자 인터페이스 플러그인"
#define VERSION_PRODUCT_NAME "SX Color PS 드라이버"
