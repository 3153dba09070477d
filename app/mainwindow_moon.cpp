// The Moon view's phase picture and terminator, and the Stats table.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/platform.h"
#include "model/catalogue.h"
#include "model/stats.h"
#include "views/drawinglayer.h"
#include "views/moonphase.h"
#include "views/picture.h"
#include "views/viewpanel.h"

#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

namespace {

// The separator between hours and minutes in the user's short time format.
QString TimeSeparator(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    const qsizetype hour = format.indexOf(QRegularExpression(QStringLiteral("[hH]")));
    const qsizetype minute = format.indexOf(QLatin1Char('m'));
    if (hour < 0 || minute < 0 || minute <= hour)
        return QStringLiteral(":");
    QString between = format.mid(hour, minute - hour);
    between.remove(QRegularExpression(QStringLiteral("[hH]")));
    return between.isEmpty() ? QStringLiteral(":") : between.remove(QLatin1Char('\''));
}

} // namespace

void TForm1::SelectPhasePicture()
{
    const double d =
        Elongation(body(Body::Earth).Longitude, body(Body::Moon).GeoAngle, HemisphereSign);
    const int number = PhasePictureNumber(d, HemisphereSign);
    // The picture changes every few days; leave it be in between.
    if (number != m_phaseShown) {
        imMoonPhases->setPicture(QPixmap(PhasePictureResource(number)));
        m_phaseShown = number;
    }
}

void TForm1::DrawTerminator()
{
    DrawTerminatorLines(imMoonBack->canvas(), body(Body::Earth).Longitude,
                        body(Body::Moon).GeoAngle, HemisphereSign, ilargeMoon->centre(),
                        ilargeMoon->width());
    imMoonBack->refresh();
}

void TForm1::Hidephase1Click()
{
    mirrorToggle(Hidephase1, &TOptions::btnMoonPhaseClick);
}

void TForm1::Showphase1Click()
{
    mirrorToggle(Showphase1, &TOptions::btnMoonPhaseClick);
}

void TForm1::Hideterminator1Click()
{
    mirrorToggle(Hideterminator1, &TOptions::btnMoonTerminatorClick);
}

void TForm1::Showterminator1Click()
{
    mirrorToggle(Showterminator1, &TOptions::btnMoonTerminatorClick);
}

// --- The Stats table ---

bool TForm1::FillStatsColumn(const TPlanet &planet, int column)
{
    const QLocale locale;
    const NumberStyle style{locale.decimalPoint().toStdString(),
                            TimeSeparator(locale).toStdString()};
    const std::vector<std::string> texts = StatsColumnTexts(planet, HemisphereSign, style);
    for (std::size_t row = 0; row < texts.size(); ++row)
        StringGrid1->item(static_cast<int>(row), column)
            ->setText(QString::fromStdString(texts[row]));
    return texts.size() == 8;
}

void TForm1::FillStatsTable()
{
    StringGrid1->setColumnWidth(0, 145);
    for (int row = 1; row <= 7; ++row)
        StringGrid1->item(row, 0)->setText(QString::fromLatin1(StatsRowHeadings[row - 1]));

    // The geocentric bearings come from the pictures' places on the view
    // that shows both bodies.
    const struct {
        Body body;
        Picture *earth;
        Picture *picture;
    } columns[] = {{Body::Mercury, iInnerearth, iInnerMercury},
                   {Body::Venus, iInnerearth, iInnerVenus},
                   {Body::Earth, nullptr, nullptr},
                   {Body::Moon, nullptr, nullptr},
                   {Body::Mars, iOuterEarth, iOuterMars},
                   {Body::Jupiter, iOuterEarth, iOuterJupiter},
                   {Body::Saturn, iOuterEarth, iOuterSaturn},
                   {Body::Uranus, iFarEarth, iFarUranus},
                   {Body::Neptune, iFarEarth, iFarNeptune},
                   {Body::Pluto, iFarEarth, iFarPluto}};
    bool failed = false;
    int column = 1;
    for (const auto &c : columns) {
        TPlanet &b = body(c.body);
        if (c.earth)
            b.Bearing(c.earth->box(), c.picture->box());
        failed = !FillStatsColumn(b, column++) || failed;
    }
    if (failed)
        reportCalculationError();
}

// --- The control panel's face ---

void TOptions::btnMoonPhaseClick()
{
    TForm1 &form = form1();
    if (btnMoonPhase->text() == QLatin1String("Show Phase")) {
        form.imMoonPhases->move(form.AllPanel->width() - (form.imMoonPhases->width() + 30),
                                form.AllPanel->y() + 30);
        form.imMoonPhases->show();
        btnMoonPhase->setText(QStringLiteral("Hide Phase"));
        form.checkMenuItem(form.Showphase1);
    } else {
        form.imMoonPhases->hide();
        btnMoonPhase->setText(QStringLiteral("Show Phase"));
        form.checkMenuItem(form.Hidephase1);
    }
    form.SelectPhasePicture();
}

void TOptions::btnMoonTerminatorClick()
{
    TForm1 &form = form1();
    form.TerminatorShown = !form.TerminatorShown;
    if (form.TerminatorShown) {
        btnMoonTerminator->setText(QStringLiteral("Hide Terminator"));
        form.checkMenuItem(form.Showterminator1);
        form.DrawTerminator();
    } else {
        btnMoonTerminator->setText(QStringLiteral("Show Terminator"));
        form.checkMenuItem(form.Hideterminator1);
        form.RefreshOverlays(true);
    }
}
