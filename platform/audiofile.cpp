#include "platform/audiofile.h"

#include "platform/files.h"
#include "platform/translate.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avstring.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cmath>
#include <fstream>
#include <mutex>

namespace platform {

namespace {

// The kinds of file read, by the names of the libraries' readers: WAV (and Wave64), MP3,
// MP4/M4A, raw AAC, Ogg (Vorbis, Opus, FLAC), FLAC, Matroska/WebM, AIFF and CAF. No other
// reader (playlists, network streams, images) is ever handed a file.
constexpr const char* kSongFormats = "wav,w64,mp3,mov,aac,ogg,flac,matroska,aiff,caf";
// Packets in a row that the decoder refuses before the file counts as damaged.
constexpr int kMaxBadPackets = 200;
// The first bytes looked at to tell a damaged song from a file of another kind.
constexpr size_t kProbeBytes = 4096;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;
constexpr int kMaxColumns = 100000;
// The summary's first step: the lowest and highest of each run of this many samples.
constexpr int kSummaryBucket = 80;
// Longer than any song, in seconds: a length or time beyond it is one a file made up.
constexpr double kYear = 365.0 * 86400;
// How far before a part's start decoding begins.
constexpr double kPrerollSeconds = 0.5;

void QuietLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

// True when the file's first bytes look like one of the kinds read: when such a file cannot be
// opened, it is damaged (an MP4 without its index, a FLAC cut in its headers).
bool IsKnownKind(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> head(kProbeBytes + AVPROBE_PADDING_SIZE, 0);
    file.read(reinterpret_cast<char*>(head.data()), std::streamsize(kProbeBytes));
    if (file.gcount() <= 0)
        return false;
    head.resize(size_t(file.gcount()) + AVPROBE_PADDING_SIZE);
    AVProbeData probe {};
    probe.filename = "";
    probe.buf = head.data();
    probe.buf_size = int(head.size() - AVPROBE_PADDING_SIZE);
    int score = 0;
    const AVInputFormat* format = av_probe_input_format3(&probe, 1, &score);
    return format != nullptr && score > AVPROBE_SCORE_EXTENSION
        && av_match_list(format->name, kSongFormats, ',') > 0;
}

// Where a song is read: the file, its sound stream, the decoder and the converter to the
// rate and channels asked for.
class CSongReader {
public:
    explicit CSongReader(std::string path)
        : m_strPath(std::move(path))
    {
    }
    ~CSongReader()
    {
        swr_free(&m_pConvert);
        av_channel_layout_uninit(&m_inLayout);
        av_frame_free(&m_pFrame);
        av_packet_free(&m_pPacket);
        avcodec_free_context(&m_pCodec);
        avformat_close_input(&m_pFormat);
    }
    CSongReader(const CSongReader&) = delete;
    CSongReader& operator=(const CSongReader&) = delete;

    bool Open(std::string& error);
    // The length the file tells, in seconds; -1 when it does not.
    double Seconds() const;
    // Goes to a point at or before the time (from the song's start); reading then goes on from
    // there. When the file cannot be sought, reading starts at the beginning.
    void Seek(double seconds);
    // Decodes to the end, or until sink returns false or bCancelled true. sink is given
    // interleaved samples and the song's time of the first one, in seconds. False with the
    // reason when nothing could be decoded because the file is damaged, or when cancelled
    // (error empty).
    using Sink = std::function<bool(const int16_t* samples, size_t nFrames, double fAt)>;
    bool Decode(int nRate, int nChannels, const Sink& sink, std::string& error,
        const std::function<bool()>& bCancelled);

private:
    std::string Damaged() const
    {
        return Fill(Tr("Sounds", "%1 is damaged: its sound cannot be decoded"), { m_strPath });
    }
    bool Configure(const AVFrame& frame, int nRate, int nChannels);

