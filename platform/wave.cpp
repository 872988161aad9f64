#include "platform/wave.h"

#include "platform/adpcm.h"
#include "platform/files.h"
#include "platform/translate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace platform {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;
constexpr int kMaxChannels = 8;
constexpr int64_t kMaxFileBytes = int64_t(2) << 30;
// What one converted sound may take: about 101 minutes of stereo at kAudioRate.
constexpr uint64_t kMaxConvertedBytes = uint64_t(1) << 30;
constexpr uint64_t kBytesPerMixerFrame = kAudioChannels * sizeof(int16_t);

uint16_t Get16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}
uint32_t Get32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
bool IsTag(const uint8_t* p, const char* tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

// Every sample reader gives the value on the scale of a 16-bit sample, with the finer bits
// of the wider formats kept as a fraction until the final rounding.
double Read8(const uint8_t* p)
{
    return (int(p[0]) - 128) * 256.0;
}
double Read16(const uint8_t* p)
{
    return int16_t(Get16(p));
}
double Read24(const uint8_t* p)
{
    const int32_t v = int32_t(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24);
    return v / 65536.0;
}
double Read32(const uint8_t* p)
{
    return int32_t(Get32(p)) / 65536.0;
}
double ReadFloat32(const uint8_t* p)
{
    const uint32_t bits = Get32(p);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f * 32768.0;
}
double ReadFloat64(const uint8_t* p)
{
    const uint64_t bits = uint64_t(Get32(p)) | uint64_t(Get32(p + 4)) << 32;
    double f;
    std::memcpy(&f, &bits, sizeof f);
    return f * 32768.0;
}

// Float waves may hold anything, including values far beyond full scale, infinities and
// NaN; all of them end up as a valid 16-bit sample.
int16_t ToSample(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 32767.0)
        return 32767;
    if (v <= -32768.0)
        return -32768;
    return int16_t(std::lround(v));
}

// The number of frames at kAudioRate that last as long as nFrames at nRate (to the nearest).
uint64_t ConvertedFrames(uint64_t nFrames, int nRate)
{
    if (nFrames == 0)
        return 0;
    const uint64_t frames = (nFrames * kAudioRate + uint64_t(nRate) / 2) / uint64_t(nRate);
    return frames == 0 ? 1 : frames;
}

// Linear interpolation. The position in the source is the output frame number times nRate,
// in units of 1/kAudioRate of a source frame, carried as a whole frame number and a remainder:
// exact integers, so a long sound ends exactly where it should. frameAt(i, l, r) gives source
// frame i as stereo on the 16-bit scale.
template <class FrameAt>
std::shared_ptr<CPcm> Resample(uint64_t nFrames, int nRate, FrameAt frameAt)
{
    auto pcm = std::make_shared<CPcm>();
    const uint64_t outFrames = ConvertedFrames(nFrames, nRate);
    pcm->samples.resize(outFrames * 2);
    const uint64_t stepWhole = uint64_t(nRate) / kAudioRate;
    const uint64_t stepPart = uint64_t(nRate) % kAudioRate;
    uint64_t index = 0;
    uint64_t part = 0;
    int16_t* out = pcm->samples.data();
    for (uint64_t j = 0; j < outFrames; ++j) {
        const uint64_t i = index < nFrames ? index : nFrames - 1;
        double left, right;
        frameAt(i, left, right);
        if (part != 0 && i + 1 < nFrames) {
            double nextLeft, nextRight;
            frameAt(i + 1, nextLeft, nextRight);
            const double t = double(part) / kAudioRate;
            left += (nextLeft - left) * t;
            right += (nextRight - right) * t;
        }
        *out++ = ToSample(left);
        *out++ = ToSample(right);
        index += stepWhole;
        part += stepPart;
        if (part >= kAudioRate) {
            part -= kAudioRate;
            ++index;
        }
    }
    return pcm;
}

struct CWaveFormat {
    uint16_t nTag = 0; // PCM or float, after looking inside an extensible format
    int nChannels = 0;
    int nRate = 0;
    int nBlockAlign = 0;
    int nBytesPerSample = 0; // 0 for IMA ADPCM
};

bool CheckChannelsAndRate(uint32_t channels, uint32_t rate, std::string& error)
{
    if (channels < 1 || channels > kMaxChannels) {
        error = Fill(Tr("Sound", "the wave has %1 channels; 1 to %2 can be played"),
            { std::to_string(channels), std::to_string(kMaxChannels) });
        return false;
    }
    if (rate < uint32_t(kMinRate) || rate > uint32_t(kMaxRate)) {
        error = Fill(Tr("Sound", "the wave's rate of %1 Hz is outside %2 to %3 Hz"),
            { std::to_string(rate), std::to_string(kMinRate), std::to_string(kMaxRate) });
        return false;
    }
    return true;
}

