// The library browser over the sample library: its pages, categories, scrolling, minimised
// bar and tooltips; drags that end in a drop and drags that lose their release; and what the
// object editor makes of each kind of dropped item, one undoable step each.
#include "editor/core/app.h"
#include "editor/windows/librarybrowser.h"
#include "model/header.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "platform/message.h"
#include "platform/text.h"
#include "playback/effecttable.h"
#include "playback/shownnames.h"

#include "tests/buildpaths.h"
#include "window_helpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalSpy>

#include <algorithm>
#include <fstream>

namespace {

// A library header as the files hold it, without a preview.
std::string PlainHeader(const std::string& name, const std::string& category, int32_t item,
                        uint8_t type)
{
    std::string data;
    auto text = [&](const std::string& s) {
        data.push_back(static_cast<char>(s.size()));
        data += s;
    };
    auto int32 = [&](int32_t v) {
        for (int i = 0; i < 4; ++i)
            data.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF));
    };
    text(name);
    text(category);
    int32(item);
    data.push_back(static_cast<char>(type));
    int32(0);
    return data;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

size_t CountOf(const CCatalogue& catalogue, const std::string& category)
{
    return static_cast<size_t>(std::count_if(catalogue.begin(), catalogue.end(), [&](const auto& r) {
        return category.empty() || r->m_strCategory == category;
    }));
}

class Browser : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_appDir.isValid());
        m_pApp = std::make_unique<CQuietApp>(m_appDir.path().toStdString() + "/lock");
        Scan({ built::kDataDir });
        OpenEditor();
        ASSERT_TRUE(m_pEditor->NewProject());
        OpenBrowser();
    }
    void TearDown() override
    {
        m_pBrowser.reset();
        CloseEditor();
        m_pApp.reset();
    }
    void Scan(const std::vector<std::string>& dirs)
    {
        m_pApp->SetDataDirectories(dirs);
        ASSERT_TRUE(m_pApp->ScanDataDirectories());
        m_pApp->SortCatalogues();
    }
    void OpenBrowser()
    {
        m_pBrowser.reset();
        m_pBrowser = std::make_unique<CLibraryBrowser>(m_pEditor.get());
        m_pBrowser->move(700, 100);
        m_pBrowser->show();
        // The editor's part: a drop inside the stage view places the item there.
        QObject::connect(m_pBrowser.get(), &CLibraryBrowser::ItemDropped,
                         [this](const CHeaderObject* item, QPoint ptWindow) {
                             ++m_nDrops;
                             Editor().PlaceLibraryItem(*item, ptWindow);
                         });
    }
    // A screen point (the editor's coordinates) of a stage point.
    QPoint Screen(int x, int y)
    {
        return m_pEditor->GetFrameOrigin()
            + QPoint(CEditorDialog::kStageLeft + x * CEditorDialog::kStageWidth / 800,
                     CEditorDialog::kStageTop + y * CEditorDialog::kStageHeight / 600);
    }
    QPoint Global(QPoint ptEditor) { return m_pEditor->mapToGlobal(ptEditor); }
    int Row(const std::string& name)
    {
        for (int i = 0; i < m_pBrowser->ItemCount(); ++i)
            if (m_pBrowser->ItemText(i).toStdString() == name)
                return i;
        return -1;
    }
    // Drags the named item of the page to the stage point.
    void Drop(int nPage, const std::string& name, int x, int y)
    {
        m_pBrowser->ShowPage(nPage);
        ASSERT_TRUE(m_pBrowser->SetCategory(CLibraryBrowser::kAllCategories));
        const int row = Row(name);
        ASSERT_GE(row, 0) << name;
        m_pBrowser->DropForTest(row, Screen(x, y));
    }
    int LayerCount() { return Stage()->GetLayers() ? Stage()->GetLayers()->GetCount() : 0; }
    CLayer* Top() { return Stage()->GetLayers()->GetAt(0); }
    std::string Save(const std::string& name)
    {
        const std::string path = m_strDir + "/" + name;
        EXPECT_TRUE(::SaveProject(*m_pEditor->GetDoc()->GetMovie(), path));
        return path;
    }
    const CCatalogue& Catalogue(int type) { return *m_pApp->GetCatalogue(type); }

    QTemporaryDir m_appDir;
    std::unique_ptr<CQuietApp> m_pApp;
    std::unique_ptr<CLibraryBrowser> m_pBrowser;
    int m_nDrops = 0;
};

