#include "app/mainwindow.h"

#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/platform.h"
#include "app/settings.h"
#include "dialogs/aboutbox.h"
#include "dialogs/intervaldialog.h"
#include "model/arithmetic.h"
#include "model/catalogue.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/moonphase.h"
#include "views/picture.h"
#include "views/radiogroup.h"
#include "views/shortdate.h"
#include "views/viewpanel.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

// What the bodies read of the window: the live panels and Earth pictures.
class TForm1::WindowGeometry : public SceneGeometry {
public:
    explicit WindowGeometry(const TForm1 &form) : m_form(form) {}

    Size panelSize(View view) const override
    {
        const ViewPanel *panels[] = {m_form.AllPanel, m_form.InnerPanel, m_form.OuterPanel,
                                     m_form.FarPanel, m_form.MoonPanel};
        return panels[static_cast<int>(view)]->panelSize();
    }
    Box innerEarthPicture() const override { return m_form.iInnerearth->box(); }
    Box largeEarthPicture() const override { return m_form.iLargeEarth->box(); }

private:
    const TForm1 &m_form;
};

namespace {

// The menus that the Stats page disables ("&File" and "&Help" stay).
QList<QMenu *> SceneMenus(const TForm1 &form)
{
    return {form.Panel2,   form.Hemisphere1, form.Movement1, form.Orbits1, form.Horizon1,
            form.Display1, form.Moon1,       form.Zo1,       form.When1};
}

} // namespace

TForm1::TForm1(Heliodial &app)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_app(app), m_platform(app.platform()), m_geometry(std::make_unique<WindowGeometry>(*this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Heliodial"));
    Timer1 = new AnimationClock(this, QStringLiteral("Timer1"), 100);
    buildPages();
    buildMenus();
    // Fixed border: the client area never changes size.
    setFixedSize(ClientSize.width(), ClientSize.height() + menuBar()->sizeHint().height());
}

TForm1::~TForm1()
{
    // The base class moves the focus while it takes the window down; by then
    // nothing of this class may run any more. The bodies go with m_bodies.
    disconnect(m_calendarFocusWatch);
}

TPlanet &TForm1::body(Body which) const
{
    return *m_bodies.at(static_cast<std::size_t>(which));
}

TOptions &TForm1::options() const
{
    return *m_app.Options();
}

void TForm1::FormCreate()
{
    TOptions &panel = options();
    AstrologyArrangement = false;
    StartupDone = false;
    LoadSettings();
    // Its handler checks the menu item; before the end of creation it draws nothing.
    panel.rgDaylightSaving->setItemIndex(0);
    ControlPanelShown = true;
    WasMoving = false;
    StepDays = 1;

    centreOnScreen();
    panel.move(x() + 32, y() + height() - panel.height() - 24);

    // The page-change handler is not connected yet: run the page rules for
    // "All Planets" by hand. No page was active before, so PreviousPage stays
    // empty and the control panel waits to be shown with the main window.
    TabbedNotebook1->setCurrentIndex(AllPage);
    m_currentPage = AllPage;
    runPageRules(AllPage);

    imMoonPhases->hide();
    imMoonPhases->setPicture(QPixmap(PhasePictureResource(0)));
    m_phaseShown = 0;
    BuildCatalogue();
    iLargeEarth->centreIn(MoonPanel);

    const QDate today = m_platform.today();
    // Every day the calendar offers can become the status date.
    MonthCalendar1->setDateRange(panel.DateTimePicker1->minimumDate(),
                                 panel.DateTimePicker1->maximumDate());
    MonthCalendar1->setSelectedDate(today);
    panel.DateTimePicker1->setDay(today);
    panel.DateTimePicker1Change();

    panel.Button1->setText(QStringLiteral("Move by 1 day"));
    OrbitsShown = false;
    panel.btnHorizon->setText(QStringLiteral("Show Horizon at %1 deg").arg(Latitude));
    HorizonShown = false;
    panel.btnPointer->setText(QStringLiteral("Show Direction"));
    PointerShown = false;
    panel.btnMoonTerminator->setText(QStringLiteral("Show Terminator"));
    TerminatorShown = false;
    panel.btnMoonPhase->setText(QStringLiteral("Show Phase"));

    for (DrawingLayer *overlay : {imAllBack, imInnerBack, imOuterBack, imFarBack})
        overlay->canvas().pen = {QColor(255, 0, 0)};
    PointerEarth = iInnerearth;
    PointerBody = iInnerMercury;
    PointerOverlay = imInnerBack;
    PointerPanel = InnerPanel;
    DrawUnderPictures();
    DrawZodiacRing();

    ClosingDown = false;
    {
        const QSignalBlocker quiet(panel.ComboBox1);
        panel.ComboBox1->setCurrentIndex(0);
    }
    // A stored north changes the group's index, which runs the switch.
    panel.RadioGroup1->setItemIndex(HemisphereSign == 1 ? 1 : 0);
    // Twice: drawn once, which places the markers, then hidden with every
    // caption and check set.
    panel.btnHorizonClick();
    panel.btnHorizonClick();
    ClearUnderPictures();
    ClearOverlays();
    onomy1Click();
    StartupDone = true;
    // Only now that the pages and bodies exist do user actions reach the handlers.
    connectHandlers();
}

void TForm1::BuildCatalogue()
{
    m_bodies.clear();
    for (const CatalogueRow &row : Catalogue)
        m_bodies.push_back(MakeBody(row, *m_geometry));
}

void TForm1::connectHandlers()
{
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &TForm1::onPageChanged);
    connect(lblStatusDate, &ClickableLabel::clicked, this, &TForm1::lblStatusDateClick);
    // Any click in the calendar, and any day picked with the keyboard. A click
    // on a new day reports both; taking the same day twice changes nothing.
    connect(MonthCalendar1, &QCalendarWidget::clicked, this, &TForm1::MonthCalendar1Click);
    connect(MonthCalendar1, &QCalendarWidget::selectionChanged, this, &TForm1::MonthCalendar1Click);
    m_calendarFocusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
            // The calendar loses the focus to another control of this window.
            if (old && MonthCalendar1->isAncestorOf(old) && now && now->window() == this &&
                !MonthCalendar1->isAncestorOf(now) && now != MonthCalendar1)
                MonthCalendar1Exit();
        });
    for (const ViewWidgets &view : m_views) {
        connect(view.overlay, &DrawingLayer::doubleClicked, this, &TForm1::FormDblClick);
        connect(view.overlay, &DrawingLayer::contextMenuRequested, PopupMenu1,
                [this](QPoint where) { PopupMenu1->popup(where); });
    }
    connect(Timer1, &AnimationClock::timeout, this, &TForm1::Timer1Timer);
    connectMenuHandlers();
}

