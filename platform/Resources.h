#pragma once
// Pictures of the templates (bitmaps and icons known by resource id). The platform does not own
// the artwork: the application registers where pictures come from before the first dialog opens.

#include <QIcon>
#include <QPixmap>
#include <functional>

namespace platform {

struct ResourceSource {
    std::function<QPixmap(int id)> bitmap;
    std::function<QIcon(int id)> icon;
};

void setResourceSource(ResourceSource source);

// A null pixmap or icon when the id is unknown or no source was registered.
QPixmap bitmapResource(int id);
QIcon iconResource(int id);

} // namespace platform
