#include "platform/testing/FormTesting.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QPixmap>
#include <QTest>
#include <QToolTip>
#include <QWidget>

bool ActivateForm(TForm* form) {
    form->Show();
    QWidget* window = form->Widget()->window();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

std::string SaveScreenshot(TControl* control, const std::string& fileName) {
    QString root = qEnvironmentVariable("KESTRIX_BINARY_DIR", QDir::currentPath());
    QDir dir(root + "/screenshots");
    if (!dir.mkpath(".")) return std::string();
    QWidget* widget = dynamic_cast<TForm*>(control) ? control->Widget()->window() : control->Widget();
    QApplication::processEvents();
    QString path = dir.filePath(QString::fromStdString(fileName));
    if (!widget->grab().save(path, "PNG")) return std::string();
    return path.toStdString();
}

namespace {

QString KeyboardText(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
    case Qt::Key_Delete: return QStringLiteral("\x7f");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    case Qt::Key_Tab: return QStringLiteral("\t");
    default: break;
    }
    const bool letter = key >= Qt::Key_A && key <= Qt::Key_Z;
    if (letter && (modifiers & Qt::ControlModifier)) return QString(QChar(char16_t(key - Qt::Key_A + 1)));
    if (letter) return QString(QChar(char16_t((modifiers & Qt::ShiftModifier) ? key : key - Qt::Key_A + 'a')));
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Space) return QString(QChar(char16_t(key)));
    return QString();
}

}  // namespace

void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Click, widget, key, KeyboardText(key, modifiers), modifiers);
}

std::string TooltipAt(QWidget* widget) {
    // A tip that goes leaves the text shown before it: a tip of this
    // function's own stands there first.
    const QPoint at(4, widget->height() / 2);
    const QString before = "(the tip before)";
    QToolTip::showText(widget->mapToGlobal(at), before, widget);
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &help);
    QString shown = QToolTip::text();
    return shown == before ? std::string() : shown.remove(QChar('\n')).toStdString();
}

bool ChooseEntry(TComboBox* combo, const std::string& label) {
    for (int index = 0; index < combo->Items()->Count(); ++index) {
        if (combo->Items()->Strings(index) != label) continue;
        combo->SetItemIndex(index);
        emit combo->Widget()->activated(index);  // as a choice in the list does
        return true;
    }
    return false;
}
