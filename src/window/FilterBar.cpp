#include "FilterBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FilterBar::FilterBar(QWidget* parent)
    : QWidget(parent), m_text(new QLineEdit(this)),
      m_untranslated(new QCheckBox(tr("Untranslated only"), this)),
      m_checked(new QCheckBox(tr("Checked only"), this))
{
    setObjectName(QStringLiteral("FilterBar"));
    m_text->setObjectName(QStringLiteral("FilterText"));
    m_text->setPlaceholderText(tr("Name, Source or Target Text contains..."));
    m_text->setClearButtonEnabled(true);
    m_text->setAccessibleName(tr("Filter text"));
    m_text->setAccessibleDescription(
        tr("Shows only the rows whose Name, Source or Target Text contains it"));
    m_text->installEventFilter(this);
    m_untranslated->setObjectName(QStringLiteral("FilterUntranslated"));
    m_untranslated->setAccessibleName(tr("Untranslated only"));
    m_untranslated->setAccessibleDescription(tr("Shows only rows without a Target Text"));
    m_checked->setObjectName(QStringLiteral("FilterChecked"));
    m_checked->setAccessibleName(tr("Checked only"));
    m_checked->setAccessibleDescription(tr("Shows only checked rows"));
    auto* closeButton = new QToolButton(this);
    closeButton->setObjectName(QStringLiteral("FilterClose"));
    closeButton->setText(tr("Close"));
    closeButton->setToolTip(tr("Close the filter and show every row (Esc)"));
    closeButton->setAccessibleName(tr("Close filter"));
    closeButton->setAccessibleDescription(tr("Shows every row again (Esc)"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(tr("&Filter:"), this);
    label->setBuddy(m_text);
    layout->addWidget(label);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_untranslated);
    layout->addWidget(m_checked);
    layout->addWidget(closeButton);

    connect(m_text, &QLineEdit::textChanged, this, &FilterBar::changed);
    connect(m_untranslated, &QCheckBox::toggled, this, &FilterBar::changed);
    connect(m_checked, &QCheckBox::toggled, this, &FilterBar::changed);
    connect(closeButton, &QToolButton::clicked, this, &FilterBar::close);
    hide();
}

RowFilter FilterBar::filter() const
{
    if (isHidden())
        return {};
    return RowFilter{m_text->text(), m_untranslated->isChecked(), m_checked->isChecked()};
}

void FilterBar::open()
{
    show();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
    changed();
}

void FilterBar::close()
{
    hide();
    changed();
    Q_EMIT closed();
}

bool FilterBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FilterBar::changed()
{
    Q_EMIT filterChanged(filter());
}
