#include "Dialogs.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace Platform {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

void realMessageBox(const MessageBoxRequest& request)
{
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::Ok,
                    request.parent);
    box.exec();
}

int realQuestion(const QuestionRequest& request)
{
    QMessageBox box(QMessageBox::Question, request.title, request.text, QMessageBox::NoButton,
                    request.parent);
    QList<QAbstractButton*> buttons;
    for (qsizetype i = 0; i < request.buttons.size(); ++i) {
        const bool last = i + 1 == request.buttons.size();
        buttons.append(box.addButton(request.buttons.at(i),
                                     last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (buttons.isEmpty())
        return -1;
    box.setDefaultButton(static_cast<QPushButton*>(buttons.first()));
    box.setEscapeButton(buttons.last());
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return static_cast<int>(chosen < 0 ? buttons.size() - 1 : chosen);
}

std::optional<QList<bool>> realOptions(const OptionsRequest& request)
{
    QDialog dialog(request.parent);
    dialog.setWindowTitle(request.title);
    auto* layout = new QVBoxLayout(&dialog);
    if (!request.text.isEmpty())
        layout->addWidget(new QLabel(request.text, &dialog));
    QList<QCheckBox*> boxes;
    for (qsizetype i = 0; i < request.options.size(); ++i) {
        auto* box = new QCheckBox(request.options.at(i), &dialog);
        box->setChecked(request.values.value(i));
        layout->addWidget(box);
        boxes.append(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    buttons->addButton(request.acceptLabel, QDialogButtonBox::AcceptRole)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QList<bool> values;
    for (const QCheckBox* box : std::as_const(boxes))
        values.append(box->isChecked());
    return values;
}

std::optional<QString> realFileDialog(const FileDialogRequest& request)
{
    const QString filter = toQtNameFilter(request.filter);
    const QStringList filters = filter.split(QStringLiteral(";;"));
    QString selected = filters.value(request.filterIndex - 1);
    QString chosen;
    if (request.mode == FileDialogRequest::Mode::Open) {
        chosen = QFileDialog::getOpenFileName(request.parent, request.title, request.fileName,
                                              filter, &selected);
    } else {
        QFileDialog::Options options;
        if ((request.flags & 2) == 0)
            options |= QFileDialog::DontConfirmOverwrite;
        chosen = QFileDialog::getSaveFileName(request.parent, request.title, request.fileName,
                                              filter, &selected, options);
    }
    if (request.chosenFilter)
        *request.chosenFilter = static_cast<int>(filters.indexOf(selected)) + 1;
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

QString realFolderPicker(QWidget* parent)
{
    return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(parent));
}

bool realShell(const ShellRequest& request)
{
#ifdef Q_OS_WIN
    const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteW(
        request.owner ? reinterpret_cast<HWND>(request.owner->winId()) : nullptr,
        reinterpret_cast<LPCWSTR>(request.verb.utf16()),
        reinterpret_cast<LPCWSTR>(request.target.utf16()), L"", L"", SW_SHOWNORMAL));
    return result > 32;
#else
    // Without a verb registry the desktop's default application stands in for
    // "Edit", and a URL's own handler for "Open".
    const QUrl url =
        request.target.contains(QLatin1Char(':')) && !QDir::isAbsolutePath(request.target)
            ? QUrl(request.target)
            : QUrl::fromLocalFile(request.target);
    return QDesktopServices::openUrl(url);
#endif
}

MessageBoxHandler& messageBoxHandler()
{
    static MessageBoxHandler handler;
    return handler;
}
FileDialogHandler& fileDialogHandler()
{
    static FileDialogHandler handler;
    return handler;
}
FolderPickerHandler& folderPickerHandler()
{
    static FolderPickerHandler handler;
    return handler;
}
ShellHandler& shellHandler()
{
    static ShellHandler handler;
    return handler;
}
QuestionHandler& questionHandler()
{
    static QuestionHandler handler;
    return handler;
}
OptionsHandler& optionsHandler()
{
    static OptionsHandler handler;
    return handler;
}

} // namespace

void showMessage(const MessageBoxRequest& request)
{
    if (messageBoxHandler())
        messageBoxHandler()(request);
    else
        realMessageBox(request);
}

std::optional<QString> showFileDialog(const FileDialogRequest& request)
{
    return fileDialogHandler() ? fileDialogHandler()(request) : realFileDialog(request);
}

QString browseForFolder(QWidget* parent)
{
    return folderPickerHandler() ? folderPickerHandler()(parent) : realFolderPicker(parent);
}

bool shellExecute(const ShellRequest& request)
{
    return shellHandler() ? shellHandler()(request) : realShell(request);
}

std::optional<QList<bool>> askOptions(const OptionsRequest& request)
{
    return optionsHandler() ? optionsHandler()(request) : realOptions(request);
}

int askQuestion(const QuestionRequest& request)
{
    return questionHandler() ? questionHandler()(request) : realQuestion(request);
}

void setMessageBoxHandler(MessageBoxHandler handler)
{
    messageBoxHandler() = std::move(handler);
}
void setFileDialogHandler(FileDialogHandler handler)
{
    fileDialogHandler() = std::move(handler);
}
void setFolderPickerHandler(FolderPickerHandler handler)
{
    folderPickerHandler() = std::move(handler);
}
void setShellHandler(ShellHandler handler)
{
    shellHandler() = std::move(handler);
}
void setQuestionHandler(QuestionHandler handler)
{
    questionHandler() = std::move(handler);
}
void setOptionsHandler(OptionsHandler handler)
{
    optionsHandler() = std::move(handler);
}

QString toQtNameFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return filter;
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString& pattern = parts.at(i + 1);
        filters.append(description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')'))
                           ? description
                           : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace Platform
