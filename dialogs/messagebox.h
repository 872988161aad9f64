// The program's own message boxes: skinned modal boxes with white Arial text on their face. A
// caller makes a box, sets its text, runs it and then reads the box's result byte, not the
// dialog's return value (which does not tell Yes from No).
//
//   CMessageBoxDlg     the standard box: OK, Yes/No or Yes/No/Cancel by its kind
//   CBigMessageBoxDlg  the large box: OK only, more room for text
//   CQuestionCheckDlg  Yes and No with a check button whose meaning the caller gives
#pragma once

#include "editor/core/prompts.h"
#include "editor/skin/skin.h"

#include <QRect>

#include <cstdint>
#include <string>

// Command numbers of the boxes' buttons.
constexpr int IDC_MB_OK = 1;
constexpr int IDC_MB_CANCEL = 2;
constexpr int IDC_MB_YES = 1091;
constexpr int IDC_MB_NO = 1092;
constexpr int IDC_QC_YES = 1280;
constexpr int IDC_QC_NO = 1281;
constexpr int IDC_QC_CHECK = 1282;

// What the three boxes share: the text, the kind, the result byte and the key handling.
// Return is OK (result 0); Escape, or closing the window, is Cancel, which gives 1 only when no
// button has decided before.
class CMessageBoxBase : public CSkinnedDialog {
    Q_OBJECT
public:
    // The box puts three blanks in front of it when it opens.
    void SetText(const std::string& strText) { m_strText = strText; }
    const std::string& GetText() const { return m_strText; }
    int GetKind() const { return m_nKind; }
    // 255 (MB_RESULT_NONE) until a button decides; then MB_RESULT_OK ... MB_RESULT_NO.
    uint8_t GetResult() const { return m_nResult; }
    // True: the box paints with the colours of its own bitmap (before the editor window exists).
    // Every surface is true colour, so the flag changes nothing in the painting.
    bool HasOwnPalette() const { return m_bOwnPalette; }
    // Where the text is written, in window coordinates; it is wrapped inside. A text too long
    // for it at 11 pixels is written smaller, down to 9; one too long even then scrolls with the
    // wheel and the arrow, page, Home and End keys, and a mark at the edge says there is more.
    QRect TextRect() const { return m_rcText; }
    int TextPixelSize() const { return Fit().nPixelSize; }
    // How far the text is scrolled up, in pixels, and how far it can be.
    int ScrollOffset() const { return m_nScroll; }
    int MaxScroll() const { return Fit().nMaxScroll; }

    void reject() override;

protected:
    CMessageBoxBase(const std::string& strFace, const QRect& rcText, int nKind, bool bOwnPalette,
        QWidget* parent);

    void OnOK();
    void OnCancel();
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

    std::string m_strText;
    int m_nKind;
    uint8_t m_nResult = MB_RESULT_NONE;
    bool m_bOwnPalette;
    QRect m_rcText;

private:
    // The size the text is written at, and how far it can scroll there.
    struct TextFit {
        int nPixelSize;
        int nMaxScroll;
    };
    TextFit Fit() const;
    static QFont TextFont(int nPixelSize);
    void ScrollTo(int nOffset);

    bool m_bOpened = false;
    int m_nScroll = 0;
};

// The standard box, 176 x 208. Kind 0 (MB_KIND_OK) shows OK, kind 2 Yes and No, kind 3 Yes, No
// and Cancel; any other kind is taken as kind 0. Yes and No end the dialog as Cancel does.
class CMessageBoxDlg : public CMessageBoxBase {
    Q_OBJECT
public:
    CMessageBoxDlg(int nKind, bool bOwnPalette, QWidget* parent);

protected:
    void OnCommand(int nId) override;
};

// The large box, 300 x 300, with OK only; the kind is kept but shows nothing more.
class CBigMessageBoxDlg : public CMessageBoxBase {
    Q_OBJECT
public:
    CBigMessageBoxDlg(int nKind, bool bOwnPalette, QWidget* parent);

protected:
    void OnCommand(int nId) override;
};

// The question box, 176 x 240: Yes ends the dialog with OK, No with Cancel, and the check
// button flips the check flag (and its pressed look) without ending it. The kind is not used.
class CQuestionCheckDlg : public CMessageBoxBase {
    Q_OBJECT
public:
    CQuestionCheckDlg(int nKind, bool bOwnPalette, QWidget* parent);
    bool GetCheck() const { return m_bCheck; }

protected:
    void OnCommand(int nId) override;

private:
    bool m_bCheck = false;
};

// Runs a standard box of that kind over parent with the text and returns its
// result byte.
uint8_t RunMessageBox(QWidget* parent, int nKind, const std::string& strText);
