// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"
#include "model/stats.h"

#include <QTest>

namespace {

std::vector<std::string> Column(Body which, double longitude, double geoAngle, int sign,
                                NumberStyle style = {})
{
    auto body = MakeBody(Catalogue[static_cast<std::size_t>(which)]);
    body->Longitude = longitude;
    body->GeoAngle = geoAngle;
    return StatsColumnTexts(*body, sign, style);
}

} // namespace

class TestStats : public QObject {
    Q_OBJECT
private slots:
    void generalFormat()
    {
        const NumberStyle dot;
        QCOMPARE(GeneralFormat(346, dot), std::string("346"));
        QCOMPARE(GeneralFormat(341.9, dot), std::string("341.9"));
        QCOMPARE(GeneralFormat(0.387, dot), std::string("0.387"));
        QCOMPARE(GeneralFormat(27.321661, dot), std::string("27.321661"));
        QCOMPARE(GeneralFormat(91277.474, dot), std::string("91277.474"));
        QCOMPARE(GeneralFormat(100.7, dot), std::string("100.7"));
        QCOMPARE(GeneralFormat(0.003, dot), std::string("0.003"));
        QCOMPARE(GeneralFormat(0.387, {",", ":"}), std::string("0,387"));
    }

    void mercuryAtTheEpochInBothHemispheres()
    {
        const std::vector<std::string> south = Column(Body::Mercury, 346, 297.6, 1);
        QCOMPARE(south, (std::vector<std::string>{"Mercury", "346", "298", "19:52", "0.055",
                                                  "0.387", "87.97", "0.24"}));
        // The northern angles are mirrored, the figures read the same.
        QCOMPARE(Column(Body::Mercury, 14, 360 - 297.6, -1), south);
    }

    void rightAscension()
    {
        QCOMPARE(Column(Body::Jupiter, 101, 101, 1)[3], std::string("06:44"));
        QCOMPARE(Column(Body::Jupiter, 101, 0, 1)[3], std::string("0"));
        QCOMPARE(Column(Body::Jupiter, 101, 360, 1)[3], std::string("00:00"));
        QCOMPARE(Column(Body::Jupiter, 101, 359.6, 1)[3], std::string("00:00"));
        QCOMPARE(Column(Body::Jupiter, 101, 325, 1, {".", "."})[3], std::string("21.40"));
        // Halves go to the even neighbour: 252.5 gives 252, 17:48.
        QCOMPARE(Column(Body::Jupiter, 101, 252.5, 1)[2], std::string("252"));
    }

    void earthAndMoonColumns()
    {
        // The Earth has no bearing: 0 in the south, 360 and 00:00 in the north.
        QCOMPARE(Column(Body::Earth, 101, 0, 1)[2], std::string("0"));
        QCOMPARE(Column(Body::Earth, 101, 0, 1)[3], std::string("0"));
        QCOMPARE(Column(Body::Earth, 259, 0, -1)[2], std::string("360"));
        QCOMPARE(Column(Body::Earth, 259, 0, -1)[3], std::string("00:00"));
        // The Moon keeps a longitude of 0.
        QCOMPARE(Column(Body::Moon, 0, 124, 1)[1], std::string("0"));
        QCOMPARE(Column(Body::Moon, 0, 124, -1)[1], std::string("360"));
        QCOMPARE(Column(Body::Moon, 0, 124, -1)[2], std::string("236"));
    }

    void heliocentricAngleReadsAlikeInBothHemispheres()
    {
        // The northern longitude is mirrored and mirrored back: the text must
        // not show the noise of the two subtractions.
        QCOMPARE(Column(Body::Mars, 5.4, 0, 1)[1], std::string("5.4"));
        QCOMPARE(Column(Body::Mars, 354.6, 0, -1)[1], std::string("5.4"));
        for (std::size_t i = 0; i < 9; ++i) {
            auto south = MakeBody(Catalogue[i]);
            auto north = MakeBody(Catalogue[i]);
            for (int day = -4000; day <= 4000; day += 7) {
                south->UpdatePosition(1, day);
                north->UpdatePosition(-1, day);
                QCOMPARE(StatsColumnTexts(*north, -1, {})[1], StatsColumnTexts(*south, 1, {})[1]);
            }
        }
    }

    void periodsInYears()
    {
        const char *expected[] = {"0.24",  "0.62",  "1",     "1.88",  "11.86",
                                  "29.46", "84.01", "164.8", "249.9", "0.07"};
        for (std::size_t i = 0; i < Catalogue.size(); ++i) {
            auto body = MakeBody(Catalogue[i]);
            QCOMPARE(StatsColumnTexts(*body, 1, {})[7], std::string(expected[i]));
        }
    }

    void faultsStopTheColumn()
    {
        const std::vector<std::string> rows = Column(Body::Venus, 274, std::nan(""), 1);
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[1], std::string("274"));
    }
};

QTEST_APPLESS_MAIN(TestStats)
#include "test_stats.moc"
