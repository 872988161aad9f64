// The three sound dialogs driven as a person drives them, with the faces and texts of the built
// resource library: the project properties (which MIDI output plays), the add-wave dialog (the
// frames a sound plays between) and the spoken-text dialog (text, frame and voice of a sound).
// Setting VIMBLE_DIALOG_SHOTS to a folder writes a picture of each dialog there.
#include "editor/skin/skin.h"
#include "editor/windows/addwavedlg.h"
#include "editor/windows/moviepropsdlg.h"
#include "editor/windows/playstringdlg.h"
#include "model/sound.h"
#include "platform/files.h"
#include "platform/speech.h"
#include "platform/resources.h"
#include "platform/strings.h"
#include "resources/faces.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <climits>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <set>

namespace {

class SoundDialogs : public CWithResources { };

// The place the face gives a button.
QPoint PlaceOf(const char* szFace, const char* szButton)
{
    if (const faces::WindowFace* face = faces::FindWindow(szFace))
        for (const faces::Place& place : face->buttons)
            if (place.strButton == szButton)
                return place.pt;
    ADD_FAILURE() << szFace << " places no " << szButton;
    return {};
}

// A click on a row of a list, as a person selects it.
void ClickRow(QListWidget* list, int nRow)
{
    QListWidgetItem* item = list->item(nRow);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void Type(QLineEdit* field, const QString& text)
{
    ASSERT_NE(field, nullptr);
    field->selectAll();
    field->del();
    QTest::keyClicks(field, text);
}

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

// Writes the dialog's picture into the folder VIMBLE_DIALOG_SHOTS names, when it names one.
void Shoot(QWidget* dialog, const char* szName)
{
    const char* folder = std::getenv("VIMBLE_DIALOG_SHOTS");
    if (folder == nullptr || *folder == 0)
        return;
    EXPECT_TRUE(dialog->grab().save(QDir(folder).filePath(szName)));
}

// ---------------------------------------------------------------------------------------------
// Project properties: the MIDI output

const std::vector<std::string> kDevices = { "Wavetable Synth", "Caf\u00E9 Organ" };

class MovieDialog : public SoundDialogs {
protected:
    std::unique_ptr<CMoviePropertiesDlg> Open(int32_t nSetting,
        const std::vector<std::string>& devices = kDevices, const std::string& strNoSound = {})
    {
        auto dlg = std::make_unique<CMoviePropertiesDlg>(devices, nSetting, strNoSound, nullptr);
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    static int SelectedRow(const CMoviePropertiesDlg& dlg)
    {
        const QList<QListWidgetItem*> selected = dlg.List()->selectedItems();
        return selected.isEmpty() ? -1 : dlg.List()->row(selected.front());
    }
};

TEST_F(MovieDialog, the_first_row_is_the_system_choice_then_one_row_per_device)
{
    auto dlg = Open(0);
    QListWidget* list = dlg->List();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "None");
    EXPECT_EQ(list->item(0)->data(Qt::UserRole).toInt(), -1);
    EXPECT_EQ(list->item(1)->text(), "Wavetable Synth");
    EXPECT_EQ(list->item(1)->data(Qt::UserRole).toInt(), 0);
    // Product names come in the code page.
    EXPECT_EQ(Utf8(list->item(2)->text()), "Caf\xC3\xA9 Organ");
    EXPECT_EQ(list->item(2)->data(Qt::UserRole).toInt(), 1);
    EXPECT_TRUE(list->isEnabled());
}

TEST_F(MovieDialog, controls_sit_where_the_face_puts_them)
{
    auto dlg = Open(0);
    EXPECT_EQ(dlg->size(), QSize(300, 226));
    EXPECT_EQ(dlg->List()->geometry(), QRect(16, 62, 268, 120));
    EXPECT_EQ(dlg->Button(IDC_MP_OK)->pos(), PlaceOf("MOVIE_PROPERTIES", "mpok"));
    EXPECT_EQ(dlg->Button(IDC_MP_CANCEL)->pos(), PlaceOf("MOVIE_PROPERTIES", "mpcancel"));
    EXPECT_TRUE(dlg->Button(IDC_MP_OK)->HasFace());
    EXPECT_EQ(dlg->Button(IDC_MP_OK)->GetText(), "mpok");
    EXPECT_EQ(dlg->Button(IDC_MP_CANCEL)->GetText(), "mpcancel");
}

TEST_F(MovieDialog, tooltips_name_both_buttons)
{
    auto dlg = Open(0);
    CSkinToolTip* tip = dlg->Skin().ToolTip();
    for (const auto& [nButton, nString] :
        { std::pair { IDC_MP_OK, 10025 }, std::pair { IDC_MP_CANCEL, 10026 } }) {
        EXPECT_FALSE(platform::LoadResString(nString).empty()) << nString;
        EXPECT_EQ(tip->GetText(dlg->Button(nButton)), platform::LoadResString(nString));
    }
}

struct SelectionCase {
    int32_t nSetting;
    int nRow; // -1: none
};

void PrintTo(const SelectionCase& entry, std::ostream* os)
{
    *os << "setting " << entry.nSetting;
}

class MovieSelection : public MovieDialog, public testing::WithParamInterface<SelectionCase> { };

INSTANTIATE_TEST_SUITE_P(Settings, MovieSelection,
    testing::Values(SelectionCase { 0, 1 }, SelectionCase { 1, 2 }, SelectionCase { -1, -1 },
        SelectionCase { 2, -1 }, SelectionCase { 17, -1 }, SelectionCase { -2, -1 },
        SelectionCase { INT32_MIN, -1 }, SelectionCase { INT32_MAX, -1 }));

TEST_P(MovieSelection, the_row_of_the_setting_is_selected_and_ok_alone_keeps_it)
{
    const SelectionCase entry = GetParam();
    auto dlg = Open(entry.nSetting);
    EXPECT_EQ(SelectedRow(*dlg), entry.nRow);
    // OK with the row the dialog opened on gives the setting back as it came: a setting out
    // of range stays until a row is chosen.
    Click(dlg->Button(IDC_MP_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->m_nSetting, entry.nSetting);
}

TEST_F(MovieDialog, ok_takes_the_device_number_of_the_chosen_row)
{
    for (const auto& [nRow, nDevice] :
        { std::pair { 0, -1 }, std::pair { 1, 0 }, std::pair { 2, 1 } }) {
        auto dlg = Open(nRow == 2 ? 0 : 1);
        ClickRow(dlg->List(), nRow);
        EXPECT_EQ(SelectedRow(*dlg), nRow);
        Click(dlg->Button(IDC_MP_OK));
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(dlg->m_nSetting, nDevice) << "row " << nRow;
    }
}

TEST_F(MovieDialog, ok_from_an_unselected_list_with_a_chosen_row)
{
    auto dlg = Open(-1);
    ClickRow(dlg->List(), 2);
    Click(dlg->Button(IDC_MP_OK));
    EXPECT_EQ(dlg->m_nSetting, 1);
}

TEST_F(MovieDialog, a_double_click_on_a_row_is_ok)
{
    auto dlg = Open(0);
    QListWidget* list = dlg->List();
    const QPoint pt = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, pt);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, pt);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_nSetting, 1);
}

