// What a screen reader reads of the editor: the skinned controls' roles, names and states, and
// the stage's objects as children of the stage.
#include "editor/main/stagereader.h"
#include "editor/windows/senddlg.h"
#include "tests/editor/window_helpers.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace {

class Accessible : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenEditor());
        ASSERT_TRUE(m_pEditor->OpenProjectFile(std::string(built::kDataDir)
                                               + "/samples/Happy Birthday.kel"));
    }
    void TearDown() override { CloseEditor(); }

    static QAccessibleInterface* Of(QObject* object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }
    QAccessibleInterface* StageOfEditor()
    {
        QAccessibleInterface* window = Of(m_pEditor.get());
        return window->child(window->childCount() - 1);
    }
};

// Every control a person can press or type into, in the window and below, has a name.
void ExpectEveryControlNamed(QWidget* window)
{
    int nControls = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(widget) == nullptr
            && qobject_cast<QLineEdit*>(widget) == nullptr
            && qobject_cast<QPlainTextEdit*>(widget) == nullptr)
            continue;
        // A spin box's own field is read as the (named) spin box.
        if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr)
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(iface, nullptr);
        ++nControls;
        EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty())
            << window->windowTitle().toStdString() << ": " << widget->metaObject()->className()
            << " " << widget->objectName().toStdString() << " role " << iface->role();
    }
    EXPECT_GT(nControls, 5) << window->windowTitle().toStdString();
}

} // namespace

TEST_F(Accessible, skinned_controls_say_their_role_name_and_state)
{
    // A check button and a push button of the program's own, named by their tooltips.
    CSkinnedWidget window("TOOLBOX", false, m_pEditor.get());
    auto* check = new CMyBitmapButton("", 7, &window);
    auto* push = new CMyBitmapButton("", 8, &window);
    window.Skin().ToolTip()->AddTool(check, std::string("Send the player along"));
    window.Skin().ToolTip()->AddTool(push, std::string("Pick a colour"));
    check->SetPressedLook(true);
    auto* unset = new CMyBitmapButton("", 9, &window);
    unset->setAccessibleName("Voice mail");
    unset->SetPressedLook(false);
    CMyBitmapButton* undo = nullptr;
    for (CMyBitmapButton* row : m_pEditor->GetMenu(MENU_EDIT)->Skin().Buttons())
        if (row->GetId() == ID_EDIT_UNDO)
            undo = row;
    ASSERT_NE(undo, nullptr);
    ASSERT_FALSE(undo->isEnabled()); // nothing done yet

    struct Row {
        QWidget* pControl;
        QAccessible::Role role;
        QString strName;
        bool bCheckable, bChecked, bDisabled;
    };
    const Row rows[] = {
        {m_pEditor->GetWindowButton(ID_WND_FILE), QAccessible::Button, "File", false, false, false},
        {m_pEditor->GetMenu(MENU_FILE)->Skin().Button(ID_FILE_NEW), QAccessible::MenuItem, "New",
         false, false, false},
        {undo, QAccessible::MenuItem, "Undo", false, false, true},
        {check, QAccessible::CheckBox, "Send the player along", true, true, false},
        {unset, QAccessible::CheckBox, "Voice mail", true, false, false},
        {push, QAccessible::Button, "Pick a colour", false, false, false},
        {m_pEditor->GetMenu(MENU_FILE), QAccessible::PopupMenu, "File", false, false, false},
        {m_pEditor->GetObjectMenu(), QAccessible::PopupMenu, "Object menu", false, false, false},
    };
    for (const Row& row : rows) {
        ASSERT_NE(row.pControl, nullptr) << row.strName.toStdString();
        QAccessibleInterface* iface = Of(row.pControl);
        ASSERT_NE(iface, nullptr);
        SCOPED_TRACE(row.strName.toStdString());
        EXPECT_EQ(iface->role(), row.role);
        EXPECT_EQ(iface->text(QAccessible::Name), row.strName);
        const QAccessible::State state = iface->state();
        EXPECT_EQ(bool(state.checkable), row.bCheckable);
        EXPECT_EQ(bool(state.checked), row.bChecked);
        EXPECT_EQ(bool(state.disabled), row.bDisabled);
        if (row.role == QAccessible::PopupMenu)
            continue;
        // Pressing through the interface is the button's own press, refused while disabled.
        QAccessibleActionInterface* action = iface->actionInterface();
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->actionNames().isEmpty(), row.bDisabled);
    }

    // The check button's toggle sends its command; its state follows the pressed look.
    QSignalSpy commands(check, &CMyBitmapButton::Command);
    Of(check)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0][0].toInt(), 7);
    check->SetPressedLook(false);
    EXPECT_FALSE(Of(check)->state().checked);
    QSignalSpy undone(undo, &CMyBitmapButton::Command);
    Of(undo)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(undone.size(), 0);
}

