// The updater as signed for release (scripts/sign-updater.sh, here with a throwaway certificate
// made by the ctest fixture release_sign_updater): the signature must not disturb the program or
// the payload it carries.

#include "ReleaseTestSupport.h"

#include "tests/e2e/UpdaterDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace {

using e2e::DialogContents;
using e2e::UpdaterDriver;

// The Authenticode signature's place in the file: the certificate table of the PE headers.
IMAGE_DATA_DIRECTORY certificateTable(const std::string& file)
{
    const std::string bytes = fw::test::readWholeFile(file);
    if (bytes.size() < sizeof(IMAGE_DOS_HEADER))
        return {};
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0 ||
        static_cast<std::size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS64) > bytes.size())
        return {};
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes.data() + dos->e_lfanew);
    if (headers->Signature != IMAGE_NT_SIGNATURE || headers->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        return {};
    return headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_SECURITY];
}

using SignedUpdater = release_test::InstalledVelmora;

}  // namespace

TEST_F(SignedUpdater, StartsAndInstallsItsPayloadByteForByte)
{
    const char* signedPath = std::getenv("VELMORA_TEST_SIGNED_UPDATER");
    ASSERT_TRUE(signedPath && fw::test::fileExists(signedPath))
        << "no signed updater: run through ctest, whose fixture release_sign_updater signs one";
    EXPECT_GT(certificateTable(signedPath).Size, 0u) << signedPath << " carries no signature";
    EXPECT_EQ(certificateTable(release_test::updaterPath()).Size, 0u) << "the built updater is signed already";

    recordOlderInstallation();
    UpdaterDriver updater(signedPath);
    ASSERT_TRUE(updater.waitForWindow());
    EXPECT_EQ(updater.title(), "Velmora - UpGrade v." + release_test::builtInText());
    ASSERT_TRUE(updater.waitForReportLines(2));
    updater.clickUpdateButton();
    DialogContents dialog;
    ASSERT_TRUE(updater.waitForDialog(dialog));
    EXPECT_EQ(dialog.caption, "Information");
    ASSERT_TRUE(updater.clickDialogOk());
    EXPECT_TRUE(fw::test::hasContent(installedExe(), payload_));
    EXPECT_EQ(release_test::recordValue("VER"), release_test::textValue("Velmora " + release_test::builtInText()));
    updater.clickCloseButton();
    EXPECT_TRUE(updater.waitForExit());
}
