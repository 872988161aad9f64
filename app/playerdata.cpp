#include "app/playerdata.h"

#include "platform/files.h"

#include <algorithm>
#include <cstring>

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
        return fail(std::string("the tag is not ") + kPlayerDataTag);
    if (bytes.size() < kHeaderSize)
        return fail("the header ends after " + std::to_string(bytes.size()) + " bytes");
    const uint32_t version = GetU32(bytes.data() + kPlayerDataTagSize);
    if (version != kPlayerDataVersion)
        return fail(
            "version " + std::to_string(version) + " is not " + std::to_string(kPlayerDataVersion));
    const uint32_t count = GetU32(bytes.data() + kPlayerDataTagSize + 4);
    size_t pos = kHeaderSize;
    // Every entry takes at least its two lengths: a count the bytes cannot hold is refused
    // before anything is kept.
    if (count > (bytes.size() - pos) / 8)
        return fail("the header claims " + std::to_string(count) + " entries, "
            + std::to_string(bytes.size() - pos) + " bytes remain");
    for (uint32_t i = 0; i < count; ++i) {
        const std::string which = "entry " + std::to_string(i + 1);
        auto remain = [&] { return bytes.size() - pos; };
        if (remain() < 4)
            return fail(which + ": its name length is cut off at byte " + std::to_string(pos));
        const uint32_t nameLength = GetU32(bytes.data() + pos);
        pos += 4;
        if (nameLength == 0 || nameLength > kPlayerDataMaxName)
            return fail(which + ": a name of " + std::to_string(nameLength) + " bytes");
        if (nameLength > remain())
            return fail(which + ": its name claims " + std::to_string(nameLength) + " bytes, "
                + std::to_string(remain()) + " remain");
        std::string name(reinterpret_cast<const char*>(bytes.data() + pos), nameLength);
        pos += nameLength;
        if (remain() < 4)
            return fail(which + " (" + name + "): its data length is cut off at byte "
                + std::to_string(pos));
        const uint32_t dataLength = GetU32(bytes.data() + pos);
        pos += 4;
        if (dataLength > remain())
            return fail(which + " (" + name + ") claims " + std::to_string(dataLength) + " bytes, "
                + std::to_string(remain()) + " remain");
        std::vector<uint8_t> content(bytes.begin() + pos, bytes.begin() + pos + dataLength);
        pos += dataLength;
        if (!data.Add(name, std::move(content)))
            return fail(which + ": the name \"" + name + "\" is not allowed or comes twice");
    }
    if (pos != bytes.size())
        return fail(std::to_string(bytes.size() - pos) + " bytes follow the last entry");
    return true;
}

bool ReadPlayerDataFile(const std::string& path, CPlayerData& data, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        data = CPlayerData();
        error = path + ": cannot be read";
        return false;
    }
    if (!LoadPlayerData(bytes, data, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool WritePlayerDataFile(const std::string& path, const CPlayerData& data, std::string& error)
{
    if (!platform::ReplaceFileContent(path, StorePlayerData(data))) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}
