#pragma once
// The welcome window: a title card on top of everything for a few seconds at
// start-up, with the application-starting cursor while it shows. It frees itself
// when it closes (after 5 seconds or at a click).
#include <QImage>
#include <QWidget>

class QLabel;
class QTimer;

class THelloForm : public QWidget {
  Q_OBJECT
 public:
  explicit THelloForm(QWidget* owner = nullptr);
  ~THelloForm() override;

  static constexpr int CardWidth = 400;
  static constexpr int CardHeight = 300;
  static constexpr int ShowMilliseconds = 5000;

  QLabel* Image1;
  QTimer* Timer1;

  void FormCreate();
  void Timer1Timer();
  void FormClick();
  void FormClose();
  void PaintCard();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool CursorChanged = false;
};

// The title card in the interface language, CardWidth by CardHeight logical pixels, drawn with devicePixelRatio image
// pixels to each, so that it is sharp on a high-density screen.
QImage HelloPicture(qreal devicePixelRatio = 1.0);
