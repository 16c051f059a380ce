#include "framework/Stream.h"

#include "framework/ClassBuilder.h"
#include "framework/Strings.h"

#include <cstring>

IMPLEMENT_CLASS(TStream) {}
IMPLEMENT_CLASS(TMemoryStream) {}
IMPLEMENT_CLASS(TResourceStream) {}

void TStream::SetPosition(size_t position)
{
    FPos = position < Size() ? position : Size();
}

void TStream::ReadBuffer(void* buffer, size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EStreamError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, size_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EStreamError("Stream write error");
}

int32_t TStream::ReadInt32()
{
    uint8_t bytes[4];
    ReadBuffer(bytes, 4);
    return static_cast<int32_t>(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                                uint32_t(bytes[3]) << 24);
}

void TStream::WriteInt32(int32_t value)
{
    uint32_t bits = static_cast<uint32_t>(value);
    uint8_t bytes[4] = {uint8_t(bits), uint8_t(bits >> 8), uint8_t(bits >> 16), uint8_t(bits >> 24)};
    WriteBuffer(bytes, 4);
}

TMemoryStream::TMemoryStream(std::vector<uint8_t> bytes) : FBytes(std::move(bytes)) {}

size_t TMemoryStream::Read(void* buffer, size_t count)
{
    size_t available = FBytes.size() - FPos;
    size_t n = count < available ? count : available;
    if (n)
        std::memcpy(buffer, FBytes.data() + FPos, n);
    FPos += n;
    return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count)
{
    if (FPos + count > FBytes.size())
        FBytes.resize(FPos + count);
    if (count)
        std::memcpy(FBytes.data() + FPos, buffer, count);
    FPos += count;
    return count;
}

TResourceStream::TResourceStream(HINSTANCE instance, const std::string& name, LPCSTR type)
{
    HRSRC info = FindResourceA(instance, name.c_str(), type);
    HGLOBAL data = info ? LoadResource(instance, info) : nullptr;
    if (!data)
        throw EResNotFound(Format("Resource %s not found", name.c_str()));
    // Resource memory belongs to the module and lives as long as it does.
    FBytes = static_cast<const uint8_t*>(LockResource(data));
    FLength = SizeofResource(instance, info);
}

size_t TResourceStream::Read(void* buffer, size_t count)
{
    size_t available = FLength - FPos;
    size_t n = count < available ? count : available;
    if (n)
        std::memcpy(buffer, FBytes + FPos, n);
    FPos += n;
    return n;
}

size_t TResourceStream::Write(const void*, size_t)
{
    throw EStreamError("Can't write to a read-only resource stream");
}
