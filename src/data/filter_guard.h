#pragma once

#include "data/record_table.h"

#include <QString>

// Remembers a table's filter text and filtered flag and puts both back: explicitly with Restore(),
// or when the guard goes (an operation that fails half-way leaves the table's view as it was).
class TFilterGuard
{
public:
    explicit TFilterGuard(TRecordTable &table)
        : m_table(table), m_text(table.Filter()), m_filtered(table.Filtered())
    {
    }
    ~TFilterGuard()
    {
        try {
            Restore();
        } catch (...) {
            // The remembered filter was in force before, so it cannot fail; nothing to report.
        }
    }
    TFilterGuard(const TFilterGuard &) = delete;
    TFilterGuard &operator=(const TFilterGuard &) = delete;

    // Shows only the records the filter text lets through, whatever the flag was.
    void Restrict(const QString &filter)
    {
        m_table.SetFilter(filter);
        m_table.SetFiltered(true);
    }
    void Restore()
    {
        if (m_restored)
            return;
        m_restored = true;
        if (m_table.Filter() != m_text)
            m_table.SetFilter(m_text);
        m_table.SetFiltered(m_filtered);
    }

private:
    TRecordTable &m_table;
    QString m_text;
    bool m_filtered;
    bool m_restored = false;
};
