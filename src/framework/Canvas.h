#pragma once
// A drawing surface with a re-entrant lock, so that a worker thread and the
// user-interface thread take turns on it.
#include <mutex>

namespace skl {

class TCanvas {
public:
    virtual ~TCanvas() = default;
    void Lock() { lock_.lock(); }
    void Unlock() { lock_.unlock(); }
    bool TryLock() { return lock_.try_lock(); }

private:
    std::recursive_mutex lock_;
};

}  // namespace skl
