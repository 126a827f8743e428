// The pop-up menu of a right click on an appointment, built from its item rules with the
// texts of the resource library.
#pragma once
#include "framework/Gdi.h"
#include "store/Termin.h"

MenuHandle BuildContextMenu(const Termin& t, const Zeitpunkt& jetzt);
