#include "views/canvas.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Beyond this distance from the picture a line is clipped before it is
// rasterised, so that a ray ending a million pixels away costs nothing.
constexpr std::int64_t Far = 1 << 14;

bool IsFar(std::int64_t v)
{
    return v < -Far || v > Far;
}

// Liang-Barsky: the part of the segment inside the box, or false.
bool Clip(double &x1, double &y1, double &x2, double &y2, double left, double top, double right,
          double bottom)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0;
    double t1 = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    const double bx = x1 + t1 * dx, by = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    x2 = bx;
    y2 = by;
    return true;
}

} // namespace

Canvas::Canvas(QSize size) : m_image(size, QImage::Format_ARGB32_Premultiplied)
{
    m_image.fill(Qt::transparent);
}

void Canvas::clear()
{
    m_image.fill(Qt::transparent);
    ++m_generation;
}

void Canvas::moveTo(std::int64_t x, std::int64_t y)
{
    m_x = x;
    m_y = y;
}

void Canvas::line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2)
{
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void Canvas::plot(std::int64_t x, std::int64_t y)
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    m_image.setPixel(static_cast<int>(x), static_cast<int>(y), pen.colour.rgba());
}

bool Canvas::isSet(int x, int y) const
{
    return qAlpha(m_image.pixel(x, y)) != 0;
}

void Canvas::lineTo(std::int64_t x, std::int64_t y)
{
    std::int64_t x0 = m_x, y0 = m_y;
    std::int64_t x1 = x, y1 = y;
    m_x = x;
    m_y = y;
    ++m_generation;

    bool includeEnd = false;
    if (IsFar(x0) || IsFar(y0) || IsFar(x1) || IsFar(y1)) {
        double ax = double(x0), ay = double(y0), bx = double(x1), by = double(y1);
        if (!Clip(ax, ay, bx, by, -2, -2, m_image.width() + 1, m_image.height() + 1))
            return;
        const bool endInside = !IsFar(x1) && !IsFar(y1);
        x0 = std::llround(ax);
        y0 = std::llround(ay);
        x1 = std::llround(bx);
        y1 = std::llround(by);
        // A clipped end lies outside the picture: drawing it changes nothing.
        includeEnd = !endInside;
    }

    // Bresenham, stepping along the major axis.
    const std::int64_t dx = std::llabs(x1 - x0), dy = std::llabs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    std::int64_t err = (dx > dy ? dx : -dy) / 2;
    for (;;) {
        const bool atEnd = x0 == x1 && y0 == y1;
        if (atEnd && !includeEnd)
            break;
        plot(x0, y0);
        if (atEnd)
            break;
        const std::int64_t e2 = err;
        if (e2 > -dx) {
            err -= dy;
            x0 += sx;
        }
        if (e2 < dy) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::ellipse(int left, int top, int right, int bottom)
{
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen qpen(pen.colour);
    qpen.setWidth(pen.width);
    if (pen.style == PenStyle::Dot)
        qpen.setDashPattern({1, 1}); // single pixels, one on, one off
    painter.setPen(qpen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    ++m_generation;
}
