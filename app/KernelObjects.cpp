#include "app/KernelObjects.h"

TKernelHandle& TKernelHandle::operator=(TKernelHandle&& other) noexcept
{
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

void TKernelHandle::Close()
{
    if (handle_)
        CloseHandle(handle_);
    handle_ = nullptr;
}

TMappedView& TMappedView::operator=(TMappedView&& other) noexcept
{
    if (this != &other) {
        Unmap();
        view_ = other.view_;
        other.view_ = nullptr;
    }
    return *this;
}

void TMappedView::Unmap()
{
    if (view_)
        UnmapViewOfFile(view_);
    view_ = nullptr;
}
