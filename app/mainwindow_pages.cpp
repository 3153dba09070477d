// The main window's pages: the Stats page and the five view panels with their
// pictures.
#include "app/mainwindow.h"

#include "views/clickablelabel.h"
#include "views/drawinglayer.h"
#include "views/picture.h"
#include "views/stacking.h"
#include "views/viewpanel.h"
#include "views/zodiac.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>

namespace {

const QString PageCaptions[] = {
    QStringLiteral("Stats"),           QStringLiteral("All Planets"),
    QStringLiteral("Inner Planets"),   QStringLiteral("Earth to Saturn"),
    QStringLiteral("The Outer Realm"), QStringLiteral("The Moon")};

constexpr QSize SunSize{25, 25};
constexpr QSize SmallSize{15, 15};
constexpr QSize EarthSize{20, 20};
constexpr QSize SaturnSize{30, 20};

// A degree label: yellow bold text on opaque black, of a fixed size.
QLabel *DegreeLabel(QWidget *panel, const QString &name, const QString &caption, int width)
{
    auto *label = new QLabel(caption, panel);
    label->setObjectName(name);
    label->setFixedSize(width, 16);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(13);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, QColor(255, 255, 0));
    label->setPalette(colours);
    return label;
}

Picture *BodyPicture(QWidget *panel, const char *name, QSize size, const char *file,
                     const char *hint)
{
    return new Picture(panel, QString::fromLatin1(name), size,
                       QStringLiteral(":/bodies/%1.png").arg(QLatin1String(file)),
                       QString::fromLatin1(hint));
}

} // namespace

void TForm1::buildPages()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientSize);
    setCentralWidget(client);

    TabbedNotebook1 = new QTabWidget(client);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(QRect(QPoint(0, 0), ClientSize));
    TabbedNotebook1->setDocumentMode(true);
    TabbedNotebook1->setUsesScrollButtons(false);
    TabbedNotebook1->setStyleSheet(QStringLiteral("QTabBar::tab { height: 24px; }"));

    ViewPanel **panels[] = {nullptr, &AllPanel, &InnerPanel, &OuterPanel, &FarPanel, &MoonPanel};
    const char *panelNames[] = {nullptr,      "AllPanel", "InnerPanel",
                                "OuterPanel", "FarPanel", "MoonPanel"};
    for (int index = StatsPage; index <= MoonPage; ++index) {
        // The notebook is wider than a page: each page's client area stands
        // in the middle of its tab's page, with a strip on either side.
        auto *tab = new QWidget;
        tab->setObjectName(QStringLiteral("Tab%1").arg(index));
        auto *page = new QWidget(tab);
        page->setObjectName(QStringLiteral("Page%1").arg(index));
        page->setGeometry(QRect(QPoint((ClientSize.width() - PageSize.width()) / 2, 0), PageSize));
        TabbedNotebook1->addTab(tab, PageCaptions[index]);
        if (index == StatsPage) {
            // Double clicks anywhere on the Stats page end here; they do not
            // start or stop the planets.
            tab->installEventFilter(this);
            m_statsTab = tab;
            buildStatsPage(page);
        } else {
            *panels[index] = new ViewPanel(page, QString::fromLatin1(panelNames[index]));
        }
    }
    buildViewPictures();
    buildViewLayers();
    buildNamePictures();
    stackViews();
}

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

void TForm1::buildViewPictures()
{
    // Later children lie above earlier ones: the bodies in their stacking order.
    iMercury = BodyPicture(AllPanel, "iMercury", SmallSize, "mercury", "Mercury");
    iVenus = BodyPicture(AllPanel, "iVenus", SmallSize, "venus", "Venus");
    iEarth = BodyPicture(AllPanel, "iEarth", EarthSize, "earth", "Earth");
    iMars = BodyPicture(AllPanel, "iMars", SmallSize, "mars", "Mars");
    iJupiter = BodyPicture(AllPanel, "iJupiter", EarthSize, "jupiter", "Jupiter");
    iSaturn = BodyPicture(AllPanel, "iSaturn", SaturnSize, "saturn", "Saturn");
    iUranus = BodyPicture(AllPanel, "iUranus", SmallSize, "uranus", "Uranus");
    iNeptune = BodyPicture(AllPanel, "iNeptune", SmallSize, "neptune", "Neptune");
    iPluto = BodyPicture(AllPanel, "iPluto", SmallSize, "pluto", "Pluto");
    iSun = BodyPicture(AllPanel, "iSun", SunSize, "sun", "Sun");

    iInnerMercury = BodyPicture(InnerPanel, "iInnerMercury", SmallSize, "mercury", "Mercury");
    iInnerVenus = BodyPicture(InnerPanel, "iInnerVenus", SmallSize, "venus", "Venus");
    iInnerearth = BodyPicture(InnerPanel, "iInnerearth", EarthSize, "earth", "Earth");
    iInnerMoon = BodyPicture(InnerPanel, "iInnerMoon", {5, 5}, "moon_small", "Moon");
    iInnerSun = BodyPicture(InnerPanel, "iInnerSun", SunSize, "sun", "Sun");

    iOuterEarth = BodyPicture(OuterPanel, "iOuterEarth", EarthSize, "earth", "Earth");
    iOuterMars = BodyPicture(OuterPanel, "iOuterMars", SmallSize, "mars", "Mars");
    iOuterJupiter = BodyPicture(OuterPanel, "iOuterJupiter", EarthSize, "jupiter", "Jupiter");
    iOuterSaturn = BodyPicture(OuterPanel, "iOuterSaturn", SaturnSize, "saturn", "Saturn");
    iOuterSun = BodyPicture(OuterPanel, "iOuterSun", SunSize, "sun", "Sun");

    iFarSun = BodyPicture(FarPanel, "iFarSun", SunSize, "sun", "Sun");
    iFarEarth = BodyPicture(FarPanel, "iFarEarth", EarthSize, "earth", "Earth");
    iFarUranus = BodyPicture(FarPanel, "iFarUranus", SmallSize, "uranus", "Uranus");
    iFarNeptune = BodyPicture(FarPanel, "iFarNeptune", SmallSize, "neptune", "Neptune");
    iFarPluto = BodyPicture(FarPanel, "iFarPluto", SmallSize, "pluto", "Pluto");

    iLargeEarth = BodyPicture(MoonPanel, "iLargeEarth", {40, 40}, "earth_large", "Earth");
    ilargeMoon = BodyPicture(MoonPanel, "ilargeMoon", {20, 20}, "moon_large", "Moon");
    iMoonSun = BodyPicture(MoonPanel, "iMoonSun", SunSize, "sun", "Sun");
}

