#include "mail/contacts.h"

#include "platform/files.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>

using platform::Fill;
using platform::Tr;

namespace {


std::string CardEndsEarly(size_t line)
{
    return Fill(
        (Tr("Mail", "line %1: the card ends before END:VCARD")), { std::to_string(line) });
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsDate(int year, int month, int day)
{
    static const int days[] = { 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 1 || month > 12 || day < 1 || day > days[month - 1])
        return false;
    // 29 February of a known year that is not a leap year does not exist.
    return !(month == 2 && day == 29 && year != 0 && !IsLeapYear(year));
}

bool AllDigits(const std::string& text)
{
    return !text.empty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// ISO-8859-1 or windows-1252 bytes as UTF-8.
std::string FromCharset(const std::string& bytes, const std::string& charset)
{
    const std::string name = Lower(charset);
    if (name == "iso-8859-1" || name == "latin1" || name == "windows-1252" || name == "cp1252")
        return platform::Utf8FromCp1252(bytes);
    return bytes;
}

std::string DecodeQuotedPrintable(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1]))
            && std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out.push_back(static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// The text of a vCard 3.0 or 4.0 value: "\n" a line break, "\\", "\,", "\;" the character.
std::string Unescape(const std::string& value)
{
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            out.push_back(next == 'n' || next == 'N' ? '\n' : next);
        } else {
            out.push_back(value[i]);
        }
    }
    return out;
}

std::string Escape(const std::string& value)
{
    std::string out;
    for (char c : value) {
        if (c == '\\' || c == ',' || c == ';')
            out.push_back('\\');
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c != '\r')
            out.push_back(c);
    }
    return out;
}

// Splits at the separator, leaving escaped ones alone.
std::vector<std::string> SplitUnescaped(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            parts.back() += text.substr(i, 2);
            ++i;
        } else if (text[i] == separator) {
            parts.emplace_back();
        } else {
            parts.back().push_back(text[i]);
        }
    }
    return parts;
}

// One line of the file with where it began.
struct CLine {
    std::string text;
    size_t nNumber;
};

// The file's logical lines: a line that begins with a blank or a tab continues the one
// before (RFC 6350 folding), and in vCard 2.1 a quoted-printable value that ends in "=" goes
// on in the next line.
std::vector<CLine> Unfold(const std::string& text)
{
    std::vector<CLine> lines;
    size_t number = 0;
    bool softBreak = false;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++number;
        start = end + 1;
        if (!lines.empty() && !line.empty() && (line[0] == ' ' || line[0] == '\t')) {
            lines.back().text += line.substr(1);
        } else if (!lines.empty() && softBreak) {
            lines.back().text += line;
        } else if (!line.empty()) {
            lines.push_back({ line, number });
        } else if (end == text.size()) {
            break;
        }
        const std::string upper = lines.empty() ? std::string() : Lower(lines.back().text);
        softBreak = !lines.empty() && upper.find("quoted-printable") != std::string::npos
            && upper.find(':') != std::string::npos && !lines.back().text.empty()
            && lines.back().text.back() == '=';
        if (softBreak)
            lines.back().text.pop_back();
        if (end >= text.size())
            break;
    }
    return lines;
}

// A property of a card: its name in upper case, its parameters (upper-case names, values as
// written; vCard 2.1's bare parameters as TYPE or ENCODING) and its raw value.
struct CProperty {
    std::string name;
    std::map<std::string, std::string> params;
    std::string value;
};

