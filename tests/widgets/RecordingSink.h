#pragma once
// Reads back what a glyph emits, outline by outline, for exact comparison.

#include "widgets/SegmentGlyph.h"

#include <cmath>
#include <vector>

namespace widgets_test {

struct DevicePoint {
    int x;
    int y;
    bool operator==(const DevicePoint& other) const { return x == other.x && y == other.y; }
    bool operator!=(const DevicePoint& other) const { return !(*this == other); }
};

struct PathCommand {
    enum Kind { Move, Line, Cubic } kind;
    std::vector<DevicePoint> points; // one, or c1, c2, end for a cubic
    bool operator==(const PathCommand& other) const
    {
        return kind == other.kind && points == other.points;
    }
};

struct RecordedOutline {
    std::vector<PathCommand> commands;
    bool lit = false;

    // The vertices in order: move and line points, and the end point of every cubic.
    std::vector<DevicePoint> vertices() const
    {
        std::vector<DevicePoint> result;
        for (const PathCommand& c : commands)
            result.push_back(c.points.back());
        return result;
    }
    bool hasCurve() const
    {
        for (const PathCommand& c : commands)
            if (c.kind == PathCommand::Cubic)
                return true;
        return false;
    }
};

// Every point of an emitted path must lie on a whole pixel; one that does not reads as
// (-99999, -99999) so that the comparison fails.
inline RecordedOutline recorded(const QPainterPath& path, bool lit = false)
{
    RecordedOutline outline;
    outline.lit = lit;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const bool whole = e.x == std::floor(e.x) && e.y == std::floor(e.y);
        const DevicePoint p = whole ? DevicePoint{int(e.x), int(e.y)} : DevicePoint{-99999, -99999};
        switch (e.type) {
        case QPainterPath::MoveToElement:
            outline.commands.push_back({PathCommand::Move, {p}});
            break;
        case QPainterPath::LineToElement:
            outline.commands.push_back({PathCommand::Line, {p}});
            break;
        case QPainterPath::CurveToElement:
            outline.commands.push_back({PathCommand::Cubic, {p}});
            break;
        case QPainterPath::CurveToDataElement:
            outline.commands.back().points.push_back(p);
            break;
        }
    }
    return outline;
}

struct RecordingSink {
    std::vector<RecordedOutline> outlines;
};

inline RecordingSink recorded(const std::vector<widgets::SegmentPath>& segments)
{
    RecordingSink sink;
    for (const widgets::SegmentPath& segment : segments)
        sink.outlines.push_back(recorded(segment.path, segment.lit));
    return sink;
}

} // namespace widgets_test
