// Writes the fuzz targets' seed corpus with the program's own writers: small projects and
// their archives, library headers and items, bitmaps of every depth, tunes, waves, an address
// book, bundles, a mail server's replies and a short video. Run as
//   vimble-fuzzseeds DIR
// it fills DIR/<target>/ (the checked-in corpus is tests/fuzz/seeds/).
#include "content/library.h"
#include "content/sounds.h"
#include "mail/addressbook.h"
#include "mail/bundle.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/adpcm.h"
#include "platform/files.h"
#include "platform/video.h"
#include "tests/model/fixtures.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

std::string g_strOut;

void Put(const std::string& target, const std::string& name, const Bytes& bytes)
{
    const std::string folder = g_strOut + "/" + target;
    std::filesystem::create_directories(folder);
    if (!platform::WriteWholeFile(folder + "/" + name, bytes)) {
        std::fprintf(stderr, "%s/%s: cannot be written\n", folder.c_str(), name.c_str());
        std::exit(1);
    }
}

Bytes Read(const std::string& path)
{
    Bytes bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
        std::exit(1);
    }
    return bytes;
}

Bytes Text(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

void Projects(const std::string& work)
{
    auto empty = CAbstractMovie::NewProject();
    Put("archive", "new", StoreMovie(*empty, "new.kel"));
    SaveProject(*empty, work + "/new.kel");
    Put("project", "new.kel", Read(work + "/new.kel"));

    // Two small pictures moving and a sound, in few bytes.
    auto small = CAbstractMovie::NewProject();
    CStage* stage = small->GetFirstStage();
    for (int i = 0; i < 2; ++i) {
        const std::string bmp = work + "/p" + std::to_string(i) + ".bmp";
        platform::WriteWholeFile(bmp, fixtures::BitmapFile(6 + i, 4, i == 0 ? 8 : 24));
        CLayer* layer = stage->AddObject(CGenericDrawing::kindImage, 10 * i, 20, 60, 40);
        auto image = std::make_unique<CImageObject>();
        image->m_pBitmap = std::make_unique<CHBitmap>();
        image->m_pBitmap->LoadFromFile(bmp);
        layer->m_pDrawing->SetObject(std::move(image));
        auto effect = new CEffect;
        effect->m_nType = i;
        effect->m_nDuration = 12;
        effect->m_nStartFrame = 0;
        layer->m_pEffects->AddTail(effect);
    }
    std::vector<int16_t> samples = content::WaveSamples("pop");
    samples.resize(std::min<size_t>(samples.size(), 200));
    platform::WriteWholeFile(work + "/s.wav", content::WaveFile(samples));
    auto sounds = std::make_unique<CSoundList>();
    auto* sound = new CSound;
    sound->SetSource(CSound::kindWave, work + "/s.wav");
    sounds->AddTail(sound);
    stage->GetLayers()->GetAt(0)->SetSounds(std::move(sounds));
    Put("archive", "small", StoreMovie(*small, "small.kel"));
    SaveProject(*small, work + "/small.kel");
    Put("project", "small.kel", Read(work + "/small.kel"));

    Put("archive", "every-kind", fixtures::FullProjectArchive());
}

// The smallest header and item of every library type the generator writes, and the header of
// the first entry of every type.
void Library(const std::string& work)
{
    const std::string dir = work + "/library";
    std::filesystem::create_directories(dir);
    std::string error;
    if (!content::WriteLibrary(dir, error)) {
        std::fprintf(stderr, "the library cannot be written: %s\n", error.c_str());
        std::exit(1);
    }
    std::map<int, std::pair<uintmax_t, int>> smallest; // type: size, item
    for (const content::LibraryEntry& entry : content::LibraryEntries()) {
        const uintmax_t size =
            std::filesystem::file_size(dir + "/" + std::to_string(entry.nItem) + ".zty");
        // Backgrounds fill the stage: too large for a seed; their header stands for them.
        if (size > 64 * 1024)
            continue;
        auto found = smallest.find(entry.nType);
        if (found == smallest.end() || size < found->second.first)
            smallest[entry.nType] = {size, entry.nItem};
    }
    for (const auto& [type, choice] : smallest) {
        const std::string item = std::to_string(choice.second);
        Put("item", "type" + std::to_string(type) + ".zty", Read(dir + "/" + item + ".zty"));
    }
    std::map<int, int> firstOfType;
    for (const content::LibraryEntry& entry : content::LibraryEntries())
        firstOfType.emplace(entry.nType, entry.nItem);
    for (const auto& [type, item] : firstOfType)
        Put("header", "type" + std::to_string(type) + ".hdr",
            Read(dir + "/" + std::to_string(item) + ".hdr"));
    Put("header", "no-preview.hdr", fixtures::HeaderArchive("Heart", "Love", 3, 2, false));
}

void Pictures()
{
    for (int bits : {1, 4, 8, 16, 24, 32})
        Put("bitmap", std::to_string(bits) + "bit.bmp", fixtures::BitmapFile(7, 5, bits));
    Put("bitmap", "8bit-12colours.bmp", fixtures::BitmapFile(3, 3, 8, 12));
}

void Sounds()
{
    for (const char* name : {"twinkle", "birthday"}) {
        content::Tune tune = content::TuneByName(name);
        tune.melody.resize(std::min<size_t>(tune.melody.size(), 12));
        tune.bass.resize(std::min<size_t>(tune.bass.size(), 6));
        Put("midi", std::string(name) + ".mid", content::MidiFile(tune));
    }
    std::vector<int16_t> samples = content::WaveSamples("pop");
    samples.resize(std::min<size_t>(samples.size(), 800));
    Put("wave", "pop.wav", content::WaveFile(samples));
    // The compressed waves songs are kept as, whole and as bare blocks (mono, 64-byte blocks,
    // 200 frames counted).
    const Bytes ima = platform::ImaAdpcmWaveFile(samples, 1, 22050);
    Put("adpcm", "pop.wav", ima);
    Bytes blocks { 0, 14, 200, 0, 0, 0 };
    blocks.insert(blocks.end(), ima.begin() + 60, ima.begin() + std::min<size_t>(ima.size(), 252));
    Put("adpcm", "blocks", blocks);
    Put("song", "pop.wav", content::WaveFile(samples));
    Put("song", "pop-ima.wav", platform::ImaAdpcmWaveFile(samples, 2, 11025));
}

void Mail(const std::string& work)
{
    CAddressList book;
    book.AddText("anna@example.org");
    book.AddText("Ben <ben@example.org>, carla@example.org");
    book.AddText("zoe@example.org");
    book.Save(work + "/book.dat");
    Put("book", "book.dat", Read(work + "/book.dat"));
    CAddressList none;
    none.Save(work + "/none.dat");
    Put("book", "empty.dat", Read(work + "/none.dat"));

    // A player stand-in, a project and data pieces, bundled both ways.
    platform::WriteWholeFile(work + "/play.exe", Text("#!/bin/sh\nexit 0\n"));
    platform::WriteWholeFile(work + "/play.dat", Text("player data stand-in"));
    BuildBundle(bundleTwoPieces, work + "/play.exe", work + "/new.kel", "",
                work + "/Greeting.exe");
    Put("bundle", "two-pieces.exe", Read(work + "/Greeting.exe"));
    BuildBundle(bundleThreePieces, work + "/play.exe", work + "/play.dat", work + "/new.kel",
                work + "/Greeting.exe");
    Put("bundle", "three-pieces.exe", Read(work + "/Greeting.exe"));
    Put("bundle", "project.kel", Read(work + "/new.kel"));

    Put("smtp", "session",
        Text("220 mail.example.org ESMTP ready\r\n"
             "250-mail.example.org greets you\r\n250-SIZE 10485760\r\n250-STARTTLS\r\n"
             "250-AUTH PLAIN LOGIN\r\n250 8BITMIME\r\n"
             "235 2.7.0 Authentication successful\r\n250 2.1.0 Ok\r\n250 2.1.5 Ok\r\n"
             "354 End data with <CR><LF>.<CR><LF>\r\n250 2.0.0 Ok: queued\r\n221 2.0.0 Bye\r\n"));
    Put("smtp", "refusals",
        Text("220 ready\r\n500 5.5.1 unknown\r\n535 5.7.8 bad credentials\r\n"
             "552-5.3.4 message\r\n552 5.3.4 too big\r\n421 closing\r\n"));
}

void Video(const std::string& work)
{
    platform::CVideoSettings settings;
    settings.nWidth = 16;
    settings.nHeight = 12;
    settings.nFrameMs = 100;
    platform::CVideoWriter writer;
    std::string error;
    const std::string path = work + "/intro.avi";
    if (!writer.Open(path, settings, error)) {
        std::fprintf(stderr, "the video cannot be written: %s\n", error.c_str());
        std::exit(1);
    }
    for (int n = 0; n < 3; ++n) {
        QImage frame(16, 12, QImage::Format_RGB32);
        frame.fill(QColor(40 * n, 120, 200));
        if (!writer.AddFrame(frame, error)) {
            std::fprintf(stderr, "the video cannot be written: %s\n", error.c_str());
            std::exit(1);
        }
    }
    if (!writer.Finish(error)) {
        std::fprintf(stderr, "the video cannot be written: %s\n", error.c_str());
        std::exit(1);
    }
    Put("video", "intro.avi", Read(path));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vimble-fuzzseeds DIR\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    g_strOut = argv[1];
    platform::CTempFolder work("vimble-seeds");
    Projects(work.Path());
    Library(work.Path());
    Pictures();
    Sounds();
    Mail(work.Path());
    Video(work.Path());
    return 0;
}
