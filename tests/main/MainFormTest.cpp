// The main window started against the simulated stack: start-up, the tool
// launcher's notice, the exit confirmation, and the program's own ends.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "features/Md5InformationForm.h"
#include "features/PortMirrorForm.h"
#include "framework/VxSNMPMessages.h"
#include "framework/VxSNMPSession.h"
#include "main/Program.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MainWindowFixture.h"

namespace {

class MainFormTest : public MainWindowFixture {};

TEST_F(MainFormTest, StartUpTakesTheAgentFromTheCommandLineAndTheHostsFiles) {
    StartStack();
    std::filesystem::create_directories(Dir->Path() / "help" / "errmsg");
    std::ofstream(Dir->Path() / "help" / "errmsg" / "vxsnmp.err") << "Ok, says the host\n";
    WriteRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Zentrik5.1\\MibFile]\n\"Path\"=\"" + CfgDir.string() +
                  "\"\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelorin\\Modules\\HelpPath]\n\"1.3.6.1.4.1.171.10.59.8\"=\"" +
                  (Dir->Path() / "help" / "zentrik2.hlp").string() + "\"\n");

    TMainForm* window = OpenMainWindow();

    EXPECT_EQ(MainForm, window);
    EXPECT_EQ(window->Caption(), "Kestrix : 127.0.0.1");
    EXPECT_EQ(window->CfgDirectory, CfgDir.string());
    EXPECT_EQ(SessionParameters.Device.Address, "127.0.0.1");
    EXPECT_EQ(SessionParameters.Device.Port, Stack->Port());
    EXPECT_EQ(window->PortText, std::to_string(Stack->Port()));
    EXPECT_EQ(SessionParameters.Security.ReadCommunity, "mirabo");
    EXPECT_EQ(SessionParameters.Security.Version, 0);
    EXPECT_EQ(VxSNMPMessages[0], "Ok, says the host");
    // The boot counter file in the working directory, the user's alone.
    const auto bits = std::filesystem::status(Dir->Path() / BootCounterFileName).permissions();
    EXPECT_EQ(static_cast<unsigned>(bits & std::filesystem::perms::all), 0600u);
    EXPECT_EQ(window->StatusBar->Panels()->Count(), 1);
    VxSNMPMessages.RestoreBuiltIn();
}

// Given with or without brackets, the address stands in brackets wherever a
// caption shows it after a colon: the main window, a page, a dialog that
// captions itself, a dialog the menu captions.
TEST_F(MainFormTest, AnIpv6AgentIsManagedOverIpv6AndEveryCaptionShowsItInBrackets) {
    StartStack();
    for (const std::string address : {"::1", "[::1]"}) {
        SCOPED_TRACE(address);
        std::ofstream(CfgDir / (address + ".cfg")) << "[Program Information]\nAgentPort=" << Stack->Port() << "\n";
        TMainForm* window = OpenMainWindow({"/I" + address, "/Rmirabo", "/Wquesnal"});
        EXPECT_EQ(window->Caption(), "Kestrix : [::1]");
        EXPECT_EQ(window->UnitPanels->Count(), 2) << address << ": " << window->StatusBar->Panels()->Items(0)->Text();
        WithPage([&] { FindMenuItem("DeviceControl1")->Action()->trigger(); },
                 [](TConfigForm& page) { EXPECT_EQ(page.Caption(), "Layer 2 Global Switch:[::1]"); });
        WithDialogOf<TPortMirrorForm>(
            "PortMirrorTable1", [](TPortMirrorForm& dialog) { EXPECT_EQ(dialog.Caption(), "Port Mirror Table:[::1]"); });
        WithDialogOf<TMd5InformationForm>("MD5Information1", [](TMd5InformationForm& dialog) {
            EXPECT_EQ(dialog.Caption(), "MD5 Information Table : [::1]");
        });
        delete Window;
        Window = nullptr;
        Application->SetMainForm(nullptr);
    }
}

TEST_F(MainFormTest, LargeFontsFollowTheScreensPixelsPerInch) {
    StartStack();
    Screen->SetPixelsPerInch(120);
    TMainForm* window = OpenMainWindow();
    EXPECT_EQ(window->LargeFonts, 1);
    EXPECT_FLOAT_EQ(window->Scale, 1.25f);
    delete Window;
    Screen->SetPixelsPerInch(96);
    window = OpenMainWindow();
    EXPECT_EQ(window->LargeFonts, 0);
    EXPECT_FLOAT_EQ(window->Scale, 1.0f);
}

TEST_F(MainFormTest, ToolLauncherTellsWhenTheHostsToolsAreNotRegistered) {
    StartStack();
    TMainForm* window = OpenMainWindow({"/I127.0.0.1", "/Rmirabo", "/Wquesnal"});
    EXPECT_EQ(window->BuildToolCommandLine("/TRmon_Statistics"),
              "Rmon /I127.0.0.1 /Rmirabo /Wquesnal /TRmon_Statistics");
    EXPECT_EQ(window->StatusBar->Panels()->Items(0)->Text(), "No Path!");
}

