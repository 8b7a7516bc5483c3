#pragma once
// Menus: TMainMenu (the form's menu bar), TPopupMenu and their TMenuItems.
// An item captioned "-" is a separator; "&" marks the accelerator letter.
// Items nest: Add and Insert give an item sub-items. Deleting an item
// deletes its sub-items.

#include "platform/Classes.h"

#include <QMenuBar>
#include <QPointer>

#include <vector>

class QAction;
class QMenu;
class QWidget;
class TForm;
class TMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool IsLine() const { return caption_ == "-"; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* operator[](int index) const { return Items(index); }
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    // Takes a sub-item out of this item without destroying it.
    void Remove(TMenuItem* item);
    void Delete(int index) { Remove(Items(index)); }
    // Destroys every sub-item.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

    // Runs OnClick as choosing the item does (exceptions pass to the caller).
    void Click();
    TNotifyEvent OnClick;

    QAction* Action() const { return action_; }

private:
    friend class TMenu;
    // Where the sub-items' actions go: the item's own submenu, or the menu
    // bar or popup of a menu's root item.
    QWidget* Container();
    QAction* action_;
    QMenu* submenu_ = nullptr;
    QPointer<QWidget> rootContainer_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    // The root item whose sub-items the menu shows.
    TMenuItem* Items() const { return items_; }

protected:
    void SetContainer(QWidget* container);

private:
    TMenuItem* items_;
};

class TMainMenu : public TMenu {
public:
    // A main menu created for a form without one becomes that form's menu.
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    QMenuBar* Bar() const { return bar_; }
    // Used by TForm.
    void AttachToForm(TForm* form, QWidget* window);
    void DetachFromForm();
    int BarHeight() const;
    void PlaceBar(int left, int top, int width, int height);

private:
    QPointer<QMenuBar> bar_;
    TForm* form_ = nullptr;
};

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // Shows the menu at screen coordinates and returns once it is closed
    // (a chosen item's OnClick has run by then).
    void Popup(int x, int y);
    // The control the menu was last opened on.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }
    TNotifyEvent OnPopup;

    QMenu* Menu() const { return menu_; }

private:
    QMenu* menu_;
    TComponent* popupComponent_ = nullptr;
};
