// An empty dialog, the cheapest window Qt can show: bare_dialog [width height [title]].
// The benchmark sets it beside the game's windows, so every figure is a ratio to plain Qt.

#include <QApplication>
#include <QDialog>
#include <QString>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    const int width = argc > 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    const int height = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    if (width > 0 && height > 0)
        dialog.setFixedSize(width, height);
    dialog.setWindowTitle(argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("bare_dialog"));
    dialog.exec();
    return 0;
}
