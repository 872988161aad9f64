// The spoken-text dialog: the text of a spoken-text sound, the frame at which it is reached and
// the voice that speaks it: a language and male or female. OK gives the sound its text, frame
// and voice (the sound's end frame: 0 female, 1 male, and its language); Cancel leaves the
// sound as it was.
#pragma once

#include "editor/skin/skin.h"

#include <QString>

#include <cstdint>
#include <string>

class CSound;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// Control numbers.
constexpr int IDC_PS_OK = 1;
constexpr int IDC_PS_CANCEL = 2;
constexpr int IDC_PS_TEXT = 1274;
constexpr int IDC_PS_FRAME = 1275;
constexpr int IDC_PS_MALE = 1278;
constexpr int IDC_PS_FEMALE = 1279;
constexpr int IDC_PS_LANGUAGE = 1280;

// Tooltip strings of the dialog's buttons and frame field.
constexpr int IDS_PS_TIP_MALE = 10200;
constexpr int IDS_PS_TIP_FEMALE = 10201;
constexpr int IDS_PS_TIP_OK = 10202;
constexpr int IDS_PS_TIP_CANCEL = 10203;
constexpr int IDS_PS_TIP_FRAME = 10204;

// What a spoken-text sound keeps in its end frame.
constexpr int32_t kVoiceFemale = 0;
constexpr int32_t kVoiceMale = 1;

// A language of the synthesizer as the language choice shows it: its own name in its own
// language ("Русский" for "ru", "Deutsch" for "de"), with a capital where the script has
// them; espeak-ng's English name of the voice (englishName) where the locale data do not know
// the language, the code itself without either.
QString SpeechLanguageName(const std::string& code, const std::string& englishName);

class CPlayStringDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // pSound: the sound being made or edited, not owned; may be none. A spoken-text sound
    // opens with its text and language, and any sound with its start frame; the voice is
    // female when its end frame is 0, male otherwise (so a new sound, end frame -1, opens
    // male). Without a language of its own the choice follows the script of the text as it is
    // typed (platform::LanguageForText, the program's language for Latin letters) until the
    // person picks one.
    CPlayStringDlg(CSound* pSound, QWidget* parent);

    // The values the fields open with; OK with a sound takes what the fields hold into them
    // (a frame that is not a whole number keeps its value). Texts are UTF-8, lines ending in
    // CR LF. m_strLanguage is the chosen language's code ("ru"); empty until the dialog has
    // opened without a language of the sound's.
    std::string m_strText;
    int32_t m_nStartFrame = 0;
    bool m_bFemale = false;
    std::string m_strLanguage;

    CSound* GetSound() const { return m_pSound; }
    QPlainTextEdit* Text() const { return m_pText; }
    QLineEdit* Frame() const { return m_pFrame; }
    QComboBox* Language() const { return m_pLanguage; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;

private:
    void Open();
    void ToggleVoice();
    void ShowVoice();
    // Fills the language choice with the synthesizer's languages, by their own names.
    void FillLanguages();
    // Shows the language of that code chosen (adding it when the synthesizer lacks it).
    void ShowLanguage(const std::string& code);
    // The language the typed text asks for, while the person has picked none.
    void FollowText();
    // With a sound: the sound takes the text, frame and voice and the dialog ends Accepted;
    // a sound that already holds wave or MIDI data refuses, and the dialog ends Rejected with
    // nothing changed. Without a sound the dialog ends Accepted and nothing changes.
    void OnOK();

    CSound* m_pSound;
    QPlainTextEdit* m_pText;
    QLineEdit* m_pFrame;
    QComboBox* m_pLanguage;
    bool m_bLanguagePicked = false; // the sound had a language, or the person picked one
};
