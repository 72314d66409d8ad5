#include "framework/core/RunHandler.h"

#include <cstdio>

namespace fw {
namespace {

ErrorDisplay installedDisplay = nullptr;

}  // namespace

void setErrorDisplay(ErrorDisplay display) { installedDisplay = display; }

void showHandlerError(const std::string& message)
{
    // The display itself may fail (no window station, out of memory): nothing may leave here.
    try {
        if (installedDisplay) {
            installedDisplay(message);
            return;
        }
    } catch (...) {
    }
    std::fprintf(stderr, "%s\n", message.c_str());
}

}  // namespace fw
