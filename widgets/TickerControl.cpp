#include "widgets/TickerControl.h"

#include "platform/AppFiles.h"
#include "platform/Gbk.h"
#include "widgets/TipsFile.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTimerEvent>
#include <QtWidgets/qdrawutil.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace widgets {

namespace {

constexpr int kGradientBands = 60;
constexpr ColorRef kGradientFrom = 0x00B432; // RGB(50, 180, 0)
constexpr ColorRef kGradientTo = 0xFF0000;   // RGB(0, 0, 255)
constexpr int kAltSegmentDrop = 3;           // pixels lower for every second segment

// A font whose character cell (ascent plus descent) is `height` pixels, as a positive
// height asks for; a negative one gives the em size directly.
QFont fontWithCellHeight(const QString& face, int height)
{
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    if (height == 0)
        return font;
    const int pixels = std::abs(height);
    font.setPixelSize(pixels);
    if (height > 0) {
        const int cell = QFontMetrics(font).height();
        if (cell > pixels)
            font.setPixelSize(std::max(1, int(std::lround(double(pixels) * pixels / cell))));
    }
    return font;
}

// The 6 x 15 grip at the right end: columns of white and greys.
const QColor kGripColumns[6] = {QColor(255, 255, 255), QColor(192, 192, 192), QColor(128, 128, 128),
                                QColor(192, 192, 192), QColor(255, 255, 255), QColor(192, 192, 192)};

} // namespace

void fillGradient(QPainter& painter, const QRect& rect, int bands, ColorRef from, ColorRef to)
{
    if (bands <= 0 || rect.isEmpty())
        return;
    const int steps = bands > 1 ? bands - 1 : 1;
    const int redStep = (redOf(to) - redOf(from)) / steps;
    const int greenStep = (greenOf(to) - greenOf(from)) / steps;
    const int blueStep = (blueOf(to) - blueOf(from)) / steps;
    const int bandWidth = rect.width() / bands;
    const int right = rect.left() + rect.width();

    int x = rect.left();
    for (int i = 0; i < bands; ++i) {
        const int next = i == bands - 1 ? right : x + bandWidth;
        const QColor colour(redOf(from) + i * redStep, greenOf(from) + i * greenStep,
                            blueOf(from) + i * blueStep);
        // Each band reaches one column into the next, which that band then paints over.
        painter.fillRect(QRect(x, rect.top(), next + 1 - x, rect.height()), colour);
        x = next;
    }
}

TickerControl::TickerControl(QWidget* parent)
    : QWidget(parent)
{
    setFont(fontWithCellHeight(fontFace_, fontHeight_));
    // The gradient covers the whole strip: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button reach the strip only with tracking on.
    setMouseTracking(true);
}

void TickerControl::setText(const std::string& text)
{
    text_ = text;
    layoutStale_ = true;
}

void TickerControl::setColours(ColorRef textColour, ColorRef altTextColour)
{
    textColour_ = textColour;
    altTextColour_ = altTextColour;
}

void TickerControl::setFontSize(int height)
{
    fontHeight_ = height;
    setFont(fontWithCellHeight(fontFace_, fontHeight_));
    layoutStale_ = true;
}

void TickerControl::setBorder(std::uint32_t edgeType, std::uint32_t edgeFlags)
{
    edgeType_ = edgeType;
    edgeFlags_ = edgeFlags;
}

void TickerControl::start()
{
    clientRect_ = rect();
    scrollX_ = clientRect_.width();
    timer_.start(kScrollIntervalMs, this);
}

void TickerControl::resume()
{
    if (!timer_.isActive())
        timer_.start(kScrollIntervalMs, this);
}

void TickerControl::loadTips(ColorRef textColour, ColorRef altTextColour, const QString& face,
                             int height, int step, const QString& path)
{
    // A missing file is no error for the game: the message holds no bar, so nothing shows.
    const std::optional<std::string> tips = readTipsFile(
        path.isEmpty() ? platform::tipsFilePath() : path);
    setText(tips ? *tips : std::string(kMissingTipsText));
    setColours(textColour, altTextColour);
    setFontName(face);
    setFontSize(height);
    setStep(step);
    start();
}

