// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/statstable.h"

#include "model/planet.h"
#include "model/stats.h"
#include "views/clickablelabel.h"
#include "views/picture.h"

#include <QCalendarWidget>
#include <QFrame>
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

StatsTable::StatsTable(QWidget *page)
{
    panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, 741, 484);

    QFont bold = page->font();
    bold.setBold(true);
    caption = new QLabel(QStringLiteral("Status date"), panel);
    caption->setObjectName(QStringLiteral("Label3"));
    caption->setFont(bold);
    caption->setStyleSheet(QStringLiteral("color: maroon;"));
    caption->move(8, 18);
    caption->adjustSize();

    statusDate = new ClickableLabel(panel);
    statusDate->setObjectName(QStringLiteral("lblStatusDate"));
    statusDate->setFont(bold);
    statusDate->setStyleSheet(QStringLiteral("color: black;"));
    statusDate->setCursor(Qt::PointingHandCursor);
    statusDate->setGeometry(99, 18, 200, 16);

    grid = new QTableWidget(8, 11, page);
    grid->setObjectName(QStringLiteral("StringGrid1"));
    grid->setGeometry(0, 40, 729, 233);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setTextElideMode(Qt::ElideNone);
    // The heading column is 145 pixels wide; its longest heading needs the
    // narrower size to fit.
    QFont cells = grid->font();
    cells.setPixelSize(10);
    grid->setFont(cells);
    grid->horizontalHeader()->setDefaultSectionSize(64);
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->setColumnWidth(0, 145);
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            auto *cell = new QTableWidgetItem;
            if (row == 0 || column == 0)
                cell->setBackground(page->palette().button());
            grid->setItem(row, column, cell);
        }
    }

    calendar = new QCalendarWidget(page);
    calendar->setObjectName(QStringLiteral("MonthCalendar1"));
    calendar->setGeometry(91, 8, 198, 153);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->hide();

    source = new QLabel(panel);
    source->setObjectName(QStringLiteral("lblSource"));
    source->setGeometry(8, 281, 721, 48);
    source->setWordWrap(true);
    source->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    showSource(false);
}

void StatsTable::fitTo(QSize page) const
{
    panel->resize(page);
    // At the smallest page the table is as it always was: 12 pixels short
    // of the page, scrolling sideways.
    grid->resize(page.width() - 12, grid->height());
    source->resize(page.width() - 20, source->height());
}

void StatsTable::showSource(bool truePositions, const QString &untrusted) const
{
    QString text =
        truePositions
            ? QStringLiteral("Figures of the true positions: geocentric angle and right ascension "
                             "are apparent places of the date, with light time, aberration and "
                             "nutation, as almanacs print them; every body from JPL's DE431 "
                             "ephemeris.")
            : QStringLiteral("Figures of the classic model: circular orbits at "
                             "constant speed from 1 January 2002.");
    if (truePositions && !untrusted.isEmpty())
        text += QLatin1Char(' ') + untrusted;
    source->setText(text);
    grid->setToolTip(text);
    // The classic page keeps the look it has always had: the table's tip
    // names its source.
    source->setVisible(truePositions);
}

bool StatsTable::fill(const std::vector<Column> &columns, std::int32_t hemisphereSign) const
{
    grid->setColumnWidth(0, 145);
    for (int row = 1; row <= 7; ++row)
        grid->item(row, 0)->setText(QString::fromLatin1(StatsRowHeadings[row - 1]));
    bool failed = false;
    int index = 1;
    for (const Column &column : columns) {
        if (column.earth && !column.sky)
            column.body->Bearing(column.earth->box(), column.picture->box());
        failed = !fillColumn(*column.body, index++, hemisphereSign, column.sky) || failed;
    }
    return !failed;
}

bool StatsTable::fillColumn(const TPlanet &planet, int column, std::int32_t hemisphereSign,
                            const std::optional<TrueFigures> &sky) const
{
    const QLocale locale;
    const NumberStyle style{locale.decimalPoint().toStdString(),
                            TimeSeparator(locale).toStdString()};
    const std::vector<std::string> texts = StatsColumnTexts(planet, hemisphereSign, style, sky);
    for (std::size_t row = 0; row < texts.size(); ++row)
        grid->item(static_cast<int>(row), column)->setText(QString::fromStdString(texts[row]));
    return texts.size() == 8;
}

QString StatsTable::text() const
{
    // A tab or a line break inside a cell would split the table.
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
    QString text;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem *cell = grid->item(row, column);
            QString cellText = cell ? cell->text() : QString();
            cells << cellText.replace(breaks, QStringLiteral(" "));
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}
