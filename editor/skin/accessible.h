// What a screen reader learns of the program's own controls. The skinned buttons are pictures
// to Qt, so they get interfaces of their own: a push button, a check button (a button with a
// pressed look that toggles) with its state, or a menu item (a row of a drop-down menu), named
// by its face text in the program's language, else by its tooltip. A window that shows a
// stage lists the stage's objects as children of the stage: "Birthday cake, clipart, at 420,
// 300".
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace accessible {

// Installs the interfaces above (once; later calls do nothing).
void InstallAccessibleControls();

// One object of a stage as a screen reader reads it.
struct StageObject {
    QString strName;  // the name the object shows, or its picture's name
    QString strKind;  // "clipart", "text", "shape", ... in the program's language
    QPoint ptStage;   // its top-left corner on the 800 x 600 stage
    QRect rcWindow;   // where it shows in the window, in the window's coordinates
    bool bSelected = false;
};
using StageObjects = std::function<std::vector<StageObject>()>;

// "Birthday cake, clipart, at 420, 300".
QString StageObjectText(const StageObject& object);

// Makes the stage of the window readable: a child of the window's interface named "Stage"
// (where stageRect says, in the window's coordinates), whose children are the objects the
// function gives. Both are asked again each time they are read. Called while the window is
// made, before anything asks for its interface (an interface made before keeps no stage).
void SetAccessibleStage(QWidget* window, std::function<QRect()> stageRect, StageObjects objects);
// Tells a screen reader that the stage's objects changed (added, removed, moved, chosen).
void StageChanged(QWidget* window);

// Says a status text: the widget's accessible description becomes the text and a screen
// reader hears of the change (a send that finished, a step of the work).
void AnnounceStatus(QWidget* widget, const QString& strText);

} // namespace accessible
