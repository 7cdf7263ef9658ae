/* Simplified Chinese dialog texts. Each macro is the text of one control:
 * D<template>_<control id>, or D<template>_CAPTION for the title. The
 * mnemonic is the English letter, appended as "(&X)"; mnemonics stay unique
 * within a dialog. */
#pragma once

#define DLG_FONT_SIZE       9
#define DLG_FONT_FACE       "MS Shell Dlg"
#define DLG_FONT_WEIGHT     400
#define DLG_FONT_ITALIC     0
#define DLG_FONT_CHARSET    134

/* Overlays: choose the overlay mode and the active overlays of the job */
#define D109_CAPTION        "叠加"
#define D109_MODE_LABEL     "叠加模式(&M):"
#define D109_1051           "已启用的叠加(&V):"
#define D109_1054           "添加(&A)"
#define D109_1055           "移除(&L)"
#define D109_1056           "已定义的叠加(&F):"
#define D109_1059           "新建(&N)"
#define D109_1060           "编辑(&E)"
#define D109_1061           "删除(&D)"
#define D109_1              "确定"
#define D109_2              "取消"

/* Color property page */
#define D111_CAPTION        "颜色"
#define D111_1617           "颜色模式(&M)"
#define D111_1605           "彩色打印"
#define D111_1606           "灰度打印 (黑白)"
#define D111_1616           "详细(&D)..."
#define D111_4112           "打印墨粉盒(&C)"
#define D111_4113           "白色"
#define D111_4114           "黑色"
#define D111_1666           "模式(&P)"
#define D111_4110           "黑色效果(&B)"
#define D111_1618           "自定义 Gamma 调整(&U):"
#define D111_1215           "高级(&V)..."
#define D111_10000          "默认值(&D)"

/* Watermarks: the list of watermarks and the job's choice */
#define D112_CAPTION        "水印"
#define D112_1403           "新建(&N)..."
#define D112_1402           "删除(&D)"
#define D112_1404           "编辑(&E)..."
#define D112_1437           "仅首页(&O)"
#define D112_1448           "作为背景打印(&B)"
#define D112_1              "确定"
#define D112_2              "取消"

/* Job Options property page */
#define D113_CAPTION        "作业选项"
#define D113_1500           "打印质量(&Q)"
#define D113_1545           "Zenit/高质量"
#define D113_1546           "精细 / 细致 (600x1200)"
#define D113_1547           "标准 (600x600)"
#define D113_1558           "图像平滑(&I)"
#define D113_1542           "份数(&C)"
#define D113_1518           "逐份打印(&L)"
#define D113_1530           "缩放比例(&E)"
#define D113_1800           "特殊功能(&S)"
#define D113_1801           "镜像打印(&M)"
#define D113_1537           "高级(&V)..."
#define D113_1559           "关于(&B)..."
#define D113_10000          "默认值(&D)"

/* Watermark editor: one watermark's text, size, angle, font, border, position */
#define D114_CAPTION        "水印"
#define D114_1400           "文本(&T)"
#define D114_1412           "大小(&S)"
#define D114_1415           "角度(&G)"
#define D114_1445           "-180"
#define D114_1446           "0"
#define D114_1447           "+180"
#define D114_1418           "字体(&F)..."
#define D114_1419           "颜色(&C)..."
#define D114_1438           "边框(&R)"
#define D114_1439           "无"
#define D114_1440           "圆形"
#define D114_1441           "单线框"
#define D114_1442           "双线框"
#define D114_1430           "位置(&P)"
#define D114_1444           "水印调整"
#define D114_1431           "&X"
#define D114_1433           "&Y"
#define D114_1              "确定"
#define D114_2              "取消"

/* Font of a watermark: printer font, style and size */
#define D115_CAPTION        "字体"
#define D115_1452           "字体(&F)"
#define D115_1455           "字形(&Y)"
#define D115_1458           "大小(&S)"
#define D115_1              "确定"
#define D115_2              "取消"

/* About: driver name and versions */
#define D117_CAPTION        "关于"
#define D117_1565           "驱动程序版本"
#define D117_1566           "PPD 版本"
#define D117_1              "确定"

