#include "app/playerdata.h"

#include "platform/files.h"
#include "platform/translate.h"

#include <algorithm>
#include <cstring>

// A name in the reasons is the data's own bytes.
using platform::Fill;
using platform::Tr;

namespace {

// Tag, version and count.
constexpr size_t kHeaderSize = kPlayerDataTagSize + 8;

void PutU32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t GetU32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool NameIsValid(const std::string& name)
{
    return !name.empty() && name.size() <= kPlayerDataMaxName
        && name.find('\0') == std::string::npos;
}

} // namespace

bool CPlayerData::Add(const std::string& name, std::vector<uint8_t> data)
{
    if (!NameIsValid(name) || Find(name) != nullptr || data.size() > UINT32_MAX)
        return false;
    m_entries.push_back({ name, std::move(data) });
    return true;
}

const CPlayerDataEntry* CPlayerData::Find(const std::string& name) const
{
    for (const CPlayerDataEntry& entry : m_entries)
        if (entry.m_strName == name)
            return &entry;
    return nullptr;
}

std::vector<const CPlayerDataEntry*> CPlayerData::OfKind(const std::string& kind) const
{
    std::vector<const CPlayerDataEntry*> found;
    for (const CPlayerDataEntry& entry : m_entries)
        if (entry.m_strName.compare(0, kind.size(), kind) == 0)
            found.push_back(&entry);
    return found;
}

std::vector<uint8_t> StorePlayerData(const CPlayerData& data)
{
    std::vector<uint8_t> out(kPlayerDataTag, kPlayerDataTag + kPlayerDataTagSize);
    PutU32(out, kPlayerDataVersion);
    PutU32(out, static_cast<uint32_t>(data.m_entries.size()));
    for (const CPlayerDataEntry& entry : data.m_entries) {
        PutU32(out, static_cast<uint32_t>(entry.m_strName.size()));
        out.insert(out.end(), entry.m_strName.begin(), entry.m_strName.end());
        PutU32(out, static_cast<uint32_t>(entry.m_data.size()));
        out.insert(out.end(), entry.m_data.begin(), entry.m_data.end());
    }
    return out;
}

bool LoadPlayerData(std::span<const uint8_t> bytes, CPlayerData& data, std::string& error)
{
    data = CPlayerData();
    auto fail = [&](std::string reason) {
        data = CPlayerData();
        error = std::move(reason);
        return false;
    };
    if (bytes.size() < kPlayerDataTagSize
        || std::memcmp(bytes.data(), kPlayerDataTag, kPlayerDataTagSize) != 0)
        return fail(Fill(Tr("Player", "the tag is not %1"), {kPlayerDataTag}));
    if (bytes.size() < kHeaderSize)
        return fail(Fill(Tr("Player", "the header ends after %1 bytes"),
            {std::to_string(bytes.size())}));
    const uint32_t version = GetU32(bytes.data() + kPlayerDataTagSize);
    if (version != kPlayerDataVersion)
        return fail(Fill(Tr("Player", "version %1 is not %2"),
            {std::to_string(version), std::to_string(kPlayerDataVersion)}));
    const uint32_t count = GetU32(bytes.data() + kPlayerDataTagSize + 4);
    size_t pos = kHeaderSize;
    // Every entry takes at least its two lengths: a count the bytes cannot hold is refused
    // before anything is kept.
    if (count > (bytes.size() - pos) / 8)
        return fail(Fill(Tr("Player", "the header claims %1 entries, %2 bytes remain"),
            {std::to_string(count), std::to_string(bytes.size() - pos)}));
    for (uint32_t i = 0; i < count; ++i) {
        const std::string which = std::to_string(i + 1);
        auto remain = [&] { return std::to_string(bytes.size() - pos); };
        if (bytes.size() - pos < 4)
            return fail(Fill(Tr("Player", "entry %1: its name length is cut off at byte %2"),
                {which, std::to_string(pos)}));
        const uint32_t nameLength = GetU32(bytes.data() + pos);
        pos += 4;
        if (nameLength == 0 || nameLength > kPlayerDataMaxName)
            return fail(Fill(Tr("Player", "entry %1: a name of %2 bytes"),
                {which, std::to_string(nameLength)}));
        if (nameLength > bytes.size() - pos)
            return fail(Fill(Tr("Player", "entry %1: its name claims %2 bytes, %3 remain"),
                {which, std::to_string(nameLength), remain()}));
        std::string name(reinterpret_cast<const char*>(bytes.data() + pos), nameLength);
        pos += nameLength;
        if (bytes.size() - pos < 4)
            return fail(Fill(Tr("Player", "entry %1 (%2): its data length is cut off at byte %3"),
                {which, name, std::to_string(pos)}));
        const uint32_t dataLength = GetU32(bytes.data() + pos);
        pos += 4;
        if (dataLength > bytes.size() - pos)
            return fail(Fill(Tr("Player", "entry %1 (%2) claims %3 bytes, %4 remain"),
                {which, name, std::to_string(dataLength), remain()}));
        std::vector<uint8_t> content(bytes.begin() + pos, bytes.begin() + pos + dataLength);
        pos += dataLength;
        if (!data.Add(name, std::move(content)))
            return fail(Fill(
                Tr("Player", "entry %1: the name \"%2\" is not allowed or comes twice"),
                {which, name}));
    }
    if (pos != bytes.size())
        return fail(Fill(Tr("Player", "%1 bytes follow the last entry"),
            {std::to_string(bytes.size() - pos)}));
    return true;
}

bool ReadPlayerDataFile(const std::string& path, CPlayerData& data, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        data = CPlayerData();
        error = Fill(Tr("Player", "%1: cannot be read"), {path});
        return false;
    }
    if (!LoadPlayerData(bytes, data, error)) {
        error = Fill(Tr("Player", "%1: %2"), {path, error});
        return false;
    }
    return true;
}

bool WritePlayerDataFile(const std::string& path, const CPlayerData& data, std::string& error)
{
    if (!platform::ReplaceFileContent(path, StorePlayerData(data))) {
        error = Fill(Tr("Player", "%1: cannot be written"), {path});
        return false;
    }
    return true;
}
