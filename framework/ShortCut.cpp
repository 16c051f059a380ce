#include "framework/ShortCut.h"

#include "framework/Strings.h"

#include <windows.h>

namespace {

struct TKeyName {
    unsigned Key;
    const char* Name;
};

const TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"},      {VK_TAB, "Tab"},     {VK_RETURN, "Enter"},   {VK_ESCAPE, "Esc"},    {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},     {VK_NEXT, "PgDn"},   {VK_END, "End"},        {VK_HOME, "Home"},     {VK_LEFT, "Left"},
    {VK_UP, "Up"},          {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},      {VK_INSERT, "Ins"},    {VK_DELETE, "Del"},
    {VK_MULTIPLY, "Num *"}, {VK_ADD, "Num +"},   {VK_SUBTRACT, "Num -"}, {VK_DECIMAL, "Num ."}, {VK_DIVIDE, "Num /"},
};

std::string KeyText(unsigned key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F24)
        return "F" + IntToStr(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return "Num " + IntToStr(key - VK_NUMPAD0);
    for (const TKeyName& name : KeyNames)
        if (name.Key == key)
            return name.Name;
    return std::string();
}

struct TModifierName {
    TShortCut Bit;
    const char* Prefix;
};

const TModifierName ModifierNames[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

}

std::string ShortCutToText(TShortCut shortCut)
{
    std::string key = KeyText(shortCut & 0xFF);
    if (key.empty())
        return std::string();
    std::string text;
    for (const TModifierName& modifier : ModifierNames)
        if (shortCut & modifier.Bit)
            text += modifier.Prefix;
    return text + key;
}

TShortCut TextToShortCut(const std::string& text)
{
    std::string rest = text;
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TModifierName& modifier : ModifierNames) {
            std::string prefix = modifier.Prefix;
            if (rest.size() > prefix.size() && SameText(rest.substr(0, prefix.size()), prefix)) {
                modifiers |= modifier.Bit;
                rest = rest.substr(prefix.size());
                found = true;
            }
        }
    }
    for (unsigned key = 1; key < 0x100; ++key) {
        std::string name = KeyText(key);
        if (!name.empty() && SameText(name, rest))
            return MakeShortCut(key, modifiers);
    }
    return scNone;
}
