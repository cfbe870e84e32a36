#pragma once
// One frame of a GIF picture: its place and timing on the logical screen, its
// transparent colour, the extension blocks that preceded it, and its pixel
// data, decoded into a bitmap when first asked for.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/core/Persistent.h"
#include "framework/graphics/SharedImage.h"
#include "framework/io/Streams.h"
#include "framework/core/Types.h"
#include "gif/Extension.h"
#include "gif/GIFRecords.h"

namespace skl {

class TGIFImage;

class TGIFFrame : public TPersistent {
public:
    // A frame with a fresh, empty item, held by `owner` (not owned).
    explicit TGIFFrame(TGIFImage* owner = nullptr);
    ~TGIFFrame() override;
    TGIFFrame(const TGIFFrame&) = delete;
    TGIFFrame& operator=(const TGIFFrame&) = delete;
    const char* ClassName() const override { return "TGIFFrame"; }

    TGIFImage* Owner() const { return owner_; }
    TGIFItem& Item() { return *item_; }
    const TGIFItem& Item() const { return *item_; }

    // The frame's bitmap, decoded from CodeData when it is absent or empty,
    // also when the frame is read as a const source. The frame keeps it; a
    // failure leaves an empty bitmap in its place.
    const TBitmap& FrameBitmap() const;
    TBitmap& FrameBitmap();
    // Writes the bitmap image that FrameBitmap loads (file header,
    // information header, palette, pixel rows) into `target` and rewinds it.
    void BuildBitmapImage(TMemoryStream& target) const;
    // Draws FrameBitmap scaled into the rectangle; with `transparent` set and
    // a TransparentKey, pixels of the key colour leave the canvas as it is.
    void DrawFrame(TCanvas& canvas, const TRect& rect, bool transparent);
    // 0 when the frame has neither a bitmap nor CodeData, else the size of
    // FrameBitmap.
    int FrameWidth() const;
    int FrameHeight() const;

    // The strings of the last comment block before the image; reading
    // creates an empty comment block when there is none.
    std::vector<std::string>& FrameComment();
    void SetFrameComment(const std::vector<std::string>& lines);

    // The graphic control and comment blocks that preceded the image.
    std::vector<TExtension> ExtensionList;
    TPoint FramePos;
    bool IsInterlaced = false;
    // The pixel data was cut short or found corrupt; decoding finds it, also
    // when the frame is read as a const source.
    mutable bool Damaged = false;
    TColor TransparentKey = clNone;
    std::uint16_t DelayMs = 0;
    std::uint8_t Disposal = 0;
    bool OwnColors = false;
    bool GrayForced = false;

    // Copies a frame (sharing its item) or the active frame of a picture.
    void Assign(const TPersistent& source) override;
    // The copy from nothing: a fresh item and no bitmap.
    void Clear();

protected:
    void AssignTo(TPersistent& target) const override;

private:
    friend class TGIFImage;

    // Everything of a frame copy except the owner's new size and OwnColors.
    void CopyFrom(const TGIFFrame& source);
    const TExtension* LastComment() const;
    void UpdateOwnerSize();

    TGIFImage* owner_;
    // Decoded on first need: a cache of the item's pixel data.
    mutable std::unique_ptr<TBitmap> bitmap_;
    TSharedRef<TGIFItem> item_;
};

}  // namespace skl
