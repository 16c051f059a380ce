#pragma once
// The free-resource probe of Windows 95/98/ME: the percentage of the System,
// GDI and User resource pools still free, read from the 16-bit USER
// module's GetFreeSystemResources. -1 whenever the figure is unavailable
// (NT-family systems, a missing piece, or before LoadResourceThunk).

#include <cstdint>

// The values are the selectors GetFreeSystemResources takes.
enum ResourceKind : uint16_t { rkSystem = 0, rkGDI = 1, rkUser = 2 };

// Loads kernel32, QT_Thunk, "user.exe" and its GetFreeSystemResources, once
// at start-up; stops at the first piece that is missing.
void LoadResourceThunk();
// Releases what LoadResourceThunk obtained; queries then return -1.
void UnloadResourceThunk();

int32_t QueryFreeResources(uint16_t selector);
int32_t FreeSystemResources();
int32_t FreeGDIResources();
int32_t FreeUserResources();
// True when System, GDI or User lies in 0..10; -1 never counts as low.
bool IsLowOnResources();
// The same for figures already sampled.
bool IsLowOnResources(int32_t system, int32_t user, int32_t gdi);
