#include "MemoryPanel.h"

#include "MemoryAssistant.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

MemoryPanel::MemoryPanel(MemoryAssistant& assistant, QWidget* parent)
    : QWidget(parent), m_assistant(assistant), m_heading(new QLabel(this)),
      m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("MemoryPanel"));
    m_list->setObjectName(QStringLiteral("MemorySuggestions"));
    m_list->setWordWrap(true);
    m_list->setAccessibleName(tr("Earlier translations"));
    m_list->setAccessibleDescription(
        tr("Matches of the selected row's Source Text; Enter or Ctrl+number takes one"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_heading);
    layout->addWidget(m_list, 1);
    connect(&assistant, &MemoryAssistant::suggestionsChanged, this, &MemoryPanel::refresh);
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { m_assistant.take(m_list->row(item)); });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_assistant.take(m_list->row(item)); });
    refresh();
}

void MemoryPanel::refresh()
{
    m_list->clear();
    const auto& suggestions = m_assistant.suggestions();
    if (m_assistant.suggestedRow() < 0)
        m_heading->setText(tr("Select a row to see earlier translations."));
    else if (suggestions.empty())
        m_heading->setText(tr("No earlier translation of this Source Text."));
    else
        m_heading->setText(
            tr("Earlier translations (Ctrl+1 to Ctrl+%1 takes one):").arg(suggestions.size()));
    for (size_t i = 0; i < suggestions.size(); ++i) {
        const Suggestion& s = suggestions[i];
        QString origin = s.origin.name;
        if (!s.origin.user.isEmpty())
            origin += QStringLiteral(", ") + s.origin.user;
        auto* item = new QListWidgetItem(
            tr("%1. %2%  %3\n     %4").arg(i + 1).arg(qRound(s.score * 100)).arg(s.target, origin),
            m_list);
        item->setToolTip(tr("Source: %1\nUsed %2 time(s); %3")
                             .arg(s.source)
                             .arg(s.useCount)
                             .arg(s.origin.project));
    }
}
