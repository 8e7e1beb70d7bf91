#include "plaatswaarde.h"
#include "plaatswaarde_tabel.h"

#include "opgave.h"

namespace {

using enum Volgorde;
using enum Vorige;

// d: a digit 1..9. Multi-digit numbers come from Cijfers, which draws their digits in order.
constexpr auto d = RandomCijfer;

// These ranges never compare with the previous answer.
constexpr Soortrij Tienduizend[] = {
    {"DH+H=D", '+', UitkomstEerst, [] { return 1000 * d(); }, [](Getal) { return 100 * d(); },
        [](Trekking o) { return o.U < 10000 && o.L > 1000; }, Vrij},
    {"DHT+T=DH", '+', UitkomstEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return o.U < 10000 && Honderdtallen(o.L) > 0; }, Vrij},
    {"DHT+HT=DH", '+', UitkomstEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return Cijfers(100, 10); },
        [](Trekking o) {
            return o.U < 10000 && o.L > 1000 && Honderdtallen(o.L) > 0 && Honderdtallen(o.L) + Honderdtallen(o.R) < 9;
        },
        Vrij},
    {"DHT+HT=D", '+', UitkomstEerst, [] { return 1000 * d(); }, [](Getal) { return Cijfers(100, 10); },
        [](Trekking o) { return o.U < 10000 && o.L > 1000 && Honderdtallen(o.L) > 0; }, Vrij},
    {"DHTE+E=DHT", '+', UitkomstEerst, [] { return Cijfers(1000, 100, 10); }, [](Getal) { return d(); },
        [](Trekking o) { return o.U < 10000 && o.L > 1000 && Honderdtallen(o.L) > 0 && Tientallen(o.L) > 0; }, Vrij},
    {"DHTE+E=D", '+', UitkomstEerst, [] { return 1000 * d(); }, [](Getal) { return d(); },
        [](Trekking o) { return o.U < 10000 && o.L > 1000; }, Vrij},
    {"DHTE+E=DH", '+', UitkomstEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return d(); },
        [](Trekking o) { return o.U < 10000 && o.L > 1000 && Honderdtallen(o.L) > 0 && Tientallen(o.L) > 0; }, Vrij},
    {"DH+H=DH", '+', UitkomstEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return 100 * d(); },
        [](Trekking o) { return o.U < 10000 && o.L > 1000 && Honderdtallen(o.L) + Honderdtallen(o.R) > 10; }, Vrij},
    {"DHT+T=DHT", '+', UitkomstEerst, [] { return Cijfers(1000, 100, 10); }, [](Getal) { return 10 * d(); },
        [](Trekking o) {
            return o.U < 10000 && o.L > 1000 && Tientallen(o.L) + Tientallen(o.R) > 10 && Honderdtallen(o.L) > 0;
        },
        Vrij},
    {"DHTE+E=DHTE", '+', UitkomstEerst, [] { return Cijfers(1000, 100, 10, 1); }, [](Getal) { return d(); },
        [](Trekking o) {
            return o.U < 10000 && o.L > 1000 && Honderdtallen(o.L) > 0 && Tientallen(o.L) > 0
                && Eenheden(o.L) + Eenheden(o.R) > 10;
        },
        Vrij},
    {"DHTE+E=DE", '+', UitkomstEerst, [] { return Cijfers(1000, 1); }, [](Getal) { return d(); },
        [](Trekking o) {
            return o.U < 10000 && o.L > 1000 && Honderdtallen(o.L) > 0 && Tientallen(o.L) > 0
                && Eenheden(o.L) + Eenheden(o.R) > 10;
        },
        Vrij},
    {"DH+DH=DH", '+', LinksEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return Cijfers(1000, 100); },
        [](Trekking o) {
            return o.U < 10000 && Honderdtallen(o.L) + Honderdtallen(o.R) > 10 && o.L > 1000 && o.R > 1000;
        },
        Vrij},
    {"DH+DH=TD", '+', UitkomstEerst, [] { return Getal {10000}; }, [](Getal) { return Cijfers(1000, 100); },
        [](Trekking o) { return o.R > 1000 && o.L > 1000; }, Vrij},
    {"DH+HT=DHT", '+', LinksEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return Cijfers(100, 10); },
        [](Trekking o) {
            return o.U < 10000 && Honderdtallen(o.U) > 0 && Tientallen(o.U) > 0
                && Honderdtallen(o.L) + Honderdtallen(o.R) > 10;
        },
        Vrij},
    {"DH+HTE=DHTE", '+', LinksEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return Cijfers(100, 10, 1); },
        [](Trekking o) {
            return o.U < 10000 && Eenheden(o.U) > 0 && Tientallen(o.U) > 0 && Honderdtallen(o.U) > 0
                && Honderdtallen(o.L) + Honderdtallen(o.R) > 10;
        },
        Vrij},
    {"D-H=DH", '-', LinksEerst, [] { return 1000 * d(); }, [](Getal) { return 100 * d(); },
        [](Trekking o) { return o.U > 1000; }, Vrij},
    {"D-T=DHT", '-', LinksEerst, [] { return 1000 * d(); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return o.U > 1000 && Honderdtallen(o.U) != 0 && Tientallen(o.U) != 0; }, Vrij},
    {"D-E=DHTE", '-', LinksEerst, [] { return 1000 * d(); }, [](Getal) { return d(); },
        [](Trekking o) { return o.U > 1000; }, Vrij},
    {"D-TE=DHTE", '-', LinksEerst, [] { return 1000 * d(); }, [](Getal) { return Cijfers(10, 1); },
        [](Trekking o) { return o.U > 1000; }, Vrij},
    {"D-HT=DHT", '-', LinksEerst, [] { return 1000 * d(); }, [](Getal) { return Cijfers(100, 10); },
        [](Trekking o) { return o.U > 1000; }, Vrij},
    {"D-DH=DH", '-', LinksEerst, [] { return 1000 * d(); }, [](Getal) { return Cijfers(1000, 100); },
        [](Trekking o) { return o.U > 1000 && o.U > 0; }, Vrij},
    {"DH-H=DH", '-', LinksEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return 100 * d(); },
        [](Trekking o) { return o.U > 1000 && Honderdtallen(o.U) > 0 && Honderdtallen(o.R) > Honderdtallen(o.L); },
        Vrij},
    {"DH-DH=DH", '-', LinksEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return Cijfers(1000, 100); },
        [](Trekking o) { return o.U > 1000 && Honderdtallen(o.R) > Honderdtallen(o.L); }, Vrij},
    {"DH-T=DHT", '-', LinksEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return 10 * d(); },
        [](Trekking o) { return o.U > 1000; }, Vrij},
    {"DH-HT=DHT", '-', LinksEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return Cijfers(100, 10); },
        [](Trekking o) { return o.U > 1000 && Honderdtallen(o.R) > Honderdtallen(o.L); }, Vrij},
    {"DH-TE=DHTE", '-', LinksEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return Cijfers(10, 1); },
        [](Trekking o) { return o.U > 1000; }, Vrij},
    {"DH-E=DHTE", '-', LinksEerst, [] { return Cijfers(1000, 100); }, [](Getal) { return d(); },
        [](Trekking o) { return o.U > 1000; }, Vrij},
};

