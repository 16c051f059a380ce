#include "framework/LayoutReader.h"

#include "framework/ClassRegistry.h"
#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/LayoutParser.h"
#include "framework/PropInfo.h"
#include "framework/Stream.h"
#include "framework/Strings.h"

#include <windows.h>

namespace {

class TReaderFiler : public TFiler {
public:
    TReaderFiler(const std::string& wanted, const std::vector<uint8_t>& bytes) : FWanted(wanted), FBytes(bytes) {}

    void DefineBinaryProperty(const std::string& name, TBinaryRead read, TBinaryWrite, bool) override
    {
        if (Found || !SameText(name, FWanted) || !read)
            return;
        Found = true;
        TMemoryStream stream(FBytes);
        read(stream);
    }

    bool Found = false;

private:
    const std::string& FWanted;
    const std::vector<uint8_t>& FBytes;
};

class TLayoutReader {
public:
    TLayoutReader(TComponent* root, const std::string& layoutName) : FRoot(root), FLayoutName(layoutName) {}

    void Read(const TLayoutObject& tree)
    {
        CheckRootClass(tree);
        FRoot->BeginLoading();
        if (FRoot->Name().empty())
            Guard(tree.Line, "", [&] { FRoot->SetName(tree.Name); });
        RegisterGlobalComponent(FRoot);
        ReadProperties(FRoot, tree);
        for (const TLayoutObject& child : tree.Children)
            ReadComponent(child, FRoot);
        ResolveReferences();
        CheckFieldsBound(tree);
        for (TComponent* component : FLoadedComponents)
            component->Loaded();
        FRoot->Loaded();
    }

private:
    struct TFixup {
        TPersistent* Instance;
        TComponent* Holder;
        const TPropInfo* Property;
        std::string Reference;
        int Line;
        std::string PropertyName;
    };

    [[noreturn]] void Fail(int line, const std::string& property, const std::string& what) const
    {
        if (property.empty())
            throw ELayoutError(Format("Layout '%s', line %d: %s", FLayoutName.c_str(), line, what.c_str()));
        throw ELayoutError(Format("Layout '%s', line %d, property '%s': %s", FLayoutName.c_str(), line,
                                  property.c_str(), what.c_str()));
    }

    // Runs a step and reports any error with the layout's position.
    template <class F>
    void Guard(int line, const std::string& property, F step)
    {
        try {
            step();
        } catch (const ELayoutError&) {
            throw;
        } catch (const std::exception& error) {
            Fail(line, property, error.what());
        }
    }

    void CheckRootClass(const TLayoutObject& tree)
    {
        const TClassInfo* declared = FindClass(tree.ClassName);
        bool fits = SameText(FRoot->ClassName(), tree.ClassName) || (declared && FRoot->InheritsFrom(*declared));
        if (!fits)
            Fail(tree.Line, "",
                 Format("layout of class %s read into a %s", tree.ClassName.c_str(), FRoot->ClassName().c_str()));
    }

    // A field the layout has no component for would stay null for the code
    // that uses it.
    void CheckFieldsBound(const TLayoutObject& tree)
    {
        for (const std::string& field : FRoot->ClassType().FieldNames())
            if (!FRoot->FindComponent(field))
                Fail(tree.Line, field, "field without a component in the layout");
    }

    void ReadComponent(const TLayoutObject& node, TComponent* parent)
    {
        const TClassInfo* cls = FindClass(node.ClassName);
        if (!cls || !cls->IsCreatable())
            Fail(node.Line, "", Format("class %s not found", node.ClassName.c_str()));
        TComponent* component = nullptr;
        Guard(node.Line, "", [&] {
            component = cls->CreateInstance(FRoot);
            component->BeginLoading();
            component->SetName(node.Name);
            component->SetParentComponent(parent);
            FRoot->ClassType().AssignField(*FRoot, node.Name, component);
        });
        FLoadedComponents.push_back(component);
        ReadProperties(component, node);
        for (const TLayoutObject& child : node.Children)
            ReadComponent(child, component);
    }

    void ReadProperties(TComponent* component, const TLayoutObject& node)
    {
        for (const TLayoutProperty& property : node.Properties)
            ReadProperty(component, property);
    }

    void ReadProperty(TComponent* component, const TLayoutProperty& item)
    {
        // Walk "Font.Name" down to the nested object that holds the value.
        TPersistent* target = component;
        std::string rest = item.Name;
        for (size_t dot = rest.find('.'); dot != std::string::npos; dot = rest.find('.')) {
            const TPropInfo* nested = target->ClassType().FindProperty(rest.substr(0, dot));
            if (!nested || nested->Kind() != TPropKind::Object || !nested->GetNestedObject(*target))
                Fail(item.Line, item.Name, "unknown property");
            target = nested->GetNestedObject(*target);
            rest = rest.substr(dot + 1);
        }
        const TPropInfo* property = target->ClassType().FindProperty(rest);
        if (!property) {
            if (item.Value.Kind == TLayoutValue::lvBinary) {
                TReaderFiler filer(rest, item.Value.Bytes);
                Guard(item.Line, item.Name, [&] { target->DefineProperties(filer); });
                if (filer.Found)
                    return;
            }
            Fail(item.Line, item.Name, "unknown property");
        }
        Guard(item.Line, item.Name, [&] { Assign(target, component, *property, item); });
    }

