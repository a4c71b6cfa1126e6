#include "CounterSampler.h"

#include <QDeadlineTimer>
#include <QMetaObject>

namespace halvo {

CounterSampler::CounterSampler(int periodMs, std::function<bool()> sample, QObject* receiver,
                               std::function<void()> told)
    : m_periodMs(periodMs), m_sample(std::move(sample)), m_receiver(receiver), m_told(std::move(told)) {
    setObjectName("CounterSampler");
    start();
}

CounterSampler::~CounterSampler() {
    {
        QMutexLocker locker(&m_lock);
        m_stop = true;
        m_stopped.wakeAll();
    }
    wait();
}

void CounterSampler::run() {
    QMutexLocker locker(&m_lock);
    QDeadlineTimer next(m_periodMs, Qt::PreciseTimer);
    while (!m_stop) {
        if (m_stopped.wait(&m_lock, next) || m_stop)
            continue; // woken to stop (or spuriously): the loop looks again
        // The next sample keeps the pace; after a stall it comes a whole period on.
        next += m_periodMs;
        if (next.hasExpired())
            next = QDeadlineTimer(m_periodMs, Qt::PreciseTimer);
        if (m_sample())
            QMetaObject::invokeMethod(m_receiver, m_told, Qt::QueuedConnection);
    }
}

} // namespace halvo