// ---------------------------------------------------------------------------------------------
// Pages and categories

TEST_F(Browser, opens_on_the_animations_page_with_the_current_category)
{
    EXPECT_EQ(m_pBrowser->GetPage(), CLibraryBrowser::pageAnimations);
    EXPECT_EQ(m_pBrowser->size(), QSize(302, 422));
    EXPECT_EQ(m_pBrowser->GetCategory(), m_pApp->GetCurrentCategory());
    EXPECT_EQ(size_t(m_pBrowser->ItemCount()), CountOf(Catalogue(1), m_pApp->GetCurrentCategory()));
    EXPECT_GT(m_pBrowser->ItemCount(), 0);
}

struct PageCase {
    int nPage;
    int nButton;
    int nType; // catalogue; 0 for the effect kinds
};

class EveryPage : public Browser, public testing::WithParamInterface<PageCase> { };

TEST_P(EveryPage, its_button_shows_its_items_in_catalogue_order)
{
    const PageCase& c = GetParam();
    ASSERT_TRUE(m_pBrowser->SetCategory(CLibraryBrowser::kAllCategories));
    Click(FindButton(m_pBrowser.get(), c.nButton));
    EXPECT_EQ(m_pBrowser->GetPage(), c.nPage);
    if (c.nType == 0) {
        ASSERT_EQ(size_t(m_pBrowser->ItemCount()), EffectKinds().size());
        for (int i = 0; i < m_pBrowser->ItemCount(); ++i) {
            // Each row shows its own kind's name in the program's language (English here).
            EXPECT_EQ(m_pBrowser->ItemText(i), shown::EffectKindName(static_cast<size_t>(i)));
            EXPECT_EQ(m_pBrowser->ItemEffect(i), i);
            EXPECT_EQ(m_pBrowser->ItemRecord(i), nullptr);
        }
        return;
    }
    const CCatalogue& catalogue = Catalogue(c.nType);
    ASSERT_EQ(size_t(m_pBrowser->ItemCount()), catalogue.size());
    for (int i = 0; i < m_pBrowser->ItemCount(); ++i) {
        EXPECT_EQ(m_pBrowser->ItemRecord(i), catalogue[static_cast<size_t>(i)].get());
        EXPECT_EQ(m_pBrowser->ItemText(i).toStdString(), catalogue[static_cast<size_t>(i)]->m_strName);
        EXPECT_EQ(m_pBrowser->ItemImage(i).size(), QSize(32, 32));
        EXPECT_EQ(m_pBrowser->ItemEffect(i), -1);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryPage,
                         testing::Values(PageCase{1, ID_BROWSER_ANIMATIONS, 1},
                                         PageCase{2, ID_BROWSER_CLIPARTS, 2},
                                         PageCase{3, ID_BROWSER_BACKGROUNDS, 6},
                                         PageCase{4, ID_BROWSER_SOUNDS, 8},
                                         PageCase{5, ID_BROWSER_EFFECTS, 0}));

TEST_F(Browser, show_page_ignores_numbers_outside_the_five_pages)
{
    m_pBrowser->ShowPage(3);
    m_pBrowser->ShowPage(0);
    m_pBrowser->ShowPage(6);
    EXPECT_EQ(m_pBrowser->GetPage(), 3);
}

TEST_F(Browser, all_comes_first_then_the_library_categories)
{
    std::vector<std::string> expected{ "All" };
    for (const std::string& category : m_pApp->GetCategories())
        expected.push_back(category);
    EXPECT_EQ(m_pBrowser->Categories(), expected);
}

TEST_F(Browser, a_category_filters_the_page_and_becomes_the_current_one)
{
    m_pBrowser->ShowPage(CLibraryBrowser::pageCliparts);
    ASSERT_TRUE(m_pBrowser->SetCategory("Love"));
    EXPECT_EQ(m_pApp->GetCurrentCategory(), "Love");
    ASSERT_EQ(size_t(m_pBrowser->ItemCount()), CountOf(Catalogue(2), "Love"));
    for (int i = 0; i < m_pBrowser->ItemCount(); ++i)
        EXPECT_EQ(m_pBrowser->ItemRecord(i)->m_strCategory, "Love");
    ASSERT_TRUE(m_pBrowser->SetCategory("All"));
    EXPECT_EQ(size_t(m_pBrowser->ItemCount()), Catalogue(2).size());
    // The effects page has no categories.
    m_pBrowser->ShowPage(CLibraryBrowser::pageEffects);
    ASSERT_TRUE(m_pBrowser->SetCategory("Party"));
    EXPECT_EQ(size_t(m_pBrowser->ItemCount()), EffectKinds().size());
}

TEST_F(Browser, a_category_without_items_on_the_page_shows_an_empty_list)
{
    const std::string dir = m_appDir.path().toStdString() + "/more";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir)));
    WriteBytes(dir + "/1.hdr", PlainHeader("Lonely", "Other", 1, 2));
    Scan({ built::kDataDir, dir });
    OpenBrowser();
    ASSERT_TRUE(m_pBrowser->SetCategory("Other"));
    EXPECT_EQ(m_pBrowser->ItemCount(), 0); // no animation in it
    m_pBrowser->ShowPage(CLibraryBrowser::pageCliparts);
    EXPECT_EQ(m_pBrowser->ItemCount(), 1);
}

