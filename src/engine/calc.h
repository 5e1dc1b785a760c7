// Internal to the engine and the script layer: the script's command handlers
// call it; everyone else uses engine/gleaner_engine.h.
// Arithmetic on script values: Calc (32-bit integers), CalcReal (extended
// precision with fixed or floating decimal places), the engine-wide rounding
// flag set by Rounding, and Inc/Dec. Operands are first stripped down to the
// characters a number can hold, so '1,234' and '$6' can be used directly.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

// operation: "+", "-", "*", "/" (truncated toward zero), or a word starting
// with "HIG"/"LOW" (the higher/lower operand's stripped text). Overflow is an
// error. Example: Calc("1,234", "+", "$6") gives "1240".
std::string Calc(std::string_view first, std::string_view operation, std::string_view second);

// As Calc, also "^" (power), computed in long double; places is a whole
// number 0 or more or a word starting with "FLO" (no fixed places).
// Example: CalcReal("2", "/", "3") gives "0.67" (rounding on), "0.66" (off).
std::string CalcReal(std::string_view first, std::string_view operation, std::string_view second,
                     std::string_view places = "2");

// Sets the rounding flag from one option word of "Yes No". The executor calls
// Rounding("Yes") whenever it starts running a section.
void Rounding(std::string_view option);
// The current rounding flag (on when the program starts).
bool RoundingFlag();

// Decimal text of value + amount (op '+') or value - amount (op '-'), for the
// Inc and Dec commands; empty counts as 0; no stripping; overflow is an error.
std::string IncDec(std::string_view value, char op, std::string_view amount = "1");
// The same, storing the result into the variable.
void Inc(std::string& variable, std::string_view amount = "1");
void Dec(std::string& variable, std::string_view amount = "1");

}  // namespace gleaner
