#pragma once
// How a class describes itself in its IMPLEMENT_CLASS body:
//
//   IMPLEMENT_CLASS(TTimer)
//   {
//       Creatable();
//       Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true);
//       Property("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000u);
//       Event("OnTimer", &TTimer::OnTimer);
//       Message(WM_TIMER, &TTimer::WMTimer);
//   }
//
// Getters and setters may be member functions or data members; a null
// setter makes a read-only property. The property's kind follows from the
// getter's type.

#include "framework/ClassInfo.h"
#include "framework/Colors.h"
#include "framework/InlineFunction.h"
#include "framework/Object.h"
#include "framework/PropInfo.h"
#include "framework/Set.h"

#include <optional>
#include <string>
#include <type_traits>

class TComponent;
class TPersistent;

template <class T, class = void>
struct TValueTraits;

template <class T>
struct TValueTraits<T, std::enable_if_t<std::is_same_v<T, bool>>> {
    static constexpr TPropKind Kind = TPropKind::Boolean;
    static long long ToOrd(T value) { return value ? 1 : 0; }
    static T FromOrd(long long value) { return value != 0; }
};

template <class T>
struct TValueTraits<T, std::enable_if_t<std::is_same_v<T, TColor>>> {
    static constexpr TPropKind Kind = TPropKind::Color;
    static long long ToOrd(T value) { return value; }
    static T FromOrd(long long value) { return static_cast<T>(value); }
};

template <class T>
struct TValueTraits<T, std::enable_if_t<std::is_enum_v<T> && !std::is_same_v<T, TColor>>> {
    static constexpr TPropKind Kind = TPropKind::Enum;
    static long long ToOrd(T value) { return static_cast<long long>(value); }
    static T FromOrd(long long value) { return static_cast<T>(value); }
    static const TEnumInfo* Enum() { return &TEnumTraits<T>::Info(); }
};

template <class E>
struct TValueTraits<TSet<E>> {
    static constexpr TPropKind Kind = TPropKind::Set;
    static long long ToOrd(TSet<E> value) { return value.ToBits(); }
    static TSet<E> FromOrd(long long value) { return TSet<E>::FromBits(static_cast<uint32_t>(value)); }
    static const TEnumInfo* Enum() { return &TEnumTraits<E>::Info(); }
};

template <class T>
struct TValueTraits<T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>>> {
    static constexpr TPropKind Kind = TPropKind::Integer;
    static long long ToOrd(T value) { return static_cast<long long>(value); }
    static T FromOrd(long long value) { return static_cast<T>(value); }
};

template <class T>
struct TValueTraits<T, std::enable_if_t<std::is_floating_point_v<T>>> {
    static constexpr TPropKind Kind = TPropKind::Float;
};

template <>
struct TValueTraits<std::string> {
    static constexpr TPropKind Kind = TPropKind::String;
};

template <class T>
struct TValueTraits<T*, std::enable_if_t<std::is_base_of_v<TComponent, T>>> {
    static constexpr TPropKind Kind = TPropKind::Component;
};

template <class T>
inline constexpr bool IsOrdinalKind =
    TValueTraits<T>::Kind == TPropKind::Integer || TValueTraits<T>::Kind == TPropKind::Boolean ||
    TValueTraits<T>::Kind == TPropKind::Enum || TValueTraits<T>::Kind == TPropKind::Set ||
    TValueTraits<T>::Kind == TPropKind::Color;

// How a property's value travels: ordinals as long long, floats as long
// double, references as TComponent*, strings as they are. One property
// class per kind serves every described class and every value type of that
// kind; only the small getter and setter know the class and convert.
template <class T>
using TCarried =
    std::conditional_t<std::is_same_v<T, std::string>, std::string,
                       std::conditional_t<std::is_floating_point_v<T>, long double,
                                          std::conditional_t<std::is_pointer_v<T>, TComponent*, long long>>>;

template <class V>
class TValueProp : public TPropInfo {
public:
    using TGetter = TInlineFunction<V(const TObject&)>;
    using TSetter = TInlineFunction<void(TObject&, const V&)>;

    TValueProp(const char* name, TPropKind kind, TGetter getter, TSetter setter, std::optional<V> defaultValue)
        : TPropInfo(name, kind), FGetter(getter), FSetter(setter), FDefault(std::move(defaultValue))
    {
        FReadOnly = !FSetter;
    }

protected:
    bool HasDefault() const override { return FDefault.has_value(); }
    bool IsDefault(const TObject& object) const override { return FDefault.has_value() && Get(object) == *FDefault; }

    V Get(const TObject& object) const { return FGetter(object); }
    void Set(TObject& object, const V& value) const
    {
        if (!FSetter)
            throw EPropertyError("Property " + Name() + " is read-only");
        FSetter(object, value);
    }

private:
    TGetter FGetter;
    TSetter FSetter;
    std::optional<V> FDefault;
};

// Integer, Boolean, Enum, Set and Color properties.
class TOrdinalProp final : public TValueProp<long long> {
public:
    using TEnumSource = const TEnumInfo* (*)();

