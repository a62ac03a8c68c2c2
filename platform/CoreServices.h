#pragma once
// The two desktop services the numeric code needs, without any widget header:
// the modal message box and the hourglass cursor. The widget layer routes them
// to the installed platform (Platform.h); until then messages go to stderr.
#include <string>

#include "platform/TextMessage.h"

struct TCoreHooks {
  void (*Message)(const std::string& utf8Text) = nullptr;
  // The message in the interface language (UTF-8); unset, its Russian source text.
  std::string (*Translated)(const TMessage& message) = nullptr;
  void (*BeginWait)() = nullptr;  // remember the cursor, show the hourglass
  void (*EndWait)() = nullptr;    // put the remembered cursor back
};

void SetCoreHooks(const TCoreHooks& hooks);

// Modal message box with an OK button; the text is UTF-8.
void ShowMessage(const std::string& utf8Text);
// The same for a message of the Qt-free code, in the interface language.
void ShowMessage(const TMessage& message);

// Hourglass cursor for the lifetime of the object.
class TWaitCursor {
 public:
  TWaitCursor();
  ~TWaitCursor();
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};
