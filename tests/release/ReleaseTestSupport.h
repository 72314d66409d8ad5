#pragma once
// What the tests of the shipped updater share: where the built programs are, and an installed
// Velmora in a scratch folder with its record in the registry, set and read through the raw API
// (independent of the updater's own registry code). Test-only; includes <windows.h>.
//
// These tests replace Velmora's machine-wide record (HKLM\Software\Korvand\9): under Wine only,
// unless a person opts in (tests/RealMachineGuard.h).

#include "framework/win32/Handles.h"
#include "tests/RealMachineGuard.h"
#include "tests/framework/system/TestScratch.h"
#include "updater/logic/VersionNumber.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace release_test {

inline constexpr const char* recordKey = "Software\\Korvand\\9";

inline std::string builtInText() { return velmora::VersionNumber::fromScaled(VELMORA_VERSION_SCALED).text('.'); }

// Test programs are in <build>/tests; the programs under test in <build> and below it.
inline std::string buildFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.erase(folder.find_last_of('\\'));
    return folder.substr(0, folder.find_last_of('\\'));
}
inline std::string updaterPath() { return buildFolder() + "\\UpVelmora.exe"; }
inline std::string standinPath() { return buildFolder() + "\\standin\\Velmora.exe"; }

// A Linux path as Wine shows it, through drive Z:.
inline std::string windowsPathOf(std::string unixPath)
{
    for (char& c : unixPath)
        if (c == '/')
            c = '\\';
    return "Z:" + unixPath;
}

// The executable the updater carries, as the build was given it.
inline std::string expectedPayload() { return fw::test::readWholeFile(windowsPathOf(EXPECTED_PAYLOAD_UNIX_PATH)); }

struct RawValue {
    RawValue() = default;
    RawValue(DWORD type, std::string bytes) : type(type), bytes(std::move(bytes)) {}
    DWORD type = REG_NONE;
    std::string bytes;
    friend bool operator==(const RawValue&, const RawValue&) = default;
};

// Sets a value of any type with any bytes in the record, creating the key.
inline void setRecordValue(const char* name, DWORD type, const std::string& bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, recordKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const fw::UniqueKey owner(key);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

// A REG_SZ value as the product writes it, with its terminating zero.
inline void setRecordText(const char* name, const std::string& text)
{
    setRecordValue(name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

// The value as stored; nothing when it (or the key) is missing.
inline std::optional<RawValue> recordValue(const char* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, recordKey, 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const fw::UniqueKey owner(key);
    RawValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.resize(size);
    if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.bytes.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.resize(size);
    return value;
}

inline void deleteRecord() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Wow6432Node\\Korvand\\9"); }

// An installed older Velmora in a scratch folder (the stand-in with bytes appended, so that it
// still runs but differs from the payload), and an empty record; both removed afterwards.
class InstalledVelmora : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const auto refusal = fw::test::refusalToChange("Velmora's record HKLM\\Software\\Korvand\\9"))
            GTEST_SKIP() << *refusal;
        deleteRecord();
        folder_ = std::make_unique<fw::test::ScratchFolder>(installationParent());
        ASSERT_TRUE(folder_->isCreated()) << folder_->path() << ": error " << GetLastError();
        payload_ = expectedPayload();
        ASSERT_GT(payload_.size(), 1000u) << EXPECTED_PAYLOAD_UNIX_PATH;
        oldVelmora_ = fw::test::readWholeFile(standinPath()) + std::string(4096, '\x5A');
        ASSERT_TRUE(fw::test::writeWholeFile(installedExe(), oldVelmora_));
    }

    void TearDown() override
    {
        if (IsSkipped())
            return;
        if (folder_)
            SetFileAttributesA(installedExe().c_str(), FILE_ATTRIBUTE_NORMAL);
        folder_.reset();
        deleteRecord();
    }

    // Where the scratch installation folder goes; the user's temporary folder by default.
    virtual std::string installationParent() const { return fw::test::ScratchFolder::temporaryFolder(); }

    const std::string& folder() const { return folder_->path(); }
    std::string installedExe() const { return folder_->file("Velmora.exe"); }

    // The record of an installed older version, as the product writes it.
    void recordOlderInstallation()
    {
        setRecordText("CALE", folder());
        setRecordText("VER", "Velmora 2.2");
    }

    // The installed executable as it was, the version value as given, nothing else in the folder.
    void expectInstallationUnchanged(const std::optional<RawValue>& version) const
    {
        EXPECT_TRUE(fw::test::hasContent(installedExe(), oldVelmora_));
        EXPECT_EQ(recordValue("VER"), version) << "VER changed";
        EXPECT_EQ(folder_->fileNames(), std::vector<std::string>{"Velmora.exe"}) << "a file was left behind";
    }

    std::unique_ptr<fw::test::ScratchFolder> folder_;
    std::string payload_;
    std::string oldVelmora_;
};

inline RawValue textValue(const std::string& text) { return {REG_SZ, std::string(text.c_str(), text.size() + 1)}; }

}  // namespace release_test
