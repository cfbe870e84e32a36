#pragma once
// A GIF picture: the logical screen, its colours and loop settings, and the
// list of frames read from GIF data.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/Graphic.h"
#include "framework/graphics/SharedImage.h"
#include "gif/GIFFrame.h"
#include "gif/GIFRecords.h"

namespace skl {

struct TGIFContents;

class TGIFImage : public TGraphic {
public:
    TGIFImage();
    ~TGIFImage() override;
    TGIFImage(const TGIFImage&) = delete;
    TGIFImage& operator=(const TGIFImage&) = delete;
    const char* ClassName() const override { return "TGIFImage"; }

    // Damaged pixel data leaves the frame in the picture, flagged Damaged,
    // instead of failing the reading or the decoding.
    bool TolerateDamage = true;

    // Reads `length` bytes of GIF data from the source and replaces the
    // picture with them; with `decodeFirst`, frame 0's bitmap is built too.
    void ParseGIF(TStream& source, std::int64_t length, bool decodeFirst);
    // Reads the GIF data from the stream's position to its end.
    void ReadFromStream(TStream& stream);
    void LoadFromStream(TStream& stream) override { ReadFromStream(stream); }
    // Writes the picture as GIF data: the frames' pixel data as read.
    void SaveToStream(TStream& stream) override;
    // The stored form: a 32-bit little-endian length, then the GIF data.
    void ReadData(TStream& stream);
    void WriteData(TStream& stream);

    int FrameCount() const { return static_cast<int>(frames_.size()); }
    TGIFFrame& FrameAt(int index) { return *frames_.at(static_cast<std::size_t>(index)); }
    const TGIFFrame& FrameAt(int index) const { return *frames_.at(static_cast<std::size_t>(index)); }
    // Appends a frame copied from a GIF picture or frame and makes it the
    // active frame; returns its index.
    int AddFrame(const TPersistent& source);

    // The logical screen; 0 while the picture is empty.
    int LogicalWidth() const;
    int LogicalHeight() const;
    TColor BackdropColor() const { return screen_.BackdropColor; }
    bool LoopPresent() const { return screen_.LoopPresent; }
    std::uint16_t LoopCount() const { return screen_.LoopCount; }
    // 0 none, 1 "87a", 2 "89a".
    std::uint8_t FormatVersion() const { return screen_.FormatVersion; }
    int ActiveFrame() const { return activeFrame_; }
    const std::vector<std::string>& ImageComment() const { return header_->ImageComment; }
    const TGIFData& Header() const { return *header_; }

    // The size of the active frame's bitmap.
    int Width() const override;
    int Height() const override;
    // A GIF picture keeps the size of its frames: EInvalidGraphicOperation.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Empty() const override;
    // The palette of the active frame's bitmap; none without frames.
    const std::vector<TRGBQuad>* Palette() const override;
    // The transparent switch is on and some frame has a transparent colour.
    bool Transparent() const override;
    // The other picture shares this picture's header record.
    bool Equals(TGraphic& other) const;
    // Draws the active frame.
    void Draw(TCanvas& canvas, const TRect& rect) override;

    // Copies a GIF picture (sharing its records) or a single frame.
    void Assign(const TPersistent& source) override;
    // The copy from nothing: an empty picture.
    void Clear();

protected:
    void AssignTo(TPersistent& target) const override;

private:
    friend class TGIFFrame;

    void Reset();
    void Adopt(TGIFContents contents);
    void UpdateLogicalSize();
    // The active frame; none when there is none.
    const TGIFFrame* CurrentFrame() const;
    TGIFFrame* CurrentFrame();

    TSharedRef<TGIFData> header_;
    std::vector<std::unique_ptr<TGIFFrame>> frames_;
    TGIFScreen screen_;
    int activeFrame_ = -1;
};

}  // namespace skl
