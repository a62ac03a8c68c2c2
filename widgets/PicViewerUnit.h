#pragma once
// Shows a formula picture at its natural size, centred on the screen, and lets
// the user copy it to the clipboard or save it as a BMP file.
#include <QDialog>
#include <QImage>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;

class TPicViewerForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPicViewerForm(QWidget* owner = nullptr);

  // Shows a copy of the picture modally, the window fitted to it.
  void ShowPicture(const QImage& picture);
  // The first half of ShowPicture: the picture taken, the window fitted and centred.
  void LoadPicture(const QImage& picture);
  const QImage& Picture() const { return FPicture; }

  QMenuBar* MainMenu1;
  QMenu* N1;    // "Файл"
  QAction* N2;  // "Копировать"
  QAction* N3;  // "Сохранить"
  QAction* N5;  // "Закрыть"
  QFrame* Panel1;
  QLabel* Image1;

  void N2Click();
  void N3Click();
  void N5Click();
  void FormPaint();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage FPicture;
};

extern TPicViewerForm* PicViewerForm;
