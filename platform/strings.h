// The program's display strings, by number. The resource library supplies them; until one is
// installed, and for any number it lacks, the text is empty.
#pragma once

#include <string>

namespace platform {

class IStringTable {
public:
    virtual ~IStringTable() = default;
    // The text of the string, or empty when the table has none by that number.
    virtual std::string Get(int nId) const = 0;
};

// Installs the table for this process and returns the previous one (nullptr: none). The caller
// keeps ownership and uninstalls the table before destroying it.
IStringTable* SetStringTable(IStringTable* table);

// The string of that number, cut to at most 254 characters; empty when
// missing. Looked up afresh every time.
std::string LoadResString(int nId);

} // namespace platform
