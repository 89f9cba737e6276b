#include "MemoryAssistant.h"

#include "Dialogs.h"
#include "ImageListModel.h"

#include <QLocale>
#include <QSettings>
#include <QWidget>

MemoryAssistant::MemoryAssistant(QWidget* window, ImageListModel& model,
                                 std::function<QString()> project)
    : QObject(window), m_window(window), m_model(model), m_project(std::move(project))
{
    connect(&m_memory, &TranslationMemory::disabled, this, [this](const QString& why) {
        Platform::showMessage({m_window,
                               tr("The translation memory is switched off until "
                                  "Vemarill restarts: %1")
                                   .arg(why),
                               Platform::warningTitle(), Platform::MessageIcon::Warning});
    });
    connect(&model, &ImageListModel::textEdited, this,
            [this](int row, ImageListModel::Column column, const QString&) {
                if (column == ImageListModel::TargetText && !m_filling)
                    storeRow(row);
            });
    // A loaded list brings its translations with it.
    connect(&model, &QAbstractItemModel::modelReset, this, [this] {
        m_row = -1;
        m_suggestions.clear();
        Q_EMIT suggestionsChanged();
        if (m_memory.isEnabled())
            m_memory.importRows(m_model.rows(), languages(), m_project());
    });
}

bool MemoryAssistant::open()
{
    return m_memory.open();
}

LanguagePair MemoryAssistant::languages() const
{
    const QSettings settings;
    const QString system = QLocale::languageToCode(QLocale().language());
    return {
        settings.value(QStringLiteral("exchange/sourceLanguage"), QStringLiteral("en")).toString(),
        settings.value(QStringLiteral("exchange/targetLanguage"), system).toString()};
}

void MemoryAssistant::storeRow(int row)
{
    const ImageListRow& r = m_model.row(row);
    if (r.sourceText.isEmpty() || r.targetText.isEmpty())
        return;
    m_memory.store(r.sourceText, r.targetText, languages(), {m_project(), r.name, {}, {}});
}

void MemoryAssistant::suggestFor(int row)
{
    m_row = row;
    m_suggestions.clear();
    if (row >= 0 && row < m_model.rowCount() && m_memory.isEnabled()) {
        const QString source = m_model.text(row, ImageListModel::SourceText);
        if (!source.isEmpty())
            m_suggestions = m_memory.suggestions(source, languages());
    }
    Q_EMIT suggestionsChanged();
}

bool MemoryAssistant::take(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= m_suggestions.size() || m_row < 0 ||
        m_row >= m_model.rowCount())
        return false;
    m_model.setText(m_row, ImageListModel::TargetText,
                    m_suggestions[static_cast<size_t>(index)].target);
    return true;
}

int MemoryAssistant::fillFromMemory(const QList<int>& rows)
{
    int filled = 0;
    m_filling = true; // the memory's own texts go back to it unchanged
    m_model.beginEditGroup(tr("Fill from Memory"));
    for (const int row : rows) {
        const ImageListRow& r = m_model.row(row);
        if (r.sourceText.isEmpty() || !r.targetText.isEmpty())
            continue;
        if (const auto match = m_memory.exactMatch(r.sourceText, languages())) {
            m_model.setText(row, ImageListModel::TargetText, match->target);
            m_model.setReviewMarks(row, m_model.row(row).sourceConfidence, true);
            ++filled;
        }
    }
    m_model.endEditGroup();
    m_filling = false;
    return filled;
}

QStringList MemoryAssistant::inconsistencies()
{
    QStringList lines;
    for (const Inconsistency& found : m_memory.inconsistencies(m_model.rows(), languages())) {
        QStringList targets;
        for (const QString& target : found.targets)
            targets.append(QLatin1Char('"') + target + QLatin1Char('"'));
        lines.append(
            QStringLiteral("\"%1\": %2").arg(found.source, targets.join(QStringLiteral(", "))));
    }
    return lines;
}
