#include "views/canvas.h"

#include <QPainter>
#include <QRect>
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
    m_stride = m_image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
}

QRgb *Canvas::pixels()
{
    // bits() copies the pixels first if a copy of the image still shares
    // them, so that the copy keeps what it saw.
    return reinterpret_cast<QRgb *>(m_image.bits());
}

void Canvas::touch(const QRect &area)
{
    const QRect inside = area & m_image.rect();
    m_dirty |= inside;
    m_changed |= inside;
}

QRect Canvas::takeChangedRect()
{
    const QRect changed = m_changed;
    m_changed = QRect();
    return changed;
}

void Canvas::clear()
{
    if (m_dirty.isEmpty())
        return;
    if (m_fillToClear) {
        QRgb *const bits = pixels();
        for (int y = m_dirty.top(); y <= m_dirty.bottom(); ++y)
            std::fill_n(bits + y * m_stride + m_dirty.left(), m_dirty.width(), QRgb{0});
    } else {
        // Drawing the lines again in the cleared colour costs a few hundred
        // pixels, not the hundreds of thousands their bounding box holds.
        for (const Segment &segment : m_segments)
            rasterise(segment, 0);
    }
    m_segments.clear();
    m_fillToClear = false;
    m_changed |= m_dirty;
    m_dirty = QRect();
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

    touch(QRect(QPoint(int(std::min(x0, x1)), int(std::min(y0, y1))),
                QPoint(int(std::max(x0, x1)), int(std::max(y0, y1)))));
    const Segment segment{x0, y0, x1, y1, includeEnd};
    rasterise(segment, qPremultiply(pen.colour.rgba()));
    // A few lines are erased again line by line; many (a star field) by
    // filling the part they cover.
    if (m_segments.size() < MaxSegments)
        m_segments.push_back(segment);
    else
        m_fillToClear = true;
}

void Canvas::rasterise(const Segment &segment, QRgb colour)
{
    QRgb *const bits = pixels();
    const int width = m_image.width(), height = m_image.height();
    std::int64_t x0 = segment.x0, y0 = segment.y0;
    const std::int64_t x1 = segment.x1, y1 = segment.y1;
    // Bresenham, stepping along the major axis.
    const std::int64_t dx = std::llabs(x1 - x0), dy = std::llabs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    std::int64_t err = (dx > dy ? dx : -dy) / 2;
    for (;;) {
        const bool atEnd = x0 == x1 && y0 == y1;
        if (atEnd && !segment.includeEnd)
            break;
        if (x0 >= 0 && y0 >= 0 && x0 < width && y0 < height)
            bits[y0 * m_stride + x0] = colour;
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

void Canvas::ellipse(int left, int top, int right, int bottom, Stroke stroke)
{
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen qpen(pen.colour);
    qpen.setWidth(1);
    if (stroke == Stroke::Dotted)
        qpen.setDashPattern({1, 1}); // single pixels, one on, one off
    painter.setPen(qpen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    touch(QRect(QPoint(left, top), QPoint(right, bottom)));
    m_fillToClear = true;
}
