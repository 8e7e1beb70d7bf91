#include "toeval.h"

#include <chrono>
#include <cmath>
#include <utility>
#include <vector>

namespace {

std::mt19937_64& bron()
{
    static std::mt19937_64 generator {5489u};
    return generator;
}

// Walks through every path of draws depth first: a path is replayed up to its last draw that has values left,
// which then takes its next value.
class Doorloper
{
public:
    std::int64_t Volgende(std::int64_t n)
    {
        if (m_diepte == m_pad.size())
            m_pad.push_back({0, n});
        return m_pad[m_diepte++].first;
    }

    bool Verder()
    {
        m_pad.resize(m_diepte);
        m_diepte = 0;
        while (!m_pad.empty() && m_pad.back().first + 1 >= m_pad.back().second)
            m_pad.pop_back();
        if (m_pad.empty())
            return false;
        ++m_pad.back().first;
        return true;
    }

private:
    std::vector<std::pair<std::int64_t, std::int64_t>> m_pad; // per draw: its value and how many it has
    std::size_t m_diepte = 0;
};

Doorloper* actieveDoorloper = nullptr;

} // namespace

double Rnd()
{
    // 53 random bits scaled into [0, 1): never 1.0, unlike some generate_canonical versions.
    return static_cast<double>(bron()() >> 11) * 0x1.0p-53;
}

void ZaaiToeval()
{
    const auto nu = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    bron().seed(static_cast<std::uint64_t>(nu));
}

void ZaaiToeval(std::uint64_t zaad)
{
    bron().seed(zaad);
}

std::int64_t RandomIndex(std::int64_t n)
{
    if (actieveDoorloper)
        return n > 1 ? actieveDoorloper->Volgende(n) : 0;
    return static_cast<std::int64_t>(std::floor(static_cast<double>(n) * Rnd()));
}

std::int64_t RandomTot(std::int64_t n)
{
    return RandomIndex(n) + 1;
}

EigenToeval::EigenToeval(std::uint64_t zaad)
    : m_buiten(bron())
{
    bron().seed(zaad);
}

EigenToeval::~EigenToeval()
{
    bron() = m_buiten;
}

void ElkeTrekking(const std::function<void()>& trekking)
{
    Doorloper doorloper;
    struct Terugzetter
    {
        Doorloper* vorige;
        ~Terugzetter() { actieveDoorloper = vorige; }
    } terug {std::exchange(actieveDoorloper, &doorloper)};
    do
        trekking();
    while (doorloper.Verder());
}
