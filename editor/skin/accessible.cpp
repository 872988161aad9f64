#include "editor/skin/accessible.h"

#include "editor/skin/skin.h"
#include "editor/skin/skinlist.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDialog>
#include <QWidget>

#include <utility>

namespace accessible {

namespace {

// The tooltip text of a tool: the tooltips live on the tool's window or one of its owners.
QString ToolTipText(QWidget* tool)
{
    for (QWidget* owner = tool->parentWidget(); owner != nullptr; owner = owner->parentWidget())
        for (CSkinToolTip* tip :
             owner->findChildren<CSkinToolTip*>(QString(), Qt::FindDirectChildrenOnly)) {
            const std::string text = tip->GetText(tool);
            if (!text.empty())
                return QString::fromStdString(text);
        }
    return {};
}

// A skinned button: a push button, a check button or a row of a drop-down menu.
class CButtonAccessible : public QAccessibleWidget {
public:
    explicit CButtonAccessible(CMyBitmapButton* button)
        : QAccessibleWidget(button, RoleOf(button))
    {
    }

    static QAccessible::Role RoleOf(const CMyBitmapButton* button)
    {
        if (qobject_cast<const CDropDownMenu*>(button->parentWidget()) != nullptr)
            return QAccessible::MenuItem;
        return button->IsCheckButton() ? QAccessible::CheckBox : QAccessible::Button;
    }

    CMyBitmapButton* Button() const { return static_cast<CMyBitmapButton*>(widget()); }

    QAccessible::Role role() const override { return RoleOf(Button()); }

