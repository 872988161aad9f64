// The editor window driven as a person drives it: its buttons and menus are clicked, its
// questions are answered in the program's own boxes and its file names typed into the
// open/save front.
#include "dialogs/messagebox.h"
#include "dialogs/prompts.h"
#include "editor/main/editordlg.h"
#include "editor/main/mainframe.h"
#include "editor/main/maintoolbar.h"
#include "editor/skin/ownresources.h"
#include "editor/skin/skin.h"
#include "mail/mailthread.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "playback/projectdoc.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Runs answer on the next modal window as soon as it is up; records what was answered.
class CModalAnswers {
public:
    void Next(std::function<void(QWidget*)> answer)
    {
        m_answers.push_back(std::move(answer));
        Arm();
    }
    int Answered() const { return m_nAnswered; }
    bool Pending() const { return !m_answers.empty(); }

private:
    void Arm()
    {
        QTimer::singleShot(10, &m_context, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || m_answers.empty() || modal == m_pLast) {
                if (!m_answers.empty())
                    Arm();
                return;
            }
            m_pLast = modal;
            auto answer = std::move(m_answers.front());
            m_answers.erase(m_answers.begin());
            ++m_nAnswered;
            answer(modal);
            m_pLast = nullptr;
            if (!m_answers.empty())
                Arm();
        });
    }
    QObject m_context; // pending checks end with the answers
    std::vector<std::function<void(QWidget*)>> m_answers;
    QWidget* m_pLast = nullptr;
    int m_nAnswered = 0;
};

// Answers of the message box by its buttons, and of the open/save front by a typed name.
std::function<void(QWidget*)> Press(int nButton)
{
    return [nButton](QWidget* box) { Click(FindButton(box, nButton)); };
}
constexpr int kYes = 1091;
constexpr int kNo = 1092;
constexpr int kCancel = 2;
constexpr int kOk = 1;

std::function<void(QWidget*)> TypeName(const std::string& name)
{
    return [name](QWidget* front) {
        QLineEdit* field = front->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        field->setText(QString::fromStdString(name));
        Click(FindButton(front, 1266));
    };
}

class EditorWindow : public CWithResources {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(CWithResources::SetUp());
        ASSERT_TRUE(m_dir.isValid());
        m_strDir = m_dir.path().toStdString();
        ASSERT_NO_FATAL_FAILURE(ShowEditor(m_pEditor, m_strDir));
    }
    void TearDown() override
    {
        m_pEditor.reset();
        CWithResources::TearDown();
    }

    // A sample greeting copied into the test's folder.
    std::string MakeGreeting(const std::string& name)
    {
        return CopySampleGreeting(m_strDir, name);
    }
    // A greeting whose object lacks its effect list: it cannot be drawn.
    std::string MakeBrokenGreeting(const std::string& name)
    {
        auto movie = CAbstractMovie::NewProject();
        movie->GetFirstStage()->AddObject(3, 100, 100, 200, 150);
        const std::string path = m_strDir + "/" + name;
        EXPECT_TRUE(::SaveProject(*movie, path));
        return path;
    }
    // Changes the project as an editing command would.
    void Change(COLORREF cr = 0x123456)
    {
        m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->m_pBackground->m_crColor = cr;
        m_pEditor->SetModified();
    }
    void FileCommand(int nId)
    {
        Click(m_pEditor->GetWindowButton(ID_WND_FILE));
        ASSERT_EQ(m_pEditor->GetOpenMenu(), MENU_FILE);
        CDropDownMenu* menu = m_pEditor->GetMenu(MENU_FILE);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->IsUnfolded(); }, 2000));
        Click(FindButton(menu, nId));
    }
    bool WorkingFilesLeft(const std::string& path) const
    {
        return platform::FileExists(WorkingFileName(path, WorkingFile::W1)) ||
               platform::FileExists(WorkingFileName(path, WorkingFile::W2)) ||
               platform::FileExists(WorkingFileName(path, WorkingFile::W3));
    }
    void Settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_answers.Pending(); }, 5000));
    }

    struct Prompts {
        Prompts() { InstallDialogPrompts(); }
        ~Prompts() { UninstallDialogPrompts(); }
    } m_prompts;
    QTemporaryDir m_dir;
    std::string m_strDir;
    std::unique_ptr<CEditorDialog> m_pEditor;
    CModalAnswers m_answers;
};

