#include "framework/system/ResourceStream.h"

#include "framework/core/Error.h"

#include <windows.h>

namespace fw {

ResourceStream::ResourceStream(const std::string& type, const std::string& name)
{
    HRSRC found = FindResourceA(nullptr, name.c_str(), type.c_str());
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw ResourceError(formatMessage("Resource %s not found", name));
    bytes_ = {static_cast<const std::byte*>(data), SizeofResource(nullptr, found)};
}

}  // namespace fw
