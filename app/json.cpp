#include "app/json.h"

#include "platform/text.h"

#include <cmath>
#include <cstdio>

void CJsonWriter::Indent()
{
    m_out.append(m_first.size() * 2, ' ');
}

void CJsonWriter::Key(const char* key)
{
    if (!m_first.empty()) {
        if (!m_first.back())
            m_out += ',';
        m_first.back() = false;
        m_out += '\n';
        Indent();
    }
    if (key != nullptr) {
        m_out += '"';
        m_out += key;
        m_out += "\": ";
    }
}

void CJsonWriter::BeginObject(const char* key)
{
    Key(key);
    m_out += '{';
    m_first.push_back(true);
}

void CJsonWriter::EndObject()
{
    bool empty = m_first.back();
    m_first.pop_back();
    if (!empty) {
        m_out += '\n';
        Indent();
    }
    m_out += '}';
    if (m_first.empty())
        m_out += '\n';
}

void CJsonWriter::BeginArray(const char* key)
{
    Key(key);
    m_out += '[';
    m_first.push_back(true);
}

void CJsonWriter::EndArray()
{
    bool empty = m_first.back();
    m_first.pop_back();
    if (!empty) {
        m_out += '\n';
        Indent();
    }
    m_out += ']';
}

void CJsonWriter::Int(const char* key, int64_t value)
{
    Key(key);
    m_out += std::to_string(value);
}

void CJsonWriter::Real(const char* key, float value)
{
    Key(key);
    if (!std::isfinite(value)) {
        m_out += "null";
        return;
    }
    // Nine significant digits give the single-precision value back exactly.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    m_out += buffer;
}

void CJsonWriter::Null(const char* key)
{
    Key(key);
    m_out += "null";
}

void CJsonWriter::Ints(const char* key, std::initializer_list<int64_t> values)
{
    Key(key);
    m_out += '[';
    bool first = true;
    for (int64_t v : values) {
        if (!first)
            m_out += ", ";
        first = false;
        m_out += std::to_string(v);
    }
    m_out += ']';
}

void CJsonWriter::Text(const char* key, const std::string& utf8)
{
    Key(key);
    m_out += '"';
    for (char c : utf8) {
        switch (c) {
        case '"': m_out += "\\\""; break;
        case '\\': m_out += "\\\\"; break;
        case '\n': m_out += "\\n"; break;
        case '\r': m_out += "\\r"; break;
        case '\t': m_out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                m_out += buffer;
            } else {
                m_out += c;
            }
        }
    }
    m_out += '"';
}
