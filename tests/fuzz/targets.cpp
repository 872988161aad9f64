// The readers behind the fuzz targets. Readers that only take a path get the bytes as a file in
// a private folder of the process; everything a reader makes is gone again before the next
// input.
#include "tests/fuzz/targets.h"

#include "app/playerfiles.h"
#include "mail/addressbook.h"
#include "mail/bundle.h"
#include "mail/smtp.h"
#include "model/archive.h"
#include "model/bitmap.h"
#include "model/header.h"
#include "model/movie.h"
#include "model/object.h"
#include "model/picture.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "platform/adpcm.h"
#include "platform/audiofile.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/gif.h"
#include "platform/mixer.h"
#include "platform/picturefile.h"
#include "platform/video.h"
#include "platform/wave.h"
#include "playback/midifile.h"
#include "playback/midiplayer.h"
#include "playback/projectdoc.h"

#include <QGuiApplication>
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#ifdef VIMBLE_HAVE_LIBHEIF
#include <libheif/heif.h>
#endif

namespace fuzz {

namespace {

// Takes every message and keeps none: a damaged input is expected to be reported.
class CNullSink : public platform::IMessageSink {
public:
    void Show(const platform::Message&) override {}
};

std::vector<uint8_t> Bytes(Input input)
{
    return std::vector<uint8_t>(input.begin(), input.end());
}

// The process's own folder for inputs that readers take by path.
const std::string& Folder()
{
    static platform::CTempFolder folder("vimble-fuzz");
    return folder.Path();
}

// Writes the input as a file of the folder; the file goes when the object does.
class CInputFile {
public:
    CInputFile(Input input, const std::string& name) : m_strPath(Folder() + "/" + name)
    {
        platform::WriteWholeFile(m_strPath, Bytes(input));
    }
    ~CInputFile() { ::unlink(m_strPath.c_str()); }
    CInputFile(const CInputFile&) = delete;
    CInputFile& operator=(const CInputFile&) = delete;
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

// Plays a movie that was read: a still, then the first frames of continuous play, drawn
// small. Drawing reaches the pictures, the shapes and the lettering of every object.
void Play(std::unique_ptr<CAbstractMovie> movie)
{
    if (!movie)
        return;
    movie->m_rcStage = {0, 0, 800, 600};
    CProjectDoc doc(std::move(movie));
    if (!doc.CreateBuffers())
        return;
    QImage picture(80, 60, QImage::Format_RGB32);
    picture.fill(Qt::white);
    CDC target(&picture);
    const CRect rc{0, 0, 80, 60};
    doc.RenderStill(target, rc);
    doc.GetMovie()->Rewind();
    for (int frame = 0; frame < 3; ++frame)
        doc.RenderTick(target, rc);
}

// Sound without a sound card: streams open and are mixed, nothing sounds.
platform::CAudioMixer& Mixer()
{
    static platform::CAudioMixer mixer(nullptr);
    return mixer;
}

void Mix(int times)
{
    std::array<int16_t, 2 * 1024> out;
    for (int i = 0; i < times; ++i)
        Mixer().Render(out.data(), out.size() / 2);
}

std::unique_ptr<CObject> MakeItem(int type)
{
    switch (type) {
    case CHeaderObject::typeAnimation: return std::make_unique<CAnimationObject>();
    case CHeaderObject::typeClipart: return std::make_unique<CClipartObject>();
    case CHeaderObject::typeBackground: return std::make_unique<CBackgroundBMP>();
    case CHeaderObject::typeSound: return std::make_unique<CSound>();
    default: return nullptr;
    }
}

} // namespace

void ReadArchive(Input input)
{
    Play(LoadMovie(Bytes(input), "fuzz.kel"));
}

void ReadProject(Input input)
{
    CInputFile file(input, "fuzz.kel");
    platform::Message failure;
    Play(ReadProjectFile(file.Path(), &failure));
}

void ReadLibraryHeader(Input input)
{
    CArchive ar(Bytes(input), "1.hdr");
    CHeaderObject header;
    header.Serialize(ar);
    // And the way the library reads it, from its file.
    CInputFile file(input, "1.hdr");
    CHeaderObject fromFile;
    fromFile.ReadFile(Folder(), "1.hdr");
}

void ReadLibraryItem(Input input)
{
    for (int type : {CHeaderObject::typeAnimation, CHeaderObject::typeClipart,
                     CHeaderObject::typeBackground, CHeaderObject::typeSound}) {
        std::unique_ptr<CObject> item = MakeItem(type);
        CArchive ar(Bytes(input), "1.zty");
        item->Serialize(ar);
    }
}

void ReadBitmap(Input input)
{
    CHBitmap bitmap;
    bitmap.LoadFromFileBytes(Bytes(input), "fuzz.bmp");
}

// Read as the import reads a picture, then framed and turned as a placed picture may be.
void ReadPictureAsImported(Input input, const char* name)
{
    QImage image;
    std::string error;
    if (!platform::ReadPictureBytes(
            input, name, kPictureStageSize, platform::EPictureFit::inside, image, error))
        return;
    auto bitmap = BitmapFromPicture(image, name);
    if (bitmap) {
        SetPictureFrame(*bitmap, EPictureFrame::heart);
        RotatePicture(*bitmap, 1);
    }
    BackgroundPicture(image, EBackgroundFit::fill, 0xFFFFFF);
}

void ReadPicture(Input input)
{
    ReadPictureAsImported(input, "fuzz.png");
}

void ReadHeif(Input input)
{
    ReadPictureAsImported(input, "fuzz.heic");
}

namespace {

QImage SeedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(qRgba(30, 60, 200, 255));
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(220, 30, 30));
    painter.fillRect(width / 2, height / 2, width / 2, height / 2, QColor(0, 0, 0, 0));
    return image;
}

std::vector<uint8_t> Written(const QImage& image, const char* format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        return {};
    return std::vector<uint8_t>(data.begin(), data.end());
}

} // namespace

