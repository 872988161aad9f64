// CObjectEditor: the editing behaviour of the stage view. It keeps the current tool, the shape
// styles and text defaults, the selection with its marks, and the state of a drawing, resize or
// move in progress; it turns the person's presses, drags and commands into changes of the
// current stage, each recorded as one undoable step in the undo history store, which it owns
// together with the clipboard (the store's working list).
//
// Units: screen points are the editor window's own coordinates (the window covers the screen);
// the project lives in stage coordinates (800 x 600). A drag's offset is converted to stage
// units once, at the release, so that a move and its undo never drift by a pixel.
#pragma once

#include "editor/editing/editinghost.h"
#include "editor/windows/objectpropsdlg.h"
#include "editor/windows/toolbox.h" // the tools
#include "model/effect.h"
#include "model/undo.h"
#include "platform/types.h"

#include <QImage>
#include <QPoint>
#include <QtGlobal>
#include <QRect>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CEffect;

// What the person is told when a change is made but the undo history could not keep it.
// The flag of a record whose state stands for nothing there (a stage without a picture).
inline constexpr uint8_t UNDO_FLAG_NONE = 1;

// Shown through platform::Tr("Editing", kNotRecorded).
inline constexpr char kNotRecorded[]
    = QT_TRANSLATE_NOOP("Editing", "This change cannot be undone: the undo history could not keep it.");

class CLayer;
class CPlacedPropertiesDlg;
class CSound;
class CSoundList;
class QDialog;
class CStage;
class CProjectDoc;
class QMouseEvent;
class QPainter;

// The program's own cursors of the stage view.
constexpr int IDC_RESIZE_NESW = 209;
constexpr int IDC_MOVE = 210;
constexpr int IDC_RESIZE_NWSE = 211;

// One entry of the shape style table.
struct CShapeStyle {
    COLORREF crLine = 0;
    COLORREF crFill = 0xFFFFFF;
    int32_t nLineWidth = 1;
    bool bFilled = true;
};

// What the text dialog starts from for one kind of text, and what it leaves behind.
struct CTextDefaults {
    CCharFormat cf;
    LOGFONT logfont;
    COLORREF crText = 0;
    std::string strText;
};

// Index of a style entry (line, rectangle, polygon, ellipse, text in rectangle, text in
// ellipse) for a shape tool; -1 for the others.
int StyleIndexOfTool(uint8_t nTool);
// The name a new object of the tool gets ("Trait", "Rectangle", ...); empty for select.
const char* ObjectNameOfTool(uint8_t nTool);

// Gives a shape its outline colour and width and its fill (none when not filled).
void ApplyShapeStyle(
    class CDrawObj& shape, COLORREF crLine, int32_t nWidth, COLORREF crFill, bool bFilled);
// The size a text takes in the font, in stage pixels: its own line breaks only, tabs expanded.
CSize MeasureTextSize(const std::string& strText, const LOGFONT& font);
// True for a drawn line (which keeps its direction: its width and height may be negative).
bool IsLineLayer(const CLayer& layer);
// The object's rectangle in stage coordinates, normalised; computed in 64 bits and clamped to
// the 32-bit range.
CRect StageRectOf(const CLayer& layer);

class CObjectEditor {
public:
    explicit CObjectEditor(CObjectEditorHost& host);
    ~CObjectEditor();
    CObjectEditor(const CObjectEditor&) = delete;
    CObjectEditor& operator=(const CObjectEditor&) = delete;

    // A project was installed (or none, on close): the selection, the drawing state, the
    // clipboard and the history are emptied; the identity counter is raised past the project's.
    void Attach(CProjectDoc* pDoc);
    // The window that shows the stage.
    CObjectEditorHost& Host() const { return m_host; }

    // The tool. Changing it ends any drawing in progress.
    uint8_t GetTool() const { return m_nTool; }
    void SetTool(uint8_t nTool);
    CShapeStyle& Style(int nIndex) { return m_styles.at(static_cast<size_t>(nIndex)); }
    // 0 plain text, 1 text in a rectangle, 2 text in an ellipse.
    CTextDefaults& TextDefaults(int nIndex) { return m_texts.at(static_cast<size_t>(nIndex)); }

    // Runs a text or object dialog; true when the person pressed OK. Tests may put their own
    // answer in its place; by default the dialog runs modally.
    using DialogRunner = std::function<bool(CObjectPropertiesDlg&)>;
    void SetDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    using PlacedDialogRunner = std::function<bool(CPlacedPropertiesDlg&)>;
    void SetPlacedDialogRunner(PlacedDialogRunner runner) { m_runPlacedDialog = std::move(runner); }
    // The same for the sound dialogs (add a wave, spoken text).
    using SoundDialogRunner = std::function<bool(QDialog&)>;
    void SetSoundDialogRunner(SoundDialogRunner runner) { m_runSoundDialog = std::move(runner); }

