// The stage view at the screen's pixels: a greeting looks the same while it plays as in its
// still, and at a device pixel ratio r the view is drawn at 616 r x 462 r pixels. The test runs
// once at the screen's own ratio and once more at 200 % (QT_SCALE_FACTOR=2, its own entry in
// this folder's CMakeLists.txt).
#include "editor/main/editordlg.h"
#include "model/movie.h"
#include "model/shapes.h"
#include "playback/projectdoc.h"
#include "window_helpers.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <string>

namespace {

// Peak signal-to-noise ratio of b against a over the red, green and blue channels, in dB;
// infinite when they are the same.
double Psnr(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int i = 0; i < x.width(); ++i) {
            const int dr = qRed(p[i]) - qRed(q[i]), dg = qGreen(p[i]) - qGreen(q[i]),
                      db = qBlue(p[i]) - qBlue(q[i]);
            sum += dr * dr + dg * dg + db * db;
        }
    }
    if (sum == 0)
        return std::numeric_limits<double>::infinity();
    const double mse = sum / (3.0 * x.width() * x.height());
    return 10 * std::log10(255.0 * 255.0 / mse);
}

class StageView : public CWithResources {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(CWithResources::SetUp());
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_NO_FATAL_FAILURE(ShowEditor(m_pEditor, m_dir.path().toStdString()));
    }
    void TearDown() override
    {
        m_pEditor.reset();
        CWithResources::TearDown();
    }

    // A greeting of one-pixel outlines, rectangles and ellipses on a pale stage, at stage rows
    // and columns that a shrink to 0.77 dropping whole lines would lose. None of them moves, so
    // its first playing frame is its still.
    void MakeThinGreeting()
    {
        ASSERT_TRUE(m_pEditor->NewProject());
        CAbstractMovie& movie = *m_pEditor->GetDoc()->GetMovie();
        CStage& stage = *movie.GetFirstStage();
        stage.m_pBackground->m_crColor = 0xE4F4FF;
        stage.m_bBackgroundCached = 0;
        for (int i = 0; i < 40; ++i) {
            CLayer* layer = stage.AddObject(CGenericDrawing::kindDrawn, 13 + (i * 97) % 720,
                9 + (i * 61) % 530, 17 + i * 3 % 50, 13 + i * 7 % 40);
            auto drawn = std::make_unique<CDrawnObject>();
            auto shape = std::make_unique<CDrawRect>();
            shape->m_nShape = i % 3 == 0 ? CDrawRect::ellipse : CDrawRect::rectangle;
            shape->m_logpen.lopnColor = i % 2 == 0 ? 0x45254A : 0x616FFF;
            shape->m_bBrush = i % 4 == 0;
            drawn->m_pShape = std::move(shape);
            layer->m_pDrawing->SetObject(std::move(drawn));
            auto* still = new CEffect;
            still->m_nStartFrame = 0;
            still->m_nDuration = 20;
            still->m_bOffScreenAfter = 0;
            layer->m_pEffects->AddTail(still);
            layer->AttachParts();
        }
        RecomputeMovieLength(movie);
        m_pEditor->OnProjectEdited();
    }

    // The stage view as the window shows it, in device pixels.
    QImage ShownStage() const
    {
        const QImage& face = m_pEditor->Composition();
        const qreal r = face.devicePixelRatio();
        return face.copy(qRound(128 * r), qRound(110 * r), qRound(616 * r), qRound(462 * r));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CEditorDialog> m_pEditor;
};

TEST_F(StageView, a_playing_frame_is_scaled_into_the_view_as_its_still_is)
{
    ASSERT_NO_FATAL_FAILURE(MakeThinGreeting());
    m_pEditor->repaint();
    const qreal r = m_pEditor->devicePixelRatioF();
    // The window's face and the stage in it are drawn at the screen's own pixels.
    EXPECT_EQ(m_pEditor->Composition().devicePixelRatio(), r);
    EXPECT_EQ(m_pEditor->Composition().size(), QSize(qRound(800 * r), qRound(600 * r)));
    const QImage still = ShownStage();
    ASSERT_EQ(still.size(), QSize(qRound(616 * r), qRound(462 * r)));
    if (qgetenv("QT_SCALE_FACTOR") == "2") {
        EXPECT_EQ(still.size(), QSize(1232, 924));
    }

    m_pEditor->OnCommand(ID_FILE_PLAY);
    ASSERT_EQ(m_pEditor->GetPlayer()->GetPlayState(), CPlaybackController::statePlaying);
    m_pEditor->StopClock();
    m_pEditor->Repaint(); // one tick of the clock: frame 0
    ASSERT_EQ(m_pEditor->GetPaintStats().nFrames, 1);
    const QImage played = ShownStage();
    const double psnr = Psnr(still, played);
    RecordProperty("psnr_db", std::to_string(psnr));
    EXPECT_GE(psnr, 40.0);
}

} // namespace
