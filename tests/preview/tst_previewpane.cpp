#include "FakePlatform.h"
#include "Form1.h"
#include "ImageListView.h"
#include "PictureLoader.h"
#include "PreviewPane.h"
#include "PreviewPicture.h"
#include "ResizeCode.h"
#include "ScrollMath.h"
#include "TempTree.h"
#include "Twips.h"
#include "ZoomMath.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

class TestPreviewPane : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_tree = std::make_unique<TempTree>();
        QVERIFY(m_tree->writeImage(QStringLiteral("a.png"), QSize(1200, 600)));
        QVERIFY(m_tree->writeImage(QStringLiteral("b.png"), QSize(200, 100)));
        QVERIFY(m_tree->writeFile(QStringLiteral("bad.png"), "not a picture at all"));
        m_platform = std::make_unique<FakePlatform>();
        m_form = std::make_unique<Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        m_list = m_form->imageList();
        m_pane = m_form->previewPane();
        m_picture = m_pane->picture2();
        m_h = m_pane->hScroll1();
        m_v = m_pane->vScroll1();
        QVERIFY(m_tree->writeImage(QStringLiteral("exact.png"),
                                   m_pane->picContenedor()->contentsRect().size()));
    }
    void cleanup() { m_form.reset(), m_platform.reset(), m_tree.reset(); }
    void clickShowsPansAndKeepsOnFailure()
    {
        QVERIFY(m_picture->isHidden());
        QVERIFY(!m_h->isEnabled() && !m_v->isEnabled());
        search();
        clickRow(QStringLiteral("a.png"));
        QVERIFY(m_picture->isVisible());
        QVERIFY(showsTreeColour());
        QCOMPARE(m_form->PreviousImagePath, QStringLiteral("a.png"));
        const double viewWidth = Platform::pixelsToTwipsX(m_pane->picContenedor()->width());
        const double viewHeight = Platform::pixelsToTwipsY(m_pane->picContenedor()->height());
        QCOMPARE(m_h->minimum(), 0);
        QCOMPARE(m_h->maximum(),
                 ScrollMath::ScrollMaximum(Platform::pixelsToTwipsX(1200), viewWidth));
        QCOMPARE(m_v->maximum(),
                 ScrollMath::ScrollMaximum(Platform::pixelsToTwipsY(600), viewHeight));
        // A real click on the right arrow pans one unit, 120 twips.
        QTest::mouseClick(m_h, Qt::LeftButton, {}, QPoint(m_h->width() - 3, m_h->height() / 2));
        QCOMPARE(m_h->value(), 1);
        m_v->setValue(2);
        const QPoint panned(Platform::twipsToPixelsX(-120), Platform::twipsToPixelsY(-240));
        QCOMPARE(m_picture->pos(), panned);
        // The same row again, or any key release, keeps the pan; another row and
        // back resets it.
        clickRow(QStringLiteral("a.png"));
        m_list->setFocus();
        QTest::keyClick(m_list, Qt::Key_Shift);
        QTRY_VERIFY(!m_pane->isLoading());
        QCOMPARE(m_picture->pos(), panned);
        QTest::keyClick(m_list, Qt::Key_Down);
        clickRow(QStringLiteral("a.png"));
        QCOMPARE(QPoint(m_h->value(), m_v->value()), QPoint(0, 0));
        // Smaller than the viewport: both bars off and the value held at 0.
        clickRow(QStringLiteral("b.png"));
        QCOMPARE(m_picture->geometry(), QRect(0, 0, 200, 100));
        QVERIFY(!m_h->isEnabled() && !m_v->isEnabled());
        QCOMPARE(m_h->value(), 0);
        QCOMPARE(m_h->minimum(),
                 ScrollMath::ScrollMaximum(Platform::pixelsToTwipsX(200), viewWidth));
        // Exactly the viewport's size keeps the bars on.
        clickRow(QStringLiteral("exact.png"));
        QVERIFY(m_h->isEnabled() && m_v->isEnabled());
        QCOMPARE(m_h->maximum(), 0);
        // A missing or unreadable file keeps the picture; a new Name still resets
        // the pan and becomes the previous one.
        QVERIFY(QFile::remove(m_tree->path(QStringLiteral("b.png"))));
        for (const char* name : {"b.png", "bad.png"}) {
            clickRow(QStringLiteral("a.png"));
            m_h->setValue(3);
            clickRow(QLatin1String(name));
            QCOMPARE(m_picture->size(), QSize(1200, 600));
            QVERIFY(showsTreeColour());
            QCOMPARE(m_h->value(), 0);
            QCOMPARE(m_form->PreviousImagePath, QLatin1String(name));
        }
    }
    void rightClickEditsBeforeAnySearch()
    {
        QVERIFY(m_tree->writeFile(QStringLiteral("list.txt"), "a.png;;;\r\nb.png;x;y;\r\n"));
        m_platform->answerNextFile(m_tree->path(QStringLiteral("list.txt")));
        QTest::mouseClick(m_form->findChild<QPushButton*>(QStringLiteral("CmdLoadImages")),
                          Qt::LeftButton);
        QCOMPARE(m_list->itemCount(), 2);
        m_form->textFolder()->setText(m_tree->root());
        // No row selected: a right click below the rows does nothing.
        QTest::mouseClick(m_list->viewport(), Qt::RightButton, {},
                          QPoint(10, m_list->viewport()->height() - 3));
        // Rows loaded from a list, before the first search, preview nothing.
        clickRow(QStringLiteral("a.png"));
        QTest::keyClick(m_list, Qt::Key_Down);
        QVERIFY(m_picture->isHidden() && m_form->PreviousImagePath.isEmpty());
        QVERIFY(m_platform->shellRequests.isEmpty());
        // A right press while the left is held is still a right press.
        const QPoint at = m_list->cellRect(1, 1).center();
        QTest::mousePress(m_list->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(m_list->viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(m_list->viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(m_list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(m_platform->shellRequests.size(), 1);
        m_platform->shellRequests.clear();
        clickRow(QStringLiteral("a.png"), Qt::RightButton);
        QCOMPARE(m_platform->shellRequests.size(), 1);
        const Platform::ShellRequest request = m_platform->shellRequests.first();
        QCOMPARE(request.verb, QStringLiteral("Edit"));
        QCOMPARE(request.target, m_tree->path(QStringLiteral("a.png")));
        QCOMPARE(request.owner, m_form.get());
    }
    void resizeScalesAndRestores()
    {
        QCOMPARE(m_form->size(), Platform::twipsRect(0, 0, 11295, 9510).size());
        QVERIFY(m_form->maximumSize().width() > m_form->width());
        search();
        clickRow(QStringLiteral("a.png"));
        const QList<QWidget*> controls = ResizeCode::Controls(*m_form);
        QList<QRect> design;
        for (QWidget* control : controls)
            design.append(control->geometry());
        auto* frame2 = m_form->findChild<QGroupBox*>(QStringLiteral("Frame2"));
        auto* frame4 = m_form->findChild<QGroupBox*>(QStringLiteral("Frame4"));
        m_h->setValue(7);
        m_v->setValue(3);
        const QSize size = m_form->size();
        m_form->resize(size.width() * 2, size.height());
        QTRY_COMPARE(m_form->width(), size.width() * 2);
        QCOMPARE(frame2->geometry(), Platform::twipsRect(240, 960, 22110, 3735));
        QCOMPARE(m_list->columnWidth(2), Platform::twipsToPixelsX(7060));
        QCOMPARE(m_v->x(),
                 Platform::twipsToPixelsX(Platform::pixelsToTwipsX(frame4->width()) - 250));
        // The picture keeps its natural size at the corner; the bars fit the wider
        // viewport, which the picture no longer fills.
        QCOMPARE(m_picture->geometry(), QRect(0, 0, 1200, 600));
        QCOMPARE(QPoint(m_h->value(), m_v->value()), QPoint(0, 0));
        QVERIFY(!m_h->isEnabled() && m_v->isEnabled());
        QCOMPARE(m_h->minimum(), ScrollMath::ScrollMaximum(
                                     Platform::pixelsToTwipsX(1200),
                                     Platform::pixelsToTwipsX(m_pane->picContenedor()->width())));
        m_form->resize(size.width(), size.height() / 2);
        QTRY_COMPARE(m_form->height(), size.height() / 2);
        QCOMPARE(frame2->geometry(), Platform::twipsRect(120, 480, 11055, 1867.5));
        QCOMPARE(m_v->width(), m_h->height());
        m_form->resize(size);
        QTRY_COMPARE(m_form->size(), size);
        for (qsizetype i = 0; i < controls.size(); ++i)
            QCOMPARE(controls.at(i)->geometry(), design.at(i));
        QCOMPARE(m_list->columnWidth(0), Platform::twipsToPixelsX(3455));
    }
    void newestRequestWins()
    {
        search();
        clickRow(QStringLiteral("exact.png"));
        const QSize exact = m_picture->size();
        QSemaphore gate;
        std::atomic_bool slowWasCancelled = false;
        m_pane->setDecodeFunction(
            [&](const PictureLoader::DecodeRequest& request, const std::atomic_bool& cancelled) {
                if (request.path.endsWith(QLatin1String("a.png"))) {
                    // Times out rather than hangs should the decode block the GUI thread.
                    gate.tryAcquire(1, 5000);
                    slowWasCancelled = cancelled.load();
                }
                // Decodes in full even once cancelled: dropping it is up to the pane.
                const std::atomic_bool carryOn = false;
                return PictureLoader::LoadPicture(request, carryOn);
            });
        // The slow picture keeps the earlier one on screen while it decodes.
        clickRow(QStringLiteral("a.png"), Qt::LeftButton, false);
        QVERIFY(m_pane->isLoading());
        QCOMPARE(m_picture->size(), exact);
        QVERIFY(showsTreeColour());
        clickRow(QStringLiteral("b.png"), Qt::LeftButton, false);
        QTRY_COMPARE(m_picture->size(), QSize(200, 100));
        gate.release();
        QTRY_VERIFY(!m_pane->isLoading());
        QVERIFY(slowWasCancelled);
        QCOMPARE(m_picture->size(), QSize(200, 100));
        QCOMPARE(m_form->PreviousImagePath, QStringLiteral("b.png"));
    }
    void ctrlWheelZoomsAboutTheCursor_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("notches");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<double>("zoom");
        const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
        QTest::newRow("in") << QPoint(300, 100) << 1 << ctrl << 1.25;
        QTest::newRow("in twice near the corner") << QPoint(40, 30) << 2 << ctrl << 1.5;
        QTest::newRow("out") << QPoint(100, 40) << -1 << ctrl << 0.75;
        QTest::newRow("no Ctrl, no zoom")
            << QPoint(300, 100) << 1 << Qt::KeyboardModifiers() << 1.0;
    }
    void ctrlWheelZoomsAboutTheCursor()
    {
        QFETCH(QPoint, at);
        QFETCH(int, notches);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(double, zoom);
        search();
        clickRow(QStringLiteral("a.png"));
        m_h->setValue(5);
        m_v->setValue(3);
        QSignalSpy zooms(m_pane, &PreviewPane::zoomChanged);
        // `at` is in the frame; the picture under it is what the wheel reaches.
        const QPointF imagePoint = QPointF(at - m_picture->pos());
        for (int i = 0; i < std::abs(notches); ++i) {
            QWheelEvent wheel(at - m_picture->pos(), m_picture->mapToGlobal(at - m_picture->pos()),
                              {}, QPoint(0, notches > 0 ? 120 : -120), Qt::NoButton, modifiers,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(m_picture, &wheel);
        }
        QCOMPARE(m_pane->zoom(), zoom);
        QCOMPARE(zooms.size(), zoom == 1.0 ? 0 : std::abs(notches));
        QCOMPARE(m_picture->size(), ZoomMath::ScaledSize(QSize(1200, 600), zoom));
        // The picture sits where its bars say, one step per 120 twips, and the
        // image point stays under the cursor to within half a step.
        const QPoint step(Platform::twipsToPixelsX(120), Platform::twipsToPixelsY(120));
        QCOMPARE(m_picture->pos(), QPoint(-step.x() * m_h->value(), -step.y() * m_v->value()));
        const QPointF drift = (QPointF(at - m_picture->pos()) / zoom - imagePoint) * zoom;
        QVERIFY(std::abs(drift.x()) <= step.x() / 2.0 && std::abs(drift.y()) <= step.y() / 2.0);
    }
    void fitToPaneDecodesAtTheShownSize()
    {
        // 140 MB when whole: refused at 100%, shown when fitted.
        const QSize big(7000, 5000);
        QVERIFY(m_tree->writeImage(QStringLiteral("big.png"), big));
        search(5);
        clickRow(QStringLiteral("b.png"));
        clickRow(QStringLiteral("big.png"));
        QCOMPARE(m_picture->naturalSize(), QSize(200, 100));
        const QSize area(m_v->x() - m_pane->frame3()->x(), m_h->y() - m_pane->frame3()->y());
        QSignalSpy zooms(m_pane, &PreviewPane::zoomChanged);
        // Small pictures are not enlarged to fit.
        m_pane->fitToPane();
        QVERIFY(m_pane->isFitToPane());
        QCOMPARE(m_pane->zoom(), 1.0);
        for (const QSize natural : {big, QSize(1200, 600)}) {
            clickRow(natural == big ? QStringLiteral("big.png") : QStringLiteral("a.png"));
            QCOMPARE(m_picture->naturalSize(), natural);
            QCOMPARE(m_picture->size(), ZoomMath::ScaledSize(natural, m_pane->zoom()));
            QCOMPARE(m_picture->decodedSize(), m_picture->size());
            QVERIFY(m_picture->width() <= area.width() && m_picture->height() <= area.height());
            QVERIFY(m_picture->width() >= area.width() - 1 ||
                    m_picture->height() >= area.height() - 1);
            QVERIFY(!m_h->isEnabled() && !m_v->isEnabled());
            QCOMPARE(zooms.last().first().toDouble(), m_pane->zoom());
        }
        // Full size from 100% on; larger is painted, not decoded.
        m_pane->actualSize();
        QVERIFY(!m_pane->isFitToPane());
        QCOMPARE(m_picture->size(), QSize(1200, 600));
        QTRY_COMPARE(m_picture->decodedSize(), QSize(1200, 600));
        m_pane->zoomIn();
        QCOMPARE(m_pane->zoom(), 1.25);
        QCOMPARE(m_picture->size(), QSize(1500, 750));
        QCOMPARE(m_picture->decodedSize(), QSize(1200, 600));
        QVERIFY(!m_pane->isLoading());
        m_pane->zoomOut();
        m_pane->zoomOut();
        QCOMPARE(m_pane->zoom(), 0.75);
        QTRY_COMPARE(m_picture->decodedSize(), QSize(900, 450));
    }
    void paintsAtTheZoom()
    {
        QImage twoPixels(2, 1, QImage::Format_RGB32);
        twoPixels.setPixel(0, 0, qRgb(255, 0, 0));
        twoPixels.setPixel(1, 0, qRgb(0, 0, 255));
        PreviewPicture picture;
        picture.setPicture(twoPixels, twoPixels.size());
        picture.setZoom(8.0);
        QCOMPARE(picture.size(), QSize(16, 8));
        QImage shot = picture.grab().toImage();
        QCOMPARE(std::pair(shot.pixelColor(7, 7), shot.pixelColor(8, 0)),
                 std::pair(QColor(Qt::red), QColor(Qt::blue)));
        // Decoded at half size for a picture shown at half size: no scaling.
        picture.setPicture(twoPixels, QSize(4, 2));
        picture.setZoom(0.5);
        QCOMPARE(picture.size(), QSize(2, 1));
        shot = picture.grab().toImage();
        QCOMPARE(std::pair(shot.pixelColor(0, 0), shot.pixelColor(1, 0)),
                 std::pair(QColor(Qt::red), QColor(Qt::blue)));
    }

private:
    void search(int rows = 4)
    {
        m_form->textFolder()->setText(m_tree->root());
        QTest::mouseClick(m_form->findChild<QPushButton*>(QStringLiteral("CmdSearchImages")),
                          Qt::LeftButton);
        QCOMPARE(m_list->itemCount(), rows);
    }
    // Waits for the picture unless told not to.
    void clickRow(const QString& name, Qt::MouseButton button = Qt::LeftButton, bool wait = true)
    {
        for (int row = 0; row < m_list->itemCount(); ++row) {
            if (m_list->itemText(row) != name)
                continue;
            m_list->scrollToItem(row, 1);
            QTest::mouseClick(m_list->viewport(), button, {}, m_list->cellRect(row, 1).center());
            if (wait)
                QTRY_VERIFY(!m_pane->isLoading());
            return;
        }
        QFAIL(qPrintable(name));
    }
    // The frame's paint at the viewport's top-left corner, in TempTree's colour.
    bool showsTreeColour() const
    {
        const QImage shot = m_pane->frame3()->grab().toImage();
        const QPoint corner = m_pane->picContenedor()->geometry().topLeft() + QPoint(1, 1);
        return shot.pixelColor(corner * shot.devicePixelRatio()) == QColor(40, 120, 200);
    }
    std::unique_ptr<TempTree> m_tree;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Form1> m_form;
    ImageListView* m_list = nullptr;
    PreviewPane* m_pane = nullptr;
    PreviewPicture* m_picture = nullptr;
    QScrollBar* m_h = nullptr;
    QScrollBar* m_v = nullptr;
};

QTEST_MAIN(TestPreviewPane)
#include "tst_previewpane.moc"
