#include "platform/ComCtrls.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>

#include <algorithm>
#include <array>

namespace {

QString Q(const std::string& s) { return ShownText(s); }

Qt::Alignment HorizontalOf(TAlignment a) {
    return a == taRightJustify ? Qt::AlignRight : a == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
}

// Text widths as the sums of their characters' advances, each measured once
// per fit: a list filling fast would otherwise shape every cell's text anew.
// Kerning narrows a text at most, so the sum never cuts a cell short. Text
// beyond the Latin scripts, where characters join or combine, is measured
// whole.
class TextWidths {
public:
    explicit TextWidths(const QFont& font) : metrics_(font) { advances_.fill(-1); }

    int Of(const QString& text) {
        int width = 0;
        for (const QChar c : text) {
            const char16_t code = c.unicode();
            if (code >= advances_.size()) return metrics_.horizontalAdvance(text);
            int& advance = advances_[code];
            if (advance < 0) advance = metrics_.horizontalAdvance(c);
            width += advance;
        }
        return width;
    }

private:
    QFontMetrics metrics_;
    std::array<int, 0x300> advances_;
};

template <class T>
int IndexIn(const std::vector<std::unique_ptr<T>>& list, const T* item) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == item) return static_cast<int>(i);
    return -1;
}

// The texts of a row's further columns.
class SubItemStrings : public TStrings {
public:
    SubItemStrings(TListView* view, TListItem* item) : view_(view), item_(item) {}
    int Count() const override { return static_cast<int>(texts_.size()); }
    std::string Get(int index) const override {
        CheckIndex(index, Count());
        return texts_[static_cast<size_t>(index)];
    }
    void Put(int index, const std::string& text) override {
        CheckIndex(index, Count());
        view_->ItemChanging(item_, ctText);
        texts_[static_cast<size_t>(index)] = text;
        Changed(index);
    }
    void Insert(int index, const std::string& text) override {
        CheckIndex(index, Count() + 1);
        view_->ItemChanging(item_, ctText);
        texts_.insert(texts_.begin() + index, text);
        Changed(index);
    }
    void Delete(int index) override {
        CheckIndex(index, Count());
        view_->ItemChanging(item_, ctText);
        texts_.erase(texts_.begin() + index);
        Changed(index);
    }
    void SetCapacity(int count) override { texts_.reserve(static_cast<size_t>(std::max(count, 0))); }
    void Clear() override {
        if (texts_.empty()) return;
        view_->ItemChanging(item_, ctText);
        texts_.clear();
        Changed(0);
    }

private:
    // The columns from sub-item `first` on show the texts anew (a row
    // filled column by column sets each cell once).
    void Changed(int first) {
        item_->ShowSubItems(first);
        view_->ItemChanged(item_, ctText);
    }
    TListView* view_;
    TListItem* item_;
    std::vector<std::string> texts_;
};

// Draws the cells, with grid lines when the list asks for them.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool Lines = false;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(p, option, index);
        if (!Lines) return;
        p->save();
        p->setPen(option.palette.color(QPalette::Midlight));
        const QRect& r = option.rect;
        p->drawLine(r.right(), r.top(), r.right(), r.bottom());
        p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p->restore();
    }
};

// A row's widget item knows its list item.
class OwnedRow : public QTreeWidgetItem {
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 1;
    explicit OwnedRow(TListItem* owner) : QTreeWidgetItem(Type), Owner(owner) {}
    static OwnedRow* Of(QTreeWidgetItem* row) { return static_cast<OwnedRow*>(row); }
    TListItem* Owner;
};

// The row at a height of the viewport, over the columns' width; -1 for none.
int RowAt(const QTreeWidget* tree, QPoint at) {
    const QHeaderView* header = tree->header();
    int right = header->length() - header->offset();
    if (at.x() < 0 || at.x() >= right) return -1;
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c) || header->sectionSize(c) == 0) continue;
        QModelIndex index = tree->indexAt(QPoint(header->sectionViewportPosition(c) + 1, at.y()));
        return index.isValid() ? index.row() : -1;
    }
    return -1;
}

}  // namespace

