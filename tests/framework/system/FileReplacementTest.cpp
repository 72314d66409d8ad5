// Whole-file replacement against real files in a scratch folder.

#include "framework/system/FileReplacement.h"

#include "tests/framework/system/TestScratch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string_view>
#include <vector>

namespace {

using fw::ExclusiveAccess;
using fw::FileReplacement;
using fw::test::ScratchFolder;
using fw::test::readWholeFile;
using fw::test::writeWholeFile;

std::span<const std::byte> bytesOf(std::string_view text)
{
    return std::as_bytes(std::span(text.data(), text.size()));
}

fw::UniqueFile openExclusively(const std::string& path)
{
    return fw::UniqueFile(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

TEST(FileReplacementTest, ProbeTellsFreeAbsentAndBusyFilesApartWithoutChangingThem)
{
    const ScratchFolder folder;
    ASSERT_TRUE(folder.isCreated());
    const std::string target = folder.file("Velmora.exe");
    ASSERT_TRUE(writeWholeFile(target, "installed"));

    // The bug this guards against: testing for "in use" by creating the file truncated it.
    EXPECT_EQ(fw::probeExclusiveAccess(target), ExclusiveAccess::Granted);
    EXPECT_EQ(readWholeFile(target), "installed");

    EXPECT_EQ(fw::probeExclusiveAccess(folder.file("absent.exe")), ExclusiveAccess::NoSuchFile);
    EXPECT_FALSE(fw::test::fileExists(folder.file("absent.exe")));
    EXPECT_EQ(fw::probeExclusiveAccess(folder.file("no folder\\Velmora.exe")), ExclusiveAccess::Denied);

    {
        const fw::UniqueFile holder = openExclusively(target);
        ASSERT_TRUE(holder);
        EXPECT_EQ(fw::probeExclusiveAccess(target), ExclusiveAccess::Denied);
    }
    EXPECT_EQ(readWholeFile(target), "installed");
}

TEST(FileReplacementTest, CommitReplacesTheTargetAndLeavesNoTemporaryFile)
{
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    ASSERT_TRUE(writeWholeFile(target, "old content, longer than the new one"));
    {
        FileReplacement replacement(target);
        ASSERT_TRUE(replacement.isOpen());
        EXPECT_EQ(folder.fileNames().size(), 2u);
        ASSERT_TRUE(replacement.write(bytesOf("new")));
        EXPECT_EQ(readWholeFile(target), "old content, longer than the new one");  // not yet
        ASSERT_TRUE(replacement.commit());
    }
    EXPECT_EQ(readWholeFile(target), "new");
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{"Velmora.exe"});
}

TEST(FileReplacementTest, CreatesTheTargetWhenThereIsNone)
{
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    {
        FileReplacement replacement(target);
        ASSERT_TRUE(replacement.write(bytesOf("")));  // an empty payload is still a file
        ASSERT_TRUE(replacement.commit());
    }
    EXPECT_EQ(readWholeFile(target), "");
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{"Velmora.exe"});
}

TEST(FileReplacementTest, WithoutCommitTheTemporaryFileGoesAndTheTargetStays)
{
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    ASSERT_TRUE(writeWholeFile(target, "installed"));
    {
        FileReplacement replacement(target);
        ASSERT_TRUE(replacement.write(bytesOf("half")));
    }
    EXPECT_EQ(readWholeFile(target), "installed");
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{"Velmora.exe"});
}

TEST(FileReplacementTest, NeverTakesOverAnExistingFileOfTheTemporaryName)
{
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    const std::string firstName = target + "." + std::to_string(GetCurrentProcessId()) + "-0.tmp";
    ASSERT_TRUE(writeWholeFile(firstName, "someone else's"));
    {
        FileReplacement replacement(target);
        ASSERT_TRUE(replacement.isOpen());
        EXPECT_NE(replacement.temporaryPath(), firstName);
    }
    EXPECT_EQ(readWholeFile(firstName), "someone else's");
    EXPECT_FALSE(fw::test::fileExists(target));
}

TEST(FileReplacementTest, AMissingFolderFailsWithoutCreatingIt)
{
    const ScratchFolder folder;
    const std::string missing = folder.file("missing");
    FileReplacement replacement(missing + "\\Velmora.exe");
    EXPECT_FALSE(replacement.isOpen());
    EXPECT_FALSE(replacement.write(bytesOf("payload")));
    EXPECT_FALSE(replacement.commit());
    EXPECT_FALSE(fw::test::fileExists(missing));
}

TEST(FileReplacementTest, AFailedRenameLeavesTheTargetAndRemovesTheTemporaryFile)
{
    const ScratchFolder folder;
    // A folder in the target's place cannot be replaced by a file.
    const ScratchFolder target(folder.path() + "\\");
    ASSERT_TRUE(target.isCreated());
    {
        FileReplacement replacement(target.path());
        ASSERT_TRUE(replacement.write(bytesOf("payload")));
        EXPECT_FALSE(replacement.commit());
    }
    EXPECT_EQ(GetFileAttributesA(target.path().c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(folder.fileNames().empty());
}
