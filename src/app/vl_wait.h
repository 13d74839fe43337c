#pragma once

#include <QDialog>

// The wait window that long operations show (not modal) before their work and free right after:
// "Bitte haben Sie einen Moment Geduld..." under the title "Programm arbeitet".
class TVelmoraWaitForm : public QDialog
{
    Q_OBJECT
public:
    explicit TVelmoraWaitForm(QWidget *parent = nullptr);
};
