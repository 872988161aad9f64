#include "mail/addressbook.h"

#include "model/archive.h"
#include "platform/files.h"
#include "platform/message.h"

#include <algorithm>
#include <iterator>
#include <mutex>
#include <vector>

namespace {

// The byte order of the book: std::string compares its characters as unsigned bytes.
bool BookLess(const std::string& a, const std::string& b)
{
    return a.compare(b) < 0;
}

std::mutex g_bookMutex;

} // namespace

bool CAddressList::AddText(const std::string& text)
{
    if (m_list.empty()) {
        m_list.push_back(text);
        return true;
    }
    if (std::find(m_list.begin(), m_list.end(), text) != m_list.end())
        return false;
    m_list.push_back(text);
    // A stable sort leaves the list in the order that repeated passes of neighbour swaps give.
    m_list.sort(BookLess);
    return true;
}

void CAddressList::RemoveAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    m_list.erase(std::next(m_list.begin(), nIndex));
}

std::string CAddressList::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return {};
    return *std::next(m_list.begin(), nIndex);
}

void CAddressList::Serialize(CArchive& ar)
{
    CArchive::Scope scope(ar, "the address book");
    uint32_t count = static_cast<uint32_t>(m_list.size());
    uint16_t word = count < 0xFFFF ? static_cast<uint16_t>(count) : 0xFFFF;
    ar.Word(word);
    if (word == 0xFFFF)
        ar.UInt(count);
    else
        count = word;
    if (ar.IsStoring()) {
        for (std::string& entry : m_list)
            ar.Text(entry);
        return;
    }
    // Each entry takes at least its length byte, so a count the file cannot hold ends the
    // read at the end of the data rather than allocating for it.
    for (uint32_t i = 0; i < count && !ar.IsFailed(); ++i) {
        std::string entry;
        ar.Text(entry);
        if (!ar.IsFailed())
            m_list.push_back(std::move(entry));
    }
}

bool CAddressList::Load(const std::string& path)
{
    if (!platform::FileExists(path))
        return false;
    std::vector<uint8_t> data;
    if (!platform::ReadWholeFile(path, data))
        return false;
    CArchive ar(std::move(data), path);
    Serialize(ar);
    return !ar.IsFailed();
}

bool CAddressList::Save(const std::string& path) const
{
    CArchive ar(path);
    CAddressList copy = *this; // Serialize serves both directions and so takes a mutable list
    copy.Serialize(ar);
    if (ar.IsFailed())
        return false;
    return platform::ReplaceFileContent(path, ar.Buffer());
}

std::string AddressBookPath(const std::string& dataDir)
{
    if (dataDir.empty())
        return {};
    return platform::JoinPath(dataDir, "book.dat");
}

std::mutex& AddressBookMutex()
{
    return g_bookMutex;
}

bool AddToAddressBook(const std::string& path, const std::string& text)
{
    if (path.empty()) {
        platform::ShowMessage("The address book was not updated: no data directory is set");
        return false;
    }
    std::lock_guard lock(g_bookMutex);
    CAddressList list;
    if (platform::FileExists(path) && !list.Load(path)) {
        platform::ShowMessage(path + ": the address book cannot be read; it was left unchanged");
        return false;
    }
    list.AddText(text);
    if (!list.Save(path)) {
        platform::ShowMessage(path + ": the address book cannot be written");
        return false;
    }
    return true;
}
