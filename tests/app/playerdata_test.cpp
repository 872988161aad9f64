// "play.dat": what is written reads back the same, and a reader refuses anything that is not
// exactly such a container, saying why.
#include "app/playerdata.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> Header(uint32_t version, uint32_t count)
{
    std::vector<uint8_t> out
        = { 'V', 'I', 'M', 'B', 'L', 'E', 'P', 'L', 'A', 'Y', 'D', 'A', 'T', 0 };
    PutU32(out, version);
    PutU32(out, count);
    return out;
}

void PutEntry(std::vector<uint8_t>& out, const std::string& name, const std::string& data)
{
    PutU32(out, static_cast<uint32_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    PutU32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
}

CPlayerData Sample()
{
    std::mt19937 random(1234);
    CPlayerData data;
    std::vector<uint8_t> big(70000);
    for (uint8_t& byte : big)
        byte = static_cast<uint8_t>(random());
    EXPECT_TRUE(data.Add("soundfont/TimGM6mb.sf2", big));
    EXPECT_TRUE(data.Add("font/LiberationSans-Regular.ttf", { 1, 2, 3 }));
    EXPECT_TRUE(data.Add("font/Empty.ttf", {}));
    return data;
}

TEST(PlayerDataFormat, the_bytes_are_tag_version_count_and_entries_little_endian)
{
    CPlayerData data;
    ASSERT_TRUE(data.Add("font/a", { 0xAB, 0xCD }));
    std::vector<uint8_t> expected = Header(1, 1);
    PutEntry(expected, "font/a", "\xAB\xCD");
    EXPECT_EQ(StorePlayerData(data), expected);
}

TEST(PlayerDataFormat, what_is_stored_reads_back_entry_for_entry)
{
    const CPlayerData data = Sample();
    CPlayerData back;
    std::string error;
    ASSERT_TRUE(LoadPlayerData(StorePlayerData(data), back, error)) << error;
    ASSERT_EQ(back.m_entries.size(), data.m_entries.size());
    for (size_t i = 0; i < data.m_entries.size(); ++i) {
        EXPECT_EQ(back.m_entries[i].m_strName, data.m_entries[i].m_strName);
        EXPECT_EQ(back.m_entries[i].m_data, data.m_entries[i].m_data);
    }
    EXPECT_EQ(back.OfKind(kPlayerDataFont).size(), 2u);
    ASSERT_NE(back.Find("soundfont/TimGM6mb.sf2"), nullptr);
    EXPECT_EQ(back.Find("soundfont/TimGM6mb.sf2")->m_data.size(), 70000u);
    EXPECT_EQ(back.Find("font/none"), nullptr);
}

TEST(PlayerDataFormat, an_empty_container_is_a_header_alone)
{
    CPlayerData back;
    std::string error;
    EXPECT_TRUE(LoadPlayerData(Header(1, 0), back, error)) << error;
    EXPECT_TRUE(back.m_entries.empty());
}

TEST(PlayerDataFormat, the_file_round_trip_replaces_the_file_whole)
{
    const std::string dir = platform::MakeTempDirectory("playdattest");
    ASSERT_FALSE(dir.empty());
    const std::string path = dir + "/play.dat";
    std::string error;
    ASSERT_TRUE(WritePlayerDataFile(path, Sample(), error)) << error;
    CPlayerData back;
    ASSERT_TRUE(ReadPlayerDataFile(path, back, error)) << error;
    EXPECT_EQ(back.m_entries.size(), 3u);
    EXPECT_FALSE(ReadPlayerDataFile(dir + "/none.dat", back, error));
    EXPECT_NE(error.find("none.dat"), std::string::npos) << error;
    std::filesystem::remove_all(dir);
}

TEST(PlayerDataNames, bad_or_repeated_names_are_not_added)
{
    CPlayerData data;
    EXPECT_FALSE(data.Add("", { 1 }));
    EXPECT_FALSE(data.Add(std::string(256, 'a'), { 1 }));
    EXPECT_TRUE(data.Add(std::string(255, 'a'), { 1 }));
    EXPECT_FALSE(data.Add(std::string("a\0b", 3), { 1 }));
    EXPECT_TRUE(data.Add("font/x", { 1 }));
    EXPECT_FALSE(data.Add("font/x", { 2 }));
    EXPECT_EQ(data.m_entries.size(), 2u);
}

TEST(PlayerDataRefusals, every_truncation_is_refused_and_leaves_nothing)
{
    const std::vector<uint8_t> bytes = StorePlayerData(Sample());
    for (size_t size = 0; size < bytes.size(); size += size < 200 ? 1 : 997) {
        CPlayerData back;
        back.Add("font/left", { 1 });
        std::string error;
        EXPECT_FALSE(LoadPlayerData(std::span(bytes.data(), size), back, error)) << size;
        EXPECT_TRUE(back.m_entries.empty()) << size;
        EXPECT_FALSE(error.empty()) << size;
    }
    // The last byte matters too.
    CPlayerData back;
    std::string error;
    EXPECT_FALSE(LoadPlayerData(std::span(bytes.data(), bytes.size() - 1), back, error));
}

struct Refusal {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* reason; // a part of the error text
};

void PrintTo(const Refusal& refusal, std::ostream* os)
{
    *os << refusal.name;
}

class PlayerDataRefusal : public testing::TestWithParam<Refusal> { };

TEST_P(PlayerDataRefusal, is_refused_with_its_reason)
{
    CPlayerData back;
    std::string error;
    EXPECT_FALSE(LoadPlayerData(GetParam().bytes, back, error));
    EXPECT_TRUE(back.m_entries.empty());
    EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
}

std::vector<uint8_t> With(std::vector<uint8_t> head, const std::vector<uint8_t>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::vector<uint8_t> OneEntry(const std::string& name, const std::string& data)
{
    std::vector<uint8_t> out;
    PutEntry(out, name, data);
    return out;
}

std::vector<uint8_t> Lengths(uint32_t nameLength, const std::string& name, uint32_t dataLength)
{
    std::vector<uint8_t> out;
    PutU32(out, nameLength);
    out.insert(out.end(), name.begin(), name.end());
    PutU32(out, dataLength);
    return out;
}

std::vector<uint8_t> WrongTag()
{
    std::vector<uint8_t> bytes = With(Header(1, 1), OneEntry("font/a", "x"));
    bytes[0] = 'W';
    return bytes;
}

std::vector<uint8_t> MissingZero()
{
    std::vector<uint8_t> bytes = Header(1, 0);
    bytes[13] = '!';
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(Bytes, PlayerDataRefusal,
    testing::Values(Refusal { "empty", {}, "the tag is not VIMBLEPLAYDAT" },
        Refusal { "wrong_tag", WrongTag(), "the tag is not VIMBLEPLAYDAT" },
        Refusal { "tag_without_its_zero", MissingZero(), "the tag is not VIMBLEPLAYDAT" },
        Refusal { "version_2", With(Header(2, 1), OneEntry("font/a", "x")), "version 2 is not 1" },
        Refusal { "version_0", Header(0, 0), "version 0" },
        Refusal { "count_past_the_end",
            With(Header(1, 2), OneEntry("font/a", std::string(20, 'x'))),
            "entry 2: its name length is cut off" },
        Refusal { "count_the_bytes_cannot_hold", With(Header(1, 2), OneEntry("font/a", "x")),
            "the header claims 2 entries, 15 bytes remain" },
        Refusal { "huge_count", Header(1, 0xFFFFFFFFu), "claims 4294967295 entries" },
        Refusal { "name_past_the_end", With(Header(1, 1), Lengths(200, "font/a", 0)),
            "its name claims 200 bytes" },
        Refusal { "name_too_long", With(Header(1, 1), Lengths(256, std::string(256, 'a'), 0)),
            "a name of 256 bytes" },
        Refusal { "empty_name", With(Header(1, 1), Lengths(0, "", 0)), "a name of 0 bytes" },
        Refusal { "data_past_the_end", With(Header(1, 1), Lengths(6, "font/a", 5)),
            "entry 1 (font/a) claims 5 bytes, 0 remain" },
        Refusal { "huge_data", With(Header(1, 1), Lengths(6, "font/a", 0xFFFFFFF0u)),
            "claims 4294967280 bytes" },
        Refusal { "repeated_name",
            With(With(Header(1, 2), OneEntry("font/a", "x")), OneEntry("font/a", "y")),
            "comes twice" },
        Refusal { "bytes_after_the_last_entry",
            With(With(Header(1, 1), OneEntry("font/a", "x")), { 0 }),
            "1 bytes follow the last entry" }),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

} // namespace
