#pragma once

#include <QByteArray>
#include <QCryptographicHash>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Works out the MD5 of a stream on a thread of its own, so a download's thread only receives and writes
// while the digest keeps pace beside it. The caller fills the current block in place (freeSpace, then
// commit), a full block goes to the digest's thread and the caller goes on in the next free one. The
// blocks are few and fixed: memory stays the same whatever the stream's size, and a caller that outruns
// the digest waits for a block to come free.
//
// One object serves one caller thread. The digest's thread starts with the first block and ends with the
// object.
class BackgroundMd5
{
public:
    static constexpr int BLOCK_SIZE = 1024 * 1024;
    static constexpr int BLOCK_COUNT = 4;

    BackgroundMd5();
    ~BackgroundMd5();
    BackgroundMd5(const BackgroundMd5&) = delete;
    BackgroundMd5& operator=(const BackgroundMd5&) = delete;

    // Forgets every byte handed over so far.
    void reset();
    // Where the next bytes go, and how many fit there (at least one).
    char* freeSpace(qint64* pSize);
    // The first nBytes at freeSpace() belong to the stream now.
    void commit(qint64 nBytes);
    // The MD5 of everything committed since the last reset, in lower-case hexadecimal.
    QByteArray hexResult();

private:
    void run();
    void handOver();
    // Waits until the digest's thread has taken in every block handed over.
    void drain(std::unique_lock<std::mutex>& lock);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<int> m_freeBlocks;
    // Blocks handed over and not yet digested: index and length.
    std::deque<std::pair<int, qint64>> m_pending;
    bool m_bBusy = false;
    bool m_bStop = false;
    int m_nCurrent = -1;
    qint64 m_nFill = 0;
    QCryptographicHash m_hash{QCryptographicHash::Md5};

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_thread;
};
