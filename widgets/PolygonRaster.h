#pragma once
// Aliased filling and one-pixel edging of small integer polygons straight into an RGB32
// image. The segment displays draw dozens of such polygons per paint; the general painter
// path costs about ten times as much for them.

#include <QImage>
#include <QPoint>
#include <QPolygon>

#include <vector>

namespace widgets {

class PolygonRaster {
public:
    // Polygon coordinates plus `offset` give image pixels; pixels outside the image are dropped.
    PolygonRaster(QImage& image, QPoint offset);

    // Even-odd fill of the pixels whose centres lie inside.
    void fill(const QPolygon& polygon, QRgb colour);
    // The closed edge, every vertex included.
    void outline(const QPolygon& polygon, QRgb colour);

private:
    void plot(int x, int y, QRgb colour);
    void line(QPoint from, QPoint to, QRgb colour);

    struct Edge {
        double top, bottom;  // its least and greatest y
        double x, y, dx, dy; // its first vertex and the step to the second
    };

    QRgb* row(int y) { return reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * stride_); }

    // Taken once: every scanLine() call would check for a detach.
    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
    QPoint offset_;
    std::vector<Edge> edges_;
};

} // namespace widgets
