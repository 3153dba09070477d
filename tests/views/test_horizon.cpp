// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"
#include "views/digitfield.h"
#include "views/horizon.h"

#include <QTest>
#include <cmath>

using namespace std::chrono;

namespace {

constexpr double TimeOfDay = StatusTimeOfDay;

double Shift(year_month_day day, int latitude)
{
    return NightShift(day, TimeOfDay, latitude).value();
}

HorizonInputs Inputs(int sign, int hour, const char *label, int daylight = 0)
{
    return {101.0, sign, 2003y / May / 10,           TimeOfDay,
            45,    hour, QString::fromLatin1(label), daylight};
}

} // namespace

class TestHorizon : public QObject {
    Q_OBJECT
private slots:
    void nightShiftOverTheYear()
    {
        const double f45 = 90 - std::sqrt(8100.0 - 45 * 45); // about 12.06
        QCOMPARE(Shift(2003y / June / 22, 0), 0.0);
        QCOMPARE(Shift(2003y / December / 22, 0), 0.0);
        QCOMPARE(Shift(2003y / June / 22, 45), f45);
        QCOMPARE(Shift(2003y / December / 22, 45), -f45);
        // The summer half runs from 22 March to 23 September.
        QCOMPARE(Shift(2003y / September / 23, 45), 0.0);
        QCOMPARE(Shift(2003y / March / 21, 45), 0.0);
        QCOMPARE(Shift(2003y / September / 24, 45), -f45 / 89);
        // A date before its reference counts a day fewer: 22 March lies 92
        // calendar days before 22 June.
        QCOMPARE(Shift(2003y / March / 22, 45), f45 * 2 / 93);
        // 21 March of a leap year is 90 days after 22 December: the winter
        // formula turns positive.
        QCOMPARE(Shift(2024y / March / 21, 45), f45 / 89);
        QCOMPARE(Shift(2003y / June / 22, 90), 90.0);
        QCOMPARE(Shift(2003y / June / 22, 60), 90 - std::sqrt(8100.0 - 3600));
        // Past 90 there is no horizon at all.
        QVERIFY(!NightShift(2003y / June / 22, TimeOfDay, 91));
        QVERIFY(!NightShift(2003y / June / 22, TimeOfDay, 99));
    }

    void clockHours()
    {
        QCOMPARE(ClockHour(12, "mdnt"), 24);
        QCOMPARE(ClockHour(12, "noon"), 12);
        QCOMPARE(ClockHour(11, "pm"), 23);
        QCOMPARE(ClockHour(1, "am"), 1);
    }

    void midnightLooksAwayFromTheSun()
    {
        for (const int sign : {1, -1}) {
            const HorizonAngles a = ComputeHorizon(Inputs(sign, 12, "mdnt")).value();
            QCOMPARE(a.zenith, 101.0);
            QCOMPARE(a.base, 191.0);
        }
    }

    void daylightSavingIsOneHourEarlier()
    {
        for (const int sign : {1, -1}) {
            const HorizonAngles saving = ComputeHorizon(Inputs(sign, 12, "mdnt", 1)).value();
            const HorizonAngles earlier = ComputeHorizon(Inputs(sign, 11, "pm")).value();
            QCOMPARE(saving.base, earlier.base);
            QCOMPARE(saving.ray1, earlier.ray1);
            QCOMPARE(saving.zenith, earlier.zenith);
        }
    }

    void laterHoursTurnWithTheHemisphere()
    {
        // South: clockwise, so the base angle grows 15 degrees an hour.
        QCOMPARE(ComputeHorizon(Inputs(1, 12, "mdnt"))->base -
                     ComputeHorizon(Inputs(1, 11, "pm"))->base,
                 15.0);
        QCOMPARE(ComputeHorizon(Inputs(-1, 12, "mdnt"))->base -
                     ComputeHorizon(Inputs(-1, 11, "pm"))->base,
                 -15.0);
    }

    void raysOpenAndCloseWithTheSeasons()
    {
        HorizonInputs in = Inputs(-1, 12, "mdnt");
        in.latitude = 90;
        in.day = 2003y / June / 22;
        const HorizonAngles summer = ComputeHorizon(in).value();
        QCOMPARE(summer.shift, 90.0);
        // North: theta1 = P + g, theta2 = P + 180 - g: the two rays coincide,
        // the whole sky is visible.
        QCOMPARE(std::fmod(summer.ray1, 360.0), std::fmod(summer.ray2, 360.0));
        in.day = 2003y / December / 22;
        const HorizonAngles winter = ComputeHorizon(in).value();
        QCOMPARE(winter.ray1, winter.zenith);
        QCOMPARE(winter.ray2, winter.zenith);
        // Latitude 0: one straight line through the Earth.
        in.latitude = 0;
        const HorizonAngles equator = ComputeHorizon(in).value();
        QCOMPARE(std::fabs(equator.ray2 - equator.ray1), 180.0);
    }

