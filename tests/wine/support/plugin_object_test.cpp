#include "support/plugin_object_test.h"

void PluginObjectTest::SetUp() {
    ASSERT_NE(library.Module(), nullptr);
    plugin = library.CreatePlugin();
    ASSERT_NE(plugin, nullptr);
}

void PluginObjectTest::TearDown() {
    if (plugin) plugin->Release();
    plugin = nullptr;
}
