#include "FakePlatform.h"
#include "Form1.h"
#include "ImageListDocument.h"
#include "ImageListView.h"
#include "MainWindow.h"
#include "MenuCheck.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>

namespace {

// Interactive controls below item, and the menus' items, that are shown
// without a name; our own widgets without a description too.
void findUnnamed(QAccessibleInterface* item, QStringList& unnamed)
{
    static const QList<QAccessible::Role> interactive{
        QAccessible::PushButton,   QAccessible::CheckBox,  QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::ComboBox,  QAccessible::SpinBox,
        QAccessible::Slider,       QAccessible::ScrollBar, QAccessible::Tree,
        QAccessible::List,         QAccessible::MenuItem,  QAccessible::ButtonMenu};
    const QAccessible::Role role = item->role();
    const auto* widget = qobject_cast<QWidget*>(item->object());
    if (interactive.contains(role) && !item->state().invisible &&
        (item->text(QAccessible::Name).isEmpty() ||
         (widget && !widget->objectName().isEmpty() &&
          item->text(QAccessible::Description).isEmpty())))
        unnamed.append(QStringLiteral("role %1 %2")
                           .arg(role)
                           .arg(widget ? widget->objectName() : item->text(QAccessible::Name)));
    // The grid's cells are checked on their own.
    if (role != QAccessible::Tree && role != QAccessible::List) {
        for (int i = 0; i < item->childCount(); ++i)
            findUnnamed(item->child(i), unnamed);
    }
}

} // namespace

// The window as assistive technology and a keyboard-only user meet it.
class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("VemarillTests"));
        QSettings().clear();
        // The offscreen platform has no accessibility bridge, so isActive() stays
        // false and the views announce no changes: the tree is read once the rows
        // are in place, as a screen reader starting then would find it.
        m_platform = std::make_unique<FakePlatform>();
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->form()->showRows(
            {{QStringLiteral("menu/start.png"), QString(5000, u'x') + u'!', {}, true},
             {QStringLiteral("ok.png"), QStringLiteral("OK"), {}, false}});
    }
    void cleanupTestCase()
    {
        m_window->form()->document()->markSaved(QStringLiteral("saved.csv"));
        m_window.reset();
    }
    void namesEveryControl()
    {
        // The filter bar's fields, shown, count too; so do the menus, which open
        // as windows of their own.
        QTest::keySequence(m_window.get(), QKeySequence::Find);
        QStringList unnamed;
        findUnnamed(QAccessible::queryAccessibleInterface(m_window.get()), unnamed);
        for (QAction* menu : m_window->menuBar()->actions())
            findUnnamed(QAccessible::queryAccessibleInterface(menu->menu()), unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window->form()->textFolder())
                     ->text(QAccessible::Name),
                 QStringLiteral("Image root folder"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    void gridCellsSpeakTheirTexts()
    {
        ImageListView* list = m_window->form()->imageList();
        list->imageListModel()->setReviewMarks(1, 40, false);
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(list)->tableInterface();
        QVERIFY(table);
        QTRY_COMPARE(table->rowCount(), 2);
        // The whole text, not the cut one the cell shows; a review note as description.
        QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name),
                 list->imageListModel()->row(0).sourceText);
        QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("OK"));
        QVERIFY(table->cellAt(1, 1)->text(QAccessible::Description).contains(QLatin1String("40%")));
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("menu/start.png"));
        QVERIFY(table->cellAt(0, 0)->state().checked);
        QVERIFY(!table->cellAt(1, 0)->state().checked);
        QCOMPARE(table->columnDescription(2), QStringLiteral("Target Text"));
    }
    void keyboardReachesEverything()
    {
        // Tab: the original window in its design's order, the preview's scroll
        // bars (once a picture enables them) with the preview, then the panel.
        for (const char* bar : {"VScroll1", "HScroll1"})
            m_window->findChild<QWidget*>(QLatin1String(bar))->setEnabled(true);
        m_window->form()->textFolder()->setFocus();
        QStringList order;
        while (order.size() < 20 && !order.contains(QApplication::focusWidget()->objectName())) {
            order.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.mid(0, 14).join(u' '),
                 QStringLiteral("TextFolder CmdBrowse CmdSearchImages CmdSaveImages CmdSelectAll "
                                "CmdDeselectAll CmdInvertSelection ImageList VScroll1 HScroll1 "
                                "CmdLoadImages CmdExportHTML CmdAbout MemorySuggestions"));

        // Every menu command has a mnemonic or a shortcut, and no two share one.
        QVERIFY2(clashingMnemonics(m_window->menuBar()).isEmpty(),
                 qPrintable(clashingMnemonics(m_window->menuBar()).join(u',')));
        for (QAction* menu : m_window->menuBar()->actions()) {
            for (const QAction* action : menu->menu()->actions())
                QVERIFY2(action->isSeparator() || action->text().contains(u'&') ||
                             !action->shortcut().isEmpty(),
                         qPrintable(action->text()));
        }
        // What a right click on a row does, from a key.
        m_window->form()->imageList()->selectItem(1);
        QTest::keySequence(m_window.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
        QCOMPARE(m_platform->shellRequests.size(), 1);
        QVERIFY(m_platform->shellRequests.first().target.endsWith(QLatin1String("ok.png")));
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
