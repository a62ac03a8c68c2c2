#pragma once
// The main window: it owns the current signal, the sampling parameters, the chosen method
// and the display settings, receives signals from the four source windows, runs the
// reconstruction engine and shows the results on four tabs.
//
// The engine's state is members of this class and its operations are member functions
// defined by topic in engine/*.cpp; the arithmetic they call lives in plain functions there.
// Times are in seconds, circular frequencies in rad/s, cyclic frequencies in Hz.
#include <QFont>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <initializer_list>

#include "engine/KernelResponse.h"
#include "engine/Lagrbfunit.h"
#include "engine/SampleSet.h"
#include "engine/SpectrumRange.h"
#include "numerics/Mathlib.h"

class QAction;
class QActionGroup;
class QComboBox;
class QFrame;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QToolBar;
class QToolButton;
class TDiagram;
class TDiagramFrame;
class TEditFloat;
class TEditInt;
class TFourierAnalyser;
class TKeeper;

class TResamForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TResamForm(QWidget* parent = nullptr);
  ~TResamForm() override;

  // Which source delivered the current signal; a table signal is known only by its samples.
  enum TSignalSource { SourceEditor, SourceLibrary, SourcePolyharmonic, SourceTable };
  // How the first period is chosen for a new analog signal.
  enum TPeriodRule { PeriodFromCount, PeriodHalfTmax };

  // What the source commands hand over before AcceptSignal. The source windows keep the
  // data alive and unchanged until the user confirms another signal.
  struct TDrawnSignal {
    const TKeeper* Curve = nullptr;  // the drawn curve, read continuously
    const double* Values = nullptr;  // its node values
    int Count = 0;
  };
  struct TFormulaSignal {
    TRealFunction Function = nullptr;  // value in volts at a time in seconds
    double Duration = 1;               // library: tau; fragment: its period
    int Symmetry = 0;                  // library: 0 one-sided, otherwise centred on zero
  };
  struct TTableSignal {
    const double* Values = nullptr;
    int Count = 0;
  };
  TDrawnSignal DrawnSignal;
  // The graphical editor still needs its titles and pen colour (set on its first use).
  bool EditorFirstUse = true;
  static constexpr int EditorColour = 0x0000FF;  // red, as the toolkit writes colours
  TFormulaSignal FormulaSignal;
  TTableSignal TableSignal;

  // ---- Engine state: sampling set-up ----
  static constexpr int AnalogCount = 1024;
  static constexpr int SampleCapacity = 1000;
  static constexpr int MaxCount = 500;         // sample limit of every method but Lagrange
  static constexpr int MaxLagrangeCount = 50;  // sample limit of the Lagrange method
  static constexpr int SpectrumKeepCount = 4096;
  TSignalSource SignalSource = SourceEditor;
  bool ResetInterval = true;
  double T1 = 0, T2 = 1;
  double AnalogStep = 0;
  double AnalogValues[AnalogCount] = {};
  double SupportLevel = 1e-5;
  bool EdgeGuard = false;
  double Wm = 0, Fm = 0, Tmax = 0;
  int Nmin = 0;
  int N = 10;
  double T = 0.1;
  double T0 = 0;
  double Samples[SampleCapacity] = {};
  double Fd = 0, Wd = 0;
  bool SignalGiven = false;

  // ---- Engine state: reconstruction ----
  TRealFunction Kernel = nullptr;
  int KernelOrder = 0;

  // ---- Engine state: error, spectra, generating-function analysis ----
  static constexpr int ErrorCount = 4000;
  static constexpr int ReconSpectrumCount = 4000;
  double ErrorValues[ErrorCount] = {};
  double AnalogSpectrum[SpectrumKeepCount] = {};
  double ReconSpectrum[ReconSpectrumCount] = {};
  double KernelSpectrum[MaxKernelSpectrumCount] = {};
  double Distortion[MaxDistortionCount] = {};
  bool SpectrumRangeSet = false;
  // The unit and view the spectrum diagram follows. A menu item is checked before its handler
  // runs, so these, not the items, tell whether a choice changes anything.
  TFrequencyUnit ShownUnit = TFrequencyUnit::Circular;
  TSpectrumView ShownView = TSpectrumView::TwoPeriods;

  // ---- Window state ----
  bool FirstPaint = true;
  // The table editor is dressed for this window on its first use only.
  bool TableFirstUse = true;
  // The parameter panel as designed; narrower windows scale it and its contents.
  static constexpr int DesignPanelWidth = 785, DesignPanelHeight = 120;

  // ---- Engine operations: sampling (engine/Sampling.cpp) ----
  void AnalyseSignal();
  void FindSupport(double level);
  void SampleSignal();
  void TakeTableSamples();
  void LimitCount();
  TSampleSet SampleSet() const { return {Samples, N, T, T0}; }

  // ---- Engine operations: reconstruction (engine/Reconstruction.cpp) ----
  void Reconstruct();
  bool IsLagrange() const;

  // ---- Engine operations: error and spectra (engine/ErrorAndSpectra.cpp) ----
  void ComputeError();
  void ShowAnalogSpectrum();
  void ComputeDiscreteSpectrum();
  void ComputeReconSpectrum();
  void SetSpectrumRange();
  void N17Click();
  void N18Click();
  void N27Click();
  void N20Click();
  void N21Click();
  void N22Click();
  void PageControl1Change(int index);
  // The axis-caption pictures Image1, Image2, Image4 rendered, and those of the unit shown put on DFAS.
  void ShowFrequencyCaptions();

  // ---- Engine operations: generating-function analysis (engine/GeneratingFunctionAnalysis.cpp) ----
  void AnalyseGeneratingFunction();
  void CentreImage(QLabel* image);
  void N110Click();
  void N210Click();
  void N310Click();
  void N42Click();
  void N43Click();
  void N44Click();
  void N46Click();
  void N47Click();
  void SpeedButton12Click();
  void SpeedButton13Click();
  void SpeedButton14Click();
  // The formula picture the panel's tools act on, and that picture enlarged (device pixel ratio 1
  // for the clipboard and files, the screen's for the viewer).
  QLabel* VisibleImage() const;
  QImage EnlargedPicture(qreal devicePixelRatio = 1.0) const;

  // ---- Signal arrival (shell/ResamSources.cpp) ----
  void N2Click();
  void N3Click();
  void SpeedButton11Click();
  void N40Click();
  void AcceptSignal(TSignalSource source);
  void TakeAnalogSignal(TPeriodRule rule);
  void TakeTableSignal();
  void EnableResults(bool on);
  void AdaptToSource();

  // ---- Chains (shell/ResamCommands.cpp) ----
  void Resample();
  void Recompute();

  // ---- Commands ----
  void N6Click();
  void N31Click();
  void N33Click();
  void N35Click();
  void N36Click();
  void N212Click();
  void N312Click();
  void N111Click();
  void N211Click();
  void N311Click();
  void N121Click();
  void N221Click();
  void N321Click();
  void N9Click();
  void N10Click();
  void N13Click();
  void N14Click();
  void N24Click();
  void N25Click();
  void N26Click();
  void N4Click();
  void EditNExit();
  void EditTExit();
  void EditFloatT1Exit();
  void EditFloatT2Exit();
  void ComboBoxLagrChange(int index);
  void SpeedButton15Click();
  void SpeedButton16Click();
  void SpeedButton17Click();

  // ---- Mouse moves that hide or show the tool panels ----
  void FormMouseMove();
  void DFASDiagramMouseMove();
  void DFPSDiagramMouseMove();
  void DFBFDiagramMouseMove();
  void DFBFSDiagramMouseMove();
  void DFKDiagramMouseMove();
  void DFLagrDiagramMouseMove();
  void PanelBFMouseMove();
  void GroupBoxLagrMouseMove();

  // ---- Layout ----
  void FormPaint();

  // The spectrum module: SpAnForm once it exists, otherwise a module of the window's own.
  TFourierAnalyser& SpectrumModule();

  // ---- Tool bar ----
  QToolBar* ToolBar1;
  QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton11, *SpeedButton18;
  QToolButton *SpeedButton3, *SpeedButton4, *SpeedButton5;
  QToolButton *SpeedButton6, *SpeedButton7, *SpeedButton8, *SpeedButton9;
  QToolButton* SpeedButton10;

  // ---- Main menu ----
  QMenu* N1;  // "Сигнал"
  QAction *N2, *N3, *N28, *N40;
  QMenu* N30;  // "Метод интерполяции"
  QAction *N31, *N33, *N35, *N36, *N212, *N312, *N111, *N211, *N311, *N121, *N221, *N321;
  QMenu* N5;  // "Настройка"
  QAction* N6;
  QMenu* N41;  // "Анализ порождающей функции"
  QAction *N110, *N210, *N310, *N42, *N43, *N44, *N46, *N47;
  QMenu* N7;  // "Сетка дискретизации"
  QAction *N9, *N10;
  QMenu* N12;  // "Ввод парметров"
  QAction *N13, *N14;
  QMenu* N16;  // "Результат"
  QAction *N24, *N25, *N26, *N17, *N18, *N27, *N20, *N21, *N22;
  QAction *N37, *N38;  // the two empty, disabled items
  QAction* N4;         // "Выход"

  // ---- Pages ----
  QTabWidget* PageControl1;
  QWidget *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4;
  TDiagramFrame *DFs, *DFAS, *DFE, *DFBF, *DFBFS, *DFK, *DFLagr;
  QLabel* Label5;

  // Parameter panel of the first tab.
  QGroupBox* GroupBox1;
  QRadioButton *RadioButtonN, *RadioButtonT;
  TEditInt* EditN;
  QLineEdit* EditT;
  QLabel* Label3;  // "Интервал анализа [с]:"
  TEditFloat *EditFloatT1, *EditFloatT2;
  QPushButton* Button1;
  QLabel *Label4, *Label7, *Label16, *Label17, *Label12;    // sampling frequency
  QLabel *Label13, *Label18, *Label19, *Label20, *Label21;  // highest frequency
  QLabel *Label14, *Label22, *Label15, *Label23;            // Tmax, Nmin
  // Axis captions the spectrum diagram takes (hidden pictures).
  QImage Image1, Image2, Image4;

  // Formula panel of the generating-function tab.
  QScrollArea* PanelBF;
  QWidget* ScrollBox1;
  QLabel *ImageKot, *ImagePol0, *ImagePol1, *ImagePol2, *ImagePol3;
  QLabel *ImageSpl11, *ImageSpl21, *ImageSpl31, *ImageSpl12, *ImageSpl22, *ImageSpl32;
  QFrame* PanelImage;
  QToolButton *SpeedButton12, *SpeedButton13, *SpeedButton14;

  // Basis-function tab.
  QGroupBox* GroupBoxLagr;
  QGroupBox* GroupBoxLagrPar;
  QComboBox* ComboBoxLagr;
  QFrame* PanelLagr;
  QLabel* ImageLagr;
  QFrame* PanelLagrImg;
  QToolButton *SpeedButton15, *SpeedButton16, *SpeedButton17;
  // The picture ImageLagr shows, at its natural size; the viewer, the file and the clipboard take it.
  QImage LagrPicture;
  // The basis functions the tab's fifty series plot, and their shown count.
  TLagrangeBasis LagrangeBasisSet;
  const QImage& BasisPicture() const;
  void LoadBasisPicture();

  // The window whose engine the plotted curves read (the one main window; a test's window).
  static TResamForm* Engine;
  // The interpolating function of each kind as a plain function of time, reading Engine.
  static double KotelnikovCurve(double t);
  static double LocalCurve(double t);
  static double LagrangeCurve(double t);
  // What Reconstruct plots for the Kotelnikov and the Lagrange methods (the two curves
  // above unless a benchmark puts the literal sums here to compare against them).
  static TRealFunction KotelnikovSum;
  static TRealFunction LagrangeSum;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Design (shell/ResamDesign.cpp, shell/ResamMenu.cpp, shell/ResamPanel.cpp).
  void BuildToolBar();
  void BuildMenu();
  void BuildSignalMenu();
  void BuildMethodMenu();
  void BuildSettingsMenu();
  void BuildAnalysisMenu(QMenu* settings);
  void BuildResultMenu(QMenu* settings);
  void BuildPages();
  void BuildSignalTab();
  void BuildParameterPanel();
  void BuildSpectrumTab();
  void BuildKernelTab();
  void BuildBasisTab();
  void ConnectCommands();
  void ConnectMouseMoves();
  void TrackMouse(QWidget* widget);
  void ShowWelcome();

  // Layout (shell/ResamLayout.cpp).
  void ApplyLayout();
  void LayoutSignalTab();
  void LayoutSpectrumTab();
  void LayoutKernelTab();
  void LayoutBasisTab();
  void SetUpSeries();
  void PlaceNoSignalLabel();
  void RecordDesignGeometry();
  void ScaleParameterPanel(double factor);
  void PlaceSideReadouts();
  void FollowReadout(const QLabel* first, std::initializer_list<QLabel*> beside);

  // Method choice (engine/Reconstruction.cpp).
  void ChooseMethod(int method);
  void SetUpBasisSeries();
  void SwitchMethodTabs(bool lagrange);
  void LimitToLagrange();

  // Sampling steps (engine/Sampling.cpp).
  double AnalogValueAt(double t) const;
  void TakeSignalInterval();
  void ShowSampleSeries(double tlast);

  // Helpers shared by the commands.
  void ShowDerivedQuantities();
  void ShowSamplingFrequency();
  void SetIntervalEdits(double lo1, double hi1, double lo2, double hi2);
  void SetInputMode(bool countMode);
  void SetEditColours();
  void ChooseAnchoring(QAction* item);
  void ToggleDisplay(QAction* item, QToolButton* button);
  void ApplyDisplay();
  void CommitInterval();
  void SetBaseColour(QWidget* edit, bool panelColour);
  bool FilterPeriodKey(QKeyEvent* event);
  void HideAllTools();
  TKeeper* Series(TDiagramFrame* frame, int number);

  TFourierAnalyser* OwnSpectrumModule = nullptr;
  QList<QPair<QWidget*, QRect>> DesignGeometry;
  double PanelScale = 1.0;  // of the parameter panel against its design width
  QList<QPair<QWidget*, QFont>> DesignFonts;
};

extern TResamForm* ResamForm;
