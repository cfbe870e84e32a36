#pragma once
// An icon: the bytes of an icon file (.ico) and the system handle made from
// them when first asked for. Copies share one reference-counted image.
#include <cstdint>
#include <mutex>
#include <vector>

#include "framework/graphics/Graphic.h"
#include "framework/system/IconHandle.h"
#include "framework/graphics/SharedImage.h"

namespace skl {

class TIconImage : public TSharedImage {
public:
    explicit TIconImage(std::vector<std::uint8_t> data);

    const std::vector<std::uint8_t>& Data() const { return data_; }
    // Made on the first call, from any thread.
    TIconHandle Handle() const;

private:
    std::vector<std::uint8_t> data_;
    mutable std::mutex mutex_;
    mutable TOwnedIcon handle_;
    mutable bool handleMade_ = false;
};

class TIcon : public TGraphic {
public:
    const char* ClassName() const override { return "TIcon"; }

    // Size of the icon file's first picture.
    int Width() const override;
    int Height() const override;
    // EInvalidGraphicOperation: an icon's size is that of its picture.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Empty() const override { return !image_; }

    // None for an empty icon or a picture the system cannot use.
    TIconHandle Handle() const { return image_ ? image_->Handle() : TIconHandle(); }
    // The stored icon file; empty for an empty icon.
    const std::vector<std::uint8_t>& Data() const;

    void Assign(const TPersistent& source) override;
    // Reads an icon file from the stream's position to its end.
    // EInvalidGraphic "Icon image is not valid" when it is not one.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    void Clear();

private:
    TSharedRef<TIconImage> image_;
};

}  // namespace skl
