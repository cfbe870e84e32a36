#include "framework/system/MessageBox.h"

#include "framework/fake/DesktopState.h"

namespace skl {

void ShowMessageBox(const std::string& text, const std::string& caption, TMessageBoxIcon icon) {
    fake::TDesktop& desktop = fake::Desktop();
    const fake::TMessageBoxShown box{text, caption, icon};
    std::function<void(const fake::TMessageBoxShown&)> whileOpen;
    {
        std::lock_guard guard(desktop.Lock);
        desktop.MessageBoxes.push_back(box);
        whileOpen = desktop.WhileMessageBoxOpen;
    }
    if (whileOpen) whileOpen(box);
}

}  // namespace skl
