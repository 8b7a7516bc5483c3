#pragma once
// The window in which a main-menu command shows one generated editor page:
// it reads the page once it is on screen, refreshes it on request, and stops
// and destroys its controllers when it closes.

#include <cstdint>
#include <vector>

#include "framework/GUIGenerator.h"

class TConfigForm : public TForm {
public:
    static constexpr UINT RefreshMessage = 34002;

    explicit TConfigForm(TComponent* owner);
    ~TConfigForm() override;

    // The form takes the controller over.
    TSNMPEditorPanel* AddEditorPage(VxSNMPRequest2Edits* controller);
    // Items are positions of the status column in the controller's var list;
    // -1 and a null text mean no Add (or Delete).
    TSNMPListViewPanel* AddListViewPage(VxSNMPRequest2Edits* controller, int addItem, const char* addValue,
                                        int deleteItem, const char* deleteValue);
    void Refresh();
    void FormClose(TObject* sender, TCloseAction& action);
    void Dispatch(TMessage& message) override;

    uint8_t FormType = 0;  // 0 none, 1 scalar page, 2 table page, 3 several pages
    std::vector<VxSNMPRequest2Edits*> Controllers;
    TPageControl* PageControl = nullptr;
    VxSNMPRequest2Edits* CurrentController = nullptr;

private:
    void SizeToPage(TSNMPPanel* page);
    void StopAndDeleteControllers();
};

// The editor window created at start-up.
extern TConfigForm* ConfigForm;
