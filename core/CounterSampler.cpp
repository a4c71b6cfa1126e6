#include "CounterSampler.h"

#include <QMetaObject>

#include <chrono>

namespace halvo {

CounterSampler::CounterSampler(int periodMs, std::function<bool()> sample, QObject* receiver,
                               std::function<void()> told)
    : m_periodMs(periodMs), m_sample(std::move(sample)), m_receiver(receiver), m_told(std::move(told)),
      m_thread([this] { run(); }) {}

CounterSampler::~CounterSampler() {
    {
        const std::lock_guard hold(m_lock);
        m_stop = true;
    }
    m_stopped.notify_all();
    m_thread.join();
}

void CounterSampler::run() {
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(m_periodMs);
    std::unique_lock hold(m_lock);
    auto next = Clock::now() + period;
    while (!m_stop) {
        if (m_stopped.wait_until(hold, next) == std::cv_status::no_timeout)
            continue; // woken to stop (or spuriously): the loop looks again
        // The next sample keeps the pace; after a stall it comes a whole period on.
        next += period;
        if (const auto now = Clock::now(); next <= now)
            next = now + period;
        if (m_sample())
            QMetaObject::invokeMethod(m_receiver, m_told, Qt::QueuedConnection);
    }
}

} // namespace halvo
