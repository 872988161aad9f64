// The desktop's clipboard and the files dropped on the editor: paste takes the newer of the two
// clipboards (the desktop's picture, picture file or text, or the editor's own objects), copy
// gives the desktop a picture of the objects, and files dropped from a file manager become
// objects where they fall or open as the greeting.
#include "editor/editing/editing.h"
#include "editor/main/editordlg.h"
#include "model/movie.h"
#include "model/shapes.h"
#include "model/sound.h"
#include "platform/message.h"
#include "platform/wave.h"
#include "window_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QUrl>

#include <memory>
#include <ostream>
#include <string>

namespace {

constexpr QPoint kView(240, 194); // the stage view's top-left corner on the screen

// A screen point for a stage point (exact for multiples of 200).
QPoint Screen(int x, int y)
{
    return kView + QPoint(x * 616 / 800, y * 462 / 600);
}

// A picture whose left half is opaque red and right half see-through.
QImage HalfRed(QSize size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            picture.setPixel(x, y, qRgba(255, 0, 0, 255));
    return picture;
}

class Clipboard : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        OpenEditor();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(m_pEditor->NewProject());
    }
    void TearDown() override { CloseEditor(); }

    int LayerCount() { return Stage()->GetLayers() ? Stage()->GetLayers()->GetCount() : 0; }
    CLayer* Top() { return Stage()->GetLayers()->GetAt(0); }
    CRect RectOf(CLayer* layer) { return StageRectOf(*layer); }
    void Put(QMimeData* data) { QGuiApplication::clipboard()->setMimeData(data); }
    void PutText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    void Paste() { m_pEditor->OnCommand(ID_EDIT_PASTE); }
    std::string WritePng(const std::string& name, QSize size)
    {
        const std::string path = m_strDir + "/" + name;
        EXPECT_TRUE(HalfRed(size).save(QString::fromStdString(path), "PNG"));
        return path;
    }
    // A drop of the files at the window's point, as a file manager makes it.
    void Drop(const std::vector<std::string>& paths, QPoint pt)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths)
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
        data.setUrls(urls);
        QDragEnterEvent enter(pt, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_pEditor.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(pt), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_pEditor.get(), &drop);
    }
    const CDrawTextRect* TextOf(CLayer* layer)
    {
        auto* drawn = dynamic_cast<CDrawnObject*>(layer->m_pDrawing->GetObject());
        return drawn ? dynamic_cast<const CDrawTextRect*>(drawn->m_pShape.get()) : nullptr;
    }
};

// ---------------------------------------------------------------------------------------------
// Pictures from the desktop land in the middle of the stage, fitted inside it

struct PictureCase {
    const char* szName;
    QSize szPicture;
    CRect rcExpected; // on the stage
};

void PrintTo(const PictureCase& entry, std::ostream* os)
{
    *os << entry.szName;
}

constexpr PictureCase kPictureCases[] = {
    { "small_keeps_its_size_in_the_middle", { 200, 100 }, { 300, 250, 500, 350 } },
    { "wide_is_fitted_to_the_stage_width", { 1600, 600 }, { 0, 150, 800, 450 } },
    { "tall_is_fitted_to_the_stage_height", { 300, 1200 }, { 325, 0, 475, 600 } },
};

class PastedPicture : public Clipboard, public testing::WithParamInterface<PictureCase> { };

TEST_P(PastedPicture, from_image_data_is_an_object_of_its_fitted_size)
{
    const PictureCase& c = GetParam();
    auto* data = new QMimeData;
    data->setImageData(HalfRed(c.szPicture));
    Put(data);
    ASSERT_TRUE(m_pEditor->IsCommandEnabled(ID_EDIT_PASTE));
    Paste();
    ASSERT_EQ(LayerCount(), 1);
    const CRect rc = RectOf(Top());
    EXPECT_EQ(rc.Width(), c.rcExpected.Width());
    EXPECT_EQ(rc.Height(), c.rcExpected.Height());
    EXPECT_NEAR(rc.left, c.rcExpected.left, 1);
    EXPECT_NEAR(rc.top, c.rcExpected.top, 1);
    EXPECT_EQ(Top()->m_pDrawing->GetObject()->Kind(), CGenericDrawing::kindImage);
    EXPECT_TRUE(Editor().IsSelected(Top()));
    // One step: undo takes it away.
    m_pEditor->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(LayerCount(), 0);
}

