#include "app/vl_einstellungen.h"

#include "app/delivery_reset.h"
#include "app/vl_wait.h"
#include "controls/layout_fonts.h"
#include "controls/link_label.h"
#include "controls/picture_box.h"
#include "controls/skin_picture.h"
#include "core/file_dialog_port.h"
#include "core/ports.h"
#include "core/program_folders.h"
#include "core/stored_user_values.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "layout/einstellungen.h"
#include "screen/layout_geometry.h"
#include "screen/screen_context.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <memory>

namespace fs = fields::sets;

namespace {

// White text on the plate the background picture draws beneath the button.
QPushButton *textButton(QWidget *parent, const TLayoutRect &place, const char *caption, bool bold, const char *hint)
{
    auto *button = Placed(new QPushButton(QString::fromUtf8(caption), parent), place);
    button->setFlat(true);
    button->setFont(LayoutFont(8, bold ? TFontStyle::Bold : TFontStyle::Normal));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { color: white; background: transparent; border: none; }"
                                         "QPushButton:pressed { padding-top: 2px; padding-left: 2px; }"));
    button->setToolTip(QString::fromUtf8(hint));
    return button;
}

void whiteOnBlack(QWidget *control)
{
    QPalette pal = control->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Window, Qt::black);
    control->setPalette(pal);
}

// Sets a flag for the time of a step, so that the step cannot start again inside itself.
// When the step ends, the clicks and keys the user made while it ran are dropped: a second click on
// its button must not start it again afterwards.
class TBusyGuard
{
public:
    TBusyGuard(bool &flag, IEventPort &events) : m_flag(flag), m_events(events) { m_flag = true; }
    ~TBusyGuard()
    {
        m_events.discardPendingInput();
        m_flag = false;
    }
    TBusyGuard(const TBusyGuard &) = delete;
    TBusyGuard &operator=(const TBusyGuard &) = delete;

private:
    bool &m_flag;
    IEventPort &m_events;
};

} // namespace

