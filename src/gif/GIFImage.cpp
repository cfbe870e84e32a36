#include "gif/GIFImage.h"

#include <algorithm>
#include <utility>

#include "framework/graphics/Bitmap.h"
#include "framework/core/Exceptions.h"
#include "gif/GIFReader.h"
#include "framework/core/LittleEndian.h"

namespace skl {

TGIFImage::TGIFImage() {
    Reset();
    SetTransparent(true);
}

TGIFImage::~TGIFImage() { OnChange = nullptr; }

void TGIFImage::Reset() {
    header_ = MakeShared<TGIFData>();
    frames_.clear();
    activeFrame_ = -1;
    screen_ = {};
}

void TGIFImage::ParseGIF(TStream& source, std::int64_t length, bool decodeFirst) {
    Reset();
    if (length < 0 || length > source.Size() - source.Position()) throw EReadError(SReadError);
    if (length > 0) {
        std::vector<std::uint8_t> data(static_cast<std::size_t>(length));
        source.ReadBuffer(data.data(), length);
        TGIFContents contents = GIFReader(data.data(), data.size(), TolerateDamage).Read();
        const std::exception_ptr failure = contents.Failure;
        Adopt(std::move(contents));
        if (failure) std::rethrow_exception(failure);
    }
    if (!frames_.empty()) {
        activeFrame_ = 0;
        if (decodeFirst) {
            try {
                frames_.front()->FrameBitmap();
            } catch (...) {
                frames_.erase(frames_.begin());
                if (frames_.empty()) activeFrame_ = -1;
                throw;
            }
        }
    }
    PaletteModified = true;
    Changed();
}

void TGIFImage::Adopt(TGIFContents contents) {
    header_ = contents.Header;
    frames_ = std::move(contents.Frames);
    for (const auto& frame : frames_) frame->owner_ = this;
    screen_ = contents.Screen;
}

void TGIFImage::ReadFromStream(TStream& stream) { ParseGIF(stream, stream.Size() - stream.Position(), true); }

void TGIFImage::ReadData(TStream& stream) {
    std::uint8_t bytes[4];
    stream.ReadBuffer(bytes, 4);
    ParseGIF(stream, ReadLittleEndian<std::int32_t>(bytes), true);
}

void TGIFImage::WriteData(TStream& stream) {
    TMemoryStream data;
    SaveToStream(data);
    std::uint8_t bytes[4];
    WriteLittleEndian(bytes, static_cast<std::uint32_t>(data.Length()));
    stream.WriteBuffer(bytes, 4);
    stream.WriteBuffer(data.Memory(), data.Length());
}

int TGIFImage::AddFrame(const TPersistent& source) {
    // In the list first, so that the picture's new size takes it in.
    frames_.push_back(std::make_unique<TGIFFrame>(this));
    try {
        frames_.back()->Assign(source);
    } catch (...) {
        frames_.pop_back();
        throw;
    }
    activeFrame_ = FrameCount() - 1;
    if (screen_.FormatVersion == 0) screen_.FormatVersion = 1;
    if (FrameCount() > 1) screen_.FormatVersion = 2;
    return activeFrame_;
}

int TGIFImage::LogicalWidth() const { return Empty() ? 0 : screen_.LogicalWidth; }

int TGIFImage::LogicalHeight() const { return Empty() ? 0 : screen_.LogicalHeight; }

const TGIFFrame* TGIFImage::CurrentFrame() const {
    return activeFrame_ >= 0 && activeFrame_ < FrameCount() ? &FrameAt(activeFrame_) : nullptr;
}

TGIFFrame* TGIFImage::CurrentFrame() { return std::as_const(*this).CurrentFrame() ? &FrameAt(activeFrame_) : nullptr; }

int TGIFImage::Width() const {
    const TGIFFrame* frame = CurrentFrame();
    return frame && !Empty() ? frame->FrameBitmap().Width() : 0;
}

int TGIFImage::Height() const {
    const TGIFFrame* frame = CurrentFrame();
    return frame && !Empty() ? frame->FrameBitmap().Height() : 0;
}

void TGIFImage::SetWidth(int) { throw EInvalidGraphicOperation(SGIFSizeFixed); }

void TGIFImage::SetHeight(int) { throw EInvalidGraphicOperation(SGIFSizeFixed); }

bool TGIFImage::Empty() const {
    const int index = std::max(activeFrame_, 0);
    if (index >= FrameCount()) return true;
    const TGIFFrame& frame = FrameAt(index);
    if (frame.bitmap_) return false;
    const auto& codeData = frame.Item().CodeData;
    return !codeData || codeData->Length() == 0;
}

const std::vector<TRGBQuad>* TGIFImage::Palette() const {
    const TGIFFrame* frame = CurrentFrame();
    return frame ? frame->FrameBitmap().Palette() : nullptr;
}

bool TGIFImage::Transparent() const {
    return TGraphic::Transparent() &&
           std::any_of(frames_.begin(), frames_.end(), [](const auto& frame) { return frame->TransparentKey != clNone; });
}

bool TGIFImage::Equals(TGraphic& other) const {
    auto* image = dynamic_cast<TGIFImage*>(&other);
    return image && image->header_.get() == header_.get();
}

void TGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
    if (TGIFFrame* frame = CurrentFrame()) frame->DrawFrame(canvas, rect, Transparent());
}

