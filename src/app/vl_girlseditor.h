#pragma once

#include "pictures/bitmap.h"
#include "screen/vl_model.h"

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class TFieldBinding;
class TMainDataModule;
class TPictureBox;
class TRecordTable;
class TTableModel;
class TWertungFrame;

// The set editor: the user's own sets (those marked editable) with their properties, and the pictures
// of the current set with their places, ratings and texts. Sets are created, deleted, imported and
// exported here, pictures added from files, deleted, moved and shown.
class TGirlsEditorFrame : public TModelFrame
{
    Q_OBJECT
public:
    TGirlsEditorFrame(IScreenContext &context, QWidget *parent);
    ~TGirlsEditorFrame() override;

    bool ForwardAvailable() override { return false; }
    void BackAction() override;
    void HomeAction() override;
    void OnCreation() override;
    void OnShow() override;
    void OnLeave() override;

    // Shows a dialog modally and answers its result; tests answer it themselves.
    std::function<int(QDialog &dialog)> RunDialog;
    // Shows a picture in the picture window, modally.
    std::function<void(const TBitmap &picture)> ShowFullPicture;

    QGroupBox *GroupBox1;
    QFrame *Shape2;
    QTableView *DBGrid1;
    QPushButton *NewSetButton;
    QPushButton *DeleteSetButton;
    QPushButton *ImportSet;
    QPushButton *ExportSet;
    QGroupBox *SetPropsGroupBox;
    QLabel *Label1;
    QLineEdit *DBEdit1;
    QLabel *Label2;
    QLineEdit *DBEdit2;
    QLabel *Label3;
    TWertungFrame *WertungFrame1 = nullptr;
    QLabel *Label4;
    QLineEdit *DBEdit3;
    QLabel *Label5;
    QLineEdit *DBEdit4;
    QLabel *Label10;
    QLineEdit *DBEdit6;
    QLabel *Label11;
    QComboBox *DBLookupComboBox1;
    QPushButton *TextGruppeEditButton;
    QCheckBox *DBCheckBox1;
    QGroupBox *BilderGroupBox;
    QFrame *Shape1;
    QTableView *DBGrid2;
    QPushButton *DeleteBildButton;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
    QLabel *Label7;
    QLabel *DBText1;
    QLabel *Label8;
    TWertungFrame *WertungFrame2 = nullptr;
    QLabel *Label9;
    QPushButton *Button6;
    TPictureBox *Image1;
    QCheckBox *CheckBox1;
    QPlainTextEdit *DBMemo1;

    // A star click is being written to its record: the record's change does not redraw the stars.
    bool Updating = false;

    // --- actions of the controls ---
    void NewSetButtonClick();
    void DeleteSetButtonClick();
    void DeleteBildButtonClick();
    void Button2Click(); // "Neues Bild importieren"
    void Button3Click(); // "Bild nach oben"
    void Button4Click(); // "Bild nach unten"
    void Button6Click(); // "anzeigen"
    void TextGruppeEditButtonClick();
    void ExportSetClick();
    void ImportSetClick();
    // The star handlers: the rating clicked on the set's or the picture's stars.
    void SetStarsChanged(int value);
    void PictureStarsChanged(int value);

private:
    class Observer;
    class Step;
    friend class Step;

    void BindSets();
    void BindPictures();
    void UnbindSets();
    void UnbindPictures();
    void BindBoth();
    void UnbindBoth();
    void SetChanged();
    void PictureChanged();
    // The current set when it is one of the user's own; the pictures' controls act only then.
    bool HasEditableSet();
    bool HasPicture();
    void MovePicture(int step);
    void WriteStars(TRecordTable &table, int value);
    void PostPendingEdits();
    // The editor's changes go to disk as they happen: after every step, every posted record and the
    // screen's end, so a crash loses none of them.
    void SaveSoon();
    void SaveNow();
    void ReportDamage(const QString &message);

    TMainDataModule &m_data;
    TTableModel *m_setsModel;
    TTableModel *m_picturesModel;
    std::vector<TFieldBinding *> m_setFields;
    std::vector<TFieldBinding *> m_pictureFields;
    std::unique_ptr<Observer> m_setObserver;
    std::unique_ptr<Observer> m_pictureObserver;
    bool m_setsBound = false;
    bool m_picturesBound = false;
    bool m_savePending = false;
    TBitmap m_picture; // the current picture at its own size
};
