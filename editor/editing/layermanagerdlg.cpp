#include "editor/editing/layermanagerdlg.h"

#include "editor/core/app.h"
#include "editor/editing/editing.h"
#include "editor/skin/skinlist.h"
#include "editor/windows/picklistdlg.h"
#include "model/effect.h"
#include "model/header.h"
#include "model/movie.h"
#include "model/sound.h"
#include "platform/message.h"
#include "playback/effecttable.h"
#include "playback/projectdoc.h"
#include "playback/shownnames.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr const char* kFace = "LAYER_MANAGER";

constexpr int IDS_NO_EFFECT = 10127;

// Tooltips of the buttons, in the order of the face's buttons below.
constexpr int IDS_TIP_PROPERTIES = 10057;
constexpr int IDS_TIP_TOP = 10058;
constexpr int IDS_TIP_UP = 10059;
constexpr int IDS_TIP_DOWN = 10060;
constexpr int IDS_TIP_BOTTOM = 10061;
constexpr int IDS_TIP_EFFECT_ADD = 10062;
constexpr int IDS_TIP_EFFECT_REMOVE = 10063;
constexpr int IDS_TIP_EFFECT_PROPERTIES = 10064;
constexpr int IDS_TIP_SOUND_ADD = 10065;
constexpr int IDS_TIP_SOUND_REMOVE = 10066;
constexpr int IDS_TIP_SOUND_PROPERTIES = 10067;
constexpr int IDS_TIP_OK = 10068;
constexpr int IDS_TIP_CANCEL = 10069;

// The three panels of the face. A row is 13 pixels: the object panel shows 27 rows and the
// other two 10, as the page buttons count them.
const QRect kObjectsRect(61, 61, 157, 364);
const QRect kEffectsRect(272, 84, 158, 135);
const QRect kSoundsRect(272, 248, 158, 135);
constexpr int kRowHeight = 13;

// A list showing nRows whole rows in its panel, the rest of the panel above and below them.
QListWidget* MakeList(QWidget* parent, int nId, const QRect& rc, int nRows)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::number(nId));
    SetUpSkinList(list, rc, kRowHeight, (rc.height() - nRows * kRowHeight) / 2, false);
    return list;
}

QListWidgetItem* AddRow(QListWidget* list, const QString& text, const QString& tip)
{
    auto* item = new QListWidgetItem(text, list);
    item->setToolTip(tip.isEmpty() ? item->text() : tip);
    return item;
}

// Picks the row (clamped to the list; none for an empty list) and keeps it in sight.
void Pick(QListWidget* list, int nRow)
{
    if (list->count() == 0) {
        list->setCurrentRow(-1, QItemSelectionModel::Clear);
        return;
    }
    list->setCurrentRow(std::clamp(nRow, 0, list->count() - 1));
    list->scrollToItem(list->currentItem());
}

int PickedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

} // namespace

QString NoObjectName()
{
    return CLayerManagerDlg::tr("<error>");
}

