#pragma once
// The program's one plotting component: a grid with numbered axes, titles and the series
// of a list of keepers, drawn into a picture of its own that the widget only copies to the
// screen. Values are in the series' units; pixels are the picture's, origin top left.
// Colours are the toolkit's colour values (0x00BBGGRR: red 255, white 0xFFFFFF).
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPen>
#include <QStaticText>
#include <QWidget>
#include <utility>
#include <vector>

#include "numerics/Keeper.h"
#include "plotting/CurveCoverage.h"
#include "plotting/DataTable.h"

class QPainter;

class TDiagram : public QWidget {
  Q_OBJECT
  // Read by the accessible-name helper, which names a diagram after its title.
  Q_PROPERTY(QString NameDiagram READ GetNameDiagram WRITE SetNameDiagram)

 public:
  explicit TDiagram(QWidget* parent = nullptr);
  ~TDiagram() override;

  // Mapping between values and pixels of the output rectangle.
  int MathToPhisX(double x) const;
  int MathToPhisY(double y) const;
  double PhisToMathX(int px) const;
  double PhisToMathY(int py) const;
  int Get_x0_out() const { return x0_out; }
  int Get_y0_out() const { return y0_out; }
  int Get_w_out() const { return w_out; }
  int Get_h_out() const { return h_out; }
  int Get_xb_net() const { return xb_net; }
  int Get_xe_net() const { return xe_net; }
  int Get_yb_net() const { return yb_net; }
  int Get_ye_net() const { return ye_net; }
  int GetWidth() const { return width(); }
  // Where the last repaint wrote the axis numbers (all of one axis in one rectangle) and the
  // abscissa name; empty when nothing was written. Tools placed beside the net avoid them.
  QRect GetXNumbersRect() const { return XNumbersRect; }
  QRect GetYNumbersRect() const { return YNumbersRect; }
  QRect GetNameXRect() const { return NameXRect; }
  // Room, in pixels, that the owner's tools take left of the Y numbers and below the X
  // numbers; the net moves in by as much. 0 and 0 (the default) is the plain layout.
  void SetToolRoom(int left, int bottom);
  int GetHeight() const { return height(); }

  // Range and limits. Degenerate requests are ignored; ends beyond a limit are clamped.
  void SetRangeX(double xmin, double xmax);
  void SetRangeY(double ymin, double ymax);
  void SetXmin(double v) { SetRangeX(v, Xmax); }
  void SetXmax(double v) { SetRangeX(Xmin, v); }
  void SetYmin(double v) { SetRangeY(v, Ymax); }
  void SetYmax(double v) { SetRangeY(Ymin, v); }
  void SetLimitX(double min, double max);
  void SetLimitY(double min, double max);
  void SetLimitXmin(double v) { SetLimitX(v, LimitXmax); }
  void SetLimitXmax(double v) { SetLimitX(LimitXmin, v); }
  void SetLimitYmin(double v) { SetLimitY(v, LimitYmax); }
  void SetLimitYmax(double v) { SetLimitY(LimitYmin, v); }
  double GetLimitXmin() const { return LimitXmin; }
  double GetLimitXmax() const { return LimitXmax; }
  double GetLimitYmin() const { return LimitYmin; }
  double GetLimitYmax() const { return LimitYmax; }
  void SetPrecisionX(int p);
  void SetPrecisionY(int p);
  int GetPrecisionX() const { return PrecisionX; }
  int GetPrecisionY() const { return PrecisionY; }
  double GetXmin() const { return Xmin; }
  double GetXmax() const { return Xmax; }
  double GetYmin() const { return Ymin; }
  double GetYmax() const { return Ymax; }

  // Size of the buffer num2char writes into (any double in fixed form fits).
  static constexpr int NumTextSize = 400;
  // Locale-independent "%.Nf" (N = precision 0..7) or "%e"; returns the character count.
  static int num2char(char* buffer, int precision, double value);
  // The text an axis shows for its grid value v, with the program's decimal comma.
  QString AxisNumberText(double v, bool xAxis) const {
    return GridText(v, xAxis ? GridX : GridY, xAxis ? PrecisionX : PrecisionY);
  }

