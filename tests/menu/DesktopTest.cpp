// The main window on a Linux desktop: its size against the screen it opens
// on, the width of its rows of panels, the messages of its status bar while
// the LEDs poll, the tool launcher's failures, Help, and whole labels and
// port-list columns in the dialogs the menu opens.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>
#include <QTreeWidget>

#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "dialogbase/Form1.h"
#include "features/MethodListForm.h"
#include "features/PortTrunkForm.h"
#include "features/VlanStaticForm.h"
#include "framework/GUIConfigForm.h"
#include "framework/VxSNMPRequest2Leds.h"
#include "framework/VxSNMPSession.h"
#include "main/FrontPanelForms.h"
#include "main/MenuCommand.h"
#include "platform/Help.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/Picture.h"

namespace {

// Twelve units, a module beside some of them.
std::string TwelveUnits() {
    std::string units;
    for (int id = 1; id <= 12; ++id) {
        const char* module = id % 4 == 1 ? R"(, "module": "Selvor")" : id % 4 == 3 ? R"(, "module": "Pirell")" : "";
        units += std::string(id > 1 ? ", " : "") + R"({"id": )" + std::to_string(id) + R"(, "model": "Kestrix-50")" +
                 module + "}";
    }
    return R"({"units": [)" + units + "]}";
}

class Desktop : public MainWindowFixture {
protected:
    TFrontPanelForm* Panel(TList* list, int index) const { return list->Item<TFrontPanelForm>(index); }
};

// The main window on the default stack (units 1 and 3, a module beside
// unit 1), its LEDs polled only when a test says so.
class MessageLine : public Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        StartStack();
        OpenMainWindow();
        for (TList* list : {Window->UnitPanels, Window->ModulePanels})
            for (int i = 0; i < list->Count(); ++i) {
                VxSNMPRequest2Leds* leds = Panel(list, i)->Leds;
                ASSERT_TRUE(PumpUntil([&] { return !leds->IsBusy(); }));  // the first poll
                leds->PollTimer()->SetEnabled(false);
            }
    }
    std::string Line() const { return Window->StatusBar->Panels()->Items(0)->Text(); }
    // One poll of a unit's LEDs (0: unit 1, 1: unit 3), to its end.
    void Poll(int panel) {
        VxSNMPRequest2Leds* leds = Panel(Window->UnitPanels, panel)->Leds;
        leds->Refresh();
        ASSERT_TRUE(PumpUntil([&] { return !leds->IsBusy(); }));
    }
    void PollEveryUnit() {
        for (int i = 0; i < Window->UnitPanels->Count(); ++i) Poll(i);
    }
    // As the user does: a port chosen on the front panel.
    void ChoosePort() { Panel(Window->UnitPanels, 0)->PortButton("SpeedButton1")->Click(); }
    static bool IsLedLine(const std::string& line) { return line.find("Request: Led Status.") != std::string::npos; }
};

// A PATH of one folder of the test's own.
class SearchPath {
public:
    SearchPath() : previous_(std::getenv("PATH") ? std::getenv("PATH") : "") { ::setenv("PATH", Dir.Path().c_str(), 1); }
    ~SearchPath() { ::setenv("PATH", previous_.c_str(), 1); }
    SearchPath(const SearchPath&) = delete;
    SearchPath& operator=(const SearchPath&) = delete;
    TempDir Dir{"kx-path"};

private:
    std::string previous_;
};

