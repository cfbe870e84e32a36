#include "framework/Graphic.h"

namespace skl {

void TGraphic::LoadFromFile(const std::string& path) {
    TFileStream file(path, TFileMode::OpenReadShareDenyWrite);
    LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& path) {
    TReplacingFileStream file(path);
    SaveToStream(file);
    file.Commit();
}

void TGraphic::Changed() {
    if (OnChange) OnChange(*this);
}

}  // namespace skl
