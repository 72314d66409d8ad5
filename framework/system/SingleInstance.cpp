#include "framework/system/SingleInstance.h"

#include <windows.h>

namespace fw {

SingleInstance::SingleInstance(const std::string& name)
    : mutex_(CreateMutexA(nullptr, FALSE, name.c_str()))
{
    const DWORD error = GetLastError();
    // Access denied: the mutex exists, made by a copy with rights we lack (an elevated one seen
    // from a copy that is not).
    isFirst_ = mutex_ ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

}  // namespace fw
