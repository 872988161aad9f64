// vimble-libgen DATADIR [--sheet SHEET.png] [--clips CLIPS.kel] [--backgrounds DIR]
//
// Writes the sample library (headers, items, err.msg, book.dat and the sample greetings) into
// DATADIR; the build runs it so. For looking at the result: --sheet draws a contact sheet of
// every preview as read back from the headers (each at full size and three times enlarged,
// with its name, type and category), and --clips writes a project that shows every animation
// item of the library side by side, for vimble-tool render; --backgrounds saves every background
// picture as stored (in 256 colours) as a PNG file named after its item.
#include "content/library.h"

#include "model/header.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/report.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool DrawSheet(const std::string& dataDir, const std::string& out)
{
    const auto& entries = content::LibraryEntries();
    const int columns = 6, cellW = 200, cellH = 132;
    const int rows = static_cast<int>((entries.size() + columns - 1) / columns);
    QImage sheet(columns * cellW, rows * cellH, QImage::Format_RGB32);
    sheet.fill(QColor(0xFF, 0xF4, 0xE4));
    QPainter p(&sheet);
    p.setFont(QFont("Liberation Sans", 9));
    int index = 0;
    for (const content::LibraryEntry& entry : entries) {
        CHeaderObject header;
        header.ReadFile(dataDir, std::to_string(entry.nItem) + ".hdr");
        const int x = (index % columns) * cellW, y = (index / columns) * cellH;
        ++index;
        p.setPen(QColor(0xD9, 0xC3, 0xA5));
        p.drawRect(x + 2, y + 2, cellW - 5, cellH - 5);
        if (!header.m_pPreview || !header.m_pPreview->HasData())
            continue;
        const QImage& preview = header.m_pPreview->GetImage();
        p.drawImage(x + 10, y + 10, preview);
        p.drawImage(QRect(x + 60, y + 10, 96, 96), preview);
        p.setPen(QColor(0x4A, 0x25, 0x45));
        p.drawText(QRect(x + 6, y + 108, cellW - 12, 20), Qt::AlignLeft | Qt::AlignVCenter,
            QString("%1 (%2, %3)")
                .arg(QString::fromLatin1(header.m_strName.c_str()))
                .arg(header.m_nType)
                .arg(QString::fromLatin1(header.m_strCategory.c_str())));
    }
    p.end();
    return sheet.save(QString::fromStdString(out));
}

bool WriteClips(const std::string& dataDir, const std::string& out)
{
    auto movie = content::ClipShowcase(dataDir);
    return movie && SaveProject(*movie, out);
}

bool SaveBackgrounds(const std::string& dataDir, const std::string& out)
{
    QDir().mkpath(QString::fromStdString(out));
    for (const content::LibraryEntry& entry : content::LibraryEntries()) {
        if (entry.nType != CHeaderObject::typeBackground)
            continue;
        CBackgroundBMP background;
        if (!LoadObject(dataDir + "/" + std::to_string(entry.nItem) + ".zty", background)
            || !background.m_pBitmap
            || !background.m_pBitmap->GetImage().save(
                QString::fromStdString(out + "/" + entry.strKey + ".png")))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc % 2 != 0) {
        std::fprintf(stderr,
            "usage: vimble-libgen DATADIR [--sheet SHEET.png] [--clips CLIPS.kel] [--backgrounds "
            "DIR]\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const std::string dataDir = argv[1];
    std::string error;
    if (!content::WriteLibrary(dataDir, error)) {
        std::fprintf(stderr, "vimble-libgen: %s\n", error.c_str());
        return 1;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        bool done = false;
        if (std::strcmp(argv[i], "--sheet") == 0)
            done = DrawSheet(dataDir, argv[i + 1]);
        else if (std::strcmp(argv[i], "--clips") == 0)
            done = WriteClips(dataDir, argv[i + 1]);
        else if (std::strcmp(argv[i], "--backgrounds") == 0)
            done = SaveBackgrounds(dataDir, argv[i + 1]);
        if (!done) {
            std::fprintf(stderr, "vimble-libgen: %s %s failed\n", argv[i], argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
