// A small writer of indented JSON, enough for the tool's dumps. Texts are UTF-8 and come out
// as they are, only the characters JSON gives meaning escaped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CJsonWriter {
public:
    void BeginObject(const char* key = nullptr);
    void EndObject();
    void BeginArray(const char* key = nullptr);
    void EndArray();
    void Int(const char* key, int64_t value);
    void Real(const char* key, float value);
    void Text(const char* key, const std::string& utf8);
    void Null(const char* key);
    void Ints(const char* key, std::initializer_list<int64_t> values);
    const std::string& Result() const { return m_out; }

private:
    void Key(const char* key);
    void Indent();

    std::string m_out;
    std::vector<bool> m_first; // per open container: nothing written in it yet
};
