#include "app/vl_model.h"

#include "app/vl_browse.h"
#include "controls/picture_button.h"
#include "data/db_module.h"

TModelFrame::TModelFrame(TBrowseForm &browse, QWidget *parent) : QFrame(parent), m_browse(browse)
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
    if (m_browse.Dialogs().askYesNo(QuitQuestion()))
        m_browse.Shutdown();
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
    m_browse.ShowScreen(screenName);
}

void TModelFrame::PlayCue(const QString &cueList)
{
    m_browse.PlayCue(cueList);
}

TMainDataModule *TModelFrame::DataModule() const
{
    return m_browse.DataModule();
}

QString TModelFrame::CueList(const QString &key) const
{
    return m_browse.CueList(key);
}

QString TModelFrame::SkinFolder() const
{
    return m_browse.Folders().bmp;
}

QString TModelFrame::QuitQuestion()
{
    return QStringLiteral("Wollen Sie Velmora wirklich beenden? (Nicht \r\nabgeschlossene Tests gehen verloren.)");
}
