// What start-up finds of the host system: the registry stand-in, the help
// path, the error-message files and the cfg directory.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "common/VxCommonMessages.h"
#include "framework/VxSNMPMessages.h"
#include "main/HostFiles.h"
#include "platform/winsvc/Registry.h"
#include "tests/support/TempFiles.h"

namespace {

constexpr const char* HelpKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Modules\\HelpPath]\n";

class HostFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(RegistryFile.parent_path());
        ::setenv("KESTRIX_REGISTRY", RegistryFile.c_str(), 1);
    }
    void WriteRegistry(const std::string& text) const { std::ofstream(RegistryFile) << text; }
    std::string RegistryText() const {
        std::ifstream in(RegistryFile);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TempDir Dir{"kx-host"};
    std::filesystem::path RegistryFile = Dir.Path() / "sub" / "registry.reg";
};

TEST_F(HostFilesTest, RegistryKeepsKeysAndValuesInItsFile) {
    WriteRegistry(
        "; a comment\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Tool]\n"
        "\"Path\"=\"C:\\\\Tools\\\\\"\n"
        "\"Quote\" = \"say \\\"hi\\\"\"\n");
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    EXPECT_TRUE(registry.KeyExists("\\SOFTWARE\\Vendor"));  // a parent of a listed key
    EXPECT_FALSE(registry.KeyExists("\\SOFTWARE\\Other"));
    ASSERT_TRUE(registry.OpenKey("\\software\\vendor\\tool", false));
    EXPECT_EQ(registry.ReadString("path"), "C:\\Tools\\");
    EXPECT_EQ(registry.ReadString("Quote"), "say \"hi\"");
    EXPECT_EQ(registry.ReadString("Missing"), "");
    registry.WriteString("New", "a \"b\" \\c");

    TRegistry again;
    again.RootKey = HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(again.OpenKey("\\SOFTWARE\\Vendor", false));
    ASSERT_TRUE(again.OpenKey("Tool", false));  // below the open key
    EXPECT_EQ(again.ReadString("New"), "a \"b\" \\c");
    EXPECT_EQ(again.ReadString("Path"), "C:\\Tools\\");
    TRegistry user;  // another root
    EXPECT_FALSE(user.OpenKey("\\SOFTWARE\\Vendor\\Tool", false));
}

TEST_F(HostFilesTest, HelpPathKeyIsCreatedWhenMissing) {
    EXPECT_EQ(ReadHelpPath(), "");
    EXPECT_NE(RegistryText().find(HelpKey), std::string::npos) << RegistryText();

    WriteRegistry(std::string(HelpKey) + "\"1.3.6.1.4.1.171.10.59.8\"=\"/opt/zentrik/help/Kestrix.hlp\"\n");
    EXPECT_EQ(ReadHelpPath(), "/opt/zentrik/help/Kestrix.hlp");
}

// A file as the host's administrators keep it: an export's header, comments,
// values of other types (one going on over lines), a default value, Windows
// line endings and a last line without one.
const std::string HostRegistry =
    "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; kept by the host\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Zentrik5.1\\MibFile]\r\n"
    "@=\"default\"\r\n"
    "\"Path\"=\"/srv/mbf/\"\r\n"
    "\"Count\"=dword:00000010\r\n"
    "\"Blob\"=hex:01,02,\\\r\n"
    "  03,04\r\n"
    "\"List\"=hex(7):61,00,00,00\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Modules]\r\n"
    "  \"Note\" = \"spaced\"  ";

TEST_F(HostFilesTest, AddingTheHelpPathKeyLeavesEveryOtherLineAsItWas) {
    WriteRegistry(HostRegistry);
    EXPECT_EQ(ReadHelpPath(), "");
    EXPECT_EQ(RegistryText(), HostRegistry + "\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Modules\\HelpPath]\r\n");
    EXPECT_EQ(ReadHelpPath(), "");  // the key is there now: nothing more is written
    EXPECT_EQ(FindCfgDirectory(), "/srv/mbf/");

    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Pelorin\\Zentrik5.1\\MibFile", false));
    EXPECT_EQ(registry.ReadString(""), "default");
    EXPECT_TRUE(registry.ValueExists("Blob"));
    EXPECT_EQ(registry.ReadString("Blob"), "");  // not a text
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Pelorin\\Modules", false));
    EXPECT_EQ(registry.ReadString("note"), "spaced");
}

