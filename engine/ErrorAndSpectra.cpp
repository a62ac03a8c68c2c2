// The reconstruction error, the three amplitude spectra, their ranges, and the frequency
// unit and spectrum view commands.
#include "shell/ResamUnit.h"

void TResamForm::ComputeError() {}

void TResamForm::ShowAnalogSpectrum() {}

void TResamForm::ComputeDiscreteSpectrum() {}

void TResamForm::ComputeReconSpectrum() {}

void TResamForm::SetSpectrumRange() {}

void TResamForm::N17Click() {}

void TResamForm::N18Click() {}

void TResamForm::N27Click() {}

void TResamForm::N20Click() {}

void TResamForm::N21Click() {}

void TResamForm::N22Click() {}

void TResamForm::PageControl1Change(int) {}
