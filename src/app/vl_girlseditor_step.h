#pragma once

// The set editor's frame around each button's step; shared by the editor's files only.

#include "app/vl_girlseditor.h"

#include <QApplication>
#include <QFont>
#include <QPushButton>

// The frame of a button's step: both bindings detached while it runs, what was being typed posted,
// and on every way out, an error included, the bindings back. Import and export also show their
// button bold and disabled and the hourglass until they end.
class TGirlsEditorFrame::Step
{
public:
    explicit Step(TGirlsEditorFrame &frame, QPushButton *busyButton = nullptr)
        : m_frame(frame), m_busyButton(busyButton)
    {
        if (m_busyButton) {
            QFont bold = m_busyButton->font();
            bold.setBold(true);
            m_busyButton->setFont(bold);
            m_busyButton->setEnabled(false);
        }
        m_frame.UnbindBoth();
        if (m_busyButton) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            m_cursor = true;
        }
    }
    ~Step()
    {
        m_frame.SaveNow();
        if (m_cursor)
            QApplication::restoreOverrideCursor();
        if (m_busyButton) {
            m_busyButton->setEnabled(true);
            QFont normal = m_busyButton->font();
            normal.setBold(false);
            m_busyButton->setFont(normal);
        }
        try {
            m_frame.BindBoth();
        } catch (...) {
            // Binding only shows the tables; an error of its own must not hide the step's error.
        }
    }
    Step(const Step &) = delete;
    Step &operator=(const Step &) = delete;

private:
    TGirlsEditorFrame &m_frame;
    QPushButton *m_busyButton;
    bool m_cursor = false;
};
