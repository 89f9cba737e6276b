#pragma once

#include "ImageListRow.h"

#include <initializer_list>
#include <memory>
#include <vector>

// Rows that copy themselves only when changed while shared. Handing the whole
// list to another thread (the crash journal's writer) costs a pointer, not a
// copy of every row; the holder's next edit copies them only if that thread is
// still reading. Not for two threads changing one object: each side holds its
// own SharedRows.
class SharedRows {
public:
    using Rows = std::vector<ImageListRow>;

    SharedRows() = default;
    SharedRows(Rows rows) : m_rows(std::make_shared<Rows>(std::move(rows))) {}
    SharedRows(std::initializer_list<ImageListRow> rows) : m_rows(std::make_shared<Rows>(rows)) {}

    const Rows& get() const { return m_rows ? *m_rows : noRows(); }
    size_t size() const { return get().size(); }
    bool empty() const { return get().empty(); }
    const ImageListRow& operator[](size_t index) const { return get()[index]; }
    Rows::const_iterator begin() const { return get().begin(); }
    Rows::const_iterator end() const { return get().end(); }

    // Every change goes through edit(), which makes the rows this object's own.
    Rows& edit()
    {
        if (!m_rows)
            m_rows = std::make_shared<Rows>();
        else if (m_rows.use_count() > 1)
            m_rows = std::make_shared<Rows>(*m_rows);
        return *m_rows;
    }
    ImageListRow& operator[](size_t index) { return edit()[index]; }
    Rows::iterator begin() { return edit().begin(); }
    Rows::iterator end() { return edit().end(); }
    void push_back(ImageListRow row) { edit().push_back(std::move(row)); }
    void assign(size_t count, const ImageListRow& row) { edit().assign(count, row); }
    void resize(size_t count) { edit().resize(count); }
    // Drops this object's share; others keep theirs.
    void clear() { m_rows.reset(); }

    bool operator==(const SharedRows& other) const
    {
        return m_rows == other.m_rows || get() == other.get();
    }

private:
    static const Rows& noRows()
    {
        static const Rows none;
        return none;
    }

    std::shared_ptr<Rows> m_rows;
};
