#pragma once

#include <string>

// The rules of the seven boxes of a simulated draw (six numbers and the special number).

constexpr int SimulatedBoxes = 7;

// What a box keeps after its text changed: the text when the whole of it reads as an integer
// (leading blanks and a sign allowed), otherwise nothing.
std::string SimulatedTextAfterChange(const std::string& text);

// What a box shows once the focus leaves it: an integer as at least two digits ("5" -> "05",
// "-5" -> "-05"); an empty box stays empty. No range check: duplicates and "123" are the player's.
std::string SimulatedTextOnLeave(const std::string& text);
