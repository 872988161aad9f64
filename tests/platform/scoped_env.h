// An environment variable set for a scope, for tests.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

// Sets an environment variable for the scope, then puts back what was there. TZ takes effect
// at once, both ways.
class CScopedEnv {
public:
    CScopedEnv(const char* name, const std::string& value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        ::setenv(name, value.c_str(), 1);
        if (m_name == "TZ")
            ::tzset();
    }
    ~CScopedEnv()
    {
        if (m_old)
            ::setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
        if (m_name == "TZ")
            ::tzset();
    }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};
