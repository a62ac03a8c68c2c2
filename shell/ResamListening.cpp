// "Исследование" › "Прослушать...": the listening window over this window's engine. It is
// not modal: the user goes on changing the count, the method or the noise while it plays.
#include <QAction>
#include <QMenu>

#include "shell/ResamUnit.h"
#include "studies/ListeningWindow.h"
#include "widgets/TranslatedTexts.h"

void TResamForm::BuildListeningItem() {
  ListeningItem = AddTranslatedItem(ResearchMenu, TextContext, QT_TR_NOOP("Прослушать..."));
  connect(ListeningItem, &QAction::triggered, this, &TResamForm::ListeningClick);
}

void TResamForm::ListeningClick() {
  if (!Listening) {
    Listening = new TListeningForm(Engine, this);
    Listening->SetSettings(ListeningKept);
  }
  Listening->show();
  Listening->raise();
  Listening->activateWindow();
}
