// SPDX-License-Identifier: GPL-3.0-or-later
// F1 in a field of the birth data form opens the user guide at the section
// about that field.
#include <QTextBrowser>

#include "platform/gui/HelpWindow.h"
#include "tests/entry_gui/FormFixture.h"

namespace vostrane::test {
namespace {

class FieldHelp : public FormFixture {};

TEST_F(FieldHelp, F1OpensTheSectionOfTheFieldWithTheFocus) {
  std::filesystem::create_directory("help");
  std::filesystem::copy_file(InstallFile("help/index.html"), "help/index.html");
  Start();
  const std::pair<const char*, const char*> cases[] = {
      {"NameField", "name"}, {"DateField", "date"}, {"PlaceField", "places"}, {"DaylightField", "zone"}};
  for (const auto& [field, section] : cases) {
    SCOPED_TRACE(field);
    if (std::string(field) == "DateField") {
      Key(Qt::Key_Return);  // an empty name reads nothing: on to the date
    } else if (std::string(field) != "NameField") {
      form_->findChild<QWidget*>(field)->setFocus();
    }
    ASSERT_EQ(Focus()->objectName().toStdString(), field);
    Key(Qt::Key_F1);
    QTextBrowser* guide = UserGuideBrowser();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_EQ(guide->source().fragment().toStdString(), section);
    EXPECT_NE(guide->toPlainText().indexOf("Vostrane User Guide"), -1);
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
}

}  // namespace
}  // namespace vostrane::test
