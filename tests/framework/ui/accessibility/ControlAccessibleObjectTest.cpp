// What a control's accessible object does not offer (value, help, selecting): refused about the
// control itself, and alike when asked through the panel's object; rejected for any child id;
// failed once the object is cut off. Every output comes back empty on every path.

#include "../controls/ControlTestSupport.h"
#include "tests/AccessibleClient.h"

#include <gtest/gtest.h>

#include <utility>

using namespace accessible_client;
using ControlAccessibleObject = test_support::ControlHostTest;

namespace {

enum class Question { Value, Help, HelpTopic, Select };

wchar_t junk[] = L"junk";  // what the outputs hold before the call; never freed

// The answer, and whether the object emptied every output that was filled with junk.
std::pair<HRESULT, bool> ask(IAccessible& object, Question question, long childId)
{
    const VARIANT child = childVariant(childId);
    BSTR text = junk;
    long topic = 0;
    HRESULT result = E_UNEXPECTED;
    switch (question) {
    case Question::Value:
        result = object.get_accValue(child, &text);
        break;
    case Question::Help:
        result = object.get_accHelp(child, &text);
        break;
    case Question::HelpTopic:
        topic = 9;
        result = object.get_accHelpTopic(&text, child, &topic);
        break;
    case Question::Select:
        text = nullptr;
        result = object.accSelect(SELFLAG_TAKEFOCUS, child);
        break;
    }
    return {result, text == nullptr && topic == 0};
}

}  // namespace

TEST_F(ControlAccessibleObject, ValueHelpAndSelectingAreNotOffered)
{
    const ComApartment apartment;
    const fw::ComPtr<IAccessible> panel = objectFromWindow(panel_->handle());
    ASSERT_TRUE(panel);
    VARIANT found;
    VariantInit(&found);
    ASSERT_EQ(panel->get_accChild(childVariant(1), &found.pdispVal), S_OK);
    found.vt = VT_DISPATCH;
    const Element first = elementOf(panel.get(), found);
    ASSERT_TRUE(first.object);

    const Question questions[] = {Question::Value, Question::Help, Question::HelpTopic, Question::Select};
    for (const Question question : questions) {
        SCOPED_TRACE(static_cast<int>(question));
        EXPECT_EQ(ask(*first.object.get(), question, CHILDID_SELF), std::pair(DISP_E_MEMBERNOTFOUND, true));
        EXPECT_EQ(ask(*first.object.get(), question, 1), std::pair(E_INVALIDARG, true));
        EXPECT_EQ(ask(*panel.get(), question, 1), std::pair(DISP_E_MEMBERNOTFOUND, true));
    }
    first_->setParent(nullptr);  // cuts the object off
    for (const Question question : questions)
        EXPECT_EQ(ask(*first.object.get(), question, CHILDID_SELF), std::pair(CO_E_OBJNOTCONNECTED, true));
}
