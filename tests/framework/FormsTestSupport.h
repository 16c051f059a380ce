#pragma once
// Controls and forms that record what reaches them, and a wait that keeps
// the message loop running until a condition holds.

#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/Label.h"
#include "framework/UtilityWindow.h"
#include "tests/support/MessagePump.h"

#include <functional>
#include <string>
#include <vector>

// Handles every queued message now.
void Pump();

// A windowed control that takes the focus and answers dialog keys and
// access keys the way a push button does.
class TTestButton : public TWinControl {
    DECLARE_CLASS(TTestButton, TWinControl)
public:
    explicit TTestButton(TComponent* owner);

    bool ClaimsEnter = false;   // a default button
    bool ClaimsEscape = false;  // a cancel button
    int Clicks = 0;
    std::vector<TControl*> FocusNotices;
    std::vector<WORD> KeysDown;

    void Click() override;

private:
    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMFocusChanged(TMessage& message);
    void KeyDown(WORD& key, TShiftState shift) override;
};

// A windowed container that records focus notices and answers one private
// message, for the window tests.
class TTestPanel : public TWinControl {
    DECLARE_CLASS(TTestPanel, TWinControl)
public:
    explicit TTestPanel(TComponent* owner);

    static const UINT AskMessage = WM_USER + 5;
    std::vector<TControl*> FocusNotices;
    int EnterCount = 0;
    int LeaveCount = 0;
    int ColorChanges = 0;

private:
    void CMFocusChanged(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void WMAsk(TMessage& message);
    void WMSysColorChange(TMessage& message);
};

// A control without a window that fills itself with one colour.
class TTestGraphic : public TGraphicControl {
    DECLARE_CLASS(TTestGraphic, TGraphicControl)
public:
    explicit TTestGraphic(TComponent* owner);

    TColor Fill = clRed;
    std::vector<TControl*> FocusNotices;
    int EnterCount = 0;
    int LeaveCount = 0;

protected:
    void Paint() override;

private:
    void CMFocusChanged(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
};

// The form of the test layout (LayoutTest.txt).
class TfrmLayoutTest : public TForm {
    DECLARE_CLASS(TfrmLayoutTest, TForm)
public:
    explicit TfrmLayoutTest(TComponent* owner) : TForm(owner) {}

    TLabel* lblTitle = nullptr;
    TTestPanel* pnlBox = nullptr;
    TTestButton* btnFirst = nullptr;
    TTestButton* btnSecond = nullptr;

    int Creates = 0;
    bool FieldsBoundAtCreate = false;
    int ButtonClicks = 0;
    TObject* LastClicked = nullptr;
    int LabelClicks = 0;
    std::vector<WORD> PreviewedKeys;

    void FormCreate(TObject* sender);
    void FormKeyDown(TObject* sender, WORD& key, TShiftState shift);
    void ButtonClick(TObject* sender);
    void lblTitleClick(TObject* sender);
    const TMethodTable* MethodTable() const override;
};

// Calls back every interval milliseconds, from the message loop.
class TTestTimer {
public:
    TTestTimer(UINT interval, std::function<void()> tick);
    ~TTestTimer();
    TTestTimer(const TTestTimer&) = delete;
    TTestTimer& operator=(const TTestTimer&) = delete;
    int Ticks = 0;

private:
    void Message(TMessage& message);
    std::function<void()> FTick;
    TUtilityWindow FWindow;
};
