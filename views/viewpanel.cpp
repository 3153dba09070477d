#include "views/viewpanel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// A view's panel to assistive technology: its caption as its name, and what
// it shows as its description.
class AccessibleViewPanel : public QAccessibleWidget {
public:
    explicit AccessibleViewPanel(ViewPanel *panel) : QAccessibleWidget(panel, QAccessible::Pane) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description)
            return static_cast<const ViewPanel *>(widget())->description();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *AccessibleViewPanelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ViewPanel") && object && object->isWidgetType())
        return new AccessibleViewPanel(static_cast<ViewPanel *>(object));
    return nullptr;
}

} // namespace

ViewPanel::ViewPanel(QWidget *page, const QString &objectName) : QFrame(page)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(AccessibleViewPanelFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
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
