#pragma once
// The curve fit written out step by step, one point and one sample at a time, with nothing
// shared or kept between evaluations. The widgets' own fit must give the same doubles.

#include "widgets/BezierFit.h"

#include <vector>

namespace widgets_test::reference {

using widgets::BezierControls;
using widgets::PointF;

double CurveDistanceError(PointF p0, PointF c1, PointF c2, PointF p3,
                          const std::vector<PointF>& fitSet);
BezierControls FitBezierControls(const std::vector<PointF>& fitSet);

} // namespace widgets_test::reference
