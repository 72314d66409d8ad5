// The updater under Windows' two best-known contrast themes, end to end: the theme's colours in
// the registry before the updater starts, as Windows has them for a program started under the
// theme, and the theme said to be on. Every text of its window must stand in one of the theme's
// pairs, at 7:1 contrast or more, as the screen shows it.

#include "UpdaterFixture.h"

#include "tests/support/ContrastThemes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

using namespace e2e;

namespace {

// The seven colours of a theme under HKCU\Control Panel\Colors, and VELMORA_HIGH_CONTRAST=1 in
// this process's environment, which the updater inherits; both put back as they were.
class ThemeForNextStart {
public:
    explicit ThemeForNextStart(const fw::ContrastColors& theme)
    {
        const fw::TColor colors[] = {theme.window,    theme.windowText,    theme.buttonFace, theme.buttonText,
                                     theme.highlight, theme.highlightText, theme.grayText};
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, nullptr, 0, KEY_READ | KEY_SET_VALUE, nullptr,
                        &key_, nullptr);
        for (int index = 0; index < count; ++index) {
            char old[32] = {};
            DWORD size = sizeof old - 1;
            if (RegQueryValueExA(key_, names[index], nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
                ERROR_SUCCESS)
                saved_[index] = old;
            write(names[index], std::to_string(fw::redOf(colors[index])) + " " +
                                    std::to_string(fw::greenOf(colors[index])) + " " +
                                    std::to_string(fw::blueOf(colors[index])));
        }
        SetEnvironmentVariableA("VELMORA_HIGH_CONTRAST", "1");
    }
    ~ThemeForNextStart()
    {
        SetEnvironmentVariableA("VELMORA_HIGH_CONTRAST", nullptr);
        for (int index = 0; index < count; ++index) {
            if (saved_[index])
                write(names[index], *saved_[index]);
            else
                RegDeleteValueA(key_, names[index]);
        }
        RegCloseKey(key_);
    }

private:
    static constexpr int count = 7;
    static constexpr const char* names[count] = {"Window",  "WindowText",  "ButtonFace", "ButtonText",
                                                 "Hilight", "HilightText", "GrayText"};
    void write(const char* name, const std::string& text)
    {
        RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }
    HKEY key_ = nullptr;
    std::optional<std::string> saved_[count];
};

// WCAG's relative luminance and contrast ratio.
double luminance(fw::TColor color)
{
    auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(fw::redOf(color)) + 0.7152 * linear(fw::greenOf(color)) +
           0.0722 * linear(fw::blueOf(color));
}

double contrastRatio(fw::TColor one, fw::TColor other)
{
    const double lighter = std::max(luminance(one), luminance(other));
    const double darker = std::min(luminance(one), luminance(other));
    return (lighter + 0.05) / (darker + 0.05);
}

struct Text {
    const char* what;
    int left, top, width, height;  // panel client coordinates, inside frames and edges
    fw::TColor background, ink;
};

// The text's area on screen: mostly its background, with pixels of the ink itself (those a glyph
// covers whole), and the two far enough apart.
void expectStandsInItsPair(const UpdaterDriver& updater, const Text& text)
{
    SCOPED_TRACE(text.what);
    std::map<fw::TColor, int> counts;
    for (int y = text.top; y < text.top + text.height; ++y)
        for (int x = text.left; x < text.left + text.width; ++x)
            ++counts[static_cast<fw::TColor>(updater.panelPixelOnScreen(x, y))];
    const auto background = std::max_element(counts.begin(), counts.end(),
                                              [](const auto& one, const auto& other) { return one.second < other.second; });
    EXPECT_EQ(background->first, text.background);
    EXPECT_GT(counts[text.ink], 5) << "no pixel of the text's own colour";
    EXPECT_GE(contrastRatio(background->first, text.ink), 7.0);
}

}  // namespace

TEST_F(UpdaterEndToEnd, EveryTextStandsInAPairOfAContrastTheme)
{
    for (const contrast_themes::Theme& theme : {contrast_themes::black, contrast_themes::white}) {
        SCOPED_TRACE(theme.name);
        const fw::ContrastColors& pairs = theme.colors;
        const ThemeForNextStart themed(pairs);
        UpdaterDriver updater(updaterPath());
        ASSERT_TRUE(waitForCheck(updater, 1));  // nothing installed: the update button stays disabled
        updater.movePointerToPanel(200, 5);
        const Text texts[] = {
            {"report", 19, 19, 300, 13, pairs.window, pairs.windowText},
            {"update button, disabled", 18, 122, 197, 27, pairs.buttonFace, pairs.grayText},
            {"close button", 302, 122, 104, 27, pairs.buttonFace, pairs.buttonText},
        };
        for (const Text& text : texts)
            expectStandsInItsPair(updater, text);
        updater.movePointerToPanel(300 + 20, 120 + 15);
        expectStandsInItsPair(updater, {"close button, hot", 302, 122, 104, 27, pairs.highlight, pairs.highlightText});
        updater.saveScreenshot(std::string("contrast-") + (&theme == &contrast_themes::black ? "black" : "white"));

        updater.pressKey(VK_ESCAPE);
        EXPECT_TRUE(updater.waitForExit());
    }
}
