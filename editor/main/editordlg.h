// CEditorDialog: the window the person works in. It covers the screen with the 800 x 600 frame
// in the middle and grey margins around it, shows the open project in the stage view, owns the
// project with its document state, and is the parent of the menus and the main toolbar. Every
// command of the editor passes through OnCommand.
#pragma once

#include "editor/core/mailwindow.h"
#include "editor/editing/editinghost.h"
#include "editor/main/keeper.h"
#include "editor/windows/greetingsource.h"
#include "model/projectfile.h"
#include "platform/dc.h"
#include "platform/message.h"
#include "platform/types.h"
#include "playback/controller.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>

class CDropDownMenu;
class CMainToolbar;
class CObjectEditor;
class CToolbox;
class CMyBitmapButton;
class CProjectDoc;
class CSkinToolTip;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;

// File menu.
constexpr int ID_FILE_NEW = 1003;
constexpr int ID_FILE_OPEN = 1004;
constexpr int ID_FILE_CLOSE = 1005;
constexpr int ID_FILE_SAVE = 1006;
constexpr int ID_FILE_SAVEAS = 1007;
constexpr int ID_FILE_SENDMAIL = 1008;
constexpr int ID_FILE_EXIT = 1009;
constexpr int ID_FILE_PLAY = 1023;
constexpr int ID_FILE_EXPORT = 1238;
constexpr int ID_FILE_EXPORTVIDEO = 1300; // a number of its own: the player uses 1239
constexpr int ID_FILE_CONTACTS = 1301;
constexpr int ID_FILE_OUTBOX = 1302;
constexpr int ID_FILE_VERSIONS = 1304; // the earlier versions of the open greeting
// Edit menu.
constexpr int ID_EDIT_UNDO = 1010;
constexpr int ID_EDIT_REDO = 1011;
constexpr int ID_EDIT_CUT = 1012;
constexpr int ID_EDIT_COPY = 1013;
constexpr int ID_EDIT_PASTE = 1014;
constexpr int ID_EDIT_DELETE = 1015;
constexpr int ID_EDIT_SELECTALL = 1059;
constexpr int ID_EDIT_PROPERTIES = 1060;
// View menu.
constexpr int ID_VIEW_LIBRARIES = 1061;
constexpr int ID_VIEW_EFFECTS = 1018;
constexpr int ID_VIEW_TOOLBOX = 1048;
constexpr int ID_VIEW_LAYERMANAGER = 1021;
constexpr int ID_VIEW_IMPORTIMAGE = 1062;
constexpr int ID_VIEW_IMPORTMIDI = 1063;
constexpr int ID_VIEW_HELP = 1303; // the manual, as F1 opens it
// Background menu.
constexpr int ID_BKGND_COLOR = 1067;
constexpr int ID_BKGND_DELETE = 1068;
constexpr int ID_BKGND_LIBRARY = 1016;
constexpr int ID_BKGND_DELETESOUND = 1202;
constexpr int ID_BKGND_SOUNDS = 1101;
constexpr int ID_BKGND_PASTE = 1014;
constexpr int ID_BKGND_LAYERMANAGER = 1204;
constexpr int ID_BKGND_PROPERTIES = 1060;
// Object menu (1060 there is the object's own properties, routed apart from the edit menu's).
constexpr int ID_OBJ_UP = 1026;
constexpr int ID_OBJ_DOWN = 1027;
constexpr int ID_OBJ_TOP = 1072;
constexpr int ID_OBJ_BOTTOM = 1075;
constexpr int ID_OBJ_DELETE = 1217;
constexpr int ID_OBJ_PROPERTIES = 1060;
constexpr int ID_OBJ_IMPORTSOUND = 1218;
constexpr int ID_OBJ_SPEECH = 1219; // a spoken text for the object
constexpr int ID_OBJ_RECORDSOUND = 1294; // a sound recorded from the microphone
// Window buttons.
constexpr int ID_WND_FILE = 1045;
constexpr int ID_WND_EDIT = 1046;
constexpr int ID_WND_VIEW = 1047;
constexpr int ID_WND_MINIMIZE = 1235;
constexpr int ID_WND_CLOSEAPP = 1236;

// The activity animation's timer and its frames.
constexpr int ID_ACTIVITY_TIMER = 1;
constexpr int ACTIVITY_FRAMES = 16;
constexpr int ACTIVITY_INTERVAL_MS = 100;

