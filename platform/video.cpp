#include "platform/video.h"

#include "platform/translate.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/mathematics.h>
#include <libavutil/opt.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <vector>

#include <QtGlobal>

namespace platform {

namespace {

constexpr int64_t kMaxVideoFrames = 10'000'000;
constexpr double kMinFramesPerSecond = 0.1;
constexpr double kMaxFramesPerSecond = 1000.0;
// The soundtrack handed to AddSound.
constexpr int kSoundRate = 44100;
constexpr int kSoundChannels = 2;
// How much sound one conversion step takes, in stereo frames.
constexpr int kSoundChunk = 8192;
// The first bytes of an AVI file that its headers must lie in.
constexpr size_t kAviHeaderBytes = 1 << 16;

std::string AvError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    if (av_strerror(code, text, sizeof text) < 0)
        std::snprintf(text, sizeof text, "error %d", code);
    return text;
}

// What goes wrong is told through our own error texts; the libraries' notes about every
// damaged picture would only clutter the standard error, which the tools keep to one line.
void QuietLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

bool IsValidSide(int n)
{
    return n > 0 && n <= kMaxVideoSide;
}

// libavformat takes names as addresses; the prefix keeps a name with a colon in it a file.
std::string FileUrl(const std::string& path)
{
    return "file:" + path;
}

uint32_t Get32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// libavformat mends an AVI whose first stream claims a rate or scale of 0 with a rate of its
// own choosing; such a file is damaged, and is refused instead. The headers are read here from
// the file itself: the "strh" of the first "strl" list. False when the headers say 0.
bool AviRateIsSet(const std::string& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::vector<uint8_t> bytes(kAviHeaderBytes);
    file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    bytes.resize(size_t(std::max<std::streamsize>(file.gcount(), 0)));
    // RIFF "AVI " then the "hdrl" list: walk into lists, take the first "strh".
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0)
        return true; // not for this check to judge
    size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const uint8_t* chunk = bytes.data() + pos;
        const uint32_t length = Get32(chunk + 4);
        if (std::memcmp(chunk, "LIST", 4) == 0) {
            if (pos + 12 <= bytes.size() && std::memcmp(chunk + 8, "movi", 4) == 0)
                break; // the frames: the headers are behind
            pos += 12; // into the list: its chunks follow its type
            continue;
        }
        if (std::memcmp(chunk, "strh", 4) == 0) {
            // fccType, fccHandler, dwFlags, wPriority, wLanguage, dwInitialFrames, dwScale,
            // dwRate.
            if (length < 28 || pos + 8 + 28 > bytes.size())
                return false;
            return Get32(chunk + 8 + 20) != 0 && Get32(chunk + 8 + 24) != 0;
        }
        pos += 8 + size_t(length) + (length & 1);
    }
    return true;
}

