#pragma once
// Objects whose published properties are stored in layouts, and which can
// copy themselves from one another (Assign).

#include "framework/Object.h"

#include <functional>
#include <string>

class TStream;

// What DefineProperties sees: the layout reader or writer, offering extra
// stored data beyond the published properties.
class TFiler {
public:
    using TBinaryRead = std::function<void(TStream&)>;
    using TBinaryWrite = std::function<void(TStream&)>;

    virtual ~TFiler() = default;
    // A binary property: read gets its bytes when a layout holds it; write
    // produces them when hasData is true.
    virtual void DefineBinaryProperty(const std::string& name, TBinaryRead read, TBinaryWrite write, bool hasData) = 0;
};

class TPersistent : public TObject {
    DECLARE_CLASS(TPersistent, TObject)
public:
    // Copies source into this object. The base asks source->AssignTo and
    // raises EConvertError when neither side knows the other.
    virtual void Assign(const TPersistent* source);
    virtual void DefineProperties(TFiler& filer);

protected:
    virtual void AssignTo(TPersistent* destination) const;
    [[noreturn]] void AssignError(const TPersistent* source) const;
};
