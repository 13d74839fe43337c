#pragma once

#include <QApplication>
#include <functional>

class TBalloonHints;

// The application object of the program: title "Velmora", balloon hints, and the top-level handler.
// An error that escapes the handling of an event ends that event only: it is shown in a box titled
// "Velmora" with an error icon, its text ending in a full stop, and the loop goes on with the next
// event.
class TVelmoraApplication : public QApplication
{
    Q_OBJECT
public:
    using ErrorPresenter = std::function<void(const QString &text)>;

    TVelmoraApplication(int &argc, char **argv);
    ~TVelmoraApplication() override;

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows an unhandled error the way the top-level handler does.
    void ReportError(const QString &message);
    // Where unhandled errors go; by default an error box. Tests record them instead.
    void setErrorPresenter(ErrorPresenter presenter);

private:
    ErrorPresenter m_presenter;
    TBalloonHints *m_hints;
};

// The text of an error box: a full stop is added unless the text is empty or already ends in one.
QString WithFullStop(const QString &text);

// Shows an error as the top-level handler does (used where a step reports an error and goes on).
void ReportUnhandledError(const QString &message);

// Installs the program's hint style (balloons) on the running application; TVelmoraApplication
// does it itself, screen tests with a plain QApplication call it.
TBalloonHints *InstallBalloonHints();
