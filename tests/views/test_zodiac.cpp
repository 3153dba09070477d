// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/canvas.h"
#include "views/orbits.h"
#include "views/zodiac.h"

#include <QImage>
#include <QTest>
#include <cmath>

namespace {

const Size Panel{741, 484};

using Points = std::vector<Point>;
Points AsList(const BoundaryPoints &p)
{
    return Points(p.begin(), p.end());
}

// The shown name pictures with their places, as "Name (x, y)".
QStringList ShownNames(Arrangement arrangement, int sign)
{
    const BoundaryPoints points = ComputeBoundaryPoints(arrangement, sign, Panel);
    QStringList shown;
    for (const NamePlace &place : PlaceConstellationNames(arrangement, sign, points, Panel)) {
        for (const QString suffix : {"", "2", "3"}) {
            const QString name = place.family + suffix;
            if (NamePictureSize(name).width == 0 || !NameVisible(name, arrangement, sign))
                continue;
            shown << QStringLiteral("%1 (%2, %3)")
                         .arg(name)
                         .arg(place.topLeft.x)
                         .arg(place.topLeft.y);
        }
    }
    return shown;
}

// Rows of a name picture that carry letters.
int LetterRows(const QString &name)
{
    const QImage picture(QStringLiteral(":/names/%1.png").arg(name));
    int rows = 0;
    for (int y = 0; y < picture.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < picture.width() && !ink; ++x)
            ink = qGray(picture.pixel(x, y)) > 128;
        rows += ink;
    }
    return rows;
}

} // namespace

class TestZodiac : public QObject {
    Q_OBJECT
private slots:
    void namesAcrossShareOneLetterHeight()
    {
        // The long astrological label has a taller strip than the others,
        // but not taller letters.
        const int aries = LetterRows(QStringLiteral("aries"));
        QVERIFY(aries >= 7);
        for (const char *name : {"cancer", "leo", "pisces", "taurus3", "scorpius3"})
            QCOMPARE(LetterRows(QString::fromLatin1(name)), aries);
    }

    void boundaryPoints()
    {
        QCOMPARE(AsList(ComputeBoundaryPoints(Arrangement::Astronomical, 1, Panel)),
                 (Points{{499, 0},
                         {680, 0},
                         {741, 236},
                         {741, 431},
                         {596, 484},
                         {395, 484},
                         {188, 484},
                         {0, 456},
                         {0, 399},
                         {0, 268},
                         {0, 37},
                         {213, 0},
                         {336, 0}}));
        QCOMPARE(AsList(ComputeBoundaryPoints(Arrangement::Astronomical, -1, Panel)),
                 (Points{{241, 0},
                         {60, 0},
                         {0, 236},
                         {0, 431},
                         {144, 484},
                         {345, 484},
                         {552, 484},
                         {741, 456},
                         {741, 399},
                         {741, 268},
                         {741, 37},
                         {527, 0},
                         {404, 0}}));
        QCOMPARE(AsList(ComputeBoundaryPoints(Arrangement::Astrological, 1, Panel)),
                 (Points{{370, 0},
                         {510, 0},
                         {741, 28},
                         {741, 242},
                         {741, 456},
                         {510, 484},
                         {370, 484},
                         {230, 484},
                         {0, 456},
                         {0, 242},
                         {0, 28},
                         {230, 0},
                         {370, 0}}));
    }

    void namePlacesAstronomical()
    {
        QCOMPARE(ShownNames(Arrangement::Astronomical, 1),
                 QStringList({"Pisces (394, 6)", "Aries (569, 6)", "Taurus (725, 91)",
                              "Gemini (725, 311)", "Cancer (643, 468)", "Leo (482, 468)",
                              "Virgo (272, 468)", "Libra (75, 468)", "Scorpius (4, 411)",
                              "Ophiuchus (4, 296)", "Sagittarius (4, 111)", "Capricornus (63, 6)",
                              "Aquarius (243, 6)"}));
        QCOMPARE(
            ShownNames(Arrangement::Astronomical, -1),
            QStringList({"Pisces (300, 6)", "Aries (131, 6)", "Taurus2 (4, 91)", "Gemini2 (4, 311)",
                         "Cancer (47, 468)", "Leo (232, 468)", "Virgo (430, 468)",
                         "Libra (628, 468)", "Scorpius2 (725, 411)", "Ophiuchus2 (725, 296)",
                         "Sagittarius2 (725, 111)", "Capricornus (591, 6)", "Aquarius (435, 6)"}));
    }