TEST_F(Browser, an_item_without_a_preview_shows_the_placeholder)
{
    const std::string dir = m_appDir.path().toStdString() + "/more";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir)));
    WriteBytes(dir + "/1.hdr", PlainHeader("Aaa plain", "Birthday", 1, 2));
    Scan({ built::kDataDir, dir });
    OpenBrowser();
    m_pBrowser->ShowPage(CLibraryBrowser::pageCliparts);
    ASSERT_TRUE(m_pBrowser->SetCategory("All"));
    const int row = Row("Aaa plain");
    ASSERT_GE(row, 0);
    EXPECT_EQ(m_pBrowser->ItemImage(row), CLibraryBrowser::PlaceholderImage());
    // Its neighbours keep their own pictures.
    const int other = Row("Red balloon");
    ASSERT_GE(other, 0);
    EXPECT_NE(m_pBrowser->ItemImage(other), CLibraryBrowser::PlaceholderImage());
    EXPECT_FALSE(m_pBrowser->List()->item(row)->icon().isNull());
}

TEST_F(Browser, every_item_has_its_name_as_tooltip)
{
    for (int page = 1; page <= 5; ++page) {
        m_pBrowser->ShowPage(page);
        for (int i = 0; i < m_pBrowser->ItemCount(); ++i)
            EXPECT_EQ(m_pBrowser->ItemToolTip(i), m_pBrowser->ItemText(i));
    }
}

TEST_F(Browser, typing_a_name_finds_the_item)
{
    m_pBrowser->ShowPage(CLibraryBrowser::pageCliparts);
    ASSERT_TRUE(m_pBrowser->SetCategory("All"));
    m_pBrowser->List()->setFocus();
    QTest::keyClicks(m_pBrowser->List(), "Rose");
    ASSERT_NE(m_pBrowser->List()->currentItem(), nullptr);
    EXPECT_EQ(m_pBrowser->List()->currentItem()->text(), "Rose");
}

// ---------------------------------------------------------------------------------------------
// Scrolling and the minimised bar

TEST_F(Browser, the_scroll_bar_moves_the_list_by_rows_and_pages)
{
    m_pBrowser->ShowPage(CLibraryBrowser::pageCliparts);
    ASSERT_TRUE(m_pBrowser->SetCategory("All"));
    CBrowserScrollBar* bar = m_pBrowser->ScrollBar();
    ASSERT_GT(bar->Maximum(), 0); // 26 cliparts do not fit
    EXPECT_EQ(m_pBrowser->TopRow(), 0);
    // The down button at the foot of the bar.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(15, 260));
    EXPECT_EQ(bar->Value(), 1);
    const int afterLine = m_pBrowser->TopRow();
    EXPECT_GT(afterLine, 0);
    bar->PageDown();
    EXPECT_GT(m_pBrowser->TopRow(), afterLine);
    for (int i = 0; i < 50; ++i)
        bar->LineDown();
    EXPECT_EQ(bar->Value(), bar->Maximum());
    // The up button at its head.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(15, 10));
    EXPECT_EQ(bar->Value(), bar->Maximum() - 1);
    // A refill starts at the top.
    m_pBrowser->ShowPage(CLibraryBrowser::pageEffects);
    EXPECT_EQ(bar->Value(), 0);
    EXPECT_EQ(m_pBrowser->TopRow(), 0);
}

