// The generating-function tab: the kernel of the chosen method, its spectrum, the distortion
// coefficient, the formula picture and the analysis menu.
#include <QLabel>
#include <QScrollArea>

#include "shell/ResamUnit.h"

void TResamForm::AnalyseGeneratingFunction() {}

void TResamForm::CentreImage(QLabel* image) {
  const int width = PanelBF->width(), height = PanelBF->height();
  const int left = image->width() > width - 30 ? 0 : width / 2 - image->width() / 2;
  const int top = image->height() > height - 30 ? 0 : height / 2 - image->height() / 2;
  image->move(left, top);
}

void TResamForm::N110Click() {}

void TResamForm::N210Click() {}

void TResamForm::N310Click() {}

void TResamForm::N42Click() {}

void TResamForm::N43Click() {}

void TResamForm::N44Click() {}

void TResamForm::N46Click() {}

void TResamForm::N47Click() {}

void TResamForm::SpeedButton12Click() {}

void TResamForm::SpeedButton13Click() {}

void TResamForm::SpeedButton14Click() {}
