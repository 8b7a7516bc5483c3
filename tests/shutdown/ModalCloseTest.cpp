// Windows opened the way the main menu opens them (modally, through the menu
// runner) and closed by their window's close box while a blocking walk of
// theirs runs: the walk ends at its next row and the window goes. Escape
// closes them as the close box does. Exit confirmed while a dialog reads ends
// the program within the read's request.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "features/DialogFrame.h"
#include "framework/GUIConfigForm.h"
#include "main/Program.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/MainWindowFixture.h"

namespace {

constexpr int TableRows = 30;
constexpr int RowsBeforeClosing = 3;

// The default stack with one of its tables grown to `rows` rows: copies of
// its first row, each under an index of its own in column 1 (a number after
// the seeded ones, or a name).
std::string DefaultStackWithRows(const std::string& entry, int rows) {
    QFile file(QString::fromStdString(SimStackProcess::DefaultDescriptionPath()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QJsonObject stack = QJsonDocument::fromJson(file.readAll()).object();
    QJsonArray tables = stack["tables"].toArray();
    for (qsizetype t = 0; t < tables.size(); ++t) {
        QJsonObject table = tables[t].toObject();
        if (table["entry"].toString().toStdString() != entry) continue;
        QJsonArray seeded = table["rows"].toArray();
        QJsonObject row = seeded[0].toObject();
        QJsonObject values = row["values"].toObject();
        const bool named = values["1"].isString();
        for (int k = static_cast<int>(seeded.size()) + 1; k <= rows; ++k) {
            values["1"] = named ? QJsonValue(QString("row-%1").arg(k, 2, 10, QChar('0'))) : QJsonValue(k);
            row["values"] = values;
            seeded.append(row);
        }
        table["rows"] = seeded;
        tables[t] = table;
    }
    stack["tables"] = tables;
    return QJsonDocument(stack).toJson().toStdString();
}

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

}  // namespace
