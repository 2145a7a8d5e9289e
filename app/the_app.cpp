// The one application object, constructed before WinMain runs.
#include "app/my_app.h"

namespace {

tessik::CMyApp theApp;

}  // namespace
