#pragma once
// A callable kept by value in two words, for the class descriptions'
// getters, setters, field binders and message handlers. Each of those
// captures nothing but a member pointer, so it needs neither the heap nor a
// manager to copy and destroy it, as std::function brings along with every
// lambda it wraps: here a lambda costs just its one small call function.

#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

template <class TSignature>
class TInlineFunction;

template <class R, class... TArgs>
class TInlineFunction<R(TArgs...)> {
public:
    // Big enough for any member function pointer (two words in this ABI).
    static constexpr unsigned Capacity = 2 * sizeof(void*);

    TInlineFunction() = default;
    TInlineFunction(std::nullptr_t) {}

    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TInlineFunction> &&
                                                !std::is_same_v<std::decay_t<F>, std::nullptr_t>>>
    TInlineFunction(F callable)
    {
        static_assert(std::is_trivially_copyable_v<F> && std::is_trivially_destructible_v<F>,
                      "an inline function keeps only plain captures");
        static_assert(sizeof(F) <= Capacity && alignof(F) <= alignof(void*), "capture too big");
        new (FStorage) F(callable);
        FCall = [](const void* storage, TArgs... args) -> R {
            return (*static_cast<const F*>(storage))(std::forward<TArgs>(args)...);
        };
    }

    explicit operator bool() const { return FCall != nullptr; }

    R operator()(TArgs... args) const { return FCall(FStorage, std::forward<TArgs>(args)...); }

private:
    alignas(void*) unsigned char FStorage[Capacity] = {};
    R (*FCall)(const void* storage, TArgs... args) = nullptr;
};
