// The installed version record against Wine's real registry, under scratch keys: the real record
// (Software\Korvand\9) is never touched.

#include "updater/InstalledVersionRecord.h"

#include "framework/core/Error.h"
#include "tests/framework/system/TestScratch.h"

#include <gtest/gtest.h>

#include <windows.h>

using fw::test::ScratchKey;
using velmora::InstalledVersionRecord;

TEST(InstalledVersionRecordTest, ReadsWhatTheProductWroteInThe32BitView)
{
    const ScratchKey scratch;
    {
        const fw::UniqueKey raw = scratch.openRaw();  // as the 32-bit product writes it
        ASSERT_EQ(RegSetValueExA(raw.get(), "CALE", 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>("C:\\Velmora"), 11),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(raw.get(), "VER", 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>("Velmora 2.10"), 13),
                  ERROR_SUCCESS);
    }
    const InstalledVersionRecord record(scratch.path());
    EXPECT_EQ(record.read("CALE"), "C:\\Velmora");
    EXPECT_EQ(record.read("VER"), "Velmora 2.10");
    EXPECT_EQ(record.read("MISSING"), "");
}

TEST(InstalledVersionRecordTest, EveryAccessOpensTheKeyAfresh)
{
    const ScratchKey scratch;
    const InstalledVersionRecord record(scratch.path());
    EXPECT_EQ(record.read("VER"), "");  // creates the key, empty

    record.write("VER", "Velmora 2.25");
    EXPECT_EQ(record.read("VER"), "Velmora 2.25");

    // The product changes the value between two calls: the next read sees it.
    {
        const fw::UniqueKey raw = scratch.openRaw();
        ASSERT_EQ(RegSetValueExA(raw.get(), "VER", 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>("Velmora 2.30"), 13),
                  ERROR_SUCCESS);
    }
    EXPECT_EQ(record.read("VER"), "Velmora 2.30");

    // The key is removed by someone else: the next write creates it again.
    {
        HKEY software = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                                &software),
                  ERROR_SUCCESS);
        const fw::UniqueKey owner(software);
        ASSERT_EQ(RegDeleteTreeA(software, scratch.name().c_str()), ERROR_SUCCESS);  // and the key
    }
    record.write("VER", "Velmora 2.25");
    EXPECT_EQ(record.read("VER"), "Velmora 2.25");
}

TEST(InstalledVersionRecordTest, NonStringVersionRaisesNamingIt)
{
    const ScratchKey scratch;
    {
        const fw::UniqueKey raw = scratch.openRaw();
        const DWORD number = 225;
        ASSERT_EQ(RegSetValueExA(raw.get(), "VER", 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&number), sizeof number),
                  ERROR_SUCCESS);
    }
    try {
        InstalledVersionRecord(scratch.path()).read("VER");
        FAIL() << "a REG_DWORD VER was read as a string";
    } catch (const fw::RegistryError& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'VER'");
    }
}

TEST(InstalledVersionRecordTest, AKeyThatCannotBeOpenedReadsEmptyAndRefusesWrites)
{
    // The record's key below a volatile key is out of reach.
    const ScratchKey scratch;
    const auto volatileKey = scratch.createVolatile();
    ASSERT_TRUE(volatileKey.isValid());
    const InstalledVersionRecord record(scratch.path() + "\\9");

    EXPECT_EQ(record.read("VER"), "");
    try {
        record.write("VER", "Velmora 2.25");
        FAIL() << "a write to a key that cannot be opened was reported as done";
    } catch (const fw::RegistryError& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'VER'");
    }
}
