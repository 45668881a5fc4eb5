#include "widgets/PathRecording.h"

namespace widgets {

void PathRecording::replay(PathSink& sink) const
{
    replayWith(sink, [](int, bool recordedLit) { return recordedLit; });
}

void PathRecording::replay(PathSink& sink, std::uint16_t mask) const
{
    replayWith(sink, [mask](int k, bool) { return k < 16 && (mask & (1u << k)) != 0; });
}

template <typename LitOf>
void PathRecording::replayWith(PathSink& sink, LitOf litOf) const
{
    int outline = 0;
    for (const Command& c : commands_) {
        switch (c.kind) {
        case Move:
            sink.moveTo(c.points[0]);
            break;
        case Line:
            sink.lineTo(c.points[0]);
            break;
        case Cubic:
            sink.cubicTo(c.points[0], c.points[1], c.points[2]);
            break;
        case CloseLit:
        case CloseUnlit:
            sink.closeAndFill(litOf(outline++, c.kind == CloseLit));
            break;
        }
    }
}

} // namespace widgets
