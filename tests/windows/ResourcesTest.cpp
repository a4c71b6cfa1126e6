// The Windows program as Explorer and the loader see it: a GUI program with its icon, its version
// information and its manifest, that needs no DLL beyond those of Windows itself.

#include "tests/helpers/TestPaths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The program's path, in the wide characters Windows takes.
const std::wstring ProgramPath = [] {
    const std::string path = TestPath("HALVO_PROGRAM");
    return std::wstring(path.begin(), path.end());
}();
const wchar_t* const Program = ProgramPath.c_str();

std::wstring versionString(const std::wstring& name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(Program, &ignored);
    if (size == 0)
        return L"<no version information>";
    std::string data(size, '\0');
    if (!GetFileVersionInfoW(Program, 0, size, data.data()))
        return L"<unreadable version information>";
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\040904B0\\" + name;
    if (!VerQueryValueW(data.data(), path.c_str(), &value, &length) || length == 0)
        return L"<no " + name + L">";
    return std::wstring(static_cast<const wchar_t*>(value));
}

struct Module {
    HMODULE handle;
    explicit Module(DWORD flags) : handle(LoadLibraryExW(Program, nullptr, flags)) {}
    ~Module() {
        if (handle)
            FreeLibrary(handle);
    }
};

std::string resourceText(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    return std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
}

} // namespace

TEST(ProgramResources, VersionInformationNamesTheProgram) {
    EXPECT_EQ(versionString(L"ProductName"), L"Halvo Shutdown");
    EXPECT_EQ(versionString(L"FileDescription"), L"Halvo Shutdown");
    EXPECT_EQ(versionString(L"ProductVersion"), L"2.01");
    EXPECT_EQ(versionString(L"FileVersion"), L"2.01");
    EXPECT_EQ(versionString(L"OriginalFilename"), L"halvo-shutdown.exe");
}

TEST(ProgramResources, ManifestAsksForPerMonitorDpiAndCommonControls6) {
    Module module(LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module.handle, nullptr);
    const std::string manifest = resourceText(module.handle, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                            "PerMonitorV2, PerMonitor</dpiAwareness>"),
              std::string::npos);
    EXPECT_NE(manifest.find("true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(manifest.find("requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
}

TEST(ProgramResources, IconHasTheSizesOfExplorerAndTheTitleBar) {
    Module module(LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module.handle, nullptr);
    // IDI_ICON1 is the name Qt takes the windows' default icon from.
    HRSRC group = FindResourceW(module.handle, L"IDI_ICON1", MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module.handle, group)));
    for (int size : {16, 32, 48, 256}) {
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(id, 0) << size;
        HRSRC image = FindResourceW(module.handle, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3)); // RT_ICON
        ASSERT_NE(image, nullptr) << size;
        HICON icon = CreateIconFromResourceEx(
            static_cast<BYTE*>(LockResource(LoadResource(module.handle, image))),
            SizeofResource(module.handle, image), TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// A copy to any folder runs: the program imports only DLLs every Windows has (no Qt, no MinGW runtime),
// and it is a GUI program (no console window).
TEST(ProgramResources, GuiProgramThatNeedsOnlyWindowsOwnDlls) {
    Module module(DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(module.handle, nullptr);
    auto* base = reinterpret_cast<BYTE*>(module.handle);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    ASSERT_NE(entry.VirtualAddress, 0u);
    std::set<std::string> imported;
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + entry.VirtualAddress); import->Name;
         ++import) {
        std::string name = reinterpret_cast<const char*>(base + import->Name);
        for (char& c : name)
            c = char(tolower(static_cast<unsigned char>(c)));
        imported.insert(name);
    }
    const std::set<std::string> windowsOwn = {
        "advapi32.dll", "comdlg32.dll", "d2d1.dll",     "d3d11.dll",    "dwmapi.dll",   "dwrite.dll",
        "dxgi.dll",     "gdi32.dll",    "imm32.dll",    "iphlpapi.dll", "kernel32.dll", "msvcrt.dll",
        "netapi32.dll", "ole32.dll",    "oleaut32.dll", "shell32.dll",  "shlwapi.dll",  "user32.dll",
        "userenv.dll",  "uxtheme.dll",  "version.dll",  "winmm.dll",    "ws2_32.dll",   "dnsapi.dll",
        "mpr.dll",      "setupapi.dll", "wtsapi32.dll", "authz.dll",    "crypt32.dll",  "secur32.dll",
        "shcore.dll",   "d3d9.dll",     "winhttp.dll",  "ncrypt.dll",   "bcrypt.dll",   "ntdll.dll",
        "rpcrt4.dll",   "cfgmgr32.dll", "dwmapi.dll"};
    for (const std::string& name : imported) {
        const bool apiSet = name.rfind("api-ms-win-", 0) == 0;
        EXPECT_TRUE(apiSet || windowsOwn.count(name)) << name << " is not part of Windows";
    }
    EXPECT_TRUE(imported.count("user32.dll"));
}
