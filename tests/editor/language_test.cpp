// The editor in each translated language: a menu row, window titles, an object's name, effect
// names, the category list and a resource string all speak the chosen language, while the
// greeting keeps the bytes it had. With VIMBLE_DIALOG_SHOTS set, pictures of the open menu,
// the layer manager, the library's effects page and the send dialog go there.
#include "editor/editing/layermanagerdlg.h"
#include "editor/windows/librarybrowser.h"
#include "editor/windows/senddlg.h"
#include "platform/language.h"
#include "platform/text.h"
#include "playback/effecttable.h"
#include "translations/translator.h"

#include "window_helpers.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QListWidget>

namespace {

struct Expected {
    platform::ELanguage language;
    const char* szSendRow;     // the file menu's "Send by e-mail…"
    const char* szLayers;      // the layer manager's title
    const char* szRectangle;   // a drawn rectangle's name (stored as "Rectangle")
    const char* szGrowingLeft; // effect kind 2 (stored in French)
    const char* szNone;        // effect kind 0
    const char* szAll;         // the first category
    const char* szSendTitle;   // the send dialog's title
    const char* szString;      // resource string 10013
};

class LanguageEditor : public CEditorWindowTest, public testing::WithParamInterface<Expected> {
protected:
    void SetUp() override
    {
        platform::SetProgramLanguage(GetParam().language);
        ASSERT_TRUE(translations::InstallTranslators(GetParam().language));
        ASSERT_NO_FATAL_FAILURE(OpenEditor());
        ASSERT_TRUE(m_pEditor->NewProject());
    }
    void TearDown() override
    {
        CloseEditor();
        platform::SetProgramLanguage(platform::ELanguage::English);
        translations::InstallTranslators(platform::ELanguage::English);
    }
    QString ShotName(const char* what) const
    {
        return QString("%1_%2.png").arg(what, platform::LanguageCode(GetParam().language));
    }
};

TEST_P(LanguageEditor, menus_titles_names_and_strings_speak_the_language)
{
    const Expected& expected = GetParam();

    // A row of the file menu, as a screen reader names it.
    m_pEditor->OnCommand(ID_WND_FILE);
    CDropDownMenu* file = m_pEditor->GetMenu(MENU_FILE);
    ASSERT_NE(file, nullptr);
    QString sendRow;
    for (CMyBitmapButton* button : file->findChildren<CMyBitmapButton*>())
        if (button->GetId() == ID_FILE_SENDMAIL)
            sendRow = button->accessibleName();
    EXPECT_EQ(sendRow, QString::fromUtf8(expected.szSendRow));
    QTest::qWait(600); // the menu unfolds
    Shoot(m_pEditor.get(), ShotName("menu"));
    m_pEditor->OnCommand(ID_WND_FILE);

    // The layer manager's title, a drawn object's French tool name and its movement.
    const QPoint at = m_pEditor->GetFrameOrigin()
                      + QPoint(CEditorDialog::kStageLeft + 20, CEditorDialog::kStageTop + 20);
    m_pEditor->ChooseTool(TOOL_RECT);
    QTest::mousePress(m_pEditor.get(), Qt::LeftButton, {}, at);
    QTest::mouseMove(m_pEditor.get(), at + QPoint(20, 20));
    QTest::mouseRelease(m_pEditor.get(), Qt::LeftButton, {}, at + QPoint(40, 30));
    m_pEditor->ChooseTool(TOOL_SELECT);
    CLayer* layer = Stage()->GetLayers()->GetHead();
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(layer->m_pDrawing->m_strName, "Rectangle"); // the bytes files keep
    layer->m_pEffects->GetHead()->m_strName = EffectKinds()[2].m_strName;
    QString title;
    QStringList objects, effects;
    m_pEditor->SetLayerManagerRunner([&](CLayerManagerDlg& dlg) {
        title = dlg.windowTitle();
        for (QListWidget* list : dlg.findChildren<QListWidget*>()) {
            QStringList* rows = list->objectName() == QString::number(IDC_LM_OBJECTS) ? &objects
                : list->objectName() == QString::number(IDC_LM_EFFECTS)           ? &effects
                                                                                   : nullptr;
            for (int i = 0; rows != nullptr && i < list->count(); ++i)
                *rows << list->item(i)->text();
        }
        dlg.show();
        Shoot(&dlg, ShotName("layers"));
    });
    m_pEditor->OpenLayerManager();
    EXPECT_EQ(title, QString::fromUtf8(expected.szLayers));
    EXPECT_EQ(objects, QStringList{QString::fromUtf8(expected.szRectangle)});
    EXPECT_EQ(effects, QStringList{QString::fromUtf8(expected.szGrowingLeft)});
    EXPECT_EQ(layer->m_pEffects->GetHead()->m_strName, EffectKinds()[2].m_strName);

    // The library browser's effects page and its category list.
    CLibraryBrowser browser(m_pEditor.get());
    browser.show();
    browser.ShowPage(CLibraryBrowser::pageEffects);
    ASSERT_GT(browser.ItemCount(), 2);
    EXPECT_EQ(browser.ItemText(0), QString::fromUtf8(expected.szNone));
    EXPECT_EQ(browser.ItemText(2), QString::fromUtf8(expected.szGrowingLeft));
    EXPECT_EQ(browser.findChild<QComboBox*>()->itemText(0), QString::fromUtf8(expected.szAll));
    EXPECT_EQ(browser.Categories().front(), CLibraryBrowser::kAllCategories);
    Shoot(&browser, ShotName("effects"));

    // The send dialog's title.
    QString sendTitle;
    m_pEditor->SetSendDialogRunner([&](CSendMailDlg& dlg) {
        sendTitle = dlg.windowTitle();
        // A long day and month of the language show whole beside the calendar button.
        auto* when = dlg.findChild<QDateTimeEdit*>();
        ASSERT_NE(when, nullptr);
        when->setEnabled(true);
        when->setDateTime(QDateTime(QDate(2026, 12, 23), QTime(20, 58)));
        EXPECT_LE(QFontMetrics(when->font()).horizontalAdvance(when->text()), when->width() - 26)
            << when->text().toStdString();
        dlg.show();
        Shoot(&dlg, ShotName("send"));
    });
    m_pEditor->OnCommand(ID_FILE_SENDMAIL);
    EXPECT_EQ(sendTitle, QString::fromUtf8(expected.szSendTitle));

    // A resource string.
    EXPECT_EQ(platform::LoadResString(10013), expected.szString);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LanguageEditor,
    testing::Values(
        Expected{platform::ELanguage::German, "Per E-Mail senden …", "Ebenen", "Rechteck",
                 "1.1.1 Quer nach links, wachsend", "0. Ohne: Das Objekt bewegt sich nicht",
                 "Alle", "Gruß senden", "Den Gruß per E-Mail senden"},
        Expected{platform::ELanguage::French, "Envoyer par e-mail…", "Calques", "Rectangle",
                 "1.1.1 Horizontal vers la gauche en grossissant", // the stored bytes
                 "0. Sans: Aucun effet n'est attribu\xC3\xA9 \xC3\xA0 l'objet", "Toutes",
                 "Envoyer votre carte", "Envoyer la carte par e-mail"},
        Expected{platform::ELanguage::Spanish, "Enviar por correo…", "Capas", "Rectángulo",
                 "1.1.1 En horizontal hacia la izquierda, creciendo",
                 "0. Ninguno: el objeto no se mueve", "Todas", "Enviar su felicitación",
                 "Enviar la felicitación por correo electrónico"},
        Expected{platform::ELanguage::Polish, "Wyślij e-mailem…", "Warstwy", "Prostokąt",
                 "1.1.1 Poziomo w lewo, z powiększaniem", "0. Brak: obiekt się nie porusza",
                 "Wszystkie", "Wyślij kartkę", "Wyślij kartkę e-mailem"},
        Expected{platform::ELanguage::Russian, "Отправить…", "Слои", "Прямоугольник",
                 "1.1.1 Справа налево, с увеличением", "0. Нет: объект не движется", "Все",
                 "Отправка открытки", "Отправить открытку по электронной почте"},
        Expected{platform::ELanguage::Japanese, "メールで送信…", "レイヤー", "四角形",
                 "1.1.1 左へ横切る (拡大しながら)", "0. なし: オブジェクトは動きません",
                 "すべて", "カードを送信", "カードをメールで送信"}),
    [](const testing::TestParamInfo<Expected>& info) {
        return std::string(platform::LanguageCode(info.param.language));
    });

} // namespace
