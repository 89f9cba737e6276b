#include "MainWindow.h"

#include "BackgroundTask.h"
#include "CommonDialog.h"
#include "Dialogs.h"
#include "ExchangeCommands.h"
#include "FilterBar.h"
#include "FitChecker.h"
#include "FitOverlay.h"
#include "Form1.h"
#include "ImageListDocument.h"
#include "ImageListModel.h"
#include "ImageListView.h"
#include "Language.h"
#include "MemoryAssistant.h"
#include "MemoryPanel.h"
#include "MockupExport.h"
#include "OcrLanguages.h"
#include "PreviewPane.h"
#include "PreviewPicture.h"
#include "RecognitionCommand.h"
#include "cSubclassListView.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Keeps an action enabled exactly when its button is.
class EnabledFollower : public QObject {
public:
    EnabledFollower(QPushButton* button, QAction* action) : QObject(action), m_action(action)
    {
        button->installEventFilter(this);
        action->setEnabled(button->isEnabled());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            m_action->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        return false;
    }

private:
    QAction* m_action;
};

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_form(new Form1), m_filter(new FilterBar), m_counts(new QLabel(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    // Form1 keeps its design size: the window grows by the bars around it.
    const QSize formSize = m_form->size();
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_filter);
    layout->addWidget(m_form, 1);
    setCentralWidget(centre);
    setWindowIcon(m_form->windowIcon());
    setWindowTitle(m_form->windowTitle());
    connect(m_form, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);

    m_counts->setObjectName(QStringLiteral("StatusCounts"));
    statusBar()->addPermanentWidget(m_counts);
    m_recount.setSingleShot(true);
    connect(&m_recount, &QTimer::timeout, this, [this] { m_counts->setText(countsText()); });
    const ImageListModel* model = m_form->imageList()->imageListModel();
    const auto recount = [this] { m_recount.start(0); };
    connect(model, &QAbstractItemModel::dataChanged, this, recount);
    connect(model, &QAbstractItemModel::rowsInserted, this, recount);
    connect(model, &QAbstractItemModel::rowsRemoved, this, recount);
    connect(model, &QAbstractItemModel::modelReset, this, recount);
    m_counts->setText(countsText());
    connect(m_form, &Form1::searchProgress, this, [this](qsizetype folders, qsizetype files) {
        statusBar()->showMessage(tr("Searching: %L1 folders, %L2 files").arg(folders).arg(files));
    });
    connect(m_form, &Form1::folderSearched, this, [this](const QString& folder) {
        statusBar()->clearMessage();
        m_recentFolders.add(folder);
    });
    connect(m_form, &Form1::listFileUsed, this,
            [this](const QString& path) { m_recentLists.add(path); });
    connect(m_filter, &FilterBar::filterChanged, this,
            [this](const RowFilter& filter) { m_form->imageList()->setRowFilter(filter); });
    connect(m_filter, &FilterBar::closed, this, [this] { m_form->imageList()->setFocus(); });

    createMenus();
    // Tab goes on from the original window to the panel at its right, then
    // to the status bar below both.
    QWidget::setTabOrder(m_form->findChild<QWidget*>(QStringLiteral("CmdAbout")),
                         findChild<QWidget*>(QStringLiteral("MemorySuggestions")));
    QWidget::setTabOrder(findChild<QWidget*>(QStringLiteral("MemorySuggestions")),
                         findChild<QWidget*>(QStringLiteral("RecogniseButton")));
    resize(formSize.width(),
           formSize.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    m_designSize = formSize;
    restoreSettings();
}

QString MainWindow::countsText() const
{
    int checked = 0;
    int translated = 0;
    const std::vector<ImageListRow>& rows = m_form->imageList()->imageListModel()->rows();
    for (const ImageListRow& row : rows) {
        checked += row.checked ? 1 : 0;
        translated += row.targetText.isEmpty() ? 0 : 1;
    }
    QString text = tr("%L1 images \u00b7 %L2 checked \u00b7 %L3 translated")
                       .arg(rows.size())
                       .arg(checked)
                       .arg(translated);
    if (m_fit)
        text += tr(" \u00b7 %L1 overflow").arg(m_fit->overflowCount());
    return text;
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                                const char* objectName)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(shortcut);
    return action;
}

