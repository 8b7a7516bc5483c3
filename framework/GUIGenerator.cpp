#include "GUIGenerator.h"

#include <algorithm>

#include "common/VxUtils.h"
#include "framework/VxItemsLeftOut.h"
#include "framework/VxSNMPMessages.h"

namespace {

const int ButtonWidth = 96;

// The glyph files of the buttons, looked up in the current directory.
struct GlyphFile {
    TBitBtn* TCtrlBtnPanel::*Button;
    const char* File;
};
const GlyphFile GlyphFiles[] = {
    {&TCtrlBtnPanel::RefreshBtn, "\\Get.bmp"},        {&TCtrlBtnPanel::EditBtn, "\\Set.bmp"},
    {&TCtrlBtnPanel::SetCheckedBtn, "\\SetCheck.bmp"}, {&TCtrlBtnPanel::AddBtn, "\\Add.bmp"},
    {&TCtrlBtnPanel::DeleteBtn, "\\Delete.bmp"},      {&TCtrlBtnPanel::CheckAllBtn, "\\SelectAll.bmp"},
    {&TCtrlBtnPanel::ClearChecksBtn, "\\SelectNone.bmp"}, {&TCtrlBtnPanel::CloseBtn, "\\Close.bmp"},
};

TBitBtn* MakeButton(TCtrlBtnPanel* bar, const char* caption) {
    auto* button = new TBitBtn(bar);
    button->SetParent(bar);
    button->SetCaption(caption);
    button->SetWidth(ButtonWidth);
    return button;
}

// A page's own write and the read after it are answered before its handler
// goes on: the controller is blocking meanwhile, and as it was afterwards.
class BlockingScope {
public:
    explicit BlockingScope(VxSNMPRequest2Edits* controller) : Controller(controller), SavedAsync(controller->Async) {
        Controller->Async = 0;
    }
    ~BlockingScope() { Controller->Async = SavedAsync; }
    BlockingScope(const BlockingScope&) = delete;
    BlockingScope& operator=(const BlockingScope&) = delete;

private:
    VxSNMPRequest2Edits* Controller;
    uint8_t SavedAsync;
};

}  // namespace

// ---- button bar --------------------------------------------------------------------

TCtrlBtnPanel::TCtrlBtnPanel(TComponent* owner) : TPanel(owner) {
    SetBevelOuter(bvNone);
    SamplesCount = new TStaticText(this);
    SamplesCount->SetParent(this);
    SamplesCount->SetCaption("0");
    Ctrls.push_back(SamplesCount);
    SamplesLabel = new TLabel(this);
    SamplesLabel->SetParent(this);
    SamplesLabel->SetCaption("Samples");
    Ctrls.push_back(SamplesLabel);
    RefreshBtn = MakeButton(this, "Refresh");
    SamplesLabel->SetWidth(RefreshBtn->Width());
    SamplesLabel->SetAlignment(taCenter);
    SamplesCount->SetAutoSize(false);
    SamplesCount->SetBounds(0, 0, RefreshBtn->Width(), 19);
    SamplesCount->SetAlignment(taCenter);
    SamplesCount->SetBorderStyle(sbsSunken);
    EditBtn = MakeButton(this, "Edit");
    SetCheckedBtn = MakeButton(this, "Set Checked");
    AddBtn = MakeButton(this, "Add");
    DeleteBtn = MakeButton(this, "Delete");
    CheckAllBtn = MakeButton(this, "Check All");
    ClearChecksBtn = MakeButton(this, "Clear Checks");
    CloseBtn = MakeButton(this, "Close");
    for (TBitBtn* b : {RefreshBtn, EditBtn, SetCheckedBtn, AddBtn, DeleteBtn, CheckAllBtn, ClearChecksBtn, CloseBtn})
        Ctrls.push_back(b);
    LoadGlyphs();
    MarginLeft = 10;
    MarginTop = 10;
    AddBtn->Hide();
    DeleteBtn->Hide();
    Arrange();
    SetWidth(2 * MarginLeft + RefreshBtn->Width());
    if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
    SetAlign(alRight);
}

void TCtrlBtnPanel::LoadGlyphs() {
    // A missing file is the normal case; an unreadable one ends the loading
    // quietly and the remaining buttons keep their captions.
    try {
        const std::string dir = GetCurrentDir();
        for (const GlyphFile& g : GlyphFiles) {
            const std::string path = JoinPath(dir, g.File);
            if (!FileExists(path)) continue;
            TBitBtn* button = this->*g.Button;
            button->SetCaption("");
            button->Glyph()->LoadFromFile(path);
        }
    } catch (...) {
    }
}

