// The contacts verbs: the person's contacts file (vCard 4.0) listed as JSON, filled from vCard
// and CSV files, written out, and changed one contact at a time. --file names another file than
// the person's own (for scripts and tests).
#include "app/json.h"
#include "app/tool.h"
#include "mail/contacts.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/translate.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

using platform::Fill;
using platform::Tr;

namespace {

void PrintList(const CContactBook& book)
{
    CJsonWriter json;
    json.BeginArray();
    for (const CContact& contact : book.Contacts()) {
        json.BeginObject();
        json.Text("name", contact.m_strName);
        json.BeginArray("emails");
        for (const std::string& address : contact.m_addresses)
            json.Text(nullptr, address);
        json.EndArray();
        json.Text("birthday", contact.BirthdayText());
        json.EndObject();
    }
    json.EndArray();
    std::string text = json.Result();
    if (text.empty() || text.back() != '\n')
        text += '\n';
    std::fputs(text.c_str(), stdout);
}

int CmdContacts(const std::vector<std::string>& args)
{
    std::string file = ContactsPath();
    std::vector<std::string> words;
    std::string name, birthday;
    std::vector<std::string> emails;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--file" && hasValue)
            file = args[++i];
        else if (arg == "--name" && hasValue)
            name = args[++i];
        else if (arg == "--email" && hasValue)
            emails.push_back(args[++i]);
        else if (arg == "--birthday" && hasValue)
            birthday = args[++i];
        else if (arg.rfind("--", 0) == 0)
            return -1;
        else
            words.push_back(arg);
    }
    if (words.empty())
        return -1;
    const std::string& action = words[0];
    const size_t expected = action == "list" || action == "add" ? 1
        : action == "import" || action == "export" || action == "remove"
        ? 2
        : 0;
    if (expected == 0 || words.size() != expected)
        return -1;
    if (action != "add" && (!name.empty() || !emails.empty() || !birthday.empty()))
        return -1;

    CFailureLine failure(file);
    CContactBook book;
    std::vector<std::string> skipped;
    std::string reason;
    if (!book.Load(file, skipped, reason)) {
        platform::ShowMessage(reason);
        return failure.Fail();
    }
    // A card of the person's own file that cannot be read is kept out of any rewrite: the
    // file is left as it is rather than written back without it.
    const bool bWhole = skipped.empty();
    for (const std::string& line : skipped)
        PrintFileLine(file, line);

    if (action == "list") {
        PrintList(book);
        return bWhole ? 0 : failure.Fail();
    }
    if (action == "export") {
        if (!book.Save(words[1], reason)) {
            platform::ShowMessage(reason);
            return failure.Fail();
        }
        return bWhole ? 0 : failure.Fail();
    }
    if (!bWhole) {
        platform::ShowMessage(Fill(Tr("Tool", "%1: damaged; left unchanged"), {file}));
        return failure.Fail();
    }
    if (action == "import") {
        CContactImport report;
        if (!book.ImportFile(words[1], report, reason)) {
            platform::ShowMessage(reason);
            return failure.Fail();
        }
        for (const std::string& line : report.m_skipped)
            PrintFileLine(words[1], line);
        std::printf("%d added, %d merged, %zu skipped\n", report.m_nAdded, report.m_nMerged,
            report.m_skipped.size());
    } else if (action == "add") {
        CContact contact;
        contact.m_strName = name;
        contact.m_addresses = emails;
        if (!birthday.empty()
            && !ParseBirthday(birthday, contact.m_nBirthYear, contact.m_nBirthMonth,
                contact.m_nBirthDay)) {
            platform::ShowMessage(
                Fill(Tr("Tool", "not a birthday: %1 (1990-05-17 or --05-17)"), {birthday}));
            return failure.Fail();
        }
        if (name.empty() && emails.empty())
            return -1;
        book.Add(contact);
    } else {
        // remove INDEX or ADDRESS
        const std::string& which = words[1];
        char* end = nullptr;
        const long index = std::strtol(which.c_str(), &end, 10);
        const int found = *end == '\0' && !which.empty() ? static_cast<int>(index) : book.Find(which);
        if (found < 0 || !book.Remove(static_cast<size_t>(found))) {
            platform::ShowMessage(Fill(Tr("Tool", "no contact %1"), {which}));
            return failure.Fail();
        }
    }
    if (!book.Save(file, reason)) {
        platform::ShowMessage(reason);
        return failure.Fail();
    }
    return 0;
}

} // namespace

void AddContactsVerbs(VerbTable& verbs)
{
    verbs["contacts"] = { "contacts [--file F] list | import FILE.vcf|FILE.csv | export FILE.vcf | "
                          "add [--name NAME] [--email ADDRESS]... [--birthday DATE] | "
                          "remove INDEX|ADDRESS",
        Tr("Tool",
            "list the contacts as JSON, import vCard or CSV files, export vCard 4.0, add or remove "
            "one"),
        CmdContacts };
}
