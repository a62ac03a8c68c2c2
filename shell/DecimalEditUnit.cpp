#include "shell/DecimalEditUnit.h"

#include "shell/Comfun.h"

TDecimalEdit::TDecimalEdit(QWidget* owner) : TNumericEdit(owner) {}

void TDecimalEdit::KeyPress(QChar& key) { FilterDecimalKey(key, this); }
