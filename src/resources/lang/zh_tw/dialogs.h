/* Traditional Chinese (Taiwan) dialog texts. Each macro is the text of one
 * control: D<template>_<control id>, or D<template>_CAPTION for the title.
 * The mnemonic is the English letter, appended as "(&X)"; mnemonics stay
 * unique within a dialog. */
#pragma once

#define DLG_FONT_SIZE       9
#define DLG_FONT_FACE       "MS Shell Dlg"
#define DLG_FONT_WEIGHT     400
#define DLG_FONT_ITALIC     0
#define DLG_FONT_CHARSET    136

/* Overlays: choose the overlay mode and the active overlays of the job */
#define D109_CAPTION        "覆疊"
#define D109_MODE_LABEL     "覆疊模式(&M):"
#define D109_1051           "使用中的覆疊(&V):"
#define D109_1054           "加入(&A)"
#define D109_1055           "移除(&L)"
#define D109_1056           "已定義的覆疊(&F):"
#define D109_1059           "新增(&N)"
#define D109_1060           "編輯(&E)"
#define D109_1061           "刪除(&D)"
#define D109_1              "確定"
#define D109_2              "取消"

/* Color property page */
#define D111_CAPTION        "色彩"
#define D111_1617           "色彩模式(&M)"
#define D111_1605           "彩色列印"
#define D111_1606           "灰階列印 (黑白)"
#define D111_1616           "詳細(&D)..."
#define D111_4112           "列印碳粉匣(&C)"
#define D111_4113           "白色"
#define D111_4114           "黑色"
#define D111_1666           "模式(&P)"
#define D111_4110           "黑色表現(&B)"
#define D111_1618           "自訂 Gamma 調整(&U):"
#define D111_1215           "進階(&V)..."
#define D111_10000          "預設值(&D)"

/* Watermarks: the list of watermarks and the job's choice */
#define D112_CAPTION        "浮水印"
#define D112_1403           "新增(&N)..."
#define D112_1402           "刪除(&D)"
#define D112_1404           "編輯(&E)..."
#define D112_1437           "僅第一頁(&O)"
#define D112_1448           "作為背景列印(&B)"
#define D112_1              "確定"
#define D112_2              "取消"

/* Job Options property page */
#define D113_CAPTION        "工作選項"
#define D113_1500           "列印品質(&Q)"
#define D113_1545           "Zenit/高品質"
#define D113_1546           "精細 / 細緻 (600x1200)"
#define D113_1547           "標準 (600x600)"
#define D113_1558           "影像平滑化(&I)"
#define D113_1542           "份數(&C)"
#define D113_1518           "自動分頁(&L)"
#define D113_1530           "縮放比例(&E)"
#define D113_1800           "特殊功能(&S)"
#define D113_1801           "鏡像列印(&M)"
#define D113_1537           "進階(&V)..."
#define D113_1559           "關於(&B)..."
#define D113_10000          "預設值(&D)"

/* Watermark editor: one watermark's text, size, angle, font, border, position */
#define D114_CAPTION        "浮水印"
#define D114_1400           "文字(&T)"
#define D114_1412           "大小(&S)"
#define D114_1415           "角度(&G)"
#define D114_1445           "-180"
#define D114_1446           "0"
#define D114_1447           "+180"
#define D114_1418           "字型(&F)..."
#define D114_1419           "色彩(&C)..."
#define D114_1438           "外框(&R)"
#define D114_1439           "無"
#define D114_1440           "圓形"
#define D114_1441           "單線框"
#define D114_1442           "雙線框"
#define D114_1430           "位置(&P)"
#define D114_1444           "浮水印調整"
#define D114_1431           "&X"
#define D114_1433           "&Y"
#define D114_1              "確定"
#define D114_2              "取消"

/* Font of a watermark: printer font, style and size */
#define D115_CAPTION        "字型"
#define D115_1452           "字型(&F)"
#define D115_1455           "字型樣式(&Y)"
#define D115_1458           "大小(&S)"
#define D115_1              "確定"
#define D115_2              "取消"

/* About: driver name and versions */
#define D117_CAPTION        "關於"
#define D117_1565           "驅動程式版本"
#define D117_1566           "PPD 版本"
#define D117_1              "確定"

/* Office Color Details: colour settings for office documents */
#define D118_CAPTION        "辦公色彩詳細設定"
#define D118_1200           "RGB 色彩設定"
#define D118_1282           "色彩設定(&C)"
#define D118_1267           "色彩調整工具設定"
#define D118_1260           "CMYK 油墨模擬(&S)"
#define D118_1253           "黑色表現(&B)"
#define D118_1254           "自動"
#define D118_1255           "複合黑 (CMYK)"
#define D118_1256           "純黑 (K)"
#define D118_1              "確定"
#define D118_2              "取消"
#define D118_10000          "預設值"

