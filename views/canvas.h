// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <variant>
#include <vector>

// A drawing surface with the habits of the pictures the program draws on:
// a pen that keeps its colour between drawings, a current
// position for move-to/line-to, lines that leave out their end point,
// ellipses inscribed in [left, right) x [top, bottom), and a transparent
// background (the cleared colour is not drawn).
//
// Everything is drawn in logical pixels. The picture itself holds device
// pixels at the canvas's device pixel ratio: each logical pixel of a line
// becomes a square of ceil(ratio) device pixels at floor(x * ratio), so that
// at any ratio every line keeps one width along its length and every star
// one size. At ratio 1 that is the logical pixel itself. The canvas remembers
// what was drawn since the last clear, to draw it again at another ratio.
class Canvas {
public:
    // Every line is one logical pixel wide.
    struct Pen {
        QColor colour = Qt::black;
        friend bool operator==(const Pen &, const Pen &) = default;
    };
    // How an ellipse's outline is drawn: every pixel, or single pixels with
    // one left out between them.
    enum class Stroke { Solid, Dotted };

    explicit Canvas(QSize size, qreal ratio = 1);

    // The picture in device pixels, its device pixel ratio set.
    const QImage &image() const { return m_image; }
    // Its size in logical pixels.
    QSize size() const { return m_size; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }

    qreal ratio() const { return m_ratio; }
    // Draws everything drawn since the last clear again at another ratio.
    void setRatio(qreal ratio);
    // The same picture at another ratio, leaving this one as it is.
    QImage imageAt(qreal ratio) const;

    Pen pen;

    // Every pixel back to transparent.
    void clear();
    void moveTo(std::int64_t x, std::int64_t y);
    // A line from the current position to (x, y), without (x, y) itself; end
    // points far outside the picture are clipped first.
    void lineTo(std::int64_t x, std::int64_t y);
    void line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);
    // The outline of the ellipse inscribed in the rectangle; the inside is
    // left transparent.
    void ellipse(int left, int top, int right, int bottom, Stroke stroke = Stroke::Solid);

    // The device pixel at the top left of a logical pixel.
    QRgb pixel(int x, int y) const;
    bool isSet(int x, int y) const;

    // The part of the picture, in logical pixels, that may hold drawn pixels:
    // everything drawn since the last clear lies inside it.
    QRect dirtyRect() const { return m_dirty; }
    // The part changed since the last call (drawn or cleared), in logical
    // pixels, for repainting: as one rectangle, or closer, as a region that
    // follows the lines.
    QRect takeChangedRect();
    QRegion takeChangedRegion();

private:
    // A rasterised line, end points already clipped.
    struct Segment {
        std::int64_t x0, y0, x1, y1;
        bool includeEnd;
        QRgb colour;
    };
    struct Ellipse {
        QRect bounds; // [left, right) x [top, bottom)
        Stroke stroke;
        QColor colour;
    };
    using Shape = std::variant<Segment, Ellipse>;
    // At ratio 1, beyond this many lines clearing fills the dirty part
    // instead of drawing each line again in the cleared colour.
    static constexpr std::size_t MaxLinesToErase = 64;
    // Beyond this many pieces, the changed part is taken as one box.
    static constexpr std::size_t MaxChangedPieces = 64;

    QRgb *pixels();
    void allocate();
    void redraw();
    void rasterise(const Segment &segment, QRgb colour);
    void plot(QRgb *bits, std::int64_t x, std::int64_t y, QRgb colour) const;
    // Draws the ellipse's outline, or clears the pixels it covers.
    void paintEllipse(const Ellipse &ellipse, bool erase = false);
    // Whether clearing shape by shape writes fewer pixels than filling the
    // dirty part.
    bool erasingIsCheaper() const;
    // The device pixels a logical rectangle's pixels are drawn on.
    QRect deviceRect(const QRect &logical) const;
    void touch(const QRect &area);
    // A line's pixels lie in the boxes of its short pieces, a few hundred
    // pixels where its bounding box may hold hundreds of thousands.
    void touchLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);

    QSize m_size;
    qreal m_ratio = 1;
    int m_dotSize = 1; // device pixels a logical pixel's square spans
    QImage m_image;
    qsizetype m_stride = 0; // pixels from one line to the next
    QSize m_deviceSize;     // the picture's, in device pixels
    QRect m_dirty;
    // What changed since it was last taken: the pieces while they are few,
    // and the box round them all.
    std::vector<QRect> m_changedPieces;
    QRect m_changedBox;
    void addChanged(const QRect &piece);
    std::vector<Shape> m_shapes; // drawn since the last clear, in order
    std::int64_t m_x = 0;
    std::int64_t m_y = 0;
};