TEST(EditorGeometry, frame_is_centred_and_the_stage_view_maps_to_stage_points)
{
    const QSize screen(1024, 768);
    EXPECT_EQ(CEditorDialog::FrameOrigin(screen), QPoint(112, 84));
    EXPECT_EQ(CEditorDialog::StagePointFromScreen({240, 194}, screen), (CPoint{0, 0}));
    EXPECT_EQ(CEditorDialog::StagePointFromScreen({855, 655}, screen), (CPoint{798, 598}));
    EXPECT_EQ(CEditorDialog::FrameOrigin({800, 600}), QPoint(0, 0));
    EXPECT_EQ(CEditorDialog::FrameOrigin({1025, 769}), QPoint(112, 84));
}

TEST_F(EditorWindow, edit_button_opens_then_closes_its_menu_and_a_second_opening_unfolds_again)
{
    CDropDownMenu* edit = m_pEditor->GetMenu(MENU_EDIT);
    Click(m_pEditor->GetWindowButton(ID_WND_EDIT));
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_EDIT);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->GetStep(), 0);
    ASSERT_TRUE(QTest::qWaitFor([edit] { return edit->IsUnfolded(); }, 2000));
    Click(m_pEditor->GetWindowButton(ID_WND_EDIT));
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_NONE);
    EXPECT_FALSE(edit->isVisible());

    Click(m_pEditor->GetWindowButton(ID_WND_EDIT));
    EXPECT_EQ(edit->GetStep(), 0);
    // Another menu's button closes this one.
    Click(m_pEditor->GetWindowButton(ID_WND_VIEW));
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_VIEW);
    EXPECT_FALSE(edit->isVisible());
}

// The words beside the menu buttons are part of them: a click on "View" opens the View menu,
// a second one closes it.
TEST_F(EditorWindow, a_click_on_a_menu_word_opens_its_menu)
{
    const QPoint words[3] = {{485, 31}, {572, 31}, {660, 31}};
    for (int menu : {MENU_FILE, MENU_EDIT, MENU_VIEW}) {
        QTest::mouseClick(m_pEditor.get(), Qt::LeftButton, {},
                          m_pEditor->GetFrameOrigin() + words[menu]);
        EXPECT_EQ(m_pEditor->GetOpenMenu(), menu);
        EXPECT_TRUE(m_pEditor->GetMenu(menu)->isVisible());
    }
    QTest::mouseClick(m_pEditor.get(), Qt::LeftButton, {}, m_pEditor->GetFrameOrigin() + words[2]);
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_NONE);
}

TEST_F(EditorWindow, commands_of_later_tools_and_of_an_empty_history_are_shown_disabled)
{
    FileCommand(ID_FILE_NEW);
    // A new project has no objects, no history and an empty clipboard.
    for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                   ID_EDIT_DELETE, ID_EDIT_SELECTALL})
        EXPECT_FALSE(FindButton(m_pEditor->GetMenu(MENU_EDIT), id)->isEnabled()) << id;
    // The project's properties are there for every project.
    EXPECT_TRUE(FindButton(m_pEditor->GetMenu(MENU_EDIT), ID_EDIT_PROPERTIES)->isEnabled());
    for (int id : {ID_VIEW_TOOLBOX, ID_VIEW_IMPORTIMAGE, ID_VIEW_IMPORTMIDI, ID_VIEW_LIBRARIES,
                   ID_VIEW_EFFECTS, ID_VIEW_LAYERMANAGER})
        EXPECT_TRUE(FindButton(m_pEditor->GetMenu(MENU_VIEW), id)->isEnabled()) << id;
    CDropDownMenu* file = m_pEditor->GetMenu(MENU_FILE);
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVEAS,
                   ID_FILE_PLAY, ID_FILE_EXIT, ID_FILE_SENDMAIL, ID_FILE_EXPORT})
        EXPECT_TRUE(FindButton(file, id)->isEnabled()) << id;
}

