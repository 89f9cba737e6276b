#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The main window's one file dialog: title, filter and flags are set before
// each use, and the path chosen last is offered again as the initial name.
class CommonDialog : public QObject {
    Q_OBJECT
public:
    explicit CommonDialog(QWidget* owner);

    QString dialogTitle;
    QString filter;      // "description|pattern", or several pairs joined by "|"
    int flags = 0;       // 2 = ask before overwriting an existing file
    int filterIndex = 1; // the pair offered first and, after a use, the pair taken

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }

    // False when the user cancelled; fileName() then keeps its earlier value.
    bool showOpen();
    bool showSave();

private:
    bool show(bool save);

    QWidget* m_owner;
    QString m_fileName;
};
