// The mail worker: sends one greeting on a thread of its own so that the editor stays usable.
// It talks to one mail server, streams the message with the player bundle as its attachment,
// shows the outcome, removes its files and, after a successful send with the player's data,
// records the recipients in the address book. At most one worker is started at a time.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

class CMailCancel;
struct CMailMedia;
class CSmtpConnection;

// What the worker asks of the program around it. The editor implements it with its activity
// animation and its large message box, in a host that lives as long as the process and drops
// the calls once its window has gone; without one, the result text is printed.
class IMailHost {
public:
    virtual ~IMailHost() = default;
    // A send has been started: the activity animation runs. Called on the starting thread.
    virtual void StartActivity() { }
    // The talk with the server is over: the animation stops. Called on the worker's thread.
    virtual void StopActivity() { }
    // Shows the result box and returns when the person has closed it. strText is the box's
    // whole text: after a failure the "err.msg" letter and, last, a paragraph "What failed:"
    // with the cause; strReason is that cause alone, in a line (empty after a successful
    // send). Called on the worker's thread; never after the send was cancelled.
    virtual void ShowResult(
        const std::string& strText, bool bSucceeded, const std::string& strReason)
        = 0;
    // How far the making of the message has come: what is being done ("Drawing the
    // greeting", in the person's language) and
    // the work done of the whole. Called on the worker's thread.
    virtual void ShowProgress(const std::string& /*strStep*/, int /*nDone*/, int /*nTotal*/) { }
};

class CMailThread {
public:
    // Takes the data directory ("DataFiles1") and the time-out ("MailTimeout", in seconds,
    // 60 when not set) from the settings.
    CMailThread();
    ~CMailThread();
    CMailThread(const CMailThread&) = delete;
    CMailThread& operator=(const CMailThread&) = delete;

    std::string m_strTo; // recipients as typed: addresses apart by ',', ';' or blanks
    std::string m_strFrom; // the sender: envelope sender and "From:" header
    std::string m_strSubject;
    std::string m_strProjectPath; // a disposable project file, consumed by the send; during the
                                  // send it names the attachment file instead
    std::string m_strText; // the message text, lines apart by "\r\n"
    std::string m_strServer; // host name or address of the mail server, ":PORT" after it
                             // when the port is not 25
    bool m_bSendPlayer = false; // put "play.dat" into the bundle, and record the recipients
    // How the talk with the server is protected: mailSecurityPlain as mail always went (HELO;
    // with a user, EHLO and a login to this machine only), mailSecurityStartTls (EHLO, then
    // STARTTLS, required) or mailSecurityTls (TLS from the first byte). See mail/smtp.h.
    int m_nSecurity = 0;
    std::string m_strUser; // the login name; empty: no login
    std::string m_strPassword; // the login's password when the starter knows it; empty with a
                               // user: looked up in the desktop's secret service by the worker
    bool m_bPreview = false; // the text goes with an HTML version showing the greeting as an
                             // inline animated picture (multipart/alternative)
    bool m_bAttachPlayer = true; // the self-playing attachment goes with the message
    // With the preview: "NAME.mp4", the greeting as a video with its sound, and "NAME.kel",
    // the greeting file itself, go with the message as attachments.
    bool m_bAttachVideo = true;
    bool m_bAttachGreeting = true;
    // Hand the greeting to the person's own mail program instead of a mail server: the
    // picture, the video and the greeting file are prepared into OutgoingFolder() and given,
    // with the recipients, the subject and the text, to "xdg-email". No server is needed.
    bool m_bMailProgram = false;
    // With the preview: each recipient gets a message of their own, with only their address on
    // the To line, and "{name}" and "{first}" in the subject, the text and the greeting's own
    // texts become their name (from the contacts, else the address before "@").
    bool m_bEachRecipient = true;
    std::string m_strPreparedFolder; // after a hand-off, where the files were prepared
    // The largest message sent when the server announces no SIZE ("MailSizeLimit").
    int64_t m_nSizeLimit = 0;
    bool m_bFailed = false; // set by the first failing step

    int m_nTimeoutSeconds = 60; // the longest wait for connecting and for each reply
    std::string m_strDataDir; // where "play.exe", "play.dat", "err.msg" and "book.dat" are
    IMailHost* m_pHost = nullptr; // not owned; null: the result text goes to standard output
    std::string m_strOwnedFolder; // when set, a folder of the starter's (the one holding the
                                  // disposable project) that the worker removes, with what is
                                  // left in it, when it ends
    // When the person pressed Send: the elapsed time counts from it (when unset, from Run).
    std::chrono::steady_clock::time_point m_sendPressed {};
    std::time_t m_nStartTime = 0; // when not 0, the time the message is dated with instead of
                                  // the clock's (for messages that must come out the same)
    std::string m_strFailure; // why the send failed, in a line (empty while it has not)
    std::string m_strRefused; // the recipients the server refused while it took the message
                              // for others, with its answers; the result text names them
    std::string m_strLeftOut; // what the message went without, and why ("the video is left
                              // out: ..."); the result text says it
    std::string m_strSentTo; // with a message for each recipient: who got theirs
    bool m_bCancelled = false; // the send was cancelled (set by Run when it ends)
    bool m_bNoPassword = false; // the send failed because no password was known for the login

