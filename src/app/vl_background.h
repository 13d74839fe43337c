#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

// The backdrop behind the main window: a borderless window over the whole screen, filled with a
// pyramid-shaped gradient from silver at the edges to white in the middle. It shows itself when
// created; whenever it becomes the active window (a click on the desktop it covers), it brings the
// main window back to the front.
class TBackgroundForm : public QWidget
{
    Q_OBJECT
public:
    explicit TBackgroundForm(QWidget *mainWindow);

    // The colour of the gradient at a point of a rectangle of the given size.
    static QColor GradientColourAt(QSize size, QPoint point);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPointer<QWidget> m_mainWindow;
    QPixmap m_gradient;
};