QAction* MainWindow::addButtonCommand(QMenu* menu, const QString& text,
                                      const QKeySequence& shortcut, const char* button,
                                      const std::function<void()>& run)
{
    auto* target = m_form->findChild<QPushButton*>(QLatin1String(button));
    const QByteArray name = QByteArray(run ? "ActionQuick" : "Action").append(button + 3);
    QAction* action = addCommand(menu, text, shortcut, name.constData());
    new EnabledFollower(target, action);
    if (run)
        connect(action, &QAction::triggered, this, run);
    else
        connect(action, &QAction::triggered, target, &QPushButton::click);
    return action;
}

void MainWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    addButtonCommand(file, tr("Choose &Folder..."), {}, "CmdBrowse");
    addButtonCommand(file, tr("&Search Images"), {}, "CmdSearchImages");
    addButtonCommand(file, tr("&Load Image List..."), QKeySequence::Open, "CmdLoadImages");
    // Save writes to the list's own file once it has one; Save As always
    // asks, as the button does.
    addButtonCommand(file, tr("Sa&ve Image List"), QKeySequence::Save, "CmdSaveImages",
                     [this] { m_form->saveList(false); });
    addButtonCommand(file, tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                     "CmdSaveImages");
    addButtonCommand(file, tr("&Export to HTML..."), QKeySequence(Qt::CTRL | Qt::Key_E),
                     "CmdExportHTML");
    file->addSeparator();
    connect(addCommand(file, tr("&Import..."), QKeySequence(Qt::CTRL | Qt::Key_I), "ActionImport"),
            &QAction::triggered, this, &MainWindow::importTexts);
    QAction* exportAs = addCommand(file, tr("E&xport As..."), {}, "ActionExportAs");
    new EnabledFollower(m_form->findChild<QPushButton*>(QStringLiteral("CmdSaveImages")), exportAs);
    connect(exportAs, &QAction::triggered, this, &MainWindow::exportAs);
    // What a right click on a row does, for the keyboard.
    QAction* openImage =
        addCommand(file, tr("Open Image in &Default Application"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), "ActionOpenImage");
    new EnabledFollower(m_form->findChild<QPushButton*>(QStringLiteral("CmdSelectAll")), openImage);
    connect(openImage, &QAction::triggered, this, [this] {
        m_form->previewPane()->EditSelectedImage(ImageListView::RightButton, *m_form->imageList(),
                                                 m_form->textFolder()->text());
    });
    file->addSeparator();
    QMenu* lists = file->addMenu(tr("&Recent Lists"));
    lists->setObjectName(QStringLiteral("MenuRecentLists"));
    connect(lists, &QMenu::aboutToShow, this,
            [this, lists] { fillRecentMenu(lists, m_recentLists, true); });
    QMenu* folders = file->addMenu(tr("Recent F&olders"));
    folders->setObjectName(QStringLiteral("MenuRecentFolders"));
    connect(folders, &QMenu::aboutToShow, this,
            [this, folders] { fillRecentMenu(folders, m_recentFolders, false); });
    file->addSeparator();
    connect(addCommand(file, tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), "ActionQuit"),
            &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(m_form->undoAction());
    edit->addAction(m_form->redoAction());
    edit->addSeparator();
    connect(addCommand(edit, tr("Edit &Cell"), QKeySequence(Qt::Key_F2), "ActionEditCell"),
            &QAction::triggered, this, [this] {
                const int row = m_form->imageList()->selectedIndex();
                m_form->subLV()->EditCell(row, 1);
            });
    addButtonCommand(edit, tr("Select &All"), {}, "CmdSelectAll");
    addButtonCommand(edit, tr("&Deselect All"), {}, "CmdDeselectAll");
    addButtonCommand(edit, tr("&Invert Selection"), {}, "CmdInvertSelection");
    edit->addSeparator();
    connect(addCommand(edit, tr("&Find/Filter..."), QKeySequence::Find, "ActionFilter"),
            &QAction::triggered, m_filter, &FilterBar::open);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("MenuView"));
    PreviewPane* preview = m_form->previewPane();
    connect(addCommand(view, tr("Zoom &In"), QKeySequence(Qt::CTRL | Qt::Key_Plus), "ActionZoomIn"),
            &QAction::triggered, preview, &PreviewPane::zoomIn);
    // Ctrl+= as well: the plus sign needs Shift on many keyboards.
    findChild<QAction*>(QStringLiteral("ActionZoomIn"))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(
        addCommand(view, tr("Zoom &Out"), QKeySequence(Qt::CTRL | Qt::Key_Minus), "ActionZoomOut"),
        &QAction::triggered, preview, &PreviewPane::zoomOut);
    connect(addCommand(view, tr("&Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0),
                       "ActionActualSize"),
            &QAction::triggered, preview, &PreviewPane::actualSize);
    QAction* fit = addCommand(view, tr("&Fit to Pane"), {}, "ActionFitToPane");
    fit->setCheckable(true);
    connect(fit, &QAction::triggered, preview, [preview](bool on) {
        if (on)
            preview->fitToPane();
        else
            preview->actualSize();
    });
    connect(preview, &PreviewPane::zoomChanged, fit,
            [fit, preview] { fit->setChecked(preview->isFitToPane()); });
    view->addSeparator();
    connect(addCommand(view, tr("&Next Untranslated"), QKeySequence(Qt::Key_F8),
                       "ActionNextUntranslated"),
            &QAction::triggered, this, [this] { goToUntranslated(true); });
    connect(addCommand(view, tr("&Previous Untranslated"), QKeySequence(Qt::SHIFT | Qt::Key_F8),
                       "ActionPreviousUntranslated"),
            &QAction::triggered, this, [this] { goToUntranslated(false); });

    createToolsMenu();
    createMemory();
    createFitCheck();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addButtonCommand(help, tr("&About..."), {}, "CmdAbout");
}

