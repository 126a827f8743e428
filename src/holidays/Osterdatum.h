// Easter Sunday by Gauss's rule for the Gregorian calendar.
#pragma once

// Day of the year of Easter Sunday in `jahr`.
int Osterdatum(int jahr);
