#include "framework/LayoutParser.h"

#include "framework/Exceptions.h"
#include "framework/Strings.h"

#include <cctype>
#include <cstdlib>

namespace {

class TLayoutScanner {
public:
    TLayoutScanner(const std::string& text, const std::string& layoutName) : Text(text), LayoutName(layoutName) {}

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ELayoutError(Format("Layout '%s', line %d: %s", LayoutName.c_str(), Line, what.c_str()));
    }

    int CurrentLine()
    {
        SkipBlanks();
        return Line;
    }

    bool AtEnd()
    {
        SkipBlanks();
        return Pos >= Text.size();
    }

    char Peek()
    {
        SkipBlanks();
        return Pos < Text.size() ? Text[Pos] : '\0';
    }

    void Expect(char c)
    {
        if (Peek() != c)
            Fail(Format("'%c' expected", c));
        ++Pos;
    }

    // A name, possibly dotted: Font.Name, frmMain.Engine.
    std::string Identifier()
    {
        SkipBlanks();
        size_t start = Pos;
        while (Pos < Text.size() &&
               (std::isalnum(static_cast<unsigned char>(Text[Pos])) || Text[Pos] == '_' || Text[Pos] == '.'))
            ++Pos;
        if (start == Pos || std::isdigit(static_cast<unsigned char>(Text[start])))
            Fail("identifier expected");
        return Text.substr(start, Pos - start);
    }

    TLayoutValue Value()
    {
        char c = Peek();
        if (c == '\'' || c == '#')
            return StringValue();
        if (c == '[')
            return SetValue();
        if (c == '{')
            return BinaryValue();
        if (c == '-' || c == '+' || c == '$' || std::isdigit(static_cast<unsigned char>(c)))
            return NumberValue();
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            TLayoutValue value;
            value.Kind = TLayoutValue::lvIdent;
            value.Text = Identifier();
            return value;
        }
        Fail("value expected");
    }

