#pragma once
// Common controls: the report-style list view, the status bar, page
// controls with tab sheets, and image lists.
//
// TListView events:
// - OnSelectItem(Sender, Item, Selected): for the row losing the selection
//   (Selected false) and then the row gaining it (true), whether the user or
//   the program changed it; not when rows are deleted.
// - OnChange(Sender, Item, Change): on every change of the list: a row added
//   or deleted (Item null after a deletion or Clear), a caption or sub-item
//   changed (ctText), the selection changed (ctState).
// - OnChanging: just before a caption, sub-item or selection change; the
//   AllowChange flag is not consulted.
// - OnClick: a click anywhere in the rows area, empty space included; a
//   click on empty space first clears the selection, as the platform's list
//   view does. OnDblClick, OnMouseMove: the same area; coordinates are the
//   list view's, as GetItemAt takes them.

#include "platform/Controls.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QTabWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class TListView;
class TPageControl;
class TStatusBar;

class TListColumn : public TObject {
public:
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The column's width in pixels. Set -2 to fit it to its caption (the
    // last column then takes the rest of the list's width), -1 to fit it to
    // its contents, 0 to hide it.
    int Width() const;
    void SetWidth(int width);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Set with width -2: the column fits its caption and its rows.
    bool FitsContents() const { return width_ == -2; }
    // The widest text (in pixels) that a fitting column makes room for; 0:
    // any. Its caption always fits; a longer cell shows cut, and whole in
    // its tooltip.
    int MaxTextWidth() const { return maxTextWidth_; }
    void SetMaxTextWidth(int pixels) { maxTextWidth_ = pixels; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    int Index() const;

private:
    friend class TListColumns;
    friend class TListView;
    explicit TListColumn(TListView* view) : view_(view) {}
    TListView* view_;
    std::string caption_;
    int width_ = 50;
    int fitted_ = 0;  // what a fitting column needs for its caption and rows
    int maxTextWidth_ = 0;
    bool autoSize_ = false;
    TAlignment alignment_ = taLeftJustify;
};

class TListColumns : public TObject {
public:
    TListColumn* Add();
    int Count() const { return static_cast<int>(columns_.size()); }
    TListColumn* Items(int index) const;
    TListColumn* operator[](int index) const { return Items(index); }
    void Delete(int index);
    void Clear();
    int IndexOf(const TListColumn* column) const;

private:
    friend class TListView;
    friend class TListColumn;
    explicit TListColumns(TListView* view) : view_(view) {}
    void Apply();
    TListView* view_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
};

class TListItem : public TObject {
public:
    ~TListItem() override;
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // The texts of columns 1, 2, ...
    TStrings* SubItems() const { return subItems_.get(); }
    int Index() const;
    bool Selected() const;
    void SetSelected(bool selected);
    void MakeVisible();
    void Delete();
    TListView* ListView() const { return view_; }
    void* Data = nullptr;

    // Used by the list: the row's widget item (in the tree, its texts set)
    // and its column texts.
    QTreeWidgetItem* Row() const;
    void ShowSubItems(int first = 0);

private:
    friend class TListItems;
    friend class TListView;
    explicit TListItem(TListView* view);
    // A row appended while painting is deferred waits outside the tree, and
    // its texts go into its widget item only as it joins: a list filling
    // fast converts each cell once, together with the other rows.
    void JoinTree();
    TListView* view_;
    QTreeWidgetItem* row_;
    std::unique_ptr<TStrings> subItems_;
    bool waiting_ = false;
    std::optional<std::string> waitingCaption_;  // set while waiting
};

class TListItems : public TObject {
public:
    TListItem* Add();
    TListItem* Insert(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const;
    TListItem* operator[](int index) const { return Item(index); }
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TListView;
    friend class TListItem;
    explicit TListItems(TListView* view) : view_(view) {}
    TListView* view_;
    std::vector<std::unique_ptr<TListItem>> items_;
    int updates_ = 0;
};

class TListView : public TWinControl {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;
    QTreeWidget* Widget() const;

    TListColumns* Columns() const { return columns_.get(); }
    TListItems* Items() const { return items_.get(); }
    // The selected row, or null.
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The row at a point of the list view, or null.
    TListItem* GetItemAt(int x, int y) const;
    // How wide a text shows in the list's font, in pixels.
    int TextWidth(const std::string& text) const;
    // How wide the list must be to show every column whole: what the
    // fitting columns need for their captions and rows, the others' widths,
    // the frame and a vertical scroll bar.
    int ColumnsWidth() const;
    void ClearSelection() { SetSelected(nullptr); }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style) { viewStyle_ = style; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool rowSelect) { rowSelect_ = rowSelect; }
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool gridLines);
    // Whether the selection is hidden while the list has no focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multi);

