#pragma once
// The main window: a view over one reconstruction engine. It receives signals from the four
// source windows, and each handler reads its widget, calls the engine and shows what changed
// (Show), on four tabs. The window keeps the display settings and its own widgets only.
#include <QFont>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <initializer_list>

#include "engine/ResamEngine.h"
#include "plotting/DiagramExport.h"
#include "reports/ReportDocument.h"
#include "studies/ComparisonPage.h"
#include "studies/SoundRendering.h"

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
class TComparisonPage;
class TDiagram;
class TDiagramFrame;
class TEditFloat;
class TEditInt;
class TErrorFiguresLabel;
class TFourierAnalyser;
class TKeeper;
class TListeningForm;
class TLastSessionKeeper;
class TPolyGarmSignal;
class TSampleNoiseForm;
class TPreFilterForm;
class TParameterSliders;
class TParameterStepper;
class TStepKeys;
class TTermsView;
struct TSession;
struct TSessionStudies;

class TResamForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TResamForm(QWidget* parent = nullptr);
  ~TResamForm() override;
  // The translation context of the window's texts, the one tr() gives them.
  static constexpr char TextContext[] = "TResamForm";

  // The engine whose state and results this window shows.
  TResamEngine Engine;
  // Shows what the engine reports changed, in the widgets and diagrams: the one place where
  // engine results reach the window.
  void Show(TResamEngine::TChanges changes);
  // Hands the engine the spectrum module whose settings it follows (SpAnForm once it exists).
  void UseSpectrumModule(TFourierAnalyser* module);

  // The graphical editor still needs its titles and pen colour (set on its first use).
  bool EditorFirstUse = true;
  static constexpr int EditorColour = 0x0000FF;  // red, as the toolkit writes colours

  // ---- Window state ----
  bool FirstPaint = true;
  // The table editor is dressed for this window on its first use only.
  bool TableFirstUse = true;
  // The parameter panel as designed; narrower windows scale it and its contents.
  static constexpr int DesignPanelWidth = 785, DesignPanelHeight = 146;

  // ---- Signal arrival (shell/ResamSources.cpp) ----
  void N2Click();
  void N3Click();
  void SpeedButton11Click();
  void N40Click();
  // "Открыть запись...": a sound file or a CSV series, and its fragment as the signal.
  void OpenRecordingClick();
  // The window's part of a signal's arrival, around the engine's commands of the same names.
  void AcceptSignal(TResamEngine::TSignalSource source);
  void TakeAnalogSignal(TResamEngine::TPeriodRule rule);
  void TakeTableSignal();
  void EnableResults(bool on);
  void AdaptToSource();
  // The source windows dressed for this window on their first use, and what a source hands
  // over to the engine.
  void DressEditor();
  void DressTableEditor();
  void TakeSourceInput(TResamEngine::TSignalSource source);
  void TakeConfirmedSignal(TResamEngine::TSignalSource source, TResamEngine::TPeriodRule rule);

  // ---- Method menu (shell/ResamMethods.cpp) ----
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

  // The method menu's item of a method.
  QAction* MethodItem(TResamEngine::TMethod method) const;
  // Each method's menu item and formula picture (null: none), made from its row
  // (shell/MethodViews.h); the named members N31 ..., ImageKot ... are the same objects.
  QAction* MethodActions[TResamEngine::MethodCount] = {};
  QLabel* MethodImages[TResamEngine::MethodCount] = {};

  // ---- Comparison of the methods (shell/ResamComparison.cpp) ----
  QAction* ComparisonItem;  // "Исследование" › "Сравнение методов", shows the tab
  TComparisonPage* TabSheetComparison;
  TErrorFiguresLabel* LabelErrorFigures;  // the current method's figures on the error diagram
  void ComparisonItemClick(bool checked);
  // Every method's row, the current one's figures the error tab's (shell/ResamReport.cpp).
  std::vector<TComparisonPage::TRow> ComparisonRows() const;
  void ComparisonMethodChosen(int method);

  // ---- Parameter panel and sampling menus (shell/ResamParameters.cpp) ----
  void EditNExit();
  void EditTExit();
  void EditFloatT1Exit();
  void EditFloatT2Exit();
  void N9Click();
  void N10Click();
  void N13Click();
  void N14Click();

  // ---- Results: display switches, frequency unit, spectrum view (shell/ResamResults.cpp) ----
  void N24Click();
  void N25Click();
  void N26Click();
  void N17Click();
  void N18Click();
  void N27Click();
  void N20Click();
  void N21Click();
  void N22Click();
  void PageControl1Change(int index);
  // The axis-caption pictures Image1, Image2, Image4 rendered, and those of the unit shown put on DFAS.
  void ShowFrequencyCaptions();
  // The spectrum's column headings in exported data, in the shown frequency unit.
  void NameFrequencyColumns();
  // The parameter panel's captions and values, a line per row, tab-separated.
  QString ReadoutText() const;

  // ---- Generating-function tab (shell/ResamKernelTab.cpp) ----
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
  void CentreImage(QLabel* image);
  // The formula picture the panel's tools act on, and that picture enlarged (device pixel ratio 1
  // for the clipboard and files, the screen's for the viewer).
  QLabel* VisibleImage() const;
  TResamEngine::TMethod VisibleMethod() const;
  QImage EnlargedPicture(qreal devicePixelRatio = 1.0) const;

  // ---- Basis-function tab (shell/ResamBasisTab.cpp) ----
  void ComboBoxLagrChange(int index);
  void SpeedButton15Click();
  void SpeedButton16Click();
  void SpeedButton17Click();

  // ---- Other commands (shell/ResamCommands.cpp) ----
  void N6Click();
  void N4Click();

  // ---- Sampling studies: noise and quantisation, the alias twin (shell/ResamSamplingStudy.cpp) ----
  void SampleNoiseClick();
  void TwinClick();
  void ExactSamplesClick();
  void ApplySampleNoise(const TSampleNoise& settings);
  // The confirmed fragment's harmonics, handed to the engine for the alias twin.
  void TakeHarmonics(const TPolyGarmSignal& fragment);
  QAction *NoiseItem, *TwinItem;  // "Шум и квантование отсчётов...", "Показывать сигнал-двойник"
  QAction* ExactSamplesItem;              // "Отсчёты из точного сигнала"
  TSampleNoiseForm* NoiseForm = nullptr;  // made on first use
  QLabel* LabelNoise[2];                  // the parameter panel: what is done to the samples, one line each
  QLabel* LabelTwin = nullptr;            // under the signal diagram: the harmonics that fold
  // ---- Legends and the marked interval (shell/ResamOverlays.cpp) ----
  QAction* LegendItem;  // "Легенда на диаграммах", checked at first
  void ShowOverlays();
  // What the panel says is done to the samples (noise, quantisation, filter, exact samples),
  // as one line; empty when nothing is.
  QString StudyNote() const;
  QStringList NoiseParts() const;
  // ---- The panel's hints (shell/ResamHints.cpp) ----
  void BuildHintLabels();
  void ShowHints(TResamEngine::TChanges changes);
  void ShowNminWarning();
  void ShowCountNote(bool lowered);
  QLabel* LabelCountNote;  // "N уменьшено до 50: ..." after a method lowered the count
  int ShownCount = 0;      // the count as last shown, to tell that a method lowered it
  void ShowLegends();
  void ShowIntervalMarks();
  void KeepErrorClearOfFigures();
  // ---- The filter before the sampler (shell/ResamFilter.cpp) ----
  void FilterClick();
  void ApplyFilter(const TPreFilter& settings);
  QAction* FilterItem;  // "Фильтр перед дискретизацией..."; disabled for a table signal
  TPreFilterForm* FilterForm = nullptr;  // made on first use
  QLabel* LabelFilter = nullptr;         // the parameter panel: the filter and its cut-off
  TKeeper* FilteredKeeper = nullptr;     // on DFs: the filtered signal
  TKeeper* ResponseKeeper = nullptr;     // on DFAS: |H| scaled to the analog spectrum's peak
  // ---- Listening (shell/ResamListening.cpp) ----
  void ListeningClick();
  QAction* ListeningItem;               // "Прослушать..."
  TListeningForm* Listening = nullptr;  // made on first use; follows every change while it lives
  TListeningSettings ListeningKept;     // what the window takes when it is made
  // ---- Sessions (shell/ResamSessions.cpp) ----
  // "Сигнал" › "Сохранить сеанс...", "Открыть сеанс...", "Недавние сеансы", "Последний сеанс".
  void SaveSessionClick();
  void OpenSessionClick();
  void OpenLastSessionClick();
  // The items' states as the menu shows them when it opens: saving needs a signal, the last
  // session its file, and the recent list is read afresh.
  void ShowSessionItems();
  // The whole state as a session. A session file (or its text) read, checked and applied; a
  // refused one says why and changes nothing. An opened file goes first in the recent list.
  TSession CaptureSession();
  bool OpenSession(const QString& path);
  bool OpenSessionText(const QByteArray& text);
  bool ApplySession(const TSession& session);
  // Offers the state the file holds as "Последний сеанс" and keeps the state in it from now
  // on: every minute while a signal is given, and whenever SaveLastSession is called
  // (start-up calls it as the program ends).
  void KeepLastSession(const QString& path);
  void SaveLastSession();
  QAction *SaveSessionItem, *OpenSessionItem, *LastSessionItem;
  QMenu* RecentSessionsMenu;

  // ---- Report and the lesson's files (shell/ResamReport.cpp) ----
  // "Сигнал" › "Отчёт...": what the window shows as one PDF or HTML file (enabled with a signal).
  QAction* ReportItem;
  void ReportClick();
  TReport MakeReport();
  // The lesson's diagrams in the report's order, each with its file's name (no extension).
  struct TLessonDiagram {
    TDiagram* Diagram;
    QString Name;
  };
  std::vector<TLessonDiagram> LessonDiagrams();
  // Each of LessonDiagrams as a figure ("signal.svg", ...) or its data ("signal.csv") in the
  // folder, made when missing; false (with a message) at the first that cannot be written.
  bool WriteLessonFigures(const QString& folder, TFigureFormat format, const QString& extension);
  bool WriteLessonData(const QString& folder);

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

  // ---- Exploration: the terms of the sum, the parameter sliders and keys (studies/TermsView,
  // ParameterSliders, StepKeys; ParameterStepper applies what the sliders and keys ask) ----
  TParameterStepper* Stepper = nullptr;
  TTermsView* Terms = nullptr;
  TStepKeys* Keys = nullptr;
  TParameterSliders* Sliders = nullptr;

  // The spectrum module the engine uses (the settings window acts on it).
  TFourierAnalyser& SpectrumModule() { return Engine.SpectrumModule(); }

  // ---- Tool bar ----
  QToolBar* ToolBar1;
  QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton11, *SpeedButton18, *SpeedButton19;
  QToolButton *SpeedButton3, *SpeedButton4, *SpeedButton5;
  QToolButton *SpeedButton6, *SpeedButton7, *SpeedButton8, *SpeedButton9;
  QToolButton* SpeedButton10;

  // ---- Main menu ----
  QMenu* N1;  // "Сигнал"
  QAction *N2, *N3, *N28, *N40, *OpenRecordingItem;
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
  QMenu* ResearchMenu;     // "Исследование"
  QAction* NCopyReadouts;  // "Копировать параметры"
  QAction *N37, *N38;      // the two empty, disabled items
  QAction* N4;             // "Выход"
  QMenu* LanguageMenu;     // "Настройка" › "Язык"
  QAction *RussianItem, *EnglishItem;
  QMenu* HelpMenu;     // "Справка"
  QAction* AboutItem;  // "О программе"

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
  const QImage& BasisPicture() const;
  void LoadBasisPicture();

 protected:
  void changeEvent(QEvent* event) override;
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
  void BuildResearchMenu();
  void BuildHelpMenu();
  void BuildComparisonItem();
  void BuildComparisonTab();
  void BuildSessionItems();
  void BuildAnalysisMenu(QMenu* settings);
  void BuildResultMenu(QMenu* settings);
  void BuildLanguageMenu(QMenu* settings);
  // Every text in the interface language: the kept ones (widgets/TranslatedTexts.h), the
  // diagrams' names, and what Show composes. Called once built and at each language change.
  void Retranslate();
  void NameDiagrams();
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

  // Sampling studies (shell/ResamSamplingStudy.cpp).
  void BuildSamplingStudyItems();
  void BuildFilterItem();
  void BuildFilterLabel();
  void ShowFilter();
  void ShowFilterItem();  // enabled, with the reason in its hint when not
  void PlaceFilterLabel();
  void ShowFilterSeries(TDiagramFrame* frame, TKeeper*& keeper, const TKeeper& data, int colour, bool dashed, bool on);
  void BuildListeningItem();
  void BuildNoiseLabel();
  void ShowSampleNoise();
  void ShowTwin();
  void ShowTwinItem();  // enabled, with the reason in its hint when not
  void ShowTwinList(bool shown);
  int TwinListHeight() const;
  TKeeper* TwinKeeper = nullptr;  // the signal diagram's fourth series, made when first shown

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

  // Export (shell/ResamExport.cpp): names for exported data, the read-outs as text.
  void NameSeries();
  void BuildReadoutCopy();
  void BuildLegendItem();
  void OfferReadoutCopy();
  void CopyReadouts();

  // Method choice (shell/ResamMethods.cpp).
  void ChooseMethod(TResamEngine::TMethod method);
  // The method's menu item, tabs and window caption, without the engine.
  void ShowMethodChoice(TResamEngine::TMethod method);
  void SetUpBasisSeries();
  void SwitchMethodTabs(bool lagrange);

  // Showing the engine's results (shell/ResamShow.cpp).
  void ShowAcceptedSignal();
  void ShowDerivedQuantities();
  void ShowSamplingFrequency();
  void ShowSamples();
  void ShowComposedTexts();
  void ShowInterval();
  void ShowCurve();
  void ShowError();
  void ShowSpectra(TResamEngine::TChanges changes);
  void ShowKernelAnalysis();
  // The chosen method's formula picture shown, the others hidden.
  void ShowMethodPicture();
  // Every formula and axis-caption picture drawn again, as another language has pictures of its own.
  void RenderPicturesAgain();
  void ShowBasis();
  void ShowRange(TDiagramFrame* frame, const TViewRange& range);
  void ShowComparison(TResamEngine::TChanges changes);
  void FillComparison();

  // Helpers shared by the commands.
  void SetIntervalEdits(double lo1, double hi1, double lo2, double hi2);
  void SetInputMode(bool countMode);
  void SetEditColours();
  void ChooseAnchoring(QAction* item);
  void ToggleDisplay(QAction* item, QToolButton* button);
  void ApplyDisplay();
  void CommitInterval(TResamEngine::TChanges changes);
  void SetBaseColour(QWidget* edit, bool panelColour);
  bool FilterPeriodKey(QKeyEvent* event);
  void HideAllTools();
  TKeeper* Series(TDiagramFrame* frame, int number);

  QList<QPair<QWidget*, QRect>> DesignGeometry;
  double PanelScale = 1.0;  // of the parameter panel against its design width
  QList<QPair<QWidget*, QFont>> DesignFonts;

  // The report's parts (shell/ResamReport.cpp).
  void BuildReportItem();
  void ReportSignal(TReport& report) const;
  void ReportSampling(TReport& report) const;
  void ReportMethod(TReport& report) const;
  void ReportResults(TReport& report);
  void ReportStudySettings(TReport& report) const;

  // Sessions.
  void PutSourceData(const TSession& session);
  void ShowSessionSettings(const TSession& session);
  void ShowSessionStudies(const TSessionStudies& studies);
  TLastSessionKeeper* LastSession = nullptr;
};
