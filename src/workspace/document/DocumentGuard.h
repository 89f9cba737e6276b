#pragma once

#include <QString>
#include <functional>

class ImageListDocument;
class QWidget;

// The questions that stand between a translator's unsaved work and the
// commands that would drop it. Asked through the platform's question box.
namespace DocumentGuard {

// Saves the rows (its dialog when they have no file yet); true once written.
using SaveCommand = std::function<bool()>;

// Before the rows are replaced (Search, Load) or the window closes: true to
// go on. Save runs save, and a cancelled or failed save cancels the command.
bool mayDropRows(QWidget* parent, const ImageListDocument& document, const SaveCommand& save);

// Before Save and Export write the checked rows: unchecked rows that hold a
// text would not be written. True to go on, after checking them if asked to.
bool confirmUncheckedTexts(QWidget* parent, ImageListDocument& document, int rowLimit);

} // namespace DocumentGuard