// IMA ADPCM: 4 bits per sample, blocks of whole 4-byte groups per channel after their headers;
// the samples per block, when the chunk gives them, must be what such a block holds.
bool ParseImaFormat(std::span<const uint8_t> chunk, CWaveFormat& format, std::string& error)
{
    const uint8_t* p = chunk.data();
    const uint32_t channels = Get16(p + 2);
    const uint32_t rate = Get32(p + 4);
    const uint32_t blockAlign = Get16(p + 12);
    const uint32_t bits = Get16(p + 14);
    if (!CheckChannelsAndRate(channels, rate, error))
        return false;
    if (bits != 4) {
        error = Fill(Tr("Sound", "IMA ADPCM waves with %1 bits per sample are not supported"),
            { std::to_string(bits) });
        return false;
    }
    const int perBlock = ImaSamplesPerBlock(int(blockAlign), int(channels));
    const bool bGiven = chunk.size() >= 20 && Get16(p + 16) >= 2;
    if (perBlock == 0 || (bGiven && Get16(p + 18) != uint32_t(perBlock))) {
        error = Fill(Tr("Sound",
                         "the IMA ADPCM wave's block size (%1 bytes) does not fit its %2 channels"),
            { std::to_string(blockAlign), std::to_string(channels) });
        return false;
    }
    format.nTag = kFormatImaAdpcm;
    format.nChannels = int(channels);
    format.nRate = int(rate);
    format.nBlockAlign = int(blockAlign);
    format.nBytesPerSample = 0;
    return true;
}

// Reads the format chunk's fields; false with a reason when the wave cannot be played.
bool ParseFormat(std::span<const uint8_t> chunk, CWaveFormat& format, std::string& error)
{
    if (chunk.size() < 16) {
        error = Tr("Sound", "the wave's format chunk is too short");
        return false;
    }
    const uint8_t* p = chunk.data();
    uint16_t tag = Get16(p);
    const uint32_t channels = Get16(p + 2);
    const uint32_t rate = Get32(p + 4);
    const uint32_t blockAlign = Get16(p + 12);
    const uint32_t bits = Get16(p + 14);
    if (tag == kFormatExtensible) {
        // cbSize, valid bits, channel mask, then the sub-format GUID whose first two bytes
        // are the format tag proper.
        if (chunk.size() < 40 || Get16(p + 16) < 22) {
            error = Tr("Sound", "the wave's extended format chunk is too short");
            return false;
        }
        tag = Get16(p + 24);
    }
    if (tag == kFormatImaAdpcm)
        return ParseImaFormat(chunk, format, error);
    if (tag != kFormatPcm && tag != kFormatFloat) {
        error = Fill(
            Tr("Sound", "compressed waves (format %1) are not supported"), { std::to_string(tag) });
        return false;
    }
    if (!CheckChannelsAndRate(channels, rate, error))
        return false;
    // Samples narrower than their container (12 bits in 2 bytes) sit in its top bits.
    const uint32_t bytes = (bits + 7) / 8;
    const bool bPcmSize = tag == kFormatPcm && bytes >= 1 && bytes <= 4;
    const bool bFloatSize = tag == kFormatFloat && (bits == 32 || bits == 64);
    if (!bPcmSize && !bFloatSize) {
        error = Fill(tag == kFormatFloat
                ? Tr("Sound", "float waves with %1 bits per sample are not supported")
                : Tr("Sound", "PCM waves with %1 bits per sample are not supported"),
            { std::to_string(bits) });
        return false;
    }
    if (blockAlign != channels * bytes) {
        error = Fill(
            Tr("Sound",
                "the wave's block size (%1 bytes) does not match its %2 channels of %3 bytes"),
            { std::to_string(blockAlign), std::to_string(channels), std::to_string(bytes) });
        return false;
    }
    format.nTag = tag;
    format.nChannels = int(channels);
    format.nRate = int(rate);
    format.nBlockAlign = int(blockAlign);
    format.nBytesPerSample = int(bytes);
    return true;
}

template <double (*Read)(const uint8_t*)>
std::shared_ptr<CPcm> Convert(const uint8_t* data, uint64_t nFrames, const CWaveFormat& format)
{
    const size_t blockAlign = size_t(format.nBlockAlign);
    const size_t bytes = size_t(format.nBytesPerSample);
    const int channels = format.nChannels;
    // Channel 0 is left, 1 right; the rest (centre, surround, ...) are averaged and that
    // average is shared half and half with each side, so a wave whose channels all carry the
    // same sound keeps its level.
    return Resample(nFrames, format.nRate, [=](uint64_t i, double& left, double& right) {
        const uint8_t* frame = data + i * blockAlign;
        left = Read(frame);
        if (channels == 1) {
            right = left;
            return;
        }
        right = Read(frame + bytes);
        if (channels == 2)
            return;
        double rest = 0;
        for (int c = 2; c < channels; ++c)
            rest += Read(frame + size_t(c) * bytes);
        rest /= channels - 2;
        left = (left + rest) / 2;
        right = (right + rest) / 2;
    });
}

