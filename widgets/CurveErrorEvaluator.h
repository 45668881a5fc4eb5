#pragma once
// The error of one fit set against a changing curve, with each axis of the curve kept apart:
// the control-point search moves one coordinate at a time, so the other axis's samples stay
// valid between steps, and most steps only need to learn that the error grew. Gives the same
// doubles as evaluating everything afresh.

#include "widgets/BezierFit.h"

#include <cstddef>
#include <limits>
#include <vector>

namespace widgets {

class CurveErrorEvaluator {
public:
    // fitSet is P0, T1..Tn, P3 with n >= 1; it must outlive the evaluator.
    explicit CurveErrorEvaluator(const std::vector<PointF>& fitSet);

    void setXAxis(double p0, double c1, double c2, double p3);
    void setYAxis(double p0, double c1, double c2, double p3);

    // Sum over T1..Tn of the squared distance to the nearest point found on the curve. Once
    // the sum is sure to exceed `bound`, returns a value above it without finishing: the
    // search only needs to know that a step made things worse.
    double error(double bound = std::numeric_limits<double>::infinity());

private:
    // One axis of the curve as a cubic in u = 2t - 1, u from -1 to 1.
    struct AxisCubic {
        double a0 = 0, a1 = 0, a2 = 0, a3 = 0;
        double value(double u) const { return a0 + a1 * u + a2 * u * u + a3 * u * u * u; }
        double slope(double u) const { return a1 + 2.0 * a2 * u + 3.0 * a3 * u * u; }
    };
    // Per axis: the cubic and its values at the coarse samples.
    struct Axis {
        AxisCubic cubic;
        std::vector<double> samples;
    };

    void setAxis(Axis& axis, double p0, double c1, double c2, double p3);
    double pointError(std::size_t point) const;

    const std::vector<PointF>& fitSet_;
    std::size_t points_;
    double du_;
    std::vector<double> sampleU_;
    Axis x_;
    Axis y_;
    // Each point's error from its latest search, and the order the points are searched in.
    std::vector<double> errors_;
    std::vector<char> searched_;
    std::vector<std::size_t> order_;
};

} // namespace widgets
