#include "formvelden.h"

#include <cstring>

namespace {

bool Is(pugi::xml_node knoop, const char* naam)
{
    return std::strcmp(knoop.name(), naam) == 0;
}

bool IsInhoud(pugi::xml_node knoop)
{
    return Is(knoop, "w:t") || Is(knoop, "w:tab") || Is(knoop, "w:br") || Is(knoop, "w:cr");
}

// The next node in document order, without recursion so that deeply nested XML cannot exhaust the stack.
pugi::xml_node Volgende(pugi::xml_node knoop, pugi::xml_node wortel)
{
    if (knoop.first_child())
        return knoop.first_child();
    for (; knoop && knoop != wortel; knoop = knoop.parent()) {
        if (knoop.next_sibling())
            return knoop.next_sibling();
    }
    return {};
}

// Follows the begin, separate and end marks of fields in document order. Fields nested inside a
// form field (rare, but legal) only change the depth.
class Veldzoeker
{
public:
    explicit Veldzoeker(std::vector<Formveld>& velden)
        : m_velden(velden)
    { }

    bool Bekijk(pugi::xml_node knoop)
    {
        if (Is(knoop, "w:fldChar"))
            return Markering(knoop, knoop.attribute("w:fldCharType").value());
        if (m_diepte == 1 && m_inResultaat && IsInhoud(knoop) && Is(knoop.parent(), "w:r"))
            m_veld.Inhoud.push_back(knoop);
        return true;
    }

    bool Afgesloten() const { return m_diepte == 0 || !m_tekstveld; }

private:
    bool Markering(pugi::xml_node knoop, const char* soort)
    {
        if (std::strcmp(soort, "begin") == 0) {
            if (m_diepte++ == 0)
                Begin(knoop);
        } else if (std::strcmp(soort, "separate") == 0 && m_diepte == 1) {
            if (m_inResultaat)
                return !m_tekstveld;
            m_inResultaat = true;
            m_veld.Scheiding = knoop;
        } else if (std::strcmp(soort, "end") == 0 && m_diepte > 0 && --m_diepte == 0) {
            if (m_tekstveld && !m_inResultaat)
                return false;
            m_veld.Einde = knoop;
            if (m_tekstveld)
                m_velden.push_back(m_veld);
        }
        return true;
    }

    void Begin(pugi::xml_node knoop)
    {
        const pugi::xml_node gegevens = knoop.child("w:ffData");
        m_veld = {};
        m_veld.Naam = gegevens.child("w:name").attribute("w:val").value();
        m_tekstveld = gegevens.child("w:textInput") && !m_veld.Naam.empty();
        m_inResultaat = false;
    }

    std::vector<Formveld>& m_velden;
    Formveld m_veld;
    int m_diepte = 0;
    bool m_tekstveld = false;
    bool m_inResultaat = false;
};

void ZetTekst(pugi::xml_node t, const std::string& tekst)
{
    while (t.first_child())
        t.remove_child(t.first_child());
    t.append_child(pugi::node_pcdata).set_value(tekst.c_str());
    if (!t.attribute("xml:space"))
        t.append_attribute("xml:space");
    t.attribute("xml:space").set_value("preserve");
}

// A result without text gets a run of its own just before the end mark, formatted like the
// separate mark's run.
pugi::xml_node NieuweTekst(const Formveld& veld)
{
    pugi::xml_node eindRun = veld.Einde.parent();
    if (veld.Scheiding.parent() == eindRun)
        return eindRun.insert_child_before("w:t", veld.Einde);
    pugi::xml_node run = eindRun.parent().insert_child_before("w:r", eindRun);
    if (const pugi::xml_node opmaak = veld.Scheiding.parent().child("w:rPr"))
        run.append_copy(opmaak);
    return run.append_child("w:t");
}

} // namespace

bool ZoekFormvelden(pugi::xml_node wortel, std::vector<Formveld>& velden)
{
    Veldzoeker zoeker(velden);
    for (pugi::xml_node knoop = wortel.first_child(); knoop; knoop = Volgende(knoop, wortel)) {
        if (!zoeker.Bekijk(knoop))
            return false;
    }
    return zoeker.Afgesloten();
}

std::string Resultaat(const Formveld& veld)
{
    std::string tekst;
    for (const pugi::xml_node knoop : veld.Inhoud) {
        if (Is(knoop, "w:t"))
            tekst += knoop.text().get();
        else
            tekst += Is(knoop, "w:tab") ? '\t' : '\n';
    }
    return tekst;
}

void ZetResultaat(Formveld& veld, const std::string& tekst)
{
    pugi::xml_node eerste;
    for (const pugi::xml_node knoop : veld.Inhoud) {
        if (!eerste && Is(knoop, "w:t"))
            eerste = knoop;
        else
            knoop.parent().remove_child(knoop);
    }
    if (!eerste && !tekst.empty())
        eerste = NieuweTekst(veld);
    if (eerste)
        ZetTekst(eerste, tekst);
    veld.Inhoud.clear();
    if (eerste)
        veld.Inhoud.push_back(eerste);
}
