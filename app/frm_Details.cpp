#include "app/frm_Details.h"

#include "app/frm_Quorvel.h"
#include "app/lib_Registry.h"
#include "app/lib_Windows.h"
#include "controls/NgButtons.h"
#include "controls/NgCheckBoxs.h"
#include "controls/NgProgress.h"
#include "frame/NgForms.h"
#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"

TfrmDetails* frmDetails = nullptr;

namespace {
const char AlwaysOnTop[] = "AlwaysOnTop";
}

IMPLEMENT_CLASS(TfrmDetails)
{
    Creatable();
    Field("lblSystem", &TfrmDetails::lblSystem);
    Field("lblGDI", &TfrmDetails::lblGDI);
    Field("lblUser", &TfrmDetails::lblUser);
    Field("NgForm", &TfrmDetails::NgForm);
    Field("prbSystem", &TfrmDetails::prbSystem);
    Field("prbGDI", &TfrmDetails::prbGDI);
    Field("prbUser", &TfrmDetails::prbUser);
    Field("btnOK", &TfrmDetails::btnOK);
    Field("chkAlwaysOnTop", &TfrmDetails::chkAlwaysOnTop);
}

TfrmDetails::TfrmDetails(TComponent* owner) : TForm(owner) {}

TfrmDetails::~TfrmDetails()
{
    if (frmDetails == this)
        frmDetails = nullptr;
}

const TMethodTable* TfrmDetails::MethodTable() const
{
    static const TMethodTable table = {
        PUBLISHED_METHOD(TfrmDetails, FormCreate),  PUBLISHED_METHOD(TfrmDetails, FormShow),
        PUBLISHED_METHOD(TfrmDetails, FormKeyDown), PUBLISHED_METHOD(TfrmDetails, FormClose),
        PUBLISHED_METHOD(TfrmDetails, btnOKClick),  PUBLISHED_METHOD(TfrmDetails, chkAlwaysOnTopClick),
    };
    return &table;
}

void TfrmDetails::FormCreate(TObject*)
{
    SetCaption("Quorvel");
}

void TfrmDetails::FormShow(TObject*)
{
    SetActiveControl(btnOK);
}

void TfrmDetails::FormKeyDown(TObject*, WORD& key, TShiftState)
{
    if (key == VK_ESCAPE)
        Close();
}

void TfrmDetails::btnOKClick(TObject*)
{
    Close();
}

void TfrmDetails::FormClose(TObject*, TCloseAction& action)
{
    if (frmQuorvel)
        frmQuorvel->pmiDetails->SetEnabled(true);
    Hide();
    // Hidden, never destroyed: the meter keeps writing to it.
    action = caNone;
}

void TfrmDetails::chkAlwaysOnTopClick(TObject*)
{
    const bool onTop = chkAlwaysOnTop->Checked();
    SetStayOnTop(Handle(), onTop);
    // The click comes from a window procedure or from the meter's start:
    // a write that fails is reported here, and both go on.
    try {
        if (!RegKeyExists(HKEY_CURRENT_USER, SettingsKey))
            CreateRegKey(HKEY_CURRENT_USER, SettingsKey);
        WriteRegBool(HKEY_CURRENT_USER, SettingsKey, AlwaysOnTop, onTop, true);
    } catch (...) {
        Application->HandleException(this);
    }
}