TEST_F(Browser, minimise_folds_into_the_bar_and_restore_unfolds_it)
{
    m_pBrowser->ShowPage(CLibraryBrowser::pageBackgrounds);
    const QPoint corner = m_pBrowser->pos();
    Click(FindButton(m_pBrowser.get(), ID_BROWSER_MINIMIZE));
    EXPECT_TRUE(m_pBrowser->IsMinimised());
    EXPECT_EQ(m_pBrowser->size(), QSize(147, 31));
    EXPECT_EQ(m_pBrowser->pos(), corner);
    EXPECT_FALSE(m_pBrowser->List()->isVisible());
    EXPECT_FALSE(FindButton(m_pBrowser.get(), ID_BROWSER_CLOSE)->isVisible());
    EXPECT_TRUE(FindButton(m_pBrowser.get(), ID_BROWSER_CLOSE_MINIMIZED)->isVisible());
    Click(FindButton(m_pBrowser.get(), ID_BROWSER_RESTORE));
    EXPECT_FALSE(m_pBrowser->IsMinimised());
    EXPECT_EQ(m_pBrowser->size(), QSize(302, 422));
    EXPECT_TRUE(m_pBrowser->List()->isVisible());
    EXPECT_EQ(m_pBrowser->GetPage(), CLibraryBrowser::pageBackgrounds);
}

TEST_F(Browser, both_close_buttons_ask_the_editor_to_close)
{
    QSignalSpy close(m_pBrowser.get(), &CLibraryBrowser::CloseRequested);
    Click(FindButton(m_pBrowser.get(), ID_BROWSER_CLOSE));
    m_pBrowser->Minimise();
    Click(FindButton(m_pBrowser.get(), ID_BROWSER_CLOSE_MINIMIZED));
    EXPECT_EQ(close.count(), 2);
}

// ---------------------------------------------------------------------------------------------
// Drags

TEST_F(Browser, a_drag_by_the_pointer_drops_where_it_is_released)
{
    m_pBrowser->ShowPage(CLibraryBrowser::pageCliparts);
    ASSERT_TRUE(m_pBrowser->SetCategory("All"));
    QSignalSpy dropped(m_pBrowser.get(), &CLibraryBrowser::ItemDropped);
    QWidget* viewport = m_pBrowser->List()->viewport();
    const QRect cell = m_pBrowser->List()->visualItemRect(m_pBrowser->List()->item(0));
    QTest::mousePress(viewport, Qt::LeftButton, {}, cell.center());
    QMouseEvent move(QEvent::MouseMove, QPointF(cell.center() + QPoint(30, 30)),
                     QPointF(viewport->mapToGlobal(cell.center() + QPoint(30, 30))),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &move);
    ASSERT_TRUE(m_pBrowser->IsDragging());
    const QPoint target = Global(Screen(200, 150));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(m_pBrowser->mapFromGlobal(target)),
                        QPointF(target), Qt::LeftButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(m_pBrowser.get(), &release);
    EXPECT_FALSE(m_pBrowser->IsDragging());
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped[0][0].value<const CHeaderObject*>(), m_pBrowser->ItemRecord(0));
    EXPECT_EQ(LayerCount(), 1);
}

TEST_F(Browser, a_release_inside_the_browser_drops_nothing)
{
    QSignalSpy dropped(m_pBrowser.get(), &CLibraryBrowser::ItemDropped);
    m_pBrowser->DropForTest(0, m_pBrowser->mapTo(m_pEditor.get(), QPoint(100, 100)));
    EXPECT_EQ(dropped.count(), 0);
    EXPECT_FALSE(m_pBrowser->IsDragging());
}

enum class Loss { escape, ungrab, deactivate, hidden };

class LostRelease : public Browser, public testing::WithParamInterface<Loss> { };

