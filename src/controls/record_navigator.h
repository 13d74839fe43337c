#pragma once

#include <QWidget>
#include <functional>
#include <vector>

class IDialogPort;
class QToolButton;
class TRecordTable;

// The buttons of a record navigator, left to right.
enum class TNavigatorButton
{
    First,
    Prior,
    Next,
    Last,
    Insert,
    Delete,
    Edit,
    Post,
    Cancel,
    Refresh,
};

// A row of small buttons that move through a table and change it: first, previous, next, last,
// add, delete (after the question "Datensatz löschen?"), edit, save, cancel, refresh. The buttons
// shown share the width of the control. On an empty view the moves, delete and edit do nothing, so
// that no click creates a record the user did not ask for.
class TRecordNavigator : public QWidget
{
    Q_OBJECT
public:
    TRecordNavigator(TRecordTable &table, IDialogPort &dialogs, std::vector<TNavigatorButton> shown,
                     QWidget *parent = nullptr);

    QToolButton *Button(TNavigatorButton button) const;
    // Runs instead of the table's Delete once the question was answered yes (deleting what belongs
    // to the record with it).
    std::function<void()> DeleteAction;

    void Click(TNavigatorButton button);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceButtons();

    TRecordTable &m_table;
    IDialogPort &m_dialogs;
    std::vector<std::pair<TNavigatorButton, QToolButton *>> m_buttons;
};