// ---------------------------------------------------------------------------
// TListColumn, TListColumns

void TListColumn::SetCaption(const std::string& caption) {
    caption_ = caption;
    view_->Columns()->Apply();
}

int TListColumn::Width() const {
    int index = Index();
    QHeaderView* header = view_->Widget()->header();
    if (index < 0 || header->isSectionHidden(index)) return 0;
    return header->sectionSize(index);
}

void TListColumn::SetWidth(int width) {
    width_ = width;
    view_->Columns()->Apply();
}

void TListColumn::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    view_->Columns()->Apply();
}

void TListColumn::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    view_->Columns()->Apply();
}

int TListColumn::Index() const { return view_->Columns()->IndexOf(this); }

TListColumn* TListColumns::Add() {
    columns_.push_back(std::unique_ptr<TListColumn>(new TListColumn(view_)));
    Apply();
    return columns_.back().get();
}

TListColumn* TListColumns::Items(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    return columns_[static_cast<size_t>(index)].get();
}

void TListColumns::Delete(int index) {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    columns_.erase(columns_.begin() + index);
    Apply();
}

void TListColumns::Clear() {
    columns_.clear();
    Apply();
}

int TListColumns::IndexOf(const TListColumn* column) const { return IndexIn(columns_, column); }

void TListColumns::Apply() {
    QTreeWidget* tree = view_->Widget();
    QHeaderView* header = tree->header();
    tree->setColumnCount(Count());
    QFontMetrics fm(header->font());
    bool stretchLast = false;
    for (int i = 0; i < Count(); ++i) {
        const TListColumn& c = *columns_[static_cast<size_t>(i)];
        tree->headerItem()->setText(i, Q(c.caption_));
        tree->headerItem()->setTextAlignment(i, HorizontalOf(c.alignment_) | Qt::AlignVCenter);
        header->setSectionHidden(i, c.width_ == 0);
        header->setSectionResizeMode(i, c.autoSize_ ? QHeaderView::Stretch : QHeaderView::Interactive);
        if (c.width_ == -2) {
            columns_[static_cast<size_t>(i)]->fitted_ = fm.horizontalAdvance(Q(c.caption_)) + 16;
            header->resizeSection(i, columns_[static_cast<size_t>(i)]->fitted_);
            stretchLast = i == Count() - 1;
        } else if (c.width_ == -1) {
            tree->resizeColumnToContents(i);
        } else if (c.width_ > 0) {
            header->resizeSection(i, c.width_);
        }
    }
    header->setStretchLastSection(stretchLast);
}

// ---------------------------------------------------------------------------
// TListItem, TListItems

TListItem::TListItem(TListView* view)
    : view_(view), row_(new OwnedRow(this)), subItems_(std::make_unique<SubItemStrings>(view, this)) {}

TListItem::~TListItem() { delete row_; }

QTreeWidgetItem* TListItem::Row() const {
    if (waiting_) view_->Widget();  // which lets the waiting rows join
    return row_;
}

std::string TListItem::Caption() const {
    if (waiting_) return waitingCaption_.value_or(std::string());
    return row_ ? BytesOf(row_->text(0), row_->data(0, Qt::UserRole)) : std::string();
}

void TListItem::SetCaption(const std::string& caption) {
    view_->ItemChanging(this, ctText);
    if (waiting_) {
        waitingCaption_ = caption;
    } else {
        row_->setText(0, Q(caption));
        row_->setData(0, Qt::UserRole, KeptBytes(caption));
    }
    view_->ItemChanged(this, ctText);
}

void TListItem::JoinTree() {
    waiting_ = false;
    if (waitingCaption_) {
        row_->setText(0, Q(*waitingCaption_));
        row_->setData(0, Qt::UserRole, KeptBytes(*waitingCaption_));
        waitingCaption_.reset();
    }
    ShowSubItems();
}

