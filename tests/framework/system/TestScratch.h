#pragma once
// Scratch registry keys and folders for tests that run against Wine's real registry and file
// system. Each is created unique to the test process and removed again by its destructor, so a
// failing test leaves nothing behind. Test-only; includes <windows.h>.

#include "framework/win32/Handles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace fw::test {

// A key "Software\VelmoraTest-<process>-<n>" in HKEY_LOCAL_MACHINE's 32-bit view, not created
// here (the code under test creates it); the destructor removes it with all its subkeys.
class ScratchKey {
public:
    ScratchKey()
    {
        static int counter = 0;
        name_ = "VelmoraTest-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
    }
    ~ScratchKey()
    {
        HKEY software = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                          &software) == ERROR_SUCCESS) {
            const UniqueKey owner(software);
            RegDeleteTreeA(software, name_.c_str());  // the key with everything below it
        }
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    const std::string& name() const { return name_; }  // below HKLM\Software
    std::string path() const { return "Software\\" + name_; }
    // Where the 32-bit view's key is seen from the 64-bit view.
    std::string nativePath() const { return "Software\\Wow6432Node\\" + name_; }

    // A raw handle to the key in the 32-bit view (created if absent), for setting up values the
    // code under test must cope with.
    UniqueKey openRaw() const
    {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, path().c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr);
        return UniqueKey(key);
    }

    // Creates the key as a volatile one. No non-volatile key can be created below it
    // (ERROR_CHILD_MUST_BE_VOLATILE), which makes a child key out of reach for the code under
    // test, as it is for a user without write access.
    UniqueKey createVolatile() const
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path().c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                  KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        return UniqueKey(key);
    }

private:
    std::string name_;
};

// A fresh folder under `parent` (default: the user's temporary folder); the destructor removes
// the files in it and the folder. A `pathLength` longer than the folder's path pads its name to
// give the path that many characters.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string parent = temporaryFolder(), std::size_t pathLength = 0)
    {
        static int counter = 0;
        path_ = parent + "velmora-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter++);
        if (path_.size() < pathLength)
            path_.append(pathLength - path_.size(), 'x');
        isCreated_ = CreateDirectoryA(path_.c_str(), nullptr) != 0;
    }
    ~ScratchFolder()
    {
        for (const std::string& name : fileNames())
            DeleteFileA(file(name).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool isCreated() const { return isCreated_; }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

    // The names of the files in the folder, in the order the file system lists them.
    std::vector<std::string> fileNames() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE first = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (first == INVALID_HANDLE_VALUE)
            return names;
        const std::unique_ptr<void, SearchCloser> search(first);
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (FindNextFileA(search.get(), &found));
        return names;
    }

    static std::string temporaryFolder()
    {
        char buffer[MAX_PATH + 1] = {};
        GetTempPathA(sizeof buffer, buffer);
        return buffer;  // ends with a backslash
    }

private:
    struct SearchCloser {
        void operator()(HANDLE search) const noexcept { FindClose(search); }
    };
    std::string path_;
    bool isCreated_ = false;
};

inline bool writeWholeFile(const std::string& path, const std::string& content)
{
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()),
                             &written, nullptr) && written == content.size();
}

// The file's bytes; "<unreadable>" when it cannot be opened (so a comparison with it fails).
inline std::string readWholeFile(const std::string& path)
{
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return "<unreadable>";
    std::string content;
    char buffer[65536];
    DWORD count = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr) && count > 0)
        content.append(buffer, count);
    return content;
}

// Whether the file holds exactly `expected`; on a mismatch says where, without printing megabytes.
inline ::testing::AssertionResult hasContent(const std::string& path, const std::string& expected)
{
    const std::string actual = readWholeFile(path);
    if (actual == expected)
        return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    return ::testing::AssertionFailure() << path << " holds " << actual.size() << " bytes, expected "
                                         << expected.size() << "; first difference at byte " << at;
}

inline bool fileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace fw::test
