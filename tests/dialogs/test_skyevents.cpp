// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sky-events window driven as a user drives it: ticks, dates typed, Find,
// Stop in the middle of a century, sorting by a column, a row opened with a
// double click or Enter, Earlier and Later, the two exports and the copy.
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "cli/eventsformat.h"
#include "dialogs/skyeventsmodel.h"
#include "dialogs/skyeventssearch.h"
#include "dialogs/skyeventswindow.h"
#include "support/apptest.h"
#include "support/limitedfilesize.h"
#include "support/userinput.h"
#include "views/clickablelabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

// The Julian day of an instant in UTC.
double JulianDay(int y, int m, int d, int hour = 0, int minute = 0)
{
    return static_cast<double>(QDate(y, m, d).toJulianDay()) - 0.5 + hour / 24.0 + minute / 1440.0;
}

skyevents::Event Conjunction(double julianDay, double separation)
{
    skyevents::Event e;
    e.julianDay = julianDay;
    e.kind = skyevents::Kind::Conjunction;
    e.bodies = skyevents::BodyBit(Body::Jupiter) | skyevents::BodyBit(Body::Saturn);
    e.separation = separation;
    e.fromSun[static_cast<std::size_t>(Body::Jupiter)] = 30.5;
    e.fromSun[static_cast<std::size_t>(Body::Saturn)] = 30.4;
    return e;
}

// "2020-12-21 18:20" as the CSV writes it: "2020-12-21T18:20Z".
QString AsCsvInstant(const QString &shown)
{
    return QString(shown).replace(QLatin1Char(' '), QLatin1Char('T')) + QLatin1Char('Z');
}

} // namespace

class TestSkyEvents : public AppTest {
    Q_OBJECT

    SkyEventsWindow &window() { return *app->SkyEvents(); }

    // Opens the window from its menu item, as the main window's handler.
    SkyEventsWindow &open()
    {
        form().Skyevents1->trigger();
        SkyEventsWindow &w = window();
        [&] { QVERIFY(user::Activate(&w)); }();
        return w;
    }

    // Types a date into a date field as the keyboard does: the year chosen,
    // then the digits, each part moving on to the next when full.
    static void typeDate(QDateEdit *edit, const char *digits)
    {
        edit->setFocus();
        edit->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClicks(edit, digits);
        QTest::keyClick(edit, Qt::Key_Tab);
    }

    // A click on a box's mark, where a click toggles it however wide the box.
    static void clickBox(QCheckBox *box) { user::Click(box, QPoint(7, box->height() / 2)); }

    // Ticks exactly these bodies and kinds by clicking their boxes.
    static void tick(SkyEventsWindow &w, std::initializer_list<Body> bodies,
                     std::initializer_list<int> kinds)
    {
        for (std::size_t i = 0; i < w.BodyBoxes.size(); ++i) {
            const bool wanted = std::find(bodies.begin(), bodies.end(),
                                          SkyEventsWindow::BodyOrder[i]) != bodies.end();
            if (w.BodyBoxes[i]->isChecked() != wanted)
                clickBox(w.BodyBoxes[i]);
            QCOMPARE(w.BodyBoxes[i]->isChecked(), wanted);
        }
        for (std::size_t i = 0; i < w.KindBoxes.size(); ++i) {
            const bool wanted = std::find(kinds.begin(), kinds.end(), int(i)) != kinds.end();
            if (w.KindBoxes[i]->isChecked() != wanted)
                clickBox(w.KindBoxes[i]);
            QCOMPARE(w.KindBoxes[i]->isChecked(), wanted);
        }
    }

    // Waits for one more end of a search than the spy has seen. A short
    // search may end while the click that started it is still delivered.
    static bool ended(QSignalSpy &done, int before = 0)
    {
        return done.count() > before || done.wait(60000);
    }

    // Clicks Find and waits for the search to end.
    static bool findAll(SkyEventsWindow &w)
    {
        QSignalSpy done(w.search(), &SkyEventsSearch::finished);
        user::Click(w.FindButton);
        return ended(done);
    }

    // The centre of a row of the table, in the viewport's coordinates.
    static QPoint rowPoint(SkyEventsWindow &w, int row, int column = 2)
    {
        return w.Events->visualRect(w.Events->model()->index(row, column)).center();
    }

