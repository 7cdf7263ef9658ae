/* Dialog templates and their control ids. Shared by the resource scripts and
 * the dialog procedures; every language's template carries the same ids. */
#pragma once

#define IDC_ANY_STATIC                  -1

/* Templates */
#define IDD_OVERLAYS                    109
#define IDD_COLOR_PAGE                  111
#define IDD_WATERMARKS                  112
#define IDD_JOB_OPTIONS_PAGE            113
#define IDD_WATERMARK_EDITOR            114
#define IDD_WATERMARK_FONT              115
#define IDD_ABOUT                       117
#define IDD_OFFICE_COLOR_DETAILS        118
#define IDD_COLOR_PRINT_DETAILS         119
#define IDD_COLOR_ADVANCED              200
#define IDD_ICC_PROFILE_SETTINGS        201
#define IDD_JOB_PIN                     202
#define IDD_DEFINE_OVERLAYS             203
#define IDD_JOB_ADVANCED                204
#define IDD_SECURE_JOB_NOTICE           300
#define IDD_SHARED_PRINTER_WARNING      301
#define IDD_OVERLAY_NOTICE              302
#define IDD_WATERMARK_NOTICE            303
#define IDD_PRINT_POSITION              122
#define IDD_PRINT_POSITION_PAGE         1901
#define IDD_SPECIAL_TONER_WHITE         4001
#define IDD_SPECIAL_TONER_CLEAR         4002

/* Buttons every page or dialog may carry */
#define IDC_DEFAULT                     10000
#define IDC_BANNER                      10001

/* JOB PIN (202) */
#define IDC_PIN_INTRO                   1004
#define IDC_JOB_NAME_LABEL              1005
#define IDC_JOB_NAME                    1006
#define IDC_ASK_JOB_NAME                1007
#define IDC_JOB_PIN                     1008
#define IDC_JOB_PIN_LABEL               1009
#define IDC_JOB_PIN_HINT                1010

/* Overlays (109) */
#define IDC_OVERLAY_MODE                1050
#define IDC_ACTIVE_OVERLAYS_LABEL       1051
#define IDC_ACTIVE_OVERLAYS             1052
#define IDC_ACTIVE_OVERLAYS_MAX         1053
#define IDC_ADD_ACTIVE_OVERLAY          1054
#define IDC_REMOVE_ACTIVE_OVERLAY       1055
#define IDC_DEFINED_OVERLAYS_LABEL      1056
#define IDC_DEFINED_OVERLAYS            1057
#define IDC_DEFINED_OVERLAYS_MAX        1058
#define IDC_NEW_OVERLAY                 1059
#define IDC_EDIT_OVERLAY                1060
#define IDC_DELETE_OVERLAY              1061

/* Define Overlays (203) */
#define IDC_OVERLAY_NAME_LABEL          1100
#define IDC_OVERLAY_NAME                1101
#define IDC_PAGE_MODE_LABEL             1102
#define IDC_PAGE_MODE                   1103
#define IDC_CUSTOM_PAGES_LABEL          1104
#define IDC_CUSTOM_PAGES                1105
#define IDC_CUSTOM_PAGES_HINT           1106
#define IDC_FORM_GROUP                  1107
#define IDC_FORM_NAME_LABEL             1108
#define IDC_FORM_NAME                   1109
#define IDC_ADD_FORM                    1110
#define IDC_RENAME_FORM                 1111
#define IDC_DEFINED_FORMS_LABEL         1112
#define IDC_DEFINED_FORMS               1113
#define IDC_DELETE_FORM                 1114

