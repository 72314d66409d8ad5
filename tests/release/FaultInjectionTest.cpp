// Faults a user's machine can throw at the updater, end to end: the real UpVelmora.exe, worked
// through its window, against the real record and real files. Whatever happens, the installed
// Velmora.exe is either untouched or wholly the payload, and VER changes only after a replacement
// that succeeded.

#include "ReleaseTestSupport.h"

#include "tests/e2e/UpdaterDriver.h"

#include <gtest/gtest.h>
#include <sddl.h>
#include <windows.h>

#include <cstdlib>
#include <thread>

namespace {

using namespace std::chrono_literals;
using e2e::DialogContents;
using e2e::UpdaterDriver;
using release_test::InstalledVelmora;
using release_test::RawValue;
using release_test::recordValue;
using release_test::setRecordText;
using release_test::setRecordValue;
using release_test::textValue;
using release_test::updaterPath;

class UpdaterFaults : public InstalledVelmora {
protected:
    // Runs the check, clicks the update button and expects the refusal (by default the request to
    // close Velmora first), with nothing changed.
    void expectUpdateRefused(const std::string& executable = updaterPath(), const std::string& caption = "Error",
                             const std::string& text = "Inchideti mai intai Velmora!")
    {
        UpdaterDriver updater(executable);
        ASSERT_TRUE(updater.waitForWindow());
        ASSERT_TRUE(updater.waitForReportLines(2));
        updater.clickUpdateButton();
        DialogContents dialog;
        ASSERT_TRUE(updater.waitForDialog(dialog));
        EXPECT_EQ(dialog.caption, caption);
        EXPECT_EQ(dialog.text, text);
        ASSERT_TRUE(updater.clickDialogOk());
        EXPECT_EQ(updater.reportLines().size(), 2u) << "an update was reported";
        expectInstallationUnchanged(textValue("Velmora 2.2"));
        updater.pressKey(VK_ESCAPE);
        EXPECT_TRUE(updater.waitForExit());
    }
};

// A file that takes up space on a drive until the test ends.
class Filler {
public:
    Filler(const std::string& path, ULONGLONG size) : path_(path)
    {
        isWritten_ = fw::test::writeWholeFile(path, std::string(static_cast<std::size_t>(size), 'f'));
    }
    ~Filler() { DeleteFileA(path_.c_str()); }
    Filler(const Filler&) = delete;
    Filler& operator=(const Filler&) = delete;
    bool isWritten() const { return isWritten_; }

private:
    std::string path_;
    bool isWritten_ = false;
};

std::string smallDrive()
{
    const char* drive = std::getenv("VELMORA_TEST_SMALL_DRIVE");
    return drive ? std::string(drive) + "\\" : std::string();
}

class FullDisk : public UpdaterFaults {
protected:
    std::string installationParent() const override { return smallDrive(); }
    void SetUp() override
    {
        // Drive T: is a 1 MiB tmpfs made by the ctest fixture updater_tests_small_drive_mount.
        ULARGE_INTEGER available{}, total{};
        if (smallDrive().empty() || !GetDiskFreeSpaceExA(smallDrive().c_str(), &available, &total, nullptr) ||
            total.QuadPart > 2 * 1024 * 1024) {
            const char* note = std::getenv("VELMORA_TEST_SMALL_DRIVE_NOTE");
            GTEST_SKIP() << "no 1 MiB test drive: "
                         << (note && fw::test::fileExists(note) ? fw::test::readWholeFile(note)
                                                                : "run through ctest (updater_tests_small_drive_mount)");
        }
        UpdaterFaults::SetUp();
    }
};

// Denies setting values in the record's key from now on, for everyone; restores the key's
// permissions when it goes.
class SetValueDenied {
public:
    SetValueDenied()
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, release_test::recordKey, 0, READ_CONTROL | WRITE_DAC | KEY_WOW64_32KEY,
                          &key) != ERROR_SUCCESS)
            return;
        key_.reset(key);
        DWORD size = 0;
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
        saved_.resize(size);
        if (RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS)
            return;
        PSECURITY_DESCRIPTOR denying = nullptr;
        // Deny KEY_SET_VALUE (0x2) to Everyone, allow everything else.
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1,
                                                                  &denying, nullptr))
            return;
        isDenied_ = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, denying) == ERROR_SUCCESS;
        LocalFree(denying);
    }
    ~SetValueDenied()
    {
        if (isDenied_)
            RegSetKeySecurity(key_.get(), DACL_SECURITY_INFORMATION, saved_.data());
    }
    SetValueDenied(const SetValueDenied&) = delete;
    SetValueDenied& operator=(const SetValueDenied&) = delete;
    bool isDenied() const { return isDenied_; }

