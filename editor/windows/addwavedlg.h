// The add-wave dialog: at which frame a sound added to an object starts, and at which it stops.
// The caller sets the frames (or keeps the defaults), runs the dialog and takes them back only
// when it ended with Accepted; whether they fit the animation is the caller's check.
#pragma once

#include "editor/skin/skin.h"

#include <QString>

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;

// Control numbers.
constexpr int IDC_AW_OK = 1;
constexpr int IDC_AW_CANCEL = 2;
constexpr int IDC_AW_START = 1001;
constexpr int IDC_AW_END = 1002;

// The end frame of a sound that plays until the pause or the end of the greeting.
constexpr int32_t kPlayToEnd = -1;

class CAddWaveDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // strName: the sound's name, shown under the title. nLength: the animation's
    // length in frames, shown beside the start field.
    CAddWaveDlg(const std::string& strName, int32_t nLength, QWidget* parent);

    // Set before the dialog is shown, read after Accepted. The start is a frame from 0 on;
    // the end is kPlayToEnd (an empty field) or a frame from the start on.
    int32_t m_nStartFrame = 0;
    int32_t m_nEndFrame = kPlayToEnd;

    // The fields, for tests: IDC_AW_START or IDC_AW_END.
    QLineEdit* Field(int nId) const;
    QLabel* NameLabel() const { return m_pName; }
    QLabel* LengthLabel() const { return m_pLength; }
    // The hint under the fields; after a refused OK it says what is wrong.
    QLabel* HintLabel() const { return m_pHint; }
    bool IsShowingError() const { return m_bError; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;

private:
    void Open();
    void OnOK();
    // Shows the hint, or why an entry was refused and selects the field.
    void ShowHint(const QString& text, bool bError);
    void Refuse(QLineEdit* field, const QString& why);

    std::string m_strName;
    QLineEdit* m_pStart;
    QLineEdit* m_pEnd;
    QLabel* m_pName;
    QLabel* m_pLength;
    QLabel* m_pHint;
    bool m_bError = false;
};
