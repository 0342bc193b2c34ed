// Drawing helpers shared by the member drawings: bar notations, rows of bars in a section,
// elevation marks and masonry hatching.
#pragma once

#include <string>

#include "CVexaDrawing.h"

// "2Φ12", "2Φ12+1Φ14" for a row of bars of one or two sizes (symbol by grade); empty without bars.
std::string VexaBarNote(const std::string& grade, int count, int dia, int count2 = 0, int dia2 = 0);
// A row of bars in a section at height y, spread between x0 and x1 (bar centres): `count` bars of
// `dia`, then `count2` of `dia2` placed between them; returns how many were drawn.
int VexaDrawBarRow(CVexaDrawing& d, double x0, double x1, double y, int count, int dia, int count2 = 0, int dia2 = 0);
// An elevation mark: the triangle on `at` (pointing down when `below` is false) with the level in metres.
void VexaDrawLevel(CVexaDrawing& d, VexaPt at, double level, bool below = false);
// Masonry between x0 and x1, y0 and y1: the outline's two vertical edges and 45° hatching.
void VexaDrawMasonry(CVexaDrawing& d, double x0, double y0, double x1, double y1);
