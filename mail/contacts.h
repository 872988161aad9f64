// The person's contacts: whom greetings go to, with their addresses and birthdays, kept as a
// vCard 4.0 file of their own (RFC 6350) at $XDG_DATA_HOME/vimble-email/contacts.vcf. Cards
// come in from vCard 2.1, 3.0 and 4.0 files and from the CSV files the large address books
// export; a contact whose address is known already (or, having no address, whose name and
// birthday are) is merged into the one there, and a damaged card is skipped and named by its
// line, the others still come in. Texts are UTF-8.
#pragma once

#include <string>
#include <vector>

struct CContact {
    std::string m_strName; // as the person knows them ("Ann Smith"); may be empty
    std::vector<std::string> m_addresses; // e-mail addresses, the preferred one first
    // The birthday: month 1 to 12 and day 1 to 31, or 0 and 0 when unknown; the year, or 0
    // when the card does not give it ("--0517").
    int m_nBirthYear = 0;
    int m_nBirthMonth = 0;
    int m_nBirthDay = 0;
    std::string m_strUid; // the card's UID, kept as it came; empty when it had none

    bool HasBirthday() const { return m_nBirthMonth != 0; }
    // "1990-05-17", or "--05-17" without the year; empty without a birthday.
    std::string BirthdayText() const;
    // What to call them in a greeting: the name, else the part of the first address before
    // "@"; the first word of that for "{first}" (up to a blank, a tab or an ideographic space).
    std::string DisplayName() const;
    std::string FirstName() const;
};

// What an import did: contacts added, contacts merged into ones known already, and each card
// or row skipped, as "line 12: the card ends before END:VCARD".
struct CContactImport {
    int m_nAdded = 0;
    int m_nMerged = 0;
    std::vector<std::string> m_skipped;
};

// Reads a birthday as vCards write it ("1990-05-17", "19900517", "--0517", "--05-17", a date
// and time, "1990-05-17T00:00:00Z") or as the address books' CSV files do ("5/17/1990",
// "1990/05/17"); false for anything else, or a date that does not exist.
bool ParseBirthday(const std::string& text, int& year, int& month, int& day);

class CContactBook {
public:
    const std::vector<CContact>& Contacts() const { return m_contacts; }

    // Adds the contact, or merges it into the one that has one of its addresses (compared
    // without regard to case): the addresses it lacks are added, and its name and birthday are
    // filled in where it had none. A contact without an address merges into the first one of
    // the same name (trimmed, without regard to case) and the same birthday (a year known on
    // one side only does not part them); without a birthday either, into the first one of the
    // same name that has neither. True when it was added as a new contact.
    bool Add(const CContact& contact);
    // Removes the contact at index; false when there is none.
    bool Remove(size_t index);
    // The index of the contact with this address, or -1.
    int Find(const std::string& address) const;

    // Cards of vCard 2.1, 3.0 or 4.0: folded lines, QUOTED-PRINTABLE with its soft breaks,
    // CHARSET (UTF-8, ISO-8859-1 and windows-1252), escapes, groups, several EMAIL lines,
    // FN (or N when there is no FN), BDAY and UID.
    CContactImport ImportVCards(const std::string& text);
    // A CSV file whose header row names its columns as the large address books write them:
    // "Name", "Display Name", "First Name", "Given Name", "Last Name", "Family Name",
    // "E-mail Address", "E-mail 2 Address", "E-mail 1 - Value", "Primary Email",
    // "Secondary Email", "Birthday", "Birth Year", "Birth Month", "Birth Day"...
    CContactImport ImportCsv(const std::string& text);
    // The file at path: a CSV file when its name ends in ".csv" (in any case), else vCards.
    // False, with the reason, when it cannot be read; nothing changes then.
    bool ImportFile(const std::string& path, CContactImport& report, std::string& reason);
    // The book as vCard 4.0, every line ending in CRLF and folded at 75 bytes.
    std::string ExportVCards() const;

    // Reads the contacts file; a missing file is an empty book. False, with the reason, when
    // the file cannot be read; the cards it could not use are in skipped.
    bool Load(const std::string& path, std::vector<std::string>& skipped, std::string& reason);
    // Writes the whole book at once (the contacts file, or an export): a crash leaves the old
    // file or the new one, never half.
    bool Save(const std::string& path, std::string& reason) const;

private:
    std::vector<CContact> m_contacts;
};

// "$XDG_DATA_HOME/vimble-email/contacts.vcf" ("~/.local/share/..." when it is not set).
std::string ContactsPath();
// The person's own folder of the program's data: $XDG_DATA_HOME/vimble-email, or
// ~/.local/share/vimble-email without it.
std::string PersonalDataFolder();
