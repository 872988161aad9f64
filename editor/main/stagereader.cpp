#include "editor/main/stagereader.h"

#include "editor/editing/editing.h"
#include "editor/main/editordlg.h"
#include "model/movie.h"
#include "playback/projectdoc.h"
#include "playback/shownnames.h"

#include <QCoreApplication>

namespace {

QString KindOf(const CDrawingObject* drawing)
{
    const CGenericDrawing* object = drawing != nullptr ? drawing->GetObject() : nullptr;
    if (dynamic_cast<const CClipartObject*>(object) != nullptr)
        return QCoreApplication::translate("ScreenReader", "clipart");
    if (dynamic_cast<const CAnimationObject*>(object) != nullptr)
        return QCoreApplication::translate("ScreenReader", "animation");
    if (dynamic_cast<const CImageObject*>(object) != nullptr)
        return QCoreApplication::translate("ScreenReader", "picture");
    if (auto* drawn = dynamic_cast<const CDrawnObject*>(object))
        return drawn->m_nShape == 1 ? QCoreApplication::translate("ScreenReader", "text")
                                    : QCoreApplication::translate("ScreenReader", "shape");
    return QCoreApplication::translate("ScreenReader", "object");
}

} // namespace

std::vector<accessible::StageObject> StageObjectsOf(const CEditorDialog& editor)
{
    std::vector<accessible::StageObject> objects;
    const CProjectDoc* doc = editor.GetDoc();
    const CStage* stage = doc != nullptr && doc->GetMovie() != nullptr
        ? doc->GetMovie()->GetFirstStage()
        : nullptr;
    if (stage == nullptr || stage->GetLayers() == nullptr)
        return objects;
    // The stage view shows the 800 x 600 frame at 616 x 462.
    const QPoint ptView = editor.GetFrameOrigin()
        + QPoint(CObjectEditorHost::kStageLeft, CObjectEditorHost::kStageTop);
    auto toView = [&](int n, int nFrame, int nView) { return n * nView / nFrame; };
    for (const CLayer* layer : *stage->GetLayers()) {
        accessible::StageObject object;
        const std::string& name = layer->m_pDrawing ? layer->m_pDrawing->m_strName : std::string();
        object.strName = name.empty() ? QCoreApplication::translate("ScreenReader", "no name")
                                      : shown::ObjectName(name);
        object.strKind = KindOf(layer->m_pDrawing.get());
        if (layer->m_pPos)
            object.ptStage = QPoint(layer->m_pPos->m_ptHome.x, layer->m_pPos->m_ptHome.y);
        QSize size;
        if (layer->m_pSize)
            size = QSize(layer->m_pSize->m_szDesign.cx, layer->m_pSize->m_szDesign.cy);
        const int w = CObjectEditorHost::kFrameWidth;
        const int h = CObjectEditorHost::kFrameHeight;
        const int vw = CObjectEditorHost::kStageWidth;
        const int vh = CObjectEditorHost::kStageHeight;
        object.rcWindow = QRect(ptView + QPoint(toView(object.ptStage.x(), w, vw),
                                                toView(object.ptStage.y(), h, vh)),
                                QSize(toView(size.width(), w, vw), toView(size.height(), h, vh)));
        object.bSelected = editor.Editing().IsSelected(layer);
        objects.push_back(std::move(object));
    }
    return objects;
}

void MakeStageReadable(CEditorDialog& editor)
{
    CEditorDialog* pEditor = &editor;
    accessible::SetAccessibleStage(
        &editor,
        [pEditor] {
            return QRect(pEditor->GetFrameOrigin()
                             + QPoint(CObjectEditorHost::kStageLeft, CObjectEditorHost::kStageTop),
                         QSize(CObjectEditorHost::kStageWidth, CObjectEditorHost::kStageHeight));
        },
        [pEditor] { return StageObjectsOf(*pEditor); });
}
