// The program's name, as its caption and as the second-copy check looks for it.
#pragma once

constexpr const char* AppName = "Ordivo";
constexpr const char* FrameClassName = "OrdivoFrame";
