#include "GUIConfigForm.h"

TConfigForm* ConfigForm = nullptr;

TConfigForm::TConfigForm(TComponent* owner) : TForm(owner) {
    SetBounds(284, 134, 159, 105);
    SetCaption("ConfigForm");
    OnClose = TCloseEvent(this, &TConfigForm::FormClose);
    SetPosition(poMainFormCenter);
    // The first read, once the form is shown and its page is in place.
    PostMessageA(Handle(), RefreshMessage, 0, 0);
    DoCreate();
}

TConfigForm::~TConfigForm() {
    StopAndDeleteControllers();
    if (ConfigForm == this) ConfigForm = nullptr;
}

void TConfigForm::SizeToPage(TSNMPPanel* page) {
    page->AttachForm(this);
    if (ClientWidth() < page->Width()) SetClientWidth(page->Width());
    if (ClientHeight() < page->Height()) SetClientHeight(page->Height());
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(VxSNMPRequest2Edits* controller) {
    if (FormType != 0) throw Exception("Can not change Type of a Config Form!");
    FormType = 1;
    Controllers.push_back(controller);
    auto* page = new TSNMPEditorPanel(this, controller);
    SizeToPage(page);
    return page;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(VxSNMPRequest2Edits* controller, int addItem, const char* addValue,
                                                 int deleteItem, const char* deleteValue) {
    if (FormType != 0) throw Exception("Can not change Type of a Config Form!");
    FormType = 2;
    Controllers.push_back(controller);
    auto* page = new TSNMPListViewPanel(this, controller);
    SizeToPage(page);
    if (addValue) page->SetAddStatus(addItem, addValue);
    if (deleteValue) page->SetDeleteStatus(deleteItem, deleteValue);
    return page;
}

void TConfigForm::Refresh() {
    VxSNMPRequest2Edits* chosen = nullptr;
    switch (FormType) {
    case 0: return;
    case 1:
    case 2:
        if (Controllers.empty()) return;
        chosen = Controllers.front();
        break;
    case 3:
        if (!PageControl || PageControl->PageCount() == 0 || !PageControl->ActivePage()) return;
        {
            const int tag = PageControl->ActivePage()->Tag();
            if (tag < 0 || tag >= static_cast<int>(Controllers.size())) return;
            chosen = Controllers[static_cast<size_t>(tag)];
        }
        break;
    default: throw Exception("Refresh a Form with unknown Form Type!");
    }
    if (CurrentController) CurrentController->Stop();
    CurrentController = chosen;
    chosen->Resume();
    try {
        chosen->VxSNMPRequest2Controls::Refresh();
    } catch (const Exception& e) {
        chosen->VxSNMPRequest2Controls::ShowMsg(e.Message());
    }
}

void TConfigForm::Dispatch(TMessage& message) {
    if (message.Msg == RefreshMessage) {
        Refresh();
        return;
    }
    TForm::Dispatch(message);
}

void TConfigForm::FormClose(TObject*, TCloseAction&) { StopAndDeleteControllers(); }

void TConfigForm::StopAndDeleteControllers() {
    // The form lets go of its controllers first: nothing that runs later (a
    // second close, a refresh) may find them.
    std::vector<VxSNMPRequest2Edits*> controllers;
    controllers.swap(Controllers);
    CurrentController = nullptr;
    // Each goes at once, or, while a blocking walk or a dialog of its page
    // still runs beneath this close, as soon as that has returned.
    for (VxSNMPRequest2Edits*& controller : controllers) VxSNMPRequest2Controls::StopAndDelete(controller);
}
