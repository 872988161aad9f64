// The window that lists the kept copies of greetings, in one of two modes: at the start, the
// recovery copies an editor that ended left (Open, Save as, Discard, or Later), or the earlier
// versions of one greeting (Open or Close). It does no file work itself: the caller gives it
// the rows and does what the person chooses through the handler. Texts are UTF-8.
#pragma once

#include "editor/skin/skin.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;

// Control numbers. Later and Close take the same place and number: each leaves every copy as
// it is.
constexpr int IDC_KC_LIST = 1295;
constexpr int IDC_KC_OPEN = 1296;
constexpr int IDC_KC_SAVEAS = 1297;
constexpr int IDC_KC_DISCARD = 1298;
constexpr int IDC_KC_LATER = 1299;
constexpr int IDC_KC_CLOSE = IDC_KC_LATER;

enum class KeptMode { recovery, versions };

struct KeptRow {
    std::string strName; // the greeting's name (UTF-8)
    std::string strOriginal; // where it came from: its own file's path; empty = never saved
    int64_t nTime = 0; // when it was kept, seconds since the epoch
    int64_t nSize = 0; // bytes
    bool bReadable = true;
    std::string strProblem; // what is wrong when not readable (already translated)
    QImage still; // may be null: a placeholder shows until SetStill gives it
};

enum class KeptAction { open, saveAs, discard };

class CKeptCopiesDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // The versions' caption names the greeting of the first row.
    CKeptCopiesDlg(KeptMode mode, std::vector<KeptRow> rows, QWidget* parent = nullptr);

    // Called for the chosen row (nRow: its index in the rows given). True when the action was
    // done: after open the window closes (accepted); after save as and discard the row leaves
    // the list, and the window closes (accepted) when no row is left. False: nothing changes
    // (the caller has said why). Without a handler nothing is done. Discard asks the person
    // first and calls the handler only on yes. Later, Close and Escape close the window
    // (rejected), every copy kept.
    using Handler = std::function<bool(KeptAction, int nRow)>;
    void SetHandler(Handler handler) { m_handler = std::move(handler); }
    // A still picture that came later for that row (an index in the rows given); one for a
    // row no longer listed is dropped.
    void SetStill(int nRow, const QImage& still);

    KeptMode Mode() const { return m_mode; }
    QListWidget* List() const { return m_pList; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    // The chosen row's index in the rows given, -1 when none is chosen.
    int CurrentRow() const;

    // The size a still is shown at, in logical pixels.
    static constexpr int kStillWidth = 160;
    static constexpr int kStillHeight = 120;

protected:
    void OnCommand(int nId) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddRow(int nRow);
    void ShowStill(QListWidgetItem* item, const QImage& still);
    QListWidgetItem* ItemOf(int nRow) const;
    void EnableButtons();
    void Act(KeptAction action);
    void RemoveChosen();

    KeptMode m_mode;
    std::vector<KeptRow> m_rows;
    Handler m_handler;
    QString m_strCaption;
    QLabel* m_pExplanation;
    QListWidget* m_pList;
};
