// The skin gallery: one window with every standard control, skinned with the default skin or
// with the packed skin named on the command line.
//   SkinGallery.exe [skin.skn]

#include "gallery/GalleryForm.h"
#include "gallery/GallerySkin.h"
#include "skin/SkinClasses.h"

#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    TApplication application;
    try {
        application.Initialize();
        RegisterSkinClasses();
        RegisterGalleryClasses();
        auto* gallery = application.CreateForm<TGalleryForm>();
        int count = 0;
        LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
        if (arguments && count > 1) {
            std::wstring error;
            if (!ApplyGallerySkin(*gallery, arguments[1], error))
                MessageBoxW(nullptr, error.c_str(), L"Skin gallery", MB_OK | MB_ICONWARNING);
        }
        LocalFree(arguments);
        application.Run();
    } catch (const std::exception& e) {
        application.ShowException(e);
        return 1;
    }
    return 0;
}
