#include "widgets/SegmentDisplay.h"

#include "platform/Gbk.h"
#include "widgets/GbkBytes.h"
#include "widgets/OffscreenDC.h"

#include <QPainter>

namespace widgets {

std::vector<QRectF> layoutGlyphs(const std::vector<SegmentGlyph>& glyphs, int width, int height,
                                 std::uint32_t style, int originX, int originY)
{
    std::vector<QRectF> cells;
    int total = 0;
    for (const SegmentGlyph& glyph : glyphs)
        total += glyph.Width();
    if (total <= 0)
        return cells;

    const double w = width;
    const double h = height;
    double sx = w / total;
    double sy = h * kCellHeightReciprocal;
    double offsetX = 0.0;
    double offsetY = 0.0;
    if (style & KeepAspect) {
        const double s = sx >= sy ? sy : sx;
        sx = sy = s;
        offsetX = (w - total * s) * 0.5;
        offsetY = (h - kCellHeight * s) * 0.5;
    }

    cells.reserve(glyphs.size());
    double x = originX + offsetX;
    const double top = originY + offsetY;
    for (const SegmentGlyph& glyph : glyphs) {
        const double cellWidth = glyph.Width() * sx;
        cells.emplace_back(x, top, cellWidth, kCellHeight * sy);
        x += cellWidth;
    }
    return cells;
}

SegmentDisplay::SegmentDisplay(QWidget* parent, std::uint32_t style)
    : QFrame(parent), style_(style)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Every pixel inside the frame is painted each time: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Like a plain label, the panel leaves the pointer's moves to its window.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QString SegmentDisplay::readableText()
{
    return platform::fromGbk(text_);
}

void SegmentDisplay::SetText(const char* text)
{
    const char* bytes = text ? text : "";
    if (text_ == bytes)
        return;
    const std::string before = std::move(text_);
    text_ = bytes;
    glyphsStale_ = true;
    update();
    platform::announceTextChange(this, platform::fromGbk(before));
}

void SegmentDisplay::SetSegmentColors(ColorRef unlit, ColorRef lit)
{
    if (unlit == unlitColor_ && lit == litColor_)
        return;
    unlitColor_ = unlit;
    litColor_ = lit;
    update();
}

void SegmentDisplay::SetBackgroundColor(ColorRef colour)
{
    if (colour == backgroundColor_)
        return;
    backgroundColor_ = colour;
    update();
}

const std::vector<SegmentGlyph>& SegmentDisplay::glyphs()
{
    rebuildGlyphs();
    return glyphs_;
}

void SegmentDisplay::rebuildGlyphs()
{
    if (!glyphsStale_)
        return;
    glyphs_.clear();
    upperCaseGbk(text_);
    for (char c : text_) {
        if (auto glyph = glyphForCharacter(c, style_))
            glyphs_.push_back(std::move(*glyph));
    }
    glyphsStale_ = false;
    outlines_.clear();
    outlinesArea_ = QRect();
}

void SegmentDisplay::rebuildOutlines(const QRect& area)
{
    rebuildGlyphs();
    if (area == outlinesArea_)
        return;
    outlines_.clear();
    outlinesArea_ = area;
    const std::vector<QRectF> cells =
        layoutGlyphs(glyphs_, area.width(), area.height(), style_, area.left(), area.top());
    for (std::size_t i = 0; i < cells.size(); ++i)
        glyphs_[i].Draw(outlines_, cells[i].left(), cells[i].top(), cells[i].right(), cells[i].bottom());
    // Closed, so that the stroke also draws the edge back to the first point.
    for (SegmentPath& segment : outlines_)
        segment.path.closeSubpath();
}

void SegmentDisplay::paintEvent(QPaintEvent*)
{
    QPainter target(this);
    drawFrame(&target);
    const QRect area = contentsRect();
    target.setBackground(toQColor(backgroundColor_));
    OffscreenDC surface(target, area);
    QPainter& painter = surface.painter();
    // Width 0: one screen pixel at any scale.
    const QPen unlitPen(toQColor(mixedPenColour(backgroundColor_, unlitColor_)), 0);
    const QPen litPen(toQColor(mixedPenColour(backgroundColor_, litColor_)), 0);
    rebuildOutlines(area);
    for (const SegmentPath& segment : outlines_) {
        painter.setPen(segment.lit ? litPen : unlitPen);
        painter.setBrush(toQColor(segment.lit ? litColor_ : unlitColor_));
        painter.drawPath(segment.path);
    }
}

} // namespace widgets
