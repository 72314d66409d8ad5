#pragma once
// The process-wide number and date formatting, as the framework's text conversions use it.
// The application loads it from the user's locale at start-up; a program may then fix it.
// GUI thread only.

#include <string>

namespace fw {

struct FormatSettings {
    char decimalSeparator = '.';
    char thousandSeparator = ',';
    char dateSeparator = '/';
    std::string shortDateFormat = "M/d/yyyy";
};

FormatSettings& formatSettings();

}  // namespace fw
