// The auto-start value under the current user's Run key, through the real registry calls.

#include "model/RunValue.h"

#include "Win32TestSupport.h"

namespace halvo::test {
namespace {

// The key path as the program writes it, from the root.
constexpr const char* RunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr Handle CurrentUser = 0x80000001;

class RunValue : public RealPlatformTest {
protected:
    // Not the program's own value name: a test run on a user's machine must not touch a real auto-start.
    const std::string name = "Halvo Shutdown test " + std::to_string(GetCurrentProcessId());
    Handle key = 0;

    void SetUp() override {
        std::uint32_t disposition = 0;
        ASSERT_EQ(
            real.RegCreateKeyExA(CurrentUser, RunKey, 0, nullptr, 0, KEY_ALL_ACCESS, &key, &disposition),
            ERROR_SUCCESS);
        ASSERT_NE(key, 0u);
        EXPECT_TRUE(disposition == REG_CREATED_NEW_KEY || disposition == REG_OPENED_EXISTING_KEY);
    }
    void TearDown() override {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                           Widen(name).c_str());
        if (key) {
            EXPECT_EQ(real.RegCloseKey(key), ERROR_SUCCESS);
        }
    }

    long set(std::uint32_t type, const std::string& bytes) {
        return real.RegSetValueExA(key, name.c_str(), 0, type,
                                   reinterpret_cast<const unsigned char*>(bytes.data()),
                                   std::uint32_t(bytes.size()));
    }

