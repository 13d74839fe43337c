#pragma once

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWidget>

// The keys that trigger a focused control as a click does: Space, Enter and Return, pressed and
// released without auto-repeat.
inline bool IsTriggerKey(const QKeyEvent *event)
{
    const int key = event->key();
    return !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier &&
           (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

// The trigger key a control is holding: pressed, it gives the control its pressed look; released on
// the same control, it triggers it as a click would. A key still held when the focus goes triggers
// nothing.
class TKeyTrigger
{
public:
    // Takes the press of a trigger key; false for any other key (the control passes it on).
    bool Press(const QKeyEvent *event)
    {
        if (!IsTriggerKey(event))
            return false;
        m_key = event->key();
        return true;
    }
    // True when the release ends a press taken before: the control is triggered now.
    bool Release(const QKeyEvent *event)
    {
        if (event->isAutoRepeat() || m_key == 0 || event->key() != m_key)
            return false;
        m_key = 0;
        return true;
    }
    bool Held() const { return m_key != 0; }
    void Drop() { m_key = 0; }

private:
    int m_key = 0;
};

// Controls that a click triggers take the keyboard focus only by Tab, so a click moves no focus.
inline void MakeKeyboardTriggerable(QWidget &control, const QString &accessibleName)
{
    control.setFocusPolicy(Qt::TabFocus);
    if (!accessibleName.isEmpty())
        control.setAccessibleName(accessibleName);
}

// The style's focus frame inside the control, drawn while it has the keyboard focus.
inline void DrawFocusFrame(QWidget &control, QPainter &painter)
{
    if (!control.hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(&control);
    option.rect = control.rect().adjusted(1, 1, -1, -1);
    control.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &control);
}
