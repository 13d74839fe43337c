#pragma once

#include <QWidget>

// The splash window of the start-up: a white, framed box on top of everything, centred on the
// desktop, saying that Velmora is starting. The user cannot close it; the start-up frees it.
class TVLStartupForm : public QWidget
{
    Q_OBJECT
public:
    explicit TVLStartupForm(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
