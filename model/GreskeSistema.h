#pragma once
#include <string>

// What a failed file-system call means, in words for the user (from errno), so that no message of
// the program shows the system's own English text.
std::string OpisGreskeSistema(int broj);