    TOrdinalProp(const char* name, TPropKind kind, TEnumSource enumSource, TGetter getter, TSetter setter,
                 std::optional<long long> defaultValue)
        : TValueProp(name, kind, getter, setter, defaultValue), FEnumSource(enumSource)
    {
    }
    const TEnumInfo* EnumInfo() const override { return FEnumSource ? FEnumSource() : nullptr; }
    long long GetOrd(const TObject& object) const override { return Get(object); }
    void SetOrd(TObject& object, long long value) const override { Set(object, value); }

private:
    TEnumSource FEnumSource;
};

class TStringProp final : public TValueProp<std::string> {
public:
    using TValueProp::TValueProp;
    std::string GetStr(const TObject& object) const override { return Get(object); }
    void SetStr(TObject& object, const std::string& value) const override { Set(object, value); }
};

class TFloatProp final : public TValueProp<long double> {
public:
    using TValueProp::TValueProp;
    long double GetFloat(const TObject& object) const override { return Get(object); }
    void SetFloat(TObject& object, long double value) const override { Set(object, value); }
};

// A reference to a component of a given class; its setter refuses others.
class TComponentProp final : public TValueProp<TComponent*> {
public:
    using TClassSource = const TClassInfo& (*)();

    TComponentProp(const char* name, TClassSource classSource, TGetter getter, TSetter setter,
                   std::optional<TComponent*> defaultValue)
        : TValueProp(name, TPropKind::Component, getter, setter, defaultValue), FClassSource(classSource)
    {
    }
    const TClassInfo* ComponentClass() const override { return &FClassSource(); }
    TComponent* GetComponent(const TObject& object) const override { return Get(object); }
    void SetComponent(TObject& object, TComponent* value) const override { Set(object, value); }

private:
    TClassSource FClassSource;
};

// A nested object whose properties are stored under "Name.Property".
class TObjectProp final : public TPropInfo {
public:
    using TGetter = TInlineFunction<TPersistent*(const TObject&)>;
    using TStored = TInlineFunction<bool(const TObject&)>;

    // stored: whether the nested values are written (null: always), e.g. a
    // control's font only while it does not follow its parent's.
    TObjectProp(const char* name, TGetter getter, TStored stored = nullptr)
        : TPropInfo(name, TPropKind::Object), FGetter(getter), Stored(stored)
    {
        FReadOnly = true;
    }
    TPersistent* GetNestedObject(const TObject& object) const override { return FGetter(object); }

protected:
    bool HasDefault() const override { return static_cast<bool>(Stored); }
    bool IsDefault(const TObject& object) const override { return !Stored(object); }

private:
    TGetter FGetter;
    TStored Stored;
};

// An event member, stored by the name of the handler it is bound to.
template <class C, class E>
class TEventProp final : public TPropInfo {
public:
    TEventProp(const char* name, E C::*field) : TPropInfo(name, TPropKind::Event), Field(field) {}
    const void* EventSignature() const override { return E::Signature(); }
    TMethod GetMethod(const TObject& object) const override
    {
        return (static_cast<const C&>(object).*Field).ToMethod();
    }
    void SetMethod(TObject& object, const TMethod& value) const override
    {
        static_cast<C&>(object).*Field = E::FromMethod(value);
    }

protected:
    bool HasDefault() const override { return true; }
    bool IsDefault(const TObject& object) const override { return !(static_cast<const C&>(object).*Field); }

private:
    E C::*Field;
};

template <class C>
class TClassBuilder {
public:
    static void Build(TClassInfo& info)
    {
        TClassBuilder builder(info);
        builder.Describe();
    }

    explicit TClassBuilder(TClassInfo& info) : FInfo(info) {}

    // Specialised in the class's .cpp by IMPLEMENT_CLASS.
    void Describe();

    // Layouts may create the class by name.
    void Creatable()
    {
        FInfo.SetFactory([](TComponent* owner) -> TComponent* { return Create<C>(owner); });
    }

    // A property without a default; stored always (strings, references:
    // only when not empty).
    template <class G, class S>
    TPropInfo& Property(const char* name, G getter, S setter)
    {
        using T = ValueType<G>;
        std::optional<T> noDefault;
        if constexpr (std::is_same_v<T, std::string>)
            noDefault = std::string();
        else if constexpr (std::is_pointer_v<T>)
            noDefault = nullptr;
        return Add<T>(name, getter, setter, noDefault);
    }

    // A property that is stored only when it differs from the default.
    template <class G, class S, class D>
    TPropInfo& Property(const char* name, G getter, S setter, D defaultValue)
    {
        using T = ValueType<G>;
        return Add<T>(name, getter, setter, std::optional<T>(static_cast<T>(defaultValue)));
    }

    // A nested object owned by the instance: Font, Icon...
    template <class G>
    TPropInfo& Object(const char* name, G getter)
    {
        auto get = MakeGetter(getter);
        return AddProperty(std::make_unique<TObjectProp>(
            name, [get](const TObject& object) -> TPersistent* { return get(static_cast<const C&>(object)); }));
    }

