// The player bundle: a self-playing program made of the player, optionally the player's data,
// and a project, joined into one file that ends in a fixed 34-byte trailer:
//   +0  L1, L2, L3      three 32-bit little-endian lengths of the pieces, in file order
//   +12 name            the project's name, its first 8 bytes, zero bytes after a shorter one
//   +20 name length     its full length (32-bit little-endian; may exceed 8)
//   +24 tag             "VELMORANT" and a zero byte when the second piece is the player's data
//                       and the third the project; "KADRILOTE" and a zero byte when the second
//                       piece is the project and there is no third (L3 = 0)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t kBundleTrailerSize = 34;
constexpr char kBundleTagWithData[] = "VELMORANT";
constexpr char kBundleTagWithoutData[] = "KADRILOTE";

// The first argument of BuildBundle.
enum BundleLayout { bundleThreePieces = 0, bundleTwoPieces = 1 };

// Writes the pieces and the trailer to output, which is created or truncated; the trailer's
// name comes from the output path (the AsciiTransliteration of its BundleProjectName, since
// the field holds single bytes). With bundleTwoPieces the third path is
// not used. Copies in blocks, so memory use does not depend on the pieces' sizes.
// Returns true when the whole bundle was written. A failure has been shown, step by step
// ("Error 24: the player program cannot be copied into the player bundle" when the first piece
// cannot be appended, and so on up to 32, after "PATH: Error! File Not Found" when a file is
// missing), and leaves output incomplete.
bool BuildBundle(int nLayout, const std::string& first, const std::string& second,
    const std::string& third, const std::string& output);

// The name a bundle written to path carries: path without its last four characters (the dot
// and a three-letter extension) and without its folders.
std::string BundleProjectName(const std::string& path);

// The base name the attachment's file takes on the disk and for the mail readers that know
// only ASCII, made from the project's name (as BundleProjectName takes it from projectPath, in
// UTF-8) so that every reader reads it whole: only ASCII letters, digits, "-" and "_". Other
// letters take their AsciiTransliteration ("Été" is "Ete", "Straße" is "Strasse", Cyrillic and
// Greek take their Latin spelling); every run of other characters (blanks, punctuation, emoji)
// becomes one "_", and such a "_" at either end is dropped. At most 64 bytes; "greeting" when
// nothing is left.
std::string AttachmentStem(const std::string& projectPath);
// The same name in the person's own script, for the readers of RFC 2231 file names: ASCII as
// AttachmentStem has it, and besides it letters, marks and digits of every script and emoji
// (with their joiners and skin tones); every run of other characters becomes one "_". At most
// 64 characters and 180 bytes, never cut inside a character; AttachmentStem(projectPath) when
// nothing is left. For a name of ASCII it is AttachmentStem(projectPath).
std::string AttachmentName(const std::string& projectPath);

// How large the bundle of a project file will be: the data directory's "play.exe", with
// bWithData its "play.dat", the project and the trailer (a missing piece counts nothing).
int64_t BundleBytes(const std::string& projectPath, const std::string& dataDir, bool bWithData);

struct CBundleTrailer {
    uint32_t m_nLength[3] = { 0, 0, 0 };
    std::string m_strName; // the stored name bytes, without the zero bytes after a short name
    uint32_t m_nNameLength = 0;
    bool m_bWithData = false; // "VELMORANT": the second piece is the player's data
};

// Reads a bundle's trailer the way the player does, from the end of the file. False when the
// file is shorter than a trailer, its tag is neither of the two, the lengths do not add up to
// the file's length, or a two-piece bundle claims a third piece.
bool ReadBundleTrailer(const std::string& path, CBundleTrailer& trailer);
