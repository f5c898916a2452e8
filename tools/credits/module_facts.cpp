#include "module_facts.hpp"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace veltrim::credits {
namespace {

// The source with comments, literals and preprocessor lines blanked out, so
// that braces and parentheses in them count for nothing.
std::string CodeOnly(std::string_view source) {
  std::string code;
  code.reserve(source.size());
  bool lineStart = true;
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char c = source[i];
    const std::string_view rest = source.substr(i);
    if (lineStart && c == '#') {  // a directive, with its continuation lines
      while (i < source.size() && !(source[i] == '\n' && source[i - 1] != '\\')) ++i;
      code += '\n';
      continue;
    }
    if (rest.starts_with("//")) {
      i = source.find('\n', i);
      if (i == std::string_view::npos) break;
      code += '\n';
      lineStart = true;
      continue;
    }
    if (rest.starts_with("/*")) {
      const std::size_t end = source.find("*/", i + 2);
      i = end == std::string_view::npos ? source.size() : end + 1;
      code += ' ';
      continue;
    }
    if (rest.starts_with("R\"")) {  // raw string: R"delim( ... )delim"
      const std::size_t open = rest.find('(');
      if (open == std::string_view::npos) break;
      const std::string_view delimiter = rest.substr(2, open - 2);
      std::size_t end = rest.find(')', open);
      while (end != std::string_view::npos &&
             !(rest.substr(end + 1, delimiter.size()) == delimiter && rest.substr(end + 1 + delimiter.size(), 1) == "\""))
        end = rest.find(')', end + 1);
      if (end == std::string_view::npos) break;
      i += end + delimiter.size() + 1;
      code += "\"\"";
      continue;
    }
    if (c == '"' || (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(source[i - 1]))))) {
      std::size_t j = i + 1;  // a quote after a hex digit is a digit separator
      while (j < source.size() && source[j] != c) j += source[j] == '\\' ? 2 : 1;
      i = j;
      code += "\"\"";
      continue;
    }
    code += c;
    if (c == '\n') lineStart = true;
    else if (!std::isspace(static_cast<unsigned char>(c))) lineStart = false;
  }
  return code;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Whether `text` holds `word` as a whole word.
bool HasWord(std::string_view text, std::string_view word) {
  for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const bool before = at == 0 || !IsWordChar(text[at - 1]);
    const bool after = at + word.size() == text.size() || !IsWordChar(text[at + word.size()]);
    if (before && after) return true;
  }
  return false;
}

enum class Scope { Namespace, Class, Body };

// The head without its leading template parameter lists.
std::string_view WithoutTemplate(std::string_view head) {
  while (head.starts_with("template")) {
    int depth = 0;
    std::size_t i = head.find('<');
    for (; i < head.size(); ++i) {
      depth += head[i] == '<' ? 1 : head[i] == '>' ? -1 : 0;
      if (depth == 0) break;
    }
    if (i >= head.size()) return head;
    head = head.substr(i + 1);
    head.remove_prefix(std::min(head.find_first_not_of(" \t\r\n"), head.size()));
  }
  return head;
}

Scope Opened(std::string_view fullHead, Scope outer, Definitions& found) {
  if (outer == Scope::Body) return Scope::Body;
  const std::string_view head = WithoutTemplate(fullHead);
  if (HasWord(head, "namespace") || head.starts_with("extern")) return Scope::Namespace;
  const std::size_t paren = head.find('(');
  const std::string_view beforeParen = head.substr(0, paren);
  if (HasWord(head, "enum")) return Scope::Body;
  if ((HasWord(beforeParen, "class") || HasWord(beforeParen, "struct") || HasWord(beforeParen, "union")) &&
      beforeParen.find('=') == std::string_view::npos) {
    ++found.classes;
    return Scope::Class;
  }
  const bool assigned = beforeParen.find('=') != std::string_view::npos && !HasWord(beforeParen, "operator");
  if (paren != std::string_view::npos && !assigned) {
    ++found.functions;
    return Scope::Body;
  }
  return Scope::Body;  // an initialiser, an array, a brace-initialised object
}

}  // namespace

Definitions CountDefinitions(std::string_view source) {
  const std::string code = CodeOnly(source);
  Definitions found;
  std::vector<Scope> scopes{Scope::Namespace};
  std::string head;  // what stands since the last ';', '{' or '}'
  for (const char c : code) {
    if (c == '{') {
      const std::size_t first = head.find_first_not_of(" \t\r\n");
      const std::string_view trimmed = first == std::string::npos ? "" : std::string_view(head).substr(first);
      scopes.push_back(Opened(trimmed, scopes.back(), found));
      head.clear();
    } else if (c == '}') {
      if (scopes.size() > 1) scopes.pop_back();
      head.clear();
    } else if (c == ';') {
      head.clear();
    } else if (scopes.back() != Scope::Body) {
      head += c;
    }
  }
  return found;
}

int CountLines(std::string_view source) {
  int lines = 0;
  for (const char c : source) lines += c == '\n';
  return lines + (!source.empty() && source.back() != '\n');
}

}  // namespace veltrim::credits