    // A nested object whose values are written only while stored() says so.
    template <class G, class S>
    TPropInfo& Object(const char* name, G getter, S stored)
    {
        auto get = MakeGetter(getter);
        auto isStored = MakeGetter(stored);
        return AddProperty(std::make_unique<TObjectProp>(
            name, [get](const TObject& object) -> TPersistent* { return get(static_cast<const C&>(object)); },
            [isStored](const TObject& object) -> bool { return isStored(static_cast<const C&>(object)); }));
    }

    template <class E, class Owner>
    TPropInfo& Event(const char* name, E Owner::*field)
    {
        E C::*own = field;
        return AddProperty(std::make_unique<TEventProp<C, E>>(name, own));
    }

    // A component field of a form, bound by name when its layout is read.
    template <class T, class Owner>
    void Field(const char* name, T* Owner::*field)
    {
        T* C::*own = field;
        FInfo.AddField(name, [own](TObject& root, TComponent* component) {
            T* typed = dynamic_cast<T*>(component);
            if (component && !typed)
                throw EInvalidCast();
            static_cast<C&>(root).*own = typed;
        });
    }

    template <class Owner>
    void Message(UINT message, void (Owner::*handler)(TMessage&))
    {
        void (C::*own)(TMessage&) = handler;
        FInfo.AddMessage(message, [own](TObject& object, TMessage& msg) { (static_cast<C&>(object).*own)(msg); });
    }

private:
    template <class G>
    static auto MakeGetter(G getter)
    {
        if constexpr (std::is_member_function_pointer_v<G>)
            return [getter](const C& object) { return (object.*getter)(); };
        else
            return [getter](const C& object) { return object.*getter; };
    }

    template <class G>
    using ValueType = std::decay_t<decltype(MakeGetter(std::declval<G>())(std::declval<const C&>()))>;

    // The value as its property class carries it, and back.
    template <class T>
    static TCarried<T> Carry(const T& value)
    {
        if constexpr (IsOrdinalKind<T>)
            return TValueTraits<T>::ToOrd(value);
        else
            return value;
    }
    template <class T>
    static T Uncarry(const TCarried<T>& value)
    {
        if constexpr (IsOrdinalKind<T>) {
            return TValueTraits<T>::FromOrd(value);
        } else if constexpr (TValueTraits<T>::Kind == TPropKind::Component) {
            T typed = dynamic_cast<T>(value);
            if (value && !typed)
                throw EInvalidCast();
            return typed;
        } else {
            return static_cast<T>(value);
        }
    }

    template <class T, class S>
    static typename TValueProp<TCarried<T>>::TSetter MakeSetter(S setter)
    {
        using V = TCarried<T>;
        if constexpr (std::is_null_pointer_v<S>)
            return nullptr;
        else if constexpr (std::is_member_function_pointer_v<S>)
            return [setter](TObject& object, const V& value) { (static_cast<C&>(object).*setter)(Uncarry<T>(value)); };
        else
            return [setter](TObject& object, const V& value) { static_cast<C&>(object).*setter = Uncarry<T>(value); };
    }

    template <class T, class G, class S>
    TPropInfo& Add(const char* name, G getter, S setter, std::optional<T> defaultValue)
    {
        using V = TCarried<T>;
        auto get = MakeGetter(getter);
        typename TValueProp<V>::TGetter carriedGetter = [get](const TObject& object) -> V {
            return Carry<T>(get(static_cast<const C&>(object)));
        };
        auto carriedSetter = MakeSetter<T>(setter);
        std::optional<V> carriedDefault;
        if (defaultValue)
            carriedDefault = Carry<T>(*defaultValue);
        constexpr TPropKind kind = TValueTraits<T>::Kind;
        if constexpr (IsOrdinalKind<T>) {
            TOrdinalProp::TEnumSource enumSource = nullptr;
            if constexpr (kind == TPropKind::Enum || kind == TPropKind::Set)
                enumSource = &TValueTraits<T>::Enum;
            return AddProperty(
                std::make_unique<TOrdinalProp>(name, kind, enumSource, carriedGetter, carriedSetter, carriedDefault));
        } else if constexpr (kind == TPropKind::String) {
            return AddProperty(std::make_unique<TStringProp>(name, kind, carriedGetter, carriedSetter, carriedDefault));
        } else if constexpr (kind == TPropKind::Float) {
            return AddProperty(std::make_unique<TFloatProp>(name, kind, carriedGetter, carriedSetter, carriedDefault));
        } else {
            return AddProperty(std::make_unique<TComponentProp>(name, &std::remove_pointer_t<T>::StaticClass,
                                                                carriedGetter, carriedSetter, carriedDefault));
        }
    }

    TPropInfo& AddProperty(std::unique_ptr<TPropInfo> property)
    {
        TPropInfo& result = *property;
        FInfo.AddProperty(std::move(property));
        return result;
    }

    TClassInfo& FInfo;
};
