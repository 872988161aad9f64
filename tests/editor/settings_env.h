// The folder under which this test run keeps its user ("home") and installed ("system")
// settings.
#pragma once

#include <string>

const std::string& SettingsRoot();
