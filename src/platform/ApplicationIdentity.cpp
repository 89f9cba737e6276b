#include "ApplicationIdentity.h"

#include <QGuiApplication>

namespace Platform {

void identifyApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vemarill"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEMARILL_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Vemarill"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vemarill"));
}

} // namespace Platform