void TForm1::buildViewLayers()
{
    // Both layers fill the panel inside its bevel.
    const QRect inside(1, 1, 739, 482);
    const struct {
        ViewPanel *panel;
        const char *prefix;
        const char *zeroPrefix;
        DrawingLayer **under;
        DrawingLayer **overlay;
        QLabel **labels[4];
    } rows[] = {
        {AllPanel,
         "All",
         "All",
         &imAllUnder,
         &imAllBack,
         {&lblAll0Degrees, &lblAll90Degrees, &lblAll180Degrees, &lblAll270Degrees}},
        {InnerPanel,
         "Inner",
         "inner",
         &imInnerUnder,
         &imInnerBack,
         {&lblinner0Degrees, &lblInner90Degrees, &lblInner180Degrees, &lblInner270Degrees}},
        {OuterPanel,
         "Outer",
         "Outer",
         &imOuterUnder,
         &imOuterBack,
         {&lblOuter0Degrees, &lblOuter90Degrees, &lblOuter180Degrees, &lblOuter270Degrees}},
        {FarPanel,
         "Far",
         "Far",
         &imFarUnder,
         &imFarBack,
         {&lblFar0Degrees, &lblFar90Degrees, &lblFar180Degrees, &lblFar270Degrees}},
        {MoonPanel,
         "Moon",
         "Moon",
         &imMoonUnder,
         &imMoonBack,
         {&lblMoon0Degrees, &lblMoon90Degrees, &lblMoon180Degrees, &lblMoon270Degrees}},
    };
    std::size_t index = 0;
    for (const auto &row : rows) {
        const QString prefix = QString::fromLatin1(row.prefix);
        *row.under = new DrawingLayer(
            row.panel, QStringLiteral("im") + prefix + QStringLiteral("Under"), inside);
        (*row.under)->setAttribute(Qt::WA_TransparentForMouseEvents);
        *row.overlay = new DrawingLayer(
            row.panel, QStringLiteral("im") + prefix + QStringLiteral("Back"), inside);
        const auto labelName = [&](const QString &viewName, const char *degrees) {
            return QStringLiteral("lbl") + viewName + QLatin1String(degrees) +
                   QStringLiteral("Degrees");
        };
        *row.labels[0] = DegreeLabel(row.panel, labelName(QString::fromLatin1(row.zeroPrefix), "0"),
                                     QStringLiteral("0"), 9);
        *row.labels[1] = DegreeLabel(row.panel, labelName(prefix, "90"), QStringLiteral("90"), 17);
        *row.labels[2] =
            DegreeLabel(row.panel, labelName(prefix, "180"), QStringLiteral("180"), 25);
        *row.labels[3] =
            DegreeLabel(row.panel, labelName(prefix, "270"), QStringLiteral("270"), 25);
        m_views[index++] = {row.panel,      *row.under,     *row.overlay,  *row.labels[0],
                            *row.labels[1], *row.labels[2], *row.labels[3]};
    }

    const QString person = QStringLiteral(":/bodies/person.png");
    const QString where =
        QStringLiteral("Location of the person for whom the horizon line is shown");
    imAllPlanetsManPosn =
        new Picture(AllPanel, QStringLiteral("imAllPlanetsManPosn"), {5, 5}, person, where);
    imInnerManPosn =
        new Picture(InnerPanel, QStringLiteral("imInnerManPosn"), {5, 5}, person, where);
    imOuterManPosn =
        new Picture(OuterPanel, QStringLiteral("imOuterManPosn"), {5, 5}, person, where);
    imFarManPosn = new Picture(FarPanel, QStringLiteral("imFarManPosn"), {5, 5}, person, where);
    for (Picture *marker : {imAllPlanetsManPosn, imInnerManPosn, imOuterManPosn, imFarManPosn})
        marker->hide();

    imMoonPhases = new Picture(MoonPanel, QStringLiteral("imMoonPhases"), {100, 100}, QString(),
                               QStringLiteral("Moon's phase"));
    imMoonPhases->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Hidecontrolpanel1 = PopupMenu1->addAction(QStringLiteral("Hide control panel"));
    Hidecontrolpanel1->setObjectName(QStringLiteral("Hidecontrolpanel1"));
}

void TForm1::buildNamePictures()
{
    for (const QString &name : Constellations + AlternateNames) {
        const Size size = NamePictureSize(name);
        std::array<Picture *, 5> &family = m_namePictures[name];
        for (std::size_t i = 0; i < family.size(); ++i) {
            family[i] = new Picture(m_views[i].panel, NamePictureName(AllViews[i], name),
                                    {size.width, size.height},
                                    QStringLiteral(":/names/%1.png").arg(name.toLower()));
        }
    }
}

void TForm1::stackViews()
{
    for (std::size_t i = 0; i < m_views.size(); ++i)
        ApplyStacking(m_views[i].panel, StackingOrder(AllViews[i]));
}
