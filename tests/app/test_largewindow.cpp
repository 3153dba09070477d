// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at any size: the views scaled to fit and still the same
// views underneath, the user's hands working on them at every scale, the
// Stats page using the room, the control panel at its corner, full screen,
// and the window's place remembered.
#include "app/animationclock.h"
#include "support/apptest.h"
#include "support/userinput.h"
#include "views/backdrop.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/moonphase.h"
#include "views/pageholder.h"
#include "views/picture.h"
#include "views/viewdecor.h"
#include "views/viewpanel.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>
#include <array>
#include <cmath>
#include <map>

namespace {

// Tabs that give a scale of 2 exactly, and a scale of 1092 / 741 (the width
// decides it).
constexpr QSize TabAtTwo{741 * 2 + 8, 484 * 2 + 4};
constexpr QSize TabAtAFraction{1100, 800};

std::array<ViewPanel *, 5> Panels(TForm1 &form)
{
    return {form.AllPanel, form.InnerPanel, form.OuterPanel, form.FarPanel, form.MoonPanel};
}

std::map<QString, QRect> PlacesOnTheViews(TForm1 &form)
{
    std::map<QString, QRect> places;
    for (ViewPanel *panel : Panels(form)) {
        for (QWidget *child : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            places[child->objectName()] = panel->placeOf(child);
    }
    return places;
}

bool IsOverlayRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

} // namespace

class TestLargeWindow : public AppTest {
    Q_OBJECT

    // The window resized so that its tabs have this size.
    void resizeTabsTo(QSize tab)
    {
        const QSize now = form().TabbedNotebook1->currentWidget()->size();
        form().resize(form().size() + (tab - now));
        QTRY_COMPARE(form().TabbedNotebook1->currentWidget()->size(), tab);
    }

private slots:
    void init() { startApp(); }
    void cleanup()
    {
        QGuiApplication::clipboard()->clear();
        stopApp();
    }

    void scaleIsTheLargestThatFits_data()
    {
        QTest::addColumn<QSize>("tab");
        QTest::addColumn<qreal>("scale");
        // At the smallest window, the views stand as they always did.
        QTest::newRow("smallest") << PageHolder::SmallestTab << qreal(1);
        QTest::newRow("wider only") << QSize(1600, 488) << qreal(1);
        QTest::newRow("twice") << TabAtTwo << qreal(2);
        QTest::newRow("width decides") << TabAtAFraction << qreal(1092) / 741;
        QTest::newRow("height decides") << QSize(1900, 728) << qreal(724) / 484;
        // 1080p less a title bar, the menus and the tabs.
        QTest::newRow("full HD") << QSize(1920, 1008) << qreal(1004) / 484;
        QTest::newRow("4K full screen") << QSize(3840, 2110) << qreal(2106) / 484;
    }
    void scaleIsTheLargestThatFits()
    {
        QFETCH(QSize, tab);
        QFETCH(qreal, scale);
        QCOMPARE(PageHolder::ScaleFor(tab), scale);
    }

    // A view's backdrop is copied onto the window's picture, its clear
    // pixels showing black, where a picture with transparency has the panel
    // filled black and the backdrop blended over it: the same pixels, at
    // every scale and on every view, with the labels and names beneath the
    // backdrop, the bevel and the overlays.
    void theBackdropIsCopiedToTheSamePixels_data()
    {
        QTest::addColumn<QSize>("tab");
        QTest::newRow("1") << PageHolder::SmallestTab;
        QTest::newRow("2") << TabAtTwo;
        QTest::newRow("1.47") << TabAtAFraction;
    }
    void theBackdropIsCopiedToTheSamePixels()
    {
        QFETCH(QSize, tab);
        showProgram();
        form().Showorbits1->trigger();
        form().Showhorizon1->trigger();
        if (tab != PageHolder::SmallestTab)
            resizeTabsTo(tab);
        QImage probe(1, 1, QImage::Format_RGB32);
        QPainter onOpaque(&probe);
        QVERIFY(ShowsClearAsBlack(onOpaque));
        for (int page = TForm1::AllPage; page <= TForm1::MoonPage; ++page) {
            clickTab(page);
            ViewPanel *panel = Panels(form())[std::size_t(page - TForm1::AllPage)];
            const QImage copied = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QImage blended(panel->size(), QImage::Format_ARGB32_Premultiplied);
            blended.fill(Qt::transparent);
            panel->render(&blended);
            QCOMPARE(copied, blended.convertToFormat(QImage::Format_RGB32));
        }
    }

