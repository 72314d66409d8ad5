// DLL planting: a copy of the updater in a "downloads" folder next to DLLs named like those that
// Windows programs and system DLLs load by name, each leaving a marker file when loaded. Wine is
// told to prefer a DLL found on the search path over its own (WINEDLLOVERRIDES "n,b"), which is
// what Windows' search order does for these DLLs. The updater must start, update and close
// without loading any of them.
//
// WINEDLLOVERRIDES is set by ctest for the whole test program (see tests/release/CMakeLists.txt).
// Left out: version.dll and imm32.dll, which Wine's own system DLLs import before the program's
// first instruction whatever the program does; on Windows they are known DLLs.

#include "ReleaseTestSupport.h"

#include "tests/e2e/UpdaterDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <thread>

namespace {

using namespace std::chrono_literals;
using e2e::DialogContents;
using e2e::UpdaterDriver;
using fw::test::ScratchFolder;

// The planted file names, from the build (tests/release/CMakeLists.txt).
std::vector<std::string> plantedNames()
{
    std::vector<std::string> names;
    const std::string list = VELMORA_PLANTED_DLLS;
    for (std::size_t start = 0, comma = 0; start < list.size(); start = comma + 1) {
        comma = list.find(',', start);
        if (comma == std::string::npos)
            comma = list.size();
        names.push_back(list.substr(start, comma - start));
    }
    return names;
}

// The override group that makes Wine take the planted DLLs first: "uxtheme,dwmapi,...=n,b".
std::string plantedOverrides()
{
    std::string names;
    for (const std::string& name : plantedNames())
        names += (names.empty() ? "" : ",") + (name.ends_with(".dll") ? name.substr(0, name.size() - 4) : name);
    return names + "=n,b";
}

std::vector<std::string> markersIn(const ScratchFolder& folder)
{
    std::vector<std::string> markers;
    for (const std::string& name : folder.fileNames())
        if (name.ends_with(".loaded"))
            markers.push_back(name);
    return markers;
}

class PlantedDlls : public release_test::InstalledVelmora {
protected:
    void SetUp() override
    {
        InstalledVelmora::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // Windows' own search order takes a DLL from the program's folder; Wine has to be told.
        const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        if (ntdll && GetProcAddress(ntdll, "wine_get_version")) {
            const char* overrides = std::getenv("WINEDLLOVERRIDES");
            ASSERT_TRUE(overrides && std::string(overrides).find(plantedOverrides()) != std::string::npos)
                << "WINEDLLOVERRIDES must hold " << plantedOverrides()
                << " when this program starts (Wine reads it then): run it through ctest";
        }
        ASSERT_TRUE(downloads_.isCreated());
        const std::string planted = release_test::buildFolder() + "\\tests\\planted\\velmora_planted.dll";
        for (const std::string& name : plantedNames())
            ASSERT_TRUE(CopyFileA(planted.c_str(), downloads_.file(name).c_str(), FALSE)) << planted;
        // Started from Explorer, a program's current folder is its own.
        args_.currentFolder = downloads_.path();
    }

    ScratchFolder downloads_;
    UpdaterDriver::StartArgs args_;
};

}  // namespace

TEST_F(PlantedDlls, AreNeverLoadedByTheUpdater)
{
    // The test means something only where a plain window program does take a planted DLL: the
    // stand-in Velmora is one, without any hardening.
    const std::string plain = downloads_.file("PlainProgram.exe");
    ASSERT_TRUE(CopyFileA(release_test::standinPath().c_str(), plain.c_str(), FALSE));
    {
        UpdaterDriver plainProgram(plain, args_);
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (markersIn(downloads_).empty() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(100ms);
    }  // ended here
    const std::vector<std::string> takenByPlainProgram = markersIn(downloads_);
    ASSERT_FALSE(takenByPlainProgram.empty()) << "a plain program loaded no planted DLL: this test would prove nothing";
    for (const std::string& marker : takenByPlainProgram)
        DeleteFileA(downloads_.file(marker).c_str());

    const std::string updaterCopy = downloads_.file("UpVelmora.exe");
    ASSERT_TRUE(CopyFileA(release_test::updaterPath().c_str(), updaterCopy.c_str(), FALSE));
    recordOlderInstallation();
    UpdaterDriver updater(updaterCopy, args_);
    ASSERT_TRUE(updater.waitForWindow());
    ASSERT_TRUE(updater.waitForReportLines(2));
    updater.clickUpdateButton();
    DialogContents dialog;
    ASSERT_TRUE(updater.waitForDialog(dialog));
    EXPECT_EQ(dialog.caption, "Information");
    ASSERT_TRUE(updater.clickDialogOk());
    updater.clickCloseButton();
    ASSERT_TRUE(updater.waitForExit());

    EXPECT_TRUE(fw::test::hasContent(installedExe(), payload_));
    EXPECT_EQ(markersIn(downloads_), std::vector<std::string>{}) << "the updater loaded a planted DLL";
}
