#pragma once

#include "RecentFiles.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>

class FilterBar;
class Form1;
class QLabel;
class QMenu;
class QPushButton;
class FitChecker;
class MemoryAssistant;
class RecognitionCommand;

// The window a translator works in all day: the original window (Form1) in
// the middle, unchanged, with menus and shortcuts for every command, a
// status bar that counts the work, a filter bar, and remembered places.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    Form1* form() const { return m_form; }
    FilterBar* filterBar() const { return m_filter; }
    MemoryAssistant* memory() const { return m_memory; }
    FitChecker* fitChecker() const { return m_fit; }
    QLabel* counts() const { return m_counts; }
    // A list file, or a file a translation tool wrote, given to the program
    // (from the desktop's file manager or the command line).
    void openFile(const QString& path);
    // "N images · C checked · T translated" for the rows as they are.
    QString countsText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QAction* addCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                        const char* objectName);
    // The menu item does what the button does, and is enabled with it.
    // run, when given, stands in for the click.
    QAction* addButtonCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                              const char* button, const std::function<void()>& run = {});
    void createMenus();
    void fillRecentMenu(QMenu* menu, RecentFiles& recent, bool lists);
    void goToUntranslated(bool forward);
    void importTexts();
    void centreOnScreen();
    void createToolsMenu();
    void createLanguageMenu(QMenu* parent);
    void createMemory();
    void createFitCheck();
    void exportMockups();
    void recogniseText();
    void exportAs();
    void restoreSettings();
    void saveSettings() const;

    Form1* m_form;
    FilterBar* m_filter;
    QLabel* m_counts;
    QTimer m_recount;
    QSize m_designSize;
    bool m_restoredGeometry = false;
    RecognitionCommand* m_recognition = nullptr;
    MemoryAssistant* m_memory = nullptr;
    FitChecker* m_fit = nullptr;
    RecentFiles m_recentLists{QStringLiteral("recent/lists")};
    RecentFiles m_recentFolders{QStringLiteral("recent/folders")};
};
