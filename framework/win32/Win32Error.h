#pragma once
// Win32Error: the error of a failed Win32 call, raised by the framework's Win32 code and by the
// layers above it where the system refuses them. The message carries the call's name and the
// system's text for its error code.

#include "framework/core/Error.h"

#include <string>

namespace fw {

class Win32Error : public Error {
public:
    Win32Error(const std::string& what, unsigned long code);
    unsigned long code() const noexcept { return code_; }

private:
    unsigned long code_;
};

}  // namespace fw
