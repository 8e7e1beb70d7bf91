#pragma once

#include <pugixml.hpp>

#include <string>
#include <vector>

// A legacy text form field of a WordprocessingML body: its name and the elements of its visible result.
struct Formveld
{
    std::string Naam;
    std::vector<pugi::xml_node> Inhoud; // w:t, w:tab, w:br and w:cr between the separate and end marks
    pugi::xml_node Scheiding; // the separate fldChar
    pugi::xml_node Einde; // the end fldChar
};

// The named text form fields below wortel, in document order. A field's marks may lie in different
// runs and paragraphs. False when a form field lacks its separate or end mark.
bool ZoekFormvelden(pugi::xml_node wortel, std::vector<Formveld>& velden);

// The visible text of a field's result.
std::string Resultaat(const Formveld& veld);

// Replaces the visible result by tekst (UTF-8), keeping the field and the formatting of its first run.
void ZetResultaat(Formveld& veld, const std::string& tekst);
