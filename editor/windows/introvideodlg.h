// The intro video: a borderless window in the middle of the screen that plays the first video
// stream of a file, without sound, frame by frame as the clock says, until its length is
// reached or the person presses Escape or a mouse button. A file that cannot be opened or
// holds no usable video closes the window at once, without a word.
#pragma once

#include "platform/video.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <string>

class CIntroVideoDlg : public QDialog {
    Q_OBJECT
public:
    // How often the clock is looked at while the video plays.
    static constexpr int kTickMs = 10;

    // rcScreen: where the window is centred; a video larger than it is scaled down to fit,
    // keeping its aspect.
    CIntroVideoDlg(const std::string& strPath, const QRect& rcScreen, QWidget* parent = nullptr);
    ~CIntroVideoDlg() override;

    // Opens the file and shows the window: the video starts with its first frame. The window
    // closes at once when the file is no usable video. exec() runs it.
    int exec() override;
    void done(int nResult) override;

    // The clock in milliseconds since the start; tests give their own.
    void SetClock(std::function<int64_t()> clock) { m_clock = std::move(clock); }
    // Shows the frame the clock is at, or ends at the length or on a failure; the timer calls
    // it.
    void Tick();

    bool IsOpen() const { return m_video.IsOpen(); }
    bool IsPlaying() const { return m_bPlaying; }
    bool IsFinished() const { return m_bFinished; }
    // The frame last shown, -1 before the first.
    int64_t GetShownFrame() const { return m_nShown; }
    int64_t GetLength() const { return m_video.GetLength(); }
    const QImage& GetPicture() const { return m_picture; }
    // Why the video ended early (empty when it played to its end or was skipped).
    const std::string& GetError() const { return m_strError; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Ends the playing and closes the window.
    void Stop();

    platform::CVideoFile m_video;
    std::string m_strPath;
    QRect m_rcScreen;
    std::string m_strError;
    QImage m_picture;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
    std::function<int64_t()> m_clock;
    int64_t m_nStart = 0;
    int64_t m_nShown = -1;
    bool m_bPlaying = false;
    bool m_bFinished = false;
};

// Where the intro video is: "Demo.avi" in the folder the setting names (joined with one
// separator), or in the data directory when the setting is empty.
std::string IntroVideoPath(const std::string& strAviPath, const std::string& strDataDirectory);
