// Program entry: the application, the main window from its form file, the message loop.

#include "app/Form1.h"
#include "skin/SkinClasses.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    TApplication application;
    try {
        application.Initialize();
        RegisterSkinClasses();
        TForm1* form = application.CreateForm<TForm1>();
        SkinFormNow(form, dynamic_cast<TSkinData*>(form->FindComponent(L"SkinData1")));
        application.Run();
    } catch (const std::exception& e) {
        application.ShowException(e);
        return 1;
    }
    return 0;
}
