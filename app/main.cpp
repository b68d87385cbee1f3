// Program entry: the application, the main window from its form file, the message loop. The
// main window's skin component starts the skin manager as the form is read; the window is
// skinned when it is first activated. "/version" shows only the version report and ends.

#include "app/Form1.h"
#include "app/VersionReport.h"
#include "skin/SkinClasses.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    TApplication application;
    try {
        if (IsVersionRequest(arguments)) {
            ShowVersionReport(application);
            return 0;
        }
        application.Initialize();
        RegisterSkinClasses();
        application.CreateForm<TForm1>();
        application.Run();
    } catch (const std::exception& e) {
        application.ShowException(e);
        return 1;
    }
    return 0;
}
