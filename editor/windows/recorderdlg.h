// The voice recorder: records the person's voice from a microphone (at most a minute) with a
// live level and the time, then stops, lets them listen through the program's sound, record
// again, and keep the cleaned recording or cancel. Recording never holds the window: the
// microphone's samples come from SDL's audio thread, and the window only looks at them.
#pragma once

#include "editor/skin/skin.h"
#include "platform/capture.h"
#include "platform/files.h"
#include "playback/recording.h"

#include <QTimer>

#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

constexpr int IDC_RC_RECORD = 1290;
constexpr int IDC_RC_STOP = 1291;
constexpr int IDC_RC_LISTEN = 1292;
constexpr int IDC_RC_KEEP = 1;
constexpr int IDC_RC_CANCEL = 2;
constexpr int IDC_RC_DEVICE = 1293;

class CRecorderDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    explicit CRecorderDlg(QWidget* parent);
    // Stops a recording or a listening that runs.
    ~CRecorderDlg() override;

    // After Keep: the cleaned recording as a mono wave marked as a recorded voice.
    const std::vector<uint8_t>& KeptWave() const { return m_keptWave; }
    // How long the kept recording is, in seconds.
    double KeptSeconds() const;

    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    QComboBox* Devices() const { return m_pDevices; }
    QLabel* Status() const { return m_pStatus; }
    bool IsRecording() const { return m_capture.IsRecording(); }
    // The meter's level, 0 to 1 (for tests).
    float MeterLevel() const { return m_fLevel; }

protected:
    void OnCommand(int nId) override;
    void reject() override;

private:
    void Record();
    // Stops the recording and cleans what it holds.
    void Finish();
    void Listen();
    void StopListening();
    void Tick();
    void UpdateButtons();
    void Say(const QString& text);

    platform::CVoiceCapture m_capture;
    CCleanedVoice m_cleaned;
    int m_nRate = 0;
    std::vector<uint8_t> m_keptWave;
    QComboBox* m_pDevices;
    QWidget* m_pMeter;
    QLabel* m_pTime;
    QLabel* m_pStatus;
    QTimer m_timer;
    float m_fLevel = 0;
    bool m_bRecording = false;
    bool m_bHasDevice = true;
    uint64_t m_nListening = 0;
    platform::CTempFolder m_listenFolder;
};