TEST_F(EditorWindow, without_a_project_only_new_open_and_exit_are_offered)
{
    CDropDownMenu* file = m_pEditor->GetMenu(MENU_FILE);
    for (int id : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVEAS, ID_FILE_PLAY})
        EXPECT_FALSE(FindButton(file, id)->isEnabled()) << id;
    CMainToolbar* toolbar = m_pEditor->GetToolbar();
    EXPECT_TRUE(FindButton(toolbar, ID_MTB_SET1)->isEnabled());  // new
    EXPECT_TRUE(FindButton(toolbar, ID_MTB_SET2)->isEnabled());  // open
    EXPECT_FALSE(FindButton(toolbar, ID_MTB_SET3)->isEnabled()); // save
    EXPECT_FALSE(FindButton(toolbar, ID_MTB_SET5)->isEnabled()); // play
    EXPECT_EQ(m_pEditor->GetStateCode(), 0);
}

TEST_F(EditorWindow, set_switch_cycles_the_button_sets_with_their_faces)
{
    CMainToolbar* toolbar = m_pEditor->GetToolbar();
    CMyBitmapButton* first = FindButton(toolbar, ID_MTB_SET1);
    const QImage set1 = first->Face(0);
    ASSERT_FALSE(set1.isNull());
    Click(FindButton(toolbar, ID_MTB_CHANGE));
    EXPECT_EQ(toolbar->GetSet(), 1);
    EXPECT_EQ(toolbar->SetButtonCommand(0), ID_EDIT_CUT);
    EXPECT_NE(first->Face(0), set1);
    Click(FindButton(toolbar, ID_MTB_CHANGE));
    EXPECT_EQ(toolbar->SetButtonCommand(4), ID_VIEW_TOOLBOX);
    Click(FindButton(toolbar, ID_MTB_CHANGE));
    EXPECT_EQ(toolbar->GetSet(), 0);
    EXPECT_EQ(first->Face(0), set1);
}

// The rows of the close table.
TEST_F(EditorWindow, closing_unchanged_projects_asks_nothing)
{
    FileCommand(ID_FILE_NEW);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNew);
    FileCommand(ID_FILE_CLOSE);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);

    const std::string path = MakeGreeting("a.kel");
    const auto before = Bytes(path);
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docOpened);
    FileCommand(ID_FILE_CLOSE);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);
    EXPECT_EQ(m_answers.Answered(), 0);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_FALSE(WorkingFilesLeft(path));
}

TEST_F(EditorWindow, changed_new_project_cancel_keeps_it_no_discards_it_yes_saves_it)
{
    FileCommand(ID_FILE_NEW);
    Change();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNewChanged);

    m_answers.Next(Press(kCancel));
    FileCommand(ID_FILE_CLOSE);
    Settle();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNewChanged);
    ASSERT_NE(m_pEditor->GetDoc(), nullptr);

    // Yes asks for a name; "card" is saved as card.kel in the folder the front opens on.
    CEditorDialog* editor = m_pEditor.get();
    m_answers.Next(Press(kYes));
    m_answers.Next(TypeName("card"));
    FileCommand(ID_FILE_CLOSE);
    Settle();
    EXPECT_EQ(editor->GetDocState(), CEditorDialog::docNone);
    const std::string saved = m_strDir + "/card.kel";
    ASSERT_TRUE(IsProjectFile(saved));
    std::unique_ptr<CAbstractMovie> movie;
    ASSERT_TRUE(::OpenProject(saved, movie));
    EXPECT_EQ(movie->GetFirstStage()->m_pBackground->m_crColor, 0x123456u);
    movie.reset();
    CloseProjectFiles(saved);
    EXPECT_FALSE(WorkingFilesLeft(saved));

    FileCommand(ID_FILE_NEW);
    Change();
    m_answers.Next(Press(kNo));
    FileCommand(ID_FILE_CLOSE);
    Settle();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);
}

