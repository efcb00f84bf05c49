// Showing UTF-16 texts from a module as ASCII lines that can be read and compared.
#pragma once

#include <string>

namespace torvik::pe {

// Printable ASCII stays; backslash and quote are escaped; line feed, carriage
// return and tab become \n, \r and \t; any other unit becomes \uXXXX.
std::string escape(const std::u16string& text);

}  // namespace torvik::pe
