#pragma once

#include <QWidget>

class QFrame;
class QListWidget;
class QPushButton;

// The answer overview window: a small tool window that stays on top of the main window without
// blocking it. It is made once when the program starts, hidden; the question screen and the result
// screens place it, fill its list and show it.
class TUebersichtForm : public QWidget
{
    Q_OBJECT
public:
    explicit TUebersichtForm(QWidget *mainWindow);

    QListWidget *ListView = nullptr;
    QFrame *Panel1 = nullptr;
    QFrame *Panel2 = nullptr;
    QPushButton *CloseButton = nullptr;
};