void TListItem::ShowSubItems(int first) {
    if (waiting_) return;  // shown as the row joins the tree
    int columns = std::max(row_->columnCount(), SubItems()->Count() + 1);
    TListColumns* heads = view_->Columns();
    for (int c = first + 1; c < columns; ++c) {
        row_->setText(c, c - 1 < SubItems()->Count() ? Q(SubItems()->Get(c - 1)) : QString());
        // A column's cells follow its alignment; the first column is always left-aligned.
        const TAlignment a = c < heads->Count() ? heads->Items(c)->Alignment() : taLeftJustify;
        if (a != taLeftJustify) row_->setTextAlignment(c, HorizontalOf(a) | Qt::AlignVCenter);
    }
}

int TListItem::Index() const { return view_->Items()->IndexOf(this); }

bool TListItem::Selected() const { return row_->isSelected(); }

void TListItem::SetSelected(bool selected) {
    QTreeWidget* tree = view_->Widget();
    QModelIndex index = tree->model()->index(tree->indexOfTopLevelItem(row_), 0);
    if (!selected) {
        tree->selectionModel()->select(index, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    } else if (view_->MultiSelect()) {
        tree->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    } else {
        view_->SetSelected(this);
    }
}

void TListItem::MakeVisible() { view_->Widget()->scrollToItem(row_); }

void TListItem::Delete() { view_->Items()->Delete(Index()); }

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
    if (index < 0 || index > Count()) ThrowListIndexError(index);
    auto* item = new TListItem(view_);
    items_.insert(items_.begin() + index, std::unique_ptr<TListItem>(item));
    view_->DeferPainting();
    if (view_->paintTimer_->isActive() && index == Count() - 1) {
        // Rows appended while painting is deferred join the tree together:
        // each insert on its own would make the tree lay out all its rows.
        item->waiting_ = true;
        view_->pendingRows_.push_back(item);
    } else {
        view_->Widget()->insertTopLevelItem(index, item->row_);
    }
    view_->ItemChanged(item, ctText);
    return item;
}

TListItem* TListItems::Item(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    return items_[static_cast<size_t>(index)].get();
}

int TListItems::IndexOf(const TListItem* item) const { return IndexIn(items_, item); }

void TListItems::Delete(int index) {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    view_->FlushPendingRows();  // a row still waiting goes with its item
    ++view_->quiet_;
    items_.erase(items_.begin() + index);
    --view_->quiet_;
    view_->ItemChanged(nullptr, ctText);
}

void TListItems::Clear() {
    ++view_->quiet_;
    view_->FlushPendingRows();
    // The rows go at once; the list items then have none.
    for (auto& item : items_) {
        OwnedRow::Of(item->row_)->Owner = nullptr;
        item->row_ = nullptr;
    }
    view_->Widget()->clear();
    view_->fittedRows_ = 0;
    items_.clear();
    --view_->quiet_;
    view_->ItemChanged(nullptr, ctText);
}

void TListItems::BeginUpdate() {
    if (updates_++ == 0) view_->Widget()->setUpdatesEnabled(false);
}

void TListItems::EndUpdate() {
    if (updates_ == 0 || --updates_ > 0) return;
    view_->Widget()->setUpdatesEnabled(true);
    view_->ItemChanged(nullptr, ctText);
}

// ---------------------------------------------------------------------------
// TListView

TListView::TListView(TComponent* owner)
    : TWinControl(owner, new QTreeWidget),
      paintTimer_(new QTimer(widget_)),
      columns_(new TListColumns(this)),
      items_(new TListItems(this)) {
    color_ = clWindow;
    QTreeWidget* tree = Widget();
    tree->setColumnCount(0);
    tree->setRootIsDecorated(false);
    tree->setItemsExpandable(false);
    tree->setUniformRowHeights(true);
    tree->setAllColumnsShowFocus(true);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setItemDelegate(new GridDelegate(tree));
    tree->header()->setSectionsMovable(false);
    tree->header()->setStretchLastSection(false);
    tree->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tree->viewport()->setMouseTracking(true);
    Watch(tree->viewport());
    paintTimer_->setSingleShot(true);
    paintTimer_->setInterval(100);
    QObject::connect(paintTimer_, &QTimer::timeout, Context(), [this] {
        FlushPendingRows();
        if (!items_->updates_) widget_->setUpdatesEnabled(true);
        FitColumnsToContents();
    });
    SetHideSelection(true);
    InitBounds(250, 150);
    QObject::connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, Context(),
                     [this](const QItemSelection& selected, const QItemSelection& deselected) {
                         if (quiet_) return;
                         auto rowsOf = [this](const QItemSelection& s) {
                             QList<QTreeWidgetItem*> rows;
                             for (const QItemSelectionRange& range : s)
                                 for (int r = range.top(); r <= range.bottom(); ++r)
                                     if (QTreeWidgetItem* row = Widget()->topLevelItem(r)) rows.append(row);
                             return rows;
                         };
                         SelectionChanged(rowsOf(deselected), rowsOf(selected));
                     });
}

