#pragma once

#include <QColor>
#include <QPointer>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

class QFontMetrics;
class QPainterPath;

// What a tooltip shows and how: the arguments of one request for a tip.
struct ToolTipOptions {
    QString Title;
    QString TipText;
    // 0 none, 1 information, 2 warning, 3 error; anything else counts as none.
    int Icon = 0;
    // 1 balloon, anything else a rectangle.
    int Style = 0;
    // Centred below the tool, pointing at its bottom edge, instead of at the cursor.
    bool Centered = false;
    QColor ForeColor = Qt::black;
    // Black (colour value 0) or invalid keeps the default tooltip background.
    QColor BackColor;
    // Milliseconds the tip stays while the mouse rests; <= 0 means kDefaultVisibleTime.
    int VisibleTime = 5000;
    // Milliseconds the mouse must rest before the tip shows; < 0 means the
    // platform's double-click time.
    int DelayTime = 0;
};

// A tooltip of our own for one tool widget: it watches the tool's mouse
// events, shows after the initial delay once the mouse rests on the tool,
// follows the mouse, hides after the visible time and stays hidden until the
// mouse has left the tool. It is the tool's child, so it goes with the tool.
class ToolTipWindow : public QWidget {
    Q_OBJECT
public:
    enum TitleIcon { IconNone = 0, IconInformation = 1, IconWarning = 2, IconError = 3 };
    static constexpr int kDefaultVisibleTime = 5000;

    ToolTipWindow(QWidget* tool, const ToolTipOptions& options);
    ~ToolTipWindow() override;
    ToolTipWindow(const ToolTipWindow&) = delete;
    ToolTipWindow& operator=(const ToolTipWindow&) = delete;

    QWidget* tool() const { return m_tool; }
    const ToolTipOptions& options() const { return m_options; }
    bool isBalloon() const { return m_options.Style == 1; }
    // A title line shows when there is a title text or an icon.
    bool hasTitle() const;
    TitleIcon titleIcon() const;
    QColor textColor() const;
    QColor backgroundColor() const;
    bool hasOwnBackground() const;
    int visibleTime() const;
    int delayTime() const;
    // Where the tail's tip points, in global pixels, while shown.
    QPoint anchor() const { return m_anchor; }

    // Shows the tip for the mouse at globalCursor and starts the visible time.
    void popUp(const QPoint& globalCursor);
    // Hides the tip; the next rest of the mouse shows it again.
    void popDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Geometry {
        QSize size;
        QRect body;
        QRect icon;
        QRect title;
        QRect text;
        QPolygon tail;
    };

    void watch(QWidget* widget);
    void mouseMoved(const QPoint& globalCursor);
    void initialDelayOver();
    void visibleTimeOver();
    void mouseLeft();
    bool cursorOverTool(const QPoint& globalCursor) const;
    QPoint anchorFor(const QPoint& globalCursor) const;
    void placeAt(const QPoint& anchor);
    Geometry layout(int tailX, bool tailUp) const;
    QSize contentSize() const;
    // The title line holds the icon and the bold title side by side.
    int titleLineHeight(const QFontMetrics& bold) const;
    QFont titleFont() const;
    QPixmap iconPixmap() const;
    QPainterPath outline(const Geometry& geometry) const;

    ToolTipOptions m_options;
    QPointer<QWidget> m_tool;
    QPointer<QWidget> m_viewport;
    QTimer m_initialTimer;
    QTimer m_visibleTimer;
    QPoint m_lastCursor;
    QPoint m_anchor;
    bool m_poppedSinceLeave = false;
    bool m_tailUp = true;
    int m_tailX = 0;
};
