// What only the Qt binding has: widgets nested in their frames and named by object name,
// the window's icon in its two sizes, and looks named by palette role, so that a change of
// the desktop's palette repaints them.

#include <QIcon>

#include "binding_rows.h"
#include "qt_driver.h"

namespace lumetra::ui::test {
namespace {

using QtWidgets = BindingTest;

TEST_F(QtWidgets, TheWindowIsFrmLumetraWithItsIconAtSixteenAndThirtyTwoPixels)
{
    EXPECT_EQ(qt(*window).objectName(), QString("frmLumetra"));
    const QList<QSize> iconSizes = qt(*window).windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
}

TEST_F(QtWidgets, EveryControlIsNestedInItsFrame)
{
    for (const Place& place : places) {
        const QWidget* parent = widget(*window, place.name)->parentWidget();
        ASSERT_NE(parent, nullptr) << place.name;
        EXPECT_EQ(parent->objectName(), QString(*place.container ? place.container : "frmLumetra")) << place.name;
    }
}

TEST_F(QtWidgets, EachLookIsAPaletteRole)
{
    for (const FieldStart& start : fieldStarts)
        EXPECT_EQ(widget<FieldEdit>(*window, start.name)->backColor(), start.readOnly ? QPalette::Button : QPalette::Base)
            << start.name;
    window->setLook(TextField::txtHeading, Look::ReadOnly);
    EXPECT_EQ(widget<FieldEdit>(*window, "txtHeading")->backColor(), QPalette::Button);
}

}  // namespace
}  // namespace lumetra::ui::test
