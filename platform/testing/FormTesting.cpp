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
