#pragma once

#include "model/geometry.h"

#include <QFrame>

// The black panel of one view: 741 x 484 pixels with a 1-pixel raised bevel,
// never resized. Pictures, labels and drawing layers are its children.
class ViewPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr QSize LayoutSize{741, 484};

    ViewPanel(QWidget *page, const QString &objectName);

    Size panelSize() const { return {width(), height()}; }

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