// The window stays within the screen's work area, the scroll box scrolls
// through the stack, and the status bar stays in view at the bottom.
TEST_F(Desktop, TwelveUnitsOpenWithinTheScreenAndScroll) {
    struct Screen {
        int Width, Height;
        const char* Picture;
    };
    StartStack(TwelveUnits());
    for (const Screen screen : {Screen{1400, 1000, "main-12-units-1400x1000.png"},
                                Screen{1920, 1080, "main-12-units-1920x1080.png"}}) {
        SCOPED_TRACE(screen.Height);
        ::Screen->SetWorkArea(0, 24, screen.Width, screen.Height - 24);  // a top bar of 24 px
        TMainForm* window = OpenMainWindow();
        ASSERT_EQ(window->UnitPanels->Count(), 12);
        window->Show();
        // (Where the window system puts the frame may move it by a pixel or two.)
        EXPECT_LE(window->Height(), screen.Height - 24);
        EXPECT_LE(window->Width(), screen.Width);
        EXPECT_LE(window->Top() + window->Height(), screen.Height);
        EXPECT_GE(window->Top(), 0);
        EXPECT_LE(window->Left() + window->Width(), screen.Width);

        // The status bar closes the client area, in view.
        EXPECT_TRUE(window->StatusBar->Visible());
        EXPECT_EQ(window->StatusBar->Top() + window->StatusBar->Height(), window->ClientHeight());
        EXPECT_EQ(window->ScrollBox1->Top() + window->ScrollBox1->Height(), window->StatusBar->Top());

        // Scrolled to the end, the last unit shows whole; nothing scrolls sideways.
        Application->ProcessMessages();  // the scroll bars follow the layout
        QScrollArea* area = window->ScrollBox1->Widget();
        EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
        ASSERT_GT(area->verticalScrollBar()->maximum(), 0);
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        const QRect last = Panel(window->UnitPanels, 11)->Widget()->geometry();
        const QPoint bottomRight = area->widget()->mapTo(area->viewport(), last.bottomRight());
        EXPECT_LT(bottomRight.y(), area->viewport()->height());
        EXPECT_LT(bottomRight.x(), area->viewport()->width());
        area->verticalScrollBar()->setValue(0);
        ExpectPicture(window, screen.Picture);
        delete Window;
        Window = nullptr;
    }
}

// The window is as wide as its widest row: a Pirell further down does not cut
// the wider Selvor beside the unit above, whichever comes first.
TEST_F(Desktop, TheWindowFitsTheWidestRowOfPanels) {
    const std::pair<const char*, const char*> orders[] = {{"Selvor", "Pirell"}, {"Pirell", "Selvor"}};
    for (const auto& [first, second] : orders) {
        SCOPED_TRACE(first);
        StartStack(std::string(R"({"units": [{"id": 1, "model": "Kestrix-50", "module": ")") + first +
                   R"("}, {"id": 2, "model": "Kestrix-50", "module": ")" + second +
                   R"("}, {"id": 3, "model": "Tallix-24"}]})");
        TMainForm* window = OpenMainWindow();
        ASSERT_EQ(window->ModulePanels->Count(), 2);
        int widest = 0;
        for (int i = 0; i < 2; ++i) {
            TFrontPanelForm* module = Panel(window->ModulePanels, i);
            widest = std::max(widest, module->ClientWidth());
            EXPECT_LE(module->Left() + module->Width(), window->ScrollBox1->ClientWidth()) << module->Name();
        }
        EXPECT_EQ(widest, 120);  // the Selvor
        EXPECT_EQ(window->ClientWidth(), 780 + widest + 8);
        window->Show();
        ExpectPicture(window, std::string("main-modules-") + first + "-first.png");
        delete Window;
        Window = nullptr;
        Stack.reset();
    }
}

