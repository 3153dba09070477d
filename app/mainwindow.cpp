// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/platform.h"
#include "app/settings.h"
#include "model/catalogue.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"
#include "views/directionoverlay.h"
#include "views/drawinglayer.h"
#include "views/horizonoverlay.h"
#include "views/moonphase.h"
#include "views/picture.h"
#include "views/radiogroup.h"
#include "views/statstable.h"
#include "views/terminatoroverlay.h"
#include "views/viewpanel.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

// What the bodies read of the window: the live panels and Earth pictures.
class TForm1::WindowGeometry : public SceneGeometry {
public:
    explicit WindowGeometry(const TForm1 &form) : m_form(form) {}

    Size panelSize(View view) const override { return m_form.page(view).panel->panelSize(); }
    Box innerEarthPicture() const override { return m_form.iInnerearth->box(); }
    Box largeEarthPicture() const override { return m_form.iLargeEarth->box(); }

private:
    const TForm1 &m_form;
};

TForm1::TForm1(Heliodial &app)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                               Qt::WindowCloseButtonHint),
      m_app(app), m_platform(app.platform()), m_geometry(std::make_unique<WindowGeometry>(*this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Heliodial"));
    Timer1 = new AnimationClock(this, QStringLiteral("Timer1"), 100);
    buildPages();
    buildMenus();
    // The window opens at its smallest size; the user may make it larger.
    const QSize smallest(ClientSize.width(), ClientSize.height() + menuBar()->sizeHint().height());
    setMinimumSize(smallest);
    resize(smallest);
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
    restoreWindowPlace();
    placeControlPanelAtCorner();

    // The page-change handler is not connected yet: run the page rules for
    // "All Planets" by hand. No page was active before, so PreviousPage stays
    // empty and the control panel waits to be shown with the main window.
    TabbedNotebook1->setCurrentIndex(AllPage);
    m_currentPage = AllPage;
    runPageRules(AllPage);

    imMoonPhases->hide();
    imMoonPhases->setPicture(PhasePictureResource(0));
    m_phaseShown = 0;
    BuildCatalogue();
    loadPositionSource();
    iLargeEarth->centreInView();

    const QDate today = m_platform.today();
    // Every day the calendar offers can become the status date.
    MonthCalendar1->setDateRange(panel.DateTimePicker1->minimumDate(),
                                 panel.DateTimePicker1->maximumDate());
    MonthCalendar1->setSelectedDate(today);
    panel.DateTimePicker1->setDay(today);
    panel.DateTimePicker1Change();

    panel.showMoveCaption();
    OrbitsShown = false;
    panel.btnHorizon->setText(QStringLiteral("Show Horizon at %1 deg").arg(Latitude));
    HorizonShown = false;
    panel.btnPointer->setText(QStringLiteral("Show Direction"));
    PointerShown = false;
    panel.btnMoonTerminator->setText(QStringLiteral("Show Terminator"));
    TerminatorShown = false;
    panel.btnMoonPhase->setText(QStringLiteral("Show Phase"));

    for (const View view : OrbitViews)
        page(view).overlay->canvas().pen = {QColor(255, 0, 0)};
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
    for (const ViewPage &view : m_pages) {
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
    // A window put back where the user left it stays there.
    if (!m_placeRestored)
        centreOnScreen();
    // The control panel goes to the corner of the window as now framed.
    placeControlPanelAtCorner();
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
    if (isVisible() && followsResize())
        placeControlPanelAtCorner();
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
    saveWindowPlace();
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
