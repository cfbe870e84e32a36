#include "app/Program.h"

#include "app/FormSkelvora1.h"
#include "framework/application/Application.h"

namespace skl {

int RunProgram() {
    TApplication application;
    try {
        application.Initialize();
        application.SetTitle("Skelvora");
        // A second start leaves the first alone and changes nothing.
        if (FindTopLevelWindow(TFormSkelvora1::WindowClassName)) return 0;
        application.CreateForm<TFormSkelvora1>();
        application.Run();
    } catch (...) {
        application.HandleException();
        return 1;
    }
    return 0;
}

}  // namespace skl
