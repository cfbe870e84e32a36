#pragma once
// GIF bytes in memory read whole by giflib, the peer decoder.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <string>

class GiflibFile {
public:
    // Opens and reads all of `bytes`, which must outlive the file; empty
    // when giflib refuses them.
    explicit GiflibFile(const std::string& bytes) : bytes_(bytes) {
        int error = 0;
        file_ = DGifOpen(this, Read, &error);
        if (file_ && DGifSlurp(file_) != GIF_OK) Close();
    }
    ~GiflibFile() { Close(); }
    GiflibFile(const GiflibFile&) = delete;
    GiflibFile& operator=(const GiflibFile&) = delete;

    explicit operator bool() const { return file_ != nullptr; }
    GifFileType* get() const { return file_; }
    GifFileType* operator->() const { return file_; }

private:
    static int Read(GifFileType* file, GifByteType* buffer, int count) {
        auto* self = static_cast<GiflibFile*>(file->UserData);
        const std::size_t available = std::min<std::size_t>(count, self->bytes_.size() - self->position_);
        std::memcpy(buffer, self->bytes_.data() + self->position_, available);
        self->position_ += available;
        return static_cast<int>(available);
    }
    void Close() {
        int error = 0;
        if (file_) DGifCloseFile(file_, &error);
        file_ = nullptr;
    }

    const std::string& bytes_;
    std::size_t position_ = 0;
    GifFileType* file_ = nullptr;
};
