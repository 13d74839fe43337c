#pragma once

#include "data/record_table.h"

#include <functional>

// Calls a function on every change a table tells: a move of its current record, the start of an edit,
// a post or cancel, a value written. Attached while it lives.
class TTableWatch final : private ITableObserver
{
public:
    TTableWatch(TRecordTable &table, std::function<void()> changed) : m_table(table), m_changed(std::move(changed))
    {
        m_table.Attach(this);
    }
    ~TTableWatch() override { m_table.Detach(this); }
    TTableWatch(const TTableWatch &) = delete;
    TTableWatch &operator=(const TTableWatch &) = delete;

private:
    void recordMoved() override { m_changed(); }
    void modeChanged() override { m_changed(); }
    void postedOrCancelled() override { m_changed(); }
    void fieldWritten(const TField &) override { m_changed(); }

    TRecordTable &m_table;
    std::function<void()> m_changed;
};
