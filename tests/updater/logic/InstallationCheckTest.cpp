#include "updater/logic/InstallationCheck.h"

#include <gtest/gtest.h>

using velmora::checkInstallation;
using velmora::InstallationReport;
using velmora::VersionNumber;

namespace {

const VersionNumber builtIn = VersionNumber::fromScaled(22500);

InstallationReport check(const std::string& folder, const std::string& version)
{
    return checkInstallation({folder, version}, builtIn, '.');
}

}  // namespace

TEST(InstallationCheck, OlderVersionGetsFolderAndVersionLinesAndAnEnabledButton)
{
    const auto report = check("C:\\Velmora", "Velmora 2.24");
    EXPECT_EQ(report.lines, (std::vector<std::string>{"Cale Velmora       : C:\\Velmora", "Versiune instalata : 2.24"}));
    EXPECT_EQ(report.updateCaption, "Actualizare la versiunea 2.25");
    EXPECT_TRUE(report.updateEnabled);
    EXPECT_FALSE(report.error);
}

TEST(InstallationCheck, SameOrNewerVersionIsReportedCurrentButStaysRewritable)
{
    for (const char* version : {"Velmora 2.25", "Velmora 2.250", "Velmora 3.10", "Velmora 12.25", "Velmora 3"}) {
        const auto report = check("C:\\V", version);
        ASSERT_EQ(report.lines.size(), 3u) << version;
        EXPECT_EQ(report.lines[2], "Aveti deja ultima versiune!") << version;
        EXPECT_TRUE(report.updateEnabled) << version;
    }
}

TEST(InstallationCheck, OlderVersionsWithLargerFractionsAreNotMistakenForCurrent)
{
    // Compared by their fractions alone, 1.30 beat 2.25 and "2.2" (written for version 2.2) read
    // as 2.02.
    for (const char* version : {"Velmora 1.30", "Velmora 2.2", "Velmora 2", "Velmora 0.9999"}) {
        const auto report = check("C:\\V", version);
        EXPECT_EQ(report.lines.size(), 2u) << version;
        EXPECT_TRUE(report.updateEnabled) << version;
        EXPECT_FALSE(report.error) << version;
    }
}

TEST(InstallationCheck, NoVersionOrNothingAfterTheProductNameMeansNotInstalled)
{
    for (const char* version : {"", "Velmora ", "Velmora", "12345678"}) {
        const auto report = check("C:\\V", version);
        EXPECT_EQ(report.lines, std::vector<std::string>{"Programul Velmora NU este instalat aici!"}) << version;
        EXPECT_FALSE(report.updateCaption) << version;
        EXPECT_FALSE(report.updateEnabled) << version;
        EXPECT_FALSE(report.error) << version;
    }
}

TEST(InstallationCheck, MalformedVersionRaisesAfterTheLinesAndCaptionWithTheButtonDisabled)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Velmora 2.2x", "'2.2x' is not a valid version number"},
        {"Velmora  2.25", "' 2.25' is not a valid version number"},
        {"Velmora 2,25", "'2,25' is not a valid version number"},
        {"Velmora 2.25 ", "'2.25 ' is not a valid version number"},
        {"Velmora 2.12345", "'2.12345' is not a valid version number"},
    };
    for (const auto& [version, message] : cases) {
        const auto report = check("C:\\V", version);
        ASSERT_EQ(report.lines.size(), 2u) << version;
        EXPECT_EQ(report.lines[1], "Versiune instalata : " + std::string(version).substr(8));
        EXPECT_EQ(report.updateCaption, "Actualizare la versiunea 2.25");
        EXPECT_FALSE(report.updateEnabled) << version;
        EXPECT_EQ(report.error, message);
    }
}

TEST(InstallationCheck, EmptyFolderIsReportedAsIsAndDoesNotBlockTheButton)
{
    const auto report = check("", "Velmora 2.2");
    EXPECT_EQ(report.lines[0], "Cale Velmora       : ");
    EXPECT_TRUE(report.updateEnabled);
}

TEST(InstallationCheck, CaptionUsesTheGivenSeparatorAndTheShortestBuiltInText)
{
    EXPECT_EQ(checkInstallation({"C:\\V", "Velmora 1"}, VersionNumber::fromScaled(23000), '.').updateCaption,
              "Actualizare la versiunea 2.3");
    EXPECT_EQ(checkInstallation({"C:\\V", "Velmora 1"}, VersionNumber::fromScaled(30000), '.').updateCaption,
              "Actualizare la versiunea 3");
}

// Bug: a record holding a megabyte of version digits kept the updater busy for minutes laying out
// the report line and the error box; values are now shown cut after 260 characters.
TEST(InstallationCheck, OverlongValuesAreShownCutButCheckedWhole)
{
    const std::string longest(260, 'd');
    const auto atTheLimit = check(longest, "Velmora 2." + std::string(258, '5'));
    EXPECT_EQ(atTheLimit.lines[0], "Cale Velmora       : " + longest);
    EXPECT_EQ(atTheLimit.lines[1], "Versiune instalata : 2." + std::string(258, '5'));
    EXPECT_EQ(atTheLimit.error, "'2." + std::string(258, '5') + "' is not a valid version number");

    const auto beyond = check(longest + "x", "Velmora 2." + std::string(1000000, '5'));
    EXPECT_EQ(beyond.lines[0], "Cale Velmora       : " + longest + "...");
    EXPECT_EQ(beyond.lines[1], "Versiune instalata : 2." + std::string(258, '5') + "...");
    EXPECT_EQ(beyond.error, "'2." + std::string(258, '5') + "...' is not a valid version number");
    EXPECT_FALSE(beyond.updateEnabled);

    // Only what is shown is cut: a long folder with a valid version still enables the update,
    // which then works on the whole folder.
    const auto longFolder = check(std::string(70000, 'd'), "Velmora 2.2");
    EXPECT_EQ(longFolder.lines[0].size(), std::string("Cale Velmora       : ").size() + 263);
    EXPECT_TRUE(longFolder.updateEnabled);
    EXPECT_FALSE(longFolder.error);
}