bool ParseProperty(const std::string& line, CProperty& property)
{
    // The colon that ends the name and parameters is the first one outside double quotes.
    size_t colon = std::string::npos;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon == std::string::npos || colon == 0)
        return false;
    std::vector<std::string> head = SplitUnescaped(line.substr(0, colon), ';');
    std::string name = head[0];
    if (const size_t dot = name.find('.'); dot != std::string::npos)
        name = name.substr(dot + 1); // the group
    property.name.clear();
    for (char c : name)
        property.name.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    property.params.clear();
    for (size_t i = 1; i < head.size(); ++i) {
        const std::string& param = head[i];
        const size_t equals = param.find('=');
        std::string key, value;
        if (equals == std::string::npos) {
            value = param;
            key = Lower(param) == "quoted-printable" || Lower(param) == "base64" ? "ENCODING"
                                                                                  : "TYPE";
        } else {
            key = param.substr(0, equals);
            value = param.substr(equals + 1);
            for (char& c : key)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        std::string& kept = property.params[key];
        kept += (kept.empty() ? "" : ",") + value;
    }
    property.value = line.substr(colon + 1);
    return !property.name.empty();
}

// The property's text: quoted-printable decoded, the character set made UTF-8, and (except in
// vCard 2.1, which knows no escapes but "\;") the escapes undone.
std::string ValueText(const CProperty& property, const std::string& version)
{
    std::string value = property.value;
    const auto encoding = property.params.find("ENCODING");
    if (encoding != property.params.end() && Lower(encoding->second) == "quoted-printable")
        value = DecodeQuotedPrintable(value);
    const auto charset = property.params.find("CHARSET");
    if (charset != property.params.end())
        value = FromCharset(value, charset->second);
    return version == "2.1" ? value : Unescape(value);
}

bool HasType(const CProperty& property, const char* type)
{
    const auto found = property.params.find("TYPE");
    return found != property.params.end()
        && Lower(found->second).find(type) != std::string::npos;
}

std::string NameFromParts(const std::string& family, const std::string& given)
{
    const std::string first = Trimmed(given), last = Trimmed(family);
    return first.empty() ? last : last.empty() ? first : first + " " + last;
}

// A plausible address: something before and after one "@", no blanks.
bool LooksLikeAddress(const std::string& address)
{
    const size_t at = address.find('@');
    return at != std::string::npos && at > 0 && at + 1 < address.size()
        && address.find('@', at + 1) == std::string::npos
        && address.find_first_of(" \t<>\"") == std::string::npos;
}

void AddAddress(CContact& contact, const std::string& raw, bool preferred)
{
    std::string address = Trimmed(raw);
    if (address.rfind("mailto:", 0) == 0)
        address = address.substr(7);
    if (!LooksLikeAddress(address))
        return;
    for (const std::string& known : contact.m_addresses)
        if (Lower(known) == Lower(address))
            return;
    if (preferred)
        contact.m_addresses.insert(contact.m_addresses.begin(), address);
    else
        contact.m_addresses.push_back(address);
}

// The 75-byte lines of a vCard line, continued with a blank; a UTF-8 character is never cut.
std::string Folded(const std::string& line)
{
    std::string out;
    size_t width = 0;
    const size_t limit = 75;
    for (size_t i = 0; i < line.size();) {
        size_t length = 1;
        const unsigned char lead = static_cast<unsigned char>(line[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        length = std::min(length, line.size() - i);
        if (width + length > limit) {
            out += "\r\n ";
            width = 1;
        }
        out.append(line, i, length);
        width += length;
        i += length;
    }
    return out + "\r\n";
}

// RFC 4180 records: fields apart by commas, a field in double quotes may hold commas, line
// breaks and doubled quotes.
std::vector<std::vector<std::string>> CsvRecords(const std::string& text, std::vector<size_t>& lines)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record(1);
    bool quoted = false;
    size_t line = 1, recordLine = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                record.back().push_back('"');
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n')
                    ++line;
                record.back().push_back(c);
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record.emplace_back();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            if (!(record.size() == 1 && record[0].empty())) {
                records.push_back(record);
                lines.push_back(recordLine);
            }
            record.assign(1, std::string());
            recordLine = ++line;
        } else {
            record.back().push_back(c);
        }
    }
    if (!(record.size() == 1 && record[0].empty())) {
        records.push_back(record);
        lines.push_back(recordLine);
    }
    return records;
}

} // namespace

