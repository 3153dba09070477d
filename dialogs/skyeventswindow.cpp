// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/skyeventswindow.h"

#include "app/heliodial.h"
#include "app/platform.h"
#include "cli/eventsformat.h"
#include "dialogs/skyeventsmodel.h"
#include "dialogs/skyeventssearch.h"
#include "views/wholefile.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <sstream>

namespace {

using skyevents::Kind;

// The kinds in the order of their boxes, with the boxes' words.
struct KindBox {
    Kind kind;
    const char *text;
    const char *name;
};
constexpr std::array<KindBox, skyevents::KindCount> KindBoxes{{
    {Kind::Conjunction, "&Conjunctions", "KindConjunction"},
    {Kind::Gathering, "&Gatherings", "KindGathering"},
    {Kind::Opposition, "&Oppositions", "KindOpposition"},
    {Kind::ConjunctionWithSun, "Conjunctions with the S&un", "KindConjunctionWithSun"},
    {Kind::GreatestElongation, "Greatest e&longations", "KindGreatestElongation"},
    {Kind::NewMoon, "&New moons", "KindNewMoon"},
    {Kind::FirstQuarter, "First &quarters", "KindFirstQuarter"},
    {Kind::FullMoon, "F&ull moons", "KindFullMoon"},
    {Kind::LastQuarter, "Las&t quarters", "KindLastQuarter"},
}};

// The user's configuration: the ticked bodies and kinds, as bit sets.
const QString BodiesKey = QStringLiteral("SkyEvents/bodies");
const QString KindsKey = QStringLiteral("SkyEvents/kinds");

// The groups a gathering can be of.
enum GroupChoice { TickedBodies, BrightPlanets, BrightPlanetsAndMoon };

constexpr skyevents::Bodies BrightPlanetBits =
    skyevents::BodyBit(Body::Mercury) | skyevents::BodyBit(Body::Venus) |
    skyevents::BodyBit(Body::Mars) | skyevents::BodyBit(Body::Jupiter) |
    skyevents::BodyBit(Body::Saturn);

// The Julian day of a date's first instant, 0 h UT.
double MidnightOf(QDate day)
{
    return static_cast<double>(day.toJulianDay()) - 0.5;
}

QDate DayOf(double julianDay)
{
    return QDate::fromJulianDay(static_cast<qint64>(std::floor(julianDay + 0.5)));
}

} // namespace

SkyEventsWindow::SkyEventsWindow(Heliodial &app)
    : QDialog(nullptr, Qt::Window), m_app(app), m_model(new SkyEventsModel(this)),
      m_sorted(new QSortFilterProxyModel(this)), m_search(new SkyEventsSearch(this)),
      m_progressTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("SkyEventsWindow"));
    setWindowTitle(QStringLiteral("Sky events"));
    setModal(false);
    resize(900, 600);

    buildInputs();

    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(SkyEventsModel::SortRole);
    Events = new QTableView(this);
    Events->setObjectName(QStringLiteral("Events"));
    Events->setModel(m_sorted);
    Events->setSortingEnabled(true);
    Events->sortByColumn(SkyEventsModel::UniversalTimeColumn, Qt::AscendingOrder);
    Events->setSelectionBehavior(QAbstractItemView::SelectRows);
    Events->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Events->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Events->verticalHeader()->hide();
    Events->horizontalHeader()->setStretchLastSection(true);
    Events->setAlternatingRowColors(true);
    Events->setWordWrap(false);
    Events->verticalHeader()->setDefaultSectionSize(Events->fontMetrics().height() + 6);
    const int em = Events->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const int widths[SkyEventsModel::ColumnCount] = {11, 11, 15, 14, 7, 8, 0};
    // Never narrower than the column's title beside the sort arrow.
    for (int column = 0; column + 1 < SkyEventsModel::ColumnCount; ++column)
        Events->setColumnWidth(
            column,
            std::max(widths[column] * em, Events->horizontalHeader()->sectionSizeHint(column)));
    Events->installEventFilter(this);
    layout()->addWidget(Events);
    static_cast<QVBoxLayout *>(layout())->setStretchFactor(Events, 1);

    connect(Events, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { openRow(index.row()); });
    connect(m_search, &SkyEventsSearch::found, this, [this](const auto &events) {
        m_model->append(events);
        StatusLabel->setText(
            QStringLiteral("Searching: %1 events so far").arg(m_model->rowCount()));
    });
    connect(m_search, &SkyEventsSearch::finished, this, &SkyEventsWindow::searchFinished);
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this, [this] {
        Progress->setValue(static_cast<int>(m_search->fraction() * Progress->maximum()));
    });
    restoreTicks();
    setRunning(false, QStringLiteral("Choose the bodies, the events and the years, then Find."));
}

