// What the window tests share: a file's bytes, a program button by its command, a click on a
// control as a person makes it, and the editor window open off screen with answers to its
// questions.
#pragma once

#include "editor/core/app.h"
#include "editor/core/prompts.h"
#include "editor/editing/editing.h"
#include "editor/main/editordlg.h"
#include "editor/skin/skin.h"
#include "editor/windows/addwavedlg.h"
#include "editor/windows/effectpropsdlg.h"
#include "editor/windows/playstringdlg.h"
#include "model/movie.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "playback/projectdoc.h"
#include "tests/buildpaths.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

inline std::vector<uint8_t> Bytes(const std::string& path)
{
    std::vector<uint8_t> data;
    platform::ReadWholeFile(path, data);
    return data;
}

// The application without its start-up messages, to scan a library with.
class CQuietApp : public CEditorApp {
public:
    using CEditorApp::CEditorApp;

protected:
    void ShowStartupMessage(const std::string&, int, const std::string&) override { }
};

// Writes a picture of the window into the folder VIMBLE_DIALOG_SHOTS names, to be looked at;
// nothing without one.
inline void Shoot(QWidget* window, const QString& name)
{
    const char* folder = std::getenv("VIMBLE_DIALOG_SHOTS");
    if (folder == nullptr || *folder == 0)
        return;
    EXPECT_TRUE(window->grab().save(QDir(folder).filePath(name)));
}

// A copy of the sample greeting in folder under name; its path.
inline std::string CopySampleGreeting(const std::string& folder, const std::string& name)
{
    const std::string path = folder + "/" + name;
    EXPECT_TRUE(platform::CopyFileTo(std::string(built::kDataDir) + "/samples/Happy Birthday.kel", path));
    return path;
}

// The editor window made anew at 1024 x 768 and shown off screen, its front starting in folder.
inline void ShowEditor(std::unique_ptr<CEditorDialog>& pEditor, const std::string& folder)
{
    pEditor = std::make_unique<CEditorDialog>();
    pEditor->resize(1024, 768);
    pEditor->SetStartFolder(folder + "/");
    pEditor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pEditor.get()));
}

// A test with the program's resource library installed for its lifetime.
class CWithResources : public testing::Test {
protected:
    void SetUp() override
    {
        m_pLibrary = platform::CResourceLibrary::Load(std::string(built::kResourceDir) + "/ksredfr120.rcc");
        ASSERT_NE(m_pLibrary, nullptr);
        platform::SetResourceLibrary(m_pLibrary.get());
    }
    void TearDown() override { platform::SetResourceLibrary(nullptr); }

    std::unique_ptr<platform::CResourceLibrary> m_pLibrary;
};

// The bitmap button with that command among the window's children, or none.
inline CMyBitmapButton* FindButton(QWidget* window, int nId)
{
    for (CMyBitmapButton* button : window->findChildren<CMyBitmapButton*>())
        if (button->GetId() == nId)
            return button;
    return nullptr;
}

// A click in the middle of a control that is there to be clicked.
inline void Click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible());
    ASSERT_TRUE(widget->isEnabled());
    QTest::mouseClick(
        widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, widget->height() / 2));
}

// Answers the editor's prompts: the colour chooser with a given colour, the front with a
// given path, and every question with No.
class CAnswers : public IEditorPrompts {
public:
    uint8_t MessageBox(QWidget*, int nKind, const std::string& strText) override
    {
        m_questions.push_back(strText);
        m_nLastKind = nKind;
        return MB_RESULT_NO;
    }
    bool ChooseFile(QWidget*, const std::string& strFolder, const std::string&,
        const std::string& strExtension, int, std::string* pPath) override
    {
        m_strFolder = strFolder;
        m_strExtension = strExtension;
        if (m_strFile.empty())
            return false;
        *pPath = m_strFile;
        return true;
    }
    bool ChooseColor(QWidget*, COLORREF* pColor) override
    {
        if (!m_bColor)
            return false;
        *pColor = m_crColor;
        return true;
    }
    std::vector<std::string> m_questions;
    int m_nLastKind = -1;
    std::string m_strFile;
    std::string m_strFolder;
    std::string m_strExtension;
    bool m_bColor = false;
    COLORREF m_crColor = 0;
};

