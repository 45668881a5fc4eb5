#include "platform/Resources.h"

namespace platform {

namespace {

ResourceSource& registeredSource()
{
    static ResourceSource source;
    return source;
}

} // namespace

void setResourceSource(ResourceSource source)
{
    registeredSource() = std::move(source);
}

QPixmap bitmapResource(int id)
{
    const auto& source = registeredSource();
    return source.bitmap ? source.bitmap(id) : QPixmap();
}

QIcon iconResource(int id)
{
    const auto& source = registeredSource();
    return source.icon ? source.icon(id) : QIcon();
}

} // namespace platform
