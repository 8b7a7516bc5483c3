#pragma once
// The frame of every hand-made dialog (the feature dialogs and the
// access-control editors). A dialog derives from TDialogFrame and its unit
// holds only what is its own: its stored layout, its item tables and
// bindings, its input checks and what its buttons do beyond the frame. The
// dialog's record and its window-free rules decide what a write carries;
// the frame sends it. The frame gives it:
//
// - the stored layout and the large-font scaling by the layout's own rule
//   (LargeFonts: Left, Top, Width and Height, or Width and Height, or
//   nothing), 1.25 rounded to the nearest pixel, while the dialog host
//   (DialogHost.h) uses large fonts;
// - the caption by the layout's caption rule (Captioning, platform/Layout.h):
//   the frame sets what is set as the dialog is made, and tells the menu
//   command what it sets once it has made the dialog (MenuCaption); the
//   agent address as the host gives it (HostAgentAddress);
// - controller blocks (OpenController): each page controller built, bound,
//   read and counted in a guard of its own, so a block that fails reports
//   and the next block still runs;
// - no row shown once a table is read again (Refresh, and the re-read after
//   a write): the read takes the selected row away, so every control bound
//   to the table empties, and the dialog empties what it shows of a row
//   beside them (NoRowShown); the fields never mix two rows (a row editor
//   keeps its combo boxes' choices, RowEditor.h);
// - one way to report a caught failure (Report, Guard), said once by the
//   dialog (ButtonReporting) for its buttons and its blocks: a result line
//   through the controller, bare text in panel 0 of StatusBar1, a bare line
//   in Memo1, or nothing; a way the dialog lacks never drops the message;
// - the lines of one action kept together in each message target
//   (DialogLines.h): a read after a write adds its line beside the write's,
//   and an action ends on its failures; a guarded handler begins an action;
// - a write and the read after it, failing apart, the write's refusal
//   reported last (WriteThenRead);
// - items left out of one write through the controllers' one scope
//   (framework/VxItemsLeftOut.h), every access word put back on every path;
// - input checks that refuse a field in a message box (RefuseInput);
// - the stack port pickers of the port lists (AddPortPickers, BindPortList,
//   UncheckPorts);
// - a table dialog's modal editor, wired one way (AddEditor, ModalEditor.h);
// - the close step, for every dialog: its controllers' reads ended, their
//   writes finished and the controllers deleted through the controllers'
//   one lifetime call (VxSNMPRequest2Controls.h), then its pickers and
//   modal editors deleted, their fields cleared. A close that arrives while
//   one of the dialog's guarded handlers runs (a blocking walk lets
//   messages through after every row, a handler awaits the answer to a
//   write) ends the reads at once; the handler's writes go out whole, and
//   the controllers go when that handler is over. Once a close waits so,
//   or the program is ending, no guarded handler starts: the writes of one
//   user action belong in one guard.
//
// A dialog that lists a table above an entry of its fields and adds,
// changes and deletes rows from it is a row editor: see
// dialogbase/RowEditor.h, which has a worked example. Any other dialog (a
// scalar group, a table that is only read or written row by row, a dialog
// of port lists) derives from the frame itself, header and source:
//
//   class TMyScalarsForm : public TDialogFrame {
//   public:
//       explicit TMyScalarsForm(TComponent* owner);
//       void FormCreate(TObject* sender);
//       void RefreshBtnClick(TObject* sender);
//       void SetBtnClick(TObject* sender);
//       TStaticText* Version;  TComboBox* State;  TButton* RefreshBtn;  TButton* SetBtn;  TMemo* Memo1;
//       VxSNMPRequest2Edits* Scalars = nullptr;
//   };
//   extern TMyScalarsForm* MyScalarsForm;
//
//   constexpr LayoutControl kControls[] = {...};   // see platform/Layout.h
//   constexpr FormLayout kLayout{.Name = "MyScalarsForm", ..., .LargeFonts = DialogScaling::WidthHeight,
//                                .Controls = kControls};
//
//   TMyScalarsForm::TMyScalarsForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
//       KX_BIND(Version);  ...
//       RefreshBtn->OnClick = TNotifyEvent(this, &TMyScalarsForm::RefreshBtnClick);
//       OnCreate = TNotifyEvent(this, &TMyScalarsForm::FormCreate);
//       DoCreate();
//   }
//   void TMyScalarsForm::FormCreate(TObject*) {
//       OpenController(Scalars, {.Items = MyItems, .Bind = [this](VxSNMPRequest2Edits& c) {
//                                    c.BindStaticText(0, Version);
//                                    c.BindComboBox(1, State);
//                                }});
//   }
//   void TMyScalarsForm::RefreshBtnClick(TObject*) { Guard(Scalars, [&] { Scalars->Refresh(); }); }
//   void TMyScalarsForm::SetBtnClick(TObject*) { Guard(Scalars, [&] { Scalars->SetValues(true, true); }); }
//
// A dialog with port lists builds its pickers first, one per list in item
// order, each in its tab sheet's scroll box (or a group box), and binds each
// list to its picker; handlers hooked on the boxes before the binding stay:
//
//   void TMyPortsForm::BuildUnitPages() {
//       AddPortPickers({{&EgressPicker, ScrollBox1}, {&UntaggedPicker, ScrollBox2}});
//   }
//   void TMyPortsForm::FormCreate(TObject*) {
//       BuildUnitPages();
//       OpenController(Table, {..., .Bind = [this](VxSNMPRequest2Edits& c) {
//                                  ...
//                                  BindPortList(c, 2, EgressPicker);
//                                  BindPortList(c, 3, UntaggedPicker);
//                              }});
//   }
//   void TMyPortsForm::ClearPortChecks() { UncheckPorts({EgressPicker, UntaggedPicker}); }
//
// The main menu opens the dialog through its command's row in
// main/MenuCommands.def (LinkDialog<TMyScalarsForm, &MyScalarsForm>: see
// main/MenuCommand.h), which also enables the command.
//
// The frame runs OnClose itself (FormClose, virtual): a dialog with close
// work of its own overrides FormClose and calls the frame's. Every
// controller made by OpenController and every picker made by
// AddPortPickers is the frame's to stop and delete; the dialog only keeps
// the pointers in its fields, which the close step clears.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/VxRowStatus.h"
#include "framework/VxSNMPRequest2Edits.h"
#include "platform/Layout.h"
#include "platform/Vcl.h"

