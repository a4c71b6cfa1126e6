#pragma once

// Takes the samples of an armed watch on a thread of its own, so that the interface thread sleeps through
// them. Only for a watch whose samples all come from counters the backend reads on any thread (the
// processor, the network): a sample then costs the wake of this thread alone, and the interface thread
// hears of it only when it must act or has something to show. A bare thread: an event loop would cost more
// at each wake than the sample itself.

#include <QObject>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace halvo {

class CounterSampler {
public:
    // sample is called every periodMs (by the monotonic clock) on this thread with lock() held, and says
    // whether the interface thread must hear of it; told is then called on receiver's thread, queued and
    // without the lock.
    CounterSampler(int periodMs, std::function<bool()> sample, QObject* receiver, std::function<void()> told);
    // Stops the samples and waits for the thread: nothing is sampled once it returns.
    ~CounterSampler();
    CounterSampler(const CounterSampler&) = delete;
    CounterSampler& operator=(const CounterSampler&) = delete;

    // What the samples touch is read under it elsewhere.
    std::mutex& lock() { return m_lock; }

private:
    void run();

    const int m_periodMs;
    std::function<bool()> m_sample;
    QObject* m_receiver;
    std::function<void()> m_told;
    std::mutex m_lock;
    std::condition_variable m_stopped;
    bool m_stop = false;
    std::thread m_thread; // last: started once the rest is there
};

} // namespace halvo