    void viewsKeepTheirUnitsAtEveryScale_data()
    {
        QTest::addColumn<QSize>("tab");
        QTest::newRow("2") << TabAtTwo;
        QTest::newRow("1.47") << TabAtAFraction;
    }
    void viewsKeepTheirUnitsAtEveryScale()
    {
        QFETCH(QSize, tab);
        showProgram();
        form().Showhorizon1->trigger();
        const std::map<QString, QRect> atOne = PlacesOnTheViews(form());
        resizeTabsTo(tab);
        const qreal scale = PageHolder::ScaleFor(tab);
        // A page out of sight is laid out when it is shown.
        for (int page = TForm1::AllPage; page <= TForm1::MoonPage; ++page)
            clickTab(page);

        for (ViewPanel *panel : Panels(form())) {
            QCOMPARE(panel->scale(), scale);
            QCOMPARE(panel->size(),
                     QSize(int(std::lround(741 * scale)), int(std::lround(484 * scale))));
            // Centred in its tab, across and down (above the bottom strip).
            QWidget *holder = panel->parentWidget()->parentWidget();
            const QPoint at = panel->mapTo(holder, QPoint(0, 0));
            QVERIFY(std::abs(at.x() * 2 + panel->width() - holder->width()) <= 1);
            QVERIFY(std::abs(at.y() * 2 + panel->height() - (holder->height() - 4)) <= 1);
            for (QWidget *child : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QCOMPARE(child->geometry(), panel->scaled(panel->placeOf(child)));
        }
        // Nothing moved in the views' own units: the animation, the horizon
        // and the names work on exactly the numbers they always had.
        QCOMPARE(PlacesOnTheViews(form()), atOne);
        QCOMPARE(form().iSaturn->box().width, 30);
        // The degree labels' text is drawn at its scaled size.
        QCOMPARE(form().lblAll90Degrees->font().pixelSize(), int(std::lround(13 * scale)));

        // A day on, at this scale, the bodies go where they go at 1.
        form().Timer1Timer();
        const std::map<QString, QRect> movedLarge = PlacesOnTheViews(form());
        resizeTabsTo(PageHolder::SmallestTab);
        for (int page = TForm1::AllPage; page <= TForm1::MoonPage; ++page)
            clickTab(page);
        QCOMPARE(PlacesOnTheViews(form()), movedLarge);
        for (ViewPanel *panel : {form().AllPanel, form().MoonPanel}) {
            QCOMPARE(panel->geometry(), QRect(0, 0, 741, 484));
            for (QWidget *child : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QCOMPARE(child->geometry(), panel->placeOf(child));
        }
        QCOMPARE(form().lblAll90Degrees->font().pixelSize(), 13);
    }

    void linesKeepOneWidthAtAFractionalScale()
    {
        showProgram();
        resizeTabsTo(TabAtAFraction);
        const qreal scale = form().AllPanel->scale();
        const QImage shown = form().AllPanel->grab().toImage();
        // The frame's top line is the layer's row 20, the panel's row 21: at
        // this scale it covers ceil(scale) rows of device pixels in every
        // column, wherever the column falls.
        const int firstRow = int(std::floor(21 * scale));
        int columnsMeasured = 0;
        std::map<int, int> heights;
        for (int x = int(100 * scale); x < int(600 * scale); x += 3) {
            int height = 0;
            for (int y = firstRow - 2; y <= firstRow + 4; ++y)
                height += shown.pixel(x, y) == Yellow.rgba();
            if (height > 0) {
                ++heights[height];
                ++columnsMeasured;
            }
        }
        QVERIFY(columnsMeasured > 100);
        // A tick or a star may touch the line in a few columns.
        QVERIFY2(heights[int(std::ceil(scale))] >= columnsMeasured * 95 / 100,
                 qPrintable(QStringLiteral("%1 of %2 columns one width")
                                .arg(heights[int(std::ceil(scale))])
                                .arg(columnsMeasured)));
    }

    void handsWorkAtEveryScale_data() { viewsKeepTheirUnitsAtEveryScale_data(); }
    void handsWorkAtEveryScale()
    {
        QFETCH(QSize, tab);
        showProgram();
        resizeTabsTo(tab);
        ViewPanel *view = form().AllPanel;
        const qreal scale = view->scale();
        const auto onView = [&](Point unit) {
            return QPoint(int(std::lround((unit.x + 0.5) * scale)),
                          int(std::lround((unit.y + 0.5) * scale)));
        };

        // The name of a body under the pointer.
        QTest::mouseMove(user::WindowOf(view),
                         user::InWindow(view, onView(form().iSaturn->centre())));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Saturn"));

        // A double click on the sky starts the planets, another stops them.
        const QPoint sky = onView({300, 120});
        QCOMPARE(view->childAt(sky), form().imAllBack);
        user::DoubleClick(view, sky);
        QVERIFY(form().Timer1->enabled());
        user::DoubleClick(view, sky);
        QVERIFY(!form().Timer1->enabled());

        // The right-click menu copies the view as large as it is shown.
        QTest::mousePress(user::WindowOf(view), Qt::RightButton, {}, user::InWindow(view, sky));
        QTest::mouseRelease(user::WindowOf(view), Qt::RightButton, {}, user::InWindow(view, sky));
        QTRY_VERIFY(form().PopupMenu1->isVisible());
        user::Click(form().PopupMenu1,
                    form().PopupMenu1->actionGeometry(form().Copypicture2).center());
        QTRY_VERIFY(!QGuiApplication::clipboard()->image().isNull());
        QCOMPARE(QGuiApplication::clipboard()->image().size(), view->size());

        // The horizon, switched on from the control panel, is drawn where
        // its units say, scaled: every red pixel of the layer's picture is
        // red on the screen where the layer draws that unit, at
        // floor(unit * scale) from its corner.
        user::Click(panel().btnHorizon);
        QCOMPARE(form().HorizonShown, true);
        const Canvas &drawn = form().imAllBack->canvas();
        const QImage shown = view->grab().toImage();
        int checked = 0;
        for (int y = 30; y < drawn.height() - 30; y += 7) {
            for (int x = 30; x < drawn.width() - 30; ++x) {
                const QPoint at = form().imAllBack->mapTo(
                    view, QPoint(int(std::floor(x * scale)), int(std::floor(y * scale))));
                // Where no name or body stands above the layer.
                if (!IsOverlayRed(drawn.pixel(x, y)) || view->childAt(at) != form().imAllBack)
                    continue;
                QVERIFY2(IsOverlayRed(shown.pixel(at)),
                         qPrintable(QStringLiteral("unit (%1, %2)").arg(x).arg(y)));
                ++checked;
            }
        }
        QVERIFY(checked > 20);

        // The pointer from the Earth, on Inner Planets.
        clickTab(TForm1::InnerPage);
        user::Click(panel().btnPointer);
        QVERIFY(form().PointerShown);
        QVERIFY(CountPixels(form().imInnerBack->canvas()) > 0);

        // Assistive technology finds the view where the screen shows it.
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(form().InnerPanel);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Inner Planets"));
        QCOMPARE(accessible->rect(),
                 QRect(form().InnerPanel->mapToGlobal(QPoint(0, 0)), form().InnerPanel->size()));
        QAccessibleInterface *earth = QAccessible::queryAccessibleInterface(form().iInnerearth);
        QCOMPARE(earth->text(QAccessible::Name), QStringLiteral("Earth"));
        QCOMPARE(earth->rect().size(), form().iInnerearth->size());
    }

    void picturesComeFromARenditionFineEnough_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("times");
        QTest::newRow("1") << qreal(1) << 1;
        QTest::newRow("1.25") << qreal(1.25) << 2;
        QTest::newRow("2") << qreal(2) << 2;
        QTest::newRow("2 rounded") << qreal(2.0000000000001) << 2;
        QTest::newRow("2.07") << qreal(2.07) << 3;
        QTest::newRow("4") << qreal(4) << 4;
        QTest::newRow("4K full screen") << qreal(4.35) << 4;
        QTest::newRow("beyond") << qreal(9) << 4;
    }
    void picturesComeFromARenditionFineEnough()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, times);
        QCOMPARE(Picture::RenditionFor(ratio), times);
    }

