// The lists of the editor's dialogs: dark cards in their faces' panels, white rows, the chosen
// row in ink on sunshine (white on coral reads poorly at this size).
#pragma once

#include <QRect>
#include <QString>

#include <string>

class QLineEdit;
class QListWidget;
class QWidget;

// The style of such a list: rows of nRowHeight pixels, nPadding pixels above and below the
// rows, and a greyed card when the list is disabled.
QString SkinListStyle(int nRowHeight, int nPadding);

// Places the list and sets it up as a single-choice list of whole rows that cannot be edited,
// in the style above; without bScrollBar the face's own page buttons do the scrolling.
void SetUpSkinList(QListWidget* list, const QRect& rc, int nRowHeight, int nPadding,
    bool bScrollBar);

// A one-line field in a panel of a face: no frame of its own, the face's letters in ink on
// white, the paper colour while it cannot be typed into; named nId for tests.
QLineEdit* NewSkinField(QWidget* parent, int nId, const QRect& rc);
