#include "app/artwork/Artwork.h"

#include "app/artwork/ArtworkCache.h"
#include "app/artwork/Painters.h"

#include <QImage>
#include <vector>

namespace {

struct BitmapArt {
    int id;
    int width;
    int height;
    void (*paint)(QPainter&, int width, int height);
};

const BitmapArt kBitmaps[] = {
    {140, 81, 102, paintNewspaper},     // "北京新闻"
    {141, 81, 102, paintDiary},         // "我在北京的岁月"
    {144, 149, 17, paintAirportBanner}, // airport notice and about box
};

struct IconArt {
    int id;
    std::vector<int> sizes; // each size is painted on its own, so small ones stay crisp
    void (*paint)(QPainter&, int size);
};

const IconArt kIcons[] = {
    {128, {16, 24, 32, 48, 64, 128}, paintPeddlerIcon}, // start screen and about box
    {134, {32}, paintDoctorBagIcon},                    // hospital
    {146, {16}, paintGoodsBoxIcon},                     // market and room rows
};

template <typename Paint>
QPixmap paintOnTransparent(int width, int height, Paint paint)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        paint(painter);
    }
    return QPixmap::fromImage(image);
}

QPixmap paintBitmap(const BitmapArt& art)
{
    return paintOnTransparent(art.width, art.height,
                              [&](QPainter& p) { art.paint(p, art.width, art.height); });
}

QIcon paintIcon(const IconArt& art)
{
    QIcon icon;
    for (int size : art.sizes)
        icon.addPixmap(paintOnTransparent(size, size, [&](QPainter& p) { art.paint(p, size); }));
    return icon;
}

} // namespace

QPixmap gameBitmap(int resourceId)
{
    for (const BitmapArt& art : kBitmaps) {
        if (art.id == resourceId)
            return ArtworkCache::instance().bitmap(resourceId, [&] { return paintBitmap(art); });
    }
    return QPixmap();
}

QIcon gameIcon(int resourceId)
{
    for (const IconArt& art : kIcons) {
        if (art.id == resourceId)
            return ArtworkCache::instance().icon(resourceId, [&] { return paintIcon(art); });
    }
    return QIcon();
}
