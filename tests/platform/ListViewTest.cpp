// The report list view: selection events with their flag, change events as
// rows come and go, clicks on rows and on empty space, columns.

#include "platform/Vcl.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>

namespace {

class ListView : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 420, 320);
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(0, 0, 400, 280);
        list->SetViewStyle(vsReport);
        list->SetRowSelect(true);
        for (const char* caption : {"Index", "Name", "State"}) {
            TListColumn* c = list->Columns()->Add();
            c->SetCaption(caption);
            c->SetWidth(-2);
        }
        list->OnSelectItem = TLVSelectItemEvent::Func([this](TObject*, TListItem* item, bool selected) {
            selections.push_back(std::to_string(item->Index()) + (selected ? "+" : "-"));
        });
    }
    void TearDown() override { delete form; }
    TListItem* AddRow(const std::string& caption, const std::string& name) {
        TListItem* item = list->Items()->Add();
        item->SetCaption(caption);
        item->SubItems()->Add(name);
        item->SubItems()->Add("active");
        return item;
    }
    // A point in the middle of a row, in the list view's coordinates.
    QPoint RowPoint(int row) {
        QTreeWidget* tree = list->Widget();
        QRect r = tree->visualItemRect(tree->topLevelItem(row));
        return tree->viewport()->mapTo(tree, r.center());
    }
    TForm* form = nullptr;
    TListView* list = nullptr;
    std::vector<std::string> selections;
};

}  // namespace

TEST_F(ListView, SelectEventsForTheRowLosingAndTheRowGaining) {
    TListItem* a = AddRow("1", "one");
    TListItem* b = AddRow("2", "two");
    list->SetSelected(a);
    list->SetSelected(b);
    EXPECT_EQ(list->Selected(), b);
    EXPECT_EQ(list->ItemIndex(), 1);
    a->SetSelected(true);
    list->SetSelected(nullptr);
    EXPECT_EQ(selections, (std::vector<std::string>{"0+", "0-", "1+", "1-", "0+", "0-"}));

    selections.clear();
    list->SetSelected(a);
    list->Items()->Clear();  // deleted rows are not reported
    EXPECT_EQ(selections, (std::vector<std::string>{"0+"}));
    EXPECT_EQ(list->Selected(), nullptr);
}

TEST_F(ListView, UserClicksSelectRowsAndEmptySpaceClearsTheSelection) {
    AddRow("1", "one");
    AddRow("2", "two");
    int clicks = 0;
    list->OnClick = TNotifyEvent::Func([&](TObject*) { ++clicks; });
    form->Show();
    QWidget* viewport = list->Widget()->viewport();
    auto click = [&](QPoint inList) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(list->Widget(), inList));
    };
    click(RowPoint(1));
    EXPECT_EQ(list->ItemIndex(), 1);
    click(RowPoint(0));
    click(QPoint(100, 250));  // below the rows
    EXPECT_EQ(list->Selected(), nullptr);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(selections, (std::vector<std::string>{"1+", "1-", "0+", "0-"}));
    EXPECT_EQ(list->GetItemAt(RowPoint(1).x(), RowPoint(1).y()), list->Items()->Item(1));
    EXPECT_EQ(list->GetItemAt(100, 250), nullptr);
}

TEST_F(ListView, ChangeFollowsEveryRowOfAWalkPumpedRowByRow) {
    int shownCount = -1, changes = 0;
    list->OnChange = TLVChangeEvent::Func([&](TObject*, TListItem*, TItemChange) {
        ++changes;
        shownCount = list->Items()->Count();
    });
    form->Show();
    for (int i = 0; i < 1000; ++i) {
        AddRow(std::to_string(i + 1), "row");
        Application->ProcessMessages();
    }
    EXPECT_EQ(shownCount, 1000);
    EXPECT_EQ(list->Items()->Item(999)->SubItems()->Get(0), "row");
    EXPECT_EQ(list->Widget()->topLevelItem(999)->text(2), "active");
    int before = changes;
    list->Items()->Delete(0);
    EXPECT_EQ(shownCount, 999);
    list->Items()->Clear();
    EXPECT_EQ(shownCount, 0);
    EXPECT_GT(changes, before);
}

