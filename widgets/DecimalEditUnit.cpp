#include "widgets/DecimalEditUnit.h"

#include "widgets/Comfun.h"

TDecimalEdit::TDecimalEdit(QWidget* owner) : TNumericEdit(owner) {}

void TDecimalEdit::KeyPress(QChar& key) { FilterDecimalKey(key, this); }
