// The texts of the faces (window titles, lettering, button labels, caption pictures) as the
// program shows them outside the pictures: window titles and the names a screen reader says.
// The faces themselves are drawn from faces.cpp; this list carries every text for the
// translation tools, and ShownFaceText gives a face text in the program's language.
#pragma once

#include <QString>

#include <vector>

namespace faces {

// Every text that a face letters, in English.
const std::vector<const char*>& FaceTexts();

// The face text in the program's language (the English text when it has no translation).
QString ShownFaceText(const QString& text);

inline constexpr char kFaceContext[] = "Faces";

} // namespace faces