TEST_F(ListView, ColumnsFitTheirCaptionOrHide) {
    TListColumn* index = list->Columns()->Items(0);
    TListColumn* name = list->Columns()->Items(1);
    EXPECT_GT(index->Width(), 0);
    name->SetCaption("A much longer column caption");
    name->SetWidth(-2);
    EXPECT_GT(name->Width(), index->Width());
    index->SetWidth(0);
    EXPECT_EQ(index->Width(), 0);
    TListItem* row = AddRow("1", "one");
    EXPECT_EQ(list->Widget()->topLevelItem(0)->text(1), "one");
    row->SubItems()->Put(0, "uno");
    EXPECT_EQ(list->Widget()->topLevelItem(0)->text(1), "uno");
    list->Columns()->Clear();
    EXPECT_EQ(list->Columns()->Count(), 0);
    EXPECT_EQ(row->Caption(), "1");
}

TEST_F(ListView, SubItemEditsShowInTheirColumnsAndFittingColumnsGrowToTheirWidestCell) {
    list->Columns()->Add()->SetCaption("Extra");
    TListItem* row = AddRow("1", "one");
    QTreeWidgetItem* cells = list->Widget()->topLevelItem(0);
    auto shown = [&] {
        std::vector<std::string> texts;
        for (int c = 1; c < cells->columnCount(); ++c) texts.push_back(cells->text(c).toStdString());
        while (!texts.empty() && texts.back().empty()) texts.pop_back();
        return texts;
    };
    using Texts = std::vector<std::string>;
    row->SubItems()->Insert(0, "first");
    EXPECT_EQ(shown(), (Texts{"first", "one", "active"}));
    row->SubItems()->Put(1, "uno");
    EXPECT_EQ(shown(), (Texts{"first", "uno", "active"}));
    row->SubItems()->Delete(0);
    EXPECT_EQ(shown(), (Texts{"uno", "active"}));
    row->SubItems()->Clear();
    EXPECT_EQ(shown(), Texts{});

    // A long name, Latin-1 and beyond: the column fits it once the list paints.
    form->Show();
    const std::string wide = "Port description \xC3\xA9t\xC3\xA9 \xE0\xA4\x95\xE0\xA4\xBF WWWWWWWWWWWW";
    AddRow("2", wide);
    const int before = list->Columns()->Items(1)->Width();
    QTest::qWait(300);
    const QFontMetrics metrics(list->Widget()->font());
    EXPECT_GT(list->Columns()->Items(1)->Width(), before);
    EXPECT_GE(list->Columns()->Items(1)->Width(), metrics.horizontalAdvance(QString::fromStdString(wide)));
}

// A dialog reads its table before it shows: the columns fit those rows as
// soon as the list shows, not only after the next read.
TEST_F(ListView, RowsTakenInWhileHiddenFitTheirColumnsWhenTheListShows) {
    const std::string wide = "FFFFFFFFFFFFFFFF0000000000000000";
    AddRow("1", wide);
    form->Show();
    QTest::qWait(50);
    const QFontMetrics metrics(list->Widget()->font());
    EXPECT_GE(list->Columns()->Items(1)->Width(), metrics.horizontalAdvance(QString::fromStdString(wide)));
}

TEST_F(ListView, RowsWaitingToBePaintedReadBackWhatWasSetAndShowItOnceTheyJoin) {
    form->Show();
    TListItem* first = AddRow("1", "one");  // painting is deferred from here on
    TListItem* second = AddRow("2", "caf\xE9");  // Latin-1, not UTF-8
    second->SetCaption("20");
    second->SubItems()->Put(1, "idle");
    EXPECT_EQ(first->Caption(), "1");
    EXPECT_EQ(second->Caption(), "20");
    EXPECT_EQ(second->SubItems()->Get(0), "caf\xE9");
    EXPECT_EQ(second->SubItems()->Get(1), "idle");

    // Reaching the widget's rows lets the waiting ones join with their texts.
    QTreeWidgetItem* cells = second->Row();
    ASSERT_EQ(list->Widget()->topLevelItemCount(), 2);
    EXPECT_EQ(list->Widget()->topLevelItem(1), cells);
    EXPECT_EQ(cells->text(0), "20");
    EXPECT_EQ(cells->text(1), QString::fromLatin1("caf\xE9"));
    EXPECT_EQ(cells->text(2), "idle");
    EXPECT_EQ(second->Caption(), "20");
    EXPECT_EQ(second->SubItems()->Get(0), "caf\xE9");
    second->SubItems()->Put(0, "two");  // a row in the list shows a change at once
    EXPECT_EQ(cells->text(1), "two");
}