TEST_P(LostRelease, ends_the_drag_without_a_drop)
{
    QSignalSpy dropped(m_pBrowser.get(), &CLibraryBrowser::ItemDropped);
    QSignalSpy ended(m_pBrowser.get(), &CLibraryBrowser::DragEnded);
    ASSERT_TRUE(m_pBrowser->BeginDrag(0));
    switch (GetParam()) {
    case Loss::escape: {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, {});
        QCoreApplication::sendEvent(m_pBrowser.get(), &key);
        break;
    }
    case Loss::ungrab: {
        QEvent lost(QEvent::UngrabMouse);
        QCoreApplication::sendEvent(m_pBrowser.get(), &lost);
        break;
    }
    case Loss::deactivate: {
        QEvent lost(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(m_pBrowser.get(), &lost);
        break;
    }
    case Loss::hidden:
        m_pBrowser->hide();
        break;
    }
    EXPECT_FALSE(m_pBrowser->IsDragging());
    EXPECT_EQ(ended.count(), 1);
    // The release that comes late finds no drag.
    m_pBrowser->ReleaseDrag(Screen(100, 100));
    EXPECT_EQ(dropped.count(), 0);
    EXPECT_EQ(LayerCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Drags, LostRelease,
                         testing::Values(Loss::escape, Loss::ungrab, Loss::deactivate,
                                         Loss::hidden));

TEST_F(Browser, an_effect_is_reported_by_its_kind)
{
    QSignalSpy effect(m_pBrowser.get(), &CLibraryBrowser::EffectDropped);
    QSignalSpy item(m_pBrowser.get(), &CLibraryBrowser::ItemDropped);
    m_pBrowser->ShowPage(CLibraryBrowser::pageEffects);
    const QPoint target = Screen(10, 10);
    m_pBrowser->DropForTest(5, target);
    ASSERT_EQ(effect.count(), 1);
    EXPECT_EQ(effect[0][0].toInt(), 5);
    EXPECT_EQ(effect[0][1].toPoint(), target);
    EXPECT_EQ(item.count(), 0);
}

TEST_F(Browser, every_effect_shows_its_own_kind_s_picture)
{
    // The strip's cells are numbered from 1: the first kind shows the first cell, and the
    // kind with the last number the last one.
    const QImage strip = platform::LoadResBitmap("EFFECTIMAGELIST");
    ASSERT_FALSE(strip.isNull());
    m_pBrowser->ShowPage(CLibraryBrowser::pageEffects);
    const std::vector<EffectKind>& kinds = EffectKinds();
    ASSERT_EQ(m_pBrowser->ItemCount(), static_cast<int>(kinds.size()));
    for (size_t i = 0; i < kinds.size(); ++i) {
        const QImage cell = strip.copy((kinds[i].m_nImage - 1) * 32, 0, 32, 32);
        EXPECT_EQ(m_pBrowser->ItemImage(static_cast<int>(i)).convertToFormat(cell.format()), cell)
            << kinds[i].m_strName;
    }
}

// ---------------------------------------------------------------------------------------------
// What a drop makes

TEST_F(Browser, a_clipart_becomes_an_object_at_the_drop_point_and_one_undo_removes_it)
{
    // An object already there: the stage has its object list before and after.
    Drop(CLibraryBrowser::pageCliparts, "Gold star", 10, 10);
    ASSERT_EQ(LayerCount(), 1);
    const std::string before = Save("before.kel");
    Drop(CLibraryBrowser::pageCliparts, "Red balloon", 200, 152);
    ASSERT_EQ(LayerCount(), 2);
    CLayer* layer = Top();
    EXPECT_EQ(layer->m_pDrawing->m_strName, "Red balloon");
    EXPECT_EQ(layer->m_pDrawing->m_pObject->Kind(), CGenericDrawing::kindClipart);
    // The drop point in stage units, as the view converts it.
    const CPoint expected{ int32_t(int64_t(Screen(200, 152).x() - Screen(0, 0).x()) * 800 / 616),
                           int32_t(int64_t(Screen(200, 152).y() - Screen(0, 0).y()) * 600 / 462) };
    EXPECT_EQ(layer->m_pPos->m_ptHome.x, expected.x);
    EXPECT_EQ(layer->m_pPos->m_ptHome.y, expected.y);
    const auto* clipart = static_cast<const CClipartObject*>(layer->m_pDrawing->m_pObject.get());
    EXPECT_EQ(layer->m_pSize->m_szDesign.cx, clipart->m_pBitmap->GetWidth());
    EXPECT_EQ(layer->m_pSize->m_szDesign.cy, clipart->m_pBitmap->GetHeight());
    ASSERT_EQ(layer->m_pEffects->GetCount(), 1);
    const CEffect* effect = layer->m_pEffects->GetAt(0);
    EXPECT_EQ(effect->m_strName, "Sans");
    EXPECT_EQ(effect->m_nType, -1);
    EXPECT_EQ(effect->m_nDuration, 1);
    EXPECT_TRUE(Editor().IsSelected(layer));
    EXPECT_EQ(Editor().SelectionCount(), 1);
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(LayerCount(), 1);
    EXPECT_EQ(Top()->m_pDrawing->m_strName, "Gold star");
    EXPECT_EQ(Bytes(Save("after.kel")), Bytes(before));
    ASSERT_TRUE(Editor().Redo());
    EXPECT_EQ(LayerCount(), 2);
}

// The editor's own browser: an effect let go over the empty stage with nothing selected has
// nowhere to go; the person is told why, and the greeting stays as it was.
TEST_F(Browser, an_effect_dropped_on_no_object_with_nothing_selected_says_why)
{
    Drop(CLibraryBrowser::pageCliparts, "Gold star", 200, 152);
    ASSERT_EQ(LayerCount(), 1);
    Editor().ClearSelection();
    m_pBrowser.reset();
    m_pEditor->OnCommand(ID_VIEW_EFFECTS);
    auto* browser = m_pEditor->findChild<CLibraryBrowser*>();
    ASSERT_NE(browser, nullptr);
    ASSERT_EQ(browser->GetPage(), CLibraryBrowser::pageEffects);
    const QPoint empty = Screen(20, 580);
    ASSERT_EQ(Editor().HitTest(CPoint{ 20, 580 }), nullptr);
    ASSERT_FALSE(browser->geometry().contains(empty));
    const std::string before = Save("before.kel");
    platform::CMessageRecorder messages;
    browser->DropForTest(3, empty);
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_NE(messages.m_messages[0].strText.find("select"), std::string::npos)
        << messages.m_messages[0].strText;
    EXPECT_EQ(Top()->m_pEffects->GetCount(), 1);
    EXPECT_FALSE(Editor().IsSelected(Top()));
    EXPECT_EQ(Bytes(Save("after.kel")), Bytes(before));
}

TEST_F(Browser, the_first_object_and_the_first_picture_undo_to_the_new_project_byte_for_byte)
{
    const std::string empty = Save("empty.kel");
    Drop(CLibraryBrowser::pageCliparts, "Red balloon", 200, 152);
    ASSERT_EQ(LayerCount(), 1);
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(Bytes(Save("undone.kel")), Bytes(empty));
    Drop(CLibraryBrowser::pageBackgrounds, "Confetti", 300, 300);
    ASSERT_NE(Stage()->m_pBackgroundBMP, nullptr);
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(Stage()->m_pBackgroundBMP, nullptr);
    EXPECT_EQ(Bytes(Save("undone2.kel")), Bytes(empty));
    // The background menu takes the picture away again, as one step.
    ASSERT_TRUE(Editor().Redo());
    EXPECT_TRUE(m_pEditor->IsCommandEnabled(ID_BKGND_DELETE));
    const std::string withPicture = Save("picture.kel");
    m_pEditor->OnCommand(ID_BKGND_DELETE);
    EXPECT_EQ(Stage()->m_pBackgroundBMP, nullptr);
    EXPECT_FALSE(m_pEditor->IsCommandEnabled(ID_BKGND_DELETE));
    EXPECT_EQ(Bytes(Save("removed.kel")), Bytes(empty));
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(Bytes(Save("back.kel")), Bytes(withPicture));
}

TEST_F(Browser, an_animation_lasts_its_frame_count)
{
    Drop(CLibraryBrowser::pageAnimations, "Rising balloons", 10, 10);
    ASSERT_EQ(LayerCount(), 1);
    CLayer* layer = Top();
    ASSERT_EQ(layer->m_pDrawing->m_pObject->Kind(), CGenericDrawing::kindAnimation);
    const auto* clip = static_cast<const CAnimationObject*>(layer->m_pDrawing->m_pObject.get());
    EXPECT_GT(clip->m_nFrameCount, 1);
    const CEffect* effect = layer->m_pEffects->GetAt(0);
    EXPECT_EQ(effect->m_strName, "Sans");
    EXPECT_EQ(effect->m_nDuration, clip->m_nFrameCount);
    EXPECT_EQ(effect->m_nDefaultDuration, clip->m_nFrameCount);
    EXPECT_EQ(layer->m_pSize->m_szDesign.cx, clip->GetOriginalSize().cx);
    EXPECT_GE(m_pEditor->GetDoc()->GetMovie()->GetFrameCount(), clip->m_nFrameCount);
}

TEST_F(Browser, a_drop_near_the_edge_keeps_the_object_on_the_stage)
{
    Drop(CLibraryBrowser::pageCliparts, "Red balloon", 799, 599);
    ASSERT_EQ(LayerCount(), 1);
    const CLayer* layer = Top();
    EXPECT_EQ(layer->m_pPos->m_ptHome.x, 800 - layer->m_pSize->m_szDesign.cx);
    EXPECT_EQ(layer->m_pPos->m_ptHome.y, 600 - layer->m_pSize->m_szDesign.cy);
    // Left of and above the view counts as its edge.
    const CHeaderObject* record = m_pBrowser->ItemRecord(Row("Red balloon"));
    ASSERT_TRUE(Editor().PlaceLibraryItem(*record, Screen(0, 0) - QPoint(40, 40)));
    EXPECT_EQ(Top()->m_pPos->m_ptHome.x, 0);
    EXPECT_EQ(Top()->m_pPos->m_ptHome.y, 0);
}

TEST_F(Browser, a_background_replaces_the_stage_picture_and_undoes)
{
    ASSERT_EQ(Stage()->m_pBackgroundBMP, nullptr);
    Drop(CLibraryBrowser::pageBackgrounds, "Confetti", 300, 300);
    ASSERT_NE(Stage()->m_pBackgroundBMP, nullptr);
    ASSERT_NE(Stage()->m_pBackgroundBMP->m_pBitmap, nullptr);
    EXPECT_EQ(Stage()->m_pBackgroundBMP->m_pBitmap->GetWidth(), 800);
    EXPECT_EQ(LayerCount(), 0);
    const CBackgroundBMP* first = Stage()->m_pBackgroundBMP.get();
    Drop(CLibraryBrowser::pageBackgrounds, "Bunting", 300, 300);
    EXPECT_NE(Stage()->m_pBackgroundBMP.get(), first);
    const std::string withBunting = Save("bunting.kel");
    ASSERT_TRUE(Editor().Undo());
    const std::string withConfetti = Save("confetti.kel");
    EXPECT_NE(Bytes(withConfetti), Bytes(withBunting));
    ASSERT_TRUE(Editor().Undo());
    // The stage shows no picture again.
    EXPECT_TRUE(Stage()->m_pBackgroundBMP == nullptr || Stage()->m_pBackgroundBMP->m_pBitmap == nullptr);
    ASSERT_TRUE(Editor().Redo());
    EXPECT_EQ(Bytes(Save("confetti2.kel")), Bytes(withConfetti));
}

TEST_F(Browser, a_sound_becomes_the_stage_music_and_undoes)
{
    Drop(CLibraryBrowser::pageSounds, "Happy Birthday", 300, 300);
    ASSERT_NE(Stage()->m_pSound, nullptr);
    EXPECT_EQ(Stage()->m_pSound->m_nKind, CSound::kindMidi);
    Drop(CLibraryBrowser::pageSounds, "Applause", 300, 300);
    EXPECT_EQ(Stage()->m_pSound->m_nKind, CSound::kindWave);
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(Stage()->m_pSound->m_nKind, CSound::kindMidi);
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(Stage()->m_pSound, nullptr);
}

TEST_F(Browser, an_object_sound_goes_to_the_selected_object)
{
    const CCatalogue& sounds = Catalogue(CHeaderObject::typeObjectSound);
    ASSERT_FALSE(sounds.empty());
    // Nothing selected: nowhere to go.
    EXPECT_FALSE(Editor().PlaceLibraryItem(*sounds[0], Screen(10, 10)));
    Drop(CLibraryBrowser::pageCliparts, "Red balloon", 100, 100);
    ASSERT_EQ(LayerCount(), 1);
    ASSERT_TRUE(Editor().PlaceLibraryItem(*sounds[0], Screen(10, 10)));
    ASSERT_NE(Top()->m_pSounds, nullptr);
    EXPECT_EQ(Top()->m_pSounds->GetCount(), 1);
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(Top()->m_pSounds ? Top()->m_pSounds->GetCount() : 0, 0);
}

struct DamageCase {
    const char* szName;
    uint8_t nType;
    const char* szBytes; // nullptr: no item file at all
    size_t nLength = 0;
};

class DamagedItem : public Browser, public testing::WithParamInterface<DamageCase> { };

TEST_P(DamagedItem, is_reported_and_adds_nothing)
{
    const DamageCase& c = GetParam();
    const std::string dir = m_appDir.path().toStdString() + "/damaged";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir)));
    if (c.szBytes != nullptr)
        WriteBytes(dir + "/5.zty", std::string(c.szBytes, c.nLength));
    CHeaderObject item;
    item.m_strDirectory = dir;
    item.m_nValue = 5;
    item.m_nType = c.nType;
    item.m_strName = "Damaged";
    const std::string before = Save("before.kel");
    platform::CMessageRecorder messages;
    EXPECT_FALSE(Editor().PlaceLibraryItem(item, Screen(100, 100)));
    EXPECT_FALSE(messages.m_messages.empty());
    EXPECT_EQ(LayerCount(), 0);
    EXPECT_FALSE(Editor().CanUndo());
    EXPECT_EQ(Bytes(Save("after.kel")), Bytes(before));
}