void TCtrlBtnPanel::Arrange() {
    int y = MarginTop;
    for (TControl* c : Ctrls) {
        c->SetWidth(ButtonWidth);
        c->SetLeft(MarginLeft);
        c->SetTop(y);
        if (c->Visible()) y = c->Top() + c->Height() + 5;
    }
    // The bar is as tall as what it shows, so that a page never clips it.
    if (Align() == alNone || Height() < y + MarginTop) SetHeight(y + MarginTop);
}

// ---- message panel ---------------------------------------------------------------

TMsgPanel::TMsgPanel(TComponent* owner) : TPanel(owner) {
    SetBevelOuter(bvNone);
    SetHeight(50);
    Memo = new TMemo(this);
    Memo->SetParent(this);
    Memo->SetReadOnly(true);
    Memo->SetScrollBars(ssVertical);
    Memo->SetAlign(alClient);
    if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
}

// ---- base page -------------------------------------------------------------------

TSNMPPanel::TSNMPPanel(TComponent* owner, TMsgPanel* sharedMsgPanel, VxSNMPRequest2Edits* controller)
    : TPanel(owner), Controller(controller) {
    SetBevelOuter(bvNone);
    BtnPanel = new TCtrlBtnPanel(this);
    BtnPanel->RefreshBtn->OnClick = TNotifyEvent(this, &TSNMPPanel::RefreshBtnClick);
    BtnPanel->CloseBtn->OnClick = TNotifyEvent(this, &TSNMPPanel::CloseBtnClick);
    BtnSplitter = new TSplitter(this);
    BtnSplitter->SetParent(this);
    BtnSplitter->SetWidth(3);
    BtnSplitter->SetAlign(alRight);
    ClientPanel = new TPanel(this);
    ClientPanel->SetBevelOuter(bvNone);
    ClientPanel->SetParent(this);
    ClientPanel->SetAlign(alClient);
    if (!sharedMsgPanel) {
        MsgPanel = new TMsgPanel(ClientPanel);
        MsgPanel->SetAlign(alBottom);
        Controller->SetMsgCtrl(MsgPanel->Memo);
    } else {
        MsgPanel = nullptr;
        Controller->SetMsgCtrl(sharedMsgPanel->Memo);
    }
    MsgSplitter = new TSplitter(ClientPanel);
    MsgSplitter->SetParent(ClientPanel);
    MsgSplitter->SetHeight(3);
    MsgSplitter->SetAlign(alBottom);
    if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
    SetWidth(0);
    SetHeight(0);
}

void TSNMPPanel::SetClient(TWinControl* ctrl) {
    if (ClientCtrl) {
        ClientCtrl->Hide();
        ClientCtrl->SetAlign(alNone);
    }
    ClientCtrl = ctrl;
    ctrl->Show();
    ctrl->SetAlign(alNone);
    ctrl->SetParent(ClientPanel);
    SetAlign(alNone);
    const int width = ctrl->Width() + BtnPanel->Width() + BtnSplitter->Width() + 3;
    if (Width() != width) SetWidth(width);
    int height = ctrl->Height() + (MsgPanel ? MsgPanel->Height() : 0) + MsgSplitter->Height();
    if (BtnPanel->Height() > height) height = BtnPanel->Height();
    if (Height() != height) SetHeight(height);
    ctrl->SetAlign(alClient);
}

void TSNMPPanel::AttachForm(TForm* form) {
    SetAlign(alNone);
    Form = form;
    form->SetPosition(poMainFormCenter);
    if (form->ClientWidth() < Width()) form->SetClientWidth(Width());
    if (form->ClientHeight() < Height()) form->SetClientHeight(Height());
    if (form->ClientHeight() > 550) form->SetClientHeight(550);
    if (form->ClientWidth() > 800) form->SetClientWidth(800);
    SetAlign(alClient);
}

void TSNMPPanel::RefreshBtnClick(TObject*) {
    const VxSNMPRequest2Controls::Use use(Controller);
    try {
        Controller->Refresh();
    } catch (const Exception& e) {
        Controller->ShowMsg(e.Message());
    }
}

void TSNMPPanel::CloseBtnClick(TObject*) {
    if (Form) {
        Form->Close();
        return;
    }
    ShowMessage("Please initial close form");
}

// ---- item edit panel ---------------------------------------------------------------

TEditsPanel::TEditsPanel(TComponent* owner, VxSNMPRequest2Edits* controller) : TPanel(owner), Controller(controller) {
    SetBevelOuter(bvNone);
    ScrollBox = new TScrollBox(owner);
    ScrollBox->SetBorderStyle(bsNoBorder);
    ScrollBox->SetParent(this);
    ScrollBox->SetAlign(alClient);
    if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
    if (Controller) BuildRows();
    for (UISnmpVar& row : Vars) {
        row.LabelCtrl->SetParent(ScrollBox);
        row.CheckBox->SetParent(ScrollBox);
        row.ValueCtrl->SetParent(ScrollBox);
    }
    SetReadOnlyColors(clBlack, clBtnFace);
}

