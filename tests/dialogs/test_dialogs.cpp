// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/helpwindow.h"
#include "app/mainwindow.h"
#include "dialogs/aboutbox.h"
#include "dialogs/intervaldialog.h"
#include "dialogs/jpegdecoder.h"
#include "dialogs/photowindow.h"
#include "support/apptest.h"
#include "support/userinput.h"
#include "views/picture.h"

#include <QBuffer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

class TestDialogs : public AppTest {
    Q_OBJECT

    // Opens the interval dialog, types, closes it; answers the field's texts.
    QStringList typeInterval(const std::function<void(QLineEdit *)> &typing)
    {
        QStringList seen;
        platform->modal = [&](QDialog *dialog) -> int {
            dialog->show();
            QLineEdit *edit = app->Form3()->Edit1;
            seen << edit->text();
            typing(edit);
            seen << edit->text();
            dialog->close();
            return 0;
        };
        form().Interval1->trigger();
        return seen;
    }

private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void intervalFieldCleaning()
    {
        QCOMPARE(typeInterval([](QLineEdit *e) {
                     e->selectAll();
                     QTest::keyClicks(e, "12a");
                 }),
                 QStringList({"1", "12"}));
        QCOMPARE(form().StepDays, 12);
        QCOMPARE(app->Options()->Button1->text(), QStringLiteral("Move by 12 days"));

        QCOMPARE(typeInterval([](QLineEdit *e) {
                     e->selectAll();
                     QTest::keyClicks(e, "1-2-3-4");
                 })[1],
                 QStringLiteral("234"));
        QCOMPARE(form().StepDays, 234);

        typeInterval([](QLineEdit *e) { e->setText("x7y"); });
        QCOMPARE(form().StepDays, 7);
        typeInterval([](QLineEdit *e) { e->setText("007"); });
        QCOMPARE(form().StepDays, 7);
        QCOMPARE(typeInterval([](QLineEdit *e) { e->clear(); })[1], QStringLiteral("1"));
        QCOMPARE(app->Options()->Button1->text(), QStringLiteral("Move by 1 day"));
        typeInterval([](QLineEdit *e) { e->setText("0"); });
        QCOMPARE(form().StepDays, 0);
        QCOMPARE(app->Options()->Button1->text(), QStringLiteral("Move by 0 days"));
        typeInterval([](QLineEdit *e) { e->setText("2"); });
        QCOMPARE(app->Options()->Button1->text(), QStringLiteral("Move by 2 days"));
    }

    void intervalKeepsStopWhileMoving()
    {
        app->Options()->Button1Click();
        typeInterval([](QLineEdit *e) { e->setText("30"); });
        QCOMPARE(form().StepDays, 30);
        QCOMPARE(app->Options()->Button1->text(), QStringLiteral("Stop"));
        app->Options()->Button1Click();
        QCOMPARE(app->Options()->Button1->text(), QStringLiteral("Move by 30 days"));
    }

    void iconGestureOpensThePhoto()
    {
        TAboutBox &about = *app->AboutBox();
        QCOMPARE(about.ProgramIcon->size(), QSize(57, 57));
        QVERIFY(!about.ProgramIcon->picture().isNull());
        for (const Qt::KeyboardModifiers keys :
             {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier),
              Qt::KeyboardModifiers(Qt::AltModifier)}) {
            QTest::mouseClick(about.ProgramIcon, Qt::LeftButton, keys);
            QVERIFY(!app->HiddenForm()->isVisible());
        }
        QTest::mouseClick(about.ProgramIcon, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(app->HiddenForm()->isVisible());
        // The photograph decoded.
        QCOMPARE(app->HiddenForm()->photoError(), QString());
        QVERIFY(!app->HiddenForm()->Image1->picture().isNull());
        app->HiddenForm()->btnClose->click();
        QVERIFY(!app->HiddenForm()->isVisible());
    }

