#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

// Every modal interaction with the user or the desktop goes through one
// replaceable function here, so that tests can answer, cancel or record it
// and nothing ever blocks a test run.
namespace Platform {

enum class MessageIcon { None, Information, Warning, Critical, Question };

struct MessageBoxRequest {
    QWidget* parent = nullptr;
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

struct FileDialogRequest {
    enum class Mode { Open, Save };
    QWidget* parent = nullptr;
    Mode mode = Mode::Open;
    QString title;
    QString filter; // "description|pattern", or several such pairs joined by "|"
    int flags = 0;  // 2 = confirm before overwriting an existing file
    QString fileName;
    int filterIndex = 1;         // the pair offered first, from 1
    int* chosenFilter = nullptr; // where the pair the user took goes, from 1
};

// A question with buttons of its own, the first the default; the last one
// cancels (Esc and closing the box choose it too).
struct QuestionRequest {
    QWidget* parent = nullptr;
    QString text;
    QString title;
    QStringList buttons;
};

// A command's few yes/no options, asked before it runs.
struct OptionsRequest {
    QWidget* parent = nullptr;
    QString title;
    QString text;
    QStringList options; // check box labels
    QList<bool> values;  // their initial state
    QString acceptLabel; // the button that runs the command
};

struct ShellRequest {
    QWidget* owner = nullptr;
    QString verb; // "Edit", "Open"
    QString target;
};

using MessageBoxHandler = std::function<void(const MessageBoxRequest&)>;
// The chosen path, or nothing when the user cancelled.
using FileDialogHandler = std::function<std::optional<QString>(const FileDialogRequest&)>;
// The chosen folder, or an empty string when the user cancelled.
using FolderPickerHandler = std::function<QString(QWidget* parent)>;
using ShellHandler = std::function<bool(const ShellRequest&)>;
// The index of the button chosen.
using QuestionHandler = std::function<int(const QuestionRequest&)>;
// The options as the user left them, or nothing when cancelled.
using OptionsHandler = std::function<std::optional<QList<bool>>(const OptionsRequest&)>;

void showMessage(const MessageBoxRequest& request);
std::optional<QString> showFileDialog(const FileDialogRequest& request);
QString browseForFolder(QWidget* parent);
bool shellExecute(const ShellRequest& request);
int askQuestion(const QuestionRequest& request);
std::optional<QList<bool>> askOptions(const OptionsRequest& request);

// An empty handler puts the real one back.
void setMessageBoxHandler(MessageBoxHandler handler);
void setFileDialogHandler(FileDialogHandler handler);
void setFolderPickerHandler(FolderPickerHandler handler);
void setShellHandler(ShellHandler handler);
void setQuestionHandler(QuestionHandler handler);
void setOptionsHandler(OptionsHandler handler);

// "desc|pattern" as a Qt name filter: "desc (pattern)", unless desc already
// ends with the pattern in parentheses. Several pairs become ";;"-joined filters.
QString toQtNameFilter(const QString& filter);

// The user-facing failure texts shared by several commands.
inline QString cantAccessFile()
{
    return QCoreApplication::translate("Platform", "Can't access file!");
}
inline QString warningTitle()
{
    return QCoreApplication::translate("Platform", "Warning");
}
inline const QString kApplicationTitle = QStringLiteral("Vemarill");

} // namespace Platform
