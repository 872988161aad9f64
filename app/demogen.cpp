// vimble-demo: makes the intro video "Demo.avi" for the build: a short tour of what the program
// does. A title, then every sample greeting of the data directory playing as the editor plays
// it, each announced by its name; 800 x 600, 120 ms a frame, no sound.
//
//   vimble-demo DATADIR OUT.avi
#include "app/tool.h"
#include "model/movie.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/video.h"
#include "playback/projectdoc.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kTitleFrames = 17;   // about two seconds
constexpr int kCaptionFrames = 9;  // about a second
constexpr int kMaxSampleFrames = 125; // fifteen seconds of each greeting at most
constexpr char kSamples[] = "samples";

// A card in the program's colours: a deep blue fading to violet, the words in white.
QImage Card(const QString& title, const QString& line)
{
    QImage card(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&card);
    QLinearGradient gradient(0, 0, 0, kHeight);
    gradient.setColorAt(0, QColor(0x1c, 0x2a, 0x6b));
    gradient.setColorAt(1, QColor(0x5b, 0x2a, 0x86));
    painter.fillRect(card.rect(), gradient);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::white);
    QFont big("Arial");
    big.setPixelSize(64);
    big.setBold(true);
    painter.setFont(big);
    painter.drawText(QRect(0, 190, kWidth, 110), Qt::AlignCenter, title);
    QFont small("Arial");
    small.setPixelSize(28);
    painter.setFont(small);
    painter.drawText(QRect(0, 320, kWidth, 60), Qt::AlignCenter, line);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 2));
    painter.drawLine(200, 305, 600, 305);
    return card;
}

bool AddFrames(platform::CVideoWriter& writer, const QImage& picture, int n)
{
    std::string error;
    for (int i = 0; i < n; ++i)
        if (!writer.AddFrame(picture, error)) {
            std::fprintf(stderr, "vimble-demo: %s\n", error.c_str());
            return false;
        }
    return true;
}

// The greeting from a rewind, as continuous play shows it.
bool AddGreeting(platform::CVideoWriter& writer, const std::string& path, int& nFrames)
{
    auto doc = OpenForPlayback(path);
    if (!doc)
        return false;
    CAbstractMovie& movie = *doc->GetMovie();
    const int frames = std::min(kMaxSampleFrames, std::max(1, movie.GetFrameCount()));
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    CDC target(&picture);
    movie.Rewind();
    for (int i = 0; i < frames; ++i) {
        doc->RenderTick(target, CRect{0, 0, kWidth, kHeight});
        if (!AddFrames(writer, picture, 1))
            return false;
    }
    movie.Pause();
    nFrames += frames;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: vimble-demo DATADIR OUT.avi\n");
        return 2;
    }
    EnsureGuiApplication();
    const std::string out = argv[2];
    QDir samples(QString::fromStdString(platform::JoinPath(argv[1], kSamples)));
    const QStringList names = samples.entryList({"*.kel"}, QDir::Files, QDir::Name);

    platform::CVideoSettings settings;
    settings.format = platform::VideoFormat::avi;
    settings.nWidth = kWidth;
    settings.nHeight = kHeight;
    settings.nFrameMs = 120;
    platform::CVideoWriter writer;
    std::string error;
    const std::string part = out + ".part";
    if (!writer.Open(part, settings, error)) {
        std::fprintf(stderr, "vimble-demo: %s\n", error.c_str());
        return 1;
    }
    int nFrames = kTitleFrames;
    bool bOk = AddFrames(writer, Card("Vimble e-mail", "Greetings that move"), kTitleFrames);
    for (const QString& name : names) {
        if (!bOk)
            break;
        const QString title = QFileInfo(name).completeBaseName();
        bOk = AddFrames(writer, Card(title, "a greeting made with Vimble e-mail"), kCaptionFrames)
              && AddGreeting(writer, samples.filePath(name).toStdString(), nFrames);
        nFrames += kCaptionFrames;
    }
    if (bOk)
        bOk = AddFrames(writer, Card("Your turn", "Make one, play it, mail it"), kTitleFrames);
    nFrames += kTitleFrames;
    if (bOk && !writer.Finish(error)) {
        std::fprintf(stderr, "vimble-demo: %s\n", error.c_str());
        bOk = false;
    }
    if (!bOk || !platform::RenameFile(part, out)) {
        platform::DeleteFile(part);
        std::fprintf(stderr, "vimble-demo: %s cannot be written\n", out.c_str());
        return 1;
    }
    std::printf("%s: %d frames\n", out.c_str(), nFrames);
    return 0;
}
