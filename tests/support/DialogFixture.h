#pragma once
// A hand-made dialog against the simulated stack, opened from the real main
// window (MainWindowFixture), and driven as a user drives it.
//
//   OpenMainWindowOn(description);                  // or the default stack
//   auto* dialog = OpenDialog<TVlanStaticForm>();   // shown, first reads done
//   SelectRow(dialog->LV_dot1qVlanStaticEntry, 1);
//   Stack->ClearTrace();
//   dialog->SetBtn->Click();
//   WaitIdle(dialog);
//   EXPECT_EQ(Stack->TraceLines(), ...);
//
// OpenDialog shows the dialog without a modal loop; it is closed and
// deleted at the end of the test unless the test did so. FromMenu opens it
// as the program does, modally from its menu command, and acts on it inside
// its modal loop:
//
//   FromMenu<TVlanStaticForm>("StaticForm1Click", [&](TVlanStaticForm& dialog) {
//       SelectRow(dialog.LV_dot1qVlanStaticEntry, 1);
//       ...
//   });

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "features/DialogFrame.h"
#include "tests/support/MainWindowFixture.h"

class DialogFixture : public MainWindowFixture {
protected:
    void TearDown() override;

    // Starts the stack (empty: the default one) and the main window on it,
    // and waits until the main window holds the stack's unit table.
    void OpenMainWindowOn(const std::string& description = {});

    // Constructs the dialog with the main window as owner (and the
    // arguments given), shows it and waits until its first reads are over.
    template <class T, class... A>
    T* OpenDialog(A&&... arguments) {
        T* dialog = new T(Window, std::forward<A>(arguments)...);
        Dialog = dialog;
        Show(dialog);
        return dialog;
    }
    void Show(TDialogFrame* dialog);

    // Runs the main-menu command (its handler's name), which shows its
    // dialog modally and deletes it afterwards. Once the dialog is up and its
    // first reads are over, `use` runs on it inside its modal loop; then the
    // dialog is closed as its close box does (unless `use` closed it).
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

    // As a user: selects a row (-1: none) and clicks the list.
    static void SelectRow(TListView* list, int index);
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
};
