#include "ApplicationIcon.h"

namespace Platform {

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/vemarill/icons/icon-%1.png").arg(size), QSize(size, size));
    // The design's own picture, for a build without the sizes.
    if (icon.availableSizes().isEmpty())
        icon.addFile(QStringLiteral(":/vemarill/icon.png"));
    return icon;
}

} // namespace Platform
