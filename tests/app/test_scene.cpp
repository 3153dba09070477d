// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "dialogs/aboutbox.h"
#include "model/catalogue.h"
#include "support/apptest.h"
#include "support/userinput.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/picture.h"
#include "views/viewdecor.h"
#include "views/viewpanel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <limits>
#include <memory>

class TestScene : public AppTest {
    Q_OBJECT

private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void layersFillThePanelInsideItsBevel()
    {
        QVERIFY(form().findChild<QLabel *>("lblinner0Degrees"));
        QVERIFY(form().findChild<QLabel *>("lblFar180Degrees"));
        for (const auto &view : form().views()) {
            QCOMPARE(view.under->geometry(), QRect(1, 1, 739, 482));
            QCOMPARE(view.overlay->geometry(), QRect(1, 1, 739, 482));
            QCOMPARE(view.label0->size(), QSize(9, 16));
            QCOMPARE(view.label90->size(), QSize(17, 16));
            QCOMPARE(view.label180->size(), QSize(25, 16));
        }
        for (Picture *marker : {form().imAllPlanetsManPosn, form().imInnerManPosn,
                                form().imOuterManPosn, form().imFarManPosn}) {
            QCOMPARE(marker->size(), QSize(5, 5));
            QVERIFY(marker->isHidden());
        }
        QCOMPARE(form().imMoonPhases->size(), QSize(100, 100));
        QVERIFY(form().imMoonPhases->isHidden());
        // Stacking: on All Planets the "90" label lies between the layers.
        const QObjectList children = form().AllPanel->children();
        QVERIFY(children.indexOf(form().imAllUnder) < children.indexOf(form().lblAll90Degrees));
        QVERIFY(children.indexOf(form().lblAll90Degrees) < children.indexOf(form().imAllBack));
        QVERIFY(children.indexOf(form().lblAll0Degrees) < children.indexOf(form().imAllUnder));
        QVERIFY(children.indexOf(form().imAllBack) < children.indexOf(form().iSun));
    }

    void aViewRendersAsTheScreenShowsIt()
    {
        panel().show();
        user::Click(panel().btnHorizon);
        for (const ViewPage &view : form().views()) {
            QImage rendered(view.panel->size(), QImage::Format_ARGB32_Premultiplied);
            rendered.fill(Qt::white);
            QPainter painter(&rendered);
            view.render(painter);
            painter.end();
            QCOMPARE(rendered, view.panel->grab().toImage().convertToFormat(rendered.format()));
        }
        // The overlays come along: the horizon's red rays from the Earth.
        QImage all(form().AllPanel->size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&all);
        form().page(View::All).render(painter);
        painter.end();
        int red = 0;
        for (int y = 0; y < all.height(); ++y)
            for (int x = 0; x < all.width(); ++x)
                red += all.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY(red > 100);
    }

    void degreeLabelsFollowTheHemisphere()
    {
        QCOMPARE(form().lblAll90Degrees->pos(), QPoint(692, 234));
        QCOMPARE(form().lblMoon270Degrees->pos(), QPoint(32, 234));
        form().HemisphereSign = -1;
        form().RebuildScene(true);
        for (const auto &view : form().views()) {
            QCOMPARE(view.label0->pos(), QPoint(366, 32));
            QCOMPARE(view.label180->pos(), QPoint(358, 436));
            QCOMPARE(view.label90->pos(), QPoint(32, 234));
            QCOMPARE(view.label270->pos(), QPoint(689, 234));
        }
    }

    void underPicturesHoldFrameAndStars()
    {
        const QRgb yellow = Yellow.rgba();
        for (const auto &view : form().views()) {
            const Canvas &under = view.under->canvas();
            QCOMPARE(under.pixel(20, 20), yellow);
            QCOMPARE(under.pixel(718, 462), yellow);
            QCOMPARE(under.pixel(719, 462), yellow);
        }
        // The four orbit views carry the same stars; the Moon view fewer.
        const int stars = CountPixels(form().imAllUnder->canvas());
        QVERIFY(stars > 800);
        QCOMPARE(CountPixels(form().imFarUnder->canvas()), stars);
        QVERIFY(CountPixels(form().imMoonUnder->canvas()) < stars);
    }

