// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/skyahead.h"
#include "model/geometry.h"
#include "model/planet.h"
#include "model/stats.h"
#include "model/truesky.h"
#include "views/viewpage.h"
#include "views/zodiac.h"

#include <QDate>
#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class AnimationClock;
class ClickableLabel;
class DirectionOverlay;
class DrawingLayer;
class Heliodial;
class HorizonOverlay;
class Picture;
class Platform;
class QCalendarWidget;
class QFrame;
class QImage;
class QLabel;
class QMenu;
class QTabWidget;
class QTableWidget;
class RadioGroup;
class RadioMenuGroup;
class StatsTable;
class TerminatorOverlay;
struct ViewSwitches;
class TOptions;
class ViewPanel;
enum class Body;

// The main window: six pages (the Stats table and five views of the solar
// system), the menu bar and the animation clock. It owns the ten bodies. Each
// view is a ViewPage; the names of its widgets below lead into the pages.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Pages of the notebook, by index.
    enum Page { StatsPage, AllPage, InnerPage, OuterPage, FarPage, MoonPage };
    static constexpr QSize ClientSize{749, 512};
    // The client area of each notebook page.
    static constexpr QSize PageSize{741, 484};

    explicit TForm1(Heliodial &app);
    ~TForm1() override;

    // --- State shared with the other windows ---
    std::int32_t HemisphereSign = 1; // -1 north, +1 south
    std::int32_t StepDays = 1;
    std::int32_t Latitude = 0;
    bool ClosingDown = false;
    bool ControlPanelShown = true;
    bool WasMoving = false;
    QString PreviousPage;
    bool StartupDone = false;
    bool AstrologyArrangement = false;
    // Positions from the true sky instead of the classic model; the user's
    // choice, kept between runs.
    bool TruePositions = false;
    bool OrbitsShown = false;
    bool HorizonShown = false;
    bool PointerShown = false;
    bool TerminatorShown = false;
    bool StarsDrawn = false;
    // The person markers have been placed by a computed horizon at least once.
    bool PersonMarkersPlaced = false;
    // Where the zodiac's boundaries meet the border, from the last ring drawn.
    ::BoundaryPoints BoundaryPoints{};

    TPlanet &body(Body which) const;

    // --- Pages and the Stats page ---
    QTabWidget *TabbedNotebook1;
    ViewPanel *AllPanel;
    ViewPanel *InnerPanel;
    ViewPanel *OuterPanel;
    ViewPanel *FarPanel;
    ViewPanel *MoonPanel;
    QFrame *Panel1;
    QLabel *Label3;
    ClickableLabel *lblStatusDate;
    QTableWidget *StringGrid1;
    QCalendarWidget *MonthCalendar1;
    AnimationClock *Timer1;

    // --- The views' widgets, by name; they belong to the pages ---
    Picture *iSun, *iMercury, *iVenus, *iEarth, *iMars, *iJupiter, *iSaturn, *iUranus, *iNeptune,
        *iPluto;
    Picture *iInnerSun, *iInnerMercury, *iInnerVenus, *iInnerearth, *iInnerMoon;
    Picture *iOuterSun, *iOuterEarth, *iOuterMars, *iOuterJupiter, *iOuterSaturn;
    Picture *iFarSun, *iFarEarth, *iFarUranus, *iFarNeptune, *iFarPluto;
    Picture *iLargeEarth, *ilargeMoon, *iMoonSun;
    Picture *imMoonPhases;
    Picture *imAllPlanetsManPosn, *imInnerManPosn, *imOuterManPosn, *imFarManPosn;
    DrawingLayer *imAllUnder, *imInnerUnder, *imOuterUnder, *imFarUnder, *imMoonUnder;
    DrawingLayer *imAllBack, *imInnerBack, *imOuterBack, *imFarBack, *imMoonBack;
    QLabel *lblAll0Degrees, *lblAll90Degrees, *lblAll180Degrees, *lblAll270Degrees;
    QLabel *lblinner0Degrees, *lblInner90Degrees, *lblInner180Degrees, *lblInner270Degrees;
    QLabel *lblOuter0Degrees, *lblOuter90Degrees, *lblOuter180Degrees, *lblOuter270Degrees;
    QLabel *lblFar0Degrees, *lblFar90Degrees, *lblFar180Degrees, *lblFar270Degrees;
    QLabel *lblMoon0Degrees, *lblMoon90Degrees, *lblMoon180Degrees, *lblMoon270Degrees;

    // The five views, in view order.
    const std::vector<ViewPage> &views() const { return m_pages; }
    const ViewPage &page(View view) const;
    std::array<Picture *, 4> personMarkers() const;
    QMenu *PopupMenu1;
    QAction *Hidecontrolpanel1;
    QAction *Copypicture2;

    // The name pictures of one family member ("Aries", "Taurus2", ...) on the
    // five views, in view order.
    std::array<Picture *, 5> namePictures(const QString &name) const;

    // --- Menus ---
    QMenu *File1, *Panel2, *Hemisphere1, *Movement1, *Orbits1, *Horizon1, *Display1, *Moon1, *Zo1,
        *When1, *Help1;
    QMenu *Daylightsvaing1, *Direction1, *Terminator1, *Phase1;
    QAction *Savepicture1, *Copypicture1, *Print1, *Fullscreen1, *N4, *Exit1;
    QAction *Hidecontrolpanel2, *Showcontrolpanel1;
    QAction *North1, *South1;
    QAction *Stopplanets1, *Moveplanets1, *N1, *Interval1;
    QAction *Hideorbits1, *Showorbits1;
    QAction *No1, *Yes1, *Latitude1, *N2, *Hidehorizon1, *Showhorizon1;
    QAction *ToMercury1, *ToVenus1, *Tomars1, *ToJupiter1, *ToSaturn1, *ToUranus1, *ToNeptune1,
        *ToPluto1, *N3, *ToMoon2, *Hidedirection1, *Showdirection1;
    QAction *Hideterminator1, *Showterminator1, *Hidephase1, *Showphase1;
    QAction *onomy1, *ology1;
    QMenu *Model1;
    QAction *Classicmodel1, *Truepositions1;
    QAction *Nextalignmemt1;
    QAction *Skyevents1;
    QAction *Contents1, *About1;

    // The direction pointer's four references, and the row of each target.
    Picture *PointerEarth = nullptr;
    Picture *PointerBody = nullptr;
    DrawingLayer *PointerOverlay = nullptr;
    ViewPanel *PointerPanel = nullptr;
    struct PointerTarget {
        QAction *item;
        int page;
        Picture *earth;
        Picture *body;
        DrawingLayer *overlay;
        ViewPanel *panel;
    };
    std::vector<PointerTarget> pointerTargets() const;

    // Each menu item and the handler it runs when chosen.
    struct MenuHandler {
        QAction *item;
        void (TForm1::*handler)();
    };
    std::vector<MenuHandler> menuHandlers() const;

    // Opens the menu of the menu bar whose Alt key this is, for a window that
    // does not own the menu bar; false when no enabled menu has that key.
    bool openMenuByMnemonic(int key);

    // Only handlers check menu items; a check unchecks the rest of its group.
    void checkMenuItem(QAction *item);
    bool isMenuItemChecked(const QAction *item) const;

    // The menu face of a switch: a toggle item runs the control panel's
    // owning handler, a radio-group item first sets the group's index; both
    // do nothing when their item is checked already.
    void mirrorToggle(QAction *item, void (TOptions::*owner)());
    void mirrorRadio(QAction *item, RadioGroup *group, int index, void (TOptions::*owner)());

    // Brings a page to the front as the program's own move: the change is
    // recorded but the page rules do not run.
    void showPageQuietly(int index);

