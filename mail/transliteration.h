// Plain-ASCII stand-ins for texts in any script, for the places that can hold nothing else: the
// player bundle's single-byte name field and the file names that older mail readers show.
#pragma once

#include <string>

// The UTF-8 text in ASCII letters, as a reader of English would spell it:
//   - Latin letters lose their marks ("Łukasz Żółć" is "Lukasz Zolc"), ligatures and special
//     letters are spelled out ("Straße" is "Strasse", "Æsop" is "AEsop");
//   - Cyrillic takes the usual English transliteration ("Алёна Иванова" is "Alena Ivanova",
//     "Щукин" is "Shchukin"), Greek its usual Latin one ("Αλέξανδρος" is "Alexandros");
//   - other scripts take their romanisation without tone marks: Chinese characters their pinyin
//     ("山田" is "shan tian"), kana their romaji, Hangul its romanisation, Arabic and Hebrew
//     their consonants ("محمد" is "mhmd");
//   - a few signs take a word ("€" is "EUR"); what has no Latin form at all (emoji, most
//     symbols, joiners) is left out, and so is a blank that leaving it out would double or
//     leave at either end.
// A lost character never becomes "?". ASCII comes back unchanged; bytes that are not UTF-8
// are read as Windows-1252 (the texts of earlier versions). Safe to call from any thread.
std::string AsciiTransliteration(const std::string& utf8);
