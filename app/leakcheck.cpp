// What the leak checker of a sanitizer build is told about the programs (the editor, the tool,
// the player): they end with Qt's font cache still held, the font engines with FreeType's and
// HarfBuzz's buffers, since the secret service's libraries are linked in. That memory is
// reachable only through Qt's per-thread data, which the programs' ends do not clear, and its
// stacks stop inside Qt, so only the libraries can name it. The test programs and the
// fuzzers, which draw text in-process, are checked without these.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt6Gui.so\n"
           "leak:libfreetype.so\n"
           "leak:libharfbuzz.so\n"
           "leak:libfontconfig.so\n";
}