// --- Place on the screen ---

void TForm1::centreOnScreen()
{
    // The frame is centred; until the window system reports it (once a window
    // manager has framed the window), the frame is the window itself.
    const QSize screen = m_platform.screenSize();
    const QRect frame = frameGeometry();
    move(screen.width() / 2 - frame.width() / 2, screen.height() / 2 - frame.height() / 2);
}

void TForm1::centreFrameOnce()
{
    if (m_frameCentred || frameGeometry().size() == size())
        return;
    m_frameCentred = true;
    // The control panel keeps its place beside the window.
    const QPoint before = pos();
    centreOnScreen();
    TOptions &panel = options();
    panel.move(panel.pos() + (pos() - before));
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    centreFrameOnce();
}

void TForm1::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // A window manager reports the frame it has put round the window by
    // moving the window into it.
    if (isVisible())
        centreFrameOnce();
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
        if (panel.Button1->text() == QLatin1String("Stop")) {
            panel.Button1Click();
            WasMoving = true;
        } else {
            WasMoving = false;
        }
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

// --- The date path ---

void TForm1::RecomputeForDate()
{
    if (ClosingDown)
        return;
    const QDate day = options().DateTimePicker1->day();
    const QString shown = ShortDateText(day);
    setWindowTitle(QStringLiteral("Heliodial ") + shown);
    lblStatusDate->setText(shown);

    const double offset = options().DateTimePicker1->dayOffset();
    for (int i = 0; i <= static_cast<int>(Body::Pluto); ++i)
        m_bodies[static_cast<std::size_t>(i)]->UpdatePosition(HemisphereSign, offset);

    // The Moon's inner position hangs on this picture's place.
    const TPlanet &earth = body(Body::Earth);
    iInnerearth->placeCentre({earth.InnerX, earth.InnerY});

    try {
        body(Body::Moon).UpdatePosition(HemisphereSign, offset);
        ComputeSunMark();
        SelectPhasePicture();
        PlacePictures();
    } catch (const ArithmeticFault &) {
        // The scene keeps what was updated before the fault.
    }
}

bool TForm1::ComputeSunMark()
{
    return ::ComputeSunMark(body(Body::Earth), MoonPanel->panelSize());
}

