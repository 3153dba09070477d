// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Heliodial picture generator.
//
// Draws the application's small raster pictures procedurally and writes them as PNG files, so
// the committed images can be regenerated (and restyled) from source instead of being
// hand-edited. Every picture is written at its logical size and, as "name@2x.png", "name@3x.png"
// and "name@4x.png", at two, three and four times that resolution for large and high-density
// screens. Each larger image is painted by the same code through a scaled painter, which keeps it
// sharp instead of being an upscaled copy of the 1x pixels. Two families differ: the program icon
// comes in the sizes desktops ask for instead, and the photograph is one large JPEG.
//
// Usage: heliodial_assetgen <output-folder>
//
// The output is deterministic: no clock, no unseeded randomness, so re-running the generator
// reproduces byte-identical files.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLineF>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QRect>
#include <QSize>
#include <QTextStream>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <optional>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Writing pictures
// ---------------------------------------------------------------------------------------------

enum class Background { Black, Transparent };

using DrawFunction = std::function<void(QPainter &)>;

// The resolutions every picture is written at, as multiples of its logical size.
constexpr int pictureScales[] = {1, 2, 3, 4};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Paints one picture at the given scale. `draw` always works in logical pixels; the painter is
// scaled for the larger renditions. Pictures on black come back without an alpha channel because
// they are opaque by design.
QImage renderPicture(QSize logicalSize, int scale, Background background, const DrawFunction &draw)
{
    QImage image(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(background == Background::Black ? QColor(Qt::black) : QColor(Qt::transparent));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        draw(painter);
    }
    if (background == Background::Black)
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

// Saves a rendered picture as "name.png" (scale 1) or "name@<scale>x.png".
bool savePicture(const QDir &dir, const QString &name, int scale, const QImage &image)
{
    const QString fileName =
        name + (scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString()) + ".png";
    const QString path = dir.filePath(fileName);
    if (!image.save(path, "PNG")) {
        err() << "heliodial_assetgen: cannot write " << path << Qt::endl;
        return false;
    }
    return true;
}

// Renders one picture at every scale and saves each.
bool writePicture(const QDir &dir, const QString &name, QSize logicalSize, Background background,
                  const DrawFunction &draw)
{
    for (int scale : pictureScales) {
        if (!savePicture(dir, name, scale, renderPicture(logicalSize, scale, background, draw)))
            return false;
    }
    return true;
}

// Creates `folder` inside `out` and returns it, or reports why it could not.
std::optional<QDir> makeFolder(const QDir &out, const QString &folder)
{
    if (!out.mkpath(folder)) {
        err() << "heliodial_assetgen: cannot create " << out.filePath(folder) << Qt::endl;
        return std::nullopt;
    }
    return QDir(out.filePath(folder));
}

// ---------------------------------------------------------------------------------------------
// Drawing helpers shared by the body pictures
// ---------------------------------------------------------------------------------------------

constexpr double degToRad = std::numbers::pi / 180.0;

QPainterPath discPath(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A soft-edged elliptical spot: full `colour` in the middle fading to nothing at the rim. Soft
// features blend into the disc instead of showing hard pixel edges at these tiny sizes.
void softBlob(QPainter &p, QPointF centre, qreal rx, qreal ry, qreal angleDeg, QColor colour,
              qreal core = 0.0)
{
    if (rx <= 0 || ry <= 0)
        return;
    p.save();
    p.translate(centre);
    p.rotate(angleDeg);
    p.scale(rx, ry);
    QRadialGradient gradient(QPointF(0, 0), 1.0);
    gradient.setColorAt(0.0, colour);
    gradient.setColorAt(qBound(0.0, core, 0.99), colour);
    gradient.setColorAt(1.0, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();
}

// Fills the disc with a radial gradient lit from the upper left.
void baseDisc(QPainter &p, QPointF centre, qreal radius, QColor light, QColor mid, QColor dark)
{
    QRadialGradient gradient(centre + QPointF(-0.3 * radius, -0.3 * radius), 1.3 * radius);
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(0.55, mid);
    gradient.setColorAt(1.0, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
}

// Lighting laid over a finished disc: a faint highlight towards the light (upper left) and a
// darkening towards the opposite limb, so flat colour patterns read as a sphere.
void shadeSphere(QPainter &p, QPointF centre, qreal radius, int darkness = 170, int highlight = 45)
{
    QRadialGradient gradient(centre + QPointF(-0.35 * radius, -0.4 * radius), 1.45 * radius);
    gradient.setColorAt(0.0, QColor(255, 255, 255, highlight));
    gradient.setColorAt(0.3, QColor(255, 255, 255, 0));
    gradient.setColorAt(0.62, QColor(0, 0, 0, darkness / 5));
    gradient.setColorAt(1.0, QColor(0, 0, 0, darkness));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
}

// Orthographic view of a globe, used to place surface features given in longitude/latitude so
// they foreshorten naturally towards the limb.
struct Globe {
    QPointF centre;
    qreal radius;
    double centreLonDeg;
    double centreLatDeg;

    // Points on the far side are pulled onto the limb, so outlines that wrap round the globe
    // still close along its edge.
    QPointF project(double lonDeg, double latDeg) const
    {
        const double lat = latDeg * degToRad;
        const double dLon = (lonDeg - centreLonDeg) * degToRad;
        const double lat0 = centreLatDeg * degToRad;
        double x = std::cos(lat) * std::sin(dLon);
        double y = std::cos(lat0) * std::sin(lat) - std::sin(lat0) * std::cos(lat) * std::cos(dLon);
        const double facing =
            std::sin(lat0) * std::sin(lat) + std::cos(lat0) * std::cos(lat) * std::cos(dLon);
        if (facing < 0) {
            const double length = std::hypot(x, y);
            if (length > 0) {
                x /= length;
                y /= length;
            }
        }
        return centre + QPointF(x * radius, -y * radius);
    }

    bool faces(double lonDeg, double latDeg) const
    {
        const double lat = latDeg * degToRad;
        const double dLon = (lonDeg - centreLonDeg) * degToRad;
        const double lat0 = centreLatDeg * degToRad;
        return std::sin(lat0) * std::sin(lat) + std::cos(lat0) * std::cos(lat) * std::cos(dLon) > 0;
    }

    // Foreshortening of a small feature at this spot: 1 at the disc centre, 0 at the limb.
    double cosine(double lonDeg, double latDeg) const
    {
        const double lat = latDeg * degToRad;
        const double dLon = (lonDeg - centreLonDeg) * degToRad;
        const double lat0 = centreLatDeg * degToRad;
        return std::max(0.0, std::sin(lat0) * std::sin(lat) +
                                 std::cos(lat0) * std::cos(lat) * std::cos(dLon));
    }

    QPainterPath outline(std::initializer_list<QPointF> lonLat) const
    {
        QPainterPath path;
        bool first = true;
        for (const QPointF &point : lonLat) {
            const QPointF projected = project(point.x(), point.y());
            if (first)
                path.moveTo(projected);
            else
                path.lineTo(projected);
            first = false;
        }
        path.closeSubpath();
        return path;
    }

    // A round surface feature (crater, mare, storm) of the given angular radius, drawn as a
    // soft spot squashed towards the limb.
    void spot(QPainter &p, double lonDeg, double latDeg, double angularRadiusDeg, QColor colour,
              qreal core = 0.3) const
    {
        if (!faces(lonDeg, latDeg))
            return;
        const QPointF at = project(lonDeg, latDeg);
        const QPointF offset = at - centre;
        const qreal size = radius * std::sin(angularRadiusDeg * degToRad);
        const qreal squash = std::max(0.25, cosine(lonDeg, latDeg));
        const qreal angle = std::atan2(offset.y(), offset.x()) / degToRad;
        softBlob(p, at, size * squash, size, angle, colour, core);
    }
};

// ---------------------------------------------------------------------------------------------
// Body pictures
// ---------------------------------------------------------------------------------------------

void drawSun(QPainter &p, QSizeF size)
{
    const QPointF c(size.width() / 2, size.height() / 2);
    const qreal r = size.width() / 2;
    QRadialGradient gradient(c, r);
    gradient.setColorAt(0.0, QColor(255, 253, 228));
    gradient.setColorAt(0.3, QColor(255, 240, 140));
    gradient.setColorAt(0.62, QColor(255, 200, 40));
    gradient.setColorAt(0.85, QColor(250, 150, 18));
    gradient.setColorAt(0.95, QColor(220, 100, 10));
    gradient.setColorAt(1.0, QColor(150, 50, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(c, r, r);
}

void drawMercury(QPainter &p, QPointF c, qreal r)
{
    baseDisc(p, c, r, QColor(196, 192, 186), QColor(150, 146, 141), QColor(96, 93, 90));
    p.save();
    p.setClipPath(discPath(c, r));
    const Globe globe{c, r, 0, 0};
    // Darker smooth plains, then craters: a dark floor offset away from the light with a bright
    // rim on the lit far wall.
    globe.spot(p, -35, 30, 30, QColor(110, 106, 102, 120));
    globe.spot(p, 40, -35, 24, QColor(115, 110, 106, 110));
    struct Crater {
        double lon, lat, size;
    };
    for (const Crater &crater : {Crater{-20, -15, 11}, Crater{30, 25, 9}, Crater{5, 50, 8},
                                 Crater{50, -5, 8}, Crater{-55, -40, 9}, Crater{10, -50, 7}}) {
        globe.spot(p, crater.lon + 3, crater.lat - 3, crater.size, QColor(235, 232, 226, 150), 0.2);
        globe.spot(p, crater.lon - 2, crater.lat + 2, crater.size * 0.85, QColor(70, 67, 64, 170),
                   0.3);
    }
    // A young bright-rayed crater.
    globe.spot(p, 15, 5, 7, QColor(250, 248, 244, 190), 0.2);
    p.restore();
    shadeSphere(p, c, r, 150, 30);
}

void drawVenus(QPainter &p, QPointF c, qreal r)
{
    baseDisc(p, c, r, QColor(255, 250, 226), QColor(238, 222, 170), QColor(196, 170, 110));
    p.save();
    p.setClipPath(discPath(c, r));
    // Broad, low-contrast cloud bands bending into the sideways "Y" typical of the cloud deck.
    const QColor shade(190, 160, 100, 80);
    const QColor bright(255, 252, 236, 110);
    softBlob(p, c + QPointF(0.05 * r, -0.35 * r), 1.0 * r, 0.22 * r, -12, shade);
    softBlob(p, c + QPointF(0.05 * r, 0.35 * r), 1.0 * r, 0.22 * r, 12, shade);
    softBlob(p, c + QPointF(0.45 * r, 0.0), 0.6 * r, 0.18 * r, 0, shade);
    softBlob(p, c + QPointF(-0.25 * r, 0.02 * r), 0.7 * r, 0.3 * r, 0, bright);
    softBlob(p, c + QPointF(-0.1 * r, -0.7 * r), 0.8 * r, 0.22 * r, 0, bright);
    softBlob(p, c + QPointF(-0.1 * r, 0.72 * r), 0.8 * r, 0.2 * r, 0, bright);
    p.restore();
    shadeSphere(p, c, r, 140, 40);
}

// Coarse coastlines (longitude, latitude) for the Atlantic-facing hemisphere. They are only a
// few pixels across in the largest picture, so a handful of points per continent is plenty.
struct Coastlines {
    QPainterPath land;
    QPainterPath ice;
    QPainterPath inlandSeas;
};

Coastlines earthCoastlines(const Globe &g)
{
    Coastlines c;
    // Africa.
    c.land.addPath(
        g.outline({{-17, 15}, {-17, 21}, {-13, 27},  {-10, 30}, {-6, 35.8}, {0, 35.5}, {10, 37},
                   {11, 33},  {20, 31},  {25, 31.5}, {32, 31},  {34, 28},   {37, 22},  {39, 15},
                   {43, 12},  {51, 12},  {49, 7},    {42, -1},  {40, -5},   {39, -10}, {40, -15},
                   {35, -20}, {35, -24}, {32, -28},  {28, -33}, {20, -35},  {18, -33}, {17, -29},
                   {14, -22}, {12, -17}, {13, -12},  {12, -5},  {9, -1},    {9, 4},    {6, 4.5},
                   {3, 6},    {-2, 5},   {-8, 4.5},  {-13, 8},  {-15, 11}}));
    // Madagascar.
    c.land.addPath(g.outline({{44, -25}, {47, -25}, {50, -15}, {49, -12}, {44, -16}}));
    // Eurasia (with Arabia), closed round behind the eastern limb.
    c.land.addPath(g.outline(
        {{-9, 37},   {-9, 43},   {-2, 43.5},   {-1.5, 46.5}, {-4.5, 48.5}, {1.5, 50.5}, {4, 52},
         {8, 54},    {8.5, 57},  {10.5, 57.5}, {10.5, 54.5}, {14, 54},     {19, 54.5},  {21, 57},
         {24, 59.5}, {29, 60},   {35, 65},     {40, 66},     {44, 68},     {55, 68.5},  {70, 73},
         {90, 76},   {110, 77},  {120, 60},    {120, 25},    {108, 20},    {100, 15},   {98, 8},
         {92, 20},   {88, 22},   {80, 15},     {77, 8},      {73, 18},     {68, 24},    {57, 25},
         {59, 22.5}, {55, 17},   {45, 13},     {43, 13},     {39, 21},     {35, 28},    {34, 28},
         {35, 32},   {36, 36},   {30, 36.5},   {27, 37},     {26, 40},     {23, 40},    {22, 37},
         {21, 39},   {19.5, 42}, {16, 41},     {18, 40},     {16, 38},     {12, 41.5},  {10, 44},
         {7, 43.5},  {3, 43.3},  {0, 39.5},    {-1, 37.5},   {-5, 36}}));
    // Scandinavia.
    c.land.addPath(g.outline({{5, 59},
                              {5, 62},
                              {10, 64},
                              {15, 68},
                              {20, 70},
                              {28, 71},
                              {30, 70},
                              {28, 66},
                              {24, 65.5},
                              {21, 64},
                              {17.5, 61},
                              {18.5, 60},
                              {16.5, 57},
                              {14, 55.5},
                              {12.5, 56.5},
                              {11, 59},
                              {8, 58}}));
    // Great Britain and Ireland.
    c.land.addPath(g.outline({{-5, 50},
                              {1.5, 51},
                              {0, 53},
                              {-2, 55.5},
                              {-3, 58.5},
                              {-5, 58.5},
                              {-6, 56},
                              {-3, 54.5},
                              {-4.5, 53},
                              {-5, 51.5}}));
    c.land.addPath(g.outline({{-10, 52}, {-6, 52}, {-6, 55}, {-8, 55}}));
    // Iceland.
    c.land.addPath(g.outline({{-24, 64}, {-14, 64.5}, {-14, 66}, {-22, 66.5}}));
    // South America.
    c.land.addPath(g.outline(
        {{-35, -8},  {-35, -5},  {-40, -3},  {-50, 0},   {-52, 4},   {-57, 6},   {-62, 10.5},
         {-72, 12},  {-77, 8},   {-80, 1},   {-81, -5},  {-76, -14}, {-70, -18}, {-71, -30},
         {-73, -40}, {-75, -50}, {-68, -55}, {-65, -55}, {-68, -50}, {-65, -45}, {-62, -39},
         {-57, -37}, {-53, -34}, {-48, -26}, {-41, -22}, {-39, -13}}));
    // Eastern North America, closed round behind the western limb.
    c.land.addPath(g.outline({{-80, 25},
                              {-80, 31},
                              {-76, 35},
                              {-74, 40},
                              {-70, 42},
                              {-66, 44},
                              {-60, 46},
                              {-55, 50},
                              {-60, 55},
                              {-62, 58},
                              {-65, 60},
                              {-78, 62},
                              {-90, 70},
                              {-100, 60},
                              {-100, 30},
                              {-97, 26},
                              {-90, 29},
                              {-83, 29},
                              {-81, 25}}));
    // Greenland and the Antarctic coast are ice.
    c.ice.addPath(g.outline({{-45, 60},
                             {-42, 61},
                             {-38, 65.5},
                             {-22, 70},
                             {-20, 75},
                             {-18, 80},
                             {-30, 83},
                             {-50, 82},
                             {-60, 78},
                             {-68, 76},
                             {-55, 70},
                             {-52, 66},
                             {-50, 62}}));
    c.ice.addPath(g.outline({{-60, -64},
                             {-40, -72},
                             {-20, -71},
                             {0, -70},
                             {20, -69},
                             {40, -68},
                             {60, -67},
                             {80, -66},
                             {100, -66},
                             {100, -90},
                             {-60, -90}}));
    // The Black Sea and the Caspian, cut back out of Eurasia.
    c.inlandSeas.addPath(g.outline(
        {{28, 41}, {28, 44}, {30, 46}, {33, 46}, {36, 45}, {40, 44}, {41.5, 41.5}, {36, 41.5}}));
    c.inlandSeas.addPath(
        g.outline({{47, 37}, {49, 46}, {53, 47}, {54, 45}, {51, 42}, {54, 38}, {51, 36.8}}));
    return c;
}

void drawEarth(QPainter &p, QPointF c, qreal r, bool detailed)
{
    const Globe globe{c, r, 5, 18};

    // Ocean, brighter towards the sub-solar point.
    baseDisc(p, c, r, QColor(70, 150, 235), QColor(28, 92, 190), QColor(12, 44, 120));

    p.save();
    p.setClipPath(discPath(c, r));
    const Coastlines coast = earthCoastlines(globe);
    const QPainterPath land = coast.land.subtracted(coast.inlandSeas);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(62, 138, 58));
    p.drawPath(land);

    // Deserts and dry uplands, kept inside the land outline.
    p.save();
    p.setClipPath(land, Qt::IntersectClip);
    const QColor desert(205, 170, 105, 235);
    const QColor steppe(160, 140, 80, 180);
    globe.spot(p, 10, 23, 16, desert, 0.5);                     // Sahara
    globe.spot(p, -5, 22, 10, desert, 0.4);                     // western Sahara
    globe.spot(p, 30, 22, 11, desert, 0.4);                     // Libyan desert
    globe.spot(p, 46, 23, 10, desert, 0.4);                     // Arabia
    globe.spot(p, 20, -23, 8, steppe, 0.3);                     // Kalahari
    globe.spot(p, 60, 40, 12, steppe, 0.3);                     // Central Asia
    globe.spot(p, -5, 40, 4, QColor(170, 150, 90, 150), 0.2);   // Iberian plateau
    globe.spot(p, -70, -25, 6, QColor(170, 140, 95, 170), 0.3); // Andes
    if (detailed) {
        // Rain forests a deeper green.
        globe.spot(p, 20, 0, 9, QColor(30, 100, 40, 200), 0.3);
        globe.spot(p, -60, -5, 12, QColor(30, 100, 40, 200), 0.3);
        globe.spot(p, 55, 33, 6, steppe, 0.3); // Iran
    }
    p.restore();

    p.setBrush(QColor(236, 242, 248));
    p.drawPath(coast.ice);

    // Cloud systems: a few large soft swirls; the detailed picture adds smaller wisps.
    struct Cloud {
        double lon, lat, length, width, angle;
    };
    const Cloud clouds[] = {{-30, 50, 22, 7, -20}, {-25, -40, 26, 6, 25}, {40, -45, 18, 5, -15},
                            {-10, 5, 12, 4, 0},    {30, 58, 14, 5, 10},   {60, 10, 10, 4, 30}};
    // Extra wisps for the large picture: the equatorial cloud belt and mid-latitude streaks.
    const Cloud wisps[] = {{-45, 35, 10, 2.5, -30}, {-15, -25, 12, 3, 15},  {70, -30, 10, 3, -10},
                           {15, 45, 9, 2.5, -5},    {-50, 15, 6, 3, 0},     {5, -60, 20, 3, 5},
                           {-35, 5, 7, 2, 0},       {25, 3, 6, 2, 0},       {-5, 65, 14, 3, 0},
                           {-60, -50, 10, 3, 20},   {-10, -55, 9, 2.5, -10}};
    auto drawCloud = [&](const Cloud &cl, QColor colour, qreal core) {
        if (!globe.faces(cl.lon, cl.lat))
            return;
        const QPointF at = globe.project(cl.lon, cl.lat);
        const qreal squash = std::max(0.4, globe.cosine(cl.lon, cl.lat));
        softBlob(p, at, r * std::sin(cl.length * degToRad) * squash,
                 r * std::sin(cl.width * degToRad), cl.angle, colour, core);
    };
    for (const Cloud &cl : clouds)
        drawCloud(cl, QColor(255, 255, 255, 215), 0.25);
    if (detailed) {
        for (const Cloud &cl : wisps)
            drawCloud(cl, QColor(255, 255, 255, 165), 0.3);
    }
    p.restore();

    // A thin blue atmosphere at the limb, then the soft terminator towards the lower right,
    // which also dims the atmosphere on the night side.
    QRadialGradient air(c, r);
    air.setColorAt(0.0, QColor(120, 180, 255, 0));
    air.setColorAt(detailed ? 0.88 : 0.8, QColor(120, 180, 255, 0));
    air.setColorAt(1.0, QColor(160, 210, 255, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(air);
    p.drawEllipse(c, r, r);
    shadeSphere(p, c, r, 190, 35);
}

void drawMars(QPainter &p, QPointF c, qreal r)
{
    baseDisc(p, c, r, QColor(240, 150, 90), QColor(200, 95, 45), QColor(130, 50, 22));
    p.save();
    p.setClipPath(discPath(c, r));
    const Globe globe{c, r, 0, 22};
    // Dark albedo markings: a large wedge like Syrtis Major plus broad southern highlands.
    const QColor dark(110, 45, 25, 190);
    globe.spot(p, 15, 8, 16, dark, 0.4);
    globe.spot(p, 5, -5, 14, dark, 0.4);
    globe.spot(p, -40, -22, 20, QColor(120, 50, 28, 150), 0.3);
    globe.spot(p, 40, -25, 16, QColor(120, 50, 28, 150), 0.3);
    globe.spot(p, -30, 40, 12, QColor(125, 55, 30, 140), 0.3);
    // Northern polar cap: the cap's rim latitude circle, projected, with a softened edge.
    QPainterPath cap;
    for (int lon = 0; lon <= 360; lon += 15) {
        const QPointF point = globe.project(lon, 68);
        if (lon == 0)
            cap.moveTo(point);
        else
            cap.lineTo(point);
    }
    cap.closeSubpath();
    p.setPen(QPen(QColor(255, 240, 230, 110), 0.06 * r));
    p.setBrush(QColor(255, 252, 248));
    p.drawPath(cap);
    p.restore();
    shadeSphere(p, c, r, 160, 35);
}

void drawJupiter(QPainter &p, QPointF c, qreal r)
{
    // Slightly flattened, as the fast rotation makes it.
    const qreal ry = r * 0.94;
    QPainterPath globe;
    globe.addEllipse(c, r, ry);

    // Bands as a single vertical gradient: pale zones, brown belts, greyer poles.
    QLinearGradient bands(c + QPointF(0, -ry), c + QPointF(0, ry));
    const struct {
        qreal at;
        QColor colour;
    } stops[] = {
        {0.00, QColor(150, 130, 110)}, {0.12, QColor(180, 160, 130)}, {0.20, QColor(215, 195, 160)},
        {0.27, QColor(170, 125, 85)},  {0.32, QColor(225, 205, 170)}, {0.38, QColor(160, 105, 65)},
        {0.44, QColor(150, 95, 60)},   {0.50, QColor(245, 230, 200)}, {0.56, QColor(240, 225, 195)},
        {0.62, QColor(165, 110, 70)},  {0.68, QColor(160, 105, 68)},  {0.74, QColor(235, 215, 180)},
        {0.80, QColor(185, 140, 100)}, {0.86, QColor(220, 200, 165)}, {0.93, QColor(170, 150, 120)},
        {1.00, QColor(140, 120, 100)}};
    for (const auto &stop : stops)
        bands.setColorAt(stop.at, stop.colour);
    p.setPen(Qt::NoPen);
    p.setBrush(bands);
    p.drawPath(globe);

    p.save();
    p.setClipPath(globe);
    // Great Red Spot in the southern belt, with its pale surrounding hollow.
    const QPointF spot = c + QPointF(0.3 * r, 0.3 * ry);
    softBlob(p, spot, 0.34 * r, 0.2 * r, 0, QColor(245, 232, 205, 220), 0.45);
    softBlob(p, spot, 0.24 * r, 0.14 * r, 0, QColor(200, 75, 45, 255), 0.55);
    p.restore();

    // Shade with a circle scaled to the flattened outline.
    p.save();
    p.translate(c);
    p.scale(1.0, ry / r);
    shadeSphere(p, QPointF(0, 0), r, 150, 35);
    p.restore();
}

// Saturn's shape in the pixels of its 30 x 20 picture, centred on the origin.
struct SaturnShape {
    static constexpr qreal globeR = 6.4;
    static constexpr qreal globeRy = globeR * 0.9;
    static constexpr qreal tilt = -17; // degrees, ring plane seen from slightly above
    static constexpr qreal openness = 0.3;
    static constexpr qreal ringOuter = 14.2;
};

// `half` picks the ring's far side (-1, hidden behind the globe where they overlap), its near
// side (+1, drawn over the globe) or the whole ring (0).
void drawSaturnRings(QPainter &p, QPointF c, int half)
{
    // Ring bands from the inside out: faint inner ring, bright broad ring, dark division, outer
    // ring. Radii in pixels along the ring's long axis.
    const struct {
        qreal inner, outer;
        QColor colour;
    } rings[] = {{8.0, 9.4, QColor(150, 130, 95, 110)},
                 {9.4, 11.9, QColor(235, 215, 165)},
                 {11.9, 12.4, QColor(60, 50, 35, 140)},
                 {12.4, SaturnShape::ringOuter, QColor(205, 185, 140)}};

    p.save();
    p.translate(c);
    p.rotate(SaturnShape::tilt);
    p.scale(1.0, SaturnShape::openness);
    if (half != 0)
        p.setClipRect(QRectF(-20, half < 0 ? -20 : 0, 40, 20));
    p.setPen(Qt::NoPen);
    for (const auto &ring : rings) {
        QPainterPath band;
        band.addEllipse(QPointF(0, 0), ring.outer, ring.outer);
        band.addEllipse(QPointF(0, 0), ring.inner, ring.inner);
        band.setFillRule(Qt::OddEvenFill);
        p.setBrush(ring.colour);
        p.drawPath(band);
    }
    p.restore();
}

void drawSaturnGlobe(QPainter &p, QPointF c)
{
    const qreal globeR = SaturnShape::globeR;
    const qreal globeRy = SaturnShape::globeRy;
    QPainterPath globe;
    globe.addEllipse(c, globeR, globeRy);
    QLinearGradient bands(c + QPointF(0, -globeRy), c + QPointF(0, globeRy));
    bands.setColorAt(0.0, QColor(190, 170, 120));
    bands.setColorAt(0.2, QColor(225, 200, 140));
    bands.setColorAt(0.35, QColor(205, 175, 115));
    bands.setColorAt(0.5, QColor(245, 225, 170));
    bands.setColorAt(0.65, QColor(215, 185, 125));
    bands.setColorAt(0.8, QColor(230, 205, 150));
    bands.setColorAt(1.0, QColor(180, 155, 105));
    p.save();
    p.translate(c);
    p.rotate(SaturnShape::tilt);
    p.translate(-c);
    p.setPen(Qt::NoPen);
    p.setBrush(bands);
    p.drawPath(globe);
    p.restore();

    p.save();
    p.translate(c);
    p.rotate(SaturnShape::tilt);
    p.scale(1.0, globeRy / globeR);
    shadeSphere(p, QPointF(0, 0), globeR, 160, 35);
    p.restore();
}

void drawSaturn(QPainter &p, QSizeF size)
{
    const QPointF c(size.width() / 2, size.height() / 2);
    drawSaturnRings(p, c, -1);
    drawSaturnGlobe(p, c);
    drawSaturnRings(p, c, +1);
}

void drawUranus(QPainter &p, QPointF c, qreal r)
{
    baseDisc(p, c, r, QColor(215, 250, 250), QColor(165, 225, 232), QColor(110, 175, 190));
    p.save();
    p.setClipPath(discPath(c, r));
    // The sunlit pole faces us: a faint brighter polar haze.
    softBlob(p, c + QPointF(-0.1 * r, -0.1 * r), 0.55 * r, 0.55 * r, 0, QColor(235, 255, 255, 90));
    p.restore();
    shadeSphere(p, c, r, 130, 30);
}

void drawNeptune(QPainter &p, QPointF c, qreal r)
{
    baseDisc(p, c, r, QColor(95, 140, 245), QColor(50, 90, 215), QColor(22, 40, 130));
    p.save();
    p.setClipPath(discPath(c, r));
    // A faint darker band, a pale streak and a small dark storm.
    softBlob(p, c + QPointF(0, 0.32 * r), 1.2 * r, 0.14 * r, 0, QColor(20, 40, 140, 170), 0.3);
    softBlob(p, c + QPointF(0.05 * r, -0.38 * r), 0.55 * r, 0.08 * r, 0, QColor(190, 215, 255, 130),
             0.2);
    softBlob(p, c + QPointF(-0.25 * r, 0.05 * r), 0.18 * r, 0.12 * r, 0, QColor(15, 25, 90, 180),
             0.3);
    p.restore();
    shadeSphere(p, c, r, 150, 35);
}

void drawPluto(QPainter &p, QPointF c, qreal r)
{
    baseDisc(p, c, r, QColor(215, 185, 150), QColor(175, 135, 100), QColor(110, 80, 58));
    p.save();
    p.setClipPath(discPath(c, r));
    // Dark reddish equatorial region on the left.
    softBlob(p, c + QPointF(-0.55 * r, 0.25 * r), 0.55 * r, 0.35 * r, -10, QColor(105, 60, 40, 200),
             0.3);
    // The bright heart-shaped plain, right of centre.
    QPainterPath heart;
    heart.moveTo(0, 0.95);
    heart.cubicTo(-0.45, 0.55, -1.0, 0.2, -0.95, -0.3);
    heart.cubicTo(-0.9, -0.9, -0.15, -0.95, 0, -0.45);
    heart.cubicTo(0.15, -0.95, 0.9, -0.9, 0.95, -0.3);
    heart.cubicTo(1.0, 0.2, 0.45, 0.55, 0, 0.95);
    QTransform place;
    place.translate(c.x() + 0.22 * r, c.y() + 0.12 * r);
    place.rotate(-12);
    place.scale(0.42 * r, 0.42 * r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 232, 210));
    p.drawPath(place.map(heart));
    p.restore();
    shadeSphere(p, c, r, 150, 30);
}

void drawMoon(QPainter &p, QPointF c, qreal r, bool detailed)
{
    baseDisc(p, c, r, QColor(232, 232, 228), QColor(196, 196, 192), QColor(140, 140, 138));
    if (!detailed)
        return;
    p.save();
    p.setClipPath(discPath(c, r));
    // The near side's maria as seen from the Earth (east to the right).
    const Globe globe{c, r, 0, 0};
    const QColor mare(100, 100, 108, 215);
    const QColor ocean(112, 112, 120, 185);
    globe.spot(p, -58, 12, 32, ocean, 0.6);  // Oceanus Procellarum
    globe.spot(p, -42, 38, 18, ocean, 0.6);  // its northern reach
    globe.spot(p, -35, -10, 18, ocean, 0.6); // and southern reach
    globe.spot(p, -17, 33, 23, mare, 0.6);   // Mare Imbrium
    globe.spot(p, 17, 27, 14, mare, 0.6);    // Mare Serenitatis
    globe.spot(p, 30, 6, 16, mare, 0.6);     // Mare Tranquillitatis
    globe.spot(p, 4, 13, 9, mare, 0.6);      // Mare Vaporum
    globe.spot(p, 59, 17, 9, mare, 0.6);     // Mare Crisium
    globe.spot(p, 50, -6, 12, mare, 0.6);    // Mare Fecunditatis
    globe.spot(p, 34, -15, 8, mare, 0.6);    // Mare Nectaris
    globe.spot(p, -16, -20, 15, mare, 0.6);  // Mare Nubium
    globe.spot(p, -39, -24, 8, mare, 0.6);   // Mare Humorum
    for (double lon : {-30.0, -10.0, 10.0, 30.0})
        globe.spot(p, lon, 57, 9, QColor(118, 118, 125, 150), 0.3); // Mare Frigoris
    globe.spot(p, -11, -43, 2.5, QColor(252, 252, 250, 230), 0.3);  // Tycho
    p.restore();
    shadeSphere(p, c, r, 90, 20);
}

void drawObserver(QPainter &p, QSizeF size)
{
    // A "you are here" marker: a bright orange dot with a white centre.
    const QPointF c(size.width() / 2, size.height() / 2);
    QRadialGradient gradient(c, 2.4);
    gradient.setColorAt(0.0, QColor(255, 255, 255));
    gradient.setColorAt(0.3, QColor(255, 245, 215));
    gradient.setColorAt(0.55, QColor(255, 160, 40));
    gradient.setColorAt(1.0, QColor(255, 110, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(c, 2.4, 2.4);
}

// A disc that fills a square picture; the small inset keeps the antialiased rim inside it.
DrawFunction planet(QSizeF size, void (*draw)(QPainter &, QPointF, qreal))
{
    return [size, draw](QPainter &p) {
        draw(p, QPointF(size.width() / 2, size.height() / 2), size.width() / 2 - 0.15);
    };
}

bool writeBodies(const QDir &out)
{
    const std::optional<QDir> folder = makeFolder(out, QStringLiteral("bodies"));
    if (!folder)
        return false;
    const QDir &dir = *folder;

    struct Picture {
        const char *name;
        QSize size;
        Background background;
        DrawFunction draw;
    };
    const Background black = Background::Black;
    const Background clear = Background::Transparent;
    const Picture pictures[] = {
        {"sun", {25, 25}, black, [](QPainter &p) { drawSun(p, QSizeF(25, 25)); }},
        {"mercury", {15, 15}, black, planet(QSizeF(15, 15), drawMercury)},
        {"venus", {15, 15}, black, planet(QSizeF(15, 15), drawVenus)},
        {"earth", {20, 20}, black, [](QPainter &p) { drawEarth(p, QPointF(10, 10), 9.85, false); }},
        {"earth_large",
         {40, 40},
         black,
         [](QPainter &p) { drawEarth(p, QPointF(20, 20), 19.8, true); }},
        {"mars", {15, 15}, black, planet(QSizeF(15, 15), drawMars)},
        {"jupiter", {20, 20}, black, planet(QSizeF(20, 20), drawJupiter)},
        {"saturn", {30, 20}, black, [](QPainter &p) { drawSaturn(p, QSizeF(30, 20)); }},
        {"uranus", {15, 15}, black, planet(QSizeF(15, 15), drawUranus)},
        {"neptune", {15, 15}, black, planet(QSizeF(15, 15), drawNeptune)},
        {"pluto", {15, 15}, black, planet(QSizeF(15, 15), drawPluto)},
        {"moon_small",
         {5, 5},
         clear,
         [](QPainter &p) { drawMoon(p, QPointF(2.5, 2.5), 2.35, false); }},
        {"moon_large",
         {20, 20},
         clear,
         [](QPainter &p) { drawMoon(p, QPointF(10, 10), 9.85, true); }},
        {"person", {5, 5}, black, [](QPainter &p) { drawObserver(p, QSizeF(5, 5)); }},
    };
    for (const Picture &picture : pictures) {
        if (!writePicture(dir, QString::fromLatin1(picture.name), picture.size, picture.background,
                          picture.draw))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Constellation names
// ---------------------------------------------------------------------------------------------

// Which way a name reads in its box. Down is turned a quarter clockwise (read from the top, letter
// tops facing right), Up a quarter anticlockwise (read from the bottom, tops facing left).
enum class Reading { Across, Down, Up };

// Outlines come from a large unhinted font and are scaled to fit each box; hinting would only
// distort them.
QFont nameFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setWeight(QFont::Bold);
    font.setPixelSize(200);
    font.setHintingPreference(QFont::PreferNoHinting);
    // A little extra spacing keeps neighbouring capitals apart once the strokes are thickened.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.06 * font.pixelSize());
    static bool checked = false;
    if (!checked) {
        checked = true;
        const QString family = QFontInfo(font).family();
        if (family != font.family())
            err() << "heliodial_assetgen: font " << font.family() << " not found, names use "
                  << family << Qt::endl;
    }
    return font;
}

// White capitals on black, as large as the box's short side allows and centred in `area`. The
// glyphs are narrowed to look condensed; long names are narrowed further before they are made
// smaller, so names in boxes of the same thickness keep the same letter height. The letter
// height is a whole number of pixels with the baseline on a pixel edge, which keeps flat tops
// and feet sharp. At least one black pixel is left round the letters.
void drawName(QPainter &p, const QRectF &area, const QString &text, Reading reading)
{
    const bool across = reading == Reading::Across;
    const qreal length = across ? area.width() : area.height();
    const qreal thickness = across ? area.height() : area.width();

    const QFont font = nameFont();
    QPainterPath flatLetter;
    flatLetter.addText(0, 0, font, QStringLiteral("H"));
    QPainterPath roundLetter;
    roundLetter.addText(0, 0, font, QStringLiteral("O"));
    const qreal capHeight = -flatLetter.boundingRect().top();
    const qreal overshoot = roundLetter.boundingRect().bottom();
    QPainterPath glyphs;
    glyphs.addText(0, 0, font, text);
    const QRectF ink = glyphs.boundingRect();
    if (capHeight <= 0 || ink.isEmpty())
        return;

    constexpr qreal widest = 0.86;   // horizontal squeeze that gives the condensed look
    constexpr qreal narrowest = 0.7; // beyond this the letters turn into picket fences
    constexpr qreal sideMargin = 2;
    // Letters keep a clear pixel to the edges. The tail of a Q hangs well below the baseline;
    // rather than shrink the whole name for it, the tail may be cut short by up to a third.
    constexpr qreal edgeMargin = 1;
    constexpr qreal tailKept = 2.0 / 3.0;

    qreal sx = 0;
    qreal sy = 0;
    qreal outline = 0;
    int baseline = 0;
    for (int letterHeight = qRound(0.68 * thickness); letterHeight >= 4 && baseline == 0;
         --letterHeight) {
        // At these sizes plain bold strokes come out little more than a pixel wide; an outline
        // pen thickens them by half its width on every side.
        outline = 0.055 * letterHeight;
        const qreal grow = outline / 2;
        sy = letterHeight / capHeight;
        const qreal squeeze =
            std::min(widest, (length - 2 * sideMargin - 2 * grow) / (ink.width() * sy));
        if (squeeze < narrowest)
            continue;
        sx = sy * squeeze;
        const auto fits = [&](int base) {
            const qreal bottom = overshoot + tailKept * std::max(0.0, ink.bottom() - overshoot);
            return base + ink.top() * sy - grow >= edgeMargin &&
                   base + bottom * sy + grow <= thickness - edgeMargin;
        };
        // Centre the capitals; a tail below the baseline may push them up a pixel.
        const int centred = (qRound(thickness) - letterHeight) / 2 + letterHeight;
        if (fits(centred))
            baseline = centred;
        else if (fits(centred - 1))
            baseline = centred - 1;
    }
    if (baseline == 0) {
        err() << "heliodial_assetgen: \"" << text << "\" does not fit in " << length << " x "
              << thickness << Qt::endl;
        return;
    }
    const qreal left = std::round((length - ink.width() * sx) / 2);

    p.save();
    p.translate(area.topLeft());
    // Lay the name out along +x in a length x thickness box, then turn that box into place.
    if (reading == Reading::Down) {
        p.translate(area.width(), 0);
        p.rotate(90);
    } else if (reading == Reading::Up) {
        p.translate(0, area.height());
        p.rotate(-90);
    }
    p.setClipRect(QRectF(0, edgeMargin, length, thickness - 2 * edgeMargin));
    const QTransform place(sx, 0, 0, sy, left - ink.left() * sx, baseline);
    p.setPen(QPen(Qt::white, outline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(place.map(glyphs));
    p.restore();
}

// Antialiased letters a few pixels high come out soft, with stems smeared over two grey
// columns. Steepening the grey ramp (faint fringes dropped, strong ones raised to full white)
// sharpens them without the jagged look of unantialiased text.
void sharpenLetters(QImage &image)
{
    constexpr int low = 38;   // 15 % coverage and below turn black
    constexpr int high = 204; // 80 % and above turn white
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int level = std::clamp((qGray(line[x]) - low) * 255 / (high - low), 0, 255);
            line[x] = qRgb(level, level, level);
        }
    }
}

// Names are white on black: rendered, sharpened, then saved at every scale. The sharpening works
// on the grey ramp of the antialiased edges, which is about a pixel wide at any scale, so each
// rendition gets the same treatment.
bool writeName(const QDir &dir, const QString &name, QSize logicalSize, const DrawFunction &draw)
{
    for (int scale : pictureScales) {
        QImage image = renderPicture(logicalSize, scale, Background::Black, draw);
        sharpenLetters(image);
        if (!savePicture(dir, name, scale, image))
            return false;
    }
    return true;
}

bool writeNames(const QDir &out)
{
    const std::optional<QDir> folder = makeFolder(out, QStringLiteral("names"));
    if (!folder)
        return false;

    struct Name {
        const char *name;
        QSize size;
        const char *text;
        Reading reading;
    };
    const Reading across = Reading::Across;
    const Reading down = Reading::Down;
    const Reading up = Reading::Up;
    const Name names[] = {
        {"aries", {40, 12}, "ARIES", across},
        {"taurus", {12, 54}, "TAURUS", down},
        {"taurus2", {12, 54}, "TAURUS", up},
        {"taurus3", {54, 12}, "TAURUS", across},
        {"gemini", {12, 45}, "GEMINI", down},
        {"gemini2", {12, 45}, "GEMINI", up},
        {"cancer", {50, 12}, "CANCER", across},
        {"cancer2", {12, 50}, "CANCER", down},
        {"cancer3", {12, 50}, "CANCER", up},
        {"leo", {26, 12}, "LEO", across},
        {"virgo", {39, 14}, "VIRGO", across},
        {"libra", {39, 13}, "LIBRA", across},
        {"scorpius", {12, 32}, "SCO", up},
        {"scorpius2", {12, 32}, "SCO", down},
        {"ophiuchus", {12, 74}, "OPHIUCHUS", up},
        {"ophiuchus2", {12, 74}, "OPHIUCHUS", down},
        {"sagittarius", {13, 83}, "SAGITTARIUS", up},
        {"sagittarius2", {13, 83}, "SAGITTARIUS", down},
        {"capricornus", {86, 11}, "CAPRICORNUS", across},
        {"capricornus2", {11, 66}, "CAPRICORN", up},
        {"capricornus3", {11, 69}, "CAPRICORN", down},
        {"aquarius", {62, 13}, "AQUARIUS", across},
        {"pisces", {47, 12}, "PISCES", across},
    };
    for (const Name &name : names) {
        const QRectF area(QPointF(0, 0), QSizeF(name.size));
        const QString text = QString::fromLatin1(name.text);
        const Reading reading = name.reading;
        if (!writeName(*folder, QString::fromLatin1(name.name), name.size,
                       [=](QPainter &p) { drawName(p, area, text, reading); }))
            return false;
    }
    // The long label sits in the top-left corner of a larger black picture, in the 70 x 18
    // strip the views show. Its letters are those of the other names across: the height of a
    // 12-pixel strip, centred in the 18.
    return writeName(*folder, QStringLiteral("scorpius3"), QSize(97, 25), [](QPainter &p) {
        drawName(p, QRectF(0, 3, 70, 12), QStringLiteral("SCORPIO"), Reading::Across);
    });
}

// ---------------------------------------------------------------------------------------------
// Moon phases
// ---------------------------------------------------------------------------------------------

// Texture scatter for the Moon's surface. The standard distributions are free to differ between
// library implementations, so the generator mixes its own numbers to stay reproducible.
class Scatter {
public:
    explicit Scatter(quint32 seed) : state(seed) {}

    // Uniform in [low, high).
    double uniform(double low, double high)
    {
        state += 0x9e3779b9u;
        quint32 z = state;
        z = (z ^ (z >> 16)) * 0x85ebca6bu;
        z = (z ^ (z >> 13)) * 0xc2b2ae35u;
        z ^= z >> 16;
        return low + (high - low) * (z / 4294967296.0);
    }

private:
    quint32 state;
};

// The point `distanceDeg` along a great circle from (lon, lat) heading `bearingDeg` (0 = north,
// 90 = east); used to lay crater rays across the globe.
QPointF travel(double lonDeg, double latDeg, double bearingDeg, double distanceDeg)
{
    const double lat = latDeg * degToRad;
    const double bearing = bearingDeg * degToRad;
    const double distance = distanceDeg * degToRad;
    const double lat2 = std::asin(std::sin(lat) * std::cos(distance) +
                                  std::cos(lat) * std::sin(distance) * std::cos(bearing));
    const double lon2 =
        lonDeg * degToRad + std::atan2(std::sin(bearing) * std::sin(distance) * std::cos(lat),
                                       std::cos(distance) - std::sin(lat) * std::sin(lat2));
    return {lon2 / degToRad, lat2 / degToRad};
}

// Softens a premultiplied picture with three box-blur passes, which come close to a Gaussian.
void blur(QImage &image, int radius)
{
    if (radius < 1)
        return;
    const int width = image.width();
    const int height = image.height();
    std::vector<QRgb> copy;
    auto pass = [&](int count, int lines, auto pixelAt) {
        for (int line = 0; line < lines; ++line) {
            copy.resize(count);
            for (int i = 0; i < count; ++i)
                copy[i] = *pixelAt(line, i);
            for (int i = 0; i < count; ++i) {
                int sums[4] = {};
                for (int j = i - radius; j <= i + radius; ++j) {
                    const QRgb pixel = copy[std::clamp(j, 0, count - 1)];
                    sums[0] += qRed(pixel);
                    sums[1] += qGreen(pixel);
                    sums[2] += qBlue(pixel);
                    sums[3] += qAlpha(pixel);
                }
                const int n = 2 * radius + 1;
                *pixelAt(line, i) = qRgba((sums[0] + n / 2) / n, (sums[1] + n / 2) / n,
                                          (sums[2] + n / 2) / n, (sums[3] + n / 2) / n);
            }
        }
    };
    for (int repeat = 0; repeat < 3; ++repeat) {
        pass(width, height,
             [&](int y, int x) { return reinterpret_cast<QRgb *>(image.scanLine(y)) + x; });
        pass(height, width,
             [&](int x, int y) { return reinterpret_cast<QRgb *>(image.scanLine(y)) + x; });
    }
}

// Like Globe::outline, for outlines built at run time.
QPainterPath globePath(const Globe &globe, const std::vector<QPointF> &lonLat)
{
    QPainterPath path;
    for (const QPointF &point : lonLat) {
        const QPointF projected = globe.project(point.x(), point.y());
        if (path.elementCount() == 0)
            path.moveTo(projected);
        else
            path.lineTo(projected);
    }
    path.closeSubpath();
    return path;
}

// A roughly round basin on the globe whose rim wanders in and out by up to `roughness` of its
// radius; a few low waves keep the rim smooth rather than jagged.
std::vector<QPointF> basin(double lon, double lat, double radiusDeg, double roughness,
                           Scatter &scatter)
{
    double phases[3];
    for (double &phase : phases)
        phase = scatter.uniform(0, 2 * std::numbers::pi);
    std::vector<QPointF> rim;
    for (int step = 0; step < 48; ++step) {
        const double angle = 2 * std::numbers::pi * step / 48;
        const double wave = 0.5 * std::sin(2 * angle + phases[0]) +
                            0.3 * std::sin(3 * angle + phases[1]) +
                            0.2 * std::sin(5 * angle + phases[2]);
        rim.push_back(travel(lon, lat, angle / degToRad, radiusDeg * (1 + roughness * wave)));
    }
    return rim;
}

// The maria as flat dark shapes on a transparent layer, to be blurred into soft shores.
void drawMaria(QPainter &p, QPointF c, qreal r)
{
    const Globe globe{c, r, 0, 0};
    const QColor basalt(108, 108, 113);
    const QColor darkBasalt(96, 97, 104);
    const QColor paleBasalt(124, 123, 124);
    Scatter scatter(11);
    p.setPen(Qt::NoPen);
    auto fill = [&](const std::vector<QPointF> &outline, QColor colour) {
        p.setBrush(colour);
        p.drawPath(globePath(globe, outline));
    };
    // Oceanus Procellarum with Mare Insularum and Cognitum along its eastern shore.
    fill({{-55, 57}, {-44, 53},  {-40, 44},  {-36, 34},  {-30, 24},  {-22, 16},  {-14, 6},
          {-18, -2}, {-24, -12}, {-33, -14}, {-40, -18}, {-47, -17}, {-55, -11}, {-63, -5},
          {-70, 0},  {-73, 9},   {-76, 19},  {-78, 29},  {-74, 38},  {-68, 46},  {-62, 53}},
         paleBasalt);
    fill(basin(-28, 8, 8, 0.3, scatter), basalt);    // Mare Insularum
    fill(basin(-22, -10, 6, 0.3, scatter), basalt);  // Mare Cognitum
    fill(basin(-16, 34, 18, 0.12, scatter), basalt); // Mare Imbrium
    fill(basin(-32, 44, 5, 0.2, scatter), basalt);   // Sinus Iridum
    fill(basin(-9, 12, 4.5, 0.3, scatter), basalt);  // Sinus Aestuum
    fill(basin(4, 14, 5, 0.35, scatter), basalt);    // Mare Vaporum
    fill(basin(1, 2, 3.5, 0.3, scatter), basalt);    // Sinus Medii
    fill(basin(17.5, 28, 11, 0.1, scatter), basalt); // Mare Serenitatis
    fill(basin(30, 37, 5, 0.3, scatter), basalt);    // Lacus Somniorum
    fill(basin(27, 45, 3, 0.2, scatter), basalt);    // Lacus Mortis
    fill({{17, 14},
          {24, 20},
          {31, 19},
          {38, 19},
          {43, 14},
          {45, 6},
          {42, 0},
          {36, -5},
          {29, -3},
          {23, 1},
          {18, 5},
          {20, 10}},
         darkBasalt);                                  // Mare Tranquillitatis
    fill(basin(59, 17, 9, 0.12, scatter), darkBasalt); // Mare Crisium
    fill({{43, 1}, {51, 2}, {57, -3}, {60, -10}, {57, -18}, {51, -21}, {47, -14}, {42, -6}},
         basalt);                                    // Mare Fecunditatis
    fill(basin(34, -15, 5.5, 0.2, scatter), basalt); // Mare Nectaris
    fill({{-26, -13},
          {-10, -12},
          {-5, -19},
          {-8, -27},
          {-15, -31},
          {-22, -29},
          {-29, -23},
          {-31, -16}},
         basalt);                                    // Mare Nubium
    fill(basin(-39, -24, 6, 0.15, scatter), basalt); // Mare Humorum
    fill({{-45, 55},
          {-25, 54},
          {-5, 55},
          {15, 55},
          {35, 56},
          {45, 58},
          {42, 61},
          {20, 60},
          {0, 60},
          {-20, 59},
          {-40, 59}},
         basalt);                                      // Mare Frigoris
    fill(basin(86, 13, 4, 0.3, scatter), basalt);      // Mare Marginis
    fill(basin(87, -2, 5, 0.3, scatter), basalt);      // Mare Smythii
    fill(basin(80, -45, 7, 0.4, scatter), paleBasalt); // Mare Australe
    fill(basin(81, 57, 4, 0.2, scatter), basalt);      // Mare Humboldtianum
    fill(basin(67, 4, 3, 0.3, scatter), basalt);       // Mare Undarum
}

// The near side at full Moon as seen from the northern hemisphere: north up, Mare Crisium on the
// right. Only brightness is drawn (no shadows), so one surface serves every phase.
QImage renderMoonSurface(QSize size, int scale, QPointF c, qreal r)
{
    const Globe globe{c, r, 0, 0};
    QImage surface = renderPicture(size, scale, Background::Black, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(194, 192, 186));
        p.drawEllipse(c, r, r);
        p.setClipPath(discPath(c, r));
        // Highlands: a faint mottle, a little brighter in the heavily cratered south.
        globe.spot(p, 5, -55, 40, QColor(212, 210, 204, 110), 0.2);
        Scatter mottle(7);
        for (int i = 0; i < 500; ++i) {
            const double lon = mottle.uniform(-88, 88);
            const double lat = std::asin(mottle.uniform(-0.99, 0.99)) / degToRad;
            const double size = mottle.uniform(1.5, 5);
            const bool light = mottle.uniform(0, 1) < 0.5;
            const int alpha = int(mottle.uniform(15, 45));
            globe.spot(p, lon, lat, size,
                       light ? QColor(226, 224, 218, alpha) : QColor(150, 148, 144, alpha), 0.2);
        }
    });

    QImage maria = renderPicture(size, scale, Background::Transparent,
                                 [&](QPainter &p) { drawMaria(p, c, r); });
    // The shores soften over the same logical width at every scale.
    blur(maria, scale);

    QPainter p(&surface);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(discPath(c * scale, r * scale));
    p.drawImage(0, 0, maria);
    p.scale(scale, scale);
    p.setClipPath(discPath(c, r));

    // Lava flows of different age give the maria some tone, and a faint mottle over everything
    // keeps the large flat areas from looking painted.
    globe.spot(p, 24, 24, 4, QColor(92, 93, 100, 150), 0.2); // dark shore of Serenitatis
    globe.spot(p, 10, 30, 4, QColor(92, 93, 100, 150), 0.2);
    globe.spot(p, -25, 28, 7, QColor(98, 98, 104, 120), 0.2); // western Imbrium flows
    globe.spot(p, -55, 10, 8, QColor(112, 112, 118, 110), 0.2);
    Scatter grain(13);
    for (int i = 0; i < 400; ++i) {
        const double lon = grain.uniform(-85, 85);
        const double lat = std::asin(grain.uniform(-0.98, 0.98)) / degToRad;
        const bool light = grain.uniform(0, 1) < 0.5;
        const int alpha = int(grain.uniform(10, 30));
        globe.spot(p, lon, lat, grain.uniform(1, 3.5),
                   light ? QColor(220, 218, 214, alpha) : QColor(70, 70, 76, alpha), 0.2);
    }
    globe.spot(p, -9, 52, 1.8, QColor(88, 88, 94, 230), 0.5);  // Plato
    globe.spot(p, -68, -5, 2.6, QColor(92, 92, 98, 210), 0.5); // Grimaldi

    // Young craters: a bright spot in a splotchy nimbus of ejecta; Tycho's long rays reach
    // across much of the southern half.
    struct Crater {
        double lon, lat, size, reach;
    };
    const Crater craters[] = {
        {-11, -43, 1.5, 9}, // Tycho
        {-20, 10, 1.6, 9},  // Copernicus
        {-38, 8, 1.1, 6},   // Kepler
        {47, 16, 0.9, 4},   // Proclus
        {49, -9, 0.9, 4},   // Langrenus
    };
    const QColor ejecta(230, 228, 224);
    Scatter splash(23);
    for (const Crater &crater : craters) {
        for (int i = 0; i < 14; ++i) {
            const QPointF at = travel(crater.lon, crater.lat, splash.uniform(0, 360),
                                      crater.reach * std::sqrt(splash.uniform(0.05, 1)));
            globe.spot(p, at.x(), at.y(), crater.reach * splash.uniform(0.15, 0.3),
                       withAlpha(ejecta, int(splash.uniform(25, 50))), 0.2);
        }
        globe.spot(p, crater.lon, crater.lat, crater.size * 2.5, withAlpha(ejecta, 90), 0.3);
        globe.spot(p, crater.lon, crater.lat, crater.size, QColor(250, 250, 248, 230), 0.4);
    }
    for (double bearing : {-20.0, 5.0, 40.0, 75.0, 110.0, 160.0, 200.0, 250.0, 290.0, 330.0}) {
        const double length = splash.uniform(25, 60);
        QPointF at(-11, -43);
        for (double along = 0; along < length; along += 1.5) {
            at = travel(at.x(), at.y(), bearing + splash.uniform(-3, 3), 1.5);
            const double fade = std::min(along / 8, 1.0) * (1 - along / length);
            globe.spot(p, at.x(), at.y(), 2.2, withAlpha(ejecta, int(45 * fade)), 0.2);
        }
    }
    globe.spot(p, -47, 24, 1.1, QColor(250, 250, 250, 240), 0.5); // Aristarchus
    Scatter specks(31);
    for (int i = 0; i < 25; ++i) {
        const double lon = specks.uniform(-80, 80);
        const double lat = std::asin(specks.uniform(-0.95, 0.95)) / degToRad;
        globe.spot(p, lon, lat, specks.uniform(0.7, 1.2), withAlpha(ejecta, 110), 0.3);
    }

    // The full Moon is nearly as bright at the limb as in the middle; only the very edge dims.
    QRadialGradient limb(c, r);
    limb.setColorAt(0.0, QColor(0, 0, 0, 0));
    limb.setColorAt(0.85, QColor(0, 0, 0, 0));
    limb.setColorAt(1.0, QColor(0, 0, 0, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(limb);
    p.drawEllipse(c, r, r);
    return surface;
}

// Lights a rendered surface for one phase. `elongationDeg` is how far the Moon stands from the
// Sun (0 new, 180 full); the Sun is to the left for negative `side`, to the right for positive.
// Brightness follows the Lommel-Seeliger law, the usual description of dusty airless surfaces:
// it stays high out to the bright limb and falls off only near the terminator, which therefore
// shades softly instead of cutting hard. The night side keeps a faint earthshine.
void lightMoon(QImage &image, int scale, QPointF c, qreal r, double elongationDeg, int side)
{
    constexpr double earthshine = 0.12;
    const double sunX = side * std::abs(std::sin(elongationDeg * degToRad));
    const double sunZ = -std::cos(elongationDeg * degToRad);
    for (int py = 0; py < image.height(); ++py) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(py));
        for (int px = 0; px < image.width(); ++px) {
            double x = ((px + 0.5) / scale - c.x()) / r;
            const double y = ((py + 0.5) / scale - c.y()) / r;
            // Rim pixels lie partly outside the disc; light them like the limb itself.
            const double rim = std::hypot(x, y);
            if (rim > 1)
                x /= rim;
            const double z = std::sqrt(std::max(0.0, 1 - std::min(1.0, rim * rim)));
            const double incidence = x * sunX + z * sunZ;
            const double light =
                incidence <= 0 ? 0.0 : std::min(1.0, 2 * incidence / (incidence + z));
            const double factor = earthshine + (1 - earthshine) * light;
            const QRgb pixel = line[px];
            line[px] = qRgb(int(qRed(pixel) * factor + 0.5), int(qGreen(pixel) * factor + 0.5),
                            int(qBlue(pixel) * factor + 0.5));
        }
    }
}

// phase0 is the new Moon, phase1..15 the Moon 22.5 degrees further west of the Sun each, as seen
// from the northern hemisphere: waning crescent lit on the left, full at 8, first quarter at 12.
// From the southern hemisphere the sky is upside down, so phase101..115 are the northern
// pictures 15..1 turned half round.
bool writePhases(const QDir &out)
{
    const std::optional<QDir> folder = makeFolder(out, QStringLiteral("phases"));
    if (!folder)
        return false;
    const QSize size(100, 100);
    const QPointF centre(50, 50);
    const qreal radius = 45;
    for (int scale : pictureScales) {
        const QImage surface = renderMoonSurface(size, scale, centre, radius);
        for (int k = 0; k <= 15; ++k) {
            QImage phase = surface.copy();
            lightMoon(phase, scale, centre, radius, 22.5 * k, k < 8 ? -1 : 1);
            if (!savePicture(*folder, QStringLiteral("phase%1").arg(k), scale, phase))
                return false;
            if (k > 0 && !savePicture(*folder, QStringLiteral("phase%1").arg(116 - k), scale,
                                      phase.mirrored(true, true)))
                return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Program icon
// ---------------------------------------------------------------------------------------------

// The icon is designed on a 256-unit square and painted at every size through a scaled painter.
// Small sizes are not simply shrunk: they drop elements, open the orbits wider and keep lines at
// least about a pixel wide, or everything would melt into the Sun's glow.
constexpr qreal iconUnits = 256;
const QColor iconNight(8, 12, 32);

// The orbits as seen from slightly above their plane, all round the Sun in the middle.
struct IconOrbits {
    QPointF sun;
    std::vector<qreal> radii; // semi-major axes
    qreal openness;           // minor to major axis
    qreal tiltDeg;
    QPen pen;

    // The point `angleDeg` along the orbit of semi-major axis `a`; 0 to 180 is the near half.
    QPointF point(qreal a, qreal angleDeg) const
    {
        const QTransform plane = QTransform().translate(sun.x(), sun.y()).rotate(tiltDeg);
        return plane.map(QPointF(a * std::cos(angleDeg * degToRad),
                                 a * openness * std::sin(angleDeg * degToRad)));
    }

    // One half of every orbit: the far half (-1) goes behind the Sun, the near half (+1) in front.
    void draw(QPainter &p, int half) const
    {
        p.save();
        p.translate(sun);
        p.rotate(tiltDeg);
        p.setClipRect(QRectF(-iconUnits, half < 0 ? -iconUnits : 0, 2 * iconUnits, iconUnits));
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        for (qreal a : radii)
            p.drawEllipse(QPointF(0, 0), a, a * openness);
        p.restore();
    }
};

// A ring of the background colour round a planet, so it stands clear of the orbit line it sits
// on even when only a few pixels across.
void iconGap(QPainter &p, QPointF c, qreal radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(iconNight);
    p.drawEllipse(c, radius, radius);
}

void drawIcon(QPainter &p, int pixels)
{
    const qreal unit = iconUnits / pixels; // design units per device pixel
    const auto atLeast = [unit](qreal units, qreal devicePixels) {
        return std::max(units, devicePixels * unit);
    };
    const bool tiny = pixels <= 16;
    const bool small = pixels <= 32;
    const bool detailed = pixels >= 128;

    // Night-sky tile: a rounded square, bluer in the middle, with a faint lit rim so it still
    // reads against a dark panel.
    const QRectF tile(0, 0, iconUnits, iconUnits);
    const qreal corner = 0.2 * iconUnits;
    QRadialGradient sky(QPointF(0.45 * iconUnits, 0.4 * iconUnits), 0.75 * iconUnits);
    sky.setColorAt(0.0, QColor(26, 46, 104));
    sky.setColorAt(0.6, QColor(14, 24, 62));
    sky.setColorAt(1.0, iconNight);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(tile, corner, corner);
    if (!small) {
        const qreal rim = atLeast(3, 1);
        p.setPen(QPen(QColor(110, 140, 210, 110), rim));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(tile.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2), corner - rim / 2,
                          corner - rim / 2);
    }

    // A sprinkling of stars in the empty corners.
    if (pixels >= 64) {
        const struct {
            qreal x, y, size;
        } stars[] = {{40, 46, 1.0},   {70, 28, 0.6},  {200, 40, 0.8},  {222, 70, 0.5},
                     {176, 22, 0.5},  {34, 200, 0.6}, {60, 226, 0.9},  {214, 214, 0.7},
                     {190, 236, 0.5}, {24, 120, 0.5}, {236, 150, 0.6}, {118, 18, 0.6}};
        p.setPen(Qt::NoPen);
        for (const auto &star : stars) {
            const qreal r = atLeast(2.6 * star.size, 0.55);
            QRadialGradient glow(QPointF(star.x, star.y), 2 * r);
            glow.setColorAt(0.0, QColor(255, 255, 255, int(120 + 130 * star.size)));
            glow.setColorAt(0.5, QColor(200, 220, 255, int(60 + 60 * star.size)));
            glow.setColorAt(1.0, QColor(200, 220, 255, 0));
            p.setBrush(glow);
            p.drawEllipse(QPointF(star.x, star.y), 2 * r, 2 * r);
        }
    }

    IconOrbits orbits{QPointF(128, 128), {}, 0.45, -20, QPen()};
    if (tiny) {
        orbits.radii = {94};
        orbits.openness = 0.56;
    } else if (small) {
        orbits.radii = {74, 112};
        orbits.openness = 0.5;
    } else {
        orbits.radii = {56, 83, 108};
    }
    const qreal thinnestOrbit = tiny ? 1.3 : small ? 1.15 : 1.0; // device pixels
    orbits.pen = QPen(QColor(150, 185, 245, small ? 240 : 190), atLeast(3, thinnestOrbit),
                      Qt::SolidLine, Qt::FlatCap);
    orbits.draw(p, -1);

    // Saturn rides the outer orbit on the far side, up to the left.
    if (!small) {
        const QPointF at = orbits.point(orbits.radii.back(), 228);
        const qreal scale = atLeast(2.2, 0.42); // Saturn picture pixels to design units
        p.save();
        p.translate(at);
        p.scale(scale, scale);
        iconGap(p, QPointF(0, 0), SaturnShape::globeR + unit / scale);
        drawSaturnRings(p, QPointF(0, 0), -1);
        drawSaturnGlobe(p, QPointF(0, 0));
        drawSaturnRings(p, QPointF(0, 0), +1);
        p.restore();
    }

    // The Sun: a glow, then the same disc as the body picture. The glow is kept tight at the
    // small sizes, where a wide one swallows the orbits.
    const qreal sunR = tiny ? 46 : small ? 42 : 34;
    const qreal glowR = (small ? 1.7 : 2.1) * sunR;
    QRadialGradient glow(orbits.sun, glowR);
    glow.setColorAt(0.0, QColor(255, 210, 90, 230));
    glow.setColorAt(0.45, QColor(255, 170, 50, 140));
    glow.setColorAt(0.7, QColor(255, 140, 30, small ? 30 : 45));
    glow.setColorAt(1.0, QColor(255, 120, 20, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(orbits.sun, glowR, glowR);
    p.save();
    p.translate(orbits.sun - QPointF(sunR, sunR));
    drawSun(p, QSizeF(2 * sunR, 2 * sunR));
    p.restore();

    orbits.draw(p, +1);

    // Mars on the inner orbit, far side to the right.
    if (!small) {
        const QPointF at = orbits.point(orbits.radii.front(), 322);
        const qreal r = atLeast(8, 1.5);
        iconGap(p, at, r + atLeast(2.5, 0.8));
        drawMars(p, at, r);
    }

    // The Earth on the near side, down to the right, with its Moon in the large sizes.
    const QPointF earth = orbits.point(orbits.radii[small ? 0 : 1], tiny ? 42 : small ? 58 : 62);
    const qreal earthR = tiny ? 35 : small ? 26 : atLeast(17, 2.8);
    iconGap(p, earth, earthR + atLeast(2.5, tiny ? 0.8 : 1.0));
    if (pixels >= 64) {
        drawEarth(p, earth, earthR, detailed);
    } else {
        QRadialGradient ocean(earth + QPointF(-0.35 * earthR, -0.35 * earthR), 1.4 * earthR);
        ocean.setColorAt(0.0, QColor(150, 210, 255));
        ocean.setColorAt(0.45, QColor(50, 130, 240));
        ocean.setColorAt(1.0, QColor(20, 60, 170));
        p.setPen(Qt::NoPen);
        p.setBrush(ocean);
        p.drawEllipse(earth, earthR, earthR);
    }
    if (detailed) {
        const QPointF moon = earth + QPointF(27, -14);
        iconGap(p, moon, 6.5);
        drawMoon(p, moon, 5, false);
    }
}

QImage renderIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(pixels / iconUnits, pixels / iconUnits);
    drawIcon(painter, pixels);
    return image;
}

bool saveImage(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    if (!image.save(path, format, quality)) {
        err() << "heliodial_assetgen: cannot write " << path << Qt::endl;
        return false;
    }
    return true;
}

// The icon at each size the desktop asks for, plus the 32-pixel icon cut down to sixteen colours
// for the About box. The palette is picked for this picture: the standard sixteen colours have
// hardly any dark blues, so the tile would break up into black and navy blotches. Each pixel
// takes its nearest colour, undithered; at this size dithering only adds noise.
bool writeIcon(const QDir &out)
{
    const std::optional<QDir> folder = makeFolder(out, QStringLiteral("icon"));
    if (!folder)
        return false;
    for (int pixels : {16, 32, 48, 64, 128, 256}) {
        if (!saveImage(renderIcon(pixels),
                       folder->filePath(QStringLiteral("heliodial-%1.png").arg(pixels)), "PNG"))
            return false;
    }
    // Transparent corners; four night blues for the tile's glow; three orbit blues; the Sun from
    // white to deep orange; two tints where its glow lies over the tile; two Earth blues.
    const QList<QRgb> palette = {
        qRgba(0, 0, 0, 0),   qRgb(8, 12, 32),     qRgb(16, 28, 66),    qRgb(23, 39, 87),
        qRgb(30, 50, 108),   qRgb(66, 92, 160),   qRgb(110, 140, 210), qRgb(165, 195, 250),
        qRgb(255, 250, 222), qRgb(255, 224, 100), qRgb(252, 170, 40),  qRgb(200, 100, 25),
        qRgb(120, 72, 58),   qRgb(170, 112, 66),  qRgb(55, 135, 242),  qRgb(22, 66, 170)};
    const QImage reduced =
        renderIcon(32).convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    return saveImage(reduced, folder->filePath(QStringLiteral("heliodial-32-16colours.png")),
                     "PNG");
}

// ---------------------------------------------------------------------------------------------
// Photograph
// ---------------------------------------------------------------------------------------------

// A hashed lattice value in [0, 1). Like Scatter, it avoids the library's generators so the
// picture comes out the same everywhere.
double latticeValue(int x, int y, quint32 seed)
{
    quint32 h = quint32(x) * 0x8da6b343u ^ quint32(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h = (h ^ (h >> 16)) * 0x85ebca6bu;
    h = (h ^ (h >> 13)) * 0xc2b2ae35u;
    h ^= h >> 16;
    return h / 4294967296.0;
}

// Smoothly interpolated value noise summed over `octaves` doublings of frequency; in [0, 1).
double cloudNoise(double x, double y, int octaves, quint32 seed)
{
    double sum = 0;
    double weight = 0;
    double amplitude = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        const double fx = std::floor(x);
        const double fy = std::floor(y);
        const int ix = int(fx);
        const int iy = int(fy);
        const double tx = (x - fx) * (x - fx) * (3 - 2 * (x - fx));
        const double ty = (y - fy) * (y - fy) * (3 - 2 * (y - fy));
        const quint32 s = seed + quint32(octave) * 101u;
        const double top =
            latticeValue(ix, iy, s) + tx * (latticeValue(ix + 1, iy, s) - latticeValue(ix, iy, s));
        const double bottom = latticeValue(ix, iy + 1, s) +
                              tx * (latticeValue(ix + 1, iy + 1, s) - latticeValue(ix, iy + 1, s));
        sum += amplitude * (top + ty * (bottom - top));
        weight += amplitude;
        amplitude *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / weight;
}

// Adds `amount` (0..1) of `colour` to the picture, shared among the four pixels nearest to `at`
// so faint stars keep their sub-pixel places instead of snapping to the grid.
void addLight(QImage &image, QPointF at, QColor colour, double amount)
{
    const double x = at.x() - 0.5;
    const double y = at.y() - 0.5;
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    for (int dy = 0; dy <= 1; ++dy) {
        for (int dx = 0; dx <= 1; ++dx) {
            const int px = x0 + dx;
            const int py = y0 + dy;
            if (px < 0 || py < 0 || px >= image.width() || py >= image.height())
                continue;
            const double share = amount * (dx ? fx : 1 - fx) * (dy ? fy : 1 - fy);
            QRgb &pixel = reinterpret_cast<QRgb *>(image.scanLine(py))[px];
            pixel = qRgba(std::min(255, qRed(pixel) + int(colour.red() * share + 0.5)),
                          std::min(255, qGreen(pixel) + int(colour.green() * share + 0.5)),
                          std::min(255, qBlue(pixel) + int(colour.blue() * share + 0.5)),
                          qAlpha(pixel));
        }
    }
}

// A star bright enough to show a disc and a little bloom, added onto what is already there.
void drawBrightStar(QPainter &p, QPointF at, double brightness, QColor tint)
{
    const qreal core = 0.9 + 1.6 * brightness;
    const qreal halo = 3 + 9 * brightness * brightness;
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setPen(Qt::NoPen);
    QRadialGradient bloom(at, halo);
    bloom.setColorAt(0.0, withAlpha(tint, int(90 * brightness)));
    bloom.setColorAt(0.3, withAlpha(tint, int(30 * brightness)));
    bloom.setColorAt(1.0, withAlpha(tint, 0));
    p.setBrush(bloom);
    p.drawEllipse(at, halo, halo);
    QRadialGradient disc(at, core);
    disc.setColorAt(0.0, QColor(255, 255, 255, 255));
    disc.setColorAt(0.4, withAlpha(tint.lighter(115), 200));
    disc.setColorAt(1.0, withAlpha(tint, 0));
    p.setBrush(disc);
    p.drawEllipse(at, core, core);
    p.restore();
}

// Star colours from hot to cool, weighted towards the common white and yellowish ones.
QColor starTint(double pick)
{
    if (pick < 0.15)
        return QColor(170, 195, 255);
    if (pick < 0.55)
        return QColor(225, 232, 255);
    if (pick < 0.8)
        return QColor(255, 244, 225);
    if (pick < 0.94)
        return QColor(255, 220, 170);
    return QColor(255, 185, 130);
}

// The photograph's frame and the places of its bodies. The Sun stands half out of the frame on
// the left; the planets follow a gentle arc along the near side of their orbits, which are seen
// from a little above their plane.
struct PhotoLayout {
    static constexpr int width = 2272;
    static constexpr int height = 1704;
    static constexpr QPointF sun{-10, 800};
    static constexpr qreal sunRadius = 420;
    static constexpr qreal orbitTilt = -5; // degrees
    static constexpr qreal orbitOpenness = 0.23;

    // Semi-major axis of the orbit (centred on the Sun) that passes through `at`.
    static qreal orbitThrough(QPointF at)
    {
        const QPointF local = QTransform().rotate(-orbitTilt).map(at - sun);
        return std::hypot(local.x(), local.y() / orbitOpenness);
    }

    // Where the planets sit: a shallow arc sagging towards the viewer in the middle.
    static QPointF arc(qreal x)
    {
        const double t = (x - 480) / 1800;
        return {x, 850 + 210 * std::sin(std::numbers::pi * t)};
    }
};

// The Milky Way: a broad band of soft clouds with a darker dust lane, drawn at a quarter of the
// photograph's size and enlarged, which keeps the clouds soft.
QImage renderMilkyWay(QLineF band)
{
    const int step = 4;
    QImage clouds(PhotoLayout::width / step, PhotoLayout::height / step,
                  QImage::Format_ARGB32_Premultiplied);
    const QPointF along = band.unitVector().p2() - band.unitVector().p1();
    const QPointF across(-along.y(), along.x());
    for (int y = 0; y < clouds.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(clouds.scanLine(y));
        for (int x = 0; x < clouds.width(); ++x) {
            const QPointF at(step * (x + 0.5), step * (y + 0.5));
            const QPointF offset = at - band.p1();
            const double s = offset.x() * along.x() + offset.y() * along.y();
            // The band wanders a little and varies in width along its length.
            const double wander = 120 * (cloudNoise(s / 900, 3.5, 2, 5) - 0.5);
            const double d = offset.x() * across.x() + offset.y() * across.y() - wander;
            const double width = 260 * (0.8 + 0.5 * cloudNoise(s / 700, 9.5, 2, 6));
            const double profile = std::exp(-d * d / (2 * width * width));
            const double texture = cloudNoise(at.x() / 260, at.y() / 260, 5, 1);
            const double fine = cloudNoise(at.x() / 60, at.y() / 60, 3, 2);
            const double dust =
                1 - 0.75 * std::exp(-std::pow((d + 40 * (fine - 0.5)) / (0.18 * width), 2)) *
                        cloudNoise(s / 300, 1.5, 3, 3);
            double glow = profile * std::pow(std::clamp(texture * 1.6 - 0.3, 0.0, 1.0), 1.6) *
                          (0.7 + 0.6 * fine) * dust;
            glow = std::clamp(glow, 0.0, 1.0);
            const double warm = cloudNoise(at.x() / 500, at.y() / 500, 2, 4);
            const double level = 58 * glow;
            line[x] = qRgb(int(level * (0.85 + 0.3 * warm)), int(level * (0.88 + 0.1 * warm)),
                           int(level * (1.15 - 0.25 * warm)));
        }
    }
    return clouds.scaled(PhotoLayout::width, PhotoLayout::height, Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
}

struct Star {
    QPointF at;
    double brightness; // 0..1
    QColor tint;
};

// Faint star dust crowding into the Milky Way, and field stars all over: many faint, a few bright.
std::vector<Star> scatterStars(QLineF band)
{
    std::vector<Star> stars;
    const QPointF along = band.unitVector().p2() - band.unitVector().p1();
    const QPointF across(-along.y(), along.x());
    Scatter dust(41);
    for (int i = 0; i < 26000; ++i) {
        const double s = dust.uniform(-200, band.length() + 200);
        // Sum of uniforms: roughly Gaussian across the band.
        const double d = 190 * (dust.uniform(-1, 1) + dust.uniform(-1, 1) + dust.uniform(-1, 1));
        const QPointF at = band.p1() + s * along + d * across;
        const QColor tint = starTint(dust.uniform(0, 1));
        stars.push_back({at, dust.uniform(0.016, 0.07), tint});
    }
    Scatter field(43);
    for (int i = 0; i < 3200; ++i) {
        const QPointF at(field.uniform(0, PhotoLayout::width),
                         field.uniform(0, PhotoLayout::height));
        const double brightness = 0.05 + 0.95 * std::pow(field.uniform(0, 1), 7);
        stars.push_back({at, brightness, starTint(field.uniform(0, 1))});
    }
    return stars;
}

// Stars too faint to show a disc are added straight into the pixels.
constexpr double faintStar = 0.16;

void addFaintStars(QImage &photo, const std::vector<Star> &stars)
{
    for (const Star &star : stars) {
        if (star.brightness < faintStar)
            addLight(photo, star.at, star.tint, 5 * star.brightness);
    }
}

void drawBrightStars(QPainter &p, const std::vector<Star> &stars)
{
    for (const Star &star : stars) {
        if (star.brightness >= faintStar)
            drawBrightStar(p, star.at, star.brightness, star.tint);
    }
}

// The corona: a broad glow falling off steeply from the limb, and faint streamers reaching out
// further. Both are added onto the sky.
void drawCorona(QPainter &p)
{
    const QPointF sun = PhotoLayout::sun;
    const qreal r = PhotoLayout::sunRadius;
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setPen(Qt::NoPen);
    const qreal reach = 5.5 * r;
    QRadialGradient glow(sun, reach);
    for (int i = 0; i <= 40; ++i) {
        const double f = i / 40.0;
        const double distance = f * reach / r; // in Sun radii
        const double fall = distance < 1 ? 1 : std::pow(distance, -2.6);
        const double fade = 1 - f * f; // reach zero at the gradient's rim
        const int alpha = std::clamp(int(255 * fall * fade), 0, 255);
        glow.setColorAt(f,
                        QColor(255, int(205 - 30 * (1 - fall)), int(130 - 40 * (1 - fall)), alpha));
    }
    p.setBrush(glow);
    p.drawEllipse(sun, reach, reach);
    p.restore();

    // Streamers are soft rays; painted at a quarter size, blurred and enlarged.
    const int step = 4;
    QImage rays(PhotoLayout::width / step, PhotoLayout::height / step,
                QImage::Format_ARGB32_Premultiplied);
    rays.fill(Qt::transparent);
    {
        QPainter q(&rays);
        q.setRenderHint(QPainter::Antialiasing);
        q.scale(1.0 / step, 1.0 / step);
        q.setPen(Qt::NoPen);
        q.setCompositionMode(QPainter::CompositionMode_Plus);
        Scatter scatter(53);
        for (int i = 0; i < 46; ++i) {
            const double angle = scatter.uniform(-100, 100); // the visible, right-hand side
            const double spread = scatter.uniform(1.5, 5);
            const double length = r * scatter.uniform(1.6, 3.4);
            const int strength = int(scatter.uniform(14, 40));
            QRadialGradient fade(sun, length);
            fade.setColorAt(0.0, QColor(255, 215, 160, strength));
            fade.setColorAt(r / length, QColor(255, 215, 160, strength));
            fade.setColorAt(1.0, QColor(255, 200, 140, 0));
            q.setBrush(fade);
            QPainterPath wedge;
            wedge.moveTo(sun);
            wedge.arcTo(QRectF(sun.x() - length, sun.y() - length, 2 * length, 2 * length),
                        -angle - spread / 2, spread);
            wedge.closeSubpath();
            q.drawPath(wedge);
        }
    }
    blur(rays, 4);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(QRectF(0, 0, PhotoLayout::width, PhotoLayout::height), rays);
    p.restore();
}

// The photosphere is the body picture's disc, enlarged; granulation mottles it, strongest in the
// middle of the disc where it is seen face on.
void granulateSun(QImage &photo)
{
    const QPointF sun = PhotoLayout::sun;
    const qreal r = PhotoLayout::sunRadius;
    const int top = std::max(0, int(sun.y() - r));
    const int bottom = std::min(photo.height() - 1, int(sun.y() + r) + 1);
    const int right = std::min(photo.width() - 1, int(sun.x() + r) + 1);
    for (int y = top; y <= bottom; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x <= right; ++x) {
            const double dx = (x + 0.5 - sun.x()) / r;
            const double dy = (y + 0.5 - sun.y()) / r;
            const double rim = dx * dx + dy * dy;
            if (rim >= 0.995)
                continue;
            const double grain = cloudNoise(x / 7.0, y / 7.0, 2, 61) - 0.5;
            const double cells = cloudNoise(x / 60.0, y / 60.0, 3, 62) - 0.5;
            const double factor = 1 + (0.12 * grain + 0.08 * cells) * std::sqrt(1 - rim);
            const QRgb pixel = line[x];
            line[x] = qRgb(std::min(255, int(qRed(pixel) * factor)),
                           std::min(255, int(qGreen(pixel) * factor)),
                           std::min(255, int(qBlue(pixel) * factor)));
        }
    }
}

// Sunspots, and the chromosphere with its prominences round the limb.
void drawSunFeatures(QPainter &p)
{
    const QPointF sun = PhotoLayout::sun;
    const qreal r = PhotoLayout::sunRadius;

    // Two small spot groups: a dark umbra in a browner penumbra, squashed towards the limb.
    p.save();
    p.setClipPath(discPath(sun, r));
    const struct {
        qreal x, y, size;
    } spots[] = {{0.52, -0.3, 1.0}, {0.57, -0.27, 0.5}, {0.36, 0.45, 0.7}};
    for (const auto &spot : spots) {
        const QPointF at = sun + QPointF(spot.x, spot.y) * r;
        const qreal squash = std::sqrt(std::max(0.2, 1 - spot.x * spot.x - spot.y * spot.y));
        const qreal angle = std::atan2(spot.y, spot.x) / degToRad;
        softBlob(p, at, 0.022 * r * spot.size * squash, 0.022 * r * spot.size, angle,
                 QColor(170, 70, 10, 170), 0.3);
        softBlob(p, at, 0.009 * r * spot.size * squash, 0.009 * r * spot.size, angle,
                 QColor(70, 20, 0, 230), 0.5);
    }
    p.restore();

    // The thin red chromosphere round the limb, with a few prominences licking up from it, drawn
    // over the corona so they keep their colour.
    const qreal outer = 1.02 * r;
    QRadialGradient chromosphere(sun, outer);
    chromosphere.setColorAt(0.0, QColor(255, 90, 50, 0));
    chromosphere.setColorAt(0.994 * r / outer, QColor(255, 90, 50, 0));
    chromosphere.setColorAt(1.004 * r / outer, QColor(255, 100, 60, 100));
    chromosphere.setColorAt(1.0, QColor(255, 120, 70, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(chromosphere);
    p.drawEllipse(sun, outer, outer);
    const struct {
        qreal angle, height, width;
    } flames[] = {{-43, 0.04, 0.03},
                  {-39, 0.025, 0.02},
                  {13, 0.03, 0.03},
                  {48, 0.045, 0.025},
                  {52, 0.025, 0.03}};
    for (const auto &flame : flames) {
        const double a = flame.angle * degToRad;
        const QPointF at = sun + QPointF(std::cos(a), std::sin(a)) * r * (1 + flame.height / 2);
        softBlob(p, at, flame.height * r, flame.width * r, flame.angle, QColor(255, 85, 55, 110));
    }
}

// A transparent layer over one body's part of the photograph, painted with the body's centre at
// the origin, so a body can be lit on its own before it is laid over the sky.
class BodyLayer {
public:
    BodyLayer(QPointF centre, qreal extent)
        : centre(centre),
          box(QRectF(centre.x() - extent, centre.y() - extent, 2 * extent, 2 * extent)
                  .toAlignedRect()),
          image(box.size(), QImage::Format_ARGB32_Premultiplied)
    {
        image.fill(Qt::transparent);
    }

    void paint(const std::function<void(QPainter &)> &draw)
    {
        QPainter q(&image);
        q.setRenderHint(QPainter::Antialiasing);
        q.setRenderHint(QPainter::SmoothPixmapTransform);
        q.translate(centre - QPointF(box.topLeft()));
        draw(q);
    }

    // Lights the globe (an ellipse of the given radius, flattening and tilt round the centre)
    // from the Sun; the rest of the layer is left alone. Each body picture already carries a
    // little modelling from the upper left; this adds the real night side. The Sun is put a
    // little towards the camera, so the planets show more than half their lit face.
    void light(qreal radius, qreal flattening = 1, qreal tiltDeg = 0)
    {
        const QPointF toSun = PhotoLayout::sun - centre;
        const double length = std::hypot(toSun.x(), toSun.y());
        const double lx = toSun.x() / length;
        const double ly = toSun.y() / length;
        constexpr double forward = 0.5;
        const double norm = std::sqrt(1 + forward * forward);
        // Into the globe's own frame, where it is a circle of unit radius.
        const double cosT = std::cos(-tiltDeg * degToRad);
        const double sinT = std::sin(-tiltDeg * degToRad);
        const double sunX = (lx * cosT - ly * sinT) / norm;
        const double sunY = (lx * sinT + ly * cosT) / norm;
        const double sunZ = forward / norm;
        constexpr double nightside = 0.03;
        constexpr double twilight = 0.12; // half width of the soft terminator, in cosine
        const QPointF local = centre - QPointF(box.topLeft());
        for (int y = 0; y < image.height(); ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const double px = x + 0.5 - local.x();
                const double py = y + 0.5 - local.y();
                double u = (px * cosT - py * sinT) / radius;
                double v = (px * sinT + py * cosT) / (radius * flattening);
                const double rim = std::hypot(u, v);
                if (rim > 1 + 1.5 / radius)
                    continue;
                // Rim pixels lie partly outside the globe; light them like the limb itself.
                if (rim > 1) {
                    u /= rim;
                    v /= rim;
                }
                const double w = std::sqrt(std::max(0.0, 1 - u * u - v * v));
                const double facing = u * sunX + v * sunY + w * sunZ;
                const double lit = std::clamp((facing + twilight) / (2 * twilight), 0.0, 1.0);
                const double light = lit * lit * (3 - 2 * lit) * std::min(1.0, 0.35 + facing);
                const double factor = nightside + (1 - nightside) * std::max(0.0, light);
                const QRgb pixel = line[x];
                line[x] = qRgba(int(qRed(pixel) * factor + 0.5), int(qGreen(pixel) * factor + 0.5),
                                int(qBlue(pixel) * factor + 0.5), qAlpha(pixel));
            }
        }
    }

    void drawOnto(QPainter &p) const { p.drawImage(box.topLeft(), image); }

private:
    QPointF centre;
    QRect box;
    QImage image;
};

// Jupiter's bands seen close: the body picture plus eddies along the belt edges, which keep the
// large disc from looking like a plain gradient.
void drawPhotoJupiter(QPainter &p, QPointF c, qreal r)
{
    drawJupiter(p, c, r);
    const qreal ry = 0.94 * r;
    QPainterPath globe;
    globe.addEllipse(c, r, ry);
    p.save();
    p.setClipPath(globe);
    Scatter eddies(71);
    const struct {
        qreal at;
        QColor colour;
    } edges[] = {{-0.62, QColor(225, 205, 170, 90)},  {-0.47, QColor(150, 95, 60, 110)},
                 {-0.27, QColor(245, 230, 200, 110)}, {-0.02, QColor(245, 232, 205, 120)},
                 {0.22, QColor(160, 105, 68, 110)},   {0.43, QColor(235, 215, 180, 100)},
                 {0.62, QColor(185, 140, 100, 90)}};
    for (const auto &edge : edges) {
        for (int i = 0; i < 26; ++i) {
            const qreal x = eddies.uniform(-1.1, 1.1) * r;
            const qreal y = (edge.at + eddies.uniform(-0.04, 0.04)) * ry;
            softBlob(p, c + QPointF(x, y), eddies.uniform(0.06, 0.16) * r,
                     eddies.uniform(0.015, 0.035) * r, eddies.uniform(-8, 8), edge.colour, 0.3);
        }
    }
    p.restore();
}

// Fine ringlets over Saturn's rings, so the broad flat bands look like the many narrow ones they
// are made of when seen this large. Painted in Saturn's picture pixels, onto the ring alone.
void drawSaturnRinglets(QPainter &p)
{
    p.save();
    p.rotate(SaturnShape::tilt);
    p.scale(1.0, SaturnShape::openness);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.setBrush(Qt::NoBrush);
    Scatter scatter(83);
    for (qreal radius = 8.0; radius < SaturnShape::ringOuter; radius += 0.06) {
        const bool dark = scatter.uniform(0, 1) < 0.55;
        const int alpha = int(scatter.uniform(0, dark ? 60 : 45));
        p.setPen(QPen(dark ? QColor(70, 55, 35, alpha) : QColor(255, 245, 215, alpha), 0.06));
        p.drawEllipse(QPointF(0, 0), radius, radius);
    }
    p.restore();
}

// The globe's shadow across the far ring, thrown away from the Sun, which stands to the left and
// a little in front. Painted in Saturn's picture pixels, onto the ring alone.
void drawSaturnRingShadow(QPainter &p)
{
    p.save();
    p.rotate(SaturnShape::tilt);
    p.scale(1.0, SaturnShape::openness);
    const double away = -40 * degToRad; // in the ring plane: right and towards the far side
    const QPointF along(std::cos(away), std::sin(away));
    const QPointF side(-along.y(), along.x());
    const qreal g = SaturnShape::globeR;
    const qreal length = 2 * SaturnShape::ringOuter;
    QPainterPath shadow;
    shadow.moveTo(side * g);
    shadow.lineTo(side * g + along * length);
    shadow.lineTo(-side * g + along * length);
    shadow.lineTo(-side * g);
    shadow.closeSubpath();
    shadow.addEllipse(QPointF(0, 0), g, g);
    shadow.setFillRule(Qt::WindingFill);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 215));
    p.drawPath(shadow);
    p.restore();
}

void paintOn(QImage &image, const std::function<void(QPainter &)> &draw)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p);
}

// A planet from its body picture, lit from the Sun.
std::function<void(QPainter &, QPointF, qreal)>
photoPlanet(void (*draw)(QPainter &, QPointF, qreal), qreal flattening = 1)
{
    return [draw, flattening](QPainter &p, QPointF at, qreal r) {
        BodyLayer layer(at, r + 2);
        layer.paint([&](QPainter &q) { draw(q, QPointF(0, 0), r); });
        layer.light(r, flattening);
        layer.drawOnto(p);
    };
}

// The Earth, with its Moon up and to the right.
void drawPhotoEarth(QPainter &p, QPointF at, qreal r)
{
    BodyLayer earth(at, r + 2);
    earth.paint([&](QPainter &q) { drawEarth(q, QPointF(0, 0), r, true); });
    earth.light(r);
    earth.drawOnto(p);
    const qreal moonR = 0.28 * r;
    BodyLayer moon(at + QPointF(2.4 * r, -1.5 * r), moonR + 2);
    moon.paint([&](QPainter &q) { drawMoon(q, QPointF(0, 0), moonR, true); });
    moon.light(moonR);
    moon.drawOnto(p);
}

// Saturn, scaled up from its body picture. The rings are painted whole, in one go, so their near
// and far halves join without a seam; the lit globe goes over them with holes where the near
// ring passes in front.
void drawPhotoSaturn(QPainter &p, QPointF at, qreal r)
{
    const qreal scale = r / SaturnShape::globeR;
    const qreal extent = SaturnShape::ringOuter * scale + 2;
    BodyLayer rings(at, extent);
    rings.paint([&](QPainter &q) {
        q.scale(scale, scale);
        drawSaturnRings(q, QPointF(0, 0), 0);
        drawSaturnRinglets(q);
        drawSaturnRingShadow(q);
    });
    rings.drawOnto(p);
    BodyLayer globe(at, extent);
    globe.paint([&](QPainter &q) {
        q.scale(scale, scale);
        drawSaturnGlobe(q, QPointF(0, 0));
    });
    globe.light(r, SaturnShape::globeRy / SaturnShape::globeR, SaturnShape::tilt);
    globe.paint([&](QPainter &q) {
        q.scale(scale, scale);
        q.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        drawSaturnRings(q, QPointF(0, 0), +1);
    });
    globe.drawOnto(p);
}

QImage renderPhoto()
{
    const QLineF band(QPointF(520, -100), QPointF(2500, 1850));
    QImage photo = renderMilkyWay(band);
    const std::vector<Star> stars = scatterStars(band);
    addFaintStars(photo, stars);

    // Sizes are far from scale: the inner planets would be specks next to the giants.
    const struct {
        qreal x;
        qreal radius;
        std::function<void(QPainter &, QPointF, qreal)> draw;
    } planets[] = {{560, 15, photoPlanet(drawMercury)},
                   {700, 29, photoPlanet(drawVenus)},
                   {880, 32, drawPhotoEarth},
                   {1060, 21, photoPlanet(drawMars)},
                   {1330, 122, photoPlanet(drawPhotoJupiter, 0.94)},
                   {1700, 84, drawPhotoSaturn},
                   {1975, 47, photoPlanet(drawUranus)},
                   {2160, 43, photoPlanet(drawNeptune)}};

    paintOn(photo, [&](QPainter &p) {
        drawBrightStars(p, stars);
        // Orbits: faint lines, a little stronger near the Sun.
        for (const auto &planet : planets) {
            const qreal a = PhotoLayout::orbitThrough(PhotoLayout::arc(planet.x));
            p.save();
            p.translate(PhotoLayout::sun);
            p.rotate(PhotoLayout::orbitTilt);
            QLinearGradient fade(QPointF(0, 0), QPointF(a, 0));
            fade.setColorAt(0.0, QColor(140, 170, 230, 70));
            fade.setColorAt(1.0, QColor(140, 170, 230, 38));
            p.setPen(QPen(QBrush(fade), 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(0, 0), a, a * PhotoLayout::orbitOpenness);
            p.restore();
        }
        drawCorona(p);
        const qreal r = PhotoLayout::sunRadius;
        p.translate(PhotoLayout::sun - QPointF(r, r));
        drawSun(p, QSizeF(2 * r, 2 * r));
    });
    granulateSun(photo);
    paintOn(photo, [&](QPainter &p) {
        drawSunFeatures(p);
        for (const auto &planet : planets)
            planet.draw(p, PhotoLayout::arc(planet.x), planet.radius);
    });
    return photo.convertToFormat(QImage::Format_RGB32);
}

bool writePhoto(const QDir &out)
{
    const std::optional<QDir> folder = makeFolder(out, QStringLiteral("photo"));
    if (!folder)
        return false;
    return saveImage(renderPhoto(), folder->filePath(QStringLiteral("heliodial-photo.jpg")), "JPG",
                     85);
}

} // namespace

int main(int argc, char *argv[])
{
    // Run by hand and by the test suite's artwork check, usually without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err() << "usage: heliodial_assetgen <output-folder>" << Qt::endl;
        return 2;
    }
    QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        err() << "heliodial_assetgen: cannot create " << args.at(1) << Qt::endl;
        return 1;
    }

    if (!writeBodies(out) || !writeNames(out) || !writePhases(out) || !writeIcon(out) ||
        !writePhoto(out))
        return 1;
    return 0;
}