    void rayEnds()
    {
        const Size picture{739, 482};
        const Point earth{446, 257};
        QCOMPARE(HorizonRayEnd(90, earth, picture), (FarPoint{739, 257}));
        QCOMPARE(HorizonRayEnd(270, earth, picture), (FarPoint{0, 257}));
        QCOMPARE(HorizonRayEnd(45, earth, picture), (FarPoint{739, 257 - 293}));
        QCOMPARE(HorizonRayEnd(135, earth, picture), (FarPoint{739, 257 + 293}));
        QCOMPARE(HorizonRayEnd(225, earth, picture), (FarPoint{0, 257 + 446}));
        QCOMPARE(HorizonRayEnd(315, earth, picture), (FarPoint{0, 257 - 446}));
        // Straight up or down: just beyond the edge above or below the Earth.
        QCOMPARE(HorizonRayEnd(0, earth, picture), (FarPoint{446, -1}));
        QCOMPARE(HorizonRayEnd(360, earth, picture), (FarPoint{446, -1}));
        QCOMPARE(HorizonRayEnd(180, earth, picture), (FarPoint{446, 482}));
        // Nearly vertical: far beyond the picture, but a number.
        QVERIFY(HorizonRayEnd(0.1, earth, picture).y < -100000);
    }

    void markersSitTwelvePixelsOut()
    {
        QCOMPARE(PersonMarkerCentre(0, {100, 100}), (Point{100, 88}));
        QCOMPARE(PersonMarkerCentre(90, {100, 100}), (Point{112, 100}));
        QCOMPARE(PersonMarkerCentre(180, {100, 100}), (Point{100, 112}));
        QCOMPARE(PersonMarkerCentre(270, {100, 100}), (Point{88, 100}));
        QCOMPARE(PersonMarkerCentre(45, {100, 100}), (Point{108, 92}));
    }

    void hourLabelsRoundTheClock()
    {
        // Up from 12 midnight: 1 am (next day) ... 11 am, 12 noon, 1 pm ...
        // 11 pm, 12 midnight.
        QString label = "mdnt";
        int hour = 12, days = 0;
        QStringList seen;
        for (int step = 0; step < 24; ++step) {
            const int next = hour == 12 ? 1 : hour + 1;
            const HourChange change = NextHourLabel(next, hour, label);
            label = change.label;
            days += change.dateMove;
            hour = next;
            seen << QString::number(hour) + label;
        }
        QCOMPARE(seen.first(), QStringLiteral("1am"));
        QCOMPARE(seen[10], QStringLiteral("11am"));
        QCOMPARE(seen[11], QStringLiteral("12noon"));
        QCOMPARE(seen[12], QStringLiteral("1pm"));
        QCOMPARE(seen[22], QStringLiteral("11pm"));
        QCOMPARE(seen.last(), QStringLiteral("12mdnt"));
        QCOMPARE(days, 1);
        // And back down the same way.
        for (int step = 0; step < 24; ++step) {
            const int next = hour == 1 ? 12 : hour - 1;
            const HourChange change = NextHourLabel(next, hour, label);
            label = change.label;
            days += change.dateMove;
            hour = next;
        }
        QCOMPARE(label, QStringLiteral("mdnt"));
        QCOMPARE(days, 0);
        QCOMPARE(NextHourLabel(12, 1, "am").dateMove, -1);
        QCOMPARE(NextHourLabel(11, 12, "noon").label, QStringLiteral("am"));
        QCOMPARE(NextHourLabel(5, 5, "pm").label, QStringLiteral("pm"));
    }

    void digitFields()
    {
        QCOMPARE(CleanDigits("4a5", 2, "0"), QStringLiteral("45"));
        QCOMPARE(CleanDigits("-30", 2, "0"), QStringLiteral("30"));
        QCOMPARE(CleanDigits("", 2, "0"), QStringLiteral("0"));
        QCOMPARE(CleanDigits("456", 2, "0"), QStringLiteral("56"));
        QCOMPARE(CleanDigits("645", 2, "0"), QStringLiteral("45"));
        QCOMPARE(CleanDigits("x7y", 3, "1"), QStringLiteral("7"));
        QCOMPARE(CleanDigits("1234", 3, "1"), QStringLiteral("234"));
        QCOMPARE(CleanDigits("007", 3, "1"), QStringLiteral("007"));
        QCOMPARE(CleanDigits("٣", 3, "1"), QStringLiteral("1")); // other scripts' digits too
    }
};

QTEST_APPLESS_MAIN(TestHorizon)
#include "test_horizon.moc"
