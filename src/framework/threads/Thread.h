#pragma once
// A thread object: its body (Execute) runs on a thread of its own. Suspension
// is counted: the thread runs again, and Suspended() turns false, only when
// every Suspend has been matched by a Resume. A suspension takes effect where
// the body calls WaitWhileSuspended, never in the middle of its work. A thread
// with FreeOnTerminate frees itself when its body has returned; its creator
// then only observes it and must not touch it once it has been terminated.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <utility>

namespace skl {

// Scheduling priorities, from the system's lowest to its highest.
enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The system's number for a priority: -15, -2, -1, 0, 1, 2 or 15.
int SystemPriority(TThreadPriority priority);

class TThread {
public:
    // Deleting through this first terminates the thread, lets it go if it is
    // suspended and waits for its body, so that the body never outlives the
    // parts of the object it uses.
    struct Deleter {
        void operator()(TThread* thread) const;
    };
    template <class T>
    using Ptr = std::unique_ptr<T, Deleter>;

    // Makes the thread object and its thread; the body starts once the thread
    // is not suspended. EThread "Thread creation error: %s" when the system
    // cannot make a thread. A free-on-terminate thread is handed over with
    // release() and frees itself.
    template <class T, class... Args>
    static Ptr<T> Make(bool suspended, Args&&... args) {
        Ptr<T> thread(new T(std::forward<Args>(args)...));
        thread->Launch(suspended);
        return thread;
    }

    virtual ~TThread() = default;
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Suspend();
    void Resume();
    bool Suspended() const;

    void Terminate();
    bool Terminated() const;

    // The thread takes the priority when it next leaves a suspension (and at its start).
    void SetPriority(TThreadPriority priority);

    bool FreeOnTerminate() const;
    void SetFreeOnTerminate(bool value);

    // Waits until the body has returned.
    void WaitFor();

protected:
    TThread() = default;
    virtual void Execute() = 0;
    // Blocks the calling body while the thread is suspended.
    void WaitWhileSuspended();
    // Blocks the calling body until the thread is terminated.
    void WaitForTermination();

private:
    void Launch(bool suspended);
    void Run();
    void StopAndWait();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int suspensions_ = 0;
    bool terminated_ = false;
    bool launched_ = false;
    bool finished_ = false;
    bool freeOnTerminate_ = false;
    TThreadPriority priority_ = TThreadPriority::tpNormal;
    bool priorityChanged_ = false;
};

}  // namespace skl
