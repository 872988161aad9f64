// The emoji picker of the text dialog: a small window of the greetings' emoji in groups (cakes
// and party, gifts, hearts, flowers, stars, seasons and holidays, faces, animals, food), with a
// search by name in English and in the program's language. A click, Return or Space on an
// emoji sends Chosen with it and leaves the picker open for the next one; Escape or a click
// elsewhere closes it. The keys: the arrows move through the emoji (Up from the first row
// goes to the groups, Down from the search field to the emoji), Left and Right move through
// the groups, Home and End, Page Up and Page Down through the emoji, Tab from the search to
// the groups to the emoji.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <vector>

class QAbstractButton;
class QLineEdit;
class CSkinToolTip;

// One emoji of the picker: its characters (UTF-8) and its English name, marked for the
// translators in the context "Emoji".
struct CEmoji {
    const char* szText;
    const char* szName;
    int nGroup; // index into PickerGroups()
};

struct CEmojiGroup {
    const char* szName; // English, context "Emoji"
    const char* szIcon; // the emoji that stands for the group on its tab
};

const std::vector<CEmojiGroup>& PickerGroups();
// The emoji in picker order: group by group.
const std::vector<CEmoji>& PickerEmoji();

// An emoji's name in the program's language.
QString EmojiName(const CEmoji& emoji);
// True when every word of the query is part of the emoji's English name, or every word is part
// of its translated name; letter case and accents do not count ("gateau" finds "gâteau"). A
// blank query matches every emoji.
bool EmojiMatches(const CEmoji& emoji, const QString& query);

// The face of the button that opens the picker, drawn as the program's buttons are (a rounded
// paper button with a smiling face on it) at the device pixel ratio: nState 0 up, 1 pressed,
// 2 focused or pointed at, 3 disabled.
QImage EmojiButtonFace(const QSize& size, int nState, qreal ratio);

class CEmojiPicker : public QWidget {
    Q_OBJECT
public:
    // A popup window of parent's, hidden until Popup.
    explicit CEmojiPicker(QWidget* parent);
    ~CEmojiPicker() override;

    // Shows the picker beside the rectangle (global coordinates): below it where the screen
    // has room, above it otherwise, and the search field takes the keys.
    void Popup(const QRect& rcAnchor);

    // Shows the group's emoji; the search field is emptied.
    void ShowGroup(int nGroup);
    int CurrentGroup() const { return m_nGroup; }

    // For tests and for what a screen reader reads: the search field, the groups' tabs, the
    // emoji cells shown now (in order; all matches while the search holds a text, else the
    // group's) and the one the keys are on.
    QLineEdit* SearchField() const { return m_pSearch; }
    QAbstractButton* GroupTab(int nGroup) const;
    std::vector<QAbstractButton*> ShownCells() const;
    QAbstractButton* CurrentCell() const;
    // The emoji a cell shows.
    static QString CellText(const QAbstractButton* cell);

    static constexpr int kColumns = 8;
    static constexpr int kRows = 5;

signals:
    void Chosen(const QString& emoji);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class CCell;
    class CTab;
    class CGrid;

    void Filter();
    // Moves the keys' place to the shown cell at index (clamped), scrolled into view; the
    // focus goes with it when bFocus.
    void SetCurrent(int nIndex, bool bFocus);
    void StepCurrent(int nDelta);
    void Choose(const CCell* cell);
    void FocusTabs();
    void UpdateName();

    QLineEdit* m_pSearch = nullptr;
    CGrid* m_pGrid = nullptr;
    CSkinToolTip* m_pToolTip = nullptr;
    std::vector<CTab*> m_tabs;
    std::vector<CCell*> m_cells; // one per emoji, in PickerEmoji() order
    std::vector<CCell*> m_shown; // the cells the grid shows now
    int m_nGroup = 0;
    int m_nCurrent = 0; // index into m_shown
    QString m_strName; // lettered under the grid: the emoji the keys are on
};
