// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <atomic>

// The memory that decoding pictures may take, shared by every decode in
// flight: a decode first asks for what it will need at most, waits while
// others hold too much, and is refused when it needs more than the whole.
// The same bound is Qt's allocation limit for one picture, set once when the
// application object is made, on its thread, and never changed after: a
// picture is decodable or not the same way every time.
class DecodeBudget
{
public:
    // A quarter of physical memory, at least 128 MiB and at most 512 MiB.
    static qint64 total();

    enum Result { Granted, TooLarge, Cancelled };

    // Bytes held until destroyed (or release()).
    class Grant
    {
    public:
        Grant() = default;
        Grant(Grant &&other) noexcept : m_bytes(other.m_bytes) { other.m_bytes = 0; }
        Grant &operator=(Grant &&other) noexcept;
        Grant(const Grant &) = delete;
        Grant &operator=(const Grant &) = delete;
        ~Grant() { release(); }
        void release();
        qint64 bytes() const { return m_bytes; }

    private:
        friend class DecodeBudget;
        explicit Grant(qint64 bytes) : m_bytes(bytes) {}
        qint64 m_bytes = 0;
    };

    // Waits, first come first served, until bytes are free, or until cancel
    // is set. Blocking: for worker threads (and the synchronous image
    // check, which waits as its caller does).
    static Grant acquire(qint64 bytes, const std::atomic_bool *cancel, Result *result);

    // What the decoders did since start: for the tests and the benchmarks.
    struct Stats
    {
        int decodes = 0;    // pictures decoded, or tried
        int frames = 0;     // frames of animations
        int cancelled = 0;  // decodes given up because nobody wanted them any more
        int refused = 0;    // decodes that needed more than the whole budget
        int onUiThread = 0; // decodes or frames on the application's thread
        qint64 inUse = 0;
        qint64 peak = 0; // most bytes held at once
    };
    static Stats stats();
    enum class Counted { Decode, Frame, Cancelled, Refused };
    static void count(Counted what);

    // Sets Qt's allocation limit; run when the application object is made.
    static void setUp();
};
