// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A long run: 200,000 ticks across the date picker's whole range, in both
// hemispheres, with every overlay on.
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "model/catalogue.h"
#include "support/fakeplatform.h"
#include "views/datepicker.h"
#include "views/picture.h"

#include <QFile>
#include <QTest>

namespace {

// Resident memory in kilobytes.
long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void twoHundredThousandTicks()
    {
        FakePlatform platform;
        Heliodial app(platform);
        TForm1 &form = *app.Form1();
        DatePicker &picker = *app.Options()->DateTimePicker1;
        form.Showhorizon1->trigger();
        form.Showdirection1->trigger();
        form.Showterminator1->trigger();
        form.Showphase1->trigger();
        form.Showorbits1->trigger();

        // 100,000 ticks of 31 days each way cover 1601 to 9999 and back.
        const int ticks = 100'000;
        form.StepDays = 31;
        picker.setDay(picker.minimumDate());
        for (int i = 0; i < 2000; ++i) // settle allocations first
            form.Timer1Timer();
        const long before = ResidentKb();
        for (const int sign : {1, -1}) {
            if (sign == -1)
                form.North1->trigger();
            for (int i = 0; i < ticks; ++i)
                form.Timer1Timer();
            form.StepDays = -form.StepDays;
        }
        const long growth = ResidentKb() - before;
        QVERIFY2(growth < 2048, qPrintable(QStringLiteral("grew by %1 kB").arg(growth)));
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.endRequests.isEmpty());

        // The end: positions as a direct computation for that day gives them.
        const QDate last = picker.day();
        QVERIFY(last >= picker.minimumDate() && last <= picker.maximumDate());
        for (const CatalogueRow &row : Catalogue) {
            if (row.kind == CatalogueRow::Kind::Moon)
                continue;
            auto direct = MakeBody(row);
            QVERIFY(direct->UpdatePosition(-1, picker.dayOffset()));
            const TPlanet &shown = form.body(Body(&row - Catalogue.data()));
            QCOMPARE(shown.Longitude, direct->Longitude);
            QCOMPARE(shown.AllX, direct->AllX);
            QCOMPARE(shown.FarY, direct->FarY);
        }
        const TPlanet &earth = form.body(Body::Earth);
        QCOMPARE(form.iEarth->centre(), (Point{earth.AllX, earth.AllY}));
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