public slots:
    // The creation sequence; run by the program once the window exists.
    void FormCreate();
    void RecomputeForDate();
    void Timer1Timer();

    // The static layers and the scene rebuild.
    void ClearUnderPictures();
    void DrawUnderPictures();
    void DrawStarField();
    void PlaceDegreeLabels();
    // Clears the under-pictures and draws them anew with a fresh star field;
    // the hemisphere and arrangement switches also recompute the scene.
    void RebuildScene(bool recompute);

    // The zodiac ring.
    void DrawZodiacRing();
    void SetNameVisibility();
    void PlaceConstellationNames();
    void onomy1Click();
    void ology1Click();

    // The source of positions: the classic model or the true sky.
    void Classicmodel1Click();
    void Truepositions1Click();
    // A body's position for the status date from the chosen source; false
    // on an arithmetic fault.
    bool UpdateBody(Body which);

    // The horizon line and its menu faces.
    void DrawHorizon();
    void Hidehorizon1Click();
    void Showhorizon1Click();
    void No1Click();
    void Yes1Click();
    void Latitude1Click();
    void Nextalignmemt1Click();
    void Skyevents1Click();
    void Interval1Click();
    void Contents1Click();

    // The Moon view's phase picture and terminator.
    void SelectPhasePicture();
    void DrawTerminator();
    void Hidephase1Click();
    void Showphase1Click();
    void Hideterminator1Click();
    void Showterminator1Click();

    // The Stats table.
    void FillStatsTable();
    bool FillStatsColumn(const TPlanet &planet, int column);

    // The direction pointer.
    void DrawPointer(Picture *earth, Picture *target, DrawingLayer *overlay, ViewPanel *panel);
    void SelectPointerTarget();
    void ToMercury1Click();
    void ToVenus1Click();
    void Tomars1Click();
    void ToJupiter1Click();
    void ToSaturn1Click();
    void ToUranus1Click();
    void ToNeptune1Click();
    void ToPluto1Click();
    void ToMoon2Click();
    void Hidedirection1Click();
    void Showdirection1Click();

    // Menu faces of the hemisphere and orbit switches.
    void North1Click();
    void South1Click();
    void Hideorbits1Click();
    void Showorbits1Click();

    // The overlay pictures: the one path by which they are redrawn.
    void ClearOverlays();
    void RefreshOverlays(bool force);

    void Stopplanets1Click();
    void Moveplanets1Click();
    void FormDblClick();
    void Hidecontrolpanel1Click();
    void Hidecontrolpanel2Click();
    void Showcontrolpanel1Click();
    void About1Click();
    void PlacePictures();
    bool ComputeSunMark();

    // Pictures of the page shown: saved to a file, copied, printed.
    void Savepicture1Click();
    void Copypicture1Click();
    void Copypicture2Click();
    void Print1Click();

    // Full screen and back.
    void Fullscreen1Click();
    void Exit1Click();
    void FormClose();
    void LoadSettings();
    void SaveSettings();
    void TabbedNotebook1Change();
    void TabbedNotebook1Click();
    void lblStatusDateClick();
    void MonthCalendar1Click();
    void MonthCalendar1Exit();
    void Panel1Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    class WindowGeometry;

    void buildPages();
    void buildStatsPage(QWidget *page);
    // Points the views' widget names above into the pages.
    void nameViewWidgets();
    // What the views show beyond the bodies, for their accessible description.
    ViewSwitches switches() const;
    // The status date moved by `days`, held at the picker's limits.
    QDate steppedDate(int days) const;
    void stepStatusDate(int days);