// A front panel as the device view keeps it: its close is recorded.
class FakePanel : public TForm {
public:
    FakePanel(TComponent* owner, int& closes) : TForm(owner), closes_(closes) {
        OnClose = TCloseEvent(this, &FakePanel::FormClose);
    }
    void FormClose(TObject*, TCloseAction& action) {
        ++closes_;
        action = caFree;
    }

private:
    int& closes_;
};

TEST_F(MainFormTest, ExitAsksAndCancelKeepsEverythingRunning) {
    StartStack();
    TMainForm* window = OpenMainWindow();
    window->Show();
    int closes = 0;
    auto* panel = new FakePanel(window, closes);
    window->UnitPanels->Add(panel);

    MessageBoxRecorder boxes;
    boxes.Answer(IDCANCEL);
    window->Close();

    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "Exit Kestrix Management Module");
    EXPECT_EQ(boxes.Last().Caption, "Confirm");
    EXPECT_EQ(boxes.Last().Flags & MB_TYPEMASK, MB_OKCANCEL);
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(closes, 0);
    EXPECT_TRUE(TForm::Exists(panel));
    EXPECT_NE(window->UnitPanels, nullptr);
}

TEST_F(MainFormTest, ExitWithOkClosesEveryPanelAndEndsTheApplication) {
    StartStack();
    TMainForm* window = OpenMainWindow();
    window->Show();
    int closes = 0;
    auto* unitPanel = new FakePanel(window, closes);
    auto* modulePanel = new FakePanel(window, closes);
    window->UnitPanels->Add(unitPanel);
    window->ModulePanels->Add(modulePanel);

    MessageBoxRecorder boxes;
    boxes.Answer(IDOK);
    window->Close();

    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(closes, 2);
    EXPECT_FALSE(TForm::Exists(unitPanel));
    EXPECT_FALSE(TForm::Exists(modulePanel));
    EXPECT_EQ(window->UnitPanels, nullptr);
    EXPECT_EQ(window->ModulePanels, nullptr);
    EXPECT_EQ(window->PortButtons, nullptr);
    EXPECT_EQ(window->UnitRequest, nullptr);
    EXPECT_EQ(window->RmonRequest, nullptr);
    EXPECT_TRUE(Application->Terminated());
    Application->ProcessMessages();  // the released panels' late messages find nothing
}

TEST_F(MainFormTest, WithoutArgumentsTheProgramSaysSoAndEnds) {
    MessageBoxRecorder boxes;
    SetCommandLine({"kestrix-module"});
    EXPECT_EQ(RunKestrixModule(), 0);
    ASSERT_GE(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Calls().front().Text, "No parameter input");
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(MainForm, nullptr);  // gone with the application
}

TEST_F(MainFormTest, ABadNumberInTheCfgFileEndsTheProgramWithItsMessage) {
    StartStack();
    WriteCfgFile("[Program Information]\nAgentPort=16x\n");
    SetCommandLine({"kestrix-module", "/I127.0.0.1", "/Rmirabo"});
    MessageBoxRecorder boxes;
    EXPECT_EQ(RunKestrixModule(), 1);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "'16x' is not a valid integer value (key \"AgentPort\" in " +
                                     (CfgDir / "127.0.0.1.cfg").string() + ")");
    EXPECT_EQ(MainForm, nullptr);
}

// The working directory may hold whatever anyone put under the boot
// counter file's name. The program's own start-up, run in such a folder as
// a process of its own (the exit probe answers its message box): it neither
// waits on a FIFO nor reads through a link, and stops with the engine's
// message, writing nothing.
TEST(StartUp, ABootCounterNameThatHoldsNoFileStopsTheStartWithItsMessage) {
    namespace fs = std::filesystem;
    for (const std::string planted : {"a FIFO", "a link to a private file"}) {
        SCOPED_TRACE(planted);
        TempDir work("kx-work"), home("kx-home");
        const fs::path name = work.Path() / BootCounterFileName, privateFile = home.Path() / "private";
        std::ofstream(privateFile) << "api_pin 4711\n";
        fs::permissions(privateFile, fs::perms::owner_read | fs::perms::owner_write);
        if (planted == "a FIFO") ASSERT_EQ(mkfifo(name.c_str(), 0600), 0);
        else fs::create_symlink(privateFile, name);
        const fs::file_type type = fs::symlink_status(name).type();

        const fs::path out = home.Path() / "out", err = home.Path() / "err";
        Child program({KX_EXIT_PROBE, "/I127.0.0.1", "/Rmirabo", "/Wquesnal"},
                      EnvironmentWith({{"KESTRIX_REGISTRY", (home.Path() / "registry.reg").string()}}),
                      {.Out = out, .Err = err, .Directory = work.Path()});
        ASSERT_TRUE(program.Started());
        const std::optional<int> status = program.Wait(std::chrono::seconds(120));
        std::ifstream said(out), kept(privateFile);
        const std::string lines{std::istreambuf_iterator<char>(said), {}};
        ASSERT_TRUE(status.has_value()) << "the start waits\n" << lines;
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1) << *status << "\n" << lines;
        EXPECT_NE(lines.find(": (VxSNMP++) Error when loading SNMP engine boots counter!\n"), std::string::npos)
            << lines;

        EXPECT_EQ(fs::symlink_status(name).type(), type);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "api_pin 4711\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(work.Path()), fs::directory_iterator()), 1);
    }
}

}  // namespace