void TEditsPanel::BuildRows() {
    Vars.clear();
    const VxSNMPVarList& list = Controller->Request.VarList;
    const int count = static_cast<int>(list.GetCount());
    Vars.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        UISnmpVar& row = Vars[static_cast<size_t>(i)];
        const bool hasMap = list.GetItem(i)->OptionList() != nullptr;
        const bool writable = list.IsWritable(i);
        row.CtrlKind = hasMap ? (writable ? 3 : 4) : (writable ? 2 : 1);
        row.Format = "%s";
    }
    for (int i = 0; i < count; ++i) {
        UISnmpVar& row = Vars[static_cast<size_t>(i)];
        row.CheckBox = new TCheckBox(this);
        row.CheckBox->SetParent(this);
        row.CheckBox->SetWidth(20);
        row.CheckBox->SetTag(i);
        row.CheckBox->OnClick = TNotifyEvent(this, &TEditsPanel::VarCheckBoxClick);
        row.CheckBox->SetTabStop(false);
        row.LabelCtrl = new TLabel(this);
        row.LabelCtrl->SetAutoSize(true);
        row.LabelCtrl->SetCaption(list.GetItem(i)->Label);
        row.LabelCtrl->SetParent(this);
        row.LabelCtrl->SetTag(i);
        if (row.CtrlKind == 3) {
            auto* combo = new TComboBox(this);
            combo->SetTag(i);
            combo->SetParent(this);
            row.ValueCtrl = combo;
            Controller->BindComboBox(i, combo);
        } else {
            auto* edit = new TEdit(this);
            edit->SetTag(i);
            edit->SetParent(this);
            row.ValueCtrl = edit;
            Controller->BindFormatted(i, row.Format, edit);
        }
    }
    SetCheckState(false);
    ArrangeVars(2, true);
}

bool TEditsPanel::IsReadOnlyRow(int i) const { return !Controller->Request.VarList.IsWritable(i); }

bool TEditsPanel::IsIndexRow(int i) const { return static_cast<uint32_t>(i) < Controller->Request.VarList.IndexCount; }

bool TEditsPanel::IsEmptyRow(int i) const {
    TWinControl* value = Vars[static_cast<size_t>(i)].ValueCtrl;
    if (auto* edit = dynamic_cast<TEdit*>(value)) return edit->Text().empty();
    // A combo that shows the agent has no value there is not empty: like an
    // edit showing it, it is left out of the write.
    if (auto* combo = dynamic_cast<TComboBox*>(value)) return combo->Text().empty() && combo->PlaceholderText().empty();
    return false;
}

void TEditsPanel::SetVarReadOnly(int i) {
    if (i < 0 || i >= RowCount()) {
        ShowMessage("aIdx is overtop!\n you may define < " + std::to_string(RowCount()));
        return;
    }
    UISnmpVar& row = Vars[static_cast<size_t>(i)];
    row.CheckBox->SetEnabled(false);
    row.CheckBox->Hide();
    row.CheckBox->SetChecked(false);
    if (auto* edit = dynamic_cast<TEdit*>(row.ValueCtrl)) {
        edit->SetReadOnly(true);
        edit->SetTabStop(false);
        edit->Font()->SetColor(ReadOnlyFontColor);
        edit->SetColor(ReadOnlyColor);
    } else if (auto* combo = dynamic_cast<TComboBox*>(row.ValueCtrl)) {
        combo->SetEnabled(false);
        combo->Font()->SetColor(ReadOnlyFontColor);
        combo->SetColor(ReadOnlyColor);
    }
}

void TEditsPanel::SetVarWritable(int i) {
    UISnmpVar& row = Vars[static_cast<size_t>(i)];
    row.CheckBox->SetEnabled(true);
    row.CheckBox->Show();
    row.CheckBox->SetChecked(CheckDefault);
    if (auto* edit = dynamic_cast<TEdit*>(row.ValueCtrl)) {
        edit->SetReadOnly(false);
        edit->Font()->SetColor(clBlack);
        edit->SetColor(clWhite);
        edit->SetTabStop(true);
    } else if (auto* combo = dynamic_cast<TComboBox*>(row.ValueCtrl)) {
        combo->SetEnabled(true);
        combo->Font()->SetColor(clBlack);
        combo->SetColor(clWhite);
    }
}

void TEditsPanel::SetCheckState(bool ticked) {
    CheckDefault = ticked;
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsReadOnlyRow(i) && !IsIndexRow(i)) SetVarWritable(i);
        else SetVarReadOnly(i);
    }
}

void TEditsPanel::SetReadOnlyColors(TColor fontColor, TColor color) {
    ReadOnlyFontColor = fontColor;
    ReadOnlyColor = color;
    for (int i = 0; i < RowCount(); ++i)
        if (IsReadOnlyRow(i)) SetVarReadOnly(i);
}

