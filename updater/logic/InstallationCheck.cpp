#include "updater/logic/InstallationCheck.h"

#include "framework/core/Error.h"

namespace velmora {
namespace {

std::string shown(const std::string& value)
{
    if (value.size() <= longestShownValue)
        return value;
    return value.substr(0, longestShownValue) + "...";
}

}  // namespace

InstallationReport checkInstallation(const InstallationRecord& record, VersionNumber builtIn,
                                     char decimalSeparator)
{
    InstallationReport report;

    // No VER, an empty VER, or one with nothing after the product name: nothing is installed.
    // (A key that cannot be opened reads as an empty VER and lands here too.)
    if (record.versionValue.size() <= versionPrefixLength) {
        report.lines.push_back(notInstalledLine);
        return report;
    }

    const std::string versionText = record.versionValue.substr(versionPrefixLength);
    report.lines.push_back("Cale Velmora       : " + shown(record.folder));
    report.lines.push_back("Versiune instalata : " + shown(versionText));
    report.updateCaption = "Actualizare la versiunea " + builtIn.text(decimalSeparator);

    const auto installed = VersionNumber::parse(versionText);
    if (!installed) {
        report.error = fw::formatMessage(invalidVersionFormat, shown(versionText));
        return report;
    }
    if (*installed >= builtIn)
        report.lines.push_back(alreadyCurrentLine);
    // An installation that is already current may be rewritten all the same.
    report.updateEnabled = true;
    return report;
}

}  // namespace velmora