std::vector<std::vector<uint8_t>> PictureSeeds()
{
    std::vector<std::vector<uint8_t>> seeds;
    const QImage picture = SeedPicture(12, 8);
    for (const char* format : {"png", "bmp", "webp"})
        if (std::vector<uint8_t> bytes = Written(picture, format); !bytes.empty())
            seeds.push_back(std::move(bytes));
    // A JPEG stored lying on its side, with the EXIF segment that says so.
    std::vector<uint8_t> jpeg = Written(picture.convertToFormat(QImage::Format_RGB32), "jpeg");
    if (jpeg.size() > 2) {
        const uint8_t exif[] = {0xFF, 0xE1, 0, 32, 'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0,
            0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, 6, 0, 0, 0, 0, 0, 0};
        seeds.push_back(jpeg);
        jpeg.insert(jpeg.begin() + 2, std::begin(exif), std::end(exif));
        seeds.push_back(std::move(jpeg));
    }
    platform::CGifWriter gif(12, 8, {qRgb(220, 30, 30), qRgb(30, 60, 200)}, 0);
    gif.AddFrame(picture, 100);
    gif.AddFrame(picture.mirrored(), 100);
    seeds.push_back(gif.Finish());
    return seeds;
}

std::vector<std::vector<uint8_t>> HeifSeeds()
{
    // The file type box alone, as every such file starts.
    std::vector<std::vector<uint8_t>> seeds = {
        {0, 0, 0, 24, 'f', 't', 'y', 'p', 'h', 'e', 'i', 'c', 0, 0, 0, 0, 'm', 'i', 'f', '1', 'h',
            'e', 'i', 'c'}};
#ifdef VIMBLE_HAVE_LIBHEIF
    const QImage rgb = SeedPicture(16, 16).convertToFormat(QImage::Format_RGB888);
    for (heif_compression_format compression : {heif_compression_HEVC, heif_compression_AV1}) {
        heif_context* context = heif_context_alloc();
        heif_encoder* encoder = nullptr;
        if (heif_context_get_encoder_for_format(context, compression, &encoder).code
            == heif_error_Ok) {
            heif_image* image = nullptr;
            heif_image_create(16, 16, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
            heif_image_add_plane(image, heif_channel_interleaved, 16, 16, 8);
            int stride = 0;
            uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
            for (int y = 0; y < 16; ++y)
                std::copy_n(rgb.constScanLine(y), 48, plane + y * stride);
            heif_encoder_set_lossy_quality(encoder, 50);
            std::vector<uint8_t> bytes;
            if (heif_context_encode_image(context, image, encoder, nullptr, nullptr).code
                == heif_error_Ok) {
                heif_writer writer{};
                writer.writer_api_version = 1;
                writer.write = [](heif_context*, const void* data, size_t size, void* out) {
                    const auto* p = static_cast<const uint8_t*>(data);
                    static_cast<std::vector<uint8_t>*>(out)->insert(
                        static_cast<std::vector<uint8_t>*>(out)->end(), p, p + size);
                    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
                };
                heif_context_write(context, &writer, &bytes);
            }
            if (!bytes.empty())
                seeds.push_back(std::move(bytes));
            heif_image_release(image);
            heif_encoder_release(encoder);
        }
        heif_context_free(context);
    }
#endif
    return seeds;
}

void ReadMidi(Input input)
{
    CMidiFile file;
    if (file.Parse(Bytes(input)) == MIDI_OK) {
        CMidiEvent event;
        for (int i = 0; i < 100000 && file.NextEvent(event) == MIDI_OK; ++i) {
        }
        file.Rewind();
        CMidiBufferFiller filler(file, file.GetLength() / 2 + 1);
        std::vector<uint8_t> buffer(CMidiStreamPlayer::kBufferSize);
        size_t recorded = 0;
        for (int i = 0; i < 1000 && filler.Fill(buffer, recorded) == MIDI_OK; ++i) {
        }
    }
    // The player prerolls the whole file on the stream and plays a little of it.
    auto player = CMidiStreamPlayer::Create(Mixer(), [](CMidiStreamPlayer*, uint32_t) {});
    if (player && player->OpenImage("fuzz.mid", Bytes(input)) == 0 && player->Play() == 0) {
        Mix(4);
        player->Stop();
    }
}

void ReadWave(Input input)
{
    std::string error;
    std::shared_ptr<platform::CPcm> pcm = platform::DecodeWave(input, error);
    if (!pcm)
        return;
    Mixer().PlayWave(pcm, false);
    Mix(2);
    Mixer().StopWave();
}

void ReadImaWave(Input input)
{
    std::vector<uint8_t> file;
    if (input.size() >= 4 && std::equal(input.begin(), input.begin() + 4, "RIFF")) {
        file = Bytes(input);
    } else if (input.size() >= 6) {
        const int channels = 1 + input[0] % 2;
        const int blockAlign = 4 * channels * (2 + input[1] % 255);
        const uint32_t frames = uint32_t(input[2]) | uint32_t(input[3]) << 8
            | uint32_t(input[4]) << 16 | uint32_t(input[5]) << 24;
        file = platform::ImaAdpcmWaveFile({}, channels, 22050);
        file.resize(60);
        const auto put = [&](size_t at, uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i)
                file[at + size_t(i)] = uint8_t(v >> (8 * i));
        };
        put(4, uint32_t(52 + input.size() - 6), 4);
        put(32, uint32_t(blockAlign), 2);
        put(38, uint32_t(platform::ImaSamplesPerBlock(blockAlign, channels)), 2);
        put(48, frames, 4);
        put(56, uint32_t(input.size() - 6), 4);
        file.insert(file.end(), input.begin() + 6, input.end());
    } else {
        return;
    }
    std::string error;
    std::shared_ptr<platform::CPcm> pcm = platform::DecodeWave(file, error);
    if (!pcm)
        return;
    Mixer().PlayWave(pcm, false);
    Mix(2);
    Mixer().StopWave();
}