    void everyPictureHasItsLargestRendition()
    {
        // At full screen on a 4K screen a view is shown 4.35 times its
        // size: from the 4x rendition, no picture is enlarged more than
        // 1.5 times.
        int pictures = 0;
        for (ViewPanel *panel : Panels(form())) {
            for (const Picture *picture : panel->findChildren<Picture *>()) {
                if (picture->resource().isEmpty())
                    continue;
                const QImage one(picture->resource());
                const QImage four(Picture::RenditionName(picture->resource(), 4));
                QVERIFY2(!four.isNull(), qPrintable(picture->resource()));
                QCOMPARE(four.size(), one.size() * 4);
                QVERIFY(4.35 * picture->box().width <= 1.5 * four.width());
                ++pictures;
            }
        }
        QVERIFY(pictures > 100);
        // The phase pictures, set while the program runs.
        for (int phase : {0, 15, 101})
            QVERIFY(QFile::exists(Picture::RenditionName(PhasePictureResource(phase), 4)));
    }

    void statsPageUsesTheRoom()
    {
        showProgram();
        clickTab(TForm1::StatsPage);
        QTableWidget *grid = form().StringGrid1;
        // At the smallest window the table scrolls sideways, as it always did.
        QTRY_VERIFY(grid->horizontalScrollBar()->isVisible());
        resizeTabsTo(QSize(1100, 700));
        QTRY_VERIFY(!grid->horizontalScrollBar()->isVisible());
        QCOMPARE(grid->columnViewportPosition(10) + grid->columnWidth(10) <=
                     grid->viewport()->width(),
                 true);

        // The calendar still opens from the date and sets it.
        user::Click(form().lblStatusDate);
        QTRY_VERIFY(form().MonthCalendar1->isVisible());
        const QDate before = form().MonthCalendar1->selectedDate();
        user::Key(form().MonthCalendar1, Qt::Key_Right);
        user::Key(form().MonthCalendar1, Qt::Key_Return);
        QCOMPARE(panel().DateTimePicker1->day(), before.addDays(1));
    }

