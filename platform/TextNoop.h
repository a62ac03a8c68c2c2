#pragma once
// Marks texts of the Qt-free code for the translation tool without a Qt header: lupdate reads
// both macros as QT_TRANSLATE_NOOP (resources/CMakeLists.txt), so each text lands in the .ts
// under its context; the text is translated only where it is shown.
//   RESAM_TRANSLATE_NOOP(context, text)  the text alone, for tables (the shower knows the context)
//   RESAM_MESSAGE(context, text)         a TMessage (platform/TextMessage.h) carrying both
#define RESAM_TRANSLATE_NOOP(context, text) text
#define RESAM_MESSAGE(context, text) TMessage(context, text)