void TEditsPanel::SetValueWidth(int width, int mode) {
    ValueWidth = width;
    ArrangeVars(mode, true);
}

void TEditsPanel::ArrangeVars(int, bool resize) {
    int labelWidth = 0;
    for (const UISnmpVar& row : Vars) labelWidth = std::max(labelWidth, row.LabelCtrl->Width());
    int y = 20, right = 0, bottom = 0;
    const VxSNMPVarList& list = Controller->Request.VarList;
    for (int i = 0; i < RowCount(); ++i) {
        UISnmpVar& row = Vars[static_cast<size_t>(i)];
        row.ValueCtrl->SetWidth(ValueWidth);
        if (list.GetItem(i)->Access & acHidden) continue;
        if (i > 0) {
            if (row.ValueCtrl->Height() < 20) row.ValueCtrl->SetHeight(21);
            y += row.ValueCtrl->Height() + 5;
        }
        const int h = row.ValueCtrl->Height();
        row.ValueCtrl->SetTop(y);
        row.CheckBox->SetTop(y + (h - row.CheckBox->Height()) / 2);
        row.LabelCtrl->SetTop(y + (h - row.LabelCtrl->Height()) / 2);
        row.CheckBox->SetLeft(20);
        row.LabelCtrl->SetLeft(20 + 20 + 5);
        row.ValueCtrl->SetLeft(45 + labelWidth + 5);
        right = std::max(right, row.ValueCtrl->Left() + row.ValueCtrl->Width());
        bottom = std::max(bottom, row.ValueCtrl->Top() + h);
    }
    if (!resize) return;
    SetAlign(alNone);
    SetWidth(right + 40);
    SetHeight(bottom + 40);
}

void TEditsPanel::HideVar(int i) {
    Controller->Request.VarList.GetItem(i)->Access |= acHidden;
    UISnmpVar& row = Vars[static_cast<size_t>(i)];
    row.LabelCtrl->Hide();
    row.CheckBox->Hide();
    row.ValueCtrl->Hide();
}

void TEditsPanel::ShowVar(int i) {
    Controller->Request.VarList.GetItem(i)->Access &= ~acHidden;
    UISnmpVar& row = Vars[static_cast<size_t>(i)];
    row.LabelCtrl->Show();
    row.CheckBox->Show();
    row.ValueCtrl->Show();
}

void TEditsPanel::ClearVar(int i) {
    TWinControl* value = Vars[static_cast<size_t>(i)].ValueCtrl;
    if (auto* edit = dynamic_cast<TEdit*>(value)) edit->SetText("");
    else if (auto* combo = dynamic_cast<TComboBox*>(value)) combo->SetItemIndex(-1);
    Controller->Request.VarList.GetItem(i)->Value.clear();
}

void TEditsPanel::ClearVars(TObject*) {
    for (int i = 0; i < static_cast<int>(Controller->Request.VarList.GetCount()) && i < RowCount(); ++i) ClearVar(i);
}

bool TEditsPanel::AcceptTypedValues() {
    const VxSNMPVarList& list = Controller->Request.VarList;
    for (int i = 0; i < RowCount() && i < static_cast<int>(list.GetCount()); ++i) {
        const SnmpVar& item = *list.GetItem(i);
        const UISnmpVar& row = Vars[static_cast<size_t>(i)];
        auto* edit = dynamic_cast<TEdit*>(row.ValueCtrl);
        // Rows not sent, and empty ones (refused on their own), are not checked.
        if (!edit || edit->ReadOnly() || !row.CheckBox->Checked() || IsEmptyRow(i)) continue;
        if (list.IsLeftOut(i) || !list.IsWritable(i)) continue;
        if (!AcceptTypedValue(edit, static_cast<int>(item.Syntax), item.Label, item.OptionList())) return false;
    }
    return true;
}

bool TEditsPanel::AllVarsReadOnly() const {
    for (int i = 0; i < RowCount(); ++i)
        if (!IsReadOnlyRow(i) && !IsIndexRow(i)) return false;
    return true;
}

int TEditsPanel::CountEnabledChecks() const {
    int n = 0;
    for (const UISnmpVar& row : Vars) n += row.CheckBox->Visible() && row.CheckBox->Enabled();
    return n;
}

