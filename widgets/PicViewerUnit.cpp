#include "widgets/PicViewerUnit.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "widgets/AccessibleNames.h"
#include "widgets/Comfun.h"
#include "widgets/ScreenCentre.h"
#include "widgets/TranslatedTexts.h"

TPicViewerForm* PicViewerForm = nullptr;

namespace {
constexpr int BevelWidth = 1;
constexpr char Context[] = "TPicViewerForm";

// Single border, system menu only.
constexpr Qt::WindowFlags ViewerFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}  // namespace

TPicViewerForm::TPicViewerForm(QWidget* owner)
    : QDialog(owner, ViewerFlags),
      MainMenu1(new QMenuBar(this)),
      N1(AddTranslatedMenu(MainMenu1, Context, QT_TRANSLATE_NOOP("TPicViewerForm", "Файл"))),
      N2(AddTranslatedItem(N1, Context, QT_TRANSLATE_NOOP("TPicViewerForm", "Копировать"))),
      N3(AddTranslatedItem(N1, Context, QT_TRANSLATE_NOOP("TPicViewerForm", "Сохранить"))),
      N5(nullptr),
      Panel1(new QFrame(this)),
      Image1(new QLabel(Panel1)) {
  // The owner may give a title of its own before showing a picture.
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Рисунок в Resam: описание порождающей фукнции "));
  N1->addSeparator();
  N5 = AddTranslatedItem(N1, Context, QT_TR_NOOP("Закрыть"));
  connect(N2, &QAction::triggered, this, &TPicViewerForm::N2Click);
  connect(N3, &QAction::triggered, this, &TPicViewerForm::N3Click);
  connect(N5, &QAction::triggered, this, &TPicViewerForm::N5Click);

  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(BevelWidth);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->move(BevelWidth, BevelWidth);

  // A fixed-size layout makes the window follow its content: the auto-size of the form.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(Panel1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  GiveAccessibleNames(this);
}

void TPicViewerForm::LoadPicture(const QImage& picture) {
  FPicture = picture.copy();
  Image1->setPixmap(QPixmap::fromImage(FPicture));
  // A picture drawn for a high-density screen has more image pixels than logical ones.
  const QSize logical = FPicture.deviceIndependentSize().toSize();
  Image1->resize(logical);
  Panel1->setFixedSize(logical + QSize(2 * BevelWidth, 2 * BevelWidth));
  layout()->activate();
  adjustSize();
  CentreOnScreen(this);
  GiveAccessibleNames(this);  // the picture is a control only now that it shows something
}

void TPicViewerForm::ShowPicture(const QImage& picture) {
  LoadPicture(picture);
  exec();
}

void TPicViewerForm::N2Click() { Platform().SetClipboardImage(FPicture); }

void TPicViewerForm::N3Click() { SaveImageAsBmp(FPicture); }

void TPicViewerForm::N5Click() { close(); }

// Centred again on every paint: the frame's size is known only once the window is shown.
void TPicViewerForm::FormPaint() { CentreOnScreen(this); }

void TPicViewerForm::paintEvent(QPaintEvent* event) {
  FormPaint();
  QDialog::paintEvent(event);
}
