#include "platform/DragImage.h"

#include "platform/Desktop.h"

#include <QBitmap>

namespace platform {

namespace {

// The picture's shape in the window's own pixels, which at a higher scale cover several of the
// picture's: a pixel belongs to it when any ink falls in it, so no fine stroke is cut away.
QBitmap shapeOf(const QPixmap& picture, QSize size)
{
    const QImage ink = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage shape(size, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            if (qAlpha(ink.pixel(x, y)) > 0)
                shape.setPixel(x * size.width() / ink.width(), y * size.height() / ink.height(), qRgba(0, 0, 0, 255));
    return QBitmap::fromImage(shape.createAlphaMask());
}

} // namespace

void DragImage::begin(QWidget* window, const QPixmap& picture, QPoint hotSpot, const QColor& ground)
{
    const bool ownWindow = programPlacesItsWindows();
    label_ = ownWindow ? new QLabel(window, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput)
                       : new QLabel(window);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setAttribute(Qt::WA_ShowWithoutActivating);
    label_->setPixmap(picture);
    const QSize size = picture.deviceIndependentSize().toSize();
    label_->resize(size);
    if (ownWindow) {
        // A shape, not an alpha channel: what the row left undrawn shows the screen beneath even
        // where no compositor blends translucent windows.
        label_->setMask(shapeOf(picture, size));
        QPalette palette = label_->palette();
        palette.setColor(QPalette::Window, ground);
        label_->setPalette(palette);
        label_->setAutoFillBackground(true);
    }
    label_->raise();
    hotSpot_ = hotSpot;
}

void DragImage::move(QPoint globalPos)
{
    label_->move((label_->isWindow() ? globalPos : label_->parentWidget()->mapFromGlobal(globalPos)) - hotSpot_);
}

} // namespace platform
