#pragma once
// The strip along the bottom of the game window: tips scrolling right to left over a
// green-to-blue gradient, in two alternating colours. The game window drives the hover.

#include "widgets/ColorRef.h"
#include "widgets/EdgeDrawing.h"

#include <QBasicTimer>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

namespace widgets {

class TickerControl : public QWidget {
    Q_OBJECT

public:
    // The strip's one timer. Qt numbers its timers itself; this names the one we run.
    static constexpr int ScrollTimerId = 666;
    static constexpr int ScrollIntervalMs = 40;
    static constexpr int GradientBands = 60;
    static constexpr ColorRef GradientFrom = 0x00B432; // RGB(50, 180, 0)
    static constexpr ColorRef GradientTo = 0xFF0000;   // RGB(0, 0, 255)
    static constexpr int AltSegmentDrop = 3;           // pixels lower for every second segment
    static constexpr const char* MissingTipsText = "Error : Couldnt load File...";
    static constexpr const char* TipsFileName = "tips.txt";

    explicit TickerControl(QWidget* parent = nullptr);

    void setText(const std::string& text);
    std::string getText() const { return text_; }
    void setColours(ColorRef textColour, ColorRef altTextColour);
    // Takes effect at the next setFontSize.
    void setFontName(const QString& face);
    // The only place the font is made.
    void setFontSize(int height);
    void setStep(int pixels) { step_ = pixels; }
    // No repaint: the caller decides.
    void setBorder(std::uint32_t edgeType, std::uint32_t edgeFlags);

    // Takes the present size as the strip's area and scrolls in from its right edge.
    void start();
    void pause();
    // Restarts the timer only when paused, so a running strip keeps its phase.
    void resume();

    // One timer tick: the text moves `step` pixels to the left and the strip repaints.
    void scrollOneStep();

    // Reads "tips.txt" beside the executable, then sets colours, font and step and starts.
    void loadTips(ColorRef textColour, ColorRef altTextColour, const QString& face, int height,
                  int step);
    void loadTipsFile(const QString& path, ColorRef textColour, ColorRef altTextColour,
                      const QString& face, int height, int step);

    // For every mouse move the game window receives: over the strip it pauses with a bump
    // border and repaints; elsewhere it drops the border and resumes, leaving the repaint to
    // the next tick.
    void hoverAt(const QPoint& globalPos);

    int scrollX() const { return scrollX_; }
    int step() const { return step_; }
    bool isRunning() const { return running_; }
    std::uint32_t edgeType() const { return edgeType_; }
    std::uint32_t edgeFlags() const { return edgeFlags_; }
    ColorRef textColour() const { return textColour_; }
    ColorRef altTextColour() const { return altTextColour_; }
    const QFont& tickerFont() const { return font_; }
    int fontHeight() const { return fontHeight_; }
    QString fontFace() const { return fontFace_; }
    // Width of the whole text in the font, bars included.
    int textWidth();

    // One frame of the strip onto `target`, as the paint handler draws it.
    void paintStrip(QPainter& target);

    // The 6 x 15 grip drawn at the right end.
    static QImage gripImage();

protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Segment {
        QString text;
        int width;
        // The segment's text alone on a clear image while it is on the strip: laying out
        // glyphs is the dearest part of a frame, putting down a finished image the cheapest.
        QImage image;
    };

    void layoutText();
    const QImage& segmentImage(std::size_t index, int stripHeight, qreal ratio);
    const QImage& backgroundFor(const QSize& size, qreal ratio);

    std::uint32_t edgeType_ = edge::Sunken;
    std::uint32_t edgeFlags_ = edge::Flat;
    QImage grip_;
    int scrollX_ = 0;
    ColorRef altTextColour_ = 0x00FF00;
    ColorRef textColour_ = 0xFFFFFF;
    int step_ = 0;
    int fontHeight_ = 15;
    QString fontFace_ = QStringLiteral("Comic Sans MS");
    QRect clientRect_;
    std::string text_;
    QFont font_;
    bool running_ = false;

    QBasicTimer timer_;
    // Converted and measured once per text or font change, not per frame.
    std::vector<Segment> segments_;
    std::vector<std::size_t> segmentsWithImages_;
    std::vector<std::size_t> shownSegments_; // this frame's, kept to spare an allocation a frame
    int textWidth_ = 0;
    bool layoutStale_ = true;
    int textMargin_ = 0;
    int textAscent_ = 0;
    QImage background_;
    QImage frame_;
};

} // namespace widgets