/* Office Color Details (118) */
#define IDC_RGB_GROUP                   1200
#define IDC_INK_SIMULATION              1211
#define IDC_OFFICE_PICTURE              1214
#define IDC_BLACK_FINISH_GROUP          1253
#define IDC_BLACK_FINISH_AUTO           1254
#define IDC_BLACK_FINISH_COMPOSITE      1255
#define IDC_BLACK_FINISH_TRUE           1256
#define IDC_INK_SIMULATION_GROUP        1260
#define IDC_RENDER_STYLE                1266
#define IDC_USE_TUNER_SETTING           1267
#define IDC_TUNER_SETTING               1268
#define IDC_RENDER_STYLE_LABEL          1282

/* Color Advanced (200) */
#define IDC_COLOR_ADVANCED_GROUP        1300
#define IDC_ALWAYS_PRINTER_HALFTONE     1301
#define IDC_GRAY_HALFTONES              1305

/* Watermarks (112), editor (114) and font (115) */
#define IDC_WATERMARK_TEXT_GROUP        1400
#define IDC_WATERMARK_LIST              1401
#define IDC_DELETE_WATERMARK            1402
#define IDC_NEW_WATERMARK               1403
#define IDC_EDIT_WATERMARK              1404
#define IDC_WATERMARK_TEXT              1411
#define IDC_WATERMARK_SIZE_LABEL        1412
#define IDC_WATERMARK_SIZE              1413
#define IDC_WATERMARK_SIZE_BAR          1414
#define IDC_WATERMARK_ANGLE_LABEL       1415
#define IDC_WATERMARK_ANGLE             1416
#define IDC_WATERMARK_ANGLE_BAR         1417
#define IDC_WATERMARK_FONT              1418
#define IDC_WATERMARK_COLOR             1419
#define IDC_WATERMARK_OFFSET_X_SPIN     1421
#define IDC_WATERMARK_OFFSET_Y_SPIN     1422
#define IDC_WATERMARK_POSITION_GROUP    1430
#define IDC_WATERMARK_OFFSET_X_LABEL    1431
#define IDC_WATERMARK_OFFSET_X          1432
#define IDC_WATERMARK_OFFSET_Y_LABEL    1433
#define IDC_WATERMARK_OFFSET_Y          1434
#define IDC_WATERMARK_PREVIEW           1436
#define IDC_WATERMARK_FIRST_PAGE        1437
#define IDC_WATERMARK_BORDER_GROUP      1438
#define IDC_WATERMARK_BORDER_NONE       1439
#define IDC_WATERMARK_BORDER_CIRCLE     1440
#define IDC_WATERMARK_BORDER_SINGLE     1441
#define IDC_WATERMARK_BORDER_DOUBLE     1442
#define IDC_WATERMARK_POSITION          1443
#define IDC_WATERMARK_ADJUSTMENT_LABEL  1444
#define IDC_WATERMARK_ANGLE_MIN_LABEL   1445
#define IDC_WATERMARK_ANGLE_ZERO_LABEL  1446
#define IDC_WATERMARK_ANGLE_MAX_LABEL   1447
#define IDC_WATERMARK_BACKGROUND        1448
#define IDC_FONT_LIST                   1450
#define IDC_FONT_NAME                   1451
#define IDC_FONT_LABEL                  1452
#define IDC_STYLE_LIST                  1453
#define IDC_STYLE_NAME                  1454
#define IDC_STYLE_LABEL                 1455
#define IDC_SIZE_LIST                   1456
#define IDC_SIZE_VALUE                  1457
#define IDC_SIZE_LABEL                  1458

/* Job Options page (113) */
#define IDC_QUALITY_GROUP               1500
#define IDC_QUALITY_PICTURE             1501
#define IDC_COPIES                      1514
#define IDC_COPIES_SPIN                 1515
#define IDC_COLLATE                     1518
#define IDC_SCALE_GROUP                 1530
#define IDC_SCALE                       1532
#define IDC_SCALE_SPIN                  1533
#define IDC_SCALE_RANGE                 1534
#define IDC_JOB_ADVANCED                1537
#define IDC_COPIES_GROUP                1542
#define IDC_QUALITY_HIGH                1545
#define IDC_QUALITY_FINE                1546
#define IDC_QUALITY_NORMAL              1547
#define IDC_IMAGE_SMOOTHING             1558
#define IDC_ABOUT                       1559
#define IDC_SPECIAL_GROUP               1800
#define IDC_MIRROR_PRINT                1801
#define IDC_MIRROR_ICON                 1803

