#include "gif/GIFFrame.h"

#include <algorithm>

#include "gif/BlitTransparent.h"
#include "gif/GIFImage.h"

namespace skl {

TGIFFrame::TGIFFrame(TGIFImage* owner) : owner_(owner), item_(MakeShared<TGIFItem>()) {}

TGIFFrame::~TGIFFrame() = default;

void TGIFFrame::DrawFrame(TCanvas& canvas, const TRect& rect, bool transparent) {
    TBitmap& bitmap = FrameBitmap();
    if (transparent && TransparentKey != clNone)
        BlitTransparent(canvas, rect.Left, rect.Top, rect.Width(), rect.Height(), bitmap, 0, 0, bitmap.Width(),
                        bitmap.Height(), TransparentKey);
    else
        canvas.StretchDraw(rect, bitmap);
}

int TGIFFrame::FrameWidth() const { return bitmap_ || item_->CodeData ? FrameBitmap().Width() : 0; }

int TGIFFrame::FrameHeight() const { return bitmap_ || item_->CodeData ? FrameBitmap().Height() : 0; }

namespace {

bool IsComment(const TExtension& extension) { return extension.Kind == TExtensionKind::ekComment; }

}  // namespace

const TExtension* TGIFFrame::LastComment() const {
    const auto comment = std::find_if(ExtensionList.rbegin(), ExtensionList.rend(), IsComment);
    return comment == ExtensionList.rend() ? nullptr : &*comment;
}

std::vector<std::string>& TGIFFrame::FrameComment() {
    const auto comment = std::find_if(ExtensionList.rbegin(), ExtensionList.rend(), IsComment);
    if (comment != ExtensionList.rend()) return comment->SubBlocks;
    TExtension added;
    added.Kind = TExtensionKind::ekComment;
    ExtensionList.push_back(std::move(added));
    return ExtensionList.back().SubBlocks;
}

void TGIFFrame::SetFrameComment(const std::vector<std::string>& lines) { FrameComment() = lines; }

void TGIFFrame::CopyFrom(const TGIFFrame& source) {
    item_ = source.item_;
    FramePos = source.FramePos;
    IsInterlaced = source.IsInterlaced;
    TransparentKey = source.TransparentKey;
    DelayMs = source.DelayMs;
    Disposal = source.Disposal;
    GrayForced = source.GrayForced;
    Damaged = source.Damaged;
    bitmap_.reset();
    if (source.bitmap_) {
        bitmap_ = std::make_unique<TBitmap>();
        bitmap_->Assign(*source.bitmap_);
    }
    const TExtension* comment = source.LastComment();
    if (comment && !comment->SubBlocks.empty()) SetFrameComment(comment->SubBlocks);
}

void TGIFFrame::Assign(const TPersistent& source) {
    if (const auto* frame = dynamic_cast<const TGIFFrame*>(&source)) {
        if (frame == this) return;
        const bool sameOwner = frame->owner_ == owner_;
        CopyFrom(*frame);
        OwnColors = sameOwner ? frame->OwnColors : true;
        UpdateOwnerSize();
    } else if (const auto* image = dynamic_cast<const TGIFImage*>(&source)) {
        const int index = std::max(image->ActiveFrame(), 0);
        if (index >= image->FrameCount()) return Clear();
        Assign(image->FrameAt(index));
    } else {
        TPersistent::Assign(source);
    }
}

void TGIFFrame::Clear() {
    item_ = MakeShared<TGIFItem>();
    bitmap_.reset();
    UpdateOwnerSize();
}

void TGIFFrame::AssignTo(TPersistent& target) const {
    if (dynamic_cast<TGIFFrame*>(&target) || dynamic_cast<TGIFImage*>(&target)) return target.Assign(*this);
    auto* graphic = dynamic_cast<TGraphic*>(&target);
    if (!graphic) return TPersistent::AssignTo(target);
    graphic->Assign(FrameBitmap());
    auto* bitmap = dynamic_cast<TBitmap*>(graphic);
    if (bitmap && TransparentKey != clNone) {
        // A true-colour display shows every colour as it is.
        bitmap->SetTransparentColor(TransparentKey & 0xFFFFFF);
        bitmap->SetTransparent(true);
    }
}

void TGIFFrame::UpdateOwnerSize() {
    if (owner_) owner_->UpdateLogicalSize();
}

}  // namespace skl
