#include "platform/Dialogs.h"
#include "platform/QtText.h"

#include "platform/Forms.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace {

MessageBoxHandler& BoxHandler() {
    static MessageBoxHandler handler;
    return handler;
}

BeepHandler& SoundHandler() {
    static BeepHandler handler;
    return handler;
}

struct ButtonChoice {
    QMessageBox::StandardButton Button;
    int Id;
};

std::vector<ButtonChoice> ButtonsOf(UINT flags) {
    using B = QMessageBox;
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{B::Ok, IDOK}, {B::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE: return {{B::Abort, IDABORT}, {B::Retry, IDRETRY}, {B::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL: return {{B::Yes, IDYES}, {B::No, IDNO}, {B::Cancel, IDCANCEL}};
    case MB_YESNO: return {{B::Yes, IDYES}, {B::No, IDNO}};
    case MB_RETRYCANCEL: return {{B::Retry, IDRETRY}, {B::Cancel, IDCANCEL}};
    default: return {{B::Ok, IDOK}};
    }
}

QMessageBox::Icon IconOf(UINT flags) {
    switch (flags & MB_ICONMASK) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int ShowRealBox(const MessageBoxCall& call) {
    // Above the window the user is in: a modal dialog shown over the owner
    // stays below its box, and the owner is not raised over it.
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = call.Owner ? call.Owner->window() : QApplication::activeWindow();
    QMessageBox box(IconOf(call.Flags), ShownText(call.Caption), ShownText(call.Text), QMessageBox::NoButton, parent);
    std::vector<ButtonChoice> choices = ButtonsOf(call.Flags);
    for (const ButtonChoice& c : choices) box.addButton(c.Button);
    size_t def = (call.Flags & MB_DEFMASK) >> 8;
    if (def < choices.size()) box.setDefaultButton(choices[def].Button);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const ButtonChoice& c : choices)
        if (clicked == box.button(c.Button)) return c.Id;
    // Closed without a button: the platform answers Cancel where there is one.
    for (const ButtonChoice& c : choices)
        if (c.Id == IDCANCEL) return IDCANCEL;
    return choices.size() == 1 ? choices[0].Id : IDNO;
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(BoxHandler(), std::move(handler));
}

BeepHandler SetBeepHandler(BeepHandler handler) {
    return std::exchange(SoundHandler(), std::move(handler));
}

int DefaultMessageBoxAnswer(UINT flags) { return ButtonsOf(flags).front().Id; }

int MessageBoxA(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    MessageBoxCall call{owner, text, caption, flags};
    if (BoxHandler()) {
        // A copy: the handler may replace itself.
        MessageBoxHandler handler = BoxHandler();
        return handler(call);
    }
    return ShowRealBox(call);
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT flags) {
    return MessageBoxA(owner, std::string(text ? text : ""), std::string(caption ? caption : "Error"),
                       flags);
}

bool Beep(DWORD frequency, DWORD duration) {
    if (SoundHandler()) {
        BeepHandler handler = SoundHandler();
        handler(frequency, duration);
    } else {
        QApplication::beep();
    }
    return true;
}

bool MessageBeep(UINT) { return Beep(0, 0); }

void ShowMessage(const std::string& text) {
    MessageBoxA(nullptr, text, Application->Title(), MB_OK);
}
