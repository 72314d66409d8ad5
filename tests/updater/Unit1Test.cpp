// The updater window in-process: the handlers run directly against a record under a test key,
// and the window's own controls are read back.

#include "updater/Unit1.h"

#include "framework/core/Error.h"
#include "framework/core/FormatSettings.h"
#include "framework/ui/Application.h"
#include "tests/framework/system/TestScratch.h"
#include "updater/InstalledVersionRecord.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>

using namespace std::chrono_literals;

namespace {

const std::string builtInText = velmora::builtInVersion.text('.');

// The record lives under a scratch key, never under the product's.
class TForm1Test : public ::testing::Test {
protected:
    void setRecord(const std::string& folder, const std::string& version)
    {
        velmora::InstalledVersionRecord record(keyPath_);
        record.write("CALE", folder);
        record.write("VER", version);
    }

    const fw::test::ScratchKey scratch_;
    const std::string keyPath_ = scratch_.path();
};

}  // namespace

TEST_F(TForm1Test, StartsEmptyWithADisabledSearchingButton)
{
    velmora::TForm1 form(keyPath_);
    EXPECT_TRUE(form.Memo1->lines().empty());
    EXPECT_EQ(form.Button2->caption(), "Cautare...");
    EXPECT_FALSE(form.Button2->isEnabled());
    EXPECT_EQ(form.LbSpeedButton1->caption(), "Inchide");
    EXPECT_TRUE(form.LbSpeedButton1->isEnabled());
}

TEST_F(TForm1Test, ShowingSetsTheTitleAndAboutASecondLaterAMissingRecordIsReportedNotInstalled)
{
    velmora::TForm1 form(keyPath_);
    const auto shown = std::chrono::steady_clock::now();
    form.FormShow();
    EXPECT_EQ(form.caption(), "Velmora - UpGrade v." + builtInText);

    auto elapsed = std::chrono::steady_clock::now() - shown;
    while (form.Memo1->lines().empty() && elapsed < 5s) {
        fw::Application::instance().processMessages();
        Sleep(10);
        elapsed = std::chrono::steady_clock::now() - shown;
    }
    EXPECT_GE(elapsed, 900ms);
    EXPECT_FALSE(form.Timer1->isEnabled());  // once per run
    // No record at all: not installed.
    EXPECT_EQ(form.Memo1->lines(), std::vector<std::string>{"Programul Velmora NU este instalat aici!"});
    EXPECT_EQ(form.Button2->caption(), "Cautare...");
    EXPECT_FALSE(form.Button2->isEnabled());
}

TEST_F(TForm1Test, WindowHasTheFixedClientSizeStaysOnTopAndCannotBeMinimisedOrMaximised)
{
    velmora::TForm1 form(keyPath_);
    RECT client;
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, 441);
    EXPECT_EQ(client.bottom, 179);
    const LONG_PTR style = GetWindowLongPtrA(form.handle(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_SYSMENU);
    const LONG_PTR extendedStyle = GetWindowLongPtrA(form.handle(), GWL_EXSTYLE);
    EXPECT_TRUE(extendedStyle & WS_EX_LAYERED);
    EXPECT_TRUE(extendedStyle & WS_EX_TOPMOST);
}

TEST_F(TForm1Test, OlderInstallationIsReportedAndTheUpdateButtonEnabled)
{
    setRecord("C:\\Program Files\\Velmora", "Velmora 2.2");
    velmora::TForm1 form(keyPath_);
    form.FormShow();
    form.Timer1Timer();
    EXPECT_FALSE(form.Timer1->isEnabled());
    EXPECT_EQ(form.Memo1->lines(), (std::vector<std::string>{"Cale Velmora       : C:\\Program Files\\Velmora",
                                                             "Versiune instalata : 2.2"}));
    EXPECT_EQ(form.Button2->caption(), "Actualizare la versiunea " + builtInText);
    EXPECT_TRUE(form.Button2->isEnabled());
    EXPECT_EQ(form.installationFolder(), "C:\\Program Files\\Velmora");
}

TEST_F(TForm1Test, MalformedVersionRaisesAfterTheFirstTwoLinesWithTheButtonStillDisabled)
{
    setRecord("D:\\V", "Velmora 12.25x");
    velmora::TForm1 form(keyPath_);
    try {
        form.Timer1Timer();
        FAIL() << "no error raised";
    } catch (const fw::ConvertError& error) {
        EXPECT_STREQ(error.what(), "'12.25x' is not a valid version number");
    }
    EXPECT_EQ(form.Memo1->lines().size(), 2u);
    EXPECT_EQ(form.Button2->caption(), "Actualizare la versiunea " + builtInText);
    EXPECT_FALSE(form.Button2->isEnabled());
}

TEST_F(TForm1Test, NonStringVersionValueRaisesBeforeAnyLine)
{
    velmora::InstalledVersionRecord(keyPath_).write("CALE", "D:\\V");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 225;
    RegSetValueExA(key, "VER", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);

    velmora::TForm1 form(keyPath_);
    EXPECT_THROW(form.Timer1Timer(), fw::RegistryError);
    EXPECT_TRUE(form.Memo1->lines().empty());
    EXPECT_FALSE(form.Button2->isEnabled());
}

// Started once more by ctest with a Romanian locale, whose decimal separator is a comma.
TEST(FormatSettingsLocale, UserLocaleIsLoadedAndTheWindowFixesThePoint)
{
    fw::Application::instance().initialize();
    const char* expected = std::getenv("VELMORA_EXPECT_DECIMAL_SEPARATOR");
    if (expected) {
        EXPECT_EQ(fw::formatSettings().decimalSeparator, expected[0]);
    }

    const fw::test::ScratchKey scratch;
    velmora::TForm1 form(scratch.path());
    EXPECT_EQ(fw::formatSettings().decimalSeparator, '.');
    EXPECT_EQ(fw::formatSettings().shortDateFormat, "dd.MM.yyyy");
    form.FormShow();
    EXPECT_EQ(form.caption(), "Velmora - UpGrade v." + builtInText);
    EXPECT_EQ(velmora::VersionNumber::fromScaled(22500).text(fw::formatSettings().decimalSeparator), "2.25");
}
