// A dialog laid out the way the editors are, pictured for a look at the
// whole: fonts, 21-pixel edits and combo boxes, list view, bars.

#include "platform/Vcl.h"
#include "platform/testing/FormTesting.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>

TEST(Look, EditorLikeDialogRendersWithoutClippedText) {
    TForm form(nullptr);
    form.SetCaption("Protocol VLAN : 127.0.0.1");
    form.SetClientWidth(560);
    form.SetClientHeight(380);
    auto* menu = new TMainMenu(&form);
    for (const char* caption : {"Basic Configuration", "RMON", "Help"}) {
        auto* item = new TMenuItem(&form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
        auto* sub = new TMenuItem(&form);
        sub->SetCaption("Unit Table");
        item->Add(sub);
    }
    auto* status = new TStatusBar(&form);
    status->SetParent(&form);
    status->Panels()->Add()->SetWidth(50);
    status->Panels()->Items(0)->SetText("Get: (VxSNMP++) Ok! Request:Protocol VLAN. Receive at 09:41:07 AM.");

    auto* buttons = new TPanel(&form);
    buttons->SetParent(&form);
    buttons->SetWidth(116);
    buttons->SetAlign(alRight);
    int top = 10;
    for (const char* caption : {"Refresh", "Edit", "Set Checked", "Add", "Delete", "Close"}) {
        auto* b = new TBitBtn(&form);
        b->SetParent(buttons);
        b->SetCaption(caption);
        b->SetBounds(10, top, 96, 25);
        top += 30;
    }
    auto* splitter = new TSplitter(&form);
    splitter->SetParent(&form);
    splitter->SetAlign(alRight);

    auto* client = new TPanel(&form);
    client->SetParent(&form);
    client->SetBevelOuter(bvNone);
    client->SetAlign(alClient);
    auto* memo = new TMemo(&form);
    memo->SetParent(client);
    memo->SetHeight(50);
    memo->SetAlign(alBottom);
    memo->SetReadOnly(true);
    memo->Lines()->Add("Set: (VxSNMP++) Ok! Request:Protocol VLAN. Receive at 09:41:09 AM.");

    auto* list = new TListView(&form);
    list->SetParent(client);
    list->SetHeight(140);
    list->SetAlign(alTop);
    list->SetViewStyle(vsReport);
    list->SetRowSelect(true);
    list->SetGridLines(true);
    list->SetHideSelection(false);
    for (const char* caption : {"Index", "Name", "Protocol Type", "Row Status"}) {
        TListColumn* c = list->Columns()->Add();
        c->SetCaption(caption);
        c->SetWidth(-2);
    }
    for (int i = 1; i <= 4; ++i) {
        TListItem* row = list->Items()->Add();
        row->SetCaption(std::to_string(i));
        row->SubItems()->Add("vlan" + std::to_string(i));
        row->SubItems()->Add("ethernet-II");
        row->SubItems()->Add("active");
    }
    list->SetItemIndex(1);

    auto* entry = new TGroupBox(&form);
    entry->SetParent(client);
    entry->SetCaption("Entry");
    entry->SetAlign(alClient);
    int y = 20;
    for (const char* caption : {"Index", "Protocol Type", "Encap Type"}) {
        auto* label = new TLabel(&form);
        label->SetParent(entry);
        label->SetCaption(caption);
        label->SetLeft(12);
        label->SetTop(y + 4);
        y += 26;
    }
    auto* index = new TEdit(&form);
    index->SetParent(entry);
    index->SetBounds(110, 20, 121, 21);
    index->SetText("4094");
    auto* type = new TComboBox(&form);
    type->SetParent(entry);
    type->SetStyle(csDropDownList);
    type->Items()->Add("ethernet-II");
    type->SetItemIndex(0);
    type->SetBounds(110, 46, 121, 21);
    auto* readOnly = new TEdit(&form);
    readOnly->SetParent(entry);
    readOnly->SetBounds(110, 72, 121, 21);
    readOnly->SetReadOnly(true);
    readOnly->SetColor(clBtnFace);
    readOnly->SetText("(NOTDONE)");
    auto* check = new TCheckBox(&form);
    check->SetParent(entry);
    check->SetCaption("Mirroring Status");
    check->SetBounds(250, 20, 120, 17);
    check->SetChecked(true);
    auto* count = new TStaticText(&form);
    count->SetParent(entry);
    count->SetAutoSize(false);
    count->SetBorderStyle(sbsSunken);
    count->SetAlignment(taCenter);
    count->SetBounds(250, 46, 96, 17);
    count->SetCaption("4");
    auto* led = new TShape(&form);
    led->SetParent(entry);
    led->SetBounds(250, 72, 7, 7);
    led->Brush()->SetColor(0x00FF00);
    led->Pen()->SetColor(0x00FF00);

    form.Show();
    // An edit 21 pixels high has room for a line of its font.
    EXPECT_LE(QFontMetrics(index->Widget()->font()).height(), 21 - 4);
    EXPECT_EQ(type->Height(), 21);
    EXPECT_GT(entry->Controls(0)->Width(), 0);  // auto-sized labels keep their text's size
    std::string path = SaveScreenshot(&form, "platform_look.png");
    ASSERT_FALSE(path.empty());
    QImage picture(QString::fromStdString(path));
    EXPECT_EQ(picture.width(), form.ClientWidth());
}
