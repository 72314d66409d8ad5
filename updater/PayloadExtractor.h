#pragma once
// Writing the carried Velmora executable (the payload, a resource of the updater's own
// executable) over the installed one.
//
// The installed executable is never left truncated or partial: the payload goes to a temporary
// file beside it, which replaces it in one rename only once it is completely on disk. Whatever
// fails, the installed file keeps every byte it had and no temporary file is left behind.
//
// Nothing but the payload the build put in is ever installed: the build carries the payload's
// SHA-256 beside it (resource <name>_SHA256 of the same type, 64 hex digits). The payload is
// checked against it before anything is written, and the temporary file is read back and checked
// again before it replaces the installed executable.
//
// A target that another program holds open for a moment (a scanner, the indexer, Explorer) is
// waited for, both before writing and at the final rename (updater/logic/LockRetry.h), with the
// clock and the pause of the installed file system (framework/system/FileSystem.h).

#include "framework/core/Sha256.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>

namespace fw {
class FileReplacement;
}

namespace velmora {

inline constexpr const char* payloadResourceType = "Velmora";
inline constexpr const char* payloadResourceName = "UpGrade";
inline constexpr const char* payloadDigestSuffix = "_SHA256";

// Runs between writing the temporary file and reading it back; tests use it to put a fault where
// no real one can be made on demand (a disk or filter driver that changes what was written).
using AfterPayloadWritten = std::function<void(fw::FileReplacement&)>;

// Replaces `targetPath` with the bytes of the resource `resourceName` of type `resourceType`.
// True on success. False, with the target unchanged, when the payload does not match its digest,
// the target stays in use (typically Velmora running) or cannot be opened, its folder does not exist,
// the payload cannot be written completely (a full disk), what was written reads back different,
// or the target cannot be replaced.
// A missing payload or digest resource raises fw::ResourceError "Resource <name> not found"
// before anything is written.
bool extractPayload(const std::string& resourceType, const std::string& resourceName,
                    const std::string& targetPath, const AfterPayloadWritten& afterWritten = {});

// The same for payload bytes that are already mapped (the resource's, or a benchmark's file),
// with the digest they must have.
bool writePayload(std::span<const std::byte> payload, const fw::Sha256Digest& expected, const std::string& targetPath,
                  const AfterPayloadWritten& afterWritten = {});

}  // namespace velmora
