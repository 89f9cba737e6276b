#pragma once

#include "MemoryTypes.h"
#include "TranslationMemory.h"

#include <QObject>
#include <functional>
#include <vector>

class ImageListModel;
class QWidget;

// The translation memory at the translator's side: every Target Text that is
// written (typed, imported, loaded) is stored with its Source Text, the
// selected row's matches are looked up, and empty targets are filled from
// exact matches. The memory's faults are told once; editing goes on.
class MemoryAssistant : public QObject {
    Q_OBJECT
public:
    // project names where pairs come from: the root folder or the list file.
    MemoryAssistant(QWidget* window, ImageListModel& model, std::function<QString()> project);

    TranslationMemory& memory() { return m_memory; }
    // Opens the memory the settings or VEMARILL_TM name (the default file else).
    bool open();
    LanguagePair languages() const;

    // The matches for a row's Source Text, best first; suggestionsChanged follows.
    void suggestFor(int row);
    const std::vector<Suggestion>& suggestions() const { return m_suggestions; }
    int suggestedRow() const { return m_row; }
    // Writes suggestion index (0-based) into the suggested row's Target Text.
    bool take(int index);
    // Exact matches into the empty Target Texts of these rows, as one step,
    // marked for review. How many rows were filled.
    int fillFromMemory(const QList<int>& rows);
    // "Source": "one", "two" lines for each Source Text translated two ways.
    QStringList inconsistencies();

Q_SIGNALS:
    void suggestionsChanged();

private:
    void storeRow(int row);

    QWidget* m_window;
    ImageListModel& m_model;
    std::function<QString()> m_project;
    TranslationMemory m_memory;
    std::vector<Suggestion> m_suggestions;
    int m_row = -1;
    bool m_filling = false;
};
