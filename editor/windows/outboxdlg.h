// The outbox window: the greetings planned for a day, the soonest first, each with its time,
// recipient, subject and state, and Send now, Don't send, Open and Remove for the one chosen.
// A send now runs on a thread of its own while the window stays usable; the list is read again
// after each command and every 30 seconds while the window is open. Texts are UTF-8.
#pragma once

#include "editor/skin/skin.h"
#include "mail/outbox.h"

#include <QTimer>

#include <functional>
#include <string>
#include <thread>
#include <vector>

class QListWidget;
class QListWidgetItem;

// Control numbers.
constexpr int IDC_OB_LIST = 1285;
constexpr int IDC_OB_SENDNOW = 1286;
constexpr int IDC_OB_CANCEL = 1287;
constexpr int IDC_OB_OPEN = 1288;
constexpr int IDC_OB_REMOVE = 1289;
constexpr int IDC_OB_CLOSE = 1;

class COutboxDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // Shows the outbox in the folder strOutbox (the person's own by default).
    explicit COutboxDlg(std::string strOutbox = OutboxPath(), QWidget* parent = nullptr);
    // Waits for a send now that is still running.
    ~COutboxDlg() override;

    // Open hands the chosen greeting's file to this (the editor opens it) and closes the
    // window; without one, Open does nothing.
    using Opener = std::function<void(const std::string& path)>;
    void SetOpener(Opener opener) { m_open = std::move(opener); }
    // The clock the sends and the states go by (for tests).
    void SetClock(std::function<std::time_t()> clock) { m_clock = std::move(clock); }

    QListWidget* List() const { return m_pList; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    // Chooses the row of the entry with this id (a damaged folder's id too); false when there
    // is none.
    bool Choose(const std::string& strId);
    // Reads the outbox again and shows it, keeping the chosen row.
    void Refresh();
    // Whether a send now is running.
    bool IsSending() const { return m_sender.joinable(); }
    // What the last send now did (empty before one).
    const COutboxReport& LastReport() const { return m_lastReport; }
    // What the last command said to the person (empty when it said nothing).
    const std::string& GetMessage() const { return m_strMessage; }
    // How often the list is read again while the window is open.
    static constexpr int kRefreshMs = 30000;

    void reject() override;

protected:
    void OnCommand(int nId) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // A row's kind of thing: an entry, a damaged folder, or the line of an empty outbox.
    enum class RowKind { entry, damaged, empty };
    struct CRow {
        RowKind kind = RowKind::empty;
        std::string strId;
        COutboxEntry entry; // for an entry
    };

    const CRow* Chosen() const;
    // The buttons that apply to the chosen row, none while a send runs.
    void EnableButtons();
    void SendNow();
    void CancelChosen();
    void OpenChosen();
    void RemoveChosen();
    // Back on the window's thread when the send now has ended.
    void SendEnded(const COutboxReport& report);
    std::time_t Now() const;
    void Say(const QString& text);

    std::string m_strOutbox;
    QListWidget* m_pList;
    QTimer m_refresh;
    std::vector<CRow> m_rows;
    bool m_bFilled = false; // the list has been filled once
    Opener m_open;
    std::function<std::time_t()> m_clock;
    std::thread m_sender;
    std::string m_strSendingId; // the entry the running send now is for
    COutboxReport m_lastReport;
    std::string m_strMessage;
};
