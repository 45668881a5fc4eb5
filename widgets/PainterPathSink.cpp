#include "widgets/PainterPathSink.h"

#include "widgets/PolygonRaster.h"

#include <QPainter>

namespace widgets {

PainterPathSink::PainterPathSink(QPainter& painter, const SegmentPaint& paint, PolygonRaster* raster)
    : painter_(painter), paint_(paint), raster_(raster)
{
    polygon_.reserve(8);
}

void PainterPathSink::moveTo(DevicePoint point)
{
    if (curved_) {
        severalFigures_ = true;
        path_.moveTo(point.x, point.y);
        return;
    }
    // An outline has one move; a second one starts a new figure, which only a path can hold.
    if (!polygon_.isEmpty()) {
        curved_ = true;
        severalFigures_ = true;
        path_.addPolygon(polygon_);
        path_.moveTo(point.x, point.y);
        return;
    }
    polygon_.append(QPoint(point.x, point.y));
}

void PainterPathSink::lineTo(DevicePoint point)
{
    if (curved_)
        path_.lineTo(point.x, point.y);
    else
        polygon_.append(QPoint(point.x, point.y));
}

void PainterPathSink::cubicTo(DevicePoint c1, DevicePoint c2, DevicePoint end)
{
    if (!curved_) {
        curved_ = true;
        path_.addPolygon(polygon_);
    }
    path_.cubicTo(c1.x, c1.y, c2.x, c2.y, end.x, end.y);
}

void PainterPathSink::closeAndFill(bool lit)
{
    if (curved_ && !severalFigures_ && raster_) {
        // One closed figure: its flattened edge, on whole pixels, is a polygon like any other.
        polygon_ = path_.toFillPolygon().toPolygon();
        if (polygon_.size() > 1 && polygon_.first() == polygon_.last())
            polygon_.removeLast();
        path_.clear();
        curved_ = false;
    }
    if (!curved_ && raster_) {
        if (!polygon_.isEmpty()) {
            raster_->fill(polygon_, (lit ? paint_.litBrush : paint_.unlitBrush).color().rgb());
            raster_->outline(polygon_, (lit ? paint_.litPen : paint_.unlitPen).color().rgb());
        }
        polygon_.clear();
        return;
    }
    painter_.setPen(lit ? paint_.litPen : paint_.unlitPen);
    painter_.setBrush(lit ? paint_.litBrush : paint_.unlitBrush);
    if (curved_) {
        path_.closeSubpath();
        painter_.drawPath(path_);
        path_.clear();
        curved_ = false;
        severalFigures_ = false;
    } else if (!polygon_.isEmpty()) {
        painter_.drawPolygon(polygon_);
    }
    polygon_.clear();
}

} // namespace widgets
