#include "ToolTipWindow.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>
#include <QToolTip>
#include <algorithm>

namespace {
constexpr int kIconSide = 16;
constexpr int kIconGap = 6;
constexpr int kTitleGap = 6;
// Inner padding of the rectangle and the balloon.
constexpr QMargins kRectanglePadding(4, 2, 4, 2);
constexpr QMargins kBalloonPadding(10, 8, 10, 8);
constexpr int kBalloonRadius = 8;
constexpr int kTailHeight = 14;
constexpr int kTailWidth = 16;
// Where the tail's tip sits from the balloon's left edge when it can.
constexpr int kTailOffset = 24;
// A rectangular tip opens below the cursor's arrow.
constexpr int kCursorHeight = 20;
const QColor kFrameColor(0x76, 0x76, 0x76);
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;
} // namespace

ToolTipWindow::ToolTipWindow(QWidget* tool, const ToolTipOptions& options)
    : QWidget(tool, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                        Qt::WindowDoesNotAcceptFocus),
      m_options(options), m_tool(tool)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(QToolTip::font());
    setPalette(QToolTip::palette());

    m_initialTimer.setSingleShot(true);
    m_visibleTimer.setSingleShot(true);
    connect(&m_initialTimer, &QTimer::timeout, this, &ToolTipWindow::initialDelayOver);
    connect(&m_visibleTimer, &QTimer::timeout, this, &ToolTipWindow::visibleTimeOver);

    if (!tool)
        return;
    watch(tool);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(tool)) {
        m_viewport = area->viewport();
        watch(m_viewport);
    }
    // The mouse may already rest on the tool: then the tip comes without a move.
    const QPoint cursor = QCursor::pos();
    if (cursorOverTool(cursor)) {
        m_lastCursor = cursor;
        m_initialTimer.start(delayTime());
    }
}

ToolTipWindow::~ToolTipWindow()
{
    if (m_viewport)
        m_viewport->removeEventFilter(this);
    if (m_tool)
        m_tool->removeEventFilter(this);
}

bool ToolTipWindow::hasTitle() const
{
    return !m_options.Title.isEmpty() || titleIcon() != IconNone;
}

ToolTipWindow::TitleIcon ToolTipWindow::titleIcon() const
{
    if (m_options.Icon < IconNone || m_options.Icon > IconError)
        return IconNone;
    return TitleIcon(m_options.Icon);
}

QColor ToolTipWindow::textColor() const
{
    return m_options.ForeColor.isValid() ? m_options.ForeColor : QColor(Qt::black);
}

bool ToolTipWindow::hasOwnBackground() const
{
    return m_options.BackColor.isValid() && (m_options.BackColor.rgb() & 0xFFFFFF) != 0;
}

QColor ToolTipWindow::backgroundColor() const
{
    return hasOwnBackground() ? m_options.BackColor
                              : QToolTip::palette().color(QPalette::ToolTipBase);
}

int ToolTipWindow::visibleTime() const
{
    return m_options.VisibleTime > 0 ? m_options.VisibleTime : kDefaultVisibleTime;
}

int ToolTipWindow::delayTime() const
{
    return m_options.DelayTime >= 0 ? m_options.DelayTime
                                    : QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void ToolTipWindow::watch(QWidget* widget)
{
    widget->installEventFilter(this);
    // Without tracking a resting mouse sends no moves.
    widget->setMouseTracking(true);
}

bool ToolTipWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        mouseMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::Leave:
        // Leaving the viewport for the header or a scroll bar is no leaving of
        // the tool, and the tool itself is not always told when the mouse goes.
        if (!cursorOverTool(QCursor::pos()))
            mouseLeft();
        break;
    case QEvent::Hide:
        if (watched == m_tool)
            mouseLeft();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        popDown();
        break;
    default:
        break;
    }
    return false;
}

