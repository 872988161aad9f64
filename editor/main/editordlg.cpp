#include "editor/main/editordlg.h"

#include "editor/core/app.h"
#include "editor/core/mailhost.h"
#include "editor/core/programsound.h"
#include "editor/core/prompts.h"
#include "editor/editing/editing.h"
#include "editor/main/help.h"
#include "editor/main/maintoolbar.h"
#include "editor/main/stagereader.h"
#include "editor/skin/ownresources.h"
#include "editor/skin/placement.h"
#include "editor/skin/skin.h"
#include "editor/windows/fileprogressdlg.h"
#include "editor/windows/toolbox.h"
#include "mail/mailthread.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "platform/scale.h"
#include "platform/strings.h"
#include "platform/text.h"
#include "playback/projectdoc.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QCursor>

namespace {

constexpr QRgb kMarginGrey = 0xFF808080;
constexpr int kActivityLeft = 258;
constexpr int kActivityTop = 0;

// Where each drop-down menu opens, in the frame: under its button.
constexpr QPoint kMenuPlaces[3] = {{420, 46}, {507, 46}, {595, 46}};
// The words "File", "Edit" and "View" the face draws beside the menu buttons: a press on a word
// is a press on its button.
constexpr QRect kMenuWords[3] = {{459, 20, 52, 23}, {546, 20, 52, 23}, {634, 20, 52, 23}};

struct WindowButton {
    const char* szName;
    int nId;
    QPoint pt;
    int nTip;
};
constexpr WindowButton kWindowButtons[] = {
    {"file", ID_WND_FILE, {432, 20}, 0},
    {"edit", ID_WND_EDIT, {519, 20}, 0},
    {"view", ID_WND_VIEW, {607, 20}, 0},
    {"closeapp", ID_WND_CLOSEAPP, {751, 13}, 10020},
    {"minimize", ID_WND_MINIMIZE, {751, 58}, 10019}};

using Rows = std::vector<std::pair<std::string, int>>;

const Rows& FileRows()
{
    static const Rows rows = {{"fmkenew", ID_FILE_NEW},         {"fmkeopen", ID_FILE_OPEN},
                              {"fmkeclose", ID_FILE_CLOSE},     {"fmkesave", ID_FILE_SAVE},
                              {"fmkesaveas", ID_FILE_SAVEAS},   {"fmkeversions", ID_FILE_VERSIONS},
                              {"fmkesendmail", ID_FILE_SENDMAIL},
                              {"fmkecontacts", ID_FILE_CONTACTS}, {"fmkeoutbox", ID_FILE_OUTBOX},
                              {"fmkeexe", ID_FILE_EXPORT},
                              {"fmkevideo", ID_FILE_EXPORTVIDEO}, {"fmkeplay", ID_FILE_PLAY},
                              {"fmkeexit", ID_FILE_EXIT}};
    return rows;
}

const Rows& EditRows()
{
    static const Rows rows = {{"undo", ID_EDIT_UNDO},           {"redo", ID_EDIT_REDO},
                              {"cut", ID_EDIT_CUT},             {"copy", ID_EDIT_COPY},
                              {"paste", ID_EDIT_PASTE},         {"delete", ID_EDIT_DELETE},
                              {"selectall", ID_EDIT_SELECTALL}, {"properties", ID_EDIT_PROPERTIES}};
    return rows;
}

const Rows& ViewRows()
{
    static const Rows rows = {{"libraries", ID_VIEW_LIBRARIES},
                              {"effects", ID_VIEW_EFFECTS},
                              {"drawnobjects", ID_VIEW_TOOLBOX},
                              {"layermanager", ID_VIEW_LAYERMANAGER},
                              {"importimage", ID_VIEW_IMPORTIMAGE},
                              {"importmidi", ID_VIEW_IMPORTMIDI},
                              {"help", ID_VIEW_HELP}};
    return rows;
}

const Rows& BackgroundRows()
{
    static const Rows rows = {{"bmncolor", ID_BKGND_COLOR},
                              {"bmndeletebkgnd", ID_BKGND_DELETE},
                              {"bmnbkgnds", ID_BKGND_LIBRARY},
                              {"bmndeletesound", ID_BKGND_DELETESOUND},
                              {"bmnsounds", ID_BKGND_SOUNDS},
                              {"bmnlayerpaste", ID_BKGND_PASTE},
                              {"bmnlayermanager", ID_BKGND_LAYERMANAGER},
                              {"bmnproperties", ID_BKGND_PROPERTIES}};
    return rows;
}

const Rows& ObjectRows()
{
    static const Rows rows = {{"lmnup", ID_OBJ_UP},
                              {"lmndown", ID_OBJ_DOWN},
                              {"lmntop", ID_OBJ_TOP},
                              {"lmnbottom", ID_OBJ_BOTTOM},
                              {"lmndelete", ID_OBJ_DELETE},
                              {"lmnproperties", ID_OBJ_PROPERTIES},
                              {"lmnimportsounds", ID_OBJ_IMPORTSOUND},
                              {"lmnspeech", ID_OBJ_SPEECH},
                              {"lmnrecord", ID_OBJ_RECORDSOUND}};
    return rows;
}

// Pictures the import takes: bitmaps and what the platform's image readers know.
constexpr char kImportExtensions[] = "bmp;*.png;*.jpg;*.jpeg;*.gif;*.webp;*.heic;*.heif;*.avif";

QImage Rgb32(QImage image)
{
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

// "SMANI001" ... "SMANI009", "SMANI010" ... "SMANI016".
std::string ActivityFrameName(int n)
{
    char number[8];
    std::snprintf(number, sizeof number, n < 10 ? "0%d" : "%d", n);
    return std::string("SMANI0") + number;
}

} // namespace

CEditorDialog::CEditorDialog(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
{
    m_life.start();
    m_pEditing = std::make_unique<CObjectEditor>(*this);
    m_pKeeper = std::make_unique<CGreetingKeeper>(static_cast<IKeeperHost&>(*this));
    setMouseTracking(true);
    // The engine's own name stays the window's name inside the program; the desktop lists the
    // window under the program's title.
    setObjectName("Zesty eMail engine");
    setWindowTitle(g_szAppTitle);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    if (const QIcon icon = OwnIconSet(5); !icon.isNull())
        setWindowIcon(icon);

    LoadFaces(devicePixelRatioF());

    // A screen reader finds the stage's objects as children of the stage.
    MakeStageReadable(*this);
    WatchDesktopClipboard();
    m_pToolTip = new CSkinToolTip(this);
    m_pToolTip->Activate(true);
    for (const WindowButton& def : kWindowButtons) {
        auto* button = new CMyBitmapButton(def.szName, def.nId, this);
        connect(button, &CMyBitmapButton::Command, this, [this](int nId) { OnCommand(nId); });
        if (def.nTip != 0)
            m_pToolTip->AddTool(button, platform::LoadResString(def.nTip));
        m_windowButtons.push_back(button);
    }

    m_pToolbar = new CMainToolbar(this);
    connect(m_pToolbar, &CSkinnedWidget::Command, this, [this](int nId) { OnCommand(nId); });

    const struct {
        const char* szFace;
        const Rows& rows;
    } menus[3] = {{"FILE_MENU", FileRows()}, {"EDIT_MENU", EditRows()}, {"VIEW_MENU", ViewRows()}};
    for (int i = 0; i < 3; ++i) {
        m_menus[i] = new CDropDownMenu(menus[i].szFace, menus[i].rows, this);
        connect(m_menus[i], &CSkinnedWidget::Command, this, [this](int nId) { OnCommand(nId); });
        // Left and Right go from menu to menu; Escape goes back to the menu's own button.
        connect(m_menus[i], &CDropDownMenu::StepAside, this,
                [this, i](int nDelta) { OpenMenuFromKeys((i + nDelta + 3) % 3); });
        connect(m_menus[i], &CDropDownMenu::Dismissed, this, [this, i] {
            CloseMenus();
            if (CMyBitmapButton* button = GetWindowButton(ID_WND_FILE + i))
                button->setFocus(Qt::OtherFocusReason);
        });
    }
    m_pBackgroundMenu = new CDropDownMenu("RIGHT_MENU", BackgroundRows(), this);
    connect(m_pBackgroundMenu, &CSkinnedWidget::Command, this,
            [this](int nId) { OnCommand(nId); });
    m_pObjectMenu = new CDropDownMenu("RIGHT_MENU", ObjectRows(), this);
    connect(m_pObjectMenu, &CSkinnedWidget::Command, this,
            [this](int nId) { OnObjectMenuCommand(nId); });
    for (CDropDownMenu* menu : {m_pBackgroundMenu, m_pObjectMenu})
        connect(menu, &CDropDownMenu::Dismissed, this, [this] { CloseMenus(); });
    // A screen reader names each menu: the three after their buttons, the others by their use.
    for (int i = 0; i < 3; ++i)
        if (const faces::ButtonFace* face = faces::FindButton(kWindowButtons[i].szName))
            m_menus[i]->setAccessibleName(faces::ShownFaceText(face->label));
    m_pBackgroundMenu->setAccessibleName(tr("Background menu"));
    m_pObjectMenu->setAccessibleName(tr("Object menu"));

    // The frame clock keeps its 120 ms: a coarse timer may drift by a twentieth.
    m_playbackClock.setTimerType(Qt::PreciseTimer);
    m_playbackClock.setInterval(PLAYBACK_INTERVAL_MS);
    connect(&m_playbackClock, &QTimer::timeout, this, [this] { OnPlaybackTick(); });
    m_activityClock.setInterval(ACTIVITY_INTERVAL_MS);
    connect(&m_activityClock, &QTimer::timeout, this, [this] { OnActivityTick(); });
    CEditorMailHost::Get().Attach(this);

    // The window covers the whole screen and follows its size (a window system that places
    // the program's windows itself keeps a full-screen window on its screen).
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        CoverScreen(this, screen->geometry());
        connect(screen, &QScreen::geometryChanged, this, [this](const QRect& rc) {
            if (CanPlaceOwnWindows())
                setGeometry(rc);
            update();
        });
    } else {
        resize(kFrameWidth, kFrameHeight);
    }
    LayOut();
    Refresh();
    m_pToolbar->show();
    SetReadingTabOrder(this);
    // The MIDI player's end messages come here.
    SetMidiEndReceiver(this);
}

CEditorDialog::~CEditorDialog()
{
    // A send still running reaches no window from now on.
    CEditorMailHost::Get().Attach(nullptr);
    SetMidiEndReceiver(nullptr);
    m_playbackClock.stop();
    m_activityClock.stop();
    m_pPlayer.reset();
    m_pEditing->Attach(nullptr);
    m_pDoc.reset();
    // Whatever the project's working files are, and wherever they went, they go.
    if (m_strPath.size() > 2)
        RemoveWorkingFiles(m_strPath);
}

QPoint CEditorDialog::FrameOrigin(const QSize& screen)
{
    return {(screen.width() - kFrameWidth) / 2, (screen.height() - kFrameHeight) / 2};
}

CPoint CEditorDialog::StagePointFromScreen(const QPoint& ptScreen, const QSize& screen)
{
    const QPoint frame = FrameOrigin(screen);
    return {(ptScreen.x() - frame.x() - kStageLeft) * kFrameWidth / kStageWidth,
            (ptScreen.y() - frame.y() - kStageTop) * kFrameHeight / kStageHeight};
}

void CEditorDialog::KeepRightOfToolbar(CSkin& skin)
{
    skin.SetMoveLimit([this](QPoint pt) {
        pt.setX(std::max(pt.x(), m_ptFrame.x() + 101));
        return pt;
    });
}

void CEditorDialog::LayOut()
{
    m_ptFrame = FrameOrigin(size());
    m_pToolbar->move(m_ptFrame);
    for (size_t i = 0; i < m_windowButtons.size(); ++i)
        m_windowButtons[i]->move(m_ptFrame + kWindowButtons[i].pt);
    for (int i = 0; i < 3; ++i)
        m_menus[i]->move(m_ptFrame + kMenuPlaces[i]);
}

CDropDownMenu* CEditorDialog::GetMenu(int nMenu) const
{
    return nMenu >= 0 && nMenu < 3 ? m_menus[nMenu] : nullptr;
}

CMyBitmapButton* CEditorDialog::GetWindowButton(int nId) const
{
    for (CMyBitmapButton* button : m_windowButtons)
        if (button->GetId() == nId)
            return button;
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Commands

bool CEditorDialog::IsCommandEnabled(int nId) const
{
    const bool bPlayer = m_pPlayer && m_pPlayer->IsPlayerMode();
    switch (nId) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_EXIT:
    case ID_FILE_CONTACTS:
    case ID_FILE_OUTBOX:
    case ID_VIEW_HELP:
    case ID_WND_FILE:
    case ID_WND_EDIT:
    case ID_WND_VIEW:
    case ID_WND_MINIMIZE:
    case ID_WND_CLOSEAPP:
    case ID_MTB_CHANGE:
        return true;
    case ID_FILE_CLOSE:
    case ID_FILE_SAVE:
    case ID_FILE_SAVEAS:
        return m_pDoc != nullptr;
    case ID_FILE_VERSIONS:
        return IsEditing() && !m_strPath.empty() && m_nDocState != docNew
               && m_nDocState != docNewChanged;
    case ID_FILE_PLAY:
        return m_pDoc != nullptr && !bPlayer;
    case ID_FILE_SENDMAIL:
    case ID_FILE_EXPORT:
    case ID_FILE_EXPORTVIDEO:
        return IsEditing();
    case ID_BKGND_COLOR:
    case ID_VIEW_TOOLBOX:
    case ID_VIEW_IMPORTIMAGE:
    case ID_VIEW_IMPORTMIDI:
    case ID_EDIT_PROPERTIES:
    case ID_VIEW_LIBRARIES:
    case ID_VIEW_EFFECTS:
    case ID_BKGND_LIBRARY:
    case ID_BKGND_SOUNDS:
    case ID_VIEW_LAYERMANAGER:
    case ID_BKGND_LAYERMANAGER:
    case ID_LIBRARY_PAGE1:
    case ID_LIBRARY_PAGE1 - 1:
    case ID_LIBRARY_PAGE1 - 2:
    case ID_LIBRARY_PAGE1 - 3:
        return IsEditing();
    case ID_BKGND_DELETESOUND:
        return IsEditing() && m_pEditing->HasStageSound();
    case ID_BKGND_DELETE:
        return IsEditing() && m_pEditing->HasBackgroundPicture();
    case ID_EDIT_UNDO:
        return IsEditing() && m_pEditing->CanUndo();
    case ID_EDIT_REDO:
        return IsEditing() && m_pEditing->CanRedo();
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_DELETE:
        return IsEditing() && m_pEditing->SelectionCount() > 0;
    case ID_EDIT_PASTE:
        return IsEditing() && CanPaste();
    case ID_EDIT_SELECTALL: {
        const CStage* stage = m_pDoc ? m_pDoc->GetMovie()->GetFirstStage() : nullptr;
        return IsEditing() && stage != nullptr && stage->GetLayers() != nullptr &&
               stage->GetLayers()->GetCount() > 0;
    }
    case ID_PLAYER_PLAY:
    case ID_PLAYER_PAUSE:
    case ID_PLAYER_STOP:
    case ID_PLAYER_FIRST:
    case ID_PLAYER_PREVIOUS:
    case ID_PLAYER_NEXT:
    case ID_PLAYER_LAST:
        return bPlayer && m_pPlayer->IsEnabled(nId);
    case ID_PLAYER_CLOSE:
        return bPlayer;
    default:
        break;
    }
    const int index = CMainToolbar::SetButtonIndex(nId);
    if (index >= 0) {
        const int command = m_pToolbar->SetButtonCommand(index);
        if (command == ID_PLAY_FROM_TOOLBAR)
            return IsCommandEnabled(ID_FILE_PLAY);
        return CMainToolbar::IsCommandAvailable(command) && IsCommandEnabled(command);
    }
    // The commands of the editing tools, the libraries, mail and export come with those tools.
    return false;
}

void CEditorDialog::OnCommand(int nId)
{
    // While a file is read or written nothing else happens to the project.
    if (m_bFileWork)
        return;
    if (nId == ID_WND_FILE || nId == ID_WND_EDIT || nId == ID_WND_VIEW) {
        ToggleMenu(nId - ID_WND_FILE);
        return;
    }
    CloseMenus();
    if (!IsCommandEnabled(nId))
        return;
    const int index = CMainToolbar::SetButtonIndex(nId);
    if (index >= 0) {
        const int command = m_pToolbar->SetButtonCommand(index);
        if (command == ID_PLAY_FROM_TOOLBAR)
            EnterPlayer(m_pToolbar->m_bAutoPlay);
        else
            OnCommand(command);
        return;
    }
    switch (nId) {
    case ID_FILE_NEW:
        if (NewProject())
            update();
        break;
    case ID_FILE_OPEN:
        OpenProject();
        update();
        break;
    case ID_FILE_CLOSE:
        CloseProject(true);
        update();
        break;
    case ID_FILE_SAVE:
        SaveProject();
        break;
    case ID_FILE_SAVEAS:
        SaveProjectAs();
        break;
    case ID_FILE_VERSIONS:
        OpenEarlierVersions();
        break;
    case ID_FILE_PLAY:
        EnterPlayer(m_pToolbar->m_bAutoPlay);
        break;
    case ID_FILE_SENDMAIL:
        OpenSendDialog();
        break;
    case ID_FILE_CONTACTS:
        OpenContacts();
        break;
    case ID_FILE_OUTBOX:
        OpenOutbox();
        break;
    case ID_FILE_EXPORT:
        if (const std::string path = ExportPlayer(); !path.empty())
            AskMessageBox(this, MB_KIND_OK, "The greeting plays by itself from " + path + ".");
        break;
    case ID_FILE_EXPORTVIDEO:
        ExportVideo();
        break;
    case ID_FILE_EXIT:
    case ID_WND_CLOSEAPP:
        Exit();
        break;
    case ID_WND_MINIMIZE:
        m_bMinimised = true;
        showMinimized();
        break;
    case ID_MTB_CHANGE:
        m_pToolbar->ChangeSet();
        break;
    case ID_BKGND_COLOR:
        ChooseBackgroundColor();
        break;
    case ID_EDIT_UNDO:
        m_pEditing->Undo();
        break;
    case ID_EDIT_REDO:
        m_pEditing->Redo();
        break;
    case ID_EDIT_CUT:
        CopyToClipboards(true);
        break;
    case ID_EDIT_COPY:
        CopyToClipboards(false);
        break;
    case ID_EDIT_PASTE:
        PasteFromClipboards();
        break;
    case ID_EDIT_DELETE:
        m_pEditing->Delete();
        break;
    case ID_EDIT_SELECTALL:
        m_pEditing->SelectAll();
        break;
    case ID_VIEW_TOOLBOX:
        OpenToolbox();
        break;
    case ID_VIEW_IMPORTIMAGE:
        ImportImage();
        break;
    case ID_VIEW_IMPORTMIDI:
        ImportMidi();
        break;
    case ID_VIEW_HELP:
        OpenManual(this);
        break;
    case ID_VIEW_LIBRARIES:
        OpenLibrary(1);
        break;
    case ID_VIEW_EFFECTS:
        OpenLibrary(5);
        break;
    case ID_BKGND_LIBRARY:
        OpenLibrary(3);
        break;
    case ID_BKGND_SOUNDS:
        OpenLibrary(4);
        break;
    case ID_LIBRARY_PAGE1:
    case ID_LIBRARY_PAGE1 - 1:
    case ID_LIBRARY_PAGE1 - 2:
    case ID_LIBRARY_PAGE1 - 3:
        OpenLibrary(ID_LIBRARY_PAGE1 - nId + 1);
        break;
    case ID_BKGND_DELETESOUND:
        m_pEditing->RemoveStageSound();
        break;
    case ID_BKGND_DELETE:
        m_pEditing->RemoveBackgroundPicture();
        break;
    case ID_VIEW_LAYERMANAGER:
    case ID_BKGND_LAYERMANAGER:
        OpenLayerManager();
        break;
    case ID_EDIT_PROPERTIES:
        OpenProjectProperties();
        break;
    case ID_PLAYER_PLAY:
    case ID_PLAYER_PAUSE:
    case ID_PLAYER_STOP:
    case ID_PLAYER_FIRST:
    case ID_PLAYER_PREVIOUS:
    case ID_PLAYER_NEXT:
    case ID_PLAYER_LAST:
    case ID_PLAYER_CLOSE:
        m_pPlayer->OnCommand(nId);
        if (m_pPlayer->IsPlayerMode())
            m_pToolbar->RefreshPlayer(*m_pPlayer);
        break;
    default:
        break;
    }
}

bool CEditorDialog::IsEditing() const
{
    return m_pDoc != nullptr && !(m_pPlayer && m_pPlayer->IsPlayerMode());
}

bool CEditorDialog::IsObjectMenuCommandEnabled(int nId) const
{
    if (!IsEditing())
        return false;
    const int selected = m_pEditing->SelectionCount();
    switch (nId) {
    case ID_OBJ_UP:
    case ID_OBJ_DOWN:
    case ID_OBJ_TOP:
    case ID_OBJ_BOTTOM:
    case ID_OBJ_PROPERTIES:
    case ID_OBJ_IMPORTSOUND:
    case ID_OBJ_SPEECH:
    case ID_OBJ_RECORDSOUND:
        return selected == 1;
    case ID_OBJ_DELETE:
        return selected > 0;
    default:
        return false;
    }
}

void CEditorDialog::OnObjectMenuCommand(int nId)
{
    CloseMenus();
    if (!IsObjectMenuCommandEnabled(nId))
        return;
    switch (nId) {
    case ID_OBJ_UP:
        m_pEditing->Reorder(CStage::moveUp);
        break;
    case ID_OBJ_DOWN:
        m_pEditing->Reorder(CStage::moveDown);
        break;
    case ID_OBJ_TOP:
        m_pEditing->Reorder(CStage::moveToTop);
        break;
    case ID_OBJ_BOTTOM:
        m_pEditing->Reorder(CStage::moveToBottom);
        break;
    case ID_OBJ_DELETE:
        m_pEditing->Delete();
        break;
    case ID_OBJ_PROPERTIES:
        m_pEditing->EditSelectedProperties();
        break;
    case ID_OBJ_IMPORTSOUND:
        ImportWaveForSelected();
        break;
    case ID_OBJ_SPEECH:
        m_pEditing->AddSpokenTextToSelected();
        break;
    case ID_OBJ_RECORDSOUND:
        RecordWaveForSelected();
        break;
    default:
        break;
    }
}

void CEditorDialog::OpenToolbox()
{
    if (m_pToolbox != nullptr) {
        m_pToolbox->raise();
        return;
    }
    m_pToolbox = new CToolbox(this);
    KeepRightOfToolbar(m_pToolbox->Skin());
    // Beside the frame when the screen leaves room there, else over the stage's left edge.
    const QPoint right = m_ptFrame + QPoint(kFrameWidth + 8, kStageTop);
    if (right.x() + m_pToolbox->width() <= width())
        m_pToolbox->move(right);
    else
        m_pToolbox->move(m_ptFrame + QPoint(101, kStageTop));
    m_pToolbox->SetTool(m_pEditing->GetTool());
    connect(m_pToolbox, &CToolbox::ToolChosen, this, [this](uint8_t nTool) {
        m_pEditing->SetTool(nTool);
        update();
    });
    connect(m_pToolbox, &CToolbox::CloseRequested, this, [this] { CloseToolbox(); });
    m_pToolbox->show();
    m_pToolbox->raise();
}

void CEditorDialog::CloseToolbox()
{
    m_pEditing->SetTool(TOOL_SELECT);
    if (m_pToolbox != nullptr) {
        m_pToolbox->hide();
        m_pToolbox->deleteLater();
        m_pToolbox = nullptr;
    }
    m_bFullRedraw = true;
    update();
}

void CEditorDialog::ChooseTool(uint8_t nTool)
{
    m_pEditing->SetTool(nTool);
    if (m_pToolbox != nullptr)
        m_pToolbox->SetTool(nTool);
}

void CEditorDialog::OnProjectEdited()
{
    if (m_nDocState != docNone) {
        const bool bNew = m_nDocState == docNew || m_nDocState == docNewChanged;
        if (m_pEditing->IsAtSavedState()) {
            // Back where the file is: there is nothing left to recover.
            m_nDocState = bNew ? docNew : docOpened;
            m_pKeeper->Forget();
        } else {
            m_nDocState = bNew ? docNewChanged : docOpenedChanged;
            m_pKeeper->Changed();
        }
    }
    m_bFullRedraw = true;
    Refresh();
    update();
    accessible::StageChanged(this);
}

void CEditorDialog::ChooseBackgroundColor()
{
    CStage* stage = m_pDoc->GetMovie()->GetFirstStage();
    if (stage == nullptr)
        return;
    COLORREF color = stage->m_pBackground ? stage->m_pBackground->m_crColor : 0xFFFFFF;
    if (AskColor(this, &color))
        m_pEditing->SetBackgroundColor(color);
}

void CEditorDialog::ImportImage()
{
    std::string folder = m_strImportFolder.empty() ? StartFolder() : m_strImportFolder;
    if (folder.back() != '/')
        folder += '/';
    std::string path;
    if (!AskFileName(this, folder, platform::LoadResString(10121), kImportExtensions,
                     OS_MODE_IMPORT, &path))
        return;
    m_strImportFolder = platform::DirectoryOf(path);
    m_pEditing->ImportImage(path);
    update();
}

void CEditorDialog::ToggleMenu(int nMenu)
{
    const bool bWasOpen = m_nOpenMenu == nMenu;
    // A menu button pressed with the keys opens its menu for the keys.
    const CMyBitmapButton* button = GetWindowButton(ID_WND_FILE + nMenu);
    const bool bKeys = button != nullptr && button->ShowsFocusRing();
    CloseMenus();
    if (bWasOpen)
        return;
    if (bKeys) {
        OpenMenuFromKeys(nMenu);
        return;
    }
    m_nOpenMenu = nMenu;
    m_menus[nMenu]->Open(m_ptFrame + kMenuPlaces[nMenu]);
}

void CEditorDialog::OpenMenuFromKeys(int nMenu)
{
    CloseMenus();
    m_nOpenMenu = nMenu;
    m_menus[nMenu]->OpenFromKeys(m_ptFrame + kMenuPlaces[nMenu]);
}

void CEditorDialog::OpenContextMenuFromKeys()
{
    if (!IsEditing())
        return;
    // The object menu when objects are selected, else the background menu, over the stage's
    // middle.
    CDropDownMenu* menu = m_pEditing->SelectionCount() > 0 ? m_pObjectMenu : m_pBackgroundMenu;
    CloseMenus();
    Refresh();
    const QPoint centre =
        m_ptFrame + QPoint(kStageLeft + kStageWidth / 2, kStageTop + kStageHeight / 2);
    menu->OpenFromKeys(centre - QPoint(menu->width() / 2, menu->height() / 2));
}

void CEditorDialog::CloseMenus()
{
    // The keys held by a menu come back to the editor when it closes.
    QWidget* focus = QApplication::focusWidget();
    bool bMenuHadKeys = false;
    for (CDropDownMenu* menu :
         {m_menus[0], m_menus[1], m_menus[2], m_pBackgroundMenu, m_pObjectMenu})
        bMenuHadKeys = bMenuHadKeys
                       || (focus != nullptr && (focus == menu || menu->isAncestorOf(focus)));
    for (CDropDownMenu* menu : m_menus)
        menu->hide();
    m_pBackgroundMenu->hide();
    m_pObjectMenu->hide();
    m_nOpenMenu = MENU_NONE;
    if (bMenuHadKeys)
        setFocus(Qt::OtherFocusReason);
}

int CEditorDialog::GetStateCode() const
{
    if (!m_pDoc)
        return 0;
    int code = 0;
    const CStage* stage = m_pDoc->GetMovie() ? m_pDoc->GetMovie()->GetFirstStage() : nullptr;
    if (stage != nullptr && stage->GetLayers() != nullptr && stage->GetLayers()->GetCount() > 0)
        code = m_pEditing->SelectionCount() > 0 ? 12 : 11;
    if (CanPaste())
        code += 21;
    if (m_pEditing->CanUndo())
        code += 3;
    if (m_pEditing->CanRedo())
        code += 5;
    return code;
}

void CEditorDialog::Refresh()
{
    m_pToolbar->Refresh(m_nDocState, GetStateCode());
    for (CDropDownMenu* menu : m_menus)
        for (CMyBitmapButton* button : menu->Skin().Buttons())
            button->setEnabled(IsCommandEnabled(button->GetId()));
    for (CMyBitmapButton* button : m_pBackgroundMenu->Skin().Buttons())
        button->setEnabled(IsCommandEnabled(button->GetId()));
    for (CMyBitmapButton* button : m_pObjectMenu->Skin().Buttons())
        button->setEnabled(IsObjectMenuCommandEnabled(button->GetId()));
}

void CEditorDialog::SetDocState(DocState state)
{
    m_nDocState = state;
    Refresh();
}

void CEditorDialog::SetModified()
{
    if (m_nDocState == docNone)
        return;
    m_pEditing->MarkUnrecordedChange();
    SetDocState(m_nDocState == docNew || m_nDocState == docNewChanged ? docNewChanged
                                                                       : docOpenedChanged);
    m_pKeeper->Changed();
}

void CEditorDialog::ShowError(int nStringId)
{
    AskMessageBox(this, MB_KIND_OK, platform::LoadResString(nStringId));
}

// ---------------------------------------------------------------------------------------------
// The document

void CEditorDialog::InstallProject(std::unique_ptr<CAbstractMovie> movie,
                                   const std::string& strPath, DocState state)
{
    m_pDoc = std::make_unique<CProjectDoc>(std::move(movie));
    m_pDoc->CreateBuffers();
    m_pPlayer = std::make_unique<CPlaybackController>(*m_pDoc, *this);
    m_strPath = strPath;
    m_bFullRedraw = true;
    m_pEditing->Attach(m_pDoc.get());
    SetDocState(state);
    update();
}

bool CEditorDialog::NewProject()
{
    if (!CloseProject(false))
        return false;
    InstallProject(CAbstractMovie::NewProject(), {}, docNew);
    return true;
}

std::string CEditorDialog::StartFolder() const
{
    std::string folder = m_strStartFolder;
    if (folder.empty())
        if (CEditorApp* app = CEditorApp::Get())
            folder = app->GetExportDirectory();
    if (folder.empty())
        folder = QDir::homePath().toStdString();
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

bool CEditorDialog::OpenProject()
{
    const std::string folder = StartFolder();
    std::string path;
    if (!AskFileName(this, folder, platform::LoadResString(10145), "kel", OS_MODE_OPEN, &path))
        return false;
    return OpenProjectFile(path);
}

bool CEditorDialog::OpenProjectFile(const std::string& strPath)
{
    if (!CloseProject(false))
        return false;
    // The new movie is the worker's alone until the open has ended; nothing is open meanwhile.
    std::unique_ptr<CAbstractMovie> movie;
    const bool bOpened = RunFileWork(CFileProgressDlg::kindOpen, strPath,
                                     [&strPath, &movie](const FileProgress& progress) {
                                         return ::OpenProject(strPath, movie, progress);
                                     });
    if (!bOpened) {
        ShowError(10107);
        update();
        return false;
    }
    movie->m_rcStage = {0, 0, kFrameWidth, kFrameHeight};
    InstallProject(std::move(movie), strPath, docOpened);
    return true;
}

bool CEditorDialog::CloseProject(bool bCloseCommand)
{
    CloseMenus();
    if (!m_pDoc)
        return true;
    if (m_strPath.size() > 2)
        platform::DeleteFile(WorkingFilePath(m_strPath, WorkingFile::W1));
    switch (m_nDocState) {
    case docNewChanged:
    case docOpenedChanged: {
        const uint8_t answer =
            AskMessageBox(this, MB_KIND_YESNOCANCEL, platform::LoadResString(10114));
        if (answer == MB_RESULT_YES) {
            const bool bSaved =
                m_nDocState == docNewChanged ? SaveProjectAs() : SaveProject();
            if (!bSaved)
                return false;
        } else if (answer == MB_RESULT_NO) {
            // Putting the file back writes it only when it no longer holds what was opened.
            if (m_nDocState == docOpenedChanged && bCloseCommand)
                RestoreProject(m_strPath);
        } else {
            return false; // Cancel, or the box was closed without an answer
        }
        break;
    }
    default:
        break;
    }
    Discard();
    SetDocState(docNone);
    if (bCloseCommand) {
        // Discarding has put the player away; the toolbar goes back to its first set.
        m_pToolbar->SetSet(0);
        update();
    }
    return true;
}

void CEditorDialog::Discard()
{
    m_playbackClock.stop();
    CloseToolbox();
    CloseLibrary();
    // Closed with its changes saved or let go: its recovery copy is of no more use.
    m_pKeeper->Forget();
    // The clipboard and the history go with the project.
    m_pEditing->Attach(nullptr);
    m_pPlayer.reset();
    m_pDoc.reset();
    // The working files go with the project, whatever state it was in; an opened project's file
    // gets its tag back should it lack it.
    CloseProjectFiles(m_strPath);
    m_strPath.clear();
    m_pToolbar->ShowPlayer(false);
    m_bFullRedraw = true;
}

std::string CEditorDialog::ChooseSavePath()
{
    // A greeting saved before is saved again beside itself, unless its folder takes no files.
    std::string folder = m_strPath.empty() || HasPrivateWorkingFiles(m_strPath)
                             ? StartFolder()
                             : platform::DirectoryOf(m_strPath);
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    std::string path;
    if (!AskFileName(this, folder, platform::LoadResString(10145), "kel", OS_MODE_SAVE, &path))
        return {};
    return path;
}

bool CEditorDialog::SaveProject()
{
    if (!m_pDoc)
        return false;
    // A project whose folder could not even take its working files cannot be saved there
    // either: it asks for a new place, as Save As does.
    if (m_strPath.empty() || m_nDocState == docNew || m_nDocState == docNewChanged
        || HasPrivateWorkingFiles(m_strPath))
        return SaveProjectAs();
    if (!SaveMovieTo(m_strPath, nullptr, true)) {
        ShowError(10106);
        return false;
    }
    m_pEditing->MarkSaved();
    SetDocState(docOpened);
    m_pKeeper->Forget();
    return true;
}

bool CEditorDialog::SaveProjectAs()
{
    if (!m_pDoc)
        return false;
    const std::string path = ChooseSavePath();
    if (path.empty())
        return false;
    if (!SaveMovieTo(path, nullptr, true)) {
        // The chooser made the file empty to reserve the name; an empty file is all it holds.
        if (platform::FileLength(path) == 0)
            platform::DeleteFile(path);
        ShowError(10106);
        return false;
    }
    if (!m_strPath.empty() && m_strPath != path)
        CloseProjectFiles(m_strPath); // the opened file stays as it was; its working files go
    m_strPath = path;
    m_pEditing->MarkSaved();
    SetDocState(docOpened);
    m_pKeeper->Forget();
    return true;
}

bool CEditorDialog::SaveCopyTo(const std::string& strPath, QWidget* pOver)
{
    if (m_pDoc == nullptr || m_pDoc->GetMovie() == nullptr || m_bFileWork)
        return false;
    return SaveMovieTo(strPath, pOver);
}

bool CEditorDialog::SaveMovieTo(const std::string& strPath, QWidget* pOver, bool bKeep)
{
    CAbstractMovie* movie = m_pDoc->GetMovie();
    std::string notKept;
    const bool bSaved = RunFileWork(
        CFileProgressDlg::kindSave, strPath,
        [movie, &strPath, bKeep, &notKept](const FileProgress& progress) {
            // A greeting that cannot keep its earlier version is saved all the same.
            if (bKeep && platform::FileLength(strPath) > static_cast<int64_t>(kProjectTagSize))
                keeping::KeepEarlierVersion(strPath, &notKept);
            return ::SaveProject(*movie, strPath, progress);
        },
        pOver);
    if (!notKept.empty())
        m_pKeeper->SayNotKept(notKept);
    return bSaved;
}

bool CEditorDialog::RunFileWork(uint8_t nKind, const std::string& strPath,
                                const std::function<bool(const FileProgress&)>& work,
                                QWidget* pOver)
{
    // The worker reads or fills the project while this thread only paints what was composed
    // before: the clock stops, commands wait, and input waits behind the progress window.
    const bool bClock = m_playbackClock.isActive();
    m_playbackClock.stop();
    m_bFileWork = true;
    const bool bDone = CFileProgressDlg::Run(static_cast<CFileProgressDlg::Kind>(nKind), strPath,
                                             pOver != nullptr ? pOver : this, work,
                                             m_nFileProgressDelayMs,
                                             m_observeFileProgress);
    m_bFileWork = false;
    if (bClock && m_pPlayer)
        m_playbackClock.start();
    return bDone;
}

bool CEditorDialog::Exit()
{
    if (IsSendInProgress()) {
        if (AskMessageBox(this, MB_KIND_YESNO, platform::LoadResString(10161)) != MB_RESULT_YES)
            return false;
        // Leaving ends the send: the worker stops talking to the server, removes its files and
        // shows no result; it is given a few seconds for that.
        CancelMailSend();
        WaitForMailThreads(std::chrono::seconds(5));
    }
    if (!CloseProject(false))
        return false;
    m_bLeaving = true;
    done(1);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Playback

void CEditorDialog::EnterPlayer(bool bAutoPlay)
{
    if (!m_pPlayer)
        return;
    m_pEditing->CancelDrag();
    CloseToolbox();
    CloseLibrary();
    m_pPlayer->EnterPlayer();
    m_pToolbar->ShowPlayer(true);
    if (bAutoPlay)
        m_pPlayer->Play();
    m_pToolbar->RefreshPlayer(*m_pPlayer);
    Refresh();
}

void CEditorDialog::StartClock()
{
    m_playbackClock.start();
}

void CEditorDialog::StopClock()
{
    m_playbackClock.stop();
}

void CEditorDialog::Repaint()
{
    m_bPlayerPaint = true;
    repaint();
    m_bPlayerPaint = false;
}

void CEditorDialog::LeaveEditing()
{
    CloseMenus();
}

void CEditorDialog::ReturnToEditing()
{
    m_bFullRedraw = true;
    m_pToolbar->ShowPlayer(false);
    Refresh();
}

void CEditorDialog::OnPlaybackTick()
{
    // An effect's preview plays the movie by its own clock; this one waits for it to end.
    if (m_pPlayer && !(m_pDoc && m_pDoc->IsPreviewInstalled()))
        m_pPlayer->OnTimer();
}

void CEditorDialog::SetActivity(bool bRunning)
{
    const bool bWasRunning = m_bActivityRunning;
    m_bActivityRunning = bRunning;
    if (bRunning) {
        m_activityClock.start();
    } else {
        m_activityClock.stop();
        m_nActivityFrame = 0;
    }
    m_nActivityPercent = -1;
    // A screen reader hears the send start and end (its result follows in a message).
    if (bRunning || bWasRunning)
        accessible::AnnounceStatus(this, bRunning ? tr("Sending the greeting")
                                                  : tr("Sending has ended"));
    update(QRect(m_ptFrame + QPoint(kActivityLeft, kActivityTop), QSize(26, 24)));
}

void CEditorDialog::SetActivityProgress(const std::string& strStep, int nPercent)
{
    if (!m_bActivityRunning)
        return;
    m_nActivityPercent = nPercent;
    // Said to screen readers; the cell shows the share done as a bar along its foot.
    accessible::AnnounceStatus(this, tr("Sending the greeting: %1, %2 %")
                                 .arg(QString::fromStdString(strStep))
                                 .arg(nPercent));
    update(QRect(m_ptFrame + QPoint(kActivityLeft, kActivityTop), QSize(26, 24)));
}

void CEditorDialog::OnActivityTick()
{
    m_nActivityFrame = (m_nActivityFrame + 1) % ACTIVITY_FRAMES;
    update(QRect(m_ptFrame + QPoint(kActivityLeft, kActivityTop), QSize(26, 24)));
}

// ---------------------------------------------------------------------------------------------
// Painting

void CEditorDialog::LoadFaces(qreal ratio)
{
    m_fRatio = ratio;
    const QSize device = platform::DeviceSize({kFrameWidth, kFrameHeight}, ratio);
    // The backdrop: one copy with the welcome picture in the stage view for no project.
    m_backdropProject = Rgb32(platform::LoadResBitmap("MAIN_WND", ratio));
    if (m_backdropProject.isNull()) {
        m_backdropProject = QImage(device, QImage::Format_RGB32);
        m_backdropProject.setDevicePixelRatio(ratio);
        m_backdropProject.fill(kMarginGrey);
    }
    m_backdropNoProject = m_backdropProject.copy();
    const QImage welcome = platform::LoadResBitmap("MODUL_TABLA", ratio);
    if (!welcome.isNull()) {
        QPainter painter(&m_backdropNoProject);
        painter.drawImage(kStageLeft, kStageTop, welcome);
    }
    for (int i = 0; i < ACTIVITY_FRAMES; ++i)
        m_activity[i] = platform::LoadResBitmap(ActivityFrameName(i + 1), ratio);
    m_activityStop = platform::LoadResBitmap("SMANISTOP", ratio);

    m_composition = QImage(device, QImage::Format_RGB32);
    m_composition.setDevicePixelRatio(ratio);
    m_composition.fill(kMarginGrey);
    m_stageView = QImage(platform::DeviceSize({kStageWidth, kStageHeight}, ratio),
                         QImage::Format_RGB32);
    m_stageView.setDevicePixelRatio(ratio);
    m_stageView.fill(Qt::white);
    m_bFullRedraw = true;
}

void CEditorDialog::ScaleFrameIntoView()
{
    // The frame is made at full size and scaled smoothly into the view at the screen's own
    // pixels, the still and a playing frame alike: a colour-on-colour shrink drops whole rows
    // and columns, and with them the one-pixel outlines a person has just drawn.
    QElapsedTimer clock;
    clock.start();
    platform::ScaleSmooth(m_frame.Image(), m_stageView);
    m_nLastScaleUs = clock.nsecsElapsed() / 1000;
}

void CEditorDialog::Compose()
{
    // A window moved to a screen of another ratio gets faces and pictures made for it.
    const qreal ratio = devicePixelRatioF();
    const bool bNewRatio = ratio != m_fRatio;
    if (bNewRatio)
        LoadFaces(ratio);
    QImage& image = m_composition;
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, m_pDoc ? m_backdropProject : m_backdropNoProject);
    }
    m_nLastScaleUs = 0;
    if (m_pDoc) {
        const CRect rcFrame{0, 0, kFrameWidth, kFrameHeight};
        const bool bPlayer = m_pPlayer && m_pPlayer->IsPlayerMode();
        if (bPlayer) {
            // Only the player's own repaints compose: a paint for any other reason (the window
            // uncovered, a control redrawn) shows the last frame again without advancing.
            if (m_bPlayerPaint) {
                m_pPlayer->Paint(m_frame, rcFrame);
                ScaleFrameIntoView();
            } else if (bNewRatio) {
                m_pDoc->CopyFrame(m_frame, rcFrame);
                ScaleFrameIntoView();
            }
            m_pToolbar->RefreshPlayer(*m_pPlayer);
        } else if (m_bFullRedraw) {
            m_pDoc->RenderStill(m_frame, rcFrame);
            ScaleFrameIntoView();
            m_bFullRedraw = false;
        }
        QPainter painter(&image);
        painter.drawImage(kStageLeft, kStageTop, m_stageView);
        // The marks are drawn in the window's logical pixels; the painter takes them to the
        // device's, where they meet the objects they mark.
        if (!bPlayer)
            m_pEditing->PaintOverlay(painter);
    }
    const QImage& cell = m_bActivityRunning ? m_activity[m_nActivityFrame] : m_activityStop;
    if (!cell.isNull()) {
        QPainter painter(&image);
        painter.drawImage(kActivityLeft, kActivityTop, cell);
        if (m_bActivityRunning && m_nActivityPercent >= 0) {
            const QSizeF size = cell.deviceIndependentSize();
            const qreal width = size.width() * m_nActivityPercent / 100;
            painter.fillRect(QRectF(kActivityLeft, kActivityTop + size.height() - 3, width, 3),
                QColor::fromRgb(faces::colour::coral));
        }
    }
}

void CEditorDialog::paintEvent(QPaintEvent*)
{
    if (m_bPaintingSuspended)
        return;
    QElapsedTimer clock;
    clock.start();
    // A failure met while composing is shown after this paint, not inside it.
    platform::CDeferMessages defer;
    // While a file is read or written the project belongs to the worker: the last composed
    // frame is shown as it was.
    const bool bFileWork = m_bFileWork;
    const bool bPlaying = !bFileWork && m_bPlayerPaint && m_pPlayer && m_pPlayer->IsPlayerMode()
                          && m_pPlayer->GetPlayState() == CPlaybackController::statePlaying;
    if (!bFileWork)
        Compose();
    QPainter painter(this);
    const QRect frame(m_ptFrame, QSize(kFrameWidth, kFrameHeight));
    const QRegion margins = QRegion(rect()) - QRegion(frame);
    for (const QRect& rc : margins)
        painter.fillRect(rc, QColor::fromRgba(kMarginGrey));
    painter.drawImage(m_ptFrame, m_composition);
    if (bFileWork)
        return;
    if (bPlaying) {
        const int64_t us = clock.nsecsElapsed() / 1000;
        for (PaintStats* stats : {&m_paintStats, &m_recentStats}) {
            ++stats->nFrames;
            stats->nTotalUs += us;
            stats->nLongestUs = std::max(stats->nLongestUs, us);
            stats->nScaleTotalUs += m_nLastScaleUs;
            stats->nScaleLongestUs = std::max(stats->nScaleLongestUs, m_nLastScaleUs);
            stats->nLastMs = m_life.elapsed();
            if (stats->nFirstMs < 0)
                stats->nFirstMs = stats->nLastMs;
        }
    }
}

void CEditorDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayOut();
}

