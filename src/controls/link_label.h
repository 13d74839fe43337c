#pragma once

#include "controls/keyboard_trigger.h"

#include <QLabel>

// A label that works as a link: blue, underlined, a hand cursor; a click or Space / Enter with the
// keyboard focus emits clicked(). Its accessible name is its text.
class TLinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TLinkLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressedInside = false;
    TKeyTrigger m_keys;
};