    void moonViewBoxesStayDark()
    {
        // Many star fields, so that a star in a box would surely show.
        for (int rebuild = 0; rebuild < 20; ++rebuild) {
            form().RebuildScene(false);
            const Canvas &moon = form().imMoonUnder->canvas();
            for (int y = 30; y <= 130; ++y)
                for (int x = 611; x <= 711; ++x)
                    QVERIFY(!moon.isSet(x, y));
            for (int y = 222; y <= 262; ++y)
                for (int x = 350; x <= 390; ++x)
                    QVERIFY(!moon.isSet(x, y));
        }
    }

    void rebuildsDrawNewStarsAndDatesKeepThem()
    {
        const QImage first = form().imAllUnder->canvas().image();
        form().RebuildScene(false);
        const QImage second = form().imAllUnder->canvas().image();
        QVERIFY(first != second);
        panel().DateTimePicker1->setDay(QDate(2010, 5, 5));
        panel().DateTimePicker1Change();
        form().Timer1Timer();
        QCOMPARE(form().imAllUnder->canvas().image(), second);
    }

    void overlayRefreshForceRule()
    {
        Canvas &overlay = form().imOuterBack->canvas();
        overlay.line(5, 5, 50, 5);
        QVERIFY(overlay.isSet(10, 5));
        // Nothing on and no force: untouched, by a date change and by a tick.
        panel().DateTimePicker1->setDay(QDate(2011, 1, 1));
        panel().DateTimePicker1Change();
        form().Timer1Timer();
        QVERIFY(overlay.isSet(10, 5));
        // Forced: erased.
        form().RefreshOverlays(true);
        QVERIFY(!overlay.isSet(10, 5));
        // A switch on: every refresh erases.
        overlay.line(5, 5, 50, 5);
        form().HorizonShown = true;
        form().RefreshOverlays(false);
        QVERIFY(!overlay.isSet(10, 5));
        // The orbit views' overlays draw in red from the start.
        QCOMPARE(form().imAllBack->canvas().pen.colour, QColor(255, 0, 0));
    }

    void ticksMoveByTheStep()
    {
        panel().DateTimePicker1->setDay(QDate(2002, 1, 1));
        panel().DateTimePicker1Change();
        form().StepDays = 7;
        form().Timer1Timer();
        form().Timer1Timer();
        QCOMPARE(panel().DateTimePicker1->day(), QDate(2002, 1, 15));
        QCOMPARE(form().lblStatusDate->text(),
                 QLocale().toString(QDate(2002, 1, 15), QLocale::ShortFormat));
        QVERIFY(form().windowTitle().endsWith(form().lblStatusDate->text()));
        // The pictures stand where a direct computation for that day puts them.
        TPlanet earth("Earth", 3, 1.0, 1.0, 365.256, 101.0);
        QVERIFY(earth.UpdatePosition(1, 14));
        QCOMPARE(form().iEarth->centre(), (Point{earth.AllX, earth.AllY}));

        panel().Button1Click();
        panel().Button1Click();
        QCOMPARE(panel().Button1->text(), QStringLiteral("Move by 7 days"));
        QVERIFY(form().isMenuItemChecked(form().Stopplanets1));
    }

    void ticksStopAtThePickersLimits()
    {
        DatePicker &picker = *panel().DateTimePicker1;
        picker.setDay(picker.maximumDate().addDays(-3));
        form().StepDays = 999;
        form().Timer1Timer();
        QCOMPARE(picker.day(), picker.maximumDate());
        form().Timer1Timer();
        QCOMPARE(picker.day(), picker.maximumDate());
        picker.setDay(picker.minimumDate().addDays(2));
        form().StepDays = -999;
        form().Timer1Timer();
        QCOMPARE(picker.day(), picker.minimumDate());
        QVERIFY(platform->messages.isEmpty());
    }

