// Payload extraction against real files. The test program carries the stand-in Velmora as its
// "UpGrade" payload and a "Large" payload bigger than the 1 MiB test drive (TestPayloads.rc).

#include "updater/PayloadExtractor.h"

#include "framework/core/Error.h"
#include "framework/system/FileReplacement.h"
#include "framework/system/ResourceStream.h"
#include "tests/RealMachineGuard.h"
#include "tests/framework/system/TestScratch.h"
#include "updater/logic/VersionNumber.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace {

using fw::test::ScratchFolder;
using fw::test::fileExists;
using fw::test::hasContent;
using fw::test::readWholeFile;
using fw::test::writeWholeFile;
using velmora::extractPayload;

const std::vector<std::string> onlyTheTarget{"Velmora.exe"};

// Test programs are in <build>/tests, the stand-in in <build>/standin.
std::string standinPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\'));
    return folder + "\\..\\standin\\Velmora.exe";
}

std::string largePayload()
{
    const fw::ResourceStream stream("Velmora", "Large");
    return {reinterpret_cast<const char*>(stream.bytes().data()), stream.size()};
}

// A program started for the test; terminated (and waited for) on every path.
class RunningProgram {
public:
    explicit RunningProgram(const std::string& executable)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        std::string commandLine = "\"" + executable + "\"";
        if (CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                           nullptr, nullptr, &startup, &started)) {
            process_.reset(started.hProcess);
            thread_.reset(started.hThread);
            WaitForInputIdle(process_.get(), 10000);  // its window is up and it waits for input
        }
    }
    ~RunningProgram()
    {
        if (process_) {
            TerminateProcess(process_.get(), 0);
            WaitForSingleObject(process_.get(), 10000);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool isRunning() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

    // The title of the program's first visible top-level window; "" if it has none.
    std::string windowTitle() const
    {
        struct Search {
            DWORD processId;
            std::string title;
        } search{GetProcessId(process_.get()), {}};
        EnumWindows(
            [](HWND window, LPARAM parameter) -> BOOL {
                auto& search = *reinterpret_cast<Search*>(parameter);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner != search.processId || !IsWindowVisible(window))
                    return TRUE;
                char title[256] = {};
                GetWindowTextA(window, title, sizeof title);
                search.title = title;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.title;
    }

private:
    fw::UniqueKernelHandle process_;
    fw::UniqueKernelHandle thread_;
};

// Restores the current directory on every path.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& path)
    {
        char saved[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, saved);
        saved_ = saved;
        isChanged_ = SetCurrentDirectoryA(path.c_str()) != 0;
    }
    ~CurrentDirectory() { SetCurrentDirectoryA(saved_.c_str()); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;
    bool isChanged() const { return isChanged_; }

private:
    std::string saved_;
    bool isChanged_ = false;
};

}  // namespace

TEST(PayloadExtractorTest, CarriesTheStandinInEnglishAndReadsItFromTheLoadedImage)
{
    EXPECT_NE(FindResourceExA(nullptr, "VELMORA", "UPGRADE", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)),
              nullptr);
    const fw::ResourceStream payload("Velmora", "UpGrade");
    EXPECT_TRUE(hasContent(standinPath(),
                           std::string(reinterpret_cast<const char*>(payload.bytes().data()), payload.size())));

    // No copy: the bytes are those of the mapped executable image.
    const auto* image = reinterpret_cast<const std::byte*>(GetModuleHandleA(nullptr));
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        image + reinterpret_cast<const IMAGE_DOS_HEADER*>(image)->e_lfanew);
    EXPECT_GE(payload.bytes().data(), image);
    EXPECT_LE(payload.bytes().data() + payload.size(), image + headers->OptionalHeader.SizeOfImage);
}

TEST(PayloadExtractorTest, WritesThePayloadByteForByteWhetherOrNotVelmoraIsThere)
{
    const ScratchFolder folder;
    ASSERT_TRUE(folder.isCreated());
    const std::string target = folder.file("Velmora.exe");
    const std::string standin = readWholeFile(standinPath());
    ASSERT_GT(standin.size(), 100000u);

    // Fresh folder.
    EXPECT_TRUE(extractPayload("Velmora", "UpGrade", target));
    EXPECT_TRUE(hasContent(target, standin));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);

    // Over a larger installed file: nothing of it may remain after the payload's end.
    ASSERT_TRUE(writeWholeFile(target, std::string(standin.size() + 4096, 'x')));
    EXPECT_TRUE(extractPayload("Velmora", "UpGrade", target));
    EXPECT_TRUE(hasContent(target, standin));

    // Again, as a second click does.
    EXPECT_TRUE(extractPayload("Velmora", "UpGrade", target));
    EXPECT_TRUE(hasContent(target, standin));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);
}

