#include "framework/graphics/Icon.h"

#include "framework/core/Exceptions.h"
#include "framework/core/LittleEndian.h"

namespace skl {

namespace {

constexpr const char* SInvalidIcon = "Icon image is not valid";
constexpr const char* SChangeIconSize = "Cannot change the size of an icon";

constexpr std::size_t DirectorySize = 6;
constexpr std::size_t EntrySize = 16;

// An icon file: reserved 0, type 1, at least one entry, every picture inside the file.
bool IsIconFile(const std::vector<std::uint8_t>& data) {
    if (data.size() < DirectorySize) return false;
    const std::uint32_t count = ReadLittleEndian<std::uint16_t>(&data[4]);
    if (ReadLittleEndian<std::uint16_t>(&data[0]) != 0 || ReadLittleEndian<std::uint16_t>(&data[2]) != 1 || count == 0) return false;
    if (DirectorySize + count * EntrySize > data.size()) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = &data[DirectorySize + i * EntrySize];
        const std::uint64_t length = ReadLittleEndian<std::uint32_t>(entry + 8);
        const std::uint64_t offset = ReadLittleEndian<std::uint32_t>(entry + 12);
        if (length == 0 || offset + length > data.size()) return false;
    }
    return true;
}

int FirstPictureSide(const std::vector<std::uint8_t>& data, int field) {
    if (data.empty()) return 0;
    const int side = data[DirectorySize + field];
    return side == 0 ? 256 : side;
}

}  // namespace

TIconImage::TIconImage(std::vector<std::uint8_t> data) : data_(std::move(data)) {}

TIconHandle TIconImage::Handle() const {
    std::lock_guard hold(mutex_);
    if (!handleMade_) {
        handle_.Reset(CreateIconHandle(data_.data(), data_.size()));
        handleMade_ = true;
    }
    return handle_.Get();
}

int TIcon::Width() const { return image_ ? FirstPictureSide(image_->Data(), 0) : 0; }
int TIcon::Height() const { return image_ ? FirstPictureSide(image_->Data(), 1) : 0; }

void TIcon::SetWidth(int) { throw EInvalidGraphicOperation(SChangeIconSize); }
void TIcon::SetHeight(int) { throw EInvalidGraphicOperation(SChangeIconSize); }

const std::vector<std::uint8_t>& TIcon::Data() const {
    static const std::vector<std::uint8_t> none;
    return image_ ? image_->Data() : none;
}

void TIcon::Assign(const TPersistent& source) {
    if (const auto* icon = dynamic_cast<const TIcon*>(&source)) {
        image_ = icon->image_;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TIcon::LoadFromStream(TStream& stream) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(stream.Size() - stream.Position()));
    stream.ReadBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    if (!IsIconFile(data)) throw EInvalidGraphic(SInvalidIcon);
    image_ = MakeShared<TIconImage>(std::move(data));
    Changed();
}

void TIcon::SaveToStream(TStream& stream) {
    const auto& data = Data();
    stream.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
}

void TIcon::Clear() {
    image_ = {};
    Changed();
}

}  // namespace skl
