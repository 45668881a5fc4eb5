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

constexpr int MaxSecantSteps = 1000;

struct Sample {
    double squaredDistance; // E(u)
    double halfDerivative;  // D(u), half of dE/du
};

Sample sampleAt(const AxisCubic& bx, const AxisCubic& by, PointF target, double u)
{
    const double h = bx.value(u) - target.x;
    const double r = by.value(u) - target.y;
    return {h * h + r * r, h * bx.slope(u) + r * by.slope(u)};
}

// The coarse scan's samples of the curve. They are the same for every point of the fit set,
// so they are evaluated once per curve rather than once per point. Short fit sets, which
// are all the glyph tables have, keep them on the stack.
class CoarseScan {
public:
    CoarseScan(const AxisCubic& bx, const AxisCubic& by, double du)
    {
        // 2 / du + 2 samples at most, with room for the 1.01 end and rounding.
        const std::size_t capacity = std::size_t(2.02 / du) + 3;
        if (capacity > InlineSamples) {
            heap_.resize(3 * capacity);
            u_ = heap_.data();
        } else {
            u_ = inline_;
        }
        x_ = u_ + capacity;
        y_ = x_ + capacity;
        for (double t = -1.0; t <= 1.01 && count_ < capacity; t += du) {
            u_[count_] = t;
            x_[count_] = bx.value(t);
            y_[count_] = by.value(t);
            ++count_;
        }
    }
    CoarseScan(const CoarseScan&) = delete;
    CoarseScan& operator=(const CoarseScan&) = delete;

    std::size_t size() const { return count_; }
    double u(std::size_t k) const { return u_[k]; }
    double x(std::size_t k) const { return x_[k]; }
    double y(std::size_t k) const { return y_[k]; }

private:
    static constexpr std::size_t InlineSamples = 40;
    double inline_[3 * InlineSamples];
    std::vector<double> heap_;
    double* u_;
    double* x_;
    double* y_;
    std::size_t count_ = 0;
};

double nearestSquaredDistance(const AxisCubic& bx, const AxisCubic& by, const CoarseScan& scan,
                              PointF target, double du)
{
    double u0 = -1.0;
    double bestE = 0.0;
    for (std::size_t k = 0; k < scan.size(); ++k) {
        const double h = scan.x(k) - target.x;
        const double r = scan.y(k) - target.y;
        const double e = h * h + r * r;
        if (e == 0.0)
            return 0.0;
        if (k == 0 || e < bestE) {
            bestE = e;
            u0 = scan.u(k);
        }
    }

    double d0 = sampleAt(bx, by, target, u0).halfDerivative;
    double u1 = u0 + du;
    if (u1 > 1.0)
        u1 = 1.0 - du;
    // The search converges in a handful of steps; the cap only guards against a cycle.
    for (int iteration = 0;; ++iteration) {
        const Sample s1 = sampleAt(bx, by, target, u1);
        if (s1.squaredDistance == 0.0 || s1.halfDerivative == 0.0 || iteration == MaxSecantSteps)
            return s1.squaredDistance;
        double u2 = s1.halfDerivative != d0
            ? (u0 * s1.halfDerivative - d0 * u1) / (s1.halfDerivative - d0)
            : (u0 + u1) / 2.0;
        if (u2 < -1.0)
            u2 = -1.0;
        if (u2 > 1.0)
            u2 = 1.0;
        if (std::fabs(u2 - u1) < 0.001)
            return s1.squaredDistance;
        u0 = u1;
        d0 = s1.halfDerivative;
        u1 = u2;
    }
}

// Moves one control coordinate along its offset from the anchor while that lowers the error,
// reversing with a third of the step each time it overshoots.
template <typename ErrorOf>
void refineCoordinate(double& v, double anchor, double& best, ErrorOf errorOf)
{
    double step = 0.5;
    double kept = v;
    while (std::fabs(step) >= 0.01) {
        v = v + (v - anchor) * step;
        const double e = errorOf();
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
}

} // namespace

double CurveDistanceError(PointF p0, PointF c1, PointF c2, PointF p3,
                          const std::vector<PointF>& fitSet)
{
    if (fitSet.size() < 3)
        return 0.0;
    const AxisCubic bx(p0.x, c1.x, c2.x, p3.x);
    const AxisCubic by(p0.y, c1.y, c2.y, p3.y);
    const double du = 1.0 / double(fitSet.size());
    const CoarseScan scan(bx, by, du);
    double sum = 0.0;
    for (std::size_t i = 1; i + 1 < fitSet.size(); ++i)
        sum += nearestSquaredDistance(bx, by, scan, fitSet[i], du);
    return sum;
}

BezierControls FitBezierControls(const std::vector<PointF>& fitSet)
{
    const std::size_t count = fitSet.size();
    if (count < 2)
        return {};
    const PointF p0 = fitSet.front();
    const PointF p3 = fitSet.back();
    // With no curve point the reflections fall back onto the end points themselves.
    const PointF t1 = count > 2 ? fitSet[1] : p3;
    const PointF tn = count > 2 ? fitSet[count - 2] : p0;
    BezierControls result{{2.0 * t1.x - p0.x, 2.0 * t1.y - p0.y},
                          {2.0 * tn.x - p3.x, 2.0 * tn.y - p3.y}};
    PointF& c1 = result.c1;
    PointF& c2 = result.c2;

    auto error = [&] { return CurveDistanceError(p0, c1, c2, p3, fitSet); };
    double best = error();
    for (int round = 0; round < 2; ++round) {
        refineCoordinate(c1.x, p0.x, best, error);
        refineCoordinate(c1.y, p0.y, best, error);
        refineCoordinate(c2.x, p3.x, best, error);
        refineCoordinate(c2.y, p3.y, best, error);
    }
    return result;
}

} // namespace widgets
