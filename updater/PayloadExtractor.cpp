#include "updater/PayloadExtractor.h"

#include "framework/system/FileReplacement.h"
#include "framework/system/ResourceStream.h"

namespace velmora {

bool extractPayload(const std::string& resourceType, const std::string& resourceName,
                    const std::string& targetPath)
{
    const fw::ResourceStream payload(resourceType, resourceName);
    return writePayload(payload.bytes(), targetPath);
}

bool writePayload(std::span<const std::byte> payload, const std::string& targetPath)
{
    // A running Velmora holds its executable open; we find out here, before writing anything,
    // without truncating it (the file is only opened, never created or changed). The final
    // rename would fail as well, but only after the whole payload had been written.
    if (fw::probeExclusiveAccess(targetPath) == fw::ExclusiveAccess::Denied)
        return false;

    fw::FileReplacement replacement(targetPath);
    return replacement.isOpen() && replacement.write(payload) && replacement.commit();
}

}  // namespace velmora
