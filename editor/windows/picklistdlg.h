// The list picker: one skinned list dialog with three uses. In address mode it shows the
// entries of the address book (in the book's order, so a row is the entry's place in the book)
// and can delete one; in list mode it offers the effect kinds or the sounds for objects, sorted
// by name without regard to case, the sounds with the row "Voice" for a spoken text.
//
// Construct it with the mode, set m_bEffects (list mode) and, when needed, the book's path,
// then show it or run it; the list is filled when it first shows. After it ends with Accepted
// the results say what was chosen; after Rejected they say nothing was.
#pragma once

#include "editor/skin/skin.h"

#include <QImage>

#include <string>

class CHeaderObject;
class QListWidget;
struct EffectKind;

// Modes.
constexpr int PICK_MODE_ADDRESS = 0;
constexpr int PICK_MODE_LIST = 1;

// Control numbers.
constexpr int IDC_PL_LIST = 1000;
constexpr int IDC_PL_OK = 1039;
constexpr int IDC_PL_CANCEL = 2;
constexpr int IDC_PL_PAGE_UP = 1017;
constexpr int IDC_PL_PAGE_DOWN = 1019;
constexpr int IDC_PL_DELETE = 1015;

// The text of the sounds row that asks for a spoken text instead of a library sound.
constexpr char kPickVoice[] = "Voice";

class CPickListDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // Rows one page key or page button moves.
    static constexpr int kPageRows = 10;

    CPickListDlg(int nMode, QWidget* parent);

    // The book shown in address mode: by default "book.dat" in the application's first data
    // directory (none without one). Set it before the dialog shows.
    void SetBookPath(const std::string& strPath) { m_strBookPath = strPath; }
    // The person's contacts, listed (name and address) before the book's entries in the
    // address mode; their own file by default.
    void SetContactsPath(const std::string& strPath) { m_strContactsPath = strPath; }
    const std::string& GetBookPath() const { return m_strBookPath; }
    int GetMode() const { return m_nMode; }

    // List mode: true offers the effect kinds, false the sounds for objects. Set it before
    // the dialog shows.
    bool m_bEffects = false;

    // Results, set by OK or a double click on a row. The row chosen, -1 when none was.
    int m_nSelected = -1;
    // Effects: the chosen row of the effect table (it lives as long as the table).
    const EffectKind* m_pEffect = nullptr;
    // Sounds: the chosen record of the application's catalogue; null for "Voice" or none.
    const CHeaderObject* m_pSound = nullptr;
    // Sounds: "Voice" was chosen.
    bool m_bVoice = false;
    // Sounds: when set before the dialog shows, the first row offers a wave file of the
    // person's own; m_bWaveFile says it was chosen (the caller asks for the file).
    bool m_bOfferWaveFile = false;
    bool m_bWaveFile = false;
    // The chosen row's text (address mode: the recipients text); empty when
    // none was chosen.
    std::string m_strSelected;

    // The list: each row's text under Qt::UserRole + 1 and, in list mode, its effect
    // kind or catalogue record under Qt::UserRole (a pointer as an unsigned number, 0 for
    // "Voice").
    QListWidget* List() const { return m_pList; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    // The caption strip painted on the face: "CAPTION_ADDRESS", "CAPTION_EFFECTS" or
    // "CAPTION_SOUNDS" (empty before the dialog first shows).
    const std::string& GetCaptionName() const { return m_strCaption; }
    // The address book could not be read whole: it shows what was read and is never written.
    bool IsBookDamaged() const { return m_bBookDamaged; }

    // The list's first visible row.
    int TopRow() const;

    // Page buttons (and Page keys in the list).
    void PageUp();
    void PageDown();

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    void FillAddresses();
    void FillEffects();
    void FillSounds();
    void OnOK();
    void OnDelete();
    void SetTopRow(int nRow);

    int m_nMode;
    std::string m_strBookPath;
    bool m_bFilled = false;
    bool m_bBookDamaged = false;
    std::string m_strCaption;
    QImage m_caption;
    QListWidget* m_pList;
    std::string m_strContactsPath;
};
