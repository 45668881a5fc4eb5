#include "widgets/BezierFit.h"

#include "widgets/CurveErrorEvaluator.h"

#include <cmath>
#include <cstddef>

namespace widgets {

namespace {

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
    CurveErrorEvaluator evaluator(fitSet);
    evaluator.setXAxis(p0.x, c1.x, c2.x, p3.x);
    evaluator.setYAxis(p0.y, c1.y, c2.y, p3.y);
    return evaluator.error();
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
    if (count < 3) {
        // No curve point: every error is 0, so each coordinate takes its first step and stops.
        double none = 0.0;
        auto zero = [] { return 0.0; };
        for (int round = 0; round < 2; ++round) {
            refineCoordinate(c1.x, p0.x, none, zero);
            refineCoordinate(c1.y, p0.y, none, zero);
            refineCoordinate(c2.x, p3.x, none, zero);
            refineCoordinate(c2.y, p3.y, none, zero);
        }
        return result;
    }

    // A search step moves one coordinate, so only that axis of the curve is evaluated again.
    CurveErrorEvaluator evaluator(fitSet);
    double best = 0.0;
    auto syncX = [&] { evaluator.setXAxis(p0.x, c1.x, c2.x, p3.x); };
    auto syncY = [&] { evaluator.setYAxis(p0.y, c1.y, c2.y, p3.y); };
    auto errorAfterX = [&] { syncX(); return evaluator.error(best); };
    auto errorAfterY = [&] { syncY(); return evaluator.error(best); };
    syncX();
    syncY();
    best = evaluator.error();
    for (int round = 0; round < 2; ++round) {
        // A search may end on a rejected value: set the axis back before the other one moves.
        refineCoordinate(c1.x, p0.x, best, errorAfterX);
        syncX();
        refineCoordinate(c1.y, p0.y, best, errorAfterY);
        syncY();
        refineCoordinate(c2.x, p3.x, best, errorAfterX);
        syncX();
        refineCoordinate(c2.y, p3.y, best, errorAfterY);
        syncY();
    }
    return result;
}

} // namespace widgets
