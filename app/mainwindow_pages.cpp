// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's pages: the Stats page with its calendar and the five
// views, and the rules that run when the user changes the page.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "views/datepicker.h"
#include "views/directionoverlay.h"
#include "views/horizonoverlay.h"
#include "views/pageholder.h"
#include "views/picture.h"
#include "views/shortdate.h"
#include "views/statstable.h"
#include "views/terminatoroverlay.h"
#include "views/viewdescription.h"
#include "views/viewpanel.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString PageCaptions[] = {
    QStringLiteral("Stats"),           QStringLiteral("All Planets"),
    QStringLiteral("Inner Planets"),   QStringLiteral("Earth to Saturn"),
    QStringLiteral("The Outer Realm"), QStringLiteral("The Moon")};

// The menus that the Stats page disables ("&File" and "&Help" stay).
QList<QMenu *> SceneMenus(const TForm1 &form)
{
    return {form.Panel2,   form.Hemisphere1, form.Movement1, form.Orbits1, form.Horizon1,
            form.Display1, form.Moon1,       form.Zo1,       form.Model1,  form.When1};
}

} // namespace

void TForm1::buildPages()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    // The smallest window is the one the program always had; a larger one
    // gives the pages more room.
    client->setMinimumSize(ClientSize);
    setCentralWidget(client);

    TabbedNotebook1 = new QTabWidget(client);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setDocumentMode(true);
    TabbedNotebook1->setUsesScrollButtons(false);
    TabbedNotebook1->setStyleSheet(QStringLiteral("QTabBar::tab { height: 24px; }"));
    auto *fill = new QVBoxLayout(client);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(TabbedNotebook1);

    m_pages.reserve(std::size(AllViews));
    for (int index = StatsPage; index <= MoonPage; ++index) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("Page%1").arg(index));
        page->resize(PageSize);
        if (index == StatsPage) {
            auto *tab = new PageHolder(PageHolder::Kind::Growing,
                                       [this](qreal, QSize room) { m_stats->fitTo(room); });
            tab->setObjectName(QStringLiteral("Tab%1").arg(index));
            TabbedNotebook1->addTab(tab, PageCaptions[index]);
            // Double clicks anywhere on the Stats page end here; they do not
            // start or stop the planets.
            tab->installEventFilter(this);
            m_statsTab = tab;
            buildStatsPage(page);
            tab->hold(page);
        } else {
            const ViewPage &view = m_pages.emplace_back(page, AllViews[index - AllPage]);
            auto *tab = new PageHolder(PageHolder::Kind::View,
                                       [&view](qreal scale, QSize) { view.setScale(scale); });
            tab->setObjectName(QStringLiteral("Tab%1").arg(index));
            TabbedNotebook1->addTab(tab, PageCaptions[index]);
            tab->hold(page);
            view.panel->setAccessibleName(PageCaptions[index]);
            view.panel->setDescriber([this, caption = PageCaptions[index]] {
                return DescribeView(caption, switches());
            });
        }
    }
    nameViewWidgets();
    m_horizon = std::make_unique<HorizonOverlay>(std::array<const ViewPage *, 4>{
        &page(View::All), &page(View::Inner), &page(View::Outer), &page(View::Far)});
    m_direction = std::make_unique<DirectionOverlay>(page(View::Inner));
    m_terminator = std::make_unique<TerminatorOverlay>(page(View::Moon));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Hidecontrolpanel1 = PopupMenu1->addAction(QStringLiteral("Hide control panel"));
    Hidecontrolpanel1->setObjectName(QStringLiteral("Hidecontrolpanel1"));
    Copypicture2 = PopupMenu1->addAction(QStringLiteral("Copy picture"));
    Copypicture2->setObjectName(QStringLiteral("Copypicture2"));
}