void MainWindow::createToolsMenu()
{
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("MenuTools"));
    QAction* recognise = addCommand(tools, tr("&Recognise Text..."),
                                    QKeySequence(Qt::CTRL | Qt::Key_R), "ActionRecognise");
    m_recognition = new RecognitionCommand(this, *m_form->imageList()->imageListModel());
    connect(recognise, &QAction::triggered, this, &MainWindow::recogniseText);
    connect(m_recognition, &RecognitionCommand::finished, this,
            [this](const QString& summary) { statusBar()->showMessage(summary, 15000); });
    QMenu* languages = tools->addMenu(tr("Recognition &Languages"));
    languages->setObjectName(QStringLiteral("MenuOcrLanguages"));
    connect(languages, &QMenu::aboutToShow, this, [languages] {
        languages->clear();
        const QStringList chosen = OcrLanguages::chosen().split(QLatin1Char('+'));
        for (const QString& code : OcrLanguages::available()) {
            QAction* language = languages->addAction(code);
            language->setCheckable(true);
            language->setChecked(chosen.contains(code));
            connect(language, &QAction::toggled, languages, [code](bool on) {
                QStringList now = OcrLanguages::chosen().split(QLatin1Char('+'));
                now.removeAll(code);
                if (on)
                    now.append(code);
                now.removeAll(QString());
                if (!now.isEmpty())
                    OcrLanguages::setChosen(now.join(QLatin1Char('+')));
            });
        }
        if (languages->isEmpty())
            languages->addAction(tr("(no language data installed)"))->setEnabled(false);
    });
    // Enabled with rows to read and an engine to read them; else the
    // tooltip says what to install.
    const auto follow = [this, recognise] {
        const QString why = RecognitionCommand::unavailableReason();
        recognise->setEnabled(why.isEmpty() && m_form->imageList()->itemCount() > 0);
        recognise->setToolTip(why.isEmpty() ? tr("Read the text off the images") : why);
    };
    tools->setToolTipsVisible(true);
    // One click away too, without growing the window: a button in the status bar.
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("RecogniseButton"));
    button->setAccessibleName(tr("Recognise Text"));
    button->setAccessibleDescription(tr("Read the text off the checked or selected images"));
    button->setDefaultAction(recognise);
    button->setAutoRaise(true);
    statusBar()->addWidget(button);
    connect(tools, &QMenu::aboutToShow, this, follow);
    connect(&m_recount, &QTimer::timeout, this, follow);
    follow();
    createLanguageMenu(tools);
}

void MainWindow::createLanguageMenu(QMenu* parent)
{
    QMenu* menu = parent->addMenu(tr("Interface Lan&guage"));
    menu->setObjectName(QStringLiteral("MenuInterfaceLanguage"));
    auto* group = new QActionGroup(menu);
    const QString chosen = Language::chosen();
    // Each language named in itself, so a translator lost in a foreign
    // interface still finds their own.
    QStringList codes{QString(), QStringLiteral("en")};
    codes += Language::available();
    for (const QString& code : codes) {
        const QString name =
            code.isEmpty() ? tr("System Default") : QLocale(code).nativeLanguageName();
        QAction* action = menu->addAction(name);
        action->setObjectName(QStringLiteral("ActionLanguage_") +
                              (code.isEmpty() ? QStringLiteral("system") : code));
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] {
            Language::choose(code);
            statusBar()->showMessage(tr("Vemarill speaks the chosen language from its next start."),
                                     10000);
        });
    }
}

