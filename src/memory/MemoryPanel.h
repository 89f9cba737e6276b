#pragma once

#include <QWidget>

class MemoryAssistant;
class QLabel;
class QListWidget;

// The selected row's matches from the translation memory: score, target and
// where it came from. A click or Ctrl+1..5 takes one.
class MemoryPanel : public QWidget {
    Q_OBJECT
public:
    MemoryPanel(MemoryAssistant& assistant, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }

private:
    void refresh();

    MemoryAssistant& m_assistant;
    QLabel* m_heading;
    QListWidget* m_list;
};