    std::string m_strPath;
    AVFormatContext* m_pFormat = nullptr;
    AVCodecContext* m_pCodec = nullptr;
    AVPacket* m_pPacket = nullptr;
    AVFrame* m_pFrame = nullptr;
    SwrContext* m_pConvert = nullptr;
    int m_nStream = -1;
    double m_fStart = 0; // the stream's first time, in seconds
    // What the converter was made for.
    int m_nInFormat = -1;
    int m_nInRate = 0;
    AVChannelLayout m_inLayout {};
    int m_nOutChannels = 0;
};

bool CSongReader::Open(std::string& error)
{
    QuietLibraries();
    if (!FileExists(m_strPath)) {
        error = Fill(Tr("Sounds", "%1 cannot be found"), { m_strPath });
        return false;
    }
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    av_dict_set(&options, "format_whitelist", kSongFormats, 0);
    // The "file:" prefix keeps a name with a colon in it a file.
    int result = avformat_open_input(&m_pFormat, ("file:" + m_strPath).c_str(), nullptr, &options);
    av_dict_free(&options);
    if (result < 0) {
        if (result == AVERROR(ENOENT) || result == AVERROR(EACCES) || result == AVERROR(EISDIR)
            || result == AVERROR(EIO))
            error = Fill(Tr("Sounds", "%1 cannot be read"), { m_strPath });
        else if (IsKnownKind(m_strPath))
            error = Damaged();
        else
            error = Fill(Tr("Sounds",
                             "%1 is no audio file of a kind that can be read (WAV, MP3, M4A, "
                             "Ogg Vorbis, Opus or FLAC)"),
                { m_strPath });
        return false;
    }
    if (avformat_find_stream_info(m_pFormat, nullptr) < 0) {
        error = Damaged();
        return false;
    }
    m_nStream = av_find_best_stream(m_pFormat, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (m_nStream < 0) {
        error = Fill(Tr("Sounds", "%1 holds no sound"), { m_strPath });
        return false;
    }
    const AVStream* stream = m_pFormat->streams[m_nStream];
    const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
    if (decoder == nullptr) {
        error = Fill(Tr("Sounds", "%1 holds sound of a kind that cannot be decoded (%2)"),
            { m_strPath, avcodec_get_name(stream->codecpar->codec_id) });
        return false;
    }
    m_pCodec = avcodec_alloc_context3(decoder);
    m_pPacket = av_packet_alloc();
    m_pFrame = av_frame_alloc();
    if (m_pCodec == nullptr || m_pPacket == nullptr || m_pFrame == nullptr
        || avcodec_parameters_to_context(m_pCodec, stream->codecpar) < 0
        || avcodec_open2(m_pCodec, decoder, nullptr) < 0) {
        error = Damaged();
        return false;
    }
    if (stream->start_time != AV_NOPTS_VALUE && stream->time_base.den > 0
        && stream->time_base.num > 0)
        m_fStart = double(stream->start_time) * av_q2d(stream->time_base);
    if (!std::isfinite(m_fStart))
        m_fStart = 0;
    // Only the sound's packets are read.
    for (unsigned i = 0; i < m_pFormat->nb_streams; ++i)
        if (int(i) != m_nStream)
            m_pFormat->streams[i]->discard = AVDISCARD_ALL;
    return true;
}

double CSongReader::Seconds() const
{
    const AVStream* stream = m_pFormat->streams[m_nStream];
    double seconds = -1;
    if (stream->duration > 0 && stream->time_base.num > 0 && stream->time_base.den > 0)
        seconds = double(stream->duration) * av_q2d(stream->time_base);
    else if (m_pFormat->duration > 0)
        seconds = double(m_pFormat->duration) / AV_TIME_BASE;
    return std::isfinite(seconds) && seconds < kYear ? seconds : -1;
}

void CSongReader::Seek(double seconds)
{
    if (seconds <= 0)
        return;
    const AVStream* stream = m_pFormat->streams[m_nStream];
    const double ticks = std::floor((seconds + m_fStart) / av_q2d(stream->time_base));
    // A time base a file made up may put the point beyond what a time stamp holds.
    if (!(ticks >= 0 && ticks < 9e18))
        return;
    const int64_t target = int64_t(ticks);
    if (avformat_seek_file(m_pFormat, m_nStream, INT64_MIN, target, target, 0) >= 0)
        avcodec_flush_buffers(m_pCodec);
}

bool CSongReader::Configure(const AVFrame& frame, int nRate, int nChannels)
{
    if (m_pConvert != nullptr && frame.format == m_nInFormat && frame.sample_rate == m_nInRate
        && av_channel_layout_compare(&frame.ch_layout, &m_inLayout) == 0)
        return true;
    swr_free(&m_pConvert);
    av_channel_layout_uninit(&m_inLayout);
    if (frame.sample_rate < kMinRate || frame.sample_rate > kMaxRate
        || frame.ch_layout.nb_channels < 1)
        return false;
    AVChannelLayout in {};
    if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&in, frame.ch_layout.nb_channels);
    else if (av_channel_layout_copy(&in, &frame.ch_layout) < 0)
        return false;
    // A mono song is converted as mono, and doubled for stereo: the converter would lower it
    // by 3 dB on each side.
    m_nOutChannels = frame.ch_layout.nb_channels == 1 ? 1 : nChannels;
    AVChannelLayout out {};
    av_channel_layout_default(&out, m_nOutChannels);
    const int result = swr_alloc_set_opts2(&m_pConvert, &out, AV_SAMPLE_FMT_S16, nRate, &in,
        AVSampleFormat(frame.format), frame.sample_rate, 0, nullptr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    if (result < 0 || swr_init(m_pConvert) < 0) {
        swr_free(&m_pConvert);
        return false;
    }
    m_nInFormat = frame.format;
    m_nInRate = frame.sample_rate;
    av_channel_layout_copy(&m_inLayout, &frame.ch_layout);
    return true;
}

bool CSongReader::Decode(int nRate, int nChannels, const Sink& sink, std::string& error,
    const std::function<bool()>& bCancelled)
{
    const AVStream* stream = m_pFormat->streams[m_nStream];
    const double timeBase = av_q2d(stream->time_base);
    std::vector<int16_t> buffer;
    std::vector<int16_t> doubled; // a mono song's samples for stereo
    bool bTimed = false; // the first frame's time is known
    double at = 0; // the song's time of the next converted sample
    bool bDecoded = false;
    int badPackets = 0;
    bool bGoing = true;
    bool bEnded = false;

    // Converts one frame (nullptr: what the converter still holds) and hands it on.
    const auto convert = [&](const AVFrame* frame) {
        if (m_pConvert == nullptr)
            return true;
        const int inFrames = frame != nullptr ? frame->nb_samples : 0;
        const int room = swr_get_out_samples(m_pConvert, inFrames);
        if (room <= 0)
            return true;
        buffer.resize(size_t(room) * size_t(m_nOutChannels));
        uint8_t* out = reinterpret_cast<uint8_t*>(buffer.data());
        const int made = swr_convert(m_pConvert, &out, room,
            frame != nullptr ? const_cast<const uint8_t**>(frame->extended_data) : nullptr,
            inFrames);
        if (made <= 0)
            return made == 0;
        const double first = at;
        at += double(made) / nRate;
        if (m_nOutChannels == nChannels)
            return sink(buffer.data(), size_t(made), first);
        doubled.resize(size_t(made) * 2);
        for (size_t i = 0; i < size_t(made); ++i)
            doubled[2 * i] = doubled[2 * i + 1] = buffer[i];
        return sink(doubled.data(), size_t(made), first);
    };
    const auto receive = [&]() {
        while (bGoing && avcodec_receive_frame(m_pCodec, m_pFrame) >= 0) {
            if (!Configure(*m_pFrame, nRate, nChannels)) {
                av_frame_unref(m_pFrame);
                bGoing = false;
                return false;
            }
            if (!bTimed) {
                const int64_t pts = m_pFrame->best_effort_timestamp;
                at = pts != AV_NOPTS_VALUE ? std::max(0.0, double(pts) * timeBase - m_fStart) : 0;
                if (!std::isfinite(at) || at > kYear)
                    at = 0;
                bTimed = true;
            }
            bDecoded = true;
            badPackets = 0;
            bGoing = convert(m_pFrame);
            av_frame_unref(m_pFrame);
        }
        return true;
    };

    while (bGoing && !bEnded) {
        if (bCancelled && bCancelled()) {
            error.clear();
            return false;
        }
        const int read = av_read_frame(m_pFormat, m_pPacket);
        if (read < 0) {
            // The end, or what cannot be read past (a cut file): what came so far counts.
            avcodec_send_packet(m_pCodec, nullptr);
            bEnded = true;
        } else if (m_pPacket->stream_index != m_nStream) {
            av_packet_unref(m_pPacket);
            continue;
        } else {
            const int sent = avcodec_send_packet(m_pCodec, m_pPacket);
            av_packet_unref(m_pPacket);
            if (sent < 0 && sent != AVERROR(EAGAIN) && ++badPackets > kMaxBadPackets) {
                error = Damaged();
                return false;
            }
        }
        if (!receive()) {
            error = Damaged();
            return false;
        }
    }
    if (bGoing && bEnded)
        convert(nullptr);
    if (!bDecoded && bEnded && badPackets > 0) {
        error = Damaged();
        return false;
    }
    return true;
}

} // namespace

bool DecodeSongPart(const std::string& path, const CSongPart& part, std::vector<int16_t>& samples,
    std::string& error)
{
    samples.clear();
    const int channels = std::clamp(part.nChannels, 1, 2);
    const int rate = std::clamp(part.nRate, kMinRate, kMaxRate);
    // No song is longer than a year.
    const double from = std::isfinite(part.fFrom) ? std::clamp(part.fFrom, 0.0, kYear) : 0.0;
    const double seconds = std::isfinite(part.fSeconds)
        ? std::clamp(part.fSeconds, 0.0, kMaxSongPartSeconds)
        : kMaxSongPartSeconds;
    const size_t wanted = size_t(std::llround(seconds * rate));
    CSongReader reader(path);
    if (!reader.Open(error))
        return false;
    const double length = reader.Seconds();
    if (length >= 0 && from >= length) {
        error = Fill(Tr("Sounds", "%1: the part from %2 s starts past the song's end (%3 s)"),
            { path, std::to_string(int64_t(from)), std::to_string(int64_t(length)) });
        return false;
    }
    // Decoders need some sound before the point to give it right (an MP3 frame leans on the
    // ones before it): the file is sought a little earlier.
    reader.Seek(from - kPrerollSeconds);
    samples.reserve(wanted * size_t(channels));
    // The first sample kept is the one at the part's start: what the seek gave before it is
    // dropped as it comes.
    const int64_t firstKept = std::llround(from * rate);
    const auto sink = [&](const int16_t* data, size_t nFrames, double fAt) {
        const int64_t at = std::llround(fAt * rate);
        const int64_t skip = std::clamp<int64_t>(firstKept - at, 0, int64_t(nFrames));
        const size_t left = wanted - samples.size() / size_t(channels);
        const size_t take = std::min(nFrames - size_t(skip), left);
        samples.insert(samples.end(), data + size_t(skip) * size_t(channels),
            data + (size_t(skip) + take) * size_t(channels));
        return samples.size() < wanted * size_t(channels);
    };
    if (!reader.Decode(rate, channels, sink, error, {}))
        return false;
    const size_t frames = samples.size() / size_t(channels);
    if (frames == 0) {
        error = Fill(Tr("Sounds", "%1: the part from %2 s starts past the song's end (%3 s)"),
            { path, std::to_string(int64_t(from)),
                std::to_string(int64_t(std::max(0.0, length))) });
        return false;
    }
    // The fades: straight ramps of the gain, at most half the part each.
    const double fade = std::isfinite(part.fFade) ? std::max(0.0, part.fFade) : 0.0;
    const size_t fadeFrames = std::min(size_t(std::llround(fade * rate)), frames / 2);
    for (size_t i = 0; i < fadeFrames; ++i) {
        const double gain = double(i) / double(fadeFrames);
        for (int c = 0; c < channels; ++c) {
            int16_t& head = samples[i * size_t(channels) + size_t(c)];
            int16_t& tail = samples[(frames - 1 - i) * size_t(channels) + size_t(c)];
            head = int16_t(std::lround(head * gain));
            tail = int16_t(std::lround(tail * gain));
        }
    }
    return true;
}

bool SongSeconds(const std::string& path, double& seconds, std::string& error)
{
    CSongReader reader(path);
    if (!reader.Open(error))
        return false;
    seconds = reader.Seconds();
    return true;
}

bool SongSummary(const std::string& path, int nColumns, std::vector<CPeak>& peaks,
    std::string& error, const std::function<bool()>& bCancelled)
{
    peaks.clear();
    nColumns = std::clamp(nColumns, 1, kMaxColumns);
    CSongReader reader(path);
    if (!reader.Open(error))
        return false;
    // First the lowest and highest of every run of kSummaryBucket samples (100 a second: an
    // hour takes 2.8 MB), then those runs shared among the columns.
    std::vector<CPeak> buckets;
    CPeak current { INT16_MAX, INT16_MIN };
    int inBucket = 0;
    const auto sink = [&](const int16_t* data, size_t nFrames, double) {
        for (size_t i = 0; i < nFrames; ++i) {
            current.nLow = std::min(current.nLow, data[i]);
            current.nHigh = std::max(current.nHigh, data[i]);
            if (++inBucket == kSummaryBucket) {
                buckets.push_back(current);
                current = { INT16_MAX, INT16_MIN };
                inBucket = 0;
            }
        }
        return true;
    };
    if (!reader.Decode(kSummaryRate, 1, sink, error, bCancelled))
        return false;
    if (inBucket > 0)
        buckets.push_back(current);
    peaks.resize(size_t(nColumns));
    if (buckets.empty())
        return true;
    const size_t count = buckets.size();
    for (size_t column = 0; column < size_t(nColumns); ++column) {
        // Each column covers the runs from its start to the next column's start (at least one).
        const size_t first = column * count / size_t(nColumns);
        const size_t last = std::max(first + 1, (column + 1) * count / size_t(nColumns));
        CPeak peak { INT16_MAX, INT16_MIN };
        for (size_t i = first; i < std::min(last, count); ++i) {
            peak.nLow = std::min(peak.nLow, buckets[i].nLow);
            peak.nHigh = std::max(peak.nHigh, buckets[i].nHigh);
        }
        peaks[column] = peak.nLow <= peak.nHigh ? peak : CPeak {};
    }
    return true;
}

} // namespace platform
