#pragma once
// The main menu's commands as data. Every command of the main window is one
// row of main/MenuCommands.def, named by its handler (UnitTable1Click); a row
// says which pattern the command follows and with what:
//
//   ScalarPage("Device Information", KX_TABLE(PortCountItems, "1.3.6...", 2))
//   TablePage("Unit Table", KX_TABLE(UnitMgmtItems, "1.3.6...", 13), MVT_FMV, 1).SetHeight(450, ByScale)
//   Tool("/TMIB_Info")
//   Dialog(OwnedByApplication, &LinkDialog<TPortMirrorForm>)
//
// One runner (TMainForm::RunMenuCommand, MainMenu.cpp) carries every row out,
// the dialog rows through RunDialogCommand.
//
// A dialog command opens its dialog through the row's DialogLink (a row
// without one stays greyed out in the menu). The link names the dialog's
// class, whose header MenuCommands.cpp includes:
//
//   Dialog(OwnedByMainWindow, &LinkDialog<TVlanStaticForm, &VlanStaticForm>)
//
// The class needs a constructor taking its owner (TComponent*). The second
// argument of LinkDialog is the dialog unit's global variable, where the
// command keeps the open dialog (and which it sets back to null once the
// dialog is deleted). The row says the owner; the dialog's layout says how
// its caption is made (FormLayout::Captioning), and the command sets what
// that rule leaves to it (TDialogFrame::MenuCaption), with the row's title
// where the rule takes the menu's (Titled). The library of the command table
// links the dialog libraries (kx_features, kx_acl; main/CMakeLists.txt), so
// nothing else changes.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <typeinfo>

#include "framework/SnmpVarItem.h"

class TComponent;
class TForm;

enum class CommandPattern : uint8_t {
    ScalarPage,   // a scalar group on an editor page
    TablePage,    // a table walk on a list page
    RowPage,      // one table row on an editor page
    PortRowPage,  // the row of the port whose button was right-clicked
    Tool,         // one of the host's MIB tools, started as a program of its own
    Dialog,       // a hand-made dialog
    Help,         // the help file at its contents
    Exit,         // closes the main window
};

// Whether a size is multiplied by the main window's Scale.
enum SizeScaling : uint8_t { Fixed, ByScale };

// One adjustment of the editor window after its page is built.
struct SizeStep {
    enum Rule : uint8_t { None, SetHeight, AddHeight, AddWidth };
    Rule Change = None;
    int Pixels = 0;
    SizeScaling Scaling = Fixed;
};

enum DialogOwner : uint8_t { OwnedByApplication, OwnedByMainWindow };

// How a dialog command makes its dialog.
struct DialogLink {
    // Constructs the dialog with its owner and keeps it in its global.
    TForm* (*Create)(TComponent* owner);
    // Sets the global back to null once the dialog is deleted.
    void (*Forget)();
    // The dialog's class.
    const std::type_info& (*Class)();
};

// Global: the address of the dialog unit's global, or nothing. Whether there
// is one is told by its type, since the address of another unit's global is
// no constant that `if constexpr` may compare with null.
template <class T, auto Global = nullptr>
inline constexpr DialogLink LinkDialog = {
    [](TComponent* owner) -> TForm* {
        T* dialog = new T(owner);
        if constexpr (!std::is_null_pointer_v<decltype(Global)>) *Global = dialog;
        return dialog;
    },
    [] {
        if constexpr (!std::is_null_pointer_v<decltype(Global)>) *Global = nullptr;
    },
    []() -> const std::type_info& { return typeid(T); },
};

// An item table of the catalogue as a row names it: the table, and the base
// OID and item count that the row expects of it (checked against the
// catalogue by the tests).
struct ItemTableRef {
    const char* Name = nullptr;
    const SnmpVarItem* Items = nullptr;
    const char* BaseOid = nullptr;
    uint32_t ItemCount = 0;
};

#define KX_TABLE(items, baseOid, count) ItemTableRef{#items, items, baseOid, count}

struct MenuCommand {
    const char* Handler = nullptr;  // the TMainForm handler, "UnitTable1Click"
    CommandPattern Pattern = CommandPattern::ScalarPage;

    // Pages (and the one dialog that takes a page title).
    const char* Title = nullptr;  // kept in TMainForm::PageTitle, begins the caption
    ItemTableRef Table;
    uint8_t Kind = SVT_SV;
    uint32_t IndexCount = 0;
    int RowStatusItem = -1;  // the item that Add and Delete write; -1: neither
    const char* AddValue = nullptr;
    const char* DeleteValue = nullptr;
    SizeStep Sizes[2];                   // in the order they apply
    const char* CaptionSeparator = ":";  // between title and agent; null: no caption set
    bool KeepsConfigForm = false;        // the window is kept in the global ConfigForm
    bool ReadsRmonStateOnClose = false;  // closing the page updates the RMON items
    bool ShowsSpanningTreeNote = false;  // a red note under the page

    // Tools.
    const char* ToolPage = nullptr;  // "/T" + module + "_" + page

    // Dialogs.
    DialogOwner Owner = OwnedByApplication;
    const DialogLink* Link = nullptr;

    // A copy of this row with one change (defined before the modifiers that
    // use it: Clang 14 evaluates them as constants only then).
    template <class Change>
    constexpr MenuCommand With(Change change) const {
        MenuCommand c = *this;
        change(c);
        return c;
    }

