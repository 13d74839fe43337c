#pragma once

#include <QString>

class IDialogPort;
class IDocumentPort;
class IEventPort;
class IFileDialogPort;
class IPrintPort;
class TMainDataModule;
class TModelFrame;
class TStoredUserValues;
class TUebersichtForm;
struct TProgramFolders;

// What a screen may ask of the main window, and nothing more: the data module, the dialogs, the
// sound cues, the music, switching screens, the program folders and the quit request. The main window
// implements it; screen tests give a screen a context of their own.
class IScreenContext
{
public:
    virtual ~IScreenContext() = default;

    // The data module; none while the main window is still being created.
    virtual TMainDataModule *DataModule() const = 0;
    virtual IDialogPort &Dialogs() const = 0;
    virtual IDocumentPort &Documents() const = 0;
    virtual IEventPort &Events() const = 0;
    virtual IFileDialogPort &FileDialogs() const = 0;
    // The print dialog and the printer chosen there.
    virtual IPrintPort &Printer() const = 0;
    // The user's values that outlive a run (volume, music off, class, points).
    virtual TStoredUserValues &StoredValues() const = 0;
    virtual const TProgramFolders &Folders() const = 0;

    // Retires the current screen and shows the one of this name ("welcome", "frage", ...).
    virtual void ShowScreen(const QString &screenName) = 0;
    // Shows the navigation buttons the current screen's hooks ask for.
    virtual void UpdateNavigation() = 0;

    // The cue list under an installation key ("snd_pop"); empty before the settings are read.
    virtual QString CueList(const QString &key) const = 0;
    // Plays one sound of a cue list (the list itself, not its key).
    virtual void PlayCue(const QString &cueList) = 0;

    virtual void StartMusic() = 0;
    virtual void StopMusic() = 0;
    virtual void PauseMusic() = 0;
    virtual void ResumeMusic() = 0;
    virtual void SetMusicVolume(int volume) = 0;

    // Runs the start-up step again, without its splash, after db/ was replaced by the delivery copy:
    // the tables reloaded, the archives kept in imported/ imported again, then those of sets/, the
    // installation settings read, the music started unless it is off, the class in force taken from
    // the stored values, the window shown.
    virtual void ReloadAfterReset() = 0;

    // Ends the program in order (music, goodbye, quit cue, the tables saved, temp/ emptied). The
    // question before it is the screen's.
    virtual void RequestQuit() = 0;

    // The screen shown now; none while a switch is under way or where there is none.
    virtual TModelFrame *CurrentScreen() const { return nullptr; }

    // The answer overview window of the question and result screens; none where there is none.
    virtual TUebersichtForm *Overview() const { return nullptr; }
};
