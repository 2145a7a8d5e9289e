// The program's entry point: hands control to the one application object.
#include <windows.h>

#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int cmdShow) {
    tessik::CWinApp* app = tessik::CWinApp::Current();
    return app ? app->RunApplication(instance, cmdShow) : 0;
}