    // For a sender that must deliver each message exactly once (the outbox): called right
    // before "DATA"; when it returns false the talk ends with "QUIT" and nothing is sent.
    std::function<bool()> m_beforeData;
    // Called with the server's reply to the end of the data: true when it took the message.
    std::function<void(bool bTaken, const std::string& strReply)> m_afterData;
    // After a failure: the end of the data had gone out but no reply to it came, so the server
    // may have taken the message. (Before the end, a broken talk leaves nothing delivered.)
    bool m_bMaybeDelivered = false;

    // The whole send, on the calling thread. Returns 1 when the greeting was accepted by the
    // server, 0 otherwise. The project file is gone afterwards, whatever happened.
    int Run();
    // Asks Run to stop: safe from any thread while this object lives (for a started worker,
    // whose object its thread deletes, use CancelMailSend). Run checks between its steps, and
    // a wait for the server (connecting, sending, a reply) ends at once; a host-name lookup in
    // progress runs to its end first. A cancelled send shows no result box (the activity still
    // stops), records nothing in the address book, removes the worker's files and returns 0
    // unless the server had taken the message already.
    void Cancel();

private:
    // The "To:" header: m_strTo, with the contacts' name for it when a personal send has one.
    std::string ToHeader() const;
    std::string m_strToName;

    friend bool StartMailThread(std::unique_ptr<CMailThread> thread);
    void Fail(const std::string& reason);
    bool IsCancelled() const;
    void Converse(CSmtpConnection& connection, std::time_t start);
    void HandOff();
    // One talk with the server for the message to m_strTo.
    void SendOnce(std::time_t start);
    // A message of its own for every recipient, one talk with the server each.
    void SendToEach(std::time_t start);
    // The password of m_strUser: m_strPassword, or the one the secret service keeps. False
    // after failing the send.
    bool LoginPassword(std::string& password);
    // After the greeting: HELO, or EHLO with STARTTLS and the login the settings ask for.
    // sizeLimit is the largest message the server takes (0: it says none). False after
    // failing the send.
    bool Hello(CSmtpConnection& connection, const std::string& password, int64_t& sizeLimit);
    bool Command(CSmtpConnection& connection, const std::string& line, int expectedClass);
    void Quit(CSmtpConnection& connection);
    bool PrepareAttachment();
    // The picture, the video and the greeting file for a message of at most nLimit bytes whose
    // other rows and attachments take nOtherBytes, into folder. False after failing the send.
    bool PrepareMedia(
        CMailMedia& media, int64_t nOtherBytes, int64_t nLimit, const std::string& folder);
    std::string ResultText(int64_t elapsedSeconds) const;

    std::string m_strWorkDir; // private folder of the temporary project copy, the bundle,
                              // the attachment and "$$$.mim"
    std::string m_strMimePath; // "$$$.mim" once made
    std::string m_strPartsFolder = "parts"; // in the work folder: the picture, video and file
    bool m_bShareMedia = false; // the picture and the video are the same for every recipient
    std::unique_ptr<CMailMedia> m_pSharedMedia; // made for the first, sent to the others
    std::shared_ptr<CMailCancel> m_pCancel; // shared with CancelMailSend while started
};

// The running worker, null when none. Set by StartMailThread, cleared by the worker as soon as
// the person has closed its result box. Other threads may test it but never use the object.
extern std::atomic<CMailThread*> g_pMailThread;

// Starts the worker on its own thread; the thread owns it from then on and deletes it when
// Run returns. Calls the host's StartActivity first. False, with nothing started, while
// another worker is set in g_pMailThread or the thread cannot be made.
bool StartMailThread(std::unique_ptr<CMailThread> thread);
// True while a worker is set and its thread has not ended: leaving the program would end the
// send.
bool IsSendInProgress();
// Cancels the started worker (CMailThread::Cancel) if one is running; false when none is.
// Safe from any thread at any time: it never touches a worker object that may have gone.
bool CancelMailSend();
// Waits until every worker thread has ended.
void WaitForMailThreads();
// The same, for at most timeout; true when every worker thread has ended.
bool WaitForMailThreads(std::chrono::milliseconds timeout);

// Turns the disposable project file at projectPath into the attachment: workDir/NAME.exe,
// NAME being AttachmentStem(projectPath), holding the bundle of the data directory's
// "play.exe", with bSendPlayer its "play.dat", and the project (the bundle's name field is NAME
// too). The project file is consumed. workDir holds the temporary copy of the project and the
// bundle meanwhile (the project's own folder when workDir is empty). Returns the attachment's
// path; reason is empty on success and otherwise says in a line what failed, beginning "the
// attachment could not be built: " (the details have been shown); the returned file, when it
// exists, must then not be sent, only deleted.
std::string MakeAttachment(const std::string& projectPath, const std::string& dataDir,
    bool bSendPlayer, const std::string& workDir, std::string& reason);

// The program's title, and the address people write to for help with the program: the
// failure letter's fourth text, after the title three times.
constexpr char kApplicationTitle[] = "Vimble e-mail";
constexpr char kHelpAddress[] = "greetings@vimble-email.example";
