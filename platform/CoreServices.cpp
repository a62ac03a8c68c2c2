#include "platform/CoreServices.h"

#include <cstdio>

namespace {
TCoreHooks Hooks;
}

void SetCoreHooks(const TCoreHooks& hooks) { Hooks = hooks; }

void ShowMessage(const std::string& utf8Text) {
  if (Hooks.Message)
    Hooks.Message(utf8Text);
  else
    std::fprintf(stderr, "%s\n", utf8Text.c_str());
}

void ShowMessage(const TMessage& message) {
  ShowMessage(Hooks.Translated ? Hooks.Translated(message) : message.SourceText());
}

TWaitCursor::TWaitCursor() {
  if (Hooks.BeginWait) Hooks.BeginWait();
}

TWaitCursor::~TWaitCursor() {
  if (Hooks.EndWait) Hooks.EndWait();
}
