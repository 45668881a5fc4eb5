#pragma once
// The strip along the bottom of the game window: tips scrolling right to left over a
// green-to-blue gradient, in two alternating colours. It stands still under the pointer.

#include "platform/AccessibleText.h"
#include "widgets/ColorRef.h"

#include <QBasicTimer>
#include <QStaticText>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

namespace widgets {

// The border words of setBorder: an edge kind and the sides to draw.
namespace edge {
constexpr std::uint32_t Bump = 9;       // a raised outer ring round a sunken inner one
constexpr std::uint32_t Sunken = 10;
constexpr std::uint32_t AllSides = 15;
constexpr std::uint32_t Flat = 0x4000;  // with no side bits: no border at all
} // namespace edge

// Channel steps are (to - from) / (n - 1), truncated toward zero; bands are
// rect.width() / n pixels wide and the last band runs to the right edge.
void fillGradient(QPainter& painter, const QRect& rect, int bands, ColorRef from, ColorRef to);

// A screen reader reads all the tips, one after the other; the value is what is in view now.
// The strip sends no events as it scrolls: a reader would hear of it twenty-five times a second.
class TickerControl : public QWidget, public platform::ReadableText {
    Q_OBJECT

public:
    static constexpr int kScrollIntervalMs = 40;
    static constexpr const char* kMissingTipsText = "Error : Couldnt load File...";

    explicit TickerControl(QWidget* parent = nullptr);

    void setText(const std::string& text);
    std::string getText() const { return text_; }
    void setColours(ColorRef textColour, ColorRef altTextColour);
    // Takes effect at the next setFontSize.
    void setFontName(const QString& face) { fontFace_ = face; }
    // The only place the font is made; it becomes the widget's font.
    void setFontSize(int height);
    void setStep(int pixels) { step_ = pixels; }
    // No repaint: the caller decides.
    void setBorder(std::uint32_t edgeType, std::uint32_t edgeFlags);

    // Takes the present size as the strip's area and scrolls in from its right edge.
    void start();
    void pause() { timer_.stop(); }
    // Restarts the timer only when paused, so a running strip keeps its phase.
    void resume();

    // Reads the tips file at `path`, by default the game's own (see platform/AppFiles), then
    // sets colours, font and step and starts.
    void loadTips(ColorRef textColour, ColorRef altTextColour, const QString& face, int height,
                  int step, const QString& path = QString());

    // The segments at least partly inside the strip now, left to right, one blank between.
    QString textInView() override { return joinedSegments(true); }
    // Every segment, in order, one blank between.
    QString readableText() override { return joinedSegments(false); }

protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Laid out once: shaping the text and finding fallback fonts for its Chinese characters
    // was a sixth of the game window's idle processor time when done every frame.
    struct Segment {
        QStaticText text;
        int width;
    };

    // Under the pointer the strip stands, with a bump border.
    void holdUnderPointer();
    void release();
    void layoutText();
    QString joinedSegments(bool onlyInView);

    std::uint32_t edgeType_ = edge::Sunken;
    std::uint32_t edgeFlags_ = edge::Flat;
    int scrollX_ = 0;
    ColorRef altTextColour_ = 0x00FF00;
    ColorRef textColour_ = 0xFFFFFF;
    int step_ = 0;
    int fontHeight_ = 15;
    QString fontFace_ = QStringLiteral("Comic Sans MS");
    QRect clientRect_;
    std::string text_;
    // Running while its timer is.
    QBasicTimer timer_;
    // Converted and measured once per text or font change, not per frame: measuring a tips
    // file of a MiB takes most of a second.
    std::vector<Segment> segments_;
    int textWidth_ = 0;
    bool layoutStale_ = true;
    bool windowLeft_ = false;
};

} // namespace widgets
