# Test programs built by the cross build and run under Wine, one ctest
# entry per program.
set(WINE_TESTS
    plugin_tests
    devmode_tests
    crypto_tests
    host_tests
    driver_ui_tests
    dialog_tests
    optiontree_tests
    joboptions_tests
    joboptions_xp_tests
    sheet_soak_tests
    resource_tests
    color_tests
    ppd_sample_tests
    watermark_tests
    printer_tests
    docevent_tests
    position_tests
    package_tests
    hardening_tests
    lint_tests
)
