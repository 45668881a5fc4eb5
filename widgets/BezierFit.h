#pragma once
// Fits one cubic Bezier through the points a curved stretch of a segment outline lists.
// Plain C++: the display fits each curve once per size, in device coordinates.

#include <vector>

namespace widgets {

struct PointF {
    double x;
    double y;
};

struct BezierControls {
    PointF c1;
    PointF c2;
};

// fitSet is P0 (start), T1..Tn (points the curve passes through), P3 (end); n >= 0.
BezierControls FitBezierControls(const std::vector<PointF>& fitSet);

} // namespace widgets
