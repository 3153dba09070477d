// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The true sky on a machine that lacks some of the ephemeris files: which
// years lost precision, which have nothing, and that nothing is never zeros.
#include "model/ephemerisfiles.h"
#include "model/reliableyears.h"
#include "model/skyevents.h"
#include "model/truesky.h"
#include "views/viewdescription.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cmath>
#include <cstdlib>

using ephemeris::Source;

namespace {

constexpr const char *Installed = "/usr/share/libswe/ephe";

// The Julian day of 1 January of a year, 0 h UT.
double NewYear(int year)
{
    using namespace std::chrono;
    const sys_days day = std::chrono::year{year} / January / 1;
    return truesky::EpochJulianDay + (day - sys_days{2002y / January / 1}).count();
}

} // namespace

class TestEphemerisFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

private slots:
    // Only the files of 1800-2399 are there: the planets' and the Moon's.
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        for (const char *name : {"sepl_18.se1", "semo_18.se1"})
            QVERIFY(QFile::link(QDir(QString::fromLatin1(Installed)).filePath(QLatin1String(name)),
                                m_folder.filePath(QLatin1String(name))));
        qputenv("HELIODIAL_EPHEMERIS", m_folder.path().toLocal8Bit());
        QCOMPARE(QString::fromStdString(ephemeris::Folder()), m_folder.path());
    }

    void whatTheFilesHold_data()
    {
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("source");
        const auto row = [](const char *tag, Body body, int year, Source source) {
            QTest::newRow(tag) << int(body) << year << int(source);
        };
        row("Mars in 2000", Body::Mars, 2000, Source::De431);
        row("the Moon in 2399", Body::Moon, 2399, Source::De431);
        row("the Moon in 1800", Body::Moon, 1800, Source::De431);
        // The library's own theory, 3000 BC to AD 3000.
        row("the Moon in 1799", Body::Moon, 1799, Source::Analytic);
        row("Pluto in 2400", Body::Pluto, 2400, Source::Analytic);
        row("the Sun in 2999", Body::Earth, 2999, Source::Analytic);
        // Nothing beyond it.
        row("Mars in 3000", Body::Mars, 3000, Source::None);
        row("the Moon in 9999", Body::Moon, 9999, Source::None);
    }
    void whatTheFilesHold()
    {
        QFETCH(int, body);
        QFETCH(int, year);
        QFETCH(int, source);
        QCOMPARE(int(ephemeris::SourceFor(Body(body), year)), source);
    }

    // Where the files hold nothing, a place is not a number, never zeros.
    void nothingIsNotZeros()
    {
        const truesky::Place gone =
            truesky::ApparentPlace(Body::Mars, truesky::AtTerrestrialTime(NewYear(7000)));
        QVERIFY(std::isnan(gone.longitude));
        QVERIFY(std::isnan(gone.distance));
        const truesky::Place here =
            truesky::ApparentPlace(Body::Mars, truesky::AtTerrestrialTime(NewYear(2026)));
        // Mars comes no nearer than 0.37 au and goes no further than 2.68 au.
        QVERIFY(here.distance > 0.37 && here.distance < 2.68);
    }

    // The trusted years stop where the places do.
    void theTrustedYearsEndWithThePlaces()
    {
        // The clock alone would trust Mars to the 62nd century.
        QCOMPARE(truesky::ReliableYears(Body::Mars).first, 1601);
        QCOMPARE(truesky::ReliableYears(Body::Mars).last, 2999);
        QVERIFY(truesky::BodiesBeyondTheirYears(2999).empty() ||
                truesky::BodiesBeyondTheirYears(2999) == std::vector{Body::Moon});
        QCOMPARE(truesky::BodiesBeyondTheirYears(3000).size(), std::size_t(10));
    }

    // The Stats page's note and the views' description say why.
    void theNoteSaysWhy()
    {
        QCOMPARE(TrustCaution(2026), QString());
        const QString analytic = TrustCaution(2500);
        QVERIFY2(analytic.startsWith(QStringLiteral("The ephemeris files for 2500 are not in ")),
                 qPrintable(analytic));
        QVERIFY(analytic.contains(QStringLiteral("analytic theory")));
        QVERIFY(analytic.contains(m_folder.path()));
        const QString none = TrustCaution(7000);
        QVERIFY2(none.contains(QStringLiteral("there are no true places for that year.")),
                 qPrintable(none));
        QVERIFY(none.contains(QStringLiteral("not good to a tenth of a degree")));
    }

    // A span of years is named by its first and last year of each kind, and
    // a search over years without places is refused, never answered with
    // nothing found.
    void searchesOverMissingYearsAreRefused()
    {
        const QString folder = m_folder.path();
        QCOMPARE(QString::fromStdString(ephemeris::Caution(2000, 2399)), QString());
        QCOMPARE(QString::fromStdString(ephemeris::Caution(2390, 2410)),
                 QStringLiteral("The ephemeris files for 2400 to 2410 are not in %1: the true "
                                "places come from an analytic theory, good to an arc second or "
                                "so instead of DE431's thousandth.")
                     .arg(folder));
        // Missing places outweigh approximate ones.
        QCOMPARE(QString::fromStdString(ephemeris::Caution(2990, 3009)),
                 QStringLiteral("The ephemeris files for 3000 to 3009 are not in %1: there are "
                                "no true places for those years.")
                     .arg(folder));

        skyevents::Search search;
        search.from = NewYear(2990);
        search.to = NewYear(3000);
        QVERIFY(skyevents::HasPlaces(search));
        // The end is not searched: 3000 is not among the years.
        QVERIFY(QString::fromStdString(skyevents::SourceCaution(search)).contains("2990 to 2999"));
        search.to = NewYear(3000) + 1;
        QVERIFY(!skyevents::HasPlaces(search));
        const skyevents::Found found = skyevents::FindEvents(search);
        QCOMPARE(int(found.status), int(skyevents::Status::Invalid));
        QVERIFY(found.events.empty());
        skyevents::Search ahead;
        ahead.from = NewYear(2026);
        QCOMPARE(int(skyevents::NextEvent(ahead).status), int(skyevents::Status::Invalid));
    }
};

QTEST_APPLESS_MAIN(TestEphemerisFiles)
#include "test_ephemerisfiles.moc"
