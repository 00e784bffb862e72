#pragma once
// Running velt-cli as a user would and reading what it wrote.
#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>

struct Izlaz {
    int status;
    std::string tekst;
};

inline Izlaz Pokreni(const std::string& argumenti) {
    const std::string komanda = std::string(VELT_CLI) + " " + argumenti + " 2>&1";
    FILE* p = popen(komanda.c_str(), "r");
    std::string t;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) t.append(buf.data(), n);
    const int s = pclose(p);
    return {WEXITSTATUS(s), t};
}

inline std::string Procitaj(const std::string& put) {
    std::ifstream f(put, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), {});
}
