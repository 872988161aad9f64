// The placed-object properties dialog: the position and size of a picture or clip on the
// stage, with a preview of the stage that shows the object where the fields put it. The caller
// sets the values, runs the dialog and takes them back only when it ended with Accepted.
#pragma once

#include "editor/skin/skin.h"
#include "platform/types.h"

#include <QImage>
#include <QTimer>

#include <cstdint>
#include <string>
#include <vector>

class CLayer;
class CProjectDoc;
class QLineEdit;

// Control numbers.
constexpr int IDC_PP_X = 1003;
constexpr int IDC_PP_Y = 1004;
constexpr int IDC_PP_WIDTH = 1007;
constexpr int IDC_PP_HEIGHT = 1010;
constexpr int IDC_PP_OK = 1;
constexpr int IDC_PP_CANCEL = 2;

// The preview timer and its period.
constexpr int IDT_PP_PREVIEW = 6667;
constexpr int kPreviewPeriodMs = 100;

// Ranges of the fields, stage units.
constexpr int32_t kMinPlacedPos = -8000;
constexpr int32_t kMaxPlacedPos = 8000;
constexpr int32_t kMinPlacedSize = 1;
constexpr int32_t kMaxPlacedSize = 8000;

class CPlacedPropertiesDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // strTitle is lettered in the face's caption area. pDoc and pLayer are the
    // project and the object whose stage is previewed, not owned. Without a project there is no
    // preview; without an object the stage shows as it is.
    CPlacedPropertiesDlg(
        const std::string& strTitle, CProjectDoc* pDoc, CLayer* pLayer, QWidget* parent);
    ~CPlacedPropertiesDlg() override;

    // Position (stage units) and size: set before the dialog is shown, read after Accepted.
    int32_t m_nX = 0;
    int32_t m_nY = 0;
    int32_t m_nWidth = 1;
    int32_t m_nHeight = 1;

    const std::string& GetTitle() const { return m_strTitle; }
    // The preview panel in window coordinates, and the last picture drawn into it (null before
    // the first).
    static QRect PreviewRect();
    const QImage& PreviewImage() const { return m_preview; }
    bool IsPreviewRunning() const { return m_pTimer->isActive(); }
    // The fields, for tests: IDC_PP_X, IDC_PP_Y, IDC_PP_WIDTH or IDC_PP_HEIGHT.
    QLineEdit* Field(int nId) const;
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }

    void done(int result) override;

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct CField {
        int nId;
        QLineEdit* pEdit;
        int32_t* pValue;
        int32_t nMin;
        int32_t nMax;
        const char* pszName;
    };

    void Open();
    void OnOK();
    // The whole number in the field when it lies in the field's range or is the value given.
    static bool ReadField(const CField& field, int32_t* pValue);
    // Draws the stage with the object at the typed place and size; the object's own values are
    // back before this returns.
    void RenderPreview();
    void LetterTitle(QImage& image);

    std::string m_strTitle;
    CProjectDoc* m_pDoc;
    CLayer* m_pLayer;
    std::vector<CField> m_fields;
    QTimer* m_pTimer; // child "6667"
    QImage m_preview;
};
