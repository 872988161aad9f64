// What the programs of this folder print or put in a box is UTF-8, while the core's texts and
// their translations (platform::Tr) are bytes in the Windows-1252 code page.
#pragma once

#include "platform/text.h"

#include <string>

// A translated text as these programs print it: Utf8(Tr("Tool", "...")).
inline std::string Utf8(const std::string& codePageText)
{
    return platform::Utf8FromCp1252(codePageText);
}