    // The selection, in the order the objects were selected.
    std::vector<CLayer*> Selection() const;
    int SelectionCount() const { return static_cast<int>(m_selection.size()); }
    bool IsSelected(const CLayer* pLayer) const;
    void Select(CLayer* pLayer);
    void Deselect(CLayer* pLayer);
    void ClearSelection();
    // The topmost object at the stage point, or none.
    CLayer* HitTest(CPoint ptStage) const;
    // The screen rectangle of an object's mark.
    QRect MarkRect(const CLayer& layer) const;

    // The pointer in the stage view (screen points, the window's coordinates). Each returns
    // true when it took the event.
    bool MousePress(QMouseEvent* event);
    bool MouseMove(QMouseEvent* event);
    bool MouseRelease(QMouseEvent* event);
    bool MouseDoubleClick(QMouseEvent* event);
    // A right press: selects the object under the point unless it is selected; true when the
    // point is on a selected object (the object menu opens then).
    bool RightPress(const QPoint& pt);
    // Ends a drag without committing it, and forgets any drawing in progress.
    void CancelDrag();
    bool IsDragging() const { return m_nDrag != dragNone; }
    // The cursor the pointer should show now (0: the arrow).
    int CursorId() const { return m_nCursor; }

    // Commands. Each returns true when it changed the project.
    bool Undo();
    bool Redo();
    bool Cut();
    bool Copy();
    bool Paste();
    bool Delete();
    void SelectAll();
    // One of CStage's reorder modes for the one selected object.
    bool Reorder(int nMode);
    // The same for one object of the stage.
    bool MoveLayer(CLayer& layer, int nMode);
    // Moves the selection by stage pixels, as one step.
    bool Nudge(int dx, int dy);
    // Imports a picture file as an image object at stage point 0, 0 with its own size.
    bool ImportImage(const std::string& strPath);
    bool SetBackgroundColor(COLORREF crColor);
    // The stage's picture: replaced (none: removed) as one step.
    bool ReplaceBackgroundPicture(std::unique_ptr<class CBackgroundBMP> pPicture);
    bool RemoveBackgroundPicture();
    bool HasBackgroundPicture() const;

    // Sounds; each change is one step. A file that cannot be read is refused with a message
    // (10147) and the old sound is kept.
    // The MIDI file becomes the stage's sound, in place of any it had.
    bool SetStageMidi(const std::string& strPath);
    bool RemoveStageSound();
    bool HasStageSound() const;
    // Asks with the add-wave dialog from which frame the wave plays, and gives it to the one
    // selected object (10149 when it would start after the animation's end, 10147 when it
    // would share frames with another wave of the object).
    bool AddWaveToSelected(const std::string& strPath);
    bool AddWaveToLayer(CLayer& layer, const std::string& strPath);
    // The same for an object sound of the library (10147 when its item cannot be read).
    bool AddLibrarySoundToLayer(CLayer& layer, const class CHeaderObject& item);
    // Asks with the spoken-text dialog for a text, and gives it to the one selected object.
    bool AddSpokenTextToSelected();
    bool AddSpokenTextToLayer(CLayer& layer);
    // The properties of a spoken text of the object: its text, frame and voice.
    bool EditSpokenText(CLayer& layer, CSound& marker);
    // The frames of a wave of the object, with the add-wave dialog (refused as when added);
    // of a MIDI sound only the start frame, the tune playing to its own end.
    bool EditWave(CLayer& layer, CSound& wave);
    // Takes the sound out of the object's list.
    bool RemoveSound(CLayer& layer, CSound& sound);
    // The properties of the one selected object: the object dialog for shapes and texts, the
    // placed-object dialog for pictures and clips.
    bool EditSelectedProperties();
    bool EditProperties(CLayer& layer);

    // ---- Layer manager sessions (editlayers.cpp) ----
    // Every change made between the beginning and the end of a session is one undo step. OK
    // keeps it (true when anything changed); Cancel takes it back whole, the stage's order of
    // objects as it was at the beginning, and removes it from both stacks, so that redo cannot
    // bring it back. Both empty the selection.
    void BeginLayerSession();
    bool EndLayerSession(bool bKeep);
    bool IsInLayerSession() const { return m_bLayerSession; }
    // True when a change of the open session could not be recorded (the session cannot be
    // taken back whole any more).
    bool SessionLostARecord() const { return m_nUnrecorded != m_nUnrecordedAtSession; }