    // The value as the system itself holds it, read without the backend.
    std::wstring storedText() {
        wchar_t text[512] = {};
        DWORD size = sizeof text;
        if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                         Widen(name).c_str(), RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
            return L"<missing>";
        return text;
    }
};

TEST_F(RunValue, IsCreatedReadReplacedAndDeletedAsText) {
    const std::string first = "\"C:\\Program Files\\Halvo Shutdown\\halvo-shutdown.exe\"";
    ASSERT_EQ(set(REG_SZ, std::string(first.c_str(), first.size() + 1)), ERROR_SUCCESS);
    EXPECT_EQ(storedText(), Widen(first)) << "the key from the root is the Run key itself";

    // The size first, as the Option page asks, then the text with its terminating zero.
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    ASSERT_EQ(real.RegQueryValueExA(key, name.c_str(), &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, std::uint32_t(REG_SZ));
    EXPECT_EQ(size, first.size() + 1);
    std::string data(size, '?');
    ASSERT_EQ(
        real.RegQueryValueExA(key, name.c_str(), &type, reinterpret_cast<unsigned char*>(data.data()), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(data, std::string(first.c_str(), first.size() + 1));

    // Replaced by a path outside ASCII: stored as the same characters, answered as the same UTF-8.
    const std::string second = "\"C:\\Users\\Jürgen\\Zeitplan Ω\\halvo-shutdown.exe\"";
    ASSERT_EQ(set(REG_SZ, std::string(second.c_str(), second.size() + 1)), ERROR_SUCCESS);
    EXPECT_EQ(storedText(), Widen(second));
    char small[8] = {};
    size = sizeof small;
    EXPECT_EQ(real.RegQueryValueExA(key, name.c_str(), &type, reinterpret_cast<unsigned char*>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, second.size() + 1) << "the room needed, in UTF-8 bytes";
    data.assign(size, '?');
    ASSERT_EQ(
        real.RegQueryValueExA(key, name.c_str(), &type, reinterpret_cast<unsigned char*>(data.data()), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(data, std::string(second.c_str(), second.size() + 1));

    // Deleted; deleting it again answers "not found", which the Option page takes as nothing to do.
    EXPECT_EQ(real.RegDeleteValueA(key, name.c_str()), ERROR_SUCCESS);
    EXPECT_EQ(storedText(), L"<missing>");
    EXPECT_EQ(real.RegQueryValueExA(key, name.c_str(), &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(real.RegDeleteValueA(key, name.c_str()), ERROR_FILE_NOT_FOUND);
}

TEST_F(RunValue, ANumberAnswersItsTypeSoTheOptionPageCanRefuseIt) {
    // The Option page reports "Invalid data type for '%s'" for any type but REG_SZ and REG_EXPAND_SZ;
    // what it decides on is the type this call answers.
    const std::string four = {'\x01', '\x00', '\x00', '\x00'};
    ASSERT_EQ(set(REG_DWORD, four), ERROR_SUCCESS);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    ASSERT_EQ(real.RegQueryValueExA(key, name.c_str(), &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, std::uint32_t(REG_DWORD));
    EXPECT_EQ(size, 4u);
    unsigned char data[16] = {};
    size = sizeof data;
    ASSERT_EQ(real.RegQueryValueExA(key, name.c_str(), &type, data, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), four)
        << "numbers pass the boundary unchanged";

    // An expandable string is text like a plain one.
    const std::string expandable = "\"%LOCALAPPDATA%\\Halvo\\halvo-shutdown.exe\"";
    ASSERT_EQ(set(REG_EXPAND_SZ, std::string(expandable.c_str(), expandable.size() + 1)), ERROR_SUCCESS);
    size = sizeof data;
    std::string text(128, '\0');
    size = std::uint32_t(text.size());
    ASSERT_EQ(
        real.RegQueryValueExA(key, name.c_str(), &type, reinterpret_cast<unsigned char*>(text.data()), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, std::uint32_t(REG_EXPAND_SZ));
    EXPECT_EQ(text.substr(0, size), std::string(expandable.c_str(), expandable.size() + 1));
}

TEST_F(RunValue, TheKeyPathFromTheRootAndWithoutItsBackslashNameTheSameKey) {
    Handle relative = 0;
    ASSERT_EQ(
        real.RegCreateKeyExA(CurrentUser, RunKey + 1, 0, nullptr, 0, KEY_ALL_ACCESS, &relative, nullptr),
        ERROR_SUCCESS);
    const std::string text = "same key";
    ASSERT_EQ(set(REG_SZ, std::string(text.c_str(), text.size() + 1)), ERROR_SUCCESS);
    char data[32] = {};
    std::uint32_t size = sizeof data;
    EXPECT_EQ(
        real.RegQueryValueExA(relative, name.c_str(), nullptr, reinterpret_cast<unsigned char*>(data), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(std::string(data), text);
    EXPECT_EQ(real.RegCloseKey(relative), ERROR_SUCCESS);
}

TEST(RegistryFailures, AKeyThatCannotBeOpenedAnswersTheSystemsErrorAndNoHandle) {
    RealWin32Api real;
    Handle key = 12345;
    // Not a predefined key and not a handle of ours.
    EXPECT_NE(real.RegCreateKeyExA(0, "Software", 0, nullptr, 0, KEY_ALL_ACCESS, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(key, 0u);
}

// The program's own value, through the same code the Option page runs. Only in a prefix of its own.
TEST_F(RunValue, OwnValueWrittenKeptRefusedAsANumberAndDeleted) {
    if (!RunningUnderWine())
        GTEST_SKIP() << "writes the real auto-start value";
    const std::wstring own = L"Halvo Shutdown";
    const auto stored = [&](DWORD& type) {
        wchar_t data[512] = {};
        DWORD size = sizeof data;
        type = 0;
        const LSTATUS status =
            RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", own.c_str(),
                         RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size);
        return status == ERROR_SUCCESS ? std::wstring(data) : std::wstring(L"<missing>");
    };
    DeleteRunValue();
    DWORD type = 0;
    ASSERT_EQ(stored(type), L"<missing>");

    const std::wstring quotedPath = L"\"" + Widen(real.ExecutablePath()) + L"\"";
    EXPECT_EQ(EnsureRunValue(), "");
    EXPECT_EQ(stored(type), quotedPath);
    EXPECT_EQ(type, DWORD(REG_SZ));

    // Another path stays when the value is only ensured, and is replaced when it is written.
    const std::string other = "\"C:\\Elsewhere\\halvo.exe\"";
    ASSERT_EQ(real.RegSetValueExA(key, RunValueName, 0, REG_SZ,
                                  reinterpret_cast<const unsigned char*>(other.c_str()),
                                  std::uint32_t(other.size() + 1)),
              ERROR_SUCCESS);
    EXPECT_EQ(EnsureRunValue(), "");
    EXPECT_EQ(stored(type), Widen(other));
    EXPECT_EQ(WriteRunValue(), "");
    EXPECT_EQ(stored(type), quotedPath);

    // A number is no path: it is reported and left as it is.
    const std::string four = {'\x01', '\x00', '\x00', '\x00'};
    ASSERT_EQ(real.RegSetValueExA(key, RunValueName, 0, REG_DWORD,
                                  reinterpret_cast<const unsigned char*>(four.data()), 4),
              ERROR_SUCCESS);
    EXPECT_EQ(EnsureRunValue(), "Invalid data type for 'Halvo Shutdown'");
    stored(type);
    EXPECT_EQ(type, DWORD(REG_DWORD));

    DeleteRunValue();
    DeleteRunValue(); // a missing value is no fault
    EXPECT_EQ(stored(type), L"<missing>");
}

} // namespace
} // namespace halvo::test
