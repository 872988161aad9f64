// Names as a person sees them, in the program's language. Project and library files keep the
// bytes they always had (the effect kinds' French names, "Sans", the drawing tools' French
// object names, the sample library's English names and categories); what is shown comes from
// these tables by kind and number, translated through the program's translator. A name the
// tables do not know (a person's own, an imported file's) is shown as it is stored.
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace shown {

// One row of a table: the English source text, which the translations are keyed by.
struct NameRow {
    int nKind;          // effect kind index, library type or tool number
    int nNumber;        // library item number; 0 elsewhere
    const char* szStored; // the text files keep; nullptr: the English text
    const char* szEnglish;
};

// The tables, for the completeness checks.
const std::vector<NameRow>& EffectNames();   // one per effect kind, then the default "Sans"
const std::vector<NameRow>& LibraryNames();  // the sample library's items
const std::vector<NameRow>& CategoryNames(); // its categories and "All"
const std::vector<NameRow>& ObjectNames();   // the drawing tools' object names and "Voice"
// The translation contexts of those tables.
inline constexpr char kEffectContext[] = "Effects";
inline constexpr char kLibraryContext[] = "Library";
inline constexpr char kCategoryContext[] = "Categories";
inline constexpr char kObjectContext[] = "Objects";

// The effect kind's name (index into the effect table).
QString EffectKindName(std::size_t nKind);
// An effect's stored name: a kind's name or "Sans" shows translated.
QString EffectName(const std::string& strStored);
// A library item's name by its type and item number, when the stored name is the sample
// library's for that item.
QString LibraryName(int nType, int nNumber, const std::string& strStored);
// A library category ("All" included).
QString CategoryName(const std::string& strStored);
// An object's name in the layer manager: a drawing tool's name, a sample library item's name
// or "Voice" shows translated.
QString ObjectName(const std::string& strStored);

} // namespace shown
