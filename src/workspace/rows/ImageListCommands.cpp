#include "ImageListCommands.h"

#include "CommonDialog.h"
#include "Dialogs.h"
#include "Functions.h"
#include "ImageCount.h"
#include "ImageListFile.h"
#include "ImageListModel.h"
#include "SearchProgress.h"

namespace ImageListCommands {

namespace {

void prepareListDialog(CommonDialog& dialog, const QString& title)
{
    dialog.dialogTitle = title;
    dialog.filter = QStringLiteral("CSV Delimited files (*.csv)|*.csv");
    dialog.flags = 2; // ask before overwriting
}

} // namespace

void ShowCantAccessFile(QWidget* parent)
{
    Platform::showMessage({parent, Platform::kCantAccessFile, Platform::kWarningTitle,
                           Platform::MessageIcon::Critical});
}

SearchOutcome SearchImages(QWidget* parent, QString& rootFolder, ImageListModel& model)
{
    if (!Functions::FolderExists(rootFolder)) {
        Platform::showMessage({parent, QStringLiteral("Please, specify an existing folder."),
                               Platform::kApplicationTitle, Platform::MessageIcon::Information});
        return SearchOutcome::NoFolder;
    }
    const QString root = Functions::WithTrailingSeparator(rootFolder);
    QStringList names;
    {
        SearchProgress progress(parent);
        if (!Functions::FindImages(root, names, [&progress] { return progress.keepGoing(); }))
            return SearchOutcome::Cancelled;
    }
    rootFolder = root;
    std::vector<ImageListRow> rows;
    rows.reserve(static_cast<size_t>(names.size()));
    for (QString& name : names)
        rows.push_back(ImageListRow{std::move(name), {}, {}, false});
    model.setRows(std::move(rows));
    ImageCount::set(model.rowCount());
    return SearchOutcome::Done;
}

std::optional<QString> LoadImageList(QWidget* parent, CommonDialog& dialog, ImageListModel& model)
{
    prepareListDialog(dialog, QStringLiteral("Select a CSV file..."));
    if (!dialog.showOpen())
        return std::nullopt;
    std::vector<ImageListRow> rows;
    ImageListFile::Encoding encoding = ImageListFile::Encoding::System;
    if (!ImageListFile::load(dialog.fileName(), rows, nullptr, &encoding)) {
        ShowCantAccessFile(parent);
        return std::nullopt;
    }
    model.setRows(std::move(rows));
    ImageCount::set(model.rowCount());
    if (encoding == ImageListFile::Encoding::Windows1252)
        Platform::showMessage(
            {parent, QStringLiteral("The file was not UTF-8 and was read as Windows-1252."),
             Platform::kApplicationTitle, Platform::MessageIcon::Information});
    return dialog.fileName();
}

std::optional<QString> SaveImageList(QWidget* parent, CommonDialog& dialog,
                                     const ImageListModel& model, const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        prepareListDialog(dialog, QStringLiteral("Specify a CSV file..."));
        if (!dialog.showSave())
            return std::nullopt;
        target = dialog.fileName();
    }
    if (!ImageListFile::save(target, model.rows(), ImageCount::value())) {
        ShowCantAccessFile(parent);
        return std::nullopt;
    }
    return target;
}

} // namespace ImageListCommands