TEST(PayloadExtractorTest, ATargetPathJustUnderTheLimitIsReplaced)
{
    // The longest folder Windows lets one create, 247 characters, gives a 259-character target:
    // one below MAX_PATH with its terminating zero. A temporary name longer than "Velmora.exe"
    // did not fit there, and the user was asked to close a Velmora that was not running.
    const ScratchFolder folder(ScratchFolder::temporaryFolder(), MAX_PATH - 13);
    ASSERT_TRUE(folder.isCreated()) << folder.path() << ": error " << GetLastError();
    const std::string target = folder.file("Velmora.exe");
    ASSERT_EQ(target.size(), MAX_PATH - 1u);
    ASSERT_TRUE(writeWholeFile(target, "installed"));

    EXPECT_TRUE(extractPayload("Velmora", "UpGrade", target));
    EXPECT_TRUE(hasContent(target, readWholeFile(standinPath())));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);
}

TEST(PayloadExtractorTest, RefusesWhileVelmoraRunsAndLeavesItAsItWas)
{
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    ASSERT_TRUE(CopyFileA(standinPath().c_str(), target.c_str(), TRUE));
    const std::string installed = readWholeFile(target);

    const RunningProgram velmora(target);
    ASSERT_TRUE(velmora.isRunning()) << "the stand-in Velmora did not stay running; it needs a "
                                        "display (run the tests under xvfb-run)";

    EXPECT_EQ(velmora.windowTitle(),
              "Velmora " + velmora::VersionNumber::fromScaled(VELMORA_VERSION_SCALED).text('.'));

    EXPECT_FALSE(extractPayload("Velmora", "Large", target));
    EXPECT_TRUE(hasContent(target, installed));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);

    // Velmora started after the in-use check: the final rename must fail too. (ReplaceFileA would
    // succeed here under Wine, moving the running image aside.)
    {
        const std::string payload = largePayload();
        fw::FileReplacement replacement(target);
        ASSERT_TRUE(replacement.write(std::as_bytes(std::span(payload.data(), payload.size()))));
        EXPECT_EQ(replacement.commit(), fw::CommitResult::TargetInUse);
    }
    EXPECT_TRUE(hasContent(target, installed));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);
}

TEST(PayloadExtractorTest, AMissingFolderFailsAndIsNotCreated)
{
    const ScratchFolder folder;
    const std::string missing = folder.file("not installed");
    EXPECT_FALSE(extractPayload("Velmora", "UpGrade", missing + "\\Velmora.exe"));
    EXPECT_FALSE(fileExists(missing));
    EXPECT_TRUE(folder.fileNames().empty());
}

TEST(PayloadExtractorTest, AMissingResourceRaisesBeforeAnythingIsWritten)
{
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    ASSERT_TRUE(writeWholeFile(target, "installed"));
    try {
        extractPayload("Velmora", "Absent", target);
        FAIL() << "extraction of a resource that is not there did not raise";
    } catch (const fw::ResourceError& error) {
        EXPECT_STREQ(error.what(), "Resource Absent not found");
    }
    EXPECT_TRUE(hasContent(target, "installed"));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);
}

TEST(PayloadExtractorTest, APayloadThatIsNotTheOneItsDigestNamesIsNeverWritten)
{
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    ASSERT_TRUE(writeWholeFile(target, "installed"));
    int writes = 0;
    const auto countWrites = [&](fw::FileReplacement&) { ++writes; };

    // The digest is that of another payload, or not a digest at all.
    EXPECT_FALSE(extractPayload("Velmora", "Tampered", target, countWrites));
    EXPECT_FALSE(extractPayload("Velmora", "Garbled", target, countWrites));
    EXPECT_EQ(writes, 0) << "a temporary file was written before the payload was checked";
    EXPECT_TRUE(hasContent(target, "installed"));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);

    // No digest at all: the build is broken, as without a payload.
    try {
        extractPayload("Velmora", "Unvouched", target);
        FAIL() << "a payload without its digest was accepted";
    } catch (const fw::ResourceError& error) {
        EXPECT_STREQ(error.what(), "Resource Unvouched_SHA256 not found");
    }
    EXPECT_TRUE(hasContent(target, "installed"));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);
}