    void photoWindowWorksWhileTheAboutBoxIsOpen()
    {
        app->show();
        TAboutBox &about = *app->AboutBox();
        THiddenForm &photo = *app->HiddenForm();
        platform->modal = [](QDialog *dialog) { return dialog->exec(); };
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            // Whatever fails here, the box closes and the test goes on.
            struct CloseAfter {
                QDialog &box;
                ~CloseAfter() { box.reject(); }
            } closeAfter{about};
            QVERIFY(about.isVisible());
            user::Click(about.ProgramIcon, Qt::ControlModifier | Qt::AltModifier);
            QVERIFY(photo.isVisible());
            user::Click(photo.btnClose);
            QVERIFY(!photo.isVisible());
            // The main window waits for the box meanwhile.
            QTabBar *tabs = form().TabbedNotebook1->tabBar();
            user::Click(tabs, tabs->tabRect(TForm1::MoonPage).center());
            QCOMPARE(form().TabbedNotebook1->currentIndex(), int(TForm1::AllPage));
            // Opened again, it outlives the box.
            user::Click(about.ProgramIcon, Qt::ControlModifier | Qt::AltModifier);
            user::Click(about.OKButton);
            checked = true;
        });
        form().About1->trigger();
        QVERIFY(checked);
        QVERIFY(!about.isVisible());
        QVERIFY(photo.isVisible());
        user::Click(photo.btnClose);
        QVERIFY(!photo.isVisible());
    }

    void jpegDecoder()
    {
        QFile photo(":/photo/heliodial-photo.jpg");
        QVERIFY(photo.open(QIODevice::ReadOnly));
        const QByteArray real = photo.readAll();
        const DecodedJpeg whole = DecodeJpeg(real);
        QCOMPARE(whole.error, QString());
        QCOMPARE(whole.image.size(), QSize(2272, 1704));

        // Cut short: decoded as far as it goes, with a warning, or an error;
        // never an exit.
        for (const double part : {0.5, 0.1, 0.01}) {
            const DecodedJpeg cut = DecodeJpeg(real.left(int(real.size() * part)));
            QVERIFY(!cut.image.isNull() || !cut.error.isEmpty());
        }
        QVERIFY(!DecodeJpeg(real.left(100)).error.isEmpty());
        QVERIFY(!DecodeJpeg({}).error.isEmpty());

        QRandomGenerator random(42);
        for (int trial = 0; trial < 50; ++trial) {
            QByteArray noise(1000 + trial * 37, '\0');
            for (char &c : noise)
                c = char(random.bounded(256));
            if (trial % 2)
                noise.replace(0, 4, "\xFF\xD8\xFF\xE0"); // starts like a JPEG
            const DecodedJpeg result = DecodeJpeg(noise);
            QVERIFY(!result.image.isNull() || !result.error.isEmpty());
        }
        // Mutated: a few bytes changed in the middle.
        QByteArray mutated = real;
        for (int i = 0; i < 20; ++i)
            mutated[600 + i * 97] = char(random.bounded(256));
        const DecodedJpeg changed = DecodeJpeg(mutated);
        QVERIFY(!changed.image.isNull() || !changed.error.isEmpty());

        // The window shows a placeholder that says why.
        app->HiddenForm()->showPhotograph("not a picture");
        QVERIFY(!app->HiddenForm()->photoError().isEmpty());
        QVERIFY(!app->HiddenForm()->Image1->picture().isNull());
    }

    void helpFileSearch()
    {
        QTemporaryDir first, second;
        QCOMPARE(FindHelpFile("HELIODIAL.HLP", {first.path(), second.path()}), QString());
        QFile(second.filePath("HELIODIAL.HLP")).open(QIODevice::WriteOnly);
        QCOMPARE(FindHelpFile("HELIODIAL.HLP", {first.path(), second.path()}),
                 second.filePath("HELIODIAL.HLP"));
        QFile(first.filePath("HELIODIAL.HLP")).open(QIODevice::WriteOnly);
        QCOMPARE(FindHelpFile("HELIODIAL.HLP", {first.path(), second.path()}),
                 first.filePath("HELIODIAL.HLP"));

        form().Contents1->trigger();
        QCOMPARE(platform->helpContentsShown, 1);
    }

    void helpWindowShowsTheDocument()
    {
        HelpWindow window;
        QVERIFY(!window.load("/nonexistent/HELIODIAL.HLP"));
        QVERIFY(window.load(QFINDTESTDATA("../docs/help/HELIODIAL.HLP")));
        const QStringList topics = window.contents();
        QVERIFY(topics.size() >= 10);
        QVERIFY(topics.contains("The horizon line"));
        QVERIFY(window.browser()->toPlainText().contains("Show Horizon"));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
