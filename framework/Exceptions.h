#pragma once
// The exceptions the program raises and catches. Every one carries the
// message that the application's standard error box shows.

#include <exception>
#include <string>

// On std::exception itself rather than std::runtime_error, whose message
// string brings a second string implementation into the exe. The message
// is shared by copies, as runtime_error's is: throwing copies the
// exception, and that must not need memory, which may be what ran out.
class Exception : public std::exception {
public:
    explicit Exception(const std::string& message);
    Exception(const Exception& other) noexcept;
    Exception& operator=(const Exception& other) noexcept;
    ~Exception() override;
    const char* what() const noexcept override;
    std::string Message() const { return what(); }

private:
    struct TText;
    TText* FText;
};

// A registry write that failed on an opened key.
class ERegistryException : public Exception {
    using Exception::Exception;
};

// A named resource that the module does not hold.
class EResNotFound : public Exception {
    using Exception::Exception;
};

// A checked downcast that did not hold.
class EInvalidCast : public Exception {
public:
    EInvalidCast() : Exception("Invalid class typecast") {}
    using Exception::Exception;
};

// An operation that the object's state does not allow.
class EInvalidOperation : public Exception {
    using Exception::Exception;
};

// Impossible conversion or assignment between objects or values.
class EConvertError : public Exception {
    using Exception::Exception;
};

// Window, device context or bitmap that could not be made.
class EOutOfResources : public Exception {
    using Exception::Exception;
};

// Property access by name that names no property or the wrong kind.
class EPropertyError : public Exception {
    using Exception::Exception;
};

// Stream reads past the end, unreadable data.
class EStreamError : public Exception {
    using Exception::Exception;
};

// Index outside a list.
class EListError : public Exception {
    using Exception::Exception;
};

// A stored layout that cannot be read: a programming error, reported with
// the layout's name, the line and the property.
class ELayoutError : public Exception {
    using Exception::Exception;
};

// Component naming rules (duplicate or invalid names).
class EComponentError : public Exception {
    using Exception::Exception;
};
