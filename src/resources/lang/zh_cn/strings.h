// Simplified Chinese texts of the string table (UTF-8; rc string literals:
// a double quote is written "", a backslash \\, \n is a line break).
// Placeholders (%d, %%) keep their order and count as in English.
#pragma once

// Advanced dialog (Job Options > Advanced...): entries of the Job
// Compression list.
#define S6001 "无"
#define S6002 "快速"
#define S6003 "标准"
#define S6004 "最佳压缩"

// Job Options page: allowed range shown beside the Copies and the Scale
// fields; the two numbers are the lower and upper limit, %% is a percent sign.
#define S7000 "( %d-%d )"
#define S7001 "( %d-%d %% )"

// Job Options page: the job type radio buttons (normal, secure, encrypted
// secure); the IC card text replaces the encrypted one when an IC card
// reader is installed.
#define S7007 "普通打印"
#define S7008 "安全打印"
#define S7009 "加密安全打印"
#define S7010 "IC 卡安全打印"

// JOB PIN dialog: message boxes when OK is pressed with a PIN that is not
// four digits, or without a job name.
#define S8000 "请输入 4 位数字的 PIN 码。"
#define S8001 "请输入作业名称。"

// Overlays dialog: column headings of the two overlay lists, and the limit
// shown beside each list (%d is 4 or 32).
#define S8010 "叠加"
#define S8011 "页面"
#define S8012 "(最多 %d 个)"

// Define Overlays dialog (Print on Pages list) and the Page column of the
// Overlays dialog: the pages an overlay prints on; then the name a new
// overlay starts with.
#define S8030 "所有页面"
#define S8031 "首页"
#define S8032 "奇数页"
#define S8033 "偶数页"
#define S8034 "自定义"
#define S8035 "新叠加"

// Printer properties, Device Settings tree: the push button that reads the
// installed options from the printer (& marks the access key), and the
// progress and result messages of that reading.
#define S8040 "自动获取已安装的选项(&G)"
#define S8041 "正在从打印机读取已安装的选项..."
#define S8042 "无法从打印机读取已安装的选项。\n请检查打印机是否已打开并已连接。"
#define S8043 "已从打印机读取已安装的选项。"
#define S8044 "无法通过此打印机的端口读取已安装的选项。"

// Watermarks dialog: first entry of the watermark list (no watermark).
// The next three are not shown: the name of the watermark section in the
// driver's configuration file (kept "Watermark" in every language), the
// printer font of a new watermark (a font name, never translated), and the
// section that keeps the colour chooser's custom colours (translated: each
// language keeps its own set).
#define S8050 "无"
#define S8051 "Watermark"
#define S8052 "HeiseiMin-W3-90ms-RKSJ-H"
#define S8053 "自定义颜色"

// Watermark dialog: the Position list.
#define S8054 "左上"
#define S8055 "顶部居中"
#define S8056 "右上"
#define S8057 "居中"
#define S8058 "左下"
#define S8059 "底部居中"
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
#define S8077 "常规"
#define S8078 "斜体"
#define S8079 "粗体"
#define S8080 "粗斜体"

// ICC Profile Settings dialog: labels, the printer's own profile, the
// rendering intents, and the file type of the profile chooser.
#define S9000 "ICC 配置文件设置"
#define S9001 "打印机默认值"
#define S9002 "RGB 源配置文件"
#define S9003 "打印机输出配置文件"
#define S9004 "渲染意图"
#define S9005 "可感知"
#define S9006 "饱和度"
#define S9007 "相对比色"
#define S9008 "绝对比色"
#define S9009 "ICC 配置文件 (*.icc, *.icm)"

// ICC Profile Settings dialog: message boxes. Simplified Chinese ships
// without the question whether to remove a profile (S9105).
#define S9101 "找不到所选的配置文件。"
#define S9102 "所选文件不是有效的 ICC 配置文件。"
#define S9103 "无法安装配置文件。\n您可能需要管理员权限才能安装颜色配置文件。"
#define S9104 "此配置文件已安装。"

// Overlays and Define Overlays dialogs: message boxes. The quoted names
// match the texts of those controls ("Form Name", "Add") and the option
// names the printer description gives ("Create Form", "PostScript output
// option", "EPS", "Optimise for speed"), which are English.
#define S10020 "已存在同名的叠加定义。\n请选择其他名称。"
#define S10021 "请在“表单名称”中输入要使用的 PostScript 表单名称，然后单击“添加”。\n此名称必须与打印机中存储的表单名称完全相同。"
#define S10022 "选择“Create Form”时，高级选项中的“PostScript output option”将自动设置为“EPS”。\n如果您决定取消叠加打印，请记得将其改回“Optimise for speed”。"
#define S10023 "请输入叠加的名称。"
#define S10024 "无效字符 '.'"
#define S10025 "一个叠加最多可包含 3 个表单。"
#define S10026 "最多可定义 32 个叠加。\n请先删除一个现有的叠加，\n然后再创建新的叠加。"
#define S10027 "一个作业最多可启用 4 个叠加。"

// Watermarks dialog: message boxes; "Warning" is the title bar of every
// warning message of the plug-in.
#define S10040 "最多可保存 16 个水印。\n请先删除或编辑一个现有的水印，\n然后再创建新的水印。"
#define S10041 "警告"
#define S10042 "找不到水印字体列表。\n水印将使用打印机的默认字体打印。"

// Message boxes when a page or dialog is left with wrong values (%d: lower
// and upper limit), when a secure job asks for one copy, and for the Color
// Tuner Utility.
#define S10050 "一个或多个设置无效。"
#define S10051 "请输入 %d 到 %d 之间的值。"
#define S10052 "请输入数字。"
#define S10054 "只有当份数设置为 1 时才能使用此功能。\n对于安全打印和存储到 SD，可以在打印机的操作面板上选择多份打印。"
#define S10055 "要使用此功能，请安装色彩调整工具 (Color Tuner Utility)。"
#define S10056 "无法读取色彩调整工具的设置。"

// Color page: message box when the colour-sample utility is missing;
// "Error" is the title bar of error messages.
#define S10060 "要使用此功能，请安装色彩样本工具 (Color Hueboard Utility)。"
#define S10061 "错误"

// Job Options page: secure-print notices.
#define S20002 "安全打印需要打印机的硬盘。\n此作业将作为普通作业打印。"
#define S20003 "作业限制已启用：只能向此打印机发送加密安全打印作业。"
#define S20004 "无法加载加密模块。\n加密安全打印不可用。"
#define S20005 "未安装 IC 卡驱动程序。\nIC 卡安全打印不可用。"
#define S20006 "无法解密已保存的密码。\n请重新输入密码。"

// Title bar of information messages.
#define S30010 "信息"

// Special toner details: the line above the dialog, naming the special
// toner installed (none, White, Clear).
#define S8082 "未安装特殊碳粉。"
#define S8083 "已安装的特殊碳粉：白色"
#define S8084 "已安装的特殊碳粉：透明"

// Print position adjustment: the tabs of the front and back of a sheet.
#define S8100 "正面"
#define S8101 "背面"
