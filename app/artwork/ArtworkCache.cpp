#include "app/artwork/ArtworkCache.h"

#include <QCoreApplication>

ArtworkCache& ArtworkCache::instance()
{
    static ArtworkCache cache;
    return cache;
}

ArtworkCache::ArtworkCache()
{
    // Pixmaps must go before the application object does, not at static destruction.
    qAddPostRoutine([] { ArtworkCache::instance().clear(); });
}

void ArtworkCache::clear()
{
    bitmaps_.clear();
    icons_.clear();
}

QPixmap ArtworkCache::bitmap(int id, const std::function<QPixmap()>& paint)
{
    auto found = bitmaps_.constFind(id);
    if (found != bitmaps_.constEnd())
        return *found;
    QPixmap painted = paint();
    if (!painted.isNull())
        bitmaps_.insert(id, painted);
    return painted;
}

QIcon ArtworkCache::icon(int id, const std::function<QIcon()>& paint)
{
    auto found = icons_.constFind(id);
    if (found != icons_.constEnd())
        return *found;
    QIcon painted = paint();
    if (!painted.isNull())
        icons_.insert(id, painted);
    return painted;
}
