// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// heliodial-events: its command line, its three output formats, and the
// built program run as a script would run it.
#include "cli/eventsformat.h"
#include "cli/eventsoptions.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <locale>
#include <sstream>

using eventscli::Format;
using eventscli::Mode;
using eventscli::Parsed;
using skyevents::Event;
using skyevents::Kind;

namespace {

// 2026-03-15, 0 h UT.
constexpr double Today = 2461114.5;

Parsed Parse(const QStringList &arguments, double today = Today)
{
    std::vector<std::string> texts;
    for (const QString &argument : arguments)
        texts.push_back(argument.toStdString());
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    return eventscli::ParseArguments(views, today);
}

double Day(int year, unsigned month, unsigned day)
{
    return eventscli::JulianDayOf(year, month, day).value();
}

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

Event Conjunction()
{
    Event event;
    event.julianDay = Day(2020, 12, 21) + (18 * 60 + 20) / 1440.0;
    event.kind = Kind::Conjunction;
    event.bodies = skyevents::BodyBit(Body::Saturn) | skyevents::BodyBit(Body::Jupiter);
    event.separation = 0.1016;
    event.fromSun[static_cast<std::size_t>(Body::Jupiter)] = 30.21;
    event.fromSun[static_cast<std::size_t>(Body::Saturn)] = 30.28;
    return event;
}

Event OneBody(Kind kind, Body body, double fromSun, skyevents::Detail detail = {})
{
    Event event;
    event.julianDay = Day(2020, 10, 13) + 0.5;
    event.kind = kind;
    event.detail = detail;
    event.bodies = skyevents::BodyBit(body);
    event.fromSun[static_cast<std::size_t>(body)] = fromSun;
    return event;
}

std::string Written(Format format, const std::vector<Event> &events,
                    const skyevents::Search &search = {})
{
    std::ostringstream out;
    // 2026-01-02 03:04:05 UTC.
    const std::chrono::sys_seconds stamp{
        std::chrono::sys_days{std::chrono::year{2026} / std::chrono::January / 2} +
        std::chrono::hours{3} + std::chrono::minutes{4} + std::chrono::seconds{5}};
    eventscli::EventWriter writer(out, format, search, stamp);
    writer.begin();
    writer.write(events);
    writer.end();
    return out.str();
}

// A decimal comma, as some locales have: what the CSV must never follow.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

bool ValidUtf8(QByteArrayView bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The content lines of a calendar, folded lines joined again.
QStringList Unfolded(const std::string &calendar)
{
    QString text = Q(calendar);
    text.replace(QStringLiteral("\r\n "), QString());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

QStringList Valued(const QStringList &lines, const QString &name)
{
    QStringList values;
    for (const QString &line : lines)
        if (line.startsWith(name + ':'))
            values.push_back(line.mid(name.size() + 1));
    return values;
}

struct Run {
    int exitCode = -1;
    QString out, err;
};

Run Program(const QStringList &arguments, const QString &outputFile = {},
            const QString &ephemerisFolder = {})
{
    QProcess process;
    if (!ephemerisFolder.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HELIODIAL_EPHEMERIS"), ephemerisFolder);
        process.setProcessEnvironment(environment);
    }
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(HELIODIAL_EVENTS), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestEventsCli : public QObject {
    Q_OBJECT
private slots:
    void julianDaysOfCalendarDays()
    {
        QCOMPARE(Day(1970, 1, 1), 2440587.5);
        QCOMPARE(Day(2000, 1, 1), 2451544.5);
        QCOMPARE(Day(1858, 11, 17), 2400000.5); // the modified Julian day's zero
        QCOMPARE(Day(1601, 1, 1), skyevents::FirstJulianDay);
        QCOMPARE(Day(10000, 1, 1), skyevents::EndJulianDay);
        QVERIFY(!eventscli::JulianDayOf(2026, 2, 29));
        QVERIFY(!eventscli::JulianDayOf(1900, 2, 29));
        QVERIFY(eventscli::JulianDayOf(2000, 2, 29));
    }

    void defaults()
    {
        const Parsed parsed = Parse({});
        QVERIFY2(parsed.ok(), parsed.error.c_str());
        QCOMPARE(parsed.options.mode, Mode::Range);
        QCOMPARE(parsed.options.format, Format::Csv);
        const skyevents::Search &search = parsed.options.search;
        QCOMPARE(search.from, Today);
        QCOMPARE(search.to, Day(2027, 3, 15));
        QCOMPARE(search.kinds, skyevents::DefaultKinds);
        QCOMPARE(search.bodies, eventscli::DefaultBodies);
        QVERIFY(!(search.bodies & skyevents::BodyBit(Body::Uranus)));
        QVERIFY(search.bodies & skyevents::BodyBit(Body::Moon));
        QCOMPARE(search.limit, 5.0);
        QCOMPARE(search.group, skyevents::Bodies{0});

        // A year after a leap day, and a year that would pass the calendar's end.
        QCOMPARE(Parse({"--from", "2024-02-29"}).options.search.to, Day(2025, 3, 1));
        QCOMPARE(Parse({"--from", "9999-06-01"}).options.search.to, skyevents::EndJulianDay);
        QCOMPARE(Parse({"--to", "2026-04-01"}).options.search.from, Today);
    }

    void wellFormedArguments()
    {
        Parsed parsed =
            Parse({"--from=2020-12-01", "--to", "2021-01-01", "--kinds", "conjunction, gathering",
                   "--bodies=JUPITER,saturn,Mars", "--within=0.1", "--format", "ics"});
        QVERIFY2(parsed.ok(), parsed.error.c_str());
        const skyevents::Search &search = parsed.options.search;
        QCOMPARE(search.from, Day(2020, 12, 1));
        QCOMPARE(search.to, Day(2021, 1, 1));
        QCOMPARE(search.kinds, skyevents::Kinds(skyevents::KindBit(Kind::Conjunction) |
                                                skyevents::KindBit(Kind::Gathering)));
        const skyevents::Bodies three = skyevents::BodyBit(Body::Jupiter) |
                                        skyevents::BodyBit(Body::Saturn) |
                                        skyevents::BodyBit(Body::Mars);
        QCOMPARE(search.bodies, three);
        QCOMPARE(search.group, three); // the bodies, when no group is given
        QCOMPARE(search.limit, 0.1);
        QCOMPARE(parsed.options.format, Format::Ics);

        parsed = Parse({"--kinds", "gathering", "--group", "Moon,Venus,Mercury,Pluto", "--within",
                        "20", "--format", "text"});
        QVERIFY2(parsed.ok(), parsed.error.c_str());
        QCOMPARE(
            parsed.options.search.group,
            skyevents::Bodies(skyevents::BodyBit(Body::Moon) | skyevents::BodyBit(Body::Venus) |
                              skyevents::BodyBit(Body::Mercury) | skyevents::BodyBit(Body::Pluto)));
        QCOMPARE(parsed.options.search.limit, 20.0);
        QCOMPARE(parsed.options.format, Format::Text);

        // Every kind by its name, and the calendar's very ends.
        for (std::size_t k = 0; k < skyevents::KindCount; ++k) {
            const QString name = Q(std::string(skyevents::KindName(static_cast<Kind>(k))));
            parsed = Parse({"--kinds", name, "--from", "1601-01-01", "--to", "10000-01-01"});
            QVERIFY2(parsed.ok(), parsed.error.c_str());
            QCOMPARE(parsed.options.search.kinds, skyevents::KindBit(static_cast<Kind>(k)));
        }
    }

    void nextAndPrevious()
    {
        Parsed parsed = Parse({"--next", "full-moon", "--from", "2020-12-01"});
        QVERIFY2(parsed.ok(), parsed.error.c_str());
        QCOMPARE(parsed.options.mode, Mode::Next);
        QCOMPARE(parsed.options.search.kinds, skyevents::KindBit(Kind::FullMoon));
        QCOMPARE(parsed.options.search.from, Day(2020, 12, 1));

        parsed = Parse({"--previous=opposition", "--bodies", "Mars"});
        QVERIFY2(parsed.ok(), parsed.error.c_str());
        QCOMPARE(parsed.options.mode, Mode::Previous);
        QCOMPARE(parsed.options.search.to, Today);
        QCOMPARE(parsed.options.search.kinds, skyevents::KindBit(Kind::Opposition));
    }

    void helpWinsOverEverything()
    {
        QCOMPARE(Parse({"--help"}).options.mode, Mode::Help);
        QCOMPARE(Parse({"--from", "2026-02-30", "-h"}).options.mode, Mode::Help);
        QVERIFY(Parse({"--from", "2026-02-30", "--help"}).ok());
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("start"); // the argument the message names first

        QTest::newRow("unknown option") << QStringList{"--colour", "red"} << "--colour";
        QTest::newRow("stray word") << QStringList{"Mars"} << "unexpected argument \"Mars\"";
        QTest::newRow("value to a switch") << QStringList{"--help=yes"} << "--help";
        QTest::newRow("missing value at the end") << QStringList{"--from"} << "--from";
        QTest::newRow("option for a value")
            << QStringList{"--kinds", "--bodies", "Mars"} << "--kinds";
        QTest::newRow("empty value") << QStringList{"--bodies="} << "--bodies";
        QTest::newRow("unknown body") << QStringList{"--bodies", "Mars,Vulcan"} << "--bodies";
        QTest::newRow("Earth") << QStringList{"--bodies", "earth,Mars"} << "--bodies";
        QTest::newRow("Earth in a group")
            << QStringList{"--kinds", "gathering", "--group", "Mars,Earth,Venus"} << "--group";
        QTest::newRow("empty item") << QStringList{"--bodies", "Mars,,Venus"} << "--bodies";
        QTest::newRow("unknown kind") << QStringList{"--kinds", "conjunction,eclipse"} << "--kinds";
        QTest::newRow("one-digit month") << QStringList{"--from", "2026-1-05"} << "--from";
        QTest::newRow("no dashes") << QStringList{"--from", "20260105"} << "--from";
        QTest::newRow("time of day") << QStringList{"--to", "2026-01-05T00:00"} << "--to";
        QTest::newRow("30 February") << QStringList{"--from", "2026-02-30"} << "--from";
        QTest::newRow("29 February, no leap year") << QStringList{"--to", "2100-02-29"} << "--to";
        QTest::newRow("month 13") << QStringList{"--to", "2026-13-01"} << "--to";
        QTest::newRow("from equals to")
            << QStringList{"--from", "2026-01-05", "--to", "2026-01-05"} << "--to";
        QTest::newRow("to before from")
            << QStringList{"--from", "2026-01-05", "--to", "2025-01-05"} << "--to";
        QTest::newRow("to before today") << QStringList{"--to", "2026-03-15"} << "--to";
        QTest::newRow("before 1601") << QStringList{"--from", "1600-12-31"} << "--from";
        QTest::newRow("from at the end") << QStringList{"--from", "10000-01-01"} << "--from";
        QTest::newRow("past the end") << QStringList{"--to", "10000-01-02"} << "--to";
        QTest::newRow("five-digit year") << QStringList{"--to", "32768-01-01"} << "--to";
        QTest::newRow("limit too small") << QStringList{"--within", "0.09"} << "--within";
        QTest::newRow("limit too large") << QStringList{"--within", "20.001"} << "--within";
        QTest::newRow("negative limit") << QStringList{"--within", "-1"} << "--within";
        QTest::newRow("decimal comma") << QStringList{"--within", "2,5"} << "--within";
        QTest::newRow("exponent") << QStringList{"--within", "1e1"} << "--within";
        QTest::newRow("inf") << QStringList{"--within", "inf"} << "--within";
        QTest::newRow("unknown format") << QStringList{"--format", "xml"} << "--format";
        QTest::newRow("next of no kind") << QStringList{"--next", "eclipse"} << "--next";
        QTest::newRow("next and previous")
            << QStringList{"--next", "full-moon", "--previous", "new-moon"} << "--previous";
        QTest::newRow("next with kinds")
            << QStringList{"--next", "full-moon", "--kinds", "new-moon"} << "--kinds";
        QTest::newRow("next with an end")
            << QStringList{"--next", "full-moon", "--to", "2027-01-01"} << "--to";
        QTest::newRow("previous with a start")
            << QStringList{"--previous", "full-moon", "--from", "2020-01-01"} << "--from";
        QTest::newRow("previous before 1601")
            << QStringList{"--previous", "full-moon", "--to", "1601-01-01"} << "--to";
        QTest::newRow("gathering of two bodies")
            << QStringList{"--kinds", "gathering", "--bodies", "Mars,Venus"} << "--kinds";
        QTest::newRow("next gathering of two bodies")
            << QStringList{"--next", "gathering", "--bodies", "Mars,Venus"} << "--next";
        QTest::newRow("group of two")
            << QStringList{"--kinds", "gathering", "--group", "Mars,Venus,mars"} << "--group";
        QTest::newRow("group without gathering")
            << QStringList{"--group", "Mars,Venus,Jupiter"} << "--group";
    }

    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, start);
        const Parsed parsed = Parse(arguments);
        QVERIFY(!parsed.ok());
        const QString error = Q(parsed.error);
        QVERIFY2(error.startsWith(start), qPrintable(error));
        QVERIFY(!error.contains('\n'));
    }

    void messagesQuoteWhatWasWrong()
    {
        QCOMPARE(Q(Parse({"--from", "2026-02-30"}).error),
                 "--from: 2026-02-30 is not a day of the calendar");
        QVERIFY(Q(Parse({"--bodies", "Mars,Vulcan"}).error).contains("\"Vulcan\""));
        QVERIFY(Q(Parse({"--kinds", "eclipse"}).error).contains("\"eclipse\""));
        QVERIFY(Q(Parse({"--within", "25"}).error).contains("25"));
        QCOMPARE(Q(Parse({"--to", "2026-03-15"}).error),
                 "--to: 2026-03-15 is not after today, 2026-03-15");
    }

    void csvRows()
    {
        std::vector<Event> events{Conjunction()};
        events.front().uncertainty = 0.19;
        events.push_back(OneBody(Kind::Opposition, Body::Mars, 177.0049));
        events.back().uncertainty = 12.5; // whole seconds from 10 on
        events.push_back(
            OneBody(Kind::GreatestElongation, Body::Mercury, 18.2049, skyevents::Detail::East));
        events.push_back(
            OneBody(Kind::ConjunctionWithSun, Body::Venus, 0.486, skyevents::Detail::Inferior));
        Event full = OneBody(Kind::FullMoon, Body::Moon, 179.4);
        full.tooNearTheSun = true; // notes are not CSV columns
        full.approximate = true;
        full.uncertainty = 483.2;
        events.push_back(full);
        Event moon = OneBody(Kind::Conjunction, Body::Moon, 12);
        moon.bodies |= skyevents::BodyBit(Body::Mercury);
        moon.separation = -0.0001; // no "-0.000"
        events.push_back(moon);

        std::ostringstream out;
        out.imbue(std::locale(std::locale::classic(), new CommaPoint));
        const std::string csv = Written(Format::Csv, events);
        QCOMPARE(Q(csv), QStringLiteral(
                             "utc,kind,bodies,separation_deg,elongation_deg,detail,uncertainty_s\n"
                             "2020-12-21T18:20Z,conjunction,Jupiter+Saturn,0.102,,,0.2\n"
                             "2020-10-13T12:00Z,opposition,Mars,,177.00,,13\n"
                             "2020-10-13T12:00Z,greatest-elongation,Mercury,,18.20,east,0.0\n"
                             "2020-10-13T12:00Z,conjunction-sun,Venus,,0.49,inferior,0.0\n"
                             "2020-10-13T12:00Z,full-moon,Moon,,,,483\n"
                             "2020-10-13T12:00Z,conjunction,Mercury+Moon,0.000,,,0.0\n"));
    }

    void csvIgnoresTheLocale()
    {
        const std::locale previous =
            std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
        std::ostringstream out;
        eventscli::EventWriter writer(out, Format::Csv, {}, {});
        Event far = Conjunction();
        far.uncertainty = 1143.3; // no thousands separator
        writer.write({Conjunction(), far});
        std::locale::global(previous);
        QCOMPARE(Q(out.str()),
                 QStringLiteral("2020-12-21T18:20Z,conjunction,Jupiter+Saturn,0.102,,,0.0\n"
                                "2020-12-21T18:20Z,conjunction,Jupiter+Saturn,0.102,,,1143\n"));
    }

    void instantsToTheNearestMinute()
    {
        const double evening = Day(2020, 12, 21) + 18.0 / 24;
        QCOMPARE(Q(eventscli::InstantText(evening + 29.9 / 86400)), "2020-12-21T18:00Z");
        QCOMPARE(Q(eventscli::InstantText(evening + 30.1 / 86400)), "2020-12-21T18:01Z");
        QCOMPARE(Q(eventscli::InstantText(evening - 0.2 / 86400)), "2020-12-21T18:00Z");
        // Into the next day, month and year.
        QCOMPARE(Q(eventscli::InstantText(Day(2021, 1, 1) - 20.0 / 86400)), "2021-01-01T00:00Z");
        QCOMPARE(Q(eventscli::InstantText(skyevents::FirstJulianDay)), "1601-01-01T00:00Z");
        QCOMPARE(Q(eventscli::InstantText(skyevents::EndJulianDay - 1.0 / 1440)),
                 "9999-12-31T23:59Z");
    }

    void summaries()
    {
        QCOMPARE(Q(eventscli::Summary(Conjunction())), "Conjunction of Jupiter and Saturn, 0.10°");
        Event gathering = Conjunction();
        gathering.kind = Kind::Gathering;
        gathering.bodies |= skyevents::BodyBit(Body::Moon) | skyevents::BodyBit(Body::Mars);
        gathering.separation = 4.518;
        QCOMPARE(Q(eventscli::Summary(gathering)),
                 "Gathering of Mars, Jupiter, Saturn and the Moon within 4.52°");
        QCOMPARE(Q(eventscli::Summary(OneBody(Kind::GreatestElongation, Body::Mercury, 18.94,
                                              skyevents::Detail::East))),
                 "Greatest elongation of Mercury, 18.9° east");
        QCOMPARE(Q(eventscli::Summary(OneBody(Kind::FullMoon, Body::Moon, 179))), "Full moon");
        QCOMPARE(Q(eventscli::Summary(OneBody(Kind::ConjunctionWithSun, Body::Venus, 0.5,
                                              skyevents::Detail::Inferior))),
                 "Inferior conjunction of Venus");
    }

    void icsEscapingAndFolding()
    {
        QCOMPARE(Q(eventscli::IcsEscaped("a,b;c\\d\ne\r\nf")), "a\\,b\\;c\\\\d\\ne\\nf");

        const std::string exact(75, 'x');
        QCOMPARE(Q(eventscli::IcsFolded(exact)), Q(exact + "\r\n"));
        QCOMPARE(Q(eventscli::IcsFolded(exact + "y")), Q(exact + "\r\n y\r\n"));

        // Degree signs, two octets each, across every possible fold.
        for (std::size_t head = 0; head < 4; ++head) {
            std::string line(head, 'x');
            for (int i = 0; i < 120; ++i)
                line += "°";
            const std::string folded = eventscli::IcsFolded(line);
            QVERIFY(folded.ends_with("\r\n"));
            std::string joined;
            std::size_t start = 0;
            for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos;
                 start = end + 2) {
                const std::string physical = folded.substr(start, end - start);
                QVERIFY(physical.size() <= 75);
                QVERIFY(ValidUtf8(physical.c_str()));
                joined += start == 0 ? physical : physical.substr(1);
                QVERIFY(start == 0 || physical.front() == ' ');
            }
            QCOMPARE(Q(joined), Q(line));
        }
    }

    void icsCalendar()
    {
        Event hidden = Conjunction();
        hidden.tooNearTheSun = true;
        hidden.approximate = true;
        Event full = OneBody(Kind::FullMoon, Body::Moon, 179.4);
        full.julianDay = hidden.julianDay; // the same minute, another event
        Event saturnMars = hidden;
        saturnMars.bodies = skyevents::BodyBit(Body::Mars) | skyevents::BodyBit(Body::Saturn);
        Event gathering = Conjunction();
        gathering.kind = Kind::Gathering;
        gathering.bodies = skyevents::EveryBody; // a long description, folded
        for (double &angle : gathering.fromSun)
            angle = 123.456;
        const std::vector<Event> events{hidden, full, saturnMars, gathering};
        const std::string calendar = Written(Format::Ics, events);

        // CRLF only, and no physical line over 75 octets.
        QVERIFY(calendar.ends_with("\r\n"));
        std::size_t start = 0;
        for (std::size_t end; (end = calendar.find('\n', start)) != std::string::npos;
             start = end + 1) {
            QVERIFY(end > 0 && calendar[end - 1] == '\r');
            QVERIFY(end - 1 - start <= 75);
        }
        QCOMPARE(std::count(calendar.begin(), calendar.end(), '\r'),
                 std::count(calendar.begin(), calendar.end(), '\n'));
        QVERIFY(ValidUtf8(calendar.c_str()));
        QVERIFY(calendar.find("\r\n ") != std::string::npos); // something was folded

        const QStringList lines = Unfolded(calendar);
        QCOMPARE(lines.front(), "BEGIN:VCALENDAR");
        QCOMPARE(lines.back(), "END:VCALENDAR");
        QCOMPARE(Valued(lines, "VERSION"), QStringList{"2.0"});
        QCOMPARE(Valued(lines, "PRODID"), QStringList{"-//Heliodial//Sky events//EN"});
        QCOMPARE(Valued(lines, "CALSCALE"), QStringList{"GREGORIAN"});
        QCOMPARE(lines.count("BEGIN:VEVENT"), 4);
        QCOMPARE(lines.count("END:VEVENT"), 4);

        // Each event holds its properties once, between its own BEGIN and END.
        int first = lines.indexOf("BEGIN:VEVENT");
        for (int e = 0; e < 4; ++e) {
            const int last = lines.indexOf("END:VEVENT", first);
            const QStringList own = lines.mid(first + 1, last - first - 1);
            for (const char *name : {"UID", "DTSTAMP", "DTSTART", "SUMMARY", "DESCRIPTION"})
                QCOMPARE(Valued(own, name).size(), 1);
            QVERIFY(!own.contains("BEGIN:VEVENT"));
            first = last + 1;
        }
        QCOMPARE(Valued(lines, "DTSTAMP"), QStringList(4, QStringLiteral("20260102T030405Z")));
        QCOMPARE(Valued(lines, "DTSTART").front(), "20201221T182000Z");

        const QStringList uids = Valued(lines, "UID");
        QCOMPARE(uids.front(), "20201221T1820Z-conjunction-jupiter-saturn@heliodial");
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), 4);
        // The same event makes the same identifier in the next calendar.
        QCOMPARE(Valued(Unfolded(Written(Format::Ics, {hidden})), "UID").front(), uids.front());