void ToolTipWindow::mouseMoved(const QPoint& globalCursor)
{
    m_lastCursor = globalCursor;
    if (m_poppedSinceLeave)
        return;
    if (isVisible()) {
        if (!m_options.Centered)
            placeAt(anchorFor(globalCursor));
        m_visibleTimer.start(visibleTime());
        return;
    }
    m_initialTimer.start(delayTime());
}

void ToolTipWindow::initialDelayOver()
{
    if (cursorOverTool(m_lastCursor))
        popUp(m_lastCursor);
}

void ToolTipWindow::visibleTimeOver()
{
    hide();
    // As a platform tip does: gone until the mouse leaves the tool and comes back.
    m_poppedSinceLeave = true;
}

void ToolTipWindow::mouseLeft()
{
    popDown();
    m_poppedSinceLeave = false;
}

void ToolTipWindow::popUp(const QPoint& globalCursor)
{
    // A tool without text has no tip to show.
    if (m_options.TipText.isEmpty())
        return;
    m_initialTimer.stop();
    placeAt(anchorFor(globalCursor));
    show();
    m_visibleTimer.start(visibleTime());
}

void ToolTipWindow::popDown()
{
    m_initialTimer.stop();
    m_visibleTimer.stop();
    hide();
}

bool ToolTipWindow::cursorOverTool(const QPoint& globalCursor) const
{
    return m_tool && m_tool->isVisible() &&
           m_tool->rect().contains(m_tool->mapFromGlobal(globalCursor));
}

QPoint ToolTipWindow::anchorFor(const QPoint& globalCursor) const
{
    if (!m_options.Centered || !m_tool)
        return globalCursor;
    const QRect tool(m_tool->mapToGlobal(QPoint(0, 0)), m_tool->size());
    return {tool.left() + tool.width() / 2, tool.bottom() + 1};
}

