// What a window-less control takes from its host: colour and font of the parent, its name and
// caption, painting at once, typed characters, and linked actions.

#include "ControlTestSupport.h"

#include "framework/core/Error.h"
#include "framework/ui/model/Action.h"

#include <gtest/gtest.h>

using test_support::events;
using test_support::RecordingControl;
using ControlHost = test_support::ControlHostTest;

TEST_F(ControlHost, ColourAndFontFollowTheParentUntilAssigned)
{
    EXPECT_EQ(first_->color(), fw::clWhite);
    EXPECT_EQ(first_->font().name(), form_->font().name());
    panel_->setColor(fw::clYellow);
    fw::Font bigger(panel_->font());
    bigger.setHeight(-20);
    panel_->setFont(bigger);
    EXPECT_EQ(first_->color(), fw::clYellow);
    EXPECT_EQ(first_->font().height(), -20);
    EXPECT_TRUE(first_->parentColor());
    EXPECT_TRUE(first_->parentFont());

    first_->setColor(fw::clRed);
    first_->font().setBold(true);
    EXPECT_FALSE(first_->parentColor());
    EXPECT_FALSE(first_->parentFont());
    panel_->setColor(fw::clBlue);
    bigger.setHeight(-30);
    panel_->setFont(bigger);
    EXPECT_EQ(first_->color(), fw::clRed);
    EXPECT_EQ(first_->font().height(), -20);

    first_->setParentColor(true);
    EXPECT_EQ(first_->color(), fw::clBlue);
}

TEST_F(ControlHost, AssignmentsThatInvalidateRepaintOnlyThatControl)
{
    const std::vector<std::function<void()>> assignments = {
        [&] { first_->setCaption("x"); },       [&] { first_->setColor(fw::clRed); },
        [&] { first_->font().setHeight(-20); }, [&] { first_->setEnabled(false); },
        [&] { first_->setVisible(true); },      [&] { first_->setBounds({12, 10, 100, 30}); },
    };
    for (std::size_t index = 0; index < assignments.size(); ++index) {
        UpdateWindow(panel_->handle());
        events.clear();
        assignments[index]();
        EXPECT_TRUE(events.empty()) << index << ": painted at once";
        UpdateWindow(panel_->handle());
        const std::vector<std::string> expected = index == 4 ? std::vector<std::string>{}
                                                             : std::vector<std::string>{"first.paint"};
        EXPECT_EQ(events, expected) << index;  // an unchanged Visible does not repaint
    }
}

TEST_F(ControlHost, ACaptionEqualToTheNameFollowsARenameOutsideLoading)
{
    first_->setCaption("first");
    first_->setName("renamed");
    EXPECT_EQ(first_->caption(), "renamed");
    first_->setCaption("Text");
    first_->setName("again");
    EXPECT_EQ(first_->caption(), "Text");

    first_->setCaption("again");
    first_->beginLoading();
    first_->setName("loaded");
    first_->loaded();
    EXPECT_EQ(first_->caption(), "again");
}

TEST_F(ControlHost, WithoutAParentPaintingAtOnceFailsAndInvalidatingDoesNothing)
{
    RecordingControl orphan(*panel_, {0, 0, 10, 10}, "Orphan");
    orphan.setParent(nullptr);
    ValidateRect(panel_->handle(), nullptr);  // the removal's own repaint
    orphan.invalidate();
    EXPECT_FALSE(GetUpdateRect(panel_->handle(), nullptr, FALSE)) << "the panel it left was asked to repaint";
    try {
        orphan.paintNow();
        FAIL() << "painted without a parent";
    } catch (const fw::Error& error) {
        EXPECT_STREQ(error.what(), "Control 'Orphan' has no parent window");
    }
    orphan.setVisible(false);
    EXPECT_NO_THROW(orphan.paintNow()) << "an invisible control paints nothing, so needs no parent";
    EXPECT_THROW(orphan.colorDepth(), fw::Error);
    EXPECT_EQ(std::count(events.begin(), events.end(), "Orphan.paint"), 0);
}

TEST_F(ControlHost, PaintingAtOnceDrawsWithoutWaitingForTheParent)
{
    first_->paintNow();
    EXPECT_EQ(events, std::vector<std::string>{"first.paint"});
    EXPECT_GE(first_->colorDepth(), 1);
}

TEST_F(ControlHost, TypedCharactersAreOfferedToTheControlsUntilOneUsesThem)
{
    SetFocus(form_->handle());
    PostMessageA(form_->handle(), WM_CHAR, 'k', 0);
    settle();
    second_->dialogCharResult = 1;
    PostMessageA(form_->handle(), WM_SYSCHAR, 'm', 0);
    settle();
    first_->dialogCharResult = 1;
    PostMessageA(form_->handle(), WM_CHAR, 'n', 0);
    settle();
    EXPECT_EQ(events, (std::vector<std::string>{"first.char(k)", "second.char(k)", "first.char(m)",
                                                "second.char(m)", "first.char(n)"}));
}

