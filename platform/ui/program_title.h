#pragma once
// The program's title, the caption of its information messages and of the error box: the program
// file's name without its folder, cut at its first ".", every character after the first in lower
// case. "EXPOZICE.EXE" gives "Expozice"; the first character keeps its case.
#include <string>
#include <string_view>

namespace expo::ui {

// The title for a program file path (code page 1250); "/" and "\" both end the folder part.
std::string programTitle(std::string_view programFile);
// The title of the running program.
std::string programTitle();

}  // namespace expo::ui
