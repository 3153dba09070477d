// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/pageholder.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

// Today's strips round the page: four pixels on either side, four below.
constexpr int SideStrip = (PageHolder::SmallestTab.width() - PageHolder::SmallestPage.width()) / 2;
constexpr int BottomStrip = PageHolder::SmallestTab.height() - PageHolder::SmallestPage.height();

} // namespace

PageHolder::PageHolder(Kind kind, std::function<void(qreal, QSize)> fit)
    : m_kind(kind), m_fit(std::move(fit))
{
}

void PageHolder::hold(QWidget *page)
{
    m_page = page;
    page->setParent(this);
    layOut();
}

qreal PageHolder::ScaleFor(QSize tab)
{
    const qreal across = qreal(tab.width() - 2 * SideStrip) / SmallestPage.width();
    const qreal down = qreal(tab.height() - BottomStrip) / SmallestPage.height();
    return std::max<qreal>(1, std::min(across, down));
}

void PageHolder::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void PageHolder::layOut()
{
    if (!m_page)
        return;
    // Before the window is first laid out the tab may have any size; it is
    // never smaller than this once shown.
    const QSize tab = size().expandedTo(SmallestTab);
    const bool grown = tab != SmallestTab;
    if (m_kind == Kind::Growing) {
        const QSize room(tab.width() - 2 * SideStrip, tab.height() - BottomStrip);
        m_page->setGeometry(QRect(QPoint(SideStrip, 0), room));
        m_fit(1, room);
        return;
    }
    // A larger view stands on black; at the smallest size the strips are
    // the notebook's, as they always were.
    setAutoFillBackground(grown);
    if (grown) {
        QPalette black = palette();
        black.setColor(QPalette::Window, Qt::black);
        setPalette(black);
    }
    const qreal scale = ScaleFor(tab);
    const QSize shown(int(std::lround(SmallestPage.width() * scale)),
                      int(std::lround(SmallestPage.height() * scale)));
    const int left = (tab.width() - shown.width()) / 2;
    const int top = (tab.height() - BottomStrip - shown.height()) / 2;
    m_page->setGeometry(QRect(QPoint(left, top), shown));
    m_fit(scale, shown);
}
