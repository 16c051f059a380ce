#pragma once
// The text form of stored layouts:
//
//   object frmDetails: TfrmDetails
//     ClientWidth = 300
//     Font.Name = 'Arial'
//     BorderIcons = [kbiClose, kbiSystemMenu]
//     OnCreate = FormCreate
//     object NgForm: TNgForm
//       ThemeEngine = frmQuorvel.NgThemeEngine
//     end
//   end
//
// Values: integers (-11, $FF), floats (8.33), strings ('It''s', #13),
// identifiers (True, clBtnFace, a component or a method name, dotted for
// another form's component), sets ([a, b]) and binary data ({0A0B...}).

#include <cstdint>
#include <string>
#include <vector>

struct TLayoutValue {
    enum TKind { lvInteger, lvFloat, lvString, lvIdent, lvSet, lvBinary };
    TKind Kind = lvInteger;
    long long Int = 0;
    long double Float = 0;
    std::string Text;                // String and Ident; Float's written form
    std::vector<std::string> Items;  // Set
    std::vector<uint8_t> Bytes;      // Binary
};

struct TLayoutProperty {
    std::string Name;  // may be dotted: Font.Name
    TLayoutValue Value;
    int Line = 0;
};

struct TLayoutObject {
    std::string Name;
    std::string ClassName;
    int Line = 0;
    std::vector<TLayoutProperty> Properties;
    std::vector<TLayoutObject> Children;
};

// Parses one layout; syntax errors raise ELayoutError naming the layout
// and the line.
TLayoutObject ParseLayout(const std::string& text, const std::string& layoutName);
