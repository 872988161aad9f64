// The project properties dialog: which MIDI output plays the greeting's music. The caller hands
// the product names of the output devices and the device setting, runs the dialog and stores
// m_nSetting (setting "MidiDriver") only when it ended with Accepted.
#pragma once

#include "editor/skin/skin.h"

#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

// Control numbers.
constexpr int IDC_MP_OK = 1;
constexpr int IDC_MP_CANCEL = 2;
constexpr int IDC_MP_DEVICES = 1001;

// The device number of the first row: the system's own choice of output.
constexpr int32_t kMidiMapper = -1;

class CMoviePropertiesDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // devices: the product names of the MIDI output devices in device order.
    // nSetting: the device setting, -1 for the system's choice. strNoSound: empty when sound
    // works, otherwise a short reason shown under the list.
    CMoviePropertiesDlg(const std::vector<std::string>& devices, int32_t nSetting,
        const std::string& strNoSound, QWidget* parent);

    // The device setting: as given until OK takes the selected row's device number. OK without
    // a selected row keeps it.
    int32_t m_nSetting;

    // The list: the row "Sans" (device -1), then one row per device, each carrying its device
    // number under Qt::UserRole.
    QListWidget* List() const { return m_pList; }
    // The reason shown under the list; hidden when sound works.
    QLabel* NoSoundLabel() const { return m_pNoSound; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }

protected:
    void OnCommand(int nId) override;

private:
    void OnOK();

    QListWidget* m_pList;
    QLabel* m_pNoSound;
};
