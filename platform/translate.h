// The core's own texts in the program's language. A call names the context and the English
// text; lupdate finds it (it reads Tr as Qt's translate, so a file calls it unqualified,
// after "using platform::Tr"). The result is UTF-8, like every text of the
// program. Without a catalogue for the language (English, or a text the catalogue lacks) the
// English text is the result. Safe to call from any thread.
#pragma once

#include <initializer_list>
#include <string>

namespace platform {

std::string Tr(const char* context, const char* english);

// Puts the pieces (names, numbers, a server's own reply) into a text's
// %1 ... %9 in one pass, so a piece that holds "%1" itself stays as it is. A number without a
// piece stays as it is.
std::string Fill(const std::string& text, std::initializer_list<std::string> pieces);

} // namespace platform