TEST_F(MovieDialog, cancel_and_escape_change_nothing)
{
    for (bool bEscape : { false, true }) {
        auto dlg = Open(0);
        ClickRow(dlg->List(), 2);
        if (bEscape)
            QTest::keyClick(dlg->List(), Qt::Key_Escape);
        else
            Click(dlg->Button(IDC_MP_CANCEL));
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->m_nSetting, 0);
    }
}

TEST_F(MovieDialog, without_devices_the_list_is_disabled_and_ok_keeps_the_setting)
{
    for (int32_t nSetting : { 0, -1, 3 }) {
        auto dlg = Open(nSetting, {});
        EXPECT_FALSE(dlg->List()->isEnabled());
        ASSERT_EQ(dlg->List()->count(), 1);
        EXPECT_EQ(dlg->List()->item(0)->text(), "None");
        EXPECT_EQ(SelectedRow(*dlg), -1);
        Click(dlg->Button(IDC_MP_OK));
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(dlg->m_nSetting, nSetting);
    }
}

TEST_F(MovieDialog, the_reason_why_there_is_no_sound_shows_under_the_list)
{
    auto dlg = Open(0, kDevices,
        "no SoundFont \u00AB"
        "default\u00BB");
    QLabel* label = dlg->NoSoundLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(Utf8(label->text()),
        "no SoundFont \xC2\xAB"
        "default\xC2\xBB");
    const QRect list = dlg->List()->geometry();
    EXPECT_GE(label->geometry().top(), list.bottom());
    EXPECT_LE(label->geometry().bottom(), dlg->height());
    // It keeps clear of the buttons.
    EXPECT_FALSE(label->geometry().intersects(dlg->Button(IDC_MP_OK)->geometry()));
    // The list still chooses the device.
    EXPECT_TRUE(dlg->List()->isEnabled());
}

TEST_F(MovieDialog, with_sound_there_is_no_reason_to_show)
{
    auto dlg = Open(0);
    EXPECT_FALSE(dlg->NoSoundLabel()->isVisible());
    EXPECT_TRUE(dlg->NoSoundLabel()->text().isEmpty());
}

TEST_F(MovieDialog, rows_are_white_on_the_dark_card_and_the_chosen_row_on_sunshine)
{
    auto dlg = Open(0, kDevices, "no audio output");
    Shoot(dlg.get(), "dlg_419.png");
    const QImage image = dlg->grab().toImage();
    const QListWidget* list = dlg->List();
    const QRect plain
        = list->visualItemRect(list->item(2)).translated(list->viewport()->pos() + list->pos());
    const QRect chosen
        = list->visualItemRect(list->item(1)).translated(list->viewport()->pos() + list->pos());
    const QColor ink = QColor::fromRgb(faces::colour::ink);
    // The card under a plain row is the face's plum, and its lettering is light on it.
    EXPECT_EQ(image.pixelColor(plain.right() - 2, plain.center().y()), ink);
    int light = 0;
    for (int x = plain.left(); x < plain.left() + 80; ++x)
        for (int y = plain.top(); y <= plain.bottom(); ++y)
            if (image.pixelColor(x, y).lightness() > 200)
                ++light;
    EXPECT_GT(light, 10);
    EXPECT_EQ(image.pixelColor(chosen.right() - 2, chosen.center().y()),
        QColor::fromRgb(faces::colour::sunshine));
}

