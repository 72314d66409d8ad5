#include "framework/core/Error.h"

namespace fw {

std::string formatMessage(std::string_view pattern, std::string_view argument)
{
    std::string result(pattern);
    const auto at = result.find("%s");
    if (at != std::string::npos)
        result.replace(at, 2, argument);
    return result;
}

}  // namespace fw
