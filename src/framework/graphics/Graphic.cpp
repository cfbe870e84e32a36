#include "framework/graphics/Graphic.h"

namespace skl {

void TGraphic::LoadFromFile(const std::string& path) {
    TFileStream file(path, TFileMode::OpenReadShareDenyWrite);
    LoadFromStream(file);
}

void TGraphic::LoadFromMemory(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<std::int64_t>(size));
    stream.SetPosition(0);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& path) {
    TReplacingFileStream file(path);
    SaveToStream(file);
    file.Commit();
}

void TGraphic::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::Draw(TCanvas&, const TRect&) {}

void TGraphic::Progress(TProgressStage stage, int percentDone, const std::string& message) {
    if (OnProgress) OnProgress(*this, stage, percentDone, message);
}

void TGraphic::Changed() {
    if (OnChange) OnChange(*this);
}

}  // namespace skl
