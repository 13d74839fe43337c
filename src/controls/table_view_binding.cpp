#include "controls/table_view_binding.h"

#include "controls/table_model.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QListView>

TTableViewBinding::TTableViewBinding(QAbstractItemView &view, TTableModel &model, int column)
    : QObject(&view), m_view(&view), m_model(model), m_column(column)
{
    view.setModel(&model);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    if (auto *list = qobject_cast<QListView *>(&view))
        list->setModelColumn(column);
    connect(&model, &TTableModel::currentRowChanged, this, [this] { ShowCurrent(); });
    connect(&model, &QAbstractItemModel::modelReset, this, [this] { ShowCurrent(); });
    connect(&model, &QAbstractItemModel::layoutChanged, this, [this] { ShowCurrent(); });
    connect(view.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { ViewRowChanged(current.isValid() ? current.row() : -1); });
    ShowCurrent();
}

void TTableViewBinding::ShowCurrent()
{
    if (!m_view)
        return;
    m_following = true;
    const int row = m_model.CurrentRow();
    QItemSelectionModel *selection = m_view->selectionModel();
    if (row < 0 || row >= m_model.rowCount()) {
        selection->clear();
    } else {
        const QModelIndex index = m_model.index(row, m_column);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_view->scrollTo(index);
    }
    m_following = false;
}

void TTableViewBinding::ViewRowChanged(int row)
{
    if (m_following || row < 0 || row == m_model.CurrentRow())
        return;
    m_model.Table().SetRecNo(row + 1);
}
