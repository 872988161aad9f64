#include "mail/message.h"

#include <cstdio>

namespace {

constexpr size_t kDataBlock = 8192;

std::string TwoDigits(int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(value));
    return text;
}

} // namespace

std::string MailDateRow(const std::tm& local, long utcOffsetSeconds)
{
    static const char* const days[] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    static const char* const months[]
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    const char* day = local.tm_wday >= 0 && local.tm_wday < 7 ? days[local.tm_wday] : "Sun";
    const char* month = local.tm_mon >= 0 && local.tm_mon < 12 ? months[local.tm_mon] : "Jan";
    const char sign = utcOffsetSeconds < 0 ? '-' : '+';
    const long offsetMinutes = (utcOffsetSeconds < 0 ? -utcOffsetSeconds : utcOffsetSeconds) / 60;
    char text[96];
    std::snprintf(text, sizeof text, "Date: %s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld\r\n", day,
        local.tm_mday, month, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec, sign,
        offsetMinutes / 60 % 100, offsetMinutes % 60);
    return text;
}

std::string MailDateRow(std::time_t time)
{
    std::tm local {};
    localtime_r(&time, &local);
    return MailDateRow(local, local.tm_gmtoff);
}

std::string SingleLine(const std::string& text)
{
    std::string line = text;
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

std::string WithCrLf(const std::string& text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            result += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            result += "\r\n";
        } else {
            result.push_back(c);
        }
    }
    return result;
}

std::string MailHeaderRows(
    const std::string& to, const std::string& from, std::time_t start, const std::string& subject)
{
    std::string rows;
    rows += "To:" + SingleLine(to) + "\r\n";
    rows += "From:" + SingleLine(from) + "\r\n";
    rows += MailDateRow(start);
    rows += "MESSAGE_ID: <3AB45D459C44CC34A>\r\n";
    rows += "Subject:" + SingleLine(subject) + "\r\n";
    rows += "MIME-Version: 1.0\r\n";
    rows += "Content-Type: multipart/mixed; boundary=\"";
    rows += kMailBoundary;
    rows += "\"\r\n";
    rows += "\r\n";
    return rows;
}

std::string MailTextRows(const std::string& text)
{
    std::string rows;
    rows += "This is a multi-part message in MIME format.And your mail-reader doesn't understand "
            "MIME.\r\n";
    rows += std::string("--") + kMailBoundary + "\r\n";
    rows += "Content-Type: text/plain; charset=us-ascii\r\n";
    rows += "Content-Transfer-Encoding: 7bit\r\n";
    rows += "\r\n";
    rows += WithCrLf(text) + "\r\n";
    rows += "\r\n";
    rows += std::string("--") + kMailBoundary + "\r\n";
    return rows;
}

std::string MailClosingRows()
{
    return std::string("\r\n--") + kMailBoundary + "--\r\n";
}

std::vector<std::string> SplitRecipients(const std::string& to)
{
    std::vector<std::string> addresses;
    std::string current;
    for (char c : to) {
        if (c == ',' || c == ';' || c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!current.empty())
                addresses.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty())
        addresses.push_back(current);
    return addresses;
}

std::string FormatTimeSpan(const std::string& strTemplate, int64_t seconds)
{
    if (seconds < 0)
        seconds = 0;
    const int64_t days = seconds / 86400;
    const int64_t hours = seconds / 3600 % 24;
    const int64_t minutes = seconds / 60 % 60;
    const int64_t secs = seconds % 60;
    std::string result;
    for (size_t i = 0; i < strTemplate.size(); ++i) {
        char c = strTemplate[i];
        if (c != '%' || i + 1 == strTemplate.size()) {
            result.push_back(c);
            continue;
        }
        char next = strTemplate[++i];
        switch (next) {
        case 'D':
            result += std::to_string(days);
            break;
        case 'H':
            result += TwoDigits(hours);
            break;
        case 'M':
            result += TwoDigits(minutes);
            break;
        case 'S':
            result += TwoDigits(secs);
            break;
        case '%':
            result.push_back('%');
            break;
        default:
            result.push_back('%');
            result.push_back(next);
        }
    }
    return result;
}

std::string FillTemplate(const std::string& strTemplate, const std::vector<std::string>& args)
{
    std::string result;
    size_t next = 0;
    for (size_t i = 0; i < strTemplate.size(); ++i) {
        char c = strTemplate[i];
        if (c == '%' && i + 1 < strTemplate.size() && strTemplate[i + 1] == 's') {
            if (next < args.size())
                result += args[next];
            ++next;
            ++i;
        } else if (c == '%' && i + 1 < strTemplate.size() && strTemplate[i + 1] == '%') {
            result.push_back('%');
            ++i;
        } else {
            result.push_back(c);
        }
    }
    return result;
}

bool CMailDataStream::Write(const char* data, size_t size)
{
    if (m_bFailed)
        return false;
    for (size_t i = 0; i < size; ++i) {
        char c = data[i];
        if (m_bLineStart && c == '.')
            m_buffer.push_back('.');
        m_buffer.push_back(c);
        m_bLineStart = c == '\n';
        if (m_buffer.size() >= kDataBlock - 1 && !Flush())
            return false;
    }
    return true;
}

bool CMailDataStream::Flush()
{
    if (m_bFailed)
        return false;
    if (!m_buffer.empty() && !m_sink(m_buffer.data(), m_buffer.size()))
        m_bFailed = true;
    m_buffer.clear();
    return !m_bFailed;
}