TEST_F(EditorWindow, changed_opened_project_no_on_close_leaves_its_file_byte_for_byte)
{
    const std::string path = MakeGreeting("b.kel");
    const auto before = Bytes(path);
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    Change();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docOpenedChanged);

    m_answers.Next(Press(kCancel));
    FileCommand(ID_FILE_CLOSE);
    Settle();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docOpenedChanged);

    m_answers.Next(Press(kNo));
    FileCommand(ID_FILE_CLOSE);
    Settle();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_FALSE(WorkingFilesLeft(path));
}

TEST_F(EditorWindow, changed_opened_project_no_before_new_leaves_its_file_byte_for_byte)
{
    const std::string path = MakeGreeting("c.kel");
    const auto before = Bytes(path);
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    Change();
    m_answers.Next(Press(kNo));
    FileCommand(ID_FILE_NEW);
    Settle();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNew);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_FALSE(WorkingFilesLeft(path));
}

TEST_F(EditorWindow, changed_opened_project_yes_writes_the_change_into_its_file)
{
    const std::string path = MakeGreeting("d.kel");
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    Change(0x00ABCDEF);
    m_answers.Next(Press(kYes));
    FileCommand(ID_FILE_CLOSE);
    Settle();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);
    EXPECT_FALSE(WorkingFilesLeft(path));
    std::unique_ptr<CAbstractMovie> movie;
    ASSERT_TRUE(::OpenProject(path, movie));
    EXPECT_EQ(movie->GetFirstStage()->m_pBackground->m_crColor, 0x00ABCDEFu);
    movie.reset();
    CloseProjectFiles(path);
}

TEST_F(EditorWindow, a_file_that_is_no_greeting_is_refused_with_a_message)
{
    const std::string path = m_strDir + "/not.kel";
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("hello, this is not a greeting");
    file.close();
    platform::CMessageRecorder recorder; // the model's own report stays out of the way
    m_answers.Next(Press(kOk));
    EXPECT_FALSE(m_pEditor->OpenProjectFile(path));
    Settle();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);
    EXPECT_EQ(m_answers.Answered(), 1);
    EXPECT_FALSE(WorkingFilesLeft(path));
}

