#pragma once
// A sunken panel that shows a short text as lit and unlit segment digits, like an LED panel.

#include "widgets/ColorRef.h"
#include "widgets/GlyphLayout.h"
#include "widgets/PathRecording.h"
#include "widgets/SegmentGlyph.h"

#include <QFrame>
#include <cstdint>
#include <string>
#include <vector>

namespace widgets {

class SegmentDisplay : public QFrame {
    Q_OBJECT

public:
    static constexpr ColorRef DefaultUnlitColor = 0x3400; // RGB(0, 52, 0)
    static constexpr ColorRef DefaultLitColor = 0xFF00;   // RGB(0, 255, 0)
    static constexpr std::uint32_t DefaultStyle = KeepAspect;

    // The style is fixed for the life of the display.
    explicit SegmentDisplay(QWidget* parent = nullptr, std::uint32_t style = DefaultStyle);

    // GBK or ASCII bytes up to the first zero byte; a null pointer counts as empty text.
    void SetText(const char* text);
    void SetText(const std::string& text) { SetText(text.c_str()); }
    void SetSegmentColors(ColorRef unlit, ColorRef lit);
    void SetSegmentColors(const QColor& unlit, const QColor& lit);
    void SetBackgroundColor(ColorRef colour);
    void SetBackgroundColor(const QColor& colour);

    // The stored text; upper case once it has been shown.
    const std::string& text() const { return text_; }
    ColorRef unlitColor() const { return unlitColor_; }
    ColorRef litColor() const { return litColor_; }
    ColorRef backgroundColor() const { return backgroundColor_; }
    std::uint32_t style() const { return style_; }

    // The glyphs of the present text, rebuilt first if the text changed.
    const std::vector<SegmentGlyph>& glyphs();

    // Draws the display's contents into `area` of `target` through an off-screen surface.
    void paintContents(QPainter& target, const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuildGlyphs();

    std::string text_ = "EMPTY";
    bool glyphsStale_ = true;
    std::vector<SegmentGlyph> glyphs_;
    ColorRef unlitColor_ = DefaultUnlitColor;
    ColorRef litColor_ = DefaultLitColor;
    ColorRef backgroundColor_ = 0;
    std::uint32_t style_;

    // Device paths of glyph cells already drawn at this size. A cell's paths depend only on
    // its kind and rectangle, not on which segments are lit, so a new figure of the same
    // length is drawn without fitting a curve again.
    struct CellPaths {
        int segmentCount;
        int width;
        double left, top, right, bottom;
        PathRecording paths;
    };
    const PathRecording& pathsFor(const SegmentGlyph& glyph, const CellRect& cell);
    std::vector<CellPaths> cellPaths_;
    QRect cellPathsArea_;
};

} // namespace widgets
