#include "features/AboutForm.h"

#include "forms/AboutPictures.h"
#include "platform/Layout.h"

TAboutForm* AboutForm = nullptr;

namespace {

constexpr const char* ModuleText = "Pelorin Kestrix Management Module";
constexpr const char* AboutCaption = "About Kestrix Module";
constexpr const char* ReleaseText = "Release Version 1.00 (Build Dec 09,2026)";
constexpr const char* DetailedReleaseText = "Release Version 1.00.B01";
constexpr WORD F3Key = 114;

// Both pictures stand at one place; the second is hidden whenever the box
// is activated.
constexpr LayoutControl kControls[] = {
    {.Class = "TImage", .Name = "Image1", .Bounds = {16, 16, 32, 32}, .Props = "AutoSize"},
    {.Class = "TImage", .Name = "Image2", .Bounds = {16, 16, 32, 32}},
    {.Class = "TLabel", .Name = "ManagementModuleLabel", .Bounds = {64, 12, 0, 0}, .Caption = ModuleText,
     .Props = "FontStyle=fsBold"},
    {.Class = "TLabel", .Name = "VersionLabel", .Bounds = {64, 32, 0, 0}, .Caption = ReleaseText},
    {.Class = "TLabel", .Name = "Label1", .Bounds = {64, 52, 0, 0},
     .Caption = "Manages a stack of up to 12 units over SNMP."},
    {.Class = "TButton", .Name = "BT_Ok", .Bounds = {124, 80, 75, 25}, .Caption = "OK", .TabOrder = 0,
     .Props = "Default"},
};

constexpr FormLayout kLayout{.Name = "AboutForm", .Caption = AboutCaption, .ClientWidth = 322, .ClientHeight = 115,
                             .BorderStyle = bsSingle, .Position = poScreenCenter, .LargeFonts = DialogScaling::None,
                             .Controls = kControls};

}  // namespace

TAboutForm::TAboutForm(TComponent* owner) : TDialogFrame(owner, kLayout) {
    KX_BIND(Image1);
    KX_BIND(Image2);
    KX_BIND(ManagementModuleLabel);
    KX_BIND(VersionLabel);
    KX_BIND(Label1);
    KX_BIND(BT_Ok);
    Image1->Picture()->Assign(DrawAboutPicture(AboutPicture::Lit));
    Image2->Picture()->Assign(DrawAboutPicture(AboutPicture::Dark));
    OnActivate = TNotifyEvent(this, &TAboutForm::FormActivate);
    BT_Ok->OnClick = TNotifyEvent(this, &TAboutForm::BT_OkClick);
    BT_Ok->OnKeyDown = TKeyEvent(this, &TAboutForm::BT_OkKeyDown);
    DoCreate();
}

// The fixed texts, whatever the stack holds and whatever was shown before.
void TAboutForm::FormActivate(TObject*) {
    Image2->SetVisible(false);
    Image1->SetVisible(true);
    ManagementModuleLabel->SetCaption(ModuleText);
    SetCaption(AboutCaption);
    VersionLabel->SetCaption(ReleaseText);
}

void TAboutForm::BT_OkClick(TObject*) { Close(); }

// Shift and Alt both down (Ctrl may be too) with F3.
void TAboutForm::BT_OkKeyDown(TObject*, WORD& key, TShiftState shift) {
    if (key == F3Key && (shift & ssShift) && (shift & ssAlt)) VersionLabel->SetCaption(DetailedReleaseText);
}
