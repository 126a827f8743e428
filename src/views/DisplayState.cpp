// Definition of the shown date.
#include "views/DisplayState.h"

SelectedDate Selected;
