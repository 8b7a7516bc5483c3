// Stored layouts: a form built from its table of controls, controls found
// by name and class, tab order, anchors, and faults of the data refused
// with a message that says where they are.

#include "platform/Vcl.h"

#include <gtest/gtest.h>

#include <QTabWidget>
#include <QWidget>

#include <string>
#include <vector>

namespace {

constexpr LayoutColumn kColumns[] = {{"Index", 60}, {"Name", 120, taRightJustify}};
constexpr LayoutPanel kPanels[] = {{"ready", 80}, {"", 50}};

constexpr LayoutControl kTrunkControls[] = {
    {.Class = "TListView", .Name = "LV_PortTrunk", .Bounds = {0, 0, 0, 120}, .Align = alTop,
     .Columns = kColumns, .Props = "ViewStyle=vsReport; RowSelect; GridLines; ReadOnly"},
    {.Class = "TPanel", .Name = "EntryPanel", .Bounds = {0, 120, 400, 150}, .Align = alClient,
     .Props = "BevelOuter=bvNone"},
    {.Class = "TLabel", .Name = "LB_Index", .Parent = "EntryPanel", .Bounds = {8, 12, 0, 0},
     .Caption = "Index(1-32)", .Props = "FontStyle=fsBold|fsItalic"},
    {.Class = "TEdit", .Name = "ED_Index", .Parent = "EntryPanel", .Bounds = {80, 8, 60, 21},
     .TabOrder = 1, .Hint = "1 to 32", .Props = "MaxLength=2"},
    {.Class = "TEdit", .Name = "ED_Name", .Parent = "EntryPanel", .Bounds = {80, 36, 120, 21},
     .Caption = "trunk", .TabOrder = 0, .Props = "ReadOnly"},
    {.Class = "TGroupBox", .Name = "LB_Master", .Parent = "EntryPanel", .Bounds = {210, 8, 180, 60},
     .Caption = "Master Port", .TabOrder = 2},
    {.Class = "TEdit", .Name = "UnitEdit", .Parent = "LB_Master", .Bounds = {50, 20, 30, 21}},
    {.Class = "TComboBox", .Name = "ComboBox1", .Parent = "EntryPanel", .Bounds = {80, 64, 100, 21},
     .TabOrder = 3, .Items = "enable\ndisable", .Props = "Style=csDropDownList; ItemIndex=1"},
    {.Class = "TCheckBox", .Name = "CheckBox1", .Parent = "EntryPanel", .Bounds = {8, 92, 100, 17},
     .Caption = "Port 1", .Tag = 1, .Props = "Checked"},
    {.Class = "TRadioGroup", .Name = "RG_Mode", .Parent = "EntryPanel", .Bounds = {210, 70, 180, 60},
     .Caption = "Mode", .Items = "static\nlacp", .Props = "ItemIndex=0; Columns=2"},
    {.Class = "TButton", .Name = "BT_Set", .Parent = "EntryPanel", .Bounds = {8, 115, 75, 25},
     .Caption = "Set", .Enabled = false, .Props = "ModalResult=mrOk"},
    {.Class = "TPageControl", .Name = "Pages", .Parent = "EntryPanel", .Bounds = {100, 115, 100, 30},
     .Visible = false, .Props = "ActivePage=Sheet2"},
    {.Class = "TTabSheet", .Name = "Sheet1", .Parent = "Pages", .Caption = "Egress Ports"},
    {.Class = "TTabSheet", .Name = "Sheet2", .Parent = "Pages", .Caption = "Untagged Ports"},
    {.Class = "TStatusBar", .Name = "StatusBar1", .Panels = kPanels},
    {.Class = "TTimer", .Name = "Timer1", .Enabled = false, .Props = "Interval=3000"},
};

constexpr FormLayout kTrunkLayout{
    .Name = "PortTrunkForm", .Caption = "Port Trunk Table", .Left = 40, .Top = 30,
    .ClientWidth = 400, .ClientHeight = 300, .BorderStyle = bsDialog, .Position = poScreenCenter,
    .Controls = kTrunkControls};

// A dialog as the module's forms are written: the layout, then its fields
// bound by name.
class TTrunkForm : public TForm {
public:
    explicit TTrunkForm(TComponent* owner) : TForm(owner) {
        LoadLayout(this, kTrunkLayout);
        KX_BIND(LV_PortTrunk);
        KX_BIND(ED_Index);
        KX_BIND(ComboBox1);
        KX_BIND(BT_Set);
        KX_BIND(StatusBar1);
    }
    TListView* LV_PortTrunk = nullptr;
    TEdit* ED_Index = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TButton* BT_Set = nullptr;
    TStatusBar* StatusBar1 = nullptr;
};

// Names of the controls that Tab visits, in order, starting after the form.
std::vector<std::string> TabChain(TForm& form) {
    std::vector<std::string> names;
    QWidget* start = form.Widget();
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        bool reachable = (w->focusPolicy() & Qt::TabFocus) && form.Widget()->isAncestorOf(w) &&
                         w->isVisibleTo(form.Widget());
        if (!reachable) continue;
        TControl* control = TControl::FromWidget(w);
        if (control && control != &form) names.push_back(control->Name());
    }
    return names;
}

}  // namespace

