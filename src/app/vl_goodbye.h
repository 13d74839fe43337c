#pragma once

#include <QWidget>

class TPictureBox;

// The goodbye window of the shutdown: the picture "GUI_goodbye.bmp" in a borderless white window,
// centred on the desktop. It loads its picture each time it is shown and goes with the process.
class TGoodbyeForm : public QWidget
{
    Q_OBJECT
public:
    explicit TGoodbyeForm(QString skinFolder, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_skinFolder;
    TPictureBox *Image1;
};
