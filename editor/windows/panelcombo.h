// A drop-down choice that sits on a recessed panel of a window face: the chosen item's text in
// the face's ink, cut short with an ellipsis where it does not fit, a small chevron at the right
// and the coral ring of the look while it holds the keys. The list that drops down is Qt's own.
#pragma once

#include <QComboBox>

class CPanelComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CPanelComboBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
