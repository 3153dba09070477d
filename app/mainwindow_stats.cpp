// The Stats page: the table of figures for the status date, and the month
// calendar that opens from the date above it.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "model/catalogue.h"
#include "model/stats.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"
#include "views/picture.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
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

void TForm1::buildStatsPage(QWidget *page)
{
    Panel1 = new QFrame(page);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 741, 484);
    Panel1->installEventFilter(this);

    QFont bold = font();
    bold.setBold(true);
    Label3 = new QLabel(QStringLiteral("Status date"), Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(bold);
    Label3->setStyleSheet(QStringLiteral("color: maroon;"));
    Label3->move(8, 18);
    Label3->adjustSize();

    lblStatusDate = new ClickableLabel(Panel1);
    lblStatusDate->setObjectName(QStringLiteral("lblStatusDate"));
    lblStatusDate->setFont(bold);
    lblStatusDate->setStyleSheet(QStringLiteral("color: black;"));
    lblStatusDate->setCursor(Qt::PointingHandCursor);
    lblStatusDate->setGeometry(99, 18, 200, 16);

    StringGrid1 = new QTableWidget(8, 11, page);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(0, 40, 729, 233);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    // A click anywhere on the grid closes the calendar, as one on the page does.
    StringGrid1->viewport()->installEventFilter(this);
    StringGrid1->setTextElideMode(Qt::ElideNone);
    // The heading column is 145 pixels wide; its longest heading needs the
    // narrower size to fit.
    QFont cells = StringGrid1->font();
    cells.setPixelSize(10);
    StringGrid1->setFont(cells);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(64);
    StringGrid1->verticalHeader()->setDefaultSectionSize(24);
    StringGrid1->setColumnWidth(0, 145);
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        for (int column = 0; column < StringGrid1->columnCount(); ++column) {
            auto *cell = new QTableWidgetItem;
            if (row == 0 || column == 0)
                cell->setBackground(palette().button());
            StringGrid1->setItem(row, column, cell);
        }
    }

    MonthCalendar1 = new QCalendarWidget(page);
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setGeometry(91, 8, 198, 153);
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1->hide();
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

// --- The calendar ---

void TForm1::lblStatusDateClick()
{
    MonthCalendar1->show();
    // Open for the keyboard at once: the arrow keys pick the days.
    MonthCalendar1->setFocus(Qt::PopupFocusReason);
}

void TForm1::MonthCalendar1Click()
{
    options().DateTimePicker1->setDay(MonthCalendar1->selectedDate());
    options().DateTimePicker1Change();
    FillStatsTable();
}

void TForm1::MonthCalendar1Exit()
{
    MonthCalendar1->hide();
}

void TForm1::Panel1Click()
{
    if (MonthCalendar1->isVisible())
        MonthCalendar1->hide();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Panel1 || watched == StringGrid1->viewport()) &&
        event->type() == QEvent::MouseButtonRelease)
        Panel1Click();
    if (watched == m_statsTab && event->type() == QEvent::MouseButtonDblClick) {
        event->accept();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
