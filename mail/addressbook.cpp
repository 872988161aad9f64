#include "mail/addressbook.h"

#include "model/archive.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/translate.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <mutex>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

using platform::Fill;
using platform::Tr;

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
    // What a save killed while it wrote left beside the book goes.
    platform::RemoveAbandonedReplacements(platform::DirectoryOf(path));
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

namespace {

bool IsWritableFolder(const std::string& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// The person's own data folder for the program.
std::string OwnDataFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && *dataHome == '/')
        return platform::JoinPath(dataHome, "vimble-email");
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0')
        return {};
    return platform::JoinPath(platform::JoinPath(home, ".local/share"), "vimble-email");
}

} // namespace

std::string AddressBookPath(const std::string& dataDir)
{
    if (dataDir.empty())
        return {};
    const std::string shared = platform::JoinPath(dataDir, "book.dat");
    struct stat info {};
    const bool bFolder = ::stat(dataDir.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    // A folder that is not there (yet) or can be written keeps the book as it always did.
    if (!bFolder
        || (IsWritableFolder(dataDir)
            && (!platform::FileExists(shared) || ::access(shared.c_str(), W_OK) == 0)))
        return shared;
    const std::string folder = OwnDataFolder();
    if (folder.empty())
        return shared;
    const std::string own = platform::JoinPath(folder, "book.dat");
    if (!platform::FileExists(own)) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        // The copy is the person's to change, whatever the shared file's mode was.
        if (platform::FileExists(shared) && platform::CopyFileTo(shared, own))
            ::chmod(own.c_str(), 0644);
    }
    return own;
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
        platform::ShowMessage(Fill(
            Tr("Mail", "%1: the address book cannot be read; it was left unchanged"), { path }));
        return false;
    }
    list.AddText(text);
    if (!list.Save(path)) {
        platform::ShowMessage(Fill(Tr("Mail", "%1: the address book cannot be written"), { path }));
        return false;
    }
    return true;
}