// The packets of the first stream, counted by reading the whole file once; 0 when it cannot
// be read, and no more than one past the longest video.
int64_t CountFirstStreamPackets(const std::string& path)
{
    AVFormatContext* format = nullptr;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const int result = avformat_open_input(&format, FileUrl(path).c_str(), nullptr, &options);
    av_dict_free(&options);
    if (result < 0)
        return 0;
    int64_t count = 0;
    AVPacket* packet = av_packet_alloc();
    while (packet != nullptr && count <= kMaxVideoFrames && av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == 0)
            ++count;
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    avformat_close_input(&format);
    return count;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Reading

namespace {

struct CReadState {
    AVFormatContext* pFormat = nullptr;
    AVCodecContext* pCodec = nullptr;
    AVPacket* pPacket = nullptr;
    AVFrame* pFrame = nullptr; // the decoder's latest picture
    AVFrame* pRgb = nullptr; // the scaler's output, the video's size
    SwsContext* pScaler = nullptr;

    int nWidth = 0;
    int nHeight = 0;
    int nRate = 0;
    int nScale = 0;
    int64_t nLength = 0;
    AVRational timeBase { 1, 1 };
    int64_t nStartPts = 0;

    int64_t nDecoded = -1; // the index of pFrame's picture, -1 before the first
    bool bPending = false; // pFrame holds a picture not converted yet
    int64_t nShown = -1; // the index of the picture in image
    bool bShownFirst = false; // image holds the first picture since the start
    bool bInputEnded = false; // the end of the packets was sent to the decoder
    int nReadError = 0; // what ended the packets when it was not the end of the file
    QImage image;

    ~CReadState()
    {
        sws_freeContext(pScaler);
        av_frame_free(&pRgb);
        av_frame_free(&pFrame);
        av_packet_free(&pPacket);
        avcodec_free_context(&pCodec);
        avformat_close_input(&pFormat);
    }
};

} // namespace

struct CVideoFile::CState : CReadState { };

namespace {

// Refuses a stream whose size the headers already give as absurd; 0 means not known yet.
bool CheckClaimedSize(const AVCodecParameters* par, std::string& strError)
{
    if (par->width < 0 || par->height < 0 || par->width > kMaxVideoSide
        || par->height > kMaxVideoSide) {
        strError = Fill(Tr("Video", "the video's frames claim a size of %1 x %2 (at most %3 x %4)"),
            { std::to_string(par->width), std::to_string(par->height),
                std::to_string(kMaxVideoSide), std::to_string(kMaxVideoSide) });
        return false;
    }
    return true;
}

// The pixel count no decoder may exceed, as a decoder option.
void LimitPixels(AVDictionary** options)
{
    av_dict_set_int(options, "max_pixels", int64_t(kMaxVideoSide) * kMaxVideoSide, 0);
}

// The decoder's next picture into state.pFrame: 0, AVERROR_EOF after the last one, or the
// decoder's error.
int DecodeNext(CReadState& state)
{
    for (;;) {
        int result = avcodec_receive_frame(state.pCodec, state.pFrame);
        if (result != AVERROR(EAGAIN))
            return result;
        if (state.bInputEnded)
            return AVERROR_EOF;
        for (;;) {
            result = av_read_frame(state.pFormat, state.pPacket);
            if (result < 0) {
                // A damaged or cut file ends where it can no longer be read.
                if (result != AVERROR_EOF)
                    state.nReadError = result;
                state.bInputEnded = true;
                result = avcodec_send_packet(state.pCodec, nullptr);
                if (result < 0 && result != AVERROR_EOF)
                    return result;
                break;
            }
            if (state.pPacket->stream_index != 0) {
                av_packet_unref(state.pPacket);
                continue;
            }
            result = avcodec_send_packet(state.pCodec, state.pPacket);
            av_packet_unref(state.pPacket);
            if (result < 0)
                return result;
            break;
        }
    }
}

// The frame index of the decoder's picture: from its time stamp when it has one, never
// before the one after the previous picture (empty AVI chunks repeat a frame; the stamp
// skips them).
int64_t IndexOf(const CReadState& state, const AVFrame* frame)
{
    int64_t index = state.nDecoded + 1;
    const int64_t pts = frame->best_effort_timestamp;
    int64_t offset = 0;
    if (pts != AV_NOPTS_VALUE && !__builtin_sub_overflow(pts, state.nStartPts, &offset)
        && offset > 0) {
        const int64_t fromPts
            = av_rescale_q_rnd(offset, state.timeBase, AVRational { state.nScale, state.nRate },
                AVRounding(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX));
        if (fromPts > index && fromPts != INT64_MAX)
            index = fromPts;
    }
    return index;
}

// Scales the pending picture into state.image.
bool ConvertPending(CReadState& state, std::string& strError)
{
    const AVFrame* frame = state.pFrame;
    if (!IsValidSide(frame->width) || !IsValidSide(frame->height)) {
        strError = Fill(Tr("Video", "frame %1 has a size of %2 x %3"),
            { std::to_string(state.nDecoded), std::to_string(frame->width),
                std::to_string(frame->height) });
        return false;
    }
    state.pScaler = sws_getCachedContext(state.pScaler, frame->width, frame->height,
        AVPixelFormat(frame->format), state.nWidth, state.nHeight, AV_PIX_FMT_RGB32, SWS_BILINEAR,
        nullptr, nullptr, nullptr);
    if (state.pScaler == nullptr) {
        strError = Tr("Video", "the video's pictures cannot be converted to RGB");
        return false;
    }
    int result = av_frame_make_writable(state.pRgb);
    if (result >= 0)
        result = sws_scale(state.pScaler, frame->data, frame->linesize, 0, frame->height,
            state.pRgb->data, state.pRgb->linesize);
    if (result <= 0) {
        strError = result < 0 ? Fill(Tr("Video", "frame %1 cannot be converted to RGB: %2"),
                       { std::to_string(state.nDecoded), AvError(result) })
                              : Fill(Tr("Video", "frame %1 cannot be converted to RGB"),
                                  { std::to_string(state.nDecoded) });
        return false;
    }
    QImage image(state.nWidth, state.nHeight, QImage::Format_RGB32);
    if (image.isNull()) {
        strError = Tr("Video", "there is no memory for a frame of the video");
        return false;
    }
    const size_t rowBytes = size_t(state.nWidth) * 4;
    for (int y = 0; y < state.nHeight; ++y)
        std::memcpy(image.scanLine(y), state.pRgb->data[0] + ptrdiff_t(y) * state.pRgb->linesize[0],
            rowBytes);
    state.image = std::move(image);
    state.nShown = state.nDecoded;
    state.bPending = false;
    return true;
}

bool Rewind(CReadState& state, std::string& strError)
{
    const int result = av_seek_frame(state.pFormat, 0, state.nStartPts, AVSEEK_FLAG_BACKWARD);
    if (result < 0) {
        strError
            = Fill(Tr("Video", "the video cannot go back to its start: %1"), { AvError(result) });
        return false;
    }
    avcodec_flush_buffers(state.pCodec);
    state.nDecoded = -1;
    state.bPending = false;
    state.nShown = -1;
    state.bShownFirst = false;
    state.bInputEnded = false;
    state.nReadError = 0;
    return true;
}

} // namespace

CVideoFile::CVideoFile() = default;
CVideoFile::~CVideoFile() = default;

bool CVideoFile::Open(const std::string& path, std::string& strError)
{
    Close();
    QuietLibraries();
    std::error_code code;
    if (!std::filesystem::exists(path, code)) {
        strError = Tr("Video", "the file does not exist");
        return false;
    }
    if (!std::filesystem::is_regular_file(path, code)) {
        strError = Tr("Video", "it is not a file (a folder or a device)");
        return false;
    }
    auto state = std::make_unique<CState>();
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    int result = avformat_open_input(&state->pFormat, FileUrl(path).c_str(), nullptr, &options);
    av_dict_free(&options);
    if (result < 0) {
        strError = Fill(Tr("Video", "the file cannot be read as a video: %1"), { AvError(result) });
        return false;
    }
    AVFormatContext* format = state->pFormat;
    if (format->nb_streams < 1 || format->streams[0]->codecpar->codec_type != AVMEDIA_TYPE_VIDEO) {
        strError = Tr("Video", "the file holds no video (its first stream is not a video stream)");
        return false;
    }
    // A header claiming a huge picture must fail before anything decodes one.
    if (!CheckClaimedSize(format->streams[0]->codecpar, strError))
        return false;
    if (std::strcmp(format->iformat->name, "avi") == 0 && !AviRateIsSet(path)) {
        strError = Tr("Video", "the video's rate or scale is 0");
        return false;
    }
    std::vector<AVDictionary*> streamOptions(format->nb_streams, nullptr);
    for (AVDictionary*& entry : streamOptions) {
        LimitPixels(&entry);
        av_dict_set(&entry, "threads", "1", 0);
    }
    result = avformat_find_stream_info(format, streamOptions.data());
    for (AVDictionary*& entry : streamOptions)
        av_dict_free(&entry);
    if (result < 0) {
        strError = Fill(Tr("Video", "the file's streams cannot be read: %1"), { AvError(result) });
        return false;
    }
    AVStream* stream = format->streams[0];
    const AVCodecParameters* par = stream->codecpar;
    for (unsigned i = 1; i < format->nb_streams; ++i)
        format->streams[i]->discard = AVDISCARD_ALL; // the reader never sees their packets
    if (!CheckClaimedSize(par, strError))
        return false;
    if (par->width == 0 || par->height == 0) {
        strError = Tr("Video", "the video does not say the size of its frames");
        return false;
    }

    AVRational rate = stream->avg_frame_rate;
    if (rate.num <= 0 || rate.den <= 0)
        rate = stream->r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0)
        rate = AVRational { stream->time_base.den, stream->time_base.num };
    if (rate.num <= 0 || rate.den <= 0) {
        strError = Fill(Tr("Video", "the video's rate (%1) or scale (%2) is 0 or less"),
            { std::to_string(rate.num), std::to_string(rate.den) });
        return false;
    }
    const double framesPerSecond = double(rate.num) / rate.den;
    if (framesPerSecond < kMinFramesPerSecond || framesPerSecond > kMaxFramesPerSecond) {
        char text[64];
        std::snprintf(text, sizeof text, "%g", framesPerSecond);
        strError
            = Fill(Tr("Video", "the video claims %1 frames a second (0.1 to 1000 play)"), { text });
        return false;
    }
    const AVRational frameTime { rate.den, rate.num };
    int64_t length = stream->nb_frames;
    if (length <= 0 && stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        length = av_rescale_q(stream->duration, stream->time_base, frameTime);
    if (length <= 0 && format->duration != AV_NOPTS_VALUE && format->duration > 0)
        length = av_rescale_q(format->duration, AV_TIME_BASE_Q, frameTime);
    // Some files (an animated PNG) say nothing of their length: their frames are counted.
    if (length <= 0)
        length = CountFirstStreamPackets(path);
    if (length <= 0 || length > kMaxVideoFrames) {
        strError = Fill(Tr("Video", "the video claims a length of %1 frames (1 to 10000000 play)"),
            { std::to_string(length) });
        return false;
    }

    const AVCodec* codec = avcodec_find_decoder(par->codec_id);
    if (codec == nullptr) {
        strError = Fill(Tr("Video", "the video libraries have no decoder for %1 video"),
            { avcodec_get_name(par->codec_id) });
        return false;
    }
    state->pCodec = avcodec_alloc_context3(codec);
    if (state->pCodec == nullptr) {
        strError = Tr("Video", "there is no memory for the video decoder");
        return false;
    }
    result = avcodec_parameters_to_context(state->pCodec, par);
    if (result >= 0) {
        state->pCodec->pkt_timebase = stream->time_base;
        state->pCodec->thread_count = 1;
        AVDictionary* codecOptions = nullptr;
        LimitPixels(&codecOptions);
        result = avcodec_open2(state->pCodec, codec, &codecOptions);
        av_dict_free(&codecOptions);
    }
    if (result < 0) {
        strError = Fill(Tr("Video", "the %1 decoder could not be opened: %2"),
            { avcodec_get_name(par->codec_id), AvError(result) });
        return false;
    }

    state->pPacket = av_packet_alloc();
    state->pFrame = av_frame_alloc();
    state->pRgb = av_frame_alloc();
    if (state->pPacket == nullptr || state->pFrame == nullptr || state->pRgb == nullptr) {
        strError = Tr("Video", "there is no memory for the video's frames");
        return false;
    }
    state->nWidth = par->width;
    state->nHeight = par->height;
    state->pRgb->format = AV_PIX_FMT_RGB32;
    state->pRgb->width = state->nWidth;
    state->pRgb->height = state->nHeight;
    result = av_frame_get_buffer(state->pRgb, 0);
    if (result < 0) {
        strError = Fill(
            Tr("Video", "there is no memory for the video's frames: %1"), { AvError(result) });
        return false;
    }
    state->nRate = rate.num;
    state->nScale = rate.den;
    state->nLength = length;
    state->timeBase = stream->time_base;
    state->nStartPts = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    m_pState = std::move(state);
    return true;
}

bool CVideoFile::IsOpen() const
{
    return m_pState != nullptr;
}

void CVideoFile::Close()
{
    m_pState.reset();
}

int CVideoFile::GetWidth() const
{
    return m_pState ? m_pState->nWidth : 0;
}

int CVideoFile::GetHeight() const
{
    return m_pState ? m_pState->nHeight : 0;
}

int CVideoFile::GetRate() const
{
    return m_pState ? m_pState->nRate : 0;
}

int CVideoFile::GetScale() const
{
    return m_pState ? m_pState->nScale : 0;
}

int64_t CVideoFile::GetLength() const
{
    return m_pState ? m_pState->nLength : 0;
}

int64_t CVideoFile::FrameAt(int64_t nMs) const
{
    if (!m_pState || nMs <= 0)
        return 0;
    return av_rescale_rnd(nMs, m_pState->nRate, int64_t(1000) * m_pState->nScale, AV_ROUND_DOWN);
}

bool CVideoFile::ReadFrame(int64_t n, QImage& out, std::string& strError)
{
    if (!m_pState) {
        strError = Tr("Video", "no video is open");
        return false;
    }
    CState& state = *m_pState;
    if (n < 0 || n >= state.nLength) {
        strError = Fill(Tr("Video", "frame %1 is not in the video (0 to %2)"),
            { std::to_string(n), std::to_string(state.nLength - 1) });
        return false;
    }
    // The first picture also stands for any frames before it.
    if (n == state.nShown || (state.bShownFirst && n < state.nShown)) {
        out = state.image;
        return true;
    }
    if (n < state.nShown && !Rewind(state, strError))
        return false;
    for (;;) {
        if (state.bPending) {
            if (state.nDecoded > n && state.nShown >= 0) {
                // Frame n repeats the picture before it.
                out = state.image;
                return true;
            }
            const bool bFirst = state.nShown < 0;
            if (!ConvertPending(state, strError))
                return false;
            state.bShownFirst = bFirst;
            if (state.nShown >= n) {
                out = state.image;
                return true;
            }
        }
        const int result = DecodeNext(state);
        if (result == AVERROR_EOF) {
            strError = state.nReadError != 0
                ? Fill(Tr("Video", "the file ends before frame %1 (%2)"),
                    { std::to_string(n), AvError(state.nReadError) })
                : Fill(Tr("Video", "the file ends before frame %1"), { std::to_string(n) });
            return false;
        }
        if (result < 0) {
            strError = Fill(Tr("Video", "frame %1 cannot be decoded: %2"),
                { std::to_string(state.nDecoded + 1), AvError(result) });
            return false;
        }
        state.nDecoded = IndexOf(state, state.pFrame);
        state.bPending = true;
    }
}

// ---------------------------------------------------------------------------------------------
// Writing

const char* VideoFormatExtension(VideoFormat format)
{
    switch (format) {
    case VideoFormat::avi:
        return "avi";
    case VideoFormat::webm:
        return "webm";
    case VideoFormat::mp4:
        return "mp4";
    case VideoFormat::apng:
        return "apng";
    }
    return "";
}

namespace {

// The texts for the person are in English here and go through Tr("Video", ...) where they are
// said; only the names that are words ("animated PNG") have translations.
struct CFormatChoice {
    const char* szMuxer;
    const char* szMuxerName; // for the person
    const char* szVideo[2]; // encoders by name, the first one found is used
    const char* szVideoName[2];
    const char* szVideoMissing; // the whole reason when no video encoder is installed
    const char* szSound[2];
    const char* szSoundName[2];
    const char* szSoundMissing;
};

const CFormatChoice& ChoiceOf(VideoFormat format)
{
    static const CFormatChoice kAvi = { "avi", "AVI", { "mpeg4", nullptr }, { "MPEG-4", nullptr },
        QT_TRANSLATE_NOOP("Video", "the installed video libraries lack an MPEG-4 encoder"),
        { nullptr, nullptr }, { nullptr, nullptr }, nullptr };
    static const CFormatChoice kWebm
        = { "webm", "WebM", { "libvpx-vp9", "libvpx" }, { "VP9", "VP8" },
              QT_TRANSLATE_NOOP(
                  "Video", "the installed video libraries lack an encoder for VP9 or VP8 (libvpx)"),
              { "libopus", "libvorbis" }, { "Opus", "Vorbis" },
              QT_TRANSLATE_NOOP("Video",
                  "the installed video libraries lack an encoder for Opus or Vorbis "
                  "(libopus, libvorbis)") };
    static const CFormatChoice kMp4 = { "mp4", "MP4", { "libx264", nullptr }, { "H.264", nullptr },
        QT_TRANSLATE_NOOP("Video", "the installed video libraries lack an H.264 encoder (libx264)"),
        { "aac", nullptr }, { "AAC", nullptr },
        QT_TRANSLATE_NOOP("Video", "the installed video libraries lack an AAC encoder") };
    static const CFormatChoice kApng = { "apng", QT_TRANSLATE_NOOP("Video", "animated PNG"),
        { "apng", nullptr }, { QT_TRANSLATE_NOOP("Video", "animated PNG"), nullptr },
        QT_TRANSLATE_NOOP("Video", "the installed video libraries lack an animated PNG encoder"),
        { nullptr, nullptr }, { nullptr, nullptr }, nullptr };
    switch (format) {
    case VideoFormat::webm:
        return kWebm;
    case VideoFormat::mp4:
        return kMp4;
    case VideoFormat::apng:
        return kApng;
    case VideoFormat::avi:
        break;
    }
    return kAvi;
}

// The first encoder of the list that is installed, and its index; nullptr when none is.
const AVCodec* FindEncoder(const char* const (&names)[2], int& nIndex)
{
    for (int i = 0; i < 2; ++i)
        if (names[i] != nullptr)
            if (const AVCodec* codec = avcodec_find_encoder_by_name(names[i])) {
                nIndex = i;
                return codec;
            }
    return nullptr;
}

bool HasSound(VideoFormat format)
{
    return format == VideoFormat::webm || format == VideoFormat::mp4;
}

bool IsYuv(VideoFormat format)
{
    return format != VideoFormat::apng;
}

} // namespace

bool CanWriteVideo(VideoFormat format, std::string& strMissing)
{
    QuietLibraries();
    const CFormatChoice& choice = ChoiceOf(format);
    int nIndex = 0;
    if (av_guess_format(choice.szMuxer, nullptr, nullptr) == nullptr) {
        strMissing = Fill(Tr("Video", "the installed video libraries cannot write %1 files"),
            { Tr("Video", choice.szMuxerName) });
        return false;
    }
    if (FindEncoder(choice.szVideo, nIndex) == nullptr) {
        strMissing = Tr("Video", choice.szVideoMissing);
        return false;
    }
    if (HasSound(format) && FindEncoder(choice.szSound, nIndex) == nullptr) {
        strMissing = Tr("Video", choice.szSoundMissing);
        return false;
    }
    strMissing.clear();
    return true;
}

namespace {

struct CWriteState {
    CVideoSettings settings;
    int nWidth = 0; // what is encoded
    int nHeight = 0;
    std::string strVideoName; // the codec, for the person ("H.264")
    std::string strSoundName;

    AVFormatContext* pFormat = nullptr;
    bool bFinished = false;
    AVCodecContext* pVideo = nullptr;
    AVStream* pVideoStream = nullptr;
    AVCodecContext* pSound = nullptr;
    AVStream* pSoundStream = nullptr;
    AVPacket* pPacket = nullptr;

    AVFrame* pSource = nullptr; // the caller's frame as RGB32, in a buffer the scaler may read
    AVFrame* pPicture = nullptr; // the encoder's pixel format and size
    SwsContext* pScaler = nullptr;
    int64_t nFrames = 0;

    SwrContext* pResampler = nullptr;
    uint8_t** ppConverted = nullptr; // the resampler's output, nConvertedCapacity samples
    int nConvertedCapacity = 0;
    AVAudioFifo* pFifo = nullptr;
    AVFrame* pSoundFrame = nullptr;
    int nSoundFrameSize = 0;
    int64_t nSamples = 0; // at the encoder's rate

    ~CWriteState()
    {
        if (ppConverted != nullptr)
            av_freep(&ppConverted[0]);
        av_freep(&ppConverted);
        av_audio_fifo_free(pFifo);
        swr_free(&pResampler);
        av_frame_free(&pSoundFrame);
        sws_freeContext(pScaler);
        av_frame_free(&pPicture);
        av_frame_free(&pSource);
        av_packet_free(&pPacket);
        avcodec_free_context(&pSound);
        avcodec_free_context(&pVideo);
        if (pFormat != nullptr) {
            if (!(pFormat->oformat->flags & AVFMT_NOFILE))
                avio_closep(&pFormat->pb);
            avformat_free_context(pFormat);
        }
    }
};

// Sends one frame (nullptr: the end) to an encoder and writes every packet it gives.
bool Encode(CWriteState& state, AVCodecContext* codec, AVStream* stream, const AVFrame* frame,
    const std::string& strName, std::string& strError)
{
    int result = avcodec_send_frame(codec, frame);
    if (result < 0) {
        strError = Fill(frame != nullptr ? Tr("Video", "the %1 encoder refused a frame: %2")
                                         : Tr("Video", "the %1 encoder refused to finish: %2"),
            { strName, AvError(result) });
        return false;
    }
    for (;;) {
        result = avcodec_receive_packet(codec, state.pPacket);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return true;
        if (result < 0) {
            strError = Fill(Tr("Video", "the %1 encoder failed: %2"), { strName, AvError(result) });
            return false;
        }
        // Every picture lasts one frame; the muxers need it for the last one.
        if (codec->codec_type == AVMEDIA_TYPE_VIDEO && state.pPacket->duration <= 0)
            state.pPacket->duration = 1;
        av_packet_rescale_ts(state.pPacket, codec->time_base, stream->time_base);
        state.pPacket->stream_index = stream->index;
        result = av_interleaved_write_frame(state.pFormat, state.pPacket);
        if (result < 0) {
            strError
                = Fill(Tr("Video", "the video file could not be written: %1"), { AvError(result) });
            return false;
        }
    }
}

// Sets up the video encoder of the chosen codec for the format.
void ConfigureVideo(
    AVCodecContext* codec, VideoFormat format, int nIndex, const CVideoSettings& settings)
{
    // Key pictures every ten seconds in the exports, every 25 frames in the intro video.
    const int nGop = std::max(1, 10000 * settings.nHold / settings.nFrameMs);
    switch (format) {
    case VideoFormat::avi:
        codec->pix_fmt = AV_PIX_FMT_YUV420P;
        codec->gop_size = 25;
        codec->max_b_frames = 0;
        // A fixed quantiser of 3 keeps the greeting's lines and texts crisp.
        codec->flags |= AV_CODEC_FLAG_QSCALE;
        codec->global_quality = FF_QP2LAMBDA * 3;
        break;
    case VideoFormat::webm:
        codec->pix_fmt = AV_PIX_FMT_YUV420P;
        codec->gop_size = nGop;
        av_opt_set(codec->priv_data, "deadline", "realtime", 0);
        if (nIndex == 0) {
            // Constant quality; the fastest real-time setting still looks good at stage size.
            codec->bit_rate = 0;
            av_opt_set(codec->priv_data, "crf", "32", 0);
            av_opt_set(codec->priv_data, "cpu-used", "8", 0);
            av_opt_set(codec->priv_data, "row-mt", "1", 0);
        } else {
            // VP8 keeps a quality level only under a bit rate.
            codec->bit_rate = 2'000'000;
            av_opt_set(codec->priv_data, "crf", "10", 0);
            av_opt_set(codec->priv_data, "cpu-used", "8", 0);
        }
        break;
    case VideoFormat::mp4:
        // Plain 4:2:0 plays everywhere.
        codec->pix_fmt = AV_PIX_FMT_YUV420P;
        codec->gop_size = nGop;
        av_opt_set(codec->priv_data, "preset", "veryfast", 0);
        if (settings.nVideoBitRate > 0) {
            // A size to keep: the rate is the average, with room to breathe around it.
            codec->bit_rate = settings.nVideoBitRate;
            codec->rc_max_rate = settings.nVideoBitRate * 2;
            codec->rc_buffer_size
                = static_cast<int>(std::min<int64_t>(INT_MAX, settings.nVideoBitRate * 4));
        } else {
            av_opt_set(codec->priv_data, "crf", "23", 0);
        }
        break;
    case VideoFormat::apng:
        codec->pix_fmt = AV_PIX_FMT_RGB24;
        break;
    }
    if (IsYuv(format)) {
        // What the scaler makes: BT.601 in the limited range. Said so that players do not guess.
        codec->colorspace = AVCOL_SPC_SMPTE170M;
        codec->color_primaries = AVCOL_PRI_SMPTE170M;
        codec->color_trc = AVCOL_TRC_SMPTE170M;
        codec->color_range = AVCOL_RANGE_MPEG;
    }
}

bool OpenVideo(CWriteState& state, std::string& strError)
{
    const VideoFormat format = state.settings.format;
    const CFormatChoice& choice = ChoiceOf(format);
    int nIndex = 0;
    const AVCodec* encoder = FindEncoder(choice.szVideo, nIndex);
    if (encoder == nullptr) {
        strError = Tr("Video", choice.szVideoMissing);
        return false;
    }
    state.strVideoName = Tr("Video", choice.szVideoName[nIndex]);
    state.pVideoStream = avformat_new_stream(state.pFormat, nullptr);
    state.pVideo = avcodec_alloc_context3(encoder);
    if (state.pVideoStream == nullptr || state.pVideo == nullptr) {
        strError
            = Fill(Tr("Video", "there is no memory for the %1 encoder"), { state.strVideoName });
        return false;
    }
    AVCodecContext* codec = state.pVideo;
    int num = 0;
    int den = 0;
    av_reduce(&num, &den, state.settings.nFrameMs, 1000 * state.settings.nHold, INT_MAX);
    codec->time_base = AVRational { num, den };
    codec->framerate = AVRational { den, num };
    codec->width = state.nWidth;
    codec->height = state.nHeight;
    codec->sample_aspect_ratio = AVRational { 1, 1 };
    ConfigureVideo(codec, format, nIndex, state.settings);
    if (state.pFormat->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int result = avcodec_open2(codec, encoder, nullptr);
    if (result < 0) {
        strError = Fill(Tr("Video", "the %1 encoder could not be opened: %2"),
            { state.strVideoName, AvError(result) });
        return false;
    }
    result = avcodec_parameters_from_context(state.pVideoStream->codecpar, codec);
    if (result < 0) {
        strError = Fill(Tr("Video", "the %1 stream could not be set up: %2"),
            { state.strVideoName, AvError(result) });
        return false;
    }
    state.pVideoStream->time_base = codec->time_base;
    state.pVideoStream->avg_frame_rate = codec->framerate;
    state.pVideoStream->sample_aspect_ratio = codec->sample_aspect_ratio;

    state.pSource = av_frame_alloc();
    state.pPicture = av_frame_alloc();
    state.pPacket = av_packet_alloc();
    if (state.pSource == nullptr || state.pPicture == nullptr || state.pPacket == nullptr) {
        strError = Tr("Video", "there is no memory for the video's frames");
        return false;
    }
    state.pPicture->format = codec->pix_fmt;
    state.pPicture->width = state.nWidth;
    state.pPicture->height = state.nHeight;
    state.pPicture->colorspace = codec->colorspace;
    state.pPicture->color_range = codec->color_range;
    result = av_frame_get_buffer(state.pPicture, 0);
    if (result < 0) {
        strError = Fill(
            Tr("Video", "there is no memory for the video's frames: %1"), { AvError(result) });
        return false;
    }
    return true;
}

// The sound encoder's rate: the soundtrack's own when the encoder takes it, else 48 kHz, else
// the encoder's first.
int ChooseSoundRate(const AVCodec* encoder)
{
    if (encoder->supported_samplerates == nullptr)
        return kSoundRate;
    bool b48 = false;
    for (const int* rate = encoder->supported_samplerates; *rate != 0; ++rate) {
        if (*rate == kSoundRate)
            return kSoundRate;
        b48 = b48 || *rate == 48000;
    }
    return b48 ? 48000 : encoder->supported_samplerates[0];
}

bool OpenSound(CWriteState& state, std::string& strError)
{
    const CFormatChoice& choice = ChoiceOf(state.settings.format);
    int nIndex = 0;
    const AVCodec* encoder = FindEncoder(choice.szSound, nIndex);
    if (encoder == nullptr) {
        strError = Tr("Video", choice.szSoundMissing);
        return false;
    }
    state.strSoundName = Tr("Video", choice.szSoundName[nIndex]);
    state.pSoundStream = avformat_new_stream(state.pFormat, nullptr);
    state.pSound = avcodec_alloc_context3(encoder);
    if (state.pSoundStream == nullptr || state.pSound == nullptr) {
        strError
            = Fill(Tr("Video", "there is no memory for the %1 encoder"), { state.strSoundName });
        return false;
    }
    AVCodecContext* codec = state.pSound;
    const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    int result = av_channel_layout_copy(&codec->ch_layout, &stereo);
    codec->sample_rate = ChooseSoundRate(encoder);
    codec->sample_fmt
        = encoder->sample_fmts != nullptr ? encoder->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    codec->bit_rate = state.settings.nSoundBitRate;
    // The AAC encoder's own default search costs more time than the whole picture's coding;
    // its fast one sounds the same at these rates.
    av_opt_set(codec->priv_data, "aac_coder", "fast", 0);
    codec->time_base = AVRational { 1, codec->sample_rate };
    if (state.pFormat->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (result >= 0)
        result = avcodec_open2(codec, encoder, nullptr);
    if (result < 0) {
        strError = Fill(Tr("Video", "the %1 encoder could not be opened: %2"),
            { state.strSoundName, AvError(result) });
        return false;
    }
    result = avcodec_parameters_from_context(state.pSoundStream->codecpar, codec);
    if (result < 0) {
        strError = Fill(Tr("Video", "the %1 stream could not be set up: %2"),
            { state.strSoundName, AvError(result) });
        return false;
    }
    state.pSoundStream->time_base = codec->time_base;

    // An encoder that takes any number of samples gets them in frames of this size.
    state.nSoundFrameSize = codec->frame_size > 0 ? codec->frame_size : 1024;
    AVChannelLayout input = AV_CHANNEL_LAYOUT_STEREO; // 5.1 takes the layouts unqualified
    result = swr_alloc_set_opts2(&state.pResampler, &codec->ch_layout, codec->sample_fmt,
        codec->sample_rate, &input, AV_SAMPLE_FMT_S16, kSoundRate, 0, nullptr);
    if (result >= 0)
        result = swr_init(state.pResampler);
    if (result < 0) {
        strError = Fill(Tr("Video", "the sound cannot be converted for the %1 encoder: %2"),
            { state.strSoundName, AvError(result) });
        return false;
    }
    state.nConvertedCapacity
        = int(av_rescale_rnd(kSoundChunk, codec->sample_rate, kSoundRate, AV_ROUND_UP)) + 256;
    result = av_samples_alloc_array_and_samples(&state.ppConverted, nullptr, kSoundChannels,
        state.nConvertedCapacity, codec->sample_fmt, 0);
    state.pFifo = av_audio_fifo_alloc(codec->sample_fmt, kSoundChannels, state.nSoundFrameSize);
    state.pSoundFrame = av_frame_alloc();
    if (result < 0 || state.pFifo == nullptr || state.pSoundFrame == nullptr) {
        strError = Tr("Video", "there is no memory for the sound");
        return false;
    }
    state.pSoundFrame->format = codec->sample_fmt;
    state.pSoundFrame->sample_rate = codec->sample_rate;
    state.pSoundFrame->nb_samples = state.nSoundFrameSize;
    result = av_channel_layout_copy(&state.pSoundFrame->ch_layout, &codec->ch_layout);
    if (result >= 0)
        result = av_frame_get_buffer(state.pSoundFrame, 0);
    if (result < 0) {
        strError = Fill(Tr("Video", "there is no memory for the sound: %1"), { AvError(result) });
        return false;
    }
    return true;
}

// Encodes the sound waiting in the queue in the encoder's frames; at the end also the rest.
bool EncodeQueuedSound(CWriteState& state, bool bEnd, std::string& strError)
{
    for (;;) {
        const int nQueued = av_audio_fifo_size(state.pFifo);
        if (nQueued == 0 || (nQueued < state.nSoundFrameSize && !bEnd))
            return true;
        const int n = std::min(nQueued, state.nSoundFrameSize);
        // The buffer is made writable at its full size: a short last frame must not shrink it.
        state.pSoundFrame->nb_samples = state.nSoundFrameSize;
        int result = av_frame_make_writable(state.pSoundFrame);
        if (result < 0) {
            strError
                = Fill(Tr("Video", "there is no memory for the sound: %1"), { AvError(result) });
            return false;
        }
        state.pSoundFrame->nb_samples = n;
        if (av_audio_fifo_read(state.pFifo, reinterpret_cast<void**>(state.pSoundFrame->data), n)
            != n) {
            strError = Tr("Video", "the sound queue lost samples");
            return false;
        }
        state.pSoundFrame->pts = state.nSamples;
        state.nSamples += n;
        if (!Encode(state, state.pSound, state.pSoundStream, state.pSoundFrame, state.strSoundName,
                strError))
            return false;
    }
}

// Converts nFrames stereo frames (none: what the resampler still holds) into the queue.
bool QueueSound(CWriteState& state, const int16_t* samples, int nFrames, std::string& strError)
{
    for (;;) {
        const uint8_t* input[1] = { reinterpret_cast<const uint8_t*>(samples) };
        const int n = swr_convert(state.pResampler, state.ppConverted, state.nConvertedCapacity,
            samples != nullptr ? input : nullptr, nFrames);
        if (n < 0) {
            strError = Fill(Tr("Video", "the sound could not be converted: %1"), { AvError(n) });
            return false;
        }
        if (n > 0
            && av_audio_fifo_write(state.pFifo, reinterpret_cast<void**>(state.ppConverted), n)
                != n) {
            strError = Tr("Video", "there is no memory for the sound");
            return false;
        }
        // Input is taken whole; the resampler's own remainder comes out over as many calls as
        // it needs.
        if (samples != nullptr || n == 0)
            return true;
    }
}

} // namespace

struct CVideoWriter::CState : CWriteState { };

CVideoWriter::CVideoWriter() = default;
CVideoWriter::~CVideoWriter() = default;

bool CVideoWriter::Open(
    const std::string& path, const CVideoSettings& settings, std::string& strError)
{
    m_pState.reset();
    QuietLibraries();
    if (settings.nWidth < 2 || settings.nHeight < 2 || settings.nWidth > kMaxVideoSide
        || settings.nHeight > kMaxVideoSide) {
        strError = Fill(Tr("Video", "a video's size must be from 2 x 2 to %1 x %2"),
            { std::to_string(kMaxVideoSide), std::to_string(kMaxVideoSide) });
        return false;
    }
    if (settings.nFrameMs < 1 || settings.nFrameMs > 10000) {
        strError = Tr("Video", "a video frame must last from 1 to 10000 ms");
        return false;
    }
    if (settings.nLoops < 0) {
        strError = Tr("Video", "the number of plays cannot be negative");
        return false;
    }
    if (settings.nHold < 1 || settings.nHold > 10 || settings.nVideoBitRate < 0
        || settings.nSoundBitRate < 32'000 || settings.nSoundBitRate > 320'000) {
        strError = Tr("Video", "the video's frame hold or bit rates are out of range");
        return false;
    }
    auto state = std::make_unique<CState>();
    state->settings = settings;
    state->settings.bSound = settings.bSound && HasSound(settings.format);
    state->nWidth = settings.nWidth;
    state->nHeight = settings.nHeight;
    if (IsYuv(settings.format)) {
        // 4:2:0 pictures hold one colour sample for every two by two pixels.
        state->nWidth += state->nWidth & 1;
        state->nHeight += state->nHeight & 1;
    }
    const CFormatChoice& choice = ChoiceOf(settings.format);
    const std::string url = FileUrl(path);
    int result
        = avformat_alloc_output_context2(&state->pFormat, nullptr, choice.szMuxer, url.c_str());
    if (result < 0 || state->pFormat == nullptr) {
        strError = result < 0
            ? Fill(Tr("Video", "the installed video libraries cannot write %1 files: %2"),
                { Tr("Video", choice.szMuxerName), AvError(result) })
            : Fill(Tr("Video", "the installed video libraries cannot write %1 files"),
                { Tr("Video", choice.szMuxerName) });
        return false;
    }
    // The video comes first: the reader takes the first stream.
    if (!OpenVideo(*state, strError))
        return false;
    if (state->settings.bSound && !OpenSound(*state, strError))
        return false;
    if (!(state->pFormat->oformat->flags & AVFMT_NOFILE)) {
        result = avio_open(&state->pFormat->pb, url.c_str(), AVIO_FLAG_WRITE);
        if (result < 0) {
            strError = Fill(Tr("Video", "the file cannot be created: %1"), { AvError(result) });
            return false;
        }
    }
    AVDictionary* options = nullptr;
    if (settings.format == VideoFormat::mp4)
        av_dict_set(&options, "movflags", "+faststart", 0); // playable while it downloads
    if (settings.format == VideoFormat::apng)
        av_dict_set_int(&options, "plays", settings.nLoops, 0);
    result = avformat_write_header(state->pFormat, &options);
    av_dict_free(&options);
    if (result < 0) {
        strError = Fill(Tr("Video", "the %1 file's header could not be written: %2"),
            { Tr("Video", choice.szMuxerName), AvError(result) });
        return false;
    }
    m_pState = std::move(state);
    return true;
}

bool CVideoWriter::AddFrame(const QImage& frame, std::string& strError)
{
    if (!m_pState || m_pState->bFinished) {
        strError = Tr("Video", "no video is open for writing");
        return false;
    }
    if (frame.isNull()) {
        strError = Tr("Video", "the frame is empty");
        return false;
    }
    CState& state = *m_pState;
    const QImage rgb = frame.format() == QImage::Format_RGB32
        ? frame
        : frame.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull()) {
        strError = Tr("Video", "there is no memory for the frame");
        return false;
    }
    AVFrame* source = state.pSource;
    int result = 0;
    if (source->width != rgb.width() || source->height != rgb.height()) {
        av_frame_unref(source);
        source->format = AV_PIX_FMT_RGB32;
        source->width = rgb.width();
        source->height = rgb.height();
        result = av_frame_get_buffer(source, 0);
    }
    if (result < 0) {
        av_frame_unref(source);
        strError = Fill(Tr("Video", "there is no memory for the frame: %1"), { AvError(result) });
        return false;
    }
    const size_t rowBytes = size_t(rgb.width()) * 4;
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(
            source->data[0] + ptrdiff_t(y) * source->linesize[0], rgb.constScanLine(y), rowBytes);

    AVCodecContext* codec = state.pVideo;
    // A frame of the video's own size is only converted, where the quick filter loses nothing
    // worth the time; a frame to be scaled gets the smooth one.
    const bool bSameSize = source->width == state.nWidth && source->height == state.nHeight;
    state.pScaler = sws_getCachedContext(state.pScaler, source->width, source->height,
        AV_PIX_FMT_RGB32, state.nWidth, state.nHeight, codec->pix_fmt,
        bSameSize ? SWS_FAST_BILINEAR : SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (state.pScaler == nullptr) {
        strError = Fill(Tr("Video", "the frame cannot be converted for the %1 encoder"),
            { state.strVideoName });
        return false;
    }
    // The encoder may still hold the last picture.
    result = av_frame_make_writable(state.pPicture);
    if (result >= 0)
        result = sws_scale(state.pScaler, source->data, source->linesize, 0, source->height,
            state.pPicture->data, state.pPicture->linesize);
    if (result <= 0) {
        strError = result < 0
            ? Fill(Tr("Video", "the frame cannot be converted for the %1 encoder: %2"),
                { state.strVideoName, AvError(result) })
            : Fill(Tr("Video", "the frame cannot be converted for the %1 encoder"),
                { state.strVideoName });
        return false;
    }
    state.pPicture->quality = codec->global_quality;
    // A held frame goes to the encoder again with the next time: the encoder keeps its own
    // reference, so only the time changes between the copies.
    for (int copy = 0; copy < state.settings.nHold; ++copy) {
        state.pPicture->pts = state.nFrames;
        if (!Encode(state, codec, state.pVideoStream, state.pPicture, state.strVideoName, strError))
            return false;
        ++state.nFrames;
    }
    return true;
}

bool CVideoWriter::AddSound(std::span<const int16_t> samples, std::string& strError)
{
    if (!m_pState || m_pState->bFinished) {
        strError = Tr("Video", "no video is open for writing");
        return false;
    }
    CState& state = *m_pState;
    if (!state.settings.bSound) {
        strError = Tr("Video", "this video has no soundtrack");
        return false;
    }
    if (samples.size() % kSoundChannels != 0) {
        strError = Tr("Video", "stereo sound needs an even number of samples");
        return false;
    }
    const size_t nFrames = samples.size() / kSoundChannels;
    for (size_t done = 0; done < nFrames; done += kSoundChunk) {
        const int n = int(std::min<size_t>(kSoundChunk, nFrames - done));
        if (!QueueSound(state, samples.data() + done * kSoundChannels, n, strError)
            || !EncodeQueuedSound(state, false, strError))
            return false;
    }
    return true;
}

bool CVideoWriter::Finish(std::string& strError)
{
    if (!m_pState || m_pState->bFinished) {
        strError = Tr("Video", "no video is open for writing");
        return false;
    }
    CState& state = *m_pState;
    state.bFinished = true;
    if (state.pSound != nullptr
        && (!QueueSound(state, nullptr, 0, strError) || !EncodeQueuedSound(state, true, strError)
            || !Encode(
                state, state.pSound, state.pSoundStream, nullptr, state.strSoundName, strError)))
        return false;
    if (!Encode(state, state.pVideo, state.pVideoStream, nullptr, state.strVideoName, strError))
        return false;
    int result = av_write_trailer(state.pFormat);
    if (result < 0) {
        strError = Fill(
            Tr("Video", "the end of the video file could not be written: %1"), { AvError(result) });
        return false;
    }
    if (!(state.pFormat->oformat->flags & AVFMT_NOFILE)) {
        result = avio_closep(&state.pFormat->pb);
        if (result < 0) {
            strError
                = Fill(Tr("Video", "the video file could not be closed: %1"), { AvError(result) });
            return false;
        }
    }
    return true;
}

bool ProbeVideoFile(const std::string& path, CVideoProbe& probe, std::string& strError)
{
    QuietLibraries();
    probe = CVideoProbe();
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code)) {
        strError = Tr("Video", "it is not a file");
        return false;
    }
    AVFormatContext* format = nullptr;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    int result = avformat_open_input(&format, FileUrl(path).c_str(), nullptr, &options);
    av_dict_free(&options);
    if (result < 0) {
        strError = Fill(Tr("Video", "the file cannot be read as a video: %1"), { AvError(result) });
        return false;
    }
    result = avformat_find_stream_info(format, nullptr);
    if (result < 0) {
        avformat_close_input(&format);
        strError = Fill(Tr("Video", "the file's streams cannot be read: %1"), { AvError(result) });
        return false;
    }
    probe.nStreams = static_cast<int>(format->nb_streams);
    int video = -1;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVCodecParameters* par = format->streams[i]->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO && video < 0) {
            video = static_cast<int>(i);
            probe.bVideoFirst = i == 0;
            probe.strVideoCodec = avcodec_get_name(par->codec_id);
        } else if (par->codec_type == AVMEDIA_TYPE_AUDIO && !probe.bAudio) {
            probe.bAudio = true;
            probe.strAudioCodec = avcodec_get_name(par->codec_id);
        }
    }
    int64_t duration = 0;
    AVPacket* packet = av_packet_alloc();
    while (packet != nullptr && av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == video) {
            ++probe.nVideoFrames;
            duration += packet->duration;
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    if (video >= 0)
        probe.dVideoSeconds = static_cast<double>(duration) * av_q2d(format->streams[video]->time_base);
    avformat_close_input(&format);
    strError.clear();
    return true;
}

} // namespace platform
