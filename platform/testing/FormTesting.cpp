#include "platform/testing/FormTesting.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
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
