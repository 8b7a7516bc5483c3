#include "dialogbase/Form1.h"

#include "dialogbase/DialogHost.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    SetCaption("Form1");
    SetBounds(192, 107, 696, 480);
    if (HostUsesLargeFonts())
        SetBounds(ScaleBy(Left(), 1.25), ScaleBy(Top(), 1.25), ScaleBy(Width(), 1.25), ScaleBy(Height(), 1.25));
    DoCreate();
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::SetReady(VxSNMPRequest2Controls*, VxSNMPError*) {
    Ready1 = 1;
    Ready2 = 1;
}
