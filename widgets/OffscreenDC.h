#pragma once
// One paint's off-screen surface: drawing goes into an image covering a rectangle, filled
// with the target painter's background colour first and copied to the target in one draw
// when the surface ends, so the screen only ever receives finished frames.
//
// A printer is drawn on directly. So is any target when the image cannot be made (a size
// too large for memory): the frame then flickers a little but nothing is lost.

#include <QImage>
#include <QPainter>
#include <QRect>

namespace widgets {

class OffscreenDC {
public:
    // `rect` is in the target's logical coordinates; an empty one means the target's clip
    // rectangle, or its whole device when it does not clip.
    explicit OffscreenDC(QPainter& target, const QRect& rect = QRect());
    ~OffscreenDC();
    OffscreenDC(const OffscreenDC&) = delete;
    OffscreenDC& operator=(const OffscreenDC&) = delete;

    // Draw here, in the target's logical coordinates.
    QPainter& painter() { return buffered_ ? imagePainter_ : target_; }

private:
    QRect defaultRect() const;

    QPainter& target_;
    QRect rect_;
    QRect imageRect_;
    QImage image_;
    QPainter imagePainter_;
    bool buffered_ = false;
};

} // namespace widgets
