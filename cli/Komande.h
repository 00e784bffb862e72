#pragma once
#include <string>
#include <vector>

// Each velt-cli command takes the arguments after its name and returns the process exit status.
using Argumenti = std::vector<std::string>;

int KomandaCheck(const Argumenti& a);
int KomandaResave(const Argumenti& a);
