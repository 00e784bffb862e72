#include "Pokretanje.h"

int main(int argc, char** argv) { return PokreniVELT(argc, argv); }
