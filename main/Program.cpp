#include "main/Program.h"

#include "dialogbase/Form1.h"
#include "framework/GUIConfigForm.h"
#include "main/Main.h"

int RunKestrixModule() {
    Application->Initialize();
    try {
        Application->CreateForm(MainForm);
        Application->CreateForm(Form1);
        Application->CreateForm(ConfigForm);
    } catch (const std::exception& e) {
        Application->ShowException(e.what());
        Application->DestroyComponents();
        return 1;
    }
    Application->Run();
    return 0;
}