SkyEventsWindow::~SkyEventsWindow() = default;

void SkyEventsWindow::buildInputs()
{
    auto *column = new QVBoxLayout(this);

    auto *range = new QHBoxLayout;
    const auto dateEdit = [this](const char *name) {
        auto *edit = new QDateEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        edit->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
        return edit;
    };
    FromDate = dateEdit("FromDate");
    ToDate = dateEdit("ToDate");
    auto *fromLabel = new QLabel(QStringLiteral("&From"), this);
    fromLabel->setBuddy(FromDate);
    auto *toLabel = new QLabel(QStringLiteral("&to"), this);
    toLabel->setBuddy(ToDate);
    Limit = new QDoubleSpinBox(this);
    Limit->setObjectName(QStringLiteral("Limit"));
    Limit->setRange(skyevents::SmallestLimit, skyevents::LargestLimit);
    Limit->setDecimals(2);
    Limit->setSingleStep(0.5);
    Limit->setValue(5);
    Limit->setSuffix(QStringLiteral("°"));
    auto *limitLabel = new QLabel(QStringLiteral("Conjunctions and gatherings &within"), this);
    limitLabel->setBuddy(Limit);
    range->addWidget(fromLabel);
    range->addWidget(FromDate);
    range->addWidget(toLabel);
    range->addWidget(ToDate);
    range->addSpacing(16);
    range->addWidget(limitLabel);
    range->addWidget(Limit);
    range->addStretch(1);
    column->addLayout(range);

    auto *bodies = new QGroupBox(QStringLiteral("Bodies"), this);
    auto *bodyRow = new QHBoxLayout(bodies);
    for (std::size_t i = 0; i < BodyOrder.size(); ++i) {
        const QString name = QString::fromLatin1(BodyName(BodyOrder[i]).data());
        BodyBoxes[i] = new QCheckBox(name, bodies);
        BodyBoxes[i]->setObjectName(QStringLiteral("Body") + name);
        bodyRow->addWidget(BodyBoxes[i]);
    }
    bodyRow->addStretch(1);
    column->addWidget(bodies);

    auto *kinds = new QGroupBox(QStringLiteral("Events"), this);
    auto *kindGrid = new QGridLayout(kinds);
    for (std::size_t i = 0; i < KindBoxes.size(); ++i) {
        this->KindBoxes[i] = new QCheckBox(QString::fromUtf8(::KindBoxes[i].text), kinds);
        this->KindBoxes[i]->setObjectName(QString::fromLatin1(::KindBoxes[i].name));
        kindGrid->addWidget(this->KindBoxes[i], static_cast<int>(i / 5), static_cast<int>(i % 5));
    }
    GatheringGroup = new QComboBox(kinds);
    GatheringGroup->setObjectName(QStringLiteral("GatheringGroup"));
    GatheringGroup->addItems({QStringLiteral("all ticked bodies at once"),
                              QStringLiteral("Mercury, Venus, Mars, Jupiter and Saturn"),
                              QStringLiteral("those five planets and the Moon")});
    auto *groupLabel = new QLabel(QStringLiteral("Gatherings &of"), kinds);
    groupLabel->setBuddy(GatheringGroup);
    kindGrid->addWidget(groupLabel, 2, 0);
    kindGrid->addWidget(GatheringGroup, 2, 1, 1, 3);
    column->addWidget(kinds);

    auto *buttons = new QHBoxLayout;
    const auto button = [this, buttons](const char *text, const char *name) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    FindButton = button("Fin&d", "FindButton");
    StopButton = button("&Stop", "StopButton");
    EarlierButton = button("&Earlier", "EarlierButton");
    LaterButton = button("L&ater", "LaterButton");
    buttons->addStretch(1);
    CsvButton = button("Export C&SV...", "CsvButton");
    IcsButton = button("Export &iCalendar...", "IcsButton");
    CopyButton = button("Cop&y", "CopyButton");
    column->addLayout(buttons);
    FindButton->setDefault(true);

    auto *progressRow = new QHBoxLayout;
    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setRange(0, 1000);
    Progress->setTextVisible(false);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    progressRow->addWidget(Progress, 1);
    progressRow->addWidget(StatusLabel, 2);
    column->addLayout(progressRow);

    connect(FindButton, &QPushButton::clicked, this, &SkyEventsWindow::FindClick);
    connect(StopButton, &QPushButton::clicked, this, &SkyEventsWindow::StopClick);
    connect(EarlierButton, &QPushButton::clicked, this, &SkyEventsWindow::EarlierClick);
    connect(LaterButton, &QPushButton::clicked, this, &SkyEventsWindow::LaterClick);
    connect(CsvButton, &QPushButton::clicked, this, &SkyEventsWindow::CsvClick);
    connect(IcsButton, &QPushButton::clicked, this, &SkyEventsWindow::IcsClick);
    connect(CopyButton, &QPushButton::clicked, this, &SkyEventsWindow::CopyClick);
    for (const auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, changed, this, &SkyEventsWindow::offerExport);
    connect(m_model, &QAbstractItemModel::modelReset, this, &SkyEventsWindow::offerExport);
    offerExport();
    for (QCheckBox *box : BodyBoxes)
        connect(box, &QCheckBox::toggled, this, &SkyEventsWindow::rememberTicks);
    for (QCheckBox *box : this->KindBoxes)
        connect(box, &QCheckBox::toggled, this, &SkyEventsWindow::rememberTicks);
}

