// The speed button on a real panel in a shown window, driven through the window's messages (mouse
// messages to the panel, characters through the message loop, the real pointer for hovering),
// with its faces read back from the panel's surface.

#include "SpeedButtonFixture.h"

namespace {

using namespace lb;
using namespace speed_button_test;
using fw::TColor;

TEST_F(LbSpeedButtonTest, ClickRunsWhileTheFaceIsPressedAndTheFacePopsUpAfterTheRelease)
{
    ProbeButton& button = *button_;
    button.onMouseDown = [&](fw::Component&, fw::MouseButton, fw::ShiftState, int, int) {
        events.push_back("down, face " + std::to_string(facePixel(button, 50, 2) == goldRow2Up));
    };
    button.onClick = [&](fw::Component&) {
        events.push_back("click, pressed face " + std::to_string(facePixel(button, 50, 2) == goldRow2Down) +
                         ", Down " + std::to_string(button.Down()));
    };
    button.onMouseUp = [&](fw::Component&, fw::MouseButton, fw::ShiftState, int, int) { events.push_back("up"); };
    press(button);
    release(button);
    EXPECT_EQ(events, (std::vector<std::string>{"down, face 1", "click, pressed face 1, Down 1", "up"}));
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(facePixel(button, 50, 2), goldRow2Up);
    // The corners outside the rounded outline show the panel.
    EXPECT_EQ(facePixel(button, 0, 0), panelColor);
    EXPECT_EQ(facePixel(button, 107, 30), panelColor);
}

TEST_F(LbSpeedButtonTest, DraggingOffAndBack)
{
    ProbeButton& button = *button_;
    pointAt(*panel_, 20, 20);
    ASSERT_TRUE(button.isPointerInside());
    // Row 1 carries the inner outline in the face colour: gold, or the hot-track colour.
    EXPECT_EQ(facePixel(button, 50, 1), goldHot) << "hot look";
    press(button);
    pointAt(*panel_, 200, 200);  // dragged off: the hot look goes, the pressed face stays
    EXPECT_FALSE(button.isPointerInside());
    EXPECT_EQ(facePixel(button, 50, 2), goldRow2Down);
    pointAt(*panel_, 30, 20);  // dragged back on before the release: hot again
    EXPECT_TRUE(button.isPointerInside());
    // The pressed face in the hot colour: what the painter makes of down, inside, level 8.
    fw::Bitmap expected(108, 31);
    LbFaceInputs hotDown;
    hotDown.width = 108;
    hotDown.height = 31;
    hotDown.fadeLevel = 8;
    hotDown.down = true;
    hotDown.pointerInside = true;
    hotDown.style = bsModern;
    hotDown.color = gold;
    hotDown.hotTrackColor = goldHot;
    hotDown.lightColor = fw::clYellow;
    hotDown.shadowColor = fw::clOlive;
    LbPaintFace(expected.canvas(), hotDown);
    for (int y = 1; y < 30; ++y)
        EXPECT_EQ(facePixel(button, 50, y), expected.pixel(50, y)) << y;
    pointAt(*panel_, 200, 200);
    send(*panel_, WM_LBUTTONUP, 200, 200);  // released outside: no click, and up again
    EXPECT_EQ(events, (std::vector<std::string>{"Button.enter", "Button.down", "Button.exit", "Button.enter",
                                                "Button.exit", "Button.up"}));
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(facePixel(button, 50, 2), goldRow2Up);
}

TEST_F(LbSpeedButtonTest, OtherButtonsAndDoubleClicks)
{
    ProbeButton& button = *button_;
    button.setDown(true);
    send(*panel_, WM_RBUTTONDOWN, 15, 15);
    EXPECT_TRUE(button.Down()) << "a right press does not press the button";
    send(*panel_, WM_RBUTTONUP, 15, 15);
    EXPECT_FALSE(button.Down()) << "but any release sets an ungrouped button up";
    EXPECT_EQ(events, (std::vector<std::string>{"Button.otherDown", "Button.up"}));

    events.clear();
    press(button);
    release(button);
    send(*panel_, WM_LBUTTONDBLCLK, 15, 15, MK_LBUTTON);
    release(button);
    EXPECT_EQ(events, (std::vector<std::string>{"Button.down", "Button.click", "Button.up", "Button.down",
                                                "Button.click", "Button.up"}));
}

TEST_F(LbSpeedButtonTest, GroupsAreExclusiveWithinOneParentOnly)
{
    ProbeButton& a = *button_;
    ProbeButton& b = makeButton(*panel_, "B", {10, 50, 108, 31});
    ProbeButton& c = makeButton(*panel_, "C", {10, 90, 108, 31});
    ProbeButton& elsewhere = makeButton(*other_, "Elsewhere", {10, 10, 108, 31});
    for (ProbeButton* button : {&a, &b, &c, &elsewhere})
        button->setGroupIndex(1);
    auto downs = [&] { return std::vector<bool>{a.Down(), b.Down(), c.Down(), elsewhere.Down()}; };

    press(elsewhere);
    release(elsewhere);
    press(a);
    release(a);
    EXPECT_EQ(downs(), (std::vector<bool>{true, false, false, true}));
    press(b);
    release(b);
    EXPECT_EQ(downs(), (std::vector<bool>{false, true, false, true}));
    press(b);  // pressing the down one again keeps it down ...
    release(b);
    EXPECT_EQ(downs(), (std::vector<bool>{false, true, false, true}));
    b.setAllowAllUp(true);  // ... unless it may go up
    press(b);
    release(b);
    EXPECT_EQ(downs(), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(facePixel(b, 50, 2), goldRow2Up);

    c.setDown(true);  // by code, too
    a.setDown(true);
    EXPECT_EQ(downs(), (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(facePixel(c, 50, 2), goldRow2Up) << "the released sibling is repainted";
}

TEST_F(LbSpeedButtonTest, AcceleratorCharacters)
{
    struct Case {
        const char* caption;
        char typed;
        bool clicks;
    };
    const Case cases[] = {
        {"&Save", 's', true},  {"&Save", 'S', true},  {"&&Save", 's', false}, {"&&Save", '&', false},
        {"&A&B", 'a', false},  {"&A&B", 'b', true},   {"Save", 's', false},   {"Sa&ve", 'v', true},
        {"&1", '1', true},     {"Save&", '&', false},
    };
    ProbeButton& button = *button_;
    for (const Case& testCase : cases) {
        SCOPED_TRACE(std::string(testCase.caption) + " / " + testCase.typed);
        button.setCaption(testCase.caption);
        events.clear();
        bool pressedDuringClick = false;
        button.onClick = [&](fw::Component&) {
            events.push_back("click");
            pressedDuringClick = button.Down() && facePixel(button, 50, 2) == goldRow2Down;
        };
        typeCharacter(testCase.typed);
        EXPECT_EQ(!events.empty(), testCase.clicks);
        EXPECT_EQ(pressedDuringClick, testCase.clicks);
        EXPECT_FALSE(button.Down());
    }
}

TEST_F(LbSpeedButtonTest, AcceleratorOfAnUpButtonInAGroupReleasesTheGroupAndEndsUp)
{
    ProbeButton& a = *button_;
    ProbeButton& b = makeButton(*panel_, "B", {10, 50, 108, 31});
    a.setGroupIndex(1);
    b.setGroupIndex(1);
    a.setDown(true);
    b.setCaption("&B");
    typeCharacter('b');
    EXPECT_EQ(std::count(events.begin(), events.end(), "B.click"), 1);
    EXPECT_FALSE(a.Down());
    EXPECT_FALSE(b.Down());
}

TEST_F(LbSpeedButtonTest, PopupMenuDropsAtTheBottomLeftCornerBeforeTheClick)
{
    ProbeButton& button = *button_;
    fw::TPopupMenu menu;
    menu.add("First", [](fw::Component&) { events.push_back("item"); });
    static RECT shown{};
    static int timerRuns = 0;
    shown = RECT{};
    timerRuns = 0;
    menu.onPopup = [](fw::Component&) {
        events.push_back("popup");
        // Runs inside the menu's own loop: note where the menu is, then close it.
        SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
            HWND window = FindWindowA("#32768", nullptr);
            if (window && IsWindowVisible(window))
                GetWindowRect(window, &shown);
            if (++timerRuns > 2 || window) {
                KillTimer(nullptr, id);
                EndMenu();
            }
        });
    };
    button.setPopupMenu(&menu);
    button.paintNow();
    // The drop-down arrow, whose top row is black, at (W - 11, H / 2 - 1).
    EXPECT_EQ(facePixel(button, 108 - 11, 31 / 2 - 1), fw::clBlack);
    press(button);
    release(button);
    const fw::Point corner = button.clientToScreen({0, 31});
    EXPECT_EQ(shown.left, corner.x);
    EXPECT_EQ(shown.top, corner.y);
    EXPECT_EQ(events, (std::vector<std::string>{"Button.down", "popup", "Button.click", "Button.up"}));
}

TEST_F(LbSpeedButtonTest, ADisabledButtonIgnoresPressHotLookAndAccelerator)
{
    ProbeButton& button = *button_;
    pointAt(*panel_, 20, 20);
    button.setEnabled(false);
    pointAt(*panel_, 200, 200);  // leaving clears the inside flag, without OnMouseExit
    EXPECT_FALSE(button.isPointerInside());
    pointAt(*panel_, 20, 20);  // entering: no hot look, no OnMouseEnter
    EXPECT_FALSE(button.isPointerInside());
    EXPECT_EQ(facePixel(button, 50, 1), gold);
    press(button);
    release(button);
    button.setCaption("&Go");
    typeCharacter('g');
    EXPECT_EQ(events, (std::vector<std::string>{"Button.enter"}));
    EXPECT_FALSE(button.Down());
}

TEST_F(LbSpeedButtonTest, WhichAssignmentsRepaint)
{
    enum Effect { Nothing, Invalidates, PaintsAtOnce, Refreshes, InvalidatesAndPaints };
    struct Case {
        const char* property;
        Effect effect;
        std::function<void(ProbeButton&)> assign;
    };
    fw::Bitmap strip(16, 16);
    const std::vector<Case> cases = {
        {"Alignment", Refreshes, [](ProbeButton& b) { b.setAlignment(taCenter); }},
        {"AllowAllUp", Nothing, [](ProbeButton& b) { b.setAllowAllUp(true); }},
        {"Caption", Invalidates, [](ProbeButton& b) { b.setCaption("x"); }},
        {"Color", Invalidates, [](ProbeButton& b) { b.setColor(fw::clRed); }},
        {"ColorWhenDown", Refreshes, [](ProbeButton& b) { b.setColorWhenDown(fw::clRed); }},
        {"ColorStyle lcsCustom", Nothing, [](ProbeButton& b) { b.setColorStyle(lcsCustom); }},
        {"ColorStyle lcsChrome", InvalidatesAndPaints, [](ProbeButton& b) { b.setColorStyle(lcsChrome); }},
        {"Down, same value", Nothing, [](ProbeButton& b) { b.setDown(false); }},
        {"Down", Refreshes, [](ProbeButton& b) { b.setDown(true); }},
        {"Enabled", Invalidates, [](ProbeButton& b) { b.setEnabled(false); }},
        {"Flat", Refreshes, [](ProbeButton& b) { b.setFlat(false); }},  // the same value repaints too
        {"Font", Invalidates, [](ProbeButton& b) { b.font().setHeight(-20); }},
        {"Glyph", Invalidates, [&](ProbeButton& b) { b.setGlyph(&strip); }},
        {"GroupIndex", Refreshes, [](ProbeButton& b) { b.setGroupIndex(3); }},
        {"HotTrackColor", Nothing, [](ProbeButton& b) { b.setHotTrackColor(fw::clRed); }},
        {"HotTrackFont", Nothing, [](ProbeButton& b) { b.HotTrackFont().setHeight(-30); }},
        {"Layout", Refreshes, [](ProbeButton& b) { b.setLayout(blGlyphTop); }},
        {"LightColor", Refreshes, [](ProbeButton& b) { b.setLightColor(fw::clRed); }},
        {"NumGlyphs", Invalidates, [](ProbeButton& b) { b.setNumGlyphs(2); }},
        {"ShadowColor", Refreshes, [](ProbeButton& b) { b.setShadowColor(fw::clRed); }},
        {"SlowDecease", Invalidates, [](ProbeButton& b) { b.setSlowDecease(false); }},
        {"Style", Invalidates, [](ProbeButton& b) { b.setStyle(bsOld); }},
        {"UseHotTrackFont", Nothing, [](ProbeButton& b) { b.setUseHotTrackFont(true); }},
        {"Visible", Invalidates, [](ProbeButton& b) { b.setVisible(false); }},
        {"WordWrap", Refreshes, [](ProbeButton& b) { b.setWordWrap(true); }},
    };
    for (const bool transparent : {false, true}) {
        for (const Case& testCase : cases) {
            SCOPED_TRACE(std::string(testCase.property) + (transparent ? ", transparent" : ", opaque"));
            ProbeButton& button = makeButton(*panel_, "Probe", {150, 150, 108, 31});
            button.setTransparent(transparent);
            UpdateWindow(panel_->handle());
            button.paints = 0;
            testCase.assign(button);
            RECT pending;
            const bool invalidated = GetUpdateRect(panel_->handle(), &pending, FALSE) != FALSE;
            const int paintedAtOnce = button.paints;
            Effect expected = testCase.effect;
            if (expected == Refreshes)
                expected = transparent ? Invalidates : PaintsAtOnce;
            EXPECT_EQ(paintedAtOnce, expected == PaintsAtOnce || expected == InvalidatesAndPaints ? 1 : 0);
            EXPECT_EQ(invalidated, expected == Invalidates || expected == InvalidatesAndPaints);
            buttons_.pop_back();
            UpdateWindow(panel_->handle());
        }
    }
}

TEST_F(LbSpeedButtonTest, GlyphGivesTheNumberOfSquareCells)
{
    ProbeButton& button = *button_;
    struct Case {
        int width;
        int height;
        int numGlyphs;
    };
    for (const Case& testCase : {Case{64, 16, 4}, Case{10, 0, 0}, Case{15, 16, 0}, Case{33, 16, 2}}) {
        fw::Bitmap strip(testCase.width, testCase.height);
        button.setGlyph(&strip);
        EXPECT_EQ(button.NumGlyphs(), testCase.numGlyphs) << testCase.width << " x " << testCase.height;
    }
    button.setGlyph(nullptr);
    EXPECT_EQ(button.NumGlyphs(), 0);
    EXPECT_TRUE(button.Glyph().isEmpty());
}

TEST_F(LbSpeedButtonTest, AnActionLendsItsImageOnlyToAButtonWithoutGlyph)
{
    fw::TImageList images(nullptr, 8, 8);
    fw::Bitmap image(8, 8);
    image.canvas().brush().setColor(fw::clWhite);  // white, the bottom-left colour, is see-through
    image.canvas().fillRect({0, 0, 8, 8});
    image.canvas().brush().setColor(fw::clBlue);
    image.canvas().fillRect({2, 2, 6, 6});
    images.add(image);
    fw::TActionList actions;
    actions.setImages(&images);
    fw::TCustomAction action;
    actions.add(action);

    struct Case {
        const char* what;
        int imageIndex;
        bool hasOwnGlyph;
        bool takesImage;
    };
    for (const Case& testCase : {Case{"image 0", 0, false, true}, Case{"index beyond the list", 1, false, false},
                                 Case{"no image", -1, false, false}, Case{"own glyph", 0, true, false}}) {
        SCOPED_TRACE(testCase.what);
        ProbeButton& button = makeButton(*panel_, "Probe", {150, 150, 108, 31});
        fw::Bitmap own(4, 4);
        if (testCase.hasOwnGlyph)
            button.setGlyph(&own);
        action.setImageIndex(testCase.imageIndex);
        button.setAction(&action);
        if (testCase.takesImage) {
            EXPECT_EQ(button.NumGlyphs(), 1);
            ASSERT_EQ(button.Glyph().width(), 8);
            EXPECT_EQ(button.Glyph().pixel(0, 0), fw::clFuchsia);
            EXPECT_EQ(button.Glyph().pixel(3, 3), fw::clBlue);
        } else {
            EXPECT_EQ(button.Glyph().width(), testCase.hasOwnGlyph ? 4 : 0);
        }
        button.setAction(nullptr);
        buttons_.pop_back();
    }
}

TEST_F(LbSpeedButtonTest, ColourPresetsCopyTheirValuesAndAreNotRecorded)
{
    ProbeButton& button = *button_;
    button.setParentColor(true);
    button.setParentFont(true);
    button.setColorStyle(lcsQuicken);
    EXPECT_EQ(button.ColorStyle(), lcsCustom);
    EXPECT_EQ(button.color(), 0x00603000u);
    EXPECT_EQ(button.font().color(), fw::clWhite);
    EXPECT_EQ(button.Style(), bsQuicken);
    EXPECT_EQ(button.ColorWhenDown(), 0x00AD6529u);
    EXPECT_FALSE(button.parentColor());
    EXPECT_FALSE(button.parentFont());

    button.setColorStyle(lcsUltraFlat2);
    EXPECT_TRUE(button.Flat());
    EXPECT_EQ(button.Style(), bsNormal);
    button.setColorStyle(lcsGold);
    EXPECT_EQ(button.color(), gold);
    EXPECT_EQ(button.HotTrackColor(), goldHot);
    EXPECT_EQ(button.LightColor(), fw::clYellow);
    EXPECT_EQ(button.ShadowColor(), fw::clOlive);
    EXPECT_EQ(button.ColorWhenDown(), fw::clNone);
    EXPECT_FALSE(button.Flat());
    EXPECT_EQ(button.Style(), bsModern);
    EXPECT_EQ(facePixel(button, 50, 2), goldRow2Up);
}

TEST_F(LbSpeedButtonTest, ModernFallsBackToNormalOnAPaletteDisplayOutsideTheDesigner)
{
    ProbeButton& button = *button_;
    button.depth = 8;
    button.setStyle(bsModern);
    EXPECT_EQ(button.Style(), bsNormal);
    button.beginLoading();
    button.setStyle(bsModern);
    button.loaded();
    EXPECT_EQ(button.Style(), bsNormal) << "also while a description is read";
    button.setColorStyle(lcsGold);
    EXPECT_EQ(button.Style(), bsModern) << "a preset keeps its face";
    button.setDesigning(true);
    button.setStyle(bsModern);
    EXPECT_EQ(button.Style(), bsModern);
    button.setDesigning(false);
    button.depth = 16;
    button.setStyle(bsModern);
    EXPECT_EQ(button.Style(), bsModern);
}

TEST_F(LbSpeedButtonTest, WithoutAParentAssignmentsThatPaintAtOnceFailAfterStoring)
{
    ProbeButton orphan(nullptr);
    orphan.setName("Orphan");
    const std::string expected = "Control 'Orphan' has no parent window";
    auto failsWith = [&](const std::function<void()>& assign) {
        try {
            assign();
        } catch (const fw::Error& error) {
            return error.what() == expected;
        }
        return false;
    };
    EXPECT_TRUE(failsWith([&] { orphan.setStyle(bsModern); }));
    EXPECT_EQ(orphan.Style(), bsNormal) << "the depth test fails before anything is stored";
    EXPECT_TRUE(failsWith([&] { orphan.setFlat(true); }));
    EXPECT_TRUE(orphan.Flat());
    EXPECT_TRUE(failsWith([&] { orphan.setColorStyle(lcsRed); }));
    EXPECT_EQ(orphan.color(), fw::clRed);
    EXPECT_TRUE(failsWith([&] { orphan.setDown(true); }));
    EXPECT_TRUE(orphan.Down());
    EXPECT_NO_THROW(orphan.setCaption("x"));  // invalidating needs no parent
    orphan.setTransparent(true);
    EXPECT_NO_THROW(orphan.setFlat(false));
    EXPECT_TRUE(failsWith([&] { orphan.setTransparent(false); }));  // paints at once again ...
    orphan.setVisible(false);  // ... unless invisible
    EXPECT_NO_THROW(orphan.setFlat(true));
    EXPECT_EQ(orphan.paints, 0);
}

// The other initial values are the defaults of the published properties, which
// LbSpeedButtonDescriptionTest proves by writing a new button without them.
TEST_F(LbSpeedButtonTest, ANewButtonTakesItsHotTrackFontFromItsFormAndItsColourFromItsParent)
{
    // Not the font that a new fw::Font has, so that a button that kept its own shows.
    const fw::Font formFont(form_->font());
    form_->font().setName("Arial");
    form_->font().setHeight(-15);
    ProbeButton button(form_);
    form_->font().assign(formFont);
    EXPECT_EQ(button.HotTrackFont().name(), "Arial");
    EXPECT_EQ(button.HotTrackFont().height(), -15);
    EXPECT_TRUE(button.parentColor());
    EXPECT_TRUE(button.parentFont());
    button.setParent(panel_.get());
    EXPECT_EQ(button.color(), panelColor) << "placed, it takes the parent's colour";
}

}  // namespace