ViewSwitches TForm1::switches() const
{
    ViewSwitches on;
    on.date = ShortDateText(options().DateTimePicker1->day());
    on.year = options().DateTimePicker1->day().year();
    on.north = HemisphereSign == -1;
    on.truePositions = TruePositions;
    on.astrology = AstrologyArrangement;
    on.orbits = OrbitsShown;
    on.horizon = HorizonShown;
    on.latitude = Latitude;
    on.direction = PointerShown && PointerBody;
    if (PointerBody)
        on.directionTarget = PointerBody->accessibleName();
    on.phase = !imMoonPhases->isHidden();
    on.terminator = TerminatorShown;
    return on;
}

void TForm1::nameViewWidgets()
{
    const ViewPage &all = page(View::All);
    AllPanel = all.panel;
    iSun = all.sun();
    iMercury = all.picture(Body::Mercury);
    iVenus = all.picture(Body::Venus);
    iEarth = all.picture(Body::Earth);
    iMars = all.picture(Body::Mars);
    iJupiter = all.picture(Body::Jupiter);
    iSaturn = all.picture(Body::Saturn);
    iUranus = all.picture(Body::Uranus);
    iNeptune = all.picture(Body::Neptune);
    iPluto = all.picture(Body::Pluto);

    const ViewPage &inner = page(View::Inner);
    InnerPanel = inner.panel;
    iInnerSun = inner.sun();
    iInnerMercury = inner.picture(Body::Mercury);
    iInnerVenus = inner.picture(Body::Venus);
    iInnerearth = inner.picture(Body::Earth);
    iInnerMoon = inner.picture(Body::Moon);

    const ViewPage &outer = page(View::Outer);
    OuterPanel = outer.panel;
    iOuterSun = outer.sun();
    iOuterEarth = outer.picture(Body::Earth);
    iOuterMars = outer.picture(Body::Mars);
    iOuterJupiter = outer.picture(Body::Jupiter);
    iOuterSaturn = outer.picture(Body::Saturn);

    const ViewPage &far = page(View::Far);
    FarPanel = far.panel;
    iFarSun = far.sun();
    iFarEarth = far.picture(Body::Earth);
    iFarUranus = far.picture(Body::Uranus);
    iFarNeptune = far.picture(Body::Neptune);
    iFarPluto = far.picture(Body::Pluto);

    const ViewPage &moon = page(View::Moon);
    MoonPanel = moon.panel;
    iLargeEarth = moon.picture(Body::Earth);
    ilargeMoon = moon.picture(Body::Moon);
    iMoonSun = moon.sun();
    imMoonPhases = moon.phasePicture();

    imAllPlanetsManPosn = all.personMarker();
    imInnerManPosn = inner.personMarker();
    imOuterManPosn = outer.personMarker();
    imFarManPosn = far.personMarker();

    DrawingLayer **unders[] = {&imAllUnder, &imInnerUnder, &imOuterUnder, &imFarUnder,
                               &imMoonUnder};
    DrawingLayer **overlays[] = {&imAllBack, &imInnerBack, &imOuterBack, &imFarBack, &imMoonBack};
    QLabel **labels[][4] = {
        {&lblAll0Degrees, &lblAll90Degrees, &lblAll180Degrees, &lblAll270Degrees},
        {&lblinner0Degrees, &lblInner90Degrees, &lblInner180Degrees, &lblInner270Degrees},
        {&lblOuter0Degrees, &lblOuter90Degrees, &lblOuter180Degrees, &lblOuter270Degrees},
        {&lblFar0Degrees, &lblFar90Degrees, &lblFar180Degrees, &lblFar270Degrees},
        {&lblMoon0Degrees, &lblMoon90Degrees, &lblMoon180Degrees, &lblMoon270Degrees}};
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        const ViewPage &view = m_pages[i];
        *unders[i] = view.under;
        *overlays[i] = view.overlay;
        *labels[i][0] = view.label0;
        *labels[i][1] = view.label90;
        *labels[i][2] = view.label180;
        *labels[i][3] = view.label270;
    }
}

void TForm1::buildStatsPage(QWidget *page)
{
    m_stats = std::make_unique<StatsTable>(page);
    Panel1 = m_stats->panel;
    Label3 = m_stats->caption;
    lblStatusDate = m_stats->statusDate;
    StringGrid1 = m_stats->grid;
    MonthCalendar1 = m_stats->calendar;
    // A click anywhere on the page or the grid closes the calendar.
    Panel1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);
}

