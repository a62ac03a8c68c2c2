// The method menu's handlers, the window's caption of the chosen method, and the
// generating-function and basis-function tabs that take turns as the method changes.
#include <QAction>
#include <QTabWidget>

#include "platform/CoreServices.h"
#include "shell/MethodViews.h"
#include "shell/ResamUnit.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int KernelPage = 2, BasisPage = 3;

}  // namespace

void TResamForm::N31Click() { ChooseMethod(TResamEngine::MethodKotelnikov); }
void TResamForm::N33Click() { ChooseMethod(TResamEngine::MethodLagrange); }
void TResamForm::N35Click() { ChooseMethod(TResamEngine::MethodPol0); }
void TResamForm::N36Click() { ChooseMethod(TResamEngine::MethodPol1); }
void TResamForm::N212Click() { ChooseMethod(TResamEngine::MethodPol2); }
void TResamForm::N312Click() { ChooseMethod(TResamEngine::MethodPol3); }
void TResamForm::N111Click() { ChooseMethod(TResamEngine::MethodSpl11); }
void TResamForm::N211Click() { ChooseMethod(TResamEngine::MethodSpl21); }
void TResamForm::N311Click() { ChooseMethod(TResamEngine::MethodSpl31); }
void TResamForm::N121Click() { ChooseMethod(TResamEngine::MethodSpl12); }
void TResamForm::N221Click() { ChooseMethod(TResamEngine::MethodSpl22); }
void TResamForm::N321Click() { ChooseMethod(TResamEngine::MethodSpl32); }

QAction* TResamForm::MethodItem(TResamEngine::TMethod method) const { return MethodActions[method]; }

void TResamForm::ChooseMethod(TResamEngine::TMethod method) {
  ShowMethodChoice(method);
  TWaitCursor wait;
  Show(Engine.SetMethod(method));
}

void TResamForm::ShowMethodChoice(TResamEngine::TMethod method) {
  QAction* item = MethodActions[method];
  if (!item->isChecked()) item->setChecked(true);
  SwitchMethodTabs(method == TResamEngine::MethodLagrange);
  PutText(this, TTextRole::WindowTitle, TextContext, MethodView(method).Caption);
}

// The generating-function tab and the basis-function tab take turns; whoever was looking
// at the one that goes away is shown the one that comes.
void TResamForm::SwitchMethodTabs(bool lagrange) {
  const int shown = lagrange ? BasisPage : KernelPage;
  const int hidden = lagrange ? KernelPage : BasisPage;
  if (PageControl1->isTabVisible(shown) && !PageControl1->isTabVisible(hidden)) return;
  const int active = PageControl1->currentIndex();
  PageControl1->setTabVisible(shown, true);
  if (active == hidden) PageControl1->setCurrentIndex(shown);
  PageControl1->setTabVisible(hidden, false);
}
