#pragma once

#include <QString>
#include <QStringList>

// The recognition languages: one <code>.traineddata file each, looked up in
// TESSDATA_PREFIX first, then in the system's tessdata folders. A choice is
// one code or several joined with "+" ("eng+deu"), as Tesseract takes them.
namespace OcrLanguages {

inline const QString kDefault = QStringLiteral("eng");

// The folders that hold language data, in lookup order, each once.
QStringList searchFolders();
// Every language code found, sorted, each once. "osd" is left out: it
// detects orientation and reads no text.
QStringList available();
// The first folder that holds every language of choice; empty when none does.
QString folderFor(const QString& choice);
// The codes of a choice; empty when it is empty or malformed.
QStringList codes(const QString& choice);

// The user's choice, kept in QSettings; kDefault until one is made.
QString chosen();
// False, changing nothing, for a malformed choice.
bool setChosen(const QString& choice);

} // namespace OcrLanguages