    QString text(QAccessible::Text t) const override
    {
        CMyBitmapButton* button = Button();
        if (t == QAccessible::Name) {
            if (!button->accessibleName().isEmpty())
                return button->accessibleName();
            if (const faces::ButtonFace* face = faces::FindButton(button->GetText()))
                if (QString shown = faces::ShownFaceText(face->label); !shown.isEmpty())
                    return shown;
            if (QString tip = ToolTipText(button); !tip.isEmpty())
                return tip;
            return QString::fromStdString(button->GetText());
        }
        if (t == QAccessible::Description) {
            if (!button->accessibleDescription().isEmpty())
                return button->accessibleDescription();
            QString tip = ToolTipText(button);
            return tip == text(QAccessible::Name) ? QString() : tip;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        CMyBitmapButton* button = Button();
        s.pressed = button->isDown();
        if (button->IsCheckButton()) {
            s.checkable = true;
            s.checked = button->HasPressedLook();
        } else if (button->HasPressedLook()) {
            s.pressed = true;
        }
        // A button without a face still takes its place and can be pressed: not invisible.
        return s;
    }

    QStringList actionNames() const override
    {
        if (!Button()->isEnabled())
            return {};
        return {Button()->IsCheckButton() ? toggleAction() : pressAction()};
    }

    void doAction(const QString& action) override
    {
        if (Button()->isEnabled() && (action == pressAction() || action == toggleAction()))
            Button()->click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// The holder of a window's stage: a hidden child object of the window.
class CStageProvider : public QObject {
public:
    CStageProvider(QWidget* window, std::function<QRect()> rc, StageObjects objects)
        : QObject(window), m_rc(std::move(rc)), m_objects(std::move(objects))
    {
        setObjectName(QStringLiteral("accessibleStage"));
    }
    QWidget* Window() const { return static_cast<QWidget*>(parent()); }
    std::vector<StageObject> Objects() const { return m_objects ? m_objects() : std::vector<StageObject>(); }
    QRect Rect() const { return m_rc ? m_rc() : QRect(); }
    std::function<QRect()> m_rc;
    StageObjects m_objects;
};

CStageProvider* ProviderOf(const QObject* window)
{
    return window == nullptr
        ? nullptr
        : window->findChild<CStageProvider*>(QStringLiteral("accessibleStage"),
                                             Qt::FindDirectChildrenOnly);
}

QRect ToScreen(QWidget* window, const QRect& rc)
{
    return QRect(window->mapToGlobal(rc.topLeft()), rc.size());
}

class CStageAccessible;

// One object of the stage; it reads the object at its place in the stage's list each time.
class CStageObjectAccessible : public QAccessibleInterface {
public:
    CStageObjectAccessible(CStageAccessible* stage, int nIndex) : m_pStage(stage), m_nIndex(nIndex) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        StageObject object;
        if (!Get(object))
            return {};
        return t == QAccessible::Name ? StageObjectText(object) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        StageObject object;
        if (!Get(object)) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.selected = object.bSelected;
        return s;
    }

private:
    bool Get(StageObject& object) const;
    CStageAccessible* m_pStage;
    int m_nIndex;
};

// The stage: a canvas whose children are its objects.
class CStageAccessible : public QAccessibleInterface {
public:
    explicit CStageAccessible(CStageProvider* provider) : m_pProvider(provider) {}
    ~CStageAccessible() override
    {
        for (QAccessible::Id id : m_children)
            QAccessible::deleteAccessibleInterface(id);
    }

    std::vector<StageObject> Objects() const { return m_pProvider->Objects(); }
    QWidget* Window() const { return m_pProvider->Window(); }

    bool isValid() const override { return true; }
    QObject* object() const override { return m_pProvider; }
    QWindow* window() const override { return Window()->window()->windowHandle(); }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(Window());
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (m_children.size() <= static_cast<size_t>(index)) {
            auto* item = new CStageObjectAccessible(const_cast<CStageAccessible*>(this),
                                                    static_cast<int>(m_children.size()));
            m_children.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(m_children[static_cast<size_t>(index)]);
    }
    int childCount() const override { return static_cast<int>(Objects().size()); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (size_t i = 0; i < m_children.size(); ++i)
            if (QAccessible::accessibleInterface(m_children[i]) == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const std::vector<StageObject> objects = Objects();
        // The topmost object under the point: the stage lists the object on top first.
        for (size_t i = 0; i < objects.size(); ++i)
            if (ToScreen(Window(), objects[i].rcWindow).contains(x, y))
                return child(static_cast<int>(i));
        return nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QCoreApplication::translate("ScreenReader", "Stage") : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return ToScreen(Window(), m_pProvider->Rect()); }
    QAccessible::Role role() const override { return QAccessible::Canvas; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !Window()->isVisible();
        return s;
    }

private:
    CStageProvider* m_pProvider;
    mutable std::vector<QAccessible::Id> m_children;
};

bool CStageObjectAccessible::Get(StageObject& object) const
{
    std::vector<StageObject> objects = m_pStage->Objects();
    if (m_nIndex >= static_cast<int>(objects.size()))
        return false;
    object = std::move(objects[static_cast<size_t>(m_nIndex)]);
    return true;
}

bool CStageObjectAccessible::isValid() const
{
    return m_nIndex < static_cast<int>(m_pStage->Objects().size());
}

QWindow* CStageObjectAccessible::window() const { return m_pStage->window(); }

QAccessibleInterface* CStageObjectAccessible::parent() const { return m_pStage; }

QRect CStageObjectAccessible::rect() const
{
    StageObject object;
    return Get(object) ? ToScreen(m_pStage->Window(), object.rcWindow) : QRect();
}

// A window with a stage: its widgets, then the stage.
class CStageWindowAccessible : public QAccessibleWidget {
public:
    explicit CStageWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, qobject_cast<QDialog*>(window) != nullptr
                                        ? QAccessible::Dialog
                                        : QAccessible::Window)
    {
    }
    QAccessibleInterface* Stage() const
    {
        return QAccessible::queryAccessibleInterface(ProviderOf(widget()));
    }
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override
    {
        const int nWidgets = QAccessibleWidget::childCount();
        return index == nWidgets ? Stage() : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child != nullptr && child == Stage())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (QAccessibleInterface* found = QAccessibleWidget::childAt(x, y))
            return found;
        QAccessibleInterface* stage = Stage();
        return stage != nullptr && stage->rect().contains(x, y) ? stage : nullptr;
    }
};

// A skinned window inside another or on its own (the toolbar, the library browser, a tool
// window): named by its accessible name, else by the title its face letters, else by its
// window title.
class CSkinnedWindowAccessible : public QAccessibleWidget {
public:
    explicit CSkinnedWindowAccessible(CSkinnedWidget* window)
        : QAccessibleWidget(window, window->isWindow() ? QAccessible::Window : QAccessible::Pane)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        auto* window = static_cast<CSkinnedWidget*>(widget());
        if (!window->accessibleName().isEmpty())
            return window->accessibleName();
        if (const faces::WindowFace* face = faces::FindWindow(window->Skin().GetFaceName()))
            if (!face->title.isEmpty())
                return faces::ShownFaceText(face->title);
        return window->windowTitle();
    }
};

QAccessibleInterface* Factory(const QString& strClass, QObject* object)
{
    (void)strClass;
    if (auto* button = qobject_cast<CMyBitmapButton*>(object))
        return new CButtonAccessible(button);
    if (auto* provider = dynamic_cast<CStageProvider*>(object))
        return new CStageAccessible(provider);
    if (auto* window = qobject_cast<QWidget*>(object); window != nullptr && ProviderOf(window))
        return new CStageWindowAccessible(window);
    if (auto* menu = qobject_cast<CDropDownMenu*>(object))
        return new QAccessibleWidget(menu, QAccessible::PopupMenu);
    if (auto* window = qobject_cast<CSkinnedWidget*>(object))
        return new CSkinnedWindowAccessible(window);
    return nullptr;
}

} // namespace

void InstallAccessibleControls()
{
    static bool s_bInstalled = false;
    if (s_bInstalled)
        return;
    s_bInstalled = true;
    QAccessible::installFactory(&Factory);
}

QString StageObjectText(const StageObject& object)
{
    return QCoreApplication::translate("ScreenReader", "%1, %2, at %3, %4")
        .arg(object.strName, object.strKind)
        .arg(object.ptStage.x())
        .arg(object.ptStage.y());
}

void SetAccessibleStage(QWidget* window, std::function<QRect()> stageRect, StageObjects objects)
{
    InstallAccessibleControls();
    delete ProviderOf(window);
    new CStageProvider(window, std::move(stageRect), std::move(objects));
}

void StageChanged(QWidget* window)
{
    CStageProvider* provider = ProviderOf(window);
    if (provider == nullptr || !QAccessible::isActive())
        return;
    QAccessibleEvent event(provider, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void AnnounceStatus(QWidget* widget, const QString& strText)
{
    if (widget->accessibleDescription() == strText)
        return;
    // Setting the description tells the screen reader of the change.
    widget->setAccessibleDescription(strText);
    if (QAccessible::isActive()) {
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace accessible
