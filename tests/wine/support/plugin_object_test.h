// The base of the tests that call one plug-in object, made through the
// library's class factory as the driver makes it; released after the test
// unless the test released it itself (and set `plugin` to null).
#pragma once
#include "support/wine_test_support.h"

#include <gtest/gtest.h>

class PluginObjectTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    PluginLibrary library;
    IPrintOemUI2 *plugin = nullptr;
};
