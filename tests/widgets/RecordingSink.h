#pragma once
// Records what a glyph emits, outline by outline, for exact comparison.

#include "widgets/SegmentOutline.h"

#include <vector>

namespace widgets_test {

using widgets::DevicePoint;

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

class RecordingSink : public widgets::PathSink {
public:
    void moveTo(DevicePoint p) override { current_.commands.push_back({PathCommand::Move, {p}}); }
    void lineTo(DevicePoint p) override { current_.commands.push_back({PathCommand::Line, {p}}); }
    void cubicTo(DevicePoint c1, DevicePoint c2, DevicePoint end) override
    {
        current_.commands.push_back({PathCommand::Cubic, {c1, c2, end}});
    }
    void closeAndFill(bool lit) override
    {
        current_.lit = lit;
        outlines.push_back(current_);
        current_ = {};
    }

    std::vector<RecordedOutline> outlines;

private:
    RecordedOutline current_;
};

} // namespace widgets_test
