#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

// Ends the test program with a message when it lives longer than the limit, so that a step that
// hangs fails the run instead of stalling it.
class Wachthond
{
public:
    Wachthond(std::chrono::seconds limiet, std::string wat)
        : m_draad([this, limiet, wat = std::move(wat)] { Bewaak(limiet, wat); })
    { }
    ~Wachthond()
    {
        {
            const std::lock_guard slot(m_mutex);
            m_klaar = true;
        }
        m_signaal.notify_one();
        m_draad.join();
    }
    Wachthond(const Wachthond&) = delete;
    Wachthond& operator=(const Wachthond&) = delete;

private:
    void Bewaak(std::chrono::seconds limiet, const std::string& wat)
    {
        std::unique_lock slot(m_mutex);
        if (m_signaal.wait_for(slot, limiet, [this] { return m_klaar; }))
            return;
        std::fprintf(stderr, "Hangs for more than %lld s: %s\n", static_cast<long long>(limiet.count()), wat.c_str());
        std::_Exit(EXIT_FAILURE);
    }

    std::mutex m_mutex;
    std::condition_variable m_signaal;
    bool m_klaar = false;
    std::thread m_draad; // last: it starts once the members above exist
};