TEST_F(MovieDialog, a_disabled_list_looks_greyed)
{
    auto dlg = Open(0, {}, "no audio output");
    Shoot(dlg.get(), "dlg_419_empty.png");
    const QImage image = dlg->grab().toImage();
    const QRect list = dlg->List()->geometry();
    EXPECT_NE(
        image.pixelColor(list.right() - 3, list.bottom() - 3), QColor::fromRgb(faces::colour::ink));
}

TEST_F(MovieDialog, the_dialog_runs_modally_until_ok)
{
    CMoviePropertiesDlg dlg(kDevices, -1, {}, nullptr);
    QTimer::singleShot(0, &dlg, [&dlg] {
        ClickRow(dlg.List(), 1);
        Click(dlg.Button(IDC_MP_OK));
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nSetting, 0);
}

// ---------------------------------------------------------------------------------------------
// The add-wave dialog

class WaveDialog : public SoundDialogs {
protected:
    std::unique_ptr<CAddWaveDlg> Open(const std::string& strName = "chimes.wav",
        int32_t nLength = 120, int32_t nStart = 0, int32_t nEnd = -1)
    {
        auto dlg = std::make_unique<CAddWaveDlg>(strName, nLength, nullptr);
        dlg->m_nStartFrame = nStart;
        dlg->m_nEndFrame = nEnd;
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
};

TEST_F(WaveDialog, opens_on_frame_0_playing_to_the_end)
{
    CAddWaveDlg dlg("chimes.wav", 120, nullptr);
    EXPECT_EQ(dlg.m_nStartFrame, 0);
    EXPECT_EQ(dlg.m_nEndFrame, -1);
    dlg.show();
    EXPECT_EQ(dlg.Field(IDC_AW_START)->text(), "0");
    EXPECT_EQ(dlg.Field(IDC_AW_END)->text(), "");
    Click(dlg.Button(IDC_AW_OK));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nStartFrame, 0);
    EXPECT_EQ(dlg.m_nEndFrame, -1);
}

TEST_F(WaveDialog, the_fields_open_with_the_frames_given)
{
    auto dlg = Open("chimes.wav", 120, 4, 30);
    EXPECT_EQ(dlg->Field(IDC_AW_START)->text(), "4");
    EXPECT_EQ(dlg->Field(IDC_AW_END)->text(), "30");
    EXPECT_EQ(dlg->Field(0), nullptr);
}

TEST_F(WaveDialog, shows_the_sound_and_the_length_of_the_animation)
{
    auto dlg = Open("Caf\u00E9 chimes.wav", 120);
    EXPECT_EQ(Utf8(dlg->NameLabel()->text()), "Caf\xC3\xA9 chimes.wav");
    EXPECT_EQ(dlg->LengthLabel()->text(), "of 120 frames");
    auto one = Open("x.wav", 1);
    EXPECT_EQ(one->LengthLabel()->text(), "of 1 frame");
    // A long name is shortened to fit, never cut off at the edge.
    auto wide = Open(std::string(200, 'w') + ".wav");
    const QLabel* name = wide->NameLabel();
    EXPECT_LE(QFontMetrics(name->font()).horizontalAdvance(name->text()), name->width());
    EXPECT_TRUE(name->text().endsWith(".wav"));
}

TEST_F(WaveDialog, controls_sit_on_the_face)
{
    auto dlg = Open();
    const faces::WindowFace* face = faces::FindWindow("ADD_WAVE");
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(dlg->size(), face->size);
    std::vector<QRect> panels;
    for (const faces::Zone& zone : face->zones)
        if (zone.kind == faces::ZoneKind::Panel)
            panels.push_back(zone.rc);
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_EQ(dlg->Field(IDC_AW_START)->geometry(), panels[0]);
    EXPECT_EQ(dlg->Field(IDC_AW_END)->geometry(), panels[1]);
    EXPECT_EQ(dlg->Button(IDC_AW_OK)->pos(), PlaceOf("ADD_WAVE", "awok"));
    EXPECT_EQ(dlg->Button(IDC_AW_CANCEL)->pos(), PlaceOf("ADD_WAVE", "awcancel"));
    EXPECT_TRUE(dlg->Skin().IsDraggedByBody());
    const QRect all(QPoint(0, 0), dlg->size());
    for (QWidget* widget : { static_cast<QWidget*>(dlg->NameLabel()),
             static_cast<QWidget*>(dlg->LengthLabel()), static_cast<QWidget*>(dlg->HintLabel()) })
        EXPECT_TRUE(all.contains(widget->geometry())) << Utf8(widget->objectName());
    EXPECT_FALSE(dlg->HintLabel()->geometry().intersects(dlg->Button(IDC_AW_OK)->geometry()));
}

TEST_F(WaveDialog, tooltips_name_both_buttons)
{
    auto dlg = Open();
    CSkinToolTip* tip = dlg->Skin().ToolTip();
    for (const auto& [nButton, nString] :
        { std::pair { IDC_AW_OK, 10043 }, std::pair { IDC_AW_CANCEL, 10044 } }) {
        EXPECT_FALSE(platform::LoadResString(nString).empty()) << nString;
        EXPECT_EQ(tip->GetText(dlg->Button(nButton)), platform::LoadResString(nString));
    }
}

struct FramesCase {
    const char* szStart;
    const char* szEnd;
    int32_t nStart; // expected; -2: refused
    int32_t nEnd;
    int nWrongField; // the field selected when refused
};

void PrintTo(const FramesCase& entry, std::ostream* os)
{
    *os << '"' << entry.szStart << "\" to \"" << entry.szEnd << '"';
}

class WaveFrames : public WaveDialog, public testing::WithParamInterface<FramesCase> { };

INSTANTIATE_TEST_SUITE_P(Entries, WaveFrames,
    testing::Values(FramesCase { "12", "", 12, -1, 0 }, FramesCase { "0", "0", 0, 0, 0 },
        FramesCase { "5", "5", 5, 5, 0 }, FramesCase { "5", "40", 5, 40, 0 },
        FramesCase { " 7 ", " 9 ", 7, 9, 0 }, FramesCase { "3", "-1", 3, -1, 0 },
        FramesCase { "3", "   ", 3, -1, 0 }, FramesCase { "500", "", 500, -1, 0 },
        FramesCase { "-1", "", -2, 0, IDC_AW_START }, FramesCase { "", "", -2, 0, IDC_AW_START },
        FramesCase { "abc", "", -2, 0, IDC_AW_START },
        FramesCase { "1.5", "", -2, 0, IDC_AW_START },
        FramesCase { "99999999999", "", -2, 0, IDC_AW_START },
        FramesCase { "10", "9", -2, 0, IDC_AW_END }, FramesCase { "3", "x", -2, 0, IDC_AW_END },
        FramesCase { "3", "-2", -2, 0, IDC_AW_END }, FramesCase { "3", "4.0", -2, 0, IDC_AW_END }));

TEST_P(WaveFrames, ok_takes_whole_frames_from_the_start_on)
{
    const FramesCase entry = GetParam();
    auto dlg = Open("chimes.wav", 120, 2, 60);
    Type(dlg->Field(IDC_AW_START), entry.szStart);
    Type(dlg->Field(IDC_AW_END), entry.szEnd);
    Click(dlg->Button(IDC_AW_OK));
    if (entry.nStart != -2) {
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->m_nStartFrame, entry.nStart);
        EXPECT_EQ(dlg->m_nEndFrame, entry.nEnd);
        return;
    }
    // Refused: the dialog stays with the wrong field selected, says why, and nothing changed.
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_NE(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_nStartFrame, 2);
    EXPECT_EQ(dlg->m_nEndFrame, 60);
    QLineEdit* wrong = dlg->Field(entry.nWrongField);
    EXPECT_EQ(wrong->selectedText(), wrong->text());
    EXPECT_TRUE(dlg->IsShowingError());
    EXPECT_TRUE(dlg->HintLabel()->isVisible());
    EXPECT_TRUE(
        dlg->HintLabel()->text().contains(entry.nWrongField == IDC_AW_START ? "start" : "stop"));
    // Put right, the same OK goes through.
    Type(dlg->Field(IDC_AW_START), "8");
    Type(dlg->Field(IDC_AW_END), "");
    Click(dlg->Button(IDC_AW_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_nStartFrame, 8);
    EXPECT_EQ(dlg->m_nEndFrame, -1);
}

TEST_F(WaveDialog, return_in_a_field_is_ok)
{
    auto dlg = Open();
    Type(dlg->Field(IDC_AW_END), "77");
    QTest::keyClick(dlg->Field(IDC_AW_END), Qt::Key_Return);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->m_nEndFrame, 77);
}