int TEditsPanel::CountChecked() const {
    int n = 0;
    for (const UISnmpVar& row : Vars) n += row.CheckBox->Visible() && row.CheckBox->Checked();
    return n;
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* bar) {
    if (!Controller) throw Exception("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    for (TControl* c : {static_cast<TControl*>(bar->RefreshBtn), static_cast<TControl*>(bar->SetCheckedBtn),
                        static_cast<TControl*>(bar->CheckAllBtn), static_cast<TControl*>(bar->ClearChecksBtn),
                        static_cast<TControl*>(bar->CloseBtn)})
        c->Show();
    for (TControl* c : {static_cast<TControl*>(bar->SamplesLabel), static_cast<TControl*>(bar->SamplesCount),
                        static_cast<TControl*>(bar->EditBtn), static_cast<TControl*>(bar->AddBtn),
                        static_cast<TControl*>(bar->DeleteBtn)})
        c->Hide();
    if (AllVarsReadOnly()) {
        bar->SetCheckedBtn->Hide();
        bar->CheckAllBtn->Hide();
        bar->ClearChecksBtn->Hide();
    } else if (CountEnabledChecks() <= 1) {
        // One writable row: a plain "Set" that always sends it.
        bar->CheckAllBtn->Hide();
        bar->ClearChecksBtn->Hide();
        bar->SetCheckedBtn->SetCaption("Set");
        bar->SetCheckedBtn->SetEnabled(true);
        for (UISnmpVar& row : Vars)
            if (row.CheckBox->Visible() && row.CheckBox->Enabled()) row.CheckBox->SetChecked(true);
        if (CountChecked() <= 1)
            for (UISnmpVar& row : Vars) row.CheckBox->Hide();
    }
    bar->Arrange();
}

void TEditsPanel::VarCheckBoxClick(TObject*) {
    TWinControl* client = Parent();
    auto* page = client ? dynamic_cast<TSNMPPanel*>(client->Parent()) : nullptr;
    if (page) page->BtnPanel->SetCheckedBtn->SetEnabled(CountChecked() >= 1);
}

// ---- scalar page -----------------------------------------------------------------

TSNMPEditorPanel::TSNMPEditorPanel(TComponent* owner, VxSNMPRequest2Edits* controller)
    : TSNMPPanel(owner, nullptr, controller) {
    EditsPanel = new TEditsPanel(ClientPanel, controller);
    BtnPanel->SetCheckedBtn->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::SetBtnClick);
    BtnPanel->SetCheckedBtn->SetEnabled(false);
    BtnPanel->CheckAllBtn->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::CheckAllBtnClick);
    BtnPanel->ClearChecksBtn->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::ClearChecksBtnClick);
    EditsPanel->ArrangeCtrlBtn(BtnPanel);
    SetClient(EditsPanel);
}

TSNMPPanel* TSNMPEditorPanel::PageOfEditsPanel() const {
    TWinControl* client = EditsPanel->Parent();
    return client ? dynamic_cast<TSNMPPanel*>(client->Parent()) : nullptr;
}

void TSNMPEditorPanel::SetBtnClick(TObject* sender) {
    const VxSNMPRequest2Controls::Use use(Controller);
    // A value its syntax cannot hold is refused before the controls are
    // read: reading would bend it into another value.
    if (!EditsPanel->AcceptTypedValues()) return;
    bool refused = false;
    SetSentNothing = false;
    {
        const BlockingScope blocking(Controller);
        VxItemsLeftOut out(*Controller);
        Controller->ReadControls();
        VxSNMPVarList& list = Controller->Request.VarList;
        bool someEmpty = false;
        for (int i = 0; i < static_cast<int>(list.GetCount()); ++i) {
            if (i < EditsPanel->RowCount() && !EditsPanel->Vars[static_cast<size_t>(i)].CheckBox->Checked())
                out.LeaveOut(i);
            if (!list.IsLeftOut(i) && i < EditsPanel->RowCount() && EditsPanel->IsEmptyRow(i)) someEmpty = true;
        }
        if (someEmpty) {
            MessageBoxA(Handle(), "Some items are empty!", "Warning", MB_OK);
            refused = true;
        } else {
            try {
                Controller->SetValues(false, false);
            } catch (const Exception& e) {
                Controller->ShowMsg(e.Message());
                SetSentNothing = IsNothingToWrite(e.HelpContext);
            }
        }
    }
    // A dialog's Set closes its window after every attempt that got past the
    // page's own checks, one that the engine found carrying nothing too: its
    // line stands in the table page's memo.
    auto* button = dynamic_cast<TControl*>(sender);
    if (!refused && button && button->Tag() == 1) {
        TWinControl* bar = button->Parent();
        TWinControl* page = bar ? bar->Parent() : nullptr;
        if (auto* window = page ? dynamic_cast<TForm*>(page->Parent()) : nullptr) window->Close();
    }
}

void TSNMPEditorPanel::CheckAllBtnClick(TObject*) {
    for (UISnmpVar& row : EditsPanel->Vars)
        if (row.CheckBox->Enabled()) row.CheckBox->SetChecked(true);
    if (EditsPanel->CountChecked() >= 1)
        if (TSNMPPanel* page = PageOfEditsPanel()) page->BtnPanel->SetCheckedBtn->SetEnabled(true);
}

