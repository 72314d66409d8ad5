// The inputs of a speed button's face: the font its caption is drawn in.

#include "buttons/LbSpeedButtonFace.h"

#include "SpeedButtonFixture.h"

namespace {

using namespace lb;
using namespace speed_button_test;

class LbSpeedButtonFaceTest : public LbSpeedButtonTest {};

TEST_F(LbSpeedButtonFaceTest, CaptionFontFollowsThePointerAndHasHardEdgesOverTheKeyColour)
{
    ProbeButton& button = *button_;
    button.font().setName("Arial");
    button.HotTrackFont().setName("Courier New");
    const fw::Font* const copy = nullptr;  // a copy that is never smoothed, or the key colour would fringe it
    struct Case {
        const char* what;
        bool isInside, usesHotTrackFont, isTransparent;
        TLbSpeedButtonStyle style;
        const fw::Font* font;
        const char* fontName;
    };
    const Case cases[] = {
        {"outside", false, true, false, bsModern, &button.font(), "Arial"},
        {"inside", true, true, false, bsModern, &button.HotTrackFont(), "Courier New"},
        {"inside, without UseHotTrackFont", true, false, false, bsModern, &button.font(), "Arial"},
        {"inside, transparent", true, true, true, bsModern, copy, "Courier New"},
        {"outside, shape", false, true, false, bsShape, copy, "Arial"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.what);
        button.setUseHotTrackFont(testCase.usesHotTrackFont);
        button.setStyle(testCase.style);
        button.setTransparent(testCase.isTransparent);
        button.perform(testCase.isInside ? fw::message::mouseEnter : fw::message::mouseLeave);
        const LbSpeedButtonFace face(button);
        ASSERT_NE(face.inputs().font, nullptr);
        EXPECT_EQ(face.inputs().font->name(), testCase.fontName);
        if (testCase.font != copy)
            EXPECT_EQ(face.inputs().font, testCase.font);
        else
            EXPECT_EQ(face.inputs().font->quality(), fw::FontQuality::NonAntialiased);
    }
    EXPECT_EQ(button.font().quality(), fw::FontQuality::Default) << "the button's own fonts are left as they are";
    EXPECT_EQ(button.HotTrackFont().quality(), fw::FontQuality::Default);
}

}  // namespace
