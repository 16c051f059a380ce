#pragma once
// Sole owners of loaded modules: a 32-bit DLL (LoadLibraryA/FreeLibrary)
// and a 16-bit module of Windows 95/98/ME (kernel32 ordinals 35 and 36).

#include "framework/GdiObject.h"

#include <windows.h>

#include <cstdint>
#include <string>

struct TFreeLibrary {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

class TLibrary : public TOwnedHandle<HMODULE, TFreeLibrary> {
public:
    TLibrary() = default;
    explicit TLibrary(const std::string& fileName);
};

class TModule16 {
public:
    TModule16() = default;
    // Handles below 32 are load errors; the object then holds nothing.
    explicit TModule16(const std::string& fileName);
    ~TModule16() { Free(); }
    TModule16(const TModule16&) = delete;
    TModule16& operator=(const TModule16&) = delete;
    TModule16(TModule16&& other) noexcept : FInstance(other.FInstance) { other.FInstance = 0; }
    TModule16& operator=(TModule16&& other) noexcept;

    explicit operator bool() const { return FInstance >= 32; }
    // The 16:16 address of an export, 0 when there is none.
    uint32_t ProcAddress(const std::string& name) const;
    void Free();

private:
    uint32_t FInstance = 0;
};
