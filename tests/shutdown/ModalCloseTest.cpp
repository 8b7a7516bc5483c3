// Windows opened the way the main menu opens them (modally, through the menu
// runner) and closed by their window's close box while a blocking walk of
// theirs runs: the walk ends at its next row and the window goes. Escape
// closes them as the close box does. Exit confirmed while a dialog reads ends
// the program within the read's request, and while a dialog is built, at the
// build's next request. A write on its way when the window or the program
// ends goes out whole first. While a command's window is built, choosing a
// command again starts nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "acl/EthernetMaskInformationFormUnit.h"
#include "dialogbase/DialogFrame.h"
#include "features/PortTrunkForm.h"
#include "features/SummerTimeConfigForm.h"
#include "framework/GUIConfigForm.h"
#include "framework/SnmpTransport.h"
#include "main/Program.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"
#include "tests/shutdown/StackDescriptions.h"
#include "tests/support/MainWindowFixture.h"

namespace {

constexpr int TableRows = 30;
constexpr int RowsBeforeClosing = 3;

// Counts the requests the module sends while it lives (the transport's own
// hook still runs).
class SentRequests {
public:
    SentRequests() : Previous(SnmpTransport::Instance().OnSend) {
        SnmpTransport::Instance().OnSend = [this] {
            ++Sent;
            if (Previous) Previous();
        };
    }
    ~SentRequests() { SnmpTransport::Instance().OnSend = Previous; }
    SentRequests(const SentRequests&) = delete;
    SentRequests& operator=(const SentRequests&) = delete;
    int Count() const { return Sent; }

private:
    std::function<void()> Previous;
    int Sent = 0;
};

// As the window's close box does: the close arrives as input, which a
// blocking request keeps until its answer is in.
void PressCloseBox(TForm* window) { QCoreApplication::postEvent(window->Widget(), new QCloseEvent); }

TMenuItem* MenuItem(const TMainForm* main, const std::string& name) {
    return dynamic_cast<TMenuItem*>(main->FindComponent(name));
}

// The dialog that exists (shown or still being built), or null.
TDialogFrame* Dialog() {
    for (TForm* form : TForm::Forms())
        if (auto* dialog = dynamic_cast<TDialogFrame*>(form)) return dialog;
    return nullptr;
}

TSNMPListViewPanel* TablePageOf(TForm* window) {
    for (int i = 0; i < window->ControlCount(); ++i)
        if (auto* page = dynamic_cast<TSNMPListViewPanel*>(window->Controls(i))) return page;
    return nullptr;
}

// A window that walks its table blocking when asked to read it again: a
// dialog's refresh button, or a generated table page's Delete (its re-read
// after the delete is blocking).
struct BlockingReRead {
    const char* Item;        // the main-menu item that opens the window
    const char* Entry;       // the table it walks, grown to TableRows rows
    const char* ReadAgain;   // the dialog's button that reads again; null: a table page's Delete
};

const BlockingReRead Windows[] = {
    {"EthernetMask1", "1.3.6.1.4.1.171.12.9.2.1.1", "BT_Get"},
    {"LoginMethodControl", "1.3.6.1.4.1.171.12.5.3.1", "GetButton"},
    {"ProtocolVLAN1", "1.3.6.1.4.1.171.12.16.1.1.1", "Get"},
    {"ServerGroup1", "1.3.6.1.4.1.171.12.5.9.1", nullptr},
};

void PrintTo(const BlockingReRead& how, std::ostream* out) { *out << how.Item; }

TListView* ListOf(TForm* window, const BlockingReRead& how) {
    if (!how.ReadAgain) {
        TSNMPListViewPanel* page = TablePageOf(window);
        return page ? page->ListViewPanel->ListView : nullptr;
    }
    return dynamic_cast<TListView*>(window->FindComponent("ListView1"));
}

bool FirstReadOver(TForm* window, const BlockingReRead& how) {
    TListView* list = ListOf(window, how);
    if (!window->Visible() || !list || list->Items()->Count() != TableRows) return false;
    if (auto* dialog = dynamic_cast<TDialogFrame*>(window)) return !dialog->Busy();
    auto* page = dynamic_cast<TConfigForm*>(window);
    return page && page->CurrentController && !page->CurrentController->IsBusy();
}

void StartReadingAgain(TForm* window, const BlockingReRead& how) {
    if (how.ReadAgain) {
        dynamic_cast<TButton*>(window->FindComponent(how.ReadAgain))->Click();
        return;
    }
    TSNMPListViewPanel* page = TablePageOf(window);
    page->ListViewPanel->ListView->SetItemIndex(0);
    page->BtnPanel->DeleteBtn->Click();  // "Are you sure to delete ?" answered Yes
}

// Calls `check` every few milliseconds, from whatever loop runs, until it
// returns true.
void Poll(const std::function<bool()>& check) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        if (!check()) return;
        timer->stop();
        timer->deleteLater();
    });
    timer->start(2);
}