TListView::~TListView() {
    // A list view being destroyed tells nobody about its rows going.
    DetachWidget();
    OnSelectItem.clear();
    OnChange.clear();
    OnChanging.clear();
    OnColumnsFitted.clear();
    items_->Clear();
}

QTreeWidget* TListView::Widget() const {
    FlushPendingRows();
    return static_cast<QTreeWidget*>(widget_);
}

void TListView::FlushPendingRows() const {
    if (pendingRows_.empty()) return;
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(pendingRows_.size()));
    for (TListItem* item : pendingRows_) {
        item->JoinTree();  // its texts go in before the tree knows the row
        rows.append(item->row_);
    }
    pendingRows_.clear();
    static_cast<QTreeWidget*>(widget_)->addTopLevelItems(rows);
}

void TListView::FitColumnsToContents() {
    // A column set to fit (-2) fits the larger of its caption and its rows,
    // as the platform's list view does; it only ever grows, so a width the
    // user dragged wider stays. Only rows added since the last fit are
    // measured.
    QTreeWidget* tree = Widget();
    QHeaderView* header = tree->header();
    TextWidths widths(tree->font());
    const int rows = tree->topLevelItemCount();
    if (fittedRows_ > rows) fittedRows_ = 0;
    bool grew = false;
    for (int i = 0; i < columns_->Count(); ++i) {
        TListColumn& column = *columns_->Items(i);
        if (!column.FitsContents()) continue;
        int text = 0;
        for (int r = fittedRows_; r < rows; ++r) text = std::max(text, widths.Of(tree->topLevelItem(r)->text(i)));
        if (column.MaxTextWidth() > 0) text = std::min(text, column.MaxTextWidth());
        const int wanted = std::max(header->sectionSizeHint(i), text + 12);
        if (wanted > header->sectionSize(i)) header->resizeSection(i, wanted);
        // A stretched last column may be wider than it needs: what it needs
        // is kept apart.
        if (wanted > column.fitted_) {
            column.fitted_ = wanted;
            grew = true;
        }
    }
    fittedRows_ = rows;
    if (grew) Fire(OnColumnsFitted, this);
}

int TListView::ColumnsWidth() const {
    const QTreeWidget* tree = Widget();
    const QHeaderView* header = tree->header();
    int width = 2 * tree->frameWidth() + tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree);
    for (int i = 0; i < columns_->Count() && i < header->count(); ++i) {
        if (header->isSectionHidden(i)) continue;
        const TListColumn& column = *columns_->Items(i);
        width += column.FitsContents() ? column.fitted_ : header->sectionSize(i);
    }
    return width;
}

void TListView::DeferPainting() {
    if (paintTimer_->isActive() || !widget_->isVisible()) return;
    widget_->setUpdatesEnabled(false);
    paintTimer_->start();
}

TListItem* TListView::ItemOf(const QTreeWidgetItem* row) const {
    return row && row->type() == OwnedRow::Type ? static_cast<const OwnedRow*>(row)->Owner : nullptr;
}

TListItem* TListView::Selected() const {
    QModelIndexList rows = Widget()->selectionModel()->selectedRows();
    if (rows.isEmpty()) return nullptr;
    int first = rows.first().row();
    for (const QModelIndex& i : rows) first = std::min(first, i.row());
    return ItemOf(Widget()->topLevelItem(first));
}

