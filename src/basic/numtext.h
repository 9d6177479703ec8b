#pragma once
// Number to text as the runtime writes numbers, the same under every process locale.
//
// A Single is written with at most 7 significant digits and a Double with at most 15, rounded
// on the exact decimal value of the binary number with ties away from zero; trailing zeros and
// a point without decimals are dropped; "." is always the decimal point. Exponent notation
// ("1.234568E+07", "1E-05": capital E, sign, at least two digits) stands for magnitudes from
// 1E7 (Single) or 1E15 (Double) up, and below 1E-4. -0 is written as 0. Infinities and NaN,
// which the system's arithmetic never keeps, come out as "1.#INF", "-1.#INF" and "1.#QNAN".

#include "basic/numbers.h"

#include <string>

namespace basic {

// The plain form (the runtime's CStr): no leading blank, a zero before the point below
// magnitude 1: "7", "-3", "0.5", "-0.25", "1.971".
std::string dec(Integer v);
std::string dec(Long v);
std::string dec(Single v);
std::string dec(Double v);
std::string dec(bool) = delete; // a flag is written through toFlag

// The print form (the runtime's Str and print statements): a blank in the sign place of a
// non-negative value and no zero before the point: " 7", "-3", " .5", "-.5", " 1E-05".
std::string str(Integer v);
std::string str(Long v);
std::string str(Single v);
std::string str(Double v);
std::string str(bool) = delete;

// The same texts appended to out, for writers that build a whole file in one buffer.
void appendDec(std::string& out, Integer v);
void appendDec(std::string& out, Long v);
void appendDec(std::string& out, Single v);
void appendDec(std::string& out, Double v);
void appendDec(std::string& out, bool) = delete;
void appendStr(std::string& out, Integer v);
void appendStr(std::string& out, Long v);
void appendStr(std::string& out, Single v);
void appendStr(std::string& out, Double v);
void appendStr(std::string& out, bool) = delete;

} // namespace basic
