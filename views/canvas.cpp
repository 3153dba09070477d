// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/canvas.h"

#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>

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

// Pictures from this size up take their memory straight from the system.
constexpr qsizetype LargePicture = 4 << 20;

struct Mapping {
    void *address;
    std::size_t length;
};

void Unmap(void *info)
{
    const auto *mapping = static_cast<Mapping *>(info);
    munmap(mapping->address, mapping->length);
    delete mapping;
}

// A clear picture. A large one (a view shown full screen) is mapped from the
// system, which hands it over already cleared, and in huge pages where it
// can: faulting in a 4K view's picture page by page took longer than
// drawing it.
QImage ClearPicture(int width, int height)
{
    constexpr auto format = QImage::Format_ARGB32_Premultiplied;
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    const auto length = std::size_t(bytesPerLine * height);
    if (qsizetype(length) >= LargePicture) {
        void *address =
            mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (address != MAP_FAILED) {
#ifdef MADV_HUGEPAGE
            madvise(address, length, MADV_HUGEPAGE);
#endif
            return QImage(static_cast<uchar *>(address), width, height, bytesPerLine, format, Unmap,
                          new Mapping{address, length});
        }
    }
    QImage picture(width, height, format);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

Canvas::Canvas(QSize size, qreal ratio) : m_size(size), m_ratio(ratio)
{
    allocate();
}

void Canvas::allocate()
{
    m_dotSize = std::max(1, int(std::ceil(m_ratio)));
    // Wide enough for the square of the last logical pixel as well.
    const auto extent = [this](int logical) {
        if (logical <= 0)
            return 0;
        return std::max(int(std::ceil(logical * m_ratio)),
                        int(std::floor((logical - 1) * m_ratio)) + m_dotSize);
    };
    m_image = ClearPicture(extent(m_size.width()), extent(m_size.height()));
    m_image.setDevicePixelRatio(m_ratio);
    m_stride = m_image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    m_deviceSize = m_image.size();
}

void Canvas::setRatio(qreal ratio)
{
    if (ratio == m_ratio || ratio <= 0)
        return;
    m_ratio = ratio;
    allocate();
    redraw();
    m_changedPieces.clear();
    addChanged(QRect(QPoint(0, 0), m_size));
}

QImage Canvas::imageAt(qreal ratio) const
{
    if (ratio == m_ratio)
        return m_image;
    Canvas copy = *this;
    copy.setRatio(ratio);
    return copy.m_image;
}

void Canvas::redraw()
{
    for (const Shape &shape : m_shapes) {
        if (const auto *segment = std::get_if<Segment>(&shape))
            rasterise(*segment, segment->colour);
        else
            paintEllipse(std::get<Ellipse>(shape));
    }
}

QRgb *Canvas::pixels()
{
    // bits() copies the pixels first if a copy of the image still shares
    // them, so that the copy keeps what it saw.
    return reinterpret_cast<QRgb *>(m_image.bits());
}

QRect Canvas::deviceRect(const QRect &logical) const
{
    if (m_ratio == 1)
        return logical;
    const int left = int(std::floor(logical.left() * m_ratio));
    const int top = int(std::floor(logical.top() * m_ratio));
    const int right = int(std::floor(logical.right() * m_ratio)) + m_dotSize;
    const int bottom = int(std::floor(logical.bottom() * m_ratio)) + m_dotSize;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void Canvas::touch(const QRect &area)
{
    const QRect inside = area & QRect(QPoint(0, 0), m_size);
    m_dirty |= inside;
    addChanged(inside);
}

void Canvas::addChanged(const QRect &piece)
{
    if (piece.isEmpty())
        return;
    m_changedBox |= piece;
    if (m_changedPieces.size() <= MaxChangedPieces)
        m_changedPieces.push_back(piece);
}

void Canvas::touchLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1)
{
    constexpr std::int64_t Piece = 32;
    const QRect picture(QPoint(0, 0), m_size);
    if (m_changedPieces.size() > MaxChangedPieces) {
        // Past a few dozen pieces (a star field, rings, a redrawn scene) the
        // box round them all is what is taken.
        addChanged(QRect(QPoint(int(std::min(x0, x1)), int(std::min(y0, y1))),
                         QPoint(int(std::max(x0, x1)), int(std::max(y0, y1))))
                       .adjusted(-1, -1, 1, 1) &
                   picture);
        return;
    }
    const std::int64_t length = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    const std::int64_t pieces = std::max<std::int64_t>(1, (length + Piece - 1) / Piece);
    for (std::int64_t i = 0; i < pieces; ++i) {
        // Rounding may put a pixel of the line one off the straight line
        // between the pieces' ends.
        const auto at = [&](std::int64_t from, std::int64_t to, std::int64_t k) {
            return from + (to - from) * k / pieces;
        };
        const std::int64_t ax = at(x0, x1, i), ay = at(y0, y1, i);
        const std::int64_t bx = at(x0, x1, i + 1), by = at(y0, y1, i + 1);
        const int pad = pieces > 1 ? 1 : 0;
        const QRect piece(QPoint(int(std::min(ax, bx)) - pad, int(std::min(ay, by)) - pad),
                          QPoint(int(std::max(ax, bx)) + pad, int(std::max(ay, by)) + pad));
        addChanged(piece & picture);
    }
}

QRect Canvas::takeChangedRect()
{
    const QRect changed = m_changedBox;
    m_changedPieces.clear();
    m_changedBox = QRect();
    return changed;
}

QRegion Canvas::takeChangedRegion()
{
    QRegion changed;
    if (m_changedPieces.size() > MaxChangedPieces) {
        changed = m_changedBox;
    } else {
        for (const QRect &piece : m_changedPieces)
            changed += piece;
    }
    m_changedPieces.clear();
    m_changedBox = QRect();
    return changed;
}

bool Canvas::erasingIsCheaper() const
{
    if (m_ratio == 1) {
        // A few lines: drawing them again in the cleared colour costs a few
        // hundred pixels, not the hundreds of thousands their bounding box
        // holds. A star field or a ring is filled over.
        return m_shapes.size() <= MaxLinesToErase &&
               std::all_of(m_shapes.begin(), m_shapes.end(), [](const Shape &shape) {
                   return std::holds_alternative<Segment>(shape);
               });
    }
    // On a larger picture the dirty part of a view full of stars and rings
    // is tens of megabytes; the shapes' own pixels are a small part of it.
    const qint64 square = qint64(m_dotSize) * m_dotSize;
    qint64 erased = 0;
    for (const Shape &shape : m_shapes) {
        if (const auto *segment = std::get_if<Segment>(&shape)) {
            const qint64 length = std::max(std::llabs(segment->x1 - segment->x0),
                                           std::llabs(segment->y1 - segment->y0));
            erased += (length + 1) * square;
        } else {
            // The outline's picture, a byte a logical pixel, and its dots.
            const QRect &bounds = std::get<Ellipse>(shape).bounds;
            erased += qint64(bounds.width()) * bounds.height() / 4 +
                      2 * qint64(bounds.width() + bounds.height()) * square;
        }
    }
    const QRect area = deviceRect(m_dirty) & m_image.rect();
    return erased < qint64(area.width()) * area.height() / 2;
}

void Canvas::clear()
{
    if (m_dirty.isEmpty())
        return;
    if (erasingIsCheaper()) {
        for (const Shape &shape : m_shapes) {
            if (const auto *segment = std::get_if<Segment>(&shape)) {
                rasterise(*segment, 0);
                touchLine(segment->x0, segment->y0, segment->x1, segment->y1);
            } else {
                const Ellipse &ellipse = std::get<Ellipse>(shape);
                paintEllipse(ellipse, true);
                addChanged(ellipse.bounds.adjusted(0, 0, 1, 1) & QRect(QPoint(0, 0), m_size));
            }
        }
        m_shapes.clear();
        m_dirty = QRect();
        return;
    }
    const QRect area = deviceRect(m_dirty) & m_image.rect();
    QRgb *const bits = pixels();
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill_n(bits + y * m_stride + area.left(), area.width(), QRgb{0});
    m_shapes.clear();
    addChanged(m_dirty);
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

QRgb Canvas::pixel(int x, int y) const
{
    const QRect device = deviceRect(QRect(x, y, 1, 1));
    return m_image.pixel(device.topLeft());
}

bool Canvas::isSet(int x, int y) const
{
    return qAlpha(pixel(x, y)) != 0;
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
        if (!Clip(ax, ay, bx, by, -2, -2, width() + 1, height() + 1))
            return;
        const bool endInside = !IsFar(x1) && !IsFar(y1);
        x0 = std::llround(ax);
        y0 = std::llround(ay);
        x1 = std::llround(bx);
        y1 = std::llround(by);
        // A clipped end lies outside the picture: drawing it changes nothing.
        includeEnd = !endInside;
    }

    const QRect box(QPoint(int(std::min(x0, x1)), int(std::min(y0, y1))),
                    QPoint(int(std::max(x0, x1)), int(std::max(y0, y1))));
    m_dirty |= box & QRect(QPoint(0, 0), m_size);
    touchLine(x0, y0, x1, y1);
    const Segment segment{x0, y0, x1, y1, includeEnd, qPremultiply(pen.colour.rgba())};
    rasterise(segment, segment.colour);
    m_shapes.push_back(segment);
}

void Canvas::plot(QRgb *bits, std::int64_t x, std::int64_t y, QRgb colour) const
{
    if (x < 0 || y < 0 || x >= m_size.width() || y >= m_size.height())
        return;
    if (m_ratio == 1) {
        bits[y * m_stride + x] = colour;
        return;
    }
    // The square of deviceRect(), worked out here without rectangles: a
    // star field at full screen is tens of thousands of squares.
    const auto left = qsizetype(std::floor(double(x) * m_ratio));
    const auto top = qsizetype(std::floor(double(y) * m_ratio));
    const qsizetype right = std::min<qsizetype>(left + m_dotSize, m_deviceSize.width());
    const qsizetype bottom = std::min<qsizetype>(top + m_dotSize, m_deviceSize.height());
    for (qsizetype row = top; row < bottom; ++row)
        std::fill(bits + row * m_stride + left, bits + row * m_stride + right, colour);
}

void Canvas::rasterise(const Segment &segment, QRgb colour)
{
    QRgb *const bits = pixels();
    const bool plain = m_ratio == 1;
    const std::int64_t width = m_size.width(), height = m_size.height();
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
        if (!plain)
            plot(bits, x0, y0, colour);
        else if (x0 >= 0 && y0 >= 0 && x0 < width && y0 < height)
            bits[y0 * m_stride + x0] = colour; // the common case, kept tight

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
    const Ellipse shape{QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), stroke,
                        pen.colour};
    paintEllipse(shape);
    touch(QRect(QPoint(left, top), QPoint(right, bottom)));
    m_shapes.push_back(shape);
}

