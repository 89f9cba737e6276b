#include "GridTestSupport.h"
#include "ToolTipHolder.h"
#include "ToolTipWindow.h"

#include <QStandardItemModel>
#include <QTest>
#include <QToolTip>
#include <QTreeView>
#include <memory>

namespace {
ToolTipOptions tip(const QString& title, const QString& text, int icon = 0, int style = 0)
{
    ToolTipOptions options;
    options.Title = title;
    options.TipText = text;
    options.Icon = icon;
    options.Style = style;
    return options;
}

QPoint globalCentre(const QWidget& widget)
{
    return widget.mapToGlobal(widget.rect().center());
}
} // namespace

class TestToolTipWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QCursor::setPos(0, 0);
        m_list = std::make_unique<QTreeView>();
        m_list->setModel(&m_model);
        m_list->setGeometry(100, 100, 400, 300);
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
    }
    void cleanup() { m_list.reset(); }
    void balloonAndRectangle()
    {
        ToolTipHolder holder;
        const QPoint at = globalCentre(*m_list);
        ToolTipWindow* balloon = holder.show(m_list.get(), tip(u"Title"_qs, u"Some text"_qs, 0, 1));
        balloon->popUp(at);
        // Rounded corners and a tail: the corners are cut away, the tail's tip
        // sits right under the cursor.
        const QRegion shape = balloon->mask();
        QVERIFY(!shape.contains(QPoint(0, 0)));
        QVERIFY(!shape.contains(QPoint(balloon->width() - 1, balloon->height() - 1)));
        QVERIFY(shape.contains(balloon->rect().center()));
        const QPoint tail = balloon->mapFromGlobal(at + QPoint(0, 3));
        QVERIFY(shape.contains(tail));
        QVERIFY(!shape.contains(QPoint(tail.x() + 12, 2)));
        QCOMPARE(balloon->geometry().top(), at.y() + 1);
        const int balloonHeight = balloon->height();
        for (const int style : {0, 2, -1}) {
            ToolTipWindow* box =
                holder.show(m_list.get(), tip(u"Title"_qs, u"Some text"_qs, 0, style));
            box->popUp(at);
            QVERIFY(box->mask().isEmpty());
            QVERIFY(box->height() < balloonHeight);
            // A one-pixel frame around the background, corners included.
            const QImage image = box->grab().toImage();
            QVERIFY(rgbAt(image, 0, 0) != rgbAt(image, 1, 1));
            QCOMPARE(rgbAt(image, 0, 0), rgbAt(image, box->width() - 1, 0));
            // Below the cursor's arrow.
            QVERIFY(box->geometry().top() > at.y());
        }
    }
    void titleIconAndColours()
    {
        ToolTipHolder holder;
        const QPoint at = globalCentre(*m_list);
        // A title line shows for a title or an icon alone; values outside 0..3 show no icon.
        ToolTipWindow* plain = holder.show(m_list.get(), tip({}, u"Text"_qs, 0));
        plain->popUp(at);
        const int plainHeight = plain->height();
        ToolTipWindow* iconOnly = holder.show(m_list.get(), tip({}, u"Text"_qs, 1));
        iconOnly->popUp(at);
        QVERIFY(iconOnly->height() >= plainHeight + 16);
        ToolTipWindow* odd = holder.show(m_list.get(), tip(u"Heading"_qs, u"Text"_qs, 7));
        QVERIFY(odd->hasTitle());
        QCOMPARE(odd->titleIcon(), ToolTipWindow::IconNone);
        QVERIFY(!holder.show(m_list.get(), tip({}, u"Text"_qs, 7))->hasTitle());
        // Each icon is the style's message box icon; its pixels differ per icon.
        QList<QImage> looks;
        for (const int icon : {1, 2, 3}) {
            ToolTipWindow* window = holder.show(m_list.get(), tip(u"Heading"_qs, u"Text"_qs, icon));
            QCOMPARE(int(window->titleIcon()), icon);
            window->popUp(at);
            looks.append(window->grab().toImage());
        }
        QVERIFY(looks[0] != looks[1] && looks[1] != looks[2]);
        // Without text there is no tip to show, as with a platform tip.
        ToolTipWindow* empty = holder.show(m_list.get(), tip(u"Heading"_qs, {}, 1));
        empty->popUp(at);
        QVERIFY(!empty->isVisible());
        // A black background keeps the default one; another is painted, with the text colour.
        ToolTipOptions options = tip({}, u"Text"_qs);
        options.BackColor = QColor(Qt::black);
        ToolTipWindow* window = holder.show(m_list.get(), options);
        QCOMPARE(window->backgroundColor(), QToolTip::palette().color(QPalette::ToolTipBase));
        options.BackColor = QColor(0, 128, 0);
        options.ForeColor = QColor(255, 255, 255);
        window = holder.show(m_list.get(), options);
        window->popUp(at);
        const QImage image = window->grab().toImage();
        QCOMPARE(rgbAt(image, 2, 1), 0x008000u);
        QVERIFY(hasColour(image, image.rect(), [](QRgb c) { return (c & 0xFFFFFF) == 0xFFFFFFu; }));
    }
    void oneTipPerHolder()
    {
        // A new tip replaces the old; without a tool nothing changes.
        ToolTipHolder holder;
        QPointer<ToolTipWindow> window = holder.show(m_list.get(), tip({}, u"first"_qs));
        ToolTipWindow* second = holder.show(m_list.get(), tip({}, u"second"_qs));
        QVERIFY(!window);
        QVERIFY(!holder.show(nullptr, tip({}, u"third"_qs)));
        QCOMPARE(holder.window(), second);
        // The tool goes first: the tip goes with it, and the holder notices.
        window = second;
        window->popUp(globalCentre(*m_list));
        m_list.reset();
        QVERIFY(window.isNull());
        QVERIFY(!holder.window());
        holder.destroy();
    }
    void showsWhenTheMouseRests()
    {
        ToolTipHolder holder;
        ToolTipOptions options = tip(u"Title"_qs, u"Text"_qs, 0, 1);
        options.DelayTime = 100;
        ToolTipWindow* window = holder.show(m_list.get(), options);
        QTest::mouseMove(m_list->viewport(), QPoint(40, 40));
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(window->isVisible());
        QCOMPARE(window->anchor(), m_list->viewport()->mapToGlobal(QPoint(40, 40)));
        // It follows the mouse.
        QTest::mouseMove(m_list->viewport(), QPoint(120, 90));
        QVERIFY(window->isVisible());
        QCOMPARE(window->anchor(), m_list->viewport()->mapToGlobal(QPoint(120, 90)));
        QVERIFY(!window->geometry().contains(QCursor::pos()));
        // A click takes it away; resting again brings it back.
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(120, 90));
        QVERIFY(!window->isVisible());
        QTest::mouseMove(m_list->viewport(), QPoint(130, 90));
        QTRY_VERIFY(window->isVisible());
        // Leaving the list hides it.
        QCursor::setPos(m_list->mapToGlobal(QPoint(-50, -50)));
        QTRY_VERIFY(!window->isVisible());
    }
    void hidesAfterTheVisibleTime()
    {
        ToolTipHolder holder;
        ToolTipOptions options = tip({}, u"Text"_qs);
        options.VisibleTime = 300;
        ToolTipWindow* window = holder.show(m_list.get(), options);
        QTest::mouseMove(m_list->viewport(), QPoint(40, 40));
        QTRY_VERIFY(window->isVisible());
        QTRY_VERIFY(!window->isVisible());
        // Gone until the mouse leaves the list and comes back.
        QTest::mouseMove(m_list->viewport(), QPoint(45, 40));
        QTest::qWait(50);
        QVERIFY(!window->isVisible());
        QCursor::setPos(m_list->mapToGlobal(QPoint(-50, -50)));
        QCoreApplication::processEvents();
        QTest::mouseMove(m_list->viewport(), QPoint(40, 40));
        QTRY_VERIFY(window->isVisible());
        options.VisibleTime = 0;
        options.DelayTime = -1;
        window = holder.show(m_list.get(), options);
        QCOMPARE(window->visibleTime(), ToolTipWindow::kDefaultVisibleTime);
        QVERIFY(window->delayTime() > 0);
    }

private:
    std::unique_ptr<QTreeView> m_list;
    QStandardItemModel m_model{5, 3};
};

QTEST_MAIN(TestToolTipWindow)
#include "tst_tooltipwindow.moc"
