// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/viewpanel.h"

#include "views/backdrop.h"

#include <QAccessibleWidget>
#include <QChildEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

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
    // Black is painted here, where the backdrop does not paint it itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

void ViewPanel::setScale(qreal scale)
{
    if (scale <= 0 || scale == m_scale)
        return;
    // Every child's place in units, taken before anything moves.
    QHash<const QObject *, QRect> places;
    const QList<QWidget *> children = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *child : children)
        places.insert(child, placeOf(child));
    m_scale = scale;
    setFixedSize(scaled(QRect(QPoint(0, 0), LayoutSize)).size());
    setLineWidth(std::max(1, int(std::lround(scale))));
    for (QWidget *child : children)
        applyPlace(child, places.value(child));
    if (scale == 1)
        m_places.clear();
    else
        m_places = std::move(places);
}

QRect ViewPanel::placeOf(const QWidget *child) const
{
    if (m_scale == 1)
        return child->geometry();
    return m_places.value(child, child->geometry());
}

void ViewPanel::placeChild(QWidget *child, QPoint topLeft)
{
    if (m_scale == 1) {
        child->move(topLeft);
        return;
    }
    const QRect units(topLeft, placeOf(child).size());
    m_places.insert(child, units);
    applyPlace(child, units);
}

QRect ViewPanel::scaled(const QRect &units) const
{
    if (m_scale == 1)
        return units;
    const auto at = [this](int unit) { return int(std::lround(unit * m_scale)); };
    return QRect(
        QPoint(at(units.left()), at(units.top())),
        QPoint(at(units.left() + units.width()) - 1, at(units.top() + units.height()) - 1));
}

void ViewPanel::applyPlace(QWidget *child, const QRect &units)
{
    const QRect shown = scaled(units);
    // Children are made at fixed sizes; a new scale gives them new ones.
    if (child->minimumSize() == child->maximumSize())
        child->setFixedSize(shown.size());
    child->setGeometry(shown);
}

void ViewPanel::childEvent(QChildEvent *event)
{
    if (event->removed())
        m_places.remove(event->child());
    QFrame::childEvent(event);
}

void ViewPanel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        QRegion black = event->region();
        if (m_backdrop && ShowsClearAsBlack(painter))
            black -= BackdropArea(m_backdrop);
        for (const QRect &part : black)
            painter.fillRect(part, palette().window());
    }
    // The bevel.
    QFrame::paintEvent(event);
}

void ViewPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Pictures and panels have no double-click of their own; the main window
    // must not take theirs for its own.
    event->accept();
}
