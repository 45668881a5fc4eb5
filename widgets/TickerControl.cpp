#include "widgets/TickerControl.h"

#include "platform/AppFiles.h"
#include "platform/Gbk.h"
#include "widgets/Gradient.h"
#include "widgets/TickerSegments.h"
#include "widgets/TipsFile.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace widgets {

namespace {

// Tips are a line or two; a wider segment is not worth keeping as an image.
constexpr int MaxSegmentImageWidth = 4096;

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

QSize screenPixels(const QSize& logical, qreal ratio)
{
    return (QSizeF(logical) * ratio).toSize();
}

} // namespace

TickerControl::TickerControl(QWidget* parent)
    : QWidget(parent), grip_(gripImage()), font_(fontWithCellHeight(fontFace_, fontHeight_))
{
    // The frame covers the whole strip: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The pointer's moves over the strip belong to the window, which drives the hover; a
    // widget under the pointer would otherwise take them and drop them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QImage TickerControl::gripImage()
{
    static const QRgb columns[6] = {qRgb(255, 255, 255), qRgb(192, 192, 192), qRgb(128, 128, 128),
                                    qRgb(192, 192, 192), qRgb(255, 255, 255), qRgb(192, 192, 192)};
    QImage grip(6, 15, QImage::Format_RGB32);
    for (int y = 0; y < grip.height(); ++y)
        for (int x = 0; x < grip.width(); ++x)
            grip.setPixel(x, y, columns[x]);
    return grip;
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
    for (std::size_t i : segmentsWithImages_)
        segments_[i].image = QImage();
    segmentsWithImages_.clear();
}

void TickerControl::setFontName(const QString& face)
{
    fontFace_ = face;
}

void TickerControl::setFontSize(int height)
{
    fontHeight_ = height;
    font_ = fontWithCellHeight(fontFace_, fontHeight_);
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
    timer_.stop();
    running_ = true;
    timer_.start(ScrollIntervalMs, this);
}

void TickerControl::pause()
{
    running_ = false;
    timer_.stop();
}

void TickerControl::resume()
{
    if (running_)
        return;
    timer_.stop();
    timer_.start(ScrollIntervalMs, this);
    running_ = true;
}

void TickerControl::loadTips(ColorRef textColour, ColorRef altTextColour, const QString& face,
                             int height, int step)
{
    loadTipsFile(platform::fileBesideExecutable(QString::fromLatin1(TipsFileName)), textColour,
                 altTextColour, face, height, step);
}

void TickerControl::loadTipsFile(const QString& path, ColorRef textColour, ColorRef altTextColour,
                                 const QString& face, int height, int step)
{
    // A missing file is no error for the game: the message holds no bar, so nothing shows.
    const std::optional<std::string> tips = readTipsFile(path);
    setText(tips ? *tips : std::string(MissingTipsText));
    setColours(textColour, altTextColour);
    setFontName(face);
    setFontSize(height);
    setStep(step);
    start();
}

void TickerControl::hoverAt(const QPoint& globalPos)
{
    const QRect tickerRect(mapToGlobal(QPoint(0, 0)), size());
    if (tickerRect.contains(globalPos)) {
        setBorder(edge::Bump, edge::AllSides);
        pause();
        update();
    } else {
        setBorder(edge::Sunken, edge::Flat);
        resume();
    }
}

int TickerControl::textWidth()
{
    layoutText();
    return textWidth_;
}

// Measured when first needed, so that setting a text and then its font measures once.
void TickerControl::layoutText()
{
    if (!layoutStale_)
        return;
    layoutStale_ = false;
    segments_.clear();
    segmentsWithImages_.clear();
    const QFontMetrics metrics(font_);
    textMargin_ = metrics.height();
    textAscent_ = metrics.ascent();
    textWidth_ = text_.empty() ? 0 : metrics.horizontalAdvance(platform::fromGbk(text_));
    for (std::string_view bytes : tickerSegments(text_)) {
        const QString segment = platform::fromGbk(bytes);
        segments_.push_back({segment, metrics.horizontalAdvance(segment), QImage()});
    }
}

// Glyphs may reach past their advance and above their line; the margin keeps that ink.
const QImage& TickerControl::segmentImage(std::size_t index, int stripHeight, qreal ratio)
{
    Segment& segment = segments_[index];
    const int margin = textMargin_;
    const QSize size = screenPixels(QSize(segment.width + 2 * margin, stripHeight + margin), ratio);
    if (segment.image.size() != size) {
        segment.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        segment.image.setDevicePixelRatio(ratio);
        segment.image.fill(Qt::transparent);
        QPainter painter(&segment.image);
        painter.setFont(font_);
        painter.setPen(toQColor(index % 2 ? altTextColour_ : textColour_));
        painter.drawText(QPointF(margin, margin + textAscent_), segment.text);
    }
    return segment.image;
}

const QImage& TickerControl::backgroundFor(const QSize& size, qreal ratio)
{
    if (background_.size() != screenPixels(size, ratio)) {
        background_ = QImage(screenPixels(size, ratio), QImage::Format_RGB32);
        background_.setDevicePixelRatio(ratio);
        background_.fill(Qt::black);
        QPainter painter(&background_);
        fillGradient(painter, QRect(QPoint(0, 0), size), GradientBands, GradientFrom, GradientTo);
    }
    return background_;
}

void TickerControl::timerEvent(QTimerEvent* event)
{
    QWidget::timerEvent(event);
    if (event->timerId() == timer_.timerId())
        scrollOneStep();
}

void TickerControl::scrollOneStep()
{
    scrollX_ -= step_;
    update();
}

void TickerControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintStrip(painter);
}

