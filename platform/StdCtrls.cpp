#include "platform/StdCtrls.h"

#include "platform/Forms.h"
#include "platform/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace {

QString Q(const std::string& s) { return ShownText(s); }

// Shows `bytes` as a widget's one text and keeps them for reading it back.
QString Kept(QObject* widget, const std::string& bytes) {
    KeepBytes(widget, bytes);
    return ShownText(bytes);
}

// A memo line's bytes, kept in its text block.
class LineBytes : public QTextBlockUserData {
public:
    explicit LineBytes(const std::string& bytes) : Kept(KeptBytes(bytes)) {}
    QVariant Kept;
};

void KeepLine(QTextBlock block, const std::string& bytes) {
    if (block.isValid()) block.setUserData(new LineBytes(bytes));
}

// Qt's line edit cuts every text at 32,767 characters, the program's too. An
// edit holds whatever it is given: a value read is written back whole. The
// control's own limit (TEdit::MaxLength) stops typing only.
void HoldAnyLength(QLineEdit* line) { line->setMaxLength(std::numeric_limits<int>::max()); }

std::string LineOf(const QTextBlock& block) {
    const auto* kept = dynamic_cast<const LineBytes*>(block.userData());
    return BytesOf(block.text(), kept ? kept->Kept : QVariant());
}

Qt::Alignment HorizontalOf(TAlignment a) {
    switch (a) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

// The size a text takes in a font: the widest line by the number of lines.
QSize TextSize(const QFont& font, const std::string& text) {
    QFontMetrics fm(font);
    QStringList lines = Q(text.empty() ? std::string(" ") : text).split('\n');
    int width = 0;
    for (const QString& line : lines) width = std::max(width, fm.horizontalAdvance(line));
    return QSize(width, fm.height() * int(lines.size()));
}

// The width a line edit gives its text: its contents less the text margins
// and the two pixels Qt's line edit keeps at either side.
int TextRoom(const QLineEdit* line) {
    QStyleOptionFrame option;
    option.initFrom(line);
    option.rect = line->contentsRect();
    option.lineWidth = line->hasFrame() ? line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, line) : 0;
    const QRect contents = line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line);
    const QMargins margins = line->textMargins();
    return contents.width() - margins.left() - margins.right() - 4;
}

// The width a combo box that is no edit gives the text of its entry.
int TextRoom(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    option.frame = combo->hasFrame();
    return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width() - 2;
}

// A box's tooltip: its whole text when the box cuts it, nothing otherwise. A
// hint of the box's own goes first.
bool ShowWholeTextTip(QWidget* box, QEvent* event, const QString& text, int room) {
    if (event->type() != QEvent::ToolTip || !box->toolTip().isEmpty()) return false;
    if (text.isEmpty() || box->fontMetrics().horizontalAdvance(text) <= room) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), WholeTextTip(text), box);
    return true;
}

// A combo box whose list is as wide as its longest entry: Qt widens the list
// of a drop-down list only, not that of a box one can type into.
class ComboWidget : public QComboBox {
public:
    void showPopup() override {
        QAbstractItemView* list = view();
        int width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
        if (count() > maxVisibleItems()) width += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
        list->setMinimumWidth(width);
        QComboBox::showPopup();
    }
};

// Lines of a memo, kept in its document.
class MemoStrings : public TStrings {
public:
    explicit MemoStrings(QPlainTextEdit* edit) : edit_(edit) {}

