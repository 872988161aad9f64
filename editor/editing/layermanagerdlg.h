// The layer manager: the objects of the current stage in their stacking order (the first row
// is the object on top) and, for the object picked there, its effects and its sounds. It moves
// objects up and down the order, adds, edits and removes effects and sounds, and opens the
// properties of the picked object. Every change goes into the editor's history as it is made,
// all of them together one step: OK keeps it, Cancel takes all of it back.
//
// Construct it over the editor with a project open; it opens the session at once and closes it
// when it ends (a manager destroyed while open cancels).
#pragma once

#include "editor/skin/skin.h"

#include <functional>
#include <string>

class CObjectEditor;
class CEffect;
class CLayer;
class CPickListDlg;
class CSound;
class CStage;
class QListWidget;

// Control numbers.
constexpr int IDC_LM_OBJECTS = 1100;
constexpr int IDC_LM_SOUNDS = 1101;
constexpr int IDC_LM_EFFECTS = 1102;
constexpr int IDC_LM_OBJECTS_UP = 1027;
constexpr int IDC_LM_OBJECTS_DOWN = 1026;
constexpr int IDC_LM_PROPERTIES = 1017;
constexpr int IDC_LM_TOP = 1025;
constexpr int IDC_LM_UP = 1018;
constexpr int IDC_LM_DOWN = 1019;
constexpr int IDC_LM_BOTTOM = 1020;
constexpr int IDC_LM_EFFECT_ADD = 1021;
constexpr int IDC_LM_EFFECT_REMOVE = 1022;
constexpr int IDC_LM_EFFECT_PROPERTIES = 1032;
constexpr int IDC_LM_EFFECTS_UP = 1028;
constexpr int IDC_LM_EFFECTS_DOWN = 1029;
constexpr int IDC_LM_SOUND_ADD = 1023;
constexpr int IDC_LM_SOUND_REMOVE = 1024;
constexpr int IDC_LM_SOUND_PROPERTIES = 1033;
constexpr int IDC_LM_SOUNDS_UP = 1030;
constexpr int IDC_LM_SOUNDS_DOWN = 1031;
constexpr int IDC_LM_OK = 1;
constexpr int IDC_LM_CANCEL = 2;

// How an object without a name is listed, in the program's language ("<Fehler>" in German).
QString NoObjectName();

class CLayerManagerDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // Rows a page button moves in the object list and in the other two.
    static constexpr int kObjectPage = 27;
    static constexpr int kListPage = 10;

    // Works on the editor's objects through editing, over the window that shows the stage.
    explicit CLayerManagerDlg(CObjectEditor& editing);
    ~CLayerManagerDlg() override;

    // Runs the list picker for an effect or a sound; true when the person chose. By default
    // it runs modally; tests put their own answer in.
    using PickerRunner = std::function<bool(CPickListDlg&)>;
    void SetPickerRunner(PickerRunner runner) { m_runPicker = std::move(runner); }

    QListWidget* ObjectList() const { return m_pObjects; }
    QListWidget* EffectList() const { return m_pEffects; }
    QListWidget* SoundList() const { return m_pSounds; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    // The picked rows, -1 for none.
    int PickedObject() const;
    int PickedEffect() const;
    int PickedSound() const;
    // The first visible row of a list.
    static int TopRow(const QListWidget* list);

    // OK, Cancel, Escape and closing the window end the session first.
    void done(int result) override;

protected:
    void OnCommand(int nId) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CStage* Stage() const;
    CLayer* PickedLayer() const;
    CEffect* PickedEffectOf(CLayer& layer) const;
    CSound* PickedSoundOf(CLayer& layer) const;

    void FillObjects(int nPick);
    void FillParts(int nEffect, int nSound);
    void Reorder(int nMode);
    void Page(QListWidget* list, int nRows, bool bDown, bool bPick);
    void AddEffect();
    void AddSound();
    void EditObject();
    // A change of the picked effect (sound); nothing without one.
    void ChangePickedEffect(const std::function<bool(CLayer&, CEffect&)>& change);
    void ChangePickedSound(const std::function<bool(CLayer&, CSound&)>& change);
    // After a change: the lists show the stage again, the picks kept where they can be; a
    // change the history lost closes the manager as a Cancel does.
    void Refresh(int nObject, int nEffect, int nSound);
    void OnOK();
    bool RunPicker(CPickListDlg& dlg);

    CObjectEditor& m_editing;
    QListWidget* m_pObjects;
    QListWidget* m_pEffects;
    QListWidget* m_pSounds;
    PickerRunner m_runPicker;
    bool m_bOpen = true; // the session is open
};
