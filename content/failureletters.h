// The mail-failure letters that the translators keep as plain UTF-8 files beside the
// catalogues ("translations/failure.es.txt"), built into the library writer as they are.
#pragma once

namespace content {

// The letter of a language by its code ("es"), UTF-8; nullptr where no such file is built in.
const char* BuiltInFailureLetter(const char* szCode);

} // namespace content