CLayerManagerDlg::CLayerManagerDlg(CObjectEditor& editing)
    : CSkinnedDialog(kFace, true, editing.Host().DialogParent())
    , m_editing(editing)
    , m_pObjects(MakeList(this, IDC_LM_OBJECTS, kObjectsRect, kObjectPage))
    , m_pEffects(MakeList(this, IDC_LM_EFFECTS, kEffectsRect, kListPage))
    , m_pSounds(MakeList(this, IDC_LM_SOUNDS, kSoundsRect, kListPage))
{
    setModal(true);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(faces::ShownFaceText(face->title));

    struct CButton {
        const char* pszName;
        int nId;
        int nTip;
    };
    // The page buttons say what the page keys do.
    static const CButton kButtons[] = {
        { "lmlayerssu", IDC_LM_OBJECTS_UP, 0 },
        { "lmlayerssd", IDC_LM_OBJECTS_DOWN, 0 },
        { "lmlayersprop", IDC_LM_PROPERTIES, IDS_TIP_PROPERTIES },
        { "lmtop", IDC_LM_TOP, IDS_TIP_TOP },
        { "lmup", IDC_LM_UP, IDS_TIP_UP },
        { "lmdown", IDC_LM_DOWN, IDS_TIP_DOWN },
        { "lmbottom", IDC_LM_BOTTOM, IDS_TIP_BOTTOM },
        { "lmeffectsadd", IDC_LM_EFFECT_ADD, IDS_TIP_EFFECT_ADD },
        { "lmeffectsremove", IDC_LM_EFFECT_REMOVE, IDS_TIP_EFFECT_REMOVE },
        { "lmeffectsprop", IDC_LM_EFFECT_PROPERTIES, IDS_TIP_EFFECT_PROPERTIES },
        { "lmeffectssu", IDC_LM_EFFECTS_UP, 0 },
        { "lmeffectssd", IDC_LM_EFFECTS_DOWN, 0 },
        { "lmsoundsadd", IDC_LM_SOUND_ADD, IDS_TIP_SOUND_ADD },
        { "lmsoundsremove", IDC_LM_SOUND_REMOVE, IDS_TIP_SOUND_REMOVE },
        { "lmsoundsprop", IDC_LM_SOUND_PROPERTIES, IDS_TIP_SOUND_PROPERTIES },
        { "lmsoundssu", IDC_LM_SOUNDS_UP, 0 },
        { "lmsoundssd", IDC_LM_SOUNDS_DOWN, 0 },
        { "lmok", IDC_LM_OK, IDS_TIP_OK },
        { "lmcancel", IDC_LM_CANCEL, IDS_TIP_CANCEL },
    };
    CSkinToolTip* tips = m_skin.ToolTip();
    for (const CButton& b : kButtons) {
        CMyBitmapButton* button = Bind(m_skin.AddButton(b.pszName, b.nId, b.nTip));
        if (b.nTip == 0)
            tips->AddTool(button,
                b.nId == IDC_LM_OBJECTS_UP || b.nId == IDC_LM_EFFECTS_UP || b.nId == IDC_LM_SOUNDS_UP
                    ? tr("Page up")
                    : tr("Page down"));
    }
    tips->Activate(true);

    connect(m_pObjects, &QListWidget::currentRowChanged, this, [this] { FillParts(0, 0); });
    connect(m_pObjects, &QListWidget::itemDoubleClicked, this, [this] { EditObject(); });
    connect(m_pEffects, &QListWidget::itemDoubleClicked, this,
        [this] { OnCommand(IDC_LM_EFFECT_PROPERTIES); });
    connect(m_pSounds, &QListWidget::itemDoubleClicked, this,
        [this] { OnCommand(IDC_LM_SOUND_PROPERTIES); });
    for (QListWidget* list : { m_pObjects, m_pEffects, m_pSounds })
        list->installEventFilter(this);

    // Opening: the editor's menus close and the session begins over the stage as it is.
    m_editing.BeginLayerSession();
    FillObjects(0);
    m_pObjects->setFocus();
}

CLayerManagerDlg::~CLayerManagerDlg()
{
    if (m_bOpen)
        m_editing.EndLayerSession(false);
}

// ---------------------------------------------------------------------------------------------
// The lists

CStage* CLayerManagerDlg::Stage() const
{
    const CProjectDoc* doc = m_editing.Host().GetDoc();
    return doc != nullptr && doc->GetMovie() != nullptr ? doc->GetMovie()->GetFirstStage() : nullptr;
}

int CLayerManagerDlg::PickedObject() const
{
    return PickedRow(m_pObjects);
}

int CLayerManagerDlg::PickedEffect() const
{
    return PickedRow(m_pEffects);
}

int CLayerManagerDlg::PickedSound() const
{
    return PickedRow(m_pSounds);
}

int CLayerManagerDlg::TopRow(const QListWidget* list)
{
    return list->verticalScrollBar()->value();
}