// Notices of the device view, the port pickers and the tool launcher stay
// readable while the LEDs poll, until the user's next action.
TEST_F(MessageLine, ANoticeHoldsAgainstTheLedLinesUntilTheUsersNextAction) {
    struct Case {
        const char* Name;
        std::function<void()> Notice;
        std::string Text;  // empty: a failure line of the unit table
    };
    const Case cases[] = {
        {"unit left out", [&] { Window->AddUnitPanel("Kestrix-50", "13", 0); },
         "Unit id \"13\" from the agent is not 1 to 12: that unit is left out."},
        {"no host tools", [&] { Window->BuildToolCommandLine("/TRmon_Statistics"); }, "No Path!"},
        {"another hand", [&] { Window->StatusBar->Panels()->Items(0)->SetText("Written by another hand"); },
         "Written by another hand"},
        {"unit table refused",
         [&] {
             Stack->Control("fail-next-read 1.3.6.1.4.1.171.12.11.1.9.4.1 tooBig");
             Window->UnitRequest->Refresh();
             ASSERT_TRUE(PumpUntil([&] { return !Window->UnitRequest->IsBusy(); }));
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Notice();
        const std::string notice = Line();
        ExpectNoticeOrFailure(notice, c.Text);
        PollEveryUnit();
        PollEveryUnit();
        EXPECT_EQ(Line(), notice);
        ChoosePort();
        Poll(1);
        EXPECT_TRUE(IsLedLine(Line())) << Line();
    }
}

// A failed poll stays until its own unit answers again: another unit's
// success never hides it.
TEST_F(MessageLine, AnLedFailureHoldsUntilItsOwnUnitAnswersAgain) {
    Stack->Control("fail-next-read 1.3.6.1.4.1.171.12.11.1.9.4.1.6.1 genErr");
    Poll(0);
    const std::string failure = Line();
    ASSERT_EQ(failure.rfind("Get: ", 0), 0u) << failure;
    ASSERT_EQ(failure.find("Ok!"), std::string::npos) << failure;
    Poll(1);
    Poll(1);
    EXPECT_EQ(Line(), failure);
    Poll(0);
    EXPECT_TRUE(IsLedLine(Line()));
    EXPECT_NE(Line().find("Ok!"), std::string::npos) << Line();
    // A notice is not hidden by a failure either.
    Window->ShowDeviceViewMessage("No Path!");
    Stack->Control("fail-next-read 1.3.6.1.4.1.171.12.11.1.9.4.1.6.1 genErr");
    Poll(0);
    EXPECT_EQ(Line(), "No Path!");
}

// A tool that cannot be started is named, with why, on the message line.
TEST_F(MessageLine, AToolThatCannotStartSaysSoAndWhy) {
    SearchPath path;
    const std::string notExecutable = (path.Dir.Path() / "Bridge").string();
    std::ofstream(notExecutable) << "#!/bin/sh\n";
    ::chmod(notExecutable.c_str(), 0644);
    struct Case {
        const char* Item;
        std::string Line;
    };
    const Case cases[] = {
        {"Statistics1", "Cannot start the MIB tool \"Rmon\": no program of that name on the search path (PATH)."},
        {"ForwardingTable1", "Cannot start the MIB tool \"Bridge\": Permission denied."},
    };
    for (const Case& c : cases) {
        auto* item = dynamic_cast<TMenuItem*>(Window->FindComponent(c.Item));
        ASSERT_NE(item, nullptr) << c.Item;
        item->Click();
        EXPECT_EQ(Line(), c.Line);
        PollEveryUnit();
        EXPECT_EQ(Line(), c.Line);
    }
}

// Help opens the module's help in a window of its own, at its contents, with
// no other program on the search path; asked again, the same window comes
// back at its contents.
TEST_F(MessageLine, HelpOpensTheHelpAtItsContentsWithoutAnyOtherProgram) {
    SearchPath path;  // no xdg-open, no viewer of any kind
    MessageBoxRecorder boxes;
    auto* help = dynamic_cast<TMenuItem*>(Window->FindComponent("Help2"));
    ASSERT_NE(help, nullptr);
    auto helpWindows = [] {
        std::vector<THelpForm*> found;
        for (TForm* form : TForm::Forms())
            if (auto* h = dynamic_cast<THelpForm*>(form)) found.push_back(h);
        return found;
    };
    help->Click();
    ASSERT_EQ(helpWindows().size(), 1u);
    THelpForm* window = helpWindows().front();
    EXPECT_TRUE(window->Visible());
    EXPECT_FALSE(window->Modal());
    EXPECT_EQ(window->Caption(), "Kestrix Management Module - Contents");
    EXPECT_TRUE(window->Text->ReadOnly());
    EXPECT_EQ(window->Text->Lines()->Get(0), "Kestrix Management Module - Contents");
    EXPECT_GT(window->Text->Lines()->Count(), 40);
    EXPECT_LE(window->Height(), ::Screen->WorkAreaHeight());
    QPlainTextEdit* text = window->Text->Widget();
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
    ExpectPicture(window, "help-contents.png");

    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    help->Click();
    EXPECT_EQ(helpWindows(), std::vector<THelpForm*>{window});
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
    EXPECT_EQ(boxes.Count(), 0u);

    // A help file that is not there is said so.
    EXPECT_FALSE(WinHelpA(nullptr, (path.Dir.Path() / "missing.hlp").string(), HELP_CONTENTS, 0));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_NE(boxes.Last().Text.find("missing.hlp"), std::string::npos) << boxes.Last().Text;
    EXPECT_EQ(helpWindows().size(), 1u);
    EXPECT_TRUE(WinHelpA(nullptr, window->File, HELP_QUIT, 0));
    Application->ProcessMessages();
    EXPECT_TRUE(helpWindows().empty());
}

// The dialogs of the menu, opened as the menu opens them: modally.
class DialogLook : public Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        StartStack();
        OpenMainWindow({"/I127.0.0.1", "/Rmirabo", "/Wquesnal", "/v1"});
        SessionParameters.Timeout = AnswerTimeout;
    }
    // Runs the command; once its dialog is up modally and its reads are
    // over, runs `check` on it and closes it.
    void WithDialog(const MenuCommand& command, const std::function<void(TForm&)>& check) {
        MessageBoxRecorder boxes;
        WhileModal<TForm>(
            [&] { Window->RunMenuCommand(command); },
            [](TForm& dialog) {
                auto* frame = dynamic_cast<TDialogFrame*>(&dialog);
                return !frame || !frame->Busy();
            },
            [&](TForm& dialog) {
                // The lists fit their columns as they paint.
                EXPECT_TRUE(WaitUntilPainted(&dialog)) << "the lists did not paint";
                check(dialog);
            });
    }
    void WithDialog(const char* handler, const std::function<void(TForm&)>& check) {
        const MenuCommand* command = FindMenuCommand(handler);
        ASSERT_NE(command, nullptr) << handler;
        WithDialog(*command, check);
    }
    // The captions in the dialog that its controls cover or its edges cut,
    // and the fields that stand out of what holds them.
    static std::vector<std::string> CutCaptions(TForm& dialog) {
        std::vector<std::string> cut;
        QWidget* top = dialog.Widget();
        auto check = [&](QWidget* w, const QString& text, int needed) {
            if (text.isEmpty() || !w->isVisibleTo(top)) return;
            const QRect shown(w->geometry().topLeft(), QSize(needed, w->height()));
            bool whole = needed <= w->width() && shown.right() < w->parentWidget()->width();
            for (QObject* o : w->parentWidget()->children()) {
                auto* sibling = qobject_cast<QWidget*>(o);
                if (sibling && sibling != w && sibling->isVisibleTo(top) && sibling->geometry().intersects(shown))
                    whole = false;
            }
            if (!whole) cut.push_back(text.toStdString());
        };
        for (QLabel* label : top->findChildren<QLabel*>())
            if (!label->wordWrap())
                check(label, label->text(), label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->frameWidth());
        // Edits and combo boxes stand whole within what holds them.
        for (QWidget* field : top->findChildren<QWidget*>()) {
            if (!field->inherits("QLineEdit") && !field->inherits("QComboBox")) continue;
            if (!field->isVisibleTo(top) || field->parentWidget()->inherits("QComboBox")) continue;
            if (field->geometry().right() >= field->parentWidget()->width()) cut.push_back(field->objectName().toStdString());
        }
        for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
            const bool box = button->inherits("QCheckBox") || button->inherits("QRadioButton");
            check(button, button->text(),
                  box ? button->sizeHint().width() : button->fontMetrics().horizontalAdvance(button->text()) + 6);
        }
        return cut;
    }
};