std::string CContact::BirthdayText() const
{
    if (!HasBirthday())
        return {};
    char text[16];
    if (m_nBirthYear != 0)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", m_nBirthYear, m_nBirthMonth, m_nBirthDay);
    else
        std::snprintf(text, sizeof text, "--%02d-%02d", m_nBirthMonth, m_nBirthDay);
    return text;
}

std::string CContact::DisplayName() const
{
    const std::string name = Trimmed(m_strName);
    if (!name.empty() || m_addresses.empty())
        return name;
    return m_addresses.front().substr(0, m_addresses.front().find('@'));
}

std::string CContact::FirstName() const
{
    const std::string name = DisplayName();
    // Japanese and Chinese names part their words with an ideographic space.
    return name.substr(0, std::min(name.find_first_of(" \t"), name.find("\xe3\x80\x80")));
}

bool ParseBirthday(const std::string& raw, int& year, int& month, int& day)
{
    std::string text = Trimmed(raw);
    if (const size_t time = text.find('T'); time != std::string::npos && time >= 4)
        text = text.substr(0, time);
    int y = 0, m = 0, d = 0;
    const auto number = [](const std::string& digits) { return std::atoi(digits.c_str()); };
    if (text.size() == 10 && text[4] == '-' && text[7] == '-' && AllDigits(text.substr(0, 4))
        && AllDigits(text.substr(5, 2)) && AllDigits(text.substr(8, 2))) {
        y = number(text.substr(0, 4)), m = number(text.substr(5, 2)), d = number(text.substr(8, 2));
    } else if (text.size() == 8 && AllDigits(text)) {
        y = number(text.substr(0, 4)), m = number(text.substr(4, 2)), d = number(text.substr(6, 2));
    } else if (text.size() == 6 && text.rfind("--", 0) == 0 && AllDigits(text.substr(2))) {
        m = number(text.substr(2, 2)), d = number(text.substr(4, 2));
    } else if (text.size() == 7 && text.rfind("--", 0) == 0 && text[4] == '-'
        && AllDigits(text.substr(2, 2)) && AllDigits(text.substr(5, 2))) {
        m = number(text.substr(2, 2)), d = number(text.substr(5, 2));
    } else if (std::count(text.begin(), text.end(), '/') == 2) {
        // "5/17/1990" (month first, as the large address books write it) or "1990/05/17".
        const size_t a = text.find('/'), b = text.rfind('/');
        const std::string p1 = text.substr(0, a), p2 = text.substr(a + 1, b - a - 1),
                          p3 = text.substr(b + 1);
        if (!AllDigits(p1) || !AllDigits(p2) || !AllDigits(p3))
            return false;
        if (p1.size() == 4)
            y = number(p1), m = number(p2), d = number(p3);
        else
            m = number(p1), d = number(p2), y = number(p3);
        if (p3.size() == 2 && p1.size() != 4)
            return false; // a two-digit year ("0/0/00" is the empty birthday of some exports)
    } else {
        return false;
    }
    if (y != 0 && (y < 1800 || y > 2200))
        return false;
    if (!IsDate(y, m, d))
        return false;
    year = y, month = m, day = d;
    return true;
}