TEST(PayloadExtractorTest, AWrittenFileThatReadsBackDifferentDoesNotReplaceTheTarget)
{
    const ScratchFolder folder;
    const std::string target = folder.file("Velmora.exe");
    ASSERT_TRUE(writeWholeFile(target, "installed"));

    // Something between our write and the disk adds a byte: the file no longer is the payload.
    EXPECT_FALSE(extractPayload("Velmora", "UpGrade", target, [&](fw::FileReplacement& replacement) {
        EXPECT_TRUE(hasContent(target, "installed")) << "the target changed before the check";
        const char extra = 'x';
        EXPECT_TRUE(replacement.write(std::as_bytes(std::span(&extra, 1))));
    }));
    EXPECT_TRUE(hasContent(target, "installed"));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);

    // Untouched, the same payload goes in.
    EXPECT_TRUE(extractPayload("Velmora", "UpGrade", target, [](fw::FileReplacement&) {}));
    EXPECT_TRUE(hasContent(target, readWholeFile(standinPath())));
}

TEST(PayloadExtractorTest, AFullDiskLeavesTheInstalledFileIntactAndNoTemporaryFile)
{
    // Drive T: is a 1 MiB tmpfs set up by the ctest fixture updater_tests_small_drive_mount.
    const char* drive = std::getenv("VELMORA_TEST_SMALL_DRIVE");
    if (!drive)
        GTEST_SKIP() << "VELMORA_TEST_SMALL_DRIVE is not set: run through ctest, whose fixture "
                        "mounts the small drive";
    const std::string root = std::string(drive) + "\\";
    ULARGE_INTEGER available{}, total{};
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, &total, nullptr) ||
        total.QuadPart > 2 * 1024 * 1024) {
        const char* note = std::getenv("VELMORA_TEST_SMALL_DRIVE_NOTE");
        GTEST_SKIP() << "drive " << drive << " is not the 1 MiB test drive: "
                     << (note && fileExists(note) ? readWholeFile(note) : "see updater_tests_small_drive_mount");
    }
    const std::string payload = largePayload();
    ASSERT_GT(payload.size(), total.QuadPart) << "the payload must not fit on the drive";

    const ScratchFolder folder(root);
    ASSERT_TRUE(folder.isCreated());
    const std::string target = folder.file("Velmora.exe");
    const std::string installed(300 * 1024, 'v');
    ASSERT_TRUE(writeWholeFile(target, installed));

    EXPECT_FALSE(extractPayload("Velmora", "Large", target));
    EXPECT_TRUE(hasContent(target, installed));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);

    // The space of the failed write is given back: a payload that fits still goes in.
    EXPECT_TRUE(extractPayload("Velmora", "UpGrade", target));
    EXPECT_TRUE(hasContent(target, readWholeFile(standinPath())));
    EXPECT_EQ(folder.fileNames(), onlyTheTarget);
}

TEST(PayloadExtractorTest, AnEmptyFolderMeansTheRootOfTheCurrentDrive)
{
    // An empty installation folder gives the target "\Velmora.exe". The updater refuses it before
    // extracting; here it must still land, whole and alone, in the current drive's root.
    if (const auto refusal = fw::test::refusalToChange("C:\\Velmora.exe"))
        GTEST_SKIP() << *refusal;
    const ScratchFolder folder("C:\\");
    ASSERT_TRUE(folder.isCreated());
    if (fileExists("C:\\Velmora.exe"))
        GTEST_SKIP() << "C:\\Velmora.exe exists already; not touching it";
    const CurrentDirectory current(folder.path());
    ASSERT_TRUE(current.isChanged());

    EXPECT_TRUE(extractPayload("Velmora", "UpGrade", "\\Velmora.exe"));
    EXPECT_TRUE(hasContent("C:\\Velmora.exe", readWholeFile(standinPath())));
    EXPECT_TRUE(folder.fileNames().empty());
    DeleteFileA("C:\\Velmora.exe");
}
