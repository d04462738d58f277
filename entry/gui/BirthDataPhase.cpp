#include "entry/gui/BirthDataPhase.h"

#include <QPointer>

#include "entry/gui/TFormBDat.h"

namespace vostrane {
namespace {

QPointer<TFormBDat>& Form() {
  static QPointer<TFormBDat> form;
  return form;
}

}  // namespace

void ShowBirthDataForm(QWidget* parent) {
  if (!Form()) Form() = new TFormBDat(parent);
  Form()->RunSession();
}

TFormBDat* BirthDataForm() { return Form().data(); }

}  // namespace vostrane