TEST(Layout, BuildsEveryControlOnItsParentWithItsProperties) {
    TTrunkForm form(nullptr);
    EXPECT_EQ(form.Name(), "PortTrunkForm");
    EXPECT_EQ(form.Caption(), "Port Trunk Table");
    EXPECT_EQ(form.ClientWidth(), 400);
    EXPECT_EQ(form.ClientHeight(), 300);
    EXPECT_EQ(form.BorderStyle(), bsDialog);
    EXPECT_EQ(form.Position(), poScreenCenter);
    EXPECT_EQ(form.Left(), 40);

    // Aligned controls share the client area; the status bar keeps its own
    // bottom alignment.
    EXPECT_EQ(form.LV_PortTrunk->Parent(), &form);
    EXPECT_EQ(form.LV_PortTrunk->Width(), 400);
    EXPECT_EQ(form.LV_PortTrunk->Height(), 120);
    EXPECT_EQ(form.StatusBar1->Align(), alBottom);
    auto* entry = FindChild<TPanel>(&form, "EntryPanel");
    EXPECT_EQ(entry->Top(), 120);
    EXPECT_EQ(entry->Height(), 300 - 120 - form.StatusBar1->Height());
    EXPECT_EQ(entry->BevelOuter(), bvNone);

    EXPECT_EQ(form.ED_Index->Parent(), entry);
    EXPECT_EQ(form.ED_Index->Left(), 80);
    EXPECT_EQ(form.ED_Index->Top(), 8);
    EXPECT_EQ(form.ED_Index->Width(), 60);
    EXPECT_EQ(form.ED_Index->MaxLength(), 2);
    EXPECT_EQ(form.ED_Index->Hint(), "1 to 32");
    EXPECT_TRUE(form.ED_Index->ShowHint());
    auto* name = FindChild<TEdit>(&form, "ED_Name");
    EXPECT_EQ(name->Text(), "trunk");
    EXPECT_TRUE(name->ReadOnly());
    EXPECT_EQ(FindChild<TEdit>(&form, "UnitEdit")->Parent(), FindChild<TGroupBox>(&form, "LB_Master"));
    EXPECT_EQ(FindChild<TGroupBox>(&form, "LB_Master")->Caption(), "Master Port");
    auto* label = FindChild<TLabel>(&form, "LB_Index");
    EXPECT_EQ(label->Caption(), "Index(1-32)");
    EXPECT_EQ(label->Font()->Style(), fsBold | fsItalic);

    // Items before the index that picks one of them.
    EXPECT_EQ(form.ComboBox1->Style(), csDropDownList);
    EXPECT_EQ(form.ComboBox1->Items()->Count(), 2);
    EXPECT_EQ(form.ComboBox1->Text(), "disable");
    auto* group = FindChild<TRadioGroup>(&form, "RG_Mode");
    EXPECT_EQ(group->Items()->Strings(1), "lacp");
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(group->Columns(), 2);
    auto* box = FindChild<TCheckBox>(&form, "CheckBox1");
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->Tag(), 1);
    EXPECT_FALSE(form.BT_Set->Enabled());
    EXPECT_EQ(form.BT_Set->ModalResult(), mrOk);
    EXPECT_EQ(form.BT_Set->Caption(), "Set");

    ASSERT_EQ(form.LV_PortTrunk->Columns()->Count(), 2);
    EXPECT_EQ(form.LV_PortTrunk->Columns()->Items(1)->Caption(), "Name");
    EXPECT_EQ(form.LV_PortTrunk->Columns()->Items(1)->Width(), 120);
    EXPECT_EQ(form.LV_PortTrunk->Columns()->Items(1)->Alignment(), taRightJustify);
    EXPECT_EQ(form.LV_PortTrunk->ViewStyle(), vsReport);
    EXPECT_TRUE(form.LV_PortTrunk->RowSelect());
    EXPECT_TRUE(form.LV_PortTrunk->GridLines());
    EXPECT_TRUE(form.LV_PortTrunk->ReadOnly());
    ASSERT_EQ(form.StatusBar1->Panels()->Count(), 2);
    EXPECT_EQ(form.StatusBar1->Panels()->Items(0)->Text(), "ready");
    EXPECT_EQ(form.StatusBar1->Panels()->Items(0)->Width(), 80);

    // The active page is chosen once its sheets exist.
    auto* pages = FindChild<TPageControl>(&form, "Pages");
    EXPECT_FALSE(pages->Visible());
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), FindChild<TTabSheet>(&form, "Sheet2"));
    EXPECT_EQ(pages->Widget()->tabText(1), "Untagged Ports");

    auto* timer = FindChild<TTimer>(&form, "Timer1");
    EXPECT_EQ(timer->Owner(), &form);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 3000);
}

