#pragma once
// The main window's side of each method, one row per method in the method menu's order: its
// menu item and handler, the window's caption while it is chosen and its formula picture on
// the generating-function tab. With the engine's row (engine/MethodTable.h) it is all a method
// is: the menu, its radio group, the connections, the pictures, the captions and the
// comparison's rows are made from these rows.
#include <span>

#include "engine/MethodTable.h"

class QAction;
class QLabel;
class TResamForm;

struct TMethodView {
  QAction* TResamForm::*Item;   // the method menu's item (N31 ...)
  void (TResamForm::*Click)();  // its handler (N31Click ...)
  const char16_t* ItemText;
  bool GroupStart;             // a separator comes before the item
  const char16_t* Caption;     // the window's caption while the method is chosen
  QLabel* TResamForm::*Image;  // its formula on the generating-function tab; null: none (Lagrange)
  const char* Picture;         // that formula picture's name (resources/formulas)
};

// The row of a method (MethodKotelnikov .. MethodSpl32), and all rows in the menu's order.
const TMethodView& MethodView(TMethod method);
std::span<const TMethodView> MethodViews();