constexpr Soortrij Honderdduizend[] = {
    {"TD D+TD D=TD D", '+', LinksEerst, [] { return Cijfers(10000, 1000); }, [](Getal) { return Cijfers(10000, 1000); },
        [](Trekking o) { return o.U < 100000 && Duizendtallen(o.L) + Duizendtallen(o.R) > 10; }, Vrij},
    {"TD DH+H=TD DH", '+', LinksEerst, [] { return Cijfers(10000, 1000, 100); }, [](Getal) { return 100 * d(); },
        [](Trekking o) { return o.U < 100000 && Honderdtallen(o.L) + Honderdtallen(o.R) > 10; }, Vrij},
    {"TD-TD=TD", '-', LinksEerst, [] { return 10000 * d(); }, [](Getal) { return 10000 * d(); },
        [](Trekking o) { return o.U > 0; }, Vrij},
    {"TD D-TD=TD D", '-', LinksEerst, [] { return Cijfers(10000, 1000); }, [](Getal) { return 10000 * d(); },
        [](Trekking o) { return o.U > 10000; }, Vrij},
    {"TD D-TD D=TD D", '-', LinksEerst, [] { return Cijfers(10000, 1000); }, [](Getal) { return Cijfers(10000, 1000); },
        [](Trekking o) { return o.U > 10000 && Duizendtallen(o.L) < Duizendtallen(o.R); }, Vrij},
    {"TD D-D=TD D", '-', LinksEerst, [] { return Cijfers(10000, 1000); }, [](Getal) { return 1000 * d(); },
        [](Trekking o) { return o.U > 10000 && Duizendtallen(o.L) < Duizendtallen(o.R); }, Vrij},
    {"TD D-H=TD DH", '-', LinksEerst, [] { return Cijfers(10000, 1000); }, [](Getal) { return 100 * d(); },
        [](Trekking o) { return o.U > 10000; }, Vrij},
};

constexpr Bereik TienduizendBereik {"10000/", Tienduizend, false};
constexpr Bereik HonderdduizendBereik {"100000/", Honderdduizend, false};

} // namespace

Opgave MaakTienduizend(const std::string& soort)
{
    return MaakPlaatswaarde(TienduizendBereik, soort);
}

void DoorloopTienduizend(const std::string& soort, const Opgavebezoek& bezoek)
{
    DoorloopPlaatswaarde(TienduizendBereik, soort, bezoek);
}

Opgave MaakHonderdduizend(const std::string& soort)
{
    return MaakPlaatswaarde(HonderdduizendBereik, soort);
}

void DoorloopHonderdduizend(const std::string& soort, const Opgavebezoek& bezoek)
{
    DoorloopPlaatswaarde(HonderdduizendBereik, soort, bezoek);
}

const std::vector<std::string>& SoortenTienduizend()
{
    static const std::vector<std::string> codes = Codes(Tienduizend);
    return codes;
}

const std::vector<std::string>& SoortenHonderdduizend()
{
    static const std::vector<std::string> codes = Codes(Honderdduizend);
    return codes;
}
