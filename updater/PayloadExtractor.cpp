#include "updater/PayloadExtractor.h"

#include "framework/core/Sha256.h"
#include "framework/system/FileReplacement.h"
#include "framework/system/ResourceStream.h"

#include <optional>

namespace velmora {
namespace {

std::optional<fw::Sha256Digest> carriedDigest(const std::string& resourceType, const std::string& resourceName)
{
    const fw::ResourceStream text(resourceType, resourceName + payloadDigestSuffix);
    return fw::parseSha256Hex({reinterpret_cast<const char*>(text.bytes().data()), text.size()});
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

    // A running Velmora holds its executable open; we find out here, before writing anything,
    // without truncating it (the file is only opened, never created or changed). The final
    // rename would fail as well, but only after the whole payload had been written.
    if (fw::probeExclusiveAccess(targetPath) == fw::ExclusiveAccess::Denied)
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
    return replacement.commit();
}

}  // namespace velmora