        const QStringList summaries = Valued(lines, "SUMMARY");
        QCOMPARE(summaries.front(), "Conjunction of Jupiter and Saturn\\, 0.10°");
        QCOMPARE(summaries[1], "Full moon");
        QCOMPARE(uids[1], "20201221T1820Z-full-moon@heliodial");
        const QStringList descriptions = Valued(lines, "DESCRIPTION");
        QVERIFY(descriptions.front().contains("\\nToo near the Sun to see."));
        QVERIFY(descriptions.front().contains("\\nApproximate"));
        QVERIFY(descriptions.front().contains("Jupiter 30.2°\\, Saturn 30.3°"));
        QVERIFY(!descriptions[1].contains("Too near"));
        for (const QString &description : descriptions)
            QVERIFY(!description.contains(QRegularExpression("[^\\\\][,;]")));

        // An empty calendar is still a whole one.
        const QStringList empty = Unfolded(Written(Format::Ics, {}));
        QCOMPARE(empty.front(), "BEGIN:VCALENDAR");
        QCOMPARE(empty.back(), "END:VCALENDAR");
    }

    void textTable()
    {
        skyevents::Search search;
        search.bodies = skyevents::BodyBit(Body::Jupiter) | skyevents::BodyBit(Body::Saturn) |
                        skyevents::BodyBit(Body::Mercury);
        Event hidden = Conjunction();
        hidden.tooNearTheSun = true;
        const std::vector<Event> events{hidden, OneBody(Kind::GreatestElongation, Body::Mercury,
                                                        18.94, skyevents::Detail::West)};
        const QStringList lines = Q(Written(Format::Text, events, search)).split('\n');
        QCOMPARE(lines.size(), 4); // header, two events, and the last line's end
        QVERIFY(lines[0].startsWith("UTC"));
        QCOMPARE(lines[3], QString());
        // The numbers end under their headings, the degree sign one character.
        const int separationEnd = lines[0].indexOf("Separation") + 10;
        const int fromSunEnd = lines[0].indexOf("From Sun") + 8;
        QCOMPARE(lines[1].indexOf("0.10°") + 5, separationEnd);
        QCOMPARE(lines[2].indexOf("18.9°") + 5, fromSunEnd);
        QCOMPARE(lines[1].indexOf("too near the Sun to see"), lines[0].indexOf("Notes"));
        QVERIFY(lines[1].contains("Jupiter, Saturn"));
        QVERIFY(lines[2].contains("Greatest elongation west"));
        for (const QString &line : lines)
            QVERIFY(!line.endsWith(' '));

        QVERIFY(Q(Written(Format::Text, {}, search)).endsWith("\nNo events.\n"));
    }

    void programRejectsBadArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList{"--colour=red"} << "--colour: ";
        QTest::newRow("unknown body") << QStringList{"--bodies", "Vulcan"} << "--bodies: ";
        QTest::newRow("impossible date") << QStringList{"--from", "2026-02-30"} << "--from: ";
        QTest::newRow("missing value") << QStringList{"--within"} << "--within: ";
        QTest::newRow("reversed range")
            << QStringList{"--from", "2021-01-01", "--to", "2020-01-01"} << "--to: ";
    }

    void programRejectsBadArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = Program(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith("heliodial-events: " + message), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
    }

    void programHelp()
    {
        const Run run = Program({"--help"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QVERIFY(run.out.startsWith("Usage: heliodial-events"));
        for (const char *option : {"--from", "--to", "--kinds", "--bodies", "--group", "--within",
                                   "--format", "--next", "--previous", "--help"})
            QVERIFY2(run.out.contains(option), option);
    }

    void programFindsTheGreatConjunction()
    {
        const Run run = Program({"--from", "2020-12-01", "--to", "2021-01-01", "--kinds",
                                 "conjunction", "--bodies", "Jupiter,Saturn", "--within", "1"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], "utc,kind,bodies,separation_deg,elongation_deg,detail,uncertainty_s");
        // The time's uncertainty in 2020: a tenth or two of a second, between the
        // atomic clocks' 0.05 s and the U.S. Naval Observatory's 0.19 s of 2026.
        QVERIFY2(QRegularExpression("^2020-12-21T\\d\\d:\\d\\dZ,conjunction,Jupiter\\+Saturn,"
                                    "0\\.10\\d,,,0\\.[12]$")
                     .match(lines[1])
                     .hasMatch(),
                 qPrintable(lines[1]));
        QCOMPARE(lines[2], QString());
    }

    void programFindsTheNextAndThePreviousPhase()
    {
        // The full moon of 30 December 2020 at 03:28 UT and the new moon of
        // the total eclipse, 14 December 2020 at 16:17 UT, as almanacs give them.
        Run run = Program({"--next", "full-moon", "--from", "2020-12-01"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(QRegularExpression("\n2020-12-30T03:2[789]Z,full-moon,Moon,,,,0\\.[12]\n$")
                     .match(run.out)
                     .hasMatch(),
                 qPrintable(run.out));
        run = Program({"--previous", "new-moon", "--to", "2020-12-20", "--format", "text"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QRegularExpression("\n2020-12-14T16:1[678]Z  New moon ")),
                 qPrintable(run.out));
    }

    void programWritesAWholeCalendar()
    {
        const Run run = Program({"--from", "2020-12-01", "--to", "2021-01-01", "--format", "ics"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = Unfolded(run.out.toStdString());
        QCOMPARE(lines.front(), "BEGIN:VCALENDAR");
        QCOMPARE(lines.back(), "END:VCALENDAR");
        QVERIFY(lines.count("BEGIN:VEVENT") >= 8); // four phases, conjunctions with the Moon
        const QStringList uids = Valued(lines, "UID");
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
        QCOMPARE(uids.filter(QRegularExpression("^20201214T161[678]Z-new-moon@heliodial$")).size(),
                 1);
        QCOMPARE(uids.filter(QRegularExpression("^20201221T182[012]Z-conjunction-jupiter-saturn@"))
                     .size(),
                 1);
    }

    void programReportsAnOutputThatCannotBeWritten()
    {
        if (!QFile::exists("/dev/full"))
            QSKIP("no /dev/full here");
        const Run run = Program({"--from", "2020-12-01", "--to", "2021-01-01"}, "/dev/full");
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith("heliodial-events: "), qPrintable(run.err));
    }

    // With the files of 1800-2399 alone: the years of the library's analytic
    // theory are searched with a warning, years without places not at all.
    void programSaysWhatTheEphemerisFilesLack()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const char *name : {"sepl_18.se1", "semo_18.se1"})
            QVERIFY(QFile::link(QStringLiteral("/usr/share/libswe/ephe/") + QLatin1String(name),
                                folder.filePath(QLatin1String(name))));

        const Run whole =
            Program({"--from", "2020-12-01", "--to", "2021-01-01"}, {}, folder.path());
        QCOMPARE(whole.exitCode, 0);
        QCOMPARE(whole.err, QString());

        const Run analytic =
            Program({"--from", "2500-01-01", "--to", "2500-03-01"}, {}, folder.path());
        QCOMPARE(analytic.exitCode, 0);
        QCOMPARE(analytic.err, QStringLiteral("heliodial-events: warning: The ephemeris files for "
                                              "2500 are not in %1: the true places come from an "
                                              "analytic theory, good to an arc second or so "
                                              "instead of DE431's thousandth.\n")
                                   .arg(folder.path()));
        QVERIFY(analytic.out.count(QLatin1Char('\n')) > 4); // the header and the phases

        const QString none = QStringLiteral("heliodial-events: The ephemeris files for %1 are not "
                                            "in %2: there are no true places for %3.\n");
        const Run missing =
            Program({"--from", "7000-01-01", "--to", "7002-01-01"}, {}, folder.path());
        QCOMPARE(missing.exitCode, 1);
        QCOMPARE(missing.err, none.arg("7000 to 7001", folder.path(), "those years"));
        QCOMPARE(missing.out, QString());
        // The next event may lie as far as the calendar's end.
        const Run next =
            Program({"--from", "2026-01-01", "--next", "full-moon"}, {}, folder.path());
        QCOMPARE(next.exitCode, 1);
        QCOMPARE(next.err, none.arg("3000 to 9999", folder.path(), "those years"));
    }
};

QTEST_APPLESS_MAIN(TestEventsCli)
#include "test_events_cli.moc"
