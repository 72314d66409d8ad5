// The updater window in-process: the handlers run directly against a record under a test key,
// and the window's own controls are read back.

#include "updater/Unit1.h"

#include "framework/core/Error.h"
#include "framework/core/FormatSettings.h"
#include "framework/ui/Application.h"
#include "updater/InstalledVersionRecord.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace {

const std::string builtInText = velmora::builtInVersion.text('.');

class TForm1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        keyPath_ = "Software\\Korvand\\unit1-test-" + std::to_string(GetCurrentProcessId());
        deleteKey();
    }
    void TearDown() override { deleteKey(); }

    void deleteKey() { RegDeleteKeyExA(HKEY_LOCAL_MACHINE, keyPath_.c_str(), KEY_WOW64_32KEY, 0); }
    void setRecord(const std::string& folder, const std::string& version)
    {
        velmora::InstalledVersionRecord record(keyPath_);
        record.write("CALE", folder);
        record.write("VER", version);
    }

    std::string keyPath_;
};

}  // namespace

TEST_F(TForm1Test, StartsEmptyWithADisabledSearchingButtonAndTitleSetOnShow)
{
    velmora::TForm1 form(keyPath_);
    EXPECT_TRUE(form.Memo1.lines().empty());
    EXPECT_EQ(form.Button2.caption(), "Cautare...");
    EXPECT_FALSE(form.Button2.isEnabled());
    EXPECT_EQ(form.LbSpeedButton1.caption(), "Inchide");
    EXPECT_TRUE(form.LbSpeedButton1.isEnabled());
    EXPECT_FALSE(form.Timer1.isEnabled());
    EXPECT_EQ(form.Timer1.interval(), 1000u);
    EXPECT_TRUE(form.isTopMost());
    EXPECT_TRUE(form.isKeyPreview());

    form.FormShow();
    EXPECT_EQ(form.caption(), "Velmora - UpGrade v." + builtInText);
    EXPECT_TRUE(form.Timer1.isEnabled());
}

TEST_F(TForm1Test, WindowHasTheFixedClientSizeAndNoMinimiseOrMaximise)
{
    velmora::TForm1 form(keyPath_);
    RECT client;
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, 441);
    EXPECT_EQ(client.bottom, 179);
    const LONG_PTR style = GetWindowLongPtrA(form.handle(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(GetWindowLongPtrA(form.handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(TForm1Test, OlderInstallationIsReportedAndTheUpdateButtonEnabled)
{
    setRecord("C:\\Program Files\\Velmora", "Velmora 2.2");
    velmora::TForm1 form(keyPath_);
    form.FormShow();
    form.Timer1Timer();
    EXPECT_FALSE(form.Timer1.isEnabled());
    EXPECT_EQ(form.Memo1.lines(), (std::vector<std::string>{"Cale Velmora       : C:\\Program Files\\Velmora",
                                                             "Versiune instalata : 2.2"}));
    EXPECT_EQ(form.Button2.caption(), "Actualizare la versiunea " + builtInText);
    EXPECT_TRUE(form.Button2.isEnabled());
    EXPECT_EQ(form.installationFolder(), "C:\\Program Files\\Velmora");
}

TEST_F(TForm1Test, MissingRecordCountsAsNotInstalled)
{
    velmora::TForm1 form(keyPath_);
    form.Timer1Timer();
    EXPECT_EQ(form.Memo1.lines(), std::vector<std::string>{"Programul Velmora NU este instalat aici!"});
    EXPECT_EQ(form.Button2.caption(), "Cautare...");
    EXPECT_FALSE(form.Button2.isEnabled());
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
    EXPECT_EQ(form.Memo1.lines().size(), 2u);
    EXPECT_EQ(form.Button2.caption(), "Actualizare la versiunea " + builtInText);
    EXPECT_FALSE(form.Button2.isEnabled());
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
    EXPECT_TRUE(form.Memo1.lines().empty());
    EXPECT_FALSE(form.Button2.isEnabled());
}

// Started once more by ctest with a Romanian locale, whose decimal separator is a comma.
TEST(FormatSettingsLocale, UserLocaleIsLoadedAndTheWindowFixesThePoint)
{
    fw::Application::instance().initialize();
    const char* expected = std::getenv("VELMORA_EXPECT_DECIMAL_SEPARATOR");
    if (expected) {
        EXPECT_EQ(fw::formatSettings().decimalSeparator, expected[0]);
    }

    velmora::TForm1 form("Software\\Korvand\\unit1-locale-" + std::to_string(GetCurrentProcessId()));
    EXPECT_EQ(fw::formatSettings().decimalSeparator, '.');
    EXPECT_EQ(fw::formatSettings().shortDateFormat, "dd.MM.yyyy");
    form.FormShow();
    EXPECT_EQ(form.caption(), "Velmora - UpGrade v." + builtInText);
    EXPECT_EQ(velmora::VersionNumber::fromScaled(22500).text(fw::formatSettings().decimalSeparator), "2.25");
}
