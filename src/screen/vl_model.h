#pragma once

#include <QFrame>
#include <QString>

class IScreenContext;
class TMainDataModule;

// A screen: a white panel that the main window puts into its screen area. The main window asks it
// through its twelve hooks which navigation buttons to show and tells it about clicks on them and
// about the stages of its life. Every screen overrides only the hooks it needs.
class TModelFrame : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kWidth = 966;
    static constexpr int kHeight = 571;

    TModelFrame(IScreenContext &context, QWidget *parent);
    ~TModelFrame() override;

    // --- screen hooks, in slot order ---
    virtual bool ForwardAvailable(); // yes
    virtual bool BackAvailable();    // yes
    virtual bool ExitAvailable();    // yes
    virtual bool HomeAvailable();    // yes
    virtual void BackAction();       // nothing
    virtual void ForwardAction();    // nothing
    virtual void ExitAction();       // the quit question; on yes the main window shuts down
    virtual void HomeAction();       // the welcome screen
    virtual void BeforeShow();       // every picture button shows its current picture
    virtual void OnCreation();       // nothing
    virtual void OnShow();           // nothing
    virtual void OnLeave();          // nothing

    // Passes a screen request to the main window.
    void ShowScreen(const QString &screenName);
    // Plays one sound of a cue list (the list itself, not its key).
    void PlayCue(const QString &cueList);
    // Plays one sound of the cue list under an installation key ("snd_pop").
    void PlayCueOf(const QString &cueKey);

    IScreenContext &Context() const { return m_context; }
    // The data module; none while the main window is still being created.
    TMainDataModule *DataModule() const;
    // The cue list under an installation key ("snd_pop"); empty before the settings are read.
    QString CueList(const QString &key) const;
    // The folder of the skin pictures.
    QString SkinFolder() const;

    // The question of the base exit action.
    static QString QuitQuestion();

private:
    IScreenContext &m_context;
};
