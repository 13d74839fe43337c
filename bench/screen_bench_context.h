#pragma once

// What the main window gives a screen in a bench, without the window: navigation asks the screen's
// two hooks as the main window does; cues, music, documents, file dialogs and printing do nothing.

#include "screen_bench_support.h"
#include "core/file_dialog_port.h"
#include "core/ports.h"
#include "core/print_port.h"
#include "core/program_folders.h"
#include "core/stored_user_values.h"
#include "data/db_module.h"
#include "screen/screen_context.h"
#include "screen/vl_model.h"

#include <memory>

class NoDocuments final : public IDocumentPort
{
public:
    bool openDocument(const QString &) override { return true; }
};

class NoFileDialogs final : public IFileDialogPort
{
public:
    QString openFile(const TFileDialogOptions &) override { return QString(); }
    QStringList openFiles(const TFileDialogOptions &) override { return QStringList(); }
    QString saveFile(const TFileDialogOptions &) override { return QString(); }
};

class NoPrinter final : public IPrintPort
{
public:
    bool Print(const QString &, const std::function<void(IPrintCanvas &)> &) override { return false; }
};

class BenchContext final : public IScreenContext
{
public:
    explicit BenchContext(const QString &programFolder)
        : m_folders(TProgramFolders::Below(programFolder)), m_values(programFolder + QStringLiteral("/velmora"))
    {
        TModulePorts ports;
        ports.dialogs = &m_dialogs;
        ports.events = &m_events;
        m_data = std::make_unique<TMainDataModule>(m_values, ports, programFolder);
    }
    TMainDataModule *DataModule() const override { return m_data.get(); }
    IDialogPort &Dialogs() const override { return m_dialogs; }
    IDocumentPort &Documents() const override { return m_documents; }
    IEventPort &Events() const override { return m_events; }
    IFileDialogPort &FileDialogs() const override { return m_fileDialogs; }
    IPrintPort &Printer() const override { return m_printer; }
    TStoredUserValues &StoredValues() const override { return m_values; }
    const TProgramFolders &Folders() const override { return m_folders; }
    void ShowScreen(const QString &) override {}
    void UpdateNavigation() override
    {
        if (screen) {
            screen->BackAvailable();
            screen->ForwardAvailable();
        }
    }
    QString CueList(const QString &) const override { return QString(); }
    void PlayCue(const QString &) override {}
    void StartMusic() override {}
    void StopMusic() override {}
    void PauseMusic() override {}
    void ResumeMusic() override {}
    void SetMusicVolume(int) override {}
    void ReloadAfterReset() override {}
    void RequestQuit() override {}

    TModelFrame *screen = nullptr;

private:
    TProgramFolders m_folders;
    mutable QuietDialogs m_dialogs;
    mutable NoEvents m_events;
    mutable NoDocuments m_documents;
    mutable NoFileDialogs m_fileDialogs;
    mutable NoPrinter m_printer;
    mutable TStoredUserValues m_values;
    std::unique_ptr<TMainDataModule> m_data;
};