TEST_F(EditorWindow, a_failure_met_while_painting_is_shown_after_the_paint)
{
    const std::string path = MakeBrokenGreeting("broken.kel");
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    m_pEditor->repaint(); // returns: the box does not open inside the paint
    EXPECT_EQ(m_answers.Answered(), 0);
    m_answers.Next(Press(kOk));
    Settle();
    EXPECT_EQ(m_answers.Answered(), 1);
    m_pEditor->repaint(); // reported once
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(EditorWindow, exit_ends_the_editor_only_when_the_close_completes)
{
    FileCommand(ID_FILE_NEW);
    Change();
    m_answers.Next(Press(kCancel));
    FileCommand(ID_FILE_EXIT);
    Settle();
    EXPECT_TRUE(m_pEditor->isVisible());
    m_answers.Next(Press(kNo));
    FileCommand(ID_FILE_EXIT);
    Settle();
    EXPECT_FALSE(m_pEditor->isVisible());
    EXPECT_EQ(m_pEditor->result(), 1);
}

// A mail server that takes the connection and says nothing until it is told to hang up.
class CSilentServer {
public:
    CSilentServer()
    {
        m_nListen = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_nListen, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(m_nListen, 1);
        socklen_t length = sizeof address;
        getsockname(m_nListen, reinterpret_cast<sockaddr*>(&address), &length);
        m_nPort = ntohs(address.sin_port);
        m_accepter = std::thread([this] { m_nClient = accept(m_nListen, nullptr, nullptr); });
    }
    ~CSilentServer() { HangUp(); }
    int Port() const { return m_nPort; }
    void HangUp()
    {
        if (m_nListen < 0)
            return;
        shutdown(m_nListen, SHUT_RDWR);
        if (m_accepter.joinable())
            m_accepter.join();
        if (m_nClient >= 0)
            close(m_nClient);
        close(m_nListen);
        m_nListen = -1;
    }

private:
    int m_nListen = -1;
    int m_nClient = -1;
    int m_nPort = 0;
    std::thread m_accepter;
};

class CQuietHost : public IMailHost {
public:
    void ShowResult(const std::string&, bool, const std::string&) override {}
};

TEST_F(EditorWindow, exit_while_a_mail_is_being_sent_asks_and_no_keeps_both)
{
    CSilentServer server;
    CQuietHost host;
    auto thread = std::make_unique<CMailThread>();
    thread->m_strServer = "127.0.0.1:" + std::to_string(server.Port());
    thread->m_strTo = "friend@example.org";
    thread->m_strFrom = "me@example.org";
    thread->m_strProjectPath = MakeGreeting("mail.kel");
    thread->m_strDataDir = m_strDir;
    thread->m_nTimeoutSeconds = 60;
    thread->m_pHost = &host;
    ASSERT_TRUE(StartMailThread(std::move(thread)));
    ASSERT_TRUE(IsSendInProgress());

    std::string question;
    m_answers.Next([&question](QWidget* box) {
        question = static_cast<CMessageBoxDlg*>(box)->GetText();
        Press(kNo)(box);
    });
    FileCommand(ID_FILE_EXIT);
    Settle();
    EXPECT_EQ(question, "   " + platform::LoadResString(10161));
    EXPECT_TRUE(m_pEditor->isVisible());
    EXPECT_TRUE(IsSendInProgress());

    server.HangUp();
    WaitForMailThreads();
    EXPECT_FALSE(IsSendInProgress());
    FileCommand(ID_FILE_EXIT); // nothing is sent now: no question
    EXPECT_FALSE(m_pEditor->isVisible());
}

TEST_F(EditorWindow, escape_does_not_end_the_editor)
{
    QTest::keyClick(m_pEditor.get(), Qt::Key_Escape);
    EXPECT_TRUE(m_pEditor->isVisible());
}

// The player's state table, driven by the toolbar's buttons.
TEST_F(EditorWindow, player_buttons_drive_the_player_states)
{
    const std::string path = MakeGreeting("p.kel");
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    CMainToolbar* toolbar = m_pEditor->GetToolbar();
    toolbar->m_bAutoPlay = false;
    Click(FindButton(toolbar, ID_MTB_SET5));
    CPlaybackController* player = m_pEditor->GetPlayer();
    ASSERT_TRUE(player->IsPlayerMode());
    EXPECT_EQ(player->GetPlayState(), CPlaybackController::stateAtRest);
    EXPECT_FALSE(FindButton(toolbar, ID_MTB_SET1)->isVisible());
    EXPECT_TRUE(FindButton(toolbar, ID_PLAYER_PLAY)->isVisible());
    for (int id : {ID_PLAYER_PAUSE, ID_PLAYER_STOP, ID_PLAYER_FIRST, ID_PLAYER_PREVIOUS})
        EXPECT_FALSE(FindButton(toolbar, id)->isEnabled()) << id;

    Click(FindButton(toolbar, ID_PLAYER_NEXT));
    EXPECT_EQ(toolbar->GetFrameText(), "1");
    Click(FindButton(toolbar, ID_PLAYER_PLAY));
    EXPECT_EQ(player->GetPlayState(), CPlaybackController::statePlaying);
    EXPECT_TRUE(toolbar->IsTwinkling());
    for (int id : {ID_PLAYER_PLAY, ID_PLAYER_FIRST, ID_PLAYER_PREVIOUS, ID_PLAYER_NEXT,
                   ID_PLAYER_LAST})
        EXPECT_FALSE(FindButton(toolbar, id)->isEnabled()) << id;
    Click(FindButton(toolbar, ID_PLAYER_PAUSE));
    EXPECT_EQ(player->GetPlayState(), CPlaybackController::statePaused);
    EXPECT_FALSE(toolbar->IsTwinkling());
    Click(FindButton(toolbar, ID_PLAYER_PAUSE));
    EXPECT_EQ(player->GetPlayState(), CPlaybackController::statePlaying);
    Click(FindButton(toolbar, ID_PLAYER_STOP));
    EXPECT_EQ(player->GetPlayState(), CPlaybackController::stateAtRest);
    EXPECT_TRUE(FindButton(toolbar, ID_PLAYER_PLAY)->isEnabled());
    EXPECT_FALSE(FindButton(toolbar, ID_PLAYER_STOP)->isEnabled());

    Click(FindButton(toolbar, ID_PLAYER_CLOSE));
    EXPECT_FALSE(player->IsPlayerMode());
    EXPECT_TRUE(FindButton(toolbar, ID_MTB_SET1)->isVisible());
    EXPECT_FALSE(FindButton(toolbar, ID_PLAYER_PLAY)->isVisible());
}

TEST_F(EditorWindow, play_from_the_toolbar_plays_at_once_and_the_clock_paints_frames)
{
    const std::string path = MakeGreeting("q.kel");
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    Click(FindButton(m_pEditor->GetToolbar(), ID_MTB_SET5));
    EXPECT_EQ(m_pEditor->GetPlayer()->GetPlayState(), CPlaybackController::statePlaying);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_pEditor->GetPaintStats().nFrames >= 3; },
                                5000));
    // Paints for other reasons (the window uncovered) show the frame again without advancing.
    Click(FindButton(m_pEditor->GetToolbar(), ID_PLAYER_PAUSE));
    CAbstractMovie* movie = m_pEditor->GetDoc()->GetMovie();
    const int frame = movie->GetCurrentFrame();
    const int painted = m_pEditor->GetPaintStats().nFrames;
    m_pEditor->GetPlayer()->OnCommand(ID_PLAYER_PAUSE); // playing again, the clock not yet due
    m_pEditor->repaint();
    m_pEditor->repaint();
    EXPECT_EQ(movie->GetCurrentFrame(), frame);
    EXPECT_EQ(m_pEditor->GetPaintStats().nFrames, painted);
}

