#include "widgets/OffscreenDC.h"

#include <QPaintDevice>
#include <QTransform>

namespace widgets {

OffscreenDC::OffscreenDC(QPainter& target, const QRect& rect)
    : target_(target), rect_(rect.isEmpty() ? defaultRect() : rect)
{
    const QColor background = target_.background().color();
    QPaintDevice* device = target_.device();
    const bool printing = device && device->devType() == QInternal::Printer;

    if (!printing && !rect_.isEmpty()) {
        // The world transform, not the combined one: the latter also holds the screen's
        // scale, which the image's own pixel ratio takes care of.
        const QTransform world = target_.worldTransform();
        imageRect_ = world.mapRect(rect_);
        const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
        image_ = QImage((QSizeF(imageRect_.size()) * ratio).toSize(), QImage::Format_RGB32);
        if (!image_.isNull()) {
            image_.setDevicePixelRatio(ratio);
            buffered_ = imagePainter_.begin(&image_);
        }
        if (buffered_) {
            // The target's logical coordinates address the image directly.
            imagePainter_.setWorldTransform(
                world * QTransform::fromTranslate(-imageRect_.left(), -imageRect_.top()));
            imagePainter_.setBackground(target_.background());
        }
    }
    if (!buffered_) {
        // Drawing straight on the target: keep its state and the surface's bounds.
        target_.save();
        target_.setClipRect(rect_, Qt::IntersectClip);
    }
    painter().fillRect(rect_, background);
}

OffscreenDC::~OffscreenDC()
{
    if (!buffered_) {
        target_.restore();
        return;
    }
    imagePainter_.end();
    target_.save();
    target_.setWorldTransform(QTransform());
    target_.drawImage(imageRect_.topLeft(), image_);
    target_.restore();
}

QRect OffscreenDC::defaultRect() const
{
    if (target_.hasClipping())
        return target_.clipBoundingRect().toAlignedRect();
    const QPaintDevice* device = target_.device();
    if (!device)
        return QRect();
    const QRect deviceArea(0, 0, device->width(), device->height());
    return target_.worldTransform().inverted().mapRect(deviceArea);
}

} // namespace widgets
