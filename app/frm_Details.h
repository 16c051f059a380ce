#pragma once
// The details window: the three free-resource figures as labels and bars,
// an OK button and an "Always on top" switch. The meter makes it once, at
// start, hidden, and writes its labels and bars every second whether it is
// shown or not; closing it only hides it.

#include "framework/Form.h"

class TLabel;
class TNgButton;
class TNgCheckBox;
class TNgForm;
class TNgProgressBar;

class TfrmDetails : public TForm {
    DECLARE_CLASS(TfrmDetails, TForm)
public:
    explicit TfrmDetails(TComponent* owner);
    ~TfrmDetails() override;

    const TMethodTable* MethodTable() const override;

    TLabel* lblSystem = nullptr;
    TLabel* lblGDI = nullptr;
    TLabel* lblUser = nullptr;
    TNgForm* NgForm = nullptr;
    TNgProgressBar* prbSystem = nullptr;
    TNgProgressBar* prbGDI = nullptr;
    TNgProgressBar* prbUser = nullptr;
    TNgButton* btnOK = nullptr;
    TNgCheckBox* chkAlwaysOnTop = nullptr;

    // Published handlers, bound by the stored layout.
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormKeyDown(TObject* sender, WORD& key, TShiftState shift);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnOKClick(TObject* sender);
    void chkAlwaysOnTopClick(TObject* sender);
};

extern TfrmDetails* frmDetails;
