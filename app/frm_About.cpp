#include "app/frm_About.h"

#include "app/frm_Quorvel.h"
#include "app/lib_Windows.h"
#include "controls/NgButtons.h"
#include "frame/NgForms.h"
#include "framework/ClassBuilder.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Strings.h"

const char MakerWebsite[] = "http://www.tessaly.example/quorvel/";
const char MakerEmail[] = "quorvel@tessaly.example";

TfrmAbout* frmAbout = nullptr;

namespace {
const char Author[] = "Tessaly";
const char MailScheme[] = "mailto:";
}

IMPLEMENT_CLASS(TfrmAbout)
{
    Creatable();
    Field("Image1", &TfrmAbout::Image1);
    Field("Label1", &TfrmAbout::Label1);
    Field("Label2", &TfrmAbout::Label2);
    Field("Label3", &TfrmAbout::Label3);
    Field("Label4", &TfrmAbout::Label4);
    Field("Label5", &TfrmAbout::Label5);
    Field("lblVersion", &TfrmAbout::lblVersion);
    Field("lblAuthor", &TfrmAbout::lblAuthor);
    Field("lblWebsite", &TfrmAbout::lblWebsite);
    Field("lblEmail", &TfrmAbout::lblEmail);
    Field("Label6", &TfrmAbout::Label6);
    Field("NgForm", &TfrmAbout::NgForm);
    Field("btnOK", &TfrmAbout::btnOK);
}

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner) {}

const TMethodTable* TfrmAbout::MethodTable() const
{
    static const TMethodTable table = {
        PUBLISHED_METHOD(TfrmAbout, FormCreate),      PUBLISHED_METHOD(TfrmAbout, FormKeyDown),
        PUBLISHED_METHOD(TfrmAbout, FormClose),       PUBLISHED_METHOD(TfrmAbout, btnOKClick),
        PUBLISHED_METHOD(TfrmAbout, lblWebsiteClick), PUBLISHED_METHOD(TfrmAbout, lblEmailClick),
    };
    return &table;
}

void TfrmAbout::FormCreate(TObject*)
{
    SetCaption("About");
    unsigned major = 0, minor = 0, release = 0, build = 0;
    GetFileVersion(ExecutablePath(), major, minor, release, build);
    lblVersion->SetCaption(Format("%u.%u.%u.%u", major, minor, release, build));
    lblAuthor->SetCaption(Author);
    lblWebsite->SetCaption(MakerWebsite);
    lblEmail->SetCaption(MakerEmail);
}

void TfrmAbout::FormKeyDown(TObject*, WORD& key, TShiftState)
{
    if (key == VK_ESCAPE)
        Close();
}

void TfrmAbout::btnOKClick(TObject*)
{
    Close();
}

void TfrmAbout::FormClose(TObject*, TCloseAction& action)
{
    // Closing ends the modal loop with the cancel result and hides the
    // box; the meter frees it once ShowModal has returned, never while
    // one of its own handlers is still running on it.
    action = caHide;
}

void TfrmAbout::lblWebsiteClick(TObject*)
{
    ShellRun(MakerWebsite, "", svOpen, scShow);
}

void TfrmAbout::lblEmailClick(TObject*)
{
    ShellRun(std::string(MailScheme) + MakerEmail, "", svOpen, scShow);
}
