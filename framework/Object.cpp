#include "framework/Object.h"

#include "framework/ClassRegistry.h"

const TClassInfo& TObject::StaticClass()
{
    static const TClassInfo info("TObject", nullptr, nullptr);
    return info;
}

void TObject::Free()
{
    BeforeDestruction();
    delete this;
}

void TObject::Dispatch(TMessage& message)
{
    DispatchFrom(ClassType(), message);
}

void TObject::DispatchFrom(const TClassInfo& cls, TMessage& message)
{
    for (const TClassInfo* current = &cls; current; current = current->Parent())
        if (current->HandleMessage(*this, message))
            return;
    DefaultHandler(message);
}

void TObject::DefaultHandler(TMessage&) {}

TClassRegistration::TClassRegistration(const TClassInfo& cls)
{
    RegisterClass(cls);
}
