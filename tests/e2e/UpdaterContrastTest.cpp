// The updater under Windows' two best-known contrast themes, end to end: the theme's colours set
// before the updater starts, and the theme said to be on (ContrastThemes.h). Every text of its
// window must stand in one of the theme's pairs, at 7:1 contrast or more, as the screen shows it.

#include "UpdaterFixture.h"

#include "tests/support/ContrastThemes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

using namespace e2e;

namespace {

// WCAG's contrast ratio, from the relative luminance of either colour.
double contrastRatio(fw::TColor one, fw::TColor other)
{
    auto luminance = [](fw::TColor color) {
        double sum = 0;
        for (auto [channel, weight] : {std::pair{fw::redOf(color), 0.2126}, {fw::greenOf(color), 0.7152},
                                       {fw::blueOf(color), 0.0722}}) {
            const double value = channel / 255.0;
            sum += weight * (value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const auto [darker, lighter] = std::minmax({luminance(one), luminance(other)});  // values, not references
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
        contrast_themes::ThemeSwitch themed;
        themed.switchOn(pairs);
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