private:
    fw::UniqueKey key_;
    std::vector<char> saved_;
    bool isDenied_ = false;
};

}  // namespace

TEST_F(FullDisk, PartWayLeavesTheInstalledVelmoraAndVer)
{
    // Less room than the payload needs, so the write stops part-way.
    ULARGE_INTEGER available{};
    ASSERT_TRUE(GetDiskFreeSpaceExA(smallDrive().c_str(), &available, nullptr, nullptr));
    std::unique_ptr<Filler> filler;
    if (available.QuadPart >= payload_.size()) {
        filler = std::make_unique<Filler>(smallDrive() + "filler.bin", available.QuadPart - payload_.size() / 2);
        ASSERT_TRUE(filler->isWritten());
    }
    recordOlderInstallation();
    expectUpdateRefused();
}

TEST_F(UpdaterFaults, ReadOnlyTargetIsLeftAsItWas)
{
    ASSERT_TRUE(SetFileAttributesA(installedExe().c_str(), FILE_ATTRIBUTE_READONLY));
    recordOlderInstallation();
    expectUpdateRefused();
    EXPECT_EQ(GetFileAttributesA(installedExe().c_str()) & FILE_ATTRIBUTE_READONLY,
              static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
}

TEST_F(UpdaterFaults, MissingTargetFolderIsNotCreated)
{
    const std::string missing = folder() + "\\not installed";
    setRecordText("CALE", missing);
    setRecordText("VER", "Velmora 2.2");
    expectUpdateRefused();
    EXPECT_FALSE(fw::test::fileExists(missing));
}

TEST_F(UpdaterFaults, RefusedVerWriteAfterTheReplacementIsShownWithoutConfirmation)
{
    recordOlderInstallation();
    UpdaterDriver updater(updaterPath());
    ASSERT_TRUE(updater.waitForWindow());
    ASSERT_TRUE(updater.waitForReportLines(2));
    const SetValueDenied denied;  // after the check has read the record
    ASSERT_TRUE(denied.isDenied());

    updater.clickUpdateButton();
    DialogContents dialog;
    ASSERT_TRUE(updater.waitForDialog(dialog));
    // The default error display, after the file was replaced and its report line added.
    EXPECT_EQ(dialog.caption, "Upvelmora");
    EXPECT_EQ(dialog.text, "Failed to set data for 'VER'");
    EXPECT_EQ(updater.reportLines().back(), "Versiune actualizata.");
    EXPECT_TRUE(fw::test::hasContent(installedExe(), payload_));
    EXPECT_EQ(recordValue("VER"), textValue("Velmora 2.2"));
    ASSERT_TRUE(updater.clickDialogOk());
    EXPECT_FALSE(updater.waitForDialog(dialog, 1s)) << "a confirmation followed the error: " << dialog.text;
    EXPECT_EQ(folder_->fileNames(), std::vector<std::string>{"Velmora.exe"});

    updater.pressKey(VK_ESCAPE);
    EXPECT_TRUE(updater.waitForExit());
}

TEST_F(UpdaterFaults, BuildWithoutPayloadSaysSoAndWritesNothing)
{
    // The same program built without its payload resource (tests/release/CMakeLists.txt).
    recordOlderInstallation();
    expectUpdateRefused(release_test::buildFolder() + "\\tests\\broken-build\\UpVelmora.exe", "Upvelmora",
                        "Resource UpGrade not found.");
}

// Values another program (or a damaged registry) may have left in the record. Each case is one
// run of the updater: its report, the error it shows if any, and what a click then does.
TEST_F(UpdaterFaults, HostileRecordValuesNeverCostTheInstallation)
{
    enum class Click { NotAnswered, Refused, Updates };
    struct Case {
        const char* name;
        RawValue folderValue;   // CALE
        RawValue versionValue;  // VER
        std::vector<std::string> lines;
        std::string errorText;  // shown by the default error display; "" for none
        Click click;
    };
    const std::string folderText = folder();
    const std::string longFolder = folderText + "\\" + std::string(70000, 'd');
    const std::string shownFolder = longFolder.substr(0, 260) + "...";
    const std::string longVersion = "2." + std::string(1000000, '5');
    const std::string shownVersion = longVersion.substr(0, 260) + "...";
    const std::vector<Case> cases = {
        {"a folder without its terminating zero, a version with text after an embedded zero",
         {REG_SZ, folderText},
         {REG_SZ, std::string("Velmora 2.2\0Velmora 9.99\0", 25)},
         {"Cale Velmora       : " + folderText, "Versiune instalata : 2.2"},
         "",
         Click::Updates},
        {"a number for the folder",
         {REG_DWORD, std::string("\x01\x00\x00\x00", 4)},
         textValue("Velmora 2.2"),
         {},
         "Invalid data type for 'CALE'",
         Click::NotAnswered},
        {"a list of texts for the version",
         textValue(folderText),
         {REG_MULTI_SZ, std::string("Velmora 2.2\0\0", 13)},
         {},
         "Invalid data type for 'VER'",
         Click::NotAnswered},
        {"a megabyte of version digits",
         textValue(folderText),
         textValue("Velmora " + longVersion),
         {"Cale Velmora       : " + folderText, "Versiune instalata : " + shownVersion},
         "'" + shownVersion + "' is not a valid version number.",
         Click::NotAnswered},
        {"a folder longer than any path",
         textValue(longFolder),
         textValue("Velmora 2.2"),
         {"Cale Velmora       : " + shownFolder, "Versiune instalata : 2.2"},
         "",
         Click::Refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setRecordValue("CALE", c.folderValue.type, c.folderValue.bytes);
        setRecordValue("VER", c.versionValue.type, c.versionValue.bytes);
        const auto versionBefore = recordValue("VER");

        UpdaterDriver updater(updaterPath());
        ASSERT_TRUE(updater.waitForWindow());
        DialogContents dialog;
        if (!c.errorText.empty()) {
            ASSERT_TRUE(updater.waitForDialog(dialog));
            EXPECT_EQ(dialog.caption, "Upvelmora");
            EXPECT_TRUE(dialog.text == c.errorText) << dialog.text.substr(0, 200);
            ASSERT_TRUE(updater.clickDialogOk());
        } else {
            ASSERT_TRUE(updater.waitForReportLines(c.lines.size()));
        }
        const std::vector<std::string> lines = updater.reportLines();
        EXPECT_TRUE(lines == c.lines) << lines.size() << " lines, the first "
                                      << (lines.empty() ? "" : lines.front().substr(0, 200));

        updater.clickUpdateButton();
        if (c.click == Click::NotAnswered) {
            EXPECT_FALSE(updater.waitForDialog(dialog, 1s)) << "a disabled update button answered: " << dialog.text;
        } else {
            ASSERT_TRUE(updater.waitForDialog(dialog));
            EXPECT_EQ(dialog.caption, c.click == Click::Updates ? "Information" : "Error");
            ASSERT_TRUE(updater.clickDialogOk());
        }
        if (c.click == Click::Updates) {
            EXPECT_TRUE(fw::test::hasContent(installedExe(), payload_));
            EXPECT_EQ(recordValue("VER"), textValue("Velmora " + release_test::builtInText()));
            ASSERT_TRUE(fw::test::writeWholeFile(installedExe(), oldVelmora_));  // for the next case
        } else {
            EXPECT_TRUE(fw::test::hasContent(installedExe(), oldVelmora_));
            EXPECT_EQ(recordValue("VER"), versionBefore);
        }
        EXPECT_EQ(folder_->fileNames(), std::vector<std::string>{"Velmora.exe"});
        updater.pressKey(VK_ESCAPE);
        EXPECT_TRUE(updater.waitForExit());
    }
}