  // Appearance.
  void SetColorBackDiagram(int c);
  void SetColorBackNet(int c);
  void SetColorNetLine(int c);
  void SetPenStyleNetLine(Qt::PenStyle s);
  void SetNameX(const QString& s);
  void SetNameY(const QString& s);
  void SetNameDiagram(const QString& s);
  void SetFontNameX(const QFont& f);
  void SetFontNameY(const QFont& f);
  void SetFontName(const QFont& f);
  void SetFontNet(const QFont& f);
  void SetBitmapX(const QImage* picture);
  void SetBitmapY(const QImage* picture);
  int GetColorBackDiagram() const { return ColorBackDiagram; }
  int GetColorBackNet() const { return ColorBackNet; }
  int GetColorNetLine() const { return ColorNetLine; }
  Qt::PenStyle GetPenStyleNetLine() const { return PenStyleNetLine; }
  QString GetNameX() const { return NameX; }
  QString GetNameY() const { return NameY; }
  QString GetNameDiagram() const { return NameDiagram; }
  QFont GetFontNameX() const { return FontNameX; }
  QFont GetFontNameY() const { return FontNameY; }
  QFont GetFontName() const { return FontName; }
  QFont GetFontNet() const { return FontNet; }
  const QImage& GetBitmapX() const { return BitmapX; }
  const QImage& GetBitmapY() const { return BitmapY; }
  QFont GetFont() const { return CanvasFont; }
  void SetNetCursor(Qt::CursorShape c) { NetCursor = c; }
  Qt::CursorShape GetNetCursor() const { return NetCursor; }
  void SetPrintMode();
  void ResetPrintMode();
  bool GetPrintMode() const { return PrintMode; }
  void SetLeftTopX(int) { ShowDiagram(); }
  // A legend over the series in the net's top right corner: per line a short stroke in the
  // line's colour and its text. None by default; a net too small for it goes without.
  struct TLegendLine {
    int Colour = 0;
    QString Text;
    // A stem with the sample marker instead of a stroke (a discrete series).
    bool Marker = false;
    // A thin dashed stroke, as a dashed series is drawn.
    bool Dashed = false;
    bool operator==(const TLegendLine&) const = default;
  };
  void SetLegend(const std::vector<TLegendLine>& lines);
  const std::vector<TLegendLine>& GetLegend() const { return Legend; }
  // Where the last repaint drew the legend; empty when it drew none.
  QRect GetLegendRect() const { return LegendRect; }
  // An interval of the abscissa marked over the series: the net outside [From, To] lightly
  // shaded and a thin line at either end, named at the foot of the net (the top holds the legend
  // and the figures written over a diagram). Off by default.
  struct TIntervalMark {
    bool On = false;
    double From = 0, To = 0;
    QString FromName, ToName;
    bool operator==(const TIntervalMark&) const = default;
  };
  void SetIntervalMark(const TIntervalMark& mark);
  // Filled bars over the series, from zero to Value at X ± Half, each with its Label over it;
  // a bar above the view reaches the net's top with a break mark and its ValueText; the Best
  // one carries a star. None by default.
  struct TBarMark {
    double X = 0, Half = 0, Value = 0;
    int Colour = 0;
    QString Label, ValueText;
    bool Best = false;
    bool operator==(const TBarMark&) const = default;
  };
  void SetBars(const std::vector<TBarMark>& bars);
  const std::vector<TBarMark>& GetBars() const { return Bars; }
  const TIntervalMark& GetIntervalMark() const { return IntervalMark; }

  // Painting. A diagram whose window is shown but which is itself out of sight (on a hidden
  // tab) settles its layout at once and paints when it comes into sight, or when its picture
  // is read.
  void ShowDiagram();
  // Holds the repaints of a burst of changes (ranges, series, appearance): while one lives,
  // ShowDiagram only notes that a repaint is due, and the last one to end paints once. A
  // setter used alone repaints at once, as ever.
  class TOnePaint {
   public:
    explicit TOnePaint(TDiagram& diagram) : Diagram(diagram) { Diagram.HoldPaint(); }
    ~TOnePaint() { Diagram.ReleasePaint(); }
    TOnePaint(const TOnePaint&) = delete;
    TOnePaint& operator=(const TOnePaint&) = delete;