TEST_F(WaveDialog, cancel_and_escape_keep_the_frames)
{
    for (bool bEscape : { false, true }) {
        auto dlg = Open("chimes.wav", 120, 3, 9);
        Type(dlg->Field(IDC_AW_START), "50");
        Type(dlg->Field(IDC_AW_END), "");
        if (bEscape)
            QTest::keyClick(dlg->Field(IDC_AW_START), Qt::Key_Escape);
        else
            Click(dlg->Button(IDC_AW_CANCEL));
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->m_nStartFrame, 3);
        EXPECT_EQ(dlg->m_nEndFrame, 9);
    }
}

TEST_F(WaveDialog, a_reopened_dialog_shows_its_frames_again_without_the_old_complaint)
{
    auto dlg = Open("chimes.wav", 120, 3, 9);
    Type(dlg->Field(IDC_AW_START), "x");
    Click(dlg->Button(IDC_AW_OK));
    ASSERT_TRUE(dlg->IsShowingError());
    Click(dlg->Button(IDC_AW_CANCEL));
    dlg->show();
    EXPECT_EQ(dlg->Field(IDC_AW_START)->text(), "3");
    EXPECT_EQ(dlg->Field(IDC_AW_END)->text(), "9");
    EXPECT_FALSE(dlg->IsShowingError());
}

