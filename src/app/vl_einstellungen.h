#pragma once

#include "screen/vl_model.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class TLinkLabel;
class TPictureBox;

// The settings screen: the music volume and the music switch, the import of a picture-set archive,
// the set editor, the web page for more sets, the about page, and the reset of the whole program to
// the data it was delivered with.
class TEinstellungenFrame : public TModelFrame
{
    Q_OBJECT
public:
    TEinstellungenFrame(IScreenContext &context, QWidget *parent);

    bool ForwardAvailable() override { return false; }
    void BackAction() override;
    void OnCreation() override;
    void OnShow() override;

    // The question before the reset.
    static QString ResetQuestion();

    TPictureBox *Image1;
    QPushButton *WebsiteButton;
    QPushButton *ImportButton;
    TLinkLabel *AboutLabel;
    QPushButton *ResetButton;
    QPushButton *GirlsEditorButton;
    QLabel *Label1;
    QSlider *VolumeSlider;
    QCheckBox *CheckBox1;

    // --- actions of the controls ---
    void WebsiteButtonClick();
    void ImportButtonClick();
    void AboutLabelClick();
    void ResetButtonClick();
    void GirlsEditorButtonClick();
    void VolumeSliderChange(int volume);
    void CheckBox1Click(bool musicOff);

private:
    // A step that lets the window system work (the import and the reset) runs once at a time.
    bool m_busy = false;
};
