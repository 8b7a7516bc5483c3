#pragma once
// A hand-made dialog against the simulated stack, opened from a stand-in of
// the main window (the dialogs' host and owner: dialogbase/DialogHost.h), and
// driven as a user drives it.
//
//   OpenHostOn(description);                        // or the default stack
//   auto* dialog = OpenDialog<TVlanStaticForm>();   // shown, first reads done
//   SelectRow(dialog->LV_dot1qVlanStaticEntry, 1);
//   Press(dialog, dialog->SetBtn);                  // the set trace starts anew
//   EXPECT_EQ(Stack->TraceLines(), ...);
//
// OpenDialog shows the dialog without a modal loop; it is closed and
// deleted at the end of the test unless the test did so. FromMenu opens it
// as the program does, modally through its menu command's row, and acts on
// it inside its modal loop:
//
//   FromMenu<TVlanStaticForm>("StaticForm1Click", [&](TVlanStaticForm& dialog) {
//       SelectRow(dialog.LV_dot1qVlanStaticEntry, 1);
//       ...
//   });
//
// A suite that opens its dialogs from the main window's menu items starts the
// main window itself in StartHost (StartMainWindow, MainWindowFixture.h).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogbase/DialogFrame.h"
#include "dialogbase/DialogHost.h"
#include "tests/support/StackFixture.h"

class VxSNMPRequest2Edits;

// The main window as far as the dialogs know it: their owner, the host of the
// large-font flag, the agent address and the stack's unit table, which it
// reads from the stack. The application's main window while it lives.
class TMainWindowStandIn : public TForm, public VxDialogHost {
public:
    explicit TMainWindowStandIn(TComponent* owner);
    ~TMainWindowStandIn() override;

    bool UsesLargeFonts() const override { return LargeFonts; }
    std::string AgentAddress() const override { return AgentIP; }
    StackUnitTable UnitTable() const override { return {UnitListView, UnitRequest, ModelNames}; }

    bool LargeFonts = false;
    std::string AgentIP = "127.0.0.1";
    TStatusBar* StatusBar = nullptr;    // panel 0 takes the unit table's result lines
    TListView* UnitListView = nullptr;  // hidden, as the main window's
    VxSNMPRequest2Edits* UnitRequest = nullptr;
    std::string ModelNames[9];
};

class DialogFixture : public StackFixture {
protected:
    void TearDown() override;

    // Starts the stack (empty: the default one) and the host on it.
    void OpenHostOn(const std::string& description = {});
    // Starts the host on the running stack and waits until it holds the
    // stack's unit table; requests made from then on wait AnswerTimeout for
    // each answer.
    void OpenHost();
    // The session pointed at the stack's agent as the main window points it
    // (SNMPv1, communities "mirabo" and "quesnal"), and the stand-in of the
    // main window, reading the unit table, in Window and Host.
    virtual void StartHost();

    // Constructs the dialog with the host's window as owner (and the
    // arguments given), shows it and waits until its first reads are over.
    template <class T, class... A>
    T* OpenDialog(A&&... arguments) {
        T* dialog = new T(Window, std::forward<A>(arguments)...);
        Dialog = dialog;
        Show(dialog);
        return dialog;
    }
    void Show(TDialogFrame* dialog);

    // Runs the main-menu command (its handler's name) with Window in the main
    // window's place, which shows its dialog modally and deletes it
    // afterwards. Once the dialog is up and its first reads are over, `use`
    // runs on it inside its modal loop; then the dialog is closed as its
    // close box does (unless `use` closed it).
    template <class T>
    void FromMenu(const char* handler, const std::function<void(T&)>& use) {
        RunModally(handler, [&](TDialogFrame& shown) {
            auto* dialog = dynamic_cast<T*>(&shown);
            ASSERT_NE(dialog, nullptr) << handler << " showed another dialog";
            use(*dialog);
        });
    }
    void RunModally(const char* handler, const std::function<void(TDialogFrame&)>& use);
    // Pumps until no controller of the dialog is busy (at most ms).
    void WaitIdle(TDialogFrame* dialog, int ms = 15000);
    // Closes the dialog as its window's close box does, then deletes it.
    void CloseAndDelete(TDialogFrame* dialog);

    // As a user: clicks the button with the set trace cleared, so that it
    // holds what the click sent, and waits until the dialog is idle.
    void Press(TDialogFrame* dialog, TControl* button);
    void Press(TDialogFrame* dialog, const char* button);  // the dialog's button of that name
    // As a user: selects a row (-1: none) and clicks the list.
    static void SelectRow(TListView* list, int index);
    // As a user: chooses the entry of that label in the combo box's list,
    // which runs its change handlers; a failure when no entry has the label.
    static void Choose(TComboBox* combo, const std::string& label);
    static void Choose(TDialogFrame* dialog, const char* combo, const std::string& label);  // by the combo's name
    // As a user: clicks a check box (its state turns over).
    static void Click(TCheckBox* box);

    static std::vector<std::string> Lines(const TMemo* memo);
    static std::string LastLine(const TMemo* memo);
    // Each row as "caption|sub-item|...".
    static std::vector<std::string> Rows(const TListView* list);
    // The numbers of the boxes that are checked.
    static std::vector<int> Checked(const std::vector<TCheckBox*>& boxes);
    // A port picker's 768 boxes, in bit order.
    static std::vector<TCheckBox*> BoxesOf(const TStackingPortUitForm* picker);

    // The octets of a set-trace line's string value.
    static std::string TracedOctets(const std::string& line);
    // The bits set in a port list, bit 0 the top bit of octet 0.
    static std::vector<int> BitsOf(const std::string& octets);
    // The set trace as the dialog tests compare it: `table` (an OID, and the
    // dot after it) taken off the front of each line that starts with it,
    // and a port list (a string of a port picker's 96 octets) shown as
    // "<oid> bits <bit> <bit> ...".
    std::vector<std::string> Written(const std::string& table) const;

    TDialogFrame* Dialog = nullptr;
    // The window the dialogs are opened from: the stand-in (Host), or the
    // main window where a suite opens it.
    TForm* Window = nullptr;
    TMainWindowStandIn* Host = nullptr;
};
