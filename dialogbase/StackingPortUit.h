#pragma once
// The stack port picker: a borderless form embedded in a port-list editor,
// with one tab per stack unit and 64 check boxes on each, 768 in all. Box k
// stands for bit k of a port list (port p of unit u is box (u - 1) * 64 +
// p - 1); only the units of the stack and the ports each really has are
// shown.
//
// An editor builds its pickers (one to three) in its set-up:
//
//   auto pickers = SetupStackPortPickers(this, {PortPanel1, PortPanel2}, HostUnitTable());
//   controller->BindValueListCtrls(item, "0,1,...", pickers[0]->Boxes());
//
// The pickers belong to the editor and go with it.

#include <functional>
#include <string>
#include <vector>

#include "dialogbase/StackUnits.h"
#include "platform/Vcl.h"

class VxSNMPRequest2Edits;

class TStackingPortUitForm : public TForm {
public:
    explicit TStackingPortUitForm(TComponent* owner);

    // Adds a unit page, its tab hidden: `portCount` boxes in rows of
    // `columns` (10 when "DeviceInfo.ini" is in the current directory).
    void AddUnitPage(const std::string& caption, int portCount, int columns);
    // Shows the tab of unit `unitText` with " " + text after its caption,
    // and the unit's first `portCount` boxes. False, and nothing changed,
    // for a unit outside 1..12, a port count outside 0..64 or a unit whose
    // page was not added.
    bool ShowUnitPorts(const std::string& unitText, const std::string& text, int portCount);

    TPageControl* UnitPageControl = nullptr;
    TList CheckBoxes;  // TCheckBox*, unit 1's 64 boxes first
    TList TabSheets;   // TTabSheet*, in the order added

    // The boxes as controls, in bit order (for binding to a port list).
    std::vector<TControl*> Boxes() const;
    TCheckBox* Box(int index) const { return CheckBoxes.Item<TCheckBox>(index); }
};

// What the pickers read of the stack: the cached unit table (caption = unit
// id, sub-item 0 the status text, 3 the port range, 7 the model), the
// controller that refreshes it, the model-name table (the main window's, as
// the dialog host gives them: DialogHost.h), and where a unit row that
// cannot be shown is reported.
struct StackUnitTable {
    TListView* Units = nullptr;
    VxSNMPRequest2Edits* Request = nullptr;
    ModelNameTable ModelNames;
    TStatusPanel* Messages = nullptr;
    // Takes the messages instead of Messages when set (a dialog's memo).
    std::function<void(const std::string&)> Report = nullptr;
};

// Creates one picker in each port area (client-aligned, shown, owned by
// `editor`), adds the twelve unit pages to each, and shows on them the
// units of the stack: present units with their port range, units configured
// but absent with their model's port count. An empty unit table is read
// again first (never while a read of it is running), and that read, or the
// one running, is waited for once, at most as long as the request may take;
// a read that cannot be sent is reported and the pages are built from what
// the table holds.
std::vector<TStackingPortUitForm*> SetupStackPortPickers(TComponent* editor,
                                                         const std::vector<TWinControl*>& portAreas,
                                                         const StackUnitTable& table);
