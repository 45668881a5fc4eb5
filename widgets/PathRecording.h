#pragma once
// A glyph row's paths kept for replay: fitting the curved outlines is the costly part of a
// paint, and at an unchanged size it gives the same paths every time.

#include "widgets/PathSink.h"

#include <cstdint>
#include <vector>

namespace widgets {

class PathRecording : public PathSink {
public:
    void moveTo(DevicePoint point) override { commands_.push_back({Move, {point}}); }
    void lineTo(DevicePoint point) override { commands_.push_back({Line, {point}}); }
    void cubicTo(DevicePoint c1, DevicePoint c2, DevicePoint end) override
    {
        commands_.push_back({Cubic, {c1, c2, end}});
    }
    void closeAndFill(bool lit) override { commands_.push_back({lit ? CloseLit : CloseUnlit, {}}); }

    void clear() { commands_.clear(); }
    void replay(PathSink& sink) const;
    // Replays with outline k lit when bit k of `mask` is set, whatever was recorded.
    void replay(PathSink& sink, std::uint16_t mask) const;

private:
    enum Kind { Move, Line, Cubic, CloseLit, CloseUnlit };
    struct Command {
        Kind kind;
        DevicePoint points[3];
    };
    template <typename LitOf>
    void replayWith(PathSink& sink, LitOf litOf) const;

    std::vector<Command> commands_;
};

} // namespace widgets
