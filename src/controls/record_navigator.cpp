#include "controls/record_navigator.h"

#include "core/ports.h"
#include "data/record_table.h"

#include <QToolButton>

namespace {

struct TButtonLook
{
    const char *name;
    const char *caption;
    const char *hint;
};

TButtonLook lookOf(TNavigatorButton button)
{
    switch (button) {
    case TNavigatorButton::First: return {"First", "|\u25C0", "Erster Datensatz"};
    case TNavigatorButton::Prior: return {"Prior", "\u25C0", "Vorheriger Datensatz"};
    case TNavigatorButton::Next: return {"Next", "\u25B6", "Nächster Datensatz"};
    case TNavigatorButton::Last: return {"Last", "\u25B6|", "Letzter Datensatz"};
    case TNavigatorButton::Insert: return {"Insert", "+", "Datensatz einfügen"};
    case TNavigatorButton::Delete: return {"Delete", "\u2212", "Datensatz löschen"};
    case TNavigatorButton::Edit: return {"Edit", "\u25B2", "Datensatz bearbeiten"};
    case TNavigatorButton::Post: return {"Post", "\u2713", "Daten speichern"};
    case TNavigatorButton::Cancel: return {"Cancel", "\u2717", "Bearbeitung abbrechen"};
    case TNavigatorButton::Refresh: return {"Refresh", "\u21BB", "Daten aktualisieren"};
    }
    return {"", "", ""};
}

bool editing(const TRecordTable &table)
{
    return table.State() == TTableState::Edit || table.State() == TTableState::Insert;
}

} // namespace

TRecordNavigator::TRecordNavigator(TRecordTable &table, IDialogPort &dialogs, std::vector<TNavigatorButton> shown,
                                   QWidget *parent)
    : QWidget(parent), m_table(table), m_dialogs(dialogs)
{
    for (TNavigatorButton kind : shown) {
        const TButtonLook look = lookOf(kind);
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(look.name));
        button->setText(QString::fromUtf8(look.caption));
        button->setToolTip(QString::fromUtf8(look.hint));
        connect(button, &QToolButton::clicked, this, [this, kind] { Click(kind); });
        m_buttons.emplace_back(kind, button);
    }
    PlaceButtons();
}

QToolButton *TRecordNavigator::Button(TNavigatorButton button) const
{
    for (const auto &[kind, control] : m_buttons)
        if (kind == button)
            return control;
    return nullptr;
}

void TRecordNavigator::Click(TNavigatorButton button)
{
    if (!m_table.Active())
        return;
    // Without a record only adding makes sense; Edit would insert one.
    const bool hasRecord = !m_table.IsEmpty();
    switch (button) {
    case TNavigatorButton::First: if (hasRecord) m_table.First(); break;
    case TNavigatorButton::Prior: if (hasRecord) m_table.Prior(); break;
    case TNavigatorButton::Next: if (hasRecord) m_table.Next(); break;
    case TNavigatorButton::Last: if (hasRecord) m_table.Last(); break;
    case TNavigatorButton::Insert: m_table.Insert(); break;
    case TNavigatorButton::Delete:
        if (!hasRecord || !m_dialogs.askYesNo(QStringLiteral("Datensatz löschen?")))
            break;
        if (m_table.State() == TTableState::Insert) {
            m_table.Cancel();
            break;
        }
        if (DeleteAction)
            DeleteAction();
        else
            m_table.Delete();
        break;
    case TNavigatorButton::Edit: if (hasRecord) m_table.Edit(); break;
    case TNavigatorButton::Post: if (editing(m_table)) m_table.Post(); break;
    case TNavigatorButton::Cancel: if (editing(m_table)) m_table.Cancel(); break;
    case TNavigatorButton::Refresh: break; // the tables live in memory: nothing to read again
    }
}

void TRecordNavigator::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    PlaceButtons();
}

void TRecordNavigator::PlaceButtons()
{
    const int count = int(m_buttons.size());
    if (count == 0)
        return;
    for (int i = 0; i < count; ++i) {
        const int left = width() * i / count;
        const int right = width() * (i + 1) / count;
        m_buttons[size_t(i)].second->setGeometry(left, 0, right - left, height());
    }
}
