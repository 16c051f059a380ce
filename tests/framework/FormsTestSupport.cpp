#include "tests/framework/FormsTestSupport.h"
#include "tests/support/MessagePump.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Strings.h"

#include <cctype>

void Pump()
{
    Application->ProcessMessages();
}

IMPLEMENT_CLASS(TTestButton)
{
    Creatable();
    Message(CM_DIALOGKEY, &TTestButton::CMDialogKey);
    Message(CM_DIALOGCHAR, &TTestButton::CMDialogChar);
    Message(CM_FOCUSCHANGED, &TTestButton::CMFocusChanged);
}

TTestButton::TTestButton(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TTestButton::Click()
{
    ++Clicks;
    inherited::Click();
}

void TTestButton::CMDialogKey(TMessage& message)
{
    if ((message.WParam == VK_RETURN && ClaimsEnter) || (message.WParam == VK_ESCAPE && ClaimsEscape)) {
        Click();
        message.Result = 1;
        return;
    }
    InheritedMessage<TTestButton>(message);
}

void TTestButton::CMDialogChar(TMessage& message)
{
    char key = static_cast<char>(std::toupper(static_cast<unsigned char>(message.WParam)));
    if (key && key == GetHotkey(Caption()) && CanFocus()) {
        SetFocus();
        Click();
        message.Result = 1;
        return;
    }
    InheritedMessage<TTestButton>(message);
}

void TTestButton::CMFocusChanged(TMessage& message)
{
    FocusNotices.push_back(reinterpret_cast<TControl*>(message.LParam));
    InheritedMessage<TTestButton>(message);
}

void TTestButton::KeyDown(WORD& key, TShiftState shift)
{
    KeysDown.push_back(key);
    inherited::KeyDown(key, shift);
}

IMPLEMENT_CLASS(TTestPanel)
{
    Creatable();
    Message(CM_FOCUSCHANGED, &TTestPanel::CMFocusChanged);
    Message(CM_MOUSEENTER, &TTestPanel::CMMouseEnter);
    Message(CM_MOUSELEAVE, &TTestPanel::CMMouseLeave);
    Message(TTestPanel::AskMessage, &TTestPanel::WMAsk);
    Message(WM_SYSCOLORCHANGE, &TTestPanel::WMSysColorChange);
}

TTestPanel::TTestPanel(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() + csAcceptsControls);
    SetBounds(0, 0, 120, 60);
}

void TTestPanel::CMFocusChanged(TMessage& message)
{
    FocusNotices.push_back(reinterpret_cast<TControl*>(message.LParam));
    InheritedMessage<TTestPanel>(message);
}

void TTestPanel::CMMouseEnter(TMessage& message)
{
    ++EnterCount;
    InheritedMessage<TTestPanel>(message);
}

void TTestPanel::CMMouseLeave(TMessage& message)
{
    ++LeaveCount;
    InheritedMessage<TTestPanel>(message);
}

void TTestPanel::WMAsk(TMessage& message)
{
    message.Result = 42;
}

void TTestPanel::WMSysColorChange(TMessage& message)
{
    ++ColorChanges;
    InheritedMessage<TTestPanel>(message);
}

IMPLEMENT_CLASS(TTestGraphic)
{
    Creatable();
    Message(CM_FOCUSCHANGED, &TTestGraphic::CMFocusChanged);
    Message(CM_MOUSEENTER, &TTestGraphic::CMMouseEnter);
    Message(CM_MOUSELEAVE, &TTestGraphic::CMMouseLeave);
}

TTestGraphic::TTestGraphic(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 40, 20);
}

void TTestGraphic::Paint()
{
    Canvas().Brush().SetColor(Fill);
    RECT rect = ClientRect();
    Canvas().FillRect(rect);
}

void TTestGraphic::CMFocusChanged(TMessage& message)
{
    FocusNotices.push_back(reinterpret_cast<TControl*>(message.LParam));
}

void TTestGraphic::CMMouseEnter(TMessage& message)
{
    ++EnterCount;
    InheritedMessage<TTestGraphic>(message);
}

void TTestGraphic::CMMouseLeave(TMessage& message)
{
    ++LeaveCount;
    InheritedMessage<TTestGraphic>(message);
}

IMPLEMENT_CLASS(TfrmLayoutTest)
{
    Creatable();
    Field("lblTitle", &TfrmLayoutTest::lblTitle);
    Field("pnlBox", &TfrmLayoutTest::pnlBox);
    Field("btnFirst", &TfrmLayoutTest::btnFirst);
    Field("btnSecond", &TfrmLayoutTest::btnSecond);
}

const TMethodTable* TfrmLayoutTest::MethodTable() const
{
    static const TMethodTable table = {
        PUBLISHED_METHOD(TfrmLayoutTest, FormCreate),
        PUBLISHED_METHOD(TfrmLayoutTest, FormKeyDown),
        PUBLISHED_METHOD(TfrmLayoutTest, ButtonClick),
        PUBLISHED_METHOD(TfrmLayoutTest, lblTitleClick),
    };
    return &table;
}

void TfrmLayoutTest::FormCreate(TObject*)
{
    ++Creates;
    FieldsBoundAtCreate = lblTitle && pnlBox && btnFirst && btnSecond;
}

void TfrmLayoutTest::FormKeyDown(TObject*, WORD& key, TShiftState)
{
    PreviewedKeys.push_back(key);
    // The form keeps F2 to itself.
    if (key == VK_F2)
        key = 0;
}

void TfrmLayoutTest::ButtonClick(TObject* sender)
{
    ++ButtonClicks;
    LastClicked = sender;
}

void TfrmLayoutTest::lblTitleClick(TObject*)
{
    ++LabelClicks;
}

TTestTimer::TTestTimer(UINT interval, std::function<void()> tick)
    : FTick(std::move(tick)), FWindow(TWndMethod::Bind<&TTestTimer::Message>(this))
{
    SetTimer(FWindow.Handle(), 1, interval, nullptr);
}

TTestTimer::~TTestTimer()
{
    KillTimer(FWindow.Handle(), 1);
}

void TTestTimer::Message(TMessage& message)
{
    if (message.Msg == WM_TIMER) {
        ++Ticks;
        FTick();
        return;
    }
    FWindow.DefaultHandler(message);
}