/* About (117) */
#define IDC_ABOUT_GROUP                 1560
#define IDC_DRIVER_VERSION              1562
#define IDC_PPD_VERSION                 1563
#define IDC_PPD_NOTICE                  1564
#define IDC_DRIVER_VERSION_LABEL        1565
#define IDC_PPD_VERSION_LABEL           1566
#define IDC_ABOUT_PICTURE               1567
#define IDC_DRIVER_NAME                 1568

/* Color page (111) */
#define IDC_COLOR_PICTURE               1602
#define IDC_GRAY_PICTURE                1603
#define IDC_COLOR_PRINT                 1605
#define IDC_GRAY_PRINT                  1606
#define IDC_GAMMA_LIST                  1613
#define IDC_COLOR_DETAILS               1616
#define IDC_COLOR_MODE_GROUP            1617
#define IDC_CUSTOM_GAMMA                1618
#define IDC_PRINT_MODE_LABEL            1666
#define IDC_PRINT_MODE                  1667
#define IDC_COLOR_ADVANCED              1215
#define IDC_BLACK_FINISH_LABEL          4110
#define IDC_BLACK_FINISH                4111
#define IDC_CARTRIDGE_GROUP             4112
#define IDC_CARTRIDGE_WHITE             4113
#define IDC_CARTRIDGE_BLACK             4114

/* Color Print Details (119) */
#define IDC_INPUT_GROUP                 1656
#define IDC_RGB_PROFILE_LABEL           1657
#define IDC_RGB_PROFILE                 1658
#define IDC_OUTPUT_GROUP                1659
#define IDC_MATCH_PRECISION             1660
#define IDC_OUTPUT_PROFILE_LABEL        1661
#define IDC_OUTPUT_PROFILE              1662
#define IDC_RENDERING_INTENT_LABEL      1663
#define IDC_RENDERING_INTENT            1664
#define IDC_MATCH_PRECISION_GROUP       1665
#define IDC_PRECISION_QUALITY_LABEL     1668
#define IDC_PRECISION_SPEED_LABEL       1669
#define IDC_CMYK_INPUT_PROFILE          1680
#define IDC_USE_CMYK_INPUT_PROFILE      1681
#define IDC_USE_CMYK_LINK_PROFILE       1682
#define IDC_CMYK_LINK_PROFILE           1684
#define IDC_SIMULATION_LABEL            1690
#define IDC_SIMULATION_PROFILE          1691
#define IDC_RGB_PICTURE                 1695
#define IDC_CMYK_PICTURE                1696
#define IDC_LINK_PICTURE                1697
#define IDC_FLOW_PICTURE                1698

/* ICC Profile Settings (201) */
#define IDC_ICC_GROUP                   1700
#define IDC_ICC_SOURCE_LABEL            1701
#define IDC_ICC_SOURCE                  1702
#define IDC_ICC_PRINTER_LABEL           1703
#define IDC_ICC_PRINTER                 1704
#define IDC_ICC_INTENT_LABEL            1705
#define IDC_ICC_INTENT                  1706

/* Job Advanced (204) */
#define IDC_COMPRESSION_GROUP           1804
#define IDC_COMPRESSION                 1805
#define IDC_HDD_SPOOL                   1806
#define IDC_DRUM_CLEAN                  1807
#define IDC_HAIR_LINE                   1808

/* One-time notices (300 to 303) */
#define IDC_NOTICE_TEXT                 6004
#define IDC_NOTICE_AGAIN                6005
#define IDC_NOTICE_ICON                 6006