    void failingUpdateEndsTheProgramWithOneMessage()
    {
        panel().Button1Click();
        QVERIFY(form().Timer1->enabled());
        form().HemisphereSign = std::numeric_limits<std::int32_t>::max();
        form().Timer1Timer();
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].kind, Platform::MessageKind::Error);
        QCOMPARE(platform->messages[0].text,
                 QStringLiteral("Sorry. There has been a calculation error in plotting the "
                                "planets'' positions .  The Heliodial will be closed down"));
        QVERIFY(!form().Timer1->enabled());
        QVERIFY(form().ClosingDown);
        QCOMPARE(platform->endRequests, QList<int>({0}));
    }

    void trackBarSetsTheInterval()
    {
        QCOMPARE(form().Timer1->interval(), 100);
        QCOMPARE(panel().TrackBar1->value(), 270);
        panel().TrackBar1->setValue(10);
        QCOMPARE(form().Timer1->interval(), 290);
        panel().TrackBar1->setValue(300);
        QCOMPARE(form().Timer1->interval(), 0);
        // Switched on at interval 0: on, but no ticks.
        panel().Button1Click();
        QVERIFY(form().Timer1->enabled());
        const QDate day = panel().DateTimePicker1->day();
        QTest::qWait(60);
        QCOMPARE(panel().DateTimePicker1->day(), day);
        QCOMPARE(panel().Button1->text(), QStringLiteral("Stop"));
        panel().TrackBar1->setValue(299);
        QCOMPARE(form().Timer1->interval(), 1);
        QTRY_VERIFY(panel().DateTimePicker1->day() != day);
    }

    void movementMenuPairMirrorsTheButton()
    {
        form().Stopplanets1->trigger(); // already checked: nothing
        QVERIFY(!form().Timer1->enabled());
        form().Moveplanets1->trigger();
        QVERIFY(form().Timer1->enabled());
        QCOMPARE(panel().Button1->text(), QStringLiteral("Stop"));
        QVERIFY(form().Moveplanets1->isChecked());
        form().Moveplanets1->trigger();
        QVERIFY(form().Timer1->enabled());
        panel().Button1->click();
        QVERIFY(!form().Timer1->enabled());
        QVERIFY(form().Stopplanets1->isChecked());
        QVERIFY(!form().Moveplanets1->isChecked());
        // A double click on a view toggles too, the left button only.
        form().show();
        form().TabbedNotebook1->setCurrentIndex(TForm1::MoonPage);
        QTest::mouseDClick(form().imMoonBack, Qt::LeftButton);
        QVERIFY(form().Timer1->enabled());
        QTest::mouseDClick(form().imMoonBack, Qt::RightButton);
        QVERIFY(form().Timer1->enabled());
    }

    void controlPanelVisibilityFromEveryFace()
    {
        form().show();
        panel().show();
        QAction *popup = form().Hidecontrolpanel1;
        QCOMPARE(popup->text(), QStringLiteral("Hide control panel"));
        form().Showcontrolpanel1->trigger(); // visible already: nothing
        QVERIFY(panel().isVisible());
        popup->trigger();
        QVERIFY(!panel().isVisible());
        QVERIFY(!form().ControlPanelShown);
        QCOMPARE(popup->text(), QStringLiteral("Show control panel"));
        QVERIFY(form().Hidecontrolpanel2->isChecked());
        form().Hidecontrolpanel2->trigger(); // hidden already: nothing
        QVERIFY(!panel().isVisible());
        form().Showcontrolpanel1->trigger();
        QVERIFY(panel().isVisible());
        QCOMPARE(popup->text(), QStringLiteral("Hide control panel"));
        QVERIFY(form().Showcontrolpanel1->isChecked());
        QVERIFY(form().ControlPanelShown);

        // A right click on a view offers the same item.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(10, 10),
                                     form().imFarBack->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(form().imFarBack, &rightClick);
        QTRY_VERIFY(form().PopupMenu1->isVisible());
        QCOMPARE(form().PopupMenu1->actions(), QList<QAction *>({popup, form().Copypicture2}));
        form().PopupMenu1->hide();
    }

    void controlPanelCannotBeClosed()
    {
        panel().show();
        QVERIFY(!panel().close());
        QVERIFY(panel().isVisible());
        QVERIFY(panel().windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(panel().windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(panel().windowTitle(), QStringLiteral(" Control Panel"));
        QCOMPARE(panel().size(), QSize(131, 358));
    }

    void aboutOpensModally()
    {
        QDialog *shown = nullptr;
        platform->modal = [&](QDialog *dialog) {
            shown = dialog;
            return 0;
        };
        form().About1->trigger();
        QCOMPARE(shown, static_cast<QDialog *>(app->AboutBox()));
    }
};

QTEST_MAIN(TestScene)
#include "test_scene.moc"
