// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the pages, the control panel and the dialogs to PNG files,
// offscreen, for the README: heliodial_screenshots <folder>
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/helpwindow.h"
#include "app/mainwindow.h"
#include "app/pagepicture.h"
#include "app/platform.h"
#include "dialogs/aboutbox.h"
#include "dialogs/alignmentdialog.h"
#include "dialogs/intervaldialog.h"
#include "dialogs/latitudedialog.h"
#include "dialogs/photowindow.h"
#include "dialogs/skyeventssearch.h"
#include "dialogs/skyeventswindow.h"
#include "views/datepicker.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTextStream>
#include <functional>

namespace {

class Shooter {
public:
    explicit Shooter(QDir folder) : m_folder(std::move(folder)) {}

    bool save(QWidget *widget, const QString &name)
    {
        widget->show();
        QApplication::processEvents();
        return write(widget->grab().toImage(), name);
    }
    // The window as a screen of this device pixel ratio shows it.
    bool saveAt(QWidget *widget, qreal ratio, const QString &name)
    {
        widget->show();
        QApplication::processEvents();
        return write(WidgetPicture(*widget, ratio), name);
    }
    bool ok() const { return m_ok; }

private:
    bool write(const QImage &image, const QString &name)
    {
        const QString path = m_folder.filePath(name + QStringLiteral(".png"));
        if (!image.save(path)) {
            QTextStream(stderr) << "cannot write " << path << "\n";
            m_ok = false;
            return false;
        }
        QTextStream(stdout) << path << "\n";
        return true;
    }