public:
    // The calculation-error message, then the end without writing settings.
    void reportCalculationError();
    // Stops the planets if they are moving; true when they were.
    bool stopMovement();
    // Points from the Earth to the body on the first view that shows it,
    // brought to the front, with the pointer shown.
    void pointAt(Body body);

private:
    class MovementPause;
    // What the page shown looks like, at the screen's resolution.
    QImage pagePicture();
    // "Heliodial <page> <status date>", for the files made of the page.
    QString pictureName() const;
    // Writes the file whole or not at all; false, after saying why, when it
    // could not be written.
    bool writeFile(const QString &path, const QByteArray &bytes, const QString &what);
    Arrangement arrangement() const;
    void choosePointerTarget(QAction *item);
    void chooseTruePositions(bool truePositions);
    bool trueSkyMissing(int year, const QString &instead);
    void loadPositionSource();
    std::optional<TrueFigures> trueStatsFigures(const TPlanet &planet);
    void buildMenus();
    void connectHandlers();
    void connectMenuHandlers();
    void BuildCatalogue();
    void runPageRules(int page);
    void onPageChanged(int index);
    void centreOnScreen();
    // Centres the window again once its frame is known, the first time only.
    void centreFrameOnce();
    // The control panel at the window's bottom-left corner, where it opens.
    void placeControlPanelAtCorner();
    // True just after a resize, while the window manager may still be
    // moving the window as part of it.
    bool followsResize() const;
    // The window's size, place and state from the last run, and for the next.
    void restoreWindowPlace();
    void saveWindowPlace();
    // Un-minimises the control panel; false when it was not minimised.
    bool restoreControlPanel();
    void setControlPanelShown(bool shown);
    TOptions &options() const;

    Heliodial &m_app;
    Platform &m_platform;
    std::unique_ptr<WindowGeometry> m_geometry;
    std::vector<std::unique_ptr<TPlanet>> m_bodies;
    std::unique_ptr<StatsTable> m_stats;
    std::vector<ViewPage> m_pages;
    std::unique_ptr<HorizonOverlay> m_horizon;
    std::unique_ptr<DirectionOverlay> m_direction;
    std::unique_ptr<TerminatorOverlay> m_terminator;
    QWidget *m_statsTab = nullptr; // the Stats page's tab, round its client area
    QMetaObject::Connection m_calendarFocusWatch;
    int m_currentPage = 0;
    bool m_frameCentred = false;
    bool m_placeRestored = false; // the window opened where it was left
    QElapsedTimer m_sinceResize;  // since the window's size last changed
    int m_phaseShown = -1;        // the phase picture imMoonPhases holds
    // The true sky of the status date, and of the date the clock shows next.
    SkyAhead m_sky;
    // The apparent places the Stats page shows, for the last status date
    // they were worked out for.
    struct ApparentSkyOfDay {
        QDate day;
        std::array<truesky::Place, 10> places;
    };
    std::optional<ApparentSkyOfDay> m_apparentSky;
    bool m_quietPageSwitch = false;
    // Where the next picture is offered to go: the folder of the last one.
    QString m_pictureFolder;
};
