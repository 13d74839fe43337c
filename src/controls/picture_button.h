#pragma once

#include "controls/keyboard_trigger.h"

#include <QPixmap>
#include <QWidget>

// A button drawn from pictures: its normal picture, and while it is held down its pressed-look
// picture (the "_down" partner of a skin picture). Without a pressed-look picture the normal one is
// drawn one pixel down and to the right. A click (press and release inside) emits clicked(); with the
// keyboard focus (by Tab), Space or Enter presses it as well, with the pressed look while held. Its
// accessible name is its caption or the meaning of its skin picture, given by the screen.
class TPictureButton : public QWidget
{
    Q_OBJECT
public:
    explicit TPictureButton(QWidget *parent = nullptr);

    void setPictures(const QPixmap &normal, const QPixmap &down = QPixmap());
    const QPixmap &normalPicture() const { return m_normal; }
    const QPixmap &downPicture() const { return m_down; }

    void setDown(bool down);
    bool isDown() const { return m_isDown; }
    // Sets the pressed look and back to the normal look, so that the current pictures show at once.
    void Refresh();

    // The picture that is drawn now.
    QPixmap shownPicture() const;

    // Loads the skin picture `name` from `folder`, and its "_down" partner when the skin has one.
    void LoadSkin(const QString &folder, const QString &name);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_down;
    bool m_isDown = false;
    bool m_tracking = false;
    TKeyTrigger m_keys;
};

// What the button of a skin picture does, in German ("GUI_home.bmp": "Startseite"), whatever the case
// of the name; empty for pictures that are no buttons.
QString SkinButtonMeaning(const QString &pictureName);