TEST_F(WaveDialog, the_dialog_runs_modally_until_ok)
{
    CAddWaveDlg dlg("chimes.wav", 120, nullptr);
    QTimer::singleShot(0, &dlg, [&dlg] {
        Type(dlg.Field(IDC_AW_START), "6");
        Click(dlg.Button(IDC_AW_OK));
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nStartFrame, 6);
}

TEST_F(WaveDialog, picture)
{
    auto dlg = Open("Happy Birthday chimes.wav", 120, 0, -1);
    Shoot(dlg.get(), "dlg_418.png");
    Type(dlg->Field(IDC_AW_START), "12");
    Type(dlg->Field(IDC_AW_END), "4");
    Click(dlg->Button(IDC_AW_OK));
    Shoot(dlg.get(), "dlg_418_refused.png");
    EXPECT_TRUE(dlg->IsShowingError());
}

// ---------------------------------------------------------------------------------------------
// The spoken-text dialog

class SpokenDialog : public SoundDialogs {
protected:
    std::unique_ptr<CPlayStringDlg> Open(CSound* pSound)
    {
        auto dlg = std::make_unique<CPlayStringDlg>(pSound, nullptr);
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    static bool MaleShows(const CPlayStringDlg& dlg)
    {
        const bool bMale = dlg.Button(IDC_PS_MALE)->HasPressedLook();
        EXPECT_NE(bMale, dlg.Button(IDC_PS_FEMALE)->HasPressedLook())
            << "exactly one voice shows pressed";
        return bMale;
    }
    static void Write(CPlayStringDlg& dlg, const QString& text)
    {
        dlg.Text()->clear();
        QTest::keyClicks(dlg.Text(), text);
    }
};

TEST_F(SpokenDialog, controls_sit_where_they_belong)
{
    CSound sound;
    auto dlg = Open(&sound);
    EXPECT_EQ(dlg->size(), QSize(176, 238));
    EXPECT_EQ(dlg->Text()->geometry(), QRect(8, 61, 158, 135));
    EXPECT_EQ(dlg->Frame()->geometry(), QRect(64, 215, 30, 17));
    EXPECT_EQ(dlg->Text()->objectName(), "1274");
    EXPECT_EQ(dlg->Frame()->objectName(), "1275");
    const std::pair<int, QRect> buttons[]
        = { { IDC_PS_MALE, QRect(52, 9, 13, 13) }, { IDC_PS_FEMALE, QRect(84, 9, 13, 13) },
              { IDC_PS_OK, QRect(121, 217, 16, 16) }, { IDC_PS_CANCEL, QRect(155, 217, 16, 16) } };
    for (const auto& [nId, rc] : buttons) {
        ASSERT_NE(dlg->Button(nId), nullptr) << nId;
        EXPECT_EQ(dlg->Button(nId)->geometry(), rc) << nId;
        EXPECT_TRUE(dlg->Button(nId)->HasFace()) << nId;
    }
    EXPECT_EQ(dlg->Button(IDC_PS_MALE)->GetText(), "pspmale");
    EXPECT_EQ(dlg->Button(IDC_PS_FEMALE)->GetText(), "pspfemale");
    EXPECT_EQ(dlg->Button(IDC_PS_OK)->GetText(), "pspok");
    EXPECT_EQ(dlg->Button(IDC_PS_CANCEL)->GetText(), "pspcancel");
}

TEST_F(SpokenDialog, tooltips_name_the_buttons_and_the_frame)
{
    CSound sound;
    auto dlg = Open(&sound);
    CSkinToolTip* tip = dlg->Skin().ToolTip();
    const std::pair<QWidget*, int> tools[] = { { dlg->Button(IDC_PS_MALE), IDS_PS_TIP_MALE },
        { dlg->Button(IDC_PS_FEMALE), IDS_PS_TIP_FEMALE },
        { dlg->Button(IDC_PS_OK), IDS_PS_TIP_OK },
        { dlg->Button(IDC_PS_CANCEL), IDS_PS_TIP_CANCEL }, { dlg->Frame(), IDS_PS_TIP_FRAME } };
    for (const auto& [tool, nString] : tools) {
        EXPECT_FALSE(platform::LoadResString(nString).empty()) << nString;
        EXPECT_EQ(tip->GetText(tool), platform::LoadResString(nString)) << nString;
    }
}

TEST_F(SpokenDialog, a_new_sound_opens_empty_with_the_male_voice)
{
    CSound sound;
    ASSERT_EQ(sound.m_nEndFrame, -1);
    auto dlg = Open(&sound);
    EXPECT_FALSE(dlg->m_bFemale);
    EXPECT_TRUE(MaleShows(*dlg));
    EXPECT_TRUE(dlg->Text()->toPlainText().isEmpty());
    EXPECT_EQ(dlg->Frame()->text(), "0");
}

TEST_F(SpokenDialog, female_and_ok_store_0_in_the_end_frame)
{
    CSound sound;
    auto dlg = Open(&sound);
    Click(dlg->Button(IDC_PS_FEMALE));
    EXPECT_TRUE(dlg->m_bFemale);
    EXPECT_FALSE(MaleShows(*dlg));
    Write(*dlg, "Happy birthday");
    Type(dlg->Frame(), "12");
    Click(dlg->Button(IDC_PS_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(sound.m_nKind, CSound::kindMarker);
    EXPECT_EQ(sound.m_strRef, "Happy birthday");
    EXPECT_EQ(sound.m_nStartFrame, 12);
    EXPECT_EQ(sound.m_nEndFrame, kVoiceFemale);
    EXPECT_EQ(sound.m_nState, CSound::stateNoData);
    EXPECT_EQ(dlg->m_strText, "Happy birthday");
    EXPECT_EQ(dlg->m_nStartFrame, 12);
}

TEST_F(SpokenDialog, male_and_ok_store_1_in_the_end_frame)
{
    CSound sound;
    auto dlg = Open(&sound);
    Write(*dlg, "Hello");
    Type(dlg->Frame(), "3");
    Click(dlg->Button(IDC_PS_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(sound.m_nKind, CSound::kindMarker);
    EXPECT_EQ(sound.m_strRef, "Hello");
    EXPECT_EQ(sound.m_nStartFrame, 3);
    EXPECT_EQ(sound.m_nEndFrame, kVoiceMale);
}

TEST_F(SpokenDialog, either_voice_button_swaps_the_voice)
{
    CSound sound;
    auto dlg = Open(&sound);
    const std::pair<int, bool> presses[] = { { IDC_PS_FEMALE, true }, { IDC_PS_FEMALE, false },
        { IDC_PS_MALE, true }, { IDC_PS_MALE, false } };
    for (const auto& [nButton, bFemale] : presses) {
        Click(dlg->Button(nButton));
        EXPECT_EQ(dlg->m_bFemale, bFemale);
        EXPECT_EQ(MaleShows(*dlg), !bFemale);
    }
    // The pressed look is what the buttons paint.
    EXPECT_EQ(dlg->Button(IDC_PS_MALE)->FaceIndex(), 1);
}

TEST_F(SpokenDialog, a_spoken_text_opens_with_its_text_frame_and_voice)
{
    for (const bool bFemale : { true, false }) {
        CSound sound;
        ASSERT_TRUE(sound.SetSource(CSound::kindMarker, "Hello\r\nthere"));
        sound.m_nStartFrame = 33;
        sound.m_nEndFrame = bFemale ? kVoiceFemale : kVoiceMale;
        auto dlg = Open(&sound);
        EXPECT_EQ(dlg->Text()->toPlainText(), "Hello\nthere");
        EXPECT_EQ(dlg->Frame()->text(), "33");
        EXPECT_EQ(dlg->m_bFemale, bFemale);
        EXPECT_EQ(MaleShows(*dlg), !bFemale);
        // It takes a new text: a marker has no data to refuse it with.
        dlg->Text()->moveCursor(QTextCursor::End);
        QTest::keyClick(dlg->Text(), Qt::Key_Return);
        QTest::keyClicks(dlg->Text(), "again");
        Click(dlg->Button(IDC_PS_OK));
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(sound.m_strRef, "Hello\r\nthere\r\nagain");
        EXPECT_EQ(sound.m_nStartFrame, 33);
        EXPECT_EQ(sound.m_nEndFrame, bFemale ? kVoiceFemale : kVoiceMale);
    }
}

TEST_F(SpokenDialog, a_wave_sound_with_data_is_left_untouched)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("tone.wav").toStdString();
    ASSERT_TRUE(platform::WriteWholeFile(path, std::vector<uint8_t>(64, 0x80)));
    CSound sound;
    ASSERT_TRUE(sound.SetSource(CSound::kindWave, path));
    sound.m_nStartFrame = 4;
    sound.m_nEndFrame = 50;
    auto dlg = Open(&sound);
    Click(dlg->Button(IDC_PS_FEMALE));
    Write(*dlg, "Words");
    Type(dlg->Frame(), "9");
    Click(dlg->Button(IDC_PS_OK));
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(sound.m_nKind, CSound::kindWave);
    EXPECT_EQ(sound.m_nState, CSound::stateStopped);
    EXPECT_TRUE(sound.m_strRef.empty());
    EXPECT_EQ(sound.m_nStartFrame, 4);
    EXPECT_EQ(sound.m_nEndFrame, 50);
    EXPECT_EQ(Bytes(sound.m_strPath), std::vector<uint8_t>(64, 0x80));
}

TEST_F(SpokenDialog, ok_without_a_sound_closes_and_changes_nothing)
{
    auto dlg = Open(nullptr);
    EXPECT_FALSE(dlg->m_bFemale);
    Click(dlg->Button(IDC_PS_FEMALE));
    Write(*dlg, "Nobody hears this");
    Type(dlg->Frame(), "5");
    Click(dlg->Button(IDC_PS_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(dlg->m_strText.empty());
    EXPECT_EQ(dlg->m_nStartFrame, 0);
}

TEST_F(SpokenDialog, a_frame_that_is_not_a_number_keeps_the_frame)
{
    for (const char* szFrame : { "abc", "", "1.5", "99999999999" }) {
        CSound sound;
        ASSERT_TRUE(sound.SetSource(CSound::kindMarker, "Hi"));
        sound.m_nStartFrame = 9;
        auto dlg = Open(&sound);
        Type(dlg->Frame(), szFrame);
        Click(dlg->Button(IDC_PS_OK));
        EXPECT_EQ(dlg->result(), QDialog::Accepted) << szFrame;
        EXPECT_EQ(sound.m_nStartFrame, 9) << szFrame;
        EXPECT_EQ(dlg->m_nStartFrame, 9) << szFrame;
        EXPECT_EQ(sound.m_strRef, "Hi");
    }
}

TEST_F(SpokenDialog, the_text_goes_to_the_sound_in_utf8)
{
    CSound sound;
    ASSERT_TRUE(sound.SetSource(CSound::kindMarker, "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"));
    auto dlg = Open(&sound);
    EXPECT_EQ(Utf8(dlg->Text()->toPlainText()), "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC");
    dlg->Text()->clear();
    dlg->Text()->insertPlainText(QString::fromUtf8("\xD0\x9F\xD1\x80\xD0\xB8")); // Cyrillic
    Click(dlg->Button(IDC_PS_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(sound.m_strRef, "\xD0\x9F\xD1\x80\xD0\xB8");
    EXPECT_EQ(dlg->m_strText, "\xD0\x9F\xD1\x80\xD0\xB8");
}

TEST_F(SpokenDialog, cancel_and_escape_leave_the_sound_as_it_was)
{
    for (bool bEscape : { false, true }) {
        CSound sound;
        auto dlg = Open(&sound);
        Click(dlg->Button(IDC_PS_FEMALE));
        Write(*dlg, "Not kept");
        Type(dlg->Frame(), "8");
        if (bEscape)
            QTest::keyClick(dlg->Frame(), Qt::Key_Escape);
        else
            Click(dlg->Button(IDC_PS_CANCEL));
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(sound.m_nKind, CSound::kindNone);
        EXPECT_TRUE(sound.m_strRef.empty());
        EXPECT_EQ(sound.m_nStartFrame, 0);
        EXPECT_EQ(sound.m_nEndFrame, -1);
    }
}

TEST_F(SpokenDialog, the_dialog_runs_modally_until_ok)
{
    CSound sound;
    CPlayStringDlg dlg(&sound, nullptr);
    QTimer::singleShot(0, &dlg, [&dlg] {
        QTest::keyClicks(dlg.Text(), "Cheers");
        Type(dlg.Frame(), "2");
        Click(dlg.Button(IDC_PS_OK));
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(sound.m_strRef, "Cheers");
    EXPECT_EQ(sound.m_nStartFrame, 2);
}

// ---------------------------------------------------------------------------------------------
// The spoken-text dialog's language

// The voice the synthesizer speaks a language with ("en" is British English); empty without.
std::string VoiceFor(const std::string& code)
{
    std::string error;
    const std::vector<platform::CSpeechLanguage> languages = platform::SpeechLanguages(error);
    const platform::CSpeechLanguage* found = platform::FindSpeechLanguage(languages, code);
    return found != nullptr ? found->strCode : std::string();
}

class SpokenLanguage : public SpokenDialog {
protected:
    void SetUp() override
    {
        SpokenDialog::SetUp();
        if (VoiceFor("ru").empty())
            GTEST_SKIP() << "the speech synthesizer has no voices here";
    }
    static std::string Shown(const CPlayStringDlg& dlg)
    {
        return dlg.Language()->currentData().toString().toStdString();
    }
    // Picks a language as a person does in the list.
    static void Pick(CPlayStringDlg& dlg, const std::string& code)
    {
        QComboBox* choice = dlg.Language();
        const int index = choice->findData(QString::fromStdString(code));
        ASSERT_GE(index, 0) << code;
        choice->setCurrentIndex(index);
        emit choice->activated(index);
    }
};

TEST_F(SpokenLanguage, follows_the_script_of_the_text_until_one_is_picked)
{
    CSound sound;
    auto dlg = Open(&sound);
    const std::string own = VoiceFor(platform::ProgramSpeechLanguage());
    EXPECT_EQ(Shown(*dlg), own);
    const std::pair<const char*, std::string> rows[] = { { "С днём рождения", "ru" },
        { "お誕生日おめでとう", "ja" }, { "生日快乐", "cmn" }, { "عيد ميلاد سعيد", "ar" },
        { "Happy birthday", platform::ProgramSpeechLanguage() } };
    // As an input method or a paste puts them in.
    for (const auto& [szText, code] : rows) {
        dlg->Text()->setPlainText(QString::fromUtf8(szText));
        EXPECT_EQ(Shown(*dlg), VoiceFor(code)) << szText;
    }
    Pick(*dlg, "el");
    dlg->Text()->setPlainText(QString::fromUtf8("생일 축하해요"));
    EXPECT_EQ(Shown(*dlg), "el");
    Click(dlg->Button(IDC_PS_FEMALE));
    Click(dlg->Button(IDC_PS_OK));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(sound.Voice(), (platform::CSpeechVoice { "el", true }));
    EXPECT_EQ(sound.m_nEndFrame, kVoiceFemale);
}

TEST_F(SpokenLanguage, a_spoken_text_opens_with_its_language_and_keeps_it)
{
    CSound sound;
    ASSERT_TRUE(sound.SetSource(CSound::kindMarker, "Hello"));
    sound.SetVoice({ "ru", false });
    auto dlg = Open(&sound);
    EXPECT_EQ(Shown(*dlg), "ru");
    Write(*dlg, "Hello again");
    EXPECT_EQ(Shown(*dlg), "ru");
    Click(dlg->Button(IDC_PS_OK));
    EXPECT_EQ(sound.Voice(), (platform::CSpeechVoice { "ru", false }));
    EXPECT_EQ(sound.m_nEndFrame, kVoiceMale);
}

TEST_F(SpokenLanguage, a_spoken_text_without_a_language_takes_its_texts)
{
    // As a greeting written before there were languages reads.
    CSound sound;
    ASSERT_TRUE(sound.SetSource(CSound::kindMarker, "Привет"));
    auto dlg = Open(&sound);
    EXPECT_EQ(Shown(*dlg), "ru");
    Click(dlg->Button(IDC_PS_OK));
    EXPECT_EQ(sound.m_strLanguage, "ru");
}

TEST_F(SpokenLanguage, a_language_the_synthesizer_lacks_stays_the_sounds)
{
    CSound sound;
    ASSERT_TRUE(sound.SetSource(CSound::kindMarker, "Hello"));
    sound.SetVoice({ "xx-elsewhere", true });
    auto dlg = Open(&sound);
    EXPECT_EQ(Shown(*dlg), "xx-elsewhere");
    EXPECT_EQ(dlg->Language()->currentIndex(), 0);
    Click(dlg->Button(IDC_PS_OK));
    EXPECT_EQ(sound.Voice(), (platform::CSpeechVoice { "xx-elsewhere", true }));
}

TEST_F(SpokenLanguage, the_choice_shows_each_language_once_by_its_own_name)
{
    CSound sound;
    auto dlg = Open(&sound);
    QComboBox* choice = dlg->Language();
    EXPECT_EQ(choice->geometry(), QRect(100, 7, 68, 17));
    EXPECT_FALSE(choice->accessibleName().isEmpty());
    EXPECT_EQ(dlg->Skin().ToolTip()->GetText(choice), choice->accessibleName().toStdString());
    std::set<QString> names;
    for (int i = 0; i < choice->count(); ++i)
        EXPECT_TRUE(names.insert(choice->itemText(i)).second) << choice->itemText(i).toStdString();
    EXPECT_EQ(choice->itemText(choice->findData("ru")), QString::fromUtf8("Русский"));
    EXPECT_EQ(choice->itemText(choice->findData("ja")), QString::fromUtf8("日本語"));
    // The desktop's input methods reach the text.
    EXPECT_TRUE(dlg->Text()->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(dlg->Frame()->testAttribute(Qt::WA_InputMethodEnabled));
}

struct LanguageNameRow {
    const char* szCode;
    const char* szEnglish; // espeak-ng's name of the voice
    const char* szShown;
};

class LanguageName : public testing::TestWithParam<LanguageNameRow> { };

TEST_P(LanguageName, is_the_languages_own_name)
{
    EXPECT_EQ(SpeechLanguageName(GetParam().szCode, GetParam().szEnglish).toStdString(),
        GetParam().szShown);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageName,
    testing::Values(LanguageNameRow { "ru", "Russian", "Русский" },
        LanguageNameRow { "de", "German", "Deutsch" },
        LanguageNameRow { "ja", "Japanese", "日本語" },
        LanguageNameRow { "el", "Greek", "Ελληνικά" },
        LanguageNameRow { "cmn", "Chinese (Mandarin)", "简体中文" },
        LanguageNameRow { "en-gb", "English (Great Britain)", "British English" },
        LanguageNameRow { "fr-be", "French (Belgium)", "Français (Belgique)" },
        LanguageNameRow { "es-419", "Spanish (Latin America)", "Español latinoamericano" },
        // Languages the locale data do not know keep espeak-ng's name, or the code.
        LanguageNameRow { "hak", "Hakka Chinese", "Hakka Chinese" },
        LanguageNameRow { "grc", "Greek (Ancient)", "Greek (Ancient)" },
        LanguageNameRow { "ka", "Georgian", "ქართული" },
        LanguageNameRow { "piqd", "Klingon", "Klingon" }, LanguageNameRow { "zz", "", "zz" }));

TEST_F(SpokenDialog, picture)
{
    CSound sound;
    ASSERT_TRUE(sound.SetSource(CSound::kindMarker,
        "Happy birthday, dear friend!\r\nMany "
        "happy returns of the day."));
    sound.m_nStartFrame = 24;
    sound.m_nEndFrame = kVoiceFemale;
    auto dlg = Open(&sound);
    Shoot(dlg.get(), "dlg_605.png");
    // The fields are white on the face, their text in the face's ink.
    const QImage image = dlg->grab().toImage();
    EXPECT_EQ(
        image.pixelColor(dlg->Text()->geometry().bottomRight() - QPoint(3, 3)), QColor(Qt::white));
}

} // namespace
