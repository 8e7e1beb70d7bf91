#pragma once

#include "samenstellen.h"

#include <vector>

// A choice as the window reads it: the boxes `aan` ticked on the page of `tab` (tables 0..9 on "Tafels"); a
// Hoofdrekenen choice has the maximum 57, a bridge allowed.
inline BladKeuze Keuze(
    TabSoort tab, BladSoort soort, const std::vector<int>& aan = {}, BladOrdening ordening = BladOrdening::Gemengd)
{
    BladKeuze keuze;
    keuze.Tab = tab;
    keuze.Soort = soort;
    keuze.BladMax = 57;
    keuze.Ordening = ordening;
    const std::optional<std::size_t> p = PaginaVanTab(tab);
    if (p)
        keuze.SoortKeuze.at(*p).assign(SoortPaginas().at(*p).Soorten().size(), false);
    for (const int i : aan) {
        const auto vakje = static_cast<std::size_t>(i);
        if (p)
            keuze.SoortKeuze.at(*p).at(vakje) = true;
        else
            keuze.TafelKeuze.at(vakje) = true;
    }
    return keuze;
}
