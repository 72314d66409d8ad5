// The speed button in window descriptions: every property written and read back, defaults left
// out, presets written as their colours, and nothing painted while a description is read.

#include "SpeedButtonFixture.h"

#include "framework/ui/description/FrameworkProperties.h"

namespace {

using namespace lb;
using namespace speed_button_test;

// A panel of the shared window serves as the root of the descriptions read here.
class RootPanel : public fw::Panel {
public:
    using Panel::Panel;
};

class DescriptionTest : public LbSpeedButtonTest {
protected:
    DescriptionTest()
    {
        fw::registerFrameworkClasses(classes_);
        classes_.add(TLbSpeedButton::classInfo());
        classes_.add(fw::ClassInfo{"TRootPanel", typeid(RootPanel), {}, {}});
        for (const char* name : {"Clicked", "Entered", "Left"})
            handlers_.add(name, fw::NotifyEvent([](fw::Component&) {}));
        for (const char* name : {"Pressed", "Released"})
            handlers_.add(name, fw::MouseEvent([](fw::Component&, fw::MouseButton, fw::ShiftState, int, int) {}));
        handlers_.add("Moved", fw::MouseMoveEvent([](fw::Component&, fw::ShiftState, int, int) {}));
    }

    std::unique_ptr<RootPanel> read(const std::string& text)
    {
        auto root = std::make_unique<RootPanel>(form_->handle(), fw::Rect{0, 0, 290, 300}, panelColor, form_->font());
        fw::ReadContext context(classes_, handlers_);
        fw::readDescription(*root, text, context);
        return root;
    }
    std::string write(const fw::Component& root) { return fw::writeDescription(fw::describe(root, classes_)); }

