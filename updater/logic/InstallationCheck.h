#pragma once
// The installation check as a function of the installed version record: which report lines to
// add, what the update button becomes, and the error to raise, if any. The window applies the
// result (Unit1), so the whole decision can be tested without a window or a registry.

#include "updater/logic/VersionNumber.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct InstallationRecord {
    std::string folder;        // CALE, as stored
    std::string versionValue;  // VER, as stored: "Velmora " + version text
};

struct InstallationReport {
    std::vector<std::string> lines;            // report lines to add, in order
    std::optional<std::string> updateCaption;  // new caption of the update button, if it changes
    bool updateEnabled = false;
    // Raised after the lines and the caption have been applied; the button then stays disabled.
    std::optional<std::string> error;
};

inline constexpr const char* notInstalledLine = "Programul Velmora NU este instalat aici!";
inline constexpr const char* alreadyCurrentLine = "Aveti deja ultima versiune!";
inline constexpr const char* invalidVersionFormat = "'%s' is not a valid version number";

// The record's VER starts with the product name and one space; the version text follows.
inline constexpr std::size_t versionPrefixLength = 8;

// A value longer than this is shown cut, with "..." after it, in the report lines and the error:
// the longest path Windows programs handle, far beyond any real folder or version. Another
// program may have stored megabytes, which the report box and a message box would take minutes
// to lay out, unable to show them anyway.
inline constexpr std::size_t longestShownValue = 260;

InstallationReport checkInstallation(const InstallationRecord& record, VersionNumber builtIn,
                                     char decimalSeparator);

}  // namespace velmora
