// Shows the wait cursor through the Host for the lifetime of the object.
#pragma once
#include "core/Host.h"

class WarteCursor {
public:
    WarteCursor() { GetHost().WaitCursor(true); }
    ~WarteCursor() { GetHost().WaitCursor(false); }
    WarteCursor(const WarteCursor&) = delete;
    WarteCursor& operator=(const WarteCursor&) = delete;
};
