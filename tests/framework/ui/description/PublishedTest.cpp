// Reading and writing components through their published properties, with small test classes
// that hold no Win32.

#include "framework/ui/description/PublishedProperties.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace fw;

enum class Shape { Round, Square, Star };

class Widget : public Component {
public:
    Widget(Component* owner, Component* parent) : Component(owner), parent_(parent) {}
    Component* parentComponent() const override { return parent_; }

    int size() const { return size_; }
    void setSize(int size)
    {
        size_ = size;
        setWhileLoading_ = setWhileLoading_ || isLoading();
    }
    bool isActive() const { return active_; }
    void setActive(bool active) { active_ = active; }
    Shape shape() const { return shape_; }
    void setShape(Shape shape) { shape_ = shape; }
    TColor tint() const { return tint_; }
    void setTint(TColor tint) { tint_ = tint; }
    const std::string& label() const { return label_; }
    void setLabel(const std::string& label) { label_ = label; }
    Widget* partner() const { return partner_; }
    void setPartner(Widget* partner) { partner_ = partner; }

    NotifyEvent onPoke;
    bool setWhileLoading_ = false;

private:
    Component* parent_;
    int size_ = 10;
    bool active_ = false;
    Shape shape_ = Shape::Round;
    TColor tint_ = clWindow;
    std::string label_;
    Widget* partner_ = nullptr;
};

class Root : public Component {};

struct Marks {
    bool first = false;
    bool second = false;
    bool third = false;
    friend bool operator==(const Marks&, const Marks&) = default;
};

// Like anchors: some members are on by default.
struct Corners {
    bool topLeft = true;
    bool bottomRight = false;
    friend bool operator==(const Corners&, const Corners&) = default;
};

// Properties whose writing depends on more than a default.
class Patch : public Component {
public:
    using Component::Component;
    int left = 0;
    bool isOwnTint = false;
    TColor tint = clWindow;
    Marks marks;
    Corners corners;
};

std::vector<PropertyInfo> patchProperties()
{
    const FlagSetType<Marks> markSet = {
        "TMarks", "marks", "a mark",
        {{&Marks::first, "mkFirst"}, {&Marks::second, "mkSecond"}, {&Marks::third, "mkThird"}}};
    const FlagSetType<Corners> cornerSet = {
        "TCorners", "corners", "a corner",
        {{&Corners::topLeft, "cnTopLeft"}, {&Corners::bottomRight, "cnBottomRight"}}};
    return {
        integerProperty<Patch>("Left", noDefault, [](const Patch& p) { return p.left; },
                               [](Patch& p, int v) { p.left = v; }),
        booleanProperty<Patch>("OwnTint", false, [](const Patch& p) { return p.isOwnTint; },
                               [](Patch& p, bool v) { p.isOwnTint = v; }),
        colorProperty<Patch>("Tint", {clWindow, [](const Patch& p) { return p.isOwnTint; }},
                             [](const Patch& p) { return p.tint; }, [](Patch& p, TColor v) { p.tint = v; }),
        // No default: written whenever stored, even with no member on.
        flagSetProperty<Patch, Marks>("Marks", markSet, noDefault, [](const Patch& p) { return p.marks; },
                                      [](Patch& p, Marks v) { p.marks = v; }),
        flagSetProperty<Patch, Corners>("Corners", cornerSet, Corners{}, [](const Patch& p) { return p.corners; },
                                        [](Patch& p, Corners v) { p.corners = v; }),
    };
}

