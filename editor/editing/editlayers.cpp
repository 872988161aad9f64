// A layer manager session: every change the manager makes goes into the history as it is made,
// and all of them together are one step. OK keeps the step; Cancel takes it back whole and
// forgets it, so that neither undo nor redo sees it again.
#include "editor/editing/editing.h"

#include "model/movie.h"

#include <algorithm>

void CObjectEditor::BeginLayerSession()
{
    CancelDrag();
    m_store.BeginCompound();
    m_bLayerSession = true;
    m_nUnrecordedAtSession = m_nUnrecorded;
    m_sessionOrder.clear();
    if (const CStage* stage = Stage(); stage != nullptr && stage->GetLayers() != nullptr)
        for (const CLayer* layer : *stage->GetLayers())
            m_sessionOrder.push_back(layer->m_nId);
}

bool CObjectEditor::EndLayerSession(bool bKeep)
{
    if (!m_bLayerSession)
        return false;
    m_bLayerSession = false;
    const size_t nRecords = m_store.EndCompound();
    ClearSelection();
    if (nRecords == 0) {
        Changed(false);
        return false;
    }
    if (bKeep) {
        Changed(true);
        return true;
    }
    // Undone as the one step it is, then dropped from the redo stack it went to.
    if (ApplyStep(true))
        m_store.DropRedoStep();
    // The order of the beginning, by identity: objects the undo could not bring back keep
    // their places after those it did.
    if (CStage* stage = Stage(); stage != nullptr && stage->GetLayers() != nullptr) {
        CLayerList& list = *stage->GetLayers();
        for (auto id = m_sessionOrder.rbegin(); id != m_sessionOrder.rend(); ++id) {
            const int index = list.IndexOf(FindLayer(*id));
            if (index > 0)
                stage->ReorderLayer(index, CStage::moveToTop);
        }
    }
    ClearSelection();
    Changed(true);
    return true;
}
