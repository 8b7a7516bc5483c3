#include "platform/Help.h"

#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <optional>

namespace {

THelpForm* HelpFormOf(const std::string& file) {
    for (TForm* form : TForm::Forms())
        if (auto* help = dynamic_cast<THelpForm*>(form); help && help->File == file) return help;
    return nullptr;
}

// A text laid out in columns reads right only in a fixed-pitch font.
QFont HelpFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    return font;
}

}  // namespace

THelpForm::THelpForm(TComponent* owner, const std::string& file) : TForm(owner), File(file) {
    SetPosition(poScreenCenter);
    Text = new TMemo(this);
    Text->SetParent(this);
    Text->SetAlign(alClient);
    Text->SetReadOnly(true);
    Text->SetWordWrap(false);
    Text->SetScrollBars(ssBoth);
    Text->Font()->SetFont(HelpFont());
    // Eighty columns and forty lines, as far as the screen allows.
    const QFontMetrics metrics(HelpFont());
    const int width = metrics.horizontalAdvance(QString(80, QChar('M'))) + 40;
    const int height = metrics.lineSpacing() * 40 + 16;
    SetClientWidth(std::min(width, Screen->WorkAreaWidth() - FrameWidth));
    SetClientHeight(std::min(height, Screen->WorkAreaHeight() - FrameHeight));
    OnClose = TCloseEvent::Func([](TObject*, TCloseAction& action) { action = caFree; });
    DoCreate();
}

bool THelpForm::ShowContents() {
    const std::optional<std::string> text = ReadFileContents(File);
    if (!text) return false;
    const std::string title = text->substr(0, text->find_first_of("\r\n"));
    SetCaption(title.empty() ? ExtractFileName(File) : title);
    Text->SetText(*text);
    QPlainTextEdit* edit = Text->Widget();
    edit->moveCursor(QTextCursor::Start);
    edit->verticalScrollBar()->setValue(0);
    edit->horizontalScrollBar()->setValue(0);
    return true;
}

bool WinHelpA(HWND window, const std::string& file, UINT command, std::uintptr_t) {
    const std::string path = NativePath(file);
    THelpForm* form = HelpFormOf(path);
    if (command == HELP_QUIT) {
        if (form) form->Close();
        return true;
    }
    if (!form) form = new THelpForm(Application, path);
    if (!form->ShowContents()) {
        delete form;
        MessageBoxA(window, "Cannot read the help file \"" + path + "\".", Application->Title(),
                    MB_OK | MB_ICONWARNING);
        return false;
    }
    form->Show();
    form->Widget()->raise();
    form->Widget()->activateWindow();
    return true;
}
