#include "widgets/BezierFit.h"

#include <cmath>
#include <cstddef>

namespace widgets {

namespace {

// One axis of the curve as a cubic in u = 2t - 1, u from -1 to 1.
struct AxisCubic {
    double a0, a1, a2, a3;

    AxisCubic(double p0, double c1, double c2, double p3)
    {
        a3 = (p3 - p0 + 3.0 * (c1 - c2)) / 8.0;
        a2 = 3.0 * (p0 + p3 - c1 - c2) / 8.0;
        a1 = (p3 - p0) / 2.0 - a3;
        a0 = (p0 + p3) / 2.0 - a2;
    }
    double value(double u) const { return a0 + a1 * u + a2 * u * u + a3 * u * u * u; }
    double slope(double u) const { return a1 + 2.0 * a2 * u + 3.0 * a3 * u * u; }
};

// Sum over T1..Tn of the squared distance to the nearest point of the curve that a coarse
// scan and then a secant search for a zero of D(u), half the slope of that distance, find.
double curveDistanceError(PointF p0, PointF c1, PointF c2, PointF p3, const std::vector<PointF>& fitSet)
{
    const AxisCubic bx(p0.x, c1.x, c2.x, p3.x);
    const AxisCubic by(p0.y, c1.y, c2.y, p3.y);
    const double du = 1.0 / double(fitSet.size());
    double sum = 0.0;
    for (std::size_t i = 1; i + 1 < fitSet.size(); ++i) {
        const PointF t = fitSet[i];
        auto errorAt = [&](double u) {
            const double h = bx.value(u) - t.x, r = by.value(u) - t.y;
            return h * h + r * r;
        };
        auto halfSlopeAt = [&](double u) {
            return (bx.value(u) - t.x) * bx.slope(u) + (by.value(u) - t.y) * by.slope(u);
        };
        // The nearest coarse sample; one that lies on the point settles it at 0.
        double u0 = -1.0;
        double nearest = errorAt(u0);
        for (double u = -1.0 + du; u <= 1.01 && nearest > 0.0; u += du) {
            const double e = errorAt(u);
            if (e < nearest) {
                nearest = e;
                u0 = u;
            }
        }
        if (nearest == 0.0)
            continue;
        double d0 = halfSlopeAt(u0);
        double u1 = u0 + du > 1.0 ? 1.0 - du : u0 + du;
        // The search settles in a handful of steps; the cap only guards against a cycle.
        for (int step = 0;; ++step) {
            const double e1 = errorAt(u1);
            const double d1 = halfSlopeAt(u1);
            double u2 = d1 != d0 ? (u0 * d1 - d0 * u1) / (d1 - d0) : (u0 + u1) / 2.0;
            u2 = u2 < -1.0 ? -1.0 : u2 > 1.0 ? 1.0 : u2;
            if (e1 == 0.0 || d1 == 0.0 || std::fabs(u2 - u1) < 0.001 || step == 1000) {
                sum += e1;
                break;
            }
            u0 = u1;
            d0 = d1;
            u1 = u2;
        }
    }
    return sum;
}

} // namespace

BezierControls FitBezierControls(const std::vector<PointF>& fitSet)
{
    const std::size_t count = fitSet.size();
    if (count < 2)
        return {};
    const PointF p0 = fitSet.front();
    const PointF p3 = fitSet.back();
    // Each end point reflected through its nearest curve point (with none, the other end).
    const PointF t1 = count > 2 ? fitSet[1] : p3;
    const PointF tn = count > 2 ? fitSet[count - 2] : p0;
    BezierControls c{{2.0 * t1.x - p0.x, 2.0 * t1.y - p0.y}, {2.0 * tn.x - p3.x, 2.0 * tn.y - p3.y}};
    double best = curveDistanceError(p0, c.c1, c.c2, p3, fitSet);

    // A coordinate moves along its offset from the anchor while that lowers the error,
    // reversing with a third of the step each time it overshoots.
    auto refine = [&](double& v, double anchor) {
        double step = 0.5;
        double kept = v;
        while (std::fabs(step) >= 0.01) {
            v = v + (v - anchor) * step;
            const double e = curveDistanceError(p0, c.c1, c.c2, p3, fitSet);
            if (e == best)
                return;
            if (e > best) {
                v = kept;
                step *= -0.3333333333333333;
            } else {
                best = e;
                kept = v;
            }
        }
    };
    for (int round = 0; round < 2; ++round) {
        refine(c.c1.x, p0.x);
        refine(c.c1.y, p0.y);
        refine(c.c2.x, p3.x);
        refine(c.c2.y, p3.y);
    }
    return c;
}

} // namespace widgets
