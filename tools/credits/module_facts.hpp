#pragma once
// Facts the credits give about a module, measured from its source text: the
// definitions it holds, as a reader counts them (a function or member function
// with a body, a class or struct with a body; lambdas, enums and the code
// inside a body are not counted), and its lines.

#include <string_view>

namespace veltrim::credits {

struct Definitions {
  int functions = 0;
  int classes = 0;
};

Definitions CountDefinitions(std::string_view source);

// Lines as an editor numbers them: a last line without its break counts.
int CountLines(std::string_view source);

}  // namespace veltrim::credits