void TickerControl::paintStrip(QPainter& target)
{
    // Before the first start the strip still has an area to show: its present one.
    const QRect area = clientRect_.isValid() ? clientRect_ : rect();
    if (area.isEmpty())
        return;

    // On a scaled screen the images take the screen's pixels, so the text stays sharp.
    const qreal ratio = target.device() ? target.device()->devicePixelRatioF() : 1.0;
    if (frame_.size() != screenPixels(area.size(), ratio)) {
        frame_ = QImage(screenPixels(area.size(), ratio), QImage::Format_RGB32);
        frame_.setDevicePixelRatio(ratio);
    }
    {
        QPainter painter(&frame_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, backgroundFor(area.size(), ratio));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

        layoutText();
        if (!text_.empty()) {
            if (scrollX_ <= -textWidth_)
                scrollX_ = area.width();
            std::vector<std::size_t>& shown = shownSegments_;
            shown.clear();
            int x = scrollX_;
            for (std::size_t i = 0; i < segments_.size() && x < area.width(); ++i) {
                const Segment& segment = segments_[i];
                // Segments wholly left of the strip are only counted, not drawn.
                if (x + segment.width > 0) {
                    const int y = i % 2 ? AltSegmentDrop : 0;
                    if (segment.width <= MaxSegmentImageWidth) {
                        painter.drawImage(x - textMargin_, y - textMargin_,
                                          segmentImage(i, area.height(), ratio));
                        shown.push_back(i);
                    } else {
                        // A freak of a tips file: one endless segment is drawn as it goes.
                        painter.setFont(font_);
                        painter.setPen(toQColor(i % 2 ? altTextColour_ : textColour_));
                        painter.drawText(QPointF(x, y + textAscent_), segment.text);
                    }
                }
                x += segment.width;
            }
            // Images of segments that have left the strip go, so a long text keeps only a
            // strip's worth of them.
            for (std::size_t i : segmentsWithImages_)
                if (std::find(shown.begin(), shown.end(), i) == shown.end())
                    segments_[i].image = QImage();
            segmentsWithImages_.swap(shown);
        }
    }

    target.drawImage(area.topLeft(), frame_);
    drawEdge(target, area, edgeType_, edgeFlags_, palette());
    target.drawImage(area.left() + area.width() - grip_.width(), 0, grip_);
}

} // namespace widgets
