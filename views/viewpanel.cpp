#include "views/viewpanel.h"

#include <QMouseEvent>

ViewPanel::ViewPanel(QWidget *page, const QString &objectName) : QFrame(page)
{
    setObjectName(objectName);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setGeometry(QRect(QPoint(0, 0), LayoutSize));
    setFixedSize(LayoutSize);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

void ViewPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Pictures and panels have no double-click of their own; the main window
    // must not take theirs for its own.
    event->accept();
}