private:
    void SkipBlanks()
    {
        while (Pos < Text.size() && std::isspace(static_cast<unsigned char>(Text[Pos]))) {
            if (Text[Pos] == '\n')
                ++Line;
            ++Pos;
        }
    }

    TLayoutValue StringValue()
    {
        TLayoutValue value;
        value.Kind = TLayoutValue::lvString;
        // 'abc'#13#10'def', and + between pieces on different lines.
        for (;;) {
            char c = Peek();
            if (c == '\'') {
                ++Pos;
                for (;;) {
                    if (Pos >= Text.size() || Text[Pos] == '\n')
                        Fail("unterminated string");
                    if (Text[Pos] == '\'') {
                        if (Pos + 1 < Text.size() && Text[Pos + 1] == '\'') {
                            value.Text += '\'';
                            Pos += 2;
                            continue;
                        }
                        ++Pos;
                        break;
                    }
                    value.Text += Text[Pos++];
                }
            } else if (c == '#') {
                ++Pos;
                size_t start = Pos;
                while (Pos < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Pos])))
                    ++Pos;
                if (start == Pos)
                    Fail("character code expected");
                int code = std::atoi(Text.substr(start, Pos - start).c_str());
                if (code > 255)
                    Fail("character code out of range");
                value.Text += static_cast<char>(code);
            } else if (c == '+') {
                ++Pos;
            } else {
                return value;
            }
        }
    }

    TLayoutValue SetValue()
    {
        TLayoutValue value;
        value.Kind = TLayoutValue::lvSet;
        Expect('[');
        if (Peek() == ']') {
            ++Pos;
            return value;
        }
        for (;;) {
            value.Items.push_back(Identifier());
            if (Peek() == ',') {
                ++Pos;
                continue;
            }
            Expect(']');
            return value;
        }
    }

    TLayoutValue BinaryValue()
    {
        TLayoutValue value;
        value.Kind = TLayoutValue::lvBinary;
        Expect('{');
        std::string digits;
        for (;;) {
            char c = Peek();
            if (c == '}') {
                ++Pos;
                break;
            }
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                Fail("hexadecimal digit expected");
            digits += c;
            ++Pos;
        }
        if (digits.size() % 2 != 0)
            Fail("odd number of hexadecimal digits");
        for (size_t i = 0; i < digits.size(); i += 2)
            value.Bytes.push_back(static_cast<uint8_t>(std::strtoul(digits.substr(i, 2).c_str(), nullptr, 16)));
        return value;
    }

    TLayoutValue NumberValue()
    {
        TLayoutValue value;
        SkipBlanks();
        size_t start = Pos;
        bool negative = false;
        if (Text[Pos] == '-' || Text[Pos] == '+') {
            negative = Text[Pos] == '-';
            ++Pos;
        }
        if (Pos < Text.size() && Text[Pos] == '$') {
            ++Pos;
            size_t digitsStart = Pos;
            while (Pos < Text.size() && std::isxdigit(static_cast<unsigned char>(Text[Pos])))
                ++Pos;
            if (digitsStart == Pos)
                Fail("hexadecimal number expected");
            value.Kind = TLayoutValue::lvInteger;
            value.Int =
                static_cast<long long>(std::strtoull(Text.substr(digitsStart, Pos - digitsStart).c_str(), nullptr, 16));
            if (negative)
                value.Int = -value.Int;
            return value;
        }
        bool isFloat = false;
        while (Pos < Text.size() &&
               (std::isdigit(static_cast<unsigned char>(Text[Pos])) || Text[Pos] == '.' || Text[Pos] == 'e' ||
                Text[Pos] == 'E' ||
                ((Text[Pos] == '-' || Text[Pos] == '+') && (Text[Pos - 1] == 'e' || Text[Pos - 1] == 'E')))) {
            if (!std::isdigit(static_cast<unsigned char>(Text[Pos])))
                isFloat = true;
            ++Pos;
        }
        std::string written = Text.substr(start, Pos - start);
        char* end = nullptr;
        if (isFloat) {
            value.Kind = TLayoutValue::lvFloat;
            value.Text = written;
            value.Float = std::strtold(written.c_str(), &end);
        } else {
            value.Kind = TLayoutValue::lvInteger;
            value.Int = std::strtoll(written.c_str(), &end, 10);
        }
        if (written.empty() || end != written.c_str() + written.size())
            Fail("number expected");
        return value;
    }

    const std::string& Text;
    const std::string& LayoutName;
    size_t Pos = 0;
    int Line = 1;
};

// After "object": the header "Name: Class", then properties and nested
// objects up to "end".
TLayoutObject ParseObjectAfterKeyword(TLayoutScanner& scanner, int line)
{
    TLayoutObject object;
    object.Line = line;
    object.Name = scanner.Identifier();
    scanner.Expect(':');
    object.ClassName = scanner.Identifier();
    for (;;) {
        if (scanner.AtEnd())
            scanner.Fail("'end' expected");
        int itemLine = scanner.CurrentLine();
        std::string word = scanner.Identifier();
        if (word == "end")
            return object;
        if (word == "object") {
            object.Children.push_back(ParseObjectAfterKeyword(scanner, itemLine));
            continue;
        }
        TLayoutProperty property;
        property.Line = itemLine;
        property.Name = word;
        scanner.Expect('=');
        property.Value = scanner.Value();
        object.Properties.push_back(std::move(property));
    }
}

}

TLayoutObject ParseLayout(const std::string& text, const std::string& layoutName)
{
    TLayoutScanner scanner(text, layoutName);
    int line = scanner.CurrentLine();
    if (scanner.Identifier() != "object")
        scanner.Fail("'object' expected");
    TLayoutObject root = ParseObjectAfterKeyword(scanner, line);
    if (!scanner.AtEnd())
        scanner.Fail("text after the final 'end'");
    return root;
}
