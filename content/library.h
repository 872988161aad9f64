// The sample library: what it holds and the writer that puts it into a data directory.
//
// A data directory written here holds, for every entry n, the header "n.hdr" (name,
// category, item number n, type and a 32 x 32 preview) and the item file "n.zty" (one
// archived object: a CAnimationObject, CClipartObject, CBackgroundBMP or CSound as the type
// says), the mail failure text "err.msg" (with "err.de.msg", "err.ja.msg" and so on in each
// translated language), an empty address book "book.dat", and the folder "samples" with the
// sample greetings, which the first start copies to the person's export folder.
#pragma once

#include "platform/language.h"

#include <memory>
#include <string>
#include <vector>

class CAbstractMovie;

namespace content {

// The folder of the sample greetings inside the data directory.
constexpr char kSamplesFolder[] = "samples";

struct LibraryEntry {
    int nItem; // the number of the header and of the item file
    int nType; // library type: 1, 2, 6, 7 or 8
    std::string strName; // shown in the browser
    std::string strCategory;
    std::string strKey; // the drawing, clip or sound it is made from
};

// Every entry of the library, in item order (items are numbered from 1).
const std::vector<LibraryEntry>& LibraryEntries();

// The sample greetings' file names (".kel", in the samples folder).
std::vector<std::string> SampleFileNames();

// The text of "err.msg" (or of "err.de.msg", "err.ja.msg" and so on; UTF-8): a printf template
// with exactly four "%s" (the program's title three times, then the program's help address) and
// no other conversion.
std::string FailureTemplate(platform::ELanguage language = platform::ELanguage::English);
// The name of the letter's file in a language: "err.msg" for English.
std::string FailureTemplateName(platform::ELanguage language);

// Writes the whole library into dataDir (made when missing): headers, items, "err.msg",
// "book.dat" and the samples. Files made here for loading pictures and sounds go into a
// scratch folder that is removed at the end. False with a reason in error on any failure.
bool WriteLibrary(const std::string& dataDir, std::string& error);

// A project showing every animation item of the library in dataDir side by side on a plain
// stage, each read from its item file, for looking at the clips; its length covers two runs
// of the longest clip. Null when an item cannot be read.
std::unique_ptr<CAbstractMovie> ClipShowcase(const std::string& dataDir);

} // namespace content
