#pragma once
// How a node's elastic and inclined support reads in the texts (click texts, report, command
// line): name and value pairs, only for what the node has, so nodes without springs or an angle
// read as they always did.
#include <string>
#include <utility>
#include <vector>

class TCvor;

using TStavke = std::vector<std::pair<std::string, std::string>>;

// The node's nonzero springs and its angle.
TStavke StavkeElasticnogOslonca(const TCvor& c);

// The forces of its springs (results, along the node's axes); empty for a node without springs.
TStavke StavkeSilaOpruga(const TCvor& c);

// Whether a reaction along X (Z) is there to show: a turned support's reaction has both.
bool ImaReakcijuX(const TCvor& c);
bool ImaReakcijuZ(const TCvor& c);
