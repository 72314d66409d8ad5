// fw::RegistryKey against Wine's real registry, in scratch keys of the 32-bit view.

#include "framework/system/Registry.h"

#include "framework/core/Error.h"
#include "tests/framework/system/TestScratch.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using fw::RegistryKey;
using fw::RegistryView;
using fw::test::ScratchKey;

void setRaw(const ScratchKey& scratch, const char* name, DWORD type, const void* data, DWORD size)
{
    const fw::UniqueKey key = scratch.openRaw();
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
}

RegistryKey open32(const ScratchKey& scratch)
{
    auto key = RegistryKey::openLocalMachine(scratch.path(), RegistryView::Bits32);
    if (!key)
        throw std::runtime_error("cannot open " + scratch.path());
    return std::move(*key);
}

template <typename Call>
std::string registryErrorOf(Call call)
{
    try {
        call();
    } catch (const fw::RegistryError& error) {
        return error.what();
    }
    return "<no RegistryError>";
}

}  // namespace

TEST(RegistryTest, StringsReadAsStoredUpToTheirFirstZeroByte)
{
    const ScratchKey scratch;
    setRaw(scratch, "plain", REG_SZ, "C:\\Program Files\\Velmora", 25);
    setRaw(scratch, "twoTexts", REG_SZ, "Velmora 2.25\0junk", 18);
    setRaw(scratch, "unterminated", REG_SZ, "Velmora 2.25", 12);
    setRaw(scratch, "emptyText", REG_SZ, "", 1);
    // Expandable strings come back as stored: "%ProgramFiles%" is not replaced.
    setRaw(scratch, "expandable", REG_EXPAND_SZ, "%ProgramFiles%\\Velmora", 23);

    const RegistryKey key = open32(scratch);
    EXPECT_EQ(key.readString("plain"), "C:\\Program Files\\Velmora");
    EXPECT_EQ(key.readString("twoTexts"), "Velmora 2.25");
    EXPECT_EQ(key.readString("unterminated"), "Velmora 2.25");
    EXPECT_EQ(key.readString("emptyText"), "");
    EXPECT_EQ(key.readString("expandable"), "%ProgramFiles%\\Velmora");
}

TEST(RegistryTest, AMegabyteStringAndAnOddByteCountReadWhole)
{
    const ScratchKey scratch;
    const std::string huge(1024 * 1024, 'v');
    setRaw(scratch, "huge", REG_SZ, huge.c_str(), static_cast<DWORD>(huge.size() + 1));
    setRaw(scratch, "odd", REG_SZ, "Velmora 2.2", 11);  // no terminator, odd size

    const RegistryKey key = open32(scratch);
    EXPECT_TRUE(key.readString("huge") == huge);
    EXPECT_EQ(key.readString("odd"), "Velmora 2.2");
}

TEST(RegistryTest, MissingValuesAndValuesWithoutDataReadAsEmptyWhateverTheirType)
{
    const ScratchKey scratch;
    setRaw(scratch, "noDataSz", REG_SZ, nullptr, 0);
    setRaw(scratch, "noDataDword", REG_DWORD, nullptr, 0);
    setRaw(scratch, "noDataBinary", REG_BINARY, nullptr, 0);

    const RegistryKey key = open32(scratch);
    EXPECT_EQ(key.readString("missing"), "");
    EXPECT_EQ(key.readString("noDataSz"), "");
    EXPECT_EQ(key.readString("noDataDword"), "");
    EXPECT_EQ(key.readString("noDataBinary"), "");
}

TEST(RegistryTest, NonStringTypesWithDataRaiseNamingTheValue)
{
    const ScratchKey scratch;
    const DWORD number = 225;
    setRaw(scratch, "VER", REG_DWORD, &number, sizeof number);
    setRaw(scratch, "CALE", REG_BINARY, "C:\\", 4);
    setRaw(scratch, "list", REG_MULTI_SZ, "a\0b\0", 5);

    const RegistryKey key = open32(scratch);
    EXPECT_EQ(registryErrorOf([&] { key.readString("VER"); }), "Invalid data type for 'VER'");
    EXPECT_EQ(registryErrorOf([&] { key.readString("CALE"); }), "Invalid data type for 'CALE'");
    EXPECT_EQ(registryErrorOf([&] { key.readString("list"); }), "Invalid data type for 'list'");
}

TEST(RegistryTest, WritesRegSzWithItsTerminatingZero)
{
    const ScratchKey scratch;
    open32(scratch).writeString("VER", "Velmora 2.25");
    open32(scratch).writeString("empty", "");

    const fw::UniqueKey raw = scratch.openRaw();
    DWORD type = REG_NONE;
    char data[64] = {};
    DWORD size = sizeof data;
    ASSERT_EQ(RegQueryValueExA(raw.get(), "VER", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::string(data, size), std::string("Velmora 2.25", 13));  // 12 characters + zero

    size = sizeof data;
    ASSERT_EQ(RegQueryValueExA(raw.get(), "empty", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(open32(scratch).readString("VER"), "Velmora 2.25");
}

TEST(RegistryTest, The32BitViewCreatesTheKeyUnderWow6432Node)
{
    const ScratchKey scratch;
    open32(scratch).writeString("CALE", "C:\\Velmora");

    // Seen from the 64-bit view, the value is under Wow6432Node, and not under Software itself.
    HKEY native = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, scratch.nativePath().c_str(), 0,
                            KEY_READ | KEY_WOW64_64KEY, &native),
              ERROR_SUCCESS);
    const fw::UniqueKey nativeOwner(native);
    char data[64] = {};
    DWORD size = sizeof data;
    ASSERT_EQ(RegQueryValueExA(native, "CALE", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(data, "C:\\Velmora");

    HKEY wrongView = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, scratch.path().c_str(), 0,
                            KEY_READ | KEY_WOW64_64KEY, &wrongView),
              ERROR_FILE_NOT_FOUND);
    const fw::UniqueKey wrongViewOwner(wrongView);
}

TEST(RegistryTest, FailedWriteRaisesNamingTheValue)
{
    const ScratchKey scratch;
    const RegistryKey key = open32(scratch);
    // The key is deleted while we hold it open: setting a value then fails (ERROR_KEY_DELETED).
    const fw::UniqueKey software = [] {
        HKEY handle = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &handle);
        return fw::UniqueKey(handle);
    }();
    ASSERT_EQ(RegDeleteKeyExA(software.get(), scratch.name().c_str(), KEY_WOW64_32KEY, 0),
              ERROR_SUCCESS);

    EXPECT_EQ(registryErrorOf([&] { key.writeString("VER", "Velmora 2.25"); }),
              "Failed to set data for 'VER'");
}

TEST(RegistryTest, AKeyThatCannotBeCreatedGivesNothing)
{
    // The record's key below a volatile key is out of reach.
    const ScratchKey scratch;
    const auto volatileKey = scratch.createVolatile();
    ASSERT_TRUE(volatileKey.isValid());

    EXPECT_FALSE(RegistryKey::openLocalMachine(scratch.path() + "\\child", RegistryView::Bits32));
}
