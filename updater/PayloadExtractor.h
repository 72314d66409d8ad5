#pragma once
// Writing the carried Velmora executable (the payload, a resource of the updater's own
// executable) over the installed one.
//
// The installed executable is never left truncated or partial: the payload goes to a temporary
// file beside it, which replaces it in one rename only once it is completely on disk. Whatever
// fails, the installed file keeps every byte it had and no temporary file is left behind.

#include <cstddef>
#include <span>
#include <string>

namespace velmora {

inline constexpr const char* payloadResourceType = "Velmora";
inline constexpr const char* payloadResourceName = "UpGrade";

// Replaces `targetPath` with the bytes of the resource `resourceName` of type `resourceType`.
// True on success. False, with the target unchanged, when the target is in use (typically
// Velmora running) or cannot be opened, its folder does not exist, the payload cannot be
// written completely (a full disk) or the target cannot be replaced.
// A missing resource raises fw::ResourceError "Resource <name> not found" before anything is
// written.
bool extractPayload(const std::string& resourceType, const std::string& resourceName,
                    const std::string& targetPath);

// The same for payload bytes that are already mapped (the resource's, or a benchmark's file).
bool writePayload(std::span<const std::byte> payload, const std::string& targetPath);

}  // namespace velmora
