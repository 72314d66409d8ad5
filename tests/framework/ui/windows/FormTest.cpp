// The form's own behaviour, on a real window.

#include "framework/ui/windows/Form.h"

#include "framework/core/Error.h"

#include <gtest/gtest.h>
#include <windows.h>

// A failure while the main form was being shown (its timer could not be created, say) once left
// it hidden behind the error display: a process with no window, which nobody could close.
TEST(FormTest, AFailingShowHandlerStillShowsTheWindowAndPassesTheErrorOn)
{
    fw::Form::CreateArgs args;
    args.className = "FormShowTestForm";
    fw::Form form(args);
    form.onShow = [] { throw fw::Win32Error("SetTimer", ERROR_NOT_ENOUGH_MEMORY); };
    ASSERT_FALSE(IsWindowVisible(form.handle()));

    EXPECT_THROW(form.show(), fw::Win32Error);
    EXPECT_TRUE(IsWindowVisible(form.handle()));
}
