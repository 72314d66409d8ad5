// Whole-file replacement against real files in a scratch folder.

#include "framework/system/FileReplacement.h"

#include "tests/framework/system/TestScratch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string_view>
#include <vector>

namespace {

using fw::CommitResult;
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
        EXPECT_EQ(fw::probeExclusiveAccess(target), ExclusiveAccess::InUse);
    }
    EXPECT_EQ(readWholeFile(target), "installed");

    // Read-only: Wine as root would have let it be written.
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(fw::probeExclusiveAccess(target), ExclusiveAccess::Denied);
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL));
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
        ASSERT_EQ(replacement.commit(), CommitResult::Committed);
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
        ASSERT_EQ(replacement.commit(), CommitResult::Committed);
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

TEST(FileReplacementTest, RemovesOnlyTheTemporaryFilesThatEarlierRunsLeft)
{
    // A crash or a power cut between creating a temporary file and the rename left it for good:
    // each run used a new name and none looked for the old ones.
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    ASSERT_TRUE(writeWholeFile(target, "installed"));
    const std::vector<std::string> stale{"~UV0000.tmp", "~UV00A1.tmp", "~UVFFFF.tmp"};
    const std::vector<std::string> others{"~UV00B1.tmp.bak", "~UV0B1.tmp", "~UV000B1.tmp", "~UVb0b1.tmp",
                                          "~UV0G00.tmp", "x~UV0C00.tmp", "~UX0D00.tmp", "rf1A2B.tmp"};
    for (const auto& name : stale)
        ASSERT_TRUE(writeWholeFile(folder.file(name), "stale"));
    for (const auto& name : others)
        ASSERT_TRUE(writeWholeFile(folder.file(name), "someone else's"));
    // Held open by someone: it cannot be removed, and must not stop the update either.
    ASSERT_TRUE(writeWholeFile(folder.file("~UV0001.tmp"), "held"));
    fw::UniqueFile holder = openExclusively(folder.file("~UV0001.tmp"));
    ASSERT_TRUE(holder);
    {
        FileReplacement replacement(target);
        ASSERT_TRUE(replacement.write(bytesOf("new")));
        ASSERT_EQ(replacement.commit(), CommitResult::Committed);
    }
    EXPECT_EQ(readWholeFile(target), "new");
    for (const auto& name : stale)
        EXPECT_FALSE(fw::test::fileExists(folder.file(name))) << name;
    for (const auto& name : others)
        EXPECT_EQ(readWholeFile(folder.file(name)), "someone else's") << name;
    holder.reset();
    EXPECT_EQ(readWholeFile(folder.file("~UV0001.tmp")), "held");
    EXPECT_EQ(folder.fileNames().size(), others.size() + 2);
}

TEST(FileReplacementTest, AMissingFolderFailsWithoutCreatingIt)
{
    const ScratchFolder folder;
    const std::string missing = folder.file("missing");
    FileReplacement replacement(missing + "\\Velmora.exe");
    EXPECT_FALSE(replacement.isOpen());
    EXPECT_FALSE(replacement.write(bytesOf("payload")));
    EXPECT_EQ(replacement.commit(), CommitResult::Failed);
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
        EXPECT_EQ(replacement.commit(), CommitResult::Failed);
    }
    EXPECT_EQ(GetFileAttributesA(target.path().c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(folder.fileNames().empty());
}

TEST(FileReplacementTest, ReadBackGivesExactlyWhatWasWrittenAndLaterWritesAppend)
{
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    // More than one piece of reading, and not a whole number of pieces.
    std::string content;
    for (int i = 0; i < 200000; ++i)
        content += static_cast<char>(i * 7 % 251);

    FileReplacement replacement(target);
    ASSERT_TRUE(replacement.write(bytesOf(content)));
    std::string readBack;
    std::size_t pieces = 0;
    ASSERT_TRUE(replacement.readBack([&](std::span<const std::byte> piece) {
        readBack.append(reinterpret_cast<const char*>(piece.data()), piece.size());
        ++pieces;
    }));
    EXPECT_TRUE(readBack == content) << readBack.size() << " bytes read back of " << content.size();
    EXPECT_GT(pieces, 1u);

    ASSERT_TRUE(replacement.write(bytesOf("tail")));
    ASSERT_EQ(replacement.commit(), CommitResult::Committed);
    EXPECT_TRUE(fw::test::hasContent(target, content + "tail"));
}