   private:
    TDiagram& Diagram;
  };
  void HoldPaint() { ++PaintHold; }
  void ReleasePaint() {
    if (--PaintHold == 0 && PaintPending) ShowDiagram();
  }
  // Pictures painted so far: whole ones (axes and series), and of them those that had to draw
  // the axes anew rather than take them from the kept picture of the last one.
  int RepaintCount() const { return Repaints; }
  int StaticRepaintCount() const { return StaticRepaints; }
  void ShowBitmap();
  void FullSize();
  // The picture the widget shows; export and tests read it. Its size is the control's size
  // times its device pixel ratio (QImage::devicePixelRatio); drawing on it is in logical pixels.
  // A repaint held back while out of sight is done first.
  const QImage& Picture() const {
    const_cast<TDiagram*>(this)->PaintIfPending();
    return Image;
  }
  // Device pixels per logical pixel of the picture; 0 (the default) follows the screen.
  void SetPixelRatio(qreal ratio);
  qreal PictureRatio() const;
  // The picture as exported: in print mode, at the control's size in logical pixels.
  QImage PrintPicture();
  // The same picture for an owner that draws over the series itself (the editor's pen and
  // rubber band); the next full repaint covers that drawing. Call update() afterwards.
  QImage& Canvas() {
    PaintIfPending();
    return Image;
  }

  // Keeper list: the base keeper (number 0) and the keepers the diagram owns after it.
  void NewKeeperList(unsigned char n);
  void DeleteKeeperList();
  TKeeper* PNewKeeper();
  unsigned char NewKeeper();
  void DeleteKeeper(unsigned char number);
  void PDeleteKeeper(TKeeper* keeper);
  TKeeper* GetKeeper(unsigned char number);
  unsigned char GetKeeperListLength() const;

  // Series drawing onto the current picture (nothing else is repainted).
  void ShowAnalog(TKeeper* keeper);
  void ShowDiscret(TKeeper* keeper);
  void ShowRadio(TKeeper* keeper);
  void ShowHistogram(TKeeper* keeper);
  void ShowPoint(double x, double y, int colour);
  bool EnableLine(bool on);
  bool GetEnableLine() const { return LinesEnabled; }
  void AutoRangeX();
  void AutoRangeXAverage();
  void AutoRangeY();
  void AutoRangeYAverage();

  // Cross-hair (feeler) and cursor.
  void SetShowFeeler(bool on);
  bool GetShowFeeler() const { return ShowFeeler; }
  void SetPenStyleFeeler(Qt::PenStyle s) { PenStyleFeeler = s; }
  Qt::PenStyle GetPenStyleFeeler() const { return PenStyleFeeler; }
  void SetPenWidthFeeler(int w) { PenWidthFeeler = w; }
  int GetPenWidthFeeler() const { return PenWidthFeeler; }
  void SetColorFeeler(int c) { ColorFeeler = c; }
  int GetColorFeeler() const { return ColorFeeler; }
  bool IsFeelerDrawn() const { return FeelerDrawn; }
  void MouseMove(Qt::KeyboardModifiers shift, int x, int y);

  // Range steps.
  void IncrementXmin(double d) { SetRangeX(Xmin + d, Xmax); }
  void IncrementXmax(double d) { SetRangeX(Xmin, Xmax + d); }
  void IncrementYmin(double d) { SetRangeY(Ymin + d, Ymax); }
  void IncrementYmax(double d) { SetRangeY(Ymin, Ymax + d); }
  void IncreaseXmin() { IncrementXmin(StepX()); }
  void ReduceXmin() { IncrementXmin(-StepX()); }
  void IncreaseXmax() { IncrementXmax(StepX()); }
  void ReduceXmax() { IncrementXmax(-StepX()); }
  void IncreaseYmin() { IncrementYmin(StepY()); }
  void ReduceYmin() { IncrementYmin(-StepY()); }
  void IncreaseYmax() { IncrementYmax(StepY()); }
  void ReduceYmax() { IncrementYmax(-StepY()); }

  // Export, both in print mode (white background, black lines, no feeler).
  void CopyToClipboard();
  void SaveBmpFile();
  void SaveBmpFile(QString name);

