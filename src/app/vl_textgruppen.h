#pragma once

#include <QDialog>
#include <memory>

class IDialogPort;
class IFileDialogPort;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class TMainDataModule;
class TMemoBinding;
class TRecordNavigator;
class TTableModel;

// "Textgruppen": the text groups with their descriptions, and the teaser texts of the current group
// ("%s" stands for the girl's name). The texts of one group go to and come from a text file. The
// texts table is restricted to the current group while the dialog is open.
class TTextGruppenForm : public QDialog
{
    Q_OBJECT
public:
    TTextGruppenForm(TMainDataModule &data, IDialogPort &dialogs, IFileDialogPort &fileDialogs,
                     QWidget *parent = nullptr);
    ~TTextGruppenForm() override;

    QTableView *DBGrid1;
    TRecordNavigator *DBNavigator1;
    QGroupBox *GroupBox1;
    QPushButton *Button3;
    QPushButton *Button2;
    QLabel *Label2;
    QPlainTextEdit *DBMemo1;
    QGroupBox *GroupBox2;
    QTableView *DBGrid2;
    QLabel *Label3;
    QPlainTextEdit *DBMemo2;
    QLabel *Label4;
    QPushButton *Button1;
    TRecordNavigator *DBNavigator2;
    QPushButton *BitBtn1;

    // --- actions of the controls ---
    void Button1Click(); // "neuer Text"
    void Button3Click(); // "Exportieren"
    void Button2Click(); // "Importieren"
    // Deletes the current group with its texts.
    void DeleteGroup();

    // Posts what is being typed, and frees the texts table of the group's restriction.
    void done(int result) override;

private:
    class GroupObserver;
    void GroupChanged();
    void PostPendingEdits();
    bool HasGroup();
    int CurrentGroupId();

    TMainDataModule &m_data;
    IDialogPort &m_dialogs;
    IFileDialogPort &m_fileDialogs;
    TTableModel *m_groupsModel;
    TTableModel *m_textsModel;
    std::unique_ptr<GroupObserver> m_groupObserver;
    bool m_closed = false;
};
