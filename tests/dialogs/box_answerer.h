// Answering the modal boxes that a test makes open: an answerer looks, each time the event loop
// is idle, whether a box of its kind has become the active modal window, and then acts on it
// (clicks a button, presses a key) as a person would. It keeps what each box said.
#pragma once

#include "dialogs/messagebox.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

template <class TBox> class CBoxAnswerer {
public:
    // act runs for each of the next nBoxes boxes of that kind, while the box is open; it must
    // close the box.
    explicit CBoxAnswerer(std::function<void(TBox*)> act, int nBoxes = 1)
        : m_act(std::move(act))
        , m_nLeft(nBoxes)
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Look(); });
        m_timer.start();
    }
    ~CBoxAnswerer() { m_timer.stop(); }

    int Answered() const { return static_cast<int>(m_texts.size()); }
    // The texts of the boxes answered, as they showed them (code page).
    const std::vector<std::string>& Texts() const { return m_texts; }
    std::string Text() const { return m_texts.empty() ? std::string() : m_texts.back(); }

private:
    void Look()
    {
        auto* box = qobject_cast<TBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        if constexpr (std::is_base_of_v<CMessageBoxBase, TBox>)
            m_texts.push_back(box->GetText());
        else
            m_texts.push_back({});
        if (--m_nLeft <= 0)
            m_timer.stop();
        m_act(box);
    }

    std::function<void(TBox*)> m_act;
    int m_nLeft;
    QTimer m_timer;
    std::vector<std::string> m_texts;
};

// Presses a box's button with the mouse.
inline void ClickButton(CSkinnedDialog* box, int nId)
{
    CMyBitmapButton* button = box->Skin().Button(nId);
    if (button != nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
}

// The standard answers.
inline std::function<void(CMessageBoxDlg*)> Press(int nId)
{
    return [nId](CMessageBoxDlg* box) { ClickButton(box, nId); };
}
