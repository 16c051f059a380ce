#pragma once
// The About box: the program's icon, name and version (from its own
// version resource), the maker, and links to the maker's web page and mail
// address that open through the shell. The meter makes one when "About..."
// is chosen, runs it modally and frees it once it has closed.

#include "framework/Form.h"

class TImage;
class TLabel;
class TNgButton;
class TNgForm;

// The maker's addresses, shown as they are; the mail link adds "mailto:".
extern const char MakerWebsite[];
extern const char MakerEmail[];

class TfrmAbout : public TForm {
    DECLARE_CLASS(TfrmAbout, TForm)
public:
    explicit TfrmAbout(TComponent* owner);

    const TMethodTable* MethodTable() const override;

    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* lblVersion = nullptr;
    TLabel* lblAuthor = nullptr;
    TLabel* lblWebsite = nullptr;
    TLabel* lblEmail = nullptr;
    TLabel* Label6 = nullptr;
    TNgForm* NgForm = nullptr;
    TNgButton* btnOK = nullptr;

    // Published handlers, bound by the stored layout.
    void FormCreate(TObject* sender);
    void FormKeyDown(TObject* sender, WORD& key, TShiftState shift);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnOKClick(TObject* sender);
    void lblWebsiteClick(TObject* sender);
    void lblEmailClick(TObject* sender);
};

// The open About box, or null.
extern TfrmAbout* frmAbout;
