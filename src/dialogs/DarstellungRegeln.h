// Rules of the appearance dialogs: the font height check, the default file name as it is
// stored, and the colours dialog's sample drawn from a colour table.
#pragma once
#include "drawing/Canvas.h"

#include <string>

class ColourTable;

// 0 with both heights taken from the texts, or the message of the first failure: 1168 for a
// text that is no whole number from 6 to 24, 1169 when the smallest exceeds the largest.
int PruefeSchriftHoehen(const std::string& kleinste, const std::string& groesste, int& min, int& max);

// Lower case (Windows-1252) and ".odv" appended to a name without a dot; "" stays "".
std::string VorgabeDateiname(const std::string& text);

// The sample in w × h: background, two day headings (1206, 1207) and five appointment
// lines (1239-1243) in the colours of `farben`.
void DrawColourSample(Canvas& canvas, const ColourTable& farben, int w, int h);
