// The cheapest windows Qt can show, as yardsticks for the benchmark:
//   bare_dialog [width height [title [text-file]]]
// Without a text file an empty dialog; with one, the file's UTF-8 text in a single word-wrapped
// label in the game's dialog face, so what text alone costs can be told apart from the rest.

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QString>

#include <algorithm>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    const int width = argc > 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    const int height = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    if (width > 0 && height > 0)
        dialog.setFixedSize(width, height);
    dialog.setWindowTitle(argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("bare_dialog"));
    if (argc > 4) {
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
    }
    dialog.exec();
    return 0;
}
