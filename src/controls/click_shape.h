#pragma once

#include "controls/keyboard_trigger.h"

#include <QWidget>

// An invisible click area: it draws nothing and reacts only inside its shape (a rectangle or the
// ellipse inscribed in its rectangle); outside the shape, clicks and the pointer pass to what lies
// beneath. A click (press and release inside) emits clicked(); with the keyboard focus (by Tab), Space
// or Enter does as well. The screen gives it an accessible name that says what it leads to.
class TClickShape : public QWidget
{
    Q_OBJECT
public:
    enum class Shape { Rectangle, Ellipse };

    explicit TClickShape(Shape shape, QWidget *parent = nullptr);
    Shape shape() const { return m_shape; }
    // Whether a point in the control's own coordinates lies inside its shape.
    bool hits(QPoint point) const;

Q_SIGNALS:
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateMask();

    Shape m_shape;
    bool m_pressedInside = false;
    TKeyTrigger m_keys;
};
