#pragma once
// The number of GDI and USER objects the process holds. Wine's
// GetGuiResources is a stub, so every handle value is asked instead: for
// its GDI object type, whether it is a window of this process, whether it
// is a menu.

int CountGdiObjects();
int CountOwnWindows();
int CountMenus();

// All three at once, for comparing before and after.
struct TObjectCounts {
    int Gdi = CountGdiObjects();
    int Windows = CountOwnWindows();
    int Menus = CountMenus();
};