    void Assign(TPersistent* target, TComponent* holder, const TPropInfo& property, const TLayoutProperty& item)
    {
        const TLayoutValue& value = item.Value;
        auto expect = [&](bool ok, const char* what) {
            if (!ok)
                Fail(item.Line, item.Name, Format("%s expected", what));
        };
        switch (property.Kind()) {
        case TPropKind::Integer:
            expect(value.Kind == TLayoutValue::lvInteger, "integer");
            property.SetOrd(*target, value.Int);
            break;
        case TPropKind::Boolean:
            expect(value.Kind == TLayoutValue::lvIdent &&
                       (SameText(value.Text, "True") || SameText(value.Text, "False")),
                   "True or False");
            property.SetOrd(*target, SameText(value.Text, "True") ? 1 : 0);
            break;
        case TPropKind::Enum: {
            expect(value.Kind == TLayoutValue::lvIdent, "enumeration value");
            int index = property.EnumInfo()->IndexOf(value.Text);
            if (index < 0)
                Fail(item.Line, item.Name, Format("invalid value '%s'", value.Text.c_str()));
            property.SetOrd(*target, index);
            break;
        }
        case TPropKind::Set: {
            expect(value.Kind == TLayoutValue::lvSet, "set");
            long long bits = 0;
            for (const std::string& name : value.Items) {
                int index = property.EnumInfo()->IndexOf(name);
                if (index < 0)
                    Fail(item.Line, item.Name, Format("invalid set element '%s'", name.c_str()));
                bits |= 1LL << index;
            }
            property.SetOrd(*target, bits);
            break;
        }
        case TPropKind::Color: {
            TColor color = clBlack;
            if (value.Kind == TLayoutValue::lvInteger)
                color = static_cast<TColor>(value.Int);
            else if (value.Kind != TLayoutValue::lvIdent || !IdentToColor(value.Text, color))
                Fail(item.Line, item.Name, "colour expected");
            property.SetOrd(*target, color);
            break;
        }
        case TPropKind::String:
            expect(value.Kind == TLayoutValue::lvString, "string");
            property.SetStr(*target, value.Text);
            break;
        case TPropKind::Float:
            expect(value.Kind == TLayoutValue::lvFloat || value.Kind == TLayoutValue::lvInteger, "number");
            property.SetFloat(*target,
                              value.Kind == TLayoutValue::lvFloat ? value.Float : static_cast<long double>(value.Int));
            break;
        case TPropKind::Component:
            expect(value.Kind == TLayoutValue::lvIdent, "component name");
            FFixups.push_back(TFixup{target, holder, &property, value.Text, item.Line, item.Name});
            break;
        case TPropKind::Event: {
            expect(value.Kind == TLayoutValue::lvIdent, "method name");
            const TMethodEntry* entry = FRoot->FindMethod(value.Text);
            if (!entry)
                Fail(item.Line, item.Name, Format("method %s not found", value.Text.c_str()));
            if (entry->Signature != property.EventSignature())
                Fail(item.Line, item.Name, Format("method %s does not fit the event", value.Text.c_str()));
            property.SetMethod(*target, TMethod{entry->Target(FRoot), entry->Code});
            break;
        }
        case TPropKind::Object:
            Fail(item.Line, item.Name, "an object property takes its values by name (Object.Property)");
        }
    }

    TComponent* Lookup(const std::string& reference) const
    {
        size_t dot = reference.find('.');
        if (dot == std::string::npos)
            return SameText(reference, FRoot->Name()) ? FRoot : FRoot->FindComponent(reference);
        std::string ownerName = reference.substr(0, dot);
        std::string name = reference.substr(dot + 1);
        TComponent* owner = SameText(ownerName, FRoot->Name()) ? FRoot : FindGlobalComponent(ownerName);
        return owner ? owner->FindComponent(name) : nullptr;
    }

    void ResolveReferences()
    {
        for (const TFixup& fixup : FFixups) {
            TComponent* target = Lookup(fixup.Reference);
            if (!target)
                Fail(fixup.Line, fixup.PropertyName, Format("unresolved reference '%s'", fixup.Reference.c_str()));
            Guard(fixup.Line, fixup.PropertyName, [&] {
                fixup.Property->SetComponent(*fixup.Instance, target);
                // A reference that is not owned must hear when its target goes.
                if (target != fixup.Holder)
                    target->FreeNotification(fixup.Holder);
            });
        }
    }

    TComponent* FRoot;
    std::string FLayoutName;
    std::vector<TComponent*> FLoadedComponents;
    std::vector<TFixup> FFixups;
};

}

void ReadLayout(TComponent* root, const TLayoutObject& tree, const std::string& layoutName)
{
    TLayoutReader(root, layoutName).Read(tree);
}

void ReadLayout(TComponent* root, const std::string& text, const std::string& layoutName)
{
    ReadLayout(root, ParseLayout(text, layoutName), layoutName);
}

bool LayoutResourceExists(const std::string& resourceName)
{
    return FindResourceA(GetModuleHandleA(nullptr), resourceName.c_str(), RT_RCDATA) != nullptr;
}

TLayoutObject ParseLayoutResource(const std::string& resourceName)
{
    TResourceStream stream(GetModuleHandleA(nullptr), resourceName, RT_RCDATA);
    std::string text(reinterpret_cast<const char*>(stream.Memory()), stream.Size());
    return ParseLayout(text, resourceName);
}

void ReadLayoutResource(TComponent* root, const std::string& resourceName)
{
    ReadLayout(root, ParseLayoutResource(resourceName), resourceName);
}

TComponent* CreateFromLayout(const std::string& text, TComponent* owner, const std::string& layoutName)
{
    TLayoutObject tree = ParseLayout(text, layoutName);
    const TClassInfo* cls = FindClass(tree.ClassName);
    if (!cls || !cls->IsCreatable())
        throw ELayoutError(
            Format("Layout '%s', line %d: class %s not found", layoutName.c_str(), tree.Line, tree.ClassName.c_str()));
    TComponent* root = cls->CreateInstance(owner);
    try {
        ReadLayout(root, tree, layoutName);
    } catch (...) {
        root->Free();
        throw;
    }
    return root;
}
