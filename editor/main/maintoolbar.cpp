#include "editor/main/maintoolbar.h"

#include "editor/main/editordlg.h"
#include "platform/resources.h"
#include "platform/strings.h"
#include "playback/controller.h"
#include "resources/faces.h"

#include <QPainter>

namespace {

constexpr int kSetIds[CMainToolbar::kSetButtons] = {ID_MTB_SET1, ID_MTB_SET2, ID_MTB_SET3,
                                                    ID_MTB_SET4, ID_MTB_SET5};
constexpr const char* kSetNames[CMainToolbar::kSetButtons] = {"mtb1", "mtb2", "mtb3", "mtb4",
                                                              "mtb5"};

constexpr int kSetCommands[CMainToolbar::kSets][CMainToolbar::kSetButtons] = {
    {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SENDMAIL, ID_PLAY_FROM_TOOLBAR},
    {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_EDIT_REDO},
    {ID_LIBRARY_PAGE1, ID_LIBRARY_PAGE1 - 1, ID_LIBRARY_PAGE1 - 2, ID_LIBRARY_PAGE1 - 3,
     ID_VIEW_TOOLBOX}};

constexpr int kSetTips[CMainToolbar::kSets][CMainToolbar::kSetButtons] = {
    {10010, 10011, 10012, 10013, 10014},
    {10015, 10016, 10017, 10018, 10034},
    {10035, 10036, 10037, 10086, 10038}};

struct PlayerButton {
    const char* szName;
    int nId;
    int nTip;
};
constexpr PlayerButton kPlayerButtons[] = {
    {"mtbp1", ID_PLAYER_PLAY, 10040},  {"mtbp2", ID_PLAYER_PAUSE, 10041},
    {"mtbp3", ID_PLAYER_STOP, 10079},  {"mtbp4", ID_PLAYER_FIRST, 10091},
    {"mtbp5", ID_PLAYER_PREVIOUS, 10091}, {"mtbp6", ID_PLAYER_NEXT, 10092},
    {"mtbp7", ID_PLAYER_LAST, 10092},  {"mtbp8", ID_PLAYER_CLOSE, 10093}};

// The parts of a state code: the selection base (0, 11 or 12) and the three flags.
struct StateParts {
    int nBase = 0;
    bool bClipboard = false;
    bool bUndo = false;
    bool bRedo = false;
};

StateParts DecodeStateCode(int nCode)
{
    for (int base : {0, 11, 12})
        for (int clip = 0; clip < 2; ++clip)
            for (int undo = 0; undo < 2; ++undo)
                for (int redo = 0; redo < 2; ++redo)
                    if (base + 21 * clip + 3 * undo + 5 * redo == nCode)
                        return {base, clip != 0, undo != 0, redo != 0};
    return {};
}

// The pocket of the twinkling star on the face, and the pace of its pictures.
constexpr QPoint kPocket(10, 76);
constexpr int kTwinkleMs = 150;

} // namespace

CMainToolbar::CMainToolbar(QWidget* parent) : CSkinnedWidget("MAIN_TOOLBAR", false, parent)
{
    setAccessibleName(tr("Toolbar"));
    const std::vector<faces::ToolbarSetButton>& places = faces::ToolbarSetButtons();
    for (int i = 0; i < kSetButtons; ++i) {
        QPoint pt(35, i < 4 ? 232 + i * 57 : 459);
        for (const faces::ToolbarSetButton& place : places)
            if (place.strName == kSetNames[i])
                pt = place.pt;
        // The dialog item's own faces are the set faces: the text alone names none.
        m_setButtons[i] = Bind(m_skin.AddButton("", kSetIds[i], pt));
        m_setButtons[i]->resize(23, 23);
    }
    m_pChange = Bind(m_skin.AddButton("mtbchange", ID_MTB_CHANGE, 10039));
    for (const PlayerButton& button : kPlayerButtons) {
        CMyBitmapButton* pButton = Bind(m_skin.AddButton(button.szName, button.nId, button.nTip));
        pButton->hide();
        m_playerButtons.push_back(pButton);
    }
    m_pFrame = new QLabel(this);
    m_pFrame->setObjectName("frame");
    m_pFrame->setGeometry(14, 182, 72, 22);
    m_pFrame->setAlignment(Qt::AlignCenter);
    m_pFrame->setStyleSheet("QLabel { color: #4a2545; background: transparent; font: bold 13px "
                            "\"Arial\"; }");
    m_pFrame->setText("0");
    m_pFrame->hide();
    LoadSetFaces();
    for (int n = 1;; ++n) {
        QImage frame
            = platform::LoadResBitmap("MTBS_ANI_" + std::to_string(n), devicePixelRatioF());
        if (frame.isNull())
            break;
        m_twinkle.push_back(std::move(frame));
    }
    m_twinkleClock.setInterval(kTwinkleMs);
    connect(&m_twinkleClock, &QTimer::timeout, this, [this] {
        m_nTwinkle = (m_nTwinkle + 1) % static_cast<int>(m_twinkle.size());
        update(QRect(kPocket, QSize(80, 80)));
    });
}

