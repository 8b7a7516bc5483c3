#pragma once
// A generated editor page in a window of its own against the simulated
// stack: builds the page, waits for its first read and reaches its controls.

#include <functional>
#include <string>
#include <vector>

#include <QTimer>

#include "framework/GUIConfigForm.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/AgentFixture.h"

// A page controller that tells when it is gone.
class TrackedEdits : public VxSNMPRequest2Edits {
public:
    TrackedEdits(TWinControl* owner, bool& gone) : VxSNMPRequest2Edits(owner), Gone(gone) { Gone = false; }
    ~TrackedEdits() override { Gone = true; }

private:
    bool& Gone;
};

class PageFixture : public AgentFixture {
protected:
    void TearDown() override {
        delete form;
        AgentFixture::TearDown();
    }

    VxSNMPRequest2Edits* Controller(const SnmpVarItem* items, uint8_t kind, uint32_t indexes) {
        form = new TConfigForm(Application);
        auto* c = new TrackedEdits(form, controllerGone);
        c->Request.VarList = VxSNMPVarList(items, kind, indexes);
        return c;
    }
    TSNMPEditorPanel* ScalarPageOf(const SnmpVarItem* items) {
        VxSNMPRequest2Edits* controller = Controller(items, SVT_SV, 0);
        auto* page = form->AddEditorPage(controller);
        ShowAndRead();
        return page;
    }
    TSNMPListViewPanel* TablePage(const SnmpVarItem* items, int status, const char* add, const char* del,
                                  uint32_t indexes = 1) {
        VxSNMPRequest2Edits* controller = Controller(items, MVT_FMV, indexes);
        auto* page = form->AddListViewPage(controller, status, add, status, del);
        ShowAndRead();
        return page;
    }
    // The form's own first read runs once the loop gets to its message.
    void ShowAndRead() {
        form->SetCaption("Page:127.0.0.1");
        form->Show();
        ASSERT_TRUE(PumpUntil([&] { return form->CurrentController && !form->CurrentController->IsBusy(); }));
    }
    void WaitIdle() { ASSERT_TRUE(PumpUntil([&] { return !form->CurrentController->IsBusy(); })); }
    static TEdit* Edit(TEditsPanel* panel, int row) {
        return dynamic_cast<TEdit*>(panel->Vars[static_cast<size_t>(row)].ValueCtrl);
    }
    static TComboBox* Combo(TEditsPanel* panel, int row) {
        return dynamic_cast<TComboBox*>(panel->Vars[static_cast<size_t>(row)].ValueCtrl);
    }
    static TSNMPPanel* DialogPage(TEditsPanel* panel) {
        return dynamic_cast<TSNMPPanel*>(panel->Parent()->Parent());
    }
    // Runs `act` inside the next modal loop.
    static void WhenModal(std::function<void()> act) {
        QTimer::singleShot(0, [act] { Guarded(act); });
    }
    // Each list row as its column texts joined by "|".
    static std::vector<std::string> Rows(TSNMPListViewPanel* page) {
        std::vector<std::string> rows;
        TListItems* items = page->ListViewPanel->ListView->Items();
        for (int i = 0; i < items->Count(); ++i) {
            std::string row = items->Item(i)->Caption();
            for (int k = 0; k < items->Item(i)->SubItems()->Count(); ++k) row += "|" + items->Item(i)->SubItems()->Get(k);
            rows.push_back(row);
        }
        return rows;
    }

    TConfigForm* form = nullptr;
    bool controllerGone = false;
};
