#include "widgets/PolygonRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace widgets {

PolygonRaster::PolygonRaster(QImage& image, QPoint offset)
    : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()),
      height_(image.height()), offset_(offset)
{
}

void PolygonRaster::plot(int x, int y, QRgb colour)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    row(y)[x] = colour;
}

void PolygonRaster::fill(const QPolygon& polygon, QRgb colour)
{
    const int n = int(polygon.size());
    if (n < 3)
        return;
    // The edges that are not level, gathered once rather than for every row.
    edges_.clear();
    int top = polygon[0].y(), bottom = top;
    for (int i = 0; i < n; ++i) {
        const QPoint a = polygon[i];
        const QPoint b = polygon[i + 1 < n ? i + 1 : 0];
        top = std::min(top, a.y());
        bottom = std::max(bottom, a.y());
        if (a.y() != b.y())
            edges_.push_back({double(std::min(a.y(), b.y())), double(std::max(a.y(), b.y())),
                              double(a.x()), double(a.y()), double(b.x() - a.x()),
                              double(b.y() - a.y())});
    }
    const int firstRow = std::max(top + offset_.y(), 0);
    const int lastRow = std::min(bottom + offset_.y(), height_ - 1);

    double crossings[64];
    for (int row = firstRow; row <= lastRow; ++row) {
        const double yc = row - offset_.y() + 0.5;
        int count = 0;
        for (const Edge& e : edges_) {
            if (yc < e.top || yc >= e.bottom)
                continue;
            crossings[count++] = e.x + (yc - e.y) * e.dx / e.dy;
            if (count == 64)
                break;
        }
        std::sort(crossings, crossings + count);
        QRgb* line = this->row(row);
        for (int k = 0; k + 1 < count; k += 2) {
            const int from = std::max(int(std::ceil(crossings[k] - 0.5)) + offset_.x(), 0);
            const int to = std::min(int(std::ceil(crossings[k + 1] - 0.5)) + offset_.x(),
                                    width_);
            for (int x = from; x < to; ++x)
                line[x] = colour;
        }
    }
}

void PolygonRaster::line(QPoint from, QPoint to, QRgb colour)
{
    int x = from.x() + offset_.x(), y = from.y() + offset_.y();
    const int x1 = to.x() + offset_.x(), y1 = to.y() + offset_.y();
    const int dx = std::abs(x1 - x), sx = x < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y), sy = y < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        plot(x, y, colour);
        if (x == x1 && y == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void PolygonRaster::outline(const QPolygon& polygon, QRgb colour)
{
    const int n = int(polygon.size());
    for (int i = 0; i < n; ++i)
        line(polygon[i], polygon[i + 1 < n ? i + 1 : 0], colour);
}

} // namespace widgets
