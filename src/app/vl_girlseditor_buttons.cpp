// The set editor's buttons: new and deleted sets, pictures added, deleted, moved and shown, the
// text groups, and the export and import of a set. Each runs inside a Step.
#include "app/vl_girlseditor.h"
#include "app/vl_girlseditor_step.h"

#include "app/vl_newset.h"
#include "app/vl_textgruppen.h"
#include "core/file_dialog_port.h"
#include "core/ports.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "data/filter_guard.h"
#include "data/table_fields.h"
#include "pictures/jpeg_decoder.h"
#include "screen/screen_context.h"

#include <QFileInfo>

namespace fs = fields::sets;
namespace fb = fields::bilder;

void TGirlsEditorFrame::NewSetButtonClick()
{
    Step step(*this);
    PostPendingEdits();
    TMainDataModule &data = *DataModule();
    TNewSetForm form(data, this);
    const bool created = RunDialog(form) == QDialog::Accepted;
    if (created) {
        OnShow();
        Context().Events().processPendingMessages();
    }
    ReportDamage(QStringLiteral("Daten beschädigt!  Bitte Daten zurücksetzen!"));
    // The list may be sorted by anything: the new set is found by its ID, not by its place.
    if (!created || form.NewSetID < 0 || !data.SetsTable.Locate(fs::ID, form.NewSetID))
        data.SetsTable.Last();
}

void TGirlsEditorFrame::DeleteSetButtonClick()
{
    Step step(*this);
    PostPendingEdits();
    TMainDataModule &data = *DataModule();
    const bool listed = !data.SetsTable.IsEmpty();
    const int id = data.SetsTable.FieldByName(fs::ID).AsInteger();
    if (listed && data.SetsTable.Locate(fs::ID, id))
        data.DeleteSet(id);
    else
        Context().Dialogs().showMessage(QStringLiteral("Bitte wählen Sie ein Set aus!"));
    ReportDamage(QStringLiteral("Daten beschädigt!  Bitte Daten zurücksetzten!"));
}

void TGirlsEditorFrame::DeleteBildButtonClick()
{
    if (!HasPicture())
        return;
    Step step(*this);
    TMainDataModule &data = *DataModule();
    const int setRecNo = data.SetsTable.RecNo();
    data.DeletePicture(data.BilderTable.FieldByName(fb::ID).AsInteger());
    ReportDamage(QStringLiteral("Daten beschädigt! Bitte Daten zurücksetzen!"));
    data.SetsTable.SetRecNo(setRecNo);
}

void TGirlsEditorFrame::Button2Click()
{
    if (!HasEditableSet())
        return;
    Step step(*this);
    PostPendingEdits();
    TFileDialogOptions options;
    options.filter = QString::fromLatin1(filedialogs::kPictureFilter);
    const QStringList files = Context().FileDialogs().openFiles(options);
    // Only JPEG pictures are taken in: anything else could not be shown here, in the gallery or on
    // the pass screen.
    QStringList refused;
    for (const QString &file : files) {
        try {
            DecodeJpegFile(file);
        } catch (const VelmoraError &) {
            refused << file;
            continue;
        }
        DataModule()->AddPicture(file);
    }
    if (!refused.isEmpty())
        Context().Dialogs().showMessage(
            QStringLiteral("Diese Dateien sind keine JPEG-Bilder und wurden nicht übernommen:\r\n\r\n") +
            refused.join(QStringLiteral("\r\n")));
}

void TGirlsEditorFrame::MovePicture(int step)
{
    if (!HasPicture())
        return;
    Step frame(*this);
    TRecordTable &pictures = DataModule()->BilderTable;
    const auto setPlace = [&pictures](int place) {
        pictures.Edit();
        pictures.FieldByName(fb::NrInSet).SetAsInteger(place);
        pictures.Post();
    };
    const int place = pictures.FieldByName(fb::NrInSet).AsInteger();
    if (step < 0 && place == 1)
        return;
    const int target = place + step;
    // The moved picture waits at a place no picture has while its neighbour takes its place.
    constexpr int parked = -999;
    setPlace(parked);
    if (pictures.Locate(fb::NrInSet, target))
        setPlace(place);
    if (pictures.Locate(fb::NrInSet, parked))
        setPlace(target);
    pictures.Locate(fb::NrInSet, target);
}

void TGirlsEditorFrame::Button3Click()
{
    MovePicture(-1);
}

void TGirlsEditorFrame::Button4Click()
{
    MovePicture(+1);
}

void TGirlsEditorFrame::Button6Click()
{
    if (m_picture.isEmpty())
        return;
    ShowFullPicture(m_picture);
}

void TGirlsEditorFrame::TextGruppeEditButtonClick()
{
    TTextGruppenForm form(*DataModule(), Context().Dialogs(), Context().FileDialogs(), this);
    RunDialog(form);
}

void TGirlsEditorFrame::ExportSetClick()
{
    // With no set listed there is nothing to export, and no file is touched.
    if (DataModule()->SetsTable.IsEmpty())
        return;
    Step step(*this, ExportSet);
    PostPendingEdits();
    Context().Events().processPendingMessages();
    TFileDialogOptions options;
    options.filter = QString::fromLatin1(filedialogs::kSetArchiveFilter);
    options.defaultExtension = QString::fromLatin1(filedialogs::kSetArchiveExtension);
    const QString path = Context().FileDialogs().saveFile(options);
    if (!path.isEmpty())
        DataModule()->ExportSetArchive(path);
}

void TGirlsEditorFrame::ImportSetClick()
{
    Step step(*this, ImportSet);
    PostPendingEdits();
    Context().Events().processPendingMessages();
    TFileDialogOptions options;
    options.filter = QString::fromLatin1(filedialogs::kSetArchiveFilter);
    options.defaultExtension = QString::fromLatin1(filedialogs::kSetArchiveExtension);
    const QString path = Context().FileDialogs().openFile(options);
    if (path.isEmpty())
        return;
    TMainDataModule &data = *DataModule();
    TFilterGuard view(data.SetsTable);
    data.SetsTable.SetFilter(QString());
    const QStringList skipped = data.ImportSetArchive(path);
    // A set imported here is one to work on.
    data.SetsTable.Edit();
    data.SetsTable.FieldByName(fs::Editierbar).SetAsBoolean(true);
    data.SetsTable.Post();
    data.SaveSetTables();
    view.Restore();
    if (!skipped.isEmpty())
        Context().Dialogs().showMessage(QStringLiteral("Einige Bilder des Sets wurden nicht importiert:\r\n\r\n") +
                                        skipped.join(QStringLiteral("\r\n")));
}

// ---------------------------------------------------------------- stars
