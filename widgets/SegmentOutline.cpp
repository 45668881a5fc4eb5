#include "widgets/SegmentOutline.h"

#include "widgets/BezierFit.h"

#include <cstddef>
#include <utility>

namespace widgets {

int roundToPixel(double v)
{
    return int(v + 0.5); // truncation toward zero, kept for negative positions as well
}

SegmentOutline SegmentOutline::transformed(Mirror mirror, int cellWidth) const
{
    const int c = (cellWidth - 1) / 2;
    const bool mirrorX = mirror == Mirror::X || mirror == Mirror::XY;
    const bool mirrorY = mirror == Mirror::Y || mirror == Mirror::XY;
    std::vector<CellPoint> points;
    points.reserve(points_.size());
    for (const CellPoint& p : points_)
        points.push_back({mirrorX ? 2 * c - p.x : p.x, mirrorY ? 82 - p.y : p.y, p.kind});
    return SegmentOutline(std::move(points));
}

void SegmentOutline::DrawOutline(QPainterPath& path, double left, double top, double right,
                                 double bottom, int cellWidth) const
{
    const double kx = (right - left) / cellWidth;
    const double ky = (bottom - top) * kCellHeightReciprocal;
    auto vertex = [&](std::size_t i) {
        return QPointF(roundToPixel(left + points_[i].x * kx), roundToPixel(top + points_[i].y * ky));
    };
    auto exact = [&](std::size_t i) {
        return PointF{left + points_[i].x * kx, top + points_[i].y * ky};
    };

    const std::size_t count = points_.size();
    std::vector<PointF> fitSet;
    for (std::size_t i = 0; i < count;) {
        switch (points_[i].kind) {
        case PointKind::Move:
            path.moveTo(vertex(i));
            ++i;
            break;
        case PointKind::Line:
            path.lineTo(vertex(i));
            ++i;
            break;
        case PointKind::Curve: {
            std::size_t n = 0;
            while (i + n < count && points_[i + n].kind == PointKind::Curve)
                ++n;
            // A run needs a point before it and an end point after it; the tables always
            // have both, a malformed outline stops here instead of reading outside.
            if (i == 0 || i + n >= count)
                return;
            fitSet.clear();
            for (std::size_t k = i - 1; k <= i + n; ++k)
                fitSet.push_back(exact(k));
            const BezierControls controls = FitBezierControls(fitSet);
            path.cubicTo(QPointF(roundToPixel(controls.c1.x), roundToPixel(controls.c1.y)),
                         QPointF(roundToPixel(controls.c2.x), roundToPixel(controls.c2.y)),
                         vertex(i + n));
            i += n + 1;
            break;
        }
        default:
            ++i;
            break;
        }
    }
}

} // namespace widgets
