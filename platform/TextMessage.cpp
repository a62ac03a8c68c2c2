#include "platform/TextMessage.h"

#include <charconv>

namespace {
// The source language's own separator, for SourceText.
constexpr char SourceSeparator = ',';

std::string Untranslated(const char*, const char* source) { return source; }

std::string WithSeparator(std::string text, char separator) {
  for (char& c : text)
    if (c == '.') c = separator;
  return text;
}
}  // namespace

TMessage& TMessage::Arg(std::string text) {
  Args.push_back({TArg::Text, std::move(text), {}});
  return *this;
}

TMessage& TMessage::AddInteger(long long number) {
  Args.push_back({TArg::Integer, std::to_string(number), {}});
  return *this;
}

TMessage& TMessage::Arg(double number, int decimals) {
  char text[64];
  const auto end = decimals < 0
                       ? std::to_chars(text, text + sizeof text, number).ptr
                       : std::to_chars(text, text + sizeof text, number, std::chars_format::fixed, decimals).ptr;
  Args.push_back({TArg::Decimal, std::string(text, end), {}});
  return *this;
}

TMessage& TMessage::Arg(TMessage part) {
  Args.push_back({TArg::Part, {}, {std::move(part)}});
  return *this;
}

// One pass over the template, so that a %2 inside a file name put for %1 stays as it is.
std::string TMessage::Composed(TTranslate translate, char separator) const {
  if (Empty()) return "";
  const std::string pattern = translate(Context, Source);
  std::string text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char digit = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t index = digit >= '1' && digit <= '9' ? size_t(digit - '1') : Args.size();
    if (pattern[i] != '%' || index >= Args.size()) {
      text += pattern[i];
      continue;
    }
    const TArg& arg = Args[index];
    if (arg.Kind == TArg::Part)
      text += arg.Inner.front().Composed(translate, separator);
    else
      text += arg.Kind == TArg::Decimal ? WithSeparator(arg.Value, separator) : arg.Value;
    ++i;
  }
  return text;
}

std::string TMessage::SourceText() const { return Composed(Untranslated, SourceSeparator); }
