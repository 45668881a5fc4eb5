#pragma once
// The game's own pictures, painted in code: reviewable, and no binary files to keep.

#include <QIcon>
#include <QPixmap>

// Bitmaps by resource id: 140 the city news, 141 the diary. A null pixmap for any other id.
QPixmap gameBitmap(int resourceId);

// Icons by resource id; a null icon for an id without artwork.
QIcon gameIcon(int resourceId);

// Registers the pictures as the source of the dialog templates' pictures.
void installGameArtwork();