// True when a LIST chunk's body is of type INFO and holds an ISFT entry whose text (up to its
// NUL, or its end) is the voice recorder's name. Entries are walked with their pad bytes;
// one whose length runs past the chunk ends the walk.
bool HasVoiceMark(std::span<const uint8_t> list)
{
    if (list.size() < 4 || !IsTag(list.data(), "INFO"))
        return false;
    const std::string_view mark(kVoiceMark);
    size_t pos = 4;
    while (list.size() - pos >= 8) {
        const uint8_t* header = list.data() + pos;
        const size_t size = Get32(header + 4);
        pos += 8;
        if (size > list.size() - pos)
            return false;
        if (IsTag(header, "ISFT")) {
            const char* text = reinterpret_cast<const char*>(list.data() + pos);
            const std::string_view entry(text, size);
            if (entry.substr(0, entry.find('\0')) == mark)
                return true;
        }
        pos += size + (size & 1);
        if (pos > list.size())
            return false;
    }
    return false;
}

} // namespace

std::shared_ptr<CPcm> DecodeWave(std::span<const uint8_t> file, std::string& error)
{
    if (file.size() < 12 || !IsTag(file.data(), "RIFF") || !IsTag(file.data() + 8, "WAVE")) {
        error = Tr("Sound", "not a RIFF/WAVE file");
        return nullptr;
    }
    // The RIFF length is not trusted: writers that stream often never fill it in. The chunks
    // run to the end of the file, and once the format and the data are known whatever follows
    // (tags some programs append) may be cut off or be junk.
    const size_t end = file.size();

    std::span<const uint8_t> fmtChunk;
    std::span<const uint8_t> dataChunk;
    bool bFmt = false;
    bool bData = false;
    bool bVoice = false;
    uint64_t factFrames = UINT64_MAX; // the frames a 'fact' chunk counts
    size_t pos = 12;
    while (end - pos >= 8) {
        const uint8_t* header = file.data() + pos;
        const uint64_t size = Get32(header + 4);
        pos += 8;
        const size_t left = end - pos;
        if (size > left) {
            // A data chunk cut short still plays what arrived; any other chunk cut short
            // loses nothing once the format and the data are known.
            if (IsTag(header, "data") && !bData) {
                dataChunk = file.subspan(pos, left);
                bData = true;
            } else if (!bFmt || !bData) {
                error = Tr("Sound", "the wave file is cut short");
                return nullptr;
            }
            break;
        }
        const auto chunk = file.subspan(pos, size_t(size));
        if (IsTag(header, "fmt ") && !bFmt) {
            fmtChunk = chunk;
            bFmt = true;
        } else if (IsTag(header, "data") && !bData) {
            dataChunk = chunk;
            bData = true;
        } else if (IsTag(header, "fact") && chunk.size() >= 4) {
            factFrames = Get32(chunk.data());
        } else if (IsTag(header, "LIST") && HasVoiceMark(chunk)) {
            bVoice = true;
        }
        // Chunks of odd length are followed by a pad byte (which a cut file may lack).
        pos += size_t(size);
        if ((size & 1) != 0 && pos < end)
            ++pos;
    }
    if (!bFmt) {
        error = Tr("Sound", "the wave's format chunk is missing");
        return nullptr;
    }
    CWaveFormat format;
    if (!ParseFormat(fmtChunk, format, error))
        return nullptr;
    if (!bData) {
        error = Tr("Sound", "the wave's sound data is missing");
        return nullptr;
    }
    const bool bIma = format.nTag == kFormatImaAdpcm;
    const uint64_t frames = bIma
        ? std::min(factFrames, ImaFramesIn(dataChunk.size(), format.nChannels, format.nBlockAlign))
        : dataChunk.size() / size_t(format.nBlockAlign);
    if (ConvertedFrames(frames, format.nRate) > kMaxConvertedBytes / kBytesPerMixerFrame) {
        error = Fill(Tr("Sound", "the wave is too long to play (over %1 minutes)"),
            { std::to_string(kMaxConvertedBytes / kBytesPerMixerFrame / kAudioRate / 60) });
        return nullptr;
    }
    const uint8_t* data = dataChunk.data();
    std::shared_ptr<CPcm> pcm;
    if (bIma) {
        // Decoded whole into 16-bit samples (little-endian, as a PCM wave holds them), which
        // then convert as a 16-bit PCM wave does.
        std::vector<int16_t> decoded;
        if (!DecodeImaAdpcm(dataChunk, format.nChannels, format.nBlockAlign, frames, decoded,
                error))
            return nullptr;
        std::vector<uint8_t> bytes(decoded.size() * 2);
        for (size_t i = 0; i < decoded.size(); ++i) {
            bytes[2 * i] = uint8_t(uint16_t(decoded[i]));
            bytes[2 * i + 1] = uint8_t(uint16_t(decoded[i]) >> 8);
        }
        CWaveFormat pcmFormat = format;
        pcmFormat.nBlockAlign = 2 * format.nChannels;
        pcmFormat.nBytesPerSample = 2;
        pcm = Convert<Read16>(bytes.data(), decoded.size() / size_t(format.nChannels), pcmFormat);
    } else if (format.nTag == kFormatFloat) {
        pcm = format.nBytesPerSample == 4 ? Convert<ReadFloat32>(data, frames, format)
                                          : Convert<ReadFloat64>(data, frames, format);
    } else {
        // A PCM sample narrower than its container is left-justified in it, so reading the
        // whole container gives its value.
        switch (format.nBytesPerSample) {
        case 1:
            pcm = Convert<Read8>(data, frames, format);
            break;
        case 2:
            pcm = Convert<Read16>(data, frames, format);
            break;
        case 3:
            pcm = Convert<Read24>(data, frames, format);
            break;
        default:
            pcm = Convert<Read32>(data, frames, format);
            break;
        }
    }
    pcm->bVoice = bVoice;
    return pcm;
}

