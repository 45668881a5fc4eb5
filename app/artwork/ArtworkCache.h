#pragma once
// Keeps every picture once painted: dialogs ask for theirs each time they open.

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <functional>

class ArtworkCache {
public:
    static ArtworkCache& instance();

    QPixmap bitmap(int id, const std::function<QPixmap()>& paint);
    QIcon icon(int id, const std::function<QIcon()>& paint);

private:
    ArtworkCache();
    void clear();

    QHash<int, QPixmap> bitmaps_;
    QHash<int, QIcon> icons_;
};
