// The effect properties dialog: how many frames an effect runs, from which frame, the person's
// own value, and whether the object stays on screen after the effect's last frame. Test plays
// the effect on a sample ellipse in the dialog's preview panel until Stop. The caller sets the
// values (and the kind's type and parameters, for the preview), runs the dialog and takes the
// values back only when it ended with Accepted.
#pragma once

#include "editor/skin/skin.h"

#include <QImage>

#include <cstdint>
#include <vector>

class CProjectDoc;
class QLineEdit;
class QTimer;

// Control numbers.
constexpr int IDC_EP_DURATION_COPY = 1003;
constexpr int IDC_EP_USER_VALUE = 1005;
constexpr int IDC_EP_START = 1033;
constexpr int IDC_EP_DURATION = 1093;
constexpr int IDC_EP_OFFSCREEN = 1209;
constexpr int IDC_EP_ONSCREEN = 1210;
constexpr int IDC_EP_TEST = 1211;
constexpr int IDC_EP_STOP = 1213;
constexpr int IDC_EP_OK = 1;
constexpr int IDC_EP_CANCEL = 2;

// The preview timer and its period.
constexpr int IDT_EP_PREVIEW = 6668;
constexpr int kEffectPreviewPeriodMs = 100;

// Ranges of the fields. A start and a duration at their limits still add up in 32 bits.
constexpr int32_t kMinEffectDuration = 1;
constexpr int32_t kMaxEffectDuration = 100000;
constexpr int32_t kMinEffectStart = 0;
constexpr int32_t kMaxEffectStart = 1000000;

class CEffectPropertiesDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // pDoc is the project the preview is shown in (not owned; none: Test does nothing).
    // Without bEditable the duration field cannot be typed into.
    CEffectPropertiesDlg(CProjectDoc* pDoc, bool bEditable, QWidget* parent);
    ~CEffectPropertiesDlg() override;

    // The values: set before the dialog is shown, read after Accepted (the copy of the
    // duration is shown only, never read back).
    int32_t m_nDuration = 1;
    int32_t m_nStartFrame = 0;
    int32_t m_nUserValue = 0;
    int32_t m_nDurationCopy = 1;
    bool m_bOffScreen = false;
    // The kind the preview plays.
    int32_t m_nType = -1;
    float m_fP1 = 0.0f;
    float m_fP2 = 0.0f;
    float m_fP3 = 0.0f;

    // For tests: the fields by control number, the buttons, the preview.
    QLineEdit* Field(int nId) const;
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    bool IsPreviewRunning() const { return m_bPreviewRunning; }
    // The last picture of the preview (null before the first), 208 x 156, and where the panel
    // is in the dialog.
    const QImage& PreviewImage() const { return m_preview; }
    static QRect PreviewRect();

    // Closing (OK, Cancel, Escape) stops a running preview first.
    void done(int result) override;

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct CField {
        int nId;
        QLineEdit* pEdit;
        int32_t* pValue;
        int32_t nMin;
        int32_t nMax;
        const char* pszName;
        bool bReadBack;
    };

    void Open();
    void OnOK();
    void StartPreview();
    void StopPreview();
    void OnPreviewTick();
    void ShowScreenChoice();
    // Reads every field that is read back; false (the person told why, the first wrong field
    // focused) when one is not a whole number in its range.
    bool ReadFields(std::vector<int32_t>& values);
    const CField* FindField(int nId) const;

    CProjectDoc* m_pDoc;
    bool m_bEditable;
    std::vector<CField> m_fields;
    QTimer* m_pTimer; // child "6668"
    bool m_bPreviewRunning = false;
    bool m_bDrawing = false;
    bool m_bOpened = false;
    QImage m_preview;
};