// Every dialog of the menu shows each of its labels, boxes, buttons and
// fields whole.
TEST_F(DialogLook, EveryCaptionOfEveryDialogShowsWhole) {
    Form1 = new TForm1(Application);  // the GARP and port capability viewers take turns on it
    int dialogs = 0;
    for (size_t i = 0; i < MenuCommandCount; ++i) {
        const MenuCommand& command = MenuCommands[i];
        if (command.Pattern != CommandPattern::Dialog || !command.Link) continue;
        SCOPED_TRACE(command.Handler);
        ++dialogs;
        WithDialog(command, [&](TForm& dialog) { EXPECT_EQ(CutCaptions(dialog), std::vector<std::string>{}); });
    }
    EXPECT_EQ(dialogs, 47);
    delete Form1;
    Form1 = nullptr;
}

// The method lists' row counter keeps its sunken box whatever it counts.
TEST_F(DialogLook, TheMethodListsRowCounterKeepsItsBox) {
    for (const char* handler : {"LoginMethodControlClick", "EnableMethodControlClick"}) {
        SCOPED_TRACE(handler);
        WithDialog(handler, [&](TForm& dialog) {
            auto& lists = dynamic_cast<TMethodListForm&>(dialog);
            EXPECT_EQ(lists.StaticText1->Caption(), "2");
            EXPECT_EQ(lists.StaticText1->Width(), 58);
            EXPECT_EQ(lists.StaticText1->Height(), 17);
        });
    }
}

