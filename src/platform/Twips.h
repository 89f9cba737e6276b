#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

// Positions and sizes are kept in twips (1/1440 inch) as the window designs give
// them; this is the one place where they become pixels.
namespace Platform {

// At a screen of logicalDpi dots per inch: 15 twips a pixel at 96, 10 at 144.
double twipsPerPixelAt(double logicalDpi);
int twipsToPixelsAt(double twips, double logicalDpi);

double twipsPerPixelX();
double twipsPerPixelY();

int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
double pixelsToTwipsX(int pixels);
double pixelsToTwipsY(int pixels);

// A rectangle given as Left, Top, Width, Height in twips.
QRect twipsRect(double left, double top, double width, double height);

// Names a control and puts it at its design geometry, given in twips of its container.
template <typename Control>
Control* placeControl(Control* control, const char* name, double left, double top, double width,
                      double height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

} // namespace Platform