// ---------------------------------------------------------------- the modal form

// A handler of the modal form's own loop that lets messages run until its
// window is closed, as a blocking walk does after each row; the close comes
// from the message loop (twice: the close step runs once).
TEST(ModalForm, CloseRunsTheCloseStepBeneathARunningHandlerAndEndsTheLoopAfterIt) {
    struct Case {
        std::vector<TCloseAction> Answers;  // OnClose's action, close by close
        bool Freed;
    };
    const Case cases[] = {{{caHide}, false}, {{caFree}, true}, {{caNone, caHide}, false}};
    for (const Case& c : cases) {
        auto* form = new TForm(nullptr);
        size_t closes = 0;
        bool closedBeneath = false, aliveBeneath = false, handlerOver = false;
        // Once the handler is over, a close is no longer refused (so that a
        // loop that waited for it ends all the same).
        form->OnClose = TCloseEvent::Func([&](TObject*, TCloseAction& action) {
            action = !handlerOver && closes < c.Answers.size() ? c.Answers[closes] : caHide;
            ++closes;
        });
        QTimer::singleShot(0, [&] {
            for (size_t k = 0; k < c.Answers.size(); ++k)
                QTimer::singleShot(0, [form] {
                    form->Close();
                    form->Close();
                });
            for (int round = 0; round < 1000 && closes < c.Answers.size(); ++round) Application->ProcessMessages();
            Application->ProcessMessages();
            closedBeneath = closes == c.Answers.size();
            aliveBeneath = TForm::Exists(form) && form->Modal();
            handlerOver = true;
        });
        EXPECT_EQ(form->ShowModal(), mrCancel);
        EXPECT_TRUE(closedBeneath) << "the close step waited for the handler";
        EXPECT_TRUE(aliveBeneath) << "the window went beneath its handler";
        EXPECT_EQ(closes, c.Answers.size());
        Application->ProcessMessages();
        EXPECT_EQ(TForm::Exists(form), !c.Freed);
        if (TForm::Exists(form)) delete form;
    }
}

class ModalClose : public MainWindowFixture, public ::testing::WithParamInterface<BlockingReRead> {};

TEST_P(ModalClose, TheCloseBoxEndsTheBlockingWalkAtItsNextRow) {
    const BlockingReRead& how = GetParam();
    StartStack(DefaultStackWithRows(how.Entry, TableRows));
    OpenMainWindow({"/I127.0.0.1", "/Rmirabo", "/Wquesnal", "/v1"});
    TMenuItem* item = MenuItem(Window, how.Item);
    ASSERT_NE(item, nullptr);
    MessageBoxRecorder boxes;

    TForm* opened = nullptr;
    int rowsWhenClosed = -1, rowsAtTheEnd = -1;
    Poll([&] {
        TForm* window = ModalWindow<TForm>();
        if (!window || !FirstReadOver(window, how)) return false;
        opened = window;
        TListView* list = ListOf(window, how);
        Stack->Control("delay 20");
        // The walk starts from an empty list (a delete before it leaves the
        // old rows up meanwhile).
        Poll([&, window, list, emptied = false]() mutable {
            emptied = emptied || list->Items()->Count() == 0;
            if (!emptied || list->Items()->Count() < RowsBeforeClosing) return false;
            rowsWhenClosed = list->Items()->Count();
            PressCloseBox(window);
            return true;
        });
        StartReadingAgain(window, how);
        rowsAtTheEnd = list->Items()->Count();
        return true;
    });
    item->Action()->trigger();

    ASSERT_NE(opened, nullptr) << "the window never finished its first read";
    ASSERT_GE(rowsWhenClosed, RowsBeforeClosing) << "the window was never closed";
    EXPECT_LE(rowsAtTheEnd, rowsWhenClosed + 1);
    EXPECT_EQ(ModalWindow<TForm>(), nullptr);
    EXPECT_FALSE(TForm::Exists(opened));
}

