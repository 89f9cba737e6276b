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

double twipsPerPixelX()
{
    return kTwipsPerInch / logicalDpiX();
}
double twipsPerPixelY()
{
    return kTwipsPerInch / logicalDpiY();
}

int twipsToPixelsX(double twips)
{
    return roundHalfEven(twips / twipsPerPixelX());
}
int twipsToPixelsY(double twips)
{
    return roundHalfEven(twips / twipsPerPixelY());
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
