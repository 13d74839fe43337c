#pragma once

#include <QIcon>
#include <QStringList>
#include <QWidget>
#include <functional>

class QFrame;
class QListWidget;
class QPushButton;
class TFrageFrame;

// The answer overview window: a small tool window that stays on top of the main window without
// blocking it. It is made once when the program starts, hidden; the question screen and the result
// screens place it, fill its list and show it. It lists every question of the running test with an
// icon: answered or not during a test, right or wrong in the review. It always works with the main
// window's current question screen, asked for at the moment it is needed.
class TUebersichtForm : public QWidget
{
    Q_OBJECT
public:
    // The icons, by index.
    enum Icon { NotAnswered = 0, Answered = 1, Right = 2, Wrong = 3 };

    explicit TUebersichtForm(QWidget *mainWindow);

    // Who the current question screen is (none when another screen is shown).
    void SetQuestionScreenSource(std::function<TFrageFrame *()> source) { m_questionScreen = std::move(source); }

    // Rebuilds the list from the running test; the current question's entry is selected.
    void RefreshList();
    // Shows the question of the selected entry on the question screen, after saving the answer there.
    void ShowSelected();

    // The picture of an icon (16 x 16), the same for selected entries.
    static QPixmap IconPicture(Icon icon);
    // The icon index each entry shows, in list order.
    QList<int> EntryIcons() const { return m_entryIcons; }

    QStringList QuestionIDs;
    bool ReviewMarks = false;

    QListWidget *ListView = nullptr;
    QFrame *Panel1 = nullptr;
    QFrame *Panel2 = nullptr;
    QPushButton *CloseButton = nullptr;

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TFrageFrame *QuestionScreen() const;

    std::function<TFrageFrame *()> m_questionScreen;
    QIcon m_icons[4];
    QList<int> m_entryIcons;
};
