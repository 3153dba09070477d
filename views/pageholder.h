// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

// A notebook tab holding one page. At the window's smallest size the page
// stands in the middle of the tab with a strip on either side, as it always
// has. A larger tab gives the page room:
// - a view is shown at the largest scale that fits and keeps its shape,
//   centred on black;
// - a growing page (the Stats table) takes all of the room.
class PageHolder : public QWidget {
    Q_OBJECT
public:
    // The tab at the window's smallest size, and the page in it.
    static constexpr QSize SmallestTab{749, 488};
    static constexpr QSize SmallestPage{741, 484};

    enum class Kind { View, Growing };
    // `fit` is told the page's scale (a view) or size (a growing page) each
    // time the tab's size changes it.
    PageHolder(Kind kind, std::function<void(qreal scale, QSize size)> fit);

    // The page; a child of the holder, placed by it from now on.
    void hold(QWidget *page);

    // The largest scale at which a view fits in a tab of this size; never
    // below 1.
    static qreal ScaleFor(QSize tab);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();

    Kind m_kind;
    std::function<void(qreal, QSize)> m_fit;
    QWidget *m_page = nullptr;
};
