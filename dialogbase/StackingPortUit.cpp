#include "dialogbase/StackingPortUit.h"

#include <filesystem>

#include "dialogbase/StackTables.h"
#include "framework/VxSNMPRequest2Edits.h"
#include "platform/Layout.h"
#include "platform/Text.h"

namespace {

bool DeviceInfoPresent() { return std::filesystem::exists("DeviceInfo.ini"); }

// Lets a read of the unit table that is running come to its end; the
// request's own time-outs end it when the agent is silent, well within the
// limit.
void WaitForUnitTable(VxSNMPRequest2Edits* request) {
    if (request) request->WaitWhileBusy(15000);
}

void Report(const StackUnitTable& table, const std::string& message) {
    if (table.Report) table.Report(message);
    else if (table.Messages) table.Messages->SetText(message);
}

// Reads the unit table again when it is empty, unless a read is running.
void RefreshIfEmpty(const StackUnitTable& table) {
    if (!table.Units || !table.Request || table.Units->Items()->Count() > 0 || table.Request->IsBusy()) return;
    try {
        table.Request->Refresh();
    } catch (const Exception& e) {
        Report(table, e.Message());
    }
}

// The port count a unit row gives its pages; 0 when the row is not shown.
int PortCountOf(const StackUnitTable& table, TListItem* row, int unit, const std::string& model) {
    std::string message;
    if (RowText(row, UnitStatusColumn) != "not-exist") {
        const int ports = CheckedPortRange(unit, RowText(row, UnitPortRangeColumn), message);
        if (!ports) Report(table, message);
        return ports;
    }
    return ConfiguredPortCount(ModelOf(table.ModelNames, model));
}

void ShowStackUnits(const std::vector<TStackingPortUitForm*>& pickers, const StackUnitTable& table) {
    if (!table.Units) return;
    TListItems* rows = table.Units->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        TListItem* row = rows->Item(i);
        const std::string model = RowText(row, UnitModelColumn);
        if (SameText(model, "USR-NOT-CFG")) continue;  // not configured: its page stays hidden
        std::string message;
        const int unit = CheckedUnitId(row->Caption(), message);
        if (!unit) {
            Report(table, message);
            continue;
        }
        const int ports = PortCountOf(table, row, unit, model);
        if (!ports) continue;
        for (TStackingPortUitForm* picker : pickers) picker->ShowUnitPorts(row->Caption(), model, ports);
    }
}

}  // namespace

constexpr LayoutControl PickerControls[] = {
    {.Class = "TPageControl", .Name = "UnitPageControl", .Align = alClient},
};
constexpr FormLayout PickerLayout{.Name = "StackingPortUitForm", .ClientWidth = 560, .ClientHeight = 220,
                                  .BorderStyle = bsNone, .Controls = PickerControls};

TStackingPortUitForm::TStackingPortUitForm(TComponent* owner) : TForm(owner) {
    LoadLayout(this, PickerLayout);
    KX_BIND(UnitPageControl);
    if (LargeFontsInUse())
        SetBounds(ScaleBy(Left(), 1.25), ScaleBy(Top(), 1.25), ScaleBy(Width(), 1.25), ScaleBy(Height(), 1.25));
    DoCreate();
}

void TStackingPortUitForm::AddUnitPage(const std::string& caption, int portCount, int columns) {
    auto* sheet = new TTabSheet(UnitPageControl);
    sheet->SetCaption(caption);
    sheet->SetPageControl(UnitPageControl);
    sheet->SetTabVisible(false);
    TabSheets.Add(sheet);
    auto* scroll = new TScrollBox(sheet);
    scroll->SetParent(sheet);
    scroll->SetAlign(alClient);
    if (DeviceInfoPresent()) columns = 10;
    for (int i = 0; i < portCount; ++i) {
        auto* box = new TCheckBox(scroll);
        const std::string text = std::to_string(i + 1);
        box->SetVisible(false);
        box->SetParent(scroll);
        box->SetCaption(text);
        const int fontSize = box->Font()->Size();
        box->SetBounds(fontSize * (i % columns) * 5 + 20, (i / columns) * box->Height() + 4,
                       (static_cast<int>(text.size()) + 3) * fontSize, box->Height());
        CheckBoxes.Add(box);
    }
}

bool TStackingPortUitForm::ShowUnitPorts(const std::string& unitText, const std::string& text, int portCount) {
    std::string message;
    const int unit = CheckedUnitId(unitText, message);
    if (!unit || unit > TabSheets.Count() || portCount < 0 || portCount > PortsPerUnit) return false;
    const int first = StackPort(unit, 1) - 1;
    if (first + portCount > CheckBoxes.Count()) return false;
    auto* sheet = TabSheets.Item<TTabSheet>(unit - 1);
    sheet->SetTabVisible(true);
    sheet->SetCaption(sheet->Caption() + " " + text);
    for (int k = first; k < first + portCount; ++k) Box(k)->SetVisible(true);
    return true;
}

std::vector<TControl*> TStackingPortUitForm::Boxes() const {
    std::vector<TControl*> boxes;
    for (int k = 0; k < CheckBoxes.Count(); ++k) boxes.push_back(CheckBoxes.Item<TControl>(k));
    return boxes;
}

std::vector<TStackingPortUitForm*> SetupStackPortPickers(TComponent* editor,
                                                         const std::vector<TWinControl*>& portAreas,
                                                         const StackUnitTable& table) {
    RefreshIfEmpty(table);
    std::vector<TStackingPortUitForm*> pickers;
    for (TWinControl* area : portAreas) {
        auto* picker = new TStackingPortUitForm(editor);
        picker->SetParent(area);
        picker->SetAlign(alClient);
        picker->Show();
        pickers.push_back(picker);
    }
    for (int n = 1; n <= MaxStackUnits; ++n)
        for (TStackingPortUitForm* picker : pickers) picker->AddUnitPage("Unit" + std::to_string(n), PortsPerUnit, 12);
    // The read started above (or one that was running) is awaited once; a
    // table still empty after it is not read again: a silent agent would
    // only make the editor wait a second time for nothing.
    WaitForUnitTable(table.Request);
    ShowStackUnits(pickers, table);
    return pickers;
}