    // ---- Effects (editeffects.cpp) ----
    // Each runs the effect properties dialog, changes the objects' effect lists as one
    // undoable step (every list's state before and after), and recomputes the movie's length.
    // True when the project changed. An effect that would share a frame with another effect of
    // its object is refused (10130 for a new one, 10146 for an edit) and everything, the undo
    // history included, stays as it was.
    // A kind dropped on the selection: each selected object gets a new effect from its own end
    // on (the dialog's start is not used); nothing selected does nothing, without a dialog.
    bool AttachEffectToSelection(const struct EffectKind& kind);
    // The same for one object (a kind dropped on an object that is not selected).
    bool AttachEffectToLayer(CLayer& layer, const struct EffectKind& kind);
    // A kind added to one object: the dialog starts at the object's end and its start is used.
    bool AddEffect(CLayer& layer, const struct EffectKind& kind);
    // The effect's duration, start, own value and on-screen choice, from the dialog.
    bool EditEffect(CLayer& layer, class CEffect& effect);
    // Takes the effect out; the new last effect takes the removed one's on-screen choice when
    // the removed one was the last, and goes on screen otherwise.
    bool RemoveEffect(CLayer& layer, class CEffect& effect);
    // Runs the effect properties dialog; true when the person pressed OK. By default the dialog
    // runs modally.
    using EffectDialogRunner = std::function<bool(class CEffectPropertiesDlg&)>;
    void SetEffectDialogRunner(EffectDialogRunner runner) { m_runEffectDialog = std::move(runner); }
    // ---- end of effects ----

    // ---- Library drops (editlibrary.cpp) ----
    // The most objects a stage holds; a drop of an animation or clipart on a full stage is
    // refused with 10123 and adds nothing.
    static constexpr int kMaxObjects = 99;
    // Puts a library item dropped at ptScreen (the editor window's coordinates, a point of the
    // stage view) into the project as one undoable step: an animation or clipart becomes a new
    // topmost selected object with its top-left corner (its middle when bCentred) at the
    // point, kept on the stage, with the default movement; a background replaces the stage's picture; a sound (type 8)
    // becomes the stage's music; an object sound (type 7) goes to the one selected object.
    // An item file that is missing or damaged, a clipart without a picture, a clip of size 0
    // or a full stage is reported and changes nothing. True when the project changed.
    bool PlaceLibraryItem(const class CHeaderObject& item, QPoint ptScreen, bool bCentred = false);
    // ---- end of library drops ----

    // ---- What the desktop brings and takes (editpaste.cpp) ----
    // A picture becomes a new topmost selected object, as an imported one: scaled down to fit
    // inside the stage when larger, its middle at ptMiddle (stage pixels) and kept on the
    // stage, named strName. One undoable step; false when it cannot be made (said).
    bool PlacePicture(const QImage& picture, const std::string& strName, CPoint ptMiddle);
    // The same for a picture file, read as Import image reads it (the reader says why not).
    bool PlacePictureFile(const std::string& strPath, CPoint ptMiddle);
    // A plain text object, in the text tool's last font and colour, its middle at ptMiddle.
    bool PlaceText(const std::string& strText, CPoint ptMiddle);
    // A song in an audio file (WAV, MP3, M4A, Ogg, Opus, FLAC...) becomes a wave sound of the
    // object from the first frame, as much of it as the greeting lasts (a minute at most),
    // kept compressed in the project. One step; refused with a message naming the file when
    // it cannot be decoded or would play at the same time as another wave of the object.
    bool AddSongToLayer(CLayer& layer, const std::string& strPath);
    // The selected objects drawn alone as the still draws them, on a see-through picture of
    // their bounds (stage pixels). Null with nothing selected.
    QImage SelectionPicture() const;
    // ---- end of the desktop ----

    bool CanUndo() const { return m_store.CanUndo(); }
    bool CanRedo() const { return m_store.CanRedo(); }
    bool IsClipboardFilled() const { return m_bClipboardFilled; }
    CUndoStore& Store() { return m_store; }
    // True while the project is where it was when it was last opened or saved.
    bool IsAtSavedState() const { return m_store.Position() == m_nSavedPosition && !m_bDirty; }
    // The project was written (or opened): this is the state to come back to.
    void MarkSaved();
    // The project changed in a way the history does not know: it stays changed until saved.
    void MarkUnrecordedChange() { m_bDirty = true; }

    // Draws the selection marks and the feedback of a drag into the composition (frame
    // coordinates: the window's minus the frame's origin).
    void PaintOverlay(QPainter& painter) const;

private:
    // Adds the picture as a new object with its top-left corner at ptAt, selected, as one undo
    // step; false when it could not be added.
    bool AddSelectedPicture(std::unique_ptr<class CHBitmap> bitmap, CPoint ptAt,
                            const std::string& strName);
    enum Drag { dragNone, dragPending, dragMove, dragResize, dragShape };
    struct CMark {
        QRect rc; // screen rectangle
        int32_t nLayerId;
    };

