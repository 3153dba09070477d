// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The views on high-density screens: one width for every line at fractional
// ratios, and pictures that follow a window to a screen of another density.
// Runs on two offscreen screens, of ratio 1 and of ratio 2.
#include "app/pagepicture.h"
#include "support/apptest.h"
#include "views/drawinglayer.h"
#include "views/picture.h"
#include "views/viewdecor.h"
#include "views/viewpage.h"
#include "views/viewpanel.h"

#include <QScreen>
#include <QTest>
#include <cmath>
#include <compare>
#include <set>

namespace {

bool IsYellow(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == Yellow.rgba();
}

// The frame's top line runs along panel row 21 (the layer's row 20, inside
// the bevel) from column 21 to 720. The zodiac's ticks meet it from above,
// and a star or a picture may touch it: the columns measured are those in
// which, at ratio 1, nothing but the line is yellow near it, in the column
// and in both its neighbours.
constexpr int FrameRow = 21;

std::vector<int> ColumnsOfTheLineAlone(const QImage &atOne)
{
    std::vector<int> columns;
    for (int x = 23; x <= 718; ++x) {
        bool alone = true;
        for (int column = x - 1; column <= x + 1 && alone; ++column)
            for (int y = FrameRow - 3; y <= FrameRow + 3; ++y)
                alone = alone && IsYellow(atOne, column, y) == (y == FrameRow);
        if (alone)
            columns.push_back(x);
    }
    return columns;
}

struct Run {
    int top = -1;
    int height = 0;
    friend auto operator<=>(const Run &, const Run &) = default;
};

// The yellow run of device rows near the frame line in one logical column.
Run LineAt(const QImage &image, int logicalColumn)
{
    const qreal ratio = image.devicePixelRatio();
    const int column = int((logicalColumn + 0.5) * ratio);
    Run run;
    // Rows that lie inside the clear rows round the line, even where their
    // neighbours' pixels spread over a device pixel.
    const int first = int(std::ceil((FrameRow - 2) * ratio));
    const int last = int(std::floor((FrameRow + 3) * ratio));
    for (int y = first; y < last; ++y) {
        if (!IsYellow(image, column, y))
            continue;
        if (run.top < 0)
            run.top = y;
        ++run.height;
    }
    return run;
}

std::set<Run> LineRuns(const QImage &image, const std::vector<int> &columns)
{
    std::set<Run> runs;
    for (const int x : columns)
        runs.insert(LineAt(image, x));
    return runs;
}

QScreen *Screen(const char *name)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name))
            return screen;
    return nullptr;
}

// The pixels of a body picture on a grab of its panel, where the picture is
// opaque, against the picture's own file.
bool ShowsPicture(const QImage &panel, const Picture &picture, const QString &file)
{
    const QImage expected = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qreal ratio = panel.devicePixelRatio();
    const QPoint origin = picture.pos() * ratio;
    if (expected.size() != picture.size() * ratio)
        return false;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (qAlpha(expected.pixel(x, y)) == 255 &&
                panel.pixel(origin + QPoint(x, y)) != expected.pixel(x, y))
                return false;
    return true;
}

} // namespace

class TestHighDensity : public AppTest {
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void everyViewsFrameLineKeepsOneWidth_data()
    {
        QTest::addColumn<View>("view");
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.25, 1.5, 1.75, 2.0})
            for (const View view : AllViews)
                QTest::addRow("view %d at %g", int(view), ratio) << view << ratio;
    }
    void everyViewsFrameLineKeepsOneWidth()
    {
        QFETCH(View, view);
        QFETCH(qreal, ratio);
        const ViewPage &page = form().page(view);
        const qreal screenRatio = page.under->canvas().ratio();
        const QImage atOne = ViewPicture(page, 1);
        const std::vector<int> columns = ColumnsOfTheLineAlone(atOne);
        QVERIFY2(columns.size() > 600, "the frame line is hidden");
        QCOMPARE(LineRuns(atOne, columns), (std::set<Run>{{FrameRow, 1}}));

        const QImage dense = ViewPicture(page, ratio);
        QCOMPARE(dense.width(), int(std::ceil(741 * ratio)));
        const std::set<Run> runs = LineRuns(dense, columns);
        QCOMPARE(runs.size(), std::size_t(1));
        QCOMPARE(runs.begin()->height, int(std::ceil(ratio)));
        QVERIFY(std::abs(runs.begin()->top - FrameRow * ratio) <= 1);
        // Rendering elsewhere leaves the screen's picture at the screen's ratio.
        QCOMPARE(page.under->canvas().ratio(), screenRatio);
    }

    void aWindowMovedToADenseScreenShowsItsPictures()
    {
        QScreen *const standard = Screen("standard");
        QScreen *const dense = Screen("dense");
        QVERIFY(standard && dense);
        TForm1 &window = form();
        window.show();
        window.move(standard->geometry().topLeft() + QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.devicePixelRatioF(), 1.0);

        const ViewPage &all = window.page(View::All);
        const QImage before = all.panel->grab().toImage();
        QCOMPARE(before.devicePixelRatio(), 1.0);
        const std::vector<int> columns = ColumnsOfTheLineAlone(before);
        QCOMPARE(LineRuns(before, columns), (std::set<Run>{{FrameRow, 1}}));
        QVERIFY(ShowsPicture(before, *window.iEarth, QStringLiteral(":/bodies/earth.png")));

        window.move(dense->geometry().topLeft() + QPoint(10, 10));
        QTRY_COMPARE(window.devicePixelRatioF(), 2.0);
        const QImage after = all.panel->grab().toImage();
        QCOMPARE(after.devicePixelRatio(), 2.0);
        QCOMPARE(LineRuns(after, columns), (std::set<Run>{{2 * FrameRow, 2}}));
        QCOMPARE(all.under->canvas().ratio(), 2.0);
        // The Earth from its @2x picture, not its small one made larger.
        QVERIFY(ShowsPicture(after, *window.iEarth, QStringLiteral(":/bodies/earth@2x.png")));
        const QImage enlarged =
            QImage(QStringLiteral(":/bodies/earth.png"))
                .scaled(window.iEarth->size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(enlarged !=
                QImage(QStringLiteral(":/bodies/earth@2x.png")).convertToFormat(enlarged.format()));

        // And back: the plain pictures again.
        window.move(standard->geometry().topLeft() + QPoint(10, 10));
        QTRY_COMPARE(window.devicePixelRatioF(), 1.0);
        const QImage back = all.panel->grab().toImage();
        QCOMPARE(LineRuns(back, columns), (std::set<Run>{{FrameRow, 1}}));
        QCOMPARE(all.under->canvas().ratio(), 1.0);
    }
};

QTEST_MAIN(TestHighDensity)
#include "test_highdensity.moc"
