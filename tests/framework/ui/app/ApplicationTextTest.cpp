#include "framework/ui/app/ApplicationText.h"

#include <gtest/gtest.h>

TEST(ApplicationTitle, IsFileNameCutAtFirstPointWithTailInLowerCase)
{
    EXPECT_EQ(fw::applicationTitleFromPath("C:\\Tools\\UpdateTool.exe"), "Updatetool");
    EXPECT_EQ(fw::applicationTitleFromPath("Z:\\build\\UpVelmora.exe"), "Upvelmora");
    EXPECT_EQ(fw::applicationTitleFromPath("C:\\a.b\\My.Setup.EXE"), "My");
    EXPECT_EQ(fw::applicationTitleFromPath("/unix/style/TOOL"), "Tool");
    EXPECT_EQ(fw::applicationTitleFromPath("x"), "x");
    EXPECT_EQ(fw::applicationTitleFromPath(""), "");
}

TEST(ErrorDisplayText, AppendsPointOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(fw::errorDisplayText("Access denied"), "Access denied.");
    EXPECT_EQ(fw::errorDisplayText("Done."), "Done.");
    EXPECT_EQ(fw::errorDisplayText("Stop!"), "Stop!");
    EXPECT_EQ(fw::errorDisplayText("'2.2x' is not a valid version number"), "'2.2x' is not a valid version number.");
    EXPECT_EQ(fw::errorDisplayText("Invalid data type for 'VER'"), "Invalid data type for 'VER'");  // ' sorts before .
    EXPECT_EQ(fw::errorDisplayText("Question?"), "Question?.");
    EXPECT_EQ(fw::errorDisplayText("Ends in \xE9"), "Ends in \xE9.");
    EXPECT_EQ(fw::errorDisplayText(""), "");
}