    // December 2020: the conjunctions of Jupiter and Saturn within 1.5°.
    void findGreatConjunction(SkyEventsWindow &w)
    {
        tick(w, {Body::Jupiter, Body::Saturn}, {int(skyevents::Kind::Conjunction)});
        w.Limit->setFocus();
        QTest::keyClick(w.Limit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w.Limit, "1.5");
        QTest::keyClick(w.Limit, Qt::Key_Tab);
        QCOMPARE(w.Limit->value(), 1.5);
        typeDate(w.FromDate, "20201201");
        typeDate(w.ToDate, "20210101");
        QCOMPARE(w.FromDate->date(), QDate(2020, 12, 1));
        QCOMPARE(w.ToDate->date(), QDate(2021, 1, 1));
        QVERIFY(findAll(w));
        QCOMPARE(w.Events->model()->rowCount(), 1);
    }

private slots:
    void init() { startApp(QDate(2026, 12, 7)); }
    void cleanup() { stopApp(); }

    // The words of a row, and its order among others.
    void rowTexts()
    {
        SkyEventsModel model;
        // 21 December 2020, 18:20 UT, 0.102°: the great conjunction.
        model.append({Conjunction(JulianDay(2020, 12, 21, 18, 20), 0.102)});
        const auto cell = [&](int row, int column) {
            return model.index(row, column).data().toString();
        };
        QCOMPARE(cell(0, SkyEventsModel::UniversalTimeColumn), QStringLiteral("2020-12-21 18:20"));
        QCOMPARE(cell(0, SkyEventsModel::EventColumn), QStringLiteral("Conjunction"));
        QCOMPARE(cell(0, SkyEventsModel::BodiesColumn), QStringLiteral("Jupiter, Saturn"));
        QCOMPARE(cell(0, SkyEventsModel::SeparationColumn), QStringLiteral("0°06′"));
        QCOMPARE(cell(0, SkyEventsModel::FromSunColumn), QStringLiteral("30.4°"));
        QCOMPARE(cell(0, SkyEventsModel::VisibilityColumn), QStringLiteral("clear of the Sun"));

        // Minutes that round up to the next degree; no separation at all.
        QCOMPARE(SkyEventsModel::DegreesAndMinutes(4.9999), QStringLiteral("5°00′"));
        QCOMPARE(SkyEventsModel::DegreesAndMinutes(12.5), QStringLiteral("12°30′"));
        QCOMPARE(SkyEventsModel::DegreesAndMinutes(skyevents::NoAngle), QString());

        skyevents::Event phase;
        phase.julianDay = JulianDay(2026, 1, 3, 10, 3);
        phase.kind = skyevents::Kind::FullMoon;
        phase.bodies = skyevents::BodyBit(Body::Moon);
        phase.fromSun[static_cast<std::size_t>(Body::Moon)] = 179.2;
        phase.approximate = true;
        model.append({phase, Conjunction(JulianDay(2020, 12, 1), 3.5)});
        QCOMPARE(cell(1, SkyEventsModel::VisibilityColumn),
                 QStringLiteral("clear of the Sun; approximate"));
        QVERIFY(model.facts(0).contains(QStringLiteral("Conjunction of Jupiter and Saturn")));

        // By separation: the phase, which has none, comes last.
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&model);
        sorted.setSortRole(SkyEventsModel::SortRole);
        sorted.sort(SkyEventsModel::SeparationColumn);
        QCOMPARE(sorted.index(0, SkyEventsModel::SeparationColumn).data().toString(),
                 QStringLiteral("0°06′"));
        QCOMPARE(sorted.index(2, SkyEventsModel::EventColumn).data().toString(),
                 QStringLiteral("Full moon"));
        // By time: December 2020 before 2026.
        sorted.sort(SkyEventsModel::UniversalTimeColumn);
        QCOMPARE(sorted.index(0, SkyEventsModel::UniversalTimeColumn).data().toString(),
                 QStringLiteral("2020-12-01 00:00"));
    }

    // One window from the menu, on the status date and a year on; the
    // ticks are remembered for the next start.
    void opensOnTheStatusDateAndKeepsTheTicks()
    {
        SkyEventsWindow &w = open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Sky events"));
        QCOMPARE(w.FromDate->date(), app->statusDate());
        QCOMPARE(w.ToDate->date(), app->statusDate().addYears(1));
        QVERIFY(!w.isModal());
        QCOMPARE(w.Limit->value(), 5.0);
        QVERIFY(!w.StopButton->isEnabled());
        form().Skyevents1->trigger();
        QCOMPARE(app->SkyEvents(), &w);

        tick(w, {Body::Mars, Body::Moon}, {int(skyevents::Kind::FullMoon)});
        const QMap<QString, QString> kept = platform->preferences;
        stopApp();
        startApp(QDate(2026, 12, 7), kept);
        SkyEventsWindow &again = open();
        for (std::size_t i = 0; i < again.BodyBoxes.size(); ++i) {
            const Body body = SkyEventsWindow::BodyOrder[i];
            QCOMPARE(again.BodyBoxes[i]->isChecked(), body == Body::Mars || body == Body::Moon);
        }
        for (std::size_t i = 0; i < again.KindBoxes.size(); ++i)
            QCOMPARE(again.KindBoxes[i]->isChecked(), i == std::size_t(skyevents::Kind::FullMoon));
    }

    // A year found and listed; a click on a column's head sorts by it.
    void findsAndSorts()
    {
        SkyEventsWindow &w = open();
        tick(w, {Body::Venus, Body::Jupiter, Body::Moon},
             {int(skyevents::Kind::Conjunction), int(skyevents::Kind::FullMoon)});
        typeDate(w.FromDate, "20260101");
        typeDate(w.ToDate, "20270101");
        QVERIFY(findAll(w));
        QAbstractItemModel &table = *w.Events->model();
        QVERIFY(table.rowCount() > 20);
        QCOMPARE(w.StatusLabel->text(), QStringLiteral("%1 events").arg(table.rowCount()));
        QVERIFY(w.FindButton->isEnabled() && !w.StopButton->isEnabled());
        // The full moon of 3 January 2026, 10:03 UT (USNO's table of phases).
        bool fullMoon = false;
        for (int row = 0; row < table.rowCount(); ++row) {
            fullMoon = fullMoon || (table.index(row, SkyEventsModel::UniversalTimeColumn).data() ==
                                        QStringLiteral("2026-01-03 10:03") &&
                                    table.index(row, SkyEventsModel::EventColumn).data() ==
                                        QStringLiteral("Full moon"));
        }
        QVERIFY(fullMoon);

        QHeaderView *header = w.Events->horizontalHeader();
        const auto clickHeader = [&](int column) {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                       header->height() / 2));
        };
        clickHeader(SkyEventsModel::SeparationColumn);
        double previous = -1;
        int withSeparation = 0;
        for (int row = 0; row < table.rowCount(); ++row) {
            const double value = table.index(row, SkyEventsModel::SeparationColumn)
                                     .data(SkyEventsModel::SortRole)
                                     .toDouble();
            QVERIFY(value >= previous);
            previous = value;
            withSeparation +=
                !table.index(row, SkyEventsModel::SeparationColumn).data().toString().isEmpty();
        }
        // Every conjunction before the phases, which have no separation.
        QVERIFY(withSeparation > 0);
        QVERIFY(table.index(withSeparation - 1, SkyEventsModel::SeparationColumn)
                    .data()
                    .toString()
                    .size() > 0);
        clickHeader(SkyEventsModel::UniversalTimeColumn);
        QVERIFY(table.index(0, SkyEventsModel::UniversalTimeColumn).data().toString() <
                table.index(1, SkyEventsModel::UniversalTimeColumn).data().toString());
    }

    // Stop in the middle of a century: the search ends within a tenth of a
    // second with whole events only, and the main window goes on meanwhile.
    void stopsACenturyQuickly()
    {
        SkyEventsWindow &w = open();
        tick(w, {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn, Body::Moon},
             {0, 2, 3, 4, 5, 6, 7, 8});
        typeDate(w.FromDate, "20000101");
        typeDate(w.ToDate, "21000101");
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
        QSignalSpy done(w.search(), &SkyEventsSearch::finished);
        user::Click(w.FindButton);
        QVERIFY(w.StopButton->isEnabled() && !w.FindButton->isEnabled());
        // The main window is repainted while the search runs.
        int paints = 0;
        struct PaintCounter : QObject {
            int &count;
            explicit PaintCounter(int &c) : count(c) {}
            bool eventFilter(QObject *, QEvent *e) override
            {
                count += e->type() == QEvent::Paint;
                return false;
            }
        } counter(paints);
        form().installEventFilter(&counter);
        // And the planets move: the clock ticks on.
        const QDate before = app->statusDate();
        form().Moveplanets1->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(w.Events->model()->rowCount() > 0, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(app->statusDate() != before, 3000);
        form().update();
        QTest::qWait(50);
        QVERIFY(done.isEmpty());
        QElapsedTimer sinceStop;
        sinceStop.start();
        user::Click(w.StopButton);
        QVERIFY(done.wait(2000));
        QVERIFY2(sinceStop.elapsed() <= 100, qPrintable(QString::number(sinceStop.elapsed())));
        QCOMPARE(done.takeFirst().at(0).value<skyevents::Status>(), skyevents::Status::Cancelled);
        QVERIFY(w.StatusLabel->text().startsWith(QStringLiteral("Stopped: ")));
        QVERIFY(paints > 0);
        // What was listed is the start of the century, in whole years.
        const std::vector<skyevents::Event> &events = w.model()->events();
        QVERIFY(!events.empty());
        QVERIFY(events.back().julianDay < JulianDay(2100, 1, 1));
        QVERIFY(w.FindButton->isEnabled());
    }

    // Closing the window with Escape stops its search; opened again it
    // starts from the status date.
    void closingStopsTheSearch()
    {
        SkyEventsWindow &w = open();
        typeDate(w.FromDate, "20000101");
        typeDate(w.ToDate, "21000101");
        QSignalSpy done(w.search(), &SkyEventsSearch::finished);
        user::Click(w.FindButton);
        QVERIFY(w.search()->running());
        user::Key(w.Events, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(ended(done));
        QCOMPARE(done.takeFirst().at(0).value<skyevents::Status>(), skyevents::Status::Cancelled);
        open();
        QCOMPARE(w.FromDate->date(), app->statusDate());
    }

    // A double click on a row: the true sky on the event's day, the pointer
    // to the first body on the view that shows it, the facts in the
    // tooltip.
    void doubleClickOpensTheEvent()
    {
        SkyEventsWindow &w = open();
        findGreatConjunction(w);
        // The engine's minute; published: about 18:20 UT.
        QCOMPARE(w.Events->model()->index(0, SkyEventsModel::UniversalTimeColumn).data().toString(),
                 QStringLiteral("2020-12-21 18:21"));
        QVERIFY(!form().TruePositions);
        platform->answers = {Platform::Button::Yes};
        user::DoubleClick(w.Events->viewport(), rowPoint(w, 0));
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages.front().kind, Platform::MessageKind::Confirmation);
        QVERIFY(form().TruePositions);
        QCOMPARE(app->statusDate(), QDate(2020, 12, 21));
        QVERIFY(form().PointerShown);
        QCOMPARE(panel().ComboBox1->currentText(), QStringLiteral("Jupiter"));
        QVERIFY(form().lblStatusDate->toolTip().contains(
            QStringLiteral("Conjunction of Jupiter and Saturn")));
        QVERIFY(form().TabbedNotebook1->currentIndex() > 0);
    }

    // Enter on a row opens it too; declining the true sky keeps the classic
    // model but still moves the date.
    void enterOpensTheEvent()
    {
        SkyEventsWindow &w = open();
        findGreatConjunction(w);
        user::Click(w.Events->viewport(), rowPoint(w, 0));
        platform->answers = {Platform::Button::No};
        user::Key(w.Events, Qt::Key_Return);
        QCOMPARE(platform->messages.size(), 1);
        QVERIFY(!form().TruePositions);
        QCOMPARE(app->statusDate(), QDate(2020, 12, 21));
    }

    // Earlier and Later each add the one event beyond the list's ends.
    void earlierAndLater()
    {
        SkyEventsWindow &w = open();
        findGreatConjunction(w);
        const double great = w.model()->events().front().julianDay;
        QSignalSpy done(w.search(), &SkyEventsSearch::finished);
        user::Click(w.LaterButton);
        QVERIFY(ended(done));
        QCOMPARE(w.model()->rowCount(), 2);
        // The next within 1.5°: the great conjunction of 2040. These dates
        // are the search's own (its instants are checked against published
        // ones in test_skyevents); here they show that Later and Earlier
        // reach past the list's ends to the next event, however far.
        QCOMPARE(SkyEventsModel::Instant(w.model()->eventAt(1)).date(), QDate(2040, 10, 31));
        QVERIFY(w.model()->eventAt(1).julianDay > great);
        user::Click(w.EarlierButton);
        QVERIFY(ended(done, 1));
        QCOMPARE(w.model()->rowCount(), 3);
        // And the one before: 28 May 2000, 1.15° (not the 4.7° of May 2020,
        // which is beyond the limit).
        QCOMPARE(SkyEventsModel::Instant(w.model()->eventAt(2)).date(), QDate(2000, 5, 28));
        QCOMPARE(w.Events->model()->index(1, SkyEventsModel::UniversalTimeColumn).data().toString(),
                 QStringLiteral("2020-12-21 18:21"));
    }

    // The CSV reads back into the rows shown; the calendar keeps RFC 5545's
    // rules; a failed write says so and leaves nothing behind.
    // Export is offered only while the list holds events: not on opening,
    // after a search that found some, not again after one that found none.
    // Every column is at least as wide as its title beside the sort arrow.
    void exportFollowsTheListAndTitlesFit()
    {
        SkyEventsWindow &w = open();
        QVERIFY(!w.CsvButton->isEnabled() && !w.IcsButton->isEnabled());
        findGreatConjunction(w);
        QVERIFY(w.CsvButton->isEnabled() && w.IcsButton->isEnabled());
        typeDate(w.FromDate, "20210601");
        typeDate(w.ToDate, "20210701");
        QVERIFY(findAll(w));
        QCOMPARE(w.Events->model()->rowCount(), 0);
        QVERIFY(!w.CsvButton->isEnabled() && !w.IcsButton->isEnabled());
        user::Click(w.CsvButton);
        QVERIFY(platform->messages.isEmpty());

        const QHeaderView *header = w.Events->horizontalHeader();
        for (int column = 0; column + 1 < header->count(); ++column)
            QVERIFY2(header->sectionSize(column) >= header->sectionSizeHint(column),
                     qPrintable(w.Events->model()->headerData(column, Qt::Horizontal).toString()));
    }

    void exportsAndCopy()
    {
        SkyEventsWindow &w = open();
        tick(w, {Body::Venus, Body::Moon},
             {int(skyevents::Kind::Conjunction), int(skyevents::Kind::NewMoon)});
        typeDate(w.FromDate, "20260101");
        typeDate(w.ToDate, "20260701");
        QVERIFY(findAll(w));
        QAbstractItemModel &table = *w.Events->model();
        const int rows = table.rowCount();
        QVERIFY(rows > 8);

        QTemporaryDir folder;
        platform->savePath = folder.filePath(QStringLiteral("events.csv"));
        user::Click(w.CsvButton);
        QFile csv(platform->savePath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), rows + 1);
        QCOMPARE(lines.front(), QString::fromLatin1(eventscli::CsvHeader.data()));
        for (int row = 0; row < rows; ++row) {
            const QStringList fields = lines[row + 1].split(QLatin1Char(','));
            QCOMPARE(fields.size(), 7);
            // The time's uncertainty, also in the row's tooltip.
            QVERIFY(!fields[6].isEmpty());
            QVERIFY(table.index(row, 0)
                        .data(Qt::ToolTipRole)
                        .toString()
                        .endsWith(QStringLiteral("; the time uncertain by \u00b1") + fields[6] +
                                  QStringLiteral(" s")));
            QCOMPARE(fields[0], AsCsvInstant(table.index(row, 1).data().toString()));
            const QString separation =
                table.index(row, SkyEventsModel::SeparationColumn).data().toString();
            QCOMPARE(fields[3].isEmpty(), separation.isEmpty());
            if (!separation.isEmpty())
                QCOMPARE(SkyEventsModel::DegreesAndMinutes(fields[3].toDouble()), separation);
        }

        platform->savePath = folder.filePath(QStringLiteral("events.ics"));
        user::Click(w.IcsButton);
        QFile ics(platform->savePath);
        QVERIFY(ics.open(QIODevice::ReadOnly));
        const QByteArray calendar = ics.readAll();
        QVERIFY(calendar.endsWith("\r\n"));
        QStringList unfolded;
        for (const QByteArray &line : calendar.split('\n')) {
            if (line.isEmpty())
                continue;
            QVERIFY(line.endsWith('\r'));
            QVERIFY2(line.size() - 1 <= 75, line.constData());
            const QString text = QString::fromUtf8(line.chopped(1));
            if (text.startsWith(QLatin1Char(' ')))
                unfolded.back() += text.mid(1);
            else
                unfolded << text;
        }
        QCOMPARE(unfolded.front(), QStringLiteral("BEGIN:VCALENDAR"));
        QCOMPARE(unfolded.back(), QStringLiteral("END:VCALENDAR"));
        QVERIFY(unfolded.contains(QStringLiteral("VERSION:2.0")));
        QVERIFY(std::any_of(unfolded.begin(), unfolded.end(), [](const QString &l) {
            return l.startsWith(QStringLiteral("PRODID:"));
        }));
        int events = 0;
        QStringList uids;
        for (int i = 0; i < unfolded.size(); ++i) {
            if (unfolded[i] != QStringLiteral("BEGIN:VEVENT"))
                continue;
            ++events;
            bool uid = false, stamp = false, start = false;
            for (int j = i + 1; j < unfolded.size() && unfolded[j] != QStringLiteral("END:VEVENT");
                 ++j) {
                const QString &l = unfolded[j];
                if (l.startsWith(QStringLiteral("UID:"))) {
                    uid = true;
                    uids << l;
                }
                stamp = stamp ||
                        (l.startsWith(QStringLiteral("DTSTAMP:")) && l.endsWith(QLatin1Char('Z')));
                start = start ||
                        (l.startsWith(QStringLiteral("DTSTART:")) && l.endsWith(QLatin1Char('Z')));
            }
            QVERIFY(uid && stamp && start);
        }
        QCOMPARE(events, rows);
        uids.removeDuplicates();
        QCOMPARE(uids.size(), rows);

        // Into a folder that is not there: an error, and no file.
        platform->savePath = folder.filePath(QStringLiteral("missing/events.csv"));
        const int before = platform->messages.size();
        user::Click(w.CsvButton);
        QCOMPARE(platform->messages.size(), before + 1);
        QCOMPARE(platform->messages.back().kind, Platform::MessageKind::Error);
        QVERIFY(!QFile::exists(platform->savePath));
        // A disk that fills up on the way (a limit on the size of files):
        // the file that was there keeps its bytes.
        const QString kept = folder.filePath(QStringLiteral("kept.csv"));
        {
            QFile old(kept);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("what was there\n");
        }
        platform->savePath = kept;
        {
            const LimitedFileSize limited(64);
            user::Click(w.CsvButton);
        }
        QCOMPARE(platform->messages.size(), before + 2);
        QCOMPARE(platform->messages.back().kind, Platform::MessageKind::Error);
        QFile old(kept);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("what was there\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 3);

        // Cancelled: nothing at all.
        platform->savePath.clear();
        user::Click(w.CsvButton);
        QCOMPARE(platform->messages.size(), before + 2);

        // Two rows chosen with the mouse, then copied.
        user::Click(w.Events->viewport(), rowPoint(w, 0));
        user::Click(w.Events->viewport(), rowPoint(w, 2), Qt::ControlModifier);
        user::Click(w.CopyButton);
        const QStringList copied =
            QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), 2);
        QCOMPARE(copied[1].split(QLatin1Char('\t')).size(), int(SkyEventsModel::ColumnCount));
        QCOMPARE(copied[1].split(QLatin1Char('\t'))[1], table.index(2, 1).data().toString());
    }

    // A search that cannot be made says why and starts nothing.
    void refusesAnEmptySearch()
    {
        SkyEventsWindow &w = open();
        tick(w, {Body::Mars}, {});
        QSignalSpy done(w.search(), &SkyEventsSearch::finished);
        user::Click(w.FindButton);
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages.front().kind, Platform::MessageKind::Error);
        QVERIFY(!w.search()->running());
        QVERIFY(w.FindButton->isEnabled());
    }
};

QTEST_MAIN(TestSkyEvents)
#include "test_skyevents.moc"
