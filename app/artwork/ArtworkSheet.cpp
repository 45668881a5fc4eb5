// Writes every picture of the game, four times enlarged, side by side into one PNG, so the
// artwork can be reviewed without starting the game. Usage: artwork_sheet <out.png>

#include "app/artwork/Artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out.png>\n", argv[0]);
        return 2;
    }

    const int zoom = 4;
    const int gap = 8;
    std::vector<QPixmap> pictures;
    for (int id : {140, 141, 144})
        pictures.push_back(gameBitmap(id));
    const int iconSizes[][2] = {{128, 16}, {128, 24}, {128, 32}, {128, 64}, {134, 32}, {146, 16}};
    for (const auto& icon : iconSizes)
        pictures.push_back(gameIcon(icon[0]).pixmap(icon[1], icon[1]));

    int width = gap;
    int height = 0;
    for (const QPixmap& picture : pictures) {
        width += picture.width() * zoom + gap;
        height = std::max(height, picture.height() * zoom);
    }
    QImage sheet(width, height + 2 * gap, QImage::Format_ARGB32);
    sheet.fill(QColor(236, 233, 216)); // a dialog-grey backdrop, as the pictures will be seen
    QPainter painter(&sheet);
    int x = gap;
    for (const QPixmap& picture : pictures) {
        // Nearest-neighbour, so each pixel of the picture shows as it is.
        painter.drawPixmap(QRect(x, gap, picture.width() * zoom, picture.height() * zoom), picture);
        x += picture.width() * zoom + gap;
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
