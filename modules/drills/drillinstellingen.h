#pragma once

#include <QString>

#include <string>
#include <vector>

// Boxes shown together in columns on the Setup page, filled column by column in index order.
struct Vakjesgroep
{
    QString kop; // the label above the columns; empty: none
    int eerste = 0; // index of the first box
    int aantal = 0;
    int kolommen = 1;
};

// What sets one place-value drill window apart from the others.
struct Drillinstelling
{
    QString naam; // the window's class, also its objectName
    QString titel;
    QString vakjes; // the array of kind boxes: element i is named vakjes + "(i)"
    std::vector<std::string> soorten; // the boxes' captions by index, each a kind code of the generator
    std::vector<Vakjesgroep> groepen;
    void (*generator)(const std::string& soort);
    QString aantalLabel; // beside txtAantal
};

const Drillinstelling& DrillTwintig();
const Drillinstelling& DrillHonderd();
const Drillinstelling& DrillDuizend();
const Drillinstelling& DrillTienduizend();
const Drillinstelling& DrillHonderdduizend();
