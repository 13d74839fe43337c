#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TMainDataModule;

// "Neues Set anlegen": asks for the name of a new set and creates it on "OK". The new set is
// editable, can be unlocked, has one star and the text group that is current in the text groups.
class TNewSetForm : public QDialog
{
    Q_OBJECT
public:
    TNewSetForm(TMainDataModule &data, QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *SetNameEdit;
    QFrame *Bevel1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    // "OK": creates the set from the name typed (empty allowed) and ends the dialog with OK.
    void BitBtn1Click();

    // The name and the ID of the set created; empty and -1 until then.
    QString NewSetName;
    int NewSetID = -1;

private:
    TMainDataModule &m_data;
};
