#include "platform/Menus.h"
#include "platform/QtText.h"

#include "platform/Controls.h"
#include "platform/Forms.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

// ---------------------------------------------------------------------------
// TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), action_(new QAction) {
    QObject::connect(action_, &QAction::triggered, action_, [this] {
        // The item's checked state is the program's, not the toolkit's.
        action_->setChecked(checked_);
        Fire(OnClick, this);
    });
}

TMenuItem::~TMenuItem() {
    if (parent_) parent_->Remove(this);
    while (!items_.empty()) delete items_.back();
    delete submenu_;
    delete action_;
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    action_->setSeparator(IsLine());
    // A separator is a line alone: styles draw a separator's text as a heading.
    action_->setText(IsLine() ? QString() : ShownText(caption));
    if (submenu_) submenu_->setTitle(ShownText(caption));
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    action_->setEnabled(enabled);
}

void TMenuItem::SetVisible(bool visible) {
    visible_ = visible;
    action_->setVisible(visible);
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (checked) action_->setCheckable(true);
    action_->setChecked(checked);
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    return items_[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

QWidget* TMenuItem::Container() {
    if (rootContainer_) return rootContainer_;
    if (!submenu_) {
        submenu_ = new QMenu(ShownText(caption_));
        action_->setMenu(submenu_);
    }
    return submenu_;
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (index < 0 || index > Count()) ThrowListIndexError(index);
    if (item->parent_) item->parent_->Remove(item);
    QWidget* container = Container();
    QAction* before = index < Count() ? items_[static_cast<size_t>(index)]->action_ : nullptr;
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    if (container) container->insertAction(before, item->action_);
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    if (rootContainer_) rootContainer_->removeAction(item->action_);
    else if (submenu_) submenu_->removeAction(item->action_);
}

void TMenuItem::Clear() {
    while (!items_.empty()) delete items_.back();
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

// ---------------------------------------------------------------------------
// TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {}

TMenu::~TMenu() { delete items_; }

void TMenu::SetContainer(QWidget* container) { items_->rootContainer_ = container; }

// ---------------------------------------------------------------------------
// TMainMenu

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner), bar_(new QMenuBar) {
    SetContainer(bar_);
    bar_->hide();
    if (auto* form = dynamic_cast<TForm*>(owner); form && !form->Menu()) form->SetMenu(this);
}

TMainMenu::~TMainMenu() {
    if (form_ && TForm::Exists(form_) && form_->Menu() == this) form_->SetMenu(nullptr);
    delete bar_;
}

void TMainMenu::AttachToForm(TForm* form, QWidget* window) {
    form_ = form;
    if (!bar_) return;
    bar_->setParent(window);
    bar_->show();
}

void TMainMenu::DetachFromForm() {
    form_ = nullptr;
    if (!bar_) return;
    bar_->hide();
    bar_->setParent(nullptr);
}

int TMainMenu::BarHeight() const {
    if (!bar_) return 0;
    // One line of the menu font, whatever the items.
    return QFontMetrics(bar_->font()).height() + 8;
}

void TMainMenu::PlaceBar(int left, int top, int width, int height) {
    if (bar_) bar_->setGeometry(left, top, width, height);
}

// ---------------------------------------------------------------------------
// TPopupMenu

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner), menu_(new QMenu) { SetContainer(menu_); }

TPopupMenu::~TPopupMenu() { delete menu_; }

void TPopupMenu::Popup(int x, int y) {
    Fire(OnPopup, this);
    menu_->exec(QPoint(x, y));
}