void TForm1::PlacePictures()
{
    const auto place = [this](Picture *picture, Body which, View view) {
        const TPlanet &b = body(which);
        switch (view) {
        case View::All:
            picture->placeCentre({b.AllX, b.AllY});
            break;
        case View::Inner:
            picture->placeCentre({b.InnerX, b.InnerY});
            break;
        case View::Outer:
            picture->placeCentre({b.OuterX, b.OuterY});
            break;
        case View::Far:
            picture->placeCentre({b.FarX, b.FarY});
            break;
        case View::Moon:
            break;
        }
    };

    iSun->centreIn(AllPanel);
    const std::pair<Picture *, Body> all[] = {
        {iMercury, Body::Mercury}, {iVenus, Body::Venus},     {iEarth, Body::Earth},
        {iMars, Body::Mars},       {iJupiter, Body::Jupiter}, {iSaturn, Body::Saturn},
        {iUranus, Body::Uranus},   {iNeptune, Body::Neptune}, {iPluto, Body::Pluto}};
    for (const auto &[picture, which] : all)
        place(picture, which, View::All);

    iInnerSun->centreIn(InnerPanel);
    place(iInnerMercury, Body::Mercury, View::Inner);
    place(iInnerVenus, Body::Venus, View::Inner);
    place(iInnerearth, Body::Earth, View::Inner);
    place(iInnerMoon, Body::Moon, View::Inner);

    iOuterSun->centreIn(OuterPanel);
    place(iOuterEarth, Body::Earth, View::Outer);
    place(iOuterMars, Body::Mars, View::Outer);
    place(iOuterJupiter, Body::Jupiter, View::Outer);
    place(iOuterSaturn, Body::Saturn, View::Outer);

    iFarSun->centreIn(FarPanel);
    place(iFarEarth, Body::Earth, View::Far);
    place(iFarUranus, Body::Uranus, View::Far);
    place(iFarNeptune, Body::Neptune, View::Far);
    place(iFarPluto, Body::Pluto, View::Far);

    iLargeEarth->centreIn(MoonPanel);
    const TPlanet &moon = body(Body::Moon);
    ilargeMoon->placeCentre({moon.AllX, moon.AllY});
    const TPlanet &earth = body(Body::Earth);
    iMoonSun->placeCentre({earth.SunMarkX, earth.SunMarkY});
}

// --- The Stats page's calendar ---

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

// --- The control panel's visibility, and About ---

bool TForm1::restoreControlPanel()
{
    TOptions &panel = options();
    if (!panel.isVisible() || !panel.isMinimized())
        return false;
    panel.setWindowState(panel.windowState() & ~Qt::WindowMinimized);
    panel.raise();
    return true;
}

void TForm1::setControlPanelShown(bool shown)
{
    TOptions &panel = options();
    ControlPanelShown = shown;
    if (shown) {
        // Shown again, it comes back in reach even if it was minimised.
        panel.setWindowState(panel.windowState() & ~Qt::WindowMinimized);
        panel.show();
        Hidecontrolpanel1->setText(QStringLiteral("Hide control panel"));
        checkMenuItem(Showcontrolpanel1);
    } else {
        panel.hide();
        Hidecontrolpanel1->setText(QStringLiteral("Show control panel"));
        checkMenuItem(Hidecontrolpanel2);
    }
}

void TForm1::Hidecontrolpanel1Click()
{
    // A minimised panel is shown, yet out of reach: the item brings it back.
    if (restoreControlPanel())
        return;
    const QString caption = Hidecontrolpanel1->text();
    setControlPanelShown(caption != QLatin1String("&Hide control panel") &&
                         caption != QLatin1String("Hide control panel"));
}

void TForm1::Hidecontrolpanel2Click()
{
    // Hides a minimised panel too, rather than bringing it back first.
    if (options().isVisible())
        setControlPanelShown(false);
}

void TForm1::Showcontrolpanel1Click()
{
    if (!options().isVisible())
        Hidecontrolpanel1Click();
    else
        restoreControlPanel();
}

void TForm1::North1Click()
{
    mirrorRadio(North1, options().RadioGroup1, 0, &TOptions::RadioGroup1Click);
}

void TForm1::South1Click()
{
    mirrorRadio(South1, options().RadioGroup1, 1, &TOptions::RadioGroup1Click);
}

void TForm1::Hideorbits1Click()
{
    mirrorToggle(Hideorbits1, &TOptions::btnOrbitsClick);
}

void TForm1::Showorbits1Click()
{
    mirrorToggle(Showorbits1, &TOptions::btnOrbitsClick);
}

void TForm1::About1Click()
{
    m_platform.runModal(m_app.AboutBox());
}

void TForm1::Interval1Click()
{
    m_platform.runModal(m_app.Form3());
}

void TForm1::Contents1Click()
{
    m_platform.showHelpContents(this);
}

// --- Closing ---

void TForm1::Exit1Click()
{
    FormClose();
}

void TForm1::FormClose()
{
    ClosingDown = true;
    SaveSettings();
    m_platform.endApplication(0);
}

void TForm1::LoadSettings()
{
    const Settings stored = ::LoadSettings(m_platform.settingsFolder());
    HemisphereSign = stored.hemisphereSign;
    Latitude = stored.latitude;
}

void TForm1::SaveSettings()
{
    // A failure (a read-only folder, a full disk) is silently ignored.
    ::SaveSettings(m_platform.settingsFolder(), {HemisphereSign, Latitude});
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}
