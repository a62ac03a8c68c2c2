// "Исследование" › "Прослушать...": the listening window over this window's engine. It is
// not modal: the user goes on changing the count, the method or the noise while it plays.
#include <QAction>
#include <QMenu>

#include "shell/ResamUnit.h"
#include "studies/ListeningWindow.h"

void TResamForm::BuildListeningItem() {
  ListeningItem = ResearchMenu->addAction(QStringLiteral("Прослушать..."));
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