    QDir m_folder;
    bool m_ok = true;
};

// The real services, but a fixed date and star field so the pictures only
// change when the program does; message boxes are photographed, not waited on.
class ScreenshotPlatform : public QtPlatform {
public:
    explicit ScreenshotPlatform(Shooter &shooter) : m_shooter(shooter) {}
    QDate today() override { return {2026, 12, 7}; }
    std::uint32_t starSeed() override { return 20021; }
    int runModal(QDialog *) override { return 0; }
    Button messageBox(QWidget *parent, MessageKind, const QString &text) override
    {
        if (!messageName.isEmpty()) {
            QMessageBox box(QMessageBox::Question, QStringLiteral("Heliodial"),
                            QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                            QMessageBox::Yes | QMessageBox::No, parent);
            m_shooter.save(&box, messageName);
        }
        return Button::No;
    }
    QString messageName;
    // The user's configuration is left alone: every scene starts classic.
    QString preference(const QString &key) override { return m_preferences.value(key); }
    void setPreference(const QString &key, const QString &value) override
    {
        m_preferences[key] = value;
    }

private:
    QMap<QString, QString> m_preferences;
    Shooter &m_shooter;
};

// A fresh program for each scene, so that scenes do not depend on each other.
void Scene(Shooter &shooter,
           const std::function<void(Heliodial &, Shooter &, ScreenshotPlatform &)> &take)
{
    ScreenshotPlatform platform(shooter);
    Heliodial heliodial(platform);
    heliodial.show();
    take(heliodial, shooter, platform);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The true sky is worked out for the status date's local time of day.
    qputenv("TZ", "UTC");
    QApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: heliodial_screenshots <folder>\n";
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder.path() << "\n";
        return 1;
    }
    Shooter shooter(folder);

    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
        TForm1 &form = *h.Form1();
        const QStringList pages = {"stats",           "all-planets", "inner-planets",
                                   "earth-to-saturn", "outer-realm", "moon"};
        for (int page = TForm1::MoonPage; page >= TForm1::StatsPage; --page) {
            form.TabbedNotebook1->setCurrentIndex(page);
            s.save(&form, pages[page]);
        }
        form.TabbedNotebook1->setCurrentIndex(TForm1::MoonPage);
        s.save(h.Options(), QStringLiteral("control-panel"));
    });

    // The orbit rings in both hemispheres and both arrangements.
    for (const bool north : {false, true}) {
        for (const bool signs : {false, true}) {
            Scene(shooter, [&](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
                TForm1 &form = *h.Form1();
                form.Showorbits1->trigger();
                if (north)
                    form.North1->trigger();
                if (signs)
                    form.ology1->trigger();
                s.save(&form,
                       QStringLiteral("orbits-%1-%2")
                           .arg(north ? "north" : "south", signs ? "astrology" : "astronomy"));
            });
        }
    }

    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
        TForm1 &form = *h.Form1();
        form.Latitude = 52;
        form.Showhorizon1->trigger();
        s.save(&form, QStringLiteral("horizon-all-planets"));
        form.TabbedNotebook1->setCurrentIndex(TForm1::InnerPage);
        s.save(&form, QStringLiteral("horizon-inner-planets"));
        s.save(h.FLatitude(), QStringLiteral("latitude-dialog"));
    });

    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &platform) {
        TForm1 &form = *h.Form1();
        form.ToJupiter1->trigger();
        form.Showdirection1->trigger();
        s.save(&form, QStringLiteral("pointer-jupiter"));
        TFAlignment &finder = *h.FAlignment();
        form.Nextalignmemt1->trigger();
        finder.CheckBoxes[2]->setChecked(true);
        finder.CheckBoxes[3]->setChecked(true);
        platform.messageName = QStringLiteral("alignment-answer");
        finder.BitBtn1->click();
        s.save(&finder, QStringLiteral("alignment-dialog"));
    });

    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
        TForm1 &form = *h.Form1();
        form.Showphase1->trigger();
        form.Showterminator1->trigger();
        form.TabbedNotebook1->setCurrentIndex(TForm1::MoonPage);
        s.save(&form, QStringLiteral("moon-phase-terminator"));
    });

    // A century of sky events, found as the window finds them.
    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
        TForm1 &form = *h.Form1();
        form.Skyevents1->trigger();
        SkyEventsWindow &events = *h.SkyEvents();
        events.FromDate->setDate(QDate(2000, 1, 1));
        events.ToDate->setDate(QDate(2100, 1, 1));
        QEventLoop wait;
        QObject::connect(events.search(), &SkyEventsSearch::finished, &wait, &QEventLoop::quit);
        events.FindButton->click();
        wait.exec();
        // The list in focus: no text cursor blinking in a date.
        events.Events->setFocus();
        s.save(&events, QStringLiteral("sky-events"));
    });

    // The true sky of the same day.
    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
        TForm1 &form = *h.Form1();
        form.Truepositions1->trigger();
        form.Showorbits1->trigger();
        form.TabbedNotebook1->setCurrentIndex(TForm1::InnerPage);
        s.save(&form, QStringLiteral("true-inner-planets"));
        form.TabbedNotebook1->setCurrentIndex(TForm1::StatsPage);
        s.save(&form, QStringLiteral("true-stats"));
    });

    // On a screen of twice the density.
    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
        TForm1 &form = *h.Form1();
        form.Showorbits1->trigger();
        form.Latitude = 52;
        form.Showhorizon1->trigger();
        form.TabbedNotebook1->setCurrentIndex(TForm1::InnerPage);
        s.saveAt(&form, 2, QStringLiteral("inner-planets-2x"));
    });

    // The window filling a full HD screen, and a 4K one.
    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
        TForm1 &form = *h.Form1();
        form.Showorbits1->trigger();
        form.Latitude = 52;
        form.Showhorizon1->trigger();
        form.resize(1920, 1080);
        form.TabbedNotebook1->setCurrentIndex(TForm1::AllPage);
        s.save(&form, QStringLiteral("all-planets-full-hd"));
    });
    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
        TForm1 &form = *h.Form1();
        form.Showorbits1->trigger();
        form.Showdirection1->trigger();
        form.resize(3840, 2160);
        form.TabbedNotebook1->setCurrentIndex(TForm1::InnerPage);
        s.save(&form, QStringLiteral("inner-planets-4k"));
    });

    Scene(shooter, [](Heliodial &h, Shooter &s, ScreenshotPlatform &) {
        s.save(h.AboutBox(), QStringLiteral("about-box"));
        s.save(h.HiddenForm(), QStringLiteral("photo-window"));
        s.save(h.Form3(), QStringLiteral("interval-dialog"));
        HelpWindow help;
        // Run from the source tree, the document is in docs/help.
        const QString file = FindHelpFile(QString::fromLatin1(Heliodial::HelpFile),
                                          HelpFolders() << QStringLiteral("docs/help"));
        if (!file.isEmpty() && help.load(file))
            s.save(&help, QStringLiteral("help-window"));
    });

    return shooter.ok() ? 0 : 1;
}
