// One click on the update button with the k-th file-system call of the update failed, for every
// k, as SQLite tests its I/O: each call fails once or from then on, with what Windows answers
// there (a sharing violation, access denied, a full disk, a short write). After each the target is
// the old Velmora or the payload, byte for byte; VER and the message the user saw agree with it;
// and the next update leaves no temporary file. The calls go to the real files of a scratch
// folder; only the failing one is made up, and so is the clock, so that the waits cost nothing.

#include "updater/Unit1.h"

#include "framework/system/FileSystem.h"
#include "framework/system/ResourceStream.h"
#include "tests/framework/system/TestScratch.h"
#include "updater/InstalledVersionRecord.h"
#include "updater/PayloadExtractor.h"
#include "updater/logic/LockRetry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

enum class Call { Attributes, OpenExisting, CreateNew, Write, Flush, Read, Close, Move, Remove, Find };
const char* const callNames[] = {"attributes", "open existing", "create new", "write", "flush",
                                 "read",       "close",         "move",       "remove", "find"};

enum class Fault : unsigned long {
    SharingViolation = ERROR_SHARING_VIOLATION,
    AccessDenied = ERROR_ACCESS_DENIED,
    DiskFull = ERROR_DISK_FULL,
    ShortWrite = 0,  // WriteFile succeeds with half the bytes written
};
enum class Persistence { Once, FromThenOn };

// What Windows answers when each call fails: a scanner or another program holding the file, rights
// taken away, a full disk (at a flush or a close too, when the system wrote late), a short write.
std::vector<Fault> faultsAt(Call call)
{
    using enum Fault;
    switch (call) {
    case Call::Attributes:
    case Call::OpenExisting:
    case Call::Remove:
        return {SharingViolation, AccessDenied};
    case Call::CreateNew:
        return {AccessDenied, DiskFull};
    case Call::Write:
        return {DiskFull, ShortWrite};
    case Call::Flush:
    case Call::Close:
        return {DiskFull};
    case Call::Read:
    case Call::Find:
        return {AccessDenied};
    case Call::Move:
        return {SharingViolation, AccessDenied, DiskFull};
    }
    return {};
}

// The real file system, with call number `failAt` (from 1) failing, and a clock of its own.
class FailingFileSystem final : public fw::FileSystem {
public:
    FailingFileSystem(int failAt, Fault fault, Persistence persistence, std::function<void()> onPause)
        : failAt_(failAt), fault_(fault), persistence_(persistence), onPause_(std::move(onPause))
    {
    }

    const std::vector<Call>& calls() const { return calls_; }
    bool hasFailedARemoval() const { return hasFailedARemoval_; }
    std::chrono::milliseconds waited() const { return waited_; }

    fw::FileError attributes(const std::string& path, unsigned long& attributes) override
    {
        return fails(Call::Attributes) ? error() : real_.attributes(path, attributes);
    }
    fw::FileError open(const std::string& path, fw::OpenMode mode, fw::native::KernelHandle& file) override
    {
        file = nullptr;
        return fails(mode == fw::OpenMode::NewExclusive ? Call::CreateNew : Call::OpenExisting) ? error()
                                                                                              : real_.open(path, mode, file);
    }
    fw::FileError write(fw::native::KernelHandle file, std::span<const std::byte> bytes, std::size_t& written) override
    {
        written = 0;
        if (!fails(Call::Write))
            return real_.write(file, bytes, written);
        return fault_ == Fault::ShortWrite ? real_.write(file, bytes.first(bytes.size() / 2), written) : error();
    }
    fw::FileError flush(fw::native::KernelHandle file) override { return fails(Call::Flush) ? error() : real_.flush(file); }
    fw::FileError read(fw::native::KernelHandle file, std::uint64_t offset, std::span<std::byte> into,
                       std::size_t& read) override
    {
        read = 0;
        return fails(Call::Read) ? error() : real_.read(file, offset, into, read);
    }
    fw::FileError close(fw::native::KernelHandle file) override
    {
        // The handle is gone whatever CloseHandle answers.
        const fw::FileError closed = real_.close(file);
        return fails(Call::Close) ? error() : closed;
    }
    fw::FileError move(const std::string& from, const std::string& to) override
    {
        return fails(Call::Move) ? error() : real_.move(from, to);
    }
    fw::FileError remove(const std::string& path) override
    {
        if (!fails(Call::Remove))
            return real_.remove(path);
        hasFailedARemoval_ = true;
        return error();
    }
    fw::FileError find(const std::string& pattern, std::vector<fw::FoundFile>& found) override
    {
        found.clear();
        return fails(Call::Find) ? error() : real_.find(pattern, found);
    }
    std::chrono::steady_clock::time_point now() override { return std::chrono::steady_clock::time_point{} + waited_; }
    void pause(std::chrono::milliseconds duration) override
    {
        onPause_();
        waited_ += duration;
    }

private:
    bool fails(Call call)
    {
        calls_.push_back(call);
        const int number = static_cast<int>(calls_.size());
        return failAt_ > 0 && (number == failAt_ || (persistence_ == Persistence::FromThenOn && number > failAt_));
    }
    fw::FileError error() const
    {
        return fault_ == Fault::ShortWrite ? ERROR_WRITE_FAULT : static_cast<fw::FileError>(fault_);
    }

