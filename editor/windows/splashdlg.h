// The splash: while the start-up scans the library it blacks the whole desktop and shows the
// pictures "SPLASH_00" ... "SPLASH_33" one after the other in its middle, holds the last one
// for a second and a half and goes. Only the even pictures below 20 are shown, then every one
// from 20 on: 24 pictures.
#pragma once

#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

class CSplashDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrameCount = 34;
    static constexpr int kLastFrame = 33;
    static constexpr int kHoldMs = 1500;
    // The size each picture is drawn in.
    static constexpr int kPictureWidth = 430;
    static constexpr int kPictureHeight = 375;

    // rcDesktop: the whole desktop; nDepth: the display's bits per pixel, which sets the pause
    // between two pictures.
    CSplashDlg(const QRect& rcDesktop, int nDepth);
    ~CSplashDlg() override;

    // "SPLASH_00" ... "SPLASH_08", "SPLASH_9", "SPLASH_10" ... "SPLASH_33".
    static std::string FrameName(int nFrame);
    // Whether a frame is ever shown (and so loaded): the odd ones below 20 are not.
    static bool IsShownFrame(int nFrame);
    // The frame after nFrame: two on below 20, one on from there.
    static int NextFrame(int nFrame);
    // The pause after a picture: 130 ms at 8 bits per pixel, 100 ms at 16, 85 ms otherwise.
    static int PauseMs(int nDepth);

    // Shows the splash at its first picture and starts the pictures going.
    void Start();
    // Shows the next picture now, as the pause's end does; at the last one the hold begins.
    void Advance();
    // Ends the hold now: the splash closes and says it has finished.
    void EndHold();

    int GetCurrentFrame() const { return m_nCurrent; }
    bool IsHolding() const { return m_hold.isActive(); }
    bool IsFinished() const { return m_bFinished; }
    const QImage& GetFrame(int nFrame) const { return m_frames[static_cast<size_t>(nFrame)]; }
    // Where the pictures go, in the splash's coordinates.
    QRect PictureRect() const;

signals:
    void Finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QImage, kFrameCount> m_frames;
    uint8_t m_nCurrent = 0;
    int m_nPauseMs;
    bool m_bFinished = false;
    QTimer m_pause;
    QTimer m_hold;
};
