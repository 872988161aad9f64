// What the program asks of its resource library, by name and number: every window face,
// picture and button face the windows load, and every display string they show. The resource
// check of vimble-tool and the tests hold the library to this list.
#pragma once

#include <string>
#include <vector>

// The texts of the program's bitmap buttons; each needs the faces text + "U", "D", "F", "X".
const std::vector<std::string>& RequiredButtonTexts();
// The multi-face set buttons of the main toolbar ("mtb1" ... "mtb5").
const std::vector<std::string>& RequiredSetButtonTexts();
// Every bitmap name, buttons' faces included.
std::vector<std::string> RequiredBitmapNames();
// Every string number.
std::vector<int> RequiredStringIds();