// The editor window at 1024 x 768 off screen, with the program's resource library, the answers
// above in place of the person, and a folder of its own to start the front in.
class CEditorWindowTest : public testing::Test {
protected:
    void OpenEditor()
    {
        // The desktop's clipboard is the test program's own: what an earlier test copied
        // (the editor puts a copy's picture there) must not be there to paste.
        QGuiApplication::clipboard()->clear();
        m_pLibrary = platform::CResourceLibrary::Load(std::string(built::kResourceDir) + "/ksredfr120.rcc");
        ASSERT_NE(m_pLibrary, nullptr);
        platform::SetResourceLibrary(m_pLibrary.get());
        m_pPrevious = SetEditorPrompts(&m_answers);
        ASSERT_TRUE(m_dir.isValid());
        m_strDir = m_dir.path().toStdString();
        ASSERT_NO_FATAL_FAILURE(ShowEditor(m_pEditor, m_strDir));
        ASSERT_EQ(m_pEditor->GetFrameOrigin(), QPoint(112, 84));
    }
    void CloseEditor()
    {
        m_pEditor.reset();
        SetEditorPrompts(m_pPrevious);
        platform::SetResourceLibrary(nullptr);
    }
    CObjectEditor& Editor() { return m_pEditor->Editing(); }
    CStage* Stage() { return m_pEditor->GetDoc()->GetMovie()->GetFirstStage(); }

    std::unique_ptr<platform::CResourceLibrary> m_pLibrary;
    CAnswers m_answers;
    IEditorPrompts* m_pPrevious = nullptr;
    QTemporaryDir m_dir;
    std::string m_strDir;
    std::unique_ptr<CEditorDialog> m_pEditor;
};

// Answers the editor's effect and sound dialogs as a person would, through their own fields and
// buttons: OK or Cancel as m_bOk says, the frames and the text of the members below, and for
// the effect dialog whatever m_answer does first.
class CDialogAnswers {
protected:
    void AnswerDialogs(CObjectEditor& editor)
    {
        editor.SetEffectDialogRunner([this](CEffectPropertiesDlg& dlg) {
            dlg.show();
            ++m_nDialogs;
            m_shown = { dlg.Field(IDC_EP_DURATION)->text().toStdString(),
                dlg.Field(IDC_EP_START)->text().toStdString() };
            if (m_answer)
                m_answer(dlg);
            if (dlg.isVisible())
                Click(dlg.Button(m_bOk ? IDC_EP_OK : IDC_EP_CANCEL));
            return dlg.result() == QDialog::Accepted;
        });
        editor.SetSoundDialogRunner([this](QDialog& dlg) {
            dlg.show();
            ++m_nDialogs;
            if (auto* wave = dynamic_cast<CAddWaveDlg*>(&dlg)) {
                wave->Field(IDC_AW_START)->setText(QString::fromStdString(m_strStart));
                wave->Field(IDC_AW_END)->setText(QString::fromStdString(m_strEnd));
                Click(wave->Button(m_bOk ? IDC_AW_OK : IDC_AW_CANCEL));
            } else if (auto* text = dynamic_cast<CPlayStringDlg*>(&dlg)) {
                text->Text()->setPlainText(QString::fromStdString(m_strSaid));
                text->Frame()->setText(QString::fromStdString(m_strStart));
                if (m_bFemale)
                    Click(text->Button(IDC_PS_FEMALE));
                Click(text->Button(m_bOk ? IDC_PS_OK : IDC_PS_CANCEL));
            }
            return dlg.result() == QDialog::Accepted;
        });
    }

    bool m_bOk = true;
    std::function<void(CEffectPropertiesDlg&)> m_answer;
    int m_nDialogs = 0;
    std::pair<std::string, std::string> m_shown; // duration and start fields as shown
    std::string m_strStart = "0";
    std::string m_strEnd;
    std::string m_strSaid = "Happy birthday";
    bool m_bFemale = false;
};
