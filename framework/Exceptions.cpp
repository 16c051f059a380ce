#include "framework/Exceptions.h"

#include <cstddef>
#include <cstring>
#include <new>

struct Exception::TText {
    int References;
    char Chars[1];
};

Exception::Exception(const std::string& message)
    : FText(static_cast<TText*>(::operator new(offsetof(TText, Chars) + message.size() + 1)))
{
    FText->References = 1;
    std::memcpy(FText->Chars, message.c_str(), message.size() + 1);
}

Exception::Exception(const Exception& other) noexcept : std::exception(other), FText(other.FText)
{
    __atomic_add_fetch(&FText->References, 1, __ATOMIC_ACQ_REL);
}

Exception& Exception::operator=(const Exception& other) noexcept
{
    __atomic_add_fetch(&other.FText->References, 1, __ATOMIC_ACQ_REL);
    if (__atomic_sub_fetch(&FText->References, 1, __ATOMIC_ACQ_REL) == 0)
        ::operator delete(FText);
    FText = other.FText;
    return *this;
}

Exception::~Exception()
{
    if (__atomic_sub_fetch(&FText->References, 1, __ATOMIC_ACQ_REL) == 0)
        ::operator delete(FText);
}

const char* Exception::what() const noexcept
{
    return FText->Chars;
}
