// Traditional Chinese (Taiwan) texts of the string table (UTF-8; rc string
// literals: a double quote is written "", a backslash \\, \n is a line
// break). Placeholders (%d, %%) keep their order and count as in English.
#pragma once

// Advanced dialog (Job Options > Advanced...): entries of the Job
// Compression list.
#define S6001 "無"
#define S6002 "快速"
#define S6003 "標準"
#define S6004 "最佳壓縮"

// Job Options page: allowed range shown beside the Copies and the Scale
// fields; the two numbers are the lower and upper limit, %% is a percent sign.
#define S7000 "( %d-%d )"
#define S7001 "( %d-%d %% )"

// Job Options page: the job type radio buttons (normal, secure, encrypted
// secure); the IC card text replaces the encrypted one when an IC card
// reader is installed.
#define S7007 "一般列印"
#define S7008 "安全列印"
#define S7009 "加密安全列印"
#define S7010 "IC 卡安全列印"

// JOB PIN dialog: message boxes when OK is pressed with a PIN that is not
// four digits, or without a job name.
#define S8000 "請輸入 4 位數的 PIN 碼。"
#define S8001 "請輸入工作名稱。"

// Overlays dialog: column headings of the two overlay lists, and the limit
// shown beside each list (%d is 4 or 32).
#define S8010 "覆疊"
#define S8011 "頁面"
#define S8012 "(最多 %d 個)"

// Define Overlays dialog (Print on Pages list) and the Page column of the
// Overlays dialog: the pages an overlay prints on; then the name a new
// overlay starts with.
#define S8030 "所有頁面"
#define S8031 "第一頁"
#define S8032 "奇數頁"
#define S8033 "偶數頁"
#define S8034 "自訂"
#define S8035 "新覆疊"

// Printer properties, Device Settings tree: the push button that reads the
// installed options from the printer (& marks the access key), and the
// progress and result messages of that reading.
#define S8040 "自動取得已安裝的選項(&G)"
#define S8041 "正在從印表機讀取已安裝的選項..."
#define S8042 "無法從印表機讀取已安裝的選項。\n請檢查印表機是否已開啟並已連線。"
#define S8043 "已從印表機讀取已安裝的選項。"
#define S8044 "無法透過此印表機的連接埠讀取已安裝的選項。"

// Watermarks dialog: first entry of the watermark list (no watermark).
// The next three are not shown: the name of the watermark section in the
// driver's configuration file (kept "Watermark" in every language), the
// printer font of a new watermark (a font name, never translated), and the
// section that keeps the colour chooser's custom colours (translated: each
// language keeps its own set).
#define S8050 "無"
#define S8051 "Watermark"
#define S8052 "HeiseiMin-W3-90ms-RKSJ-H"
#define S8053 "自訂色彩"

// Watermark dialog: the Position list.
#define S8054 "左上"
#define S8055 "上方中央"
#define S8056 "右上"
#define S8057 "中央"
#define S8058 "左下"
#define S8059 "下方中央"
#define S8060 "右下"

// Font dialog (Watermark > Font...): the Size list, in points.
#define S8061 "8"
#define S8062 "9"
#define S8063 "10"
#define S8064 "11"
#define S8065 "12"
#define S8066 "14"
#define S8067 "16"
#define S8068 "18"
#define S8069 "20"
#define S8070 "22"
#define S8071 "24"
#define S8072 "26"
#define S8073 "28"
#define S8074 "36"
#define S8075 "48"
#define S8076 "72"

// Font dialog: the Style list.
#define S8077 "標準"
#define S8078 "斜體"
#define S8079 "粗體"
#define S8080 "粗斜體"

// ICC Profile Settings dialog: labels, the printer's own profile, the
// rendering intents, and the file type of the profile chooser.
#define S9000 "ICC 設定檔設定"
#define S9001 "印表機預設值"
#define S9002 "RGB 來源設定檔"
#define S9003 "印表機輸出設定檔"
#define S9004 "色彩演算方式"
#define S9005 "感應式"
#define S9006 "飽和度"
#define S9007 "相對公制色度"
#define S9008 "絕對公制色度"
#define S9009 "ICC 設定檔 (*.icc, *.icm)"

