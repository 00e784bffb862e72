#pragma once
// The support kinds a textbook names, each as the three held directions of a node.
#include <array>

struct TVrstaOslonca {
    const char* ime;
    bool oslX, oslZ, ukljY;
};

inline constexpr std::array<TVrstaOslonca, 8> VrsteOslonaca = {{
    {"slobodan", false, false, false},
    {"nepokretni zglob", true, true, false},
    {"pokretni oslonac X", false, true, false},  // held in Z, moves along X
    {"pokretni oslonac Z", true, false, false},  // held in X, moves along Z
    {"ukljestenje", true, true, true},
    {"klizno ukljestenje X", false, true, true},
    {"klizno ukljestenje Z", true, false, true},
    {"samo obrtanje", false, false, true},
}};

// Shown when the held directions form none of the kinds.
inline constexpr const char* VrstaPoIzboru = "po izboru";

// The index in VrsteOslonaca of the kind the three directions form; -1 for none.
constexpr int IndeksVrsteOslonca(bool oslX, bool oslZ, bool ukljY) {
    for (int i = 0; i < static_cast<int>(VrsteOslonaca.size()); ++i) {
        const TVrstaOslonca& v = VrsteOslonaca[static_cast<size_t>(i)];
        if (v.oslX == oslX && v.oslZ == oslZ && v.ukljY == ukljY) return i;
    }
    return -1;
}