TEST_F(HostFilesTest, WritingAValueChangesOnlyItsOwnLines) {
    WriteRegistry(HostRegistry);
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Pelorin\\Zentrik5.1\\MibFile", false));
    registry.WriteString("blob", "now a text");
    registry.WriteString("Added", "x");
    std::string expected = HostRegistry;
    const std::string blob = "\"Blob\"=hex:01,02,\\\r\n  03,04\r\n";
    expected.replace(expected.find(blob), blob.size(), "\"Blob\"=\"now a text\"\r\n");
    const std::string list = "\"List\"=hex(7):61,00,00,00\r\n";
    expected.insert(expected.find(list) + list.size(), "\"Added\"=\"x\"\r\n");
    EXPECT_EQ(RegistryText(), expected);
    EXPECT_EQ(registry.ReadString("Blob"), "now a text");
}

TEST_F(HostFilesTest, TheRegistryIsWrittenThroughALinkToTheFileItNames) {
    const std::filesystem::path kept = Dir.Path() / "host" / "registry.reg";
    std::filesystem::create_directories(kept.parent_path());
    std::ofstream(kept) << "; the host's own\n";
    std::filesystem::create_symlink("../host/registry.reg", RegistryFile);

    ReadHelpPath();

    EXPECT_TRUE(std::filesystem::is_symlink(RegistryFile));
    std::ifstream in(kept);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "; the host's own\n\n" + std::string(HelpKey));
}

TEST_F(HostFilesTest, AFileInAnotherEncodingIsNeverWritten) {
    const std::string utf16("\xFF\xFE[\0H\0", 6);
    WriteRegistry(utf16);
    EXPECT_EQ(ReadHelpPath(), "");
    EXPECT_EQ(RegistryText(), utf16);
}

TEST_F(HostFilesTest, HelpPathIsEmptyWhenTheRegistryCannotBeWritten) {
    // A registry "file" that is a directory can be neither read nor written.
    std::filesystem::create_directories(RegistryFile);
    EXPECT_EQ(ReadHelpPath(), "");
}

TEST_F(HostFilesTest, ErrorMessagesComeFromTheFolderAboveTheHelpFile) {
    EXPECT_EQ(ErrorMessageDirectory(""), "");
    EXPECT_EQ(ErrorMessageDirectory("abcdefghijkl"), "");  // 12 characters
    EXPECT_EQ(ErrorMessageDirectory("/opt/zentrik/help/Kestrix.hlp"), "/opt/zentrik/help");
    EXPECT_EQ(ErrorMessageDirectory("/opt/help/" + std::string("zentrik2.hlp")), "/opt/help/");
}

TEST_F(HostFilesTest, ErrorMessageFilesReplaceTheirTablesAndMissingOnesKeepTheBuiltIn) {
    const std::string builtInTimeout = SnmpClassMessages[4];
    const std::filesystem::path errmsg = Dir.Path() / "errmsg";
    std::filesystem::create_directories(errmsg);
    std::ofstream(errmsg / "snmp.err") << "Too big\n\nNo such name here\n";
    std::ofstream(errmsg / "common.err") << "Fine.\n";

    LoadErrorMessageFiles(Dir.Path().string() + "/");

    EXPECT_EQ(SnmpPduMessages[1], "No such name here");  // blank lines do not count
    EXPECT_EQ(VxCommonMessages[0], "Fine.");
    EXPECT_FALSE(SnmpClassMessages.IsReplaced());
    EXPECT_EQ(SnmpClassMessages[4], builtInTimeout);
    for (VxMessageTable* table : {&SnmpV3Messages, &SnmpUsmMessages, &VxSNMPMessages, &SnmpRequestFormats})
        EXPECT_FALSE(table->IsReplaced());
    SnmpPduMessages.RestoreBuiltIn();
    VxCommonMessages.RestoreBuiltIn();
}

TEST_F(HostFilesTest, CfgDirectoryPrefersTheMibFilePathOverTheProgramPath) {
    EXPECT_EQ(FindCfgDirectory(), "");
    const std::string exePath =
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Zentrik5.1\\ExePath]\n\"Path\"=\"/opt/zentrik/bin/\"\n";
    WriteRegistry(exePath);
    EXPECT_EQ(FindCfgDirectory(), "/opt/zentrik/bin/..\\Conf\\MBF\\");
    WriteRegistry(exePath + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Zentrik5.1\\MibFile]\n\"Path\"=\"/srv/mbf/\"\n");
    EXPECT_EQ(FindCfgDirectory(), "/srv/mbf/");
}

TEST_F(HostFilesTest, HostToolsAreLookedUpInTheRegistry) {
    const std::string appPaths = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
    const std::string openView = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Hewlett-Packard\\OpenView]\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "No Path!"},
        {appPaths + "zentrik5.exe]\n", ""},
        {appPaths + "zentrik51.exe]\n" + openView, ""},
        {openView, "OpenView : File Path Error!"},
        {openView + "\"OV_PATH\"=\"/opt/OV\"\n", ""},
    };
    for (const auto& [registry, notice] : cases) {
        WriteRegistry(registry);
        EXPECT_EQ(CheckHostTools(), notice) << registry;
    }
}

}  // namespace
