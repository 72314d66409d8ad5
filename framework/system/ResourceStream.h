#pragma once
// ResourceStream: a read-only view of one resource of the running executable, as the system
// maps it. Nothing is copied: bytes() points into the loaded image, which stays mapped for the
// life of the process, so the view never dangles while the program runs. Resources of a loaded
// module need no release (FreeResource does nothing on 32- and 64-bit Windows); the stream owns
// no handle.
//
// Errors: a resource that is not there raises fw::ResourceError "Resource <name> not found".

#include <cstddef>
#include <span>
#include <string>

namespace fw {

class ResourceStream {
public:
    // Finds the resource by type and name (matched without regard to case) in the executable
    // that started the process.
    ResourceStream(const std::string& type, const std::string& name);

    std::span<const std::byte> bytes() const noexcept { return bytes_; }
    std::size_t size() const noexcept { return bytes_.size(); }

private:
    std::span<const std::byte> bytes_;
};

}  // namespace fw
