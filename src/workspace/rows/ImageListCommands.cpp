#include "ImageListCommands.h"

#include "CommonDialog.h"
#include "Dialogs.h"
#include "Functions.h"
#include "ImageCount.h"
#include "ImageListFile.h"
#include "ImageListModel.h"
#include "SearchProgress.h"

#include <QCoreApplication>
#include <algorithm>

namespace ImageListCommands {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ImageListCommands", text);
}

void prepareListDialog(CommonDialog& dialog, const QString& title)
{
    dialog.dialogTitle = title;
    dialog.filter = tr("CSV Delimited files (*.csv)|*.csv");
    dialog.flags = 2; // ask before overwriting
}

void inform(QWidget* parent, const QString& text)
{
    Platform::showMessage(
        {parent, text, Platform::kApplicationTitle, Platform::MessageIcon::Information});
}

// Keeps the box readable for a folder far down a deep tree.
QString shortened(const QString& path)
{
    constexpr qsizetype kLongest = 120;
    constexpr qsizetype kHead = 40;
    if (path.size() <= kLongest)
        return path;
    return path.left(kHead) + QStringLiteral("...") + path.right(kLongest - kHead - 3);
}

} // namespace

QString SkippedFoldersText(const QStringList& folders)
{
    constexpr qsizetype kNamed = 5;
    const qsizetype count = folders.size();
    QString text = count == 1 ? tr("1 folder could not be read and was skipped:")
                              : tr("%1 folders could not be read and were skipped:").arg(count);
    for (qsizetype i = 0; i < std::min(count, kNamed); ++i)
        text += QLatin1Char('\n') + shortened(folders.at(i));
    if (count > kNamed)
        text += tr("\nand %1 more").arg(count - kNamed);
    return text;
}

void ShowCantAccessFile(QWidget* parent)
{
    Platform::showMessage({parent, Platform::cantAccessFile(), Platform::warningTitle(),
                           Platform::MessageIcon::Critical});
}

SearchOutcome SearchImages(QWidget* parent, QString& rootFolder, ImageListModel& model,
                           const SearchProgress::Report& report)
{
    if (!Functions::FolderExists(rootFolder)) {
        inform(parent, tr("Please, specify an existing folder."));
        return SearchOutcome::NoFolder;
    }
    const QString root = Functions::WithTrailingSeparator(rootFolder);
    Functions::FoundImages found;
    Functions::WalkOutcome outcome;
    {
        SearchProgress progress(parent);
        progress.setReport(report);
        outcome =
            Functions::FindImages(root, found, [&progress](qsizetype folders, qsizetype files) {
                return progress.keepGoing(folders, files);
            });
    }
    if (outcome == Functions::WalkOutcome::Stopped)
        return SearchOutcome::Cancelled;
    if (outcome == Functions::WalkOutcome::RootUnreadable) {
        inform(parent, tr("This folder could not be read:\n") + shortened(root));
        return SearchOutcome::Unreadable;
    }
    rootFolder = root;
    std::vector<ImageListRow> rows;
    rows.reserve(static_cast<size_t>(found.Names.size()));
    for (QString& name : found.Names)
        rows.push_back(ImageListRow{std::move(name), {}, {}, false});
    model.setRows(std::move(rows));
    ImageCount::set(model.rowCount());
    // Told after the list is filled, so the user sees what was found.
    if (!found.UnreadableFolders.isEmpty())
        inform(parent, SkippedFoldersText(found.UnreadableFolders));
    return SearchOutcome::Done;
}

std::optional<QString> LoadImageList(QWidget* parent, CommonDialog& dialog, ImageListModel& model,
                                     const QString& path)
{
    QString source = path;
    if (source.isEmpty()) {
        prepareListDialog(dialog, tr("Select a CSV file..."));
        if (!dialog.showOpen())
            return std::nullopt;
        source = dialog.fileName();
    }
    std::vector<ImageListRow> rows;
    ImageListFile::Encoding encoding = ImageListFile::Encoding::System;
    if (!ImageListFile::load(source, rows, nullptr, &encoding)) {
        ShowCantAccessFile(parent);
        return std::nullopt;
    }
    model.setRows(std::move(rows));
    ImageCount::set(model.rowCount());
    if (encoding == ImageListFile::Encoding::Windows1252)
        Platform::showMessage({parent, tr("The file was not UTF-8 and was read as Windows-1252."),
                               Platform::kApplicationTitle, Platform::MessageIcon::Information});
    return source;
}

std::optional<QString> SaveImageList(QWidget* parent, CommonDialog& dialog,
                                     const ImageListModel& model, const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        prepareListDialog(dialog, tr("Specify a CSV file..."));
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
