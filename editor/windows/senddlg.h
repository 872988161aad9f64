// The send dialog: who the greeting goes to, its subject and its message, the player switch
// (the player's data goes with the greeting), the mail options and the address book. Send
// saves a disposable copy of the project as it is in the editor, unsaved changes included,
// into a private folder, starts the mail worker on it and closes; anything that stops the send
// from starting is said, and the dialog stays with everything typed.
#pragma once

#include "editor/core/mailsettings.h"
#include "editor/skin/skin.h"
#include "editor/windows/greetingsource.h"

#include <atomic>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class CMailOptionsDlg;
class CMailThread;
class CPickListDlg;
class CRecorderDlg;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Control numbers.
constexpr int IDC_SM_TO = 1226;
constexpr int IDC_SM_SUBJECT = 1227;
constexpr int IDC_SM_TEXT = 1225;
constexpr int IDC_SM_SEND = 1;
constexpr int IDC_SM_CANCEL = 2;
constexpr int IDC_SM_OPTIONS = 1229;
constexpr int IDC_SM_PLAYER = 1228;
constexpr int IDC_SM_ADDRESSES = 1234;
constexpr int IDC_SM_VOICEMAIL = 1262;
constexpr int IDC_SM_MAILPROGRAM = 1263;
constexpr int IDC_SM_LATER = 1264;
constexpr int IDC_SM_YEARLY = 1265;

class CSendMailDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // The mail settings start from the saved ones (CMailSettings).
    explicit CSendMailDlg(CGreetingSource& source);
    // Stops the estimate of the message's size and waits for it.
    ~CSendMailDlg() override;

    // The dialogs it opens run through these; by default modally. Tests put their answers in.
    using OptionsRunner = std::function<bool(CMailOptionsDlg&)>;
    using PickerRunner = std::function<bool(CPickListDlg&)>;
    using RecorderRunner = std::function<bool(CRecorderDlg&)>;
    void SetRecorderRunner(RecorderRunner runner) { m_runRecorder = std::move(runner); }
    void SetOptionsRunner(OptionsRunner runner) { m_runOptions = std::move(runner); }
    void SetPickerRunner(PickerRunner runner) { m_runPicker = std::move(runner); }
    // Starts the worker; by default StartMailThread. False when it did not start.
    using Starter = std::function<bool(std::unique_ptr<CMailThread>)>;
    void SetStarter(Starter starter) { m_start = std::move(starter); }

    QLineEdit* Field(int nId) const;
    QPlainTextEdit* Text() const { return m_pText; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    bool IsPlayerOn() const { return m_bSendPlayer; }
    const std::string& GetServer() const { return m_settings.m_strServer; }
    const std::string& GetAddress() const { return m_settings.m_strAddress; }
    const CMailSettings& GetMailSettings() const { return m_settings; }
    // Why the last Send did not start (empty when it did, or before one).
    const std::string& GetRefusal() const { return m_strRefusal; }
    bool IsMailProgramOn() const { return m_bMailProgram; }
    // "Voice mail": the recorded message that plays from the greeting's first frame in the
    // copy that is sent (empty: none).
    const std::vector<uint8_t>& VoiceMessage() const { return m_voice; }
    // The line under the message that says what goes in it and about how large it is.
    QLabel* SizeLine() const { return m_pSizeLine; }
    // Whether the estimate of the size has come back (for tests).
    bool IsEstimateDone() const { return m_bEstimateShown; }
    // "Send on": the greeting goes into the outbox for the time in When() instead of now;
    // "every year on their birthday": for each recipient's birthday, every year.
    bool IsLaterOn() const { return m_bLater; }
    bool IsYearlyOn() const { return m_bYearly; }
    QDateTimeEdit* When() const { return m_pWhen; }
    // Where planned greetings go (by default the person's outbox), and the clock (for tests).
    void SetOutbox(std::string outbox) { m_strOutbox = std::move(outbox); }
    void SetClock(std::function<std::time_t()> clock) { m_clock = std::move(clock); }
    // The ids of the messages the last planned send put into the outbox.
    const std::vector<std::string>& PlannedIds() const { return m_planned; }

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;

private:
    // Runs the mail options; with a note, the password field is the one to type into. False
    // when they were cancelled.
    bool OpenOptions(const std::string& strPasswordNote = {});
    // The login's password for the worker: the one kept for this session, or, with no keyring
    // to look it up in, the one asked for now. False when the send cannot go (it was not given).
    bool PasswordForSend(std::string& password);
    void PickAddress();
    // "Voice mail": records a message in the recorder, or, when there is one, lets it go.
    void ToggleVoiceMail();
    // Gives the copy at strCopy the recorded message from its first frame; false after saying
    // why it cannot.
    bool AddVoiceTo(const std::string& strCopy);
    void OnSend();
    // The worker as the dialog's texts and settings make it, without the greeting's copy.
    std::unique_ptr<CMailThread> MakeWorker() const;
    // Puts the greeting into the outbox for its day instead of sending it now.
    void Plan();
    void SetLater(bool bLater);
    // The time "Send on" offers: a single recipient's next birthday at 8:00, else tomorrow's.
    void OfferTime();
    std::time_t Now() const;
    // Says why the send does not start and keeps the dialog.
    void Refuse(const QString& why);
    // Why the typed texts and settings cannot be sent, or empty.
    QString WhyNotSendable() const;
    // "There is no greeting to send." when the editor holds none; else empty.
    QString NoGreetingReason() const;
    // Makes the greeting's picture, video and file from a copy, on a thread of its own, to say
    // before sending what goes in the message and about how large it is. A running estimate is
    // stopped first.
    void StartEstimate();
    void StopEstimate();

    CGreetingSource& m_source;
    QLineEdit* m_pTo;
    QLineEdit* m_pSubject;
    QPlainTextEdit* m_pText;
    bool m_bSendPlayer = false;
    bool m_bVoiceMail = false;
    bool m_bMailProgram = false;
    bool m_bLater = false;
    bool m_bYearly = false;
    QDateTimeEdit* m_pWhen;
    std::string m_strOutbox;
    std::function<std::time_t()> m_clock;
    std::vector<std::string> m_planned;
    QLabel* m_pSizeLine;
    bool m_bEstimateShown = false;
    uint64_t m_nEstimate = 0; // which estimate is the latest (the window's thread only)
    std::thread m_estimate;
    std::shared_ptr<std::atomic<bool>> m_pStopEstimate;
    CMailSettings m_settings; // UTF-8 as the settings keep them
    std::string m_strRefusal;
    OptionsRunner m_runOptions;
    PickerRunner m_runPicker;
    RecorderRunner m_runRecorder;
    std::vector<uint8_t> m_voice;
    Starter m_start;
};