INSTANTIATE_TEST_SUITE_P(Items, DamagedItem,
                         testing::Values(DamageCase{"missing_clipart", 2, nullptr},
                                         DamageCase{"cut_clipart", 2, "\x01\x02", 2},
                                         DamageCase{"empty_clipart", 2, "", 0},
                                         DamageCase{"clipart_without_picture", 2,
                                                    "\x00", 1},
                                         DamageCase{"missing_animation", 1, nullptr},
                                         DamageCase{"cut_animation", 1, "\x01", 1},
                                         DamageCase{"missing_background", 6, nullptr},
                                         DamageCase{"missing_sound", 8, nullptr}),
                         [](const auto& info) { return std::string(info.param.szName); });

TEST_F(Browser, the_stage_holds_99_objects_counted_at_each_drop)
{
    const CHeaderObject* record = nullptr;
    for (const auto& r : Catalogue(2))
        if (r->m_strName == "Gold star")
            record = r.get();
    ASSERT_NE(record, nullptr);
    for (int i = 0; i < CObjectEditor::kMaxObjects; ++i)
        ASSERT_TRUE(Editor().PlaceLibraryItem(*record, Screen(i * 7, i * 5)));
    ASSERT_EQ(LayerCount(), 99);
    platform::CMessageRecorder messages;
    Drop(CLibraryBrowser::pageCliparts, "Gold star", 300, 300);
    EXPECT_EQ(LayerCount(), 99);
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_EQ(messages.m_messages[0].nStringId, 10123);
    // A background still comes.
    Drop(CLibraryBrowser::pageBackgrounds, "Bunting", 300, 300);
    EXPECT_NE(Stage()->m_pBackgroundBMP, nullptr);
    // One object fewer, and the next drop counts it.
    ASSERT_TRUE(Editor().Undo()); // the background
    ASSERT_TRUE(Editor().Undo()); // the 99th object
    EXPECT_EQ(LayerCount(), 98);
    Drop(CLibraryBrowser::pageCliparts, "Gold star", 300, 300);
    EXPECT_EQ(LayerCount(), 99);
    EXPECT_EQ(messages.m_messages.size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Pictures to look at

TEST_F(Browser, pictures_of_the_five_pages_and_the_bar)
{
    ASSERT_TRUE(m_pBrowser->SetCategory("All"));
    for (int page = 1; page <= 5; ++page) {
        m_pBrowser->ShowPage(page);
        EXPECT_EQ(m_pBrowser->grab().size(), QSize(302, 422));
        Shoot(m_pBrowser.get(), QString("browser_p%1.png").arg(page));
    }
    m_pBrowser->Minimise();
    EXPECT_EQ(m_pBrowser->grab().size(), QSize(147, 31));
    Shoot(m_pBrowser.get(), "browser_min.png");
}

} // namespace
