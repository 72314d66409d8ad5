#include "framework/win32/Win32Error.h"

#include <windows.h>

namespace fw {
namespace {

std::string systemMessage(unsigned long code)
{
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length ? std::string(buffer, length) : "error " + std::to_string(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

}  // namespace

Win32Error::Win32Error(const std::string& what, unsigned long code)
    : Error(what + " failed: " + systemMessage(code)), code_(code)
{
}

}  // namespace fw