void SkyEventsWindow::showEvent(QShowEvent *event)
{
    // It opens on the status date and a year on, unless a search is
    // under way; coming back from the task bar changes nothing.
    if (!event->spontaneous() && !m_search->running()) {
        const QDate day = m_app.statusDate();
        FromDate->setDate(day);
        ToDate->setDate(day.addYears(1));
    }
    QDialog::showEvent(event);
}

void SkyEventsWindow::rememberTicks()
{
    unsigned bodies = 0, kinds = 0;
    for (std::size_t i = 0; i < BodyBoxes.size(); ++i) {
        if (BodyBoxes[i]->isChecked())
            bodies |= skyevents::BodyBit(BodyOrder[i]);
    }
    for (std::size_t i = 0; i < KindBoxes.size(); ++i) {
        if (KindBoxes[i]->isChecked())
            kinds |= skyevents::KindBit(::KindBoxes[i].kind);
    }
    m_app.platform().setPreference(BodiesKey, QString::number(bodies));
    m_app.platform().setPreference(KindsKey, QString::number(kinds));
}

void SkyEventsWindow::restoreTicks()
{
    // The Moon and the five bright planets, and every kind but gatherings,
    // until the user ticks others.
    bool ok = false;
    unsigned bodies = m_app.platform().preference(BodiesKey).toUInt(&ok);
    if (!ok)
        bodies = BrightPlanetBits | skyevents::BodyBit(Body::Moon);
    unsigned kinds = m_app.platform().preference(KindsKey).toUInt(&ok);
    if (!ok)
        kinds = skyevents::DefaultKinds;
    for (std::size_t i = 0; i < BodyBoxes.size(); ++i) {
        const QSignalBlocker quiet(BodyBoxes[i]);
        BodyBoxes[i]->setChecked(bodies & skyevents::BodyBit(BodyOrder[i]));
    }
    for (std::size_t i = 0; i < KindBoxes.size(); ++i) {
        const QSignalBlocker quiet(KindBoxes[i]);
        KindBoxes[i]->setChecked(kinds & skyevents::KindBit(::KindBoxes[i].kind));
    }
}