void MainWindow::createMemory()
{
    m_memory = new MemoryAssistant(this, *m_form->imageList()->imageListModel(), [this] {
        const QString list = m_form->document()->filePath();
        return list.isEmpty() ? m_form->textFolder()->text() : list;
    });
    auto* dock = new QDockWidget(tr("Translation Memory"), this);
    dock->setObjectName(QStringLiteral("MemoryDock"));
    dock->setAccessibleName(tr("Translation memory"));
    dock->setAccessibleDescription(tr("Earlier translations of the selected row's Source Text"));
    dock->setWidget(new MemoryPanel(*m_memory, dock));
    addDockWidget(Qt::RightDockWidgetArea, dock);
    m_memory->open();

    // The selected row's matches, as soon as it is selected.
    ImageListView* list = m_form->imageList();
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { m_memory->suggestFor(m_form->imageList()->selectedIndex()); });
    for (int i = 0; i < 5; ++i) {
        auto* take = new QAction(this);
        take->setObjectName(QStringLiteral("ActionTakeSuggestion%1").arg(i + 1));
        take->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + i)));
        connect(take, &QAction::triggered, this, [this, i] { m_memory->take(i); });
        addAction(take);
    }

    QMenu* tools = findChild<QMenu*>(QStringLiteral("MenuTools"));
    tools->addSeparator();
    connect(addCommand(tools, tr("&Fill from Memory"), {}, "ActionFillFromMemory"),
            &QAction::triggered, this, [this] {
                QList<int> rows;
                const ImageListView* list = m_form->imageList();
                for (int row = 0; row < list->itemCount(); ++row) {
                    if (list->isChecked(row))
                        rows.append(row);
                }
                const int filled = m_memory->fillFromMemory(rows);
                statusBar()->showMessage(tr("%L1 Target Texts filled from the memory.").arg(filled),
                                         10000);
            });
    connect(addCommand(tools, tr("Export Memory as &TMX..."), {}, "ActionExportTmx"),
            &QAction::triggered, this, [this] {
                CommonDialog& dialog = *m_form->commonDialog();
                dialog.dialogTitle = tr("Export the translation memory as...");
                dialog.filter = tr("TMX files (*.tmx)|*.tmx");
                dialog.flags = 2;
                if (dialog.showSave())
                    m_memory->memory().exportTmx(dialog.fileName());
            });
    connect(&m_memory->memory(), &TranslationMemory::exportFinished, this,
            [this](const QString& path, bool ok, const QString& message) {
                if (ok)
                    statusBar()->showMessage(tr("Memory exported to %1.").arg(path), 10000);
                else
                    Platform::showMessage(
                        {this, message, Platform::warningTitle(), Platform::MessageIcon::Warning});
            });
    connect(addCommand(tools, tr("&Import into Memory..."), {}, "ActionImportIntoMemory"),
            &QAction::triggered, this, [this] {
                CommonDialog& dialog = *m_form->commonDialog();
                dialog.dialogTitle = tr("Import translations into the memory from...");
                dialog.filter = Exchange::importFilter();
                if (!dialog.showOpen())
                    return;
                std::vector<ImageListRow> rows;
                QString error;
                const QString path = dialog.fileName();
                if (!Exchange::readFile(path, Exchange::formatForFile(path), rows, &error)) {
                    Platform::showMessage(
                        {this, error, Platform::warningTitle(), Platform::MessageIcon::Warning});
                    return;
                }
                const int pairs = m_memory->memory().importRows(rows, m_memory->languages(), path);
                statusBar()->showMessage(tr("%L1 translations go into the memory.").arg(pairs),
                                         10000);
            });

    QMenu* view = findChild<QMenu*>(QStringLiteral("MenuView"));
    view->addSeparator();
    view->addAction(dock->toggleViewAction());
    dock->toggleViewAction()->setText(tr("Translation &Memory"));
    connect(addCommand(view, tr("In&consistent Translations"), {}, "ActionInconsistencies"),
            &QAction::triggered, this, [this] {
                const QStringList found = m_memory->inconsistencies();
                const QString text = found.isEmpty()
                                         ? tr("Every Source Text has one translation.")
                                         : tr("Source Texts translated in more than one way:\n") +
                                               found.mid(0, 30).join(QLatin1Char('\n')) +
                                               (found.size() > 30 ? tr("\n...") : QString());
                Platform::showMessage(
                    {this, text, Platform::kApplicationTitle, Platform::MessageIcon::Information});
            });
}