void TickerControl::holdUnderPointer()
{
    setBorder(edge::Bump, edge::AllSides);
    pause();
    update();
}

void TickerControl::mouseMoveEvent(QMouseEvent*)
{
    holdUnderPointer();
}

void TickerControl::enterEvent(QEnterEvent*)
{
    // The window's own enter and leave tell whether the pointer left it from the strip.
    window()->installEventFilter(this);
    holdUnderPointer();
}

// Leaving the window straight from the strip keeps it held until the pointer is over the
// window again. The window's leave follows this one in the same delivery: hence the queue.
void TickerControl::leaveEvent(QEvent*)
{
    QMetaObject::invokeMethod(this, [this] {
        if (!underMouse() && !windowLeft_)
            release();
    }, Qt::QueuedConnection);
}

bool TickerControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window())
        return false;
    if (event->type() == QEvent::Leave) {
        windowLeft_ = true;
    } else if (event->type() == QEvent::Enter && windowLeft_) {
        windowLeft_ = false;
        release();
    }
    return false;
}

// No repaint: the next tick draws the strip without its border.
void TickerControl::release()
{
    setBorder(edge::Sunken, edge::Flat);
    resume();
}

// Measured when first needed, so that setting a text and then its font measures once.
void TickerControl::layoutText()
{
    if (!layoutStale_)
        return;
    layoutStale_ = false;
    segments_.clear();
    const QFontMetrics metrics(font());
    textWidth_ = text_.empty() ? 0 : metrics.horizontalAdvance(platform::fromGbk(text_));
    for (std::string_view bytes : tickerSegments(text_)) {
        const QString segment = platform::fromGbk(bytes);
        QStaticText text(segment);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font());
        segments_.push_back({text, metrics.horizontalAdvance(segment)});
    }
}

QString TickerControl::joinedSegments(bool onlyInView)
{
    layoutText();
    const int width = clientRect_.isValid() ? clientRect_.width() : this->width();
    QStringList texts;
    int x = scrollX_;
    for (const Segment& segment : segments_) {
        if (!onlyInView || (x < width && x + segment.width > 0))
            texts << segment.text.text();
        x += segment.width;
    }
    return texts.join(QLatin1Char(' '));
}

void TickerControl::timerEvent(QTimerEvent* event)
{
    QWidget::timerEvent(event);
    if (event->timerId() != timer_.timerId())
        return;
    scrollX_ -= step_;
    update();
}

void TickerControl::paintEvent(QPaintEvent*)
{
    // Before the first start the strip still has an area to show: its present one.
    const QRect area = clientRect_.isValid() ? clientRect_ : rect();
    if (area.isEmpty())
        return;
    QPainter painter(this);
    painter.setClipRect(area);
    fillGradient(painter, area, kGradientBands, kGradientFrom, kGradientTo);

    layoutText();
    if (!text_.empty()) {
        if (scrollX_ <= -textWidth_)
            scrollX_ = area.width();
        int x = scrollX_;
        for (std::size_t i = 0; i < segments_.size() && x < area.width(); ++i) {
            // Segments wholly left of the strip are only counted, not drawn.
            if (x + segments_[i].width > 0) {
                painter.setPen(toQColor(i % 2 ? altTextColour_ : textColour_));
                const int y = i % 2 ? kAltSegmentDrop : 0;
                painter.drawStaticText(QPointF(area.left() + x, area.top() + y), segments_[i].text);
            }
            x += segments_[i].width;
        }
    }

    if (edgeType_ == edge::Bump && (edgeFlags_ & edge::AllSides) == edge::AllSides) {
        // The bump's rings take the palette's midlight and shadow for their light and dark.
        QPalette bump = palette();
        bump.setColor(QPalette::Light, palette().color(QPalette::Midlight));
        bump.setColor(QPalette::Dark, palette().color(QPalette::Shadow));
        qDrawShadeRect(&painter, area, bump, false, 1, 0);
    }
    for (int k = 0; k < 6; ++k)
        painter.fillRect(area.left() + area.width() - 6 + k, 0, 1, 15, kGripColumns[k]);
}

} // namespace widgets
