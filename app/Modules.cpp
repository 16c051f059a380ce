#include "app/Modules.h"

// kernel32's 16-bit module services, linked by ordinal (see kernel16.def).
extern "C" {
WORD WINAPI LoadLibrary16(LPCSTR fileName);
void WINAPI FreeLibrary16(DWORD instance);
DWORD WINAPI GetProcAddress16(DWORD instance, LPCSTR name);
}

TLibrary::TLibrary(const std::string& fileName) : TOwnedHandle(LoadLibraryA(fileName.c_str())) {}

TModule16::TModule16(const std::string& fileName)
{
    uint32_t instance = LoadLibrary16(fileName.c_str());
    if (instance >= 32)
        FInstance = instance;
}

TModule16& TModule16::operator=(TModule16&& other) noexcept
{
    if (this != &other) {
        Free();
        FInstance = other.FInstance;
        other.FInstance = 0;
    }
    return *this;
}

uint32_t TModule16::ProcAddress(const std::string& name) const
{
    return FInstance >= 32 ? GetProcAddress16(FInstance, name.c_str()) : 0;
}

void TModule16::Free()
{
    if (FInstance >= 32)
        FreeLibrary16(FInstance);
    FInstance = 0;
}