TEST(Layout, LookupRefusesAMissingNameAndAnotherClass) {
    TTrunkForm form(nullptr);
    // Names compare without regard to case, as the class library's do.
    EXPECT_EQ(FindChild<TButton>(&form, "bt_set"), form.BT_Set);
    // A base class finds the control too.
    EXPECT_EQ(FindChild<TWinControl>(&form, "BT_Set"), form.BT_Set);
    auto message = [&](auto lookup) {
        try {
            lookup();
        } catch (const Exception& e) {
            return e.Message();
        }
        return std::string("no exception");
    };
    EXPECT_EQ(message([&] { FindChild<TButton>(&form, "BT_Sett"); }),
              "TTrunkForm 'PortTrunkForm' has no component named 'BT_Sett'");
    EXPECT_EQ(message([&] { FindChild<TEdit>(&form, "BT_Set"); }),
              "'BT_Set' of TTrunkForm 'PortTrunkForm' is a TButton, not a TEdit");
    EXPECT_EQ(message([&] { FindChild<TControl>(&form, ""); }),
              "TTrunkForm 'PortTrunkForm' has no component named ''");
}

TEST(Layout, TabOrderRunsDepthFirstAlongEachParentsOrder) {
    TTrunkForm form(nullptr);
    // In the panel: ED_Name (0), ED_Index (1), the group box (2) with its
    // edit, the combo box (3); the siblings without an order follow in
    // record order.
    EXPECT_EQ(FindChild<TEdit>(&form, "ED_Name")->TabOrder(), 0);
    EXPECT_EQ(form.ED_Index->TabOrder(), 1);
    EXPECT_EQ(form.ComboBox1->TabOrder(), 3);
    std::vector<std::string> chain = TabChain(form);
    std::vector<std::string> expected = {"LV_PortTrunk", "ED_Name", "ED_Index", "UnitEdit", "ComboBox1", "CheckBox1"};
    ASSERT_GE(chain.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(chain.begin(), chain.begin() + 6), expected);
    // The radio group's buttons come after the check box, the button last.
    auto radio = std::find(chain.begin(), chain.end(), "RG_Mode");
    auto button = std::find(chain.begin(), chain.end(), "BT_Set");
    EXPECT_LT(std::find(chain.begin(), chain.end(), "CheckBox1"), radio);
    EXPECT_LT(radio, button);

    // Moving one control at run time moves it in the chain as well.
    form.ComboBox1->SetTabOrder(0);
    EXPECT_EQ(FindChild<TEdit>(&form, "ED_Name")->TabOrder(), 1);
    chain = TabChain(form);
    EXPECT_EQ(std::vector<std::string>(chain.begin(), chain.begin() + 3),
              (std::vector<std::string>{"LV_PortTrunk", "ComboBox1", "ED_Name"}));
}