// A port list takes a column that leaves the other columns in view; the
// cell's tooltip holds the whole list.
TEST_F(DialogLook, PortListColumnsLeaveTheOtherColumnsInView) {
    struct Case {
        const char* Handler;
        std::function<TListView*(TForm&)> List;
        int PortListColumn;
    };
    const Case cases[] = {
        {"PortTrunk2Click", [](TForm& d) { return dynamic_cast<TPortTrunkForm&>(d).LV_PortTrunk; }, 3},
        {"StaticForm1Click", [](TForm& d) { return dynamic_cast<TVlanStaticForm&>(d).LV_dot1qVlanStaticEntry; }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Handler);
        WithDialog(c.Handler, [&](TForm& dialog) {
            TListView* list = c.List(dialog);
            QTreeWidget* tree = list->Widget();
            QHeaderView* header = tree->header();
            ASSERT_GT(tree->topLevelItemCount(), 0);
            for (int i = 0; i < header->count(); ++i) {
                if (header->isSectionHidden(i) || header->sectionSize(i) == 0) continue;
                EXPECT_LE(header->sectionViewportPosition(i) + header->sectionSize(i), tree->viewport()->width())
                    << list->Columns()->Items(i)->Caption();
            }
            // The cell keeps the whole list; its tooltip shows it.
            QTreeWidgetItem* row = tree->topLevelItem(0);
            const QString whole = row->text(c.PortListColumn);
            EXPECT_EQ(whole.size(), 192);
            const QPoint at = tree->visualItemRect(row).topLeft() +
                              QPoint(header->sectionViewportPosition(c.PortListColumn) + 4, 4);
            QHelpEvent help(QEvent::ToolTip, at, tree->viewport()->mapToGlobal(at));
            QApplication::sendEvent(tree->viewport(), &help);
            EXPECT_EQ(QToolTip::text().remove(QChar('\n')).toStdString(), whole.toStdString());
            ExpectPicture(&dialog, std::string("columns-") + c.Handler + ".png");
        });
    }
}

// The pages of the menu, opened as the user opens them (modally), on a stack
// that serves the objects its units give and none of the others.
class PageLook : public Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        StartStack(R"({"units": [{"id": 1, "model": "Kestrix-50"}]})");
        OpenMainWindow({"/I127.0.0.1", "/Rmirabo", "/Wquesnal", "/v1"});
        SessionParameters.Timeout = AnswerTimeout;
    }
    // Opens the page of a menu item (a port popup's on port 1 of unit 1)
    // and runs `check` on it once it has been read and has painted.
    void WithPageOf(const char* item, const std::function<void(TConfigForm&)>& check) {
        Window->PortInfoPopupMenu->SetPopupComponent(Panel(Window->UnitPanels, 0)->PortButton("SpeedButton1"));
        auto* menuItem = dynamic_cast<TMenuItem*>(Window->FindComponent(item));
        ASSERT_NE(menuItem, nullptr) << item;
        const bool opened = WithPage([&] { menuItem->Click(); },
                                     [&](TConfigForm& window) {
                                         EXPECT_TRUE(WaitUntilPainted(&window));
                                         check(window);
                                     });
        EXPECT_TRUE(opened) << item;
    }
    static TSNMPPanel* PageOf(TConfigForm& window) {
        for (int i = 0; i < window.ControlCount(); ++i)
            if (auto* page = dynamic_cast<TSNMPPanel*>(window.Controls(i))) return page;
        return nullptr;
    }
    // The value control of the row with that label.
    static TWinControl* ValueOf(TConfigForm& window, const std::string& label) {
        auto* page = dynamic_cast<TSNMPEditorPanel*>(PageOf(window));
        for (const UISnmpVar& row : page ? page->EditsPanel->Vars : std::vector<UISnmpVar>{})
            if (row.LabelCtrl->Caption() == label) return row.ValueCtrl;
        return nullptr;
    }
};