/* Office Color Details: colour settings for office documents */
#define D118_CAPTION        "办公色彩详细设置"
#define D118_1200           "RGB 颜色设置"
#define D118_1282           "颜色设置(&C)"
#define D118_1267           "色彩调整工具设置"
#define D118_1260           "CMYK 油墨模拟(&S)"
#define D118_1253           "黑色效果(&B)"
#define D118_1254           "自动"
#define D118_1255           "复合黑 (CMYK)"
#define D118_1256           "纯黑 (K)"
#define D118_1              "确定"
#define D118_2              "取消"
#define D118_10000          "默认值"

/* Color Print Details: colour matching profiles and precision */
#define D119_CAPTION        "彩色打印详细设置"
#define D119_1656           "输入"
#define D119_1657           "RGB 配置文件(&R)"
#define D119_1681           "CMYK 输入配置文件(&C)"
#define D119_1682           "CMYK 链接配置文件(&L)"
#define D119_1690           "模拟目标配置文件(&S)"
#define D119_1659           "打印机输出配置文件"
#define D119_1661           "输出配置文件(&O)"
#define D119_1663           "渲染意图(&I)"
#define D119_1665           "颜色匹配精度(&M)"
#define D119_1669           "速度"
#define D119_1668           "质量"
#define D119_1              "确定"
#define D119_2              "取消"
#define D119_10000          "默认值"

/* Advanced colour options: halftones */
#define D200_CAPTION        "高级"
#define D200_1300           "高级颜色选项"
#define D200_1301           "始终使用打印机半色调(&A)"
#define D200_1305           "使用优化的灰度半色调(&G)"
#define D200_1              "确定"
#define D200_2              "取消"
#define D200_10000          "默认值(&D)"

/* ICC profile settings */
#define D201_CAPTION        "ICC 配置文件设置"
#define D201_1700           "ICC 配置文件"
#define D201_1701           "源配置文件(&S)"
#define D201_1703           "打印机配置文件(&P)"
#define D201_1705           "渲染意图(&I)"
#define D201_1              "确定"
#define D201_2              "取消"

/* JOB PIN: job name and PIN of a secure job */
#define D202_CAPTION        "作业 PIN"
#define D202_1004           "安全打印作业将保留在打印机中，直到您在打印机的控制面板上输入该作业的 PIN 码。"
#define D202_1005           "作业名称(&N):"
#define D202_1007           "每个打印作业都要求输入作业名称"
#define D202_1009           "PIN 码(&P):"
#define D202_1010           "(4 位数字)"
#define D202_1              "确定"
#define D202_2              "取消"

/* Define Overlays: one overlay's name, pages and forms */
#define D203_CAPTION        "定义叠加"
#define D203_1100           "叠加名称(&N):"
#define D203_1102           "打印页面(&P):"
#define D203_1104           "自定义页面(&C):"
#define D203_1106           "请输入页码和/或页面范围，以逗号分隔，例如：1,3,5-12"
#define D203_1107           "表单设置"
#define D203_1108           "表单名称(&M):"
#define D203_1110           "添加(&A)"
#define D203_1111           "重命名(&R)"
#define D203_1112           "已定义的表单(&F):"
#define D203_1114           "删除(&D)"
#define D203_1              "确定"
#define D203_2              "取消"

/* Advanced job options */
#define D204_CAPTION        "高级"
#define D204_1806           "作业假脱机(&J)"
#define D204_1804           "作业压缩(&C)"
#define D204_1807           "打印前执行维护程序(&R)"
#define D204_1808           "调整极细线条(&A)"
#define D204_10000          "默认值(&D)"
#define D204_1              "确定"
#define D204_2              "取消"

/* One-time notices; the check box text is shared by all four */
#define D300_6005           "下次仍显示此消息(&S)"
#define D300_CAPTION        "安全打印"
#define D300_6004           "安全打印作业将在打印机的硬盘中等待，直到您在打印机的控制面板上输入该作业的 PIN 码将其释放。"
#define D300_1              "确定"
#define D301_CAPTION        "警告:"
#define D301_6004           "此打印机为共享打印机。从其他计算机打印作业时无法询问作业名称，请改为在此处输入。"
#define D301_6005           D300_6005
#define D301_1              "确定"
#define D301_2              "取消"
#define D302_CAPTION        "叠加"
#define D302_6004           "叠加使用打印机中存储的表单进行打印。请确认此处指定的每个表单都存在于打印机中。"
#define D302_6005           D300_6005
#define D302_1              "确定"
#define D303_CAPTION        "水印"
#define D303_6004           "水印使用打印机字体打印。打印结果可能与预览略有不同。"
#define D303_6005           D300_6005
#define D303_1              "确定"
