#pragma once
#include <stdexcept>
#include <string>

// The error every command raises: it carries the exact message text shown to the user.
class TGreska : public std::runtime_error {
public:
    explicit TGreska(const std::string& poruka) : std::runtime_error(poruka) {}
};
