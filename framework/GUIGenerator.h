#pragma once
// The generated editor pages: a base page (button bar at the right, message
// memo at the bottom, a client control in between), the item edit panel
// that turns a var list into rows of label, check box and value control, the
// scalar page with its set logic, and the table page with its list view and
// its add, edit and delete dialogs.

#include <string>
#include <vector>

#include "framework/VxSNMPRequest2Edits.h"
#include "platform/Vcl.h"

// The vertical button bar of a page.
class TCtrlBtnPanel : public TPanel {
public:
    explicit TCtrlBtnPanel(TComponent* owner);
    // Stacks the controls; hidden ones take no room.
    void Arrange();

    TLabel* SamplesLabel;
    TStaticText* SamplesCount;
    TBitBtn* RefreshBtn;
    TBitBtn* EditBtn;
    TBitBtn* SetCheckedBtn;
    TBitBtn* AddBtn;
    TBitBtn* DeleteBtn;
    TBitBtn* CheckAllBtn;
    TBitBtn* ClearChecksBtn;
    TBitBtn* CloseBtn;
    int MarginLeft = 10;
    int MarginTop = 10;
    std::vector<TControl*> Ctrls;  // stacking order

private:
    void LoadGlyphs();
};

// The page's message memo; the controller writes its result lines here.
class TMsgPanel : public TPanel {
public:
    explicit TMsgPanel(TComponent* owner);
    TMemo* Memo;
};

// The base page: owns Refresh and Close and sizes the window showing it.
class TSNMPPanel : public TPanel {
public:
    TSNMPPanel(TComponent* owner, TMsgPanel* sharedMsgPanel, VxSNMPRequest2Edits* controller);
    void SetClient(TWinControl* ctrl);
    void AttachForm(TForm* form);
    void RefreshBtnClick(TObject* sender);
    void CloseBtnClick(TObject* sender);

    VxSNMPRequest2Edits* Controller;
    TCtrlBtnPanel* BtnPanel;
    TPanel* ClientPanel;
    TMsgPanel* MsgPanel;  // null when the page writes into another page's panel
    TForm* Form = nullptr;
    TWinControl* ClientCtrl = nullptr;
    TSplitter* BtnSplitter;
    TSplitter* MsgSplitter;
};

// One row of the item edit panel.
struct UISnmpVar {
    uint32_t CtrlKind = 0;  // 1 edit, 2 writable edit, 3 drop-down list, 4 edit showing a label
    std::string Format;
    TWinControl* ValueCtrl = nullptr;
    TCheckBox* CheckBox = nullptr;
    TLabel* LabelCtrl = nullptr;
    void* Extra = nullptr;
};

// The controller's var list as rows of check box, label and value control.
class TEditsPanel : public TPanel {
public:
    TEditsPanel(TComponent* owner, VxSNMPRequest2Edits* controller);

    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* bar);
    void SetVarReadOnly(int i);
    void SetVarWritable(int i);
    void SetCheckState(bool ticked);
    void SetReadOnlyColors(TColor fontColor, TColor color);
    void SetValueWidth(int width, int mode);
    void ArrangeVars(int mode, bool resize);
    void HideVar(int i);
    void ShowVar(int i);
    void ClearVar(int i);
    void ClearVars(TObject* sender = nullptr);
    bool AllVarsReadOnly() const;
    // Whether every ticked row with a typed value holds a value its syntax
    // can hold; the first that does not is refused with a message.
    bool AcceptTypedValues();
    int CountEnabledChecks() const;
    int CountChecked() const;
    void VarCheckBoxClick(TObject* sender);

    bool IsReadOnlyRow(int i) const;
    bool IsIndexRow(int i) const;
    bool IsEmptyRow(int i) const;
    int RowCount() const { return static_cast<int>(Vars.size()); }

    std::vector<UISnmpVar> Vars;
    int ValueWidth = 121;
    TColor ReadOnlyFontColor = clBlack;
    TColor ReadOnlyColor = clBtnFace;
    VxSNMPRequest2Edits* Controller;
    bool CheckDefault = false;
    TScrollBox* ScrollBox;

private:
    void BuildRows();
};

// The page of a scalar group or of one table row.
class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(TComponent* owner, VxSNMPRequest2Edits* controller);
    void SetBtnClick(TObject* sender);
    void CheckAllBtnClick(TObject* sender);
    void ClearChecksBtnClick(TObject* sender);

    TEditsPanel* EditsPanel;

protected:
    // The page that shows the edit panel now (this one, or a dialog's).
    TSNMPPanel* PageOfEditsPanel() const;

    // Whether the last Set was refused before anything was sent, for
    // carrying no value (VxSNMPMessages.h, IsNothingToWrite).
    bool SetSentNothing = false;
};

// The list view of a table page.
class TListViewPanel : public TPanel {
public:
    TListViewPanel(TComponent* owner, VxSNMPRequest2Edits* controller);
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* bar);

    TListView* ListView;
    int DeleteStatusItem = -1;
    int AddStatusItem = -1;
    const char* AddStatusValue = nullptr;
    const char* DeleteStatusValue = nullptr;
};

// The page of a table: rows in a list view, and Add, Edit and Delete
// through modal dialogs that borrow the page's edit panel.
class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    TSNMPListViewPanel(TComponent* owner, VxSNMPRequest2Edits* controller);
    void SetAddStatus(int item, const char* value);
    void SetDeleteStatus(int item, const char* value);

    void ListRefreshBtnClick(TObject* sender);
    void ListViewClick(TObject* sender);
    void ListViewDblClick(TObject* sender);
    void ListCountChange(TObject* sender, TListItem* item, TItemChange change);
    void ListViewMouseMove(TObject* sender, TShiftState shift, int x, int y);
    void AddBtnClick(TObject* sender);
    void EditBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void ShowAddDialog();
    void ShowEditDialog();

    TListViewPanel* ListViewPanel;
    TNotifyEvent OnBeforeAdd;
    TNotifyEvent OnAfterAdd;
    TNotifyEvent OnBeforeEdit;
    TNotifyEvent OnAfterEdit;

private:
    // Ends a walk that runs; the controller goes on taking requests.
    void StopWalk();
    TForm* CreateDialogWindow(const std::string& caption);
    TSNMPPanel* CreateDialogPage(TForm* dialog);
    void ReturnEditsPanel(TForm* dialog);
    std::string WindowCaption() const;
};
