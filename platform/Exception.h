#pragma once
// The class library's exception classes. A failure of the module is an
// Exception whose message is the text shown to the user and whose help
// context carries the integer code that handlers test.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message, int helpContext = 0)
        : std::runtime_error(message), HelpContext(helpContext) {}

    std::string Message() const { return what(); }

    int HelpContext;
};

// A text that cannot be converted to the type asked for.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
public:
    using Exception::Exception;
};