TEST_P(PastedPicture, from_a_copied_png_file_is_an_object_of_its_fitted_size)
{
    const PictureCase& c = GetParam();
    const std::string path = WritePng("copied.png", c.szPicture);
    auto* data = new QMimeData;
    data->setUrls({ QUrl::fromLocalFile(QString::fromStdString(path)) });
    data->setText(QString::fromStdString(path)); // what a file manager adds
    Put(data);
    Paste();
    ASSERT_EQ(LayerCount(), 1);
    const CRect rc = RectOf(Top());
    EXPECT_EQ(rc.Width(), c.rcExpected.Width());
    EXPECT_EQ(rc.Height(), c.rcExpected.Height());
    EXPECT_NEAR(rc.left, c.rcExpected.left, 1);
    EXPECT_NEAR(rc.top, c.rcExpected.top, 1);
    EXPECT_EQ(Top()->m_pDrawing->m_strName, "copied.png");
}

INSTANTIATE_TEST_SUITE_P(Sizes, PastedPicture, testing::ValuesIn(kPictureCases),
    [](const testing::TestParamInfo<PictureCase>& info) { return info.param.szName; });

// ---------------------------------------------------------------------------------------------
// Text from the desktop

TEST_F(Clipboard, pasted_text_becomes_a_plain_text_object_with_that_text)
{
    PutText(QStringLiteral("Happy birthday,\nGrandma!\n"));
    Paste();
    ASSERT_EQ(LayerCount(), 1);
    const CDrawTextRect* text = TextOf(Top());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_strText, "Happy birthday,\nGrandma!");
    EXPECT_EQ(Top()->m_pDrawing->m_strName, ObjectNameOfTool(TOOL_TEXT));
    // In the middle of the stage.
    const CRect rc = RectOf(Top());
    EXPECT_NEAR((rc.left + rc.right) / 2, 400, 1);
    EXPECT_NEAR((rc.top + rc.bottom) / 2, 300, 1);
}

TEST_F(Clipboard, paste_is_enabled_only_with_something_to_paste)
{
    EXPECT_FALSE(m_pEditor->IsCommandEnabled(ID_EDIT_PASTE));
    PutText(QStringLiteral("   "));
    EXPECT_FALSE(m_pEditor->IsCommandEnabled(ID_EDIT_PASTE));
    PutText(QStringLiteral("Hello"));
    EXPECT_TRUE(m_pEditor->IsCommandEnabled(ID_EDIT_PASTE));
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(m_pEditor->IsCommandEnabled(ID_EDIT_PASTE));
    // The editor's own copy is enough.
    ASSERT_TRUE(Editor().PlacePicture(HalfRed({ 40, 40 }), "square", { 100, 100 }));
    m_pEditor->OnCommand(ID_EDIT_COPY);
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(m_pEditor->IsCommandEnabled(ID_EDIT_PASTE));
}

// ---------------------------------------------------------------------------------------------
// The newer clipboard wins

TEST_F(Clipboard, the_desktops_text_copied_after_the_editors_copy_is_pasted)
{
    ASSERT_TRUE(Editor().PlacePicture(HalfRed({ 40, 40 }), "square", { 100, 100 }));
    m_pEditor->OnCommand(ID_EDIT_COPY);
    PutText(QStringLiteral("Newer"));
    Paste();
    ASSERT_EQ(LayerCount(), 2);
    const CDrawTextRect* text = TextOf(Top());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_strText, "Newer");
}

TEST_F(Clipboard, the_editors_copy_made_after_the_desktops_text_is_pasted)
{
    PutText(QStringLiteral("Older"));
    ASSERT_TRUE(Editor().PlacePicture(HalfRed({ 40, 40 }), "square", { 100, 100 }));
    m_pEditor->OnCommand(ID_EDIT_COPY);
    Paste();
    ASSERT_EQ(LayerCount(), 2);
    EXPECT_EQ(TextOf(Top()), nullptr);
    EXPECT_EQ(Top()->m_pDrawing->m_strName, "square");
    // Where the copied object was, not in the middle: the editor's own paste.
    EXPECT_EQ(RectOf(Top()), RectOf(Stage()->GetLayers()->GetAt(1)));
}