void TSNMPEditorPanel::ClearChecksBtnClick(TObject*) {
    for (UISnmpVar& row : EditsPanel->Vars)
        if (row.CheckBox->Enabled()) row.CheckBox->SetChecked(false);
    if (EditsPanel->CountChecked() == 0)
        if (TSNMPPanel* page = PageOfEditsPanel()) page->BtnPanel->SetCheckedBtn->SetEnabled(false);
}

// ---- table page ------------------------------------------------------------------

TListViewPanel::TListViewPanel(TComponent* owner, VxSNMPRequest2Edits* controller) : TPanel(owner) {
    SetBevelOuter(bvNone);
    if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
    ListView = new TListView(this);
    ListView->SetParent(this);
    controller->BindListView(ListView, 0);
    size_t captionChars = 0;
    for (int c = 0; c < ListView->Columns()->Count(); ++c)
        captionChars += ListView->Columns()->Items(c)->Caption().size();
    const int border = 2;
    SetWidth(std::min(450, 2 * border + 8 * static_cast<int>(captionChars)));
    SetHeight(350);
    ListView->SetAlign(alClient);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* bar) {
    bar->SamplesLabel->Show();
    bar->SamplesCount->Show();
    bar->RefreshBtn->Show();
    bar->EditBtn->Show();
    bar->EditBtn->SetEnabled(false);
    bar->DeleteBtn->SetEnabled(false);
    bar->SetCheckedBtn->Hide();
    bar->AddBtn->SetVisible(AddStatusItem != -1);
    bar->DeleteBtn->SetVisible(DeleteStatusItem != -1);
    bar->CheckAllBtn->Hide();
    bar->ClearChecksBtn->Hide();
    bar->CloseBtn->Show();
    bar->Arrange();
}

TSNMPListViewPanel::TSNMPListViewPanel(TComponent* owner, VxSNMPRequest2Edits* controller)
    : TSNMPEditorPanel(owner, controller) {
    ListViewPanel = new TListViewPanel(ClientPanel, controller);
    TListView* list = ListViewPanel->ListView;
    list->OnDblClick = TNotifyEvent(this, &TSNMPListViewPanel::ListViewDblClick);
    list->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::ListViewClick);
    list->OnChange = TLVChangeEvent(this, &TSNMPListViewPanel::ListCountChange);
    list->OnMouseMove = TMouseMoveEvent(this, &TSNMPListViewPanel::ListViewMouseMove);
    BtnPanel->RefreshBtn->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::ListRefreshBtnClick);
    BtnPanel->EditBtn->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::EditBtnClick);
    BtnPanel->AddBtn->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::AddBtnClick);
    BtnPanel->DeleteBtn->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::DeleteBtnClick);
    ListViewPanel->ArrangeCtrlBtn(BtnPanel);
    if (EditsPanel->AllVarsReadOnly()) {
        BtnPanel->EditBtn->Hide();
        BtnPanel->Arrange();
    }
    SetClient(ListViewPanel);
    OnBeforeAdd = TNotifyEvent(EditsPanel, &TEditsPanel::ClearVars);
}

namespace {

// The status item's row must be a drop-down list that holds the value.
bool StatusValueFits(TEditsPanel* panel, int item, const char* value) {
    if (!value || item < 0 || item >= panel->RowCount()) return false;
    auto* combo = dynamic_cast<TComboBox*>(panel->Vars[static_cast<size_t>(item)].ValueCtrl);
    return combo && combo->Items()->IndexOf(value) >= 0;
}

}  // namespace

void TSNMPListViewPanel::SetAddStatus(int item, const char* value) {
    if (!StatusValueFits(EditsPanel, item, value))
        throw Exception(std::string("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:") + (value ? value : ""));
    ListViewPanel->AddStatusItem = item;
    ListViewPanel->AddStatusValue = value;
    BtnPanel->AddBtn->Show();
    BtnPanel->Arrange();
}

void TSNMPListViewPanel::SetDeleteStatus(int item, const char* value) {
    if (!StatusValueFits(EditsPanel, item, value))
        throw Exception(std::string("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:") +
                        (value ? value : ""));
    ListViewPanel->DeleteStatusItem = item;
    ListViewPanel->DeleteStatusValue = value;
    BtnPanel->DeleteBtn->Show();
    BtnPanel->Arrange();
}

void TSNMPListViewPanel::ListRefreshBtnClick(TObject* sender) {
    if (Controller->Async && Controller->IsBusy()) return;  // a walk runs
    BtnPanel->EditBtn->SetEnabled(false);
    BtnPanel->DeleteBtn->SetEnabled(false);
    RefreshBtnClick(sender);
}