    TLVSelectItemEvent OnSelectItem;
    TLVChangeEvent OnChange;
    TLVChangingEvent OnChanging;
    // A fitting column grew to take a wider row (ColumnsWidth grew with it).
    TNotifyEvent OnColumnsFitted;

    // Used by its items and columns.
    void ItemChanged(TListItem* item, TItemChange change);
    void ItemChanging(TListItem* item, TItemChange change);
    TListItem* ItemOf(const QTreeWidgetItem* row) const;

protected:
    bool HandleEvent(QObject* watched, QEvent* event) override;

private:
    friend class TListItems;
    void SelectionChanged(const QList<QTreeWidgetItem*>& lost, const QList<QTreeWidgetItem*>& gained);
    // Rows added in quick succession are painted together, a few times a
    // second, instead of once each.
    void DeferPainting();
    void FitColumnsToContents();
    // A cell that its column cuts shows its whole text as its tooltip.
    bool ShowCellTip(QEvent* event);
    // Adds the rows appended while painting was deferred.
    void FlushPendingRows() const;
    mutable std::vector<TListItem*> pendingRows_;
    int fittedRows_ = 0;
    QTimer* paintTimer_;
    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
    TViewStyle viewStyle_ = vsIcon;
    bool readOnly_ = false;
    bool rowSelect_ = false;
    bool gridLines_ = false;
    bool hideSelection_ = true;
    bool multiSelect_ = false;
    int quiet_ = 0;  // > 0 while rows are being deleted: no selection events
};

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusPanel : public TObject {
public:
    std::string Text() const { return text_; }
    void SetText(const std::string& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel bevel);
    int Index() const;
    TStatusBar* StatusBar() const { return bar_; }

private:
    friend class TStatusPanels;
    explicit TStatusPanel(TStatusBar* bar) : bar_(bar) {}
    TStatusBar* bar_;
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelBevel bevel_ = pbLowered;
};

class TStatusPanels : public TObject {
public:
    TStatusPanel* Add();
    int Count() const { return static_cast<int>(panels_.size()); }
    TStatusPanel* Items(int index) const;
    TStatusPanel* operator[](int index) const { return Items(index); }
    void Delete(int index);
    void Clear();
    int IndexOf(const TStatusPanel* panel) const;

private:
    friend class TStatusBar;
    explicit TStatusPanels(TStatusBar* bar) : bar_(bar) {}
    TStatusBar* bar_;
    std::vector<std::unique_ptr<TStatusPanel>> panels_;
};

// Panels side by side, the last one reaching to the right edge; or, with
// SimplePanel, one simple text across the bar.
class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    TStatusPanels* Panels() const { return panels_.get(); }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    std::string SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    // Used by the panels.
    void PanelsChanged();

private:
    std::unique_ptr<TStatusPanels> panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
};

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TPageControl* PageControl() const;
    void SetPageControl(TPageControl* control);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    int PageIndex() const;
    void SetPageIndex(int index);

protected:
    void ApplyBounds() override {}
    void ApplyVisible() override {}

private:
    std::string caption_;
    bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    QTabWidget* Widget() const;

    int PageCount() const;
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // The user chose another tab (not the program).
    TNotifyEvent OnChange;

    // Used by the tab sheets.
    void SheetChanged(TTabSheet* sheet);
    void MoveSheet(TTabSheet* sheet, int index);

protected:
    void AttachChildWidget(TControl* child) override;
    void DetachChildWidget(TControl* child) override;
    bool MouseClicks() const override { return false; }

private:
    int programChange_ = 0;
};

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    int Height() const { return height_; }
    void SetHeight(int height) { height_ = height; }
    int Count() const { return static_cast<int>(images_.size()); }
    // Adds the bitmap, cut into Width-wide pictures when it is wider; returns
    // the index of the first. The mask is not used: the pictures keep their
    // own transparency.
    int Add(TBitmap* image, TBitmap* mask = nullptr);
    int Add(const QImage& image);
    // Copies picture index into the bitmap.
    void GetBitmap(int index, TBitmap* image) const;
    const QImage& Image(int index) const;
    void Delete(int index);
    void Clear() { images_.clear(); }

private:
    int width_ = 16;
    int height_ = 16;
    std::vector<QImage> images_;
};
