#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// An error raised by a failed call on a control or object. Handlers never
// trap it: the runtime reports it and ends the program.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const std::string &description)
        : std::runtime_error(description), m_number(number) {}

    int number() const noexcept { return m_number; }

private:
    int m_number;
};

// Error numbers and French wordings of the errors this runtime raises.
namespace errors {
inline constexpr int invalidCall = 5;
inline constexpr const char *invalidCallText = "Argument ou appel de procédure incorrect";
inline constexpr int outOfMemory = 7;
inline constexpr const char *outOfMemoryText = "Mémoire insuffisante";
inline constexpr int noSuchArrayMember = 340;
inline constexpr const char *noSuchArrayMemberText = "L'élément de groupe de contrôles n'existe pas";
inline constexpr int internalError = 51;
inline constexpr const char *internalErrorText = "Erreur interne";
} // namespace errors

} // namespace runtime