QFont ToolTipWindow::titleFont() const
{
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

QPixmap ToolTipWindow::iconPixmap() const
{
    QStyle::StandardPixmap which;
    switch (titleIcon()) {
    case IconInformation:
        which = QStyle::SP_MessageBoxInformation;
        break;
    case IconWarning:
        which = QStyle::SP_MessageBoxWarning;
        break;
    case IconError:
        which = QStyle::SP_MessageBoxCritical;
        break;
    default:
        return {};
    }
    return style()->standardIcon(which, nullptr, this).pixmap(kIconSide, kIconSide);
}

int ToolTipWindow::titleLineHeight(const QFontMetrics& bold) const
{
    return std::max(titleIcon() != IconNone ? kIconSide : 0, bold.height());
}

QSize ToolTipWindow::contentSize() const
{
    const QSize text =
        m_options.TipText.isEmpty()
            ? QSize()
            : fontMetrics()
                  .boundingRect(QRect(0, 0, 0xFFFFFF, 0xFFFFFF), kTextFlags, m_options.TipText)
                  .size();
    if (!hasTitle())
        return text;
    const QFontMetrics bold(titleFont());
    const int iconWidth = titleIcon() != IconNone ? kIconSide + kIconGap : 0;
    const QSize title(iconWidth + bold.horizontalAdvance(m_options.Title), titleLineHeight(bold));
    return {std::max(title.width(), text.width()),
            title.height() + (text.isEmpty() ? 0 : kTitleGap + text.height())};
}

ToolTipWindow::Geometry ToolTipWindow::layout(int tailX, bool tailUp) const
{
    const bool balloon = isBalloon();
    const QMargins padding = balloon ? kBalloonPadding : kRectanglePadding;
    const int tail = balloon ? kTailHeight : 0;
    const QSize content = contentSize();

    Geometry g;
    g.body = QRect(0, tailUp ? tail : 0, content.width() + padding.left() + padding.right(),
                   content.height() + padding.top() + padding.bottom());
    g.size = QSize(g.body.width(), g.body.height() + tail);
    QPoint at = g.body.topLeft() + QPoint(padding.left(), padding.top());
    if (hasTitle()) {
        const QFontMetrics bold(titleFont());
        const int line = titleLineHeight(bold);
        if (titleIcon() != IconNone)
            g.icon = QRect(at.x(), at.y() + (line - kIconSide) / 2, kIconSide, kIconSide);
        const int titleLeft = g.icon.isNull() ? at.x() : g.icon.right() + 1 + kIconGap;
        g.title = QRect(titleLeft, at.y() + (line - bold.height()) / 2,
                        bold.horizontalAdvance(m_options.Title), bold.height());
        at.ry() += line + kTitleGap;
    }
    g.text = QRect(at, QSize(content.width(), g.body.bottom() + 1 - padding.bottom() - at.y()));
    if (balloon) {
        const int base = tailUp ? g.body.top() : g.body.bottom() + 1;
        const int tip = tailUp ? 0 : g.size.height();
        g.tail << QPoint(tailX, tip) << QPoint(tailX - kTailWidth / 2, base)
               << QPoint(tailX + kTailWidth / 2, base);
    }
    return g;
}

QPainterPath ToolTipWindow::outline(const Geometry& g) const
{
    QPainterPath path;
    if (!isBalloon()) {
        path.addRect(QRectF(g.body));
        return path;
    }
    path.addRoundedRect(QRectF(g.body), kBalloonRadius, kBalloonRadius);
    QPainterPath tail;
    tail.addPolygon(QPolygonF(g.tail));
    tail.closeSubpath();
    return path.united(tail).simplified();
}

void ToolTipWindow::placeAt(const QPoint& anchor)
{
    m_anchor = anchor;
    const QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen)
        screen = m_tool ? m_tool->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();

    const QSize size = layout(0, true).size;
    const bool balloon = isBalloon();
    int left = m_options.Centered ? anchor.x() - size.width() / 2
                                  : anchor.x() - (balloon ? kTailOffset : 0);
    // The cursor's own pixel stays outside the tip, so the tip never takes the mouse.
    int top = anchor.y() + (m_options.Centered ? 0 : balloon ? 1 : kCursorHeight);
    bool tailUp = true;
    if (available.isValid()) {
        left = std::clamp(left, available.left(),
                          std::max(available.left(), available.right() + 1 - size.width()));
        if (top + size.height() > available.bottom() + 1 && anchor.y() - size.height() >= 0) {
            tailUp = false;
            top = anchor.y() - size.height() - 1;
        }
    }
    const int inset = kBalloonRadius + kTailWidth / 2;
    m_tailX = std::clamp(anchor.x() - left, inset, std::max(inset, size.width() - inset));
    m_tailUp = tailUp;

    resize(size);
    move(left, top);
    if (balloon)
        setMask(QRegion(outline(layout(m_tailX, m_tailUp)).toFillPolygon().toPolygon()));
    else
        clearMask();
    update();
}

void ToolTipWindow::paintEvent(QPaintEvent*)
{
    const Geometry g = layout(m_tailX, m_tailUp);
    QPainter painter(this);
    if (isBalloon()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), backgroundColor());
        painter.setPen(kFrameColor);
        painter.setBrush(backgroundColor());
        painter.drawPath(outline(g).translated(0.5, 0.5));
    } else {
        painter.fillRect(g.body, backgroundColor());
        painter.setPen(kFrameColor);
        painter.drawRect(g.body.adjusted(0, 0, -1, -1));
    }
    if (!g.icon.isNull())
        painter.drawPixmap(g.icon, iconPixmap());
    painter.setPen(textColor());
    if (!m_options.Title.isEmpty()) {
        painter.setFont(titleFont());
        painter.drawText(g.title, kTextFlags, m_options.Title);
        painter.setFont(font());
    }
    if (!m_options.TipText.isEmpty())
        painter.drawText(g.text, kTextFlags, m_options.TipText);
}
