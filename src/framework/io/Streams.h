#pragma once
// Byte streams: the abstract stream, memory streams and file streams.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/system/FileHandle.h"

namespace skl {

enum class TSeekOrigin { Beginning = 0, Current = 1, End = 2 };

class TStream {
public:
    virtual ~TStream() = default;
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, TSeekOrigin::Current); }
    void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::Beginning); }
    std::int64_t Size();

    // Whole transfers: EReadError / EWriteError when fewer bytes move.
    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
};

class TMemoryStream : public TStream {
public:
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

    // Gives the stream exactly `size` bytes; EStreamError when memory runs out.
    void SetSize(std::int64_t size);
    const std::uint8_t* Memory() const { return memory_.get(); }
    std::uint8_t* Memory() { return memory_.get(); }
    std::int64_t Length() const { return size_; }

    void LoadFromStream(TStream& source);
    void LoadFromFile(const std::string& path);

private:
    void Reserve(std::int64_t capacity);

    std::unique_ptr<std::uint8_t[]> memory_;
    std::int64_t size_ = 0;
    std::int64_t capacity_ = 0;
    std::int64_t position_ = 0;
};

enum class TFileMode {
    OpenReadShareDenyWrite,  // read; others may read, not write; must exist
    Create,                  // read and write, no sharing; created or truncated
};

class TFileStream : public TStream {
public:
    // EFOpenError / EFCreateError "Cannot open/create file %s" on failure.
    TFileStream(const std::string& path, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

    const std::string& FileName() const { return path_; }

protected:
    // Opens `openPath`; a failure names `reportedPath`.
    TFileStream(const std::string& openPath, TFileMode mode, const std::string& reportedPath);
    void Close();

private:
    std::string path_;
    TOwnedFile handle_;
};

// A file that replaces `path` only when complete: the bytes go to a file
// beside it, and Commit puts that file in the place of `path`. Without a
// Commit (a failure on the way) the old file stays as it was.
class TReplacingFileStream : public TFileStream {
public:
    explicit TReplacingFileStream(const std::string& path);
    ~TReplacingFileStream() override;
    void Commit();

    // Removes the file that a replace of `path` cut short (by a kill or a
    // power cut) left beside it.
    static void RemoveLeftover(const std::string& path);

private:
    std::string target_;
    bool committed_ = false;
};

}  // namespace skl
