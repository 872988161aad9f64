#include "editor/skin/ownresources.h"

#include "platform/resources.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

#include <cctype>

// The resources are compiled in by rcc under the name "vimble_program"; in a static library
// they must be pulled in by name.
static void InitOwnResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(vimble_program);
        return true;
    }();
    (void)done;
}

namespace {

QImage Load(const QString& path)
{
    InitOwnResources();
    QImage image(":/" + path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// "folder/name.png" at 1x, else the picture of the set for the ratio fitted to it.
QImage LoadAt(const char* folder, const std::string& name, qreal ratio)
{
    const QString base = QString("%1/%2.png").arg(folder, QString::fromStdString(name));
    if (!(ratio > 1.0))
        return Load(base);
    InitOwnResources();
    const QSize logical = QImageReader(":/" + base).size();
    if (logical.isEmpty())
        return {};
    const std::string scaled = platform::ScaledName(name, ratio);
    QImage picture = Load(QString("%1/%2.png").arg(folder, QString::fromStdString(scaled)));
    return platform::FitToRatio(picture.isNull() ? Load(base) : picture, logical, ratio);
}

bool IsOwnName(const std::string& name)
{
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

// Whether the picture of the set for that scale is compiled in itself.
bool HasAt(const char* folder, const std::string& name, qreal scale)
{
    InitOwnResources();
    return QImageReader(QString(":/%1/%2.png")
                            .arg(folder, QString::fromStdString(platform::ScaledName(name, scale))))
        .canRead();
}

std::string IconName(int nId, int nSize)
{
    return std::to_string(nId) + "-" + std::to_string(nSize);
}

} // namespace

QImage LoadOwnBitmap(const std::string& name)
{
    return LoadOwnBitmap(name, 1);
}

QImage LoadOwnBitmap(const std::string& name, qreal ratio)
{
    return IsOwnName(name) ? LoadAt("bitmaps", name, ratio) : QImage();
}

QImage LoadOwnIcon(int nId, int nSize)
{
    return LoadOwnIcon(nId, nSize, 1);
}

QImage LoadOwnIcon(int nId, int nSize, qreal ratio)
{
    return LoadAt("icons", IconName(nId, nSize), ratio);
}

QImage LoadOwnCursor(int nId, QPoint* pHotSpot)
{
    return LoadOwnCursor(nId, 1, pHotSpot);
}

QImage LoadOwnCursor(int nId, qreal ratio, QPoint* pHotSpot)
{
    QImage image = LoadAt("cursors", std::to_string(nId), ratio);
    if (pHotSpot != nullptr) {
        const QSize logical = image.deviceIndependentSize().toSize();
        *pHotSpot = QPoint(logical.width() / 2, logical.height() / 2);
    }
    return image;
}

QCursor OwnCursor(int nId, qreal ratio)
{
    QPoint hot;
    const QImage picture = LoadOwnCursor(nId, ratio, &hot);
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(picture), hot.x(), hot.y());
}

QIcon OwnIconSet(int nId)
{
    QIcon icon;
    for (int size : {16, 32})
        for (qreal scale : platform::kBitmapScales) {
            const QImage image = LoadOwnIcon(nId, size, scale);
            if (!image.isNull())
                icon.addPixmap(QPixmap::fromImage(image));
        }
    return icon;
}

std::vector<std::string> MissingOwnResources()
{
    std::vector<std::string> missing;
    for (qreal scale : platform::kBitmapScales) {
        const std::string at = scale == 1.0 ? "" : (scale == 1.5 ? " at 1.5x" : " at 2x");
        for (int id : {209, 210, 211})
            if (!HasAt("cursors", std::to_string(id), scale))
                missing.push_back("cursor " + std::to_string(id) + at);
        for (int id : {5, 6, 9, 10, 12, 16, 600})
            for (int size : {16, 32})
                if (!HasAt("icons", IconName(id, size), scale))
                    missing.push_back("icon " + std::to_string(id) + " ("
                                      + std::to_string(size) + ")" + at);
        for (const char* name : {"139", "TIP_LEFT", "TIP_RIGHT"})
            if (!HasAt("bitmaps", name, scale))
                missing.push_back(std::string("bitmap ") + name + at);
    }
    return missing;
}