struct SnmpVarItem;
class TDialogLines;
class TModalEditor;
class TStackingPortUitForm;

// How a dialog reports a failure that one of its guards caught.
enum class Reporting {
    ResultLine,   // through the controller's ShowMsg: the template of its last operation
    StatusPanel,  // the bare message as the text of panel 0 of StatusBar1
    MemoLine,     // the bare message as a new line of Memo1
    Silent,       // not at all
};

class TDialogFrame : public TForm {
public:
    ~TDialogFrame() override;

    // OnClose: the close step. See the header's comment.
    virtual void FormClose(TObject* sender, TCloseAction& action);
    // Whether one of the dialog's controllers is busy.
    bool Busy() const;
    // How the dialog grows under large fonts, as its layout says.
    DialogScaling LargeFontRule() const { return Scaling; }
    // The caption that the menu command opening the dialog sets once it has
    // made it, by the layout's caption rule, with the command's title (null:
    // none); nothing where the dialog keeps the caption it was made with.
    std::optional<std::string> MenuCaption(const char* menuTitle) const;

    // What a controller block builds (steps in this order: the controller,
    // its var list, its message target, the dialog's bindings, its
    // completion handler, its first read, the count).
    struct ControllerBlock {
        const SnmpVarItem* Items = nullptr;
        uint8_t Kind = SVT_SV;
        uint32_t IndexCount = 0;
        std::function<void(VxSNMPRequest2Edits&)> Bind;
        // A TMemo, a TStatusBar (its simple text) or a TStatusPanel; null:
        // the dialog's own (ButtonReporting).
        TObject* Target = nullptr;
        TRefreshDoneEvent OnRefreshDone{};
        bool Blocking = false;  // reads and writes return after the answer
        bool FirstRead = true;  // false: the dialog reads when it needs to
        TControl* CountText = nullptr;  // a TStaticText or TLabel: the list view's row count
        // How a failure of the block is reported; none: as the dialog's
        // buttons (ButtonReporting).
        std::optional<Reporting> Failures = std::nullopt;
        // A re-read of the table shows no row in the controls bound to it
        // (NoRowShown). False: the dialog's own clear decides what its
        // fields keep (the row editors keep their combo boxes' choices for
        // the next Add).
        bool NoRowOnRead = true;
    };