  // Where a painting goes: the device pixels per logical pixel that crisp lines and spans are
  // placed for, and whether the device keeps shapes as shapes (SVG, PDF). There a curve is one
  // path, a sample marker a circle, and values are not snapped to device pixels.
  struct TPaintTarget {
    qreal Ratio = 1;
    bool Vector = false;
    // The series and the legend in their screen colours on the print mode's white background
    // and black net (PNG, SVG, PDF); false: all black, as BMP and the clipboard have them.
    bool Colour = false;
  };
  // The exported figure (print mode, no feeler) painted with p over the control's rectangle in
  // logical pixels, by the code that paints the screen's picture and with its layout; p's
  // device and transform place and scale it. The screen's picture is left as it is.
  void PaintFigure(QPainter& p, const TPaintTarget& target);
  // That figure as a picture of the control's size at `ratio` device pixels per logical pixel.
  QImage FigureImage(qreal ratio, bool colour = false);
  // The numbers behind the picture: every shown series over the visible range [Xmin, Xmax];
  // curves at the pixel columns of that range (one abscissa column for all of them), discrete
  // series and histograms at their own sample positions (one abscissa column per distinct
  // set of positions). With no series shown, the abscissa heading alone. False (and the table
  // left incomplete) when a series has more than MaxDataRows positions in view.
  static constexpr long long MaxDataRows = 1000000;
  bool VisibleData(TDataTable& table) const;
  // The heading of the abscissa column of exported data, with its unit; empty (the default)
  // takes the axis name, which may be a blank beside a caption picture.
  void SetDataNameX(const QString& s) { DataNameX = s; }
  QString GetDataNameX() const;