const ViewPage &TForm1::page(View view) const
{
    return m_pages.at(static_cast<std::size_t>(view));
}

std::array<Picture *, 5> TForm1::namePictures(const QString &name) const
{
    std::array<Picture *, 5> family{};
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        family[i] = m_pages[i].namePicture(name);
    return family;
}

std::array<Picture *, 4> TForm1::personMarkers() const
{
    return m_horizon->personMarkers();
}

// --- Pages ---

void TForm1::TabbedNotebook1Change()
{
    PreviousPage = TabbedNotebook1->tabText(m_currentPage);
}

void TForm1::onPageChanged(int index)
{
    TabbedNotebook1Change();
    m_currentPage = index;
    if (!m_quietPageSwitch)
        TabbedNotebook1Click();
}

void TForm1::TabbedNotebook1Click()
{
    runPageRules(TabbedNotebook1->currentIndex());
    if (MonthCalendar1->isVisible())
        MonthCalendar1->hide();
}

void TForm1::showPageQuietly(int index)
{
    const bool leavesStats = m_currentPage == StatsPage && index != StatsPage;
    m_quietPageSwitch = true;
    TabbedNotebook1->setCurrentIndex(index);
    m_quietPageSwitch = false;
    // Leaving the Stats page must give back what it took (the menus, the
    // control panel, the moving planets), or the user is stranded on a view
    // with every menu disabled.
    if (leavesStats)
        runPageRules(index);
}

void TForm1::runPageRules(int page)
{
    TOptions &panel = options();
    const QString caption = TabbedNotebook1->tabText(page);
    panel.setPanelHeight(caption == QLatin1String("The Moon") ? TOptions::TallHeight
                                                              : TOptions::ShortHeight);
    if (caption == QLatin1String("Stats")) {
        panel.hide();
        WasMoving = stopMovement();
        for (QMenu *menu : SceneMenus(*this))
            menu->menuAction()->setEnabled(false);
    } else {
        for (QMenu *menu : SceneMenus(*this))
            menu->menuAction()->setEnabled(true);
        if (PreviousPage == QLatin1String("Stats")) {
            if (ControlPanelShown)
                panel.show();
            if (WasMoving)
                panel.Button1Click();
        }
    }
    if (caption == QLatin1String("Stats"))
        FillStatsTable();
}

bool TForm1::stopMovement()
{
    TOptions &panel = options();
    if (panel.Button1->text() != QLatin1String("Stop"))
        return false;
    panel.Button1Click();
    return true;
}

// --- The Stats page ---

bool TForm1::FillStatsColumn(const TPlanet &planet, int column)
{
    return m_stats->fillColumn(planet, column, HemisphereSign, trueStatsFigures(planet));
}

void TForm1::FillStatsTable()
{
    // The geocentric bearings come from the pictures' places on the view
    // that shows both bodies.
    std::vector<StatsTable::Column> columns = {{&body(Body::Mercury), iInnerearth, iInnerMercury},
                                               {&body(Body::Venus), iInnerearth, iInnerVenus},
                                               {&body(Body::Earth), nullptr, nullptr},
                                               {&body(Body::Moon), nullptr, nullptr},
                                               {&body(Body::Mars), iOuterEarth, iOuterMars},
                                               {&body(Body::Jupiter), iOuterEarth, iOuterJupiter},
                                               {&body(Body::Saturn), iOuterEarth, iOuterSaturn},
                                               {&body(Body::Uranus), iFarEarth, iFarUranus},
                                               {&body(Body::Neptune), iFarEarth, iFarNeptune},
                                               {&body(Body::Pluto), iFarEarth, iFarPluto}};
    for (StatsTable::Column &column : columns)
        column.sky = trueStatsFigures(*column.body);
    m_stats->showSource(TruePositions, TrustCaution(options().DateTimePicker1->day().year()));
    if (!m_stats->fill(columns, HemisphereSign))
        reportCalculationError();
}

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