void Canvas::paintEllipse(const Ellipse &ellipse, bool erase)
{
    const QRect &bounds = ellipse.bounds;
    QPen qpen(erase ? QColor(Qt::black) : ellipse.colour);
    qpen.setWidth(1);
    if (ellipse.stroke == Stroke::Dotted)
        qpen.setDashPattern({1, 1}); // single pixels, one on, one off
    const auto draw = [&](QPaintDevice &device, QPoint origin, bool clearing) {
        QPainter painter(&device);
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (clearing)
            painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.translate(-origin);
        painter.setPen(qpen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(
            QRect(bounds.left(), bounds.top(), bounds.width() - 1, bounds.height() - 1));
    };
    if (m_ratio == 1) {
        draw(m_image, {}, erase);
        return;
    }
    // Off ratio 1 the outline is drawn in logical pixels first, and each of
    // its pixels becomes a square, as a line's do: the same dots at any ratio.
    // The outline is one byte a pixel: only where it lies counts.
    const QRect area = bounds.adjusted(0, 0, 1, 1) & QRect(QPoint(0, 0), m_size);
    if (area.isEmpty())
        return;
    QImage outline(area.size(), QImage::Format_Alpha8);
    outline.fill(0);
    draw(outline, area.topLeft(), false);
    const QRgb colour = erase ? QRgb{0} : qPremultiply(ellipse.colour.rgba());
    QRgb *const bits = pixels();
    const int width = outline.width(), height = outline.height();
    for (int y = 0; y < height; ++y) {
        const uchar *const row = outline.constScanLine(y);
        int x = 0;
        while (x < width) {
            // Eight clear pixels at a time: most of a ring's box is clear.
            std::uint64_t eight = 0;
            if (x + 8 <= width && (std::memcpy(&eight, row + x, 8), eight == 0)) {
                x += 8;
                continue;
            }
            if (row[x] != 0)
                plot(bits, area.left() + x, area.top() + y, colour);
            ++x;
        }
    }
}
