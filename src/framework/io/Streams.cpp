#include "framework/io/Streams.h"

#include <algorithm>
#include <cstring>
#include <cstddef>
#include <limits>
#include <new>

#include "framework/core/Exceptions.h"

namespace skl {

namespace {

// A count of bytes within a memory stream's block, which fits the address
// space (Reserve sees to that).
std::size_t Bytes(std::int64_t count) { return static_cast<std::size_t>(count); }

}  // namespace

std::int64_t TStream::Size() {
    const std::int64_t position = Position();
    const std::int64_t size = Seek(0, TSeekOrigin::End);
    SetPosition(position);
    return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

// ---- TMemoryStream ----

void TMemoryStream::Reserve(std::int64_t capacity) {
    if (capacity <= capacity_) return;
    if (capacity > std::numeric_limits<std::ptrdiff_t>::max()) throw EStreamError(SMemoryStreamError);
    std::unique_ptr<std::uint8_t[]> memory(new (std::nothrow) std::uint8_t[Bytes(capacity)]);
    if (!memory) throw EStreamError(SMemoryStreamError);
    if (size_ > 0) std::memcpy(memory.get(), memory_.get(), Bytes(size_));
    memory_ = std::move(memory);
    capacity_ = capacity;
}

void TMemoryStream::SetSize(std::int64_t size) {
    Reserve(size);
    size_ = size;
    position_ = std::min(position_, size_);
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
    const std::int64_t available = std::clamp<std::int64_t>(size_ - position_, 0, count);
    if (available > 0) std::memcpy(buffer, memory_.get() + position_, Bytes(available));
    position_ += available;
    return available;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
    if (count <= 0) return 0;
    const std::int64_t end = position_ + count;
    if (end > capacity_) Reserve(std::max(end, capacity_ + capacity_ / 2));
    std::memcpy(memory_.get() + position_, buffer, Bytes(count));
    position_ = end;
    size_ = std::max(size_, end);
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    switch (origin) {
        case TSeekOrigin::Beginning: position_ = offset; break;
        case TSeekOrigin::Current: position_ += offset; break;
        case TSeekOrigin::End: position_ = size_ + offset; break;
    }
    return position_;
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    const std::int64_t count = source.Size();
    SetSize(count);
    source.ReadBuffer(memory_.get(), count);
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& path) {
    TFileStream file(path, TFileMode::OpenReadShareDenyWrite);
    LoadFromStream(file);
}

// ---- TFileStream ----

TFileStream::TFileStream(const std::string& path, TFileMode mode) : TFileStream(path, mode, path) {}

TFileStream::TFileStream(const std::string& openPath, TFileMode mode, const std::string& reportedPath)
    : path_(openPath) {
    if (mode == TFileMode::Create) {
        handle_.Reset(CreateExclusive(openPath));
        if (!handle_) throw EFCreateError(Format(SFCreateError, reportedPath.c_str()));
    } else {
        handle_.Reset(OpenForReading(openPath));
        if (!handle_) throw EFOpenError(Format(SFOpenError, reportedPath.c_str()));
    }
}

TFileStream::~TFileStream() = default;

void TFileStream::Close() { handle_.Reset(); }

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) { return FileRead(handle_.Get(), buffer, count); }

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
    return FileWrite(handle_.Get(), buffer, count);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    return FileSeek(handle_.Get(), offset, static_cast<int>(origin));
}

// ---- TReplacingFileStream ----

namespace {

std::string TemporaryFor(const std::string& path) { return path + ".tmp"; }

// The temporary file's place, cleared of what an interrupted replace left
// there; a failure names what stays in the way.
std::string WritableTemporaryFor(const std::string& path) {
    if (RefusesWriting(path)) throw EFCreateError(Format(SFCreateError, path.c_str()));
    const std::string temporary = TemporaryFor(path);
    if (!RemoveLeftover(temporary)) throw EFCreateError(Format(SFCreateError, temporary.c_str()));
    return temporary;
}

}  // namespace

TReplacingFileStream::TReplacingFileStream(const std::string& path)
    : TFileStream(WritableTemporaryFor(path), TFileMode::Create, path), target_(path) {}

void TReplacingFileStream::RemoveLeftover(const std::string& path) { skl::RemoveLeftover(TemporaryFor(path)); }

TReplacingFileStream::~TReplacingFileStream() {
    if (committed_) return;
    Close();
    RemoveFile(FileName());
}

void TReplacingFileStream::Commit() {
    Close();
    committed_ = true;
    if (MoveFileOver(FileName(), target_)) return;
    RemoveFile(FileName());
    throw EFCreateError(Format(SFCreateError, target_.c_str()));
}

}  // namespace skl
