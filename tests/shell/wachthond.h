#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>

// Ends the test program with a message when it lives longer than the limit, so that a step that
// hangs fails the run instead of stalling it.
class Wachthond
{
public:
    Wachthond(std::chrono::seconds limiet, const std::string& wat)
        : m_draad([klaar = m_klaar.get_future(), limiet, wat] {
            if (klaar.wait_for(limiet) == std::future_status::ready)
                return;
            std::fprintf(
                stderr, "Hangs for more than %llds: %s\n", static_cast<long long>(limiet.count()), wat.c_str());
            std::_Exit(EXIT_FAILURE);
        })
    { }
    ~Wachthond()
    {
        m_klaar.set_value();
        m_draad.join();
    }
    Wachthond(const Wachthond&) = delete;
    Wachthond& operator=(const Wachthond&) = delete;

private:
    std::promise<void> m_klaar;
    std::thread m_draad; // after the promise, whose future it takes
};