void TGIFImage::Assign(const TPersistent& source) {
    if (const auto* image = dynamic_cast<const TGIFImage*>(&source)) {
        if (image == this) return;
        header_ = image->header_;
        screen_ = image->screen_;
        frames_.clear();
        for (const auto& sourceFrame : image->frames_) {
            auto frame = std::make_unique<TGIFFrame>(this);
            frame->CopyFrom(*sourceFrame);
            frame->OwnColors = sourceFrame->OwnColors;
            frames_.push_back(std::move(frame));
        }
        activeFrame_ = image->activeFrame_;
    } else if (const auto* frame = dynamic_cast<const TGIFFrame*>(&source)) {
        // The frame may belong to this picture: copy it before the reset.
        auto copy = std::make_unique<TGIFFrame>(this);
        copy->CopyFrom(*frame);
        copy->OwnColors = frame->owner_ == this ? frame->OwnColors : true;
        const TSharedRef<TGIFData> ownerHeader = frame->owner_ ? frame->owner_->header_ : MakeShared<TGIFData>();
        Reset();
        header_->AspectByte = ownerHeader->AspectByte;
        header_->ColorBits = ownerHeader->ColorBits;
        header_->ColorResolution = ownerHeader->ColorResolution;
        header_->GlobalTable = ownerHeader->GlobalTable;
        frames_.push_back(std::move(copy));
        UpdateLogicalSize();
        activeFrame_ = 0;
        if (screen_.FormatVersion == 0) screen_.FormatVersion = 1;
    } else {
        return TGraphic::Assign(source);
    }
    Changed();
}

void TGIFImage::Clear() {
    Reset();
    Changed();
}

void TGIFImage::AssignTo(TPersistent& target) const {
    if (dynamic_cast<TGIFImage*>(&target)) return target.Assign(*this);
    auto* graphic = dynamic_cast<TGraphic*>(&target);
    if (!graphic) return TGraphic::AssignTo(target);
    if (Empty()) {
        TBitmap nothing;
        graphic->Assign(nothing);
    } else if (activeFrame_ < 0) {
        graphic->Assign(FrameAt(0).FrameBitmap());
    } else if (const TGIFFrame* frame = CurrentFrame()) {
        frame->AssignTo(*graphic);
    }
}

void TGIFImage::UpdateLogicalSize() {
    int width = 0;
    int height = 0;
    for (const auto& frame : frames_) {
        width = std::max(width, frame->FramePos.X + frame->FrameWidth());
        height = std::max(height, frame->FramePos.Y + frame->FrameHeight());
    }
    screen_.LogicalWidth = static_cast<std::uint16_t>(std::min(width, 0xFFFF));
    screen_.LogicalHeight = static_cast<std::uint16_t>(std::min(height, 0xFFFF));
}

}  // namespace skl
