#include "editor/skin/ownresources.h"

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

} // namespace

QImage LoadOwnBitmap(const std::string& name)
{
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return {};
    return Load(QString("bitmaps/%1.png").arg(QString::fromStdString(name)));
}

QImage LoadOwnIcon(int nId, int nSize)
{
    return Load(QString("icons/%1-%2.png").arg(nId).arg(nSize));
}

QImage LoadOwnCursor(int nId, QPoint* pHotSpot)
{
    QImage image = Load(QString("cursors/%1.png").arg(nId));
    if (pHotSpot != nullptr)
        *pHotSpot = QPoint(image.width() / 2, image.height() / 2);
    return image;
}

std::vector<std::string> MissingOwnResources()
{
    std::vector<std::string> missing;
    for (int id : {209, 210, 211})
        if (LoadOwnCursor(id).isNull())
            missing.push_back("cursor " + std::to_string(id));
    for (int id : {5, 6, 9, 10, 12, 16, 600})
        for (int size : {16, 32})
            if (LoadOwnIcon(id, size).isNull())
                missing.push_back("icon " + std::to_string(id) + " (" + std::to_string(size) + ")");
    for (const char* name : {"139", "TIP_LEFT", "TIP_RIGHT"})
        if (LoadOwnBitmap(name).isNull())
            missing.push_back(std::string("bitmap ") + name);
    return missing;
}
