#pragma once
#include <string>

// Says on stderr, once in the program's life, that the game plays without
// sound and why (`why`: the system's own words). Only for a system too short
// of resources to play: a desktop without a sound server is silent unsaid.
void ReportSilence(const std::string &why);