// ---------------------------------------------------------------------------------------------
// Copy gives the desktop a picture

TEST_F(Clipboard, copy_puts_the_object_drawn_alone_with_its_see_through_part_on_the_desktop)
{
    ASSERT_TRUE(Editor().PlacePicture(HalfRed({ 60, 30 }), "half", { 200, 200 }));
    m_pEditor->OnCommand(ID_EDIT_COPY);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QStringLiteral("image/png")));
    QImage picture;
    ASSERT_TRUE(picture.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
    ASSERT_EQ(picture.size(), QSize(60, 30));
    EXPECT_EQ(picture.pixel(5, 15), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(picture.pixel(55, 15)), 0);
    // The editor's own clipboard is filled too, and stays the one pasted.
    EXPECT_TRUE(Editor().IsClipboardFilled());
    Paste();
    ASSERT_EQ(LayerCount(), 2);
    EXPECT_EQ(RectOf(Top()), RectOf(Stage()->GetLayers()->GetAt(1)));
}

// ---------------------------------------------------------------------------------------------
// Drops from a file manager

TEST_F(Clipboard, a_dropped_png_becomes_an_object_centred_where_it_fell)
{
    const std::string path = WritePng("dropped.png", { 100, 60 });
    ASSERT_NO_FATAL_FAILURE(Drop({ path }, Screen(200, 400)));
    ASSERT_EQ(LayerCount(), 1);
    EXPECT_EQ(RectOf(Top()), (CRect { 150, 370, 250, 430 }));
    EXPECT_EQ(Top()->m_pDrawing->m_strName, "dropped.png");
}

TEST_F(Clipboard, a_dropped_file_of_another_kind_is_named_in_a_message)
{
    const std::string path = m_strDir + "/notes.txt";
    ASSERT_TRUE(platform::WriteWholeFile(path, std::vector<uint8_t> { 'h', 'i' }));
    platform::CMessageRecorder messages;
    ASSERT_NO_FATAL_FAILURE(Drop({ path }, Screen(200, 200)));
    EXPECT_EQ(LayerCount(), 0);
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_NE(messages.m_messages[0].strText.find("notes.txt"), std::string::npos)
        << messages.m_messages[0].strText;
}

TEST_F(Clipboard, a_dropped_song_becomes_the_sound_of_the_object_it_falls_on_as_one_step)
{
    ASSERT_TRUE(Editor().PlacePicture(HalfRed({ 200, 200 }), "square", { 200, 200 }));
    const std::vector<int16_t> tone(22050, 1000);
    const std::string song = m_strDir + "/tone.wav";
    ASSERT_TRUE(platform::WriteWholeFile(song, platform::PcmWaveFile(tone, 1, 22050)));
    platform::CMessageRecorder messages;
    // Beside the object: nothing to play it, said.
    ASSERT_NO_FATAL_FAILURE(Drop({ song }, Screen(600, 400)));
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_NE(messages.m_messages[0].strText.find("tone.wav"), std::string::npos);
    EXPECT_FALSE(Top()->m_pSounds && Top()->m_pSounds->GetCount() > 0);
    ASSERT_NO_FATAL_FAILURE(Drop({ song }, Screen(200, 200)));
    EXPECT_EQ(messages.m_messages.size(), 1u) << messages.m_messages.back().strText;
    ASSERT_TRUE(Top()->m_pSounds);
    ASSERT_EQ(Top()->m_pSounds->GetCount(), 1);
    EXPECT_EQ(Top()->m_pSounds->GetAt(0)->GetName(), "tone.wav");
    m_pEditor->OnCommand(ID_EDIT_UNDO);
    EXPECT_FALSE(Top()->m_pSounds && Top()->m_pSounds->GetCount() > 0);
}

TEST_F(Clipboard, a_dropped_greeting_opens_after_the_question_about_the_changes)
{
    ASSERT_TRUE(Editor().PlacePicture(HalfRed({ 40, 40 }), "square", { 100, 100 }));
    const std::string path = CopySampleGreeting(m_strDir, "Dropped.kel");
    ASSERT_NO_FATAL_FAILURE(Drop({ path }, Screen(200, 200)));
    EXPECT_EQ(m_answers.m_questions.size(), 1u); // save the changes? No
    EXPECT_EQ(m_pEditor->GetPath(), path);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docOpened);
}

} // namespace
