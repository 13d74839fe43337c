#pragma once

#include <QColor>
#include <QWidget>

// A panel filled with a colour gradient from its top colour to its bottom colour, with an optional
// border (the questionnaire panel: silver to white, a border of pen width 2).
class TGradientPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TGradientPanel(QWidget *parent = nullptr);

    void setColours(const QColor &top, const QColor &bottom);
    void setBorder(int penWidth, const QColor &colour = Qt::black); // 0: none
    QColor topColour() const { return m_top; }
    QColor bottomColour() const { return m_bottom; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_top = QColor(0xC0, 0xC0, 0xC0);
    QColor m_bottom = Qt::white;
    int m_borderWidth = 0;
    QColor m_borderColour = Qt::black;
};
