#include "widgets/SegmentDisplay.h"

#include "widgets/CharacterGlyph.h"
#include "widgets/GbkBytes.h"
#include "widgets/GlyphLayout.h"
#include "widgets/OffscreenDC.h"
#include "widgets/PainterPathSink.h"
#include "widgets/PolygonRaster.h"

#include <QPainter>
#include <optional>

namespace widgets {

namespace {

QPen onePixelPen(ColorRef colour)
{
    QPen pen(toQColor(colour));
    pen.setWidth(1);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

SegmentDisplay::SegmentDisplay(QWidget* parent, std::uint32_t style)
    : QFrame(parent), style_(style)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    // Every pixel inside the frame is painted each time: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void SegmentDisplay::SetText(const char* text)
{
    const char* bytes = text ? text : "";
    if (text_ == bytes)
        return;
    text_ = bytes;
    glyphsStale_ = true;
    update();
}

void SegmentDisplay::SetSegmentColors(ColorRef unlit, ColorRef lit)
{
    if (unlit == unlitColor_ && lit == litColor_)
        return;
    unlitColor_ = unlit;
    litColor_ = lit;
    update();
}

void SegmentDisplay::SetSegmentColors(const QColor& unlit, const QColor& lit)
{
    SetSegmentColors(toColorRef(unlit), toColorRef(lit));
}

void SegmentDisplay::SetBackgroundColor(ColorRef colour)
{
    if (colour == backgroundColor_)
        return;
    backgroundColor_ = colour;
    update();
}

void SegmentDisplay::SetBackgroundColor(const QColor& colour)
{
    SetBackgroundColor(toColorRef(colour));
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
    pathsValid_ = false;
}

void SegmentDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    paintContents(painter, contentsRect());
}

void SegmentDisplay::paintContents(QPainter& target, const QRect& area)
{
    target.setBackground(toQColor(backgroundColor_));
    OffscreenDC surface(target, area);
    QPainter& painter = surface.painter();

    const SegmentPaint paint{onePixelPen(mixedPenColour(backgroundColor_, unlitColor_)),
                             onePixelPen(mixedPenColour(backgroundColor_, litColor_)),
                             QBrush(toQColor(unlitColor_)), QBrush(toQColor(litColor_))};
    std::optional<PolygonRaster> raster;
    if (QImage* pixels = surface.pixels())
        raster.emplace(*pixels, surface.pixelOffset());
    PainterPathSink sink(painter, paint, raster ? &*raster : nullptr);

    rebuildGlyphs();
    if (!pathsValid_ || pathsArea_ != area) {
        paths_.clear();
        const std::vector<CellRect> cells =
            layoutGlyphs(glyphs_, area.width(), area.height(), style_, area.left(), area.top());
        for (std::size_t i = 0; i < cells.size(); ++i)
            glyphs_[i].Draw(paths_, cells[i].left, cells[i].top, cells[i].right, cells[i].bottom);
        pathsArea_ = area;
        pathsValid_ = true;
    }
    paths_.replay(sink);
}

} // namespace widgets