    int Count() const override {
        QTextDocument* doc = edit_->document();
        if (doc->blockCount() == 1 && doc->firstBlock().text().isEmpty()) return 0;
        return doc->blockCount();
    }
    std::string Get(int index) const override {
        CheckIndex(index, Count());
        return LineOf(edit_->document()->findBlockByNumber(index));
    }
    void Put(int index, const std::string& text) override {
        CheckIndex(index, Count());
        QTextCursor c(edit_->document()->findBlockByNumber(index));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.insertText(Q(text));
        KeepLine(edit_->document()->findBlockByNumber(index), text);
    }
    void Insert(int index, const std::string& text) override {
        int count = Count();
        CheckIndex(index, count + 1);
        QTextCursor c(edit_->document());
        if (count == 0) {
            edit_->setPlainText(Q(text));
            c.movePosition(QTextCursor::End);
        } else if (index == count) {
            c.movePosition(QTextCursor::End);
            c.insertText("\n" + Q(text));
        } else {
            c = QTextCursor(edit_->document()->findBlockByNumber(index));
            c.insertText(Q(text) + "\n");
            c.movePosition(QTextCursor::PreviousBlock);
        }
        KeepLine(edit_->document()->findBlockByNumber(index), text);
        // The new line is shown, as the platform's memo scrolls to it.
        edit_->setTextCursor(c);
        edit_->ensureCursorVisible();
    }
    void Delete(int index) override {
        int count = Count();
        CheckIndex(index, count);
        QTextCursor c(edit_->document()->findBlockByNumber(index));
        if (index + 1 < count) {
            c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        } else {
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            if (index > 0) {
                c.movePosition(QTextCursor::StartOfBlock, QTextCursor::MoveAnchor);
                c.movePosition(QTextCursor::PreviousBlock, QTextCursor::MoveAnchor);
                c.movePosition(QTextCursor::EndOfBlock, QTextCursor::MoveAnchor);
                c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            }
        }
        c.removeSelectedText();
    }
    void Clear() override { edit_->clear(); }

private:
    QPlainTextEdit* edit_;
};

// Entries of a combo box. Inserting never selects an entry by itself.
class ComboStrings : public TStrings {
public:
    explicit ComboStrings(QComboBox* combo) : combo_(combo) {}

    int Count() const override { return combo_->count(); }
    std::string Get(int index) const override {
        CheckIndex(index, Count());
        return BytesOf(combo_->itemText(index), combo_->itemData(index));
    }
    void Put(int index, const std::string& text) override {
        CheckIndex(index, Count());
        combo_->setItemText(index, Q(text));
        combo_->setItemData(index, KeptBytes(text));
    }
    void Insert(int index, const std::string& text) override {
        CheckIndex(index, Count() + 1);
        int current = combo_->currentIndex();
        QString edit = combo_->isEditable() ? combo_->currentText() : QString();
        combo_->insertItem(index, Q(text), KeptBytes(text));
        combo_->setCurrentIndex(current < 0 ? -1 : (current >= index ? current + 1 : current));
        if (combo_->isEditable() && current < 0) combo_->setEditText(edit);
    }
    void Delete(int index) override {
        CheckIndex(index, Count());
        int current = combo_->currentIndex();
        combo_->removeItem(index);
        if (current == index) combo_->setCurrentIndex(-1);
    }
    void Clear() override { combo_->clear(); }

private:
    QComboBox* combo_;
};

}  // namespace

// ---------------------------------------------------------------------------
// TLabel

TLabel::TLabel(TComponent* owner) : TControl(owner, new QLabel) {
    Widget()->setTextFormat(Qt::PlainText);
    Widget()->setMargin(0);
    ApplyAlignment();
    AdjustBounds();
}

QLabel* TLabel::Widget() const { return static_cast<QLabel*>(widget_); }

void TLabel::SetCaption(const std::string& caption) {
    caption_ = caption;
    Widget()->setText(Q(caption));
    AdjustBounds();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    ApplyAlignment();
}

void TLabel::SetLayout(TTextLayout layout) {
    layout_ = layout;
    ApplyAlignment();
}

void TLabel::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    Widget()->setWordWrap(wrap);
    AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    widget_->setAutoFillBackground(!transparent && color_ != clBtnFace);
}

void TLabel::ApplyAlignment() {
    Qt::Alignment v = layout_ == tlCenter ? Qt::AlignVCenter : layout_ == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
    Widget()->setAlignment(HorizontalOf(alignment_) | v);
}

