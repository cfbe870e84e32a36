#pragma once
// An ordered list of icons that the list owns; an entry may be empty (no
// icon). OnChange fires after every change, also of a contained icon's
// picture, unless an update bracket is open; then once when the outermost
// bracket closes.
#include <functional>
#include <memory>
#include <vector>

#include "framework/graphics/Icon.h"
#include "framework/core/Persistent.h"
#include "framework/io/Streams.h"

namespace skl {

class TIconList : public TPersistent {
public:
    TIconList() = default;
    TIconList(const TIconList&) = delete;
    TIconList& operator=(const TIconList&) = delete;
    const char* ClassName() const override { return "TIconList"; }

    int Count() const { return static_cast<int>(icons_.size()); }
    // The entry at `index`, null for an empty entry.
    // EListError "List index out of bounds (%d)" outside 0..Count()-1.
    TIcon* Items(int index) const;

    // Each takes a copy of the icon; null gives an empty entry.
    int Add(const TIcon* icon);
    void Insert(int index, const TIcon* icon);
    // An index equal to Count() appends.
    void Replace(int index, const TIcon* icon);
    void Delete(int index);
    // Deletes from the last entry to the first.
    void Clear();
    void Exchange(int index1, int index2);
    void Move(int from, int to);
    // -1 when the icon object is not in the list.
    int IndexOf(const TIcon* icon) const;

    // From another list (one copy per entry), from a single icon (one copy),
    // or, with AssignNothing, empty.
    void Assign(const TPersistent& source) override;
    void AssignNothing();

    void BeginUpdate() { ++updates_; }
    void EndUpdate();

    // The stored form: entry count, then per entry its byte length and the
    // bytes of its icon file (length 0 for an empty entry); all integers
    // signed 32-bit little-endian. Reading replaces the whole list.
    void WriteData(TStream& stream) const;
    // EReadError when the stream ends early or an entry is longer than the
    // stream; EInvalidGraphic when an entry is not an icon file.
    void ReadData(TStream& stream);

    std::function<void(TIconList& sender)> OnChange;

private:
    void CheckIndex(int index) const;
    std::unique_ptr<TIcon> Copy(const TIcon* icon);
    void Changed();

    std::vector<std::unique_ptr<TIcon>> icons_;
    int updates_ = 0;
};

}  // namespace skl
