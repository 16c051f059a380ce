#pragma once
// Byte streams: a growable memory stream and a read-only view of a module
// resource. Layouts carry binary properties and bitmaps through them.

#include "framework/Object.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class TStream : public TObject {
    DECLARE_CLASS(TStream, TObject)
public:
    // Reads up to count bytes; returns how many were read.
    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual size_t Write(const void* buffer, size_t count) = 0;
    virtual size_t Size() const = 0;
    size_t Position() const { return FPos; }
    void SetPosition(size_t position);

    // Exactly count bytes, or EStreamError.
    void ReadBuffer(void* buffer, size_t count);
    void WriteBuffer(const void* buffer, size_t count);
    int32_t ReadInt32();
    void WriteInt32(int32_t value);

protected:
    size_t FPos = 0;
};

class TMemoryStream : public TStream {
    DECLARE_CLASS(TMemoryStream, TStream)
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes);
    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    size_t Size() const override { return FBytes.size(); }
    const std::vector<uint8_t>& Data() const { return FBytes; }

private:
    std::vector<uint8_t> FBytes;
};

// A resource of a module, read in place. A missing resource raises
// EResNotFound.
class TResourceStream : public TStream {
    DECLARE_CLASS(TResourceStream, TStream)
public:
    TResourceStream(HINSTANCE instance, const std::string& name, LPCSTR type);
    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    size_t Size() const override { return FLength; }
    const uint8_t* Memory() const { return FBytes; }

private:
    const uint8_t* FBytes = nullptr;
    size_t FLength = 0;
};
