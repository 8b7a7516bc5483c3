#pragma once
// Standard controls: labels, static texts, edit boxes, memos, combo boxes,
// check boxes, radio buttons, buttons and group boxes.
//
// When events fire:
// - TEdit::OnChange and TMemo::OnChange: on every change of the text, the
//   program's included; a handler may set the text again, which runs it
//   again at once (re-entrant).
// - TComboBox::OnChange and OnSelect: on the user's changes only (choosing
//   an entry, typing), never on the program's (ItemIndex, Text, Items).
// - TCheckBox::OnClick: whenever Checked changes, the program's changes
//   included. TRadioButton::OnClick: whenever it becomes checked.
// - TButton::OnClick: a click; the button's ModalResult goes to its form
//   first.
//
// What the boxes show: a text the program puts into an edit box (or an
// editable combo box) shows from its first character; a text wider than
// its box shows whole in the box's tooltip, unless the box has a hint of
// its own or hides what it holds (a password); a combo box's list is as
// wide as its longest entry.

#include "platform/Controls.h"

#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);
    QLabel* Widget() const;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Sizes the label to its text (on by default) whenever the caption, the
    // font or this flag changes; a width set after that stays until then.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

protected:
    void ApplyFont() override;
    void ApplyColor() override;
    void AdjustBounds();
    void ApplyAlignment();

    std::string caption_;
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
};

class TStaticText : public TWinControl {
public:
    explicit TStaticText(TComponent* owner);
    QLabel* Widget() const;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TStaticBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TStaticBorderStyle style);

protected:
    void ApplyFont() override;
    void AdjustBounds();
    void ShowCaption();

private:
    std::string caption_;
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TStaticBorderStyle borderStyle_ = sbsNone;
    bool captionPending_ = false;
};

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    ~TEdit() override;
    QLineEdit* Widget() const;

    std::string Text() const;
    void SetText(const std::string& text);
    // The most characters the user can type; 0 = no limit. The program can
    // still set a longer text.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = length < 0 ? 0 : length; }
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    void SelectAll();
    void Clear() { SetText(std::string()); }

    TNotifyEvent OnChange;

protected:
    bool HandleEvent(QObject* watched, QEvent* event) override;
    bool MouseClicks() const override { return false; }

private:
    int maxLength_ = 0;
    char passwordChar_ = 0;
    QString lastText_;
    int changing_ = 0;  // > 0 while OnChange runs
};

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;
    QPlainTextEdit* Widget() const;

    // The memo's lines; adding one shows it (scrolls to it).
    TStrings* Lines() const { return lines_.get(); }
    std::string Text() const;
    void SetText(const std::string& text);
    void Clear();
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);

    TNotifyEvent OnChange;

protected:
    bool MouseClicks() const override { return false; }

private:
    void ApplyWrap();
    std::unique_ptr<TStrings> lines_;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
};

class TComboBox : public TWinControl {
public:
    // Combo boxes are one line high, whatever Height says.
    static constexpr int DefaultHeight = 21;

    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;
    QComboBox* Widget() const;

    TStrings* Items() const { return items_.get(); }
    // -1 for no entry; setting an index outside the list selects nothing.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The selected entry's text (drop-down list) or the edit text.
    std::string Text() const;
    // A drop-down list selects the entry of that text (or none).
    void SetText(const std::string& text);
    // What the box shows while no entry is chosen (empty: nothing).
    std::string PlaceholderText() const;
    void SetPlaceholderText(const std::string& text);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    int DropDownCount() const;
    void SetDropDownCount(int count);
    void Clear();
    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;

protected:
    bool HandleEvent(QObject* watched, QEvent* event) override;
    bool MouseClicks() const override { return false; }

private:
    void ConnectEditor();
    // An editable box shows its text from the first character.
    void ShowTextFromStart();
    std::unique_ptr<TStrings> items_;
    TComboBoxStyle style_ = csDropDown;
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);
    QCheckBox* Widget() const;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Checked() const;
    void SetChecked(bool checked);
    TCheckBoxState State() const;
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const;
    void SetAllowGrayed(bool allow);
    // taRightJustify (default): the text right of the box.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    bool MouseClicks() const override { return false; }

private:
    TAlignment alignment_ = taRightJustify;
};

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);
    QRadioButton* Widget() const;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Checking one radio button unchecks its siblings (same parent).
    bool Checked() const;
    void SetChecked(bool checked);

protected:
    bool MouseClicks() const override { return false; }
};

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    QPushButton* Widget() const;

    std::string Caption() const;
    virtual void SetCaption(const std::string& caption);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Enter anywhere on the form presses the default button; Escape the
    // cancel button.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value);
    void Click() override;

protected:
    bool MouseClicks() const override { return false; }
    void Pressed();

private:
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    QGroupBox* Widget() const;

    std::string Caption() const;
    void SetCaption(const std::string& caption);

protected:
    QRect AlignRect() const override;
};
