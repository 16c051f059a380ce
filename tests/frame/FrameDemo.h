#pragma once
// The demonstration form: a window framed by a TNgForm with the Luna
// theme, at the settings the program's own windows use. The frame tests
// run on it, and the demonstration program shows it on a desktop.

#include "frame/NgForms.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "theme/NgEngine.h"

class TfrmFrameDemo : public TForm {
    DECLARE_CLASS(TfrmFrameDemo, TForm)
public:
    explicit TfrmFrameDemo(TComponent* owner) : TForm(owner) {}

    TNgThemeEngine* NgThemeEngine = nullptr;
    TNgForm* NgForm = nullptr;
    TLabel* lblInfo = nullptr;
};