void TListView::SetSelected(TListItem* item) {
    QTreeWidget* tree = Widget();
    if (!item) {
        tree->selectionModel()->clearSelection();
        return;
    }
    QModelIndex index = tree->model()->index(tree->indexOfTopLevelItem(item->Row()), 0);
    tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int TListView::ItemIndex() const {
    TListItem* item = Selected();
    return item ? item->Index() : -1;
}

void TListView::SetItemIndex(int index) {
    SetSelected(index >= 0 && index < items_->Count() ? items_->Item(index) : nullptr);
}

int TListView::TextWidth(const std::string& text) const {
    return QFontMetrics(Widget()->font()).horizontalAdvance(Q(text));
}

TListItem* TListView::GetItemAt(int x, int y) const {
    QPoint at = Widget()->viewport()->mapFrom(widget_, QPoint(x, y));
    int row = RowAt(Widget(), at);
    return row < 0 ? nullptr : ItemOf(Widget()->topLevelItem(row));
}

void TListView::SetGridLines(bool gridLines) {
    gridLines_ = gridLines;
    static_cast<GridDelegate*>(Widget()->itemDelegate())->Lines = gridLines;
    Widget()->viewport()->update();
}

void TListView::SetHideSelection(bool hide) {
    hideSelection_ = hide;
    QPalette p = Widget()->palette();
    QPalette app = QApplication::palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               hide ? app.color(QPalette::Inactive, QPalette::Base) : app.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               hide ? app.color(QPalette::Inactive, QPalette::Text)
                    : app.color(QPalette::Active, QPalette::HighlightedText));
    Widget()->setPalette(p);
}

void TListView::SetMultiSelect(bool multi) {
    multiSelect_ = multi;
    Widget()->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TListView::ItemChanged(TListItem* item, TItemChange change) {
    if (items_->updates_) return;
    Fire(OnChange, this, item, change);
}

void TListView::ItemChanging(TListItem* item, TItemChange change) {
    if (items_->updates_ || !OnChanging) return;
    bool allow = true;
    Fire(OnChanging, this, item, change, allow);
}

void TListView::SelectionChanged(const QList<QTreeWidgetItem*>& lost, const QList<QTreeWidgetItem*>& gained) {
    // A handler may delete rows; only rows still there are reported.
    auto report = [this](const QList<QTreeWidgetItem*>& rows, bool selected) {
        std::vector<TListItem*> items;
        for (QTreeWidgetItem* row : rows)
            if (TListItem* item = ItemOf(row)) items.push_back(item);
        for (TListItem* item : items) {
            if (items_->IndexOf(item) < 0) continue;
            ItemChanging(item, ctState);
            Fire(OnSelectItem, this, item, selected);
            if (items_->IndexOf(item) < 0) continue;
            ItemChanged(item, ctState);
        }
    };
    report(lost, false);
    report(gained, true);
}

bool TListView::HandleEvent(QObject* watched, QEvent* event) {
    // Rows taken in while the list was hidden (a dialog's first read runs
    // before the dialog shows) had no paint to fit their columns: fit them now.
    if (watched == widget_ && event->type() == QEvent::Show) FitColumnsToContents();
    if (watched == Widget()->viewport() && event->type() == QEvent::ToolTip && ShowCellTip(event)) return true;
    if (watched == Widget()->viewport() && event->type() == QEvent::MouseButtonPress) {
        // A click on empty space clears the selection.
        auto* e = static_cast<QMouseEvent*>(event);
        if (RowAt(Widget(), e->position().toPoint()) < 0) SetSelected(nullptr);
    }
    return TWinControl::HandleEvent(watched, event);
}


bool TListView::ShowCellTip(QEvent* event) {
    auto* help = static_cast<QHelpEvent*>(event);
    QTreeWidget* tree = Widget();
    const QModelIndex index = tree->indexAt(help->pos());
    const QString text = index.isValid() ? index.data().toString() : QString();
    const QRect cell = tree->visualRect(index);
    // The cell's room less the margins its text is drawn within.
    if (text.isEmpty() || TextWidths(tree->font()).Of(text) + 8 <= cell.width()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(help->globalPos(), WholeTextTip(text), tree->viewport(), cell);
    return true;
}

// ---------------------------------------------------------------------------
// TStatusPanel, TStatusPanels, TStatusBar

class StatusBarWidget : public QWidget {
public:
    struct Panel {
        QString Text;
        int Width;
        Qt::Alignment Align;
        TStatusPanelBevel Bevel;
    };
    std::vector<Panel> Panels;
    bool Simple = false;
    QString SimpleText;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QColor dark = palette().color(QPalette::Dark), light = palette().color(QPalette::Light);
        p.setPen(palette().color(QPalette::WindowText));
        if (Simple) {
            p.drawText(rect().adjusted(4, 2, -4, 0), int(Qt::AlignLeft | Qt::AlignVCenter), SimpleText);
            return;
        }
        int x = 0;
        for (size_t i = 0; i < Panels.size(); ++i) {
            const Panel& panel = Panels[i];
            // The last panel reaches to the right edge.
            int w = i + 1 == Panels.size() ? std::max(0, width() - x) : panel.Width;
            QRect r(x, 2, std::max(0, w - 2), height() - 2);
            if (panel.Bevel != pbNone && r.width() > 1) {
                QColor tl = panel.Bevel == pbLowered ? dark : light, br = panel.Bevel == pbLowered ? light : dark;
                p.setPen(tl);
                p.drawLine(r.left(), r.top(), r.right(), r.top());
                p.drawLine(r.left(), r.top(), r.left(), r.bottom());
                p.setPen(br);
                p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
                p.drawLine(r.right(), r.top(), r.right(), r.bottom());
            }
            p.setPen(palette().color(QPalette::WindowText));
            p.save();
            p.setClipRect(r.adjusted(1, 1, -1, -1));
            p.drawText(r.adjusted(3, 0, -3, 0), int(panel.Align | Qt::AlignVCenter), panel.Text);
            p.restore();
            x += w;
        }
    }
};

void TStatusPanel::SetText(const std::string& text) {
    text_ = text;
    bar_->PanelsChanged();
}
void TStatusPanel::SetWidth(int width) {
    width_ = width;
    bar_->PanelsChanged();
}
void TStatusPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    bar_->PanelsChanged();
}
void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
    bevel_ = bevel;
    bar_->PanelsChanged();
}
int TStatusPanel::Index() const { return bar_->Panels()->IndexOf(this); }