    void controlPanelStaysAtTheCorner()
    {
        showProgram();
        const auto atCorner = [this] {
            return panel().pos() ==
                   QPoint(form().x() + 32, form().y() + form().height() - panel().height() - 24);
        };
        QVERIFY(atCorner());
        const QSize panelSize = panel().size();
        resizeTabsTo(TabAtAFraction);
        QTRY_VERIFY(atCorner());
        QCOMPARE(panel().size(), panelSize);

        // F11 fills the screen, and again gives back the window it was.
        const QRect before = form().geometry();
        user::Key(&form(), Qt::Key_F11);
        QTRY_VERIFY(form().isFullScreen());
        QVERIFY(form().Fullscreen1->isChecked());
        QTRY_VERIFY(atCorner());
        QVERIFY(panel().isVisible());
        user::Key(&form(), Qt::Key_F11);
        QTRY_VERIFY(!form().isFullScreen());
        QVERIFY(!form().Fullscreen1->isChecked());
        QTRY_COMPARE(form().geometry(), before);
        QTRY_VERIFY(atCorner());
    }

    void fullScreenWorksOnTheStatsPage()
    {
        // The File menu stays on while the others are off.
        showProgram();
        clickTab(TForm1::StatsPage);
        QVERIFY(form().File1->menuAction()->isEnabled());
        user::Key(&form(), Qt::Key_F11);
        QTRY_VERIFY(form().isFullScreen());
    }

