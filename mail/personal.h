// Greetings made personal: "{name}" and "{first}" in the subject, the message and the
// greeting's own texts become each recipient's name. The name comes from the contacts; for
// an address they do not know, it is the part of the address before "@".
#pragma once

#include <string>

class CAbstractMovie;
class CContactBook;

constexpr char kNamePlaceholder[] = "{name}";
constexpr char kFirstPlaceholder[] = "{first}";

struct CRecipientName {
    std::string m_strName; // UTF-8
    std::string m_strFirst;
};

// The name the contacts give the address, or its part before "@".
CRecipientName NameOf(const std::string& address, const CContactBook& contacts);

bool HasPlaceholder(const std::string& text);
// The text with both placeholders filled with the names, every character kept.
std::string FillPlaceholders(const std::string& text, const CRecipientName& name);

// Whether a text of the movie (a text object's, on any stage or inside a clip) holds a
// placeholder; FillMovie fills them all and returns how many texts changed.
bool MovieHasPlaceholder(const CAbstractMovie& movie);
int FillMovie(CAbstractMovie& movie, const CRecipientName& name);

// Writes the project at source with its texts filled to target. False, with the reason.
bool PersonalProject(const std::string& source, const std::string& target,
    const CRecipientName& name, std::string& reason);
// Whether the project file's texts hold a placeholder (false for a file that cannot be read).
bool ProjectHasPlaceholder(const std::string& path);
