// framedemo: shows the demonstration form on the desktop, for the
// end-to-end frame tests and the README's picture. Options change the
// frame's settings: resize=0|1, move=0|1, blend=VALUE, animation=0-4,
// min=WIDTHxHEIGHT, icons=program (close and system menu only),
// menushadow=0|1. By default
// the form shows every border icon, so that its system menu is complete.

#include "../FrameDemo.h"

#include "framework/Application.h"
#include "framework/Finalization.h"

#include <cstdlib>
#include <cstring>

namespace {

void Apply(TNgForm& frame, const char* option)
{
    const char* value = std::strchr(option, '=');
    if (!value)
        return;
    const std::string name(option, value);
    ++value;
    if (name == "resize")
        frame.SetCanResize(std::atoi(value) != 0);
    else if (name == "icons" && std::strcmp(value, "program") == 0)
        frame.SetBorderIcons(TKsBorderIcons{kbiClose, kbiSystemMenu});
    else if (name == "menushadow")
        frame.SetSysMenuDropShadow(std::atoi(value) != 0);
    else if (name == "move")
        frame.SetCanMove(std::atoi(value) != 0);
    else if (name == "blend") {
        frame.SetBlendValue(std::atoi(value));
        frame.SetBlend(true);
    } else if (name == "animation") {
        frame.SetShowAnimation(static_cast<TKsAnimation>(std::atoi(value)));
    } else if (name == "min") {
        TKsSizeConstraints limits;
        limits.MinWidth = std::atoi(value);
        if (const char* height = std::strchr(value, 'x'))
            limits.MinHeight = std::atoi(height + 1);
        frame.SetConstraints(limits);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int exitCode = 0;
    try {
        StartFramework();
        Application->Initialize();
        Application->SetTitle("Quorvel frame");
        TfrmFrameDemo* form = nullptr;
        Application->CreateForm(form);
        form->NgForm->SetBorderIcons(
            TKsBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray});
        for (int i = 1; i < __argc; ++i)
            Apply(*form->NgForm, __argv[i]);
        Application->Run();
    } catch (...) {
        if (Application)
            Application->HandleException(nullptr);
        exitCode = 1;
    }
    RunFinalizers();
    return exitCode;
}