    // How the dialog reports what its guards and controller blocks catch (a
    // result line unless it says otherwise), and where the result lines of
    // a block's controller go when the block names no target: Memo1 for
    // MemoLine, panel 0 of StatusBar1 for StatusPanel, else Memo1, else
    // panel 0, else StatusBar1. Set in the constructor, before FormCreate.
    Reporting ButtonReporting = Reporting::ResultLine;

protected:
    // Loads the layout, sets the caption that its caption rule sets as the
    // dialog is made, then scales the form by the layout's large-font rule
    // while the host uses large fonts; a layout without a rule is refused.
    TDialogFrame(TComponent* owner, const FormLayout& layout);

    // Builds one controller into `field` (kept by the frame until the close
    // step). A failure anywhere in the block goes to the new controller's
    // ShowMsg; the dialog goes on.
    void OpenController(VxSNMPRequest2Edits*& field, const ControllerBlock& block);

    // Runs a button's body; a failure (the class library's exception, or
    // any other) is reported as ButtonReporting says, through `controller`
    // for a result line.
    void Guard(VxSNMPRequest2Controls* controller, const std::function<void()>& body);
    // A blocking write and the read of what the agent holds after it, each
    // in a guard of its own, so they fail apart: the read follows a write
    // the agent took, and a refused one too when `readWhenRefused`. A
    // failed read, then a refused write, are reported as ButtonReporting
    // says: the refusal last, as the read's own result line would stand
    // over it. The outcome tells the dialog what failed, for a report of
    // its own.
    struct WriteOutcome {
        std::optional<std::string> Refusal;      // why the write failed; none: the agent took it
        std::optional<std::string> ReadFailure;  // why the read after it failed; none: it did not
    };
    WriteOutcome WriteThenRead(VxSNMPRequest2Controls* controller, const std::function<void()>& write,
                               const std::function<void()>& read, bool readWhenRefused);
    // Reports a failure as `how` says. Where the dialog lacks that way (no
    // controller with a message target, no Memo1, no panel), the message
    // goes bare wherever the dialog shows one: it is never dropped.
    void Report(Reporting how, const std::string& message, VxSNMPRequest2Controls* controller);

    // An input check that failed: the message in a box with an OK button,
    // captioned with the application's title, and the focus on the field
    // when it takes it. Nothing is sent then.
    void RefuseInput(TWinControl* field, const std::string& message);

    // A re-read of a table took its selected row away and the controls bound
    // to it show no row: the dialog empties here what it shows of a row
    // beside them (a port as unit and port, a choice that follows the row's
    // value). The sender is the table's list view.
    virtual void NoRowShown(TObject* /*list*/) {}

    // A write of the selected row: false, after "Choose the item first." (the
    // focus on `focus`), while the list has none selected.
    bool RowChosen(const TListView* list, TWinControl* focus);
    // The selected row loaded back into the bound controls, whatever an
    // editor bound to them was left holding.
    static void ReloadSelectedRow(VxSNMPRequest2Edits& controller);

