#pragma once
// Events are bound method pointers: an object plus one of its member
// functions, held by value and cheap to copy. A form publishes its handler
// methods in a table so that stored layouts can bind events by name.

#include <string>
#include <utility>
#include <vector>

class TObject;
class TComponent;

// An event with its type erased, as property access by name sees it.
struct TMethod {
    void* Data = nullptr;
    void (*Code)() = nullptr;

    explicit operator bool() const { return Code != nullptr; }
    bool operator==(const TMethod& other) const { return Data == other.Data && Code == other.Code; }
    bool operator!=(const TMethod& other) const { return !(*this == other); }
};

template <class T>
struct TMemberFunction;

template <class... Args>
class TEvent {
public:
    using TThunk = void (*)(void*, Args...);

    TEvent() = default;

    // TEvent<...>::Bind<&TForm1::Handler>(form)
    template <auto Method>
    static TEvent Bind(typename TMemberFunction<decltype(Method)>::Class* object)
    {
        TEvent event;
        event.FSelf = static_cast<void*>(object);
        event.FFn = &Call<Method>;
        return event;
    }

    explicit operator bool() const { return FFn != nullptr; }
    bool operator==(const TEvent& other) const { return FSelf == other.FSelf && FFn == other.FFn; }
    bool operator!=(const TEvent& other) const { return !(*this == other); }

    // Calls the handler; an unassigned event does nothing.
    void operator()(Args... args) const
    {
        if (FFn)
            FFn(FSelf, std::forward<Args>(args)...);
    }

    // The object the event is bound to (null when unassigned).
    void* Object() const { return FSelf; }

    TMethod ToMethod() const { return TMethod{FSelf, reinterpret_cast<void (*)()>(FFn)}; }
    static TEvent FromMethod(const TMethod& method)
    {
        TEvent event;
        event.FSelf = method.Data;
        event.FFn = reinterpret_cast<TThunk>(method.Code);
        return event;
    }

    // A tag unique to this event type, so that a method is only bound to an
    // event whose arguments it takes.
    static const void* Signature()
    {
        static const char tag = 0;
        return &tag;
    }

    template <auto Method>
    static void Call(void* self, Args... args)
    {
        using TClass = typename TMemberFunction<decltype(Method)>::Class;
        (static_cast<TClass*>(self)->*Method)(std::forward<Args>(args)...);
    }

private:
    void* FSelf = nullptr;
    TThunk FFn = nullptr;
};

template <class C, class... Args>
struct TMemberFunction<void (C::*)(Args...)> {
    using Class = C;
    using Event = TEvent<Args...>;
};

using TNotifyEvent = TEvent<TObject*>;

// One published handler of a form: its name, the event type it fits, and
// how to reach the handler's object from the form.
struct TMethodEntry {
    std::string Name;
    const void* Signature = nullptr;
    void (*Code)() = nullptr;
    void* (*Target)(TComponent* root) = nullptr;
};

using TMethodTable = std::vector<TMethodEntry>;

// PublishedMethod<&TfrmMain::FormCreate>("FormCreate")
template <auto Method>
TMethodEntry PublishedMethod(const char* name)
{
    using Traits = TMemberFunction<decltype(Method)>;
    using TClass = typename Traits::Class;
    using TEventType = typename Traits::Event;
    TMethodEntry entry;
    entry.Name = name;
    entry.Signature = TEventType::Signature();
    entry.Code = reinterpret_cast<void (*)()>(&TEventType::template Call<Method>);
    entry.Target = [](TComponent* root) -> void* { return static_cast<void*>(dynamic_cast<TClass*>(root)); };
    return entry;
}

#define PUBLISHED_METHOD(C, M) PublishedMethod<&C::M>(#M)
