#include "ReferenceCurveFit.h"

#include <cmath>
#include <cstddef>

namespace widgets_test::reference {

namespace {

struct Cubic {
    double a0, a1, a2, a3;
};

Cubic axis(double p0, double c1, double c2, double p3)
{
    Cubic c;
    c.a3 = (p3 - p0 + 3.0 * (c1 - c2)) / 8.0;
    c.a2 = 3.0 * (p0 + p3 - c1 - c2) / 8.0;
    c.a1 = (p3 - p0) / 2.0 - c.a3;
    c.a0 = (p0 + p3) / 2.0 - c.a2;
    return c;
}

double value(const Cubic& c, double u)
{
    return c.a0 + c.a1 * u + c.a2 * u * u + c.a3 * u * u * u;
}

double slope(const Cubic& c, double u)
{
    return c.a1 + 2.0 * c.a2 * u + 3.0 * c.a3 * u * u;
}

double squaredDistance(const Cubic& bx, const Cubic& by, PointF t, double u)
{
    const double h = value(bx, u) - t.x;
    const double r = value(by, u) - t.y;
    return h * h + r * r;
}

double halfDerivative(const Cubic& bx, const Cubic& by, PointF t, double u)
{
    const double h = value(bx, u) - t.x;
    const double r = value(by, u) - t.y;
    return h * slope(bx, u) + r * slope(by, u);
}

double pointError(const Cubic& bx, const Cubic& by, PointF t, double du)
{
    double u0 = -1.0;
    double bestE = 0.0;
    bool first = true;
    for (double u = -1.0; u <= 1.01; u += du) {
        const double e = squaredDistance(bx, by, t, u);
        if (e == 0.0)
            return 0.0;
        if (first || e < bestE) {
            bestE = e;
            u0 = u;
            first = false;
        }
    }
    double d0 = halfDerivative(bx, by, t, u0);
    double u1 = u0 + du;
    if (u1 > 1.0)
        u1 = 1.0 - du;
    for (int iteration = 0;; ++iteration) {
        const double e1 = squaredDistance(bx, by, t, u1);
        const double d1 = halfDerivative(bx, by, t, u1);
        // The same guard against a cycle as the widgets' fit.
        if (e1 == 0.0 || d1 == 0.0 || iteration == 1000)
            return e1;
        double u2 = d1 != d0 ? (u0 * d1 - d0 * u1) / (d1 - d0) : (u0 + u1) / 2.0;
        u2 = u2 < -1.0 ? -1.0 : (u2 > 1.0 ? 1.0 : u2);
        if (std::fabs(u2 - u1) < 0.001)
            return e1;
        u0 = u1;
        d0 = d1;
        u1 = u2;
    }
}

} // namespace

double CurveDistanceError(PointF p0, PointF c1, PointF c2, PointF p3,
                          const std::vector<PointF>& fitSet)
{
    if (fitSet.size() < 3)
        return 0.0;
    const Cubic bx = axis(p0.x, c1.x, c2.x, p3.x);
    const Cubic by = axis(p0.y, c1.y, c2.y, p3.y);
    const double du = 1.0 / double(fitSet.size());
    double sum = 0.0;
    for (std::size_t i = 1; i + 1 < fitSet.size(); ++i)
        sum += pointError(bx, by, fitSet[i], du);
    return sum;
}

BezierControls FitBezierControls(const std::vector<PointF>& fitSet)
{
    const std::size_t count = fitSet.size();
    if (count < 2)
        return {};
    const PointF p0 = fitSet.front();
    const PointF p3 = fitSet.back();
    const PointF t1 = count > 2 ? fitSet[1] : p3;
    const PointF tn = count > 2 ? fitSet[count - 2] : p0;
    BezierControls r{{2.0 * t1.x - p0.x, 2.0 * t1.y - p0.y}, {2.0 * tn.x - p3.x, 2.0 * tn.y - p3.y}};
    double best = reference::CurveDistanceError(p0, r.c1, r.c2, p3, fitSet);
    auto refine = [&](double& v, double anchor) {
        double step = 0.5;
        double kept = v;
        while (std::fabs(step) >= 0.01) {
            v = v + (v - anchor) * step;
            const double e = reference::CurveDistanceError(p0, r.c1, r.c2, p3, fitSet);
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
        refine(r.c1.x, p0.x);
        refine(r.c1.y, p0.y);
        refine(r.c2.x, p3.x);
        refine(r.c2.y, p3.y);
    }
    return r;
}

} // namespace widgets_test::reference