// The open drop-down menu.
constexpr int MENU_NONE = -1;
constexpr int MENU_FILE = 0;
constexpr int MENU_EDIT = 1;
constexpr int MENU_VIEW = 2;

class CEditorDialog : public QDialog,
                      public IPlayerWindow,
                      public CObjectEditorHost,
                      public CGreetingSource,
                      public CMailWindow,
                      private IKeeperHost {
    Q_OBJECT
public:
    // Document states.
    enum DocState : uint8_t {
        docNone = 0,
        docOpened = 1,
        docNewChanged = 2,
        docOpenedChanged = 3,
        docNew = 4
    };

    // The stage view's geometry (kFrameWidth, kStageLeft, ...) is CObjectEditorHost's.

    explicit CEditorDialog(QWidget* parent = nullptr);
    ~CEditorDialog() override;

    // Geometry: the frame's top-left corner on a screen of that size, and the stage point under
    // a screen point.
    static QPoint FrameOrigin(const QSize& screen);
    static CPoint StagePointFromScreen(const QPoint& ptScreen, const QSize& screen);
    QPoint GetFrameOrigin() const override { return m_ptFrame; }
    // Keeps a movable tool window right of the main toolbar while it is dragged.
    void KeepRightOfToolbar(class CSkin& skin);

    // The folder the open/save front starts in; empty means the export directory.
    void SetStartFolder(const std::string& strFolder) { m_strStartFolder = strFolder; }

    // A command from a menu, a button or a key. Open menus close first.
    void OnCommand(int nId);
    bool IsCommandEnabled(int nId) const;

    // The document operations. Each returns true when it completed.
    bool NewProject();
    bool OpenProject();                      // asks for the file
    bool OpenProjectFile(const std::string& strPath);
    // Closes the project; bCloseCommand: this is the close command itself (not the first step of
    // new, open or exit). False when the person cancelled.
    bool CloseProject(bool bCloseCommand);
    // Save writes the project to its file; a new project, or one whose folder takes no files,
    // asks for the place as Save As does.
    bool SaveProject();
    bool SaveProjectAs();
    // Writes the greeting as it is now, changes not yet saved included, to strPath: the private
    // copy a send or an export works from. It runs on the file worker like a save, its progress
    // window over pOver (the editor when null); false, said, when it cannot be written.
    bool SaveCopyTo(const std::string& strPath, QWidget* pOver = nullptr) override;
    // Opening and saving run on a thread of their own; work that lasts longer than the delay
    // (half a second unless set) shows the progress window. Tests set 0 to see it every time
    // and observe it while it shows.
    void SetFileProgressDelay(int nMs) { m_nFileProgressDelayMs = nMs; }
    using FileProgressObserver = std::function<void(class CFileProgressDlg&)>;
    void SetFileProgressObserver(FileProgressObserver observer)
    {
        m_observeFileProgress = std::move(observer);
    }
    // True while a project file is being read or written.
    bool IsFileWorkRunning() const { return m_bFileWork; }
    // The greetings an editor that ended left unsaved: offered in the recovery window, where
    // each can be opened (as changed, with its own path when it had one), saved as a file, or
    // discarded; those left alone are offered again at the next start. Nothing without any.
    void OfferRecovery();
    // Opens a recovery copy as the open greeting (the open one is closed first, asking about
    // its changes); false, said, when it cannot be read.
    bool OpenRecoveredCopy(const keeping::RecoveryCopy& copy);
    // The earlier versions of the open greeting, in their window: one opens as a new greeting.
    void OpenEarlierVersions();
    // Opens a kept version of the open greeting as a new, unsaved greeting.
    bool OpenEarlierVersion(const keeping::EarlierVersion& version);
    // The recovery and versions windows run modally; tests drive them through their runner.
    using KeptCopiesRunner = std::function<void(class CKeptCopiesDlg&)>;
    void SetKeptCopiesRunner(KeptCopiesRunner runner) { m_runKeptCopies = std::move(runner); }
    // The keeper of the open greeting's recovery copy.
    CGreetingKeeper& Keeper() const { return *m_pKeeper; }
    // Leaves the editor (asks first while a mail is being sent). False when it stays.
    bool Exit();
    // A change to the project: new projects become "new, changed", others "opened, changed".
    void SetModified();

    int GetDocState() const { return m_nDocState; }
    CProjectDoc* GetDoc() const override { return m_pDoc.get(); }
    const std::string& GetPath() const override { return m_strPath; }
    int GetStateCode() const;
    CPlaybackController* GetPlayer() const { return m_pPlayer.get(); }
    CMainToolbar* GetToolbar() const { return m_pToolbar; }
    int GetOpenMenu() const { return m_nOpenMenu; }
    CDropDownMenu* GetMenu(int nMenu) const;
    CDropDownMenu* GetBackgroundMenu() const { return m_pBackgroundMenu; }
    // The menus from the keys: F10 or Alt opens the File menu with its first row focused,
    // Left and Right go to the menu beside it, Escape closes it; Shift+F10 or the menu key opens
    // the object menu (objects selected) or the background menu over the stage.
    void OpenMenuFromKeys(int nMenu);
    void OpenContextMenuFromKeys();
    // The command a key press stands for (0: none): Ctrl+N new, Ctrl+O open, Ctrl+S save,
    // Ctrl+Shift+S save as, Ctrl+W close, Ctrl+Q quit, Space play (pause and resume in the
    // player). Keys that a focused text field or button uses never reach the editor.
    int ShortcutCommand(const QKeyEvent& event) const;
    CDropDownMenu* GetObjectMenu() const { return m_pObjectMenu; }

    // The desktop's clipboard (clipboardcommands.cpp). Paste takes the newer of the editor's
    // own clipboard and the desktop's: its objects, or the desktop's picture (image data or
    // picture files) or text, which lands in the middle of the stage. Copy and cut put the
    // objects' picture on the desktop's clipboard as well.
    bool CanPaste() const;
    bool PasteFromClipboards();
    void CopyToClipboards(bool bCut);
    // Files dropped at a point of the window: a greeting (.kel) opens, asking first about the
    // open one's changes; pictures become objects with their middle there; a song becomes a
    // sound of the object under the point; others are named in a message.
    void DropFiles(const QStringList& files, QPoint ptWindow);
    // A command of the object menu (its 1060 is the selected object's properties).
    void OnObjectMenuCommand(int nId);
    bool IsObjectMenuCommandEnabled(int nId) const;

    // Editing: the tools, the selection and the history of the open project.
    CObjectEditor& Editing() const { return *m_pEditing; }
    // The toolbox, while it is open.
    CToolbox* GetToolbox() const { return m_pToolbox; }
    // The layer manager over the current stage (view menu and background menu). By default it
    // runs modally; tests drive it through their own runner.
    void OpenLayerManager();
    using LayerManagerRunner = std::function<void(class CLayerManagerDlg&)>;
    void SetLayerManagerRunner(LayerManagerRunner runner) { m_runLayerManager = std::move(runner); }
    // A wave file the person chooses (the front in import mode), or empty.
    std::string ChooseWaveFile() override;
    // The send dialog over the current project. By default it runs modally; tests drive it.
    void OpenSendDialog();
    using SendDialogRunner = std::function<void(class CSendMailDlg&)>;
    void SetSendDialogRunner(SendDialogRunner runner) { m_runSendDialog = std::move(runner); }
    // The contacts window (File menu); by default modal, tests drive it.
    void OpenContacts();
    using ContactsRunner = std::function<void(class CContactsDlg&)>;
    void SetContactsRunner(ContactsRunner runner) { m_runContacts = std::move(runner); }
    // The outbox window (File menu); by default modal, tests drive it. The greeting it opens
    // is opened here once it has closed.
    void OpenOutbox();
    using OutboxRunner = std::function<void(class COutboxDlg&)>;
    void SetOutboxRunner(OutboxRunner runner) { m_runOutbox = std::move(runner); }
    // Writes the greeting as a self-playing program "NAME.exe" (mode 0755) into the export
    // folder, asking before it replaces a file. Returns its path; empty when nothing was
    // written (said).
    std::string ExportPlayer();
    // Writes the greeting as an animated GIF or PNG, or a WebM or MP4 video with its sound: the
    // front asks for the file and its type, the export window shows the work. Returns the path
    // written; empty when nothing was (said, or cancelled).
    std::string ExportVideo();
    using ExportVideoRunner = std::function<void(class CExportVideoDlg&)>;
    void SetExportVideoRunner(ExportVideoRunner runner) { m_runExportVideo = std::move(runner); }
    void OpenToolbox();
    void CloseToolbox();
    // Sets the drawing tool and shows it in the toolbox.
    void ChooseTool(uint8_t nTool) override;
    // The project was changed by an edit, an undo or a redo: the document state follows (back
    // to unchanged when the history is where the file is), the stage is drawn again, and the
    // menus and the toolbar are refreshed.
    void OnProjectEdited() override;
    // Refreshes the enabled state of the toolbar buttons and menu items.
    void RefreshCommands() override { Refresh(); }
    QWidget* DialogParent() override { return this; }
    void RepaintStage() override { update(); }
    CMyBitmapButton* GetWindowButton(int nId) const;
    bool IsMinimised() const { return m_bMinimised; }

    // The activity animation (a mail being sent): SMANI001 ... SMANI016 in turn, else SMANISTOP.
    void SetActivity(bool bRunning) override;
    void SetActivityProgress(const std::string& strStep, int nPercent) override;
    int GetActivityPercent() const { return m_nActivityPercent; }
    QWidget* MailWindow() override { return this; }
    bool IsActivityRunning() const { return m_bActivityRunning; }
    int GetActivityFrame() const { return m_nActivityFrame; }

    // While suspended (a drag from the library browser) nothing is painted.
    void SuspendPainting(bool bSuspend) { m_bPaintingSuspended = bSuspend; }
    // The last composed 800 x 600 frame, as the screen shows it inside the margins: drawn at
    // the window's device pixel ratio (800 r x 600 r pixels, carrying r).
    const QImage& Composition() const { return m_composition; }
    // The stage view's last picture: the composed frame scaled smoothly to 616 x 462 logical
    // pixels at the device pixel ratio, the same way for the still and for a playing frame.
    const QImage& StageImage() const { return m_stageView; }

    // Paint timings of playing frames, for the measurement of the clock.
    struct PaintStats {
        int nFrames = 0;
        int64_t nLongestUs = 0;
        int64_t nTotalUs = 0;
        int64_t nFirstMs = -1; // when the first and the last playing frame were painted
        int64_t nLastMs = -1;
        // The part of the paints spent scaling the frame into the stage view.
        int64_t nScaleLongestUs = 0;
        int64_t nScaleTotalUs = 0;
    };
    const PaintStats& GetPaintStats() const { return m_paintStats; }
    // The timings since the last call (or since the start), and a fresh count from here.
    PaintStats TakeRecentPaintStats() { return std::exchange(m_recentStats, PaintStats()); }

    // IPlayerWindow
    void StartClock() override;
    void StopClock() override;
    void Repaint() override;
    void LeaveEditing() override;
    void ReturnToEditing() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void LayOut();
    void ToggleMenu(int nMenu);
    void CloseMenus();
    void Refresh();
    void SetDocState(DocState state);
    void Discard();
    void InstallProject(std::unique_ptr<class CAbstractMovie> movie, const std::string& strPath,
                        DocState state);
    void EnterPlayer(bool bAutoPlay);
    void ShowError(int nStringId);
    void Compose();
    // The faces at the device pixel ratio, and the composition and stage view made for it.
    void LoadFaces(qreal ratio);
    // Scales m_frame smoothly into the stage view; remembers how long it took.
    void ScaleFrameIntoView();
    void OnPlaybackTick();
    void OnActivityTick();
    std::string ChooseSavePath();
    // Writes the open project to strPath on the file worker (said when it fails). bKeep: the
    // file it replaces is kept first as its newest earlier version (a save, not a copy).
    bool SaveMovieTo(const std::string& strPath, QWidget* pOver = nullptr, bool bKeep = false);
    // IKeeperHost
    bool IsQuietForKeeping() const override;
    std::vector<uint8_t> StoreForKeeping(size_t nSizeHint) override;
    keeping::RecoveryAbout AboutForKeeping() const override;
    void SayNotKept(const std::string& strReason) override;
    void RunKeptCopies(class CKeptCopiesDlg& dlg);
    // A kept copy's or version's greeting, read on the file worker; null with the failure.
    std::unique_ptr<class CAbstractMovie> ReadKeptGreeting(const std::string& strProject,
                                                           platform::Message& failure);
    // Runs file work (nKind: CFileProgressDlg::Kind) off this thread, with the progress window.
    bool RunFileWork(uint8_t nKind, const std::string& strPath,
                     const std::function<bool(const FileProgress&)>& work,
                     QWidget* pOver = nullptr);
    std::string StartFolder() const;
    bool IsEditing() const;
    void UpdateCursor();
    // Drops are taken, and the desktop's clipboard is followed, from here on.
    void WatchDesktopClipboard();
    // The desktop's clipboard holds something pasteable that is newer than the editor's own.
    bool DesktopClipboardIsNewer() const;
    void ImportImage();
    void ChooseBackgroundColor();
    // The library browser: opened on a page (or switched to it), closed, and its drops.
    void OpenLibrary(int nPage);
    void CloseLibrary();
    bool DropPoint(QPoint ptWindow) const; // a drop at this point of the window counts
    // bCentred: the item's middle goes to the point rather than its top-left corner.
    void DropLibraryItem(const class CHeaderObject* pItem, QPoint ptWindow, bool bCentred = false);
    void DropEffect(int nKind, QPoint ptWindow);
    // Places the library browser's row as Return on it does (no drag): see OpenLibrary.
    void PlaceLibraryRow(int nRow);
    // Sound commands.
    void ImportMidi();
    void ImportWaveForSelected();
    // Records a sound in the recorder and gives it to the selected object from a frame.
    void RecordWaveForSelected();
    using RecorderRunner = std::function<bool(class CRecorderDlg&)>;
    void SetRecorderRunner(RecorderRunner runner) { m_runRecorder = std::move(runner); }
    void OpenProjectProperties();
    void ToggleMute();

    // The project.
    std::unique_ptr<CProjectDoc> m_pDoc;
    std::unique_ptr<CPlaybackController> m_pPlayer;
    std::string m_strPath;
    DocState m_nDocState = docNone;
    std::unique_ptr<CObjectEditor> m_pEditing;
    std::string m_strImportFolder; // where the last picture was imported from
    int m_nCursorShown = -1;
    // The turns of the two clipboards: the one changed last has the higher one.
    uint64_t m_nClipboardTurn = 0;
    uint64_t m_nOwnTurn = 0;
    uint64_t m_nDesktopTurn = 0;
    mutable int m_nDesktopPaste = -1; // what paste takes from the desktop's; -1: not looked at

    // Pictures.
    QImage m_backdropNoProject; // "MAIN_WND" with the welcome picture in the stage view
    QImage m_backdropProject;   // "MAIN_WND"
    std::array<QImage, ACTIVITY_FRAMES> m_activity;
    QImage m_activityStop;
    qreal m_fRatio = 0; // the device pixel ratio the faces and pictures below are made for
    QImage m_composition;                   // the window's 800 x 600 face, at m_fRatio
    QImage m_stageView;                     // 616 x 462 logical pixels, at m_fRatio
    CDC m_frame{kFrameWidth, kFrameHeight}; // the still or playing frame at full size
    int64_t m_nLastScaleUs = 0;
    bool m_bFullRedraw = true;
    bool m_bPlayerPaint = false; // this paint was asked for by the player
    bool m_bPaintingSuspended = false;

    // Windows.
    QPoint m_ptFrame;
    CMainToolbar* m_pToolbar = nullptr;
    std::array<CDropDownMenu*, 3> m_menus{};
    CDropDownMenu* m_pBackgroundMenu = nullptr;
    CDropDownMenu* m_pObjectMenu = nullptr;
    CToolbox* m_pToolbox = nullptr;
    class CLibraryBrowser* m_pLibrary = nullptr;
    int m_nOpenMenu = MENU_NONE;
    std::vector<CMyBitmapButton*> m_windowButtons;
    CSkinToolTip* m_pToolTip = nullptr;
    bool m_bMinimised = false;
    bool m_bLeaving = false;
    bool m_bAltAlone = false; // Alt is down and no other key came since
    std::string m_strStartFolder;

    // Clocks.
    QTimer m_playbackClock;
    QTimer m_activityClock;
    bool m_bActivityRunning = false;
    int m_nActivityPercent = -1; // how far the message is made while a send runs; -1: unknown
    int m_nActivityFrame = 0;
    PaintStats m_paintStats;
    PaintStats m_recentStats;
    QElapsedTimer m_life;
    LayerManagerRunner m_runLayerManager;
    SendDialogRunner m_runSendDialog;
    ContactsRunner m_runContacts;
    RecorderRunner m_runRecorder;
    OutboxRunner m_runOutbox;
    ExportVideoRunner m_runExportVideo;
    KeptCopiesRunner m_runKeptCopies;
    std::unique_ptr<CGreetingKeeper> m_pKeeper;
    // File work.
    bool m_bFileWork = false;
    int m_nFileProgressDelayMs = 500; // CFileProgressDlg::kDelayMs
    FileProgressObserver m_observeFileProgress;
};
