// One click on the update button with the k-th file-system call of the update failed, for every
// k, as SQLite tests its I/O: each call fails once or from then on, with what Windows answers
// there. After each the target is the old Velmora or the payload, byte for byte; VER and the
// message the user saw agree with it; and no temporary file is left once the next update has run.
// The calls go to the real files of a scratch folder; only the failures are made up, and the
// clock, so that the waits cost nothing.

#include "updater/Unit1.h"

#include "framework/system/FileSystem.h"
#include "framework/system/ResourceStream.h"
#include "tests/framework/system/TestScratch.h"
#include "updater/InstalledVersionRecord.h"
#include "updater/PayloadExtractor.h"
#include "updater/logic/LockRetry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace {

enum class Call { Attributes, OpenExisting, CreateNew, Write, Flush, Read, Close, Move, Remove, Find };
constexpr fw::FileError shortWrite = 0;  // WriteFile succeeds with half the bytes written

// What Windows answers there: a scanner or another program holding the file, rights taken away,
// a full disk (at a flush or a close too, when the system wrote late), a short write.
const std::map<Call, std::vector<fw::FileError>> faultsAt = {
    {Call::Attributes, {ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED}},
    {Call::OpenExisting, {ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED}},
    {Call::CreateNew, {ERROR_ACCESS_DENIED, ERROR_DISK_FULL}},
    {Call::Write, {ERROR_DISK_FULL, shortWrite}},
    {Call::Flush, {ERROR_DISK_FULL}},
    {Call::Read, {ERROR_ACCESS_DENIED}},
    {Call::Close, {ERROR_DISK_FULL}},
    {Call::Move, {ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED, ERROR_DISK_FULL}},
    {Call::Remove, {ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED}},
    {Call::Find, {ERROR_ACCESS_DENIED}},
};

// The real file system with call number `failAt` (from 1) failing, once or from then on, and a
// clock that only pauses move.
class FailingFileSystem final : public fw::FileSystem {
public:
    int failAt = 0;
    fw::FileError error = 0;
    bool isPersistent = false;
    std::vector<Call> calls;
    bool hasFailedARemoval = false;
    std::chrono::milliseconds waited{0};

    fw::FileError attributes(const std::string& path, unsigned long& attributes) override
    {
        return call(Call::Attributes, [&] { return real_.attributes(path, attributes); });
    }
    fw::FileError open(const std::string& path, fw::OpenMode mode, fw::native::KernelHandle& file) override
    {
        file = nullptr;
        return call(mode == fw::OpenMode::NewExclusive ? Call::CreateNew : Call::OpenExisting,
                    [&] { return real_.open(path, mode, file); });
    }
    fw::FileError write(fw::native::KernelHandle file, std::span<const std::byte> bytes, std::size_t& written) override
    {
        written = 0;
        if (!failsNext(Call::Write))
            return real_.write(file, bytes, written);
        return error == shortWrite ? real_.write(file, bytes.first(bytes.size() / 2), written) : error;
    }
    fw::FileError flush(fw::native::KernelHandle file) override
    {
        return call(Call::Flush, [&] { return real_.flush(file); });
    }
    fw::FileError read(fw::native::KernelHandle file, std::uint64_t offset, std::span<std::byte> into,
                       std::size_t& read) override
    {
        read = 0;
        return call(Call::Read, [&] { return real_.read(file, offset, into, read); });
    }
    fw::FileError close(fw::native::KernelHandle file) override
    {
        const fw::FileError closed = real_.close(file);  // the handle is gone whatever the answer
        return call(Call::Close, [&] { return closed; });
    }
    fw::FileError move(const std::string& from, const std::string& to) override
    {
        return call(Call::Move, [&] { return real_.move(from, to); });
    }
    fw::FileError remove(const std::string& path) override
    {
        const fw::FileError answer = call(Call::Remove, [&] { return real_.remove(path); });
        hasFailedARemoval |= answer != ERROR_SUCCESS;
        return answer;
    }
    fw::FileError find(const std::string& pattern, std::vector<fw::FoundFile>& found) override
    {
        found.clear();
        return call(Call::Find, [&] { return real_.find(pattern, found); });
    }
    std::chrono::steady_clock::time_point now() override { return std::chrono::steady_clock::time_point{} + waited; }
    void pause(std::chrono::milliseconds duration) override
    {
        waited += duration;
    }

private:
    bool failsNext(Call kind)
    {
        calls.push_back(kind);
        const int number = static_cast<int>(calls.size());
        return failAt > 0 && (number == failAt || (isPersistent && number > failAt));
    }
    // From then on, a short write cuts the writes short and leaves the other calls alone.
    template <typename Real>
    fw::FileError call(Call kind, Real real)
    {
        return failsNext(kind) && error != shortWrite ? error : real();
    }

    fw::FileSystem& real_ = fw::realFileSystem();
};