TEST(Layout, AnchoredControlsFollowTheEdgesOfTheirParent) {
    constexpr LayoutControl controls[] = {
        {.Class = "TButton", .Name = "Right", .Bounds = {300, 10, 80, 25}, .Anchors = akTop | akRight},
        {.Class = "TEdit", .Name = "Stretched", .Bounds = {10, 50, 370, 21}, .Anchors = akLeft | akTop | akRight},
        {.Class = "TMemo", .Name = "Both", .Bounds = {10, 80, 370, 100},
         .Anchors = akLeft | akTop | akRight | akBottom},
        {.Class = "TButton", .Name = "Corner", .Bounds = {300, 260, 80, 25}, .Anchors = akRight | akBottom},
        {.Class = "TButton", .Name = "Fixed", .Bounds = {10, 260, 80, 25}},
    };
    TForm form(nullptr);
    LoadLayout(&form, {.ClientWidth = 390, .ClientHeight = 300, .Controls = controls});
    form.SetClientWidth(490);
    form.SetClientHeight(350);
    auto bounds = [&](const char* name) {
        TControl* c = FindChild<TControl>(&form, name);
        return std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()};
    };
    EXPECT_EQ(bounds("Right"), (std::vector<int>{400, 10, 80, 25}));
    EXPECT_EQ(bounds("Stretched"), (std::vector<int>{10, 50, 470, 21}));
    EXPECT_EQ(bounds("Both"), (std::vector<int>{10, 80, 470, 150}));
    EXPECT_EQ(bounds("Corner"), (std::vector<int>{400, 310, 80, 25}));
    EXPECT_EQ(bounds("Fixed"), (std::vector<int>{10, 260, 80, 25}));
    // Bounds the program sets are kept from then on, and back at the first
    // size the control returns to where it was placed.
    FindChild<TControl>(&form, "Right")->SetLeft(380);
    form.SetClientWidth(390);
    EXPECT_EQ(bounds("Right"), (std::vector<int>{280, 10, 80, 25}));
    EXPECT_EQ(bounds("Stretched"), (std::vector<int>{10, 50, 370, 21}));
}

TEST(Layout, FaultsOfTheDataAreRefusedWithWhereTheyAre) {
    constexpr LayoutControl unknownClass[] = {{.Class = "TTrackBar", .Name = "Bar1"}};
    constexpr LayoutControl twice[] = {{.Class = "TEdit", .Name = "Edit1"}, {.Class = "TEdit", .Name = "edit1"}};
    constexpr LayoutControl parentLater[] = {{.Class = "TEdit", .Name = "Edit1", .Parent = "Panel1"},
                                             {.Class = "TPanel", .Name = "Panel1"}};
    constexpr LayoutControl parentNotWindowed[] = {{.Class = "TLabel", .Name = "Label1"},
                                                   {.Class = "TEdit", .Name = "Edit1", .Parent = "Label1"}};
    constexpr LayoutControl unknownProp[] = {{.Class = "TEdit", .Name = "Edit1", .Props = "MaxLenght=3"}};
    constexpr LayoutControl propOfAnotherClass[] = {{.Class = "TButton", .Name = "BT_Set", .Props = "MaxLength=3"}};
    constexpr LayoutControl badNumber[] = {{.Class = "TEdit", .Name = "Edit1", .Props = "MaxLength=3x"}};
    constexpr LayoutControl badEnum[] = {{.Class = "TComboBox", .Name = "Combo1", .Props = "Style=csList"}};
    constexpr LayoutControl noCaption[] = {{.Class = "TListView", .Name = "List1", .Caption = "x"}};
    constexpr LayoutControl noItems[] = {{.Class = "TEdit", .Name = "Edit1", .Items = "a\nb"}};
    constexpr LayoutControl labelTabOrder[] = {{.Class = "TLabel", .Name = "Label1", .TabOrder = 0}};
    constexpr LayoutControl missingPage[] = {{.Class = "TPageControl", .Name = "Pages", .Props = "ActivePage=Sheet9"}};
    constexpr LayoutControl noName[] = {{.Class = "TEdit"}};
    constexpr LayoutControl captionLines[] = {
        {.Class = "TCheckBox", .Name = "CheckBox", .Caption = "a\nb", .Repeat = {.Count = 3}}};
    struct Case {
        std::span<const LayoutControl> controls;
        const char* expected;
    };
    const Case cases[] = {
        {unknownClass, "control 'Bar1' (TTrackBar): there is no class 'TTrackBar'"},
        {twice, "control 'edit1' (TEdit): the name is taken by another component"},
        {parentLater, "control 'Edit1' (TEdit): the parent 'Panel1' is not loaded before it"},
        {parentNotWindowed, "control 'Edit1' (TEdit): the parent 'Label1' is a TLabel, which holds no controls"},
        {unknownProp, "control 'Edit1' (TEdit): there is no property 'MaxLenght'"},
        {propOfAnotherClass, "control 'BT_Set' (TButton): TButton has no property 'MaxLength'"},
        {badNumber, "control 'Edit1' (TEdit): '3x' is not a whole number"},
        {badEnum, "control 'Combo1' (TComboBox): 'csList' is not one of csDropDown, csSimple, csDropDownList"},
        {noCaption, "control 'List1' (TListView): TListView has no Caption"},
        {noItems, "control 'Edit1' (TEdit): TEdit has no Items"},
        {labelTabOrder, "control 'Label1' (TLabel): TLabel takes no focus, so it has no TabOrder"},
        {missingPage, "control 'Pages' (TPageControl): 'Sheet9' is not a tab sheet of Pages"},
        {noName, "control '' (TEdit): a control needs a name"},
        {captionLines, "control 'CheckBox' (TCheckBox): 2 caption lines for 3 controls"},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        std::string message = "no exception";
        try {
            LoadLayout(&form, {.Name = "FaultyForm", .Controls = c.controls});
        } catch (const Exception& e) {
            message = e.Message();
        }
        EXPECT_NE(message.find(std::string("Layout 'FaultyForm', ") + c.expected), std::string::npos) << message;
    }
    // A fault of the form's own properties names the form.
    TForm form(nullptr);
    EXPECT_THROW(
        {
            try {
                LoadLayout(&form, {.Name = "FaultyForm", .Props = "Color=clPink"});
            } catch (const Exception& e) {
                EXPECT_NE(std::string(e.Message()).find("Layout 'FaultyForm', the form: 'clPink' is not a colour"),
                          std::string::npos)
                    << e.Message();
                throw;
            }
        },
        Exception);
}