bool CContactBook::Add(const CContact& contact)
{
    const auto merge = [&](CContact& known) {
        for (const std::string& more : contact.m_addresses)
            AddAddress(known, more, false);
        if (Trimmed(known.m_strName).empty())
            known.m_strName = contact.m_strName;
        if (!known.HasBirthday() && contact.HasBirthday()) {
            known.m_nBirthYear = contact.m_nBirthYear;
            known.m_nBirthMonth = contact.m_nBirthMonth;
            known.m_nBirthDay = contact.m_nBirthDay;
        } else if (known.HasBirthday() && known.m_nBirthYear == 0 && contact.m_nBirthYear != 0
            && known.m_nBirthMonth == contact.m_nBirthMonth
            && known.m_nBirthDay == contact.m_nBirthDay) {
            known.m_nBirthYear = contact.m_nBirthYear;
        }
        if (known.m_strUid.empty())
            known.m_strUid = contact.m_strUid;
        return false;
    };
    for (const std::string& address : contact.m_addresses) {
        const int found = Find(address);
        if (found >= 0)
            return merge(m_contacts[static_cast<size_t>(found)]);
    }
    // Without an address the name tells who it is, compared as addresses are: with the
    // blanks around it trimmed and without regard to case.
    const std::string name = Lower(Trimmed(contact.m_strName));
    if (!contact.m_addresses.empty() || name.empty()) {
        m_contacts.push_back(contact);
        return true;
    }
    for (CContact& known : m_contacts) {
        if (Lower(Trimmed(known.m_strName)) != name)
            continue;
        // The same birthday, a year given on one side only still the same day; without a
        // birthday, only a contact that has neither a birthday nor an address.
        const bool same = contact.HasBirthday()
            ? known.m_nBirthMonth == contact.m_nBirthMonth
                && known.m_nBirthDay == contact.m_nBirthDay
                && (known.m_nBirthYear == contact.m_nBirthYear || known.m_nBirthYear == 0
                    || contact.m_nBirthYear == 0)
            : !known.HasBirthday() && known.m_addresses.empty();
        if (same)
            return merge(known);
    }
    m_contacts.push_back(contact);
    return true;
}

