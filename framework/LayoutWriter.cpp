#include "framework/LayoutWriter.h"

#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/PropInfo.h"
#include "framework/Stream.h"
#include "framework/Strings.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string QuoteString(const std::string& text)
{
    if (text.empty())
        return "''";
    std::string result;
    bool quoted = false;
    for (char c : text) {
        unsigned char code = static_cast<unsigned char>(c);
        if (code < 32) {
            if (quoted) {
                result += '\'';
                quoted = false;
            }
            result += '#' + std::to_string(code);
            continue;
        }
        if (!quoted) {
            result += '\'';
            quoted = true;
        }
        result += c == '\'' ? std::string("''") : std::string(1, c);
    }
    if (quoted)
        result += '\'';
    return result;
}

// A long double in so many significant digits, by MinGW's own formatter
// (the system's knows no long double).
std::string LongDoubleText(int digits, long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lg", digits, value);
    return text;
}

// The shortest decimal form that reads back to the same value.
std::string FloatText(long double value)
{
    for (int digits = 1; digits <= 21; ++digits) {
        std::string text = LongDoubleText(digits, value);
        if (std::strtold(text.c_str(), nullptr) == value) {
            if (text.find_first_of(".eE") == std::string::npos)
                text += ".0";
            return text;
        }
    }
    return LongDoubleText(21, value);
}

class TWriterFiler : public TFiler {
public:
    TWriterFiler(std::string& out, const std::string& prefix, const std::string& indent)
        : FOut(out), FPrefix(prefix), FIndent(indent)
    {
    }

    void DefineBinaryProperty(const std::string& name, TBinaryRead, TBinaryWrite write, bool hasData) override
    {
        if (!hasData || !write)
            return;
        TMemoryStream stream;
        write(stream);
        FOut += FIndent + FPrefix + name + " = {";
        const std::vector<uint8_t>& bytes = stream.Data();
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes.size() > 32 && i % 32 == 0)
                FOut += "\n" + FIndent + "  ";
            FOut += Format("%02X", bytes[i]);
        }
        FOut += "}\n";
    }

private:
    std::string& FOut;
    const std::string& FPrefix;
    const std::string& FIndent;
};

class TLayoutWriter {
public:
    explicit TLayoutWriter(TComponent* root) : FRoot(root) {}

    std::string Write()
    {
        WriteComponent(FRoot, "");
        return FOut;
    }

private:
    void WriteComponent(TComponent* component, const std::string& indent)
    {
        FOut += indent + "object " + component->Name() + ": " + component->ClassName() + "\n";
        WriteProperties(component, "", indent + "  ");
        component->GetChildren([&](TComponent* child) { WriteComponent(child, indent + "  "); }, FRoot);
        FOut += indent + "end\n";
    }

    void WriteProperties(TPersistent* object, const std::string& prefix, const std::string& indent)
    {
        for (const TPropInfo* property : object->ClassType().AllProperties()) {
            if (!property->IsStored(*object))
                continue;
            if (property->Kind() == TPropKind::Object) {
                if (TPersistent* nested = property->GetNestedObject(*object))
                    WriteProperties(nested, prefix + property->Name() + ".", indent);
                continue;
            }
            std::string value;
            if (ValueText(*object, *property, value))
                FOut += indent + prefix + property->Name() + " = " + value + "\n";
        }
        TWriterFiler filer(FOut, prefix, indent);
        object->DefineProperties(filer);
    }

    std::string ReferenceName(TComponent* component) const
    {
        if (component == FRoot)
            return FRoot->Name();
        if (component->Owner() == FRoot || !component->Owner())
            return component->Name();
        return component->Owner()->Name() + "." + component->Name();
    }

    bool ValueText(const TPersistent& object, const TPropInfo& property, std::string& text) const
    {
        switch (property.Kind()) {
        case TPropKind::Integer: text = IntToStr(property.GetOrd(object)); return true;
        case TPropKind::Boolean: text = property.GetOrd(object) ? "True" : "False"; return true;
        case TPropKind::Enum:
            text = property.EnumInfo()->NameOf(static_cast<int>(property.GetOrd(object)));
            return true;
        case TPropKind::Set: {
            long long bits = property.GetOrd(object);
            text = "[";
            const TEnumInfo& names = *property.EnumInfo();
            for (size_t i = 0; i < names.Names.size(); ++i) {
                if (bits & (1LL << i)) {
                    if (text.size() > 1)
                        text += ", ";
                    text += names.Names[i];
                }
            }
            text += "]";
            return true;
        }
        case TPropKind::Color: {
            TColor color = static_cast<TColor>(property.GetOrd(object));
            if (!ColorToIdent(color, text))
                text = IntToStr(color);
            return true;
        }
        case TPropKind::String: text = QuoteString(property.GetStr(object)); return true;
        case TPropKind::Float: text = FloatText(property.GetFloat(object)); return true;
        case TPropKind::Component: {
            TComponent* component = property.GetComponent(object);
            if (!component)
                return false;
            text = ReferenceName(component);
            return true;
        }
        case TPropKind::Event: {
            TMethod method = property.GetMethod(object);
            text = FRoot->MethodName(method);
            if (text.empty())
                throw EPropertyError(Format("Event %s is bound to a handler that %s does not publish",
                                            property.Name().c_str(), FRoot->Name().c_str()));
            return true;
        }
        case TPropKind::Object: break;
        }
        return false;
    }

    TComponent* FRoot;
    std::string FOut;
};

}

std::string WriteLayout(TComponent* root)
{
    return TLayoutWriter(root).Write();
}
