#include "ExchangeCommands.h"

#include "BackgroundTask.h"
#include "CommonDialog.h"
#include "Dialogs.h"
#include "ImageCount.h"
#include "ImageListModel.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ExchangeCommands {

namespace {

void warn(QWidget* parent, const QString& text)
{
    Platform::showMessage({parent, text, Platform::warningTitle(), Platform::MessageIcon::Warning});
}

// Appended rows come last, in the file's order, with the file's check.
void apply(ImageListModel& model, const Exchange::ImportPlan& plan,
           const std::vector<ImageListRow>& fileRows, bool append)
{
    model.beginEditGroup(QCoreApplication::translate("ExchangeCommands", "Import"));
    for (const Exchange::ImportPlan::Change& change : plan.changes) {
        model.setText(change.row, ImageListModel::SourceText, change.after.sourceText);
        model.setText(change.row, ImageListModel::TargetText, change.after.targetText);
    }
    if (append) {
        for (const int index : plan.unmatched) {
            const ImageListRow& row = fileRows[static_cast<size_t>(index)];
            const int at = model.rowCount();
            model.appendRow(row.name);
            model.setText(at, ImageListModel::SourceText, row.sourceText);
            model.setText(at, ImageListModel::TargetText, row.targetText);
            model.setChecked(at, row.checked);
        }
        ImageCount::set(model.rowCount());
    }
    model.endEditGroup();
}

} // namespace

std::optional<QString> ExportAs(QWidget* parent, CommonDialog& dialog, const ImageListModel& model,
                                const Exchange::WriteOptions& options)
{
    const QStringList filters = Exchange::exportFilters();
    dialog.dialogTitle =
        QCoreApplication::translate("ExchangeCommands", "Export the image list as...");
    dialog.filter = filters.join(QLatin1Char('|'));
    dialog.flags = 2;
    dialog.filterIndex = std::clamp(dialog.filterIndex, 1, static_cast<int>(filters.size()));
    if (!dialog.showSave())
        return std::nullopt;
    const QString path = dialog.fileName();
    // The filter taken decides between formats of one extension (XLIFF 2.0
    // or 1.2); a name typed with another format's extension goes by that.
    QString filter = filters.value(dialog.filterIndex - 1);
    const QStringList patterns = filter.section(QLatin1Char('|'), 1).split(QLatin1Char(' '));
    const QString suffix = QStringLiteral("*.") + QFileInfo(path).suffix().toLower();
    if (!patterns.contains(suffix) && Exchange::formatForFile(path) != Exchange::Format::Unknown)
        filter.clear();
    const Exchange::Format format = Exchange::formatForFile(path, filter);
    QString error;
    if (!Exchange::writeFile(path, format, model.rows(), options, &error)) {
        warn(parent, QCoreApplication::translate("ExchangeCommands",
                                                 "The list could not be exported to %1:\n%2")
                         .arg(path, error));
        return std::nullopt;
    }
    return path;
}

std::optional<QString> Import(QWidget* parent, CommonDialog& dialog, ImageListModel& model)
{
    dialog.dialogTitle = QCoreApplication::translate("ExchangeCommands", "Import texts from...");
    dialog.filter = Exchange::importFilter();
    dialog.filterIndex = 1;
    if (!dialog.showOpen())
        return std::nullopt;
    const QString path = dialog.fileName();
    const Exchange::Format format = Exchange::formatForFile(path);
    std::vector<ImageListRow> fileRows;
    QString error;
    bool read = false;
    const bool finished = Platform::runInBackground(
        parent,
        QCoreApplication::translate("ExchangeCommands", "Reading %1...")
            .arg(QFileInfo(path).fileName()),
        [&](const Platform::TaskReport& report) {
            read = Exchange::readFile(path, format, fileRows, &error, report);
        });
    if (!finished)
        return std::nullopt;
    if (!read) {
        warn(parent, error);
        return std::nullopt;
    }

    const Exchange::ImportPlan plan = Exchange::planImport(model.rows(), fileRows);
    bool append = false;
    if (!plan.unmatched.empty()) {
        enum { Append, Skip, Cancel };
        const int answer = Platform::askQuestion(
            {parent,
             QCoreApplication::translate(
                 "ExchangeCommands",
                 "%L1 rows of the file are not in the list. Append them at its end?")
                 .arg(plan.unmatched.size()),
             Platform::kApplicationTitle,
             {QCoreApplication::translate("ExchangeCommands", "Append"),
              QCoreApplication::translate("ExchangeCommands", "Skip"),
              QCoreApplication::translate("ExchangeCommands", "Cancel")}});
        if (answer == Cancel)
            return std::nullopt;
        append = answer == Append;
    }
    apply(model, plan, fileRows, append);
    return QCoreApplication::translate("ExchangeCommands",
                                       "Imported %1: %L2 rows matched, %L3 changed, %L4 appended.")
        .arg(QFileInfo(path).fileName())
        .arg(plan.matched)
        .arg(plan.changes.size())
        .arg(append ? plan.unmatched.size() : 0);
}

} // namespace ExchangeCommands
