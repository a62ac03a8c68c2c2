#pragma once
// The main window's side of each method, one row per method in the method menu's order: its
// menu item and handler, the window's caption while it is chosen and its formula picture on
// the generating-function tab. With the engine's row (engine/MethodTable.h) it is all a method
// is: the menu, its radio group, the connections, the pictures, the captions and the
// comparison's rows are made from these rows.
#include <QString>
#include <span>

#include "engine/MethodTable.h"

class QAction;
class QLabel;
class TResamForm;

struct TMethodView {
  // The members that name the method's item, its handler and its picture label (N31, N31Click,
  // ImageKot ...); null for a method without named members, whose item chooses it directly.
  QAction* TResamForm::*Item;
  void (TResamForm::*Click)();
  // The texts are Russian source texts (UTF-8) of the main window's context (TResamForm::TextContext); MethodText
  // gives them in the interface language.
  const char* ItemText;
  bool GroupStart;             // a separator comes before the item
  const char* Caption;         // the window's caption while the method is chosen
  QLabel* TResamForm::*Image;  // the named picture label
  const char* Picture;         // its formula picture (resources/formulas); null: none (Lagrange)
  const char* ShortName;       // under its bar in the comparison chart
};

// The row of a method (MethodKotelnikov .. MethodSpl32), and all rows in the menu's order.
const TMethodView& MethodView(TMethod method);
std::span<const TMethodView> MethodViews();

// A row's text in the interface language.
QString MethodText(const char* text);
