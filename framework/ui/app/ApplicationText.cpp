#include "framework/ui/app/ApplicationText.h"

#include <cctype>

namespace fw {

std::string applicationTitleFromPath(std::string_view executablePath)
{
    const auto slash = executablePath.find_last_of("\\/:");
    std::string_view name = slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
    return title;
}

std::string errorDisplayText(std::string_view message)
{
    std::string text(message);
    // Compared as unsigned bytes: characters of the upper half of the code page sort after ".".
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

}  // namespace fw
