#pragma once
// A text for the user from the Qt-free code, kept untranslated until it is shown: the
// translation context, the Russian source template with %1..%9, and what each placeholder
// stands for: a text shown as it is (a file or field name), an integer, a decimal number
// (written with the interface language's separator) or another message (translated too).
// The Qt side turns it into the interface language (platform/Language.h MessageText).
#include <string>
#include <type_traits>
#include <vector>

#include "platform/TextNoop.h"

class TMessage {
 public:
  TMessage() = default;  // no message: the call went well
  TMessage(const char* context, const char* source) : Context(context), Source(source) {}

  TMessage& Arg(std::string text);
  TMessage& Arg(const char* text) { return Arg(std::string(text)); }
  template <typename T>
  requires std::is_integral_v<T> TMessage& Arg(T number) { return AddInteger(static_cast<long long>(number)); }
  // decimals < 0: the shortest text that reads back as the value.
  TMessage& Arg(double number, int decimals = -1);
  TMessage& Arg(TMessage part);

  bool Empty() const { return !Source; }

  // The text with each placeholder filled, its template and those of its parts given by
  // `translate` (UTF-8), numbers written with `separator`.
  using TTranslate = std::string (*)(const char* context, const char* source);
  std::string Composed(TTranslate translate, char separator) const;
  // In the source language as written: Russian, with a decimal comma ("" for no message).
  std::string SourceText() const;

 private:
  struct TArg;
  TMessage& AddInteger(long long number);
  const char* Context = nullptr;
  const char* Source = nullptr;
  std::vector<TArg> Args;
};

struct TMessage::TArg {
  enum TKind { Text, Integer, Decimal, Part } Kind = Text;
  std::string Value;            // Text; Integer and Decimal already written, with '.' for the separator
  std::vector<TMessage> Inner;  // Part: one message
};