ClassRegistry makeClasses()
{
    ClassRegistry classes;
    ClassInfo widget{"TWidget", typeid(Widget), [](Component& owner, Component& parent) {
                         return std::make_unique<Widget>(&owner, &parent == &owner ? nullptr : &parent);
                     }, {}};
    widget.properties = {
        integerProperty<Widget>("Size", 10, &Widget::size, &Widget::setSize),
        booleanProperty<Widget>("Active", false, &Widget::isActive, &Widget::setActive),
        enumProperty<Widget, Shape>("Shape", "TShape",
                                    {{Shape::Round, "shRound"}, {Shape::Square, "shSquare"}, {Shape::Star, "shStar"}},
                                    Shape::Round, &Widget::shape, &Widget::setShape),
        colorProperty<Widget>("Tint", clWindow, &Widget::tint, &Widget::setTint),
        stringProperty<Widget>("Label", &Widget::label, &Widget::setLabel),
        referenceProperty<Widget, Widget>("Partner", "TWidget", &Widget::partner, &Widget::setPartner),
        eventProperty<Widget>("OnPoke", &Widget::onPoke),
    };
    classes.add(std::move(widget));
    classes.add(ClassInfo{"TRoot", typeid(Root), {}, {}});
    classes.add(ClassInfo{"TPatch", typeid(Patch),
                          [](Component& owner, Component&) { return std::make_unique<Patch>(&owner); },
                          patchProperties()});
    return classes;
}

class PublishedTest : public ::testing::Test {
protected:
    PublishedTest() : classes_(makeClasses())
    {
        handlers_.add("Poked", NotifyEvent([this](Component&) { ++pokes_; }));
        handlers_.add("NotANotification", std::function<void(int)>([](int) {}));
    }
    void read(Root& root, const std::string& text)
    {
        ReadContext context(classes_, handlers_);
        readDescription(root, text, context);
    }

    ClassRegistry classes_;
    HandlerRegistry handlers_;
    int pokes_ = 0;
};

TEST_F(PublishedTest, EveryPropertyOffItsDefaultSurvivesARoundTripAndDefaultsAreLeftOut)
{
    const std::string text = "object Root1: TRoot\n"
                             "  object Outer: TWidget\n"
                             "    Size = -3\n"
                             "    Active = True\n"
                             "    Shape = shStar\n"
                             "    Tint = 49344\n"
                             "    Label = 'Gold ''one'''\n"
                             "    Partner = Inner\n"
                             "    OnPoke = Poked\n"
                             "    object Inner: TWidget\n"
                             "      Tint = clYellow\n"
                             "    end\n"
                             "  end\n"
                             "  object Plain: TWidget\n"
                             "  end\n"
                             "end\n";
    Root root;
    read(root, text);
    auto* outer = dynamic_cast<Widget*>(root.findComponent("Outer"));
    auto* inner = dynamic_cast<Widget*>(root.findComponent("Inner"));
    ASSERT_TRUE(outer && inner);
    EXPECT_EQ(outer->partner(), inner) << "a reference to a component read later";
    EXPECT_EQ(inner->parentComponent(), outer);
    EXPECT_EQ(outer->tint(), 49344u);
    outer->onPoke(*outer);
    EXPECT_EQ(pokes_, 1);
    EXPECT_EQ(writeDescription(describe(root, classes_)), text);

    Root again;
    read(again, writeDescription(describe(root, classes_)));
    EXPECT_EQ(writeDescription(describe(again, classes_)), text);
}

TEST_F(PublishedTest, ValuesAreLeftOutAtTheirDefaultOrWhileNotTheComponentsOwn)
{
    struct Case {
        const char* given;
        const char* written;
    };
    const Case cases[] = {
        {"", "Left = 0\nMarks = []\n"},
        {"Left = 7\n", "Left = 7\nMarks = []\n"},
        {"Tint = clRed\n", "Left = 0\nMarks = []\n"},
        {"OwnTint = True\nTint = clWindow\n", "Left = 0\nOwnTint = True\nMarks = []\n"},
        {"OwnTint = True\nTint = clRed\n", "Left = 0\nOwnTint = True\nTint = clRed\nMarks = []\n"},
        {"Marks = [ mkThird ,mkFirst, mkFirst ]\n", "Left = 0\nMarks = [mkFirst, mkThird]\n"},
        {"Corners = []\n", "Left = 0\nMarks = []\nCorners = []\n"},
        {"Corners = [cnTopLeft]\n", "Left = 0\nMarks = []\n"},
        {"Corners = [cnBottomRight]\n", "Left = 0\nMarks = []\nCorners = [cnBottomRight]\n"},
    };
    const auto object = [](const std::string& properties) {
        std::string text = "object R: TRoot\n  object P: TPatch\n";
        for (std::size_t start = 0; start < properties.size();) {
            const std::size_t end = properties.find('\n', start) + 1;
            text += "    " + properties.substr(start, end - start);
            start = end;
        }
        return text + "  end\nend\n";
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.given);
        Root root;
        read(root, object(testCase.given));
        EXPECT_EQ(writeDescription(describe(root, classes_)), object(testCase.written));
    }
}

