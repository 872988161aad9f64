// Skinned windows: every window of the editor is borderless, its whole face one bitmap of the
// resource library, its outline the polygons of its face description, with bitmap buttons on
// top and the program's own tooltips. CSkin is that behaviour once; CSkinnedWidget (a window
// inside another, or a tool window) and CSkinnedDialog (a modal dialog) wear it.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QWindow;

class CSkinToolTip;

// A button whose look is four bitmaps of the resource library: its text followed by "U" (up),
// "D" (pressed), "F" (focused, or pointed at) and "X" (disabled). It takes the (logical) size of
// its "U" face. A missing "D", "F" or "X" face is the "U" face; without "U" the button has no
// face, and a button without text gets none either. Clicking it sends its command number. The
// faces are loaded for the button's device pixel ratio, and loaded again when it changes (the
// window moved to a screen of another scale).
class CMyBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    CMyBitmapButton(const std::string& strText, int nId, QWidget* parent);

    // Loads the four faces of base name strBase from the resource library. False when "U" is
    // missing (the button then has no face and keeps its size).
    bool LoadFaces(const std::string& strBase);
    // Loads the faces again when the button's device pixel ratio is no longer theirs.
    void MatchPixelRatio();
    // Sets the faces directly; a null up face means no face.
    void SetFaces(QImage up, QImage down, QImage focus, QImage disabled);
    bool HasFace() const { return !m_faces[0].isNull(); }
    // The face shown now: 0 up, 1 pressed, 2 focused, 3 disabled.
    int FaceIndex() const;
    const QImage& Face(int index) const { return m_faces[index]; }

    int GetId() const { return m_nId; }
    const std::string& GetText() const { return m_strText; }
    // A check button keeps its pressed look while set.
    void SetPressedLook(bool bPressed);
    bool HasPressedLook() const { return m_bPressedLook; }
    // A button whose pressed look was ever set is a check button (a screen reader says so).
    bool IsCheckButton() const { return m_bCheckButton; }

    QSize sizeHint() const override;
    // The keys' focus mark (2 px teal #2EC4B6 rounded ring) shows while the button holds focus
    // that the keys gave it (Tab, an arrow in a menu, a window opening); focus the pointer gave
    // shows only the "F" face, as pointing does.
    static constexpr QRgb kFocusRing = 0xFF2EC4B6;
    bool ShowsFocusRing() const;

signals:
    void Command(int nId);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::string m_strText;
    int m_nId;
    std::string m_strBase; // the faces' base name; empty for faces set directly
    qreal m_ratio = 1;     // the device pixel ratio the faces were loaded for
    QImage m_faces[4];
    bool m_bHover = false;
    bool m_bPressedLook = false;
    bool m_bCheckButton = false;
    bool m_bKeyFocus = false; // the focus came from the keys
};

// The program's tooltip: the text on a pale label between the end pieces "TIP_LEFT" and
// "TIP_RIGHT" (the program's own pictures; without them just the label). Every tool is a
// widget with a text; the tip shows when the pointer rests on the tool, and hides when it
// leaves or presses.
class CSkinToolTip : public QWidget {
    Q_OBJECT
public:
    explicit CSkinToolTip(QWidget* owner);
    ~CSkinToolTip() override;

    // Registers a tool with its text (a resource string).
    void AddTool(QWidget* tool, const std::string& strText);
    void AddTool(QWidget* tool, const QString& text);
    void UpdateTipText(QWidget* tool, const std::string& strText);
    void Activate(bool bActive) { m_bActive = bActive; }
    bool IsActive() const { return m_bActive; }
    // The text of a tool, empty for an unknown one.
    std::string GetText(QWidget* tool) const;
    // Shows the tip of tool below the point (global coordinates), as a rest of the pointer does.
    void ShowFor(QWidget* tool, const QPoint& ptGlobal);
    QString ShownText() const { return m_strShown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Compose();
    qreal m_ratio = 1; // the device pixel ratio of the tip's screen, where it shows

    struct Tool {
        QPointer<QWidget> pWidget;
        std::string strText;
    };
    std::vector<Tool> m_tools;
    bool m_bActive = false;
    QString m_strShown;
    QImage m_left;
    QImage m_right;
    QImage m_picture; // the tip as it shows, composed when it is shown, at its pixel ratio
};

// A picture's size in logical pixels: its pixel size over its device pixel ratio (a 2x face of
// 46 x 46 pixels is 23 x 23).
QSize LogicalSize(const QImage& image);

// True for the events that tell a widget its device pixel ratio may have changed.
bool IsPixelRatioChange(const QEvent* event);

// The shared behaviour of a skinned window.
class CSkin {
public:
    // strFace names the face bitmap and the face description (outline, button places).
    CSkin(QWidget* window, std::string strFace, bool bDragByBody);
    CSkin(const CSkin&) = delete;
    CSkin& operator=(const CSkin&) = delete;

