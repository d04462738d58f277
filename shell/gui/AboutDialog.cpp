// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/gui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "atlas/DstTablesRelease.h"
#include "platform/gui/QtMessageService.h"
#include "common/LargeFont.h"
#include "shell/StartupFiles.h"
#include "platform/gui/ScreenFit.h"

namespace vostrane {
namespace {

// The data the program is built from, and the licence of each.
QString SourcesText() {
  const std::optional<std::string> release = DstTablesRelease();
  const QString tz =
      release ? QString("the IANA time zone database, release %1").arg(QString::fromStdString(*release))
              : QString("the IANA time zone database");
  return "Data sources:\n"
         "Places: GeoNames (geonames.org), CC BY 4.0.\n"
         "Time zones and daylight time: " +
         tz +
         ", public domain.\n"
         "Outer planets, Chiron and four asteroids: generated at build time from the\n"
         "ephemeris files of the Debian package swe-standard-data (CC0 1.0).\n"
         "Fixed stars: the star list of swe-basic-data (CC0 1.0).\n"
         "Sun, Moon, Mercury, Venus and Mars: Vostrane's own analytic theory, with\n"
         "Newcomb's Tables of the Sun (public domain).\n"
         "Delta T: US Naval Observatory (public domain) and IERS Bulletin A.\n"
         "Glyph font zorastro.ttf: glyphs of DejaVu Sans (DejaVu fonts licence,\n"
         "free to use, change and pass on) and Symbola (free for any use).";
}

constexpr const char* kLicenceText =
    "Vostrane is free software under the GNU General Public License, version 3\n"
    "or any later version (GPL-3.0-or-later), and comes with no warranty.";

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
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

  auto* version = new QLabel("Version " VOSTRANE_VERSION_TEXT " for Linux desktops", this);
  version->setObjectName("VersionLabel");
  version->setAlignment(Qt::AlignHCenter);
  layout->addWidget(version);
  layout->addSpacing(8);

  contacts_[0] = new QLabel("Help: Help menu, User Guide (F1)", this);
  contacts_[1] = new QLabel("Vostrane is free to use, copy and give away.", this);
  contacts_[2] = new QLabel("No order or registration is needed.", this);
  year_ = new QLabel("2026", this);
  maker_ = new QLabel("The Vostrane developers", this);
  for (QLabel* label : contacts_) layout->addWidget(label);
  layout->addWidget(year_);
  layout->addWidget(maker_);

  auto* licence = new QLabel(kLicenceText, this);
  licence->setObjectName("LicenceLabel");
  layout->addSpacing(8);
  layout->addWidget(licence);

  sources_ = new QLabel(SourcesText(), this);
  sources_->setObjectName("SourcesLabel");
  layout->addSpacing(8);
  layout->addWidget(sources_);

  const std::vector<std::string> lines = ReadAboutLines();
  bool taken = false;
  for (size_t i = 0; i < lines.size() && i < 3; ++i) {
    if (lines[i].size() < 2) continue;
    contacts_[i]->setText(ToQt(lines[i]));
    taken = true;
  }
  if (taken) {
    year_->setText("Copyright 2026");
    maker_->setText("The Vostrane developers");
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(ScaleForLargeFont(480), ScaleForLargeFont(360));
  KeepOnScreenWhenShown(this);
}

}  // namespace vostrane
