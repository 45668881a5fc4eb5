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
    // Like a plain label, the panel leaves the pointer's moves to its window.
    setAttribute(Qt::WA_TransparentForMouseEvents);
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
}

const PathRecording& SegmentDisplay::pathsFor(const SegmentGlyph& glyph, const CellRect& cell)
{
    for (const CellPaths& known : cellPaths_)
        if (known.segmentCount == glyph.SegmentCount() && known.width == glyph.Width() &&
            known.left == cell.left && known.top == cell.top && known.right == cell.right &&
            known.bottom == cell.bottom)
            return known.paths;
    // Every layout of up to a dozen characters fits; beyond that start afresh.
    constexpr std::size_t MaxKeptCells = 128;
    if (cellPaths_.size() >= MaxKeptCells)
        cellPaths_.clear();
    CellPaths fresh{glyph.SegmentCount(), glyph.Width(), cell.left, cell.top, cell.right,
                    cell.bottom, PathRecording()};
    glyph.Draw(fresh.paths, cell.left, cell.top, cell.right, cell.bottom);
    cellPaths_.push_back(std::move(fresh));
    return cellPaths_.back().paths;
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
    if (area != cellPathsArea_) {
        cellPaths_.clear();
        cellPathsArea_ = area;
    }
    const std::vector<CellRect> cells =
        layoutGlyphs(glyphs_, area.width(), area.height(), style_, area.left(), area.top());
    for (std::size_t i = 0; i < cells.size(); ++i)
        pathsFor(glyphs_[i], cells[i]).replay(sink, glyphs_[i].Mask());
}

} // namespace widgets