    // Loads the face for the window's device pixel ratio, sizes the window to its logical size
    // (to the description's size when the bitmap is missing) and shapes the window with the
    // outline (logical coordinates, so it fits the face at every ratio). A missing face leaves
    // it unpainted.
    void SetFace(const std::string& strFace);
    // What a window paints onto its face after loading it (a caption strip, a title): the face
    // is loaded afresh and decorated now, and again after every load, so a face loaded again
    // for another pixel ratio keeps it. The face carries its ratio; painting onto it in logical
    // coordinates fits every ratio.
    void SetDecoration(std::function<void(QImage& face)> decorate);
    // Loads the face and the buttons' faces again when the window's device pixel ratio is no
    // longer theirs; the window's size, outline and button places stay as they are. The
    // skinned windows call it when a screen change is announced and before painting.
    void MatchPixelRatio();
    const std::string& GetFaceName() const { return m_strFace; }
    const QImage& Face() const { return m_face; }
    QImage& Face() { return m_face; }
    QSize FaceSize() const { return m_size; }

    // A bitmap button for the dialog item with this text and command, placed where the face
    // description puts a button of that name (or at pt when given), registered with the tooltip
    // under resource string nTipId (0: none).
    CMyBitmapButton* AddButton(const std::string& strText, int nId, int nTipId = 0);
    CMyBitmapButton* AddButton(const std::string& strText, int nId, const QPoint& pt,
                               int nTipId = 0);
    CMyBitmapButton* Button(int nId) const;
    const std::vector<CMyBitmapButton*>& Buttons() const { return m_buttons; }
    CSkinToolTip* ToolTip() { return m_pToolTip; }

    // Paints the face at 0, 0; nRows >= 0 copies only that many (logical) rows from the top.
    // The face is first brought to the window's pixel ratio.
    void Paint(QPainter& painter, int nRows = -1);

    // Dragging by the body: the window follows the pointer from a press anywhere on its face.
    // A press alone is still a click; the first move with the button held decides how the
    // window goes. A top-level window asks the window system to move it (where programs may not
    // place their own windows, only the compositor can), and is moved by hand, following the
    // pointer's global position, when the window system will not. A window inside another is
    // moved by hand in its parent's coordinates, computed from positions within the window.
    // A move without the button held ends a drag whose release went elsewhere.
    enum class Drag { none, pressed, system, hand };
    Drag GetDrag() const { return m_drag; }
    bool IsDraggedByBody() const { return m_bDragByBody; }
    // The limit, when set, may correct the proposed top-left corner of a move by hand (global
    // coordinates for a top-level window, the parent's for a child); the window system's moves
    // are its own.
    void SetMoveLimit(std::function<QPoint(QPoint)> limit) { m_limit = std::move(limit); }
    // How the window system is asked to move a top-level window: QWindow::startSystemMove
    // unless replaced; true when the window system has taken the move over.
    void SetSystemMove(std::function<bool(QWindow*)> systemMove)
    {
        m_systemMove = std::move(systemMove);
    }
    // Moves the window as a drag to that top-left corner would, the limit applied.
    void MoveTo(QPoint pt);
    bool MousePress(QMouseEvent* event);
    bool MouseMove(QMouseEvent* event);
    bool MouseRelease(QMouseEvent* event);

private:
    void LoadFace();

    QWidget* m_pWindow;
    std::string m_strFace;
    QImage m_face;
    qreal m_ratio = 1; // the device pixel ratio the face was loaded for
    std::function<void(QImage&)> m_decorate;
    QSize m_size;
    bool m_bDragByBody;
    std::vector<CMyBitmapButton*> m_buttons;
    CSkinToolTip* m_pToolTip;
    std::function<QPoint(QPoint)> m_limit;
    std::function<bool(QWindow*)> m_systemMove;
    Drag m_drag = Drag::none;
    QPoint m_ptGrab; // where the pointer holds the window, in window coordinates
};

// The window region of a face: the union of its outline polygons; the face's rectangle when
// the description does not know it. Empty for an empty size.
QRegion OutlineRegion(const std::string& strFace, const QSize& size);

// A skinned window that lives in another one or on its own (tool windows, the main toolbar,
// menus). Its buttons send their command to OnCommand, which sends Command on.
class CSkinnedWidget : public QWidget {
    Q_OBJECT
public:
    CSkinnedWidget(const std::string& strFace, bool bDragByBody, QWidget* parent,
                   Qt::WindowFlags flags = {});
    CSkin& Skin() { return m_skin; }

signals:
    void Command(int nId);
    // The window is being destroyed (the editor clears its pointer and open flag).
    void Gone();

protected:
    virtual void OnCommand(int nId) { emit Command(nId); }
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Binds a button made by the skin to OnCommand.
    CMyBitmapButton* Bind(CMyBitmapButton* button);

