#pragma once
// Feeds glyph outlines to a QPainter: each outline is filled with the lit or unlit brush
// and edged with the matching one-pixel pen.

#include "widgets/PathSink.h"

#include <QBrush>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>

class QPainter;

namespace widgets {
class PolygonRaster;
}

namespace widgets {

struct SegmentPaint {
    QPen unlitPen;
    QPen litPen;
    QBrush unlitBrush;
    QBrush litBrush;
};

class PainterPathSink : public PathSink {
public:
    // With a raster, outlines of one figure are drawn into its image directly, curves as the
    // painter flattens them.
    PainterPathSink(QPainter& painter, const SegmentPaint& paint, PolygonRaster* raster = nullptr);

    void moveTo(DevicePoint point) override;
    void lineTo(DevicePoint point) override;
    void cubicTo(DevicePoint c1, DevicePoint c2, DevicePoint end) override;
    void closeAndFill(bool lit) override;

private:
    QPainter& painter_;
    const SegmentPaint& paint_;
    PolygonRaster* raster_;
    // Straight outlines stay integer polygons, which the raster engine fills fastest;
    // the first curve moves the outline into a path.
    QPolygon polygon_;
    QPainterPath path_;
    bool curved_ = false;
    bool severalFigures_ = false;
};

} // namespace widgets