// ---------------------------------------------------------------------------------------------
// Keys, pointer and window state

int CEditorDialog::ShortcutCommand(const QKeyEvent& event) const
{
    const Qt::KeyboardModifiers mods =
        event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    const bool bPlayer = m_pPlayer && m_pPlayer->IsPlayerMode();
    switch (event.key()) {
    case Qt::Key_N:
        return mods == Qt::ControlModifier ? ID_FILE_NEW : 0;
    case Qt::Key_O:
        return mods == Qt::ControlModifier ? ID_FILE_OPEN : 0;
    case Qt::Key_S:
        if (mods == Qt::ControlModifier)
            return ID_FILE_SAVE;
        return mods == (Qt::ControlModifier | Qt::ShiftModifier) ? ID_FILE_SAVEAS : 0;
    case Qt::Key_W:
        return mods == Qt::ControlModifier ? ID_FILE_CLOSE : 0;
    case Qt::Key_Q:
        return mods == Qt::ControlModifier ? ID_FILE_EXIT : 0;
    case Qt::Key_Space:
        // Play from the editor; in the player, pause and resume.
        if (mods != Qt::NoModifier)
            return 0;
        if (!bPlayer)
            return ID_FILE_PLAY;
        return IsCommandEnabled(ID_PLAYER_PAUSE) ? ID_PLAYER_PAUSE : ID_PLAYER_PLAY;
    case Qt::Key_Escape:
        // The player closes as its eject button closes it.
        return bPlayer && mods == Qt::NoModifier ? ID_PLAYER_CLOSE : 0;
    default:
        return 0;
    }
}

void CEditorDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape does not end the editor: it closes a menu, leaves the player or ends a drag.
    // Delete and F1 act on release.
    event->accept();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool bCtrl = mods.testFlag(Qt::ControlModifier);
    const bool bShift = mods.testFlag(Qt::ShiftModifier);
    // Alt alone (pressed and released with nothing between) opens the File menu, as F10 does.
    m_bAltAlone = event->key() == Qt::Key_Alt && !event->isAutoRepeat();
    // Ctrl+M silences the music, in the player too.
    if (event->key() == Qt::Key_M && bCtrl) {
        ToggleMute();
        return;
    }
    if (event->key() == Qt::Key_F10 || event->key() == Qt::Key_Menu) {
        if (event->key() == Qt::Key_Menu || bShift)
            OpenContextMenuFromKeys();
        else if (m_nOpenMenu != MENU_NONE)
            CloseMenus();
        else
            OpenMenuFromKeys(MENU_FILE);
        return;
    }
    if (event->key() == Qt::Key_Escape && (m_nOpenMenu != MENU_NONE
                                           || m_pBackgroundMenu->isVisible()
                                           || m_pObjectMenu->isVisible())) {
        CloseMenus();
        return;
    }
    if (const int command = ShortcutCommand(*event); command != 0) {
        if (!event->isAutoRepeat())
            OnCommand(command);
        return;
    }
    if (!IsEditing())
        return;
    const int step = bShift ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Escape:
        m_pEditing->CancelDrag();
        break;
    case Qt::Key_Z:
        if (bCtrl)
            OnCommand(bShift ? ID_EDIT_REDO : ID_EDIT_UNDO);
        break;
    case Qt::Key_Y:
        if (bCtrl)
            OnCommand(ID_EDIT_REDO);
        break;
    case Qt::Key_X:
        if (bCtrl)
            OnCommand(ID_EDIT_CUT);
        break;
    case Qt::Key_C:
        if (bCtrl)
            OnCommand(ID_EDIT_COPY);
        break;
    case Qt::Key_V:
        if (bCtrl)
            OnCommand(ID_EDIT_PASTE);
        break;
    case Qt::Key_A:
        if (bCtrl)
            OnCommand(ID_EDIT_SELECTALL);
        break;
    case Qt::Key_Left:
        m_pEditing->Nudge(-step, 0);
        break;
    case Qt::Key_Right:
        m_pEditing->Nudge(step, 0);
        break;
    case Qt::Key_Up:
        m_pEditing->Nudge(0, -step);
        break;
    case Qt::Key_Down:
        m_pEditing->Nudge(0, step);
        break;
    default:
        break;
    }
}

void CEditorDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    switch (event->key()) {
    case Qt::Key_Alt:
        if (std::exchange(m_bAltAlone, false) && m_nOpenMenu == MENU_NONE)
            OpenMenuFromKeys(MENU_FILE);
        break;
    case Qt::Key_Delete:
        if (m_pDoc)
            OnCommand(ID_EDIT_DELETE);
        break;
    case Qt::Key_F1:
        OpenManual(this);
        break;
    default:
        break;
    }
}

void CEditorDialog::mousePressEvent(QMouseEvent* event)
{
    const QPoint pt = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        for (int i = 0; i < 3; ++i)
            if (kMenuWords[i].translated(m_ptFrame).contains(pt)) {
                ToggleMenu(i);
                return;
            }
    }
    CloseMenus();
    const QRect stage(m_ptFrame + QPoint(kStageLeft, kStageTop), QSize(kStageWidth, kStageHeight));
    if (!IsEditing() || !stage.contains(pt))
        return;
    if (event->button() == Qt::RightButton) {
        // On an object the object menu, elsewhere the background menu, at the pointer and kept
        // inside the frame.
        CDropDownMenu* menu = m_pEditing->RightPress(pt) ? m_pObjectMenu : m_pBackgroundMenu;
        const QRect frame(m_ptFrame, QSize(kFrameWidth, kFrameHeight));
        QPoint place = pt;
        place.setX(std::min(place.x(), frame.right() - menu->width()));
        place.setY(std::min(place.y(), frame.bottom() - menu->height()));
        Refresh();
        menu->Open(place);
        return;
    }
    m_pEditing->MousePress(event);
    UpdateCursor();
}

void CEditorDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (IsEditing())
        m_pEditing->MouseMove(event);
    UpdateCursor();
}

void CEditorDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsEditing())
        m_pEditing->MouseRelease(event);
    UpdateCursor();
}

void CEditorDialog::mouseDoubleClickEvent(QMouseEvent* event)
{
    CloseMenus();
    if (IsEditing())
        m_pEditing->MouseDoubleClick(event);
    UpdateCursor();
}

void CEditorDialog::focusOutEvent(QFocusEvent* event)
{
    // A drag ends when the window loses the pointer or the keys.
    m_pEditing->CancelDrag();
    UpdateCursor();
    QDialog::focusOutEvent(event);
}

void CEditorDialog::UpdateCursor()
{
    const int id = IsEditing() ? m_pEditing->CursorId() : 0;
    if (id == m_nCursorShown)
        return;
    m_nCursorShown = id;
    // A cursor the program lacks is the arrow.
    if (id == 0)
        unsetCursor();
    else
        setCursor(OwnCursor(id, devicePixelRatioF()));
}

void CEditorDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_pEditing->CancelDrag();
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_bMinimised) {
        m_bMinimised = false;
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    QDialog::changeEvent(event);
}

void CEditorDialog::closeEvent(QCloseEvent* event)
{
    // Closing from outside (the desktop) leaves as the exit command does, questions included.
    if (!m_bLeaving && !Exit())
        event->ignore();
    else
        event->accept();
}

void CEditorDialog::reject()
{
    // Escape: the editor stays.
}