    fw::FileSystem& real_ = fw::realFileSystem();
    int failAt_;
    Fault fault_;
    Persistence persistence_;
    std::function<void()> onPause_;
    std::vector<Call> calls_;
    bool hasFailedARemoval_ = false;
    std::chrono::milliseconds waited_{0};
};

// The message boxes this thread opens, read as they are made and never shown: under Wine a shown
// top-level window takes up to two seconds to go. A box has its caption and its text (static
// control 0xFFFF) once WM_INITDIALOG is done, and Wine shows it right after; destroyed there, it
// never is.
class MessageBoxCatcher {
public:
    struct Box {
        std::string caption;
        std::string text;
    };
    MessageBoxCatcher()
    {
        current = this;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, afterMessage, nullptr, GetCurrentThreadId());
    }
    ~MessageBoxCatcher()
    {
        UnhookWindowsHookEx(hook_);
        current = nullptr;
    }
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    bool isHooked() const { return hook_ != nullptr; }
    std::vector<Box> boxes;

private:
    static std::string textOf(HWND window)
    {
        char text[512] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    static LRESULT CALLBACK afterMessage(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto& message = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        char className[16] = {};
        if (code == HC_ACTION && current && message.message == WM_INITDIALOG &&
            GetClassNameA(message.hwnd, className, sizeof className) && std::string(className) == "#32770") {
            current->boxes.push_back({textOf(message.hwnd), textOf(GetDlgItem(message.hwnd, 0xFFFF))});
            // Gone before the dialog manager shows it, with its owner enabled again as closing it would.
            if (HWND owner = GetWindow(message.hwnd, GW_OWNER))
                EnableWindow(owner, TRUE);
            DestroyWindow(message.hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline MessageBoxCatcher* current = nullptr;
    HHOOK hook_ = nullptr;
};

std::string carriedPayload()
{
    const fw::ResourceStream payload("Velmora", "UpGrade");
    return {reinterpret_cast<const char*>(payload.bytes().data()), payload.size()};
}

class UpdateFaultTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isCreated());
        ASSERT_TRUE(catcher_.isHooked());
        record_.write(velmora::folderValueName, folder_.path());
        installOld();
        form_.Timer1Timer();
        ASSERT_TRUE(form_.Button2->isEnabled());
    }

    void installOld()
    {
        ASSERT_TRUE(fw::test::writeWholeFile(target_, old_));
        record_.write(velmora::versionValueName, "Velmora 2.2");
    }

    // One click; the box it showed.
    MessageBoxCatcher::Box click()
    {
        catcher_.boxes.clear();
        form_.Button2Click();
        EXPECT_EQ(catcher_.boxes.size(), 1u);
        return catcher_.boxes.empty() ? MessageBoxCatcher::Box{} : catcher_.boxes.front();
    }

    const fw::test::ScratchFolder folder_;
    const fw::test::ScratchKey key_;
    const velmora::InstalledVersionRecord record_{key_.path()};
    const std::string target_ = folder_.file("Velmora.exe");
    const std::string payload_ = carriedPayload();
    const std::string old_ = payload_ + std::string(4096, 'Z');  // an older Velmora, also as large
    const std::string newVersion_ = "Velmora " + velmora::builtInVersion.text('.');
    const std::string confirmation_ = "Velmora a fost actualizat la versiunea " + velmora::builtInVersion.text('.') + ".";
    MessageBoxCatcher catcher_;
    velmora::TForm1 form_{key_.path()};
};

}  // namespace

