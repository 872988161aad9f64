#include "editor/skin/skinlist.h"

#include "platform/text.h"
#include "resources/faces.h"

#include <QColor>
#include <QLineEdit>
#include <QListWidget>

QString SkinListStyle(int nRowHeight, int nPadding)
{
    const QColor ink = QColor::fromRgb(faces::colour::ink);
    return QStringLiteral("QListWidget { background: %1; color: white; border: none; outline: none;"
                          " font-family: Arial; font-size: 11px; padding: %6px 2px; }"
                          "QListWidget::item { height: %7px; padding-left: 4px; border: none; }"
                          "QListWidget::item:hover { background: %2; }"
                          "QListWidget::item:selected { background: %3; color: %1; }"
                          "QListWidget:disabled { background: %4; color: %5; }")
        .arg(ink.name(), ink.lighter(135).name(), QColor::fromRgb(faces::colour::sunshine).name(),
            ink.lighter(160).name(), QColor::fromRgb(faces::colour::edge).name())
        .arg(nPadding)
        .arg(nRowHeight);
}

void SetUpSkinList(QListWidget* list, const QRect& rc, int nRowHeight, int nPadding,
    bool bScrollBar)
{
    list->setGeometry(rc);
    list->setFrameShape(QFrame::NoFrame);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!bScrollBar)
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideRight);
    list->setStyleSheet(SkinListStyle(nRowHeight, nPadding));
}

QLineEdit* NewSkinField(QWidget* parent, int nId, const QRect& rc)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(nId));
    edit->setGeometry(rc);
    edit->setFrame(false);
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    edit->setFont(font);
    edit->setMaxLength(255);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor::fromRgb(faces::colour::ink));
    // A field that cannot be typed into reads as such.
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor::fromRgb(faces::colour::paper));
    edit->setPalette(palette);
    return edit;
}
