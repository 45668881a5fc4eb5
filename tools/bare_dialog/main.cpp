// The cheapest windows Qt can show, as yardsticks for the benchmark:
//   bare_dialog [width height [title [text-file | --strip strip-width strip-height]]]
// Without a text file an empty dialog; with one, the file's UTF-8 text in a single word-wrapped
// label in the game's dialog face, so what text alone costs can be told apart from the rest.
// With --strip, a strip of that size along the bottom repaints itself 25 times a second, the
// least a scrolling ticker can cost.

#include <QApplication>
#include <QBasicTimer>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QString>
#include <QTimerEvent>

#include <algorithm>

namespace {

class RepaintingStrip : public QWidget {
public:
    explicit RepaintingStrip(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        timer_.start(40, this);
    }

protected:
    void timerEvent(QTimerEvent* event) override
    {
        if (event->timerId() != timer_.timerId())
            return;
        ++frame_;
        update();
    }

    void paintEvent(QPaintEvent*) override
    {
        // A different picture every frame, so that each one really reaches the screen.
        QPainter painter(this);
        painter.fillRect(rect(), QColor(50, 180, 0));
        painter.fillRect(QRect(width() - 1 - frame_ % std::max(width(), 1), 0, 1, height()), Qt::white);
    }

private:
    QBasicTimer timer_;
    int frame_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    const int width = argc > 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    const int height = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    if (width > 0 && height > 0)
        dialog.setFixedSize(width, height);
    dialog.setWindowTitle(argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("bare_dialog"));
    if (argc > 6 && QString::fromLocal8Bit(argv[4]) == QStringLiteral("--strip")) {
        const int stripWidth = QString::fromLocal8Bit(argv[5]).toInt();
        const int stripHeight = QString::fromLocal8Bit(argv[6]).toInt();
        auto* strip = new RepaintingStrip(&dialog);
        strip->setGeometry((width - stripWidth) / 2, height - stripHeight - 10, stripWidth, stripHeight);
    } else if (argc > 4) {
        QFile file(QString::fromLocal8Bit(argv[4]));
        if (!file.open(QIODevice::ReadOnly)) {
            qCritical("bare_dialog: cannot read %s", argv[4]);
            return 1;
        }
        auto* label = new QLabel(QString::fromUtf8(file.readAll()), &dialog);
        QFont font(QStringLiteral("WenQuanYi Micro Hei"));
        font.setPixelSize(12);
        label->setFont(font);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(10, 10, std::max(width - 20, 1), std::max(height - 20, 1));
        // Lay the text out before the window maps, as any window that takes its size from its
        // font must (the game's dialogs do). Left to the first paint, loading the font and
        // shaping the text would fall after the moment the benchmark stops its clock.
        label->heightForWidth(label->width());
    }
    dialog.exec();
    return 0;
}
