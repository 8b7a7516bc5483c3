#pragma once
// The frame of the two method list editors (login and enable): a table of
// named method lists, each up to four methods in order, listed, created,
// changed and deleted. The two editors are the same code on two tables;
// their differences (item table, names of controls, texts, layout) are a
// MethodListLook.
//
// A row editor (RowEditor.h) on the method lists' rules (MethodListRules.h):
// reads and writes block; Edit and Add send only the methods that are set,
// after asking whether methods that follow a "local" or "none" method should
// be changed first; every result line, a failure's included, goes to panel 0
// of the status bar.

#include <array>
#include <span>

#include "features/MethodListRules.h"
#include "dialogbase/RowEditor.h"

struct MethodListLook {
    const char* Name;  // the layout's name: the class without its "T"
    const char* Caption;
    int ClientWidth, ClientHeight;
    int ButtonPanelWidth, EditPanelHeight, ControlWidth;
    bool ListAboveEdits;  // else the edit panel sits at the bottom
    const SnmpVarItem* Items;
    const char* NameEdit;
    std::array<const char*, 4> TypeCombos;
    std::array<const char*, 4> ServerGroupEdits;
    std::array<const char*, 10> Labels;  // the edit panel's labels, in item order
    const char* MissingName;
    const char* DuplicateName;
};

// The control that shows an item in the edit panel.
constexpr const char* MethodListControl(const MethodListLook& look, int item) {
    if (item == mlName) return look.NameEdit;
    if (item == mlRowStatus) return "RowComboBox";
    const size_t method = static_cast<size_t>((item - 1) / 2);
    return item % 2 ? look.TypeCombos[method] : look.ServerGroupEdits[method];
}

// The fields of an editor's look, in item order: the name and the server
// groups take at most 15 characters; the row status first shows createAndGo.
constexpr std::array<RowField, 10> MethodListFields(const MethodListLook& look) {
    std::array<RowField, 10> fields{};
    for (int item = 0; item < 10; ++item) {
        const auto k = static_cast<size_t>(item);
        const bool edit = item % 2 == 0 && item != mlRowStatus;
        fields[k] = {item, MethodListControl(look, item), edit ? "%s{l15}" : nullptr, look.Labels[k]};
    }
    fields[mlRowStatus] = RowStatusField(mlRowStatus, "RowComboBox", look.Labels[mlRowStatus], nullptr, RowCreateAndGo);
    return fields;
}

class TMethodListForm : public TRowEditor {
public:
    TStaticText* StaticText1;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TComboBox* RowComboBox;

    // The name edit, the type combos and the server-group edits, whatever
    // the editor names them.
    TEdit* ListName = nullptr;
    std::array<TComboBox*, 4> TypeCombos{};
    std::array<TEdit*, 4> ServerGroupEdits{};

protected:
    TMethodListForm(TComponent* owner, const MethodListLook& look, std::span<const RowField> fields);

    std::optional<RowRefusal> CheckWrite(const RowSnapshot& form, RowWrite write) const override;
    RowItems LeftOut(const RowSnapshot& form, RowWrite write) const override;
    RowWrite WriteOfSelected(const RowSnapshot& form) const override;
    // Asks about ineffective methods when the order check fails: Yes (change
    // them) sends nothing, No goes on without them.
    bool ConfirmWrite(RowSnapshot& form, RowWrite write) override;

private:
    void FitLabelColumns();

    const MethodListLook& Look;
};

// The layout of a method list editor.
const FormLayout& MethodListLayout(const MethodListLook& look);
