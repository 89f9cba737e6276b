#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace Language {
namespace {

const QString kSettingsKey = QStringLiteral("interface/language");
const QString kEnglish = QStringLiteral("en");

QString baseCode(const QString& tag)
{
    return tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

// Handed to the application, so it lives exactly as long as the application.
bool installOne(QCoreApplication& app, const QString& file, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder))
        return false;
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace

QStringList available()
{
    return {QStringLiteral("de"), QStringLiteral("es")};
}

QString chosen()
{
    return QSettings().value(kSettingsKey).toString();
}

void choose(const QString& code)
{
    QSettings settings;
    if (code.isEmpty())
        settings.remove(kSettingsKey);
    else
        settings.setValue(kSettingsKey, code);
}

QString resolve(const QString& chosen, const QStringList& uiLanguages)
{
    const QStringList candidates = chosen.isEmpty() ? uiLanguages : QStringList{chosen};
    for (const QString& tag : candidates) {
        const QString code = baseCode(tag);
        if (code == kEnglish || available().contains(code))
            return code;
    }
    return kEnglish;
}

QString install(QCoreApplication& app)
{
    const QString code = resolve(chosen(), QLocale::system().uiLanguages());
    if (code == kEnglish || !installOne(app, QStringLiteral(":/i18n/vemarill_") + code, {}))
        return kEnglish;
    // Qt's own texts: standard buttons, file dialogs, context menus.
    installOne(app, QStringLiteral("qtbase_") + code,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return code;
}

} // namespace Language