TStatusPanel* TStatusPanels::Add() {
    panels_.push_back(std::unique_ptr<TStatusPanel>(new TStatusPanel(bar_)));
    bar_->PanelsChanged();
    return panels_.back().get();
}

TStatusPanel* TStatusPanels::Items(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    return panels_[static_cast<size_t>(index)].get();
}

void TStatusPanels::Delete(int index) {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    panels_.erase(panels_.begin() + index);
    bar_->PanelsChanged();
}

void TStatusPanels::Clear() {
    panels_.clear();
    bar_->PanelsChanged();
}

int TStatusPanels::IndexOf(const TStatusPanel* panel) const { return IndexIn(panels_, panel); }

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner, new StatusBarWidget), panels_(new TStatusPanels(this)) {
    SetTabStop(false);
    InitBounds(200, 19);
    SetAlign(alBottom);
}

void TStatusBar::SetSimplePanel(bool simple) {
    simplePanel_ = simple;
    PanelsChanged();
}

void TStatusBar::SetSimpleText(const std::string& text) {
    simpleText_ = text;
    PanelsChanged();
}

void TStatusBar::PanelsChanged() {
    auto* w = static_cast<StatusBarWidget*>(widget_);
    w->Panels.clear();
    for (int i = 0; i < panels_->Count(); ++i) {
        const TStatusPanel* p = panels_->Items(i);
        w->Panels.push_back({Q(p->Text()), p->Width(), HorizontalOf(p->Alignment()), p->Bevel()});
    }
    w->Simple = simplePanel_;
    w->SimpleText = Q(simpleText_);
    w->update();
}

// ---------------------------------------------------------------------------
// TTabSheet, TPageControl

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner, new QWidget) { SetTabStop(false); }

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(parent_); }
void TTabSheet::SetPageControl(TPageControl* control) { SetParent(control); }

