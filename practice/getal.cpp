#include "getal.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool IsCijfer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Copies the leading number of the text as ASCII, and counts its decimal magnitude so that an
// out-of-range conversion can be told apart as overflow (huge) or underflow (tiny).
struct Voorloper
{
    std::string tekens;
    bool negatief = false;
    // Where the first significant digit stands: the digits before the point (leading zeros excluded), or
    // minus the zeros after the point when there is no whole part; plus the exponent.
    long long grootte = 0;
};

long long LeesExponent(const QString& tekst, qsizetype& i, std::string& tekens)
{
    const qsizetype begin = i;
    std::string exponent = "e";
    qsizetype j = i + 1;
    if (j < tekst.size() && (tekst[j] == u'+' || tekst[j] == u'-'))
        exponent += static_cast<char>(tekst[j++].unicode());
    if (j >= tekst.size() || !IsCijfer(tekst[j])) {
        i = begin;
        return 0;
    }
    long long waarde = 0;
    for (; j < tekst.size() && IsCijfer(tekst[j]); ++j) {
        exponent += static_cast<char>(tekst[j].unicode());
        waarde = std::min(waarde * 10 + (tekst[j].unicode() - u'0'), 1'000'000'000LL);
    }
    i = j;
    tekens += exponent;
    return exponent[1] == '-' ? -waarde : waarde;
}

Voorloper LeesVoorloper(const QString& tekst)
{
    Voorloper v;
    qsizetype i = 0;
    while (i < tekst.size() && (tekst[i] == u' ' || tekst[i] == u'\t'))
        ++i;
    if (i < tekst.size() && (tekst[i] == u'+' || tekst[i] == u'-'))
        v.negatief = tekst[i++] == u'-';
    bool significant = false;
    for (; i < tekst.size() && IsCijfer(tekst[i]); ++i) {
        significant = significant || tekst[i] != u'0';
        v.grootte += significant ? 1 : 0;
        v.tekens += static_cast<char>(tekst[i].unicode());
    }
    if (i < tekst.size() && tekst[i] == u'.') {
        v.tekens += '.';
        for (++i; i < tekst.size() && IsCijfer(tekst[i]); ++i) {
            // Zeros right after the point make a number without whole part smaller, not larger.
            significant = significant || tekst[i] != u'0';
            v.grootte -= significant ? 0 : 1;
            v.tekens += static_cast<char>(tekst[i].unicode());
        }
    }
    const bool heeftCijfer = v.tekens.find_first_of("0123456789") != std::string::npos;
    if (!heeftCijfer) {
        v.tekens.clear();
        return v;
    }
    if (i < tekst.size() && (tekst[i] == u'e' || tekst[i] == u'E'))
        v.grootte += LeesExponent(tekst, i, v.tekens);
    return v;
}

template<class Geheel> std::optional<Geheel> Rond(double waarde)
{
    if (!std::isfinite(waarde))
        return std::nullopt;
    const double rond = std::nearbyint(waarde); // the default rounding mode: a half to the even neighbour
    if (rond < static_cast<double>(std::numeric_limits<Geheel>::min())
        || rond > static_cast<double>(std::numeric_limits<Geheel>::max()))
        return std::nullopt;
    return static_cast<Geheel>(rond);
}

} // namespace

double LeesGetal(const QString& tekst)
{
    const Voorloper v = LeesVoorloper(tekst);
    if (v.tekens.empty())
        return 0.0;
    double waarde = 0.0;
    const auto [einde, fout] = std::from_chars(v.tekens.data(), v.tekens.data() + v.tekens.size(), waarde);
    if (fout == std::errc::result_out_of_range)
        waarde = v.grootte > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (fout != std::errc {})
        waarde = 0.0;
    return v.negatief ? -waarde : waarde;
}

std::optional<std::int16_t> LeesGeheel16(const QString& tekst)
{
    return Rond<std::int16_t>(LeesGetal(tekst));
}

std::optional<std::int32_t> LeesGeheel32(const QString& tekst)
{
    return Rond<std::int32_t>(LeesGetal(tekst));
}

QString Tekst(std::int64_t getal)
{
    return QString::number(getal);
}