/* Print position adjustment (122) */
#define IDC_ADJUST_ENABLE               1902
#define IDC_ADJUST_MODE_GROUP           1903
#define IDC_ADJUST_SIMPLEX              1904
#define IDC_ADJUST_LONG_EDGE            1905
#define IDC_ADJUST_SHORT_EDGE           1906
#define IDC_ADJUST_SIMPLEX_TABS         1907
#define IDC_ADJUST_LONG_EDGE_TABS       1908
#define IDC_ADJUST_SHORT_EDGE_TABS      1909
#define IDC_ADJUST_TEST_PRINT           1936

/* Print position adjustment page (1901), one per page kind */
#define IDC_ADJUST_PAGE_FIRST           1910
#define IDC_ADJUST_SCALE_GROUP          1910
#define IDC_SCALE1_LABEL                1911
#define IDC_SCALE1                      1912
#define IDC_SCALE1_SPIN                 1913
#define IDC_SCALE1_UNIT                 1914
#define IDC_SCALE2_LABEL                1915
#define IDC_SCALE2                      1916
#define IDC_SCALE2_SPIN                 1917
#define IDC_SCALE2_UNIT                 1918
#define IDC_SCALE_PICTURE               1919
#define IDC_SHIFT_GROUP                 1920
#define IDC_SHIFT1_LABEL                1921
#define IDC_SHIFT1                      1922
#define IDC_SHIFT1_SPIN                 1923
#define IDC_SHIFT1_UNIT                 1924
#define IDC_SHIFT2_LABEL                1925
#define IDC_SHIFT2                      1926
#define IDC_SHIFT2_SPIN                 1927
#define IDC_SHIFT2_UNIT                 1928
#define IDC_SHIFT_PICTURE               1929
#define IDC_FINE_GROUP                  1930
#define IDC_FINE_LABEL                  1931
#define IDC_FINE_UNIT                   1932
#define IDC_FINE                        1933
#define IDC_FINE_SPIN                   1934
#define IDC_FINE_PICTURE                1935
#define IDC_ADJUST_PAGE_LAST            1935

/* Special toner details (4001 White, 4002 Clear) */
#define IDC_TONER_TITLE                 4004
#define IDC_COLOR_CONTROL_GROUP         4005
#define IDC_COLOR_CONTROL_FIRST         4006
#define IDC_COLOR_CONTROL_LAST          4011
#define IDC_COLOR_CONTROL_PICTURE_FIRST 4012
#define IDC_COLOR_CONTROL_PICTURE_LAST  4017
#define IDC_TONER_PAGE_PICTURE          4018
#define IDC_TONER_BASE_LAYER            4019
#define IDC_TONER_LAYER                 4020
#define IDC_ORDER_RESULT                4022
#define IDC_ORDER_GROUP                 4023
#define IDC_ORDER_TOP                   4024
#define IDC_ORDER_BOTTOM                4025
#define IDC_ORDER_TOP_PICTURE           4026
#define IDC_ORDER_BOTTOM_PICTURE        4027
#define IDC_CLEAR_OUTPUT_LABEL          4028
#define IDC_CLEAR_OUTPUT                4029
#define IDC_DENSITY_GROUP               4049
#define IDC_DENSITY_A_LABEL             4050
#define IDC_DENSITY_A                   4051
#define IDC_DENSITY_A_SPIN              4052
#define IDC_DENSITY_A_UNIT              4053
#define IDC_DENSITY_B_LABEL             4054
#define IDC_DENSITY_B                   4055
#define IDC_DENSITY_B_SPIN              4056
#define IDC_DENSITY_B_UNIT              4057
#define IDC_LEVEL_GROUP                 4100
#define IDC_LEVEL                       4101
#define IDC_LEVEL_UNIT                  4102
#define IDC_LEVEL_LOW_LABEL             4103
#define IDC_LEVEL_BAR                   4104
#define IDC_LEVEL_HIGH_LABEL            4105
#define IDC_ONE_PASS                    4106
