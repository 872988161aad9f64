// The editor window's way into the layer manager: the menus close, the manager runs over the
// current stage, and afterwards the stage view shows the stage as the manager left it, with
// nothing selected, so that a click picks the object that is on top now.
#include "editor/main/editordlg.h"

#include "editor/editing/editing.h"
#include "editor/editing/layermanagerdlg.h"

void CEditorDialog::OpenLayerManager()
{
    if (!IsEditing())
        return;
    CloseMenus();
    m_pEditing->CancelDrag();
    CLayerManagerDlg dlg(Editing());
    if (m_runLayerManager)
        m_runLayerManager(dlg);
    else
        dlg.exec();
    // A manager left open ends as a Cancel does when it goes.
    m_bFullRedraw = true;
    update();
}