CLayer* CLayerManagerDlg::PickedLayer() const
{
    const CStage* stage = Stage();
    const int row = PickedObject();
    return stage != nullptr && stage->GetLayers() != nullptr && row >= 0
        ? stage->GetLayers()->GetAt(row)
        : nullptr;
}

CEffect* CLayerManagerDlg::PickedEffectOf(CLayer& layer) const
{
    const int row = PickedEffect();
    return layer.m_pEffects && row >= 0 ? layer.m_pEffects->GetAt(row) : nullptr;
}

CSound* CLayerManagerDlg::PickedSoundOf(CLayer& layer) const
{
    const int row = PickedSound();
    return layer.m_pSounds && row >= 0 ? layer.m_pSounds->GetAt(row) : nullptr;
}

void CLayerManagerDlg::FillObjects(int nPick)
{
    const QSignalBlocker quiet(m_pObjects);
    m_pObjects->clear();
    if (const CStage* stage = Stage(); stage != nullptr && stage->GetLayers() != nullptr)
        for (const CLayer* layer : *stage->GetLayers()) {
            const std::string& name = layer->m_pDrawing ? layer->m_pDrawing->m_strName : std::string();
            AddRow(m_pObjects, name.empty() ? NoObjectName() : shown::ObjectName(name), {});
        }
    Pick(m_pObjects, nPick);
    FillParts(0, 0);
}

void CLayerManagerDlg::FillParts(int nEffect, int nSound)
{
    m_pEffects->clear();
    m_pSounds->clear();
    const CLayer* layer = PickedLayer();
    if (layer == nullptr)
        return;
    if (layer->m_pEffects)
        for (const CEffect* effect : *layer->m_pEffects)
            AddRow(m_pEffects, shown::EffectName(effect->m_strName),
                tr("%1: frames %2 to %3")
                    .arg(shown::EffectName(effect->m_strName))
                    .arg(effect->m_nStartFrame)
                    .arg(int64_t(effect->m_nStartFrame) + effect->m_nDuration - 1));
    if (layer->m_pSounds)
        for (const CSound* sound : *layer->m_pSounds)
            AddRow(m_pSounds, shown::ObjectName(sound->GetName().empty() ? std::string(kPickVoice) : sound->GetName()),
                tr("%1: from frame %2")
                    .arg(shown::ObjectName(sound->GetName()))
                    .arg(sound->m_nStartFrame));
    Pick(m_pEffects, nEffect);
    Pick(m_pSounds, nSound);
}

void CLayerManagerDlg::Refresh(int nObject, int nEffect, int nSound)
{
    if (m_editing.SessionLostARecord()) {
        // What was done can no longer be taken back whole: the manager ends as a Cancel does,
        // and the change that was not recorded stays.
        done(QDialog::Rejected);
        return;
    }
    const QSignalBlocker quiet(m_pObjects);
    FillObjects(nObject);
    FillParts(nEffect, nSound);
}

// ---------------------------------------------------------------------------------------------
// Commands

void CLayerManagerDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_LM_OK:
        OnOK();
        break;
    case IDC_LM_CANCEL:
        done(QDialog::Rejected);
        break;
    case IDC_LM_TOP:
        Reorder(CStage::moveToTop);
        break;
    case IDC_LM_UP:
        Reorder(CStage::moveUp);
        break;
    case IDC_LM_DOWN:
        Reorder(CStage::moveDown);
        break;
    case IDC_LM_BOTTOM:
        Reorder(CStage::moveToBottom);
        break;
    case IDC_LM_OBJECTS_UP:
    case IDC_LM_OBJECTS_DOWN:
        Page(m_pObjects, kObjectPage, nId == IDC_LM_OBJECTS_DOWN, true);
        break;
    case IDC_LM_EFFECTS_UP:
    case IDC_LM_EFFECTS_DOWN:
        Page(m_pEffects, kListPage, nId == IDC_LM_EFFECTS_DOWN, true);
        break;
    case IDC_LM_SOUNDS_UP:
    case IDC_LM_SOUNDS_DOWN:
        Page(m_pSounds, kListPage, nId == IDC_LM_SOUNDS_DOWN, false);
        break;
    case IDC_LM_PROPERTIES:
        EditObject();
        break;
    case IDC_LM_EFFECT_ADD:
        AddEffect();
        break;
    case IDC_LM_EFFECT_REMOVE:
        ChangePickedEffect([this](CLayer& layer, CEffect& effect) {
            return m_editing.RemoveEffect(layer, effect);
        });
        break;
    case IDC_LM_EFFECT_PROPERTIES:
        ChangePickedEffect([this](CLayer& layer, CEffect& effect) {
            return m_editing.EditEffect(layer, effect);
        });
        break;
    case IDC_LM_SOUND_ADD:
        AddSound();
        break;
    case IDC_LM_SOUND_REMOVE:
        ChangePickedSound([this](CLayer& layer, CSound& sound) {
            return m_editing.RemoveSound(layer, sound);
        });
        break;
    case IDC_LM_SOUND_PROPERTIES:
        // A spoken text has its own dialog; a wave or a MIDI tune the add-wave dialog on its
        // frames.
        ChangePickedSound([this](CLayer& layer, CSound& sound) {
            return sound.m_nKind == CSound::kindMarker ? m_editing.EditSpokenText(layer, sound)
                                                       : m_editing.EditWave(layer, sound);
        });
        break;
    default:
        break;
    }
}

void CLayerManagerDlg::Reorder(int nMode)
{
    CLayer* layer = PickedLayer();
    if (layer == nullptr)
        return;
    const int a = PickedObject();
    const int last = m_pObjects->count() - 1;
    m_editing.MoveLayer(*layer, nMode);
    const int picked = nMode == CStage::moveToTop ? 0
        : nMode == CStage::moveToBottom           ? last
        : nMode == CStage::moveDown               ? std::min(last, a + 1)
                                                  : std::max(0, a - 1);
    Refresh(picked, 0, 0);
}

void CLayerManagerDlg::Page(QListWidget* list, int nRows, bool bDown, bool bPick)
{
    const int n = list->count();
    if (n == 0)
        return;
    int t = TopRow(list);
    // A page down leaves the rows of a page in sight; the last page up reaches the first row.
    if (bDown ? t < n - nRows : t > nRows - 2) {
        t = bDown ? std::min(t + nRows, n - (nRows - 1)) : std::max(0, t - nRows);
        list->verticalScrollBar()->setValue(t);
        if (bPick)
            list->setCurrentRow(t);
        return;
    }
    list->setCurrentRow(bDown ? n - 1 : 0);
    list->scrollToItem(list->currentItem());
}

bool CLayerManagerDlg::RunPicker(CPickListDlg& dlg)
{
    const bool bOk = m_runPicker ? m_runPicker(dlg) : dlg.exec() == QDialog::Accepted;
    update();
    return bOk;
}

void CLayerManagerDlg::AddEffect()
{
    CLayer* layer = PickedLayer();
    if (layer == nullptr)
        return;
    const int object = PickedObject();
    CPickListDlg picker(PICK_MODE_LIST, this);
    picker.m_bEffects = true;
    if (!RunPicker(picker) || picker.m_pEffect == nullptr)
        return;
    if (m_editing.AddEffect(*layer, *picker.m_pEffect))
        Refresh(object, layer->m_pEffects->GetCount() - 1, PickedSound());
}

void CLayerManagerDlg::ChangePickedEffect(const std::function<bool(CLayer&, CEffect&)>& change)
{
    CLayer* layer = PickedLayer();
    CEffect* effect = layer != nullptr ? PickedEffectOf(*layer) : nullptr;
    // The list keeps its row: the next effect, or the changed one.
    if (effect != nullptr && change(*layer, *effect))
        Refresh(PickedObject(), PickedEffect(), PickedSound());
}

void CLayerManagerDlg::ChangePickedSound(const std::function<bool(CLayer&, CSound&)>& change)
{
    CLayer* layer = PickedLayer();
    CSound* sound = layer != nullptr ? PickedSoundOf(*layer) : nullptr;
    if (sound != nullptr && change(*layer, *sound))
        Refresh(PickedObject(), PickedEffect(), PickedSound());
}

