#include "samenstellen.h"

#include "plaatswaarde.h"
#include "toeval.h"

#include <gtest/gtest.h>

#include <algorithm>

// The captions are handed to the generators as kind codes: each must be one that its generator knows.
TEST(Samenstellen, ElkOpschriftIsEenSoortVanZijnGenerator)
{
    ZaaiToeval(10);
    const std::array<const std::vector<std::string>& (*)(), 5> generatorSoorten {
        SoortenTwintig, SoortenHonderd, SoortenDuizend, SoortenTienduizend, SoortenHonderdduizend};
    const std::array<std::size_t, 5> aantallen {10, 27, 35, 28, 7};
    for (std::size_t p = 0; p < SoortPaginas().size(); ++p) {
        const SoortPagina& pagina = SoortPaginas()[p];
        EXPECT_EQ(pagina.Soorten.size(), aantallen.at(p)) << pagina.TabSoort.toStdString();
        const std::vector<std::string>& bekend = generatorSoorten.at(p)();
        for (const std::string& soort : pagina.Soorten)
            EXPECT_NE(std::ranges::find(bekend, soort), bekend.end()) << pagina.TabSoort.toStdString() << " " << soort;
    }
}
