#include "playback/playpass.h"

#include "model/movie.h"
#include "platform/mixer.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"
#include "playback/soundtrack.h"

using platform::Tr;

CPlayPass::CPlayPass(CProjectDoc& doc, CSoundSystem& sound, int nWidth, int nHeight)
    : m_doc(doc)
    , m_sound(sound)
    , m_picture(nWidth, nHeight, QImage::Format_RGB32)
    , m_target(&m_picture)
    , m_rc { 0, 0, nWidth, nHeight }
{
    m_picture.fill(Qt::white);
    CAbstractMovie& movie = *m_doc.GetMovie();
    movie.SetStopped(false);
    movie.Rewind();
    movie.Resume();
}

CPlayPass::~CPlayPass()
{
    CAbstractMovie& movie = *m_doc.GetMovie();
    movie.Pause();
    movie.Rewind();
}

void CPlayPass::Next(bool bSound)
{
    m_doc.RenderTick(m_target, m_rc);
    if (bSound) {
        m_samples.resize(kFramesPerTick * 2);
        m_sound.RenderOffline(m_samples.data(), kFramesPerTick);
    }
}

void CPlayPass::CopyTo(QImage& picture) const
{
    CDC target(&picture);
    m_doc.CopyFrame(target, { 0, 0, picture.width(), picture.height() });
}

std::unique_ptr<CSoundSystem> MakeOfflineSound(bool bMusic, std::string& strWarning)
{
    std::unique_ptr<platform::ISynth> synth;
    if (bMusic) {
        const std::string soundFont = platform::FindSoundFont();
        if (!soundFont.empty())
            synth = platform::CreateSoundFontSynth(soundFont, strWarning);
        else
            strWarning = Tr("Sound", "no SoundFont is installed");
    }
    return CSoundSystem::CreateOffline(std::move(synth));
}
