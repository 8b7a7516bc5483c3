#pragma once
// The about box: the module's name and release. Shift+Alt+F3 on its OK
// button shows the detailed release text until the box is activated again.

#include "dialogbase/DialogFrame.h"

class TAboutForm : public TDialogFrame {
public:
    explicit TAboutForm(TComponent* owner);

    void FormActivate(TObject* sender);
    void BT_OkClick(TObject* sender);
    void BT_OkKeyDown(TObject* sender, WORD& key, TShiftState shift);

    TImage* Image1;
    TImage* Image2;
    TLabel* ManagementModuleLabel;
    TLabel* VersionLabel;
    TLabel* Label1;
    TButton* BT_Ok;
};

extern TAboutForm* AboutForm;