TEST_F(EditorWindow, stage_view_shows_the_project_and_the_welcome_picture_without_one)
{
    m_pEditor->repaint();
    const QImage welcome = platform::LoadResBitmap("MODUL_TABLA");
    ASSERT_FALSE(welcome.isNull());
    EXPECT_EQ(m_pEditor->Composition().pixel(128 + 300, 110 + 200),
              welcome.convertToFormat(QImage::Format_RGB32).pixel(300, 200));
    FileCommand(ID_FILE_NEW);
    m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->m_pBackground->m_crColor = 0x0000FF;
    m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->m_bBackgroundCached = 0;
    m_pEditor->SetModified();
    m_pEditor->OnCommand(ID_FILE_PLAY); // the player composes afresh
    m_pEditor->OnCommand(ID_PLAYER_CLOSE);
    m_pEditor->repaint();
    EXPECT_EQ(m_pEditor->Composition().pixel(128 + 300, 110 + 200), qRgb(255, 0, 0));
}

// Skinned windows.
TEST(SkinnedWindow, face_missing_from_the_library_still_opens_with_its_region)
{
    platform::SetResourceLibrary(nullptr);
    CSkinnedWidget window("TOOLBOX", true, nullptr);
    window.show();
    EXPECT_TRUE(window.Skin().Face().isNull());
    EXPECT_EQ(window.size(), QSize(91, 202));
    EXPECT_FALSE(window.mask().isEmpty());
    EXPECT_FALSE(window.mask().contains(QPoint(0, 0))); // a rounded corner
    EXPECT_TRUE(window.mask().contains(QPoint(45, 100)));
}