void TLabel::ApplyFont() {
    TControl::ApplyFont();
    AdjustBounds();
}

void TLabel::ApplyColor() {
    TControl::ApplyColor();
    widget_->setAutoFillBackground(!transparent_);
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || align_ == alClient) return;
    QSize size;
    if (wordWrap_) {
        QFontMetrics fm(widget_->font());
        QRect r = fm.boundingRect(QRect(0, 0, std::max(1, width_), 100000),
                                  int(Qt::TextWordWrap | HorizontalOf(alignment_)), Q(caption_));
        size = QSize(width_, r.height());
    } else {
        size = TextSize(widget_->font(), caption_);
    }
    // A right-justified label keeps its right edge.
    int left = alignment_ == taRightJustify ? left_ + width_ - size.width() : left_;
    SetBounds(left, top_, size.width(), size.height());
}

// ---------------------------------------------------------------------------
// TStaticText

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner, new QLabel) {
    Widget()->setTextFormat(Qt::PlainText);
    Widget()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetTabStop(false);
    AdjustBounds();
}

QLabel* TStaticText::Widget() const { return static_cast<QLabel*>(widget_); }

void TStaticText::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    // A text that changes with every row of a walk (a row counter) is shown
    // at most every 40 ms; Caption() is always current.
    if (!Widget()->isVisible()) {
        ShowCaption();
        return;
    }
    if (captionPending_) return;
    captionPending_ = true;
    QTimer::singleShot(40, Context(), [this] {
        captionPending_ = false;
        ShowCaption();
    });
}

void TStaticText::ShowCaption() {
    Widget()->setText(Q(caption_));
    AdjustBounds();
}

void TStaticText::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TStaticText::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Widget()->setAlignment(HorizontalOf(alignment) | Qt::AlignVCenter);
}

void TStaticText::SetBorderStyle(TStaticBorderStyle style) {
    borderStyle_ = style;
    switch (style) {
    case sbsSunken: Widget()->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    case sbsSingle: Widget()->setFrameStyle(QFrame::Box | QFrame::Plain); break;
    default: Widget()->setFrameStyle(QFrame::NoFrame); break;
    }
    Widget()->setLineWidth(1);
    AdjustBounds();
}

void TStaticText::ApplyFont() {
    TWinControl::ApplyFont();
    AdjustBounds();
}

void TStaticText::AdjustBounds() {
    if (!autoSize_ || align_ != alNone) return;
    QSize size = TextSize(widget_->font(), caption_);
    int frame = 2 * Widget()->frameWidth();
    SetBounds(left_, top_, size.width() + frame, size.height() + frame);
}

// ---------------------------------------------------------------------------
// TEdit

TEdit::TEdit(TComponent* owner) : TWinControl(owner, new QLineEdit) {
    color_ = clWindow;
    InitBounds(121, 21);
    HoldAnyLength(Widget());
    QObject::connect(Widget(), &QLineEdit::textChanged, Context(), [this](const QString& text) {
        lastText_ = text;
        const QPointer<QObject> alive(Context());  // a handler may delete the edit
        ++changing_;
        Fire(OnChange, this);
        if (alive) --changing_;
    });
    // A paste may not take the text past the limit either.
    QObject::connect(Widget(), &QLineEdit::textEdited, Context(), [this](const QString& text) {
        if (maxLength_ > 0 && text.size() > maxLength_ && text.size() > lastText_.size())
            Widget()->setText(text.left(std::max<qsizetype>(maxLength_, lastText_.size())));
    });
}

TEdit::~TEdit() { DetachWidget(); }

QLineEdit* TEdit::Widget() const { return static_cast<QLineEdit*>(widget_); }

