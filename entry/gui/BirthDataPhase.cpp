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

TFormBDat& CreateBirthDataForm(QWidget* parent) {
  if (!Form()) Form() = new TFormBDat(parent);
  return *Form();
}

void ShowBirthDataForm(QWidget* parent) { CreateBirthDataForm(parent).RunSession(); }

TFormBDat* BirthDataForm() { return Form().data(); }

}  // namespace vostrane