// A long value shows from its first character, and whole in its box's
// tooltip where the box cuts it; a combo box's list is as wide as its
// longest entry.
TEST_F(PageLook, ALongValueShowsFromItsStartAndWholeInItsTooltip) {
    const std::string missing = "No Such Object available on this agent at this OID";
    struct Case {
        const char* Item;
        const char* Row;
        std::string Choose;  // an entry the user chooses first
        std::string Tip;     // "=": the whole text of the box
    };
    const Case cases[] = {
        {"snmpEngine1", "Engine ID", "", "="},
        {"snmpEngine1", "Engine Max Message Size", "", ""},
        {"DeviceInformation1", "Total Number Of Port", "", missing},
        {"AlarmControl1", "New Root Alarm", "", missing},
        {"PortConfiguration1", "Nway State", "nway-disabled-1Gigabps-Full-master", "nway-disabled-1Gigabps-Full-master"},
        {"PortConfiguration1", "Admin State", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Item) + ": " + c.Row);
        WithPageOf(c.Item, [&](TConfigForm& window) {
            TWinControl* value = ValueOf(window, c.Row);
            ASSERT_NE(value, nullptr);
            std::string tip = c.Tip;
            if (auto* edit = dynamic_cast<TEdit*>(value)) {
                EXPECT_EQ(edit->Widget()->cursorPosition(), 0);
                if (tip == "=") tip = edit->Text();
            }
            if (auto* combo = dynamic_cast<TComboBox*>(value)) {
                if (!c.Choose.empty()) combo->SetItemIndex(combo->Items()->IndexOf(c.Choose));
                QComboBox* box = combo->Widget();
                box->showPopup();
                QAbstractItemView* list = box->view();
                EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0));
                box->hidePopup();
            }
            EXPECT_EQ(TooltipAt(value->Widget()), tip);
        });
    }
}

// A table's columns fit their captions and values within the window; where
// the largest window cannot hold them, the list scrolls sideways.
TEST_F(PageLook, ATablesColumnsShowWholeWithinTheWindowOrScroll) {
    struct Case {
        const char* Item;
        bool Fits;
    };
    for (const Case& c : {Case{"ViewTable1", true}, Case{"UnitTable1", false}}) {
        SCOPED_TRACE(c.Item);
        WithPageOf(c.Item, [&](TConfigForm& window) {
            auto* page = dynamic_cast<TSNMPListViewPanel*>(PageOf(window));
            ASSERT_NE(page, nullptr);
            TListView* list = page->ListViewPanel->ListView;
            QTreeWidget* tree = list->Widget();
            QHeaderView* header = tree->header();
            ASSERT_GT(tree->topLevelItemCount(), 0);
            int right = 0;
            for (int i = 0; i < header->count(); ++i) {
                if (header->isSectionHidden(i)) continue;
                right = header->sectionPosition(i) + header->sectionSize(i);
                // Each column holds its caption and its values whole (a port
                // list as much as its column makes room for).
                int widest = 0;
                for (int r = 0; r < tree->topLevelItemCount(); ++r)
                    widest = std::max(widest, tree->fontMetrics().horizontalAdvance(tree->topLevelItem(r)->text(i)));
                if (const int most = list->Columns()->Items(i)->MaxTextWidth()) widest = std::min(widest, most);
                widest = std::max(widest, header->fontMetrics().horizontalAdvance(tree->headerItem()->text(i)));
                EXPECT_GE(header->sectionSize(i), widest) << tree->headerItem()->text(i).toStdString();
            }
            if (c.Fits) {
                EXPECT_LE(right, tree->viewport()->width());
                EXPECT_EQ(tree->horizontalScrollBar()->maximum(), 0);
            } else {
                EXPECT_EQ(window.ClientWidth(), 800);
                EXPECT_GT(tree->horizontalScrollBar()->maximum(), 0);
            }
            ExpectPicture(&window, std::string("page-columns-") + c.Item + ".png");
        });
    }
}

}  // namespace
