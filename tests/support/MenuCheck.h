#pragma once

#include <QStringList>

class QWidget;

// Menu items, and the menu bar's titles, that share a mnemonic with another
// item of the same menu: "File: Save &As / Export &As". A key then only cycles
// between them instead of choosing one.
QStringList clashingMnemonics(const QWidget* menuBarOrMenu);
