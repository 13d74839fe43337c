#pragma once

#include "controls/keyboard_trigger.h"

#include <QPixmap>
#include <QWidget>

// A two-state switch drawn as a picture: an empty box when off, a ticked box when on (49 × 49
// pictures of its own, drawn by the program), at the control's top-left corner. A click or Space /
// Enter with the keyboard focus turns it over and emits toggled(); a read-only switch shows its state
// and does not change. setChecked() by the program emits nothing.
class TPictureSwitch : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kPictureSize = 49;

    explicit TPictureSwitch(QWidget *parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    bool isDown() const { return m_down; }

    // The pictures of the two states.
    static QPixmap OffPicture();
    static QPixmap OnPicture();

Q_SIGNALS:
    // The user turned the switch over.
    void toggled(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void Toggle();
    void SetDown(bool down);

    bool m_checked = false;
    bool m_readOnly = false;
    bool m_down = false;
    bool m_pressedInside = false;
    TKeyTrigger m_keys;
};
