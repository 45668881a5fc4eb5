#include "app/artwork/Artwork.h"

#include "platform/Resources.h"

#include <QString>
#include <initializer_list>

namespace app {

namespace {

struct IconSizes {
    int id;
    std::initializer_list<int> sizes; // each size drawn on its own, so small ones stay crisp
};

const IconSizes kIcons[] = {
    {128, {16, 24, 32, 48, 64, 128}}, // start screen and about box
    {134, {32}},                      // hospital
    {146, {16}},                      // market and room rows
};

} // namespace

// Qt keeps loaded pixmaps in its own cache, so dialogs may ask for theirs each time they open.
QPixmap gameBitmap(int resourceId)
{
    return QPixmap(QStringLiteral(":/artwork/bitmap%1.png").arg(resourceId));
}

QIcon gameIcon(int resourceId)
{
    QIcon icon;
    for (const IconSizes& art : kIcons) {
        if (art.id != resourceId)
            continue;
        for (int size : art.sizes)
            icon.addFile(QStringLiteral(":/artwork/icon%1-%2.png").arg(resourceId).arg(size), QSize(size, size));
    }
    return icon;
}

void installGameArtwork()
{
    platform::setResourceSource({gameBitmap, gameIcon});
}

} // namespace app
