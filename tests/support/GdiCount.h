#pragma once
// The number of GDI objects the process holds. Wine's GetGuiResources is a
// stub, so every handle value is asked for its object type instead.

int CountGdiObjects();
