#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdint>
#include <vector>

// A drawing surface with the habits of the pictures the program draws on:
// a pen that keeps its colour between drawings, a current
// position for move-to/line-to, lines that leave out their end point,
// ellipses inscribed in [left, right) x [top, bottom), and a transparent
// background (the cleared colour is not drawn).
class Canvas {
public:
    // Every line is one pixel wide.
    struct Pen {
        QColor colour = Qt::black;
        friend bool operator==(const Pen &, const Pen &) = default;
    };
    // How an ellipse's outline is drawn: every pixel, or single pixels with
    // one left out between them.
    enum class Stroke { Solid, Dotted };

    explicit Canvas(QSize size);

    const QImage &image() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

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

    QRgb pixel(int x, int y) const { return m_image.pixel(x, y); }
    bool isSet(int x, int y) const;

    // The part of the picture that may hold drawn pixels: everything drawn
    // since the last clear lies inside it. Clearing fills only this part.
    QRect dirtyRect() const { return m_dirty; }
    // The part changed since the last call (drawn or cleared), for repainting.
    QRect takeChangedRect();

private:
    // A rasterised line, end points already clipped.
    struct Segment {
        std::int64_t x0, y0, x1, y1;
        bool includeEnd;
    };
    static constexpr std::size_t MaxSegments = 64;

    QRgb *pixels();
    void rasterise(const Segment &segment, QRgb colour);
    void touch(const QRect &area);

    QImage m_image;
    qsizetype m_stride = 0; // pixels from one line to the next
    QRect m_dirty;
    QRect m_changed;
    std::vector<Segment> m_segments; // drawn since the last clear
    bool m_fillToClear = false;      // too much drawn to erase line by line
    std::int64_t m_x = 0;
    std::int64_t m_y = 0;
};
