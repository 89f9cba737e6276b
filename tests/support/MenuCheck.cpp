#include "MenuCheck.h"

#include <QAction>
#include <QMap>
#include <QMenu>
#include <QWidget>

namespace {

QChar mnemonic(const QString& text)
{
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'&', at + 2)) {
        if (text.at(at + 1) != u'&')
            return text.at(at + 1).toLower();
    }
    return {};
}

} // namespace

QStringList clashingMnemonics(const QWidget* menuBarOrMenu)
{
    QStringList clashes;
    QMap<QChar, QString> taken;
    for (const QAction* action : menuBarOrMenu->actions()) {
        if (const QChar key = mnemonic(action->text()); !key.isNull()) {
            if (taken.contains(key))
                clashes << taken[key] + QStringLiteral(" / ") + action->text();
            taken[key] = action->text();
        }
        if (action->menu())
            clashes += clashingMnemonics(action->menu());
    }
    return clashes;
}