    // A modal editor of this dialog's rows (ModalEditor.h), made with this
    // dialog as owner and kept in `field` and in the editor's global. Its
    // handlers run as this dialog's (a failure reported as this dialog
    // reports it, a close of this dialog waiting for them); the close step
    // ends its modal showing and deletes it after the controllers (its
    // controls may be bound to one of them), clearing both pointers.
    template <class Editor>
    Editor* AddEditor(Editor*& field, Editor*& global) {
        field = global = new Editor(this);
        KeepEditor(field, [&field, &global] {
            if (global == field) global = nullptr;
            field = nullptr;
        });
        return field;
    }

    // The stack port pickers: one per port list, in item order, each filling
    // its area (a scroll box of a tab sheet, or a group box), with the pages
    // of the units in the host's unit table (read again first when empty).
    // A unit row that cannot be shown, or a failed read of the table, is
    // written to Memo1, or else to panel 0 of StatusBar1; the pages shown so
    // far stay.
    struct PickerPlace {
        TStackingPortUitForm** Field;
        TWinControl* Area;
    };
    void AddPortPickers(std::initializer_list<PickerPlace> places);
    // Binds a port-list item to a picker's 768 boxes, box k to bit k.
    static void BindPortList(VxSNMPRequest2Edits& controller, int item, TStackingPortUitForm* picker);
    // Unchecks every box of the pickers.
    static void UncheckPorts(std::initializer_list<TStackingPortUitForm*> pickers);

    // The dialog's own controls that the frame reports to, when the layout
    // has them.
    TMemo* FrameMemo = nullptr;          // "Memo1"
    TStatusBar* FrameStatusBar = nullptr;  // "StatusBar1"

private:
    void KeepEditor(TModalEditor* editor, std::function<void()> forget);
    // Runs body as one guarded handler of the dialog (a close meanwhile
    // waits for it to end).
    void RunGuarded(const std::function<void()>& body, const std::function<void(const std::string&)>& onFailure);
    // The bare message wherever the dialog shows one: Memo1, else panel 0
    // of StatusBar1 (its simple text without panels), else a message box.
    void ReportBare(const std::string& message);
    TStatusPanel* FramePanel() const;
    TObject* DefaultTarget() const;
    // The lines of a message target of the dialog (a TMemo, a TStatusBar or
    // a TStatusPanel), made at its first use; null for none.
    TDialogLines* LinesOf(TObject* target);
    void ApplyTarget(VxSNMPRequest2Controls& controller, TObject* target);
    // Every target's action is over: the next line begins another.
    void EndActions();
    // Whether the dialog's action is over with a line just shown: no handler
    // runs, no controller is busy, and no read follows the line at once (the
    // re-read of a table after its write).
    bool ActionOver(const VxSNMPRequest2Controls* from, bool ok) const;
    void EndReads();
    // A close waits for a handler beneath, or the program is ending.
    bool Closing() const;
    void FinishClose();

    DialogScaling Scaling = DialogScaling::None;
    CaptionRule Captioning = CaptionRule::Stored;
    std::string Title;  // the caption rule's
    std::vector<VxSNMPRequest2Edits**> Controllers;
    std::vector<TStackingPortUitForm**> Pickers;
    struct KeptEditor {
        TModalEditor* Editor;
        std::function<void()> Forget;
    };
    std::vector<KeptEditor> Editors;
    std::vector<std::unique_ptr<TDialogLines>> MessageLines;
    // The dialog whose handlers an editor's run as (AddEditor).
    TDialogFrame* Host = nullptr;
    int HandlersRunning = 0;
    bool CloseWaiting = false;
};

// value x 1.25, rounded to the nearest integer (503 gives 629): a dialog's
// geometry under large fonts.
int ScaleForDialog(int value);
