#include "tools/gallery/LiveControls.h"

#include "controls/NgButtons.h"
#include "controls/NgCheckBoxs.h"
#include "controls/NgProgress.h"
#include "framework/Form.h"
#include "theme/NgLuna.h"
#include "tools/gallery/GalleryPage.h"

#include <string>
#include <vector>

namespace {
const uint32_t PageColor = MakeColor(236, 233, 216);

class TLiveForm {
public:
    explicit TLiveForm(int deltaHue) : Form(Create<TForm>(nullptr))
    {
        Form->SetBorderStyle(bsNone);
        Form->SetColor(PixelToColor(PageColor));
        Form->SetBounds(0, 0, GalleryColumnWidth - 20, LiveControlsHeight - 20);
        Engine = Create<TNgThemeEngine>(Form.get());
        Engine->SetDeltaHue(deltaHue);
        Engine->SelectThemeClass(TNgLuna::StaticThemeClass());
    }

    template <class T>
    T* Add(int x, int y, int width, int height, bool themed)
    {
        T* control = Create<T>(Form.get());
        control->SetBounds(x, y, width, height);
        control->SetParent(Form.get());
        control->SetThemeEngine(themed ? Engine : nullptr);
        return control;
    }

    // One variant: bars of the details window's size at 0, 4, 50 and
    // 100 %, check boxes beside the last, buttons below; labels go under
    // each control.
    void AddRow(int y, bool themed)
    {
        const int positions[] = {0, 4, 50, 100};
        for (int i = 0; i < 4; ++i) {
            const int x = (i % 3) * 283;
            const int top = y + (i / 3) * 38;
            auto* bar = Add<TNgProgressBar>(x, top, 273, 16, themed);
            bar->SetPosition(positions[i]);
            Labels.push_back({std::to_string(positions[i]) + " %", x, top + 18, 273});
        }
        const TCheckBoxState checks[] = {cbUnchecked, cbChecked, cbGrayed};
        const char* names[] = {"unchecked", "checked", "grayed"};
        for (int i = 0; i < 3; ++i) {
            auto* box = Add<TNgCheckBox>(283 + i * 115, y + 36, 110, 19, themed);
            box->SetCaption("&Always on top");
            box->SetState(checks[i]);
            Labels.push_back({names[i], 283 + i * 115, y + 57, 110});
        }
        const char* states[] = {"normal", "hot", "pressed", "disabled", "focused"};
        TNgButton* buttons[5];
        for (int i = 0; i < 5; ++i) {
            buttons[i] = Add<TNgButton>(i * 85, y + 78, 75, 25, themed);
            buttons[i]->SetCaption("&OK");
            Labels.push_back({states[i], i * 85, y + 105, 75});
        }
        buttons[1]->Perform(CM_MOUSEENTER);
        buttons[2]->Perform(WM_KEYDOWN, VK_SPACE, 1);
        buttons[3]->SetEnabled(false);
        Focused.push_back(buttons[4]);
    }

    void Draw(TKsBitmap& page, int left, int top)
    {
        Form->HandleNeeded();
        // Focus as the control sees it; the form is never shown.
        for (TNgButton* button : Focused)
            button->Perform(WM_SETFOCUS);
        Form->PaintTo(page.DC(), left, top);
        for (const TLabel& label : Labels)
            GalleryLabel(page, label.Text, left + label.X, top + label.Y, label.Width, KsTextCentred);
    }

private:
    struct TLabel {
        std::string Text;
        int X;
        int Y;
        int Width;
    };
    TOwned<TForm> Form;
    TNgThemeEngine* Engine = nullptr;
    std::vector<TLabel> Labels;
    std::vector<TNgButton*> Focused;
};
}  // namespace

void DrawLiveControls(TKsBitmap& page, int left, int top, int deltaHue)
{
    const int y = GalleryHeading(page, "Live controls drawn by themselves: themed, then classic", left, top);
    TLiveForm form(deltaHue);
    form.AddRow(0, true);
    form.AddRow(128, false);
    form.Draw(page, left + 10, y);
}
