// DLLs taken from the system folder only: one planted beside the program is never loaded.

#include "framework/win32/SystemLibrary.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <string>

namespace {

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string folderOf(HMODULE module)
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    const std::string file(path, length);
    return lowerCase(file.substr(0, file.find_last_of('\\')));
}

}  // namespace

TEST(SystemLibrary, LoadsFromTheSystemFolderAndFindsProcedures)
{
    const fw::SystemLibrary oleacc("oleacc.dll");
    ASSERT_TRUE(oleacc.isLoaded());
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(folderOf(oleacc.handle()), lowerCase(system));
    EXPECT_NE(oleacc.procedure<void()>("LresultFromObject"), nullptr);
    EXPECT_EQ(oleacc.procedure<void()>("NoSuchProcedure"), nullptr);
}

TEST(SystemLibrary, NeverLoadsADllPlantedBesideTheProgram)
{
    // The build puts velmora_planted_probe.dll beside this program; the ordinary search finds it.
    HMODULE planted = LoadLibraryA("velmora_planted_probe.dll");
    ASSERT_NE(planted, nullptr) << "the planted DLL is missing, so this test would prove nothing";
    FreeLibrary(planted);

    const fw::SystemLibrary library("velmora_planted_probe.dll");
    EXPECT_FALSE(library.isLoaded());
    EXPECT_EQ(library.procedure<int()>("plantedProbe"), nullptr);
}
