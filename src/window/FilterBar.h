#pragma once

#include "RowFilter.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;

// The find bar over the grid: a text and two toggles, applied as the user
// types. Esc closes it, and a closed bar filters nothing.
class FilterBar : public QWidget {
    Q_OBJECT
public:
    explicit FilterBar(QWidget* parent = nullptr);

    RowFilter filter() const;
    QLineEdit* textBox() const { return m_text; }
    // Shows the bar and puts the cursor in its text.
    void open();
    void close();

Q_SIGNALS:
    void filterChanged(const RowFilter& filter);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void changed();

    QLineEdit* m_text;
    QCheckBox* m_untranslated;
    QCheckBox* m_checked;
};