    fw::ClassRegistry classes_;
    fw::HandlerRegistry handlers_;
};

TEST_F(DescriptionTest, EveryPropertyOffItsDefaultIsWrittenInDeclarationOrderAndReadBack)
{
    const std::string text = R"(object Root: TRootPanel
  object B: TLbSpeedButton
    Left = 5
    Top = 6
    Width = 120
    Height = 30
    Cursor = crHandPoint
    Hint = 'Saves it all'
    HelpType = htKeyword
    HelpKeyword = 'save'
    HelpContext = 7
    Action = Action1
    Align = alTop
    Alignment = taRightJustify
    AllowAllUp = True
    Anchors = [akLeft, akTop, akRight]
    Caption = '&Save'
    Color = clYellow
    ColorWhenDown = 192
    Down = True
    Enabled = False
    Flat = True
    Font.Charset = ANSI_CHARSET
    Font.Color = clRed
    Font.Height = -13
    Font.Name = 'Arial'
    Font.Style = [fsBold, fsItalic]
    Glyph = 'LBARROW'
    GroupIndex = 2
    HotTrackColor = clAqua
    HotTrackFont.Charset = DEFAULT_CHARSET
    HotTrackFont.Color = clBlue
    HotTrackFont.Height = -12
    HotTrackFont.Name = 'Courier New'
    HotTrackFont.Style = [fsUnderline]
    Layout = blGlyphBottom
    LightColor = clSilver
    NumGlyphs = 3
    ParentColor = False
    ParentFont = False
    ParentShowHint = False
    PopupMenu = PopupMenu1
    ShadowColor = clNavy
    ShowHint = True
    SlowDecease = True
    Style = bsOld
    Transparent = True
    UseHotTrackFont = True
    Visible = False
    WordWrap = True
    OnClick = Clicked
    OnMouseDown = Pressed
    OnMouseEnter = Entered
    OnMouseExit = Left
    OnMouseMove = Moved
    OnMouseUp = Released
  end
  object PopupMenu1: TPopupMenu
  end
  object Action1: TAction
    Caption = 'Act'
  end
end
)";
    const auto root = read(text);
    auto* button = dynamic_cast<TLbSpeedButton*>(root->findComponent("B"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->caption(), "&Save") << "a value of its own is kept when its action is linked while loading";
    EXPECT_EQ(button->Glyph().width(), 5);
    EXPECT_NE(button->fadeThread(), nullptr);
    EXPECT_TRUE(button->fadeThread()->isSuspended()) << "the fade worker waits for the first leave";
    EXPECT_EQ(write(*root), text);
}

TEST_F(DescriptionTest, DefaultsParentColourAndFontAndPresetsAreLeftOut)
{
    const auto root = read("object Root: TRootPanel\n"
                           "  object Plain: TLbSpeedButton\n"
                           "  end\n"
                           "  object Preset: TLbSpeedButton\n"
                           "    ColorStyle = lcsGold\n"
                           "  end\n"
                           "end\n");
    const std::string written = write(*root);
    const std::string hotTrackFont = "    HotTrackFont.Charset = DEFAULT_CHARSET\n"
                                     "    HotTrackFont.Color = clWindowText\n"
                                     "    HotTrackFont.Height = -11\n"
                                     "    HotTrackFont.Name = 'MS Sans Serif'\n"
                                     "    HotTrackFont.Style = []\n";
    EXPECT_EQ(written, "object Root: TRootPanel\n"
                       "  object Plain: TLbSpeedButton\n"
                       "    Left = 0\n    Top = 0\n    Width = 100\n    Height = 23\n" +
                           hotTrackFont +
                           "  end\n"
                           "  object Preset: TLbSpeedButton\n"
                           "    Left = 0\n    Top = 0\n    Width = 100\n    Height = 23\n"
                           "    Color = 49344\n"
                           // The preset's black caption replaces the parent's window-text colour.
                           "    Font.Charset = DEFAULT_CHARSET\n"
                           "    Font.Color = clBlack\n"
                           "    Font.Height = -11\n"
                           "    Font.Name = 'MS Sans Serif'\n"
                           "    Font.Style = []\n"
                           "    HotTrackColor = 57311\n" +
                           hotTrackFont +
                           "    LightColor = clYellow\n"
                           "    ParentColor = False\n"
                           "    ParentFont = False\n"
                           "    ShadowColor = clOlive\n"
                           "    Style = bsModern\n"
                           "  end\n"
                           "end\n");
}

TEST_F(DescriptionTest, AnchorsAndShowHintAreWrittenByTheirOwnRules)
{
    struct Case {
        const char* given;
        const char* property;
        const char* written;  // null: left out
    };
    const Case cases[] = {
        // Anchors default to [akLeft, akTop]: no anchor at all is not the default.
        {"Anchors = []", "Anchors", "    Anchors = []\n"},
        {"Anchors = [akTop, akLeft]", "Anchors", nullptr},
        // ShowHint has no default: written whenever it is not the parent's, False too.
        {"ShowHint = False", "ShowHint", "    ShowHint = False\n"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.given);
        const auto root = read(std::string("object Root: TRootPanel\n  object B: TLbSpeedButton\n    ") +
                               testCase.given + "\n  end\nend\n");
        const std::string written = write(*root);
        if (testCase.written)
            EXPECT_NE(written.find(testCase.written), std::string::npos) << written;
        else
            EXPECT_EQ(written.find(std::string(" ") + testCase.property + " = "), std::string::npos) << written;
    }
}

TEST_F(DescriptionTest, NothingIsPaintedWhileReadingAndTheDepthFallbackStillHolds)
{
    // Buttons made by this reader sit on a display of 256 colours.
    fw::ClassInfo probe = TLbSpeedButton::classInfo();
    probe.type = typeid(ProbeButton);
    probe.create = [](fw::Component& owner, fw::Component& parent) -> std::unique_ptr<fw::Component> {
        auto made = std::make_unique<ProbeButton>(&owner);
        made->depth = 8;
        made->setParent(&dynamic_cast<fw::Panel&>(parent));
        return made;
    };
    classes_.add(probe);
    const auto root = read("object Root: TRootPanel\n"
                           "  object B: TLbSpeedButton\n"
                           "    Caption = 'Gold'\n"
                           "    ColorStyle = lcsGold\n"
                           "    Flat = True\n"
                           "    Style = bsModern\n"
                           "  end\n"
                           "end\n");
    auto* button = dynamic_cast<ProbeButton*>(root->findComponent("B"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->paints, 0) << "painted while loading";
    EXPECT_FALSE(button->isLoading());
    EXPECT_EQ(button->Style(), bsNormal);
    UpdateWindow(root->handle());
    EXPECT_EQ(button->paints, 1) << "painted once, complete, after loading";
}

TEST_F(DescriptionTest, AMissingGlyphResourceNamesItsLine)
{
    try {
        read("object Root: TRootPanel\n  object B: TLbSpeedButton\n    Glyph = 'NOGLYPH'\n  end\nend\n");
        FAIL() << "read";
    } catch (const fw::DescriptionError& error) {
        EXPECT_STREQ(error.what(), "Line 3: Glyph: Resource NOGLYPH not found");
    }
}

}  // namespace