 signals:
  // The owner's events; OnMouseMove comes after the feeler has been drawn.
  void OnMouseMove(TDiagram* sender, Qt::KeyboardModifiers shift, int x, int y);
  void OnMouseDown(TDiagram* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void OnMouseUp(TDiagram* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void OnClick(TDiagram* sender);
  // Just before a repaint draws the series, with the ranges it draws them in: an owner may
  // fit its series to the view here (data, shown flags), but must not repaint.
  void OnPaintSeries(TDiagram* sender);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  using TKeeperEnd = double (TKeeper::*)() const;
  std::pair<double, double> SeriesExtent(TKeeperEnd lowEnd, TKeeperEnd highEnd, bool average) const;
  // A drawing setting taken, and the picture drawn again with it; the kept axes only when it
  // changed (the main window sets its names and fonts again on every action).
  template <class T>
  void Restyle(T& setting, const T& value) {
    if (!(setting == value)) {
      setting = value;
      StaticStale = true;
    }
    ShowDiagram();
  }
  // What the kept picture of the axes was drawn for; any other value draws them anew.
  struct TStaticKey {
    double Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
    int PrecisionX = 0, PrecisionY = 0;
    QSize Size;
    qreal Ratio = 0;
    bool PrintMode = false;
    bool operator==(const TStaticKey&) const = default;
  };
  TStaticKey StaticKeyNow() const;
  void SettleLayout();
  bool OutOfSight() const;
  void PaintIfPending();
  void PaintScreen();
  void PaintStatic(QPainter& p);
  void PaintOverlays(QPainter& p);
  // One axis's grid: its step, first value and tolerance.
  struct TGrid {
    double Step = 1, First = 0, Eps = 0;
  };

  bool AllocatePicture();
  void Layout();
  void ChooseGrids();
  void AdjustPrecision(const TGrid& grid, double vmax, int& precision) const;
  QString GridText(double v, const TGrid& grid, int precision) const;
  void PaintBackground(QPainter& p);
  double LineOffset() const;
  void DrawNetLine(QPainter& p, int x1, int y1, int x2, int y2) const;
  void DrawGridLine(QPainter& p, int x1, int y1, int x2, int y2);
  struct TDottedLine {
    QImage Picture;
    int Length = 0;
    QPen Pen;
  };
  void PaintGridX(QPainter& p);
  void PaintGridY(QPainter& p);
  void PaintMinorTicks(QPainter& p);
  void PaintTitles(QPainter& p);
  QRect PlaceNameX() const;
  void PaintText(QPainter& p, const QFont& font, int left, int top, const QString& text, bool opaque);
  // An axis number, measured and shaped once while the numbers' font and the picture's ratio
  // stay: a grid shows the same few dozen numbers repaint after repaint.
  struct TShapedNumber {
    int Width = 0;
    QStaticText Glyphs;
  };
  const TShapedNumber& ShapedNumber(const QString& text);
  void PaintNumber(QPainter& p, int left, int top, const QString& text);
  void PaintSeries(QPainter& p);
  void PaintBitmaps(QPainter& p);
  void PaintOverlay(QPainter& p);
  void PaintIntervalMark(QPainter& p);
  void FillShade(QPainter& p, const QRectF& area, const QColor& shade) const;
  void PaintBars(QPainter& p);
  void PaintBar(QPainter& p, const TBarMark& bar, int zero);
  int BarTop(const TBarMark& bar) const;
  void PaintBarTexts(QPainter& p, const TBarMark& bar);
  void PaintBarText(QPainter& p, int left, int top, const QString& text);
  void PaintNetLabel(QPainter& p, int left, int top, const QString& text);
  void PaintLegend(QPainter& p);
  void PaintLegendSymbol(QPainter& p, const TLegendLine& line, int left, int y);
  // A series' colour as the current painting shows it: black in print mode unless the
  // figure is in colour.
  QColor SeriesColourOf(int colour) const;
  void PaintKeeper(QPainter& p, const TKeeper& k);
  bool ColumnValue(const TKeeper& k, int px, double& v) const;
  void PaintAnalog(QPainter& p, const TKeeper& k);
  void PaintDiscret(QPainter& p, const TKeeper& k);
  void PaintRadio(QPainter& p, const TKeeper& k);
  void PaintHistogram(QPainter& p, const TKeeper& k);
  void PaintBar(double x, double half, double v, int y0);
  bool IsDense(long long nLo, long long nHi) const;
  void PaintDenseColumns(const TKeeper& k, long long nLo, long long nHi, int y0, bool markers);
  void PaintZeroLine(int& y0);
  bool SetSeriesPen(QPainter& p, const TKeeper& k);
  void AddVertical(int x, int y1, int y2);
  void AddHorizontal(int x1, int x2, int y);
  void FlushSpans(QPainter& p);
  void FillSpans(QImage& image, int ratio);
  void PaintMarkers(QPainter& p);
  void SetCurvePen(QPainter& p);
  double CurveY(double v, int py) const;
  void LineCurveTo(int x, double y);
  void MoveCurveTo(QPainter& p, int x, int y);
  void FlushCurve(QPainter& p);
  void LiftCurve(QPainter& p);
  void SpanCurvePiece(QPainter& p);
  void BlendCurvePiece(QImage& image);
  void FillCurvePiece(QPainter& p);
  void PieceExtent(double a, double b, double& lo, double& hi) const;
  void FillColumnSpan(QPainter& p, int column, double top, double bottom);
  QImage* DirectTarget(QPainter& p) const;
  void FinishCurve(QPainter& p);
  void ShowKeeper(TKeeper* keeper, void (TDiagram::*paint)(QPainter&, const TKeeper&));
  void PaintPicture(QPainter& p);
  qreal PaintRatio() const;
  bool PaintsVector() const { return Target && Target->Vector; }
  // A curve kept whole and stroked as one path: on a vector device, and when dashed, so that
  // its dashes run on along it rather than start anew at every column.
  bool StrokesWholeCurve() const { return PaintsVector() || SeriesDashed; }
  std::string SeriesName(const TKeeper& k, bool numbered) const;
  int UnnamedSeries() const;
  TDataColumn CurveColumn(const TKeeper& k, const std::vector<double>& x, bool numbered) const;
  bool AddSampleColumn(std::vector<TDataGroup>& groups, const TKeeper& k, bool numbered) const;
  QColor NetColour() const;
  QColor TextBackColour() const;
  bool RangeAccepted(double& vmin, double& vmax, double limitMin, double limitMax) const;
  bool LimitsAccepted(double& min, double& max) const;
  void ApplyLimitsToRange(bool xAxis);
  double StepX() const;
  double StepY() const;
  void DrawFeeler(int x, int y);
  void EraseFeeler();
  void SetCursorShape(Qt::CursorShape shape);
  TKeeper* LastKeeper();

  // Published properties.
  int ColorBackDiagram;
  int ColorBackNet = 0xFFFFFF;
  int ColorNetLine = 0;
  Qt::PenStyle PenStyleNetLine = Qt::DotLine;
  QString NameY, NameX, NameDiagram;
  QString DefaultName;  // the title of a diagram no one has named, in the language shown
  QString DataNameX;
  QFont FontNameX, FontNameY, FontName, FontNet;
  QImage BitmapX, BitmapY;
  bool ShowFeeler = true;
  Qt::PenStyle PenStyleFeeler = Qt::SolidLine;
  int PenWidthFeeler = 1;
  int ColorFeeler = 0;
  Qt::CursorShape NetCursor = Qt::CrossCursor;
  double LimitXmin = -100000, LimitXmax = 100000, LimitYmin = -100000, LimitYmax = 100000;
  double Xmin = -1, Xmax = 1, Ymin = -1, Ymax = 1;

  // Hidden state.
  int PrecisionX = 1, PrecisionY = 1;
  bool PrintMode = false;
  bool ColourFigure = false;  // while PaintFigure paints a figure in colour
  int xb_net = 0, yb_net = 0, xe_net = 1, ye_net = 1;
  int x0_out = 0, y0_out = 0, w_out = 1, h_out = 1;
  bool NumbersShown = false;
  int NumberCharWidth = 0, NumberWidthX = 0, TextHeight = 0;
  TGrid GridX, GridY;
  QImage Image;
  QFont CanvasFont;
  qreal PixelRatioOverride = 0;
  int ToolRoomLeft = 0, ToolRoomBottom = 0;
  QRect XNumbersRect, YNumbersRect, NameXRect;
  std::vector<TLegendLine> Legend;
  QRect LegendRect;
  TIntervalMark IntervalMark;
  std::vector<TBarMark> Bars;
  // Where the bars' texts of the repaint under way went; kept to be reused, not reallocated.
  std::vector<QRect> BarTextRects;
  qreal ExportRatio = 0;
  // The axes (background, net, grid, numbers, titles) of the last repaint, kept so that a
  // change of the series alone copies them instead of drawing them again.
  QImage StaticLayer;
  QHash<QString, TShapedNumber> Numbers;
  // One dotted grid line across the net and one down it, copied for every grid line.
  TDottedLine DottedLines[2];
  QFont NumbersFont;
  qreal NumbersRatio = 0;
  TStaticKey StaticKey;
  bool StaticStale = true;
  int PaintHold = 0;
  bool PaintPending = false;
  int Repaints = 0, StaticRepaints = 0;
  // Set while PaintFigure paints onto a device of its own; null while painting the picture.
  const TPaintTarget* Target = nullptr;

  TKeeper BaseKeeper;
  bool LinesEnabled = true;
  // Series are drawn as pixel spans of the pen's width, collected here and filled at once;
  // reused by every repaint, so that drawing allocates nothing once they have grown.
  std::vector<QRect> SpanBuffer;
  std::vector<QPoint> MarkerBuffer;
  std::vector<QLineF> CurveBuffer;
  // The centre points of one piece of a curve on a raster device, one per pixel column.
  std::vector<QPointF> PieceBuffer;
  // The same points in device pixels, and what each device pixel of the piece is covered by.
  std::vector<TCurvePoint> CoverPoints;
  TCurveCoverage Coverage;
  QPointF CurvePoint;
  bool CurveHasPoint = false;
  int SeriesPenWidth = 1;
  bool SeriesDashed = false;
  QColor SeriesColour;
  // One marker circle drawn once per colour and width and copied onto every sample top.
  QImage MarkerImage;
  QRgb MarkerColour = 0;
  int MarkerPenWidth = 0;

  bool FeelerDrawn = false;
  int FeelerX = 0, FeelerY = 0;
  bool CursorSaved = false;
  Qt::CursorShape SavedCursor = Qt::ArrowCursor;
  bool LeftPressed = false;
};
