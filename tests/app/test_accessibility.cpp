// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology learns of the views: a name for every picture
// that means something, and a description of what each view shows.
#include "support/apptest.h"
#include "support/userinput.h"
#include "views/datepicker.h"
#include "views/picture.h"
#include "views/shortdate.h"
#include "views/viewdescription.h"
#include "views/viewpanel.h"

#include <QAccessible>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QString Accessible(QObject *object, QAccessible::Text kind)
{
    QAccessibleInterface *const face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(kind) : QStringLiteral("<none>");
}

} // namespace

class TestAccessibility : public AppTest {
    Q_OBJECT
private slots:
    void init() { startApp(QDate(2026, 12, 7)); }
    void cleanup() { stopApp(); }

    void everyMeaningfulPictureHasAName()
    {
        for (const ViewPage &view : form().views()) {
            for (const ViewPage::BodyPicture &shown : view.bodyPictures())
                QVERIFY2(!Accessible(shown.picture, QAccessible::Name).isEmpty(),
                         qPrintable(shown.picture->objectName()));
            if (Picture *marker = view.personMarker())
                QCOMPARE(
                    Accessible(marker, QAccessible::Name),
                    QStringLiteral("Location of the person for whom the horizon line is shown"));
            for (const auto &[name, picture] : view.namePictures()) {
                const QString spoken = Accessible(picture, QAccessible::Name);
                QVERIFY2(name.startsWith(spoken) && !spoken.back().isDigit(), qPrintable(name));
            }
        }
        QCOMPARE(Accessible(form().iInnerMercury, QAccessible::Name), QStringLiteral("Mercury"));
        QCOMPARE(Accessible(form().page(View::All).namePicture(QStringLiteral("Capricornus3")),
                            QAccessible::Name),
                 QStringLiteral("Capricornus"));
        QCOMPARE(Accessible(form().imMoonPhases, QAccessible::Name),
                 QStringLiteral("Moon's phase"));
    }

    void theViewsDescribeTheDateAndTheSwitches()
    {
        app->show();
        ViewPanel *const all = form().AllPanel;
        QCOMPARE(Accessible(all, QAccessible::Name), QStringLiteral("All Planets"));
        QCOMPARE(Accessible(all, QAccessible::Description),
                 QStringLiteral("All Planets on %1, seen from the southern hemisphere, classic "
                                "model, astronomical zodiac. No switches on.")
                     .arg(ShortDateText(QDate(2026, 12, 7))));

        user::Click(panel().btnOrbits);
        user::Click(panel().btnHorizon);
        // The phase button is on the control panel while The Moon is shown.
        form().TabbedNotebook1->setCurrentIndex(TForm1::MoonPage);
        user::Click(panel().btnMoonPhase);
        panel().DateTimePicker1->setDay(QDate(2030, 3, 1));
        const QString described = Accessible(form().MoonPanel, QAccessible::Description);
        QVERIFY2(described.startsWith(QStringLiteral("The Moon on ")), qPrintable(described));
        QVERIFY2(described.contains(ShortDateText(QDate(2030, 3, 1))), qPrintable(described));
        QVERIFY2(described.endsWith(
                     QStringLiteral("Shown: orbits, horizon at latitude 0, the Moon's phase.")),
                 qPrintable(described));
    }

    void aDescriptionNamesEverySwitchInOneOrder()
    {
        ViewSwitches on;
        on.date = QStringLiteral("01.03.2030");
        on.north = true;
        on.truePositions = true;
        on.astrology = true;
        on.orbits = on.horizon = on.direction = on.phase = on.terminator = true;
        on.latitude = 52;
        on.directionTarget = QStringLiteral("Jupiter");
        QCOMPARE(DescribeView(QStringLiteral("Inner Planets"), on),
                 QStringLiteral("Inner Planets on 01.03.2030, seen from the northern hemisphere, "
                                "true positions, astrological zodiac. Shown: orbits, horizon at "
                                "latitude 52, direction to Jupiter, the Moon's phase, the Moon's "
                                "terminator."));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
