// The main toolbar: the column at the left of the editor with five set buttons whose faces and
// commands change with the button set, the set switch, and the player buttons with the frame
// counter that take the set buttons' place during playback.
#pragma once

#include "editor/skin/skin.h"

#include <QLabel>
#include <QTimer>

#include <array>

class CPlaybackController;

// Command numbers of the toolbar's own buttons.
constexpr int ID_MTB_SET1 = 1232;
constexpr int ID_MTB_SET2 = 1228;
constexpr int ID_MTB_SET3 = 1229;
constexpr int ID_MTB_SET4 = 1230;
constexpr int ID_MTB_SET5 = 1231;
constexpr int ID_MTB_CHANGE = 1233;
constexpr int IDC_MTB_FRAME = 1247;

// What a set button does in a set, beyond the editor's own commands.
constexpr int ID_LIBRARY_PAGE1 = -1; // library browser pages 1 to 4: -1 ... -4
constexpr int ID_PLAY_FROM_TOOLBAR = -10;

class CMainToolbar : public CSkinnedWidget {
    Q_OBJECT
public:
    static constexpr int kSetButtons = 5;
    static constexpr int kSets = 3;

    explicit CMainToolbar(QWidget* parent);

    int GetSet() const { return m_nSet; }
    // The set switch: 0 -> 1 -> 2 -> 0; the set buttons take the faces and tooltips of the set.
    void ChangeSet();
    void SetSet(int nSet);
    // The editor command of set button i (0 to 4) in the current set.
    int SetButtonCommand(int i) const;
    static int SetButtonCommand(int nSet, int i);
    // The index (0 to 4) of a set button's command number, -1 for any other.
    static int SetButtonIndex(int nId);

    // Playback: hides the set buttons and the switch and shows the player buttons and the frame
    // counter, or the other way round.
    void ShowPlayer(bool bShow);
    bool IsPlayerShown() const { return m_bPlayerShown; }
    // Takes the player's button enabling and frame counter.
    void RefreshPlayer(const CPlaybackController& controller);
    QString GetFrameText() const { return m_pFrame->text(); }

    // The set buttons' enabling: set 0 and 2 by the document state, set 1 by the state code.
    void Refresh(int nDocState, int nStateCode);
    // Whether an editor command is built and may be offered (the later tools are not).
    static bool IsCommandAvailable(int nCommand);

    // While set (it starts set), play from the toolbar starts continuous play at once.
    bool m_bAutoPlay = true;

    // The star in the toolbar's pocket twinkles ("MTBS_ANI_1", "MTBS_ANI_2", ...) while the
    // greeting plays, and rests on its first picture otherwise.
    void SetTwinkling(bool bTwinkle);
    bool IsTwinkling() const { return m_twinkleClock.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void LoadSetFaces();

    int m_nSet = 0;
    bool m_bPlayerShown = false;
    int m_nDocState = 0;
    int m_nStateCode = 0;
    std::array<CMyBitmapButton*, kSetButtons> m_setButtons{};
    CMyBitmapButton* m_pChange = nullptr;
    std::vector<CMyBitmapButton*> m_playerButtons;
    QLabel* m_pFrame = nullptr;
    std::vector<QImage> m_twinkle;
    int m_nTwinkle = 0;
    QTimer m_twinkleClock;
};
