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
#include <functional>
#include <memory>
#include <string>
#include <thread>

class CMailOptionsDlg;
class CMailThread;
class CPickListDlg;
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
    // The line under the message that says what goes in it and about how large it is.
    QLabel* SizeLine() const { return m_pSizeLine; }
    // Whether the estimate of the size has come back (for tests).
    bool IsEstimateDone() const { return m_bEstimateShown; }

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
    void OnSend();
    // Says why the send does not start and keeps the dialog.
    void Refuse(const std::string& why);
    // Why the typed texts and settings cannot be sent, or empty.
    std::string WhyNotSendable() const;
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
    QLabel* m_pSizeLine;
    bool m_bEstimateShown = false;
    uint64_t m_nEstimate = 0; // which estimate is the latest (the window's thread only)
    std::thread m_estimate;
    std::shared_ptr<std::atomic<bool>> m_pStopEstimate;
    CMailSettings m_settings; // UTF-8 as the settings keep them
    std::string m_strRefusal;
    OptionsRunner m_runOptions;
    PickerRunner m_runPicker;
    Starter m_start;
};
