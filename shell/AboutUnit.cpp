#include "shell/AboutUnit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "reports/CommandLine.h"
#include "widgets/AccessibleNames.h"

namespace {
// The licence the program is given under; the libraries' own follow each of them.
const char* const Licence = QT_TRANSLATE_NOOP("TAboutForm", "Лицензия: MIT.");

struct TLibraryRow {
  const char* Name;  // a source text of the context TAboutForm
  const char* Licence;
};
// What the program is built on and carries with it.
constexpr TLibraryRow Libraries[] = {
    {"Qt %1 (Widgets, SVG)", "LGPL 3"},
    {QT_TRANSLATE_NOOP("TAboutForm", "шрифты Liberation"), "SIL Open Font License 1.1"},
    {QT_TRANSLATE_NOOP("TAboutForm", "формулы набраны MathJax"), "Apache 2.0"},
};
}  // namespace

QString TAboutForm::AboutText() {
  QString text = tr("<p><b>Resam</b>: восстановление аналогового сигнала по отсчётам</p>"
                    "<p>Версия %1</p><p>%2</p><p>Используются:</p><ul>")
                     .arg(ProgramVersion(), tr(Licence).toHtmlEscaped());
  for (const TLibraryRow& row : Libraries)
    text += QStringLiteral("<li>%1 (%2)</li>")
                .arg(tr(row.Name).replace(QStringLiteral("%1"), QLatin1String(qVersion())), tr(row.Licence));
  return text + QStringLiteral("</ul>");
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("О программе"));
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