skyevents::Search SkyEventsWindow::searchOf(double from, double to) const
{
    skyevents::Search search;
    search.from = from;
    search.to = to;
    search.kinds = 0;
    for (std::size_t i = 0; i < KindBoxes.size(); ++i) {
        if (KindBoxes[i]->isChecked())
            search.kinds |= skyevents::KindBit(::KindBoxes[i].kind);
    }
    search.bodies = 0;
    for (std::size_t i = 0; i < BodyBoxes.size(); ++i) {
        if (BodyBoxes[i]->isChecked())
            search.bodies |= skyevents::BodyBit(BodyOrder[i]);
    }
    switch (GatheringGroup->currentIndex()) {
    case BrightPlanets:
        search.group = BrightPlanetBits;
        break;
    case BrightPlanetsAndMoon:
        search.group = BrightPlanetBits | skyevents::BodyBit(Body::Moon);
        break;
    default:
        search.group = search.bodies;
        break;
    }
    // Without gatherings the group is not looked at.
    if (!(search.kinds & skyevents::KindBit(Kind::Gathering)))
        search.group = 0;
    search.limit = Limit->value();
    return search;
}

void SkyEventsWindow::setRunning(bool running, const QString &what)
{
    FindButton->setEnabled(!running);
    EarlierButton->setEnabled(!running);
    LaterButton->setEnabled(!running);
    StopButton->setEnabled(running);
    StatusLabel->setText(what);
    if (running) {
        Progress->setValue(0);
        m_progressTimer->start();
    } else {
        m_progressTimer->stop();
    }
}

bool SkyEventsWindow::refused(const skyevents::Search &search)
{
    QString why;
    if (const auto invalid = skyevents::Invalid(search))
        why = QStringLiteral("Nothing to search for: %1.")
                  .arg(QString::fromUtf8(invalid->data(), qsizetype(invalid->size())));
    else if (!skyevents::HasPlaces(search))
        why = QString::fromStdString(skyevents::SourceCaution(search));
    if (!why.isEmpty())
        m_app.platform().messageBox(this, Platform::MessageKind::Error, why);
    return !why.isEmpty();
}

void SkyEventsWindow::FindClick()
{
    const skyevents::Search search =
        searchOf(MidnightOf(FromDate->date()), MidnightOf(ToDate->date()));
    if (refused(search))
        return;
    m_model->clear();
    if (m_search->find(search))
        setRunning(true, QStringLiteral("Searching..."));
}

void SkyEventsWindow::StopClick()
{
    m_search->stop();
}

void SkyEventsWindow::reject()
{
    m_search->stop();
    QDialog::reject();
}

void SkyEventsWindow::EarlierClick()
{
    const std::vector<skyevents::Event> &events = m_model->events();
    double end = MidnightOf(FromDate->date());
    for (const skyevents::Event &e : events)
        end = std::min(end, e.julianDay);
    skyevents::Search search = searchOf(skyevents::FirstJulianDay, end);
    if (refused(search))
        return;
    if (m_search->findPrevious(search))
        setRunning(true, QStringLiteral("Looking for an earlier event..."));
}