// ICC Profile Settings dialog: message boxes.
#define S9101 "找不到選取的設定檔。"
#define S9102 "選取的檔案不是有效的 ICC 設定檔。"
#define S9103 "無法安裝設定檔。\n您可能需要系統管理員權限才能安裝色彩設定檔。"
#define S9104 "此設定檔已安裝。"
#define S9105 "要從清單中移除選取的設定檔嗎？"

// Overlays and Define Overlays dialogs: message boxes. The quoted names
// match the texts of those controls ("Form Name", "Add") and the option
// names the printer description gives ("Create Form", "PostScript output
// option", "EPS", "Optimise for speed"), which are English.
#define S10020 "已有相同名稱的覆疊定義。\n請選擇其他名稱。"
#define S10021 "請在「表單名稱」中輸入要使用的 PostScript 表單名稱，然後按一下「加入」。\n此名稱必須與儲存在印表機中的表單名稱完全相同。"
#define S10022 "選擇「Create Form」時，進階選項中的「PostScript output option」會自動設為「EPS」。\n如果您決定取消覆疊列印，請記得將其改回「Optimise for speed」。"
#define S10023 "請輸入覆疊的名稱。"
#define S10024 "無效的字元 '.'"
#define S10025 "一個覆疊最多可包含 3 個表單。"
#define S10026 "最多可定義 32 個覆疊。\n請先刪除一個現有的覆疊，\n再建立新的覆疊。"
#define S10027 "一個工作最多可啟用 4 個覆疊。"

// Watermarks dialog: message boxes; "Warning" is the title bar of every
// warning message of the plug-in.
#define S10040 "最多可儲存 16 個浮水印。\n請先刪除或編輯一個現有的浮水印，\n再建立新的浮水印。"
#define S10041 "警告"
#define S10042 "找不到浮水印字型清單。\n浮水印將以印表機的預設字型列印。"

// Message boxes when a page or dialog is left with wrong values (%d: lower
// and upper limit), when a secure job asks for one copy, and for the Color
// Tuner Utility.
#define S10050 "一或多個設定無效。"
#define S10051 "請輸入介於 %d 到 %d 之間的值。"
#define S10052 "請輸入數字。"
#define S10054 "只有在份數設為 1 時才能使用此功能。\n若為安全列印及儲存至 SD，可在印表機的操作面板上選擇多份列印。"
#define S10055 "若要使用此功能，請安裝色彩調整工具 (Color Tuner Utility)。"
#define S10056 "無法讀取色彩調整工具的設定。"

// Color page: message box when the colour-sample utility is missing;
// "Error" is the title bar of error messages.
#define S10060 "若要使用此功能，請安裝色彩樣本工具 (Color Hueboard Utility)。"
#define S10061 "錯誤"

// Job Options page: secure-print notices.
#define S20002 "安全列印需要印表機的硬碟。\n此工作將以一般工作列印。"
#define S20003 "已啟用工作限制：只能將加密安全列印工作傳送至此印表機。"
#define S20004 "無法載入加密模組。\n無法使用加密安全列印。"
#define S20005 "未安裝 IC 卡驅動程式。\n無法使用 IC 卡安全列印。"
#define S20006 "無法解密儲存的密碼。\n請重新輸入密碼。"

// Title bar of information messages.
#define S30010 "資訊"

// Special toner details: the line above the dialog, naming the special
// toner installed (none, White, Clear).
#define S8082 "未安裝特殊碳粉。"
#define S8083 "已安裝的特殊碳粉：白色"
#define S8084 "已安裝的特殊碳粉：透明"

// Print position adjustment: the tabs of the front and back of a sheet.
#define S8100 "正面"
#define S8101 "背面"
