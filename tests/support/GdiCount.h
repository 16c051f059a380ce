#pragma once
// The number of GDI and USER objects the process holds. Wine's
// GetGuiResources is a stub, so every handle value is asked instead.

int CountGdiObjects();
// Windows and menus.
int CountUserObjects();
