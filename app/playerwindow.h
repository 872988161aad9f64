// The stand-alone player's window: the 800 x 600 stage and nothing else. The playback
// controller plays the greeting from a rewind at the 120 ms clock, looping; the window shows
// each frame it composes. Escape or closing the window ends the program's event loop.
#pragma once

#include "platform/dc.h"
#include "playback/controller.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>

class CProjectDoc;
class CSoundSystem;

class CPlayerWindow : public QWidget, public IPlayerWindow {
public:
    static constexpr int kStageWidth = 800;
    static constexpr int kStageHeight = 600;

    // doc and pSound (which may be null: no sound) outlive the window. nTickLimit > 0: after
    // that many ticks of the clock the clock stops and the window closes.
    CPlayerWindow(CProjectDoc& doc, CSoundSystem* pSound, const QString& title, int nTickLimit);
    ~CPlayerWindow() override;

    // Enters the player and plays from a rewind.
    void Start();
    // The frame last composed, 800 x 600.
    const QImage& Frame() const { return m_image; }
    int Ticks() const { return m_nTicks; }
    // The end of MIDI run nRun, handed over from the audio thread: the tune plays again.
    void OnMidiEnd(uint32_t nRun);

    // IPlayerWindow
    void StartClock() override;
    void StopClock() override;
    void Repaint() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnTick();

    CProjectDoc& m_doc;
    CSoundSystem* m_pSound;
    QImage m_image;
    CDC m_frame;
    std::unique_ptr<CPlaybackController> m_pController;
    QTimer m_clock;
    int m_nTicks = 0;
    int m_nTickLimit = 0;
};