TEinstellungenFrame::TEinstellungenFrame(IScreenContext &context, QWidget *parent)
    : TModelFrame(context, parent),
      Image1(Placed(new TPictureBox(this), layout::einstellungen::Image1)),
      WebsiteButton(textButton(this, layout::einstellungen::WebsiteButton, "Mehr Bilder im Internet", true,
                               "Öffnet die Velmora-Website\r\nin Ihrem Standardbrowser.\r\n\r\n"
                               "Hier können Sie sich neue Sets zum\r\nfreispielen herunterladen!")),
      ImportButton(textButton(this, layout::einstellungen::ImportButton, "Bilder importieren", true,
                              "Wählen Sie eine aus dem Internet\r\nheruntergeladene Bilder-Set-Datei\r\n"
                              "aus und genießen Sie die neuen\r\nBilder beim Lernen...")),
      AboutLabel(Placed(new TLinkLabel(QStringLiteral("About Velmora"), this), layout::einstellungen::AboutLabel)),
      ResetButton(textButton(this, layout::einstellungen::ResetButton, "Alle Daten zurücksetzten", false,
                             "Setzt das Programm auf den\r\nAuslieferungszustand zurück.\r\n\r\n"
                             "Alle freigespielten Sets, statistische\r\nDaten über ihren Lernfortschritt, etc.\r\n"
                             "gehen unwiederruflich verloren!")),
      GirlsEditorButton(textButton(this, layout::einstellungen::GirlsEditorButton, "GirlsEditor", false,
                                   "Eine Sache für Spezialisten -\r\nhier können Sie Ihre eigenen\r\n"
                                   "Lieblingsbilder zu Sets zusammen-\r\nfassen und für andere Benutzer\r\n"
                                   "exportieren.")),
      Label1(Placed(new QLabel(QStringLiteral("Musiklautstärke:"), this), layout::einstellungen::Label1)),
      VolumeSlider(Placed(new QSlider(Qt::Horizontal, this), layout::einstellungen::VolumeSlider)),
      CheckBox1(Placed(new QCheckBox(QStringLiteral("Musik aus"), this), layout::einstellungen::CheckBox1))
{
    resize(layout::einstellungen::kWidth, layout::einstellungen::kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    QPalette link = AboutLabel->palette();
    link.setColor(QPalette::WindowText, Qt::white);
    AboutLabel->setPalette(link);
    QFont linkFont = LayoutFont(8, TFontStyle::Underline);
    AboutLabel->setFont(linkFont);

    Label1->setFont(LayoutFont(8, TFontStyle::Bold));
    whiteOnBlack(Label1);
    CheckBox1->setFont(LayoutFont(8, TFontStyle::Bold));
    whiteOnBlack(CheckBox1);

    // The slider lies on the black ground of the picture; the style draws its tick marks a shade
    // darker than the window colour, which must therefore be light for them to show.
    QPalette ticks = VolumeSlider->palette();
    ticks.setColor(QPalette::Window, Qt::white);
    VolumeSlider->setPalette(ticks);
    VolumeSlider->setRange(1, 100);
    VolumeSlider->setSingleStep(15);
    VolumeSlider->setPageStep(15);
    VolumeSlider->setTickInterval(15);
    VolumeSlider->setTickPosition(QSlider::TicksBelow);
    VolumeSlider->setValue(25);

    connect(WebsiteButton, &QPushButton::clicked, this, &TEinstellungenFrame::WebsiteButtonClick);
    connect(ImportButton, &QPushButton::clicked, this, &TEinstellungenFrame::ImportButtonClick);
    connect(AboutLabel, &TLinkLabel::clicked, this, &TEinstellungenFrame::AboutLabelClick);
    connect(ResetButton, &QPushButton::clicked, this, &TEinstellungenFrame::ResetButtonClick);
    connect(GirlsEditorButton, &QPushButton::clicked, this, &TEinstellungenFrame::GirlsEditorButtonClick);
    connect(VolumeSlider, &QSlider::valueChanged, this, &TEinstellungenFrame::VolumeSliderChange);
    connect(CheckBox1, &QCheckBox::toggled, this, &TEinstellungenFrame::CheckBox1Click);
}

void TEinstellungenFrame::BackAction()
{
    ShowScreen(QStringLiteral("welcome"));
}

void TEinstellungenFrame::OnCreation()
{
    Image1->setPicture(LoadSkinPicture(SkinFolder(), QStringLiteral("GUI_einstellungen.bmp")));
}

void TEinstellungenFrame::OnShow()
{
    // Each control takes the stored value; where that changes it, its own action runs.
    const TStoredUserValues &stored = Context().StoredValues();
    VolumeSlider->setValue(stored.musicVolume);
    CheckBox1->setChecked(stored.musicOff);
}

void TEinstellungenFrame::VolumeSliderChange(int volume)
{
    Context().SetMusicVolume(volume);
    Context().StoredValues().musicVolume = volume;
}

void TEinstellungenFrame::CheckBox1Click(bool musicOff)
{
    Context().StoredValues().musicOff = musicOff;
    if (musicOff)
        Context().StopMusic();
    else
        Context().StartMusic();
}

void TEinstellungenFrame::WebsiteButtonClick()
{
    Context().Documents().openDocument(DataModule() ? DataModule()->LinkVelmoraSets : QString());
}

void TEinstellungenFrame::AboutLabelClick()
{
    Context().Documents().openDocument(Context().Folders().program + QStringLiteral("/about.html"));
}

void TEinstellungenFrame::GirlsEditorButtonClick()
{
    ShowScreen(QStringLiteral("girlseditor"));
}

void TEinstellungenFrame::ImportButtonClick()
{
    if (m_busy || !DataModule())
        return;
    TBusyGuard busy(m_busy, Context().Events());
    TFileDialogOptions options;
    options.filter = QString::fromLatin1(filedialogs::kSetArchiveFilter);
    options.defaultExtension = QString::fromLatin1(filedialogs::kSetArchiveExtension);
    const QString path = Context().FileDialogs().openFile(options);
    if (path.isEmpty())
        return;

    TMainDataModule &data = *DataModule();
    data.SetsTable.SetFilter(QString());
    const QStringList skipped = data.ImportSetArchive(path);
    // An imported set can be unlocked in the gallery, never edited.
    data.SetsTable.Edit();
    data.SetsTable.FieldByName(fs::Editierbar).SetAsBoolean(false);
    data.SetsTable.FieldByName(fs::Freispielbar).SetAsBoolean(true);
    data.SetsTable.Post();
    data.SaveProgress(TProgressTable::Sets | TProgressTable::Bilder);
    if (!skipped.isEmpty())
        Context().Dialogs().showMessage(QStringLiteral("Einige Bilder des Sets wurden nicht importiert:\r\n\r\n") +
                                        skipped.join(QStringLiteral("\r\n")));
}

QString TEinstellungenFrame::ResetQuestion()
{
    return QStringLiteral("Wollen Sie das Programm wirklich auf den Auslieferungsstand \r\nzurücksetzten? "
                          "(Alle freigespielten Bilder etc. gehen verloren)");
}

void TEinstellungenFrame::ResetButtonClick()
{
    if (m_busy || !DataModule())
        return;
    TBusyGuard busy(m_busy, Context().Events());
    IScreenContext &context = Context();
    const TProgramFolders &folders = context.Folders();

    // Without a usable delivery copy the reset would leave nothing to work with: nothing changes.
    const QString unusable = CheckDeliveryCopy(folders);
    if (!unusable.isEmpty()) {
        context.Dialogs().showMessage(
            QStringLiteral("Die Auslieferungsdaten können nicht geladen werden (%1). Es wurde nichts zurückgesetzt.")
                .arg(unusable));
        return;
    }
    if (!context.Dialogs().askYesNo(ResetQuestion()))
        return;
    PlayCueOf(QStringLiteral("snd_datenzuruecksetzen"));

    auto wait = std::make_unique<TVelmoraWaitForm>(window());
    wait->show();
    context.Events().processPendingMessages();

    DataModule()->SetPimpPoints(0);
    const QStringList failures = ReplaceDataByDelivery(folders, &context.Events());

    context.Events().processPendingMessages();
    wait.reset();
    context.Events().processPendingMessages();

    if (!failures.isEmpty())
        context.Dialogs().showMessage(QStringLiteral("Beim Zurücksetzen ging etwas schief:\r\n\r\n") +
                                      failures.join(QStringLiteral("\r\n")));
    context.ReloadAfterReset();
    // The account is empty now: a crash must not bring the old points back to the fresh sets.
    DataModule()->SaveProgress({});
}
