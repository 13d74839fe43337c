#pragma once

#include "pictures/region.h"
#include "screen/vl_model.h"

#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;
class TBitmap;
class TPictureBox;
class TPictureButton;
class TTableModel;
class TTableViewBinding;
class TTableWatch;
class TTextBinding;
class TWertungFrame;

// The pictures of the set chosen in the gallery, one at a time. An unlocked picture is shown fitted
// into the box and opens at full size; a locked one shows only through a question-mark shape, with
// a button to buy it. The gallery restricts the pictures table to the set; leaving this screen
// lifts the restriction, whatever the way out.
class TBilderFrame : public TModelFrame
{
    Q_OBJECT
public:
    static constexpr int kBoxWidth = 366;
    static constexpr int kBoxHeight = 512;

    TBilderFrame(IScreenContext &context, QWidget *parent);
    ~TBilderFrame() override;

    bool ForwardAvailable() override { return false; }
    void BackAction() override;
    void OnCreation() override;
    void OnShow() override;
    void OnLeave() override;

    TPictureBox *Image2;
    QLabel *DBText1;
    QTableView *DBGrid1;
    TPictureBox *Image1;
    TWertungFrame *WertungFrame1;
    QLabel *Label1;
    QLabel *Label8;
    QLabel *PPLabel;
    QPushButton *VollbildButton;
    TPictureButton *BuyImage;
    TPictureButton *BackImage;

    // The question-mark shape of the teaser, made from the skin's mask with the first locked picture
    // this screen shows; none before.
    std::optional<TRegion> TeaserRegion;

    static QString LockedMessage();

    // --- actions of the controls ---
    void BuyImageClick();
    void VollbildButtonClick();
    void BackImageClick();
    // Draws the current picture (fitted, or as the teaser when locked), its stars and its price; with
    // no picture listed, an empty box and neither the buy nor the full-size button.
    void RedrawPicture();

private:
    bool HasPicture() const;
    // The current picture may be seen: it or its set is unlocked.
    bool IsViewable() const;
    TBitmap CurrentPicture() const;
    void Unbind();

    bool m_teaserShapeMade = false;
    TTableModel *m_model = nullptr;
    std::unique_ptr<TTableViewBinding> m_listBinding;
    std::unique_ptr<TTableWatch> m_watch;
};
