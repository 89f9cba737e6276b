#include "Twips.h"

#include "Rounding.h"

#include <QGuiApplication>
#include <QScreen>

namespace Platform {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;

double logicalDpiX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : kFallbackDpi;
}

double logicalDpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : kFallbackDpi;
}
} // namespace

double twipsPerPixelAt(double logicalDpi)
{
    return kTwipsPerInch / (logicalDpi > 0 ? logicalDpi : kFallbackDpi);
}

int twipsToPixelsAt(double twips, double logicalDpi)
{
    return roundHalfEven(twips / twipsPerPixelAt(logicalDpi));
}

double twipsPerPixelX()
{
    return twipsPerPixelAt(logicalDpiX());
}
double twipsPerPixelY()
{
    return twipsPerPixelAt(logicalDpiY());
}

int twipsToPixelsX(double twips)
{
    return twipsToPixelsAt(twips, logicalDpiX());
}
int twipsToPixelsY(double twips)
{
    return twipsToPixelsAt(twips, logicalDpiY());
}
double pixelsToTwipsX(int pixels)
{
    return pixels * twipsPerPixelX();
}
double pixelsToTwipsY(int pixels)
{
    return pixels * twipsPerPixelY();
}

QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixelsX(left), twipsToPixelsY(top), twipsToPixelsX(width),
                 twipsToPixelsY(height));
}

} // namespace Platform
