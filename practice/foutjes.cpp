#include "foutjes.h"

#include "getal.h"
#include "toeval.h"

#include <algorithm>
#include <utility>

QString MetOplossing(const Opgave& opgave)
{
    return QString::fromStdString(Som(opgave)) + u'=' + Tekst(opgave.Uitkomst.value_or(0));
}

void Foutjes::Begin()
{
    m_fout.clear();
    m_soorten.clear();
}

void Foutjes::Noteer(const Opgave& opgave, bool goed, const QString& soort)
{
    if (!goed)
        m_fout.push_back(opgave);
    if (soort.isEmpty())
        return;
    auto stand = std::ranges::find(m_soorten, soort, &Stand::soort);
    if (stand == m_soorten.end())
        stand = m_soorten.insert(m_soorten.end(), {soort});
    stand->goed += goed ? 1 : 0;
    ++stand->gemaakt;
}

QString Foutjes::Lijst() const
{
    if (m_fout.empty())
        return QStringLiteral("Geen foutjes !");
    QStringList regels;
    for (const Opgave& opgave : m_fout)
        regels << MetOplossing(opgave);
    return regels.join(QStringLiteral(", "));
}

QString Foutjes::PerSoort() const
{
    QStringList regels;
    for (const Stand& stand : m_soorten)
        regels << stand.soort + QStringLiteral(" : ") + Tekst(stand.goed) + QStringLiteral(" op ")
                + Tekst(stand.gemaakt);
    return regels.join(QStringLiteral(", "));
}

std::vector<Opgave> Foutjes::Geschud() const
{
    std::vector<Opgave> geschud = m_fout;
    for (std::size_t i = geschud.size(); i > 1; --i)
        std::swap(geschud[i - 1], geschud[static_cast<std::size_t>(RandomIndex(static_cast<std::int64_t>(i)))]);
    return geschud;
}