void MainWindow::createFitCheck()
{
    m_fit = new FitChecker(
        *m_form->imageList()->imageListModel(), [this] { return m_form->textFolder()->text(); },
        this);
    connect(m_recognition, &RecognitionCommand::finished, m_fit, &FitChecker::checkAll);
    connect(m_fit, &FitChecker::marksChanged, this, [this] { m_recount.start(0); });

    QMenu* view = findChild<QMenu*>(QStringLiteral("MenuView"));
    view->addSeparator();
    connect(addCommand(view, tr("Next O&verflow"), QKeySequence(Qt::Key_F9), "ActionNextOverflow"),
            &QAction::triggered, this, [this] {
                ImageListView* list = m_form->imageList();
                const int count = list->itemCount();
                for (int step = 1; step <= count; ++step) {
                    const int row = (std::max(list->selectedIndex(), -1) + step) % count;
                    if (list->isRowShown(row) && list->imageListModel()->row(row).fitLevel == 2) {
                        list->selectItem(row);
                        list->scrollToItem(row);
                        m_form->showSelectedImage();
                        return;
                    }
                }
                statusBar()->showMessage(tr("No translation overflows its image."), 3000);
            });
    QAction* show = addCommand(view, tr("Show &Translation"), QKeySequence(Qt::CTRL | Qt::Key_T),
                               "ActionShowTranslation");
    show->setCheckable(true);
    connect(show, &QAction::toggled, this, [this](bool on) {
        PreviewPicture* picture = m_form->previewPane()->picture2();
        if (!on) {
            picture->setOverlay({});
            return;
        }
        // A mock-up over the preview, never written into the image.
        picture->setOverlay([this](QPainter& painter, const QImage& decoded, QSize natural) {
            const int row = m_form->imageList()->selectedIndex();
            if (row < 0)
                return;
            const ImageListRow& r = m_form->imageList()->imageListModel()->row(row);
            const Fit::SourceLines lines =
                FitChecker::linesFor(m_form->textFolder()->text() + r.name);
            const QImage image = decoded.size() == natural ? decoded : decoded.scaled(natural);
            Fit::paintOverlay(painter, image, lines, r.targetText);
        });
    });
    connect(m_form->imageList()->imageListModel(), &QAbstractItemModel::dataChanged,
            m_form->previewPane()->picture2(), qOverload<>(&QWidget::update));

    QMenu* tools = findChild<QMenu*>(QStringLiteral("MenuTools"));
    tools->addSeparator();
    QAction* mockups = addCommand(tools, tr("Export &Mock-ups..."), {}, "ActionExportMockups");
    new EnabledFollower(m_form->findChild<QPushButton*>(QStringLiteral("CmdExportHTML")), mockups);
    connect(mockups, &QAction::triggered, this, &MainWindow::exportMockups);
}

void MainWindow::exportMockups()
{
    const QString folder = Platform::browseForFolder(this);
    if (folder.isEmpty())
        return;
    Fit::MockupOptions options;
    options.rootFolder = m_form->textFolder()->text();
    options.outputFolder = folder;
    const QString root = options.rootFolder;
    options.sourceLines = [root](const ImageListRow& row) {
        return FitChecker::linesFor(root + row.name);
    };
    const QList<ImageListRow> rows(m_form->imageList()->imageListModel()->rows().begin(),
                                   m_form->imageList()->imageListModel()->rows().end());
    Fit::MockupResult result;
    const bool finished = Platform::runInBackground(
        this, tr("Writing mock-ups..."), [&](const Platform::TaskReport& report) {
            options.progress = [&report](int done, int total) { return report(done, total); };
            result = Fit::exportMockups(rows, options);
        });
    if (!finished || result.outcome != Fit::MockupResult::Outcome::Written) {
        if (!result.message.isEmpty())
            Platform::showMessage(
                {this, result.message, Platform::warningTitle(), Platform::MessageIcon::Warning});
        return;
    }
    QString summary = tr("%L1 mock-ups written to %2.").arg(result.written).arg(folder);
    if (!result.undecodable.isEmpty())
        summary +=
            tr(" Skipped, could not be read: ") + result.undecodable.join(QStringLiteral(", "));
    statusBar()->showMessage(summary, 15000);
}