bool CContactBook::Remove(size_t index)
{
    if (index >= m_contacts.size())
        return false;
    m_contacts.erase(m_contacts.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

int CContactBook::Find(const std::string& address) const
{
    const std::string wanted = Lower(Trimmed(address));
    for (size_t i = 0; i < m_contacts.size(); ++i)
        for (const std::string& known : m_contacts[i].m_addresses)
            if (Lower(known) == wanted)
                return static_cast<int>(i);
    return -1;
}

CContactImport CContactBook::ImportVCards(const std::string& text)
{
    CContactImport report;
    const std::vector<CLine> lines = Unfold(text);
    const auto take = [&](const CContact& contact) {
        if (Add(contact))
            ++report.m_nAdded;
        else
            ++report.m_nMerged;
    };
    bool inCard = false;
    bool damaged = false;
    size_t cardLine = 0;
    std::string why;
    std::string version;
    CContact contact;
    std::string family, given;
    for (const CLine& line : lines) {
        CProperty property;
        const bool parsed = ParseProperty(line.text, property);
        const std::string value = parsed ? Lower(Trimmed(property.value)) : std::string();
        if (parsed && property.name == "BEGIN" && value == "vcard") {
            if (inCard)
                report.m_skipped.push_back(CardEndsEarly(cardLine));
            inCard = true;
            damaged = false;
            why.clear();
            cardLine = line.nNumber;
            version = "3.0";
            contact = CContact();
            family.clear();
            given.clear();
            continue;
        }
        if (!inCard)
            continue;
        if (parsed && property.name == "END" && value == "vcard") {
            inCard = false;
            if (contact.m_strName.empty())
                contact.m_strName = NameFromParts(family, given);
            if (damaged)
                report.m_skipped.push_back(
                    Fill((Tr("Mail", "line %1: %2")), { std::to_string(cardLine), why }));
            else if (contact.m_strName.empty() && contact.m_addresses.empty())
                report.m_skipped.push_back(
                    Fill((Tr("Mail", "line %1: the card has neither a name nor an address")),
                        { std::to_string(cardLine) }));
            else
                take(contact);
            continue;
        }
        if (damaged)
            continue;
        if (!parsed) {
            damaged = true;
            why = Fill((Tr("Mail", "line %1 is not a vCard property")),
                { std::to_string(line.nNumber) });
            continue;
        }
        const std::string textValue = ValueText(property, version);
        if (property.name == "VERSION") {
            version = Trimmed(property.value);
        } else if (property.name == "FN") {
            contact.m_strName = Trimmed(textValue);
        } else if (property.name == "N") {
            // The parts are split before the escapes are undone: "\;" belongs to a part.
            std::string decoded = property.value;
            if (property.params.count("ENCODING") != 0
                && Lower(property.params.at("ENCODING")) == "quoted-printable")
                decoded = DecodeQuotedPrintable(decoded);
            if (property.params.count("CHARSET") != 0)
                decoded = FromCharset(decoded, property.params.at("CHARSET"));
            const std::vector<std::string> parts = SplitUnescaped(decoded, ';');
            family = Unescape(parts[0]);
            given = parts.size() > 1 ? Unescape(parts[1]) : std::string();
        } else if (property.name == "EMAIL") {
            const bool preferred = HasType(property, "pref") || property.params.count("PREF") != 0;
            AddAddress(contact, textValue, preferred);
        } else if (property.name == "BDAY") {
            int year = 0, month = 0, day = 0;
            if (ParseBirthday(textValue, year, month, day)) {
                contact.m_nBirthYear = year;
                contact.m_nBirthMonth = month;
                contact.m_nBirthDay = day;
            }
        } else if (property.name == "UID") {
            contact.m_strUid = Trimmed(textValue);
        }
    }
    if (inCard)
        report.m_skipped.push_back(CardEndsEarly(cardLine));
    return report;
}

CContactImport CContactBook::ImportCsv(const std::string& text)
{
    CContactImport report;
    std::vector<size_t> lines;
    std::vector<std::vector<std::string>> records = CsvRecords(text, lines);
    if (records.empty())
        return report;
    // The columns by the names the large address books give them.
    std::vector<std::string> header;
    for (std::string name : records[0]) {
        if (name.rfind("\xEF\xBB\xBF", 0) == 0)
            name = name.substr(3); // a byte-order mark
        header.push_back(Lower(Trimmed(name)));
    }
    const auto column = [&](std::initializer_list<const char*> names) {
        for (const char* name : names)
            for (size_t i = 0; i < header.size(); ++i)
                if (header[i] == name)
                    return static_cast<int>(i);
        return -1;
    };
    const int fullName = column({ "name", "display name", "full name", "file as" });
    const int firstName = column({ "first name", "given name" });
    const int lastName = column({ "last name", "family name", "surname" });
    const int birthday = column({ "birthday", "date of birth" });
    const int birthYear = column({ "birth year" });
    const int birthMonth = column({ "birth month" });
    const int birthDay = column({ "birth day" });
    std::vector<int> addressColumns;
    for (size_t i = 0; i < header.size(); ++i) {
        const std::string& name = header[i];
        const bool address = name == "e-mail address" || name == "email address" || name == "email"
            || name == "e-mail" || name == "primary email" || name == "secondary email"
            || (name.rfind("e-mail ", 0) == 0 && name.find("address") != std::string::npos)
            || (name.rfind("e-mail ", 0) == 0 && name.find("- value") != std::string::npos)
            || (name.rfind("email ", 0) == 0 && name.find("address") != std::string::npos);
        if (address)
            addressColumns.push_back(static_cast<int>(i));
    }
    if (addressColumns.empty() && fullName < 0 && firstName < 0) {
        report.m_skipped.push_back(
            (Tr("Mail", "line 1: the header names no name and no e-mail column")));
        return report;
    }
    for (size_t r = 1; r < records.size(); ++r) {
        const std::vector<std::string>& record = records[r];
        const auto field = [&](int index) {
            return index >= 0 && static_cast<size_t>(index) < record.size()
                ? Trimmed(record[static_cast<size_t>(index)])
                : std::string();
        };
        if (record.size() > header.size()) {
            report.m_skipped.push_back(
                Fill((Tr("Mail", "line %1: %2 fields where the header has %3")),
                    { std::to_string(lines[r]), std::to_string(record.size()),
                        std::to_string(header.size()) }));
            continue;
        }
        CContact contact;
        contact.m_strName = field(fullName);
        if (contact.m_strName.empty())
            contact.m_strName = NameFromParts(field(lastName), field(firstName));
        for (int index : addressColumns)
            for (const std::string& piece : SplitUnescaped(field(index), ':'))
                AddAddress(contact, piece, false);
        int year = 0, month = 0, day = 0;
        if (ParseBirthday(field(birthday), year, month, day)
            || (AllDigits(field(birthMonth)) && AllDigits(field(birthDay))
                && ParseBirthday((AllDigits(field(birthYear)) ? field(birthYear) : std::string("--"))
                        + (AllDigits(field(birthYear)) ? "-" : "")
                        + (field(birthMonth).size() == 1 ? "0" : "") + field(birthMonth) + "-"
                        + (field(birthDay).size() == 1 ? "0" : "") + field(birthDay),
                    year, month, day))) {
            contact.m_nBirthYear = year;
            contact.m_nBirthMonth = month;
            contact.m_nBirthDay = day;
        }
        if (contact.m_strName.empty() && contact.m_addresses.empty())
            continue; // an empty row
        if (Add(contact))
            ++report.m_nAdded;
        else
            ++report.m_nMerged;
    }
    return report;
}

bool CContactBook::ImportFile(
    const std::string& path, CContactImport& report, std::string& reason)
{
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        reason = Fill((Tr("Mail", "%1 cannot be read")), { path });
        return false;
    }
    const std::string text(bytes.begin(), bytes.end());
    const bool bCsv = path.size() >= 4 && Lower(path.substr(path.size() - 4)) == ".csv";
    report = bCsv ? ImportCsv(text) : ImportVCards(text);
    return true;
}

std::string CContactBook::ExportVCards() const
{
    std::string out;
    for (const CContact& contact : m_contacts) {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        out += Folded("FN:" + Escape(contact.DisplayName()));
        if (!contact.m_strUid.empty())
            out += Folded("UID:" + Escape(contact.m_strUid));
        for (size_t i = 0; i < contact.m_addresses.size(); ++i)
            out += Folded(std::string("EMAIL") + (i == 0 && contact.m_addresses.size() > 1 ? ";PREF=1" : "")
                + ":" + Escape(contact.m_addresses[i]));
        if (contact.HasBirthday()) {
            char date[16];
            if (contact.m_nBirthYear != 0)
                std::snprintf(date, sizeof date, "%04d%02d%02d", contact.m_nBirthYear,
                    contact.m_nBirthMonth, contact.m_nBirthDay);
            else
                std::snprintf(date, sizeof date, "--%02d%02d", contact.m_nBirthMonth,
                    contact.m_nBirthDay);
            out += std::string("BDAY:") + date + "\r\n";
        }
        out += "END:VCARD\r\n";
    }
    return out;
}

bool CContactBook::Load(
    const std::string& path, std::vector<std::string>& skipped, std::string& reason)
{
    m_contacts.clear();
    skipped.clear();
    if (!platform::FileExists(path))
        return true;
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        reason = Fill((Tr("Mail", "%1 cannot be read")), { path });
        return false;
    }
    skipped = ImportVCards(std::string(bytes.begin(), bytes.end())).m_skipped;
    return true;
}

bool CContactBook::Save(const std::string& path, std::string& reason) const
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const std::string text = ExportVCards();
    if (!platform::ReplaceFileContent(path,
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()))) {
        reason = Fill((Tr("Mail", "%1 cannot be written")), { path });
        return false;
    }
    return true;
}

std::string PersonalDataFolder()
{
    std::string base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/')
        base = data;
    else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr && home[0] != '\0' ? home : "/tmp") + "/.local/share";
    }
    return base + "/vimble-email";
}

std::string ContactsPath()
{
    return PersonalDataFolder() + "/contacts.vcf";
}
