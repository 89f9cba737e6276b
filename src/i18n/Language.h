#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// Which language the interface speaks. English is the source; the translations
// ship inside the program. File contents (list files, exports) never change
// with it.
namespace Language {

// The shipped translations' codes, such as "de".
QStringList available();

// The language set in the settings, or empty to follow the system.
QString chosen();
void choose(const QString& code);

// The language to use for the given preference list (the system's, most
// preferred first) when nothing is chosen: the first one that is English or
// shipped. Returns "en" for English.
QString resolve(const QString& chosen, const QStringList& uiLanguages);

// Installs the program's and Qt's own translations for the chosen or system
// language; returns the code installed ("en" when none is needed).
QString install(QCoreApplication& app);

} // namespace Language
