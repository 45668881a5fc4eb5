#pragma once
// Fits one cubic Bezier through the points a curved stretch of a segment outline lists.
// Plain C++: the fit runs in device coordinates at every paint.

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

// Sum over T1..Tn of the squared distance to the nearest point of the curve P0, C1, C2, P3
// that a coarse scan plus a secant search finds.
double CurveDistanceError(PointF p0, PointF c1, PointF c2, PointF p3,
                          const std::vector<PointF>& fitSet);

} // namespace widgets
