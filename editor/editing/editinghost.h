// CObjectEditorHost: what the object editor needs of the window that shows the stage. The main
// window implements it; the object editor and the layer manager know only this.
#pragma once

#include <QPoint>

#include <cstdint>
#include <string>

class CProjectDoc;
class QWidget;

class CObjectEditorHost {
public:
    // The stage view: the 800 x 600 frame is shown at 616 x 462, its top-left corner at
    // (kStageLeft, kStageTop) from the frame's origin.
    static constexpr int kFrameWidth = 800;
    static constexpr int kFrameHeight = 600;
    static constexpr int kStageLeft = 128;
    static constexpr int kStageTop = 110;
    static constexpr int kStageWidth = 616;
    static constexpr int kStageHeight = 462;

    // The window the editing dialogs open over.
    virtual QWidget* DialogParent() = 0;
    // The frame's top-left corner in the window's coordinates.
    virtual QPoint GetFrameOrigin() const = 0;
    // The project the stage shows; none while no project is open.
    virtual CProjectDoc* GetDoc() const = 0;
    // Sets the drawing tool and shows it in the toolbox.
    virtual void ChooseTool(uint8_t nTool) = 0;
    // The project was changed by an edit, an undo or a redo.
    virtual void OnProjectEdited() = 0;
    // The enabled state of the commands may have changed.
    virtual void RefreshCommands() = 0;
    // The stage (the selection's marks, a drag's feedback) is to be drawn again.
    virtual void RepaintStage() = 0;
    // Asks for a wave file; empty when the person cancelled.
    virtual std::string ChooseWaveFile() = 0;

protected:
    ~CObjectEditorHost() = default;
};
