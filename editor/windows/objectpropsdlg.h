// The object properties dialog (the text dialog): the colours, fill, line width, font and
// text of a drawn shape or a text. The caller sets the values, runs the dialog and copies the
// values back only when it ended with Accepted; Cancel (or Escape) leaves them as given.
#pragma once

#include "editor/skin/skin.h"
#include "platform/types.h"

#include <QFont>

#include <cstdint>
#include <string>

class QLineEdit;
class QTextEdit;

// Modes.
constexpr int OP_MODE_SHAPE = 1;
constexpr int OP_MODE_TEXT_IN_SHAPE = 2;
constexpr int OP_MODE_PLAIN_TEXT = 3;
constexpr int OP_MODE_LINE = 5;

// Control numbers.
constexpr int IDC_OP_TEXT = 1026;
constexpr int IDC_OP_FONT = 1206;
constexpr int IDC_OP_NONE = 1207;
constexpr int IDC_OP_WIDTH = 1208;
constexpr int IDC_OP_OK = 1220;
constexpr int IDC_OP_CANCEL = 1222;

// Effects of a character format.
constexpr uint32_t CFE_BOLD = 0x1;
constexpr uint32_t CFE_ITALIC = 0x2;
constexpr uint32_t CFE_UNDERLINE = 0x4;
constexpr uint32_t CFE_STRIKEOUT = 0x8;

// The longest face name a font description holds, in code-page bytes.
constexpr int kMaxFaceBytes = LF_FACESIZE - 1;

// The rich-edit character format the text dialog exchanges: the effects, size, colour and
// face of the whole text.
struct CCharFormat {
    uint32_t cbSize = 60;
    uint32_t dwMask = 0xE000000F; // effects, size, colour and face are valid
    uint32_t dwEffects = 0; // CFE_ bits
    int32_t yHeight = 200; // twips
    COLORREF crTextColor = 0;
    std::string strFaceName = "System"; // code page, at most 31 bytes
};

// One pixel is 15 twips (96 dots per inch).
constexpr int kTwipsPerPixel = 15;

// The character format of a font description in colour cr: bold from a weight of 700 up,
// italic, underline and strike-out from the font, the height |lfHeight| pixels in twips, the
// face (cut to 31 bytes).
CCharFormat CharFormatFromFont(const LOGFONT& lf, COLORREF cr);
// The font description of a character format: lfHeight = -(yHeight / 15) (the character
// height in pixels), weight 700 when bold and 400 otherwise, the other effects and the face;
// every other field 0.
LOGFONT FontFromCharFormat(const CCharFormat& cf);

// The installed family that shows a face of the program's files (the faces the program knows
// by their Windows names stand for the fonts that look like them), and back: the face a family
// is stored under, in UTF-8.
QString FamilyForFace(const std::string& strFace);
std::string FaceForFamily(const QString& family);
// The font a font description shows as on the screen: a negative height is the character
// height in pixels, a positive one the cell height, 0 the usual 16 pixels.
QFont QFontFromLogFont(const LOGFONT& lf);
// Puts strFace (UTF-8) into the font description when the code page holds it in at most 31
// bytes, and returns an empty text. Otherwise the description keeps its face and the result
// says why, in the code page, for the message box.
std::string SetFaceName(LOGFONT& lf, const std::string& strFace);

class CObjectPropertiesDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    CObjectPropertiesDlg(int nMode, QWidget* parent);
    ~CObjectPropertiesDlg() override;

    // Values, set before the dialog is shown and read after it ended with Accepted. The font
    // description is what the dialog opens on; the character format follows it (and gives it
    // when the description has no face yet). In the text modes colour 1 is also the text
    // colour of the character format.
    int m_nMode;
    CCharFormat m_cf;
    LOGFONT m_logfont;
    std::string m_strText; // code page, lines ending in CR LF; the text modes only
    COLORREF m_crColor1 = 0; // text or line colour
    COLORREF m_crColor2 = 0xFFFFFF; // fill colour
    bool m_bTransparent = false; // no fill
    int m_nLineWidth = 1; // field 1208: 0 to 99 pixels

    // The controls, for tests.
    QTextEdit* TextEditor() const { return m_pText; }
    QLineEdit* WidthField() const { return m_pWidth; }
    QWidget* Swatch(int nIndex) const { return nIndex == 1 ? m_pSwatch1 : m_pSwatch2; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    // True when the mode has a text, a fill and an outline.
    bool HasText() const
    {
        return m_nMode == OP_MODE_TEXT_IN_SHAPE || m_nMode == OP_MODE_PLAIN_TEXT;
    }
    bool HasFill() const { return m_nMode == OP_MODE_SHAPE || m_nMode == OP_MODE_TEXT_IN_SHAPE; }
    bool HasOutline() const { return m_nMode != OP_MODE_PLAIN_TEXT; }

    // Cancel: the values go back to what they were when the dialog opened.
    void reject() override;

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;

private:
    struct CValues {
        CCharFormat cf;
        LOGFONT logfont;
        std::string strText;
        COLORREF crColor1;
        COLORREF crColor2;
        bool bTransparent;
        int nLineWidth;
    };

    void Open();
    void ChooseColour(int nIndex);
    void ChooseFont();
    void ToggleTransparent();
    void OnOK();
    // Shows the character format in the text editor.
    void ApplyCharFormat();
    void RefreshNoFill();

    QTextEdit* m_pText = nullptr;
    QLineEdit* m_pWidth = nullptr;
    QWidget* m_pSwatch1 = nullptr;
    QWidget* m_pSwatch2 = nullptr;
    CValues m_given {}; // the values as they were when the dialog opened
    bool m_bOpen = false;
};