void TSNMPListViewPanel::ListViewClick(TObject*) {
    try {
        const bool selected = ListViewPanel->ListView->Selected() != nullptr;
        BtnPanel->EditBtn->SetEnabled(selected);
        BtnPanel->DeleteBtn->SetEnabled(selected);
        if (!selected) EditsPanel->ClearVars();
    } catch (...) {
    }
}

void TSNMPListViewPanel::ListViewDblClick(TObject*) {
    try {
        if (ListViewPanel->ListView->Selected()) EditBtnClick(BtnPanel->EditBtn);
    } catch (...) {
    }
}

void TSNMPListViewPanel::ListCountChange(TObject*, TListItem*, TItemChange) {
    try {
        BtnPanel->SamplesCount->SetCaption(std::to_string(ListViewPanel->ListView->Items()->Count()));
    } catch (...) {
    }
}

void TSNMPListViewPanel::ListViewMouseMove(TObject*, TShiftState, int x, int y) {
    TListView* list = ListViewPanel->ListView;
    TListItem* row = list->GetItemAt(x, y);
    if (!row) {
        list->SetShowHint(false);
        return;
    }
    TListColumns* columns = list->Columns();
    size_t longest = 0;
    for (int c = 0; c < columns->Count(); ++c) longest = std::max(longest, columns->Items(c)->Caption().size());
    std::string hint;
    for (int c = 0; c < columns->Count(); ++c) {
        const std::string caption = columns->Items(c)->Caption();
        std::string text;
        if (c == 0) text = row->Caption();
        else if (c - 1 < row->SubItems()->Count()) text = row->SubItems()->Get(c - 1);
        hint += caption + std::string(longest - caption.size(), '\t') + "  " + text + "\n";
    }
    list->SetHint(hint);
    list->SetShowHint(true);
}

std::string TSNMPListViewPanel::WindowCaption() const {
    if (auto* window = dynamic_cast<TForm*>(Parent())) return window->Caption();
    if (auto* sheet = dynamic_cast<TTabSheet*>(Parent())) return sheet->Caption();
    return Form ? Form->Caption() : std::string();
}

TForm* TSNMPListViewPanel::CreateDialogWindow(const std::string& caption) {
    auto* dialog = new TForm(Application);
    dialog->SetCaption(caption);
    Controller->SetConstraintOwner(dialog);
    return dialog;
}

TSNMPPanel* TSNMPListViewPanel::CreateDialogPage(TForm* dialog) {
    SetSentNothing = false;  // until the dialog's Set finds nothing to send
    auto* page = new TSNMPPanel(dialog, MsgPanel, Controller);
    page->BtnPanel->SetCheckedBtn->OnClick = TNotifyEvent(static_cast<TSNMPEditorPanel*>(this), &TSNMPEditorPanel::SetBtnClick);
    page->BtnPanel->SetCheckedBtn->SetTag(1);
    page->BtnPanel->CheckAllBtn->OnClick = TNotifyEvent(static_cast<TSNMPEditorPanel*>(this), &TSNMPEditorPanel::CheckAllBtnClick);
    page->BtnPanel->ClearChecksBtn->OnClick =
        TNotifyEvent(static_cast<TSNMPEditorPanel*>(this), &TSNMPEditorPanel::ClearChecksBtnClick);
    return page;
}

void TSNMPListViewPanel::ReturnEditsPanel(TForm* dialog) {
    EditsPanel->Hide();
    EditsPanel->SetAlign(alNone);
    EditsPanel->SetParent(ClientPanel);
    delete dialog;
    Controller->SetConstraintOwner(Form);
    // The dialog's page wrote through this page's memo.
    if (MsgPanel) Controller->SetMsgCtrl(MsgPanel->Memo);
    // A Set that sent nothing changed nothing: its line stays the last.
    if (!SetSentNothing) ListRefreshBtnClick(BtnPanel->RefreshBtn);
}

void TSNMPListViewPanel::StopWalk() {
    // Stopping takes effect at once: nothing is left to wait for.
    Controller->Stop();
    Controller->Resume();
}

void TSNMPListViewPanel::AddBtnClick(TObject* sender) {
    OnBeforeAdd(sender);
    ShowAddDialog();
    OnAfterAdd(sender);
}