INSTANTIATE_TEST_SUITE_P(Windows, ModalClose, ::testing::ValuesIn(Windows),
                         [](const auto& info) { return std::string(info.param.Item); });

// ---------------------------------------------------------------- Escape

// A window the menu opens, and the control that has the focus when Escape is
// pressed (null: the window's own).
struct EscapeIn {
    const char* Item;
    const char* Focus;
};

// The dialogs without a Close button, and a page.
const EscapeIn EscapeCases[] = {
    {"PortTrunk2", "UnitEdit"},  // a field that takes digits only
    {"StaticForm1", "LV_dot1qVlanStaticEntry"},
    {"TpGroupDestinationForwarded1", "LV_dot1qTpGroupEntry"},
    {"MulticastForwardingInformation1", "LV_dot1qForwardAllEntry"},
    {"ForwardUnregisteredInformation1", "LV_dot1qForwardUnregisteredEntry"},
    {"EthernetMask1", "ListView1"},
    {"IPRule1", "ListView1"},
    {"ProtocolVLAN1", "ListView1"},
    {"snmpEngine1", nullptr},
};

void PrintTo(const EscapeIn& in, std::ostream* out) { *out << in.Item; }

// Once the window is up and its first reads are over.
bool Settled(TForm* window) {
    if (!window->Visible()) return false;
    if (auto* dialog = dynamic_cast<TDialogFrame*>(window)) return !dialog->Busy();
    auto* page = dynamic_cast<TConfigForm*>(window);
    return page && page->CurrentController && !page->CurrentController->IsBusy();
}

// Escape as the keyboard sends it: a press and a release, posted to the
// control that has the focus.
void PostEscape(QWidget* target) {
    const QString text = QStringLiteral("\x1b");
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, text));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, text));
}

class EscapeKey : public MainWindowFixture, public ::testing::WithParamInterface<EscapeIn> {};

