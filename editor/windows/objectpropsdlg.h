// The object properties dialog (the text dialog): the colours, fill, line width, font and
// text of a drawn shape or a text. The caller sets the values, runs the dialog and copies the
// values back only when it ended with Accepted; Cancel (or Escape) leaves them as given. The
// text modes choose the font's family from the installed ones and put emoji into the text
// from a picker.
#pragma once

#include "editor/skin/skin.h"
#include "platform/types.h"

#include <QFont>

#include <cstdint>
#include <string>

class CEmojiPicker;
class QComboBox;
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
constexpr int IDC_OP_EMOJI = 1209;
constexpr int IDC_OP_FAMILY = 1210;
constexpr int IDC_OP_OK = 1220;
constexpr int IDC_OP_CANCEL = 1222;

// Effects of a character format.
constexpr uint32_t CFE_BOLD = 0x1;
constexpr uint32_t CFE_ITALIC = 0x2;
constexpr uint32_t CFE_UNDERLINE = 0x4;
constexpr uint32_t CFE_STRIKEOUT = 0x8;

// The longest face name a font description holds, in bytes.
constexpr int kMaxFaceBytes = LF_FACESIZE - 1;

// The rich-edit character format the text dialog exchanges: the effects, size, colour and
// face of the whole text.
struct CCharFormat {
    uint32_t cbSize = 60;
    uint32_t dwMask = 0xE000000F; // effects, size, colour and face are valid
    uint32_t dwEffects = 0; // CFE_ bits
    int32_t yHeight = 200; // twips
    COLORREF crTextColor = 0;
    std::string strFaceName = "System"; // plain bytes, at most 31
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
// is stored under.
QString FamilyForFace(const std::string& strFace);
std::string FaceForFamily(const QString& family);
// The font a font description shows as on the screen: a negative height is the character
// height in pixels, a positive one the cell height, 0 the usual 16 pixels.
QFont QFontFromLogFont(const LOGFONT& lf);
// True for a face name that a greeting stores as it is: the file keeps face names as plain
// single bytes in a field of 32, so printable ASCII of at most 31 characters.
bool IsStorableFace(const std::string& strFace);
// Puts strFace into the font description when it is storable (IsStorableFace), and returns an
// empty text. Otherwise the description keeps its face and the result says why, for the
// message box.
std::string SetFaceName(LOGFONT& lf, const std::string& strFace);
// The installed families a text may be given: every family of the font database whose stored
// face (FaceForFamily) is storable, in the database's order.
QStringList StorableFamilies();

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
    std::string m_strText; // UTF-8, lines ending in CR LF; the text modes only
    COLORREF m_crColor1 = 0; // text or line colour
    COLORREF m_crColor2 = 0xFFFFFF; // fill colour
    bool m_bTransparent = false; // no fill
    int m_nLineWidth = 1; // field 1208: 0 to 99 pixels

    // The controls, for tests.
    QTextEdit* TextEditor() const { return m_pText; }
    QLineEdit* WidthField() const { return m_pWidth; }
    // The family choice: the storable installed families, and first, when the font
    // description's face is none of them, that face, kept.
    QComboBox* FamilyChoice() const { return m_pFamily; }
    // The emoji picker, once the emoji button has opened it.
    CEmojiPicker* EmojiPicker() const { return m_pEmoji; }
    // Puts the emoji into the text at the cursor, in place of the selection (text modes).
    void InsertEmoji(const QString& emoji);
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
    bool event(QEvent* event) override;
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
    void OpenEmojiPicker();
    void DrawEmojiButton();
    void FillFamilies();
    // Shows the font description's face in the family choice.
    void ShowFamily();
    void ChooseFamily(int nIndex);
    void ToggleTransparent();
    void OnOK();
    // Shows the character format in the text editor.
    void ApplyCharFormat();
    void RefreshNoFill();

    QTextEdit* m_pText = nullptr;
    QLineEdit* m_pWidth = nullptr;
    QComboBox* m_pFamily = nullptr;
    CEmojiPicker* m_pEmoji = nullptr;
    qreal m_fEmojiRatio = 0; // the pixel ratio the emoji button's faces were drawn for
    QWidget* m_pSwatch1 = nullptr;
    QWidget* m_pSwatch2 = nullptr;
    CValues m_given {}; // the values as they were when the dialog opened
    bool m_bOpen = false;
};