TEST(SkinnedWindow, button_with_only_an_up_face_shows_it_in_every_state)
{
    CMyBitmapButton button("", 7, nullptr);
    QImage up(20, 10, QImage::Format_ARGB32_Premultiplied);
    up.fill(Qt::red);
    button.SetFaces(up, {}, {}, {});
    EXPECT_EQ(button.size(), QSize(20, 10));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(button.Face(i), up) << i;
    button.setEnabled(false);
    EXPECT_EQ(button.FaceIndex(), 3);
    CMyBitmapButton faceless("", 8, nullptr);
    EXPECT_FALSE(faceless.HasFace());
}

TEST(SkinnedWindow, tooltip_shows_its_tools_text_between_its_end_pieces)
{
    QWidget tool;
    CSkinToolTip tip(nullptr);
    tip.AddTool(&tool, std::string("Open a greeting"));
    tip.ShowFor(&tool, {100, 100});
    EXPECT_FALSE(tip.isVisible()); // not active yet
    tip.Activate(true);
    tip.ShowFor(&tool, {100, 100});
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.ShownText(), "Open a greeting");
    const QImage left = LoadOwnBitmap("TIP_LEFT");
    ASSERT_FALSE(left.isNull());
    EXPECT_GT(tip.width(), left.width() + QFontMetrics(QFont("Arial")).horizontalAdvance("Open"));
    // Where the end piece is transparent the tip is not.
    const QPoint corner(0, (tip.height() - left.height()) / 2);
    EXPECT_EQ(qAlpha(left.pixel(0, 0)) != 0, tip.mask().contains(corner));
    tip.UpdateTipText(&tool, "Open");
    tip.ShowFor(&tool, {100, 100});
    EXPECT_EQ(tip.ShownText(), "Open");
}

TEST_F(EditorWindow, dragging_a_tool_window_far_left_stops_right_of_the_main_toolbar)
{
    auto* toolbox = new CSkinnedWidget("TOOLBOX", true, m_pEditor.get());
    m_pEditor->KeepRightOfToolbar(toolbox->Skin());
    toolbox->move(m_pEditor->GetFrameOrigin() + QPoint(300, 200));
    toolbox->show();
    const QPoint grab(40, 10);
    QMouseEvent press(QEvent::MouseButtonPress, grab, toolbox->mapToGlobal(grab), Qt::LeftButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(toolbox, &press);
    const QPoint far(-500, 10);
    QMouseEvent move(QEvent::MouseMove, far, toolbox->mapToGlobal(far), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(toolbox, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, far, toolbox->mapToGlobal(far),
                        Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(toolbox, &release);
    EXPECT_EQ(toolbox->x(), m_pEditor->GetFrameOrigin().x() + 101);
    EXPECT_EQ(toolbox->y(), m_pEditor->GetFrameOrigin().y() + 200);
    EXPECT_EQ(toolbox->width(), 91);
}

} // namespace

namespace {

TEST(MainFrame, runs_the_editor_and_ends_when_the_editor_ends)
{
    auto library = platform::CResourceLibrary::Load(std::string(built::kResourceDir) + "/ksredfr120.rcc");
    ASSERT_NE(library, nullptr);
    platform::SetResourceLibrary(library.get());
    CMainFrameWnd frame;
    EXPECT_EQ(frame.windowTitle(), "Vimble e-mail");
    bool bCreated = false;
    bool bEnded = false;
    frame.m_onEditorCreated = [&](CEditorDialog& editor) {
        bCreated = true;
        EXPECT_EQ(frame.GetEditor(), &editor);
        QTimer::singleShot(0, &editor, [&editor] { editor.OnCommand(ID_WND_CLOSEAPP); });
    };
    frame.m_onEditorEnded = [&](CEditorDialog&) { bEnded = true; };
    EXPECT_EQ(frame.RunEditor(), 1);
    EXPECT_TRUE(bCreated);
    EXPECT_TRUE(bEnded);
    EXPECT_EQ(frame.GetEditor(), nullptr);
    platform::SetResourceLibrary(nullptr);
}

} // namespace