std::string TEdit::Text() const { return WidgetBytes(Widget(), Widget()->text()); }
void TEdit::SetText(const std::string& text) {
    Widget()->setText(Kept(Widget(), text));
    // The program's text shows from its start, as the platform's edit box
    // shows it: an engine id or a long name reads from its first character.
    // A change handler that corrects the text as it changes (a typed letter
    // taken out) leaves the caret where Qt puts it, at the typing.
    if (!changing_) Widget()->setCursorPosition(0);
}
bool TEdit::ReadOnly() const { return Widget()->isReadOnly(); }
void TEdit::SetReadOnly(bool readOnly) { Widget()->setReadOnly(readOnly); }

void TEdit::SetPasswordChar(char c) {
    passwordChar_ = c;
    Widget()->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

int TEdit::SelStart() const {
    return Widget()->hasSelectedText() ? Widget()->selectionStart() : Widget()->cursorPosition();
}

void TEdit::SetSelStart(int start) { Widget()->setCursorPosition(start); }
int TEdit::SelLength() const { return int(Widget()->selectedText().size()); }
void TEdit::SetSelLength(int length) { Widget()->setSelection(SelStart(), length); }
void TEdit::SelectAll() { Widget()->selectAll(); }

bool TEdit::HandleEvent(QObject* watched, QEvent* event) {
    if (TWinControl::HandleEvent(watched, event)) return true;
    if (watched == widget_ && Widget()->echoMode() == QLineEdit::Normal &&
        ShowWholeTextTip(Widget(), event, Widget()->text(), TextRoom(Widget())))
        return true;
    if (event->type() != QEvent::KeyPress || watched != widget_ || maxLength_ <= 0) return false;
    auto* e = static_cast<QKeyEvent*>(event);
    QString typed = e->text();
    if (typed.isEmpty() || !typed[0].isPrint() || Widget()->isReadOnly()) return false;
    // The limit stops typing only, as the platform's edit box does.
    qsizetype remaining = Widget()->text().size() - Widget()->selectedText().size();
    return remaining >= maxLength_;
}

// ---------------------------------------------------------------------------
// TMemo

TMemo::TMemo(TComponent* owner) : TWinControl(owner, new QPlainTextEdit) {
    color_ = clWindow;
    lines_ = std::make_unique<MemoStrings>(Widget());
    InitBounds(185, 89);
    SetScrollBars(ssNone);
    QObject::connect(Widget(), &QPlainTextEdit::textChanged, Context(), [this] { Fire(OnChange, this); });
}

TMemo::~TMemo() { DetachWidget(); }

QPlainTextEdit* TMemo::Widget() const { return static_cast<QPlainTextEdit*>(widget_); }

std::string TMemo::Text() const {
    std::string text;
    for (QTextBlock block = Widget()->document()->begin(); block.isValid(); block = block.next())
        text += (block == Widget()->document()->begin() ? "" : "\n") + LineOf(block);
    return text;
}

void TMemo::SetText(const std::string& text) {
    // Each line shows and reads back on its own.
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') lines.emplace_back();
        else lines.back() += c;
    }
    QStringList shown;
    for (const std::string& line : lines) shown << Q(line);
    Widget()->setPlainText(shown.join('\n'));
    QTextBlock block = Widget()->document()->begin();
    for (const std::string& line : lines) {
        KeepLine(block, line);
        block = block.next();
    }
}
void TMemo::Clear() { Widget()->clear(); }
bool TMemo::ReadOnly() const { return Widget()->isReadOnly(); }
void TMemo::SetReadOnly(bool readOnly) { Widget()->setReadOnly(readOnly); }

void TMemo::SetScrollBars(TScrollStyle style) {
    scrollBars_ = style;
    bool vertical = style == ssVertical || style == ssBoth;
    bool horizontal = style == ssHorizontal || style == ssBoth;
    Widget()->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Widget()->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    ApplyWrap();
}

void TMemo::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    ApplyWrap();
}