void CLayerManagerDlg::AddSound()
{
    CLayer* layer = PickedLayer();
    if (layer == nullptr)
        return;
    const int object = PickedObject();
    const CEditorApp* app = CEditorApp::Get();
    const CCatalogue* sounds
        = app != nullptr ? app->GetCatalogue(CHeaderObject::typeObjectSound) : nullptr;
    bool bAdded = false;
    if (sounds == nullptr || sounds->empty()) {
        // No sounds in the library: a wave file of the person's own.
        const std::string path = m_editing.Host().ChooseWaveFile();
        bAdded = !path.empty() && m_editing.AddWaveToLayer(*layer, path);
    } else {
        // The library's sounds, a spoken text, or a wave file of the person's own.
        CPickListDlg picker(PICK_MODE_LIST, this);
        picker.m_bEffects = false;
        picker.m_bOfferWaveFile = true;
        if (!RunPicker(picker))
            return;
        if (picker.m_bWaveFile) {
            const std::string path = m_editing.Host().ChooseWaveFile();
            bAdded = !path.empty() && m_editing.AddWaveToLayer(*layer, path);
        } else if (picker.m_bVoice)
            bAdded = m_editing.AddSpokenTextToLayer(*layer);
        else if (picker.m_pSound != nullptr)
            bAdded = m_editing.AddLibrarySoundToLayer(*layer, *picker.m_pSound);
    }
    if (bAdded)
        Refresh(object, PickedEffect(), layer->m_pSounds->GetCount() - 1);
}

void CLayerManagerDlg::EditObject()
{
    CLayer* layer = PickedLayer();
    if (layer == nullptr)
        return;
    if (m_editing.EditProperties(*layer))
        Refresh(PickedObject(), PickedEffect(), PickedSound());
}

// ---------------------------------------------------------------------------------------------
// Closing

void CLayerManagerDlg::OnOK()
{
    // Every object must move somehow: one without an effect would never show.
    if (const CStage* stage = Stage(); stage != nullptr && stage->GetLayers() != nullptr) {
        const CLayerList& layers = *stage->GetLayers();
        for (int i = 0; i < layers.GetCount(); ++i) {
            const CLayer* layer = layers.GetAt(i);
            if (!layer->m_pEffects || layer->m_pEffects->IsEmpty()) {
                platform::ShowMessage(IDS_NO_EFFECT, "");
                Pick(m_pObjects, i);
                return;
            }
        }
    }
    done(QDialog::Accepted);
}

void CLayerManagerDlg::done(int result)
{
    if (m_bOpen) {
        m_bOpen = false;
        m_editing.EndLayerSession(result == QDialog::Accepted);
    }
    CSkinnedDialog::done(result);
}

void CLayerManagerDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnOK();
        return;
    default:
        CSkinnedDialog::keyPressEvent(event);
    }
}

bool CLayerManagerDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool bObjects = watched == m_pObjects;
        const bool bEffects = watched == m_pEffects;
        const bool bSounds = watched == m_pSounds;
        if (bObjects || bEffects || bSounds) {
            if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
                const bool bDown = key == Qt::Key_PageDown;
                OnCommand(bObjects ? (bDown ? IDC_LM_OBJECTS_DOWN : IDC_LM_OBJECTS_UP)
                        : bEffects ? (bDown ? IDC_LM_EFFECTS_DOWN : IDC_LM_EFFECTS_UP)
                                   : (bDown ? IDC_LM_SOUNDS_DOWN : IDC_LM_SOUNDS_UP));
                return true;
            }
            if (key == Qt::Key_Delete && !bObjects) {
                OnCommand(bEffects ? IDC_LM_EFFECT_REMOVE : IDC_LM_SOUND_REMOVE);
                return true;
            }
        }
    }
    return CSkinnedDialog::eventFilter(watched, event);
}
