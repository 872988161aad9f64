// What the verbs of vimble-tool share.
#include "app/tool.h"

#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/language.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "translations/translator.h"

#include <QGuiApplication>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

using platform::Fill;
using platform::Tr;

std::unique_ptr<CAbstractMovie> ReadProjectOrSay(const std::string& path)
{
    CFailureLine failure(path);
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(path);
    if (!movie)
        failure.Fail();
    return movie;
}

int CFailureLine::Fail()
{
    std::string line;
    for (const platform::Message& message : m_messages) {
        std::string text = platform::PrintableUtf8(message.strText);
        // Literal texts do not name the file; archive failures already do.
        if (text.rfind(platform::FileNameOf(m_strFile), 0) != 0 && text.rfind(m_strFile, 0) != 0)
            text = Fill(Tr("Tool", "%1: %2"), {m_strFile, text});
        line = line.empty() ? text : Fill(Tr("Tool", "%1; %2"), {line, text});
    }
    if (line.empty())
        line = Fill(Tr("Tool", "%1: failed"), {m_strFile});
    std::fprintf(stderr, "%s\n", line.c_str());
    return 1;
}

bool ParseRange(const std::string& text, int& first, int& last)
{
    char dash = 0;
    char extra = 0;
    int n = std::sscanf(text.c_str(), "%d%c%d%c", &first, &dash, &last, &extra);
    if (n == 1) {
        last = first;
        return first >= 0;
    }
    return n == 3 && dash == '-' && first >= 0 && last >= first;
}

bool ParseSize(const std::string& text, int& width, int& height, int maxWidth, int maxHeight)
{
    char extra = 0;
    return std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &extra) == 2 && width > 0
           && height > 0 && width <= maxWidth && height <= maxHeight;
}

bool EndsWith(const std::string& text, const char* suffix)
{
    size_t n = std::strlen(suffix);
    return text.size() >= n && strcasecmp(text.c_str() + text.size() - n, suffix) == 0;
}

bool SamePath(const std::string& a, const std::string& b)
{
    char ra[PATH_MAX], rb[PATH_MAX];
    return realpath(a.c_str(), ra) != nullptr && realpath(b.c_str(), rb) != nullptr
           && std::strcmp(ra, rb) == 0;
}


namespace {

void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int g_argc = 1;
char g_name[] = "vimble-tool";
char* g_argv[] = {g_name, nullptr};

// The plain application object InstallToolTranslations made, until a GUI one takes its place.
QCoreApplication*& PlainApplication()
{
    static QCoreApplication* application = nullptr;
    return application;
}

} // namespace

void PrintFileLine(const std::string& file, const std::string& text)
{
    PrintLine(Fill(Tr("Tool", "%1: %2"), {file, platform::PrintableUtf8(text)}));
}

void PrintLine(const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
}

void InstallToolTranslations()
{
    if (QCoreApplication::instance() != nullptr
        || platform::ProgramLanguage() == platform::ELanguage::English)
        return;
    qInstallMessageHandler(QuietQt);
    PlainApplication() = new QCoreApplication(g_argc, g_argv);
    // Made after the object, so gone at exit before what Qt made for it.
    static struct Remover {
        ~Remover()
        {
            delete PlainApplication();
            PlainApplication() = nullptr;
        }
    } remover;
    translations::InstallTranslators();
}

void EnsureGuiApplication()
{
    QCoreApplication* existing = QCoreApplication::instance();
    if (existing != nullptr && existing != PlainApplication())
        return;
    // Only one application object lives at a time: the plain one goes first.
    delete PlainApplication();
    PlainApplication() = nullptr;
    qInstallMessageHandler(QuietQt);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(g_argc, g_argv);
    translations::InstallTranslators();
}
