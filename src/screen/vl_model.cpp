#include "screen/vl_model.h"

#include "controls/picture_button.h"
#include "core/ports.h"
#include "core/program_folders.h"
#include "screen/screen_context.h"

TModelFrame::TModelFrame(IScreenContext &context, QWidget *parent) : QFrame(parent), m_context(context)
{
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    resize(kWidth, kHeight);
    // A screen shows when the main window shows it, not with its parent.
    hide();
}

TModelFrame::~TModelFrame() = default;

bool TModelFrame::ForwardAvailable()
{
    return true;
}

bool TModelFrame::BackAvailable()
{
    return true;
}

bool TModelFrame::ExitAvailable()
{
    return true;
}

bool TModelFrame::HomeAvailable()
{
    return true;
}

void TModelFrame::BackAction() {}

void TModelFrame::ForwardAction() {}

void TModelFrame::ExitAction()
{
    if (m_context.Dialogs().askYesNo(QuitQuestion()))
        m_context.RequestQuit();
}

void TModelFrame::HomeAction()
{
    ShowScreen(QStringLiteral("welcome"));
}

void TModelFrame::BeforeShow()
{
    const QList<TPictureButton *> buttons = findChildren<TPictureButton *>();
    for (TPictureButton *button : buttons)
        button->Refresh();
}

void TModelFrame::OnCreation() {}

void TModelFrame::OnShow() {}

void TModelFrame::OnLeave() {}

void TModelFrame::ShowScreen(const QString &screenName)
{
    m_context.ShowScreen(screenName);
}

void TModelFrame::PlayCue(const QString &cueList)
{
    m_context.PlayCue(cueList);
}

void TModelFrame::PlayCueOf(const QString &cueKey)
{
    m_context.PlayCue(m_context.CueList(cueKey));
}

TMainDataModule *TModelFrame::DataModule() const
{
    return m_context.DataModule();
}

QString TModelFrame::CueList(const QString &key) const
{
    return m_context.CueList(key);
}

QString TModelFrame::SkinFolder() const
{
    return m_context.Folders().bmp;
}

QString TModelFrame::QuitQuestion()
{
    return QStringLiteral("Wollen Sie Velmora wirklich beenden? (Nicht \r\nabgeschlossene Tests gehen verloren.)");
}
