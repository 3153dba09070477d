#pragma once

#include "model/geometry.h"

#include <QFrame>
#include <functional>

// The black panel of one view: 741 x 484 pixels with a 1-pixel raised bevel,
// never resized. Pictures, labels and drawing layers are its children.
class ViewPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr QSize LayoutSize{741, 484};

    ViewPanel(QWidget *page, const QString &objectName);

    Size panelSize() const { return {width(), height()}; }

    // What the view shows, for assistive technology; asked for each time a
    // screen reader asks, so that it is never out of date.
    void setDescriber(std::function<QString()> describer) { m_describer = std::move(describer); }
    QString description() const { return m_describer ? m_describer() : QString(); }

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::function<QString()> m_describer;
};
