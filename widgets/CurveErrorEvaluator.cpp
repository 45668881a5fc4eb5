#include "widgets/CurveErrorEvaluator.h"

#include <cmath>
#include <utility>

namespace widgets {

namespace {

constexpr int MaxSecantSteps = 1000;

} // namespace

CurveErrorEvaluator::CurveErrorEvaluator(const std::vector<PointF>& fitSet)
    : fitSet_(fitSet), points_(fitSet.size() - 2), du_(1.0 / double(fitSet.size()))
{
    // The coarse scan's parameters, advanced by adding du as far as 1.01; the cap only
    // allows for the 1.01 end and rounding.
    const std::size_t capacity = std::size_t(2.02 / du_) + 3;
    sampleU_.reserve(capacity);
    for (double u = -1.0; u <= 1.01 && sampleU_.size() < capacity; u += du_)
        sampleU_.push_back(u);
    x_.samples.resize(sampleU_.size());
    y_.samples.resize(sampleU_.size());
    errors_.resize(points_);
    searched_.resize(points_);
    order_.resize(points_);
    for (std::size_t i = 0; i < points_; ++i)
        order_[i] = i;
}

void CurveErrorEvaluator::setXAxis(double p0, double c1, double c2, double p3)
{
    setAxis(x_, p0, c1, c2, p3);
}

void CurveErrorEvaluator::setYAxis(double p0, double c1, double c2, double p3)
{
    setAxis(y_, p0, c1, c2, p3);
}

void CurveErrorEvaluator::setAxis(Axis& axis, double p0, double c1, double c2, double p3)
{
    AxisCubic& c = axis.cubic;
    c.a3 = (p3 - p0 + 3.0 * (c1 - c2)) / 8.0;
    c.a2 = 3.0 * (p0 + p3 - c1 - c2) / 8.0;
    c.a1 = (p3 - p0) / 2.0 - c.a3;
    c.a0 = (p0 + p3) / 2.0 - c.a2;
    const std::size_t samples = sampleU_.size();
    for (std::size_t k = 0; k < samples; ++k)
        axis.samples[k] = c.value(sampleU_[k]);
}

double CurveErrorEvaluator::error(double bound)
{
    // Rounded sums of errors, which are never negative, only grow as terms are added, so the
    // sum in index order of the points searched so far is at most the whole sum: once it
    // exceeds the bound the answer is settled and the other points need no search. The points
    // that were farthest from the last whole curve go first, as the likeliest to settle it.
    for (std::size_t i = 0; i < points_; ++i)
        searched_[i] = false;
    for (std::size_t n = 0; n < points_; ++n) {
        const std::size_t point = order_[n];
        errors_[point] = pointError(point);
        searched_[point] = true;
        double known = 0.0;
        for (std::size_t i = 0; i < points_; ++i)
            if (searched_[i])
                known += errors_[i];
        if (known > bound)
            return std::numeric_limits<double>::infinity();
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < points_; ++i)
        sum += errors_[i];
    // Farthest first next time: an insertion sort, as the order rarely changes.
    for (std::size_t n = 1; n < points_; ++n)
        for (std::size_t m = n; m > 0 && errors_[order_[m]] > errors_[order_[m - 1]]; --m)
            std::swap(order_[m], order_[m - 1]);
    return sum;
}

// The coarse scan picks the sample nearest the point (one on the point ends it), then a
// secant search for a zero of D(u) = h * Bx'(u) + r * By'(u), half the slope of the squared
// distance, gives the error of its last step.
double CurveErrorEvaluator::pointError(std::size_t point) const
{
    const PointF target = fitSet_[point + 1];
    const std::size_t samples = sampleU_.size();
    const double* xs = x_.samples.data();
    const double* ys = y_.samples.data();
    std::size_t nearest = 0;
    double bestE = 0.0;
    for (std::size_t k = 0; k < samples; ++k) {
        const double h = xs[k] - target.x;
        const double r = ys[k] - target.y;
        const double e = h * h + r * r;
        if (e == 0.0)
            return 0.0;
        if (k == 0 || e < bestE) {
            bestE = e;
            nearest = k;
        }
    }
    const AxisCubic& bx = x_.cubic;
    const AxisCubic& by = y_.cubic;
    double u0 = sampleU_[nearest];
    double d0 = (xs[nearest] - target.x) * bx.slope(u0) + (ys[nearest] - target.y) * by.slope(u0);
    double u1 = u0 + du_;
    if (u1 > 1.0)
        u1 = 1.0 - du_;
    // The first step usually lands on the next coarse sample, whose curve point is known.
    const std::size_t next = nearest + 1;
    const bool firstKnown = next < samples && sampleU_[next] == u1;
    for (int iteration = 0;; ++iteration) {
        const bool known = iteration == 0 && firstKnown;
        const double h = (known ? xs[next] : bx.value(u1)) - target.x;
        const double r = (known ? ys[next] : by.value(u1)) - target.y;
        const double e1 = h * h + r * r;
        const double d1 = h * bx.slope(u1) + r * by.slope(u1);
        // The search converges in a handful of steps; the cap only guards against a cycle.
        if (e1 == 0.0 || d1 == 0.0 || iteration == MaxSecantSteps)
            return e1;
        double u2 = d1 != d0 ? (u0 * d1 - d0 * u1) / (d1 - d0) : (u0 + u1) / 2.0;
        if (u2 < -1.0)
            u2 = -1.0;
        if (u2 > 1.0)
            u2 = 1.0;
        if (std::fabs(u2 - u1) < 0.001)
            return e1;
        u0 = u1;
        d0 = d1;
        u1 = u2;
    }
}

} // namespace widgets
