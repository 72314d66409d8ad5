#pragma once
// Text rules of the application object, kept free of Win32 so that they can be tested anywhere.

#include <string>
#include <string_view>

namespace fw {

// The default application title: the executable's file name without its folder, cut at its
// first ".", every character after the first in lower case ("C:\x\UpdateTool.exe" -> "Updatetool").
std::string applicationTitleFromPath(std::string_view executablePath);

// The text of the default error display: the message, with "." appended when its last character
// sorts after "." as a byte: "Access denied" gets a point; "Done." and "Really!" do not.
std::string errorDisplayText(std::string_view message);

}  // namespace fw
