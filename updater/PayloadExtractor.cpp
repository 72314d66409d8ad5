#include "updater/PayloadExtractor.h"

#include "framework/core/Sha256.h"
#include "framework/system/FileReplacement.h"
#include "framework/system/FileSystem.h"
#include "framework/system/ResourceStream.h"
#include "updater/logic/LockRetry.h"

#include <optional>
#include <utility>

namespace velmora {
namespace {

std::optional<fw::Sha256Digest> carriedDigest(const std::string& resourceType, const std::string& resourceName)
{
    const fw::ResourceStream text(resourceType, resourceName + payloadDigestSuffix);
    return fw::parseSha256Hex({reinterpret_cast<const char*>(text.bytes().data()), text.size()});
}

AttemptResult attemptOf(fw::ExclusiveAccess access)
{
    switch (access) {
    case fw::ExclusiveAccess::Granted:
    case fw::ExclusiveAccess::NoSuchFile:
        return AttemptResult::Done;
    case fw::ExclusiveAccess::InUse:
        return AttemptResult::Locked;
    case fw::ExclusiveAccess::Denied:
        break;
    }
    return AttemptResult::Failed;
}

AttemptResult attemptOf(fw::CommitResult commit)
{
    switch (commit) {
    case fw::CommitResult::Committed:
        return AttemptResult::Done;
    case fw::CommitResult::TargetInUse:
        return AttemptResult::Locked;
    case fw::CommitResult::Failed:
        break;
    }
    return AttemptResult::Failed;
}

}  // namespace

bool extractPayload(const std::string& resourceType, const std::string& resourceName,
                    const std::string& targetPath, const AfterPayloadWritten& afterWritten)
{
    const fw::ResourceStream payload(resourceType, resourceName);
    const std::optional<fw::Sha256Digest> expected = carriedDigest(resourceType, resourceName);
    // A digest that cannot be read cannot vouch for the payload either.
    if (!expected)
        return false;
    return writePayload(payload.bytes(), *expected, targetPath, afterWritten);
}

bool writePayload(std::span<const std::byte> payload, const fw::Sha256Digest& expected, const std::string& targetPath,
                  const AfterPayloadWritten& afterWritten)
{
    if (fw::Sha256::of(payload) != expected)
        return false;

    fw::FileSystem& files = fw::installedFileSystem();
    const LockRetry retry([&] { return files.now(); }, [&](std::chrono::milliseconds duration) { files.pause(duration); });

    // A running Velmora holds its executable open; we find out here, before writing anything,
    // without truncating it (the file is only opened, never created or changed). The final
    // rename would fail as well, but only after the whole payload had been written.
    if (retry.run([&] { return attemptOf(fw::probeExclusiveAccess(targetPath)); }) != AttemptResult::Done)
        return false;

    fw::FileReplacement replacement(targetPath);
    if (!replacement.isOpen() || !replacement.write(payload))
        return false;
    if (afterWritten)
        afterWritten(replacement);
    fw::Sha256 written;
    if (!replacement.readBack([&](std::span<const std::byte> piece) { written.update(piece); }) ||
        written.finish() != expected)
        return false;
    // Whoever opened the target since the check (or our new file, as scanners do with new
    // files) is waited for again.
    return retry.run([&] { return attemptOf(replacement.commit()); }) == AttemptResult::Done;
}

}  // namespace velmora
