#pragma once
// The outline of one segment in cell units, and how it is scaled into a device rectangle.

#include <QPainterPath>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace widgets {

// The kind codes keep the values of the path point types the outline tables were written with.
enum class PointKind : std::uint8_t {
    Line = 2,  // a straight edge ends here
    Curve = 4, // a point the curve passes through (not a control point)
    Move = 6,  // the outline starts here
};

// A vertex in cell units and what it is; each point carries its own kind.
struct CellPoint {
    std::int32_t x;
    std::int32_t y;
    PointKind kind;
};

enum class Mirror { None, X, Y, XY };

class SegmentOutline {
public:
    SegmentOutline(std::initializer_list<CellPoint> points) : points_(points) {}
    explicit SegmentOutline(std::vector<CellPoint> points) : points_(std::move(points)) {}

    const std::vector<CellPoint>& points() const { return points_; }

    // The outline reflected about x = (cellWidth - 1) / 2 and/or y = 41; kinds unchanged.
    SegmentOutline transformed(Mirror mirror, int cellWidth) const;

    // Adds the outline scaled into (left, top, right, bottom) to `path`, every point on a
    // whole pixel; the caller closes it.
    void DrawOutline(QPainterPath& path, double left, double top, double right, double bottom,
                     int cellWidth) const;

private:
    std::vector<CellPoint> points_;
};

// Cells are 83 units tall; the scale uses this constant rather than a division.
constexpr double kCellHeightReciprocal = 0.012048192771084338;
constexpr int kCellHeight = 83;

// Rounds to the nearest pixel with halves rounded up, as the outlines have always been placed.
int roundToPixel(double v);

} // namespace widgets
