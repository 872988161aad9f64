#include "dialogs/prompts.h"

#include "dialogs/messagebox.h"
#include "dialogs/messagesink.h"
#include "dialogs/opensave.h"
#include "editor/windows/objectpropsdlg.h"

#include <QAbstractItemModel>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QListView>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct CInstalled {
    CDialogPrompts prompts;
    CMessageBoxSink sink;
    IEditorPrompts* pPreviousPrompts = nullptr;
    platform::IMessageSink* pPreviousSink = nullptr;
};

std::unique_ptr<CInstalled> g_pInstalled;

} // namespace

uint8_t CDialogPrompts::MessageBox(QWidget* parent, int nKind, const std::string& strText)
{
    if (nKind == MB_KIND_LARGE) {
        CBigMessageBoxDlg box(MB_KIND_OK, false, parent);
        box.SetText(strText);
        box.exec();
        return box.GetResult();
    }
    return RunMessageBox(parent, nKind, strText);
}

bool CDialogPrompts::ChooseFile(QWidget* parent, const std::string& strFolder,
    const std::string& strDescription, const std::string& strExtension, int nMode,
    std::string* pPath)
{
    COpenSaveDlg dlg(strFolder, strDescription, strExtension, nMode, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    if (pPath != nullptr)
        *pPath = dlg.GetPath();
    return true;
}

bool CDialogPrompts::ChooseFileOfTypes(QWidget* parent, const std::string& strFolder,
    const std::vector<CPromptFileType>& types, int nMode, std::string* pPath, int* pType)
{
    COpenSaveDlg dlg(strFolder, types, nMode, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    if (pPath != nullptr)
        *pPath = dlg.GetPath();
    if (pType != nullptr)
        *pType = dlg.GetChosenType();
    return true;
}

uint8_t CDialogPrompts::QuestionWithCheck(QWidget* parent, const std::string& strText,
    bool* pCheck)
{
    // Before the editor shows, the box paints with its own bitmap's colours.
    CQuestionCheckDlg box(0, true, parent);
    box.SetText(strText);
    box.exec();
    if (pCheck != nullptr)
        *pCheck = box.GetCheck();
    return box.GetResult();
}

bool CDialogPrompts::ChooseColor(QWidget* parent, COLORREF* pColor)
{
    if (pColor == nullptr)
        return false;
    QColor colour(GetRValue(*pColor), GetGValue(*pColor), GetBValue(*pColor));
    if (!RunColorChooser(parent, &colour) || !colour.isValid())
        return false;
    const QColor rgb = colour.toRgb();
    *pColor = RGB(static_cast<uint8_t>(rgb.red()), static_cast<uint8_t>(rgb.green()),
        static_cast<uint8_t>(rgb.blue()));
    return true;
}

bool CDialogPrompts::ChooseFont(QWidget* parent, LOGFONT* pFont)
{
    if (pFont == nullptr)
        return false;
    QFont font = QFontFromLogFont(*pFont);
    if (!RunFontChooser(parent, &font))
        return false;
    std::string why;
    *pFont = LogFontFromChosenFont(font, *pFont, &why);
    if (!why.empty())
        AskMessageBox(parent, MB_KIND_OK, why);
    return true;
}

bool CDialogPrompts::RunColorChooser(QWidget* parent, QColor* pColor)
{
    QColorDialog dialog(*pColor, parent);
    dialog.setWindowTitle(QObject::tr("Colour"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *pColor = dialog.selectedColor();
    return true;
}

namespace {

bool IsStorableFamily(const QString& family)
{
    LOGFONT scratch;
    return SetFaceName(scratch, FaceForFamily(family)).empty();
}

// Hides the families whose names a font description cannot store from the chooser's family
// list (the list whose entries are the installed families), and again whenever it is refilled.
void OfferStorableFamiliesOnly(QFontDialog& dialog)
{
    const QStringList families = QFontDatabase::families();
    const QSet<QString> installed(families.begin(), families.end());
    QListView* familyList = nullptr;
    int best = 0;
    for (QListView* view : dialog.findChildren<QListView*>()) {
        const QAbstractItemModel* model = view->model();
        if (model == nullptr)
            continue;
        int matches = 0;
        for (int row = 0; row < model->rowCount(); ++row)
            matches += installed.contains(model->index(row, 0).data().toString()) ? 1 : 0;
        if (matches > best) {
            best = matches;
            familyList = view;
        }
    }
    if (familyList == nullptr)
        return;
    auto hide = [familyList] {
        const QAbstractItemModel* model = familyList->model();
        for (int row = 0; row < model->rowCount(); ++row)
            familyList->setRowHidden(
                row, !IsStorableFamily(model->index(row, 0).data().toString()));
    };
    hide();
    QObject::connect(familyList->model(), &QAbstractItemModel::modelReset, familyList, hide);
    QObject::connect(familyList->model(), &QAbstractItemModel::rowsInserted, familyList, hide);
}

} // namespace

bool CDialogPrompts::RunFontChooser(QWidget* parent, QFont* pFont)
{
    QFontDialog dialog(*pFont, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    OfferStorableFamiliesOnly(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *pFont = dialog.selectedFont();
    return true;
}

LOGFONT LogFontFromChosenFont(const QFont& font, const LOGFONT& old, std::string* pWhy)
{
    LOGFONT lf = old;
    int pixels = font.pixelSize();
    if (pixels <= 0)
        pixels = static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    lf.lfHeight = -std::max(pixels, 1);
    lf.lfWidth = 0;
    lf.lfWeight = std::clamp(static_cast<int>(font.weight()), 100, 900);
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    const std::string why = SetFaceName(lf, FaceForFamily(font.family()));
    if (pWhy != nullptr)
        *pWhy = why;
    return lf;
}

void InstallDialogPrompts()
{
    if (g_pInstalled)
        return;
    g_pInstalled = std::make_unique<CInstalled>();
    g_pInstalled->pPreviousPrompts = SetEditorPrompts(&g_pInstalled->prompts);
    g_pInstalled->pPreviousSink = platform::SetMessageSink(&g_pInstalled->sink);
}

void UninstallDialogPrompts()
{
    if (!g_pInstalled)
        return;
    SetEditorPrompts(g_pInstalled->pPreviousPrompts);
    platform::SetMessageSink(g_pInstalled->pPreviousSink);
    g_pInstalled.reset();
}