void TMemo::ApplyWrap() {
    // A horizontal scroll bar turns wrapping off, as on the platform.
    bool wrap = wordWrap_ && scrollBars_ != ssHorizontal && scrollBars_ != ssBoth;
    Widget()->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

// ---------------------------------------------------------------------------
// TComboBox

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner, new ComboWidget) {
    color_ = clWindow;
    items_ = std::make_unique<ComboStrings>(Widget());
    Widget()->setInsertPolicy(QComboBox::NoInsert);
    SetStyle(csDropDown);
    InitBounds(145, DefaultHeight);
    QObject::connect(Widget(), &QComboBox::activated, Context(), [this](int) {
        Fire(OnChange, this);
        Fire(OnSelect, this);
    });
}

TComboBox::~TComboBox() { DetachWidget(); }

QComboBox* TComboBox::Widget() const { return static_cast<QComboBox*>(widget_); }

void TComboBox::ConnectEditor() {
    QLineEdit* editor = Widget()->lineEdit();
    if (!editor) return;
    HoldAnyLength(editor);
    QObject::connect(editor, &QLineEdit::textEdited, Context(), [this] { Fire(OnChange, this); });
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    style_ = style;
    bool editable = style == csDropDown || style == csSimple;
    if (Widget()->isEditable() == editable) return;
    int current = Widget()->currentIndex();
    Widget()->setEditable(editable);
    Widget()->setCurrentIndex(current);
    if (editable) {
        if (current < 0) Widget()->setEditText(QString());
        ConnectEditor();
    }
}

int TComboBox::ItemIndex() const { return Widget()->currentIndex(); }

void TComboBox::SetItemIndex(int index) {
    Widget()->setCurrentIndex(index >= 0 && index < Widget()->count() ? index : -1);
    ShowTextFromStart();
}

void TComboBox::ShowTextFromStart() {
    if (QLineEdit* editor = Widget()->lineEdit()) editor->setCursorPosition(0);
}

std::string TComboBox::Text() const {
    const int current = Widget()->currentIndex();
    const QString now = Widget()->currentText();
    if (current >= 0 && now == Widget()->itemText(current)) return items_->Get(current);
    return WidgetBytes(Widget(), now);
}

void TComboBox::SetText(const std::string& text) {
    if (Widget()->isEditable()) {
        Widget()->setEditText(Kept(Widget(), text));
        ShowTextFromStart();
    } else {
        Widget()->setCurrentIndex(items_->IndexOf(text));
    }
}

std::string TComboBox::PlaceholderText() const { return Widget()->placeholderText().toStdString(); }
void TComboBox::SetPlaceholderText(const std::string& text) { Widget()->setPlaceholderText(Q(text)); }

int TComboBox::DropDownCount() const { return Widget()->maxVisibleItems(); }
void TComboBox::SetDropDownCount(int count) { Widget()->setMaxVisibleItems(count); }

void TComboBox::Clear() {
    Widget()->clear();
    if (Widget()->isEditable()) Widget()->setEditText(QString());
}

bool TComboBox::HandleEvent(QObject* watched, QEvent* event) {
    if (TWinControl::HandleEvent(watched, event)) return true;
    if (watched != widget_) return false;
    // An editable box's line edit passes the pointer's rest on to the box.
    if (QLineEdit* editor = Widget()->lineEdit()) return ShowWholeTextTip(Widget(), event, editor->text(), TextRoom(editor));
    const QString shown = Widget()->currentIndex() < 0 ? Widget()->placeholderText() : Widget()->currentText();
    return ShowWholeTextTip(Widget(), event, shown, TextRoom(Widget()));
}

void TComboBox::SetBounds(int left, int top, int width, int) {
    int height = std::max(DefaultHeight, QFontMetrics(widget_->font()).height() + 8);
    TWinControl::SetBounds(left, top, width, height);
}

// ---------------------------------------------------------------------------
// TCheckBox

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner, new QCheckBox) {
    InitBounds(97, 17);
    QObject::connect(Widget(), &QCheckBox::stateChanged, Context(), [this](int) { Fire(OnClick, this); });
}

