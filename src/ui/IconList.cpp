#include "ui/IconList.h"

#include <algorithm>
#include <cstdint>

#include "framework/core/Exceptions.h"
#include "framework/core/LittleEndian.h"

namespace skl {

namespace {

std::int32_t ReadInt32(TStream& stream) {
    std::uint8_t bytes[4];
    stream.ReadBuffer(bytes, 4);
    return ReadLittleEndian<std::int32_t>(bytes);
}

void WriteInt32(TStream& stream, std::int32_t value) {
    std::uint8_t bytes[4];
    WriteLittleEndian(bytes, value);
    stream.WriteBuffer(bytes, 4);
}

}  // namespace

TIcon* TIconList::Items(int index) const {
    CheckIndex(index);
    return icons_[index].get();
}

void TIconList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format(SListIndexError, index));
}

std::unique_ptr<TIcon> TIconList::Copy(const TIcon* icon) {
    if (!icon) return nullptr;
    auto copy = std::make_unique<TIcon>();
    copy->Assign(*icon);
    copy->OnChange = [this](TGraphic&) { Changed(); };
    return copy;
}

int TIconList::Add(const TIcon* icon) {
    icons_.push_back(Copy(icon));
    Changed();
    return Count() - 1;
}

void TIconList::Insert(int index, const TIcon* icon) {
    if (index != Count()) CheckIndex(index);
    icons_.insert(icons_.begin() + index, Copy(icon));
    Changed();
}

void TIconList::Replace(int index, const TIcon* icon) {
    if (index == Count()) {
        Add(icon);
        return;
    }
    CheckIndex(index);
    icons_[index] = Copy(icon);
    Changed();
}

void TIconList::Delete(int index) {
    CheckIndex(index);
    icons_.erase(icons_.begin() + index);
    Changed();
}

void TIconList::Clear() {
    BeginUpdate();
    while (!icons_.empty()) Delete(Count() - 1);
    EndUpdate();
}

void TIconList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(icons_[index1], icons_[index2]);
    Changed();
}

void TIconList::Move(int from, int to) {
    CheckIndex(from);
    CheckIndex(to);
    auto icon = std::move(icons_[from]);
    icons_.erase(icons_.begin() + from);
    icons_.insert(icons_.begin() + to, std::move(icon));
    Changed();
}

int TIconList::IndexOf(const TIcon* icon) const {
    auto found = std::find_if(icons_.begin(), icons_.end(), [icon](const auto& entry) { return entry.get() == icon; });
    return found == icons_.end() ? -1 : static_cast<int>(found - icons_.begin());
}

void TIconList::Assign(const TPersistent& source) {
    if (const auto* list = dynamic_cast<const TIconList*>(&source)) {
        if (list == this) return;
        BeginUpdate();
        Clear();
        for (const auto& icon : list->icons_) Add(icon.get());
        EndUpdate();
        return;
    }
    if (const auto* icon = dynamic_cast<const TIcon*>(&source)) {
        BeginUpdate();
        Clear();
        Add(icon);
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

void TIconList::AssignNothing() { Clear(); }

void TIconList::EndUpdate() {
    if (updates_ > 0 && --updates_ == 0) Changed();
}

void TIconList::Changed() {
    if (updates_ == 0 && OnChange) OnChange(*this);
}

void TIconList::WriteData(TStream& stream) const {
    WriteInt32(stream, Count());
    for (const auto& icon : icons_) {
        const std::vector<std::uint8_t> none;
        const auto& data = icon ? icon->Data() : none;
        WriteInt32(stream, static_cast<std::int32_t>(data.size()));
        stream.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    }
}

void TIconList::ReadData(TStream& stream) {
    BeginUpdate();
    try {
        Clear();
        const std::int32_t count = ReadInt32(stream);
        for (std::int32_t i = 0; i < count; ++i) {
            const std::int32_t length = ReadInt32(stream);
            if (length <= 0) {
                Add(nullptr);
                continue;
            }
            // A length past the stream's end is a damaged description, not a reason to allocate it.
            if (length > stream.Size() - stream.Position()) throw EReadError(SReadError);
            TMemoryStream bytes;
            bytes.SetSize(length);
            stream.ReadBuffer(bytes.Memory(), length);
            TIcon icon;
            icon.LoadFromStream(bytes);
            Add(&icon);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

}  // namespace skl