void SkyEventsWindow::LaterClick()
{
    const std::vector<skyevents::Event> &events = m_model->events();
    // After the last event listed, or from the end of the range.
    double start = MidnightOf(ToDate->date());
    if (!events.empty()) {
        start = events.front().julianDay;
        for (const skyevents::Event &e : events)
            start = std::max(start, e.julianDay);
        start += 1.0 / 1440;
    }
    skyevents::Search search = searchOf(start, skyevents::EndJulianDay);
    if (refused(search))
        return;
    if (m_search->findNext(search))
        setRunning(true, QStringLiteral("Looking for a later event..."));
}

void SkyEventsWindow::searchFinished(skyevents::Status status)
{
    const int count = m_model->rowCount();
    QString what = count == 1 ? QStringLiteral("1 event") : QStringLiteral("%1 events").arg(count);
    if (status == skyevents::Status::Cancelled)
        what = QStringLiteral("Stopped: ") + what;
    else
        Progress->setValue(Progress->maximum());
    setRunning(false, what);
}

std::vector<skyevents::Event> SkyEventsWindow::shownEvents() const
{
    std::vector<skyevents::Event> shown;
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        const QModelIndex index = m_sorted->index(row, 0);
        shown.push_back(m_model->eventAt(m_sorted->mapToSource(index).row()));
    }
    return shown;
}

void SkyEventsWindow::offerExport()
{
    const bool any = m_model->rowCount() > 0;
    CsvButton->setEnabled(any);
    IcsButton->setEnabled(any);
}

void SkyEventsWindow::CsvClick()
{
    exportTo(false);
}

void SkyEventsWindow::IcsClick()
{
    exportTo(true);
}

void SkyEventsWindow::exportTo(bool calendar)
{
    const QString filter = calendar ? QStringLiteral("iCalendar file (*.ics)")
                                    : QStringLiteral("Comma-separated values (*.csv)");
    const QString suggested = QStringLiteral("sky-events-%1.%2")
                                  .arg(FromDate->date().toString(QStringLiteral("yyyy-MM-dd")),
                                       calendar ? QStringLiteral("ics") : QStringLiteral("csv"));
    QString chosen;
    const QString path = m_app.platform().saveFileName(
        this, calendar ? QStringLiteral("Export to a calendar") : QStringLiteral("Export to CSV"),
        suggested, {filter}, &chosen);
    if (path.isEmpty())
        return;

    std::ostringstream text;
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    eventscli::EventWriter writer(
        text, calendar ? eventscli::Format::Ics : eventscli::Format::Csv,
        searchOf(MidnightOf(FromDate->date()), MidnightOf(ToDate->date())), now);
    writer.begin();
    writer.write(shownEvents());
    writer.end();
    const std::string bytes = text.str();

    QString reason;
    if (!WriteWholeFile(path, QByteArray::fromStdString(bytes), &reason)) {
        m_app.platform().messageBox(
            this, Platform::MessageKind::Error,
            QStringLiteral("Cannot write \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason));
        return;
    }
    StatusLabel->setText(QStringLiteral("%1 events written to %2").arg(writer.written()).arg(path));
}

void SkyEventsWindow::CopyClick()
{
    QString text;
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        if (!Events->selectionModel()->isRowSelected(row, {}))
            continue;
        QStringList cells;
        for (int column = 0; column < SkyEventsModel::ColumnCount; ++column)
            cells << m_sorted->index(row, column).data().toString();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void SkyEventsWindow::openRow(int viewRow)
{
    if (viewRow < 0 || viewRow >= m_sorted->rowCount())
        return;
    const int row = m_sorted->mapToSource(m_sorted->index(viewRow, 0)).row();
    const skyevents::Event &event = m_model->eventAt(row);
    // The first of the event's bodies in the program's order, the Moon last.
    Body first = Body::Moon;
    for (int i = 0; i < 10; ++i) {
        if (event.bodies & (1u << i)) {
            first = static_cast<Body>(i);
            break;
        }
    }
    m_app.showSkyEvent(DayOf(event.julianDay), first, m_model->facts(row));
}

bool SkyEventsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Events && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openRow(Events->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
