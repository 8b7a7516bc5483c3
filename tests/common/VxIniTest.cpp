#include <gtest/gtest.h>

#include <string>

#include "common/VxIni.h"
#include "platform/winsvc/PrivateProfile.h"
#include "tests/support/TempFiles.h"

namespace {

const char* const DeviceFile =
    "orphan=before any section\r\n"
    "; a comment line\r\n"
    "[Program Information]\r\n"
    "AgentIP =   10.0.0.1   \r\n"
    "  ;Community=hidden\r\n"
    "Community=\"  public  \"\r\n"
    "Name='single quoted'\r\n"
    "Url=http://a/b?c=d\r\n"
    "Empty=\r\n"
    "Blank=    \r\n"
    "Bare\r\n"
    "\r\n"
    "  [ Other ]  \r\n"
    "Key=other value\r\n"
    "AgentIP=20.0.0.2\r\n";

TEST(VxIni, ReadStringTrimsAndFallsBackToTheDefault) {
    const TempFile file(DeviceFile, ".cfg");
    const VxIni ini(file.Path());
    struct Case {
        const char* section;
        const char* key;
        const char* defaultValue;
        const char* expected;
    } cases[] = {
        {"Program Information", "AgentIP", "", "10.0.0.1"},
        {"PROGRAM information", "agentip", "", "10.0.0.1"},  // names without regard to case
        {"Other", "AgentIP", "", "20.0.0.2"},
        {"Other", "key", "", "other value"},
        {"Program Information", "Community", "", "public"},  // quotes dropped, then trimmed
        {"Program Information", "Name", "", "single quoted"},
        {"Program Information", "Url", "", "http://a/b?c=d"},
        {"Program Information", "Missing", "dflt", "dflt"},
        {"Program Information", "Missing", "", ""},
        {"Program Information", "Empty", "dflt", "dflt"},  // an empty value counts 0
        {"Program Information", "Blank", "dflt", "dflt"},
        {"Program Information", "Bare", "dflt", "dflt"},
        {"Program Information", "Key", "dflt", "dflt"},  // other section's key
        {"Program Information", ";Community", "dflt", "dflt"},
        {"", "orphan", "dflt", "dflt"},
        {"No Such Section", "AgentIP", "dflt", "dflt"},
        {"Program Information", "Missing", "  padded  ", "padded"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, c.defaultValue), c.expected) << c.section << "/" << c.key;
}

TEST(VxIni, MissingFileGivesTheDefault) {
    const VxIni ini("/nonexistent/dir/10.0.0.9.cfg");
    EXPECT_EQ(ini.ReadString("Program Information", "AgentIP", "127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(ini.ReadString("Program Information", "AgentIP", ""), "");
}

TEST(VxIni, LongValuesAreCutToTheBuffer) {
    const TempFile file("[S]\nk=" + std::string(5000, 'v') + "\n", ".ini");
    EXPECT_EQ(VxIni(file.Path()).ReadString("S", "k", ""), std::string(4095, 'v'));
}

// ---------------------------------------------------------------------------

TEST(GetPrivateProfileStringA, CountsAndTruncation) {
    const TempFile file(DeviceFile, ".ini");
    const std::string path = file.Path();
    char buffer[64];

    EXPECT_EQ(GetPrivateProfileStringA("Other", "Key", "", buffer, sizeof buffer, path.c_str()), 11u);
    EXPECT_STREQ(buffer, "other value");

    EXPECT_EQ(GetPrivateProfileStringA("Other", "Key", "", buffer, 6, path.c_str()), 5u);
    EXPECT_STREQ(buffer, "other");

    EXPECT_EQ(GetPrivateProfileStringA("Other", "None", "dflt  ", buffer, sizeof buffer, path.c_str()), 4u);
    EXPECT_STREQ(buffer, "dflt");

    EXPECT_EQ(GetPrivateProfileStringA("Other", "None", nullptr, buffer, sizeof buffer, path.c_str()), 0u);
    EXPECT_STREQ(buffer, "");

    EXPECT_EQ(GetPrivateProfileStringA("Other", "Key", "", buffer, 0, path.c_str()), 0u);
    EXPECT_EQ(GetPrivateProfileStringA("Other", "Key", "x", buffer, sizeof buffer, nullptr), 1u);
}

TEST(GetPrivateProfileStringA, NullNamesListSectionsAndKeys) {
    const TempFile file(DeviceFile, ".ini");
    const std::string path = file.Path();
    char buffer[128];

    uint32_t n = GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, path.c_str());
    EXPECT_EQ(std::string(buffer, n + 1), std::string("Program Information\0Other\0\0", 27));

    n = GetPrivateProfileStringA("other", nullptr, "", buffer, sizeof buffer, path.c_str());
    EXPECT_EQ(std::string(buffer, n + 1), std::string("Key\0AgentIP\0\0", 13));

    // A list that does not fit is cut and still ends with two zeros.
    n = GetPrivateProfileStringA("Other", nullptr, "", buffer, 7, path.c_str());
    EXPECT_EQ(n, 5u);
    EXPECT_EQ(std::string(buffer, 7), std::string("Key\0A\0\0", 7));

    n = GetPrivateProfileStringA("Nothing", nullptr, "", buffer, sizeof buffer, path.c_str());
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(buffer[0], '\0');
}

}  // namespace
