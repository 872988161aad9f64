// The mail password in the secret service: a private keyring on a private session bus (the
// test runs under with_keyring.sh), and the answers when no service is there.
#include "platform/secret.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace platform;

namespace {

bool HaveKeyring()
{
    return std::getenv("VIMBLE_TEST_KEYRING") != nullptr;
}

// Takes the session bus away for a while, as on a machine without a desktop session.
class CNoBus {
public:
    CNoBus()
    {
        Keep("DBUS_SESSION_BUS_ADDRESS", m_strBus, m_bBus);
        Keep("XDG_RUNTIME_DIR", m_strRuntime, m_bRuntime);
        ::setenv("XDG_RUNTIME_DIR", "/nonexistent-runtime", 1);
    }
    ~CNoBus()
    {
        Restore("DBUS_SESSION_BUS_ADDRESS", m_strBus, m_bBus);
        Restore("XDG_RUNTIME_DIR", m_strRuntime, m_bRuntime);
    }

private:
    static void Keep(const char* name, std::string& value, bool& had)
    {
        const char* now = std::getenv(name);
        had = now != nullptr;
        value = had ? now : "";
        ::unsetenv(name);
    }
    static void Restore(const char* name, const std::string& value, bool had)
    {
        if (had)
            ::setenv(name, value.c_str(), 1);
        else
            ::unsetenv(name);
    }
    std::string m_strBus, m_strRuntime;
    bool m_bBus = false, m_bRuntime = false;
};

TEST(SecretTest, WithoutABusThereIsNoServiceAndNothingIsFound)
{
    CNoBus noBus;
    EXPECT_FALSE(SecretServiceAvailable());
    std::string password = "left over";
    std::string reason;
    EXPECT_EQ(LookupMailPassword("mail.example", "anna", password, reason), SecretResult::noService);
    EXPECT_TRUE(password.empty());
    EXPECT_NE(reason.find("no session bus"), std::string::npos);
    EXPECT_EQ(StoreMailPassword("mail.example", "anna", "pw", reason), SecretResult::noService);
    EXPECT_EQ(ClearMailPassword("mail.example", "anna", reason), SecretResult::noService);
}

TEST(SecretTest, APasswordIsKeptPerUserAndServerAndCanBeReplacedAndRemoved)
{
    if (!HaveKeyring())
        GTEST_SKIP() << "runs under with_keyring.sh only";
    ASSERT_TRUE(SecretServiceAvailable());
    std::string reason;
    std::string password;
    EXPECT_EQ(LookupMailPassword("smtp.example", "anna", password, reason), SecretResult::notFound)
        << reason;

    ASSERT_EQ(StoreMailPassword("smtp.example", "anna", "first secret", reason), SecretResult::found)
        << reason;
    ASSERT_EQ(StoreMailPassword("smtp.example", "bert", "bert's", reason), SecretResult::found);
    ASSERT_EQ(StoreMailPassword("other.example", "anna", "elsewhere", reason), SecretResult::found);
    EXPECT_EQ(LookupMailPassword("smtp.example", "anna", password, reason), SecretResult::found);
    EXPECT_EQ(password, "first secret");
    EXPECT_EQ(LookupMailPassword("smtp.example", "bert", password, reason), SecretResult::found);
    EXPECT_EQ(password, "bert's");
    EXPECT_EQ(LookupMailPassword("other.example", "anna", password, reason), SecretResult::found);
    EXPECT_EQ(password, "elsewhere");

    // Storing again replaces: one password per user and server.
    ASSERT_EQ(StoreMailPassword("smtp.example", "anna", "second \xe9", reason), SecretResult::found);
    EXPECT_EQ(LookupMailPassword("smtp.example", "anna", password, reason), SecretResult::found);
    EXPECT_EQ(password, "second \xe9");

    EXPECT_EQ(ClearMailPassword("smtp.example", "anna", reason), SecretResult::found);
    EXPECT_EQ(ClearMailPassword("smtp.example", "anna", reason), SecretResult::notFound);
    EXPECT_EQ(LookupMailPassword("smtp.example", "anna", password, reason), SecretResult::notFound);
    EXPECT_TRUE(password.empty());
    EXPECT_EQ(LookupMailPassword("smtp.example", "bert", password, reason), SecretResult::found);
}

TEST(SecretTest, WipingEmptiesTheText)
{
    std::string secret = "hunter2";
    WipeSecret(secret);
    EXPECT_TRUE(secret.empty());
}

} // namespace
