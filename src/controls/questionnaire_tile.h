#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QToolButton;

// One questionnaire of the learning menu as a tile of 46 × 49 pixels, tooltip-yellow: its number,
// a status light for how it went so far, a silver bar with its counters (without errors in green,
// passed in yellow, failed in red) and a flat button over the whole tile that carries the
// questionnaire's ID. A click, or Space / Enter on the focused button, emits clicked(ID).
class TQuestionnaireTile : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 46;
    static constexpr int kHeight = 49;

    TQuestionnaireTile(int nummer, int questionnaireId, int durchgefallen, int bestanden, int fehlerlos,
                       QWidget *parent = nullptr);

    int QuestionnaireID() const { return m_id; }
    QColor StatusColour() const { return m_status; }
    QToolButton *ClickArea() const { return m_button; }

    // The colour of the status light for the counters F (without errors), B (passed) and
    // D (failed): yellow or red, then yellow when D = F, green when D < F or F > 1, white when all
    // are 0; a later rule that applies overrides an earlier one.
    static QColor StatusLightColour(int fehlerlos, int bestanden, int durchgefallen);

Q_SIGNALS:
    void clicked(int questionnaireId);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *Counter(int value, int left, const QColor &colour);

    int m_id;
    QColor m_status;
    QToolButton *m_button = nullptr;
};
