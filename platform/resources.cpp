#include "platform/resources.h"

#include "platform/text.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QResource>

#include <algorithm>
#include <atomic>
#include <cctype>

namespace platform {

namespace {

std::atomic<CResourceLibrary*> g_pLibrary{nullptr};
std::atomic<int> g_nNextRoot{1};

bool IsPlainName(const std::string& name)
{
    if (name.empty() || name.size() > 200)
        return false;
    return std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '_' || c == '%' || c == '-';
    });
}

// A bitmap's picture file, by its name in a set ("NAME@2x"), in a language's folder
// ("bitmaps/de/NAME.png"; English: "bitmaps/NAME.png").
QString PictureFile(const std::string& root, const std::string& name, ELanguage language)
{
    QString folder = QString(":%1/bitmaps/").arg(QString::fromStdString(root));
    if (language != ELanguage::English)
        folder += QLatin1String(LanguageCode(language)) + QLatin1Char('/');
    return folder + QString::fromStdString(name) + ".png";
}

// The picture in the program's language when the library has the face lettered in it, else
// the English one.
QString ShownPictureFile(const std::string& root, const std::string& name)
{
    const ELanguage language = ProgramLanguage();
    if (language != ELanguage::English) {
        QString own = PictureFile(root, name, language);
        if (QFile::exists(own))
            return own;
    }
    return PictureFile(root, name, ELanguage::English);
}

} // namespace

QImage FitToRatio(QImage picture, const QSize& logical, qreal ratio)
{
    if (picture.isNull() || logical.isEmpty())
        return {};
    const QSize device(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
    if (picture.size() != device)
        picture = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

std::unique_ptr<CResourceLibrary> CResourceLibrary::Load(const std::string& path)
{
    // Each loaded file gets its own root, so two libraries never see each other's content.
    std::string root = "/ksredfr120-" + std::to_string(g_nNextRoot++);
    QString file = QString::fromLocal8Bit(path.c_str());
    if (path.empty() || !QFile::exists(file)
        || !QResource::registerResource(file, QString::fromStdString(root)))
        return nullptr;
    return std::unique_ptr<CResourceLibrary>(new CResourceLibrary(path, root));
}

CResourceLibrary::CResourceLibrary(std::string path, std::string root)
    : m_strPath(std::move(path)), m_strRoot(std::move(root))
{
}

CResourceLibrary::~CResourceLibrary()
{
    // A library destroyed while installed takes itself out first, so no lookup reaches it.
    CResourceLibrary* self = this;
    if (g_pLibrary.compare_exchange_strong(self, nullptr))
        SetStringTable(nullptr);
    QResource::unregisterResource(QString::fromLocal8Bit(m_strPath.c_str()),
                                  QString::fromStdString(m_strRoot));
}

std::string CResourceLibrary::Get(int nId) const
{
    return Get(nId, ProgramLanguage());
}

std::string CResourceLibrary::Get(int nId, ELanguage language) const
{
    // The language's own text ("strings/de/NUMBER"), else the English one.
    const QString root = QString(":%1/strings/").arg(QString::fromStdString(m_strRoot));
    QFile file(root + QString("%1/%2").arg(QLatin1String(LanguageCode(language))).arg(nId));
    if (language == ELanguage::English || !file.exists())
        file.setFileName(root + QString::number(nId));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

bool CResourceLibrary::HasString(int nId) const
{
    return QFile::exists(QString(":%1/strings/%2").arg(QString::fromStdString(m_strRoot)).arg(nId));
}

QImage CResourceLibrary::Bitmap(const std::string& name) const
{
    if (!IsPlainName(name))
        return {};
    QImage image(ShownPictureFile(m_strRoot, name));
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool CResourceLibrary::HasBitmap(const std::string& name) const
{
    return IsPlainName(name)
           && QFile::exists(QString(":%1/bitmaps/%2.png")
                                .arg(QString::fromStdString(m_strRoot), QString::fromStdString(name)));
}

QImage CResourceLibrary::Bitmap(const std::string& name, qreal ratio) const
{
    if (!(ratio > 1.0))
        return Bitmap(name);
    if (!IsPlainName(name))
        return {};
    const QString folder = QString(":%1/bitmaps/").arg(QString::fromStdString(m_strRoot));
    // The 1x picture's header gives the logical size without decoding it.
    const QSize logical = QImageReader(folder + QString::fromStdString(name) + ".png").size();
    if (logical.isEmpty())
        return {};
    QImage picture(ShownPictureFile(m_strRoot, ScaledName(name, ratio)));
    if (picture.isNull())
        picture = Bitmap(name);
    return FitToRatio(std::move(picture), logical, ratio);
}

bool CResourceLibrary::HasBitmap(const std::string& name, qreal scale) const
{
    return IsPlainName(name)
           && QFile::exists(QString(":%1/bitmaps/%2.png")
                                .arg(QString::fromStdString(m_strRoot),
                                     QString::fromStdString(ScaledName(name, scale))));
}

bool CResourceLibrary::HasBitmap(const std::string& name, qreal scale, ELanguage language) const
{
    return IsPlainName(name)
           && QFile::exists(PictureFile(m_strRoot, ScaledName(name, scale), language));
}

std::vector<std::string> CResourceLibrary::BitmapNames() const
{
    std::vector<std::string> names;
    QDir dir(QString(":%1/bitmaps").arg(QString::fromStdString(m_strRoot)));
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (entry.endsWith(".png") && !entry.contains('@'))
            names.push_back(entry.chopped(4).toStdString());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<int> CResourceLibrary::StringIds() const
{
    std::vector<int> ids;
    QDir dir(QString(":%1/strings").arg(QString::fromStdString(m_strRoot)));
    for (const QString& entry : dir.entryList(QDir::Files)) {
        bool ok = false;
        int id = entry.toInt(&ok);
        if (ok)
            ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

CResourceLibrary* SetResourceLibrary(CResourceLibrary* library)
{
    SetStringTable(library);
    return g_pLibrary.exchange(library);
}

CResourceLibrary* GetResourceLibrary()
{
    return g_pLibrary.load();
}

QImage LoadResBitmap(const std::string& name)
{
    CResourceLibrary* library = g_pLibrary.load();
    return library != nullptr ? library->Bitmap(name) : QImage();
}

QImage LoadResBitmap(const std::string& name, qreal ratio)
{
    CResourceLibrary* library = g_pLibrary.load();
    return library != nullptr ? library->Bitmap(name, ratio) : QImage();
}

std::string FormatResText(const std::string& format, const std::vector<std::string>& args)
{
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            char kind = format[i + 1];
            if (kind == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (kind == 's' && next < args.size()) {
                out += args[next++];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace platform