TEST_F(Accessible, every_control_of_the_editor_and_the_send_dialog_has_a_name)
{
    m_pEditor->OnCommand(ID_VIEW_LIBRARIES);
    ExpectEveryControlNamed(m_pEditor.get());
    CSendMailDlg dlg(*m_pEditor);
    ExpectEveryControlNamed(&dlg);
    // The dialog's switches are check buttons from the start.
    for (int nId : {IDC_SM_PLAYER, IDC_SM_VOICEMAIL, IDC_SM_MAILPROGRAM, IDC_SM_LATER, IDC_SM_YEARLY})
        EXPECT_EQ(Of(dlg.Button(nId))->role(), QAccessible::CheckBox) << nId;
    EXPECT_EQ(Of(&dlg)->text(QAccessible::Name), dlg.windowTitle());
}

TEST_F(Accessible, the_stage_lists_its_objects_with_name_kind_and_place)
{
    QAccessibleInterface* stage = StageOfEditor();
    ASSERT_NE(stage, nullptr);
    EXPECT_EQ(stage->role(), QAccessible::Canvas);
    EXPECT_EQ(stage->text(QAccessible::Name), "Stage");
    EXPECT_EQ(stage->parent(), Of(m_pEditor.get()));
    const QPoint origin = m_pEditor->mapToGlobal(m_pEditor->GetFrameOrigin());
    EXPECT_EQ(stage->rect(), QRect(origin + QPoint(128, 110), QSize(616, 462)));

    const std::vector<accessible::StageObject> objects = StageObjectsOf(*m_pEditor);
    ASSERT_EQ(stage->childCount(), Stage()->GetLayers()->GetCount());
    ASSERT_EQ(static_cast<size_t>(stage->childCount()), objects.size());
    QStringList names;
    for (int i = 0; i < stage->childCount(); ++i) {
        QAccessibleInterface* object = stage->child(i);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->parent(), stage);
        EXPECT_EQ(stage->indexOfChild(object), i);
        EXPECT_EQ(object->role(), QAccessible::Graphic);
        names << object->text(QAccessible::Name);
    }
    EXPECT_TRUE(names.contains("Birthday cake, clipart, at 300, 400")) << names.join(" | ").toStdString();
    EXPECT_TRUE(names.contains("Rising balloons, animation, at 560, 130"))
        << names.join(" | ").toStdString();

    // The cake's place on screen: the stage shows the 800 x 600 frame at 616 x 462.
    const int cake = static_cast<int>(names.indexOf("Birthday cake, clipart, at 300, 400"));
    QAccessibleInterface* pCake = stage->child(cake);
    const QRect rc = pCake->rect();
    EXPECT_EQ(rc.topLeft(), origin + QPoint(128 + 300 * 616 / 800, 110 + 400 * 462 / 600));
    EXPECT_EQ(stage->childAt(rc.center().x(), rc.center().y())->parent(), stage);

    // Choosing the object is its selected state.
    EXPECT_FALSE(pCake->state().selected);
    CLayer* layer = Stage()->GetLayers()->GetAt(cake);
    ASSERT_NE(layer, nullptr);
    Editor().Select(layer);
    EXPECT_TRUE(pCake->state().selected);

    // Without a project the stage is empty and the objects read before are no longer valid.
    m_pEditor->OnCommand(ID_FILE_CLOSE);
    EXPECT_EQ(stage->childCount(), 0);
    EXPECT_FALSE(pCake->isValid());
    EXPECT_TRUE(pCake->text(QAccessible::Name).isEmpty());
}
