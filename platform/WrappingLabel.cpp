#include "platform/WrappingLabel.h"

#include <QPainter>
#include <QTextLayout>

namespace platform {

int WrappingLabel::layOut(QTextLayout& layout, qreal width) const
{
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setText(QString(text()).replace(QLatin1Char('\n'), QChar::LineSeparator));
    layout.setFont(font());
    layout.setTextOption(option);
    // Lines a font height apart, as a line of the template is.
    const int lineHeight = fontMetrics().height();
    int height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += lineHeight;
    }
    layout.endLayout();
    return height;
}

int WrappingLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    QTextLayout layout;
    return layOut(layout, width - margins.left() - margins.right()) + margins.top() + margins.bottom();
}

void WrappingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    QTextLayout layout;
    layOut(layout, area.width());
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, area.topLeft());
}

} // namespace platform
