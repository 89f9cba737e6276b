#include "FakePlatform.h"
#include "Form1.h"
#include "ImageListDocument.h"
#include "ImageListModel.h"
#include "ImageListView.h"
#include "MainWindow.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

// The window as assistive technology and a keyboard-only user meet it.
class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void namesEveryControl();
    void gridCellsSpeakTheirTexts();
    void tabFollowsTheWindow();
    void reachesEveryCommandFromTheKeyboard();

private:
    void showRows();

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<MainWindow> m_window;
};

namespace {

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ScrollBar:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::List:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

QString describe(const QAccessibleInterface& item)
{
    const QObject* object = item.object();
    return QStringLiteral("%1 (role %2)")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) + u' ' +
                          object->objectName()
                    : QStringLiteral("?"))
        .arg(item.role());
}

// Every interactive control below item without a name, and those of our own
// widgets without a description. The grid's cells are checked on their own.
void findUnnamed(QAccessibleInterface* item, QStringList& unnamed, int depth = 0)
{
    if (!item || depth > 40)
        return;
    const QAccessible::Role role = item->role();
    if (isInteractive(role) && !item->state().invisible && item->text(QAccessible::Name).isEmpty())
        unnamed.append(describe(*item));
    if (isInteractive(role) && role != QAccessible::MenuItem &&
        qobject_cast<QWidget*>(item->object()) && !item->object()->objectName().isEmpty() &&
        item->text(QAccessible::Description).isEmpty())
        unnamed.append(QStringLiteral("no description: ") + describe(*item));
    if (role == QAccessible::Tree || role == QAccessible::Table || role == QAccessible::List)
        return;
    for (int i = 0; i < item->childCount(); ++i)
        findUnnamed(item->child(i), unnamed, depth + 1);
}

} // namespace

void TestAccessibility::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VemarillTests"));
    // As a screen reader would: the views then report their changes.
    QAccessible::setActive(true);
}

void TestAccessibility::init()
{
    QSettings().clear();
    m_platform = std::make_unique<FakePlatform>();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestAccessibility::cleanup()
{
    m_window->form()->document()->markSaved(QStringLiteral("saved.csv"));
    m_window.reset();
    m_platform.reset();
}

void TestAccessibility::showRows()
{
    std::vector<ImageListRow> rows(2);
    rows[0].name = QStringLiteral("menu/start.png");
    rows[0].sourceText = QString(5000, u'x') + QStringLiteral("end");
    rows[0].checked = true;
    rows[1].name = QStringLiteral("ok.png");
    rows[1].sourceText = QStringLiteral("OK");
    m_window->form()->showRows(std::move(rows));
}

void TestAccessibility::namesEveryControl()
{
    // The filter bar is hidden until asked for; its fields count too.
    QTest::keySequence(m_window.get(), QKeySequence::Find);
    QStringList unnamed;
    findUnnamed(QAccessible::queryAccessibleInterface(m_window.get()), unnamed);
    // And the menus, which open as windows of their own.
    for (QAction* top : m_window->menuBar()->actions())
        findUnnamed(QAccessible::queryAccessibleInterface(top->menu()), unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));

    // The walk does reach the controls: the folder box is named, not empty.
    QAccessibleInterface* folder =
        QAccessible::queryAccessibleInterface(m_window->form()->textFolder());
    QCOMPARE(folder->role(), QAccessible::EditableText);
    QCOMPARE(folder->text(QAccessible::Name), QStringLiteral("Image root folder"));
}

