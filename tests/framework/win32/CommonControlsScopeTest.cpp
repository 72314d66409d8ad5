// Common controls 6 inside the scope only. This test program, like the updater, leaves them out
// of its process manifest and carries them as resource 100 (tests/framework/CMakeLists.txt).

#include "framework/win32/CommonControlsScope.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Whether a load of comctl32.dll by name would be sent to the side-by-side common controls 6.
bool commonControls6Redirected()
{
    ACTCTX_SECTION_KEYED_DATA found{};
    found.cbSize = sizeof found;
    return FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, "comctl32.dll",
                                    &found) != FALSE;
}

}  // namespace

TEST(CommonControlsScope, RedirectsToCommonControls6WhileItLasts)
{
    ASSERT_TRUE(fw::CommonControlsScope::isAvailable()) << "the test program lacks its manifest resource 100";
    ASSERT_FALSE(commonControls6Redirected()) << "the process manifest already asks for common controls 6";
    {
        const fw::CommonControlsScope outer;
        EXPECT_TRUE(commonControls6Redirected());
        {
            const fw::CommonControlsScope inner;
            EXPECT_TRUE(commonControls6Redirected());
        }
        EXPECT_TRUE(commonControls6Redirected()) << "the inner scope ended the outer one";
    }
    EXPECT_FALSE(commonControls6Redirected());
}
