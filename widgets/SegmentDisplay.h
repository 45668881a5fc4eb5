#pragma once
// A sunken panel that shows a short text as lit and unlit segment digits, like an LED panel.

#include "platform/AccessibleText.h"
#include "widgets/ColorRef.h"
#include "widgets/SegmentGlyph.h"

#include <QFrame>
#include <QRectF>
#include <cstdint>
#include <string>
#include <vector>

namespace widgets {

// The glyphs' cells in a client area of width x height pixels starting at (originX, originY),
// one row packed edge to edge, unrounded. With KeepAspect one scale serves both axes and the
// row is centred; without, the row fills the area. No glyphs, no cells.
std::vector<QRectF> layoutGlyphs(const std::vector<SegmentGlyph>& glyphs, int width, int height,
                                 std::uint32_t style, int originX = 0, int originY = 0);

// A screen reader reads the figure as text and as a number, under the label its window names it after.
class SegmentDisplay : public QFrame, public platform::ReadableText {
    Q_OBJECT

public:
    static constexpr ColorRef kDefaultUnlitColor = 0x3400; // RGB(0, 52, 0)
    static constexpr ColorRef kDefaultLitColor = 0xFF00;   // RGB(0, 255, 0)
    static constexpr std::uint32_t kDefaultStyle = KeepAspect;

    // The style is fixed for the life of the display.
    explicit SegmentDisplay(QWidget* parent = nullptr, std::uint32_t style = kDefaultStyle);

    // GBK or ASCII bytes up to the first zero byte; a null pointer counts as empty text.
    void SetText(const char* text);
    void SetText(const std::string& text) { SetText(text.c_str()); }
    void SetSegmentColors(ColorRef unlit, ColorRef lit);
    void SetBackgroundColor(ColorRef colour);

    // The stored text; upper case once it has been shown.
    const std::string& text() const { return text_; }

    // The glyphs of the present text, rebuilt first if the text changed.
    const std::vector<SegmentGlyph>& glyphs();

    QString readableText() override;
    bool showsFigure() const override { return true; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuildGlyphs();
    void rebuildOutlines(const QRect& area);

    std::string text_ = "EMPTY";
    bool glyphsStale_ = true;
    std::vector<SegmentGlyph> glyphs_;
    ColorRef unlitColor_ = kDefaultUnlitColor;
    ColorRef litColor_ = kDefaultLitColor;
    ColorRef backgroundColor_ = 0;
    std::uint32_t style_;

    // Every segment of the row in device pixels, built once per text and size: fitting the
    // curved outlines is the costly part of drawing them.
    std::vector<SegmentPath> outlines_;
    QRect outlinesArea_;
};

} // namespace widgets