std::shared_ptr<CPcm> LoadWaveFile(const std::string& path, std::string& error)
{
    const int64_t length = FileLength(path);
    if (length < 0) {
        error = Tr("Sound", "the wave file cannot be found");
        return nullptr;
    }
    if (length > kMaxFileBytes) {
        error = Tr("Sound", "the wave file is too large (over 2 GB)");
        return nullptr;
    }
    std::vector<uint8_t> file;
    if (!ReadWholeFile(path, file)) {
        error = Tr("Sound", "the wave file cannot be read");
        return nullptr;
    }
    return DecodeWave(file, error);
}

std::shared_ptr<CPcm> ConvertToMixer(std::span<const int16_t> samples, int nChannels, int nRate)
{
    if ((nChannels != 1 && nChannels != 2) || nRate < kMinRate || nRate > kMaxRate)
        return std::make_shared<CPcm>();
    const uint64_t frames = samples.size() / size_t(nChannels);
    if (ConvertedFrames(frames, nRate) > kMaxConvertedBytes / kBytesPerMixerFrame)
        return std::make_shared<CPcm>();
    const int16_t* data = samples.data();
    if (nChannels == 1)
        return Resample(frames, nRate,
            [=](uint64_t i, double& left, double& right) { left = right = data[i]; });
    return Resample(frames, nRate, [=](uint64_t i, double& left, double& right) {
        left = data[2 * i];
        right = data[2 * i + 1];
    });
}

std::vector<uint8_t> PcmWaveFile(
    std::span<const int16_t> samples, int nChannels, int nRate, bool bVoiceMark)
{
    std::vector<uint8_t> file;
    const auto put16 = [&](uint32_t v) {
        file.push_back(uint8_t(v));
        file.push_back(uint8_t(v >> 8));
    };
    const auto put32 = [&](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    const auto tag = [&](const char* t) { file.insert(file.end(), t, t + 4); };
    // The software's name with its NUL, padded to an even length.
    std::string software(kVoiceMark);
    software.push_back('\0');
    if (software.size() % 2 != 0)
        software.push_back('\0');
    const uint32_t list = bVoiceMark ? uint32_t(8 + 4 + 8 + software.size()) : 0;
    const uint32_t header = 4 + 24 + list + 8;
    const size_t count = std::min(samples.size(), size_t(UINT32_MAX - header) / 2);
    const uint32_t data = uint32_t(count * 2);
    const uint32_t channels = uint32_t(nChannels);
    file.reserve(8 + header + data);
    tag("RIFF");
    put32(header + data);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(kFormatPcm);
    put16(channels);
    put32(uint32_t(nRate));
    put32(uint32_t(nRate) * 2 * channels);
    put16(2 * channels);
    put16(16);
    if (bVoiceMark) {
        tag("LIST");
        put32(list - 8);
        tag("INFO");
        tag("ISFT");
        put32(uint32_t(software.size()));
        file.insert(file.end(), software.begin(), software.end());
    }
    tag("data");
    put32(data);
    for (size_t i = 0; i < count; ++i)
        put16(uint16_t(samples[i]));
    return file;
}

} // namespace platform