TEST_F(PublishedTest, ComponentsAreLoadingWhileReadAndLeaveTheStateTogether)
{
    Root root;
    read(root, "object R: TRoot\n  object A: TWidget\n    Size = 4\n  end\nend\n");
    auto* widget = dynamic_cast<Widget*>(root.findComponent("A"));
    ASSERT_TRUE(widget);
    EXPECT_TRUE(widget->setWhileLoading_);
    EXPECT_FALSE(widget->isLoading());
    EXPECT_FALSE(root.isLoading());
}

TEST_F(PublishedTest, BadDescriptionsNameLinePropertyAndProblemAndLeaveNothingBehind)
{
    struct Case {
        std::string body;
        const char* message;
    };
    const Case cases[] = {
        {"  object A: TGadget\n  end\n", "Line 2: unknown class TGadget"},
        {"  object A: TWidget\n    Colour = 5\n  end\n", "Line 3: TWidget has no property Colour"},
        {"  object A: TWidget\n    Size = 'ten'\n  end\n", "Line 3: Size: an integer expected, found 'ten'"},
        {"  object A: TWidget\n    Size = 3000000000\n  end\n", "Line 3: Size: 3000000000 is out of range"},
        {"  object A: TWidget\n    Active = Yes\n  end\n", "Line 3: Active: True or False expected, found Yes"},
        {"  object A: TWidget\n    Shape = shOval\n  end\n", "Line 3: Shape: shOval is not a value of TShape"},
        {"  object A: TWidget\n    Tint = clPink\n  end\n", "Line 3: Tint: clPink is not a colour name"},
        {"  object A: TWidget\n    Tint = 5000000000\n  end\n", "Line 3: Tint: 5000000000 is out of range for a colour"},
        {"  object A: TWidget\n    Label = Gold\n  end\n", "Line 3: Label: a string in quotes expected, found Gold"},
        {"  object A: TWidget\n    OnPoke = Missing\n  end\n", "Line 3: OnPoke: there is no handler named Missing"},
        {"  object A: TWidget\n    OnPoke = NotANotification\n  end\n",
         "Line 3: OnPoke: the handler NotANotification does not fit this event"},
        {"  object A: TWidget\n    Partner = Nobody\n  end\n", "Line 3: Partner: there is no component named Nobody"},
        {"  object A: TWidget\n    Partner = Outer\n  end\n  object Outer: TPatch\n  end\n",
         "Line 3: Partner: Outer is not a TWidget"},
        {"  object A: TPatch\n    Marks = [mkFirst, mkFourth]\n  end\n", "Line 3: Marks: mkFourth is not a mark"},
        {"  object A: TPatch\n    Marks = mkFirst\n  end\n", "Line 3: Marks: a set of marks expected, found mkFirst"},
        {"  object A: TWidget\n  end\n  object A: TWidget\n  end\n", "Line 4: a component named A exists already"},
        {"  object A: TWidget\n  end\n  object B: TWidget\n", "Line 5: 'end' of object R (line 1) is missing"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.body);
        Root root;
        try {
            read(root, "object R: TRoot\n" + testCase.body + "end\n");
            ADD_FAILURE() << "accepted";
        } catch (const DescriptionError& error) {
            EXPECT_STREQ(error.what(), testCase.message);
        }
        EXPECT_TRUE(root.components().empty()) << "a half-built component was left";
        EXPECT_FALSE(root.isLoading());
    }
    Root root;
    EXPECT_THROW(read(root, "object R: TWidget\nend\n"), DescriptionError) << "a description of another class";
}

}  // namespace
