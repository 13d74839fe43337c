#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QToolButton;

// The balloon in which a hint appears: an information icon, the hint text and a close button, in a
// pale rounded box whose stem points up at the pointer.
class TBalloonHintWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TBalloonHintWindow(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    // Places the balloon below and to the right of the pointer, kept on the pointer's screen.
    void placeAt(QPoint pointer);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_icon;
    QLabel *m_text;
    QToolButton *m_close;
};

// Shows the hints (tool tips) of the whole application as balloons instead of plain tool tips: a
// balloon appears 500 ms after the pointer has come to rest on a control with a hint and goes away
// after 8000 ms, when the pointer leaves the control, or on a click or a key. Install one per
// application; it watches the application's events.
class TBalloonHints : public QObject
{
    Q_OBJECT
public:
    static constexpr int kShowDelayMs = 500;
    static constexpr int kHideAfterMs = 8000;

    explicit TBalloonHints(QObject *parent = nullptr);
    ~TBalloonHints() override;

    // The application's hint manager, or none when none is installed.
    static TBalloonHints *instance();

    // Shows the hint of `control` (or of its nearest ancestor with one) at once, for 8000 ms.
    void showHint(QWidget *control, QPoint pointer);
    void hideHint();

    bool isShowing() const;
    QWidget *hintControl() const { return m_shownFor; }
    TBalloonHintWindow *window() const { return m_window; }
    const QTimer &showTimer() const { return m_showTimer; }
    const QTimer &hideTimer() const { return m_hideTimer; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static QWidget *controlWithHint(QWidget *widget);
    void pointerMovedOver(QWidget *widget, QPoint pointer);

    QPointer<TBalloonHintWindow> m_window;
    QPointer<QWidget> m_shownFor;
    QPointer<QWidget> m_pending;
    QPoint m_pendingPointer;
    QTimer m_showTimer;
    QTimer m_hideTimer;
};
