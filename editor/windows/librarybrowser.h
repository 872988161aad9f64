// CLibraryBrowser: the movable window from which library items are dragged onto the stage.
// Five pages (animations, cliparts, backgrounds, sounds, effects), a category drop-down with
// "All" first, the item list with its previews and its own scroll bar, minimise, restore and
// close. The browser never changes the project: a drag released outside it is reported through
// ItemDropped or EffectDropped, and the editor decides what the drop does.
#pragma once

#include "editor/skin/skin.h"
#include "model/header.h"

#include <QImage>
#include <QPoint>

#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class CBrowserScrollBar;

// Commands of the browser's buttons.
constexpr int ID_BROWSER_ANIMATIONS = 1256;
constexpr int ID_BROWSER_CLIPARTS = 1255;
constexpr int ID_BROWSER_BACKGROUNDS = 1254;
constexpr int ID_BROWSER_SOUNDS = 1253;
constexpr int ID_BROWSER_EFFECTS = 1252;
constexpr int ID_BROWSER_MINIMIZE = 1258;
constexpr int ID_BROWSER_CLOSE = 1058;
constexpr int ID_BROWSER_RESTORE = 1270;
constexpr int ID_BROWSER_CLOSE_MINIMIZED = 1271;

class CLibraryBrowser : public CSkinnedWidget {
    Q_OBJECT
public:
    enum Page { pageAnimations = 1, pageCliparts, pageBackgrounds, pageSounds, pageEffects };
    // The text of the category that shows every item, first in the drop-down.
    static constexpr const char* kAllCategories = "All";

    // A child window of the editor window, dragged by its body, opened on page 1 with the
    // application's current category (all items when it names none).
    explicit CLibraryBrowser(QWidget* editor);
    ~CLibraryBrowser() override;

    // Shows the page (1 to 5) unless it shows already; any other number changes nothing.
    void ShowPage(int nPage);
    int GetPage() const { return m_nPage; }

    // The categories as the drop-down offers them ("All" first) and the one chosen; choosing
    // one refills the list (pages 1 to 4) and makes it the application's current category.
    std::vector<std::string> Categories() const;
    std::string GetCategory() const;
    bool SetCategory(const std::string& strCategory);

    // The list: its rows, their texts (UTF-8) and pictures, and the library record of a row of
    // pages 1 to 4 (none on the effects page or past the end). A row of the effects page
    // carries its index into EffectKinds().
    int ItemCount() const;
    QString ItemText(int nRow) const;
    QImage ItemImage(int nRow) const;
    QString ItemToolTip(int nRow) const;
    const CHeaderObject* ItemRecord(int nRow) const;
    int ItemEffect(int nRow) const;
    QListWidget* List() const { return m_pList; }
    QComboBox* CategoryBox() const { return m_pCategories; }
    CBrowserScrollBar* ScrollBar() const { return m_pScroll; }
    // The first row that shows at the top of the list.
    int TopRow() const;
    // The picture an item without a preview shows.
    static QImage PlaceholderImage();

    // Folds into the bar "TOOLBOX_MINIMIZED" with its restore (1270) and close (1271) buttons;
    // Restore unfolds it to the whole browser as it was.
    void Minimise();
    void Restore();
    bool IsMinimised() const { return m_bMinimised; }

    // Dragging: a press on an item and a move past the drag distance begin a drag of that row;
    // the release ends it, reported as a drop when it lies outside the browser. A drag that
    // loses its release (Escape, the pointer grab taken, the window deactivated, hidden or
    // closed) ends without a drop.
    bool BeginDrag(int nRow);
    void CancelDrag();
    bool IsDragging() const { return m_bDragging; }
    // The release of a drag at a point of the browser's window (the editor's window), as the
    // pointer's release does. Points of the drag are never global: a window system may not
    // tell where its windows are.
    void ReleaseDrag(QPoint ptWindow);
    // Drags the row and releases it at the point of the browser's window at once.
    void DropForTest(int nRow, QPoint ptWindow);
    // The picture that follows the pointer during a drag (a child of the browser's window,
    // over it); none while no drag runs.
    QWidget* DragImage() const { return m_pDragImage; }

signals:
    // A library item (pages 1 to 4) or an effect kind (page 5, its index into EffectKinds())
    // was released at that point of the browser's window (the editor's window), outside the
    // browser.
    void ItemDropped(const CHeaderObject* pItem, QPoint ptWindow);
    void EffectDropped(int nKindIndex, QPoint ptWindow);
    // A drag began or ended (with or without a drop): the editor holds its painting meanwhile.
    void DragStarted();
    void DragEnded();
    // A close button (1058 or 1271) was pressed; the editor closes the window.
    void CloseRequested();

protected:
    void OnCommand(int nId) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Fill();
    void FillCategories();
    void OnCategoryChosen(int nIndex);
    void SyncScrollBar();
    void EndDrag();
    // Shows the drag picture beside that point of the browser's window.
    void MoveDragImage(QPoint ptWindow);

    int m_nPage = pageAnimations;
    bool m_bMinimised = false;
    std::string m_strCategory; // empty: every category
    std::vector<const CHeaderObject*> m_items;
    std::vector<CMyBitmapButton*> m_pageButtons;
    std::vector<CMyBitmapButton*> m_fullButtons;
    CMyBitmapButton* m_pRestore = nullptr;
    CMyBitmapButton* m_pCloseMinimised = nullptr;
    QListWidget* m_pList = nullptr;
    QComboBox* m_pCategories = nullptr;
    CBrowserScrollBar* m_pScroll = nullptr;
    QImage m_pagePicture;

    // Drag state.
    int m_nPressRow = -1;
    QPoint m_ptPress; // in the list's viewport
    bool m_bDragging = false;
    int m_nDragRow = -1;
    QPointer<QWidget> m_pDragImage;
};

// The browser's skinned scroll bar "SOSCROLLBAR": an up and a down button that scroll the list
// by a row, the track above and below the thumb "patratel" that pages.
class CBrowserScrollBar : public QWidget {
    Q_OBJECT
public:
    explicit CBrowserScrollBar(QWidget* parent);
    void SetRange(int nMax, int nPage);
    void SetValue(int nValue);
    int Value() const { return m_nValue; }
    int Maximum() const { return m_nMax; }
    void LineUp() { SetValueAndTell(m_nValue - 1); }
    void LineDown() { SetValueAndTell(m_nValue + 1); }
    void PageUp() { SetValueAndTell(m_nValue - m_nPage); }
    void PageDown() { SetValueAndTell(m_nValue + m_nPage); }
    QRect ThumbRect() const;

signals:
    void ValueChanged(int nValue);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetValueAndTell(int nValue);
    QImage m_track;
    QImage m_thumb;
    int m_nValue = 0;
    int m_nMax = 0;
    int m_nPage = 1;
};