void ReadSong(Input input)
{
    CInputFile file(input, "fuzz.song");
    platform::CSongPart part;
    part.fFrom = input.empty() ? 0 : input[0] % 4;
    part.fSeconds = 2;
    part.fFade = 0.25;
    std::vector<int16_t> samples;
    std::string error;
    platform::DecodeSongPart(file.Path(), part, samples, error);
    std::vector<platform::CPeak> peaks;
    platform::SongSummary(file.Path(), 40, peaks, error);
}

void ReadAddressBook(Input input)
{
    CAddressList book;
    CArchive ar(Bytes(input), "book.dat");
    book.Serialize(ar);
    // A book that read is changed and kept as the worker keeps it.
    if (!ar.IsFailed()) {
        book.AddText("anna@example.org");
        book.RemoveAt(0);
    }
}

void ReadBundle(Input input)
{
    CInputFile file(input, "greeting.exe");
    CBundleTrailer trailer;
    ReadBundleTrailer(file.Path(), trailer);
    CPlayerFolder folder;
    if (!folder.Create())
        return;
    CGreeting greeting;
    std::string error;
    TakeGreeting(file.Path(), folder.Path(), "greeting.kel", greeting, error);
}

void ReadSmtpReplies(Input input)
{
    // The server's side of a connection says the input and hangs up.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    const int bufferSize = 1 << 20;
    ::setsockopt(ends[1], SOL_SOCKET, SO_SNDBUF, &bufferSize, sizeof bufferSize);
    const size_t size = std::min<size_t>(input.size(), 128 * 1024);
    size_t sent = 0;
    while (sent < size) {
        const ssize_t n = ::send(ends[1], input.data() + sent, size - sent, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += static_cast<size_t>(n);
    }
    ::shutdown(ends[1], SHUT_WR);
    CSmtpConnection connection;
    connection.SetTimeout(1);
    connection.AdoptSocket(ends[0]);
    int code = 0;
    std::string text, reason;
    for (int i = 0; i < 64 && connection.ReadReply(code, text, reason); ++i)
        ParseEhloReply(connection.ReplyLines());
    connection.Close();
    ::close(ends[1]);
}

void ReadVideo(Input input)
{
    CInputFile file(input, "intro.avi");
    platform::CVideoFile video;
    std::string error;
    if (!video.Open(file.Path(), error))
        return;
    QImage frame;
    for (int64_t n = 0; n < std::min<int64_t>(video.GetLength(), 3); ++n)
        if (!video.ReadFrame(n, frame, error))
            break;
}

std::span<const Target> Targets()
{
    static const Target targets[] = {
        {"archive", ReadArchive},     {"project", ReadProject},
        {"header", ReadLibraryHeader}, {"item", ReadLibraryItem},
        {"bitmap", ReadBitmap},       {"midi", ReadMidi},
        {"wave", ReadWave},           {"book", ReadAddressBook},
        {"bundle", ReadBundle},       {"smtp", ReadSmtpReplies},
        {"video", ReadVideo},
        {"picture", ReadPicture, PictureSeeds}, {"heif", ReadHeif, HeifSeeds},
        {"adpcm", ReadImaWave},       {"song", ReadSong},
    };
    return targets;
}

const Target* FindTarget(std::string_view name)
{
    for (const Target& target : Targets())
        if (target.strName == name)
            return &target;
    return nullptr;
}

void PrepareProcess(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    static CNullSink sink;
    platform::SetMessageSink(&sink);
    Folder();
}

} // namespace fuzz
