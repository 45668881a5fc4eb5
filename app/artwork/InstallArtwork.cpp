#include "app/artwork/Artwork.h"

#include "platform/Resources.h"

void installGameArtwork()
{
    platform::setResourceSource({gameBitmap, gameIcon});
}
