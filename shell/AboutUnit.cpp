#include "shell/AboutUnit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "reports/CommandLine.h"
#include "widgets/AccessibleNames.h"

namespace {
// The licence the program is given under; the libraries' own follow each of them.
const QString Licence = QStringLiteral("Лицензия: MIT.");

struct TLibraryRow {
  const char16_t* Name;
  const char16_t* Licence;
};
// What the program is built on and carries with it.
constexpr TLibraryRow Libraries[] = {
    {u"Qt %1 (Widgets, SVG)", u"LGPL 3"},
    {u"шрифты Liberation", u"SIL Open Font License 1.1"},
    {u"формулы набраны MathJax", u"Apache 2.0"},
};
}  // namespace

QString TAboutForm::AboutText() {
  QString text = QStringLiteral(
                     "<p><b>Resam</b>: восстановление аналогового сигнала по отсчётам</p>"
                     "<p>Версия %1</p><p>%2</p><p>Используются:</p><ul>")
                     .arg(ProgramVersion(), Licence.toHtmlEscaped());
  for (const TLibraryRow& row : Libraries)
    text += QStringLiteral("<li>%1 (%2)</li>")
                .arg(QString::fromUtf16(row.Name).replace(QStringLiteral("%1"), QLatin1String(qVersion())),
                     QString::fromUtf16(row.Licence));
  return text + QStringLiteral("</ul>");
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("О программе"));
  LabelAbout = new QLabel(AboutText(), this);
  LabelAbout->setTextFormat(Qt::RichText);
  LabelAbout->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelAbout);
  layout->addWidget(buttons);
  GiveAccessibleNames(this);
}
