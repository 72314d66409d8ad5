// Reading and writing components through their published properties, with small test classes
// that hold no Win32.

#include "framework/ui/description/Published.h"

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