TEST(Layout, RepeatedControlsAreNumberedAndStandInAGrid) {
    constexpr LayoutControl controls[] = {
        {.Class = "TEdit", .Name = "First", .TabOrder = 0},
        {.Class = "TCheckBox", .Name = "CheckBox", .Bounds = {20, 4, 40, 17}, .Caption = "{n}", .TabOrder = 1,
         .Tag = 64, .Repeat = {.Count = 5, .First = 65, .Columns = 3, .StepX = 50, .StepY = 20}},
        {.Class = "TEdit", .Name = "Last", .TabOrder = 2},
        {.Class = "TCheckBox", .Name = "State", .Bounds = {8, 100, 120, 17},
         .Caption = "lacpActivity\nlacpTimeout", .Repeat = {.Count = 2, .StepY = 20}},
    };
    TForm form(nullptr);
    LoadLayout(&form, {.Controls = controls});
    auto place = [&](const char* name) {
        auto* box = FindChild<TCheckBox>(&form, name);
        return std::to_string(box->Left()) + "," + std::to_string(box->Top()) + " " + box->Caption() + " " +
               std::to_string(box->Tag());
    };
    EXPECT_EQ(place("CheckBox65"), "20,4 1 64");
    EXPECT_EQ(place("CheckBox67"), "120,4 3 66");
    EXPECT_EQ(place("CheckBox68"), "20,24 4 67");
    EXPECT_EQ(place("CheckBox69"), "70,24 5 68");
    EXPECT_THROW(FindChild<TCheckBox>(&form, "CheckBox70"), Exception);
    EXPECT_EQ(FindChild<TCheckBox>(&form, "State2")->Caption(), "lacpTimeout");
    EXPECT_EQ(FindChild<TCheckBox>(&form, "State2")->Top(), 120);
    std::vector<std::string> chain = TabChain(form);
    EXPECT_EQ(std::vector<std::string>(chain.begin(), chain.begin() + 7),
              (std::vector<std::string>{"First", "CheckBox65", "CheckBox66", "CheckBox67", "CheckBox68", "CheckBox69",
                                        "Last"}));
}

TEST(Layout, ControlsLoadIntoAContainerAndRegisteredClassesAreBuilt) {
    // A part of a form (a frame built at run time) loads into an existing
    // control; a class the program registers is built by its name.
    class TLedPanel : public TPanel {
    public:
        using TPanel::TPanel;
    };
    RegisterLayoutClass<TLedPanel>("TLedPanel");
    constexpr LayoutControl part[] = {
        {.Class = "TLedPanel", .Name = "LedPanel1", .Bounds = {95, 8, 201, 7}},
        {.Class = "TShape", .Name = "Led1", .Parent = "LedPanel1", .Bounds = {0, 1, 7, 7},
         .Props = "Shape=stCircle; BrushColor=$0000FF00"},
    };
    TForm form(nullptr);
    auto* host = new TScrollBox(&form);
    host->SetName("Host");
    host->SetParent(&form);
    LoadControls(&form, host, part, "LedPart");
    auto* leds = FindChild<TLedPanel>(&form, "LedPanel1");
    EXPECT_EQ(leds->Parent(), host);
    auto* led = FindChild<TShape>(&form, "Led1");
    EXPECT_EQ(led->Parent(), leds);
    EXPECT_EQ(led->Shape(), stCircle);
    EXPECT_EQ(led->Brush()->Color(), clLime);
}