    void namePlacesAstrological()
    {
        QCOMPARE(
            ShownNames(Arrangement::Astrological, 1),
            QStringList({"Pisces (277, 6)", "Aries (420, 6)", "Taurus3 (598, 6)",
                         "Gemini (725, 113)", "Cancer2 (725, 324)", "Leo (612, 468)",
                         "Virgo (421, 468)", "Libra (281, 468)", "Scorpius3 (67, 465)",
                         "Sagittarius (4, 308)", "Capricornus2 (4, 101)", "Aquarius (84, 6)"}));
        QCOMPARE(
            ShownNames(Arrangement::Astrological, -1),
            QStringList({"Pisces (417, 6)", "Aries (280, 6)", "Taurus3 (88, 6)", "Gemini2 (4, 113)",
                         "Cancer3 (4, 324)", "Leo (102, 468)", "Virgo (281, 468)",
                         "Libra (421, 468)", "Scorpius3 (578, 465)", "Sagittarius2 (725, 308)",
                         "Capricornus3 (725, 101)", "Aquarius (595, 6)"}));
    }

    void ophiuchusNeverInTheSigns()
    {
        for (const int sign : {1, -1}) {
            QVERIFY(!NameVisible("Ophiuchus", Arrangement::Astrological, sign));
            QVERIFY(!NameVisible("Ophiuchus2", Arrangement::Astrological, sign));
            for (const char *always : {"Aries", "Leo", "Virgo", "Libra", "Aquarius", "Pisces"})
                QVERIFY(NameVisible(always, Arrangement::Astrological, sign) &&
                        NameVisible(always, Arrangement::Astronomical, sign));
        }
    }

    void ticksRunFromTheBorderIntoTheBand()
    {
        Canvas under({739, 482});
        under.pen.colour = Qt::blue;
        DrawZodiacTicks(under, ComputeBoundaryPoints(Arrangement::Astronomical, 1, Panel), Panel);
        QCOMPARE(under.pen.colour, QColor(255, 255, 0));
        // P0 = (499, 0) on the top edge: 0 ... 19 set, 20 not.
        for (int y = 0; y < 20; ++y)
            QVERIFY(under.isSet(499, y));
        QVERIFY(!under.isSet(499, 20));
        // P9 = (0, 268) on the left edge.
        for (int x = 0; x < 20; ++x)
            QVERIFY(under.isSet(x, 268));
        QVERIFY(!under.isSet(20, 268));
        // P4 = (596, 484) lies below the picture; its tick shows from 481 up
        // to 465, the band's inner end excluded.
        QVERIFY(under.isSet(596, 481));
        QVERIFY(under.isSet(596, 465));
        QVERIFY(!under.isSet(596, 464));
    }

    void ringRadii()
    {
        const auto radii = [](View view) {
            std::vector<int> r;
            for (const RingRect &ring : OrbitRings(view, Panel))
                r.push_back(ring.radius());
            return r;
        };
        QCOMPARE(radii(View::All), (std::vector<int>{232, 206, 180, 154, 128, 102, 76, 50, 24}));
        QCOMPARE(radii(View::Inner), (std::vector<int>{206, 149, 80}));
        QCOMPARE(radii(View::Outer), (std::vector<int>{232, 127, 38, 25}));
        QCOMPARE(radii(View::Far), (std::vector<int>{232, 180, 113, 26}));
        QCOMPARE(OrbitRings(View::All, Panel).front(), (RingRect{138, 10, 602, 474}));
        QCOMPARE(OrbitRings(View::Inner, Panel).front(), (RingRect{164, 36, 576, 448}));
        QVERIFY(OrbitRings(View::Moon, Panel).empty());
    }

    void ringsAreDottedBlueAndKeepThePen()
    {
        Canvas under({739, 482});
        under.pen = {Qt::red};
        DrawOrbits(under, View::Inner, Panel);
        QCOMPARE(under.pen, Canvas::Pen{Qt::red});
        // Along the top of each ring, about the centre line x = 370: dots with
        // gaps, all blue.
        for (const int radius : {206, 149, 80}) {
            const int y = 242 - radius;
            int set = 0, unset = 0;
            for (int x = 360; x < 380; ++x) {
                if (under.isSet(x, y)) {
                    ++set;
                    QCOMPARE(under.pixel(x, y), QColor(0, 0, 255).rgba());
                } else {
                    ++unset;
                }
            }
            QVERIFY2(set >= 5 && unset >= 5, qPrintable(QString::number(radius)));
        }
        // Nothing inside the innermost ring.
        QVERIFY(!under.isSet(370, 242));
    }
};

QTEST_APPLESS_MAIN(TestZodiac)
#include "test_zodiac.moc"
