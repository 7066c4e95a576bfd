#include "BackgroundMd5.h"

BackgroundMd5::BackgroundMd5()
{
    for (int i = 0; i < BLOCK_COUNT; ++i) {
        m_freeBlocks.push_back(i);
        m_blocks.emplace_back();
    }
}

BackgroundMd5::~BackgroundMd5()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundMd5::reset()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    drain(lock);
    m_hash.reset();
    m_nFill = 0;
}

char* BackgroundMd5::freeSpace(qint64* pSize)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_nCurrent < 0) {
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
        m_wake.wait(lock, [this] { return !m_freeBlocks.empty(); });
        m_nCurrent = m_freeBlocks.back();
        m_freeBlocks.pop_back();
        m_nFill = 0;
        // Allocated on first use: a client that never downloads never holds them.
        if (!m_blocks[size_t(m_nCurrent)])
            m_blocks[size_t(m_nCurrent)].reset(new char[BLOCK_SIZE]);
    }
    *pSize = BLOCK_SIZE - m_nFill;
    return m_blocks[size_t(m_nCurrent)].get() + m_nFill;
}

void BackgroundMd5::commit(qint64 nBytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nFill += nBytes;
    if (m_nFill >= BLOCK_SIZE)
        handOver();
}

QByteArray BackgroundMd5::hexResult()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_nCurrent >= 0 && m_nFill > 0)
        handOver();
    drain(lock);
    return m_hash.result().toHex();
}

// Under the mutex.
void BackgroundMd5::handOver()
{
    m_pending.emplace_back(m_nCurrent, m_nFill);
    m_nCurrent = -1;
    m_nFill = 0;
    m_wake.notify_all();
}

void BackgroundMd5::drain(std::unique_lock<std::mutex>& lock)
{
    m_wake.wait(lock, [this] { return m_pending.empty() && !m_bBusy; });
}

void BackgroundMd5::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bStop || !m_pending.empty(); });
        if (m_bStop)
            return;
        const std::pair<int, qint64> block = m_pending.front();
        m_pending.pop_front();
        m_bBusy = true;
        lock.unlock();
        m_hash.addData(m_blocks[size_t(block.first)].get(), int(block.second));
        lock.lock();
        m_bBusy = false;
        m_freeBlocks.push_back(block.first);
        m_wake.notify_all();
    }
}
