// The address book: the recipients texts of earlier greetings, each whole as it was typed for
// one send (it may hold several addresses). It lives in "book.dat" in the first data directory
// as an archive stream: the entry count (a 16-bit word, or the word 0xFFFF and a 32-bit count
// from 65535 entries on), then each entry as an archived text. A book the program writes holds
// its entries in ascending byte order without exact duplicates.
#pragma once

#include <list>
#include <mutex>
#include <string>

class CArchive;

class CAddressList {
public:
    int GetCount() const { return static_cast<int>(m_list.size()); }
    bool IsEmpty() const { return m_list.empty(); }
    const std::list<std::string>& Entries() const { return m_list; }

    // Adds a recipients text. An empty list takes it as it is. Otherwise false when an entry
    // equal to it byte for byte is there already (nothing changes); else it is appended and
    // the whole list sorted in ascending byte order (unsigned bytes, a prefix first).
    bool AddText(const std::string& text);
    // Removes the entry at a 0-based position; nothing happens for a position outside the list.
    void RemoveAt(int nIndex);
    // A copy of the entry at a 0-based position; empty for a position outside the list.
    std::string GetAt(int nIndex) const;
    void RemoveAll() { m_list.clear(); }

    // Loading appends the entries read. A read that fails part way keeps the entries read
    // before the failure, and the archive is failed.
    void Serialize(CArchive& ar);

    // Appends the entries of the book file at path. False at once when the file does not
    // exist; false when it cannot be read or is damaged (the entries read before the damage
    // stay in the list).
    bool Load(const std::string& path);
    // Writes the book file at path, replacing it only once the new content is complete.
    bool Save(const std::string& path) const;

private:
    std::list<std::string> m_list;
};

// "book.dat" in the data directory; empty when no data directory is given. A data directory
// the person cannot write (an installed, shared one) keeps no address book of theirs: the book
// is then "vimble-email/book.dat" in their own data folder ($XDG_DATA_HOME, else
// ~/.local/share), started from the shared one's entries when there is one.
std::string AddressBookPath(const std::string& dataDir);

// What the mail worker does after a successful send: loads the book at path (when it exists),
// adds the recipients text and saves the book. A book that exists but cannot be read whole is
// left as it is rather than written back short. Safe to call from several threads.
// False when the book could not be updated; the reason has been shown.
bool AddToAddressBook(const std::string& path, const std::string& text);
// The lock every change of a book file is made under (the worker's adds, the picker's deletes).
std::mutex& AddressBookMutex();