void MainWindow::recogniseText()
{
    ImageListView* list = m_form->imageList();
    QList<int> rows;
    for (int row = 0; row < list->itemCount(); ++row) {
        if (list->isChecked(row))
            rows.append(row);
    }
    if (rows.isEmpty() && list->selectedIndex() >= 0)
        rows.append(list->selectedIndex());
    if (rows.isEmpty()) {
        statusBar()->showMessage(tr("Check the rows to read, or select one."), 5000);
        return;
    }
    m_recognition->run(rows, m_form->textFolder()->text());
}

void MainWindow::fillRecentMenu(QMenu* menu, RecentFiles& recent, bool lists)
{
    menu->clear();
    const QStringList items = recent.items();
    for (int i = 0; i < items.size(); ++i) {
        const QString path = items.at(i);
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(action, &QAction::triggered, this, [this, path, lists] {
            if (lists)
                m_form->loadList(path);
            else
                m_form->searchFolder(path);
        });
    }
    menu->setEnabled(true);
    if (items.isEmpty())
        menu->addAction(tr("(none)"))->setEnabled(false);
}

void MainWindow::openFile(const QString& path)
{
    const Exchange::Format format = Exchange::formatForFile(path);
    if (format == Exchange::Format::ListFile || format == Exchange::Format::Unknown) {
        m_form->loadList(path);
        return;
    }
    // A file from a translation tool opens as a list of its own.
    std::vector<ImageListRow> rows;
    QString error;
    if (!Exchange::readFile(path, format, rows, &error)) {
        Platform::showMessage(
            {this, error, Platform::warningTitle(), Platform::MessageIcon::Warning});
        return;
    }
    m_form->showRows(std::move(rows));
}

void MainWindow::importTexts()
{
    if (const auto summary = ExchangeCommands::Import(m_form, *m_form->commonDialog(),
                                                      *m_form->imageList()->imageListModel()))
        statusBar()->showMessage(*summary, 10000);
}

void MainWindow::exportAs()
{
    Exchange::WriteOptions options;
    const QSettings settings;
    options.sourceLanguage =
        settings.value(QStringLiteral("exchange/sourceLanguage"), options.sourceLanguage)
            .toString();
    options.targetLanguage =
        settings.value(QStringLiteral("exchange/targetLanguage"), options.targetLanguage)
            .toString();
    options.original = m_form->textFolder()->text();
    // Every row goes out, checked or not: the work is kept there.
    if (ExchangeCommands::ExportAs(m_form, *m_form->commonDialog(),
                                   *m_form->imageList()->imageListModel(), options))
        m_form->document()->markExported();
}

void MainWindow::goToUntranslated(bool forward)
{
    ImageListView* list = m_form->imageList();
    const int row = list->nextUntranslated(list->selectedIndex(), forward);
    if (row < 0) {
        statusBar()->showMessage(tr("Every shown row is translated."), 3000);
        return;
    }
    list->selectItem(row);
    list->scrollToItem(row);
    m_form->showSelectedImage();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The window grows by whatever lies around Form1 (bars, the memory's
    // panel), so that Form1 opens at its design size; once laid out, it
    // shows how much that is.
    if (m_designSize.isValid() && !m_restoredGeometry) {
        resize(size() + m_designSize - m_form->size());
        m_designSize = {};
        centreOnScreen();
    }
}

void MainWindow::centreOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    // Grown after it was placed, the window would reach past the screen's
    // edge; one larger than the screen keeps its top left corner in view.
    const QRect area = screen->availableGeometry();
    QRect frame(QPoint(0, 0), frameSize());
    frame.moveCenter(area.center());
    move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_form->queryClose()) {
        event->ignore();
        return;
    }
    saveSettings();
    QMainWindow::closeEvent(event);
}

void MainWindow::restoreSettings()
{
    const QSettings settings;
    const QByteArray geometry = settings.value(QStringLiteral("window/geometry")).toByteArray();
    m_restoredGeometry = !geometry.isEmpty() && restoreGeometry(geometry);
    if (!m_restoredGeometry)
        centreOnScreen();
    m_form->textFolder()->setText(settings.value(QStringLiteral("window/lastFolder")).toString());
    m_form->commonDialog()->setFileName(
        settings.value(QStringLiteral("window/lastList")).toString());
}

void MainWindow::saveSettings() const
{
    QSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/lastFolder"), m_form->textFolder()->text());
    settings.setValue(QStringLiteral("window/lastList"), m_form->commonDialog()->fileName());
}