QCheckBox* TCheckBox::Widget() const { return static_cast<QCheckBox*>(widget_); }

std::string TCheckBox::Caption() const { return WidgetBytes(Widget(), Widget()->text()); }
void TCheckBox::SetCaption(const std::string& caption) { Widget()->setText(Kept(Widget(), caption)); }
bool TCheckBox::Checked() const { return Widget()->checkState() == Qt::Checked; }
void TCheckBox::SetChecked(bool checked) { Widget()->setCheckState(checked ? Qt::Checked : Qt::Unchecked); }

TCheckBoxState TCheckBox::State() const {
    switch (Widget()->checkState()) {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState state) {
    if (state == cbGrayed) Widget()->setTristate(true);
    Widget()->setCheckState(state == cbChecked ? Qt::Checked : state == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

bool TCheckBox::AllowGrayed() const { return Widget()->isTristate(); }
void TCheckBox::SetAllowGrayed(bool allow) { Widget()->setTristate(allow); }

void TCheckBox::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    widget_->setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

// ---------------------------------------------------------------------------
// TRadioButton

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner, new QRadioButton) {
    InitBounds(113, 17);
    QObject::connect(Widget(), &QRadioButton::toggled, Context(), [this](bool on) {
        if (on) Fire(OnClick, this);
    });
}

QRadioButton* TRadioButton::Widget() const { return static_cast<QRadioButton*>(widget_); }

std::string TRadioButton::Caption() const { return WidgetBytes(Widget(), Widget()->text()); }
void TRadioButton::SetCaption(const std::string& caption) { Widget()->setText(Kept(Widget(), caption)); }
bool TRadioButton::Checked() const { return Widget()->isChecked(); }

void TRadioButton::SetChecked(bool checked) {
    if (checked) {
        Widget()->setChecked(true);
        return;
    }
    // An exclusive radio button cannot be unchecked on its own.
    Widget()->setAutoExclusive(false);
    Widget()->setChecked(false);
    Widget()->setAutoExclusive(true);
}

// ---------------------------------------------------------------------------
// TButton

TButton::TButton(TComponent* owner) : TWinControl(owner, new QPushButton) {
    Widget()->setAutoDefault(false);
    InitBounds(75, 25);
    QObject::connect(Widget(), &QPushButton::clicked, Context(), [this] { Pressed(); });
}

QPushButton* TButton::Widget() const { return static_cast<QPushButton*>(widget_); }

std::string TButton::Caption() const { return WidgetBytes(Widget(), Widget()->text()); }
void TButton::SetCaption(const std::string& caption) { Widget()->setText(Kept(Widget(), caption)); }

void TButton::SetDefault(bool value) {
    default_ = value;
    widget_->setProperty("kxDefault", value);
}

void TButton::SetCancel(bool value) {
    cancel_ = value;
    widget_->setProperty("kxCancel", value);
}

void TButton::Pressed() {
    if (modalResult_ != mrNone)
        if (TForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    Fire(OnClick, this);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TWinControl::Click();
}

// ---------------------------------------------------------------------------
// TGroupBox

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner, new QGroupBox) {
    SetTabStop(false);
    InitBounds(185, 105);
}

QGroupBox* TGroupBox::Widget() const { return static_cast<QGroupBox*>(widget_); }

std::string TGroupBox::Caption() const { return WidgetBytes(Widget(), Widget()->title()); }
void TGroupBox::SetCaption(const std::string& caption) { Widget()->setTitle(Kept(Widget(), caption)); }

QRect TGroupBox::AlignRect() const {
    // Below the caption, inside the frame.
    int top = QFontMetrics(widget_->font()).height();
    return QRect(1, top + 1, std::max(0, ClientWidth() - 2), std::max(0, ClientHeight() - top - 2));
}
