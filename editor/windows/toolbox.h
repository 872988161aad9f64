// CToolbox: the small movable window of drawing tools. Eight tool buttons of which exactly one
// shows pressed, the current tool; a minimise button that folds the window into a bar with a
// restore and a close button; and a close button. The toolbox keeps its own pressed tool; the
// editor listens to ToolChosen and CloseRequested and owns the tool byte that editing uses.
#pragma once

#include "editor/skin/skin.h"

#include <array>
#include <cstdint>

// Tools (the editor's tool byte).
constexpr uint8_t TOOL_SELECT = 0;
constexpr uint8_t TOOL_TEXT = 1;
constexpr uint8_t TOOL_LINE = 2;
constexpr uint8_t TOOL_RECT = 3;
constexpr uint8_t TOOL_POLYGON = 4;
constexpr uint8_t TOOL_ELLIPSE = 5;
constexpr uint8_t TOOL_TEXTRECT = 6;
constexpr uint8_t TOOL_TEXTELLIPSE = 7;

// Commands of the toolbox's buttons.
constexpr int ID_TOOL_SELECT = 1049;
constexpr int ID_TOOL_TEXT = 1053;
constexpr int ID_TOOL_LINE = 1050;
constexpr int ID_TOOL_RECT = 1052;
constexpr int ID_TOOL_POLYGON = 1054;
constexpr int ID_TOOL_ELLIPSE = 1051;
constexpr int ID_TOOL_TEXTRECT = 1077;
constexpr int ID_TOOL_TEXTELLIPSE = 1078;
constexpr int ID_TOOLBOX_CLOSE = 2; // "tbclose" on the full face
constexpr int ID_TOOLBOX_MINIMIZE = 1261; // "tbminimize"
constexpr int ID_TOOLBOX_CLOSE_MINIMIZED = 1272; // "tbmclose" on the bar
constexpr int ID_TOOLBOX_RESTORE = 1273; // "dtmmaximizelibrarys" on the bar

class CToolbox : public CSkinnedWidget {
    Q_OBJECT
public:
    static constexpr int kTools = 8;

    // A child window of the editor window (parent), dragged by its body; it opens full, with
    // the select tool pressed.
    explicit CToolbox(QWidget* parent);

    // Presses the tool's button and releases the others; no signal. An unknown tool changes
    // nothing.
    void SetTool(uint8_t nTool);
    uint8_t GetTool() const { return m_nTool; }
    // The command of a tool's button, -1 for an unknown tool; the tool of a command, -1 for a
    // command that chooses none.
    static int CommandOfTool(uint8_t nTool);
    static int ToolOfCommand(int nId);
    // The button of a tool (nullptr for an unknown tool).
    CMyBitmapButton* ToolButton(uint8_t nTool) const;

    // Folds the window into the bar "TOOLBOX_MINIMIZED" (147 x 31): the tool, minimise and close
    // buttons hide, the bar's restore (1273) and close (1272) buttons show. Restore unfolds it
    // to "TOOLBOX" (91 x 202) with its buttons and the pressed tool as they were. Both keep the
    // window's top-left corner and the move limit of its skin.
    void Minimise();
    void Restore();
    bool IsMinimised() const { return m_bMinimised; }

signals:
    // A tool button was pressed; the toolbox already shows it pressed.
    void ToolChosen(uint8_t nTool);
    // A close button (2 or 1272) was pressed. The toolbox changes nothing itself: the editor sets
    // the tool back to select and closes the window.
    void CloseRequested();

protected:
    // Tool commands choose the tool, 2 and 1272 ask to close, 1261 minimises and 1273
    // restores; anything else goes on as Command.
    void OnCommand(int nId) override;
    // A press on the bar (not on one of its buttons) restores the toolbox, and the same press
    // goes on to drag it; on the full face a press starts a drag.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void KeepInsideParent();
    std::array<CMyBitmapButton*, kTools> m_tools{};
    CMyBitmapButton* m_pMinimise = nullptr;
    CMyBitmapButton* m_pClose = nullptr;
    CMyBitmapButton* m_pRestore = nullptr;
    CMyBitmapButton* m_pCloseMinimised = nullptr;
    uint8_t m_nTool = TOOL_SELECT;
    bool m_bMinimised = false;
};
