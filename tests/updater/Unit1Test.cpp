// The updater window in-process: the handlers run directly against a record under a test key,
// and the window's own controls are read back.

#include "updater/Unit1.h"

#include "framework/core/Error.h"
#include "framework/core/FormatSettings.h"
#include "framework/system/ResourceStream.h"
#include "framework/ui/app/Application.h"
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

// The window read from the description that the executable carries holds what the updater's
// window is: sizes, colours and flags of the form and of every control.
TEST_F(TForm1Test, TheCarriedDescriptionBuildsTheUpdaterWindow)
{
    velmora::TForm1 form(keyPath_);
    HWND window = form.handle();
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 441);
    EXPECT_EQ(client.bottom, 179);
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
    EXPECT_EQ(key, 0x1B5655u);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY)) << "blending is off";
    // The alpha value is kept by the form (Wine reports 0 for it while LWA_ALPHA is off).
    EXPECT_EQ(form.alphaBlendValue(), 220);
    EXPECT_FALSE(form.alphaBlend());
    EXPECT_EQ(form.color(), 0x1B5655u);
    EXPECT_TRUE(form.isKeyPreview());
    EXPECT_EQ(form.icon(), "MAINICON");
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << "centred on the desktop";

    EXPECT_EQ(form.Panel1->bounds().left, 8);
    EXPECT_EQ(form.Panel1->bounds().width, 425);
    EXPECT_EQ(form.Panel1->bounds().height, 161);
    EXPECT_EQ(form.Panel1->color(), 0x5BCECBu);
    EXPECT_EQ(form.Panel1->bevelOuter(), fw::bvRaised);
    EXPECT_EQ(form.Panel1->caption(), "");
    EXPECT_EQ(form.Panel1->font().name(), "MS Sans Serif");
    EXPECT_EQ(form.Panel1->font().height(), -11);

    EXPECT_EQ(form.Memo1->bounds().top, 16);
    EXPECT_EQ(form.Memo1->bounds().width, 393);
    EXPECT_EQ(form.Memo1->color(), 0xAFE7E6u);
    EXPECT_TRUE(GetWindowLongPtrA(form.Memo1->handle(), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongPtrA(form.Memo1->handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));

    struct Expected {
        lb::TLbSpeedButton* button;
        fw::Rect bounds;
    };
    for (const Expected& expected : {Expected{form.Button2, {16, 120, 201, 31}}, Expected{form.LbSpeedButton1, {300, 120, 108, 31}}}) {
        const lb::TLbSpeedButton& button = *expected.button;
        SCOPED_TRACE(button.name());
        EXPECT_EQ(button.bounds().left, expected.bounds.left);
        EXPECT_EQ(button.bounds().top, expected.bounds.top);
        EXPECT_EQ(button.bounds().width, expected.bounds.width);
        EXPECT_EQ(button.bounds().height, expected.bounds.height);
        EXPECT_EQ(button.cursor(), fw::Cursor::HandPoint);
        EXPECT_EQ(button.Alignment(), lb::taCenter);
        EXPECT_EQ(button.Style(), lb::bsModern);
        EXPECT_EQ(button.color(), 0x00C0C0u);
        EXPECT_EQ(button.font().name(), "MS Sans Serif");
        EXPECT_EQ(button.font().height(), -11);
        EXPECT_TRUE(button.font().styles().bold);
        EXPECT_EQ(button.font().color(), 0x005555u);
        EXPECT_EQ(button.HotTrackColor(), 0x00DFDFu);
        EXPECT_EQ(const_cast<lb::TLbSpeedButton&>(button).HotTrackFont().color(), fw::clWindowText);
        EXPECT_FALSE(const_cast<lb::TLbSpeedButton&>(button).HotTrackFont().styles().bold);
        EXPECT_EQ(button.LightColor(), fw::clYellow);
        EXPECT_EQ(button.ShadowColor(), fw::clOlive);
        EXPECT_EQ(button.ColorWhenDown(), fw::clNone);
        EXPECT_FALSE(button.parentColor());
        EXPECT_FALSE(button.parentFont());
        EXPECT_FALSE(button.SlowDecease());
        EXPECT_EQ(button.GroupIndex(), 0);
    }
    EXPECT_FALSE(form.Timer1->isEnabled());
    EXPECT_EQ(form.Timer1->interval(), 1000u);

    // Written back, the window is the carried text itself: nothing lost, nothing added.
    const fw::ResourceStream carried("LAYOUT", "TFORM1");
    const std::string text(reinterpret_cast<const char*>(carried.bytes().data()), carried.size());
    EXPECT_EQ(fw::writeDescription(fw::describe(form, velmora::TForm1::classes())), text);
}

TEST_F(TForm1Test, ABrokenDescriptionIsRefusedWithItsLineAndNothingIsTouched)
{
    const std::string broken = "object Form1: TForm1\n"
                               "  ClientWidth = 441\n"
                               "  object Panel1: TPanel\n"
                               "    object Button2: TLbSpeedButton\n"
                               "      OnClick = UpdateEverything\n"
                               "    end\n"
                               "  end\n"
                               "end\n";
    try {
        velmora::TForm1 form(keyPath_, broken);
        FAIL() << "built from a broken description";
    } catch (const fw::Error& error) {
        EXPECT_STREQ(error.what(), "The window description of Form1 cannot be read. "
                                   "Line 5: OnClick: there is no handler named UpdateEverything");
    }
    // A description that reads but lacks what the program needs is refused too.
    EXPECT_THROW(velmora::TForm1(keyPath_, "object Form1: TForm1\nend\n"), fw::Error);
    EXPECT_EQ(velmora::InstalledVersionRecord(keyPath_).read("VER"), "");
}