TEST_F(UpdateFaultTable, EveryFileSystemCallOfAnUpdateFailedInTurnLosesNothing)
{
    std::vector<Call> calls;
    {
        FailingFileSystem counting(0, Fault::DiskFull, Persistence::Once, [] {});
        const fw::ScopedFileSystem scoped(counting);
        EXPECT_EQ(click().caption, "Information");
        calls = counting.calls();
    }
    ASSERT_TRUE(fw::test::hasContent(target_, payload_));
    ASSERT_GT(calls.size(), 8u);

    for (int failAt = 1; failAt <= static_cast<int>(calls.size()); ++failAt) {
        const Call call = calls[failAt - 1];
        for (const Fault fault : faultsAt(call)) {
            for (const Persistence persistence : {Persistence::Once, Persistence::FromThenOn}) {
                SCOPED_TRACE("call " + std::to_string(failAt) + " (" + callNames[static_cast<int>(call)] +
                             ") fails with " + std::to_string(static_cast<unsigned long>(fault)) +
                             (persistence == Persistence::Once ? ", once" : ", from then on"));
                installOld();
                const std::size_t linesBefore = form_.Memo1->lines().size();
                bool isPausedWhileEnabled = false;
                FailingFileSystem failing(failAt, fault, persistence,
                                          [&] { isPausedWhileEnabled |= form_.Button2->isEnabled(); });
                MessageBoxCatcher::Box box;
                {
                    const fw::ScopedFileSystem scoped(failing);
                    box = click();
                }
                const std::string content = fw::test::readWholeFile(target_);
                const bool isNew = content == payload_;
                EXPECT_TRUE(isNew || content == old_) << "the target is neither the old file nor the new one";
                EXPECT_EQ(record_.read(velmora::versionValueName), isNew ? newVersion_ : "Velmora 2.2");
                EXPECT_EQ(box.caption, isNew ? "Information" : "Error");
                EXPECT_EQ(box.text, isNew ? confirmation_ : "Inchideti mai intai Velmora!");
                EXPECT_EQ(form_.Memo1->lines().size(), linesBefore + (isNew ? 1 : 0));
                EXPECT_FALSE(isPausedWhileEnabled) << "the update button took clicks while the update waited";
                EXPECT_TRUE(form_.Button2->isEnabled());
                if (!failing.hasFailedARemoval()) {
                    EXPECT_EQ(folder_.fileNames(), std::vector<std::string>{"Velmora.exe"}) << "a temporary file was left";
                }

                // Someone holding the target for a moment, at the check or at the rename, is waited out;
                // held for good, for the whole patience and no longer.
                const bool isLock = fault == Fault::SharingViolation || fault == Fault::AccessDenied;
                if (isLock && (call == Call::OpenExisting || call == Call::Move)) {
                    if (persistence == Persistence::Once) {
                        EXPECT_TRUE(isNew) << "a lock of a moment failed the update";
                    } else if (fault == Fault::SharingViolation) {
                        EXPECT_EQ(failing.waited(), velmora::LockRetry::patience);
                    }
                }
                EXPECT_LE(failing.waited(), 2 * velmora::LockRetry::patience);

                // The next update, with nothing failing, puts the payload in and leaves no temporary file.
                installOld();
                EXPECT_TRUE(velmora::extractPayload(velmora::payloadResourceType, velmora::payloadResourceName, target_));
                EXPECT_TRUE(fw::test::hasContent(target_, payload_));
                EXPECT_EQ(folder_.fileNames(), std::vector<std::string>{"Velmora.exe"});
                if (HasFailure())
                    return;  // one case's story is enough to read
            }
        }
    }
}