    CSkin m_skin;
};

// A modal skinned dialog; dragged by any point unless told otherwise. One made without a
// parent belongs, when it shows, to the program's window on top (DefaultOwner), so the window
// system opens it there and keeps it above.
class CSkinnedDialog : public QDialog {
    Q_OBJECT
public:
    CSkinnedDialog(const std::string& strFace, bool bDragByBody, QWidget* parent);
    CSkin& Skin() { return m_skin; }
    void setVisible(bool bVisible) override;

protected:
    virtual void OnCommand(int nId) { (void)nId; }
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    CMyBitmapButton* Bind(CMyBitmapButton* button);
    // The keyboard focus follows the pointer onto the dialog's buttons, except while a text
    // field holds it: a drifting pointer must not turn the next blank or Return into a press.
    void FocusFollowsPointer();
    bool eventFilter(QObject* watched, QEvent* event) override;

    CSkin m_skin;

private:
    bool m_bFocusFollowsPointer = false;
};

// The window's controls that the Tab key visits, in the order a person reads the window: line
// by line from the top (controls that share half their height share a line), each line from
// the left; the controls inside a container (a tool window, a toolbar) follow one another
// where the container sits. Windows of their own (tooltips, dialogs) are not part of it.
std::vector<QWidget*> ReadingOrder(QWidget* window);
// Makes that the window's Tab order. The skinned dialogs do it when they show, a skinned tool
// window or menu for its window when it shows.
void SetReadingTabOrder(QWidget* window);

// A drop-down menu: a skinned window of menu rows that unfolds when it opens, painting the top
// 0, 62, 124 and 186 rows of its face 25 ms apart and the whole face from the fifth paint on.
class CDropDownMenu : public CSkinnedWidget {
    Q_OBJECT
public:
    static constexpr int kUnfoldRows = 62;
    static constexpr int kUnfoldSteps = 4;
    static constexpr int kUnfoldPauseMs = 25;

    // rows: the menu's buttons (dialog item text and command), placed as the face says.
    CDropDownMenu(const std::string& strFace, const std::vector<std::pair<std::string, int>>& rows,
                  QWidget* parent);
    // Shows the menu at pt (parent coordinates) and starts unfolding from step 0.
    void Open(const QPoint& pt);
    // Opens it from the keyboard: the menu takes the keys, and its first enabled row the focus
    // once it has unfolded (an arrow before that unfolds it at once).
    void OpenFromKeys(const QPoint& pt);
    int GetStep() const { return m_nStep; }
    bool IsUnfolded() const { return m_nStep >= kUnfoldSteps; }
    // Keys: Down and Up move the focus from enabled row to enabled row (wrapping), Return or
    // Space press the focused row, Left and Right ask for the menu beside it, Escape asks to
    // close it. FocusRow moves the focus nDelta rows on (from none: the first row for
    // nDelta >= 0, the last for a negative one) and returns the row, null when none is enabled.
    CMyBitmapButton* FocusRow(int nDelta);
    CMyBitmapButton* FocusedRow() const;

signals:
    void StepAside(int nDelta);
    void Dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Advance();
    void Unfold();
    int m_nStep = kUnfoldSteps;
    bool m_bFocusFirstRow = false;
    QTimer m_timer;
};

// The program's palette in the look's colours: what is selected in a list or a field, and Qt's
// own focus frames, in a deep coral with white text (clear contrast), instead of the desktop's
// blue.
void UseLookPalette();

// A recessed white panel at rc of a face, as the faces draw the places of their fields.
void PaintFieldPanel(QImage& face, const QRect& rc);

// The lettering the dialogs write on their faces, and a label of it: transparent, placed at
// rc, in the colour given.
QFont Lettering(int nPixels, bool bBold = false);
QLabel* NewFaceLabel(
    QWidget* parent, const char* name, const QRect& rc, const QFont& font, const QColor& colour);