    void windowPlaceIsRemembered_data()
    {
        QTest::addColumn<QString>("geometry");
        QTest::addColumn<QString>("maximised");
        QTest::addColumn<QPoint>("place"); // null: centred on the screen
        QTest::addColumn<QSize>("size");   // invalid: the smallest
        QTest::addColumn<bool>("expectMaximised");
        QTest::newRow("kept") << "100 60 1000 700"
                              << "false" << QPoint(100, 60) << QSize(1000, 700) << false;
        QTest::newRow("maximised") << "100 60 1000 700"
                                   << "true" << QPoint(100, 60) << QSize(1000, 700) << true;
        // A monitor that is gone: the size stays, the place is the middle.
        QTest::newRow("off every screen") << "3000 2000 900 600"
                                          << "false" << QPoint() << QSize(900, 600) << false;
        QTest::newRow("too small") << "10 10 200 100"
                                   << "false" << QPoint(10, 10) << QSize() << false;
        QTest::newRow("not a place") << "ten ten"
                                     << "false" << QPoint() << QSize() << false;
        QTest::newRow("no size") << "10 10 0 -5"
                                 << "false" << QPoint() << QSize() << false;
        QTest::newRow("nothing stored") << QString() << QString() << QPoint() << QSize() << false;
    }
    void windowPlaceIsRemembered()
    {
        QFETCH(QString, geometry);
        QFETCH(QString, maximised);
        QFETCH(QPoint, place);
        QFETCH(QSize, size);
        QFETCH(bool, expectMaximised);
        stopApp();
        QMap<QString, QString> stored;
        if (!geometry.isNull())
            stored[QStringLiteral("Window/geometry")] = geometry;
        if (!maximised.isNull())
            stored[QStringLiteral("Window/maximised")] = maximised;
        startApp(QDate(2026, 12, 7), stored);
        QCOMPARE(form().isMaximized(), expectMaximised);
        const QRect shown = expectMaximised ? form().normalGeometry() : form().geometry();
        QCOMPARE(shown.size(),
                 size.isValid() ? size.expandedTo(form().minimumSize()) : form().minimumSize());
        if (!place.isNull()) {
            QCOMPARE(shown.topLeft(), place);
        } else {
            const QRect frame = form().frameGeometry();
            QCOMPARE(frame.x(), 1280 / 2 - frame.width() / 2);
            QCOMPARE(frame.y(), 1024 / 2 - frame.height() / 2);
        }
        // The control panel opens at the window's corner, wherever that is.
        showProgram();
        QTRY_COMPARE(panel().pos(),
                     QPoint(form().x() + 32, form().y() + form().height() - panel().height() - 24));
    }

    void windowPlaceIsSavedAtTheEnd()
    {
        showProgram();
        form().setGeometry(QRect(120, 80, 1100, 760));
        user::Key(&form(), Qt::Key_F11);
        QTRY_VERIFY(form().isFullScreen());
        form().Exit1->trigger();
        // The place it returns to, and that it was full screen.
        QCOMPARE(platform->preferences.value(QStringLiteral("Window/geometry")),
                 QStringLiteral("120 80 1100 760"));
        QCOMPARE(platform->preferences.value(QStringLiteral("Window/fullScreen")),
                 QStringLiteral("true"));
        QCOMPARE(platform->preferences.value(QStringLiteral("Window/maximised")),
                 QStringLiteral("false"));

        // The next start opens full screen; F11 gives back that place.
        const QMap<QString, QString> stored = platform->preferences;
        stopApp();
        startApp(QDate(2026, 12, 7), stored);
        showProgram();
        QVERIFY(form().isFullScreen());
        user::Key(&form(), Qt::Key_F11);
        QTRY_COMPARE(form().size(), QSize(1100, 760));
        // The offscreen platform may add its frame to a place it never showed.
        QVERIFY((form().pos() - QPoint(120, 80)).manhattanLength() <= 4);
    }
};

QTEST_MAIN(TestLargeWindow)
#include "test_largewindow.moc"
