#pragma once
// Sole owners of kernel objects: a handle closed with CloseHandle, and a
// mapped view of a file mapping.

#include <windows.h>

class TKernelHandle {
public:
    TKernelHandle() = default;
    explicit TKernelHandle(HANDLE handle) : handle_(handle) {}
    ~TKernelHandle() { Close(); }
    TKernelHandle(const TKernelHandle&) = delete;
    TKernelHandle& operator=(const TKernelHandle&) = delete;
    TKernelHandle(TKernelHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    TKernelHandle& operator=(TKernelHandle&& other) noexcept;

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Close();

private:
    HANDLE handle_ = nullptr;
};

class TMappedView {
public:
    TMappedView() = default;
    TMappedView(HANDLE mapping, DWORD access, DWORD bytes)
        : view_(MapViewOfFile(mapping, access, 0, 0, bytes)) {}
    ~TMappedView() { Unmap(); }
    TMappedView(const TMappedView&) = delete;
    TMappedView& operator=(const TMappedView&) = delete;
    TMappedView(TMappedView&& other) noexcept : view_(other.view_) { other.view_ = nullptr; }
    TMappedView& operator=(TMappedView&& other) noexcept;

    void* Get() const { return view_; }
    explicit operator bool() const { return view_ != nullptr; }
    void Unmap();

private:
    void* view_ = nullptr;
};
