#pragma once

#include <QObject>
#include <QPointer>

class QAbstractItemView;
class TTableModel;

// Ties a list or grid view to a table model so that the view's current row is the table's current
// record, both ways: a row the user picks moves the table (which posts a pending edit, as any move
// does), and a move of the table by the program selects its row in the view.
class TTableViewBinding : public QObject
{
    Q_OBJECT
public:
    // The view shows the model (whose column `column` a list view displays) from now on.
    TTableViewBinding(QAbstractItemView &view, TTableModel &model, int column = 0);

    // Selects the row of the table's current record, or nothing when it has none.
    void ShowCurrent();

private:
    void ViewRowChanged(int row);

    QPointer<QAbstractItemView> m_view;
    TTableModel &m_model;
    int m_column;
    bool m_following = false;
};