void TSNMPListViewPanel::ShowAddDialog() {
    // The page uses its controller until the dialog is over and the table
    // read again; a close meanwhile deletes the controller after that.
    const VxSNMPRequest2Controls::Use use(Controller);
    StopWalk();
    TForm* dialog = CreateDialogWindow(WindowCaption() + " (Add)");
    TSNMPPanel* page = CreateDialogPage(dialog);
    for (int i = 0; i < EditsPanel->RowCount() && EditsPanel->IsIndexRow(i); ++i) {
        // Index values are always sent.
        EditsPanel->SetVarWritable(i);
        UISnmpVar& row = EditsPanel->Vars[static_cast<size_t>(i)];
        row.CheckBox->SetChecked(true);
        row.CheckBox->Show();
        row.CheckBox->SetEnabled(false);
        row.ValueCtrl->SetEnabled(true);
    }
    const int status = ListViewPanel->AddStatusItem;
    if (status >= 0 && status < EditsPanel->RowCount()) {
        UISnmpVar& row = EditsPanel->Vars[static_cast<size_t>(status)];
        row.ValueCtrl->SetEnabled(false);
        row.CheckBox->SetEnabled(false);
        row.CheckBox->SetChecked(true);
        if (auto* combo = dynamic_cast<TComboBox*>(row.ValueCtrl))
            combo->SetItemIndex(combo->Items()->IndexOf(ListViewPanel->AddStatusValue));
    }
    EditsPanel->ArrangeCtrlBtn(page->BtnPanel);
    page->BtnPanel->RefreshBtn->Hide();
    page->BtnPanel->Arrange();
    EditsPanel->ArrangeVars(2, true);
    page->SetClient(EditsPanel);
    page->AttachForm(dialog);
    ListViewPanel->ListView->ClearSelection();
    BtnPanel->EditBtn->SetEnabled(false);
    BtnPanel->DeleteBtn->SetEnabled(false);
    dialog->ShowModal();
    ReturnEditsPanel(dialog);
}

void TSNMPListViewPanel::EditBtnClick(TObject* sender) {
    OnBeforeEdit(sender);
    ShowEditDialog();
    OnAfterEdit(sender);
}

void TSNMPListViewPanel::ShowEditDialog() {
    const VxSNMPRequest2Controls::Use use(Controller);
    // The walk is stopped for good: the dialog never lets it go on.
    if (Controller->Async) StopWalk();
    TForm* dialog = CreateDialogWindow(Form ? Form->Caption() : WindowCaption());
    TSNMPPanel* page = CreateDialogPage(dialog);
    page->BtnPanel->SetCheckedBtn->SetEnabled(false);
    EditsPanel->SetCheckState(false);
    EditsPanel->ArrangeCtrlBtn(page->BtnPanel);
    EditsPanel->ArrangeVars(2, true);
    page->BtnPanel->RefreshBtn->Hide();
    page->BtnPanel->Arrange();
    EditsPanel->SetValueWidth(200, 2);
    page->SetClient(EditsPanel);
    page->AttachForm(dialog);

    // A row cannot be re-created or destroyed from the edit dialog.
    struct Removed {
        int Item;
        int Position;
        std::string Label;
        bool Hidden;
    };
    std::vector<Removed> removed;
    auto removeLabel = [&](int item, const char* value) {
        if (item < 0 || !value || item >= EditsPanel->RowCount()) return;
        auto* combo = dynamic_cast<TComboBox*>(EditsPanel->Vars[static_cast<size_t>(item)].ValueCtrl);
        if (!combo) return;
        const int at = combo->Items()->IndexOf(value);
        if (at < 0) return;
        combo->Items()->Delete(at);
        const bool hide = combo->Items()->Count() == 0;
        if (hide) EditsPanel->HideVar(item);
        removed.push_back({item, at, value, hide});
    };
    removeLabel(ListViewPanel->AddStatusItem, ListViewPanel->AddStatusValue);
    removeLabel(ListViewPanel->DeleteStatusItem, ListViewPanel->DeleteStatusValue);

    dialog->ShowModal();

    for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
        if (it->Hidden) EditsPanel->ShowVar(it->Item);
        auto* combo = static_cast<TComboBox*>(EditsPanel->Vars[static_cast<size_t>(it->Item)].ValueCtrl);
        combo->Items()->Insert(it->Position, it->Label);
    }
    ReturnEditsPanel(dialog);
}

void TSNMPListViewPanel::DeleteBtnClick(TObject*) {
    if (MessageBoxA(Handle(), "Are you sure to delete ?", "Delete", MB_YESNO) != IDYES) return;
    const VxSNMPRequest2Controls::Use use(Controller);
    StopWalk();
    const int status = ListViewPanel->DeleteStatusItem;
    const BlockingScope blocking(Controller);
    {
        VxItemsLeftOut out(*Controller);
        VxSNMPVarList& list = Controller->Request.VarList;
        for (int i = 0; i < static_cast<int>(list.GetCount()); ++i)
            if (static_cast<uint32_t>(i) >= list.IndexCount && i != status) out.LeaveOut(i);
        try {
            Controller->ReadControls();
            if (status >= 0) list.GetItem(status)->Value = ListViewPanel->DeleteStatusValue;
            Controller->SetValues(false, false);
        } catch (const Exception& e) {
            Controller->ShowMsg(e.Message());
        }
    }
    // Read the table again, still synchronously.
    ListRefreshBtnClick(BtnPanel->RefreshBtn);
}
