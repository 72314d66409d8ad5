#pragma once
// What the end-to-end tests share: where the programs are, the installed version record read and
// written through the raw registry API (independent of the updater's own code), files, and the
// fixture that gives each test an older Velmora in a folder of its own and an empty record.
// Test-only; includes <windows.h>.

#include "UpdaterDriver.h"

#include "framework/win32/Handles.h"
#include "tests/RealMachineGuard.h"
#include "updater/logic/VersionNumber.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace e2e {


inline constexpr const char* recordKey = "Software\\Korvand\\9";
inline const std::string builtInText = velmora::VersionNumber::fromScaled(VELMORA_VERSION_SCALED).text('.');

inline std::string testProgramFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

inline std::string updaterPath() { return testProgramFolder() + "\\..\\UpVelmora.exe"; }
inline std::string standinPath() { return testProgramFolder() + "\\..\\standin\\Velmora.exe"; }

// Drive Z: is the Linux root under Wine.
inline std::string expectedPayloadPath()
{
    std::string path = "Z:" + std::string(EXPECTED_PAYLOAD_UNIX_PATH);
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline bool writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

// The installed version record, through the raw API in the 32-bit view, independent of the
// updater's own registry code.
inline void setRecordValue(const char* name, const std::string& text)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, recordKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    fw::UniqueKey owner(key);
    ASSERT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>(text.size() + 1)),
              ERROR_SUCCESS);
}

inline bool recordExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, recordKey, 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
        return false;
    fw::UniqueKey owner(key);
    return true;
}

inline std::string recordValue(const char* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, recordKey, 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
        return "<missing>";
    fw::UniqueKey owner(key);
    char buffer[512] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return "<missing>";
    return buffer;
}

inline void deleteRecord() { RegDeleteKeyExA(HKEY_LOCAL_MACHINE, recordKey, KEY_WOW64_32KEY, 0); }

class UpdaterEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const auto refusal = fw::test::refusalToChange("Velmora's record HKLM\\Software\\Korvand\\9"))
            GTEST_SKIP() << *refusal;
        deleteRecord();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        // Process ids come round again in later runs: the tick count keeps folders apart.
        static int testNumber = 0;
        folder_ = std::string(temp) + "Velmora-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(GetTickCount()) + "-" + std::to_string(++testNumber);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << folder_ << ": error " << GetLastError();
        payload_ = readFile(expectedPayloadPath());
        ASSERT_GT(payload_.size(), 1000u) << expectedPayloadPath();
        // An older Velmora: the stand-in with bytes appended, so that it still runs but differs
        // from the payload.
        oldVelmora_ = readFile(standinPath()) + std::string(4096, '\x5A');
        ASSERT_TRUE(writeFile(installedExe(), oldVelmora_));
    }

    void TearDown() override
    {
        if (IsSkipped())
            return;  // SetUp refused to touch this machine
        if (velmora_.isValid()) {
            TerminateProcess(velmora_.get(), 0);
            WaitForSingleObject(velmora_.get(), 5000);
        }
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileA((folder_ + "\\" + found.cFileName).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder_.c_str());
        deleteRecord();
    }

    std::string installedExe() const { return folder_ + "\\Velmora.exe"; }

    // The record of an older installation (version 2.2) in this test's folder.
    void recordOlderInstallation()
    {
        setRecordValue("CALE", folder_);
        setRecordValue("VER", "Velmora 2.2");
    }
    // The updater's window is up and its check has written `lines` report lines.
    static bool waitForCheck(UpdaterDriver& updater, std::size_t lines)
    {
        return updater.waitForWindow() && updater.waitForReportLines(lines);
    }

    std::vector<std::string> filesInFolder() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    void startInstalledVelmora()
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION information{};
        std::string commandLine = "\"" + installedExe() + "\"";
        ASSERT_TRUE(CreateProcessA(installedExe().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder_.c_str(), &startup, &information))
            << installedExe() << ": error " << GetLastError();
        fw::UniqueKernelHandle thread(information.hThread);
        velmora_.reset(information.hProcess);
        WaitForInputIdle(velmora_.get(), 10000);
    }

    std::string folder_;
    std::string payload_;
    std::string oldVelmora_;
    fw::UniqueKernelHandle velmora_;
};


}  // namespace e2e
