#pragma once

// Takes the samples of an armed watch on a thread of its own, so that the interface thread sleeps through
// them. Only for a watch whose samples all come from counters the backend reads on any thread (the
// processor, the network): a sample then costs the wake of this thread alone, and the interface thread
// hears of it only when it must act or has something to show.

#include <QMutex>
#include <QObject>
#include <QThread>
#include <QWaitCondition>

#include <functional>

namespace halvo {

class CounterSampler : public QThread {
public:
    // sample is called every periodMs (by the monotonic clock) on this thread with lock() held, and says
    // whether the interface thread must hear of it; told is then called on receiver's thread, queued and
    // without the lock.
    CounterSampler(int periodMs, std::function<bool()> sample, QObject* receiver, std::function<void()> told);
    // Stops the samples and waits for the thread: nothing is sampled once it returns.
    ~CounterSampler() override;
    CounterSampler(const CounterSampler&) = delete;
    CounterSampler& operator=(const CounterSampler&) = delete;

    // What the samples touch is read under it elsewhere.
    QMutex& lock() { return m_lock; }

protected:
    void run() override;

private:
    const int m_periodMs;
    std::function<bool()> m_sample;
    QObject* m_receiver;
    std::function<void()> m_told;
    QMutex m_lock;
    QWaitCondition m_stopped;
    bool m_stop = false;
};

} // namespace halvo