// The message boxes this thread opens, read and taken away before they are shown: under Wine a
// shown top-level window takes up to two seconds to go. A box has its caption and its text
// (static control 0xFFFF) once WM_INITDIALOG is done.
class MessageBoxCatcher {
public:
    MessageBoxCatcher() : hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, afterMessage, nullptr, GetCurrentThreadId()))
    {
        current = this;
    }
    ~MessageBoxCatcher()
    {
        UnhookWindowsHookEx(hook_);
        current = nullptr;
    }
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    std::vector<std::pair<std::string, std::string>> boxes;  // caption, text

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
            current->boxes.emplace_back(textOf(message.hwnd), textOf(GetDlgItem(message.hwnd, 0xFFFF)));
            // EndDialog here would not keep Wine from showing the box; its owner is enabled again
            // as closing the box would.
            EnableWindow(GetWindow(message.hwnd, GW_OWNER), TRUE);
            DestroyWindow(message.hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline MessageBoxCatcher* current = nullptr;
    HHOOK hook_;
};

}  // namespace

TEST(UpdateFaultTable, EveryFileSystemCallOfAnUpdateFailedInTurnLosesNothing)
{
    const fw::test::ScratchFolder folder;
    ASSERT_TRUE(folder.isCreated());
    const std::string target = folder.file("Velmora.exe");
    const fw::ResourceStream carried(velmora::payloadResourceType, velmora::payloadResourceName);
    const std::string payload(reinterpret_cast<const char*>(carried.bytes().data()), carried.size());
    const std::string old = payload + std::string(4096, 'Z');
    const std::string version = velmora::builtInVersion.text('.');
    const std::vector<std::string> onlyTheTarget{"Velmora.exe"};

    const fw::test::ScratchKey key;
    const velmora::InstalledVersionRecord record(key.path());
    record.write(velmora::folderValueName, folder.path());
    MessageBoxCatcher catcher;
    velmora::TForm1 form(key.path());
    form.Timer1Timer();
    // One update of an older Velmora through `files`: what the user was told.
    const auto update = [&](fw::FileSystem& files) {
        EXPECT_TRUE(fw::test::writeWholeFile(target, old));
        record.write(velmora::versionValueName, "Velmora 2.2");
        catcher.boxes.clear();
        const fw::ScopedFileSystem installed(files);
        form.Button2Click();
        EXPECT_EQ(catcher.boxes.size(), 1u);
        return catcher.boxes.empty() ? std::pair<std::string, std::string>{} : catcher.boxes.front();
    };

    FailingFileSystem counting;
    ASSERT_EQ(update(counting).first, "Information");
    ASSERT_GT(counting.calls.size(), 8u);

    for (int failAt = 1; failAt <= static_cast<int>(counting.calls.size()); ++failAt) {
        const Call call = counting.calls[failAt - 1];
        for (const fw::FileError error : faultsAt.at(call)) {
            for (const bool isPersistent : {false, true}) {
                SCOPED_TRACE("call " + std::to_string(failAt) + " (" + std::to_string(static_cast<int>(call)) +
                             ") fails with " + std::to_string(error) + (isPersistent ? " from then on" : " once"));
                FailingFileSystem failing;
                failing.failAt = failAt;
                failing.error = error;
                failing.isPersistent = isPersistent;
                const std::size_t lines = form.Memo1->lines().size();
                const auto [caption, text] = update(failing);

                const std::string content = fw::test::readWholeFile(target);
                const bool isNew = content == payload;
                EXPECT_TRUE(isNew || content == old) << "the target is neither the old file nor the new one";
                EXPECT_EQ(record.read(velmora::versionValueName), "Velmora " + (isNew ? version : "2.2"));
                EXPECT_EQ(caption, isNew ? "Information" : "Error");
                EXPECT_EQ(text, isNew ? "Velmora a fost actualizat la versiunea " + version + "."
                                      : "Inchideti mai intai Velmora!");
                EXPECT_EQ(form.Memo1->lines().size(), lines + (isNew ? 1 : 0));
                if (!failing.hasFailedARemoval) {
                    EXPECT_EQ(folder.fileNames(), onlyTheTarget) << "a temporary file was left";
                }
                // Someone holding the target for a moment, at the check or at the rename, is
                // waited out; held for good, for the whole patience.
                const bool isLock = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
                if (isLock && (call == Call::OpenExisting || call == Call::Move)) {
                    if (!isPersistent) {
                        EXPECT_TRUE(isNew) << "a lock of a moment failed the update";
                    } else if (error == ERROR_SHARING_VIOLATION) {
                        EXPECT_EQ(failing.waited, velmora::LockRetry::patience);
                    }
                }

                // The next update goes through and leaves no temporary file.
                EXPECT_TRUE(fw::test::writeWholeFile(target, old));
                EXPECT_TRUE(
                    velmora::extractPayload(velmora::payloadResourceType, velmora::payloadResourceName, target));
                EXPECT_TRUE(fw::test::hasContent(target, payload));
                EXPECT_EQ(folder.fileNames(), onlyTheTarget);
                if (HasFailure())
                    return;  // one case's story is enough to read
            }
        }
    }
}
