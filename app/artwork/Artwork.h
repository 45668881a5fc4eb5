#pragma once
// The game's own pictures, by resource id.

#include <QIcon>
#include <QPixmap>

namespace app {

// Bitmaps: 140 the city news, 141 the diary, 144 the airport banner. A null pixmap for any
// other id.
QPixmap gameBitmap(int resourceId);

// Icons: 128 the window icon, 134 the hospital, 146 the list rows. A null icon for any other id.
QIcon gameIcon(int resourceId);

// Makes these pictures the source of the dialog templates' pictures.
void installGameArtwork();

} // namespace app