    constexpr bool IsPage() const {
        return Pattern == CommandPattern::ScalarPage || Pattern == CommandPattern::TablePage ||
               Pattern == CommandPattern::RowPage || Pattern == CommandPattern::PortRowPage;
    }
    // Whether choosing it does something now: every command but a dialog
    // that is not built yet.
    constexpr bool Available() const { return Pattern != CommandPattern::Dialog || Link != nullptr; }

    // Modifiers of a row, in the order the row lists them.
    constexpr MenuCommand Rows(int statusItem, const char* addValue, const char* deleteValue) const {
        return With([&](MenuCommand& c) {
            c.RowStatusItem = statusItem;
            c.AddValue = addValue;
            c.DeleteValue = deleteValue;
        });
    }
    constexpr MenuCommand SetHeight(int pixels, SizeScaling scaling) const {
        return Sized({SizeStep::SetHeight, pixels, scaling});
    }
    constexpr MenuCommand AddHeight(int pixels, SizeScaling scaling) const {
        return Sized({SizeStep::AddHeight, pixels, scaling});
    }
    constexpr MenuCommand AddWidth(int pixels, SizeScaling scaling) const {
        return Sized({SizeStep::AddWidth, pixels, scaling});
    }
    constexpr MenuCommand CaptionSeparatedBy(const char* separator) const {
        return With([&](MenuCommand& c) { c.CaptionSeparator = separator; });
    }
    constexpr MenuCommand KeepsItsCaption() const { return CaptionSeparatedBy(nullptr); }
    constexpr MenuCommand KeptInConfigForm() const {
        return With([](MenuCommand& c) { c.KeepsConfigForm = true; });
    }
    constexpr MenuCommand ClosingReadsRmonState() const {
        return With([](MenuCommand& c) { c.ReadsRmonStateOnClose = true; });
    }
    constexpr MenuCommand SpanningTreeNote() const {
        return With([](MenuCommand& c) { c.ShowsSpanningTreeNote = true; });
    }
    // A dialog whose title becomes the page title and, where the dialog's
    // caption rule takes the menu's title (CaptionRule::MenuTitleAndAgent),
    // begins its caption.
    constexpr MenuCommand Titled(const char* title) const {
        return With([&](MenuCommand& c) { c.Title = title; });
    }

private:
    // The step goes in the first free slot.
    constexpr MenuCommand Sized(SizeStep step) const {
        return With([&](MenuCommand& c) {
            for (SizeStep& slot : c.Sizes) {
                if (slot.Change == SizeStep::None) {
                    slot = step;
                    break;
                }
            }
        });
    }
};

// Rows of the patterns, as main/MenuCommands.def writes them.
namespace MenuRows {

constexpr MenuCommand PageOf(CommandPattern pattern, const char* title, ItemTableRef table, uint8_t kind,
                             uint32_t indexCount) {
    MenuCommand c;
    c.Pattern = pattern;
    c.Title = title;
    c.Table = table;
    c.Kind = kind;
    c.IndexCount = indexCount;
    return c;
}
constexpr MenuCommand ScalarPage(const char* title, ItemTableRef table) {
    return PageOf(CommandPattern::ScalarPage, title, table, SVT_SV, 0);
}
constexpr MenuCommand TablePage(const char* title, ItemTableRef table, uint8_t kind, uint32_t indexCount) {
    return PageOf(CommandPattern::TablePage, title, table, kind, indexCount);
}
constexpr MenuCommand RowPage(const char* title, ItemTableRef table, uint8_t kind, uint32_t indexCount) {
    return PageOf(CommandPattern::RowPage, title, table, kind, indexCount);
}
// The row of the right-clicked port: the button's Tag is the row's instance.
constexpr MenuCommand PortRowPage(const char* title, ItemTableRef table) {
    return PageOf(CommandPattern::PortRowPage, title, table, MVT_SV, 0);
}
constexpr MenuCommand Tool(const char* page) {
    MenuCommand c;
    c.Pattern = CommandPattern::Tool;
    c.ToolPage = page;
    return c;
}
constexpr MenuCommand Dialog(DialogOwner owner, const DialogLink* link) {
    MenuCommand c;
    c.Pattern = CommandPattern::Dialog;
    c.Owner = owner;
    c.Link = link;
    return c;
}
constexpr MenuCommand HelpFile() {
    MenuCommand c;
    c.Pattern = CommandPattern::Help;
    return c;
}
constexpr MenuCommand ExitProgram() {
    MenuCommand c;
    c.Pattern = CommandPattern::Exit;
    return c;
}

}  // namespace MenuRows

// Every row of main/MenuCommands.def, in its order.
extern const MenuCommand MenuCommands[];
extern const size_t MenuCommandCount;

// The row of that handler, or null.
const MenuCommand* FindMenuCommand(std::string_view handler);

// Carries out a dialog row (MenuDialogs.cpp): the dialog constructed with
// the row's owner (`mainWindow`, or the application), kept in its global,
// captioned as its layout leaves to the menu command (TDialogFrame::
// MenuCaption, with the row's title), shown modally and deleted when that
// returns. A row without a link does nothing.
// The construction is the dialog's build (its first reads run before it
// shows): held input goes through between its requests meanwhile, so that
// Exit ends it at its next request. The main window's runner comes here,
// and so do the tests of a dialog, with a window of their own in the main
// window's place.
void RunDialogCommand(const MenuCommand& command, TComponent* mainWindow);
// Whether a command's window is being built: then no other command starts,
// only Exit.
bool CommandWindowBeingBuilt();