/* Color Print Details: colour matching profiles and precision */
#define D119_CAPTION        "彩色列印詳細設定"
#define D119_1656           "輸入"
#define D119_1657           "RGB 設定檔(&R)"
#define D119_1681           "CMYK 輸入設定檔(&C)"
#define D119_1682           "CMYK 連結設定檔(&L)"
#define D119_1690           "模擬目標設定檔(&S)"
#define D119_1659           "印表機輸出設定檔"
#define D119_1661           "輸出設定檔(&O)"
#define D119_1663           "色彩演算方式(&I)"
#define D119_1665           "色彩比對精確度(&M)"
#define D119_1669           "速度"
#define D119_1668           "品質"
#define D119_1              "確定"
#define D119_2              "取消"
#define D119_10000          "預設值"

/* Advanced colour options: halftones */
#define D200_CAPTION        "進階"
#define D200_1300           "進階色彩選項"
#define D200_1301           "一律使用印表機的半色調(&A)"
#define D200_1305           "使用最佳化的灰階半色調(&G)"
#define D200_1              "確定"
#define D200_2              "取消"
#define D200_10000          "預設值(&D)"

/* ICC profile settings */
#define D201_CAPTION        "ICC 設定檔設定"
#define D201_1700           "ICC 設定檔"
#define D201_1701           "來源設定檔(&S)"
#define D201_1703           "印表機設定檔(&P)"
#define D201_1705           "色彩演算方式(&I)"
#define D201_1              "確定"
#define D201_2              "取消"

/* JOB PIN: job name and PIN of a secure job */
#define D202_CAPTION        "工作 PIN"
#define D202_1004           "安全列印工作會保留在印表機上，直到您在印表機的控制面板輸入該工作的 PIN 碼為止。"
#define D202_1005           "工作名稱(&N):"
#define D202_1007           "每個列印工作都要求輸入工作名稱"
#define D202_1009           "PIN 碼(&P):"
#define D202_1010           "(4 位數)"
#define D202_1              "確定"
#define D202_2              "取消"

/* Define Overlays: one overlay's name, pages and forms */
#define D203_CAPTION        "定義覆疊"
#define D203_1100           "覆疊名稱(&N):"
#define D203_1102           "列印頁面(&P):"
#define D203_1104           "自訂頁面(&C):"
#define D203_1106           "請輸入頁碼和/或頁面範圍，並以逗號分隔，例如：1,3,5-12"
#define D203_1107           "表單設定"
#define D203_1108           "表單名稱(&M):"
#define D203_1110           "加入(&A)"
#define D203_1111           "重新命名(&R)"
#define D203_1112           "已定義的表單(&F):"
#define D203_1114           "刪除(&D)"
#define D203_1              "確定"
#define D203_2              "取消"

/* Advanced job options */
#define D204_CAPTION        "進階"
#define D204_1806           "工作多工緩衝處理(&J)"
#define D204_1804           "工作壓縮(&C)"
#define D204_1807           "列印前執行維護程序(&R)"
#define D204_1808           "調整極細線條(&A)"
#define D204_10000          "預設值(&D)"
#define D204_1              "確定"
#define D204_2              "取消"

/* One-time notices; the check box text is shared by all four */
#define D300_6005           "下次仍顯示此訊息(&S)"
#define D300_CAPTION        "安全列印"
#define D300_6004           "安全列印工作會在印表機的硬碟中等候，直到您在印表機的控制面板輸入該工作的 PIN 碼將其釋放。"
#define D300_1              "確定"
#define D301_CAPTION        "警告:"
#define D301_6004           "此印表機為共用印表機。從其他電腦列印工作時，無法詢問工作名稱；請改為在此處輸入。"
#define D301_6005           D300_6005
#define D301_1              "確定"
#define D301_2              "取消"
#define D302_CAPTION        "覆疊"
#define D302_6004           "覆疊是以儲存在印表機中的表單列印。請確認此處指定的每個表單都存在於印表機中。"
#define D302_6005           D300_6005
#define D302_1              "確定"
#define D303_CAPTION        "浮水印"
#define D303_6004           "浮水印是以印表機字型列印。列印結果可能與預覽略有不同。"
#define D303_6005           D300_6005
#define D303_1              "確定"
