#pragma once
// Where a glyph's segment outlines go: a recorder in tests, a QPainter on screen.
// Coordinates are whole device pixels, already rounded by the glyph geometry.

namespace widgets {

struct DevicePoint {
    int x;
    int y;
    bool operator==(const DevicePoint& other) const { return x == other.x && y == other.y; }
    bool operator!=(const DevicePoint& other) const { return !(*this == other); }
};

class PathSink {
public:
    virtual ~PathSink() = default;
    virtual void moveTo(DevicePoint point) = 0;
    virtual void lineTo(DevicePoint point) = 0;
    // A cubic Bezier from the current position through control points c1 and c2 to `end`.
    virtual void cubicTo(DevicePoint c1, DevicePoint c2, DevicePoint end) = 0;
    // Ends the outline: closes it, fills it and strokes its edge, lit or unlit.
    virtual void closeAndFill(bool lit) = 0;
};

} // namespace widgets
