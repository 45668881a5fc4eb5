#pragma once
// Reading back what a widget drew.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace widgets_test {

inline QImage grabbed(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QColor at(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

inline QColor rgbColour(int r, int g, int b)
{
    return QColor(r, g, b);
}

} // namespace widgets_test
