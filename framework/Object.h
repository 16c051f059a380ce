#pragma once
// The root of the class tree: run-time class information, message
// dispatch through per-class handler tables, and the two-step destruction
// (BeforeDestruction while the whole object is still alive, then delete).

#include "framework/ClassInfo.h"
#include "framework/Events.h"
#include "framework/Exceptions.h"

#include <memory>
#include <utility>

template <class C>
class TClassBuilder;

// Put at the top of every framework class: DECLARE_CLASS(TTimer, TComponent).
#define DECLARE_CLASS(C, P)                      \
public:                                          \
    using inherited = P;                         \
    static const TClassInfo& StaticClass();      \
    const TClassInfo& ClassType() const override \
    {                                            \
        return StaticClass();                    \
    }                                            \
                                                 \
private:                                         \
    friend class TClassBuilder<C>;

// In the class's .cpp, followed by the body that describes the class:
//   IMPLEMENT_CLASS(TTimer) { Creatable(); Property("Interval", ...); }
#define IMPLEMENT_CLASS(C)                                                                        \
    template <>                                                                                   \
    void TClassBuilder<C>::Describe();                                                            \
    const TClassInfo& C::StaticClass()                                                            \
    {                                                                                             \
        static const TClassInfo info(#C, &C::inherited::StaticClass(), &TClassBuilder<C>::Build); \
        return info;                                                                              \
    }                                                                                             \
    static const TClassRegistration C##Registration(C::StaticClass());                            \
    template <>                                                                                   \
    void TClassBuilder<C>::Describe()

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    const std::string& ClassName() const { return ClassType().Name(); }
    bool InheritsFrom(const TClassInfo& cls) const { return ClassType().InheritsFrom(cls); }

    // Runs once the most derived constructor has finished (see Create).
    virtual void AfterConstruction() {}
    // Runs before the destructors, while every virtual still works.
    virtual void BeforeDestruction() {}
    // BeforeDestruction, then delete (FreeAndNil for a pointer that may be null).
    void Free();

    // Finds the handler of the message in this class's table, then in its
    // ancestors'; DefaultHandler when none has one.
    virtual void Dispatch(TMessage& message);
    // The same search starting at a given class: a handler passes a message
    // on to its ancestor with DispatchFrom(*inherited::StaticClass().Parent()...)
    // or, more simply, InheritedMessage<TMyClass>(message).
    void DispatchFrom(const TClassInfo& cls, TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // Hands the message to the handlers of TCls's ancestors.
    template <class TCls>
    void InheritedMessage(TMessage& message)
    {
        DispatchFrom(TCls::inherited::StaticClass(), message);
    }
};

// Registers a class by name when the program starts (see IMPLEMENT_CLASS).
struct TClassRegistration {
    explicit TClassRegistration(const TClassInfo& cls);
};

// Creates an object and runs its AfterConstruction: the one way to create
// framework objects, so that owners hear of their new components.
template <class T, class... Args>
T* Create(Args&&... args)
{
    T* object = new T(std::forward<Args>(args)...);
    try {
        object->AfterConstruction();
    } catch (...) {
        object->Free();
        throw;
    }
    return object;
}

// Frees the object and nulls the pointer.
template <class T>
void FreeAndNil(T*& object)
{
    T* doomed = object;
    object = nullptr;
    if (doomed)
        doomed->Free();
}

// Checked downcast: EInvalidCast when the object is of another class.
template <class T>
T* As(TObject* object)
{
    if (!object)
        return nullptr;
    T* result = dynamic_cast<T*>(object);
    if (!result)
        throw EInvalidCast();
    return result;
}

// Sole owner of a framework object that is not a component with an owner.
struct TFree {
    void operator()(TObject* object) const { object->Free(); }
};
template <class T>
using TOwned = std::unique_ptr<T, TFree>;

template <class T, class... Args>
TOwned<T> MakeOwned(Args&&... args)
{
    return TOwned<T>(Create<T>(std::forward<Args>(args)...));
}
