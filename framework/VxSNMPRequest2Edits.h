#pragma once
// The page controller of every editor: binds items of its var list to form
// controls (labels, static texts, check boxes, combo boxes, radio groups,
// edit boxes, rows of check boxes standing for bits) and to at most one
// list view. After a read it moves each item's value text into its
// controls; before a write it moves the controls back into the value texts;
// on a table page it fills the list view with one row per table row and
// loads the selected row into the controls.

#include <memory>
#include <string>
#include <vector>

#include "framework/VxSNMPRequest2Controls.h"
#include "platform/Events.h"

class TControl;
class TForm;
class TListItem;
class TListView;
class TLabel;
class TStaticText;
class TCheckBox;
class TComboBox;
class TEdit;
class VxEditConstraint;
class VxOptionList;

// One bind call: items' value octets from Offset on, in Syntax, shown in
// Controls (a bit per control where Positions are given).
struct ControlBinding {
    int Item = 0;
    int Offset = 0;
    int Syntax = 0;
    const VxOptionList* Options = nullptr;
    int Count = 0;
    std::vector<int> Positions;  // empty unless a bit list
    std::vector<TControl*> Controls;
    std::vector<TNotifyEvent> SavedHandlers;  // one per control; empty when not hooked
    // The missing value the controls show (empty when they show a value),
    // and what they read back right after showing it: while they still read
    // so, the user has not touched them and the value stays missing.
    struct ReadBack {
        bool Read = false;  // false: the controls cannot be read as a value
        Octets Part;
        std::string Typed;
        bool operator==(const ReadBack&) const = default;
    };
    std::string Missing;
    ReadBack MissingReadBack;
};

// The check of a typed value, for generated pages and dialogs alike: whether
// the text of `edit` is a value that `syntax` can hold (a label of `map`
// counts as its value; see CheckValueText). When it is not, a message box
// says what the field needs ("<label>: "<text>" is not ..."), the focus goes
// back to the edit and the result is false: the caller sends nothing. An
// edit still showing that the agent has no value passes: the write leaves
// its item out.
bool AcceptTypedValue(TEdit* edit, int syntax, const std::string& label, const VxOptionList* map = nullptr);

class VxSNMPRequest2Edits : public VxSNMPRequest2Controls {
public:
    explicit VxSNMPRequest2Edits(TWinControl* owner);
    ~VxSNMPRequest2Edits() override;

    void BeforeRefresh() override;
    void ShowRow() override;
    void ReadControls() override;
    void AfterRefresh() override;
    virtual void ListViewSelectItem(TObject* sender, TListItem* item, bool selected);

    void BindListView(TListView* listView, uint8_t enableOnSelect);
    void BindLabel(int item, TLabel* label);
    void BindStaticText(int item, TStaticText* text);
    void BindCheckBox(int item, TCheckBox* box);
    void BindComboBox(int item, TComboBox* combo);
    void BindControl(int item, int offset, int syntax, const VxOptionList* map, TControl* first,
                     TControl* second = nullptr, int radioFill = 0);
    void BindFormatted(int item, const std::string& format, const std::vector<TControl*>& controls);
    void BindFormatted(int item, const std::string& format, TControl* control) {
        BindFormatted(item, format, std::vector<TControl*>{control});
    }
    // Positions as a comma-separated text ("0,1,2"); one control per position.
    void BindValueList(int item, const std::string& positions, const std::vector<TControl*>& controls);
    void BindValueListCtrls(int item, const std::string& positions, const std::vector<TControl*>& controls);
    void AddPositionBinding(int item, int offset, int syntax, const VxOptionList* map, const std::string& positions,
                            const std::vector<TControl*>& controls);
    void AddBinding(int item, int offset, int syntax, const VxOptionList* map, const std::string& format,
                    const std::vector<TControl*>& controls);

    void Unbind(int item);
    void SetConstraintOwner(TForm* form);

    void ValuesToControls(int item);
    // True while the controller moves values into its controls (after a
    // read, on a row selected): a handler hooked on a control tells these
    // changes from the user's own by it.
    bool ShowingValues() const { return Showing > 0; }
    void ControlsToValues(int item);
    void EnableControls(bool enabled);
    // Empties every bound edit box.
    void ClearEdits();
    // Every bound control shows no value: edits, labels and static texts
    // empty, nothing chosen in a combo box or radio group, no box ticked.
    void ShowNoRow();

    void BuildColumns();
    void AddRow();
    void LoadSelectedRow();

    TLVSelectItemEvent SavedListViewSelectItem;
    TListView* ListView = nullptr;
    // The item of each list-view column, fixed when the columns are built.
    std::vector<int> ColumnItems;
    std::vector<std::unique_ptr<ControlBinding>> Bindings;
    std::unique_ptr<VxEditConstraint> Constraints;
    uint8_t Modified = 0;
    uint8_t EnableOnSelect = 1;
    // Set, a re-read of the list, which takes the selected row away, shows no
    // row in the bound controls too (ShowNoRow) and then calls it (the list
    // view the sender), for what the window shows of a row beside them.
    // Unset, the controls keep what they show.
    TNotifyEvent OnNoRow;

private:
    int Showing = 0;
    void AddHookedBinding(int item, int offset, int syntax, const VxOptionList* map, std::vector<int> positions,
                          const std::vector<TControl*>& controls);
    void ControlChanged(TObject* sender);
    void HookControl(ControlBinding& binding, size_t k);
    void UnhookControl(ControlBinding& binding, size_t k);
    TNotifyEvent* ChangeEventOf(TControl* control);
    const VxOptionList* MapOf(const ControlBinding& binding) const;
    void ShowBinding(ControlBinding& binding);
    // Shows that the agent has no value: the text where a control shows
    // text, nothing chosen or ticked elsewhere.
    void ShowMissing(ControlBinding& binding, const std::string& text);
    // The controls of a binding show no value, `text` where they show text.
    void ShowNoValue(ControlBinding& binding, const std::string& text);
    // The missing value that every control of `item` still shows untouched,
    // or null.
    const std::string* UntouchedMissing(int item);
    ControlBinding::ReadBack ReadBackOf(const ControlBinding& binding);
    // The octets a binding reads from its controls; false when it reads none.
    // `typed`, when given, receives the control's text (labels turned into values).
    bool ReadBinding(const ControlBinding& binding, Octets& part, std::string* typed = nullptr);
    // The items that have list-view columns, in column order.
    std::vector<int> ListedItems() const;
};

// Sets a count text (a TStaticText or TLabel) to the row count of the
// controller's list view; nothing without a count text, a controller or a
// list view.
void ShowRowCount(TControl* countText, const VxSNMPRequest2Edits* controller);
