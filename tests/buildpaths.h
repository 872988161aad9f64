// Where this build put the programs and files that the tests run and read. The build writes
// the values into a source of its own (buildpaths.cpp in the build directory), so that no other
// test source changes with the folder a checkout lies in: the compiler cache then serves them
// to a clone in another folder as well.
#pragma once

namespace built {

extern const char* const kResourceDir;       // the folder of ksredfr120.rcc
extern const char* const kResourceLibrary;   // ksredfr120.rcc itself
extern const char* const kDataDir;           // the data directory: the sample library and more
extern const char* const kBuildDir;          // the top of the build tree
extern const char* const kTool;              // vimble-tool
extern const char* const kEditor;            // vimble
extern const char* const kPlay;              // vimble-play
extern const char* const kLibgen;            // the sample library's generator
extern const char* const kRcc;               // Qt's resource compiler
extern const char* const kCMake;             // cmake, for the installation
extern const char* const kCrashChild;        // the child the kill tests kill
extern const char* const kKeeperChild;       // the editor the keeper's kill test kills
extern const char* const kPlatformTestsDir;  // the folder of platform_tests
extern const char* const kFuzzSourceDir;     // tests/fuzz in the source tree
extern const char* const kParseMessageScript; // the mail tests' readers of messages
extern const char* const kParsePreviewScript;
extern const char* const kParseTextsScript;

} // namespace built
