// What the window tests share: a file's bytes, a program button by its command, and a click
// on a control as a person makes it.
#pragma once

#include "editor/skin.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

inline std::vector<uint8_t> Bytes(const std::string& path)
{
    std::vector<uint8_t> data;
    platform::ReadWholeFile(path, data);
    return data;
}

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
