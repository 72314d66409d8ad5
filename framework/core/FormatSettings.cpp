#include "framework/core/FormatSettings.h"

namespace fw {

FormatSettings& formatSettings()
{
    static FormatSettings settings;
    return settings;
}

}  // namespace fw