void TTabSheet::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (TPageControl* pc = PageControl()) pc->SheetChanged(this);
}

void TTabSheet::SetTabVisible(bool visible) {
    tabVisible_ = visible;
    if (TPageControl* pc = PageControl()) pc->SheetChanged(this);
}

int TTabSheet::PageIndex() const {
    TPageControl* pc = PageControl();
    return pc ? pc->Widget()->indexOf(widget_) : -1;
}

void TTabSheet::SetPageIndex(int index) {
    if (TPageControl* pc = PageControl()) pc->MoveSheet(this, index);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner, new QTabWidget) {
    InitBounds(289, 193);
    QObject::connect(Widget(), &QTabWidget::currentChanged, Context(), [this](int) {
        if (!programChange_) Fire(OnChange, this);
    });
}

TPageControl::~TPageControl() { DetachWidget(); }

QTabWidget* TPageControl::Widget() const { return static_cast<QTabWidget*>(widget_); }

int TPageControl::PageCount() const { return Widget()->count(); }

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount()) ThrowListIndexError(index);
    return dynamic_cast<TTabSheet*>(TControl::FromWidget(Widget()->widget(index)));
}

TTabSheet* TPageControl::ActivePage() const {
    QWidget* page = Widget()->currentWidget();
    return page ? dynamic_cast<TTabSheet*>(TControl::FromWidget(page)) : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    int index = page ? Widget()->indexOf(page->Widget()) : -1;
    if (index < 0) return;
    ++programChange_;
    Widget()->setCurrentIndex(index);
    --programChange_;
}

int TPageControl::ActivePageIndex() const { return Widget()->currentIndex(); }

void TPageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount()) return;
    ++programChange_;
    Widget()->setCurrentIndex(index);
    --programChange_;
}

void TPageControl::AttachChildWidget(TControl* child) {
    auto* sheet = dynamic_cast<TTabSheet*>(child);
    if (!sheet) {
        TWinControl::AttachChildWidget(child);
        return;
    }
    ++programChange_;
    int index = Widget()->addTab(sheet->Widget(), Q(sheet->Caption()));
    Widget()->setTabVisible(index, sheet->TabVisible());
    --programChange_;
}

void TPageControl::DetachChildWidget(TControl* child) {
    int index = Widget()->indexOf(child->Widget());
    if (index < 0) return;
    ++programChange_;
    Widget()->removeTab(index);
    --programChange_;
}

void TPageControl::SheetChanged(TTabSheet* sheet) {
    int index = Widget()->indexOf(sheet->Widget());
    if (index < 0) return;
    ++programChange_;
    Widget()->setTabText(index, Q(sheet->Caption()));
    Widget()->setTabVisible(index, sheet->TabVisible());
    --programChange_;
}

void TPageControl::MoveSheet(TTabSheet* sheet, int index) {
    int from = Widget()->indexOf(sheet->Widget());
    if (from < 0 || index < 0 || index >= PageCount() || index == from) return;
    ++programChange_;
    bool current = Widget()->currentIndex() == from;
    Widget()->removeTab(from);
    Widget()->insertTab(index, sheet->Widget(), Q(sheet->Caption()));
    Widget()->setTabVisible(index, sheet->TabVisible());
    if (current) Widget()->setCurrentIndex(index);
    --programChange_;
}

// ---------------------------------------------------------------------------
// TImageList

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

int TImageList::Add(TBitmap* image, TBitmap*) { return Add(image ? image->Image() : QImage()); }

int TImageList::Add(const QImage& image) {
    int first = Count();
    if (image.isNull()) return -1;
    if (image.width() > width_ && width_ > 0 && image.width() % width_ == 0) {
        for (int x = 0; x < image.width(); x += width_) images_.push_back(image.copy(x, 0, width_, image.height()));
    } else {
        images_.push_back(image);
    }
    return first;
}

void TImageList::GetBitmap(int index, TBitmap* image) const {
    if (image) image->Assign(Image(index));
}

const QImage& TImageList::Image(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    return images_[static_cast<size_t>(index)];
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    images_.erase(images_.begin() + index);
}