void CMainToolbar::SetTwinkling(bool bTwinkle)
{
    if (bTwinkle == m_twinkleClock.isActive() || m_twinkle.empty())
        return;
    if (bTwinkle) {
        m_twinkleClock.start();
    } else {
        m_twinkleClock.stop();
        m_nTwinkle = 0;
        update(QRect(kPocket, QSize(80, 80)));
    }
}

void CMainToolbar::paintEvent(QPaintEvent* event)
{
    CSkinnedWidget::paintEvent(event);
    if (m_twinkle.empty())
        return;
    QPainter painter(this);
    painter.drawImage(kPocket, m_twinkle[m_nTwinkle]);
}

int CMainToolbar::SetButtonCommand(int nSet, int i)
{
    if (nSet < 0 || nSet >= kSets || i < 0 || i >= kSetButtons)
        return 0;
    return kSetCommands[nSet][i];
}

int CMainToolbar::SetButtonCommand(int i) const
{
    return SetButtonCommand(m_nSet, i);
}

int CMainToolbar::SetButtonIndex(int nId)
{
    for (int i = 0; i < kSetButtons; ++i)
        if (kSetIds[i] == nId)
            return i;
    return -1;
}

void CMainToolbar::ChangeSet()
{
    SetSet((m_nSet + 1) % kSets);
}

void CMainToolbar::SetSet(int nSet)
{
    m_nSet = ((nSet % kSets) + kSets) % kSets;
    LoadSetFaces();
    Refresh(m_nDocState, m_nStateCode);
}

void CMainToolbar::LoadSetFaces()
{
    for (int i = 0; i < kSetButtons; ++i) {
        m_setButtons[i]->LoadFaces(kSetNames[i] + std::to_string(m_nSet + 1));
        m_skin.ToolTip()->UpdateTipText(m_setButtons[i],
                                        platform::LoadResString(kSetTips[m_nSet][i]));
    }
}

void CMainToolbar::ShowPlayer(bool bShow)
{
    m_bPlayerShown = bShow;
    for (CMyBitmapButton* button : m_setButtons)
        button->setVisible(!bShow);
    m_pChange->setVisible(!bShow);
    for (CMyBitmapButton* button : m_playerButtons)
        button->setVisible(bShow);
    m_pFrame->setVisible(bShow);
    if (!bShow) {
        m_pFrame->setText("0");
        SetTwinkling(false);
    }
}

void CMainToolbar::RefreshPlayer(const CPlaybackController& controller)
{
    for (CMyBitmapButton* button : m_playerButtons)
        button->setEnabled(button->GetId() == ID_PLAYER_CLOSE ||
                           controller.IsEnabled(button->GetId()));
    SetTwinkling(controller.IsPlayerMode() &&
                 controller.GetPlayState() == CPlaybackController::statePlaying);
    const QString text = QString::fromStdString(controller.GetFrameText());
    if (m_pFrame->text() != text)
        m_pFrame->setText(text);
}

bool CMainToolbar::IsCommandAvailable(int nCommand)
{
    switch (nCommand) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE:
    case ID_FILE_SENDMAIL:
    case ID_PLAY_FROM_TOOLBAR:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
    case ID_VIEW_TOOLBOX:
    case ID_LIBRARY_PAGE1:
    case ID_LIBRARY_PAGE1 - 1:
    case ID_LIBRARY_PAGE1 - 2:
    case ID_LIBRARY_PAGE1 - 3:
        return true;
    default:
        return false;
    }
}

void CMainToolbar::Refresh(int nDocState, int nStateCode)
{
    m_nDocState = nDocState;
    m_nStateCode = nStateCode;
    const StateParts parts = DecodeStateCode(nStateCode);
    for (int i = 0; i < kSetButtons; ++i) {
        const int command = SetButtonCommand(i);
        bool bEnable = false;
        switch (command) {
        case ID_FILE_NEW:
        case ID_FILE_OPEN:
            bEnable = true;
            break;
        case ID_EDIT_CUT:
        case ID_EDIT_COPY:
            bEnable = parts.nBase == 12;
            break;
        case ID_EDIT_PASTE:
            bEnable = parts.bClipboard;
            break;
        case ID_EDIT_UNDO:
            bEnable = parts.bUndo;
            break;
        case ID_EDIT_REDO:
            bEnable = parts.bRedo;
            break;
        default:
            bEnable = nDocState != 0;
            break;
        }
        m_setButtons[i]->setEnabled(bEnable && IsCommandAvailable(command));
    }
}