TEST_P(EscapeKey, ClosesTheWindowAsItsCloseBoxDoesAndSendsNothing) {
    const EscapeIn& in = GetParam();
    StartStack();
    OpenMainWindow();
    TMenuItem* item = MenuItem(Window, in.Item);
    ASSERT_NE(item, nullptr);
    MessageBoxRecorder boxes;

    TForm* opened = nullptr;
    bool closedByEscape = false;
    Poll([&] {
        TForm* window = ModalWindow<TForm>();
        if (!window || !Settled(window)) return false;
        opened = window;
        QWidget* target = window->Widget();
        ActivateForm(window);
        if (in.Focus) {
            auto* control = dynamic_cast<TWinControl*>(window->FindComponent(in.Focus));
            if (!control) {
                ADD_FAILURE() << "no control " << in.Focus;
            } else {
                control->SetFocus();
                target = control->Widget();
            }
        }
        if (QWidget* focused = QApplication::focusWidget(); focused && focused->window() == window->Widget())
            target = focused;
        Stack->ClearTrace();
        PostEscape(target);
        // Once the keys are handled: a window that Escape left open is
        // closed by its close box, so that the command returns.
        QMetaObject::invokeMethod(
            qApp,
            [&, window] {
                closedByEscape = !TForm::Exists(window) || !window->Modal() || window->ModalResult() != mrNone;
                if (!closedByEscape) window->Close();
            },
            Qt::QueuedConnection);
        return true;
    });
    item->Action()->trigger();

    ASSERT_NE(opened, nullptr) << "the window never finished its first read";
    EXPECT_TRUE(closedByEscape);
    EXPECT_FALSE(TForm::Exists(opened));
    EXPECT_EQ(ModalWindow<TForm>(), nullptr);
    EXPECT_TRUE(Stack->TraceLines().empty());
    EXPECT_EQ(boxes.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Windows, EscapeKey, ::testing::ValuesIn(EscapeCases),
                         [](const auto& info) { return std::string(info.param.Item); });

// The main window is no dialog: Escape there neither asks to exit nor exits.
class EscapeOnTheMainWindow : public MainWindowFixture {};

TEST_F(EscapeOnTheMainWindow, NeitherAsksToExitNorExits) {
    StartStack();
    OpenMainWindow();
    MessageBoxRecorder boxes;
    ActivateForm(Window);
    QWidget* focused = QApplication::focusWidget();
    PostEscape(focused && focused->window() == Window->Widget() ? focused : Window->Widget());
    Application->ProcessMessages();
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_TRUE(TForm::Exists(Window));
    EXPECT_TRUE(Window->Visible());
    EXPECT_FALSE(Application->Terminated());
}

// ---------------------------------------------------------------- Exit during a read

class ExitDuringARead : public MainWindowFixture {};

// The access-control editor reads its table (blocking) while it is built,
// before it shows; the user closes the main window meanwhile and confirms.
TEST_F(ExitDuringARead, EndsTheProgramAtTheReadsNextRow) {
    StartStack(DefaultStackWithRows("1.3.6.1.4.1.171.12.9.2.1.1", TableRows));
    Stack->Control("delay 20");
    SetCommandLine({"kestrix-module", "/I127.0.0.1", "/Rmirabo", "/Wquesnal"});
    MessageBoxRecorder boxes;
    int rowsWhenConfirmed = -1, rowsAtTheEnd = -1;
    TListView* list = nullptr;
    boxes.WhileShown = [&](const MessageBoxCall& call) {
        if (call.Text == "Exit Kestrix Management Module" && list) rowsWhenConfirmed = list->Items()->Count();
    };
    Poll([&] {
        if (!MainForm || !MainForm->Visible()) return false;
        TMainForm* main = MainForm;
        QTimer::singleShot(0, [main] { MenuItem(main, "EthernetMask1")->Action()->trigger(); });
        Poll([&, main] {
            TDialogFrame* editor = Dialog();
            list = editor ? dynamic_cast<TListView*>(editor->FindComponent("ListView1")) : nullptr;
            if (!list || list->Items()->Count() < RowsBeforeClosing) return false;
            const TLVChangeEvent counter = list->OnChange;
            list->OnChange = TLVChangeEvent::Func([&, counter](TObject* sender, TListItem* row, TItemChange change) {
                counter(sender, row, change);
                rowsAtTheEnd = list->Items()->Count();
            });
            PressCloseBox(main);
            return true;
        });
        return true;
    });

    EXPECT_EQ(RunKestrixModule(), 0);

    ASSERT_GE(rowsWhenConfirmed, RowsBeforeClosing) << "Exit was never confirmed during the read";
    EXPECT_LE(rowsAtTheEnd, rowsWhenConfirmed + 1);
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_TRUE(TForm::Forms().empty());
}


// ---------------------------------------------------------------- Exit during a build

// Port trunk reads its table twice while it is built, before it shows; the
// first read fails at its one request, so no row lets input through after it.
// The user closes the main window meanwhile and confirms: the build sends
// nothing more, and the program ends.
TEST_F(ExitDuringARead, EndsABuildAtItsNextRequest) {
    StartStack(DefaultStackWithoutUnits());
    SetCommandLine({"kestrix-module", "/I127.0.0.1", "/Rmirabo", "/Wquesnal"});
    MessageBoxRecorder boxes;
    std::unique_ptr<SentRequests> sent;
    int sentWhenPressed = -1, sentWhenConfirmed = -1;
    boxes.WhileShown = [&](const MessageBoxCall& call) {
        if (call.Text == "Exit Kestrix Management Module" && sent) sentWhenConfirmed = sent->Count();
    };
    Poll([&] {
        if (!MainForm || !MainForm->Visible()) return false;
        TMainForm* main = MainForm;
        Stack->Control("delay 300");
        Stack->Control("fail-next-read 1.3.6.1.4.1.171.11.59.8.2.9.3 genErr");
        sent = std::make_unique<SentRequests>();
        QTimer::singleShot(0, [main] { MenuItem(main, "PortTrunk2")->Action()->trigger(); });
        Poll([&, main] {
            // Its first request is on its way.
            auto* trunks = dynamic_cast<TPortTrunkForm*>(Dialog());
            if (!trunks || !trunks->TrunkRequest || !trunks->TrunkRequest->IsBusy() || sent->Count() == 0) return false;
            sentWhenPressed = sent->Count();
            PressCloseBox(main);
            return true;
        });
        return true;
    });

    EXPECT_EQ(RunKestrixModule(), 0);

    ASSERT_GE(sentWhenPressed, 1) << "the build never read";
    EXPECT_EQ(sentWhenConfirmed, sentWhenPressed) << "Exit was confirmed only after the build's next request";
    EXPECT_EQ(sent->Count(), sentWhenPressed) << "the build sent on after the close box";
    EXPECT_TRUE(TForm::Forms().empty());
}

// ---------------------------------------------------------------- a write under way

// Daylight saving time's Set writes the state and offset, waits for the
// answer, then writes the two dates: one write of the user's, in two
// requests. The agent answers slowly; the user ends the window or the
// program while one of them is on its way.
struct WriteUnderWay {
    const char* Name;
    bool Exit;           // the main window's close box, confirmed; else the dialog's close box
    bool DuringTheDates;  // the second request is on its way, else the first
};

const WriteUnderWay Writes[] = {
    {"DialogClosedDuringTheState", false, false},
    {"DialogClosedDuringTheDates", false, true},
    {"ExitDuringTheState", true, false},
};

void PrintTo(const WriteUnderWay& write, std::ostream* out) { *out << write.Name; }

class AWriteUnderWay : public MainWindowFixture, public ::testing::WithParamInterface<WriteUnderWay> {};

void ChooseAnnualDates(TSummerTimeConfigForm& dialog) {
    EXPECT_TRUE(ChooseEntry(dialog.ComboBox1, "annual"));
    for (TComboBox* combo : {dialog.DayComboBox, dialog.MonthComboBox, dialog.HourComboBox, dialog.MiniuteComboBox,
                             dialog.EDayComboBox, dialog.EMonthComboBox, dialog.EHourComboBox, dialog.EMiniuteComboBox})
        EXPECT_TRUE(ChooseEntry(combo, "1")) << combo->Name();
}

std::vector<std::string> TracedObjects(const std::vector<std::string>& trace) {
    std::vector<std::string> objects;
    for (const std::string& line : trace) objects.push_back(line.substr(0, line.find(' ')));
    return objects;
}

TEST_P(AWriteUnderWay, GoesOutWholeBeforeTheWindowOrTheProgramEnds) {
    const WriteUnderWay& how = GetParam();
    StartStack();
    SetCommandLine({"kestrix-module", "/I127.0.0.1", "/Rmirabo", "/Wquesnal"});
    MessageBoxRecorder boxes;
    TSummerTimeConfigForm* pressedOn = nullptr;
    Poll([&] {
        if (!MainForm || !MainForm->Visible()) return false;
        TMainForm* main = MainForm;
        QTimer::singleShot(0, [main] { MenuItem(main, "SummerTime1")->Action()->trigger(); });
        Poll([&, main] {
            auto* dialog = ModalWindow<TSummerTimeConfigForm>();
            if (!dialog || dialog->Busy()) return false;
            ChooseAnnualDates(*dialog);
            Stack->Control("delay 400");
            Stack->ClearTrace();
            Poll([&, main, dialog] {
                VxSNMPRequest2Edits* writing = how.DuringTheDates ? dialog->AnnualEdits : dialog->StateEdits;
                if (!writing || !writing->IsBusy()) return false;
                pressedOn = dialog;
                PressCloseBox(how.Exit ? static_cast<TForm*>(main) : dialog);
                return true;
            });
            dialog->SetBtn->Click();
            return true;
        });
        // Once the dialog is gone, the program ends too.
        Poll([&, main] {
            if (!pressedOn || TForm::Exists(pressedOn)) return false;
            if (TForm::Exists(main)) PressCloseBox(main);
            return true;
        });
        return true;
    });

    EXPECT_EQ(RunKestrixModule(), 0);

    ASSERT_NE(pressedOn, nullptr) << "the write was never on its way";
    EXPECT_EQ(TracedObjects(Stack->TraceLines()),
              (std::vector<std::string>{"1.3.6.1.4.1.171.12.10.12.1.0", "1.3.6.1.4.1.171.12.10.12.2.0",
                                        "1.3.6.1.4.1.171.12.10.12.5.0", "1.3.6.1.4.1.171.12.10.12.6.0"}));
    EXPECT_TRUE(TForm::Forms().empty());
}

INSTANTIATE_TEST_SUITE_P(Writes, AWriteUnderWay, ::testing::ValuesIn(Writes),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------- one window at a time

// Stands for the menu's own handling of a click: a key of its own pressed on
// the main window chooses the item, so the choice arrives as input does
// (held while a blocking request waits, let through where held input goes).
class ChoiceAsInput : public QObject {
public:
    ChoiceAsInput(TForm* window, TMenuItem* item) : Window(window->Widget()), Item(item) {
        Window->installEventFilter(this);
    }
    ~ChoiceAsInput() override {
        if (Window) Window->removeEventFilter(this);
    }
    void Post() { QCoreApplication::postEvent(Window, new QKeyEvent(QEvent::KeyPress, Qt::Key_F13, Qt::NoModifier)); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F13) return false;
        Item->Action()->trigger();
        return true;
    }

private:
    QPointer<QWidget> Window;
    TMenuItem* Item;
};

// A command whose window reads (blocking) while it is built, before it shows.
struct BuiltCommand {
    const char* Item;
    bool (*IsItsWindow)(const TForm*);
};

template <class T>
bool Is(const TForm* form) {
    return dynamic_cast<const T*>(form) != nullptr;
}

const BuiltCommand Built[] = {
    {"PortTrunk2", &Is<TPortTrunkForm>},
    {"EthernetMask1", &Is<TEthernetMaskInformationForm>},
};

void PrintTo(const BuiltCommand& command, std::ostream* out) { *out << command.Item; }

class ChosenAgain : public MainWindowFixture, public ::testing::WithParamInterface<BuiltCommand> {};

// The user chooses the command again while its first read runs; the click
// goes through after the read's row. One window comes up, once.
TEST_P(ChosenAgain, WhileItsWindowIsBuiltStartsNothing) {
    const BuiltCommand& command = GetParam();
    StartStack();
    OpenMainWindow();
    TMenuItem* item = MenuItem(Window, command.Item);
    ASSERT_NE(item, nullptr);
    ChoiceAsInput again(Window, item);
    Stack->Control("delay 200");

    std::set<const TForm*> opened, closed;
    size_t mostAtOnce = 0;
    bool chosenAgain = false;
    QTimer watch;
    watch.setInterval(2);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        std::vector<TForm*> windows;
        for (TForm* form : TForm::Forms())
            if (command.IsItsWindow(form)) windows.push_back(form);
        mostAtOnce = std::max(mostAtOnce, windows.size());
        for (TForm* window : windows) {
            opened.insert(window);
            auto* dialog = dynamic_cast<TDialogFrame*>(window);
            if (!chosenAgain && !window->Visible() && dialog->Busy()) {
                again.Post();
                chosenAgain = true;
            }
            if (window->Modal() && window->Visible() && !dialog->Busy() && closed.insert(window).second)
                PressCloseBox(window);
        }
    });
    watch.start();
    item->Action()->trigger();
    watch.stop();

    EXPECT_TRUE(chosenAgain) << "the window was never seen being built";
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(mostAtOnce, 1u);
    EXPECT_EQ(ModalWindow<TForm>(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Commands, ChosenAgain, ::testing::ValuesIn(Built),
                         [](const auto& info) { return std::string(info.param.Item); });

}  // namespace
