#pragma once

#include <QPainter>

#include <vector>

// One picture: a scene drawn on a square of 100 by 100 units.
struct Tafereel
{
    const char* naam;
    void (*teken)(QPainter& p);
};

std::vector<Tafereel> Huisdieren();
std::vector<Tafereel> WildeDieren();
std::vector<Tafereel> KleineDieren();
std::vector<Tafereel> Voertuigen();
std::vector<Tafereel> Onderweg();
std::vector<Tafereel> Landschappen();
std::vector<Tafereel> Plekken();
std::vector<Tafereel> Vormen();