void TestAccessibility::gridCellsSpeakTheirTexts()
{
    showRows();
    ImageListView* list = m_window->form()->imageList();
    list->imageListModel()->setReviewMarks(1, 40, false);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(list);
    QVERIFY(grid && grid->tableInterface());
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Image list"));
    QAccessibleTableInterface* table = grid->tableInterface();
    // Once the view has laid out the new rows.
    QTRY_COMPARE(table->rowCount(), 2);

    // The whole Source Text, not the cut one the cell shows.
    QAccessibleInterface* longText = table->cellAt(0, ImageListModel::SourceText);
    QVERIFY(longText);
    QCOMPARE(longText->text(QAccessible::Name).size(), 5003);
    QVERIFY(longText->text(QAccessible::Name).endsWith(QLatin1String("xend")));
    QCOMPARE(table->cellAt(1, ImageListModel::SourceText)->text(QAccessible::Name),
             QStringLiteral("OK"));
    // A recognised text to check says so.
    QVERIFY(table->cellAt(1, ImageListModel::SourceText)
                ->text(QAccessible::Description)
                .contains(QLatin1String("40%")));
    // The Name cell carries the check box.
    QAccessibleInterface* name = table->cellAt(0, ImageListModel::Name);
    QCOMPARE(name->text(QAccessible::Name), QStringLiteral("menu/start.png"));
    QVERIFY(name->state().checkable);
    QVERIFY(name->state().checked);
    QVERIFY(!table->cellAt(1, ImageListModel::Name)->state().checked);

    // The column headers are named.
    QStringList headers;
    for (int i = 0; i < grid->childCount(); ++i) {
        if (grid->child(i)->role() == QAccessible::ColumnHeader)
            headers.append(grid->child(i)->text(QAccessible::Name));
    }
    QCOMPARE(headers, (QStringList{QStringLiteral("Name"), QStringLiteral("Source Text"),
                                   QStringLiteral("Target Text")}));
}

void TestAccessibility::tabFollowsTheWindow()
{
    showRows();
    // A picture larger than the pane would enable them.
    for (const char* bar : {"VScroll1", "HScroll1"})
        m_window->findChild<QScrollBar*>(QLatin1String(bar))->setEnabled(true);

    m_window->form()->textFolder()->setFocus();
    QStringList order;
    for (int i = 0; i < 20; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (!order.isEmpty() && focus->objectName() == order.first())
            break;
        order.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // The original window in its design's order, the preview's scroll bars
    // with the preview, then the panel at the right.
    QStringList expected{QStringLiteral("TextFolder"),         QStringLiteral("CmdBrowse"),
                         QStringLiteral("CmdSearchImages"),    QStringLiteral("CmdSaveImages"),
                         QStringLiteral("CmdSelectAll"),       QStringLiteral("CmdDeselectAll"),
                         QStringLiteral("CmdInvertSelection"), QStringLiteral("ImageList"),
                         QStringLiteral("VScroll1"),           QStringLiteral("HScroll1"),
                         QStringLiteral("CmdLoadImages"),      QStringLiteral("CmdExportHTML"),
                         QStringLiteral("CmdAbout"),           QStringLiteral("MemorySuggestions")};
    // The status bar's button last, where text recognition is there to run.
    if (m_window->findChild<QWidget*>(QStringLiteral("RecogniseButton"))->isEnabled())
        expected.append(QStringLiteral("RecogniseButton"));
    QCOMPARE(order, expected);
}

void TestAccessibility::reachesEveryCommandFromTheKeyboard()
{
    // Each command has a mnemonic in its menu or a shortcut of its own.
    QStringList unreachable;
    QList<QMenu*> menus;
    for (QAction* top : m_window->menuBar()->actions()) {
        if (!top->text().contains(u'&'))
            unreachable.append(top->text());
        menus.append(top->menu());
    }
    for (QMenu* menu : menus) {
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && !action->text().contains(u'&') &&
                action->shortcut().isEmpty())
                unreachable.append(action->text());
        }
    }
    QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join(u'\n')));

    // A right click opens the row's image in its application; so does a key.
    showRows();
    m_window->form()->imageList()->selectItem(1);
    m_window->form()->imageList()->setFocus();
    QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    QCOMPARE(m_platform->shellRequests.size(), 1);
    QVERIFY(m_platform->shellRequests.first().target.endsWith(QLatin1String("ok.png")));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