    CStage* Stage() const;
    CLayer* FindLayer(int32_t nId) const;
    QRect StageViewRect() const;
    QPoint ClampToStageView(QPoint pt) const;
    CPoint ScreenToStage(QPoint pt) const;
    QRect StageToScreen(const CRect& rc) const;
    void RebuildMarks();
    void Changed(bool bRecomputeLength);
    void ResetDrawing();
    // A change was made that the history could not keep: said, and the project stays changed
    // until saved.
    void NotRecorded();

    // Selection tool.
    void PressSelect(QPoint pt, Qt::KeyboardModifiers modifiers);
    int HandleAt(QPoint pt) const;
    bool CommitMove(QPoint pt);
    bool CommitResize(QPoint pt, bool bShift);
    // Shapes.
    void PressShape(QPoint pt);
    bool ReleaseShape(QPoint pt);
    bool CreateText(QPoint pt);
    bool FinishPolygon();
    CLayer* CreateObject(
        uint8_t nTool, const CRect& rcStage, std::unique_ptr<class CDrawObj> pShape);
    bool RunTextDialog(int nMode, int nDefaults, CTextDefaults& result);

    // History.
    bool ApplyRecord(CUndoRecord& record, bool bUndo);
    // Takes the newest step of the undo (or redo) stack and puts its states into the stage.
    bool ApplyStep(bool bUndo);
    bool MoveSelection(int dxStage, int dyStage);
    bool SetPlacement(CLayer& layer, CPoint ptPos, CSize szSize);
    bool ReplaceDrawing(CLayer& layer, const std::function<void(CLayer&)>& change);
    bool RecordAdded(const std::vector<CLayer*>& layers);
    bool RemoveLayers(const std::vector<CLayer*>& layers, bool bRecord);
    // Replaces the stage's sound (none: removes it) as one step.
    bool ReplaceStageSound(std::unique_ptr<CSound> pSound);
    // Changes the layer's sound list as one step; change returns false to leave it as it was.
    bool ChangeSounds(CLayer& layer, const std::function<bool(CSoundList&)>& change);
    // Asks with the add-wave dialog at which frames the sound plays and adds it to the object.
    bool AskAndAddSound(CLayer& layer, std::unique_ptr<CSound> sound);
    // Adds the sound unless it would share frames with another wave of the object (10147).
    bool AddSoundToLayer(CLayer& layer, std::unique_ptr<CSound> sound);
    // ---- Effects (editeffects.cpp) ----
    bool AttachEffect(const std::vector<CLayer*>& layers, const struct EffectKind& kind);
    bool RunEffectDialog(class CEffectPropertiesDlg& dlg);
    // An effect list changed, its step pushed (bRecorded) or not: said when not, the length
    // recomputed; true.
    bool EffectsChanged(bool bRecorded);
    // A new effect did not fit and was taken out again: said, the length recomputed.
    void RefuseNewEffect(class CAbstractMovie& movie);
    // ---- end of effects ----

    CObjectEditorHost& m_host;
    CProjectDoc* m_pDoc = nullptr;
    CUndoStore m_store;
    uint64_t m_nSavedPosition = 0;
    bool m_bDirty = false; // a change the history could not record
    int m_nUnrecorded = 0; // changes the history could not record, ever
    int m_nUnrecordedAtSession = 0;
    bool m_bLayerSession = false;
    std::vector<int32_t> m_sessionOrder; // the stage's objects at the session's beginning
    bool m_bClipboardFilled = false;

    uint8_t m_nTool = TOOL_SELECT;
    std::array<CShapeStyle, 6> m_styles {};
    std::array<CTextDefaults, 3> m_texts {};
    DialogRunner m_runDialog;
    PlacedDialogRunner m_runPlacedDialog;
    SoundDialogRunner m_runSoundDialog;
    EffectDialogRunner m_runEffectDialog; // effects; empty: the dialog runs modally

    std::vector<int32_t> m_selection; // layer identities, in the order of selection
    std::vector<CMark> m_marks;

    // Drag state.
    Drag m_nDrag = dragNone;
    QPoint m_ptAnchor; // screen point of the press
    QPoint m_ptLast; // last pointer position of the drag
    int m_nHandle = 0; // 0 none, 1 top-left, 2 bottom-left, 3 bottom-right, 4 top-right
    int32_t m_nPendingAlone = 0; // the object a release without motion selects alone
    QRect m_rcStart; // the mark or move rectangle at the press
    std::vector<QPoint> m_polygon; // screen points of the polygon being drawn
    bool m_bPolygonActive = false;
    int m_nCursor = 0;
};
