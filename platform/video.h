// Video files, through the system's video libraries: reading frame n of a file's first stream
// (the intro video), and writing frames of a fixed duration with an optional soundtrack (the
// intro video the build makes, and the exports of a greeting).
#pragma once

#include <QImage>

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace platform {

// The largest frame a video may have, in either direction.
constexpr int kMaxVideoSide = 4096;

// A video file open for reading. Only the file's first stream counts, and it must be video.
class CVideoFile {
public:
    CVideoFile();
    ~CVideoFile();
    CVideoFile(const CVideoFile&) = delete;
    CVideoFile& operator=(const CVideoFile&) = delete;

    // Opens the file and prepares the decoder of its first stream. False, with the reason in
    // strError (which does not name the file), when the file cannot be opened, its first stream
    // is not video, its rate, scale or length is 0 or absurd (0.1 to 1000 frames a second, 1 to
    // 10,000,000 frames), or a frame would be larger than kMaxVideoSide either way. Opening
    // again closes the video open before.
    bool Open(const std::string& path, std::string& strError);
    bool IsOpen() const;
    void Close();

    int GetWidth() const;
    int GetHeight() const;
    // Frames per second are rate / scale; the length is in frames. All 0 while nothing is open.
    int GetRate() const;
    int GetScale() const;
    int64_t GetLength() const;
    // The frame due nMs milliseconds after the start, nMs * rate / (1000 * scale) rounded down
    // (it may be GetLength() or later).
    int64_t FrameAt(int64_t nMs) const;

    // Decodes frame n (0 to GetLength() - 1) into out, RGB32 of the video's size (a picture of
    // another size is scaled to it). Frames are read forward; asking for an earlier frame than
    // the last one starts from the beginning again. A frame the file leaves out (an empty AVI
    // chunk) shows the picture before it. False, with the reason, for a frame outside the
    // video, on a decode error, or when the file ends too soon ("the file ends before frame
    // 20"). out is a picture of its own: later reads do not change it.
    bool ReadFrame(int64_t n, QImage& out, std::string& strError);

private:
    struct CState;
    std::unique_ptr<CState> m_pState;
};

enum class VideoFormat {
    avi, // MPEG-4 part 2 video, a key picture every 25 frames, no sound (the intro video)
    webm, // VP9 (or VP8) video, Opus at 48 kHz (or Vorbis) sound
    mp4, // H.264 video (4:2:0), AAC sound at 44.1 kHz
    apng // animated PNG (RGB), no sound
};

// The file name extension of a format, without the dot ("webm").
const char* VideoFormatExtension(VideoFormat format);
// True when the installed libraries can write the format; otherwise false, with a text that
// says which encoder or container is missing.
bool CanWriteVideo(VideoFormat format, std::string& strMissing);

struct CVideoSettings {
    VideoFormat format = VideoFormat::avi;
    // 2 to kMaxVideoSide. The formats stored as YUV 4:2:0 (AVI, WebM, MP4) keep one colour
    // sample for two by two pixels and round an odd size up to even.
    int nWidth = 800;
    int nHeight = 600;
    int nFrameMs = 120; // every frame's duration, 1 to 10000
    bool bSound = false; // WebM and MP4 only (ignored for the others): a soundtrack from AddSound
    int nLoops = 0; // animated PNG only: plays in all, 0 for ever
    // How many video frames each added frame is held for: the video runs at nHold frames in
    // every nFrameMs (120 ms held three times is a constant 25 frames a second, which every
    // player takes). 1 to 10.
    int nHold = 1;
    // MP4 and WebM: the video's average bit rate in bits a second; 0 keeps a constant quality.
    int64_t nVideoBitRate = 0;
    // The soundtrack's bit rate in bits a second, 32000 to 320000.
    int64_t nSoundBitRate = 128'000;
};

// Writes one video file, the video as its first stream. Frames and sound may come in any
// order; the file is complete only after Finish. Destroyed (or opened again) before Finish, it
// releases everything and leaves the half-written file for the caller to delete.
class CVideoWriter {
public:
    CVideoWriter();
    ~CVideoWriter();
    CVideoWriter(const CVideoWriter&) = delete;
    CVideoWriter& operator=(const CVideoWriter&) = delete;

    // Creates the file (its name need not say the format) and opens the encoders. False, with
    // what failed ("the H.264 encoder could not be opened: ..."), and nothing open.
    bool Open(const std::string& path, const CVideoSettings& settings, std::string& strError);
    // Appends one frame of any format, lasting nFrameMs; it is scaled to the video's size (after
    // rounding) when it differs.
    bool AddFrame(const QImage& frame, std::string& strError);
    // Appends interleaved 16-bit stereo samples at 44.1 kHz (resampled for the encoder when it
    // wants another rate). False for a video without a soundtrack or an odd count of samples.
    bool AddSound(std::span<const int16_t> samples, std::string& strError);
    // Flushes the encoders, writes the end of the file and closes it. The writer takes nothing
    // after it.
    bool Finish(std::string& strError);

private:
    struct CState;
    std::unique_ptr<CState> m_pState;
};

// What a video file holds, as its container says: for tests and tools that check exports.
struct CVideoProbe {
    int nStreams = 0;
    bool bVideoFirst = false;   // stream 0 is video
    bool bAudio = false;        // some stream is sound
    int64_t nVideoFrames = 0;   // the first video stream's packets
    double dVideoSeconds = 0;   // the first video stream's duration (its packets' durations)
    std::string strVideoCodec;  // "vp9", "h264"...
    std::string strAudioCodec;  // "opus", "aac"... or empty
};
// Reads the whole file's packets; false, with the reason, when it is no readable container.
bool ProbeVideoFile(const std::string& path, CVideoProbe& probe, std::string& strError);

} // namespace platform
