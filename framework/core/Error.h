#pragma once
// The framework's errors. Code above the Win32 layer raises these as exceptions; the message is
// what the default error display shows. A failed Win32 call is a Win32Error (win32/Win32Error.h). Messages are built from a format with one "%s".

#include <stdexcept>
#include <string>
#include <string_view>

namespace fw {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RegistryError : public Error {  // "Invalid data type for '%s'", "Failed to set data for '%s'"
public:
    using Error::Error;
};

class ResourceError : public Error {  // "Resource %s not found"
public:
    using Error::Error;
};

class ConvertError : public Error {  // a text that is not the number it should be
public:
    using Error::Error;
};

// Replaces the first "%s" of `pattern` with `argument`; a pattern without "%s" is returned as is.
std::string formatMessage(std::string_view pattern, std::string_view argument);

}  // namespace fw
