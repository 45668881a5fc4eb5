#include "widgets/PathRecording.h"

namespace widgets {

void PathRecording::replay(PathSink& sink) const
{
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
            sink.closeAndFill(c.kind == CloseLit);
            break;
        }
    }
}

} // namespace widgets
