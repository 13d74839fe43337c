#pragma once

#include "screen/vl_model.h"

#include <memory>

class QLabel;
class QTableView;
class TPictureBox;
class TPictureButton;
class TTableModel;
class TTableViewBinding;
class TTableWatch;
class TWertungFrame;

// The gallery: the sets that can be unlocked, best rated first, as the learning menu leaves the sets
// table. The current record of the sets table is the chosen set; its name, stars, price and unlocked
// mark follow it. Points buy the chosen set; its pictures are one click away.
class TGalerieFrame : public TModelFrame
{
    Q_OBJECT
public:
    TGalerieFrame(IScreenContext &context, QWidget *parent);
    ~TGalerieFrame() override;

    bool ForwardAvailable() override { return false; }
    void BackAction() override;
    void HomeAction() override;
    void OnCreation() override;
    void OnShow() override;

    TPictureBox *GalerieImage;
    QTableView *DBGrid1;
    QLabel *DBText1;
    TWertungFrame *WertungFrame1;
    TPictureBox *Image1;
    QLabel *Label8;
    QLabel *PPLabel;
    TPictureButton *BuyImage;
    TPictureButton *BilderImage;
    TPictureBox *NeueGirlsImage;

    // The question before a purchase.
    static QString PurchaseQuestion(qint64 price);
    static QString RefusedMessage();

    // --- actions of the controls ---
    void BuyImageClick();
    void BilderImageClick();
    void NeueGirlsImageClick();
    // Shows the chosen set's price, stars and whether it is unlocked; with no set listed, no price
    // and neither the buy nor the pictures button.
    void RefreshDetails();

private:
    bool HasChosenSet() const;
    // The sets table shows every set again, in its order.
    void ClearSetsFilter();

    TTableModel *m_model = nullptr;
    TTableViewBinding *m_listBinding = nullptr;
    std::unique_ptr<TTableWatch> m_watch;
};