TEST_F(ControlHost, AnActionRunsInsteadOfOnClickAndLendsItsValues)
{
    fw::TCustomAction action;
    action.setCaption("&Go");
    action.setHint("Goes");
    int executed = 0;
    action.onExecute = [&](fw::Component& sender) {
        EXPECT_EQ(&sender, &action);
        ++executed;
    };
    int clicked = 0;
    first_->onClick = [&](fw::Component&) { ++clicked; };
    first_->setCaption("Own");
    first_->setAction(&action);
    EXPECT_EQ(first_->caption(), "&Go");  // outside loading every value is taken
    EXPECT_EQ(first_->hint(), "Goes");
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(clicked, 0);

    action.setEnabled(false);  // a change reaches the linked control
    EXPECT_FALSE(first_->isEnabled());
    action.setVisible(false);
    EXPECT_FALSE(first_->isVisible());

    first_->setAction(nullptr);
    first_->onClick = [&](fw::Component&) { ++clicked; };
    first_->setEnabled(true);
    first_->setVisible(true);
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(executed, 1);
}

TEST_F(ControlHost, AnActionLinkedWhileLoadingFillsInOnlyWhatIsStillDefault)
{
    int actionRuns = 0;
    struct Case {
        const char* what;
        std::function<void(RecordingControl&)> setOwnValue;
        bool ownValueCountsAsDefault;
        std::function<bool(RecordingControl&)> showsTheAction;
    };
    const std::vector<Case> cases = {
        {"caption", [](RecordingControl& c) { c.setCaption("Own"); }, false,
         [](RecordingControl& c) { return c.caption() == "Act"; }},
        {"caption equal to the name", [](RecordingControl& c) { c.setCaption(c.name()); }, true,
         [](RecordingControl& c) { return c.caption() == "Act"; }},
        {"enabled", [](RecordingControl& c) { c.setEnabled(false); }, false,
         [](RecordingControl& c) { return c.isEnabled(); }},
        {"hint", [](RecordingControl& c) { c.setHint("Own"); }, false,
         [](RecordingControl& c) { return c.hint() == "Act hint"; }},
        {"visible", [](RecordingControl& c) { c.setVisible(false); }, false,
         [](RecordingControl& c) { return c.isVisible(); }},
        {"click handler", [](RecordingControl& c) { c.onClick = [](fw::Component&) {}; }, false,
         [&](RecordingControl& c) {
             const int before = actionRuns;
             c.onClick(c);
             return actionRuns == before + 1;
         }},
    };
    for (const Case& testCase : cases) {
        for (const bool actionIsLoading : {true, false}) {
            for (const bool hasOwnValue : {false, true}) {
                SCOPED_TRACE(std::string(testCase.what) + (hasOwnValue ? ", own value" : ", default") +
                             (actionIsLoading ? ", loading" : ""));
                RecordingControl control(*panel_, {0, 100, 10, 10}, "Probe");
                control.setCaption("");
                if (hasOwnValue)
                    testCase.setOwnValue(control);
                fw::TCustomAction action;
                action.setCaption("Act");
                action.setHint("Act hint");
                action.onExecute = [&](fw::Component&) { ++actionRuns; };
                if (actionIsLoading)
                    action.beginLoading();
                control.setAction(&action);
                const bool keepsOwnValue = actionIsLoading && hasOwnValue && !testCase.ownValueCountsAsDefault;
                EXPECT_EQ(testCase.showsTheAction(control), !keepsOwnValue);
            }
        }
    }
}

TEST_F(ControlHost, EachBoundsSetterKeepsTheRest)
{
    test_support::expectEachBoundsSetterKeepsTheRest(*first_, [&] { return first_->bounds(); });
}

TEST_F(ControlHost, ARelinkedOrFreedControlNoLongerHearsItsOldAction)
{
    fw::TCustomAction old;
    fw::TCustomAction current;
    first_->setAction(&old);
    first_->setAction(&current);
    old.setCaption("Old");
    EXPECT_EQ(first_->caption(), "");
    current.setCaption("Current");
    EXPECT_EQ(first_->caption(), "Current");
    first_.reset();
    current.setCaption("After");  // would reach the freed control if it were still linked
}

TEST_F(ControlHost, AFreedActionUnlinksItself)
{
    auto action = std::make_unique<fw::TCustomAction>();
    first_->setAction(action.get());
    action.reset();
    EXPECT_EQ(first_->action(), nullptr);
    first_->onClick = [](fw::Component&) { events.push_back("clicked"); };
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_NE(std::find(events.begin(), events.end(), "clicked"), events.end());
}
