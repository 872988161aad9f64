// The spoken-text dialog: the text of a spoken-text sound, the frame at which it is reached and
// the voice that speaks it. OK gives the sound its text, frame and voice (the voice lives in
// the sound's end frame: 0 female, 1 male); Cancel leaves the sound as it was.
#pragma once

#include "editor/skin/skin.h"

#include <cstdint>
#include <string>

class CSound;
class QLineEdit;
class QPlainTextEdit;

// Control numbers.
constexpr int IDC_PS_OK = 1;
constexpr int IDC_PS_CANCEL = 2;
constexpr int IDC_PS_TEXT = 1274;
constexpr int IDC_PS_FRAME = 1275;
constexpr int IDC_PS_MALE = 1278;
constexpr int IDC_PS_FEMALE = 1279;

// Tooltip strings of the dialog's buttons and frame field.
constexpr int IDS_PS_TIP_MALE = 10200;
constexpr int IDS_PS_TIP_FEMALE = 10201;
constexpr int IDS_PS_TIP_OK = 10202;
constexpr int IDS_PS_TIP_CANCEL = 10203;
constexpr int IDS_PS_TIP_FRAME = 10204;

// What a spoken-text sound keeps in its end frame.
constexpr int32_t kVoiceFemale = 0;
constexpr int32_t kVoiceMale = 1;

class CPlayStringDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // pSound: the sound being made or edited, not owned; may be none. A spoken-text sound
    // opens with its text, and any sound with its start frame; the voice is female when its
    // end frame is 0, male otherwise (so a new sound, end frame -1, opens male).
    CPlayStringDlg(CSound* pSound, QWidget* parent);

    // The values the fields open with; OK with a sound takes what the fields hold into them
    // (a frame that is not a whole number keeps its value). Texts are code page, lines ending
    // in CR LF.
    std::string m_strText;
    int32_t m_nStartFrame = 0;
    bool m_bFemale = false;

    CSound* GetSound() const { return m_pSound; }
    QPlainTextEdit* Text() const { return m_pText; }
    QLineEdit* Frame() const { return m_pFrame; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;

private:
    void Open();
    void ToggleVoice();
    void ShowVoice();
    // With a sound: the sound takes the text, frame and voice and the dialog ends Accepted;
    // a sound that already holds wave or MIDI data refuses, and the dialog ends Rejected with
    // nothing changed. Without a sound the dialog ends Accepted and nothing changes.
    void OnOK();

    CSound* m_pSound;
    QPlainTextEdit* m_pText;
    QLineEdit* m_pFrame;
};
