// What the built UpVelmora.exe carries besides its code, read back out of the file as Windows
// reads it: the manifest that makes Windows ask for elevation, the version resource that
// Explorer and installers show, and the payload with its digest.

#include "ReleaseTestSupport.h"

#include "framework/core/Sha256.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <regex>
#include <string>

namespace {

using release_test::updaterPath;

// The updater mapped as a data file: its resources can be read, none of its code runs.
class ResourceFile {
public:
    explicit ResourceFile(const std::string& path)
        : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
    }
    ~ResourceFile()
    {
        if (module_)
            FreeLibrary(module_);
    }
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    bool isLoaded() const { return module_ != nullptr; }

    // The resource's bytes in US English, the language the resource script declares; nothing
    // when it is not there.
    std::optional<std::string> resource(const char* type, const char* name) const
    {
        HRSRC found = FindResourceExA(module_, type, name, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (!data)
            return std::nullopt;
        return std::string(static_cast<const char*>(data), SizeofResource(module_, found));
    }

private:
    HMODULE module_;
};

}  // namespace

TEST(UpdaterExecutable, ManifestAsksForElevationNamesTheSystemsCommonControls6AndDpiAwareness)
{
    const ResourceFile updater(updaterPath());
    ASSERT_TRUE(updater.isLoaded()) << updaterPath() << ": error " << GetLastError();
    // Windows reads the manifest of a program from resource 1 of type RT_MANIFEST.
    const auto manifest = updater.resource(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
    ASSERT_TRUE(manifest) << "no manifest: Windows would run the updater without elevation";

    const std::vector<std::pair<const char*, const char*>> required = {
        {"an XML declaration", R"(^<\?xml version="1\.0")"},
        {"elevation", R"(<requestedExecutionLevel\s+level="requireAdministrator"\s+uiAccess="false"\s*/>)"},
        {"Windows 7", R"(<supportedOS\s+Id="\{35138b9a-5d96-4fbd-8e2d-a2440225f93a\}"\s*/>)"},
        {"Windows 8", R"(<supportedOS\s+Id="\{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38\}"\s*/>)"},
        {"Windows 8.1", R"(<supportedOS\s+Id="\{1f676c76-80e1-4239-95bb-83d0f6d0da78\}"\s*/>)"},
        {"Windows 10 and 11", R"(<supportedOS\s+Id="\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\}"\s*/>)"},
        {"common controls 6",
         R"(name="Microsoft\.Windows\.Common-Controls"\s+version="6\.0\.0\.0"\s+processorArchitecture="amd64"\s+publicKeyToken="6595b64144ccf1df")"},
        {"per-monitor awareness v2, per-monitor awareness after it",
         R"(<application\s+xmlns="urn:schemas-microsoft-com:asm\.v3">\s*<windowsSettings>[\s\S]*<dpiAwareness\s+xmlns="http://schemas\.microsoft\.com/SMI/2016/WindowsSettings">\s*PerMonitorV2\s*,\s*PerMonitor\s*</dpiAwareness>[\s\S]*</windowsSettings>\s*</application>)"},
        {"per-monitor or system awareness for systems before Windows 10",
         R"(<windowsSettings>[\s\S]*<dpiAware\s+xmlns="http://schemas\.microsoft\.com/SMI/2005/WindowsSettings">\s*true/pm\s*</dpiAware>[\s\S]*</windowsSettings>)"},
        {"the end of the assembly", R"(</assembly>\s*$)"},
    };
    for (const auto& [what, pattern] : required)
        EXPECT_TRUE(std::regex_search(*manifest, std::regex(pattern))) << "the manifest lacks " << what;
}

TEST(UpdaterExecutable, VersionResourceNamesTheCarriedVersionAndTheProgram)
{
    const std::string path = updaterPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource";
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    // Whole part, then the fraction in four digits: 2.25 is 2.2500.0.0, and sorts below 2.3000.0.0.
    const DWORD expectedMost = MAKELONG(VELMORA_VERSION_SCALED % 10000, VELMORA_VERSION_SCALED / 10000);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, expectedMost);
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(fixed.dwProductVersionMS, expectedMost);
    EXPECT_EQ(fixed.dwProductVersionLS, 0u);
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));

    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(static_cast<const WORD*>(value)[0], 0x0409);  // US English
    EXPECT_EQ(static_cast<const WORD*>(value)[1], 1200);    // Unicode

    const std::vector<std::pair<std::string, std::string>> strings = {
        {"FileVersion", release_test::builtInText()}, {"ProductVersion", release_test::builtInText()},
        {"ProductName", "Velmora"},                   {"FileDescription", "Velmora updater"},
        {"OriginalFilename", "UpVelmora.exe"},        {"InternalName", "UpVelmora"},
        {"CompanyName", "Korvand"},
    };
    for (const auto& [name, expected] : strings) {
        const std::string query = "\\StringFileInfo\\040904B0\\" + name;
        ASSERT_TRUE(VerQueryValueA(block.data(), query.c_str(), &value, &length)) << name;
        EXPECT_EQ(std::string(static_cast<const char*>(value)), expected) << name;
    }
}

TEST(UpdaterExecutable, CarriesThePayloadAndTheDigestTheBuildComputedOfIt)
{
    const ResourceFile updater(updaterPath());
    ASSERT_TRUE(updater.isLoaded());
    const auto payload = updater.resource("VELMORA", "UPGRADE");
    const auto digest = updater.resource("VELMORA", "UPGRADE_SHA256");
    ASSERT_TRUE(payload && digest);
    EXPECT_TRUE(*payload == release_test::expectedPayload()) << "the payload is not the given executable";
    // CMake's SHA-256 against ours, over a whole executable.
    EXPECT_EQ(*digest, fw::toHex(fw::Sha256::of(*payload)));
}
