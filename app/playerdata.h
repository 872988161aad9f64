// "play.dat": what the stand-alone player carries along so that a greeting sounds and looks on
// the recipient's machine as it did in the editor: the General MIDI SoundFont and the fonts that
// stand for "Arial" and "Times New Roman". All integers are 32-bit unsigned little-endian:
//   +0   tag          "VIMBLEPLAYDAT" and a zero byte (14 bytes)
//   +14  version      kPlayerDataVersion
//   +18  count        the number of entries
//   +22  entries      each: name length, name (bytes, no zero byte), data length, data
// Names are kind and file name: "soundfont/TimGM6mb.sf2", "font/LiberationSans-Regular.ttf".
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr char kPlayerDataTag[] = "VIMBLEPLAYDAT"; // stored with its zero byte
constexpr size_t kPlayerDataTagSize = sizeof kPlayerDataTag;
constexpr uint32_t kPlayerDataVersion = 1;
// The longest entry name a reader accepts.
constexpr uint32_t kPlayerDataMaxName = 255;

// The kinds of entry, as the first part of a name.
constexpr char kPlayerDataSoundFont[] = "soundfont/";
constexpr char kPlayerDataFont[] = "font/";

struct CPlayerDataEntry {
    std::string m_strName;
    std::vector<uint8_t> m_data;
};

class CPlayerData {
public:
    // Adds an entry at the end. False (nothing added) for a name that is empty, longer than
    // kPlayerDataMaxName, holds a zero byte, or is there already, or for data of 4 GB or more.
    bool Add(const std::string& name, std::vector<uint8_t> data);
    // The entry of that name, or none.
    const CPlayerDataEntry* Find(const std::string& name) const;
    // The entries whose names start with the kind ("font/"), in file order.
    std::vector<const CPlayerDataEntry*> OfKind(const std::string& kind) const;

    std::vector<CPlayerDataEntry> m_entries;
};

// The container's bytes.
std::vector<uint8_t> StorePlayerData(const CPlayerData& data);
// Reads the container from bytes. False, with the reason in error (for example "the tag is not
// VIMBLEPLAYDAT", "entry 3 claims 6000000 bytes, 12 remain"), for a wrong tag or version, a
// length past the end, a bad or repeated name, or bytes after the last entry; data is then
// empty.
bool LoadPlayerData(std::span<const uint8_t> bytes, CPlayerData& data, std::string& error);

// The same through a file. A file that cannot be opened, read or written is a failure with a
// reason naming it.
bool ReadPlayerDataFile(const std::string& path, CPlayerData& data, std::string& error);
bool WritePlayerDataFile(const std::string& path, const CPlayerData& data, std::string& error);
