#include "widgets/CurveErrorEvaluator.h"

#include <cmath>

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
    for (double u = -1.0; u <= 1.01 && sampleU_.size() < capacity; u += du_)
        sampleU_.push_back(u);
    for (Axis* axis : {&x_, &y_}) {
        axis->samples.resize(sampleU_.size());
        axis->squaredOffsets.resize(points_ * sampleU_.size());
    }
    searches_.resize(points_);
}

void CurveErrorEvaluator::setXAxis(double p0, double c1, double c2, double p3)
{
    setAxis(x_, p0, c1, c2, p3, &PointF::x);
}

void CurveErrorEvaluator::setYAxis(double p0, double c1, double c2, double p3)
{
    setAxis(y_, p0, c1, c2, p3, &PointF::y);
}

void CurveErrorEvaluator::setAxis(Axis& axis, double p0, double c1, double c2, double p3,
                                  double PointF::*coord)
{
    AxisCubic& c = axis.cubic;
    c.a3 = (p3 - p0 + 3.0 * (c1 - c2)) / 8.0;
    c.a2 = 3.0 * (p0 + p3 - c1 - c2) / 8.0;
    c.a1 = (p3 - p0) / 2.0 - c.a3;
    c.a0 = (p0 + p3) / 2.0 - c.a2;
    const std::size_t samples = sampleU_.size();
    for (std::size_t k = 0; k < samples; ++k)
        axis.samples[k] = c.value(sampleU_[k]);
    for (std::size_t i = 0; i < points_; ++i) {
        const double target = fitSet_[i + 1].*coord;
        double* offsets = &axis.squaredOffsets[i * samples];
        for (std::size_t k = 0; k < samples; ++k) {
            const double h = axis.samples[k] - target;
            offsets[k] = h * h;
        }
    }
}

double CurveErrorEvaluator::error(double bound)
{
    for (std::size_t i = 0; i < points_; ++i)
        startSearch(i, searches_[i]);
    // The errors are never negative, so a rounded sum of them in order is at least any of its
    // terms and at least any of its prefixes: either one above the bound settles the answer.
    double prefix = 0.0;
    std::size_t summed = 0;
    auto settled = [&] {
        for (std::size_t i = summed; i < points_; ++i)
            if (searches_[i].done && searches_[i].error > bound)
                return true;
        while (summed < points_ && searches_[summed].done)
            prefix += searches_[summed++].error;
        return prefix > bound;
    };
    // The points' searches are independent chains of dependent steps; stepping them side by
    // side lets the processor overlap them.
    bool running = true;
    for (int iteration = 0; running; ++iteration) {
        if (settled())
            return std::numeric_limits<double>::infinity();
        running = false;
        for (std::size_t i = 0; i < points_; ++i)
            if (!searches_[i].done && stepSearch(i, searches_[i], iteration))
                running = true;
    }
    while (summed < points_)
        prefix += searches_[summed++].error;
    return prefix;
}

// The coarse scan: the sample nearest the point starts the search; one on the point ends it.
void CurveErrorEvaluator::startSearch(std::size_t point, Search& search) const
{
    const std::size_t samples = sampleU_.size();
    const double* hh = &x_.squaredOffsets[point * samples];
    const double* rr = &y_.squaredOffsets[point * samples];
    std::size_t nearest = 0;
    double bestE = 0.0;
    for (std::size_t k = 0; k < samples; ++k) {
        const double e = hh[k] + rr[k];
        if (e == 0.0) {
            search = {0.0, 0.0, 0.0, 0.0, true, 0};
            return;
        }
        if (k == 0 || e < bestE) {
            bestE = e;
            nearest = k;
        }
    }
    const PointF target = fitSet_[point + 1];
    const double u0 = sampleU_[nearest];
    const double h = x_.samples[nearest] - target.x;
    const double r = y_.samples[nearest] - target.y;
    search.u0 = u0;
    search.d0 = h * x_.cubic.slope(u0) + r * y_.cubic.slope(u0);
    search.u1 = u0 + du_;
    if (search.u1 > 1.0)
        search.u1 = 1.0 - du_;
    search.error = 0.0;
    search.done = false;
    const std::size_t next = nearest + 1;
    search.firstSample = next < samples && sampleU_[next] == search.u1 ? next : samples;
}

// One secant step towards a zero of D(u) = h * Bx'(u) + r * By'(u), half the slope of the
// squared distance. Returns false once the search has ended with its error.
bool CurveErrorEvaluator::stepSearch(std::size_t point, Search& s, int iteration) const
{
    const PointF target = fitSet_[point + 1];
    const double u1 = s.u1;
    const bool known = iteration == 0 && s.firstSample < sampleU_.size();
    const double h = (known ? x_.samples[s.firstSample] : x_.cubic.value(u1)) - target.x;
    const double r = (known ? y_.samples[s.firstSample] : y_.cubic.value(u1)) - target.y;
    const double e1 = h * h + r * r;
    const double d1 = h * x_.cubic.slope(u1) + r * y_.cubic.slope(u1);
    // The search converges in a handful of steps; the cap only guards against a cycle.
    if (e1 == 0.0 || d1 == 0.0 || iteration == MaxSecantSteps) {
        s.error = e1;
        s.done = true;
        return false;
    }
    double u2 = d1 != s.d0 ? (s.u0 * d1 - s.d0 * u1) / (d1 - s.d0) : (s.u0 + u1) / 2.0;
    if (u2 < -1.0)
        u2 = -1.0;
    if (u2 > 1.0)
        u2 = 1.0;
    if (std::fabs(u2 - u1) < 0.001) {
        s.error = e1;
        s.done = true;
        return false;
    }
    s.u0 = u1;
    s.d0 = d1;
    s.u1 = u2;
    return true;
}

} // namespace widgets
